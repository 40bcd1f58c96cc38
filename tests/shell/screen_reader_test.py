#!/usr/bin/env python3
# The game as a screen reader reads it (pyatspi, the client library they
# use) and as the keyboard alone plays it, with real key presses on a
# private X server. Under dbus-run-session, whose session bus starts the
# accessibility bus once the game asks for it.
#   dbus-run-session -- screen_reader_test.py PROGRAM
import os
import subprocess
import sys
import tempfile
import time

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's pyatspi and python3-xlib for any python3
from Xlib import X, XK, display  # noqa: E402
from Xlib.ext.xtest import fake_input  # noqa: E402

COLOURS = {"Violet": (206, 132, 206), "Green": (49, 173, 0), "Yellow": (255, 255, 0), "Red": (255, 0, 0),
           "Blue": (66, 16, 255)}


def until(condition, what):
    deadline = time.monotonic() + 10
    while not (value := condition()):
        assert time.monotonic() < deadline, "gave up waiting for " + what
        time.sleep(0.02)
    return value


def key(*names):  # pressed in order, released in reverse
    codes = [xdpy.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
    for kind, code in [(X.KeyPress, c) for c in codes] + [(X.KeyRelease, c) for c in reversed(codes)]:
        fake_input(xdpy, kind, code)
    xdpy.sync()


def names(thing):  # of everything in the tree, depth first
    return [thing.name] + [name for child in thing if child for name in names(child)]


def find(part, thing=None):  # the first object whose name holds part, depth first
    thing = thing or app
    return thing if part in thing.name else next((found for child in thing if child and (found := find(part, child))), None)


def focus(thing):
    return thing.getState().contains(pyatspi.STATE_FOCUSED)


def board():
    """Once the chain running is over, the squares' names, each checked against the colours it shows."""
    before, now = None, names(app)
    while before != now:
        time.sleep(1.6)  # a chain never goes that long without a square changing
        before, now = now, names(app)
    for cell in (c for c in app[0] if ", row " in c.name):
        box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        data = xdpy.screen().root.get_image(box.x, box.y, box.width, box.height, X.ZPixmap, 0xFFFFFF).data
        pixels = {bytes(data[i:i + 3]) for i in range(0, len(data), 4)}  # blue, green, red and a spare byte
        shown = {c for c, rgb in COLOURS.items() if bytes(reversed(rgb)) in pixels}
        words = cell.name.split(", ")[0]
        assert shown == (set(COLOURS) if words == "All colours" else {words} - {"Empty"}), cell.name + str(shown)
    return [c.name for c in app[0] if ", row " in c.name]


home = tempfile.TemporaryDirectory()
read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"], pass_fds=[write_end],
                        stderr=subprocess.DEVNULL)
number = b""
while not number.endswith(b"\n"):  # the number and its newline may come apart
    number += os.read(read_end, 16)
os.environ.update(DISPLAY=":" + number.decode().strip(), XDG_CONFIG_HOME=home.name, XDG_RUNTIME_DIR=home.name)
import pyatspi  # noqa: E402  (only now: it keeps the buses it first finds)

game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                                PULSE_SERVER="unix:/nonexistent"))
try:
    xdpy = display.Display()
    app = until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Vexalon"), None), "it")
    until(lambda: [w for w in xdpy.screen().root.query_tree().children if w.get_wm_name() == "Vexalon - by Oskel" and
                   w.get_attributes().map_state == X.IsViewable], "its window")[0].set_input_focus(X.RevertToParent, 0)
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
    time.sleep(0.2)
    assert "Score 3" not in names(app) and focus(find(at))
    key("Control_L", "n")
    until(lambda: "Score 0" in names(app) and focus(find(at)), "a new game, the keyboard where it was")
    key("Control_L", "q")
    assert game.wait(10) == 0 and "HiScore=0" in open(home.name + "/Brantomel/Brantomel.ini").read()
finally:
    game.kill()
    xvfb.terminate()
