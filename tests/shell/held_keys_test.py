#!/usr/bin/env python3
# Keys held for seconds beside two busy processes, the X server's autorepeat
# on, are one press each: Page Down steps once (also with the game stopped
# until after the release), Ctrl+N starts one new game (as Qt's log counts),
# Space on "[Clear]" opens the prompt once let go; an arrow still repeats.
#   dbus-run-session -- held_keys_test.py PROGRAM
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from session import X, Session, names, signal, until  # noqa: E402

session = Session()
os.environ.update(DISPLAY=session.x.name)
import pyatspi  # noqa: E402  (only now: it keeps the buses it first finds)

with session:
    key, home, xdpy = session.x.key, session.home, session.x.dpy
    xdpy.change_keyboard_control(auto_repeat_mode=X.AutoRepeatModeOn)
    os.mkdir(home + "/Brantomel")
    open(home + "/Brantomel/Brantomel.ini", "w").write("[General]\nHiScore=500\n")
    busy = [session.start([sys.executable, "-c", "while True: pass"]) for _ in range(2)]  # killed with the session
    game = session.start([sys.argv[1]], stderr=open(home + "/qt.log", "w"), env={
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_LOGGING_RULES": "qt.gui.shortcutmap.debug=true"})
    app = until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Vexalon"), None), "it")
    (window := session.window_of(game)).set_input_focus(X.RevertToParent, 0)
    xdpy.sync()  # the window has the keyboard: no window manager gives it here
    board = next(c for c in app[0] if c.name.startswith("Board"))
    focused = lambda part: next(  # noqa: E731
        (c for c in [*app[0], *board] if part in c.name and c.getState().contains(pyatspi.STATE_FOCUSED)), None)
    # Page Down on the settled board's arrow square with most steps left (to
    # Blue, 4, up; to Violet, 0, down), held live, then with the game stopped.
    squares = lambda: [c.name for c in board]  # noqa: E731
    settled = until(lambda: (now := squares()) == (time.sleep(1.6), squares())[1] and now, "the board to settle")
    square = max((n for n in settled if "arrow" in n), key=lambda n: abs(4 * ("down" not in n) - "VGYRB".index(n[0])))
    row, column = map(int, square.split(", row ")[1].split(", column "))
    for name in ["Tab"] * 3 + ["Down"] * (row - 1) + ["Right"] * (column - 1):
        key(name)
    until(lambda: focused(square), "the cursor on " + square)
    key("Next", hold=1.5, during=lambda: game.send_signal(signal.SIGSTOP) or time.sleep(1.5))
    game.send_signal(signal.SIGCONT)
    key("Tab")  # handled after them, before the scan a second later
    until(lambda: focused("New game"), "Tab to New game")
    score = int(next(name for name in names(app) if name.startswith("Score "))[6:])
    assert score % 10 == 1, "Page Down: not one step"  # a step scores 1; the scan after may add 10 a reaction
    key("Control_L", "n", hold=3)
    key("Tab")
    key("Right", hold=2)  # from 1 to 10
    until(lambda: focused("Difficulty") and "Difficulty 10" in names(app), "the difficulty bar at 10")
    assert open(home + "/qt.log").read().count('Sending QShortcutEvent(""Ctrl+N""') == 1, "Ctrl+N: not one new game"
    key("Tab")
    until(lambda: focused("Clear the high score"), "Tab to [Clear]")
    prompts, early = lambda: [w.id for w in session.x.windows(title="Clear Hiscore")], []  # noqa: E731
    key("space", hold=3, during=lambda: early.extend(prompts()))
    until(lambda: getattr(xdpy.get_input_focus().focus, "id", 0) in prompts(), "the prompt with the keyboard")
    key("Escape")
    until(lambda: not prompts(), "the prompt answered, and no other")
    window.set_input_focus(X.RevertToParent, 0)  # the prompt had it
    key("Control_L", "q")
    assert not early and game.wait(30) == 0 and "HiScore=500" in session.settings().split(), (early, session.settings())
