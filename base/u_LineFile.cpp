#include "base/u_LineFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::optional<std::vector<std::string>> ReadLineFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return SplitLines(text.str());
}

TLineSource TLineSource::OfFile(std::string path, std::function<void(int64_t bytes)> progress)
{
    TLineSource source;
    source.FPath = std::move(path);
    source.FProgress = std::move(progress);
    return source;
}

TLineSource TLineSource::OfVisits(std::function<void(const TVisit& visit)> each)
{
    TLineSource source;
    source.FEach = std::move(each);
    return source;
}

void TLineSource::ForEach(const TVisit& visit) const
{
    if (FEach) {
        FEach(visit);
        return;
    }
    if (!FPath.empty()) {
        ForEachFileLine(visit);
        return;
    }
    for (const std::string& line : FLines ? *FLines : FOwned)
        if (!visit(line)) return;
}

void TLineSource::ForEachFileLine(const TVisit& visit) const
{
    constexpr size_t kPieceSize = size_t(4) << 20;
    std::FILE* file = std::fopen(FPath.c_str(), "rb");
    if (!file) return;
    std::vector<char> piece(kPieceSize);
    std::string carried; // the start of a line that the previous piece did not end
    bool skipLf = false; // the previous piece ended in CR: an LF first belongs to it
    bool stopped = false;
    int64_t bytes = 0;
    while (!stopped) {
        const size_t count = std::fread(piece.data(), 1, kPieceSize, file);
        if (count == 0) break;
        bytes += int64_t(count);
        const char* text = piece.data();
        size_t start = skipLf && text[0] == '\n' ? 1 : 0;
        skipLf = false;
        // The next CR and LF from `start` on, each looked for again only once passed.
        const auto next = [&](char c, size_t from) {
            const void* at = std::memchr(text + from, c, count - from);
            return at ? size_t(static_cast<const char*>(at) - text) : count;
        };
        size_t cr = next('\r', start), lf = next('\n', start);
        for (size_t i = std::min(cr, lf); i < count && !stopped; i = std::min(cr, lf)) {
            std::string_view line(text + start, i - start);
            if (!carried.empty()) line = carried.append(line);
            stopped = !visit(line);
            carried.clear();
            if (text[i] == '\r') {
                if (i + 1 == count)
                    skipLf = true;
                else if (text[i + 1] == '\n')
                    ++i;
            }
            start = i + 1;
            if (cr < start) cr = next('\r', start);
            if (lf < start) lf = next('\n', start);
        }
        if (!stopped) carried.append(text + start, count - start);
        if (FProgress) FProgress(bytes);
    }
    std::fclose(file);
    if (!stopped && !carried.empty()) visit(carried);
}

bool TLineSink::Flush()
{
    if (FFile && !FText.empty()) {
        FFailed |= std::fwrite(FText.data(), 1, FText.size(), FFile) != FText.size();
        FText.clear();
    }
    return !FFailed;
}

bool WriteLineFile(const std::string& path, const std::function<void(TLineSink&)>& write,
                   const std::function<void()>& beforeReplacing)
{
    const std::string temp = path + ".tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return false;
    bool written;
    {
        TLineSink sink(file);
        write(sink);
        written = sink.Flush();
    }
    written = std::fclose(file) == 0 && written;
    if (!written) {
        std::remove(temp.c_str());
        return false;
    }
    if (beforeReplacing) beforeReplacing();
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines,
                   const std::function<void()>& beforeReplacing)
{
    return WriteLineFile(
        path,
        [&lines](TLineSink& sink) {
            for (const std::string& line : lines) sink.Line(line);
        },
        beforeReplacing);
}
