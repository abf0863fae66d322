#include "rules/u_RuleEditing.h"

#include "base/u_Text.h"
#include "rules/u_Life.h"

#include <algorithm>
#include <set>

namespace {

std::string Digits(uint16_t bits, int from, int to)
{
    std::string text;
    for (int k = from; k <= to; ++k)
        if (bits & (1u << k)) text += char('0' + k);
    return text;
}

// The numbers from..to written one after another; nothing when to < from.
std::string Run(int32_t from, int32_t to)
{
    std::string text;
    for (int32_t k = from; k <= to; ++k) text += std::to_string(k);
    return text;
}

} // namespace

std::string LifeEditorText(uint16_t survival, uint16_t birth, int game, int32_t statesCount)
{
    if (game == gmVoteForLife) return Digits(survival, 1, 9);
    std::string text = Digits(survival, 0, 8) + "/" + Digits(birth, 1, 8);
    if (game == gmGenerations) text += "/" + std::to_string(statesCount);
    return text;
}

std::optional<std::string> NlukyRule(std::string_view code)
{
    code = Trim(code);
    if (code.size() < 5) return std::nullopt;
    const size_t head = code.size() - 4;
    const int32_t n = std::clamp(SafeInt(code.substr(0, head)), 0, 23);
    auto digit = [&](size_t i) { return SafeInt(code.substr(head + i, 1)); };
    const int32_t l = digit(0), u = digit(1), k = digit(2), y = digit(3);
    return Run(k, y) + "/" + Run(l, u) + "/" + std::to_string(n + 2);
}

void AddSums(std::vector<int32_t>& sums, std::string_view answer)
{
    std::set<int32_t> all(sums.begin(), sums.end());
    size_t pos = answer.find_first_not_of(',');
    while (pos != std::string_view::npos && pos < answer.size()) {
        const size_t end = std::min(answer.find(',', pos), answer.size());
        const std::string_view field = Trim(answer.substr(pos, end - pos));
        if (field.empty()) break;
        const int32_t value = SafeInt(field);
        if (value >= -kMaxEditedSum && value <= kMaxEditedSum) all.insert(value);
        pos = end + 1;
    }
    sums.assign(all.begin(), all.end());
}

void SpreadSymmetricWeight(std::array<int32_t, 9>& weights, int index)
{
    static constexpr std::array kCorners{0, 2, 6, 8};
    static constexpr std::array kEdges{1, 3, 5, 7};
    if (index < 0 || index >= int(weights.size()) || index == 4) return;
    const auto& group = index % 2 == 0 ? kCorners : kEdges;
    for (int i : group) weights[size_t(i)] = weights[size_t(index)];
}

int32_t OneDMaxCount(int32_t range, bool centre)
{
    const int64_t n = 2 * int64_t(range) + (centre ? 1 : 0);
    return int32_t(std::clamp<int64_t>(n, 2, TRules1DTo::kFlagCount - 1));
}
