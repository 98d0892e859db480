#!/usr/bin/env python3
"""Drives build/linux/circlecalc through a real X server, as a user would:
xdotool types and clicks, xprop and xwininfo tell where the window is, and
the text box is read back through the clipboard (Ctrl+A, Ctrl+C, xclip).

Run by ctest with the display of a private server (xserver.py) and:
  CIRCLECALC   the program
  SERVER_DPI   the resolution the server reports
  SCREENSHOTS  where to leave the screenshots
Every wait is bounded.
"""
import os
import re
import subprocess
import sys
import time
import unittest
from pathlib import Path

PROGRAM = os.environ["CIRCLECALC"]
SERVER_DPI = int(os.environ["SERVER_DPI"])
SCREENSHOTS = Path(os.environ["SCREENSHOTS"])

PROMPT = "Сотрите всё и введите радиус"
LINE_FOR_2 = "Радиус=2, Площадь=12.566, Длина окружности=12.566"
# The desktop's selection colour, as xserver.py sets it.
HIGHLIGHT = "2A6099"

# Where the window and its controls lie, in twips (1/1440 inch).
CLIENT = (4140, 4815, 6765, 1365)
CONTROLS = {
    "Command3": (5520, 240, 375, 375),
    "Command2": (6120, 240, 375, 375),
    "Command1": (5520, 720, 975, 375),
    "Text1": (240, 720, 5055, 375),
    "Label1": (240, 240, 5055, 375),
}

COMMAND_TIMEOUT = 10
WINDOW_TIMEOUT = 10
SETTLE = 0.3


def pixels(twips, dpi):
    return (twips * dpi + 720) // 1440


def rect_pixels(rect, dpi):
    left, top, width, height = rect
    x, y = pixels(left, dpi), pixels(top, dpi)
    return x, y, pixels(left + width, dpi) - x, pixels(top + height, dpi) - y


def run(*command, check=True, env=None):
    return subprocess.run(command, capture_output=True, text=True, timeout=COMMAND_TIMEOUT, check=check,
                          env=env)


def wait_until(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def net_wm_name(window):
    """The window's title as the window manager shows it. FLTK writes the
    old WM_NAME in UTF-8 though it is declared Latin-1, which xdotool
    --name cannot match."""
    shown = run("xprop", "-id", window, "-notype", "_NET_WM_NAME", check=False).stdout
    found = re.search(r'= "(.*)"', shown)
    return found.group(1) if found else None


def screenshot(name):
    SCREENSHOTS.mkdir(parents=True, exist_ok=True)
    path = SCREENSHOTS / f"{name}-{SERVER_DPI}dpi.png"
    run("import", "-window", "root", str(path))
    return path


def colours(image, x, y, width, height):
    """The colours of a rectangle of a screenshot, as RRGGBB, row by row."""
    text = run("convert", str(image), "-crop", f"{width}x{height}+{x}+{y}", "+repage", "txt:-").stdout
    return re.findall(r"#([0-9A-F]{6})", text)


class Clipboard:
    """Holds `text` on the clipboard, as another program would, until the
    block ends or a copy takes the clipboard over."""

    def __init__(self, text, serve_once=False):
        self.text = text
        self.once = ["-loops", "1"] if serve_once else []

    def __enter__(self):
        self.owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-i", "-quiet", *self.once],
                                      stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.owner.stdin.write(self.text.encode())
        self.owner.stdin.close()
        wait_until(lambda: run("xclip", "-selection", "clipboard", "-o", "-t", "TARGETS", check=False).returncode == 0,
                   COMMAND_TIMEOUT, "the clipboard to be held")
        return self

    def wait_until_taken(self):
        """Waits until a program has fetched the text (with serve_once)."""
        self.owner.wait(timeout=COMMAND_TIMEOUT)

    def __exit__(self, *failure):
        if self.owner.poll() is None:
            self.owner.kill()
        self.owner.wait(timeout=COMMAND_TIMEOUT)


class Program:
    """One run of the program, stopped at the end whatever happens."""

    def __init__(self, env=None, wrapper=(), timeout=WINDOW_TIMEOUT):
        self.process = subprocess.Popen([*wrapper, PROGRAM], env=dict(os.environ, **(env or {})),
                                        stdin=subprocess.DEVNULL, start_new_session=True)
        self.timeout = timeout
        self.window = wait_until(self._window, timeout, "the window")
        wait_until(lambda: run("xdotool", "getwindowfocus").stdout.strip() == self.window, timeout,
                   "the window to take the keyboard")

    def _window(self):
        found = run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), "--name", "^Form1$",
                    check=False)
        return found.stdout.split()[0] if found.stdout.split() else None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=COMMAND_TIMEOUT)

    def geometry(self):
        info = run("xwininfo", "-id", self.window).stdout
        field = lambda name: int(re.search(name + r":\s+(-?\d+)", info).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                field("Height"))

    def control_rect(self, name, dpi):
        x, y, _, _ = self.geometry()
        cx, cy, width, height = rect_pixels(CONTROLS[name], dpi)
        return x + cx, y + cy, width, height

    def click(self, name, dpi=SERVER_DPI, settle=True):
        x, y, width, height = self.control_rect(name, dpi)
        run("xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
        if settle:
            time.sleep(SETTLE)

    def key(self, *keys):
        run("xdotool", "key", "--clearmodifiers", *keys)
        time.sleep(SETTLE)

    def type(self, text):
        if text.isascii():
            run("xdotool", "type", "--delay", "20", "--", text)
        else:
            # xdotool types a letter the keyboard map lacks by remapping a key
            # just before, and a program may take the key by the old map and
            # lose the letter; such texts are pasted instead.
            with Clipboard(text, serve_once=True) as clipboard:
                self.key("ctrl+v")
                clipboard.wait_until_taken()
        time.sleep(SETTLE)

    def replace_text(self, text):
        self.click("Text1")
        self.key("ctrl+a", "BackSpace")
        self.type(text)

    def read_text(self):
        """The whole text of Text1, through the clipboard. The box gets a
        closing mark typed in for the read and taken out again, because an
        empty box copies nothing."""
        self.click("Text1")
        with Clipboard("no copy yet"):
            self.key("End")
            self.type("|")
            self.key("ctrl+a", "ctrl+c")
            copied = wait_until(lambda: (lambda text: text != "no copy yet" and text)(self._clipboard()),
                                COMMAND_TIMEOUT, "the copy")
            self.key("End", "BackSpace")
        assert copied.endswith("|"), copied[-100:]
        return copied[:-1]

    def _clipboard(self):
        return run("xclip", "-selection", "clipboard", "-o", check=False).stdout

    def message_boxes(self):
        found = run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), check=False)
        return [window for window in found.stdout.split() if window != self.window and net_wm_name(window) == "Ошибка"]

    def dismiss_failure_message(self, shot=None):
        """Waits for the message box, checks its title, and closes it."""
        box = wait_until(self.message_boxes, self.timeout, "the message box")[0]
        if shot:
            screenshot(shot)
        wait_until(lambda: run("xdotool", "getwindowfocus").stdout.strip() == box, self.timeout,
                   "the message box to take the keyboard")
        run("xdotool", "key", "Return")
        wait_until(lambda: not self.message_boxes(), self.timeout, "the message box to close")
        time.sleep(SETTLE)

    def alive(self):
        shown = run("xwininfo", "-id", self.window, check=False).stdout
        return self.process.poll() is None and "Map State: IsViewable" in shown

    def wait_for_exit(self):
        return self.process.wait(timeout=self.timeout)


class WithProgram(unittest.TestCase):
    env = None

    def setUp(self):
        self.program = Program(self.env)
        self.addCleanup(self.program.stop)


class Window(WithProgram):
    def test_lies_at_its_place_without_frame_or_taskbar_entry(self):
        x, y, width, height = rect_pixels(CLIENT, SERVER_DPI)
        self.assertEqual(self.program.geometry(), (x, y, width, height))
        self.assertEqual((x, y, width, height), {96: (276, 321, 451, 91), 144: (414, 482, 677, 136)}[SERVER_DPI])
        props = run("xprop", "-id", self.program.window, "_NET_WM_STATE", "_NET_FRAME_EXTENTS",
                    "WM_NORMAL_HINTS").stdout
        self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", props)
        self.assertIn("_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0", props)
        # The size cannot be changed: the least size is the greatest.
        self.assertIn(f"minimum size: {width} by {height}", props)
        self.assertIn(f"maximum size: {width} by {height}", props)

    def test_cannot_be_moved_or_resized(self):
        # Alt+drag is how openbox moves any window; slowly, as a hand would.
        before = self.program.geometry()
        x, y, width, height = self.program.control_rect("Label1", SERVER_DPI)
        x, y = x + width // 2, y + height // 2
        drag = ["mousemove", str(x), str(y), "keydown", "alt", "sleep", "0.2", "mousedown", "1"]
        for step in range(1, 4):
            drag += ["sleep", "0.2", "mousemove", str(x - 30 * step), str(y + 20 * step)]
        drag += ["sleep", "0.2", "mouseup", "1", "keyup", "alt"]
        run("xdotool", *drag)
        time.sleep(SETTLE)
        self.assertEqual(self.program.geometry(), before)

        allowed = run("xprop", "-id", self.program.window, "_NET_WM_ALLOWED_ACTIONS").stdout
        self.assertIn("_NET_WM_ACTION_CLOSE", allowed)
        for action in ["MOVE", "RESIZE", "MAXIMIZE_HORZ", "MAXIMIZE_VERT"]:
            self.assertNotIn(f"_NET_WM_ACTION_{action}", allowed)

    def test_starts_with_the_prompt_and_the_focus_in_the_text_box(self):
        # Typed at once, without a click: the keys land in Text1.
        self.program.type("7")
        self.assertEqual(self.program.read_text(), PROMPT + "7")

    def test_colours_are_the_desktops_highlight_and_tooltip_colours(self):
        x, y, width, height = self.program.geometry()
        shot = screenshot("start")
        self.assertEqual(set(colours(shot, x, y, width, 3)), {HIGHLIGHT})
        tx, ty, twidth, theight = self.program.control_rect("Text1", SERVER_DPI)
        (info_background,) = set(colours(shot, tx + twidth - 6, ty + 4, 3, theight - 8))
        lx, ly, lwidth, lheight = self.program.control_rect("Label1", SERVER_DPI)
        label = colours(shot, lx, ly, lwidth, lheight)
        # Transparent, with its letters in the tooltip colour.
        self.assertEqual(label.count(HIGHLIGHT) + label.count(info_background) > len(label) * 0.8, True)
        self.assertGreater(label.count(info_background), 200)

        # The tooltip shows that same colour under the pointer.
        bx, by, bwidth, bheight = self.program.control_rect("Command2", SERVER_DPI)
        below = (bx - 40, by + bheight, 200, 80)
        self.assertLess(colours(shot, *below).count(info_background), 50)
        run("xdotool", "mousemove", str(bx + bwidth // 2), str(by + bheight // 2))
        wait_until(lambda: colours(screenshot("tooltip"), *below).count(info_background) > 200, WINDOW_TIMEOUT,
                   "the tooltip of X")


class Calculate(WithProgram):
    def test_radius_2_gives_the_exact_line(self):
        self.program.replace_text("2")
        self.program.click("Command1")
        self.assertEqual(self.program.read_text(), LINE_FOR_2)
        screenshot("result")

    def test_a_failure_shows_a_message_keeps_the_text_and_the_program_goes_on(self):
        self.program.click("Command1")  # the prompt is no number
        self.program.dismiss_failure_message("message")
        self.assertEqual(self.program.read_text(), PROMPT)
        for text in ["два", "1e200", "1e155"]:
            with self.subTest(text=text):
                self.program.replace_text(text)
                self.program.click("Command1")
                self.program.dismiss_failure_message()
                self.assertTrue(self.program.alive())
                self.assertEqual(self.program.read_text(), text)
        self.program.replace_text("2")
        self.program.click("Command1")
        self.assertEqual(self.program.read_text(), LINE_FOR_2)

    def test_a_pasted_10_mb_radius_fails_within_a_second_and_stays(self):
        # Past 1 MB the clipboard's owner hands the text over in pieces.
        radius = "1" + "0" * (10 * 1024 * 1024 - 1)
        with Clipboard(radius):
            self.program.click("Text1")
            self.program.key("ctrl+a", "ctrl+v")
        started = time.monotonic()
        self.program.click("Command1", settle=False)
        wait_until(self.program.message_boxes, 1.0, "the overflow message within a second")
        self.program.dismiss_failure_message()
        self.assertTrue(self.program.alive())
        self.assertLess(time.monotonic() - started, 5)
        self.assertEqual(self.program.read_text(), radius)

    def test_a_second_click_fails_on_the_line(self):
        self.program.replace_text("2")
        self.program.click("Command1")
        self.program.click("Command1")
        self.program.dismiss_failure_message()
        self.assertEqual(self.program.read_text(), LINE_FOR_2)


class Keys(WithProgram):
    def test_enter_and_esc_change_nothing(self):
        self.program.replace_text("2")
        for key in ["Return", "KP_Enter", "Escape"]:
            with self.subTest(key=key):
                self.program.key(key)
                self.assertTrue(self.program.alive())
                self.assertFalse(self.program.message_boxes())
                self.assertEqual(self.program.read_text(), "2")
        # Nor on a button that has the focus.
        self.program.key("Tab")
        self.program.key("Escape")
        self.program.key("Return")
        self.assertTrue(self.program.alive())
        self.assertEqual(self.program.read_text(), "2")

    def test_tab_moves_through_calculate_exit_clear_and_back(self):
        self.program.replace_text("2")
        self.program.key("Tab")  # Вычислить
        self.program.key("space")
        self.program.key("Tab", "Tab")  # X, then _
        self.program.key("space")
        self.program.key("Tab")  # back in Text1
        self.program.type("3")
        self.assertEqual(self.program.read_text(), "3")

    def test_tab_twice_reaches_exit(self):
        self.program.key("Tab", "Tab")
        self.program.key("space")
        self.assertEqual(self.program.wait_for_exit(), 0)

    def test_letters_of_a_russian_keyboard_layout_are_typed_into_the_box(self):
        # Keys, not a paste: the input method turns each key of the layout
        # into its letter. The server's layout is shared with the other tests,
        # so it is put back whatever happens.
        layout = re.search(r"^layout:\s+(\S+)", run("setxkbmap", "-query").stdout, re.M).group(1)
        self.addCleanup(run, "setxkbmap", layout)
        self.program.click("Text1")
        self.program.key("ctrl+a", "BackSpace")
        run("setxkbmap", "ru")
        time.sleep(SETTLE)
        self.program.key("Cyrillic_er", "Cyrillic_a", "Cyrillic_DE", "Cyrillic_i", "Cyrillic_yu", "Cyrillic_IO",
                         "Cyrillic_shcha", "2", "period")
        run("setxkbmap", layout)
        time.sleep(SETTLE)
        self.assertEqual(self.program.read_text(), "раДиюЁщ2.")

    def test_copy_and_paste_in_the_text_box(self):
        self.program.replace_text("12")
        self.program.key("ctrl+a", "ctrl+c", "End")
        self.program.key("ctrl+v")
        self.assertEqual(self.program.read_text(), "1212")


class ClearAndExit(WithProgram):
    def test_clear_empties_the_box(self):
        for before in ["prompt", "line", "empty"]:
            with self.subTest(before=before):
                if before == "line":
                    self.program.replace_text("2")
                    self.program.click("Command1")
                self.program.click("Command3")
                self.assertEqual(self.program.read_text(), "")
                self.assertTrue(self.program.alive())

    def test_exit_ends_at_once_with_code_0(self):
        self.program.replace_text("2")
        self.program.click("Command2")
        self.assertEqual(self.program.wait_for_exit(), 0)

    def test_closing_from_the_window_manager_ends_the_program(self):
        self.program.key("alt+F4")
        self.assertEqual(self.program.wait_for_exit(), 0)


class RussianLocale(WithProgram):
    env = {"LC_ALL": "ru_RU.UTF-8"}

    def test_numbers_are_written_with_a_comma(self):
        for radius, line in [
            ("2", "Радиус=2, Площадь=12,566, Длина окружности=12,566"),
            ("1,5", "Радиус=1,5, Площадь=7,068375, Длина окружности=9,4245"),
        ]:
            with self.subTest(radius=radius):
                self.program.replace_text(radius)
                self.program.click("Command1")
                self.assertEqual(self.program.read_text(), line)


class DesktopResolution(unittest.TestCase):
    """A desktop that sets Xft.dpi scales the window by it, whatever the
    server reports."""

    def test_xft_dpi_wins_over_the_servers_resolution(self):
        resources = run("xprop", "-root", "-notype", "RESOURCE_MANAGER").stdout
        original = eval(resources.split("=", 1)[1])  # xprop writes it as a quoted C string
        self.addCleanup(run, "xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                        original)
        desktop_dpi = 144 if SERVER_DPI != 144 else 120
        run("xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
            original + f"Xft.dpi:\t{desktop_dpi}\n")
        program = Program()
        self.addCleanup(program.stop)
        self.assertEqual(program.geometry(), rect_pixels(CLIENT, desktop_dpi))
        program.key("Tab", "Tab")
        program.key("space")
        self.assertEqual(program.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv, verbosity=2)
