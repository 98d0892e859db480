#!/usr/bin/env python3
"""A monkey at the keyboard and the mouse: random typing (digits,
separators, blanks, signs, exponents), editing keys, pastes of up to 10 MB
(which bring Cyrillic letters and no-break blanks too), clicks on "Вычислить" and "_", and the message box dismissed
whenever it comes. The program must stay alive, answer every click within a
second, and still give the right line for radius 2 at the end.

Seeded: MONKEY_SEED repeats a run (the seed is printed first, and again on
failure); MONKEY_EVENTS and MONKEY_SECONDS bound it. Run by ctest like
e2e_test.py.
"""
import os
import random
import subprocess
import sys
import time
import unittest

from e2e_test import LINE_FOR_2, SERVER_DPI, Clipboard, Program, run, screenshot, wait_until

SEED = int(os.environ.get("MONKEY_SEED") or random.SystemRandom().randrange(2**32))
EVENTS = int(os.environ.get("MONKEY_EVENTS", "120"))
SECONDS = float(os.environ.get("MONKEY_SECONDS", "150"))
ANSWER_TIME = 1.0

DIGITS = "0123456789"
SEPARATORS = ".,"
CYRILLIC = "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВЮЯ"
BLANKS = " \u00a0"
SIGNS = "+-eE"
EDITING_KEYS = ["BackSpace", "Delete", "Home", "End", "Left", "Right", "ctrl+a", "shift+Home", "shift+End"]
PASTE_SIZES = [1, 10, 100, 1000, 100_000, 2 * 1024 * 1024, 10 * 1024 * 1024]


class Monkey:
    def __init__(self, program, rng):
        self.program = program
        self.rng = rng
        self.log = []

    def text_piece(self, length, typed=False):
        # Mostly the stuff of numbers, with some of everything else. xdotool
        # types a letter the keyboard map lacks by remapping a key, and now
        # and then a click right after that never reaches any window; such
        # letters come in through pastes instead.
        pools = [DIGITS] * 6 + [SEPARATORS, SIGNS] + ([" "] if typed else [CYRILLIC, BLANKS])
        return "".join(self.rng.choice(self.rng.choice(pools)) for _ in range(length))

    def text_box_pixels(self):
        x, y, width, height = self.program.control_rect("Text1", SERVER_DPI)
        # Inside the frame, where only the text is drawn.
        return run_bytes("import", "-window", "root", "-crop", f"{width - 8}x{height - 8}+{x + 4}+{y + 4}", "-depth",
                         "8", "rgb:-")

    def click_into_text_box(self):
        x, y, width, height = self.program.control_rect("Text1", SERVER_DPI)
        run("xdotool", "mousemove", str(x + self.rng.randrange(4, width - 4)), str(y + height // 2), "click", "1")

    def type(self):
        text = self.text_piece(self.rng.randint(1, 6), typed=True)
        self.log.append(f"type {text!r}")
        self.click_into_text_box()
        run("xdotool", "type", "--delay", "15", "--", text)

    def edit(self):
        key = self.rng.choice(EDITING_KEYS)
        self.log.append(f"key {key}")
        self.click_into_text_box()
        run("xdotool", "key", "--clearmodifiers", key)

    def paste(self):
        size = self.rng.choice(PASTE_SIZES)
        piece = self.text_piece(min(size, 4096))
        text = (piece * (size // len(piece) + 1))[:size]
        self.log.append(f"paste {size} characters starting {text[:20]!r}")
        with Clipboard(text, serve_once=True) as clipboard:
            self.click_into_text_box()
            run("xdotool", "key", "--clearmodifiers", "ctrl+v")
            clipboard.wait_until_taken()

    def copy_and_paste_back(self):
        # The program then owns the clipboard it pastes from.
        self.log.append("copy all and paste it at the end")
        self.click_into_text_box()
        run("xdotool", "key", "--clearmodifiers", "ctrl+a", "ctrl+c", "End", "ctrl+v")

    def calculate(self):
        self.log.append("click Вычислить")
        before = self.text_box_pixels()
        started = time.monotonic()
        self.program.click("Command1", settle=False)
        answer = wait_until(lambda: ("message" if self.program.message_boxes() else
                                     "new text" if self.text_box_pixels() != before else None),
                            ANSWER_TIME, "an answer to Вычислить within a second")
        self.log[-1] += f": {answer} after {time.monotonic() - started:.2f} s"
        # A message box that maps over the text box changes its pixels too.
        time.sleep(0.2)
        if self.program.message_boxes():
            self.program.dismiss_failure_message()

    def clear(self):
        self.log.append("click _")
        started = time.monotonic()
        self.program.click("Command3", settle=False)
        # An empty box shows nothing but its background.
        wait_until(lambda: len(set(chunks(self.text_box_pixels(), 3))) == 1, ANSWER_TIME,
                   "the box to be empty within a second of _")
        self.log[-1] += f": empty after {time.monotonic() - started:.2f} s"

    def act(self):
        action = self.rng.choices([self.type, self.edit, self.paste, self.copy_and_paste_back, self.calculate,
                                   self.clear], weights=[8, 3, 2, 1, 5, 2])[0]
        action()
        if not self.program.alive():
            raise AssertionError(f"the program is gone, exit code {self.program.process.poll()}")
        # Only Вычислить brings a message box, and that one is closed.
        if self.program.message_boxes():
            raise AssertionError("a message box is open")


def run_bytes(*command):
    return subprocess.run(command, capture_output=True, timeout=10, check=True).stdout


def chunks(data, size):
    return [data[i:i + size] for i in range(0, len(data), size)]


class GuiMonkey(unittest.TestCase):
    def test_random_input_never_breaks_the_program(self):
        print(f"monkey seed {SEED} (MONKEY_SEED={SEED} repeats this run)", flush=True)
        program = Program()
        self.addCleanup(program.stop)
        monkey = Monkey(program, random.Random(SEED))
        deadline = time.monotonic() + SECONDS
        try:
            for _ in range(EVENTS):
                if time.monotonic() > deadline:
                    break
                monkey.act()
            program.click("Text1")
            program.key("ctrl+a", "BackSpace")
            program.type("2")
            program.click("Command1")
            self.assertEqual(program.read_text(), LINE_FOR_2)
        except BaseException as failure:
            screenshot("monkey-failure")
            print("\n".join(monkey.log), flush=True)
            raise AssertionError(f"monkey seed {SEED} failed at event {len(monkey.log)}: {monkey.log[-1]}") from failure
        print(f"{len(monkey.log)} events:", "\n".join(monkey.log), sep="\n", flush=True)


if __name__ == "__main__":
    unittest.main(argv=sys.argv, verbosity=2)
