#!/usr/bin/env python3
# The real program, ended the ways only a real run shows: the close signals,
# the window system's close request, the X server going away, a signal while
# start-up waits on an X server that does not answer, a file size limit. Each run starts
# without a settings file; once the window plays, whatever ends it must
# leave exit status 0 (1 when Qt ends it for the lost X server) and the file
# created with HiScore=0.
#   program_test.py PROGRAM
import os
import resource
import signal
import subprocess
import sys
import tempfile
import time

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-xlib for any python3
from Xlib import X, display  # noqa: E402
from Xlib.protocol import event  # noqa: E402


def run(end, env=None, wait=1.0, codes=(0,), saves=True, file_size=resource.RLIM_INFINITY, args=()):
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home, PULSE_SERVER="unix:/nonexistent",
                   DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent", **(env or {"QT_QPA_PLATFORM": "offscreen"}))
        game = subprocess.Popen([sys.argv[1], *args], env=env, stderr=subprocess.DEVNULL,
                                preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (file_size, file_size)))
        time.sleep(wait)
        end(game)
        try:
            code = game.wait(30)
        except subprocess.TimeoutExpired:
            game.kill()
            return "still running 30 s after the close"
        path = os.path.join(home, "Brantomel", "Brantomel.ini")
        saved = os.path.exists(path) and "HiScore=0" in open(path).read().split()
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


results = [(name, run(lambda game, name=name: game.send_signal(getattr(signal, name))))
           for name in ("SIGTERM", "SIGINT", "SIGHUP")]
# A file size limit makes the save fail, not the game.
results.append(("size limit", run(lambda game: game.terminate(), saves=False, file_size=4)))
# The command line: help and version need no display; an unknown option
# is an error that names it; Qt's own options still work.
nowhere = {"QT_QPA_PLATFORM": "xcb", "DISPLAY": ":nowhere"}
for args, code, says in ((["--help"], 0, b"Usage: vexalon"), (["--version"], 0, b"vexalon 1.0.0\n"), (["-x"], 2, b"'-x'")):
    out = subprocess.run([sys.argv[1], *args], env=dict(os.environ, **nowhere), capture_output=True)
    results.append((args[0], None if out.returncode == code and says in out.stdout + out.stderr else "exit %d" % out.returncode))
results.append(("-platform", run(lambda game: game.terminate(), nowhere, args=["-platform", "offscreen"])))
read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"], pass_fds=[write_end],
                        stderr=subprocess.DEVNULL)
xenv = {"DISPLAY": ":" + os.read(read_end, 16).decode().strip(), "QT_QPA_PLATFORM": "xcb"}
results.append(("close request", run(close_request(display.Display(xenv["DISPLAY"])), xenv, 2)))
xvfb.send_signal(signal.SIGSTOP)
results.append(("SIGTERM, stuck", run(lambda game: game.terminate(), xenv, 1, (0,), False)))
xvfb.send_signal(signal.SIGCONT)
# Qt ends the program with exit() from inside the event loop: what is still
# allocated then is no leak of the game's.
xenv["ASAN_OPTIONS"] = "detect_leaks=0"
results.append(("X server gone", run(lambda game: xvfb.kill(), xenv, 2, (0, 1))))
for name, problem in results:
    print("%-16s %s" % (name, problem or "ok"))
sys.exit(any(problem for _, problem in results))
