"""The Life game's patterns: data/Patterns/Life/ and its subfolders."""

from plx import Pattern

CONWAY = "23/3"


def _spaceships():
    folder = "Life/Spaceships"
    return [
        Pattern(folder, "Glider", "Life", CONWAY,
                "The smallest spaceship of Conway's Life, five cells that glide across the "
                "board. Watch it flip and shift through four phases. "
                "It travels 1 cell diagonally every 4 generations (c/4).",
                rows=[".*.", "..*", "***"], board=(200, 200)),
    ]


def patterns():
    return _spaceships()
