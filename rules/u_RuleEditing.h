#pragma once
// What the rule editors decide beyond the rule records: the Life-family text made from the
// editor's boxes, the NLUKY code, the Weighted Life sum lists and symmetrical weights, and the
// 1-D boxes that a range reaches.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of the Life-family editor for `game` (Life, Generations or Vote for Life) from its
// boxes as bit sets (bit k = count k). Life and Generations take survivals 0..8 and births
// 1..8, Generations adds the states count; Vote for Life takes the counts 1..9 of "Alive".
std::string LifeEditorText(uint16_t survival, uint16_t birth, int game, int32_t statesCount);

// Generations' text for an NLUKY code: N (all but the last four digits, 0..23), then the digits
// l, u, k, y give births k..y, survivals l..u and N + 2 states. Nullopt for a code (trimmed)
// shorter than five characters.
std::optional<std::string> NlukyRule(std::string_view code);

inline constexpr int32_t kMaxEditedSum = 2048;
// Adds the comma-separated values of `answer` within -2048..2048 to `sums`, reading up to the
// first empty field, and leaves every value once, in ascending order.
void AddSums(std::vector<int32_t>& sums, std::string_view answer);

// Weights in the order NW, NN, NE, WW, ME, EE, SW, SS, SE. Copies the weight at `index` to the
// other corners when it is a corner, to the other edges when it is an edge; the middle stands
// alone.
void SpreadSymmetricWeight(std::array<int32_t, 9>& weights, int index);

// The highest count the 1-D editor's boxes offer for `range`: at least 2, at most 21.
int32_t OneDMaxCount(int32_t range, bool centre);
