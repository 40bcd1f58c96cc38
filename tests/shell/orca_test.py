#!/usr/bin/env python3
# What Orca says of the game played by keys alone (its debug log's "SPEECH
# OUTPUT" lines, speech off): a step that reacts, its chain with the score,
# the panel on S, and Game Over, reached at the hardest difficulty by
# stepping every arrow square to its end. The squares are read through the
# accessibility bus to choose the moves.  dbus-run-session -- orca_test.py PROGRAM
import itertools
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from session import Session, names, until  # noqa: E402

COLOURS = ["Violet", "Green", "Yellow", "Red", "Blue"]
ARROWS = {"": "", "arrow up": "up", "arrow down": "down", "arrows up and down": "updown"}
ENDED = r"reaction|Combo x|Game over|Board ready"  # what the sentence at a chain's end holds


def spoken():  # what Orca said so far, read on from where the last call stopped
    while (line := reading.readline()).endswith(b"\n"):
        if m := re.search(r"SPEECH OUTPUT: '(.*?)' ?\{", line.decode(errors="replace")):
            speech.append(m.group(1).strip())
    reading.seek(-len(line), os.SEEK_CUR)  # a line not yet whole
    return speech


def hear(what, after=None):  # a wait for the next chain's end told (after the last sentence equal to after)
    mark = len(spoken())

    def told():
        said = [s[len("notification "):] for s in spoken()[mark:] if s.startswith("notification ")]
        said = said[len(said) - said[::-1].index(after):] if after in said else [] if after else said
        return next((s for s in said if re.search(ENDED, s)), None)
    return lambda: until(told, what, timeout=20, alive=[game])


def panel():  # the panel's numbers by what they are
    return dict(n.rsplit(" ", 1) for n in names(app) if re.fullmatch(r"(Level|Score|Hiscore|Erasers|Difficulty) \d+", n))


def squares():  # (colour, arrows) of each square, colour None for all colours
    found = {}
    for cell in board:
        words, where = cell.name.split(", row ")
        row, column = map(int, where.split(", column "))
        colour, _, arrows = words.partition(", ")
        found[6 * (row - 1) + column - 1] = (None if colour == "All colours" else COLOURS.index(colour), ARROWS[arrows])
    return [found[k] for k in range(36)]


def stepped(colour, arrows, upper):  # Space is the upper half, Page Down the lower
    up = arrows == "up" or (arrows == "updown" and upper)
    colour += 1 if up else -1
    return colour, "" if colour in (0, 4) else ("up" if up else "down")


def lines(cells):  # lines of three that react
    sets = [set(range(5)) if c is None else {c} for c, _ in cells]
    return sum(1 for k in range(36) for step, fits in ((1, k % 6 <= 3), (6, k < 24))
               if fits and sets[k] & sets[k + step] & sets[k + 2 * step])


def press(name, heard):  # a key, then what Orca says to it: a person's pace, that floods it with no events
    mark = len(spoken())
    key(*name.split("+"))
    return until(lambda: next((s for s in spoken()[mark:] if re.search(heard, s)), None), name, alive=[game])


def go(k):  # the cursor to square k, by the arrow keys, Home and End (the step after tells where it went)
    while cursor[0] != k:
        (row, column), (to_row, to_column) = divmod(cursor[0], 6), divmod(k, 6)
        name = "Down" if to_row > row else "Up" if to_row < row else {0: "Home", 5: "End"}.get(
            to_column, "Right" if to_column > column else "Left")
        cursor[0] += {"Down": 6, "Up": -6, "Home": -column, "End": 5 - column, "Right": 1, "Left": -1}[name]
        key(name)


def step(k, upper=True):  # Space or Page Down on k: its answer heard, not first a late scan's chain
    cells[k] = stepped(*cells[k], upper)
    answer = COLOURS[cells[k][0]] + {"": "", "up": ", arrow up", "down": ", arrow down"}[cells[k][1]] + "."
    heard = press("space" if upper else "Next", "^notification (%s$|.*(%s))" % (re.escape(answer), ENDED))
    return heard == "notification " + answer


session = Session()
os.environ.update(DISPLAY=session.x.name)
with session:
    session.desktop()
    reading, speech = open(session.orca(), "rb"), []
    import pyatspi  # noqa: E402  (only now: it keeps the buses it first finds)
    game = session.start([sys.argv[1]], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    key = session.x.key
    app = until(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Vexalon"), None), "it")
    board = until(lambda: next((c for c in app[0] if c.name == "Board, 6 by 6"), None), "the board")
    until(lambda: "New game push button." in spoken(), "Orca on New game")
    press("Tab", "Difficulty scroll bar")
    key("End")  # the hardest difficulty, whose few arrows end a game soon
    until(lambda: panel().get("Difficulty") == "10", "difficulty 10")
    cursor = [0]
    while True:  # a deal with a step that reacts
        dealt = hear("a new deal settled", after="New game, level 10.")
        key("Control_L", "n")
        assert dealt() == "Board ready."
        cells = squares()
        steps = [k for k, (c, a) in enumerate(cells) if a and lines(cells[:k] + [stepped(c, a, True)] + cells[k + 1:])]
        if steps:
            break
    press("Tab", "Clear the high score")
    press("Tab", "^Board, 6 by 6 panel")  # on its first square
    go(steps[0])
    chain = hear("the chain's sentence")
    assert step(steps[0])
    said, score = chain(), panel()["Score"]
    assert re.fullmatch(r"(Combo x \d+, )?(\d+ reactions?, )?\d+ points, score %s(, [^.]*)?\.( Game over\. .*)?" % score,
                        said), said

    assert press("s", "^notification Score") == "notification Score %(Score)s, level %(Level)s, erasers %(Erasers)s, " \
        "hiscore %(Hiscore)s, difficulty 10 for the next game." % panel()
    while "Game over. " not in said:
        # Every arrow square to its end, blue or violet, the fewest lines of three
        # first, then the fewest steps; a chain set off refills, and we plan again.
        cells = squares()
        arrows = [k for k, (c, a) in enumerate(cells) if a]
        assert arrows, said
        ends = min(itertools.product(*[(4, 0) if cells[k][1] == "updown" else (4 if cells[k][1] == "up" else 0,)
                                       for k in arrows]),
                   key=lambda ends: (lines([(dict(zip(arrows, ends)).get(k, c), "") for k, (c, _) in enumerate(cells)]),
                                     sum(abs(end - cells[k][0]) for k, end in zip(arrows, ends))))
        chain = hear("the last step's scan")
        for k, end in zip(arrows, ends):
            go(k)
            if not all(step(k, upper=end == 4) for _ in range(abs(end - cells[k][0]))):
                break
        said = chain()
    assert re.fullmatch(r"(No reaction\. |.*\. )?Game over\. Score %s, a new high score\. Ctrl\+N or F2 starts a new "
                        r"game\." % panel()["Score"], said), said
    game.terminate()  # not Ctrl+Q: Qt would end with its releases still waiting on the reader, unfreed
    assert game.wait(30) == 0
