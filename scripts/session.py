# A private desktop session for the tests and measurements of the real
# program (tests/shell/*.py, bench/window/*.py): an X server
# of its own, a sound server where a test needs one, a settings folder that
# is never the player's, and waits that end on a condition or a deadline,
# never on a fixed sleep.
#
#   with Session() as session:
#       game = session.start([program])
#       window = session.window_of(game)      # mapped: the game plays
#       session.x.key("Control_L", "n")        # real key presses, through XTEST
import json
import os
import select
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-xlib for any python3
from Xlib import X, XK, Xatom, display as xdisplay, error as xerror  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

TITLE = "Vexalon - by Oskel"
DEADLINE_S = 30  # generous: start-up under the sanitizers on a loaded machine


def until(condition, what, timeout=DEADLINE_S, alive=()):
    """condition()'s first true value, polled until the deadline; fails
    early when one of the processes in alive has ended."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        for proc in alive:
            if proc.poll() is not None:
                raise AssertionError("%s ended (status %s) while waiting for %s" % (proc.args[0], proc.returncode, what))
        if time.monotonic() > deadline:
            raise AssertionError("gave up waiting %g s for %s" % (timeout, what))
        time.sleep(0.02)
    return value


def stop(proc, timeout=10):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(timeout)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


class XServer:
    """Xvfb on a display number it picks itself."""

    def __init__(self, *options):
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset", *options],
                                     pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        os.close(write_end)  # so that a server that dies closes the pipe for good
        number, deadline = b"", time.monotonic() + DEADLINE_S
        try:
            while not number.endswith(b"\n"):  # the number and its newline may come apart
                if time.monotonic() > deadline:
                    raise RuntimeError("Xvfb named no display within %d s" % DEADLINE_S)
                if select.select([read_end], [], [], 0.5)[0]:
                    chunk = os.read(read_end, 16)
                    if not chunk:
                        raise RuntimeError("Xvfb ended (status %s) before naming its display" % self.proc.wait())
                    number += chunk
        except BaseException:
            stop(self.proc)
            raise
        finally:
            os.close(read_end)
        self.name = ":" + number.decode().strip()
        self.dpy = xdisplay.Display(self.name)
        self.root = self.dpy.screen().root
        self.pid_atom = self.dpy.intern_atom("_NET_WM_PID")

    def windows(self, title=TITLE, pid=None):
        """The mapped top-level windows of that title (and that process)."""
        found = []
        try:
            # A window manager's list of clients, or else the root's children.
            managed = self.root.get_full_property(self.dpy.intern_atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
            tops = [self.dpy.create_resource_object("window", w) for w in managed.value] if managed else \
                self.root.query_tree().children
            for window in tops:
                if window.get_wm_name() != title or window.get_attributes().map_state != X.IsViewable:
                    continue
                owner = window.get_full_property(self.pid_atom, Xatom.CARDINAL)
                if pid is None or (owner and owner.value and owner.value[0] == pid):
                    found.append(window)
        except xerror.XError:  # a window went away while we looked
            return []
        return found

    def key(self, *names, hold=0.0, during=lambda: None):
        """Real key presses (XTEST), in order, held for hold seconds while
        during() runs, then the releases in reverse."""
        codes = [self.dpy.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
        for kind, order in ((X.KeyPress, codes), (X.KeyRelease, codes[::-1])):
            for code in order:
                xtest.fake_input(self.dpy, kind, code)
            self.dpy.sync()
            if kind == X.KeyPress:
                time.sleep(hold)
                during()
        time.sleep(0.01)  # the same key again within the millisecond would pass for the X server's repeat

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGCONT)  # a test may have stopped it
        try:
            self.dpy.close()
        except Exception:
            pass
        stop(self.proc)


class SoundServer:
    """PulseAudio of its own whose only sink, "game", plays to nowhere."""

    def __init__(self, folder, sink_options=""):
        self.socket = os.path.join(folder, "pa.sock")
        self.env = dict(os.environ, PULSE_SERVER="unix:" + self.socket, HOME=folder, XDG_RUNTIME_DIR=folder)
        self.proc = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--system=no",
             "-L", "module-null-sink sink_name=game norewinds=1 " + sink_options,
             "-L", "module-native-protocol-unix auth-anonymous=1 socket=%s" % self.socket],
            env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            until(lambda: self.pactl("info"), "pulseaudio to answer", alive=[self.proc])
            self.pactl("set-default-sink", "game")
        except BaseException:
            self.stop()
            raise

    def pactl(self, *args):
        out = subprocess.run(["pactl", *args], env=self.env, capture_output=True, text=True)
        return out.stdout if out.returncode == 0 else None

    def record(self, path, rate):
        """Records the sink as unsigned 8-bit mono at rate, into path."""
        with open(path, "wb") as out:
            return subprocess.Popen(["parec", "-d", "game.monitor", "--raw", "--format=u8", "--channels=1",
                                     "--rate=%d" % rate, "--latency-msec=20"],
                                    env=self.env, stdout=out, stderr=subprocess.DEVNULL)

    def stop(self):
        stop(self.proc)


class Session:
    """A private X server and home; sound=True adds a private sound server,
    otherwise programs find none."""

    def __init__(self, sound=False):
        self.folder = tempfile.TemporaryDirectory()
        self.home = self.folder.name
        self.programs = []
        self.helpers = []  # ended gently, in reverse order, after the programs
        self.sound = None
        self.x = XServer()
        try:
            if sound:
                self.sound = SoundServer(self.home)
        except BaseException:
            self.x.stop()
            raise
        self.env = dict(os.environ, DISPLAY=self.x.name, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=self.home,
                        XDG_RUNTIME_DIR=self.home, HOME=self.home,
                        PULSE_SERVER=self.sound.env["PULSE_SERVER"] if self.sound else "unix:/nonexistent")

    def __enter__(self):
        return self

    def __exit__(self, *error):
        for proc in self.programs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        for proc in reversed(self.helpers):
            stop(proc)
        if self.sound:
            self.sound.stop()
        self.x.stop()
        self.folder.cleanup()

    def start(self, argv, env=None, **options):
        options.setdefault("stdin", subprocess.DEVNULL)
        proc = subprocess.Popen(argv, env=dict(self.env, **(env or {})), **options)
        self.programs.append(proc)
        return proc

    def desktop(self):
        """A window manager, so that a new window gets the keyboard, and the
        accessibility bus (the test runs under dbus-run-session)."""
        for argv in (["openbox", "--sm-disable"], ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]):
            self.helpers.append(subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL,
                                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        check = self.x.dpy.intern_atom("_NET_SUPPORTING_WM_CHECK")  # set once it manages windows
        until(lambda: self.x.root.get_full_property(check, Xatom.WINDOW), "the window manager", alive=self.helpers)

    def orca(self):
        """Debian's Orca, speech off: the path of its debug log, written line
        by line, once it listens ("SPEECH OUTPUT" lines: what it would say)."""
        folder, log = os.path.join(self.home, "orca"), os.path.join(self.home, "orca.log")
        os.makedirs(folder)
        with open(os.path.join(folder, "user-settings.conf"), "w") as settings:
            json.dump({"general": {"enableSpeech": False}, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": {"profile": ["Default", "default"], "enableSpeech": False}}}, settings)
        line_by_line = ("import builtins, sys; opened = builtins.open; builtins.open = lambda path, *a, **k: "
                        "opened(path, *a, **dict(k, buffering=1)) if path == %r else opened(path, *a, **k); "
                        "sys.argv = ['orca'] + sys.argv[1:]; exec(compile(opened('/usr/bin/orca').read(), "
                        "'/usr/bin/orca', 'exec'))" % log)
        proc = self.start(["/usr/bin/python3", "-c", line_by_line, "--replace", "-u", folder, "--debug-file", log],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        until(lambda: os.path.exists(log) and "Startup complete" in open(log, errors="replace").read(),
              "Orca to start", timeout=90, alive=[proc])
        return log

    def window_of(self, proc):
        """The program's window, once it is mapped (the game then plays)."""
        return until(lambda: self.x.windows(pid=proc.pid), "the window of " + proc.args[0],
                     alive=[proc, self.x.proc])[0]

    def settings(self):
        path = os.path.join(self.home, "Brantomel", "Brantomel.ini")
        return open(path).read() if os.path.exists(path) else None


def names(accessible):
    """The names of an accessibility tree, depth first."""
    return [accessible.name] + [name for child in accessible if child for name in names(child)]


def catches(proc, signum):
    """Whether the process has its own handler for the signal yet."""
    try:
        with open("/proc/%d/status" % proc.pid) as status:
            caught = next(int(line.split()[1], 16) for line in status if line.startswith("SigCgt:"))
    except (OSError, StopIteration):
        return False
    return bool(caught >> (signum - 1) & 1)


def sleeping(proc):
    """Whether the process is blocked (state S or D), not running."""
    try:
        with open("/proc/%d/stat" % proc.pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] in "SD"
    except OSError:
        return False


__all__ = ["Session", "SoundServer", "XServer", "until", "stop", "names", "catches", "sleeping", "signal", "TITLE"]
