#!/usr/bin/env python3
"""The real program on a machine missing things a desktop usually has.

Usage: environment_faults.py PROGRAM

No fonts at all, no sound server, no sound module beside the program, no
runtime folder, a home folder that does not exist: the game must start, play its opening cascade, and end with
exit 0 on SIGTERM, saving the high score wherever it can.
"""

import os
import shutil
import signal
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xgame  # noqa: E402

NO_FONTS = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig></fontconfig>
"""


def main():
    program = sys.argv[1]
    failures = []
    fonts = os.path.join(os.path.dirname(os.path.abspath(program)), "no-fonts.conf")
    with open(fonts, "w") as f:
        f.write(NO_FONTS)
    # The program alone in a folder: the sound module it loads is not there.
    alone = tempfile.mkdtemp(prefix="vexalon-alone-")
    shutil.copy2(program, alone)
    alone_program = os.path.join(alone, os.path.basename(program))
    cases = [
        ("no fonts", program, {"FONTCONFIG_FILE": fonts}, True),
        ("no sound server", program, {"PULSE_SERVER": "unix:/nonexistent"}, True),
        ("no sound module", alone_program, {}, True),
        ("no runtime folder", program, {"XDG_RUNTIME_DIR": "/nonexistent/runtime"}, True),
        # Without XDG_CONFIG_HOME the file goes under $HOME, which is not there.
        ("no home folder", program, {"XDG_CONFIG_HOME": "", "HOME": "/nonexistent/home"}, False),
    ]
    for name, path, env, saves in cases:
        game = xgame.Game(path, ini=b"[General]\nHiScore=7\n", env=env)
        try:
            time.sleep(2.5)  # the opening cascade runs meanwhile
            game.signal(signal.SIGTERM)
            code = game.wait_exit(60)
            saved = xgame.ini_hiscore(game.ini_bytes() or b"")
            report = game.sanitizer_report()
            problem = None
            if code != 0:
                problem = xgame.describe_exit(code)
            elif report:
                problem = "sanitizer report:\n" + report
            elif saves and saved != "7":
                problem = "high score %r" % saved
            print("%-20s %s" % (name, "ok" if problem is None else "FAILED: " + problem), flush=True)
            if problem:
                failures.append(name)
        finally:
            game.finish()
    shutil.rmtree(alone, ignore_errors=True)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
