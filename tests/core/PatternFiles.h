#pragma once
// Golden pattern files and cell pictures shared by the tests of the pattern formats.

#include "io/u_LoadedPattern.h"
#include "io/u_Rle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using TLines = std::vector<std::string>;

inline std::string DataPath(const std::string& name)
{
    return std::string(PLEXA_TEST_DATA_DIR) + "/" + name;
}

// The lines of a file under tests/data, without their CR LF or LF ends.
inline TLines ReadDataLines(const std::string& name)
{
    std::ifstream file(DataPath(name));
    EXPECT_TRUE(file.good()) << name;
    TLines lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

inline std::vector<uint8_t> ReadDataBytes(const std::string& name)
{
    std::ifstream file(DataPath(name), std::ios::binary);
    EXPECT_TRUE(file.good()) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// "x y state" per line.
inline std::vector<TLoadedCell> ReadExpectedCells(const std::string& name)
{
    std::vector<TLoadedCell> cells;
    for (const std::string& line : ReadDataLines(name)) {
        std::istringstream in(line);
        int x = 0, y = 0, state = 0;
        in >> x >> y >> state;
        cells.push_back({x, y, static_cast<uint8_t>(state)});
    }
    return cells;
}

// "x y state" per cell, in the order given; readable in a failed expectation.
inline TLines Describe(const std::vector<TLoadedCell>& cells)
{
    TLines text;
    for (const TLoadedCell& c : cells)
        text.push_back(std::to_string(c.X) + " " + std::to_string(c.Y) + " " +
                       std::to_string(c.State));
    return text;
}

// As Describe, for comparing cells whatever order a format lists them in.
inline TLines DescribeSorted(std::vector<TLoadedCell> cells)
{
    std::sort(cells.begin(), cells.end(), [](const TLoadedCell& a, const TLoadedCell& b) {
        return std::pair(a.Y, a.X) < std::pair(b.Y, b.X);
    });
    return Describe(cells);
}

inline uint8_t PictureState(char c)
{
    return c == '.' ? 0 : c >= '1' && c <= '9' ? uint8_t(c - '0') : 1;
}

// The cells of a picture: rows of '.' for dead cells and any other character for a live cell of
// that state digit, or 1; the top-left character lands on (left, top).
inline std::vector<TLoadedCell> CellsOfRows(const TLines& rows, int32_t left = 0, int32_t top = 0)
{
    std::vector<TLoadedCell> cells;
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            if (const uint8_t state = PictureState(rows[y][x]))
                cells.push_back({left + int32_t(x), top + int32_t(y), state});
    return cells;
}

inline TCellSource SourceOfRows(const TLines& rows)
{
    return [rows](int32_t x, int32_t y) -> uint8_t {
        if (y < 0 || y >= int32_t(rows.size()) || x < 0 || x >= int32_t(rows[y].size())) return 0;
        return PictureState(rows[y][x]);
    };
}

inline TCellSource SourceOf(const TLoadedPattern& pattern)
{
    std::map<std::pair<int32_t, int32_t>, uint8_t> map;
    for (const TLoadedCell& c : pattern.Cells) map[{c.X, c.Y}] = c.State;
    return [map](int32_t x, int32_t y) {
        auto it = map.find({x, y});
        return it == map.end() ? uint8_t(0) : it->second;
    };
}

// The first glider gun, 36 by 9, the larger pattern of the golden files of every format.
inline const TLines& GunRows()
{
    static const TLines rows = {
        "........................*...........", "......................*.*...........",
        "............**......**............**", "...........*...*....**............**",
        "**........*.....*...**..............", "**........*...*.**....*.*...........",
        "..........*.....*.......*...........", "...........*...*....................",
        "............**......................",
    };
    return rows;
}

inline const TLines& GliderRows()
{
    static const TLines rows = {".*.", "..*", "***"};
    return rows;
}
