#!/usr/bin/env python3
"""Starts Weftara with the given command line, saves the operation log as a
recipe named by the first argument through the recipe panel, and ends the
program from its menu, as a person with a screen reader would.

    savesrecipe.py NAME PROGRAM [ARGUMENTS...]

Exit code 0 when the program ended normally after the save."""

import sys
import time

import pyatspi

from atspiwindow import find, press, running, trigger


def main():
    name, command = sys.argv[1], sys.argv[2:]
    with running(command) as (process, app):
        if app is None:
            return 2
        trigger(app, "織り詞(Log)(L)")
        time.sleep(1)
        box = find(app, pyatspi.ROLE_TEXT, "名前")
        # The snapshot store has a "保存" too: the one beside the name box.
        save = find(box.parent, pyatspi.ROLE_PUSH_BUTTON, "保存") if box else None
        if box is None or save is None:
            print("the recipe panel has no name box or save button", file=sys.stderr)
            return 1
        box.queryEditableText().setTextContents(name)
        press(save)
        time.sleep(1)
        trigger(app, "終了(X)")
        return process.wait(timeout=20)


if __name__ == "__main__":
    sys.exit(main())
