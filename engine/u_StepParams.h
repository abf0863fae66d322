#pragma once
// Everything a two-dimensional generation depends on besides the cells. When it equals what the
// previous step ran with, blocks whose neighbourhood did not change since can be passed over.

#include "rules/u_Rules.h"

#include <array>
#include <cstdint>

class TBoard;
class TLife;

struct TStepParams {
    uint8_t Game = 0;
    uint16_t Survival = 0;
    uint16_t Birth = 0;
    int32_t StatesCount = 0;
    bool Wrap = false;
    int32_t Width = 0;
    int32_t Height = 0;
    bool WeightedHistory = false;
    // Weighted Life: bit 0 "born", bit 1 "survives" for each 9-bit neighbourhood pattern.
    std::array<uint8_t, 512> WeightedOutcome{};
    TRulesTable RulesTable;
    TRulesCycl Cyclic;

    static TStepParams Of(const TBoard& board, const TLife& life);
    bool operator==(const TStepParams&) const = default;
};
