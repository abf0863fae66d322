#pragma once
// Text files as lines: CR LF, CR and LF line ends are all read; files are written with CR LF
// through a temporary file, so a failed write never leaves a half-written file behind.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits text at CR LF, CR or LF; a last line without a line end is kept when not empty.
std::vector<std::string> SplitLines(std::string_view text);

// nullopt when the file cannot be opened or read.
std::optional<std::vector<std::string>> ReadLineFile(const std::string& path);

// Each line followed by CR LF; false when the file could not be written (it is then unchanged).
// `beforeReplacing` runs once the new text is safely written, just before it takes the file's
// place: the moment to keep a copy of the old file.
bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines,
                   const std::function<void()>& beforeReplacing = {});
