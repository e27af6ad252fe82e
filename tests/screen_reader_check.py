#!/usr/bin/python3
"""What a screen reader finds of the browser: the program's accessibility tree as AT-SPI hands it
to Orca, read with the AT-SPI client library.

    dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \\
        /usr/bin/python3 tests/screen_reader_check.py build/disc/menu/QuilCDBrowser

Starts the program on the disc it lies on, with Qt's AT-SPI bridge on (as a desktop with a screen
reader running has it), and checks that every push button showing has a name, that the launch
buttons are push buttons, that the contents tree shows its entries and that the page's document
holds the page's text. Prints the tree a reader walks, and ends with status 0 when all holds, 1
when something is missing after 60 s, 2 on wrong use.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

APPLICATION = "Quillore CD-ROM Browser"
MAIN_FORM = "Quillore CD-ROM Browser Main Form"
HINTS = ["ブラウザを終了する", "ブラウザを最小化する", "一つ前のページに戻る",
         "Quilloreホームページを開く", "TARNWICKホームページを開く"]


class Node:
    def __init__(self, accessible, depth):
        self.depth = depth
        self.role = accessible.get_role_name()
        self.name = accessible.get_name() or ""
        states = accessible.get_state_set()
        self.showing = states.contains(Atspi.StateType.SHOWING)
        self.children = []


def read_tree(accessible, depth=0):
    try:
        node = Node(accessible, depth)
        count = accessible.get_child_count()
    except GLib.Error:
        return None  # gone while being read
    if depth < 40:
        for i in range(count):
            child = accessible.get_child_at_index(i)
            if child is not None:
                read = read_tree(child, depth + 1)
                if read is not None:
                    node.children.append(read)
    return node


def flatten(node):
    yield node
    for child in node.children:
        yield from flatten(child)


def find_application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(i)
        if application is not None and application.get_name() == APPLICATION:
            return application
    return None


def problems(tree):
    """What a reader would miss; empty when everything is there."""
    nodes = list(flatten(tree))
    found = []
    if not any(n.name == MAIN_FORM for n in nodes):
        found.append("no window named " + MAIN_FORM)
    buttons = [n for n in nodes if n.role == "push button" and n.showing]
    unnamed = [n for n in buttons if not n.name]
    if unnamed:
        found.append("%d push buttons showing without a name" % len(unnamed))
    names = {n.name for n in buttons}
    for hint in HINTS:
        if hint not in names:
            found.append("no push button named " + hint)
    # The launch buttons of the start page: named push buttons beyond the seven picture buttons.
    if len(buttons) < 8:
        found.append("no launch buttons among the push buttons")
    trees = [n for n in nodes if n.role in ("tree", "tree table")]
    if not trees or not any(c.name for t in trees for c in flatten(t) if c is not t):
        found.append("no tree with its entries")
    documents = [n for n in nodes if n.role == "document web"]
    if not documents or not any(c.name for d in documents for c in flatten(d) if c is not d):
        found.append("no page document with text")
    return found


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    environment.setdefault("QT_QPA_PLATFORM", "xcb")
    if os.geteuid() == 0:
        environment.setdefault("QTWEBENGINE_DISABLE_SANDBOX", "1")
        environment.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu")
    program = subprocess.Popen([sys.argv[1]], env=environment, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        missing = ["the program did not appear on the accessibility bus"]
        tree = None
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline and program.poll() is None:
            application = find_application()
            if application is not None:
                tree = read_tree(application)
                if tree is not None:
                    missing = problems(tree)
                    if not missing:
                        break
            time.sleep(0.5)
        if tree is not None:
            for node in flatten(tree):
                mark = "" if node.showing else "  (not showing)"
                print("  " * node.depth + node.role + ": " + node.name + mark)
        if program.poll() is not None:
            missing.append("the program ended with status %d" % program.returncode)
        for problem in missing:
            print("MISSING: " + problem)
        return 1 if missing else 0
    finally:
        if program.poll() is None:
            program.terminate()
            try:
                program.wait(15)
            except subprocess.TimeoutExpired:
                program.kill()


if __name__ == "__main__":
    sys.exit(main())
