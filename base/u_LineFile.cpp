#include "base/u_LineFile.h"

#include <cstdio>
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
