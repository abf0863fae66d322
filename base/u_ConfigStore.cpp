#include "base/u_ConfigStore.h"

#include "base/u_Text.h"

#include <charconv>

namespace {

// The whole text, blanks aside, must be one decimal number: a stored value that is anything
// else was not written by the program and gives the default.
bool ParseDecimal(std::string_view text, int32_t& value)
{
    text = Trim(text);
    const bool plus = !text.empty() && text.front() == '+';
    if (plus) text.remove_prefix(1);
    if (text.empty() || (plus && text.front() == '-')) return false;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

} // namespace

int32_t TConfigStore::ReadInteger(std::string_view section, std::string_view name,
                                  int32_t fallback) const
{
    int32_t value = 0;
    return ParseDecimal(ReadText(section, name, ""), value) ? value : fallback;
}

void TConfigStore::WriteInteger(std::string_view section, std::string_view name, int32_t value)
{
    WriteText(section, name, std::to_string(value));
}

std::string TMemoryStore::ReadText(std::string_view section, std::string_view name,
                                   std::string_view fallback) const
{
    const auto s = FSections.find(section);
    if (s == FSections.end()) return std::string(fallback);
    const auto v = s->second.find(name);
    return v == s->second.end() ? std::string(fallback) : v->second;
}

void TMemoryStore::WriteText(std::string_view section, std::string_view name, std::string_view text)
{
    auto s = FSections.find(section);
    if (s == FSections.end()) s = FSections.emplace(std::string(section), TSection{}).first;
    s->second.insert_or_assign(std::string(name), std::string(text));
}

void TMemoryStore::EraseSection(std::string_view section)
{
    const auto s = FSections.find(section);
    if (s != FSections.end()) FSections.erase(s);
}

bool TMemoryStore::HasValue(std::string_view section, std::string_view name) const
{
    const auto s = FSections.find(section);
    return s != FSections.end() && s->second.contains(name);
}
