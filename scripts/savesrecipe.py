#!/usr/bin/env python3
"""Starts Weftara with the given command line, saves the operation log as a
recipe named by the first argument through the recipe panel, and ends the
program from its menu, as a person with a screen reader would.

    savesrecipe.py NAME PROGRAM [ARGUMENTS...]

Exit code 0 when the program ended normally after the save."""

import subprocess
import sys
import time

import pyatspi

from atspiwindow import find, find_application, press, trigger


def main():
    name, command = sys.argv[1], sys.argv[2:]
    process = subprocess.Popen(command)
    try:
        app = find_application("weftara", 30)
        if app is None:
            print("Weftara did not appear on the accessibility bus", file=sys.stderr)
            return 2
        time.sleep(2)
        trigger(app, "織り詞(Log)(L)")
        time.sleep(1)
        box = find(app, pyatspi.ROLE_TEXT, "名前")
        save = find(app, pyatspi.ROLE_PUSH_BUTTON, "保存")
        if box is None or save is None:
            print("the recipe panel has no name box or save button", file=sys.stderr)
            return 1
        box.queryEditableText().setTextContents(name)
        press(save)
        time.sleep(1)
        trigger(app, "終了(X)")
        return process.wait(timeout=20)
    finally:
        if process.poll() is None:
            process.terminate()
            process.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
