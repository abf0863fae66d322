#include "base/u_Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

char UpperChar(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualNoCase(char a, char b)
{
    return UpperChar(a) == UpperChar(b);
}

// Clamps a 1-based position to the start of the text and turns it into an index.
size_t StartIndex(int pos)
{
    return pos < 1 ? 0 : static_cast<size_t>(pos) - 1;
}

// A "+" is accepted in front of a number; from_chars itself only knows "-".
std::string_view WithoutPlus(std::string_view text)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}

} // namespace

int32_t SafeInt(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    text = WithoutPlus(text);
    int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

double SafeReal(std::string_view text)
{
    std::string normal(WithoutPlus(Trim(text)));
    std::replace(normal.begin(), normal.end(), ',', '.');
    double value = 0;
    const char* end = normal.data() + normal.size();
    auto [ptr, ec] = std::from_chars(normal.data(), end, value, std::chars_format::general);
    // "inf" and "nan" would poison every computation that reads the value
    return ec == std::errc() && ptr == end && std::isfinite(value) ? value : 0;
}

std::string RealToText(double value)
{
    if (value == 0) return "0"; // also -0
    // General form drops trailing zeros, so 15 digits already give the shortest such text.
    char buffer[32];
    auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buffer, ptr) : "0";
}

std::string KeyedToken(std::string_view text, std::string_view key, int& pos, char separator)
{
    size_t start = StartIndex(pos);
    size_t found = start <= text.size() ? text.find(key, start) : std::string_view::npos;
    if (found == std::string_view::npos) {
        pos = 0;
        return {};
    }
    pos = static_cast<int>(found) + 1;
    size_t end = text.find(separator, found);
    return std::string(text.substr(found, end == std::string_view::npos ? end : end - found));
}

std::string ExtractField(std::string_view text, int& pos, std::string_view separators)
{
    size_t start = std::min(StartIndex(pos), text.size());
    start = std::min(text.find_first_not_of(separators, start), text.size());
    size_t end = std::min(text.find_first_of(separators, start), text.size());
    pos = static_cast<int>(end) + 1;
    return std::string(text.substr(start, end - start));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), EqualNoCase);
}

bool ContainsNoCase(std::string_view text, std::string_view part)
{
    return part.empty() || std::search(text.begin(), text.end(), part.begin(), part.end(),
                                       EqualNoCase) != text.end();
}

std::string UpperCase(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), UpperChar);
    return result;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}
