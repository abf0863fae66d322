#pragma once
// Lenient text helpers shared by every rule text and pattern format. Positions are 1-based,
// as in the rule texts' own definitions; position 0 means "not found".

#include <cstdint>
#include <string>
#include <string_view>

// Empty or unreadable text (also a number outside the int32 range) reads as 0.
// Leading blanks and a sign are allowed.
int32_t SafeInt(std::string_view text);

// Empty or unreadable text reads as 0; "," is read as "."; never depends on the locale.
double SafeReal(std::string_view text);

// Shortest general form with up to 15 significant digits, "." as the decimal point.
std::string RealToText(double value);

// Searches `key` (case-sensitive) in `text` from position `pos`; on success returns the text
// from the match up to the next `separator` and sets `pos` to the match position, otherwise
// returns "" and sets `pos` to 0. A key thus also matches inside another token.
std::string KeyedToken(std::string_view text, std::string_view key, int& pos, char separator);

// From position `pos`, skips characters found in `separators`, then takes the characters up to
// the next separator or the end; `pos` becomes the position after the field.
std::string ExtractField(std::string_view text, int& pos, std::string_view separators);

bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool ContainsNoCase(std::string_view text, std::string_view part);
std::string UpperCase(std::string_view text);

// Without leading and trailing blanks and control characters.
std::string_view Trim(std::string_view text);
