#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running game through AT-SPI, as a screen reader would, and
plays a few keys with xdotool on the way in.

    atspi_read.py WORK_FOLDER

The game stands on door 1 of a saved game, in English, with the sound off.
Checked: the tool bar's ten buttons by name, the sound button's checked
state before and after Ctrl+M; where the labyrinth says the figure stands;
the door room's name; the text of the room's entry message through the
text interface; room 1's board as a table of 5 x 4 named cells, and the
focused cell following the cursor.
Every wait is bounded; a fault ends the script with its reason."""
import subprocess
import sys
import time

import pyatspi

TOOL_BAR = [
    "I restart.",
    "I load a game and continue there.",
    "I save the game.",
    "I dont always like the sound.",
    "I want to see the story again.",
    "I need help.",
    "That's enough for now!",
    "The rules",
    "Who's the FENNICK GAME inventor?",
    "Hurrah, there are more FENNICK GAMES.",
]
ENTRY = "You want to enter the room of entangling. Don't be confused."


SEEN = {}


def fail(reason):
    print("FAULT: " + reason)
    # What was there, to tell why.
    if "app" in SEEN:
        try:
            for node in walk(SEEN["app"]):
                print("  %s [%s] %r" % (node.getRoleName(), ",".join(
                    pyatspi.stateToString(s) for s in node.getState().getStates()), node.name))
        except Exception as error:
            print("  (the tree could not be read: %s)" % error)
    sys.exit(1)


def until(what, look, seconds=20):
    """Asks `look` until it gives something, at most `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = look()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("waited in vain for " + what)


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "60", name], check=True)
        time.sleep(0.25)


def walk(node, depth=0):
    """Every object under `node`, itself first."""
    yield node
    if depth > 30:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and "tarnwick" in (app.name or "").lower():
            return app
    return None


def named(app, name, roles=None):
    for node in walk(app):
        if node.name == name and (roles is None or node.getRole() in roles):
            return node
    return None


def states(node):
    return node.getState()


def main():
    app = until("the game on the accessibility bus", game)
    SEEN["app"] = app
    print("application:", app.name)

    # The tool bar: every button named by its hint.
    buttons = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX)
    for hint in TOOL_BAR:
        until("the tool-bar button " + repr(hint), lambda hint=hint: named(app, hint, buttons))
    print("tool bar: all", len(TOOL_BAR), "buttons named")
    sound = named(app, "I dont always like the sound.", buttons)
    print("sound button role:", sound.getRoleName())
    if sound.getRole() not in (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON):
        fail("the sound button is no button that can be checked")
    if states(sound).contains(pyatspi.STATE_CHECKED):
        fail("the sound button shows checked with the sound off")

    # The splash goes by itself; then the window has its title and the
    # labyrinth the keyboard.
    until("the splash to go", lambda: named(app, "Tarnwick V1.3"))
    until("the labyrinth to have the keyboard",
          lambda: states(named(app, "labyrinth", (pyatspi.ROLE_TABLE,))).contains(pyatspi.STATE_FOCUSED))
    # The labyrinth tells where the figure stands and which ways are open.
    labyrinth = named(app, "labyrinth", (pyatspi.ROLE_TABLE,))
    if labyrinth.description != "You stand in row 1, column 0. Open ways: east.":
        fail("the labyrinth says %r" % labyrinth.description)
    print("labyrinth:", labyrinth.description)
    key("ctrl+m")
    until("the sound button checked after Ctrl+M",
          lambda: states(named(app, "I dont always like the sound.", buttons)).contains(pyatspi.STATE_CHECKED))
    key("ctrl+m")
    print("sound button: checked state follows Ctrl+M")

    # Space on the figure, who stands on door 1: the door room.
    key("space")
    door = until("the door room", lambda: named(app, "Door: Room of entangling"))
    print("door room:", door.name, "-", door.description)

    # The door, shown by the first press and clicked by the second: the
    # room's entry message, its words through the text interface.
    key("space", "space")
    message = until("the entry message", lambda: named(app, ENTRY))
    words = []
    for node in walk(message):
        if node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC):
            try:
                words.append(node.queryText().getText(0, -1))
            except NotImplementedError:
                words.append(None)
    if ENTRY not in words:
        fail("no text interface holds the message: %r" % words)
    print("message text:", ENTRY)

    # Return: the riddle room, its board a table of named cells.
    key("Return")
    room = until("room 1", lambda: named(app, "Room of entangling", (pyatspi.ROLE_DIALOG,)))
    board = until("the board", lambda: next((n for n in walk(room) if n.getRole() == pyatspi.ROLE_TABLE), None))
    table = board.queryTable()
    if (table.nRows, table.nColumns) != (4, 5):
        fail("the board is %d x %d, not 4 x 5" % (table.nRows, table.nColumns))
    cells = [[table.getAccessibleAt(r, c).name for c in range(5)] for r in range(4)]
    for r, row in enumerate(cells):
        print("row %d: %s" % (r, " | ".join(row)))
    for r in range(4):
        ball = r in (1, 3)
        want = ["red ball" if ball else "empty field"] + ["empty field"] * 3 + ["blue ball" if ball else "empty field"]
        if cells[r] != want:
            fail("row %d reads %r, not %r" % (r, cells[r], want))

    # The cursor: the first arrow key shows it on the top-left field, the
    # next moves it; the focused cell follows.
    key("Right", "Down")

    def focused():
        for r in range(4):
            for c in range(5):
                if states(table.getAccessibleAt(r, c)).contains(pyatspi.STATE_FOCUSED):
                    return (r, c)
        return None

    at = until("a focused cell", focused)
    if at != (1, 0):
        fail("the focused cell is %r, not the cursor's (1, 0)" % (at,))
    print("cursor: the focused cell is row 1, column 0:", table.getAccessibleAt(1, 0).name)
    print("AT-SPI test passed")


if __name__ == "__main__":
    main()
