#!/usr/bin/env python3
"""How soon what the game says reaches the accessibility bus.

    dbus-run-session -- speech_latency.py --game PATH [--keys N]

The real program on a private X server with a window manager and the
accessibility bus; a client of the bus (pyatspi, as screen readers use it)
listens for the game's notification being shown. N times (40 by default) a
square is stepped by Space, one whose step sets nothing off, and two times
are taken:
  the step's answer: from the Space key's release, sent through XTEST, to
    the notification shown with the square's new words;
  the chain's sentence: the scan runs 1000 ms after the step, finds the
    board still and the game says "No reaction."; from 1000 ms after the
    key's release (a little before the scan, which counts from the moment
    the game handled the release) to the sentence's arrival.
Median and worst of each are printed.

Needs: xvfb, openbox, at-spi2-core, python3-pyatspi, python3-xlib, dbus.
"""
import argparse
import os
import statistics
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from session import Session, until  # noqa: E402
from Xlib import X, XK  # noqa: E402
from Xlib.ext.xtest import fake_input  # noqa: E402

COLOURS = ["Violet", "Green", "Yellow", "Red", "Blue"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--keys", type=int, default=40)
    args = parser.parse_args()
    with Session() as session:
        os.environ.update(DISPLAY=session.x.name)
        session.desktop()
        import pyatspi
        from gi.repository import GLib
        heard = []

        def on_showing(event):
            now = time.monotonic()
            if event.detail1 and event.source.getRoleName() == "notification":
                heard.append(now)

        pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
        GLib.timeout_add(5, lambda: True)  # the loop below wakes at least this often
        context = GLib.MainContext.default()

        def pump(condition, what, timeout=10):
            deadline = time.monotonic() + timeout
            while not condition():
                if time.monotonic() > deadline:
                    raise RuntimeError("no " + what)
                context.iteration(True)

        xdpy = session.x.dpy

        def key(*names):  # pressed in order, released in reverse: the moment of the last release
            codes = [xdpy.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
            for code in codes:
                fake_input(xdpy, X.KeyPress, code)
            xdpy.sync()
            at = time.monotonic()
            for code in reversed(codes):
                fake_input(xdpy, X.KeyRelease, code)
            xdpy.sync()
            return at

        game = session.start([args.game], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
        app = until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Vexalon"), None), "it")
        board = until(lambda: next((c for c in app[0] if c.name == "Board, 6 by 6"), None), "the board")
        pump(lambda: heard, "Board ready")  # the deal has settled
        until(lambda: app[0].getState().contains(pyatspi.STATE_ACTIVE), "the window with the keyboard")
        for name in ("Tab", "Tab", "Tab"):
            key(name)
        until(lambda: board[0].getState().contains(pyatspi.STATE_FOCUSED), "the board with the keyboard")
        cursor, answers, sentences = 0, [], []
        while len(answers) < args.keys:
            words = [cell.name.split(", row ")[0] for cell in board]
            colours = [set(range(5)) if w == "All colours" else {COLOURS.index(w.split(",")[0])} for w in words]

            def quiet(k):  # a step on k that leaves no line of three
                colour = COLOURS.index(words[k].split(",")[0]) + (1 if "up" in words[k] else -1)
                after = colours[:k] + [{colour}] + colours[k + 1:]
                return not any(after[i] & after[i + s] & after[i + 2 * s] for i in range(36)
                               for s, fits in ((1, i % 6 <= 3), (6, i < 24)) if fits)
            targets = [k for k in range(36) if "arrow" in words[k] and words[k] != "All colours" and quiet(k)]
            if not targets:
                mark = len(heard)
                key("Control_L", "n")
                pump(lambda: len(heard) >= mark + 2, "a new deal")
                continue
            target = min(targets, key=lambda k: abs(k // 6 - cursor // 6) + abs(k % 6 - cursor % 6))
            while cursor != target:
                row, column = divmod(cursor, 6)
                name = "Down" if target // 6 > row else "Up" if target // 6 < row else \
                    "Right" if target % 6 > column else "Left"
                key(name)
                cursor += {"Down": 6, "Up": -6, "Right": 1, "Left": -1}[name]
            until(lambda: board[cursor].getState().contains(pyatspi.STATE_FOCUSED), "the cursor")
            mark = len(heard)
            released = key("space")
            pump(lambda: len(heard) >= mark + 2, "the step's answer and its sentence")
            answers.append(heard[mark] - released)
            sentences.append(heard[mark + 1] - released - 1.0)
        game.terminate()
        game.wait()
    for what, times in (("the step's answer, from the key", answers),
                        ("the chain's sentence, from the scan's moment", sentences)):
        ms = sorted(t * 1000 for t in times)
        print("%-46s median %6.2f ms, worst %6.2f ms (%d keys)" % (what, statistics.median(ms), ms[-1], len(ms)))


if __name__ == "__main__":
    main()
