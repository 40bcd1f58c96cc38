#!/usr/bin/env python3
# The game as a screen reader reads it (pyatspi, the client library they
# use) and as the keyboard alone plays it, with real key presses on a
# private X server. Under dbus-run-session, whose session bus starts the
# accessibility bus once the game asks for it.
#   dbus-run-session -- screen_reader_test.py PROGRAM
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from session import Session, names, until  # noqa: E402
from Xlib import X  # noqa: E402

COLOURS = {"Violet": (206, 132, 206), "Green": (49, 173, 0), "Yellow": (255, 255, 0), "Red": (255, 0, 0),
           "Blue": (66, 16, 255)}


def find(part, thing=None):  # the first object whose name holds part, depth first
    thing = thing or app
    return thing if part in thing.name else next((found for child in thing if child and (found := find(part, child))), None)


def showing(thing):  # the names a screen reader's flat review reads
    shown = thing.getState().contains(pyatspi.STATE_SHOWING)
    return ([thing.name] if shown else []) + [name for child in thing if child and shown for name in showing(child)]


def focus(thing):
    return thing.getState().contains(pyatspi.STATE_FOCUSED)


def board():
    """Once the chain running is over, the squares' names, each checked against the colours it shows."""
    quiet = {"names": names(app), "since": time.monotonic()}

    def settled():  # a chain never goes 1.6 s without a square changing
        now = names(app)
        if now != quiet["names"]:
            quiet.update(names=now, since=time.monotonic())
        return time.monotonic() - quiet["since"] > 1.6
    until(settled, "the board to settle")
    for cell in find("Board, 6 by 6"):
        box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        data = xdpy.screen().root.get_image(box.x, box.y, box.width, box.height, X.ZPixmap, 0xFFFFFF).data
        pixels = {bytes(data[i:i + 3]) for i in range(0, len(data), 4)}  # blue, green, red and a spare byte
        shown = {c for c, rgb in COLOURS.items() if bytes(reversed(rgb)) in pixels}
        words = cell.name.split(", ")[0]
        assert shown == (set(COLOURS) if words == "All colours" else {words} - {"Empty"}), cell.name + str(shown)
    return [c.name for c in find("Board, 6 by 6")]


session = Session()
os.environ.update(DISPLAY=session.x.name)
import pyatspi  # noqa: E402  (only now: it keeps the buses it first finds)

game = session.start([sys.argv[1]], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
with session:
    xdpy, key = session.x.dpy, session.x.key
    app = until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Vexalon"), None), "it")
    session.window_of(game).set_input_focus(X.RevertToParent, 0)
    xdpy.sync()  # the window has the keyboard: no window manager gives it here
    until(lambda: focus(find("New game")), "New game with the keyboard")
    key("Tab")
    for name, level in (("Right", 2), ("End", 10), ("Left", 9), ("Home", 1), ("Prior", 2), ("End", 10)):
        key(name)  # the difficulty bar's keys: up to 10, where up-and-down squares come
        until(lambda: "Difficulty %d" % level in names(app), name + " on the difficulty bar")
    squares = []
    while not any(name.startswith("Red, arrows up and down") for name in squares):
        key("Control_L", "n")
        until(lambda: {"Level 10", "Score 0", "Difficulty 10"} <= set(names(app)), "a new game at level 10")
        squares = board()
    # Each panel number says what it is, once: its caption is not read again.
    shown, panel = showing(app[0]), {"Level 10", "Score 0", "Hiscore 0", "Difficulty 10"}
    assert panel <= set(shown) and sum(name.startswith("Erasers ") for name in shown) == 1, shown  # a deal's lines may earn one
    assert not {"Level", "Score", "Hiscore", "Erasers:", "Difficulty:", "Combo x"} & set(shown), shown
    # The reader's press on "[Clear]" returns before the prompt opens (else
    # it would wait for the answer).
    find("Clear the high score").queryAction().doAction(0)
    find("Cancel", until(lambda: find("Clear Hiscore"), "the prompt")).queryAction().doAction(0)
    until(lambda: not find("Clear Hiscore"), "the prompt answered")
    session.window_of(game).set_input_focus(X.RevertToParent, 0)
    xdpy.sync()  # the keyboard back from the closed prompt: no window manager does it here
    # Round the window; on the board the arrow keys stop at its edges.
    for keys, part in ((["Tab"], "Clear the high score"), (["Tab"], "row 1, column 1"), (["Up"], "row 1, column 1"),
                       (["Left"], "row 1, column 1"), (["Tab"], "New game"), (["Shift_L", "Tab"], "row 1, column 1"),
                       (["Shift_L", "Tab"], "Clear the high score"), (["Tab"], "row 1, column 1")):
        key(*keys)
        until(lambda: focus(find(part)), "+".join(keys) + " to " + part)
    at = next(name for name in squares if name.startswith("Red, arrows up and down")).split(", ", 2)[2]
    for arrow, count in zip(("Down", "Right"), at.replace(",", "").split()[1::2]):
        for _ in range(int(count) - 1):
            key(arrow)
    until(lambda: focus(find(at)), "the arrow keys to reach " + at)
    key("Next")  # Page Down: the lower half, one colour down
    until(lambda: find(at).name == "Yellow, arrow down, " + at and "Score 1" in names(app), "a step down")
    key("space")
    until(lambda: find(at).name == "Green, arrow down, " + at and "Score 2" in names(app), "another step down")
    key("Menu")  # an alternate press: tries kinds, scores no step
    key("Tab")  # handled after it, in order
    until(lambda: focus(find("New game")), "Tab after Menu")
    assert "Score 3" not in names(app)
    key("Shift_L", "Tab")
    until(lambda: focus(find(at)), "Shift+Tab back to " + at)
    key("Control_L", "n")
    until(lambda: "Score 0" in names(app) and focus(find(at)), "a new game, the keyboard where it was")
    # The reader's press is a left click on the upper half, seen before the
    # scan a second later can change the square.
    other = next(name for name in board() if "arrows up and down" in name)
    upper = {"Green": "Yellow, arrow up", "Yellow": "Red, arrow up", "Red": "Blue"}[other.split(",")[0]]
    find(other).queryAction().doAction(0)
    until(lambda: find(upper + other[other.index(", row"):]), "the press of " + other)
    # The help: a dialog whose text a screen reader reads whole, the
    # pictures by their words.
    key("F1")
    help = until(lambda: find("How to play Vexalon"), "the help")
    text = until(lambda: find("How to play", help[0]) if help.childCount else None, "its text")
    words = text.queryText().getText(0, -1)
    assert all(part in words for part in ("The goal", "Red, arrow up", "All colours", "Ctrl+Q")), words
    key("Escape")
    until(lambda: not find("How to play Vexalon"), "the help closed")
    session.window_of(game).set_input_focus(X.RevertToParent, 0)
    xdpy.sync()  # the keyboard back from the closed help: no window manager does it here
    key("Control_L", "q")
    assert game.wait(30) == 0 and "HiScore=0" in session.settings()
