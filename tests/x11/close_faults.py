#!/usr/bin/env python3
"""Closes the real game at awkward moments and hammers it with presses.

Usage: close_faults.py PROGRAM [SEED]

Every run starts with HiScore=7 in the settings file. However it is ended
(close request, SIGTERM, SIGINT, SIGHUP, with chains running, with the clear
prompt open, under a flood of presses) the program must exit 0 within the
time limit, keep HiScore at 7 or more, and print no sanitizer report.
Several games run side by side, each in its own part of the screen.
"""

import os
import random
import signal
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xgame  # noqa: E402

SEED_HISCORE = 7
START_TIMEOUT = 20.0
EXIT_TIMEOUT = 15.0
SLOT_W, SLOT_H = 570, 430
COLUMNS, ROWS = 3, 2
PARALLEL = COLUMNS * ROWS
BUTTONS = (1, 2, 3)
MODIFIERS = ((), ("Shift_L",), ("Control_L",), ("Alt_L",))


class Failure(Exception):
    pass


class Run:
    """One game in one screen slot, driven by a scenario generator.

    A scenario yields the monotonic time at which it wants to go on.
    """

    def __init__(self, program, xserver, name, scenario, seed):
        self.program, self.xserver, self.name = program, xserver, name
        self.scenario_fn, self.rng = scenario, random.Random(seed)
        self.game = None
        self.problem = None
        self.kind = None  # "crash", "hang" or "fault" when it failed

    # --- steps a scenario uses -------------------------------------------------

    def at(self, seconds):
        """Resume this many seconds after the program was started."""
        return self.game.started + seconds

    def start(self, slot):
        self.game = xgame.Game(self.program, self.xserver, ini=b"[General]\nHiScore=%d\n" % SEED_HISCORE)
        deadline = time.monotonic() + START_TIMEOUT
        while True:
            window = self.xserver.find_window(self.game.proc.pid, xgame.TITLE, 0)
            if window is not None:
                break
            if not self.game.running():
                self.fail("crash", "ended before its window showed: " + xgame.describe_exit(self.game.proc.returncode))
            if time.monotonic() > deadline:
                self.fail("hang", "no window after %.0f s" % START_TIMEOUT)
            yield time.monotonic() + 0.01
        self.game.window = window
        size = window.get_geometry()
        if (size.width, size.height) != xgame.CLIENT_SIZE:
            self.fail("fault", "window is %dx%d" % (size.width, size.height))
        x, y = (slot % COLUMNS) * SLOT_W, (slot // COLUMNS) * SLOT_H
        self.xserver.move(window, x, y)
        self.game.origin = self.xserver.origin(window)
        if self.game.origin != (x, y):
            self.fail("fault", "window stayed at %s after a move to %s" % (self.game.origin, (x, y)))

    def alive(self, what):
        if not self.game.running():
            self.fail("crash", "ended by itself (%s) %s" % (xgame.describe_exit(self.game.proc.returncode), what))

    def click_cells(self, count):
        self.alive("before presses on the board")
        for _ in range(count):
            self.game.click_cell(self.rng.randrange(6), self.rng.randrange(6),
                                 self.rng.choice(BUTTONS), self.rng.choice(MODIFIERS), flush=False)
        self.xserver.sync()

    def random_click(self):
        """A press on the board, the New game button or the level bar, never on a clear label."""
        roll = self.rng.random()
        if roll < 0.03:
            x, y = xgame.centre(xgame.NEW_GAME)
            self.game.click(x, y, 1, flush=False)
        elif roll < 0.04:
            x, y, w, h = xgame.LEVEL_BAR
            self.game.click(x + self.rng.choice((4, w - 4)), y + h // 2, 1, flush=False)
        else:
            x, y, w, h = xgame.cell_rect(self.rng.randrange(6), self.rng.randrange(6))
            self.game.click(x + self.rng.randrange(w), y + self.rng.randrange(h),
                            self.rng.choice(BUTTONS), self.rng.choice(MODIFIERS), flush=False)

    def close(self):
        self.alive("before the close request")
        self.game.close()

    def send(self, signame):
        self.alive("before " + signame)
        self.game.signal(xgame.SIGNALS[signame])

    def open_prompt(self, label):
        self.alive("before the clear prompt")
        self.game.click(*xgame.centre(label))
        deadline = time.monotonic() + 10
        while True:
            box = self.xserver.find_window(self.game.proc.pid, xgame.BOX_TITLE, 0)
            if box is not None:
                return box
            self.alive("with the clear prompt coming up")
            if time.monotonic() > deadline:
                self.fail("fault", "no clear prompt after a click on its label")
            yield time.monotonic() + 0.01

    def prompt_shown(self):
        return self.xserver.find_window(self.game.proc.pid, xgame.BOX_TITLE, 0) is not None

    def expect_exit(self):
        deadline = time.monotonic() + EXIT_TIMEOUT
        while self.game.running() and time.monotonic() < deadline:
            yield time.monotonic() + 0.01
        code = self.game.wait_exit(0.05)
        if code is None:
            trace = "\n" + self.game.hang_trace if self.game.hang_trace else ""
            self.fail("hang", "still running %.0f s after it was told to close%s" % (EXIT_TIMEOUT, trace))
        report = self.game.sanitizer_report()
        if report:
            self.fail("crash", "sanitizer report:\n" + report)
        if code != 0:
            self.fail("crash", xgame.describe_exit(code) + "\n" + self.game.stderr()[-3000:])
        data = self.game.ini_bytes()
        value = xgame.ini_hiscore(data) if data is not None else None
        if value is None or not value.isdigit() or int(value) < SEED_HISCORE:
            self.fail("fault", "high score not kept: settings file now %r" % (data,))

    def fail(self, kind, text):
        self.kind, self.problem = kind, text
        raise Failure(text)

    # --- the driver's side --------------------------------------------------------

    def steps(self, slot):
        yield from self.start(slot)
        yield from self.scenario_fn(self)

    def finish(self):
        if self.game is not None:
            if self.kind is None and self.game.running():
                self.kind, self.problem = "fault", "scenario ended with the program still running"
            self.game.finish()


# --- scenarios -------------------------------------------------------------------


def close_at(seconds):
    def scenario(run):
        yield run.at(seconds)
        run.close()
        yield from run.expect_exit()
    return scenario


def clicks_then(click_at, count, end_at, ending):
    def scenario(run):
        yield run.at(click_at)
        run.click_cells(count)
        yield run.at(end_at)
        if ending == "close":
            run.close()
        else:
            run.send(ending)
        yield from run.expect_exit()
    return scenario


def signal_at(seconds, signame, repeat=1):
    def scenario(run):
        yield run.at(seconds)
        run.send(signame)
        for _ in range(repeat - 1):
            run.game.signal(xgame.SIGNALS[signame])
        yield from run.expect_exit()
    return scenario


def close_then_signal(seconds, gap):
    def scenario(run):
        yield run.at(seconds)
        run.close()
        if gap:
            yield time.monotonic() + gap
        run.game.signal(signal.SIGTERM)
        yield from run.expect_exit()
    return scenario


def double_close(seconds):
    def scenario(run):
        yield run.at(seconds)
        run.close()
        run.game.close()
        yield from run.expect_exit()
    return scenario


def burst(start_at, clicks, batch, pause, settle):
    """Presses as fast as they can be queued, in batches so the chains go on between."""
    def scenario(run):
        yield run.at(start_at)
        sent = 0
        while sent < clicks:
            run.alive("after %d presses" % sent)
            for _ in range(min(batch, clicks - sent)):
                run.random_click()
            sent += batch
            run.xserver.sync()
            if pause:
                yield time.monotonic() + pause
        if settle:
            yield time.monotonic() + settle
        run.close()
        yield from run.expect_exit()
    return scenario


def end_amid_presses(start_at, before, after, ending):
    """The close lands between queued presses; the ones after it include the clear label."""
    def scenario(run):
        yield run.at(start_at)
        for _ in range(before):
            run.random_click()
        if ending == "close":
            run.close()
        else:
            run.send(ending)
        for i in range(after):
            if i % 50 == 0:
                run.game.click(*xgame.centre(xgame.PROTOTYPE_LABEL), flush=False)
            run.random_click()
        try:
            run.xserver.sync()
        except xgame.xerror.XError:
            pass
        yield from run.expect_exit()
    return scenario


OBSERVED = {}


def observe(what, seen):
    OBSERVED.setdefault(what, set()).add(seen)


def prompt_then_main_close(open_at):
    """The clear prompt is up and the main window gets a close request."""
    def scenario(run):
        yield run.at(open_at)
        box = yield from run.open_prompt(xgame.PROTOTYPE_LABEL)
        run.close()
        yield time.monotonic() + 0.8
        if not run.game.running():
            observe("close of the main window with the prompt up", "closes the game")
            yield from run.expect_exit()
            return
        observe("close of the main window with the prompt up", "ignored, the prompt stays")
        # Then the prompt's own close button: that is Cancel.
        run.xserver.send_close(box)
        deadline = time.monotonic() + 5
        while run.prompt_shown() and time.monotonic() < deadline:
            yield time.monotonic() + 0.01
        if run.prompt_shown():
            run.fail("fault", "the clear prompt did not go on a close request")
        yield time.monotonic() + 0.5
        if not run.game.running():
            observe("after the prompt is closed", "the earlier main close takes effect")
            yield from run.expect_exit()
            return
        observe("after the prompt is closed", "game goes on; the ignored close is dropped")
        yield from run.open_prompt(xgame.CLEAR_LABEL)
        run.send("SIGTERM")
        yield from run.expect_exit()
    return scenario


def prompt_then(open_at, label, end_after, ending, presses=0):
    def scenario(run):
        yield run.at(open_at)
        yield from run.open_prompt(label)
        if presses:
            run.click_cells(presses)
        yield time.monotonic() + end_after
        run.send(ending)
        yield from run.expect_exit()
    return scenario


def prompt_cancel_then_close(open_at, cancel_after, close_after):
    def scenario(run):
        yield run.at(open_at)
        box = yield from run.open_prompt(xgame.PROTOTYPE_LABEL)
        yield time.monotonic() + cancel_after
        run.xserver.send_close(box)
        yield time.monotonic() + close_after
        if run.prompt_shown():
            run.fail("fault", "the clear prompt did not go on a close request")
        run.close()
        yield from run.expect_exit()
    return scenario


def scenarios():
    runs = []
    # Long ones first, so they overlap the rest.
    runs.append(("burst 3000 presses, then close", burst(0.9, 3000, 60, 0.04, 0.3)))
    runs.append(("burst 1000 presses, close while they queue", burst(1.1, 1000, 1000, 0, 0)))
    runs.append(("burst 600 presses in small batches, close 50 ms after", burst(1.3, 600, 20, 0.02, 0.05)))
    runs.append(("close amid 1000 presses, clear label pressed after it",
                 end_amid_presses(1.5, 500, 500, "close")))
    runs.append(("SIGTERM amid 1000 presses, clear label pressed after it",
                 end_amid_presses(1.7, 500, 500, "SIGTERM")))
    for k in range(30):  # the opening cascade runs about 1.0 s to 2.2 s after the start
        seconds = 1.0 + 0.04 * k
        runs.append(("close at %.2f s" % seconds, close_at(seconds)))
    for k in range(16):
        runs.append(("presses at 2.30 s, close %.2f s later" % (0.2 + 0.12 * k),
                     clicks_then(2.3, 6, 2.5 + 0.12 * k, "close")))
    for k in range(6):
        runs.append(("presses at 1.20 s, close at %.2f s" % (1.3 + 0.2 * k),
                     clicks_then(1.2, 4, 1.3 + 0.2 * k, "close")))
    for k in range(8):
        seconds = 1.0 + 0.15 * k
        runs.append(("SIGTERM at %.2f s" % seconds, signal_at(seconds, "SIGTERM")))
    runs.append(("presses at 2.30 s, SIGTERM 1.10 s later", clicks_then(2.3, 6, 3.4, "SIGTERM")))
    runs.append(("presses at 2.30 s, SIGTERM 1.35 s later", clicks_then(2.3, 6, 3.65, "SIGTERM")))
    runs.append(("SIGINT at 1.50 s", signal_at(1.5, "SIGINT")))
    runs.append(("SIGHUP at 1.70 s", signal_at(1.7, "SIGHUP")))
    runs.append(("ten SIGTERMs at 1.60 s", signal_at(1.6, "SIGTERM", repeat=10)))
    runs.append(("close and SIGTERM together at 1.55 s", close_then_signal(1.55, 0)))
    runs.append(("close, SIGTERM 30 ms later, at 1.75 s", close_then_signal(1.75, 0.03)))
    runs.append(("two closes at 1.25 s", double_close(1.25)))
    runs.append(("prompt up when idle, main close, prompt close, SIGTERM", prompt_then_main_close(0.5)))
    runs.append(("prompt up in the cascade, main close, prompt close, SIGTERM", prompt_then_main_close(1.1)))
    runs.append(("prompt up in the cascade, SIGTERM", prompt_then(1.1, xgame.PROTOTYPE_LABEL, 0.3, "SIGTERM")))
    runs.append(("[Clear] prompt up, presses on the board, SIGHUP",
                 prompt_then(1.0, xgame.CLEAR_LABEL, 0.4, "SIGHUP", presses=20)))
    runs.append(("prompt up after presses, SIGINT", prompt_then(2.5, xgame.PROTOTYPE_LABEL, 0.6, "SIGINT")))
    runs.append(("prompt cancelled by its close, then main close",
                 prompt_cancel_then_close(1.1, 0.4, 0.6)))
    return runs


def x_server_goes_away(program):
    """The X server dies in the middle of a chain: Qt ends the program with
    exit status 1, and the high score must still reach the settings file."""
    xserver = xgame.XServer(SLOT_W, SLOT_H)
    game = xgame.Game(program, xserver, ini=b"[General]\nHiScore=%d\n" % SEED_HISCORE)
    problem = None
    try:
        if not game.wait_window(START_TIMEOUT):
            return "the window never showed"
        time.sleep(1.3)
        os.remove(game.ini)  # so that only a save on the way out can bring it back
        xserver.stop()
        code = game.wait_exit(EXIT_TIMEOUT)
        saved = xgame.ini_hiscore(game.ini_bytes() or b"")
        text = game.stderr()
        if code is None:
            problem = "hang"
        elif saved is None or int(saved) < SEED_HISCORE:
            problem = "%s and the high score was not saved" % xgame.describe_exit(code)
        elif "runtime error:" in text or "ERROR: AddressSanitizer" in text:
            problem = "sanitizer report:\n" + text[-3000:]
    finally:
        game.finish()
    return problem


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: close_faults.py PROGRAM [SEED]")
    program = sys.argv[1]
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else int(os.environ.get("VEXALON_X11_SEED", "4711"))
    print("seed %d (give it as the second argument to repeat the same presses)" % seed, flush=True)
    began = time.monotonic()
    xserver = xgame.XServer(COLUMNS * SLOT_W, ROWS * SLOT_H)
    pending = [Run(program, xserver, name, fn, seed * 1000 + i) for i, (name, fn) in enumerate(scenarios())]
    total = len(pending)
    active = {}  # slot -> (run, generator, wake time)
    done = []
    try:
        while pending or active:
            for slot in range(PARALLEL):
                if slot not in active and pending:
                    run = pending.pop(0)
                    active[slot] = (run, run.steps(slot), 0.0)
            slot = min(active, key=lambda s: active[s][2])
            run, steps, wake = active[slot]
            delay = wake - time.monotonic()
            if delay > 0:
                time.sleep(delay)
            try:
                wake = next(steps)
                active[slot] = (run, steps, wake)
                continue
            except StopIteration:
                pass
            except Failure:
                pass
            except Exception as error:  # the driver itself went wrong: still a failure
                run.kind = run.kind or "fault"
                run.problem = run.problem or "driver error: %r" % (error,)
            run.finish()
            done.append(run)
            del active[slot]
            mark = "ok" if run.kind is None else "FAILED (%s)" % run.kind
            print("%-62s %s" % (run.name, mark), flush=True)
    finally:
        for run, _, _ in active.values():
            run.finish()
        xserver.stop()

    # Leaks found while Qt tears the process down after losing its display
    # belong to the libraries, not to the game.
    os.environ["ASAN_OPTIONS"] = "detect_leaks=0:abort_on_error=1"
    lost = x_server_goes_away(program)
    total += 1
    print("%-62s %s" % ("X server goes away mid-chain", "ok" if lost is None else "FAILED"), flush=True)

    failed = [run for run in done if run.kind is not None]
    for run in failed:
        print("\n--- %s: %s\n%s" % (run.name, run.kind, run.problem))
    for what, seen in sorted(OBSERVED.items()):
        print("observed: %s: %s" % (what, "; ".join(sorted(seen))))
    crashes = sum(run.kind == "crash" for run in done)
    hangs = sum(run.kind == "hang" for run in done)
    faults = sum(run.kind == "fault" for run in done) + (lost is not None)
    if lost is not None:
        print("\n--- X server goes away mid-chain: %s" % lost)
    print("close faults: %d tried, %d crashes, %d hangs, %d other failures (seed %d, %.1f s)"
          % (total, crashes, hangs, faults, seed, time.monotonic() - began))
    sys.exit(1 if failed or lost is not None or len(done) != total - 1 else 0)


if __name__ == "__main__":
    main()
