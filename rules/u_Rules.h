#pragma once
// Rule records of the parameterised games and their text forms. A record converts between its
// fields and its one normalised text; applying it to the board is TBoard::SetRules.

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

// Weighted Life: nine weights and the weighted sums at which cells survive or are born.
class TRulesWLife {
public:
    static constexpr int kSumLimit = 2048; // sums are held for -2048..2048
    enum TWeight { wNW, wNN, wNE, wWW, wME, wEE, wSW, wSS, wSE };

    TRulesWLife();

    // `boardStatesCount` stands in for a missing "HI" value and becomes the record's count.
    void InitFromString(std::string_view text, int32_t boardStatesCount);
    void InitFromPrm(int32_t nw, int32_t nn, int32_t ne, int32_t ww, int32_t me, int32_t ee,
                     int32_t sw, int32_t ss, int32_t se, int32_t statesCount, bool history);
    std::string GetAsString() const;

    // Sums outside -2048..2048 are held by neither table.
    bool Survives(int64_t sum) const;
    bool IsBorn(int64_t sum) const;
    void SetSurvival(int sum, bool on);
    void SetBirth(int sum, bool on);

    std::array<int32_t, 9> Weights;
    bool History = false;
    int32_t StatesCount = 2;

private:
    std::bitset<2 * kSumLimit + 1> FSurvival;
    std::bitset<2 * kSumLimit + 1> FBirth;
};

// Cyclic CA: a cell advances to the next state when enough neighbours already hold it.
class TRulesCycl {
public:
    void InitFromString(std::string_view text);
    void InitFromPrm(int32_t statesCount, int32_t range, int32_t threshold, int32_t neighbourhood,
                     bool greenbergHastings);
    std::string GetAsString(); // validates first
    void Validate();
    // Every ring d = 1..range around the cell holds 8·d cells.
    static int32_t MaxThreshold(int32_t range) { return 4 * range * (range + 1); }

    int32_t StatesCount = 5;
    int32_t Range = 1;
    int32_t Threshold = 3;
    int32_t Neighbourhood = 1; // 1 Moore, 2 von Neumann
    bool GreenbergHastings = false;

    bool operator==(const TRulesCycl&) const = default;
};

// 1-D totalistic: survival and birth by the number of live cells within the range.
class TRules1DTo {
public:
    static constexpr int kFlagCount = 22;
    using TFlags = std::array<bool, kFlagCount>;

    void InitFromString(std::string_view text, int32_t boardStatesCount);
    void InitFromPrm(int32_t statesCount, int32_t range, bool history, bool centre,
                     const TFlags& survival, const TFlags& birth);
    std::string GetAsString() const;

    bool History = false;
    bool Centre = true;
    int32_t StatesCount = 2;
    int32_t Range = 2; // stored as parsed; the step keeps its reads inside the row margins
    TFlags Survival{};
    TFlags Birth{};
};

// Special rules: particles that move right with four probabilities.
class TRulesSpec {
public:
    void InitFromString(std::string_view text); // only texts starting with "TRCA,"
    void InitFromStrings(std::string_view delta1, std::string_view delta2, std::string_view epsilon,
                         std::string_view gamma);
    std::string GetAsString() const;

    double Delta1 = 0.1;
    double Delta2 = 0.1;
    double Epsilon = 0.11;
    double Gamma = 0.05;
};

// The rules-table game's rule: next state by [current state][firing neighbours].
struct TRulesTable {
    static constexpr int kStates = 25;
    static constexpr int kCounts = 10;

    int32_t Neighbourhood = 1; // 1 Moore, 2 von Neumann
    bool Centre = false;       // the cell itself counts with its neighbours
    bool OddStates = false;    // every odd state fires, not only state 1
    uint8_t Table[kStates][kCounts] = {};

    bool operator==(const TRulesTable&) const = default;
};
