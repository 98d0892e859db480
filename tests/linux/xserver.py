#!/usr/bin/env python3
"""A private X server with a window manager, for the tests that drive the
program through X.

  xserver.py start STATE_DIR DPI   starts Xvfb and openbox, waits for both
  xserver.py stop STATE_DIR        stops what `start` started
  xserver.py run STATE_DIR CMD...  runs CMD with DISPLAY set to the server

The display number comes from Xvfb itself (-displayfd), so servers that
other builds start at the same time never clash.
"""
import json
import os
import select
import signal
import subprocess
import sys
import time
from pathlib import Path

START_TIMEOUT = 15
STOP_TIMEOUT = 5

# Fixed desktop resources, so the window's colours are known to the tests.
RESOURCES = "*selectBackground:\t#2a6099\n"


def read_display(fd, deadline):
    text = b""
    while not text.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
            raise SystemExit("Xvfb did not report a display in time")
        chunk = os.read(fd, 64)
        if not chunk:
            raise SystemExit("Xvfb ended before reporting a display")
        text += chunk
    return ":" + text.decode().strip()


def wait_for_window_manager(env, deadline):
    while time.monotonic() < deadline:
        probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                               capture_output=True, text=True, timeout=5)
        if "window id" in probe.stdout:
            return
        time.sleep(0.1)
    raise SystemExit("openbox did not start in time")


def start(state_dir, dpi):
    state_dir.mkdir(parents=True, exist_ok=True)
    stop(state_dir)  # whatever a broken earlier run left
    deadline = time.monotonic() + START_TIMEOUT
    read_end, write_end = os.pipe()
    with open(state_dir / "xvfb.log", "wb") as log:
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", str(dpi),
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    os.close(write_end)
    started = [xvfb.pid]
    try:
        display = read_display(read_end, deadline)
        os.close(read_end)
        env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=str(state_dir / "config"))
        subprocess.run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                        RESOURCES], env=env, check=True, timeout=5)
        with open(state_dir / "openbox.log", "wb") as log:
            openbox = subprocess.Popen(["openbox", "--sm-disable"], env=env, stdin=subprocess.DEVNULL,
                                       stdout=log, stderr=log, start_new_session=True)
        started.append(openbox.pid)
        wait_for_window_manager(env, deadline)
    finally:
        (state_dir / "state.json").write_text(json.dumps({"pids": started}))
    (state_dir / "state.json").write_text(json.dumps({"display": display, "pids": started}))
    print(f"{display} at {dpi} DPI, Xvfb {xvfb.pid}, openbox {openbox.pid}")


def alive(pid):
    try:
        return Path(f"/proc/{pid}/stat").read_text().split(") ")[1][0] != "Z"
    except (FileNotFoundError, IndexError):
        return False


def ours(pid):
    try:
        name = Path(f"/proc/{pid}/cmdline").read_bytes().split(b"\0")[0]
    except FileNotFoundError:
        return False
    return os.path.basename(name) in (b"Xvfb", b"openbox")


def stop(state_dir):
    state_file = state_dir / "state.json"
    if not state_file.exists():
        return
    # Each was started in a session of its own, so its pid is its group.
    for pid in reversed(json.loads(state_file.read_text())["pids"]):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            if not (alive(pid) and ours(pid)):
                break
            os.killpg(pid, sig)
            deadline = time.monotonic() + STOP_TIMEOUT
            while alive(pid) and time.monotonic() < deadline:
                time.sleep(0.05)
    state_file.unlink()


def run(state_dir, command):
    display = json.loads((state_dir / "state.json").read_text())["display"]
    os.execvpe(command[0], command, dict(os.environ, DISPLAY=display))


def main(argv):
    if len(argv) == 4 and argv[1] == "start":
        start(Path(argv[2]), int(argv[3]))
    elif len(argv) == 3 and argv[1] == "stop":
        stop(Path(argv[2]))
    elif len(argv) > 3 and argv[1] == "run":
        run(Path(argv[2]), argv[3:])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
