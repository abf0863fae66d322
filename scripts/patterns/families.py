"""The sample patterns of the games beyond Life: Generations, Weighted Life, Vote for Life,
Rules table and, from families_more.py, Cyclic CA, 1-D totalistic, User DLL and Special rules.

Spaceships and oscillators were found by running small random starts under each rule and
keeping what moved or repeated; soups are reproducible random fields with a fixed seed. Every
fact stated in a description was measured with plexa-cli and is checked again by the core test
that walks the library.
"""

import math
import random

import families_more
from library import rule
from plx import Pattern, soup

# Picture rows with letters "A".."X" for the states 1..24, as the native format writes them.
LETTERS = {chr(64 + s): s for s in range(1, 25)}


def _disc_soup(radius, percent, seed):
    """A random field cut to a disc around (0, 0)."""
    return [c for c in soup(2 * radius + 1, 2 * radius + 1, percent, seed, left=-radius,
                            top=-radius) if math.hypot(c[0], c[1]) <= radius]


def _noisy_square(side, rim, seed):
    """A full square whose outer `rim` cells are live only at random."""
    rng = random.Random(seed)
    return [(x, y) for y in range(side) for x in range(side)
            if rim <= min(x, y, side - 1 - x, side - 1 - y) or rng.random() < 0.5]


def _generations():
    g = "Generations"
    brain = rule(g, "Brian's Brain")
    return [
        Pattern(g, "Brian's Brain spaceship", g, brain,
                "The commonest spaceship of Brian's Brain: two firing cells (yellow) pulled "
                "along by the two refractory cells behind them. A firing cell fires only once "
                "and must rest, so everything in this rule moves. "
                "It travels 1 cell orthogonally every 1 generation.",
                rows=["22", "11"], board=(200, 200)),
        Pattern(g, "Brian's Brain diagonal ship", g, brain,
                "A slower ship of Brian's Brain that flies diagonally, up and to the left, "
                "like a glider of Life. It travels 1 cell diagonally every 4 generations.",
                rows=["..1.", ".212", "1...", ".2.."], board=(200, 200)),
        Pattern(g, "Brian's Brain soup", g, brain,
                "A random square under Brian's Brain on a wrapped board. It boils over at "
                "once and never calms down; watch the debris organise into ships that fly "
                "off in the four directions, and rakes that leave trails behind them.",
                cells=soup(40, 40, 35, 1302), board=(240, 180), wrap=True, speed=10,
                palette="Standard"),
        Pattern(g, "Star Wars fighter", g, rule(g, "Star Wars"),
                "The small fighter of Star Wars: a firing row followed by two rows of its "
                "fading trail. In a soup of this rule such fighters shoot out of the "
                "battlefield while slow walls of survivors hold their ground. "
                "It travels 1 cell orthogonally every 1 generation.",
                rows=["33", "22", "11"], board=(200, 200)),
        Pattern(g, "Star Wars battle", g, rule(g, "Star Wars"),
                "A random square under Star Wars on a wrapped board. Survivors with three to "
                "five firing neighbours build stable walls, while fighters and larger ships "
                "break out and fly across the board.",
                cells=soup(60, 60, 40, 4211), board=(240, 180), wrap=True, speed=10,
                palette="Standard"),
        Pattern(g, "Frog", g, rule(g, "Frogs"),
                "A frog of the Frogs rule hops upwards: it changes shape in every generation "
                "and comes back whole five generations later, one cell higher. "
                "It travels 1 cell orthogonally every 5 generations.",
                rows=["1..1", "1..1", ".11."], board=(200, 200)),
        Pattern(g, "Swirl ship", g, rule(g, "Swirl"),
                "A large ship of Swirl, eight states deep: it swirls through a cycle of "
                "twelve shapes while sliding to the left, fading in orange and red behind. "
                "It travels 6 cells orthogonally every 12 generations.",
                rows=["..111..", "..1142.", "1144.3.", "1246...", "12166.5", ".113364",
                      "...132.", "....1.."], board=(240, 160)),
        Pattern(g, "Chenille crawler", g, rule(g, "Chenille"),
                "A crawler of Chenille: five cells that creep downwards at half the speed of "
                "light while the fading states trail behind them. "
                "It travels 1 cell orthogonally every 2 generations.",
                rows=["4.4", "242", "121"], board=(200, 200)),
        Pattern(g, "Fireworks", g, rule(g, "Fireworks"),
                "A single cell under Fireworks, a rule of 21 states. It bursts into a square "
                "of sparks that grows by one cell each way in every generation, every spark "
                "fading slowly through the 19 dying states.",
                rows=["1"], board=(320, 320), palette="Fire024"),
        Pattern(g, "Faders", g, rule(g, "Faders"),
                "A sparse random field under Faders: firing cells survive only with exactly "
                "two firing neighbours and die slowly through 23 fading states. The "
                "sparks leave long glowing trails as they spread.",
                cells=soup(30, 30, 20, 77), board=(240, 180), wrap=True, palette="Fire024"),
        Pattern(g, "BelZhab waves", g, rule(g, "BelZhab"),
                "A random square under BelZhab, named after the Belousov-Zhabotinsky "
                "reaction. Waves of firing cells with their fading backs spread out, collide "
                "and annihilate, and curl into spirals where a wave is broken.",
                cells=soup(50, 50, 30, 5150), board=(240, 180), wrap=True, palette="Standard"),
    ]


def _weighted_life():
    g = "Weighted Life"
    parity = rule(g, "Parity")
    frost_m = rule(g, "Frost M")
    frost_n = rule(g, "Frost N")
    return [
        Pattern(g, "Parity replicator", g, parity,
                "Under Parity a cell is alive exactly when an odd number of itself and its "
                "four orthogonal neighbours are alive. That rule is linear, so any start "
                "comes back as five copies of itself: this letter P is five letters at "
                "generation 16, and five again, farther apart, at generation 64. At "
                "generation 16 it has 50 cells.",
                rows=["111", "1.1", "111", "1..", "1.."], board=(260, 260)),
        Pattern(g, "Frost M", g, frost_m,
                "A single cell under Frost M: an empty cell freezes when exactly one of its "
                "eight neighbours is alive, and every frozen cell then melts through 23 "
                "fading states. The frost grows as a square with a fern-like structure "
                "inside. At generation 100 it has 18800 cells.",
                rows=["1"], board=(320, 320), palette="Fire024"),
        Pattern(g, "Frost N", g, frost_n,
                "The same freezing rule as Frost M on the four orthogonal neighbours only: "
                "the frost grows as a diamond of thin, branching crystals. "
                "At generation 100 it has 4560 cells.",
                rows=["1"], board=(320, 320), palette="Fire024"),
        Pattern(g, "Career", g, rule(g, "Career"),
                "Conway's Life with the cell above counting twice. The rule is no longer "
                "symmetric, so a random field does not settle as Life does. Its debris "
                "spreads up and down much faster than sideways.",
                cells=soup(60, 60, 35, 2718), board=(240, 180), wrap=True),
        Pattern(g, "Midges", g, rule(g, "Midges"),
                "A random square under Midges, with weights 1 on the corners, 2 on the sides "
                "and 3 on the cell itself and four states: swarms of small flickering "
                "midges form. They wander over the board and never settle.",
                cells=soup(60, 60, 30, 31), board=(240, 180), wrap=True),
        Pattern(g, "Madness", g, rule(g, "Madness"),
                "A random square under Madness, weights 2 on the corners and 3 on the "
                "sides. It boils into a chaos that spreads over the whole board.",
                cells=soup(40, 40, 40, 909), board=(240, 180), wrap=True),
        Pattern(g, "Pictures", g, rule(g, "Pictures"),
                "A random square under Pictures, on the four orthogonal neighbours: it "
                "grows at once into a picture of short walls. The picture never quite "
                "freezes: a few walls keep flickering.",
                cells=soup(80, 60, 40, 1234), board=(240, 180)),
    ]


def _vote_for_life():
    g = "Vote for Life"
    return [
        Pattern(g, "Annealing", g, rule(g, "Vote 4/5"),
                "Vote 4/5, the annealing rule: a cell is alive when at least 5 of the 9 "
                "cells of its block are, except that 4 and 5 swap their verdicts. The swap "
                "wears down every corner, so the random field slowly anneals into large, "
                "smooth-edged regions that keep growing and merging.",
                cells=soup(200, 160, 50, 4679), board=(200, 160), wrap=True, speed=10),
        Pattern(g, "Majority vote", g, rule(g, "Vote"),
                "Plain majority: a cell is alive when at least 5 of the 9 cells of its "
                "block are alive. The random field freezes within a few generations into "
                "blotches with ragged edges. It settles at generation 23 with 15892 "
                "cells.",
                cells=soup(200, 160, 50, 5678), board=(200, 160), wrap=True, speed=50),
        Pattern(g, "Fredkin replicator", g, rule(g, "Fredkin"),
                "Fredkin's rule: a cell is alive when an odd number of the 9 cells of its "
                "block are. The rule is linear, so every start comes back as nine copies of "
                "itself: this small glider shape is nine gliders at generation 8, and nine "
                "again, farther apart, at generation 64. At generation 8 it has 45 cells.",
                rows=[".1.", "..1", "111"], board=(260, 260)),
        Pattern(g, "Feux", g, rule(g, "Feux"),
                "A small cross under Feux: it burns outwards in a square, leaving a "
                "flickering carpet behind. Feux is French for fires.",
                rows=[".1.", "111", ".1."], board=(240, 240)),
        Pattern(g, "Annealing island", g, rule(g, "Vote 4/5"),
                "A random disc on an empty board under the annealing rule: the holes and "
                "the ragged edge heal. The island rounds itself off.",
                cells=_disc_soup(45, 55, 4545), board=(200, 160)),
        Pattern(g, "Vote on a square", g, rule(g, "Vote"),
                "A square with a noisy rim under the majority vote: the noise is voted "
                "away. The square is left with slightly rounded corners. It settles at "
                "generation 9 with 2871 cells.",
                cells=_noisy_square(60, 6, 60), board=(160, 160)),
    ]


def _rules_table():
    g = "Rules table"
    return [
        Pattern(g, "Conway's Life glider", g, rule(g, "Conway's Life"),
                "Conway's Life written as a table: a dead cell with 3 live neighbours gets "
                "state 1, a live cell with 2 or 3 keeps it. The glider flies as in Life. "
                "It travels 1 cell diagonally every 4 generations.",
                rows=["111", "..1", ".1."], board=(200, 200)),
        Pattern(g, "Cars", g, rule(g, "Cars"),
                "A car of the Cars table, sixteen states, driving to the right: the bright "
                "front and the colour bands behind it are its body, not a trail. "
                "It travels 1 cell orthogonally every 1 generation.",
                rows=["NLJHFDB", "....DBO", "....DBO", "NLJHFDB"], legend=LETTERS,
                board=(240, 160)),
        Pattern(g, "Car crash", g, rule(g, "Cars"),
                "Two cars of the Cars table on a collision course. Watch what is left when "
                "they meet head on: the wreck flares up and burns out. It dies out at "
                "generation 152.",
                rows=["NLJHFDB" + "." * 40 + "BDFHJLN",
                      "....DBO" + "." * 40 + "OBD....",
                      "....DBO" + "." * 40 + "OBD....",
                      "NLJHFDB" + "." * 40 + "BDFHJLN"], legend=LETTERS, board=(240, 160)),
        Pattern(g, "Fire stick", g, rule(g, "Fire sticks"),
                "A burning stick of the Fire sticks table, a two-cell-high flame that runs "
                "to the right in one colour band after another. "
                "It travels 1 cell orthogonally every 1 generation.",
                rows=["BHFDJNLLO", "BHFDJNLLO"], legend=LETTERS, board=(240, 160)),
        Pattern(g, "Crawler", g, rule(g, "Crawlers"),
                "The smallest crawler of the Crawlers table: seven cells that creep upwards, "
                "changing shape in each of three generations. "
                "It travels 1 cell orthogonally every 3 generations.",
                rows=["NNCNN", ".....", "..C..", "..B.."], legend=LETTERS, board=(200, 200)),
        Pattern(g, "Ladder climber", g, rule(g, "Ladders"),
                "A ship of the Ladders table that climbs upwards through eight shapes. "
                "It travels 8 cells orthogonally every 8 generations.",
                rows=["FEEF.", "D..D.", ".EE..", ".....", "DEED.", "D..D.", "F..E.", "..HF.",
                      ".FFF.", "H...H"], legend=LETTERS, board=(200, 240)),
        Pattern(g, "EcoLiBra glider", g, rule(g, "EcoLiBra"),
                "A small glider of the EcoLiBra table that flies diagonally up and to the "
                "left. It travels 1 cell diagonally every 4 generations.",
                rows=["..G.", ".L.L", "GG..", ".L.."], legend=LETTERS, board=(200, 200)),
        Pattern(g, "Strangers", g, rule(g, "Strangers"),
                "A stranger of the Strangers table, a twenty-cell ship in ten states that "
                "rushes upwards. It travels 1 cell orthogonally every 1 generation.",
                rows=[".DAAD.", "......", "DAIIAD", ".E..E.", "D.DD.D", "C.CC.C"],
                legend=LETTERS, board=(200, 240)),
        Pattern(g, "Balloons", g, rule(g, "Balloons"),
                "A random square under the Balloons table: rings inflate like balloons, "
                "burst. Their fragments inflate again until the board is full.",
                cells=soup(20, 20, 30, 1616, states=(1, 2, 15)), board=(240, 180),
                wrap=True, palette="Contrast024"),
    ]


def patterns():
    return (_generations() + _weighted_life() + _vote_for_life() + _rules_table() +
            families_more.patterns())
