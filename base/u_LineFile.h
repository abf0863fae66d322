#pragma once
// Text files as lines: CR LF, CR and LF line ends are all read; files are written with CR LF
// through a temporary file, so a failed write never leaves a half-written file behind.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits text at CR LF, CR or LF; a last line without a line end is kept when not empty.
std::vector<std::string> SplitLines(std::string_view text);

// nullopt when the file cannot be opened or read.
std::optional<std::vector<std::string>> ReadLineFile(const std::string& path);

// The lines a reader takes: a list of lines, or a file that is read anew, a big piece at a
// time, each time its lines are visited, so that even the largest pattern file is never held
// whole. A file splits as SplitLines splits its text.
class TLineSource {
public:
    using TVisit = std::function<bool(std::string_view line)>;

    TLineSource() = default;
    // Refers to `lines`, which must outlive the source.
    TLineSource(const std::vector<std::string>& lines) : FLines(&lines) {}
    TLineSource(std::initializer_list<std::string_view> lines) : FOwned(lines.begin(), lines.end())
    {}
    // `progress` gets the bytes read so far after each piece.
    static TLineSource OfFile(std::string path, std::function<void(int64_t bytes)> progress = {});
    // The lines that `each` hands to its visitor.
    static TLineSource OfVisits(std::function<void(const TVisit& visit)> each);

    // Calls visit(line) for each line in turn until it returns false.
    void ForEach(const TVisit& visit) const;

private:
    void ForEachFileLine(const TVisit& visit) const;

    const std::vector<std::string>* FLines = nullptr;
    std::vector<std::string> FOwned;
    std::string FPath;
    std::function<void(int64_t bytes)> FProgress;
    std::function<void(const TVisit& visit)> FEach;
};

// Where a writer's lines go: a list of lines, or a file, each line followed by CR LF and
// gathered into big writes.
class TLineSink {
public:
    explicit TLineSink(std::vector<std::string>& lines) : FLines(&lines) {}
    explicit TLineSink(std::FILE* file) : FFile(file) {}
    ~TLineSink() { Flush(); }
    TLineSink(const TLineSink&) = delete;
    TLineSink& operator=(const TLineSink&) = delete;

    void Line(std::string_view line)
    {
        if (FLines) {
            FLines->emplace_back(line);
            return;
        }
        FText.append(line).append("\r\n");
        if (FText.size() >= kBufferSize) Flush();
    }
    // False once a write to the file failed.
    bool Flush();

private:
    static constexpr size_t kBufferSize = size_t(1) << 20;

    std::vector<std::string>* FLines = nullptr;
    std::FILE* FFile = nullptr;
    std::string FText;
    bool FFailed = false;
};

// Writes the lines `write` gives; false when the file could not be written (it is then
// unchanged). `beforeReplacing` runs once the new text is safely written, just before it takes
// the file's place: the moment to keep a copy of the old file.
bool WriteLineFile(const std::string& path, const std::function<void(TLineSink&)>& write,
                   const std::function<void()>& beforeReplacing = {});
bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines,
                   const std::function<void()>& beforeReplacing = {});
