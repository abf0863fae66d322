"""Native pattern files (.plx) from Python descriptions, for the generator of data/Patterns/.

A game module (life.py, ...) defines `patterns()`, returning a list of `Pattern`; the script
scripts/make-patterns.py writes them all. Everything here uses the standard library only.

    from plx import Pattern, cells_of_rows, shift, soup

    Pattern("Life/Spaceships", "Glider", "Life", "23/3",
            "The smallest spaceship. It travels 1 cell diagonally every 4 generations (c/4).",
            rows=[".*.", "..*", "***"], board=(200, 200))

Pattern(folder, name, game, rule, description, cells=None, rows=None, *, board=None,
        wrap=False, speed=DEFAULT_SPEED, palette=None, states=None, legend=None)
    folder   the folder under data/Patterns; its first part must be the game's name.
    name     the file name without ".plx".
    game     the game's name as the program spells it ("Life", "Generations", ...).
    rule     the rule text as the game reads it ("23/3", "R1/T3/C3/NM", ...).
    description  one text; it is wrapped into "#D" lines of at most 64 characters.
             A "\\n" starts a new line, "\\n\\n" leaves an empty line between paragraphs.
    cells    a list of (x, y) or (x, y, state) tuples (state 1 when left out), or
    rows     picture rows: "." or " " is a dead cell, "1".."9" that state, a letter of
             `legend` (a dict of character -> state) that state, any other character state 1.
             Both may be given; the cells of the rows come first, then `cells` on top.
    board    (width, height), multiples of 20 (the program cuts a board down to them), at
             most 100000 x 2500; when None, the pattern plus 120 cells each way, rounded up
             to twenties, at least 200 x 160.
    wrap     whether the board wraps at its edges ("#WRAP 1" or "#WRAP 0", always written).
    speed    the run delay in milliseconds, one of SPEEDS ("#SPEED", always written).
    palette  a palette name of data/System ("#PALETTE", written when given).
    states   the count of states 2..25 ("#CCOLORS", written when given).

write(pattern, root) writes root/folder/name.plx with CR LF line ends and returns its path;
pattern.lines() gives the lines. Helpers: cells_of_rows, cells_of_rle, shift, flip_x, flip_y,
rotate (quarter turns), bounding_box, soup (a reproducible random field).

Facts a description states are checked by the core test that walks data/Patterns
(tests/core/test_PatternLibrary.cpp), when they are written in exactly these phrasings
(sentences may stand anywhere in the description; numbers are decimal):

    "Period 15."                        after 15 generations the cells (and their states)
                                        are the starting cells again, and not before;
    "It is a still life."               the same as "Period 1.";
    "It travels 1 cell diagonally every 4 generations"    (or "2 cells orthogonally ...")
                                        after 4 generations the cells are the starting cells
                                        moved by that many cells in both directions
                                        (diagonally) or in one direction (orthogonally),
                                        and no earlier generation is such a copy;
    "It emits a glider every 30 generations."   the population grows by 5 cells every
                                        30 generations, from every generation of 60..90
                                        (two to three periods) on;
    "Its population grows by 10 cells every 64 generations."   the same for any count;
    "It settles at generation 1103 with 116 cells."   over the 120 generations from
                                        1103 on the population repeats with a period of at
                                        most 30, at 1103 it is 116, and generation 1102 does
                                        not fit that repetition;
    "At generation 100 it has 348 cells."       the population at that generation;
    "It dies out at generation 6."      no cell at generation 6, some at generation 5.

Give the pattern a board large enough that nothing reaches the edge before the checks end
(about the stated generation plus a few hundred) unless the board wraps on purpose. The test
runs the games that draw random numbers from seed 0, as plexa-cli does by default, so
`plexa-cli --generations N FILE` shows the population a fact should state. Once all nine game
folders exist it also wants at least 5 patterns a game, 45 for Life, 90 in all, and at least
40 of the rule library's built-in rules in use. make-patterns.py refuses a description of
fewer than two or more than six sentences.
"""

import os
import random
import textwrap

SPEEDS = (0, 1, 2, 5, 10, 20, 50, 75, 100, 200, 300, 500, 750, 1000, 2000, 5000)
DEFAULT_SPEED = 20

GAMES = ("Life", "Generations", "Weighted Life", "Vote for Life", "Rules table", "Cyclic CA",
         "1-D totalistic", "User DLL", "Special rules")

_LINE_DATA = 70  # characters after "#L "
_DESCRIPTION_WIDTH = 64
_BOARD_MAX = (100000, 2500)


def cells_of_rows(rows, legend=None, left=0, top=0):
    """The (x, y, state) cells of picture rows; the first character lands on (left, top)."""
    legend = legend or {}
    cells = []
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch in legend:
                state = legend[ch]
            elif ch in ". ":
                state = 0
            elif ch.isdigit():
                state = int(ch)
            else:
                state = 1
            if state:
                cells.append((left + x, top + y, state))
    return cells


def cells_of_rle(text, left=0, top=0):
    """The (x, y, 1) cells of run-length text: "b" dead, "o" live, "$" next row, a count in
    front repeats; "!" ends it."""
    cells, x, y, count = [], left, top, ""
    for ch in text:
        if ch.isdigit():
            count += ch
            continue
        n = int(count) if count else 1
        count = ""
        if ch == "b":
            x += n
        elif ch == "o":
            cells += [(x + i, y, 1) for i in range(n)]
            x += n
        elif ch == "$":
            x, y = left, y + n
        elif ch == "!":
            break
    return cells


def _normal(cells):
    return [(c[0], c[1], c[2] if len(c) > 2 else 1) for c in cells]


def shift(cells, dx, dy):
    return [(x + dx, y + dy, s) for x, y, s in _normal(cells)]


def flip_x(cells):
    """Mirrored left to right about x = 0."""
    return [(-x, y, s) for x, y, s in _normal(cells)]


def flip_y(cells):
    """Mirrored top to bottom about y = 0."""
    return [(x, -y, s) for x, y, s in _normal(cells)]


def rotate(cells, quarter_turns=1):
    """Turned clockwise (x grows right, y grows down) by quarter turns about (0, 0)."""
    out = _normal(cells)
    for _ in range(quarter_turns % 4):
        out = [(-y, x, s) for x, y, s in out]
    return out


def bounding_box(cells):
    """(left, top, right, bottom) of the cells."""
    cells = _normal(cells)
    xs = [c[0] for c in cells]
    ys = [c[1] for c in cells]
    return min(xs), min(ys), max(xs), max(ys)


def soup(width, height, percent, seed, states=(1,), left=0, top=0):
    """A reproducible random field: each cell is live with `percent` chance, its state drawn
    from `states`."""
    rng = random.Random(seed)
    cells = []
    for y in range(height):
        for x in range(width):
            if rng.random() * 100 < percent:
                cells.append((left + x, top + y, rng.choice(states)))
    return cells


def _token(count, symbol):
    if count == 0:
        return ""
    if count == 1:
        return symbol
    if count == 2:
        return symbol * 2
    return str(count) + symbol


def encode_cells(cells):
    """The "#L" lines of the cells, run-length encoded row by row over their bounding box as
    the program writes them: empty rows become "$" runs flushed only in front of the next
    letter, trailing dead cells are never written, no token is split across lines."""
    cells = _normal(cells)
    grid = {}
    for x, y, s in cells:
        if not 1 <= s <= 24:
            raise ValueError("state %d out of 1..24" % s)
        grid[(x, y)] = s
    left, top, right, bottom = bounding_box(cells)
    lines, text = [], ""

    def emit(token):
        nonlocal text
        if not token:
            return
        if len(text) + len(token) > _LINE_DATA:
            lines.append("#L " + text)
            text = ""
        text += token

    rows_pending = 0
    for y in range(top, bottom + 1):
        dead, letter, run = 0, None, 0
        for x in range(left, right + 1):
            s = grid.get((x, y), 0)
            if s == 0:
                if letter:
                    emit(_token(run, letter))
                    letter, run = None, 0
                dead += 1
                continue
            sym = chr(64 + s)
            if sym == letter:
                run += 1
                continue
            emit(_token(rows_pending, "$"))
            rows_pending = 0
            emit(_token(dead, "."))
            dead = 0
            if letter:
                emit(_token(run, letter))
            letter, run = sym, 1
        if letter:
            emit(_token(run, letter))
        rows_pending += 1
    lines.append("#L " + text)
    return lines


def _description_lines(description):
    lines = []
    for paragraph in description.strip().split("\n"):
        paragraph = " ".join(paragraph.split())
        lines.extend(textwrap.wrap(paragraph, _DESCRIPTION_WIDTH, break_long_words=False,
                                   break_on_hyphens=False) or [""])
    return lines


class Pattern:
    def __init__(self, folder, name, game, rule, description, cells=None, rows=None, *,
                 board=None, wrap=False, speed=DEFAULT_SPEED, palette=None, states=None,
                 legend=None):
        if game not in GAMES:
            raise ValueError("%s: unknown game %r" % (name, game))
        if folder.split("/")[0] != game:
            raise ValueError("%s: folder %r is not below the game's folder %r"
                             % (name, folder, game))
        if speed not in SPEEDS:
            raise ValueError("%s: speed %r is not one of the speed table" % (name, speed))
        if board and not all(b % 20 == 0 and 20 <= b <= most
                             for b, most in zip(board, _BOARD_MAX)):
            raise ValueError("%s: board %r is not a board the program makes" % (name, board))
        if not description.strip():
            raise ValueError("%s: no description" % name)
        self.folder, self.name, self.game, self.rule = folder, name, game, rule
        self.description = description
        self.cells = cells_of_rows(rows or [], legend) + _normal(cells or [])
        if not self.cells:
            raise ValueError("%s: no cell" % name)
        self.board = board or self._fitted_board()
        self.wrap, self.speed, self.palette, self.states = wrap, speed, palette, states

    def _fitted_board(self):
        left, top, right, bottom = bounding_box(self.cells)

        def fit(extent, least, most):
            return min(most, max(least, -(-(extent + 240) // 20) * 20))

        return (fit(right - left + 1, 200, _BOARD_MAX[0]),
                fit(bottom - top + 1, 160, _BOARD_MAX[1]))

    def path(self, root):
        return os.path.join(root, *self.folder.split("/"), self.name + ".plx")

    def lines(self):
        out = ["#Plexa 2.0", "#GAME " + self.game, "#RULE " + self.rule,
               "#BOARD %dx%d" % self.board, "#SPEED %d" % self.speed,
               "#WRAP %d" % (1 if self.wrap else 0)]
        if self.states is not None:
            out.append("#CCOLORS %d" % self.states)
        if self.palette:
            out.append("#PALETTE " + self.palette)
        out += ["#D " + line if line else "#D" for line in _description_lines(self.description)]
        out += encode_cells(self.cells)
        return out


def write(pattern, root):
    """Writes the pattern's file below `root` and returns its path."""
    path = pattern.path(root)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("".join(line + "\r\n" for line in pattern.lines()))
    return path
