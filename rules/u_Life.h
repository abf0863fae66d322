#pragma once
// The game catalogue: which of the nine games is active, its name and dimension, the rule
// records of the parameterised games, and the rule library.

#include "rules/u_RuleLibrary.h"
#include "rules/u_Rules.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class THost;

enum TGame : uint8_t {
    gmLife = 1,
    gmGenerations = 2,
    gmWeightedLife = 3,
    gmVoteForLife = 4,
    gmRulesTable = 5,
    gmCyclic = 6,
    gm1DTotalistic = 7,
    gmUserDll = 8,
    gmSpecial = 9,
};
inline constexpr int kGameCount = 9;

// A Life-family text split at its "/" separators (survival, birth, states count).
struct TLifeRuleParts {
    std::string Survival;
    std::string Birth;
    std::string States;
};

// A parsed Life-family rule: neighbour counts as bit sets (bit k = count k).
struct TLifeRule {
    uint16_t Survival = 0;
    uint16_t Birth = 0;
    std::string Text;                   // normalised, e.g. "23/3"
    std::optional<int32_t> StatesCount; // from a non-empty third part, not yet clamped
};

class TLife {
public:
    explicit TLife(THost& host);

    uint8_t Game() const { return FGame; }
    uint8_t Dimension() const { return FDimension; }
    void SetDimension(uint8_t dimension) { FDimension = dimension == 1 ? 1 : 2; }

    // An index outside 1..9 is reported as an internal error and changes nothing.
    void SetGame(int index);

    // Whether the person chooses the states count, or the active game's rule fixes it.
    bool StatesCountSelectable() const;

    static std::string GameName(int index); // "???" outside 1..9
    // 1..9 for a game name (ignoring letter case) or a number text; 0 when neither.
    static int GameIndex(std::string_view nameOrNumber);

    static TLifeRuleParts SplitLifeRule(std::string_view text);
    // nullopt when survival, birth and states parts are all empty (the rule stays as it is).
    // Life and Generations drop the count 9; Vote for Life counts the cell itself and keeps it.
    static std::optional<TLifeRule> ParseLifeRule(std::string_view text, uint8_t game);

    static TRulesTable ParseRulesTable(std::string_view text);
    static std::string FormatRulesTable(TRulesTable& table); // forces the entry [0][0] to 0

    bool AutoFit = false;
    TRulesWLife WLife;
    TRulesCycl Cycl;
    TRules1DTo OneD;
    TRulesSpec Special;
    TRuleLibrary Library;

private:
    THost& FHost;
    uint8_t FGame = gmLife;
    uint8_t FDimension = 2;
};
