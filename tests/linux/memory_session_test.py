#!/usr/bin/env python3
"""A whole session under valgrind's memcheck: type, calculate, fail, clear,
fail again, exit. The program must neither touch memory it does not own
nor leak any, up to the moment "X" ends it.

Run by ctest like e2e_test.py, with VALGRIND_SUPPRESSIONS naming the
suppressions for the libraries below the program and VALGRIND_LOG where the
report goes.
"""
import os
import re
import sys
import unittest
from pathlib import Path

from e2e_test import LINE_FOR_2, Program

# Valgrind slows the program some twenty times.
SLOW_TIMEOUT = 60
FOUND_ERRORS = 99


class UnderValgrind(unittest.TestCase):
    def test_a_session_neither_leaks_nor_touches_foreign_memory(self):
        log = Path(os.environ["VALGRIND_LOG"])
        program = Program(wrapper=[
            "valgrind", "--tool=memcheck", f"--log-file={log}", "--leak-check=full",
            "--show-leak-kinds=definite,indirect", "--errors-for-leak-kinds=definite,indirect",
            f"--error-exitcode={FOUND_ERRORS}", f"--suppressions={os.environ['VALGRIND_SUPPRESSIONS']}",
        ], timeout=SLOW_TIMEOUT)
        self.addCleanup(program.stop)

        program.replace_text("2")
        program.click("Command1")
        self.assertEqual(program.read_text(), LINE_FOR_2)
        program.click("Command1")  # the line is no number
        program.dismiss_failure_message()
        program.click("Command3")
        self.assertEqual(program.read_text(), "")
        program.type("1e200")
        program.click("Command1")  # overflows
        program.dismiss_failure_message()
        self.assertEqual(program.read_text(), "1e200")
        program.click("Command2")
        code = program.wait_for_exit()

        report = log.read_text()
        summary = "\n".join(re.findall(r"==\d+== (?:ERROR SUMMARY|\s+definitely lost|\s+indirectly lost).*", report))
        self.assertEqual(code, 0, report)
        self.assertIn("ERROR SUMMARY: 0 errors", report, report)
        print(summary)


if __name__ == "__main__":
    unittest.main(argv=sys.argv, verbosity=2)
