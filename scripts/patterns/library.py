"""The built-in rules of the program, read from rules/u_RuleLibrary.cpp so that the sample
patterns run exactly the rules the library lists, by the names the user sees."""

import os
import re

_SOURCE = os.path.join(os.path.dirname(__file__), "..", "..", "rules", "u_RuleLibrary.cpp")
_GAMES = {"gmLife": "Life", "gmGenerations": "Generations", "gmWeightedLife": "Weighted Life",
          "gmVoteForLife": "Vote for Life", "gmRulesTable": "Rules table",
          "gmCyclic": "Cyclic CA", "gm1DTotalistic": "1-D totalistic",
          "gmSpecial": "Special rules"}
# An entry's start: game, name and kind, then the rule as one or more adjacent literals.
_ENTRY = re.compile(r'\{(gm\w+),\s*"((?:[^"\\]|\\.)*)",\s*"[^"]*",\s*((?:"[^"]*"\s*)+),')
_rules = None


def rule(game, name):
    """The rule text of the built-in entry `name` of `game`; an unknown name is an error."""
    global _rules
    if _rules is None:
        with open(_SOURCE, encoding="utf-8") as f:
            text = f.read()
        _rules = {(_GAMES[m.group(1)], m.group(2).replace('\\"', '"')):
                  "".join(re.findall(r'"([^"]*)"', m.group(3)))
                  for m in _ENTRY.finditer(text) if m.group(1) in _GAMES}
    try:
        return _rules[(game, name)]
    except KeyError:
        raise KeyError("no built-in rule %r of %s" % (name, game)) from None
