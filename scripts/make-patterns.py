#!/usr/bin/env python3
"""Writes the pattern library data/Patterns/ from the game modules in scripts/patterns/.

Each module listed in MODULES defines patterns(), a list of plx.Pattern (see plx.py for the
file layout and the phrasing of the facts the library test checks). The files of every game
folder a module fills are removed first, so a pattern dropped from a module disappears; the
folders of games no module fills are left alone. The output is deterministic.

    python3 scripts/make-patterns.py [output folder]
"""

import importlib
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "patterns"))

import plx  # noqa: E402

# One line per game module of scripts/patterns/.
MODULES = [
    "life",
    "families",
]


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "data", "Patterns")
    patterns = [p for name in MODULES for p in importlib.import_module(name).patterns()]
    paths = [p.path(root) for p in patterns]
    doubles = sorted({p for p in paths if paths.count(p) > 1})
    if doubles:
        sys.exit("make-patterns: more than one pattern writes " + ", ".join(doubles))
    # A description says in two to six sentences what the pattern is and what it does.
    wordy = [p.name for p in patterns
             if not 2 <= len(re.findall(r"[.!?](?=\s|$)", p.description.strip())) <= 6]
    if wordy:
        sys.exit("make-patterns: not two to six sentences: " + ", ".join(wordy))
    for game in sorted({p.game for p in patterns}):
        folder = os.path.join(root, game)
        for top, _, files in os.walk(folder):
            for f in files:
                if f.lower().endswith(".plx"):
                    os.remove(os.path.join(top, f))
    for p in patterns:
        plx.write(p, root)
    print("make-patterns: %d patterns in %s" % (len(patterns), os.path.normpath(root)))


if __name__ == "__main__":
    main()
