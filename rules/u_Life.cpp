#include "rules/u_Life.h"

#include "base/u_Host.h"
#include "base/u_Text.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, kGameCount> kGameNames = {
    "Life",      "Generations",    "Weighted Life", "Vote for Life", "Rules table",
    "Cyclic CA", "1-D totalistic", "User DLL",      "Special rules"};

constexpr uint16_t kNineBit = 1u << 9;
constexpr int kMaxTableValue = TRulesTable::kStates - 1;

bool IsGameIndex(int index)
{
    return index >= 1 && index <= kGameCount;
}

// Bit k set for every digit k in `text` that lies in from..9.
uint16_t DigitSet(std::string_view text, int from)
{
    uint16_t set = 0;
    for (char c : text) {
        if (c >= '0' + from && c <= '9') set |= static_cast<uint16_t>(1u << (c - '0'));
    }
    return set;
}

std::string DigitText(uint16_t set)
{
    std::string text;
    for (int count = 0; count <= 9; ++count) {
        if (set & (1u << count)) text += static_cast<char>('0' + count);
    }
    return text;
}

bool ContainsAnyOf(std::string_view text, std::string_view chars)
{
    return text.find_first_of(chars) != std::string_view::npos;
}

} // namespace

TLife::TLife(THost& host) : Library(host), FHost(host) {}

void TLife::SetGame(int index)
{
    if (!IsGameIndex(index)) {
        FHost.ShowMessage("Internal error\nGame index out of range", "Warning", TMsgIcon::Warning,
                          TMsgButtons::Ok);
        return;
    }
    FGame = static_cast<uint8_t>(index);
    FDimension = index == gm1DTotalistic || index == gmSpecial ? 1 : 2;
    FHost.Refresh(rfGame | rfMenus | rfColorsBar | rfStatusBar);
}

bool TLife::StatesCountSelectable() const
{
    switch (FGame) {
    case gmLife:
    case gmVoteForLife:
    case gmSpecial:
        return true;
    case gmWeightedLife:
        return !WLife.History;
    default:
        return false;
    }
}

std::string TLife::GameName(int index)
{
    return IsGameIndex(index) ? kGameNames[static_cast<size_t>(index - 1)] : "???";
}

int TLife::GameIndex(std::string_view nameOrNumber)
{
    std::string_view text = Trim(nameOrNumber);
    for (int index = 1; index <= kGameCount; ++index) {
        std::string_view name = kGameNames[static_cast<size_t>(index - 1)];
        if (text.size() == name.size() && StartsWithNoCase(text, name)) return index;
    }
    int number = SafeInt(text);
    return IsGameIndex(number) ? number : 0;
}

TLifeRuleParts TLife::SplitLifeRule(std::string_view text)
{
    TLifeRuleParts parts;
    size_t first = text.find('/');
    if (first == std::string_view::npos) {
        parts.Survival = text;
        return parts;
    }
    parts.Survival = text.substr(0, first);
    std::string_view rest = text.substr(first + 1);
    size_t second = rest.find('/');
    if (second == std::string_view::npos) {
        parts.Birth = rest;
    } else {
        parts.Birth = rest.substr(0, second);
        parts.States = rest.substr(second + 1);
    }
    return parts;
}

std::optional<TLifeRule> TLife::ParseLifeRule(std::string_view text, uint8_t game)
{
    TLifeRuleParts parts = SplitLifeRule(text);
    // "B3/S23" names the parts by letter, in either order
    if (ContainsAnyOf(parts.Birth, "Ss") || ContainsAnyOf(parts.Survival, "Bb")) {
        std::swap(parts.Survival, parts.Birth);
    }
    if (parts.Survival.empty() && parts.Birth.empty() && parts.States.empty()) return std::nullopt;

    TLifeRule rule;
    rule.Survival = DigitSet(parts.Survival, 0);
    rule.Birth = DigitSet(parts.Birth, 1); // a cell is never born without neighbours
    if (!parts.States.empty()) rule.StatesCount = SafeInt(parts.States);
    // Vote for Life counts the cell itself, so only there can the count reach 9
    if (game != gmVoteForLife) {
        rule.Survival &= static_cast<uint16_t>(~kNineBit);
        rule.Birth &= static_cast<uint16_t>(~kNineBit);
    }
    rule.Text = DigitText(rule.Survival) + "/" + DigitText(rule.Birth);
    return rule;
}

TRulesTable TLife::ParseRulesTable(std::string_view text)
{
    TRulesTable table;
    int pos = 1;
    table.Neighbourhood = SafeInt(ExtractField(text, pos, ",")) == 2 ? 2 : 1;
    table.Centre = SafeInt(ExtractField(text, pos, ",")) == 1;
    table.OddStates = SafeInt(ExtractField(text, pos, ",")) == 1;
    for (auto& row : table.Table) {
        for (uint8_t& entry : row) {
            entry = static_cast<uint8_t>(
                std::clamp(SafeInt(ExtractField(text, pos, ",")), 0, kMaxTableValue));
        }
    }
    table.Table[0][0] = 0; // a dead cell without neighbours stays dead
    return table;
}

std::string TLife::FormatRulesTable(TRulesTable& table)
{
    table.Table[0][0] = 0;
    std::string text = table.Neighbourhood == 2 ? "2" : "1";
    text += table.Centre ? ",1" : ",0";
    text += table.OddStates ? ",1" : ",0";
    for (const auto& row : table.Table) {
        for (uint8_t entry : row) {
            text += "," + std::to_string(std::min<int>(entry, kMaxTableValue));
        }
    }
    while (text.size() >= 3 && text.ends_with(",0")) text.resize(text.size() - 2);
    return text;
}
