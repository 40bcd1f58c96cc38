"""Drives the real Vexalon program on a private X server.

Starts Xvfb, runs the game with a fresh settings folder, finds its window,
sends real presses (XTEST) and close requests, and reads back the
high score the program left behind.
"""

import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import X, XK, Xatom, display as xdisplay, error as xerror, protocol
    from Xlib.ext import xtest
except ImportError:
    # A python3 of its own (pyenv, venv) does not see Debian's python3-xlib.
    sys.path.append("/usr/lib/python3/dist-packages")
    try:
        from Xlib import X, XK, Xatom, display as xdisplay, error as xerror, protocol
        from Xlib.ext import xtest
    except ImportError:
        sys.exit("python3-xlib is missing (Debian package python3-xlib)")

TITLE = "Vexalon - by Oskel"
BOX_TITLE = "Clear Hiscore"
CLIENT_SIZE = (557, 417)
NEW_GAME = (448, 320, 80, 33)
PROTOTYPE_LABEL = (436, 40, 105, 25)
CLEAR_LABEL = (513, 211, 33, 17)
LEVEL_BAR = (448, 387, 80, 17)

SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:")

NOBODY = 65534


def cell_rect(row, col):
    return (32 + 64 * col, 24 + 64 * row, 60, 60)


def centre(rect):
    x, y, w, h = rect
    return x + w // 2, y + h // 2


class XServer:
    """A private Xvfb on a display number the server picks itself."""

    def __init__(self, width=800, height=600):
        if shutil.which("Xvfb") is None:
            raise RuntimeError("Xvfb is missing (Debian package xvfb)")
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (width, height),
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline or self.proc.poll() is not None:
                os.close(read_end)
                self.stop()
                raise RuntimeError("Xvfb did not start")
            # Waits a second at a time, so that a server that hangs before
            # it names its display still meets the deadline.
            ready, _, _ = select.select([read_end], [], [], 1)
            if ready:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        self.name = ":" + number.decode().strip()
        self.dpy = xdisplay.Display(self.name)
        self.root = self.dpy.screen().root
        self.atoms = {name: self.dpy.intern_atom(name) for name in
                      ("WM_PROTOCOLS", "WM_DELETE_WINDOW", "_NET_WM_PID", "_NET_WM_NAME", "UTF8_STRING")}
        self.keycodes = {name: self.dpy.keysym_to_keycode(XK.string_to_keysym(name))
                         for name in ("Shift_L", "Control_L", "Alt_L")}

    def stop(self):
        if getattr(self, "dpy", None) is not None:
            try:
                self.dpy.close()
            except Exception:
                pass
            self.dpy = None
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def title_of(self, window):
        prop = window.get_full_property(self.atoms["_NET_WM_NAME"], self.atoms["UTF8_STRING"])
        if prop is not None:
            value = prop.value
            return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
        name = window.get_wm_name()
        return name.decode("latin-1") if isinstance(name, bytes) else (name or "")

    def pid_of(self, window):
        prop = window.get_full_property(self.atoms["_NET_WM_PID"], Xatom.CARDINAL)
        return int(prop.value[0]) if prop is not None and len(prop.value) else None

    def find_window(self, pid, title, timeout):
        """The viewable top-level window of process pid (or a child of it) with this title, or None."""
        deadline = time.monotonic() + timeout
        while True:
            pids = process_family(pid)
            try:
                for window in self.root.query_tree().children:
                    try:
                        if window.get_attributes().map_state != X.IsViewable:
                            continue
                        if self.pid_of(window) in pids and self.title_of(window) == title:
                            return window
                    except (xerror.BadWindow, xerror.BadMatch):
                        continue  # gone while we looked
            except xerror.XError:
                pass
            if time.monotonic() > deadline:
                return None
            time.sleep(0.01)

    def origin(self, window):
        at = self.root.translate_coords(window, 0, 0)
        return at.x, at.y

    def move(self, window, x, y):
        window.configure(x=x, y=y)
        self.dpy.sync()

    def click(self, window_origin, x, y, button=1, mods=(), flush=True):
        """A press and release at client pixel (x, y) with modifier keys held."""
        ox, oy = window_origin
        dpy = self.dpy
        xtest.fake_input(dpy, X.MotionNotify, x=ox + x, y=oy + y)
        for mod in mods:
            xtest.fake_input(dpy, X.KeyPress, self.keycodes[mod])
        xtest.fake_input(dpy, X.ButtonPress, button)
        xtest.fake_input(dpy, X.ButtonRelease, button)
        for mod in reversed(mods):
            xtest.fake_input(dpy, X.KeyRelease, self.keycodes[mod])
        if flush:
            dpy.flush()

    def sync(self):
        self.dpy.sync()

    def send_close(self, window):
        """What a window manager's close button sends: WM_DELETE_WINDOW."""
        event = protocol.event.ClientMessage(
            window=window, client_type=self.atoms["WM_PROTOCOLS"],
            data=(32, [self.atoms["WM_DELETE_WINDOW"], X.CurrentTime, 0, 0, 0]))
        caught = xerror.CatchError(xerror.BadWindow)
        window.send_event(event, event_mask=0, onerror=caught)
        self.dpy.sync()
        return caught.get_error() is None  # else the window was already gone


def process_family(pid):
    """pid and its descendants, so a launcher script in front of the program still works."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/stat" % entry) as f:
                    parent = int(f.read().rsplit(")", 1)[1].split()[1])
            except (OSError, IndexError, ValueError):
                continue
            children.setdefault(parent, []).append(int(entry))
    family, todo = {pid}, [pid]
    while todo:
        for child in children.get(todo.pop(), ()):
            if child not in family:
                family.add(child)
                todo.append(child)
    return family


def ini_path(config_dir):
    return os.path.join(config_dir, "Brantomel", "Brantomel.ini")


def ini_hiscore(data):
    """HiScore of section [General] as the program's settings file holds it, or None."""
    if isinstance(data, bytes):
        data = data.decode("utf-8", "replace")
    section = None
    for line in data.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        elif section == "General":
            match = re.match(r"HiScore\s*=\s*(.*)$", line)
            if match:
                value = match.group(1).strip()
                if len(value) >= 2 and value[0] == value[-1] == '"':
                    value = value[1:-1]
                return value
    return None


class Game:
    """One run of the program with a settings folder of its own.

    ini: None for no settings file, else the bytes the file starts with.
    user: a uid to run as (its gid the same); the folders are then given to it.
    """

    def __init__(self, program, xserver=None, ini=None, user=None, platform=None, prepare=None, env=None):
        self.program = os.path.abspath(program)
        self.xserver = xserver
        self.user = user
        self.temp = tempfile.mkdtemp(prefix="vexalon-x11-")
        os.chmod(self.temp, 0o755)
        self.config = os.path.join(self.temp, "config")
        self.runtime = os.path.join(self.temp, "runtime")
        self.cache = os.path.join(self.temp, "cache")
        for folder in (self.config, self.runtime, self.cache):
            os.mkdir(folder)
        os.chmod(self.runtime, 0o700)
        self.ini = ini_path(self.config)
        if ini is not None:
            os.makedirs(os.path.dirname(self.ini))
            with open(self.ini, "wb") as f:
                f.write(ini)
        if user is not None:
            for top, dirs, files in os.walk(self.temp):
                for name in dirs + files:
                    os.lchown(os.path.join(top, name), user, user)
        if prepare is not None:
            prepare(self)
        # Nothing of the desktop this runs from: its display, session or buses.
        foreign = ("QT_", "XDG_", "DISPLAY", "WAYLAND", "SESSION_MANAGER", "XAUTHORITY", "DBUS_")
        extra_env = env or {}
        env = {k: v for k, v in os.environ.items() if not k.startswith(foreign)}
        env.update({
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_CACHE_HOME": self.cache,
            "PULSE_SERVER": "unix:/nonexistent",
            # No session bus here: libdbus would try to autolaunch one and
            # leak its read buffer when that fails.
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent",
            "ASAN_OPTIONS": env.get("ASAN_OPTIONS", "detect_leaks=1:abort_on_error=1"),
            "UBSAN_OPTIONS": env.get("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1"),
        })
        if user is not None:
            env["HOME"] = self.temp
        env.update(extra_env)
        if xserver is not None:
            env["DISPLAY"] = xserver.name
            env["QT_QPA_PLATFORM"] = "xcb"
        else:
            env["QT_QPA_PLATFORM"] = platform or "offscreen"
        self.stderr_path = os.path.join(self.temp, "stderr")
        self._stderr = open(self.stderr_path, "wb")
        preexec = None
        if user is not None:
            def preexec():
                os.setgroups([])
                os.setgid(user)
                os.setuid(user)
        self.started = time.monotonic()
        self.proc = subprocess.Popen([self.program], env=env, cwd=self.temp, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=self._stderr, preexec_fn=preexec)
        self.window = None
        self.origin = None
        self.hang_trace = None

    def wait_window(self, timeout=20):
        self.window = self.xserver.find_window(self.proc.pid, TITLE, timeout)
        if self.window is None:
            return False
        self.origin = self.xserver.origin(self.window)
        return True

    def find_box(self, timeout=5):
        return self.xserver.find_window(self.proc.pid, BOX_TITLE, timeout)

    def click(self, x, y, button=1, mods=(), flush=True):
        self.xserver.click(self.origin, x, y, button, mods, flush)

    def click_cell(self, row, col, button=1, mods=(), flush=True):
        x, y = centre(cell_rect(row, col))
        self.click(x, y, button, mods, flush)

    def close(self):
        return self.xserver.send_close(self.window)

    def signal(self, number):
        if self.proc.poll() is None:
            self.proc.send_signal(number)

    def running(self):
        return self.proc.poll() is None

    def wait_exit(self, timeout):
        """The exit code, or None after a hang (the stuck process is then killed)."""
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            self.hang_trace = self._backtrace()
            self.proc.kill()
            self.proc.wait()
            return None

    def _backtrace(self):
        if shutil.which("gdb") is None:
            return None
        try:
            out = subprocess.run(["gdb", "-p", str(self.proc.pid), "-batch", "-ex", "thread apply all bt 30"],
                                 capture_output=True, text=True, timeout=60)
            return out.stdout[-6000:]
        except Exception:
            return None

    def stderr(self):
        self._stderr.flush()
        with open(self.stderr_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def sanitizer_report(self):
        text = self.stderr()
        for mark in SANITIZER_MARKS:
            at = text.find(mark)
            if at >= 0:
                return text[max(0, at - 200):at + 3000]
        return None

    def ini_bytes(self):
        try:
            with open(self.ini, "rb") as f:
                return f.read()
        except OSError:
            return None

    def finish(self, keep=False):
        """Kills a process still running and removes the folders unless asked to keep them."""
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self._stderr.close()
        if not keep:
            for top, dirs, _ in os.walk(self.temp):
                for name in dirs:
                    try:
                        os.chmod(os.path.join(top, name), 0o755)
                    except OSError:
                        pass
            shutil.rmtree(self.temp, ignore_errors=True)


SIGNALS = {"SIGTERM": signal.SIGTERM, "SIGINT": signal.SIGINT, "SIGHUP": signal.SIGHUP}


def describe_exit(code):
    if code is None:
        return "hang"
    if code < 0:
        try:
            return "killed by " + signal.Signals(-code).name
        except ValueError:
            return "killed by signal %d" % -code
    return "exit %d" % code
