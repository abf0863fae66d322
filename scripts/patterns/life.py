"""The Life game's patterns: data/Patterns/Life/ and its subfolders.

Conway's Life classics in their own folders, and in "Other rules" patterns for the Life-like
rules of the built-in library. Cells are picture rows ("*" live, "." dead), one text with the
rows separated by blanks.
"""

from plx import Pattern, cells_of_rle, cells_of_rows, shift, soup

CONWAY = "23/3"


def _cells(rows):
    return cells_of_rows(rows.split())


def _life(folder, name, cells, description, rule=CONWAY, **settings):
    """A Life pattern; `cells` is a picture text or a list of cells."""
    if isinstance(cells, str):
        cells = _cells(cells)
    settings.setdefault("board", (300, 200))
    return Pattern("Life/" + folder, name, "Life", rule, description, cells=cells, **settings)


GLIDER = ".*. ..* ***"
LWSS = ".*..* *.... *...* ****."
MWSS = "...*.. .*...* *..... *....* *****."
HWSS = "...**.. .*....* *...... *.....* ******."
GOSPER_GUN = (
    "........................*........... ......................*.*..........."
    " ............**......**............** ...........*...*....**............**"
    " **........*.....*...**.............. **........*...*.**....*.*..........."
    " ..........*.....*.......*........... ...........*...*...................."
    " ............**......................")
EATER = "**.. *.*. ..*. ..**"


def _spaceships():
    def ship(name, cells, description, speed=50):
        return _life("Spaceships", name, cells, description, wrap=True, speed=speed)

    flotilla = []
    for i, rows in enumerate((LWSS, MWSS, HWSS)):
        flotilla += shift(_cells(rows), 0, 10 * i)
    fleet = []
    for dx, dy in ((0, 0), (9, 0), (0, 9), (9, 9)):
        fleet += shift(_cells(GLIDER), dx, dy)
    return [
        ship("Glider", GLIDER,
             "The smallest spaceship of Conway's Life: five cells that glide across the board "
             "through four phases, two of them mirror images of the other two. On this "
             "wrapping board it flies around for ever. It travels 1 cell diagonally every 4 "
             "generations (c/4)."),
        ship("Lightweight spaceship", LWSS,
             "The lightweight spaceship (LWSS), the smallest orthogonal spaceship, found by "
             "John Conway in 1970. Watch the sparks at its back while it flies. It travels 2 "
             "cells orthogonally every 4 generations (c/2), the top speed of a Life "
             "spaceship."),
        ship("Middleweight spaceship", MWSS,
             "The middleweight spaceship (MWSS), one cell longer than the lightweight one. "
             "It travels 2 cells orthogonally every 4 generations (c/2)."),
        ship("Heavyweight spaceship", HWSS,
             "The heavyweight spaceship (HWSS), the longest of the three classic ships: a "
             "longer one of the same kind breaks apart. It travels 2 cells orthogonally every "
             "4 generations (c/2)."),
        ship("Flotilla", flotilla,
             "A lightweight, a middleweight and a heavyweight spaceship flying side by side, "
             "far enough apart not to touch. They keep formation because all three share one "
             "speed. It travels 2 cells orthogonally every 4 generations (c/2)."),
        ship("Glider fleet", fleet,
             "Four gliders in a square formation, all flying the same way. Each glider's "
             "cells repeat every four generations, and so does the whole fleet. It travels 1 "
             "cell diagonally every 4 generations (c/4)."),
        ship("Copperhead", ".**..**. ...**... ...**... *.*..*.* *......* ........ *......* "
             ".**..**. ..****.. ........ ...**... ...**...",
             "The copperhead, found only in 2016: a small and very slow spaceship that "
             "puffs out and pulls in its sides as it moves. It travels 1 cell orthogonally "
             "every 10 generations (c/10).",
             speed=20),
        ship("Loafer", ".**..*.** *..*..**. .*.*..... ..*...... ........* ......*** "
             ".....*... ......*.. .......**",
             "The loafer, found in 2013, crawls along at a seventh of the speed of light. "
             "It travels 1 cell orthogonally every 7 generations (c/7).", speed=20),
    ]


def _oscillators():
    def osc(name, cells, description, speed=100):
        return _life("Oscillators", name, cells, description, speed=speed)

    return [
        osc("Blinker", "***",
            "The smallest and most common oscillator: a row of three cells that turns into a "
            "column and back. Period 2."),
        osc("Toad", ".*** ***.",
            "Two offset rows of three cells that push out and pull in again. It is the second "
            "most common oscillator of random starts. Period 2."),
        osc("Beacon", "**.. **.. ..** ..**",
            "Two blocks touching at a corner; the two inner corner cells blink on and off. "
            "Period 2."),
        osc("Clock", "..*. *.*. .*.* .*..",
            "A small oscillator whose middle turns like the hand of a clock. Period 2."),
        osc("Pulsar", "..***...***.. ............. *....*.*....* *....*.*....* "
            "*....*.*....* ..***...***.. ............. ..***...***.. *....*.*....* "
            "*....*.*....* *....*.*....* ............. ..***...***..",
            "The pulsar, the most common oscillator of period 3, with a four-fold symmetry. "
            "Its population pulses between 48, 56 and 72 cells. Period 3."),
        osc("Pinwheel", "......**.... ......**.... ............ ....****.... **.*....*... "
            "**.*..*.*... ...*...**.** ...*.*..*.** ....****.... ............ ....**...... "
            "....**......",
            "Four blocks hold a ring in place while the cells in its middle turn round like a "
            "pinwheel. Period 4."),
        osc("Octagon 2", "...**... ..*..*.. .*....*. *......* *......* .*....*. ..*..*.. "
            "...**...",
            "An octagonal ring of sixteen cells that folds in and out. Period 5."),
        osc("Figure eight", "***... ***... ***... ...*** ...*** ...***",
            "Two squares of nine cells touching at a corner; watch the phases in which "
            "the pair looks like the figure 8. Period 8."),
        osc("Kok's galaxy", "******.** ******.** .......** **.....** **.....** **.....** "
            "**....... **.****** **.******",
            "Four arms around a hole in the middle spin like a galaxy, found by Jan Kok in "
            "1971. Period 8."),
        osc("Tumbler", ".**.**. .**.**. ..*.*.. *.*.*.* *.*.*.* **...**",
            "Two halves that tumble over each other and swap sides, then tumble back: half "
            "way through the period the pattern is its own mirror image. Period 14."),
        osc("Pentadecathlon", "..*....*.. **.****.** ..*....*..",
            "The pentadecathlon: a row of cells that grows and shrinks through fifteen "
            "phases, one of the classic oscillators of 1970. Period 15."),
        osc("Ten cells in a row", "**********",
            "A row of ten cells that becomes the pentadecathlon after a few generations, so "
            "its population repeats every fifteen generations. It settles at generation 2 "
            "with 18 cells."),
        osc("Queen bee shuttle", ".........*............ .......*.*............ "
            "......*.*............. **...*..*...........** **....*.*...........** "
            ".......*.*............ .........*............",
            "The queen bee shuttles between two blocks: each block eats the debris she leaves "
            "when she turns. Two of these shuttles make the glider gun. Period 30.", speed=50),
    ]


def _still_lifes():
    def still(name, cells, description):
        return _life("Still lifes", name, cells, description + " It is a still life.",
                     board=(200, 160), speed=200)

    return [
        still("Block", "** **",
              "Four cells in a square, the most common still life: every cell has three "
              "neighbours."),
        still("Beehive", ".**. *..* .**.",
              "Six cells in a hexagon, the second most common still life."),
        still("Loaf", ".**. *..* .*.* ..*.",
              "Seven cells shaped like a loaf of bread."),
        still("Boat", "**. *.* .*.",
              "Five cells, the only still life of that size."),
        still("Ship", "**. *.* .**",
              "The boat with one more cell at its stern."),
        still("Tub", ".*. *.* .*.",
              "Four cells around an empty middle."),
        still("Pond", ".**. *..* *..* .**.",
              "Eight cells around a two by two hole."),
        still("Snake", "**.* *.**",
              "Six cells in a zigzag."),
        still("Barge", ".*.. *.*. .*.* ..*.",
              "A tub stretched along a diagonal."),
        still("Long boat", ".*.. *.*. .*.* ..**",
              "A boat with a longer hull."),
        still("Aircraft carrier", "**.. *..* ..**",
              "Two hooks joined back to back."),
        still("Eater", EATER,
              "Also called the fishhook. It eats a glider that hits it the right way and "
              "repairs itself within four generations; see the gun and eater among the guns."),
    ]


def _guns():
    gun = _cells(GOSPER_GUN)
    gun_and_eater = gun + shift(_cells(EATER), 52, 38)
    return [
        _life("Guns", "Gosper glider gun", gun,
              "The first gun ever found, by Bill Gosper in 1970: two queen bee shuttles "
              "between blocks, whose collisions send off a stream of gliders. It proved that a "
              "pattern can grow without bound. It emits a glider every 30 generations.",
              board=(400, 300), speed=20),
        _life("Guns", "Simkin glider gun",
              cells_of_rle("2o5b2o$2o5b2o2$4b2o$4b2o5$22b2ob2o$21bo5bo$21bo6bo2b2o$"
                           "21b3o3bo3b2o$26bo4$20b2o$20bo$21b3o$23bo!"),
              "A gun found by Michael Simkin in 2015, four times slower than Gosper's. Watch "
              "the reaction in its middle run through its long cycle between the blocks. "
              "It emits a glider every 120 generations.", board=(500, 400), speed=10),
        _life("Guns", "Gun and eater", gun_and_eater,
              "The glider gun with an eater placed across its stream: each glider flies a few "
              "cells and is eaten, and the eater repairs itself in time for the next one. "
              "Watch the eater flicker every thirty generations. It settles at generation 107 "
              "with 69 cells.", speed=20),
    ]


def _methuselahs():
    def meth(name, cells, description, board=(800, 800)):
        return _life("Methuselahs", name, cells, description, board=board, speed=0)

    return [
        meth("R-pentomino", ".** **. .*.",
             "Five cells, found by John Conway in 1970, that take more than a thousand "
             "generations to calm down, throwing off six gliders on the way. It settles at "
             "generation 1103 with 116 cells."),
        meth("Acorn", ".*..... ...*... **..***",
             "Seven cells found by Charles Corderman that grow into a large field of debris "
             "with thirteen escaping gliders. On an endless plane its last reaction ends "
             "at generation 5206. At generation 5206 it has 633 cells; soon after, its "
             "gliders reach the edge of this board, the tallest the program allows.",
             board=(3000, 2500)),
        meth("Diehard", "......*. **...... .*...***",
             "Seven cells that vanish completely after a long life, believed to be the "
             "longest for so few cells that die. It dies out at generation 130."),
        meth("B-heptomino", "*.** ***. .*..",
             "A very common seven-cell shape that often turns up in the middle of larger "
             "reactions. It settles at generation 148 with 28 cells."),
        meth("Pi-heptomino", "*** *.* *.*",
             "Seven cells shaped like the letter pi that grow into a symmetric display. "
             "It settles at generation 173 with 55 cells."),
        meth("Herschel", "*.. *** *.* ..*",
             "Seven cells named after William Herschel, for their likeness to the symbol of "
             "the planet he found; many guns move and turn herschels. It settles at "
             "generation 128 with 24 cells."),
        meth("T-tetromino", "*** .*.",
             "Four cells that become four blinkers known as the traffic light. It settles at "
             "generation 9 with 12 cells."),
        meth("Thunderbird", "*** ... .*. .*. .*.",
             "A row of three above a column of three grows into a symmetric pattern before "
             "it comes to rest. At generation 250 it has 46 cells."),
    ]


def _puffers():
    def grow(name, cells, description, board=(1000, 1000)):
        return _life("Puffers and breeders", name, cells, description, board=board, speed=0)

    return [
        grow("Block-laying switch engine", "......*. ....*.** ....*.*. ....*... ..*..... *.*.....",
             "The smallest pattern known to grow for ever: ten cells that become a switch "
             "engine, a puffer that moves diagonally and leaves a trail of blocks. "
             "Its population grows by 32 cells every 288 generations."),
        grow("Five by five growth", "***.* *.... ...** .**.* *.*.*",
             "A five by five square that also becomes a block-laying switch engine after its "
             "first debris settles. At generation 1000 it has 203 cells."),
        grow("One cell high growth", "********.*****...***......*******.*****",
             "Twenty-eight live cells in one row that grow for ever: the row breaks up into two "
             "block-laying switch engines flying apart. At generation 1000 it has 536 cells."),
        grow("Space rake", "...........**.....**** .........**.**...*...* .........****........* "
             "..........**.....*..*. ...................... ........*............. "
             ".......**........**... ......*.........*..*.. .......*****....*..*.. "
             "........****...**.**.. ...........*....**.... ...................... "
             "...................... ...................... ..................**** "
             "*..*.............*...* ....*................* *...*............*..*. "
             ".****.................",
             "A rake: a puffer escorted by two lightweight spaceships that moves at half the "
             "speed of light and leaves a stream of gliders behind. It emits a glider every "
             "20 generations.", board=(600, 400)),
    ]


def _other_rules():
    def other(name, rule, cells, description, board=(300, 200), **settings):
        settings.setdefault("speed", 50)
        return _life("Other rules", name, cells, description, rule=rule, board=board,
                     **settings)

    def field(seed, size=60, percent=35):
        return shift(soup(size, size, percent, seed), -size // 2, -size // 2)

    # Day & Night treats live and dead alike: a live sea with holes shaped as an oscillator
    # oscillates the same way.
    sea_size = 100
    holes = {(x + 48, y + 48) for x, y, _ in _cells(".*... ****. .*.*. .**** ...*.")}
    sea = [(x, y) for y in range(sea_size) for x in range(sea_size) if (x, y) not in holes]
    return [
        other("HighLife replicator", "23/36", "..*** .*..* *...* *..*. ***..",
              "HighLife's replicator: twelve cells that make two copies of themselves every "
              "twelve generations, the copies making copies in turn, while the ones that meet "
              "destroy each other. Watch the copies spread along a diagonal; now and then only "
              "the two outermost are left. At generation 12 it has 24 cells. At generation "
              "96 it has 24 cells.",
              board=(400, 400)),
        other("Life without death", "012345678/3", ".** **. .*.",
              "The R-pentomino under Flakes, where no cell ever dies: it grows into a lacy "
              "crystal that never shrinks. At generation 200 it has 5972 cells.",
              board=(400, 400), speed=20),
        other("Seeds spaceship", "/2", "*.. ..* ..* *..",
              "In Seeds no cell survives, yet these four cells rebuild themselves one cell "
              "further every generation: a spaceship at the speed of light. It travels 1 cell "
              "orthogonally every 1 generation (c).", wrap=True, speed=100),
        other("Seeds explosion", "/2", "** .*",
              "Three cells in an L under Seeds: the sparks they give off give off more "
              "sparks, and the pattern fills the board. At generation 40 it has 516 cells.",
              speed=50),
        other("Serviette", "/234", "**",
              "Two cells under Serviettes, where no cell survives and a cell is born with two "
              "to four neighbours: the growth keeps a folded, napkin-like symmetry. "
              "At generation 60 it has 1416 cells.", board=(300, 300)),
        other("Gnarl", "1/1", "*",
              "One cell under Gnarl, where a cell lives on and is born with exactly one "
              "neighbour: it grows into a square of tangled grain. At generation 100 it has "
              "64 cells.", board=(300, 300)),
        other("Maze", "12345/3", field(1),
              "A random field under Maze: births as in Conway's Life but survival with one "
              "to five neighbours, so the cells build long walls and corridors. "
              "At generation 200 it has 14474 cells.", speed=20),
        other("2x2 spaceship", "125/36", "...* *..* .*.* .... .*..",
              "A small spaceship of the 2x2 rule. It travels 1 cell diagonally every 8 "
              "generations (c/8).", wrap=True),
        other("2x2 oscillator", "125/36", ".**.**. *.....* ******* *.....* .**.**.",
              "An oscillator of the 2x2 rule, which often keeps patterns built of two by two "
              "blocks. Period 10.", speed=100),
        other("Replicator", "1357/1357", ".**. *..* *.*. .*..",
              "Fredkin's parity rule on the eight neighbours copies every pattern: after 4, "
              "8, 16 ... generations eight copies of the start stand around an empty middle. "
              "At generation 16 it has 56 cells.", board=(300, 300), speed=200),
        other("Amoeba", "1358/357", field(2),
              "A random field under Amoeba: it settles into large blobs whose borders hold "
              "while their insides boil. At generation 300 it has 1229 cells.", speed=20),
        other("Amoeba oscillator", "1358/357", "*... *.** *.** *.** *...",
              "A small oscillator of Amoeba found in its soups. Period 16.", speed=100),
        other("Stains", "235678/3678", field(3),
              "A random field under Stains: the patterns grow for a while and dry into ink "
              "stains. At generation 200 it has 5836 cells.", speed=20),
        other("Coagulations", "235678/378", field(4, 40, 40),
              "A random field under Coagulations: the mass grows slowly outward and keeps "
              "coagulating at its rim. At generation 200 it has 5286 cells.", speed=20),
        other("Pseudo life oscillator", "238/357", ".**.**. *.....* .**.**.",
              "An oscillator of Pseudo life, a rule that looks like Conway's Life but breaks "
              "most of its patterns. Period 8.", speed=100),
        other("Move spaceship", "245/368", "..*. .*.* *... .*..",
              "A five-cell spaceship of Move (also called Morley), a rule known for its many "
              "small spaceships. It travels 1 cell diagonally every 7 generations (c/7).",
              wrap=True),
        other("34 Life spaceship", "34/34", "*. ** ** *.",
              "A six-cell spaceship of 34 Life, where a cell survives and is born with three or "
              "four neighbours. It travels 1 cell orthogonally every 3 generations (c/3).",
              wrap=True),
        other("Day & Night oscillator", "34678/3678", ".*... ****. .*.*. .**** ...*.",
              "An oscillator of Day & Night found in its soups. Period 13.", speed=100),
        other("Day & Night holes", "34678/3678", sea,
              "Day & Night treats live and dead cells alike, so a sea of live cells with "
              "holes shaped like its oscillator oscillates the same way. The board wraps, so "
              "the sea has no edge. Period 13.", board=(100, 100), wrap=True, speed=100),
        other("Assimilation", "4567/345", field(7, 30, 40),
              "A small random field under Assimilation grows into diamonds that take in the "
              "cells around them and come to rest. At generation 100 it has 1206 cells.",
              board=(300, 300)),
        other("Coral", "45678/3", field(5),
              "A random field under Coral: births as in Conway's Life, survival only with "
              "four or more neighbours, so the cells grow slowly into dense coral. "
              "At generation 300 it has 3033 cells.", speed=20),
        other("Long life oscillator", "5/345", "..*.*.. *...*.. *.....* *...*.. ..*.*..",
              "An oscillator of Long life, where a cell survives only with exactly five "
              "neighbours. Period 6.", speed=100),
        other("Diamoeba", "5678/35678", field(6, 50, 50),
              "A random field under Diamoeba: it gathers into a diamond-shaped blob whose "
              "edges keep moving. At generation 300 it has 827 cells.", speed=20),
    ]


def patterns():
    return (_spaceships() + _oscillators() + _still_lifes() + _guns() + _methuselahs() +
            _puffers() + _other_rules())
