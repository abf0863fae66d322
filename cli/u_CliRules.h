#pragma once
// plexa-cli --list-rules: the rule library as the program builds it at start.

#include <ostream>
#include <string>

class THost;

// Prints "<game name>\t<entry name>\t<kind>\t<rule text>" per entry, games 1..9 in catalogue
// order and entries in library order, with the user rule libraries and the user rules found
// in `programFolder`.
void ListRules(THost& host, const std::string& programFolder, std::ostream& out);
