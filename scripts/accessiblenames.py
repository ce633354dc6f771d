#!/usr/bin/env python3
"""Lists, through AT-SPI, every control of Weftara that a screen reader would
announce without a name. Run by scripts/check-accessibility, which gives it a
virtual screen and an accessibility bus.

    accessiblenames.py PROGRAM

Opens each panel from the menus, then walks the program's accessible tree.
Exit code 0 when every control is named, 1 when one is not, 2 when the
program never appeared on the bus."""

import sys
import time

import pyatspi

from atspiwindow import running, trigger, walk

# The roles a person operates. Labels, panels and frames only hold them.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM,
}
# The panels are opened through these menu items (their captions without
# the access key's "&"). Some take another's place (text mode closes the
# print panel), so the tree is walked after each.
PANEL_ITEMS = ["織り詞(Log)(L)", "織り込み処理", "文字の織り込み", "元絵のパスの設定", "画像の一時保存",
               "印刷(P)..."]


def inside_scroll_area(path):
    # The scroll bars every list and text box has; the box itself is named.
    return bool(path) and path[-1] in ("scroll pane", "list", "text", "table", "tree", "filler")


def main():
    with running([sys.argv[1]]) as (_, app):
        if app is None:
            return 2
        missing = 0
        controls = {}
        for caption in PANEL_ITEMS:
            if not trigger(app, caption):
                print(f"menu item not found: {caption}", file=sys.stderr)
                missing += 1
            time.sleep(0.5)
            # Within one walk, the n-th control of a path is one control.
            seen = {}
            for node, path in walk(app):
                role = node.getRole()
                if role not in CONTROL_ROLES:
                    continue
                if role == pyatspi.ROLE_SCROLL_BAR and inside_scroll_area(path):
                    continue
                where = f"{'/'.join(path)}/{node.getRoleName()}"
                seen[where] = seen.get(where, 0) + 1
                key = (where, seen[where], (node.name or "").strip())
                controls.setdefault(key, where)
        nameless = sorted({where for (where, _, name) in controls if not name})
        print(f"{len(controls)} controls, {len(nameless)} without a name, {missing} panels not found")
        for entry in nameless:
            print("  nameless:", entry)
        return 1 if nameless or missing else 0


if __name__ == "__main__":
    sys.exit(main())
