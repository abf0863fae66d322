#pragma once
// Run-length tokens and the line breaking shared by the text pattern writers.

#include "base/u_LineFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A run of `count` equal symbols: nothing for 0, the symbol for 1, the symbol twice for 2
// ("oo", never "2o"), the decimal count and the symbol for 3 or more ("5o").
std::string RunToken(int64_t count, char symbol);

// Gathers run tokens into output lines of at most kMaxLength characters after the prefix.
// A token is never split: one that would not fit starts the next line.
class TRunLineWriter {
public:
    static constexpr size_t kMaxLength = 70;

    TRunLineWriter(TLineSink& sink, std::string_view prefix = {});
    TRunLineWriter(std::vector<std::string>& lines, std::string_view prefix = {});

    void Append(std::string_view token)
    {
        const size_t length = FText.size() - FPrefixLength;
        if (length > 0 && length + token.size() > kMaxLength) EmitLine();
        FText += token;
    }
    // Appends the token of a pending run and zeroes its count.
    void Flush(int64_t& count, char symbol)
    {
        if (count > 0) AppendRun(count, symbol);
        count = 0;
    }
    // Appends `tail` without the length test and emits the current line, even an empty one.
    void Finish(std::string_view tail = {});

private:
    void AppendRun(int64_t count, char symbol);
    void EmitLine();

    std::optional<TLineSink> FOwnSink;
    TLineSink& FSink;
    size_t FPrefixLength;
    std::string FText; // the prefix, then the tokens of the current line
};
