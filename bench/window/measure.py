#!/usr/bin/env python3
"""Measures the game window against a bare Qt window of the same shape.

    measure.py --game PATH --baseline PATH [--baseline-audio PATH] [--runs N]

Everything is seen from outside: a private Xvfb, a private PulseAudio with a
null sink, X events and /proc. Two passes of N rounds, the programs taking
turns in each round so that a slow spell of the machine hits them all alike:
  start-up: start, wait for the first frame, close; 0.5 s between starts.
    "exec" is the moment Popen returns, i.e. once execve() has succeeded (it
    waits for its close-on-exec pipe to close); "mapped" is the MapNotify of
    the program's top-level window (_NET_WM_PID), "first frame" the first
    DAMAGE event on that window (watched from its CreateNotify on). CPU time
    is the sum over the program's threads of /proc/<pid>/task/*/schedstat
    read at the first frame.
  long runs: start, record the sink's monitor with parec while the opening
    cascade plays, settle (8 s after exec, then 3 s without a Damage event),
    read VmHWM, then over 10 s count the context switches of every thread
    (voluntary + nonvoluntary from /proc/<pid>/task/*/status) and the Damage
    events of the window; then which PulseAudio streams the program left open.
Each figure is the median over the rounds, with min and max.

Needs: xvfb, pulseaudio, pulseaudio-utils, python3-xlib.
"""

import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-xlib for a python3 of its own
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from session import SoundServer, XServer  # noqa: E402
from Xlib import X, Xatom, error as xerror  # noqa: E402
from Xlib.ext import damage  # noqa: E402,F401  (loads the DAMAGE requests)

SETTLE_S = 8.0      # after exec, before the idle window may start
QUIET_S = 3.0       # no repaint for this long counts as quiet
QUIET_LIMIT_S = 30  # give up waiting for quiet after this, and say so
IDLE_S = 10.0
START_GAP_S = 0.5   # pause before each start of the start-up pass
RECORD_RATE = 11025


def log(*words):
    print(*words, file=sys.stderr, flush=True)


def watch_windows(xs):
    """Watches the private X server for new windows and their damage."""
    # A window that dies at once takes its damage object with it; the
    # errors that can follow are of no interest.
    xs.dpy.set_error_handler(lambda *error: None)
    if not xs.dpy.has_extension("DAMAGE"):
        xs.stop()
        raise RuntimeError("the X server has no DAMAGE extension")
    xs.dpy.damage_query_version()
    xs.damage_event = xs.dpy.extension_event.DamageNotify
    xs.root.change_attributes(event_mask=X.SubstructureNotifyMask)
    xs.dpy.sync()
    return xs


def streams_of(sound, pid):
    """The sink inputs that process pid has open, with their corked state."""
    out = sound.pactl("list", "sink-inputs") or ""
    mine = [block for block in out.split("\n\n") if 'application.process.id = "%d"' % pid in block]
    return ["corked" if "Corked: yes" in block else "running" for block in mine]


def sounding_seconds(path):
    """How long the recording strays from unsigned 8-bit silence (128)."""
    with open(path, "rb") as f:
        data = f.read()
    return sum(1 for b in data if abs(b - 128) > 2) / RECORD_RATE


def tasks(pid):
    """tid -> (name, context switches, ns spent on a CPU) for each thread."""
    found = {}
    base = "/proc/%d/task" % pid
    try:
        tids = os.listdir(base)
    except OSError:
        return found
    for tid in tids:
        try:
            with open("%s/%s/comm" % (base, tid)) as f:
                name = f.read().strip()
            switches = 0
            with open("%s/%s/status" % (base, tid)) as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        switches += int(line.split()[1])
            with open("%s/%s/schedstat" % (base, tid)) as f:
                cpu_ns = int(f.read().split()[0])
        except (OSError, ValueError, IndexError):
            continue
        found[int(tid)] = (name, switches, cpu_ns)
    return found


def memory_kib(pid, key):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return 0


class Run:
    """One start of one program; with idle=True watched until it has idled."""

    def __init__(self, xs, sound, argv, folder):
        self.xs, self.sound, self.argv, self.folder = xs, sound, argv, folder
        self.damages = {}       # damage id -> window id
        self.window = None
        self.t_map = self.t_frame = None
        self.repaints = []      # (time, x, y, w, h) of each damaged rectangle of the window
        self.notes = []

    def environment(self):
        config = tempfile.mkdtemp(dir=self.folder)
        env = {k: v for k, v in os.environ.items() if k in ("PATH", "LANG", "LC_ALL", "TZ")}
        env.update(HOME=self.folder, XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=self.folder,
                   DISPLAY=self.xs.name, QT_QPA_PLATFORM="xcb", PULSE_SERVER=self.sound.env["PULSE_SERVER"])
        return env

    def handle(self, event, now):
        if event.type == X.CreateNotify and event.parent == self.xs.root:
            # Watch each new top-level window from birth, before it can draw;
            # the one that gets mapped is the program's.
            did = event.window.damage_create(damage.DamageReportRawRectangles)
            self.damages[did] = event.window.id
        elif event.type == X.MapNotify and event.event == self.xs.root and self.window is None:
            try:
                prop = event.window.get_full_property(self.xs.pid_atom, Xatom.CARDINAL)
            except xerror.XError:
                prop = None
            if prop and prop.value and prop.value[0] != self.proc.pid:
                return
            self.window = event.window.id
            self.t_map = now
        elif event.type == self.xs.damage_event:
            if self.window is not None and self.damages.get(event.damage) == self.window:
                a = event.area
                self.repaints.append((now, a.x, a.y, a.width, a.height))
                if self.t_frame is None:
                    self.t_frame = now

    def pump(self, until, stop_when=None):
        """Handles X events until the time `until` or until stop_when() holds."""
        dpy = self.xs.dpy
        while True:
            while dpy.pending_events():
                self.handle(dpy.next_event(), time.monotonic())
            if stop_when and stop_when():
                return True
            left = until - time.monotonic()
            if left <= 0:
                return False
            if self.proc.poll() is not None:
                raise RuntimeError("%s exited early with %s" % (self.argv[0], self.proc.returncode))
            select.select([dpy.fileno()], [], [], min(left, 0.25))

    def go(self, idle):
        env = self.environment()
        parec = None
        self.xs.dpy.sync()
        with open(os.path.join(self.folder, "stderr.txt"), "wb") as errors:
            t_spawn = time.monotonic()
            # Popen returns once execve() has succeeded: it waits for its
            # close-on-exec pipe to close.
            self.proc = subprocess.Popen(self.argv, env=env, cwd=self.folder, stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=errors)
            self.t_exec = time.monotonic()
        self.spawn_ms = (self.t_exec - t_spawn) * 1000
        try:
            if not self.pump(self.t_exec + 20, lambda: self.t_frame is not None):
                raise RuntimeError("%s showed no frame within 20 s" % self.argv[0])
            self.cpu_ms = sum(t[2] for t in tasks(self.proc.pid).values()) / 1e6
            self.mapped_ms = (self.t_map - self.t_exec) * 1000
            self.frame_ms = (self.t_frame - self.t_exec) * 1000
            if idle:
                # Nothing sounds before the first scan, 1 s after start.
                recording = os.path.join(self.folder, "sound.raw")
                parec = self.sound.record(recording, RECORD_RATE)
                self.settle()
                parec.terminate()
                parec.wait(5)
                self.sound_s = sounding_seconds(recording)
                self.hwm_kib = memory_kib(self.proc.pid, "VmHWM")
                time.sleep(0.5)  # parec's leaving has reached every client
                self.watch_idle()
            return self
        finally:
            if parec and parec.poll() is None:
                parec.terminate()
                parec.wait(5)
            if self.proc.poll() is None:
                self.proc.send_signal(signal.SIGTERM)
                try:
                    self.proc.wait(10)
                except subprocess.TimeoutExpired:
                    self.proc.kill()
                    self.proc.wait()
            self.forget_window()

    def settle(self):
        """Past SETTLE_S from exec, and then QUIET_S without a repaint."""
        self.pump(self.t_exec + SETTLE_S)
        last = lambda: max([self.t_exec] + [r[0] for r in self.repaints])
        if not self.pump(time.monotonic() + QUIET_LIMIT_S, lambda: time.monotonic() - last() >= QUIET_S):
            self.notes.append("never quiet for %g s" % QUIET_S)
        self.opening_repaints = len(self.repaints)
        # Past the first frame a cascade should only repaint the cells it
        # changes, and the panel labels whose text changes.
        later = [r for r in self.repaints if r[0] > self.t_frame + 0.1]
        self.off_board = [r[1:] for r in later if not in_cell(*r[1:])]

    def watch_idle(self):
        before = tasks(self.proc.pid)
        server_before = tasks(self.sound.proc.pid)
        first = len(self.repaints)
        self.pump(time.monotonic() + IDLE_S)
        after = tasks(self.proc.pid)
        server_after = tasks(self.sound.proc.pid)
        self.idle_repaints = len(self.repaints) - first
        self.server_wakeups = sum(v[1] - server_before.get(t, (0, 0))[1] for t, v in server_after.items())
        # Thread name/tid -> context switches; a thread born meanwhile counts whole.
        self.threads = {}
        for tid, (name, switches, _) in after.items():
            woke = switches - before.get(tid, (name, 0, 0))[1]
            if woke:
                self.threads["%s/%d" % (name, tid)] = woke
        gone = set(before) - set(after)
        if gone:
            self.notes.append("threads ended while idle: %s" % ", ".join(before[t][0] for t in gone))
        self.wakeups = sum(self.threads.values())
        self.streams = streams_of(self.sound, self.proc.pid)

    def forget_window(self):
        """Lets the window's destruction pass before the next program starts."""
        dpy = self.xs.dpy
        try:
            dpy.sync()
        except xerror.XError:
            pass
        while dpy.pending_events():
            dpy.next_event()


def in_cell(x, y, w, h):
    """Whether a rectangle lies inside one of the 6 x 6 board cells."""
    col, row = (x - 32) // 64, (y - 24) // 64
    left, top = 32 + 64 * col, 24 + 64 * row
    return 0 <= col < 6 and 0 <= row < 6 and x + w <= left + 60 and y + h <= top + 60


def median(values):
    return statistics.median(values) if values else float("nan")


def spread(values, fmt):
    if not values:
        return "-"
    return (fmt % median(values)) + " (" + (fmt % min(values)) + "-" + (fmt % max(values)) + ")"


def describe(name, i, run):
    threads = " ".join("%s:%d" % item for item in sorted(run.threads.items()))
    return ("%-16s run %2d: VmHWM %5.1f MiB, sound %4.2f s, opening %3d Damage rects (off the board: %s); "
            "idle %3d wakeups %2d repaints, streams left %s, server %d%s%s" % (
                name, i, run.hwm_kib / 1024, run.sound_s, run.opening_repaints,
                " ".join("%d,%d %dx%d" % r for r in sorted(set(run.off_board))) or "none", run.wakeups,
                run.idle_repaints,
                ",".join(run.streams) or "none", run.server_wakeups, (" [" + threads + "]") if threads else "",
                (" note: " + "; ".join(run.notes)) if run.notes else ""))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", required=True)
    parser.add_argument("--baseline", required=True, help="baseline_window (Qt Widgets only)")
    parser.add_argument("--baseline-audio", help="baseline_window_audio; default: beside --baseline")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()
    audio = os.path.abspath(args.baseline_audio or os.path.join(os.path.dirname(args.baseline),
                                                                "baseline_window_audio"))
    # name, command, measured in the long runs too
    programs = [("game", [os.path.abspath(args.game)], True),
                ("baseline", [os.path.abspath(args.baseline)], True)]
    if os.path.exists(audio):
        programs += [("baseline+audio", [audio], True), ("baseline+mm-linked", [audio, "--linked-only"], False)]
    else:
        log("no %s: measuring without the audio baselines" % audio)

    folder = tempfile.mkdtemp(prefix="measure-window-")
    os.chmod(folder, 0o700)
    xs = sound = None
    starts = {name: [] for name, _, _ in programs}
    longs = {name: [] for name, _, full in programs if full}
    try:
        xs = watch_windows(XServer("-screen", "0", "1024x768x24"))
        sound = SoundServer(folder)
        # A discarded start of each warms the page cache and the font cache.
        for name, argv, _ in programs:
            Run(xs, sound, argv, folder).go(idle=False)
        for i in range(args.runs):
            for name, argv, _ in programs:
                time.sleep(START_GAP_S)
                starts[name].append(Run(xs, sound, argv, folder).go(idle=False))
        log("start-up pass done")
        for i in range(args.runs):
            for name, argv, full in programs:
                if full:
                    run = Run(xs, sound, argv, folder).go(idle=True)
                    longs[name].append(run)
                    log(describe(name, i + 1, run))
    finally:
        if sound:
            sound.stop()
        if xs:
            xs.stop()
        shutil.rmtree(folder, ignore_errors=True)
    report(programs, starts, longs, args.runs)


def report(programs, starts, longs, runs):
    print("Median (min-max) of %d runs each, Xvfb + PulseAudio null sink, %d cores:" % (runs, os.cpu_count()))
    print()
    spawns = [r.spawn_ms for st in starts.values() for r in st]
    print("(exec lies within the Popen call, which took %.1f ms at the median, %.1f ms at most)" % (
        median(spawns), max(spawns)))
    print()
    print("| program | exec to mapped, ms | exec to first frame, ms | CPU time to first frame, ms | peak RSS, MiB "
          "| idle wakeups / %gs | idle Damage events / %gs | opening played a sound |" % (IDLE_S, IDLE_S))
    print("|---|---|---|---|---|---|---|---|")
    med = {}
    for name, _, full in programs:
        st, lg = starts[name], longs.get(name, [])
        hwm = [r.hwm_kib / 1024 for r in lg]
        med[name] = (median([r.mapped_ms for r in st]), median([r.frame_ms for r in st]),
                     median([r.cpu_ms for r in st]), median(hwm))
        print("| %s | %s | %s | %s | %s | %s | %s | %s |" % (
            name, spread([r.mapped_ms for r in st], "%.1f"), spread([r.frame_ms for r in st], "%.1f"),
            spread([r.cpu_ms for r in st], "%.1f"), spread(hwm, "%.1f"), spread([r.wakeups for r in lg], "%d"),
            spread([r.idle_repaints for r in lg], "%d"),
            ("%d of %d runs" % (sum(1 for r in lg if r.sound_s > 0), len(lg))) if lg else "-"))
    print()
    if len(programs) > 1:
        print("| game / | exec to mapped | exec to first frame | CPU time to first frame | peak RSS |")
        print("|---|---|---|---|---|")
        g = med["game"]
        ratio = lambda a, b: "%.2f" % (a / b) if a == a and b == b else "-"
        for name, _, _ in programs[1:]:
            b = med[name]
            print("| %s | %s |" % (name, " | ".join(ratio(x, y) for x, y in zip(g, b))))
        print()
        lg = longs["game"]
        verdict = lambda ok: "met" if ok else "MISSED"
        if "baseline" in med:
            r = g[1] / med["baseline"][1]
            print("target, first frame within 10%% of the bare baseline: %.2f, %s" % (r, verdict(r <= 1.10)))
        if "baseline+audio" in med:
            r = g[3] / med["baseline+audio"][3]
            print("target, peak RSS within 10%% of the baseline with audio: %.2f, %s" % (r, verdict(r <= 1.10)))
        idle = max([r.wakeups + r.idle_repaints for r in lg] or [0])
        print("target, no wakeup and no repaint in %g s of quiet: %s" % (IDLE_S, verdict(idle == 0)))
        print()
    print("Threads that woke while idle (context switches summed over the runs, in how many runs):")
    for name, lg in longs.items():
        woke = {}
        for r in lg:
            for key, switches in r.threads.items():
                thread = key.rsplit("/", 1)[0]
                total, count = woke.get(thread, (0, 0))
                woke[thread] = (total + switches, count + 1)
        print("  %s: %s" % (name, ", ".join("%s %d (%d runs)" % (t, v[0], v[1])
                                            for t, v in sorted(woke.items())) or "none"))
    game = longs.get("game", [])
    for label, rs in (("with a sound", [r for r in game if r.sound_s > 0]),
                      ("silent", [r for r in game if r.sound_s == 0])):
        if rs:
            left = sum(1 for r in rs if r.streams)
            print("game, opening %s: %d runs; idle wakeups %s; PulseAudio stream left open in %d runs (%s); "
                  "VmHWM %s MiB" % (label, len(rs), spread([r.wakeups for r in rs], "%d"), left,
                                    ", ".join(sorted({s for r in rs for s in r.streams})) or "-",
                                    spread([r.hwm_kib / 1024 for r in rs], "%.1f")))
    if game:
        off = sorted({r for run in game for r in run.off_board})
        print("game, opening cascade's Damage rectangles off the 36 cells (x,y wxh): %s" % (
            " ".join("%d,%d %dx%d" % r for r in off) or "none"))
    print("PulseAudio server's own wakeups in the same 10 s: " + ", ".join(
        "%s %s" % (name, spread([r.server_wakeups for r in lg], "%d")) for name, lg in longs.items()))
    for name, lg in longs.items():
        for i, r in enumerate(lg):
            for n in r.notes:
                print("  note: %s run %d: %s" % (name, i + 1, n))


if __name__ == "__main__":
    main()
