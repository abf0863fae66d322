#include "rules/u_Rules.h"

#include "base/u_Text.h"

#include <algorithm>
#include <optional>

namespace {

constexpr size_t kMaxValueChars = 10;
constexpr int32_t kMinHistoryStates = 3;
constexpr int32_t kMaxHistoryStates = 25;

bool IsHistoryCount(int32_t count)
{
    return count >= kMinHistoryStates && count <= kMaxHistoryStates;
}

// The value of a single keyed token such as "NW2" or "R3"; nullopt for a missing or bare key.
std::optional<int32_t> KeyedValue(std::string_view text, std::string_view key, char separator)
{
    int pos = 1;
    std::string token = KeyedToken(text, key, pos, separator);
    if (token.size() <= key.size()) return std::nullopt;
    return SafeInt(std::string_view(token).substr(key.size(), kMaxValueChars));
}

// Calls `add` with the value of every occurrence of a repeated key such as "RS3,RS4"; a bare
// key ends the list.
template <typename TAdd>
void ForEachKeyedValue(std::string_view text, std::string_view key, TAdd add)
{
    int pos = 1;
    for (;;) {
        std::string token = KeyedToken(text, key, pos, ',');
        if (token.size() <= key.size()) return;
        add(SafeInt(std::string_view(token).substr(key.size())));
        ++pos;
    }
}

bool HoldsSum(int64_t sum)
{
    return sum >= -TRulesWLife::kSumLimit && sum <= TRulesWLife::kSumLimit;
}

constexpr std::array<const char*, 9> kWeightKeys = {"NW", "NN", "NE", "WW", "ME",
                                                    "EE", "SW", "SS", "SE"};
constexpr std::array<int32_t, 9> kDefaultWeights = {1, 1, 1, 1, 0, 1, 1, 1, 1};

constexpr std::string_view kSpecialPrefix = "TRCA,";

} // namespace

// ---- Weighted Life ----

TRulesWLife::TRulesWLife() : Weights(kDefaultWeights) {}

void TRulesWLife::InitFromString(std::string_view text, int32_t boardStatesCount)
{
    Weights = kDefaultWeights;
    History = false;
    StatesCount = boardStatesCount;
    FSurvival.reset();
    FBirth.reset();
    if (text.empty()) return;

    for (size_t i = 0; i < kWeightKeys.size(); ++i) {
        if (auto weight = KeyedValue(text, kWeightKeys[i], ',')) Weights[i] = *weight;
    }
    int32_t history = KeyedValue(text, "HI", ',').value_or(boardStatesCount);
    if (IsHistoryCount(history)) {
        History = true;
        StatesCount = history;
    }
    ForEachKeyedValue(text, "RS", [this](int32_t sum) { SetSurvival(sum, true); });
    ForEachKeyedValue(text, "RB", [this](int32_t sum) { SetBirth(sum, true); });
}

void TRulesWLife::InitFromPrm(int32_t nw, int32_t nn, int32_t ne, int32_t ww, int32_t me,
                              int32_t ee, int32_t sw, int32_t ss, int32_t se, int32_t statesCount,
                              bool history)
{
    Weights = {nw, nn, ne, ww, me, ee, sw, ss, se};
    History = history && IsHistoryCount(statesCount);
    if (History) StatesCount = statesCount;
}

std::string TRulesWLife::GetAsString() const
{
    std::string text;
    for (size_t i = 0; i < kWeightKeys.size(); ++i) {
        text += kWeightKeys[i] + std::to_string(Weights[i]) + ",";
    }
    text += "HI" + std::to_string(History ? StatesCount : 0);
    for (int sum = -kSumLimit; sum <= kSumLimit; ++sum) {
        if (Survives(sum)) text += ",RS" + std::to_string(sum);
    }
    for (int sum = -kSumLimit; sum <= kSumLimit; ++sum) {
        if (IsBorn(sum)) text += ",RB" + std::to_string(sum);
    }
    return text;
}

bool TRulesWLife::Survives(int64_t sum) const
{
    return HoldsSum(sum) && FSurvival[static_cast<size_t>(sum + kSumLimit)];
}

bool TRulesWLife::IsBorn(int64_t sum) const
{
    return HoldsSum(sum) && FBirth[static_cast<size_t>(sum + kSumLimit)];
}

void TRulesWLife::SetSurvival(int sum, bool on)
{
    if (HoldsSum(sum)) FSurvival[static_cast<size_t>(sum + kSumLimit)] = on;
}

void TRulesWLife::SetBirth(int sum, bool on)
{
    if (HoldsSum(sum)) FBirth[static_cast<size_t>(sum + kSumLimit)] = on;
}

// ---- Cyclic CA ----

void TRulesCycl::InitFromString(std::string_view text)
{
    StatesCount = 2;
    Range = 1;
    Threshold = 1;
    if (!text.empty()) {
        Range = KeyedValue(text, "R", '/').value_or(Range);
        Threshold = KeyedValue(text, "T", '/').value_or(Threshold);
        StatesCount = KeyedValue(text, "C", '/').value_or(StatesCount);
        Neighbourhood = text.find("NN") != std::string_view::npos ? 2 : 1;
        GreenbergHastings = text.find("GH") != std::string_view::npos;
    }
    Validate();
}

void TRulesCycl::InitFromPrm(int32_t statesCount, int32_t range, int32_t threshold,
                             int32_t neighbourhood, bool greenbergHastings)
{
    StatesCount = statesCount;
    Range = range;
    Threshold = threshold;
    Neighbourhood = neighbourhood;
    GreenbergHastings = greenbergHastings;
    Validate();
}

std::string TRulesCycl::GetAsString()
{
    Validate();
    std::string text = "R" + std::to_string(Range) + "/T" + std::to_string(Threshold) + "/C" +
                       std::to_string(StatesCount);
    text += Neighbourhood == 2 ? "/NN" : "/NM";
    if (GreenbergHastings) text += "/GH";
    return text;
}

void TRulesCycl::Validate()
{
    StatesCount = std::clamp(StatesCount, 2, 24);
    Range = std::clamp(Range, 1, 10);
    Threshold = std::clamp(Threshold, 1, MaxThreshold(Range));
}

// ---- 1-D totalistic ----

void TRules1DTo::InitFromString(std::string_view text, int32_t boardStatesCount)
{
    History = false;
    StatesCount = boardStatesCount;
    Centre = true;
    Range = 2;
    Survival = {};
    Birth = {};
    if (text.empty()) return;

    Range = KeyedValue(text, "R", ',').value_or(Range);
    int32_t states = KeyedValue(text, "C", ',').value_or(boardStatesCount);
    if (IsHistoryCount(states)) {
        History = true;
        StatesCount = states;
    }
    if (auto centre = KeyedValue(text, "M", ',')) Centre = *centre == 1;
    auto setFlag = [](TFlags& flags) {
        return [&flags](int32_t sum) {
            if (sum >= 0 && sum < kFlagCount) flags[static_cast<size_t>(sum)] = true;
        };
    };
    ForEachKeyedValue(text, "S", setFlag(Survival));
    ForEachKeyedValue(text, "B", setFlag(Birth));
}

void TRules1DTo::InitFromPrm(int32_t statesCount, int32_t range, bool history, bool centre,
                             const TFlags& survival, const TFlags& birth)
{
    StatesCount = statesCount;
    Range = range;
    History = history;
    Centre = centre;
    Survival = survival;
    Birth = birth;
}

std::string TRules1DTo::GetAsString() const
{
    std::string text = "R" + std::to_string(Range) + ",C" +
                       std::to_string(History ? StatesCount : 0) + (Centre ? ",M1" : ",M0");
    for (int sum = 0; sum < kFlagCount; ++sum) {
        if (Survival[static_cast<size_t>(sum)]) text += ",S" + std::to_string(sum);
    }
    for (int sum = 0; sum < kFlagCount; ++sum) {
        if (Birth[static_cast<size_t>(sum)]) text += ",B" + std::to_string(sum);
    }
    return text;
}

// ---- Special rules ----

void TRulesSpec::InitFromString(std::string_view text)
{
    if (!StartsWithNoCase(text, kSpecialPrefix)) return;
    int pos = static_cast<int>(kSpecialPrefix.size()) + 1;
    std::string delta1 = ExtractField(text, pos, ",");
    std::string delta2 = ExtractField(text, pos, ",");
    std::string epsilon = ExtractField(text, pos, ",");
    std::string gamma = ExtractField(text, pos, ",");
    InitFromStrings(delta1, delta2, epsilon, gamma);
}

void TRulesSpec::InitFromStrings(std::string_view delta1, std::string_view delta2,
                                 std::string_view epsilon, std::string_view gamma)
{
    Delta1 = SafeReal(delta1);
    Delta2 = SafeReal(delta2);
    Epsilon = SafeReal(epsilon);
    Gamma = SafeReal(gamma);
}

std::string TRulesSpec::GetAsString() const
{
    return std::string(kSpecialPrefix) + RealToText(Delta1) + "," + RealToText(Delta2) + "," +
           RealToText(Epsilon) + "," + RealToText(Gamma);
}
