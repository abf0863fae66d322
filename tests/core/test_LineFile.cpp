#include "base/u_LineFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

// A file read a piece at a time splits into the lines SplitLines gives for its whole text, also
// where a CR LF, a CR or a line straddles the boundary between two pieces (4 MiB).
TEST(LineSource, FileLinesMatchTheSplitText)
{
    constexpr size_t piece = size_t(4) << 20;
    const auto around = [](std::string tail) { return std::string(piece - 1, 'o') + tail; };
    const std::string texts[] = {
        "x = 3, y = 3\r\nbo$bbo$3o!\r\n",
        "a\nb\n\nc",
        "a\rb\r\rc\r\n",
        "",
        around("\r\nnext\r\n"),
        around("\rnext"),
        around("\n\nnext"),
        around("o" + around("\r\n")),
    };
    const std::string path = (std::filesystem::temp_directory_path() / "plexa_lines.txt").string();
    for (const std::string& text : texts) {
        std::ofstream(path, std::ios::binary) << text;
        std::vector<std::string> read;
        int64_t bytes = 0;
        TLineSource::OfFile(path, [&bytes](int64_t b) {
            bytes = b;
        }).ForEach([&read](std::string_view line) {
            read.emplace_back(line);
            return true;
        });
        EXPECT_EQ(read, SplitLines(text)) << text.size();
        EXPECT_EQ(bytes, int64_t(text.size()));
        // A visit that stops is not called again.
        int visits = 0;
        TLineSource::OfFile(path).ForEach([&visits](std::string_view) { return ++visits < 2; });
        EXPECT_EQ(visits, std::min<int>(2, int(SplitLines(text).size())));
    }
    std::remove(path.c_str());
}
