#include "edit/u_RandomFill.h"

#include "base/u_Folder.h"
#include "base/u_Host.h"
#include "base/u_LineFile.h"
#include "base/u_Progress.h"
#include "base/u_Text.h"
#include "engine/u_Globals.h"
#include "io/u_InOut.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

constexpr std::string_view kSeedFolder = "System/Seed/";
constexpr std::string_view kSeedExtension = ".plx";
constexpr std::string_view kSetFolder = "System/Random/";
constexpr std::string_view kSetExtension = ".rnd";
constexpr std::string_view kSeedKey = "SeedFile";
// Set files give at most this many characters to a value.
constexpr size_t kNumberLength = 20;
constexpr size_t kSeedNameLength = 80;
// Fills of more cells than this show their progress.
constexpr int64_t kProgressCells = 20'000'000;
// Fills go to the board in strips of about this many cells.
constexpr int64_t kStripCells = 1 << 20;

// The numeric fields by key, in the order a set file is written; the seed file comes last.
struct TField {
    std::string_view Key;
    int32_t TRandomSettings::*Number = nullptr;
    bool TRandomSettings::*Flag = nullptr;
};
using S = TRandomSettings;
constexpr std::array<TField, S::kKeyCount - 1> kFields{{
    {"Mode", &S::Mode},
    {"Interior", nullptr, &S::Interior},
    {"NewRndFills", &S::Density},
    {"FillClears", nullptr, &S::FillClears},
    {"FillUniform", nullptr, &S::FillUniform},
    {"FillColor", &S::FillColor},
    {"RndShape", &S::Shape},
    {"WhatRtg", &S::RectKind},
    {"RectX", &S::RectX},
    {"RectY", &S::RectY},
    {"AreaX1", &S::AreaX1},
    {"AreaY1", &S::AreaY1},
    {"AreaX2", &S::AreaX2},
    {"AreaY2", &S::AreaY2},
    {"CircleCtrX", &S::CircleX},
    {"CircleCtrY", &S::CircleY},
    {"CircleRdi", &S::CircleRadius},
}};

constexpr bool FieldsFollowKeys()
{
    for (size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].Key != S::kKeys[i]) return false;
    return S::kKeys.back() == kSeedKey;
}
static_assert(FieldsFollowKeys());

// The order in which a set file's lines are tested for keys.
constexpr std::array<std::string_view, S::kKeyCount> kReadOrder{
    "Mode",     "NewRndFills", "Interior",   "FillClears", "FillUniform", "FillColor",
    "RndShape", "WhatRtg",     "RectX",      "RectY",      "AreaX1",      "AreaY1",
    "AreaX2",   "AreaY2",      "CircleCtrX", "CircleCtrY", "CircleRdi",   "SeedFile"};

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

const TField* FindField(std::string_view key)
{
    for (const TField& field : kFields)
        if (EqualNoCase(field.Key, key)) return &field;
    return nullptr;
}

bool HasExtension(std::string_view name, std::string_view extension)
{
    return name.size() >= extension.size() &&
           EqualNoCase(name.substr(name.size() - extension.size()), extension);
}

// The names of the regular files in `folder` ending in `extension` (in any letter case), without
// it, sorted; none when the folder cannot be listed.
std::vector<std::string> NamesIn(const std::string& folder, std::string_view extension)
{
    std::vector<std::string> names;
    for (const std::string& name : FileNamesIn(folder))
        if (HasExtension(name, extension))
            names.push_back(name.substr(0, name.size() - extension.size()));
    return names;
}

// A cell rectangle that may reach far beyond the board, whose coordinates are 32-bit.
struct TSpan {
    int64_t Left, Top, Right, Bottom;

    bool Contains(int32_t x, int32_t y) const
    {
        return x >= Left && x <= Right && y >= Top && y <= Bottom;
    }
    // The part of it on `board`.
    TRect Within(const TRect& board) const
    {
        return {int32_t(std::max<int64_t>(Left, board.Left)),
                int32_t(std::max<int64_t>(Top, board.Top)),
                int32_t(std::min<int64_t>(Right, board.Right)),
                int32_t(std::min<int64_t>(Bottom, board.Bottom))};
    }
};

TSpan ToSpan(const TRect& r)
{
    return {r.Left, r.Top, r.Right, r.Bottom};
}

TSpan SizedSpan(int64_t left, int64_t top, int64_t width, int64_t height)
{
    return {left, top, left + width - 1, top + height - 1};
}

// The rectangle of the rectangle kinds, or the box of the circle.
TSpan ShapeBox(const TRandomSettings& s, const TRect& board, const TRect& visible)
{
    if (s.Shape == S::rsCircle) {
        const int64_t r = s.CircleRadius;
        return {s.CircleX - r + 1, s.CircleY - r + 1, s.CircleX + r - 1, s.CircleY + r - 1};
    }
    switch (s.RectKind) {
    case S::rkUniverse:
        return ToSpan(board);
    case S::rkVisible:
        return ToSpan(visible);
    case S::rkCentred:
        return SizedSpan(-(s.RectX / 2), -(s.RectY / 2), s.RectX, s.RectY);
    case S::rkArea:
        return {s.AreaX1, s.AreaY1, s.AreaX2, s.AreaY2};
    default:
        return SizedSpan(0, 0, 0, 0);
    }
}

// Whether a cell lies within the circle's radius; unsigned, as the squares of far-off centres
// and big radii pass the signed 64-bit range.
struct TDisc {
    int64_t X, Y;
    uint64_t RadiusSquared;

    bool Holds(int32_t x, int32_t y) const
    {
        const int64_t dx = x - X, dy = y - Y;
        return uint64_t(dx * dx) + uint64_t(dy * dy) <= RadiusSquared;
    }
};

// The soup's cells from a fast generator of its own: k random bits a cell when the chance is
// a multiple of 1 / 2^k (k up to 8; one bit a cell at 50 %), else a 64-bit threshold a cell.
class TSoupDraw {
public:
    struct TBits {
        uint64_t State;
    };

    TSoupDraw(double percent, uint64_t seed) : FSeed(seed)
    {
        const double chance = std::clamp(percent / 100.0, 0.0, 1.0);
        for (int k = 0; k <= 8; ++k) {
            const double scaled = chance * double(1 << k);
            if (scaled == double(int(scaled))) {
                FBitsPerCell = k;
                FBelow = uint64_t(scaled);
                return;
            }
        }
        FThreshold = uint64_t(std::ldexp(chance, 64));
    }

    TBits Start() const { return {FSeed}; }

    // Fills `count` cells with `state` or kKeepCell.
    void Row(TBits& bits, uint8_t* row, size_t count, uint8_t state) const
    {
        if (FBitsPerCell < 0) {
            for (size_t i = 0; i < count; ++i) row[i] = Pick(Next(bits.State) < FThreshold, state);
            return;
        }
        if (FBitsPerCell == 0) {
            std::fill_n(row, count, Pick(FBelow != 0, state));
            return;
        }
        // Whole words: a row starts on a fresh one.
        const uint64_t mask = (uint64_t(1) << FBitsPerCell) - 1;
        const size_t perWord = size_t(64 / FBitsPerCell);
        for (size_t i = 0; i < count; i += perWord) {
            uint64_t word = Next(bits.State);
            const size_t n = std::min(perWord, count - i);
            for (size_t b = 0; b < n; ++b, word >>= FBitsPerCell)
                row[i + b] = Pick((word & mask) < FBelow, state);
        }
    }

private:
    // `state` or kKeepCell by a mask, as a branch would be mispredicted half the time.
    static uint8_t Pick(bool live, uint8_t state)
    {
        const uint8_t take = uint8_t(0u - unsigned(live));
        return uint8_t((state & take) | (TBoard::kKeepCell & ~take));
    }

    // splitmix64: fast, and plenty for soups.
    static uint64_t Next(uint64_t& state)
    {
        uint64_t z = (state += 0x9e3779b97f4a7c15);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
        z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
        return z ^ (z >> 31);
    }

    uint64_t FSeed;
    int FBitsPerCell = -1;
    uint64_t FBelow = 0;
    uint64_t FThreshold = 0;
};

void ShowWarning(THost& host, const std::string& text, const char* caption)
{
    host.ShowMessage(text, caption, TMsgIcon::Warning, TMsgButtons::Ok);
}

} // namespace

void TRandomSettings::SetSeedFile(std::string_view name)
{
    if (HasExtension(name, kSeedExtension)) name.remove_suffix(kSeedExtension.size());
    FSeedFile = name;
}

std::string TRandomSettings::Value(std::string_view key) const
{
    if (EqualNoCase(key, kSeedKey)) return FSeedFile;
    const TField* field = FindField(key);
    if (!field) return {};
    return std::to_string(field->Number ? this->*field->Number : int32_t(this->*field->Flag));
}

void TRandomSettings::SetValue(std::string_view key, std::string_view text)
{
    if (EqualNoCase(key, kSeedKey)) {
        SetSeedFile(Trim(text));
        return;
    }
    const TField* field = FindField(key);
    if (!field) return;
    const int32_t value = SafeInt(text);
    if (field->Number)
        this->*field->Number = value;
    else
        this->*field->Flag = value != 0;
}

std::vector<std::string> TRandomSettings::SetFileLines() const
{
    std::vector<std::string> lines = {"// Plexa randomizing set", "// "};
    for (std::string_view key : kKeys) lines.push_back("#" + std::string(key) + ", " + Value(key));
    return lines;
}

void TRandomSettings::ReadSetLines(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        const std::string_view text = Trim(line);
        for (std::string_view key : kReadOrder) {
            if (text.empty() || text[0] != '#' || !StartsWithNoCase(text.substr(1), key)) continue;
            // The value starts after the key's "#", the key and its ", ".
            const size_t start = std::min(key.size() + 3, text.size());
            const size_t length = key == kSeedKey ? kSeedNameLength : kNumberLength;
            SetValue(key, text.substr(start, length));
            break;
        }
    }
}

std::vector<std::string> ListRandomSets(const std::string& programFolder)
{
    std::vector<std::string> names =
        NamesIn(programFolder + std::string(kSetFolder), kSetExtension);
    if (names.empty()) names.emplace_back(kNoRandomSets);
    return names;
}

std::string RandomSetPath(const std::string& programFolder, std::string_view name)
{
    return programFolder + std::string(kSetFolder) + std::string(Trim(name)) +
           std::string(kSetExtension);
}

bool LoadRandomSet(THost& host, const std::string& programFolder, std::string_view name,
                   TRandomSettings& settings)
{
    const std::string path = RandomSetPath(programFolder, name);
    const auto lines = ReadLineFile(path);
    if (!lines) {
        ShowWarning(host, "File \n[" + path + "]\n could not be loaded :(", "Warning");
        return false;
    }
    settings.ReadSetLines(*lines);
    return true;
}

bool SaveRandomSet(THost& host, const std::string& path, const TRandomSettings& settings)
{
    if (WriteLineFile(path, settings.SetFileLines())) return true;
    host.ShowMessage("File \n[" + path + "]\ncould not be written.", "Error", TMsgIcon::Error,
                     TMsgButtons::Ok);
    return false;
}

std::vector<std::string> ListSeedFiles(const std::string& programFolder)
{
    return NamesIn(programFolder + std::string(kSeedFolder), kSeedExtension);
}

TRandomFill::TRandomFill(TGlobals& globals, TInOut& inOut) : FGlobals(globals), FInOut(inOut) {}

std::optional<uint8_t> TRandomFill::RandomState(const TRandomSettings& settings)
{
    const uint8_t state = DrawState(settings, FGlobals.Board.StatesCount() - 1);
    if (state == TBoard::kKeepCell) return std::nullopt;
    return state;
}

uint8_t TRandomFill::DrawState(const TRandomSettings& settings, int32_t lastState)
{
    TRandom& random = FGlobals.Random;
    const auto hit = [&] { return random.Integer(0, 99) < settings.Density; };
    switch (settings.Mode) {
    case S::rmMono:
        // A set file may name a state the board does not have.
        return hit() ? uint8_t(std::clamp(settings.FillColor, 0, lastState)) : TBoard::kKeepCell;
    case S::rmColor:
        if (settings.FillUniform) return uint8_t(random.Integer(0, lastState));
        return hit() ? uint8_t(random.Integer(1, lastState)) : TBoard::kKeepCell;
    default:
        return TBoard::kKeepCell;
    }
}

void TRandomFill::Generate(const TRandomSettings& settings, const TRect& visible)
{
    if (FGlobals.Selection.Active())
        FillSelection(settings);
    else
        FillBoard(settings, visible);
}

void TRandomFill::FillBoard(const TRandomSettings& settings, const TRect& visible)
{
    FGlobals.Undo.AddEvent(TUndoEvent::Random);
    if (settings.FillClears && !FGlobals.Board.Clear(false, TBoard::TClearView::Keep)) return;
    if (settings.Mode == S::rmMono || settings.Mode == S::rmColor)
        FillShape(settings, visible);
    else if (settings.Mode == S::rmSeed)
        Seed(settings.SeedFile());
    FGlobals.Host.Refresh(rfBoard | rfStatusBar | rfCaption);
}

void TRandomFill::FillSelection(const TRandomSettings& settings)
{
    TSelection& selection = FGlobals.Selection;
    selection.ClearFloating();
    const TRect r = selection.Rect();
    for (int32_t x = r.Left; x <= r.Right; ++x)
        for (int32_t y = r.Top; y <= r.Bottom; ++y)
            if (const auto state = RandomState(settings)) selection.AddCell(x, y, *state);
    FGlobals.Host.Refresh(rfBoard);
}

void TRandomFill::FillShape(const TRandomSettings& settings, const TRect& visible)
{
    const TBoard& board = FGlobals.Board;
    TRect area = board.Extents();
    TSpan box = ShapeBox(settings, area, visible);
    const bool oneRow = FGlobals.Life.Dimension() == 1;
    // A row game fills the same columns of its current row only.
    if (oneRow) box.Top = box.Bottom = area.Top = area.Bottom = board.CurrentRow1D();
    if (settings.Interior) area = box.Within(area);

    if (settings.Shape != S::rsCircle || oneRow) {
        FillWhere(settings, area,
                  [&](int32_t x, int32_t y) { return box.Contains(x, y) == settings.Interior; });
        return;
    }
    const int64_t r = settings.CircleRadius;
    const TDisc disc{settings.CircleX, settings.CircleY, uint64_t(r * r)};
    FillWhere(settings, area,
              [&](int32_t x, int32_t y) { return disc.Holds(x, y) == settings.Interior; });
}

template <class TWanted>
void TRandomFill::FillWhere(const TRandomSettings& settings, const TRect& bounds, TWanted wanted)
{
    const int32_t lastState = FGlobals.Board.StatesCount() - 1;
    // One random state per wanted cell in row order: a seed gives the board it always gave.
    FillRows(bounds, [&](int32_t y, uint8_t* row) {
        for (int32_t x = bounds.Left; x <= bounds.Right; ++x)
            *row++ = wanted(x, y) ? DrawState(settings, lastState) : TBoard::kKeepCell;
    });
}

template <class TRow>
void TRandomFill::FillRows(const TRect& bounds, TRow row)
{
    if (bounds.IsEmpty()) return;
    TBoard& board = FGlobals.Board;
    const size_t width = size_t(bounds.Width());
    // A strip of rows at a time, so that the board takes whole blocks.
    const int32_t stripRows = int32_t(std::clamp<int64_t>(kStripCells / int64_t(width), 1, 64));
    std::vector<uint8_t> strip(width * size_t(stripRows));
    TProgress progress(FGlobals.Host, bounds.Height() * bounds.Width(), kProgressCells);
    for (int64_t top = bounds.Top; top <= bounds.Bottom; top += stripRows) {
        const int32_t bottom = int32_t(std::min<int64_t>(top + stripRows - 1, bounds.Bottom));
        for (int64_t y = top; y <= bottom; ++y)
            row(int32_t(y), strip.data() + size_t(y - top) * width);
        board.WriteArea({bounds.Left, int32_t(top), bounds.Right, bottom}, strip.data(), width);
        progress.Update((int64_t(bottom) - bounds.Top + 1) * bounds.Width());
    }
}

void TRandomFill::FillSoup(double percent, uint8_t state, uint64_t seed)
{
    const TSoupDraw draw(percent, seed);
    TSoupDraw::TBits bits = draw.Start();
    FillRows(FGlobals.Board.Extents(), [&](int32_t, uint8_t* row) {
        draw.Row(bits, row, size_t(FGlobals.Board.Width()), state);
    });
}

void TRandomFill::Seed(const std::string& name)
{
    const std::string path =
        FGlobals.ProgramFolder + std::string(kSeedFolder) + name + std::string(kSeedExtension);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        ShowWarning(FGlobals.Host, "Seed file not found:\r\n" + path, "Error");
        return;
    }
    if (FInOut.ReadPattern(path, true, false)) FInOut.OpenPattern(path, true);
}
