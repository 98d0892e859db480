#!/usr/bin/env python3
"""How fast the Linux program shows its window, and how much memory it
then holds: starts it RUNS times on a private X server with openbox and
prints the median and worst time from start to a viewable window, and the
median resident size once it is shown.

  tests/linux/startup_benchmark.py build/linux/circlecalc [RUNS]

The time includes the polling (a few milliseconds); run it on an idle
machine.
"""
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent


def viewable_window(pid, env):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "^Form1$"],
                           capture_output=True, text=True, env=env, timeout=10)
    return bool(found.stdout.split())


def resident_kib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1])
    raise RuntimeError("no VmRSS")


def main(program, runs):
    with tempfile.TemporaryDirectory(prefix="circlecalc-bench-") as state:
        subprocess.run([sys.executable, HERE / "xserver.py", "start", state, "96"], check=True, timeout=30)
        try:
            display = __import__("json").loads((Path(state) / "state.json").read_text())["display"]
            env = {"DISPLAY": display, "PATH": "/usr/bin:/bin"}
            times, sizes = [], []
            for _ in range(runs):
                started = time.monotonic()
                process = subprocess.Popen([program], env=env)
                try:
                    while not viewable_window(process.pid, env):
                        if time.monotonic() - started > 10:
                            raise RuntimeError("no window within 10 s")
                    times.append((time.monotonic() - started) * 1000)
                    time.sleep(0.5)
                    sizes.append(resident_kib(process.pid) / 1024)
                finally:
                    process.kill()
                    process.wait(timeout=10)
        finally:
            subprocess.run([sys.executable, HERE / "xserver.py", "stop", state], check=True, timeout=30)
    print(f"window viewable after: median {statistics.median(times):.1f} ms, worst {max(times):.1f} ms "
          f"({runs} runs)")
    print(f"resident once shown: median {statistics.median(sizes):.1f} MiB")


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        raise SystemExit(__doc__)
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 20)
