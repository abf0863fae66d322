#pragma once
// Random fill: cells put on the board at random, with one state or random states, inside or
// outside a shape, or a small seed pattern opened onto the board. Its settings are one record,
// kept in the configuration and in named randomizing sets "System/Random/<name>.rnd".

#include "base/u_Geometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TGlobals;
class THost;
class TInOut;

class TRandomSettings {
public:
    static constexpr const char* kSection = "Randomize"; // of the configuration store
    static constexpr int kKeyCount = 18;
    // The keys of the configuration and of set files, in the order a set file is written.
    static constexpr std::array<std::string_view, kKeyCount> kKeys{
        "Mode",     "Interior", "NewRndFills", "FillClears", "FillUniform", "FillColor",
        "RndShape", "WhatRtg",  "RectX",       "RectY",      "AreaX1",      "AreaY1",
        "AreaX2",   "AreaY2",   "CircleCtrX",  "CircleCtrY", "CircleRdi",   "SeedFile"};

    enum TMode : int32_t { rmMono = 1, rmColor = 2, rmSeed = 3 };
    enum TShape : int32_t { rsRectangle = 1, rsCircle = 2 };
    enum TRectKind : int32_t { rkUniverse = 1, rkVisible = 2, rkCentred = 3, rkArea = 4 };

    int32_t Mode = rmColor;       // "Mode"
    int32_t Density = 20;         // "NewRndFills": percent of the cells filled
    bool Interior = true;         // "Interior": inside the shape, or everything outside it
    bool FillClears = true;       // "FillClears": clear the universe first
    int32_t FillColor = 1;        // "FillColor": the state of mono mode
    bool FillUniform = true;      // "FillUniform": color mode gives every cell a state, 0 included
    int32_t Shape = rsRectangle;  // "RndShape"
    int32_t RectKind = rkVisible; // "WhatRtg"
    int32_t RectX = 25, RectY = 25; // size of the centred rectangle
    int32_t AreaX1 = -20, AreaY1 = -20, AreaX2 = 20, AreaY2 = 20;
    int32_t CircleX = 0, CircleY = 0, CircleRadius = 50;

    // A pattern name in "System/Seed/", kept without its ".plx".
    const std::string& SeedFile() const { return FSeedFile; }
    void SetSeedFile(std::string_view name);

    // The value of `key` (one of kKeys, letter case ignored) as decimal text; "" for others.
    std::string Value(std::string_view key) const;
    // Reads `text` into the field of `key` leniently: unreadable numbers are 0, flags are on
    // for any other number. Unknown keys change nothing.
    void SetValue(std::string_view key, std::string_view text);

    // The lines of a randomizing set file, without line ends.
    std::vector<std::string> SetFileLines() const;
    // Reads a set file's lines: each key line sets its field, everything else is skipped and
    // fields without a key line stay as they are.
    void ReadSetLines(const std::vector<std::string>& lines);

    bool operator==(const TRandomSettings&) const = default;

private:
    std::string FSeedFile = "1 cell";
};

// Randomizing sets in "System/Random/" below the program folder.
inline constexpr const char* kNoRandomSets = "No sets found...";
// The set names, sorted; the single entry kNoRandomSets when there are none.
std::vector<std::string> ListRandomSets(const std::string& programFolder);
// The path of set `name` (trimmed).
std::string RandomSetPath(const std::string& programFolder, std::string_view name);
// Reads set `name` into `settings`; a missing or unreadable file is reported through `host` and
// leaves `settings` unchanged.
bool LoadRandomSet(THost& host, const std::string& programFolder, std::string_view name,
                   TRandomSettings& settings);
// Writes `settings` to `path`; a failure is reported and leaves any earlier file unchanged.
bool SaveRandomSet(THost& host, const std::string& path, const TRandomSettings& settings);

// The names of the seed patterns in "System/Seed/", without ".plx", sorted.
std::vector<std::string> ListSeedFiles(const std::string& programFolder);

class TRandomFill {
public:
    TRandomFill(TGlobals& globals, TInOut& inOut);

    // A random cell by the settings: the state to write, or nothing when the cell stays.
    std::optional<uint8_t> RandomState(const TRandomSettings& settings);
    // The Generate command: fills the selection while one is active, else the board.
    void Generate(const TRandomSettings& settings, const TRect& visible);
    // Fills the board by the settings; `visible` is the part of the universe in view, for
    // the visible-universe kind.
    void FillBoard(const TRandomSettings& settings, const TRect& visible);
    // Replaces the selection's floating cells with random cells over its whole rectangle.
    // Takes no undo snapshot: lifting and dropping the selection take theirs.
    void FillSelection(const TRandomSettings& settings);
    // Adds a soup to the whole board: `state` at `percent` % (fractions allowed) from a fast
    // generator seeded with `seed`, not the program's generator. No undo snapshot.
    void FillSoup(double percent, uint8_t state, uint64_t seed);

private:
    void FillShape(const TRandomSettings& settings, const TRect& visible);
    void FillRow(const TRandomSettings& settings, const TRect& visible);
    void Seed(const std::string& name);
    // Random cells for every board cell of `bounds` for which `wanted(x, y)` holds.
    template <class TWanted>
    void FillWhere(const TRandomSettings& settings, const TRect& bounds, TWanted wanted);
    // Writes the cells of `bounds`: row(y, cells) gives row y's states from the left edge on,
    // TBoard::kKeepCell for the cells that stay.
    template <class TRow>
    void FillRows(const TRect& bounds, TRow row);
    // RandomState with the board's last state given; TBoard::kKeepCell when the cell stays.
    uint8_t DrawState(const TRandomSettings& settings, int32_t lastState);

    TGlobals& FGlobals;
    TInOut& FInOut;
};
