#!/usr/bin/env python3
"""The real program, closed the ways only a real run shows: the close
signals, the window system's close request and the X server going away.
Each run starts without a settings file; whatever ends it once it plays,
the program must exit 0 (1 when Qt ends it for the lost X server) and have
created the file with HiScore=0.

Usage: program_test.py PROGRAM
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-xlib for any python3
from Xlib import X, display  # noqa: E402
from Xlib.protocol import event  # noqa: E402


def run(program, end, env=None, wait=1.0, codes=(0,), saves=True):
    """Starts the program, lets it run for `wait` s, ends it with `end`, and says what went wrong."""
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home, PULSE_SERVER="unix:/nonexistent",
                   **(env or {"QT_QPA_PLATFORM": "offscreen"}))
        game = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
        time.sleep(wait)
        end(game)
        try:
            code = game.wait(30)
        except subprocess.TimeoutExpired:
            game.kill()
            return "still running 30 s after the close"
        try:
            with open(os.path.join(home, "Brantomel", "Brantomel.ini")) as f:
                saved = "HiScore=0" in f.read().split()
        except OSError:
            saved = False
        return None if code in codes and saved == saves else "exit %s, %s" % (code, "saved" if saved else "not saved")


def close_request(xdpy):
    """What a window manager's close button sends to the game's window."""
    def end(game):
        atoms = [xdpy.intern_atom(name) for name in ("WM_PROTOCOLS", "WM_DELETE_WINDOW")]
        for window in xdpy.screen().root.query_tree().children:
            if window.get_wm_name() == "Vexalon - by Oskel":
                window.send_event(event.ClientMessage(window=window, client_type=atoms[0],
                                                      data=(32, [atoms[1], X.CurrentTime, 0, 0, 0])))
        xdpy.sync()
    return end


def main():
    program = sys.argv[1]
    failures = []
    for name in ("SIGTERM", "SIGINT", "SIGHUP"):
        failures.append((name, run(program, lambda game: game.send_signal(getattr(signal, name)))))
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"], pass_fds=[write_end],
                            stderr=subprocess.DEVNULL)
    name = ":" + os.read(read_end, 16).decode().strip()
    xenv = {"DISPLAY": name, "QT_QPA_PLATFORM": "xcb"}
    failures.append(("close request", run(program, close_request(display.Display(name)), xenv, wait=2)))
    # A stopped X server holds start-up; the signal ends it with nothing to save.
    xvfb.send_signal(signal.SIGSTOP)
    failures.append(("SIGTERM, stuck", run(program, lambda game: game.terminate(), xenv, 1, (0,), False)))
    xvfb.send_signal(signal.SIGCONT)
    failures.append(("X server gone", run(program, lambda game: xvfb.kill(), xenv, 2, (0, 1))))
    for name, problem in failures:
        print("%-16s %s" % (name, problem or "ok"))
    sys.exit(any(problem for _, problem in failures))


if __name__ == "__main__":
    main()
