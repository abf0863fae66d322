"""The sample patterns of Cyclic CA, 1-D totalistic, User DLL (the sample plug-in Dave) and
Special rules; families.py adds them to its own."""

import math

from library import rule
from plx import Pattern, soup


def _cyclic_soup(states, width, height, seed):
    """Every cell of the board in one of the states 0..states-1, evenly."""
    return soup(width, height, 100.0 * (states - 1) / states, seed,
                states=tuple(range(1, states)))


def _pinwheel(states, radius):
    """A disc whose states run once round the clock: the core of a cyclic spiral."""
    cells = []
    for y in range(-radius, radius + 1):
        for x in range(-radius, radius + 1):
            if math.hypot(x, y) <= radius:
                turn = (math.atan2(y, x) / (2 * math.pi)) % 1.0
                state = int(turn * states) % states
                if state:
                    cells.append((x, y, state))
    return cells


def _broken_wave(states, length):
    """An excited front (state 1) with its refractory back below it, cut off at both ends."""
    return [(x, y, 1 + y) for y in range(states - 1) for x in range(length)]


def _cyclic():
    g = "Cyclic CA"
    return [
        Pattern(g, "313 spirals", g, rule(g, "313"),
                "Three states, threshold 3 on the eight neighbours: a cell advances to the "
                "next state when at least three neighbours already hold it. The random "
                "start turns into a carpet of small, tightly wound spirals within a hundred "
                "generations.",
                cells=_cyclic_soup(3, 200, 160, 313), board=(200, 160), wrap=True,
                palette="Rainbow008"),
        Pattern(g, "CCA from debris", g, rule(g, "CCA"),
                "The classic cyclic cellular automaton: 14 states, a cell advances when one "
                "of its four neighbours holds the next state. Watch the three stages: the "
                "random start first freezes into debris, then waves break out of it, and at "
                "last a few spirals take over the whole board.",
                cells=_cyclic_soup(14, 160, 120, 14), board=(160, 120), wrap=True,
                speed=0, palette="Contrast024"),
        Pattern(g, "CCA spiral core", g, rule(g, "CCA"),
                "A hand-made start for the 14-state cyclic automaton: a small disc whose "
                "states run once round the clock, on an empty board. The disc is the core "
                "of a spiral; it winds its arms outwards until they fill the board.",
                cells=_pinwheel(14, 5), board=(200, 200), speed=0, palette="Contrast024"),
        Pattern(g, "Cyclic spirals", g, rule(g, "Cyclic spirals"),
                "Eight states on a range of three cells, threshold 5: large, smooth spirals "
                "grow out of the random start. They push each other around until a few "
                "remain.",
                cells=_cyclic_soup(8, 200, 160, 358), board=(200, 160), wrap=True,
                speed=0, palette="Rainbow008"),
        Pattern(g, "Perfect spirals", g, rule(g, "Perfect"),
                "Four states, threshold 3 on the eight neighbours: the random start "
                "organises into spirals. They are square, not round.",
                cells=_cyclic_soup(4, 200, 160, 134), board=(200, 160), wrap=True,
                palette="Rainbow008"),
        Pattern(g, "Turbulent phase", g, rule(g, "Turbulent phase"),
                "Eight states on a range of two cells with threshold 5: spirals form but "
                "keep breaking up. The turbulent mixture never quite settles.",
                cells=_cyclic_soup(8, 200, 160, 258), board=(200, 160), wrap=True,
                speed=0, palette="Rainbow008"),
        Pattern(g, "Maps", g, rule(g, "Maps"),
                "Five states on the diamond of range 2, threshold 3: the random start "
                "breaks into countries whose borders ripple like the contour lines of a "
                "map. The countries keep their borders while the colours flow.",
                cells=_cyclic_soup(5, 200, 160, 235), board=(200, 160), wrap=True,
                palette="Rainbow008"),
        Pattern(g, "GH macaroni", g, rule(g, "GH Macaroni"),
                "A Greenberg-Hastings model: an excited cell always passes through all the "
                "resting states before it can be excited again. From a random start the "
                "waves break into short, curled pieces like macaroni.",
                cells=_cyclic_soup(5, 200, 160, 245), board=(200, 160), wrap=True,
                palette="Rainbow008"),
        Pattern(g, "GH broken wave", g, rule(g, "GH"),
                "A hand-made start for the Greenberg-Hastings rule GH: a straight wave "
                "front, excited cells on top of their resting tail, cut off at both ends. "
                "The front runs upwards, and its two free ends curl into a pair of spirals "
                "that turn in opposite directions.",
                cells=_broken_wave(8, 30), board=(240, 200), palette="Rainbow008"),
        Pattern(g, "GH weak spirals", g, rule(g, "GH Weak spirals"),
                "A Greenberg-Hastings rule of range 4 from a random start: only a few weak "
                "spirals survive the first generations. They slowly fill the board.",
                cells=_cyclic_soup(7, 200, 160, 497), board=(200, 160), wrap=True,
                speed=0, palette="Rainbow008"),
    ]


def _totalistic():
    g = "1-D totalistic"
    rule90 = rule(g, "Pascal's triangle")
    return [
        Pattern(g, "Pascal's triangle", g, rule90,
                "Each new row is written below the last, so the board shows the history of "
                "a row of cells. Under this rule a cell is alive when exactly one of its "
                "two neighbours was, and a single cell draws Pascal's triangle of odd "
                "numbers, the Sierpinski triangle. At generation 63 it has 729 cells.",
                rows=["1"], board=(320, 200)),
        Pattern(g, "Pascal's triangle from a random row", g, rule90,
                "The same rule from a random row on a ring of cells: the rule is additive, "
                "so the picture is the sum of the triangles of every starting cell, a "
                "tangle of triangles of every size. Compare it with the single cell.",
                cells=soup(320, 1, 50, 90), board=(320, 200), wrap=True),
        Pattern(g, "Odd neighbourhood", g, "R1,C0,M1,S1,S3,B1",
                "A cell is alive when an odd number of the three cells above it were alive: "
                "the additive rule of three cells, from a single cell. Its triangle is "
                "denser than Pascal's and grows at the same speed.",
                rows=["1"], board=(320, 200)),
        Pattern(g, "Embossed triangles", g, rule(g, "Embossed triangles"),
                "Range 2 from a random row: triangles of every size, shaded as if embossed "
                "into the paper. The row wraps round at its ends.",
                cells=soup(320, 1, 50, 2234), board=(320, 200), wrap=True),
        Pattern(g, "Class 4 particles", g, rule(g, "Class 4 a"),
                "Range 2 from a random row: a complex rule whose random start breaks into "
                "particles moving left and right through a quiet background; watch them "
                "collide. Some collisions make new particles.",
                cells=soup(320, 1, 50, 4), board=(320, 300), wrap=True, speed=10),
        Pattern(g, "Champagne", g, rule(g, "Champagne"),
                "Range 3 from a single cell: bubbles rise and spread like champagne poured "
                "into a glass. The picture stays symmetric.",
                rows=["1"], board=(320, 200)),
        Pattern(g, "The City", g, rule(g, "The City"),
                "Range 3 without the cell itself, from a random row: blocks of houses and "
                "towers grow out of the noise. The cell itself does not count.",
                cells=soup(320, 1, 50, 3003), board=(320, 200), wrap=True),
        Pattern(g, "Abacus", g, rule(g, "Abacus"),
                "Range 2 with ten states, from a random row: beads of colour slide along "
                "the wires of an abacus. Older cells have darker colours.",
                cells=soup(320, 1, 50, 10), board=(320, 200), wrap=True),
        Pattern(g, "Tulips", g, rule(g, "Tulips"),
                "Range 10 from a random row: a field of tulips, each a stalk with a flower "
                "on top. Each cell looks ten cells each way.",
                cells=soup(320, 1, 30, 1010), board=(320, 200), wrap=True),
    ]


_DAVE_SHIP = [".1.", "212", ".2.", ".2."]


def _dave():
    g = "User DLL"
    kw = dict(palette="Rainbow008")
    return [
        Pattern(g, "Dave from one cell", g, "Dave",
                "Dave is the sample rule plug-in, three states on the four orthogonal "
                "neighbours, shown in its own palette Rainbow008. A single cell in state 1 "
                "never dies and grows into a diamond with a lace of double lines inside. "
                "At generation 30 it has 1349 cells.",
                rows=["1"], board=(240, 240), **kw),
        Pattern(g, "Dave rocket", g, "Dave",
                "The rocket of Dave: a state-1 nose on a state-2 body that flies upwards "
                "at the speed of light. It travels 2 cells orthogonally every 2 "
                "generations.",
                rows=_DAVE_SHIP, board=(200, 240), **kw),
        Pattern(g, "Dave rockets collide", g, "Dave",
                "Two rockets of Dave on a collision course, one flying up and one flying "
                "down. They annihilate each other without a trace. It dies out at "
                "generation 17.",
                rows=list(reversed(_DAVE_SHIP)) + ["..."] * 30 + _DAVE_SHIP,
                board=(200, 240), **kw),
        Pattern(g, "Dave soup", g, "Dave",
                "A random square of both states under Dave. It spreads over the board as "
                "long diagonal lines of state 1 and small clusters that keep changing.",
                cells=soup(40, 40, 40, 3, states=(1, 1, 2)), board=(240, 180), **kw),
        Pattern(g, "Dave line", g, "Dave",
                "A line of 21 state-1 cells under Dave. It grows into a wide diamond.",
                rows=["1" * 21], board=(240, 240), **kw),
        Pattern(g, "Dave seed", g, "Dave",
                "A single state-1 cell beside a state-2 cell under Dave. The state-2 cell "
                "changes how the diamond grows.",
                rows=["12"], board=(240, 240), **kw),
    ]


def _traffic():
    g = "Special rules"
    standard = rule(g, "Traffic CA Standard")
    each = ("Each row of the board is the road one generation later, so cars drive to the "
            "right and time runs downwards.")
    return [
        Pattern(g, "Queues in a row", g, standard,
                "Eight platoons of six cars, bumper to bumper and evenly spaced on a ring "
                "road. " + each + " Each platoon frays from its front as its first cars "
                "pull away, and the cars that left catch up with the back of the next "
                "platoon: some platoons stand for a hundred generations and more.",
                rows=[("1" * 6 + "." * 34) * 8], board=(320, 200), wrap=True),
        Pattern(g, "Traffic jams", g, standard,
                "The same ring road with about half of the cells taken by cars. " + each +
                " Jams form out of nothing and creep backwards against the traffic as "
                "solid bands, while the cars themselves move on.",
                cells=soup(320, 1, 45, 45), board=(320, 200), wrap=True),
        Pattern(g, "Standing queue", g, standard,
                "A block of 60 cars standing bumper to bumper on an empty ring road. "
                + each + " The front cars leave one by one, so the jam dissolves from its "
                "front while its back stays put: the block turns into a fan.",
                rows=["1" * 60], board=(320, 200), wrap=True),
        Pattern(g, "Fast and slow cars", g, standard,
                "The standard rule with eight states: a car's state climbs while it keeps "
                "moving and drops while it waits, so the colours show the speed of the "
                "traffic. " + each,
                cells=soup(320, 1, 35, 8), board=(320, 200), wrap=True, states=8,
                palette="Rainbow008"),
        Pattern(g, "Rush hour", g, standard,
                "Three quarters of the ring road taken by cars. " + each + " The road is one "
                "long jam in which the gaps travel backwards, one cell a generation as the "
                "car behind each gap moves into it.",
                cells=soup(320, 1, 75, 75), board=(320, 200), wrap=True),
        Pattern(g, "Stop and go", g, "TRCA,0.3,0.3,0.2,0.1",
                "Drivers who are slow to react, on a road a third full. " + each + " Jams "
                "keep forming and dissolving, so the cars move in waves of stop and go.",
                cells=soup(320, 1, 35, 35), board=(320, 200), wrap=True),
        Pattern(g, "Timid drivers", g, "TRCA,0.5,0.5,0.05,0.05",
                "Drivers who hesitate half of the time even on a free road and rarely start "
                "from a standstill. " + each + " Long jams form even at a low density.",
                cells=soup(320, 1, 25, 25), board=(320, 200), wrap=True),
    ]


def patterns():
    return _cyclic() + _totalistic() + _dave() + _traffic()
