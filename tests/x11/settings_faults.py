#!/usr/bin/env python3
"""The high score file in bad shapes, through the real program.

Usage: settings_faults.py PROGRAM

Each case lays out the settings folder, starts the game on a private X
server, closes its window about 300 ms later and looks at what is left.
Startup must never fail and the close must exit 0. Where the file can be
written it must then hold the high score the game showed (a hand-written
value such as "abc" is kept as it is, since no game was won); where it
cannot, the folder must be left byte for byte as it was.

The permission cases run as user nobody, since root may write anywhere.
"""

import hashlib
import os
import random
import stat
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xgame  # noqa: E402

SETTLE = 0.3
START_TIMEOUT = 60.0  # the 50 MB file is read before the window shows
EXIT_TIMEOUT = 120.0  # and written back on the close
HUGE = 50 * 1024 * 1024
# Not as the program writes it, so any rewrite shows.
HAND_900 = b"; kept by hand\n[General]\nHiScore = 900\n"


def snapshot(top):
    """Every path under top with its type, mode and a digest of its bytes."""
    result = {}
    if not os.path.lexists(top):
        return result
    for folder, dirs, files in os.walk(top):
        for name in dirs + files + [""]:
            path = os.path.join(folder, name) if name else folder
            info = os.lstat(path)
            entry = (stat.S_IFMT(info.st_mode), stat.S_IMODE(info.st_mode), info.st_uid)
            if stat.S_ISREG(info.st_mode):
                digest = hashlib.sha256()
                with open(path, "rb") as f:
                    for block in iter(lambda: f.read(1 << 20), b""):
                        digest.update(block)
                entry += (info.st_size, digest.hexdigest())
            result[os.path.relpath(path, top)] = entry
    return result


def describe(path):
    if os.path.isdir(path):
        return "a folder"
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return "no file"
    value = xgame.ini_hiscore(data)
    held = "HiScore=%s" % value if value is not None else "no HiScore"
    return "%s, %d bytes" % (held, len(data))


class Case:
    """expect "written": the file then holds HiScore=value (and keeps the keys in keep);
    expect "intact": the settings folder is as it was."""

    def __init__(self, name, ini=None, prepare=None, user=None, expect="written", value="0",
                 keep=(), again=False):
        self.name, self.ini, self.prepare, self.user = name, ini, prepare, user
        self.expect, self.value, self.keep, self.again = expect, value, keep, again


def as_directory(game):
    os.makedirs(os.path.join(game.ini, "inside"))
    with open(os.path.join(game.ini, "inside", "note.txt"), "wb") as f:
        f.write(b"HiScore=900\n")


def folder_is_a_file(game):
    with open(os.path.join(game.config, "Brantomel"), "wb") as f:
        f.write(b"[General]\nHiScore=900\n")


def mode(path_of, bits):
    def prepare(game):
        os.chmod(path_of(game), bits)
    return prepare


def ini_file(game):
    return game.ini


def ini_folder(game):
    return os.path.dirname(game.ini)


def config_home(game):
    return game.config


def config_gone(game):
    os.rmdir(game.config)


def cases():
    rng = random.Random(20240611)
    garbage = bytes(rng.randrange(256) for _ in range(4096))
    huge = rng.randbytes(HUGE)
    return [
        Case("missing file"),
        Case("no settings folder at all", prepare=config_gone),
        Case("empty file", ini=b""),
        Case("binary garbage (4 KB)", ini=garbage, again=True),
        Case("huge garbage (50 MB)", ini=huge),
        Case("HiScore=abc", ini=b"[General]\nHiScore=abc\n", value="abc", again=True),
        Case("HiScore=-5", ini=b"[General]\nHiScore=-5\n", value="-5"),
        Case("HiScore=99999999999999999999", ini=b"[General]\nHiScore=99999999999999999999\n",
             value="99999999999999999999"),
        Case("HiScore=12,Bob", ini=b"[General]\nHiScore=12,Bob\n", value="12,Bob", again=True),
        Case("BOM and CRLF, other keys", ini=b"\xef\xbb\xbf[Player]\r\nName=Ana\r\n[General]\r\nHiScore=321\r\n",
             value="321", keep=(("Player", "Name", "Ana"),)),
        Case("ini path is a directory", prepare=as_directory, expect="intact"),
        Case("settings folder is a file", prepare=folder_is_a_file, expect="intact"),
        Case("unreadable file (000), nobody", ini=HAND_900, user=xgame.NOBODY,
             prepare=mode(ini_file, 0o000), expect="intact"),
        Case("read-only file (444), nobody", ini=HAND_900, user=xgame.NOBODY,
             prepare=mode(ini_file, 0o444), expect="intact"),
        Case("read-only folder (555), nobody", ini=HAND_900, user=xgame.NOBODY,
             prepare=mode(ini_folder, 0o555), expect="intact"),
        Case("read-only config home, no file, nobody", user=xgame.NOBODY,
             prepare=mode(config_home, 0o555), expect="intact"),
        Case("writable file, nobody", ini=HAND_900, user=xgame.NOBODY, value="900"),
    ]


def ini_key(data, section, key):
    current = None
    for line in data.decode("utf-8", "replace").splitlines():
        line = line.strip().lstrip("\ufeff")
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1]
        elif current == section and "=" in line and line.split("=", 1)[0].strip() == key:
            return line.split("=", 1)[1].strip()
    return None


def runnable_by_nobody(program):
    """Every folder on the way must let others in, and the program must let them run it."""
    path = os.path.abspath(program)
    info = os.stat(path)
    if not info.st_mode & stat.S_IXOTH or not info.st_mode & stat.S_IROTH:
        return path
    folder = os.path.dirname(path)
    while True:
        if not os.stat(folder).st_mode & stat.S_IXOTH:
            return folder
        if folder == "/":
            return None
        folder = os.path.dirname(folder)


def run_once(program, xserver, case, ini):
    """One start and close; returns (game, problems). The caller finishes the game."""
    problems = []
    game = xgame.Game(program, xserver, ini=ini, user=case.user, prepare=case.prepare)
    before = snapshot(game.config)
    if not game.wait_window(START_TIMEOUT):
        code = game.wait_exit(0.1) if not game.running() else None
        problems.append("no window (%s)" % (xgame.describe_exit(code) if code is not None else "still starting"))
        return game, problems, before
    time.sleep(SETTLE)
    if not game.running():
        problems.append("ended by itself: " + xgame.describe_exit(game.proc.returncode))
        return game, problems, before
    game.close()
    code = game.wait_exit(EXIT_TIMEOUT)
    if code is None:
        problems.append("hang: still running %.0f s after the close" % EXIT_TIMEOUT)
    elif code != 0:
        problems.append(xgame.describe_exit(code))
    report = game.sanitizer_report()
    if report:
        problems.append("sanitizer report:\n" + report)
    return game, problems, before


def check(case, game, before):
    problems = []
    if case.expect == "intact":
        after = snapshot(game.config)
        if after != before:
            changed = sorted(k for k in set(before) | set(after) if before.get(k) != after.get(k))
            problems.append("settings folder changed: " + ", ".join(changed))
        return problems
    data = game.ini_bytes()
    if data is None:
        return ["no settings file after the close"]
    value = xgame.ini_hiscore(data)
    if value != case.value:
        problems.append("HiScore %r after the close, %r shown" % (value, case.value))
    for section, key, wanted in case.keep:
        if ini_key(data, section, key) != wanted:
            problems.append("[%s] %s lost" % (section, key))
    if case.user is not None and os.stat(game.ini).st_uid != case.user:
        problems.append("the file was not written as the user the game ran as")
    folder = os.path.dirname(game.ini)
    leftovers = sorted(set(os.listdir(folder)) - {"Brantomel.ini"} - {os.path.basename(p) for p in before})
    if leftovers:
        problems.append("left behind: " + ", ".join(leftovers))
    return problems


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: settings_faults.py PROGRAM")
    program = sys.argv[1]
    began = time.monotonic()
    blocked = runnable_by_nobody(program)
    if blocked:
        print("user nobody cannot reach %s: the cases run as nobody will fail" % blocked)
    xserver = xgame.XServer()
    rows = []
    failures = 0
    try:
        for case in cases():
            started = time.monotonic()
            game, problems, before = run_once(program, xserver, case, case.ini)
            after = describe(game.ini)
            if not problems:
                problems = check(case, game, before)
            if not problems and case.again:
                # The next start must show what this close wrote.
                second, problems, _ = run_once(program, xserver, case, game.ini_bytes())
                if not problems and xgame.ini_hiscore(second.ini_bytes() or b"") != case.value:
                    problems.append("the next start did not keep %r: %s" % (case.value, describe(second.ini)))
                second.finish()
            game.finish()
            seconds = time.monotonic() - started
            if problems:
                failures += 1
                outcome = "FAILED: " + "; ".join(problems)
            elif case.expect == "intact":
                outcome = "ok: exit 0, left as it was"
            else:
                outcome = "ok: exit 0, HiScore=%s written" % case.value
            who = "nobody" if case.user is not None else "root"
            rows.append((case.name, who, after, outcome))
            print("%-40s %s (%.1f s)" % (case.name, outcome.splitlines()[0], seconds), flush=True)
            if problems and len(outcome.splitlines()) > 1:
                print(outcome)
    finally:
        xserver.stop()

    print()
    print("| case | run as | file after the close | outcome |")
    print("| --- | --- | --- | --- |")
    for name, who, after, outcome in rows:
        print("| %s | %s | %s | %s |" % (name, who, after, outcome.splitlines()[0]))
    print("settings faults: %d cases, %d failed (%.1f s)" % (len(rows), failures, time.monotonic() - began))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
