#include "io/u_RunLength.h"

std::string RunToken(int64_t count, char symbol)
{
    if (count <= 0) return {};
    if (count <= 2) return std::string(static_cast<size_t>(count), symbol);
    return std::to_string(count) + symbol;
}

TRunLineWriter::TRunLineWriter(std::vector<std::string>& lines, std::string_view prefix)
    : FLines(lines), FPrefix(prefix)
{}

void TRunLineWriter::Append(std::string_view token)
{
    if (!FText.empty() && FText.size() + token.size() > kMaxLength) EmitLine();
    FText += token;
}

void TRunLineWriter::Flush(int64_t& count, char symbol)
{
    if (count > 0) Append(RunToken(count, symbol));
    count = 0;
}

void TRunLineWriter::Finish(std::string_view tail)
{
    FText += tail;
    EmitLine();
}

void TRunLineWriter::EmitLine()
{
    FLines.push_back(FPrefix + FText);
    FText.clear();
}
