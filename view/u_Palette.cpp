#include "view/u_Palette.h"

#include "base/u_Folder.h"
#include "base/u_Host.h"
#include "base/u_LineFile.h"
#include "base/u_Text.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

constexpr std::string_view kPaletteFolder = "System/";
constexpr std::string_view kExtension = ".pxp";
// A palette file is a few hundred bytes; anything this big is not one and is not read whole.
constexpr uintmax_t kMaxFileSize = uintmax_t(1) << 20;
// Each key is followed by this many characters that hold its number.
constexpr size_t kKeyLength = 9;
constexpr size_t kNumberLength = 20;

constexpr std::array<TColor, kPaletteColors> kDeepDefaults = {
    0,      0x40,   0x10363,                                       // background, grids
    0xFFFF, 0xDBFF, 0xB7FF,  0x93FF, 0x6FFF, 0x4BFF, 0x27FF, 0xFF, // states 1..8
    0xF0,   0xE1,   0xD2,    0xC3,   0xB4,   0xA5,   0x96,   0x80, // states 9..16
    0x7D,   0x7A,   0x77,    0x74,   0x71,   0x6E,   0x6B,   0x64, // states 17..24
};
constexpr std::array<TColor, kPaletteColors> kIndexedDefaults = {
    0xFFFFFF, 0xC0C0C0, 0x808080,                                            // background, grids
    0xFF,     0xFF0000, 0x80FF,   0x80,     0x8000,   0x808080, 0xFF00FF, 0, // states 1..8
    0xFF00,   0xFFFF00, 0x800000, 0xFFFF,   0x800080, 0x8080,   0x808040, 0xC0C0C0, // states 9..16
    0x80FFFF, 0x80FF80, 0x80FF00, 0xFFFF80, 0xFF8000, 0xC080FF, 0x404080, 0xFF0080, // states 17..24
};

// The file keys, in file order.
const std::array<std::string, kPaletteColors>& Keys()
{
    static const std::array<std::string, kPaletteColors> keys = [] {
        std::array<std::string, kPaletteColors> k{"#BACKGRND", "#GRIDNORM", "#GRIDBOLD"};
        for (int s = 1; s <= kPaletteStates; ++s) {
            const std::string number = std::to_string(s);
            k[piState1 + s - 1] = "#STATE" + std::string(3 - number.size(), '0') + number;
        }
        return k;
    }();
    return keys;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

// Names come from pattern files and rule libraries too; none may lead out of the palette folder
// or be cut short by the system at a control character.
bool IsPaletteName(std::string_view name)
{
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || static_cast<unsigned char>(c) < ' ';
    });
}

bool HasPaletteExtension(std::string_view fileName)
{
    return fileName.size() >= kExtension.size() &&
           EqualNoCase(fileName.substr(fileName.size() - kExtension.size()), kExtension);
}

std::string FileName(std::string_view name)
{
    return HasPaletteExtension(name) ? std::string(name)
                                     : std::string(name) + std::string(kExtension);
}

std::string FolderPath(const std::string& programFolder)
{
    return programFolder + std::string(kPaletteFolder);
}

// The existing file of palette `name`. Palette names are shared with systems whose file names
// ignore letter case, so when the exact name is missing a file differing only in case serves.
std::optional<std::string> FindPaletteFile(const std::string& programFolder, std::string_view name)
{
    if (!IsPaletteName(name)) return std::nullopt;
    const std::string folder = FolderPath(programFolder);
    const std::string fileName = FileName(name);
    std::error_code error;
    if (std::filesystem::is_regular_file(folder + fileName, error)) return folder + fileName;
    for (const std::string& candidate : FileNamesIn(folder))
        if (EqualNoCase(candidate, fileName)) return folder + candidate;
    return std::nullopt;
}

} // namespace

TCPalette TCPalette::Defaults(int bitsPerPixel)
{
    TCPalette palette;
    palette.FColors = bitsPerPixel > 8 ? kDeepDefaults : kIndexedDefaults;
    return palette;
}

TColor TCPalette::StateColor(int state) const
{
    if (state <= 0) return BackColor();
    return FColors[piState1 + std::min(state, kPaletteStates) - 1];
}

void TCPalette::ReadLines(const std::vector<std::string>& lines)
{
    const auto& keys = Keys();
    for (const std::string& line : lines) {
        const std::string_view text = Trim(line);
        for (int i = 0; i < kPaletteColors; ++i) {
            if (!StartsWithNoCase(text, keys[i])) continue;
            SetColor(i, static_cast<TColor>(SafeInt(text.substr(kKeyLength, kNumberLength))));
            break;
        }
    }
}

std::vector<std::string> TCPalette::FileLines() const
{
    std::vector<std::string> lines = {"// Velko's color palette", "// "};
    for (int i = 0; i < kPaletteColors; ++i)
        lines.push_back(Keys()[i] + " " + std::to_string(FColors[i]));
    return lines;
}

bool TCPalette::Load(const std::string& programFolder, std::string_view name)
{
    const std::optional<std::string> path = FindPaletteFile(programFolder, name);
    if (!path) return false;
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(*path, error);
    if (error || size > kMaxFileSize) return false;
    const auto lines = ReadLineFile(*path);
    if (!lines) return false;
    ReadLines(*lines);
    return true;
}

bool TCPalette::Save(THost& host, const std::string& programFolder, std::string_view name) const
{
    // Saving over a palette whose file name differs only in case replaces that file rather
    // than making a second palette of the same name.
    const std::string path =
        FindPaletteFile(programFolder, name).value_or(FolderPath(programFolder) + FileName(name));
    if (IsPaletteName(name) && WriteLineFile(path, FileLines())) return true;
    host.ShowMessage("The palette could not be saved as\n" + path, "Palette", TMsgIcon::Error,
                     TMsgButtons::Ok);
    return false;
}

bool PaletteExists(const std::string& programFolder, std::string_view name)
{
    return FindPaletteFile(programFolder, name).has_value();
}

std::vector<std::string> ListPalettes(const std::string& programFolder)
{
    std::vector<std::string> names;
    for (const std::string& file : FileNamesIn(FolderPath(programFolder)))
        if (file.size() > kExtension.size() && HasPaletteExtension(file))
            names.push_back(file.substr(0, file.size() - kExtension.size()));
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return UpperCase(a) < UpperCase(b);
    });
    return names;
}

TPaletteInForce::TPaletteInForce(TGlobals& globals) : FGlobals(globals) {}

bool TPaletteInForce::Load(std::string_view name)
{
    if (!Colors.Load(FGlobals.ProgramFolder, name)) return false;
    FGlobals.Host.Refresh(rfColorsBar);
    return true;
}
