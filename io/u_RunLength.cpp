#include "io/u_RunLength.h"

#include <charconv>

namespace {

// The token of RunToken into `out`, which holds at least 22 characters; its length.
size_t FormatRun(int64_t count, char symbol, char* out)
{
    if (count <= 0) return 0;
    if (count <= 2) {
        out[0] = out[1] = symbol;
        return size_t(count);
    }
    char* end = std::to_chars(out, out + 20, count).ptr;
    *end++ = symbol;
    return size_t(end - out);
}

} // namespace

std::string RunToken(int64_t count, char symbol)
{
    char token[22];
    return std::string(token, FormatRun(count, symbol, token));
}

TRunLineWriter::TRunLineWriter(TLineSink& sink, std::string_view prefix)
    : FSink(sink), FPrefixLength(prefix.size()), FText(prefix)
{}

TRunLineWriter::TRunLineWriter(std::vector<std::string>& lines, std::string_view prefix)
    : FOwnSink(std::in_place, lines), FSink(*FOwnSink), FPrefixLength(prefix.size()), FText(prefix)
{}

void TRunLineWriter::AppendRun(int64_t count, char symbol)
{
    char token[22];
    Append({token, FormatRun(count, symbol, token)});
}

void TRunLineWriter::Finish(std::string_view tail)
{
    FText += tail;
    EmitLine();
}

void TRunLineWriter::EmitLine()
{
    FSink.Line(FText);
    FText.resize(FPrefixLength);
}
