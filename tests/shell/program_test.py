#!/usr/bin/env python3
# The real program, ended the ways only a real run shows: the close signals,
# the window system's close request, the X server going away, a signal while
# start-up waits on an X server that does not answer, a file size limit. Each
# run has an X server and a settings folder of its own and starts without a
# settings file; once the window is mapped (it then plays), whatever ends it
# must leave exit status 0 (1 when Qt ends it for the lost X server) and the
# file created with HiScore=0.
#   program_test.py PROGRAM
import os
import resource
import signal
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from session import X, Session, catches, sleeping, until  # noqa: E402
from Xlib.protocol import event  # noqa: E402

PROGRAM = sys.argv[1]


def run(end, codes=(0,), saves=True, file_size=resource.RLIM_INFINITY, args=(), env=None, ready=None, stuck=False):
    """Starts the program, waits until ready(session, game) (by default: its
    window is mapped), ends it with end(session, game) and checks how it
    ended: None when as expected, else what went wrong. stuck: the X server
    is stopped before the program starts."""
    with Session() as session:
        if stuck:
            session.x.proc.send_signal(signal.SIGSTOP)
        game = session.start([PROGRAM, *args], env=env, stderr=subprocess.DEVNULL,
                             preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (file_size, file_size)))
        (ready or (lambda s, g: s.window_of(g)))(session, game)
        end(session, game)
        try:
            code = game.wait(30)
        except subprocess.TimeoutExpired:
            return "still running 30 s after the close"
        saved = "HiScore=0" in (session.settings() or "").split()
        return None if code in codes and saved == saves else "exit %s, %s" % (code, "saved" if saved else "not saved")


def close_request(session, game):
    """What a window manager's close button sends to the game's window."""
    xdpy, window = session.x.dpy, session.window_of(game)
    atoms = [xdpy.intern_atom(name) for name in ("WM_PROTOCOLS", "WM_DELETE_WINDOW")]
    window.send_event(event.ClientMessage(window=window, client_type=atoms[0], data=(32, [atoms[1], X.CurrentTime, 0, 0, 0])))
    xdpy.sync()


def waiting(session, game):
    """Start-up waits on the X server that does not answer, the close
    signals already caught."""
    until(lambda: catches(game, signal.SIGTERM), "the close signals caught", alive=[game])
    until(lambda: sleeping(game), "start-up blocked on the stopped X server", alive=[game])


def gone(session, game):
    session.x.proc.kill()
    session.x.proc.wait()


results = [(name, run(lambda s, game, name=name: game.send_signal(getattr(signal, name))))
           for name in ("SIGTERM", "SIGINT", "SIGHUP")]
results.append(("close request", run(close_request)))
# A file size limit makes the save fail, not the game.
results.append(("size limit", run(lambda s, game: game.terminate(), saves=False, file_size=4)))
# The command line: help and version need no display; an unknown option
# is an error that names it; Qt's own options still work.
nowhere = {"QT_QPA_PLATFORM": "xcb", "DISPLAY": ":nowhere"}
for args, code, says in ((["--help"], 0, b"Usage: vexalon"), (["--version"], 0, b"vexalon 1.0.0\n"), (["-x"], 2, b"'-x'")):
    out = subprocess.run([PROGRAM, *args], env=dict(os.environ, **nowhere), capture_output=True)
    results.append((args[0], None if out.returncode == code and says in out.stdout + out.stderr else "exit %d" % out.returncode))
# Only a -platform that is obeyed maps the window.
results.append(("-platform", run(lambda s, game: game.terminate(), args=["-platform", "xcb"],
                                 env={"QT_QPA_PLATFORM": "offscreen"})))
results.append(("SIGTERM, stuck", run(lambda s, game: game.terminate(), saves=False, ready=waiting, stuck=True)))
# Qt ends the program with exit() from inside the event loop: what is still
# allocated then is no leak of the game's.
results.append(("X server gone", run(gone, (0, 1), env={"ASAN_OPTIONS": "detect_leaks=0"})))
for name, problem in results:
    print("%-16s %s" % (name, problem or "ok"))
sys.exit(any(problem for _, problem in results))
