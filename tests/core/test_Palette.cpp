#include "view/u_Palette.h"

#include "TestHost.h"
#include "base/u_LineFile.h"
#include "engine/u_Globals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

// Failures show the colours, not the object's bytes.
static void PrintTo(const TCPalette& palette, std::ostream* out)
{
    *out << std::hex;
    for (int i = 0; i < kPaletteColors; ++i) *out << (i ? " " : "") << palette.Color(i);
    *out << std::dec;
}

namespace {

namespace fs = std::filesystem;

const std::string kDataFolder = std::string(PLEXA_TEST_DATA_DIR) + "/palette/";
// data/ is laid out as the program folder is.
const std::string kShippedFolder = std::string(PLEXA_TEST_DATA_DIR) + "/../../data/";

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every colour different, and none of them a default.
TCPalette Distinct()
{
    TCPalette palette;
    for (int i = 0; i < kPaletteColors; ++i) palette.SetColor(i, 0x10203 * (i + 1) + 0xA00000);
    return palette;
}

// A program folder of its own for each test, with an empty "System/".
class TPaletteFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        Root =
            fs::temp_directory_path() / ("plexa-palette-" + std::to_string(std::random_device{}()));
        fs::create_directories(Root / "System");
        Folder = Root.string() + "/";
    }
    void TearDown() override { fs::remove_all(Root); }

    void Write(const fs::path& relative, std::string_view bytes)
    {
        std::ofstream(Root / relative, std::ios::binary) << bytes;
    }
    void CopyGolden(const std::string& golden, const std::string& name)
    {
        fs::copy_file(kDataFolder + golden, Root / "System" / name);
    }

    fs::path Root;
    std::string Folder;
    TTestHost Host;
};

// ---- Colours ----

TEST(TPaletteTest, NewPaletteIsBlackAndDefaultsFollowTheScreenDepth)
{
    for (int i = 0; i < kPaletteColors; ++i) EXPECT_EQ(TCPalette().Color(i), 0u);

    for (int bits : {9, 16, 24, 32}) {
        const TCPalette deep = TCPalette::Defaults(bits);
        EXPECT_EQ(deep.BackColor(), 0u) << bits;
        EXPECT_EQ(deep.GridColor(), 0x40u);
        EXPECT_EQ(deep.GridBoldColor(), 0x10363u);
        EXPECT_EQ(deep.StateColor(1), 0xFFFFu) << "yellow";
        EXPECT_EQ(deep.StateColor(8), 0xFFu);
        EXPECT_EQ(deep.StateColor(24), 0x64u) << "dark red";
    }
    for (int bits : {1, 4, 8}) {
        const TCPalette basic = TCPalette::Defaults(bits);
        EXPECT_EQ(basic.BackColor(), 0xFFFFFFu) << bits;
        EXPECT_EQ(basic.GridColor(), 0xC0C0C0u);
        EXPECT_EQ(basic.GridBoldColor(), 0x808080u);
        EXPECT_EQ(basic.StateColor(1), 0xFFu);
        EXPECT_EQ(basic.StateColor(8), 0u);
        EXPECT_EQ(basic.StateColor(9), 0xFF00u);
        EXPECT_EQ(basic.StateColor(24), 0xFF0080u);
    }
}

TEST(TPaletteTest, StatesMapToTheirColoursAndColoursKeepThreeBytes)
{
    const TCPalette palette = Distinct();
    EXPECT_EQ(palette.StateColor(0), palette.Color(piBackground));
    EXPECT_EQ(palette.StateColor(1), palette.Color(piState1));
    EXPECT_EQ(palette.StateColor(24), palette.Color(kPaletteColors - 1));
    EXPECT_EQ(palette.StateColor(200), palette.StateColor(24));

    TCPalette masked;
    masked.SetColor(piGrid, 0xFF123456);
    EXPECT_EQ(masked.GridColor(), 0x123456u);
}

TEST(TPaletteTest, ReadingIsLenient)
{
    const auto lines = ReadLineFile(kDataFolder + "lenient.pxp");
    ASSERT_TRUE(lines);

    TCPalette palette = TCPalette::Defaults(32);
    palette.ReadLines(*lines);
    const TCPalette before = TCPalette::Defaults(32);
    const struct {
        int State;
        TColor Color;
        const char* Why;
    } cases[] = {
        {1, 0, "unreadable number"},
        {2, 0xFFFFFF, "-1 keeps its three colour bytes"},
        {3, 99999999 & 0xFFFFFF, "too big for a colour"},
        {4, 0, "the number starts after the 20 characters"},
        {5, 4, "only the 20 characters after the key count"},
        {6, 300, "a plus sign"},
        {7, 0, "no decimal comma in a colour"},
        {10, 0, "text after the number"},
        {11, 11, "the last line of a key wins"},
        {24, 24, "last key"},
    };
    for (const auto& c : cases) EXPECT_EQ(palette.StateColor(c.State), c.Color) << c.Why;
    EXPECT_EQ(palette.BackColor(), 0xFFFFFFu) << "key in lower case";
    EXPECT_EQ(palette.GridColor(), 12345u) << "blanks and tabs around key and number";
    EXPECT_EQ(palette.GridBoldColor(), 255u) << "no blank after the key";
    for (int s : {8, 9, 12, 13, 14, 23})
        EXPECT_EQ(palette.StateColor(s), before.StateColor(s))
            << s << ": no valid key line, colour kept";
}

// ---- Files ----

TEST_F(TPaletteFilesTest, SaveWritesTheExactFileAndLoadReadsItBack)
{
    ASSERT_TRUE(TCPalette::Defaults(32).Save(Host, Folder, "deep"));
    EXPECT_EQ(ReadBytes(Root / "System/deep.pxp"), ReadBytes(kDataFolder + "deep.pxp"));
    TCPalette loaded;
    ASSERT_TRUE(loaded.Load(Folder, "deep"));
    EXPECT_EQ(loaded, TCPalette::Defaults(32));

    ASSERT_TRUE(Distinct().Save(Host, Folder, "deep"));
    ASSERT_TRUE(loaded.Load(Folder, "deep"));
    EXPECT_EQ(loaded, Distinct()) << "saving replaced the file";
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(ListPalettes(Folder), std::vector<std::string>{"deep"}) << "no temporary left";
}

TEST_F(TPaletteFilesTest, NamesGetTheExtensionOnceAndIgnoreLetterCase)
{
    Write("System/dark.pxp", "#STATE001 7\r\n");
    for (const char* name : {"dark", "dark.pxp", "dark.PXP", "DARK", "Dark.Pxp"}) {
        TCPalette palette;
        EXPECT_TRUE(palette.Load(Folder, name)) << name;
        EXPECT_EQ(palette.StateColor(1), 7u) << name;
        EXPECT_TRUE(PaletteExists(Folder, name)) << name;
    }

    Write("System/odd.PXP.pxp", "#STATE001 9\r\n");
    TCPalette palette;
    EXPECT_FALSE(palette.Load(Folder, "odd.PXP")) << "no second extension";
    EXPECT_TRUE(palette.Load(Folder, "odd.PXP.pxp"));
    EXPECT_EQ(palette.StateColor(1), 9u);

    ASSERT_TRUE(Distinct().Save(Host, Folder, "DARK"));
    EXPECT_EQ(ListPalettes(Folder), (std::vector<std::string>{"dark", "odd.PXP"}))
        << "saving under another letter case replaces the file";
    ASSERT_TRUE(palette.Load(Folder, "dark"));
    EXPECT_EQ(palette, Distinct());
}

TEST_F(TPaletteFilesTest, OneKeyChangesOneColour)
{
    Write("System/three.pxp", "#STATE003 255");
    TCPalette palette = Distinct();
    ASSERT_TRUE(palette.Load(Folder, "three"));
    for (int i = 0; i < kPaletteColors; ++i)
        EXPECT_EQ(palette.Color(i), i == piState1 + 2 ? 255u : Distinct().Color(i)) << i;
}

TEST_F(TPaletteFilesTest, TruncatedAndBinaryFilesReadWhatTheyHold)
{
    CopyGolden("truncated.pxp", "truncated.pxp");
    TCPalette palette = Distinct();
    ASSERT_TRUE(palette.Load(Folder, "truncated"));
    EXPECT_EQ(palette.BackColor(), 1000u);
    EXPECT_EQ(palette.StateColor(4), 1006u);
    EXPECT_EQ(palette.StateColor(5), 10u) << "the cut number";
    EXPECT_EQ(palette.StateColor(6), Distinct().StateColor(6));

    CopyGolden("binary.pxp", "binary.pxp");
    palette = Distinct();
    ASSERT_TRUE(palette.Load(Folder, "binary"));
    EXPECT_EQ(palette.StateColor(2), 77u) << "a key line among the bytes";
    EXPECT_EQ(palette.StateColor(3), Distinct().StateColor(3)) << "key not at a line start";
}

TEST_F(TPaletteFilesTest, WhatIsNotAPaletteFileChangesNothing)
{
    fs::create_directories(Root / "System/folder.pxp");
    fs::create_directories(Root / "System/sub");
    Write("outside.pxp", "#STATE001 1\r\n");
    Write("System/sub/inner.pxp", "#STATE001 1\r\n");
    Write("System/huge.pxp", "#STATE001 1\r\n" + std::string(1 << 20, ' '));
    // The system would stop reading the name at the NUL and open this file.
    Write("System/nul", "#STATE001 1\r\n");
    for (const std::string& name :
         {std::string("missing"), std::string("folder"), std::string("huge"),
          std::string("../outside"), std::string("sub/inner"), std::string("sub\\inner"),
          std::string(), std::string("nul\0x", 5)}) {
        TCPalette palette = Distinct();
        EXPECT_FALSE(palette.Load(Folder, name)) << name;
        EXPECT_EQ(palette, Distinct()) << name;
    }
    EXPECT_FALSE(PaletteExists(Folder, "../outside"));
}

TEST_F(TPaletteFilesTest, ListingNamesPaletteFilesOnly)
{
    for (const char* file : {"b.pxp", "A.PXP", "c.Pxp", "notes.txt", "d.pxp.tmp", ".pxp"})
        Write(fs::path("System") / file, "#STATE001 1\r\n");
    fs::create_directories(Root / "System/dir.pxp");
    EXPECT_EQ(ListPalettes(Folder), (std::vector<std::string>{"A", "b", "c"}));

    fs::remove_all(Root / "System");
    EXPECT_TRUE(ListPalettes(Folder).empty());
}

TEST_F(TPaletteFilesTest, FailedSavesAreReportedAndWriteNothing)
{
    EXPECT_FALSE(Distinct().Save(Host, Folder, "../escape"));
    EXPECT_FALSE(fs::exists(Root / "escape.pxp"));
    fs::remove_all(Root / "System");
    EXPECT_FALSE(Distinct().Save(Host, Folder, "lost"));
    EXPECT_FALSE(fs::exists(Root / "System"));

    ASSERT_EQ(Host.Messages.size(), 2u);
    for (const TRecordedMessage& message : Host.Messages) {
        EXPECT_EQ(message.Caption, "Palette");
        EXPECT_EQ(message.Icon, TMsgIcon::Error);
        EXPECT_EQ(message.Buttons, TMsgButtons::Ok);
    }
    EXPECT_NE(Host.Messages[1].Text.find("System/lost.pxp"), std::string::npos);
}

TEST(TPaletteShippedTest, ShippedPalettesAreWrittenAsSaveWritesThem)
{
    const std::vector<std::string> names = ListPalettes(kShippedFolder);
    for (const char* wanted : {"Rainbow008", "Gray016", "Fire024", "Contrast024", "Standard"})
        EXPECT_NE(std::find(names.begin(), names.end(), wanted), names.end()) << wanted;

    const fs::path temp =
        fs::temp_directory_path() / ("plexa-shipped-" + std::to_string(std::random_device{}()));
    fs::create_directories(temp / "System");
    TTestHost host;
    for (const std::string& name : names) {
        TCPalette palette;
        ASSERT_TRUE(palette.Load(kShippedFolder, name)) << name;
        ASSERT_TRUE(palette.Save(host, temp.string() + "/", name));
        EXPECT_EQ(ReadBytes(temp / "System" / (name + ".pxp")),
                  ReadBytes(kShippedFolder + "System/" + name + ".pxp"))
            << name;
    }
    fs::remove_all(temp);

    TCPalette standard;
    ASSERT_TRUE(standard.Load(kShippedFolder, "Standard"));
    EXPECT_EQ(standard, TCPalette::Defaults(32));
}

TEST(TPaletteShippedTest, RainbowShowsDavesTwoStatesApartOnADarkBackground)
{
    TCPalette rainbow;
    ASSERT_TRUE(rainbow.Load(kShippedFolder, "Rainbow008"));
    // The largest difference in one of the three colour channels.
    const auto apart = [](TColor a, TColor b) {
        int most = 0;
        for (int shift : {0, 8, 16})
            most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
        return most;
    };
    EXPECT_LE(apart(rainbow.BackColor(), 0), 32) << "dark background";
    EXPECT_GE(apart(rainbow.StateColor(1), rainbow.BackColor()), 200);
    EXPECT_GE(apart(rainbow.StateColor(2), rainbow.BackColor()), 200);
    EXPECT_GE(apart(rainbow.StateColor(1), rainbow.StateColor(2)), 200);
}

// ---- The palette in force ----

class TPaletteInForceTest : public TPaletteFilesTest {
protected:
    void SetUp() override
    {
        TPaletteFilesTest::SetUp();
        G.ProgramFolder = Folder;
        G.Palettes = &InForce;
    }

    TGlobals G{Host};
    TPaletteInForce InForce{G};
};

TEST_F(TPaletteInForceTest, LoadingRefreshesTheColorsBarOnlyWhenSomethingWasRead)
{
    InForce.Colors = Distinct();
    G.Palettes->LoadPalette("missing");
    EXPECT_EQ(InForce.Colors, Distinct());
    EXPECT_EQ(Host.Refreshed, 0u);

    Write("System/one.pxp", "#GRIDNORM 5\r\n");
    EXPECT_TRUE(InForce.Load("ONE"));
    EXPECT_EQ(InForce.Colors.GridColor(), 5u);
    EXPECT_EQ(Host.Refreshed, unsigned(rfColorsBar));
}

TEST_F(TPaletteInForceTest, DaveSwitchesToTheRainbow)
{
    fs::create_directories(Root / "UserDLLs/DLLs");
    fs::copy_file(PLEXA_DAVE_FILE, Root / "UserDLLs/DLLs/Dave.so");
    fs::copy_file(kShippedFolder + "System/Rainbow008.pxp", Root / "System/Rainbow008.pxp");
    TCPalette rainbow;
    ASSERT_TRUE(rainbow.Load(Folder, "Rainbow008"));

    G.Board.SetSize(100, 100);
    G.Life.SetGame(gmUserDll);
    G.Board.SetRules("Dave");
    ASSERT_EQ(G.Board.LibraryName(), "Dave");
    EXPECT_EQ(InForce.Colors, rainbow);
    EXPECT_EQ(Host.Refreshed & (rfColorsBar | rfBoard), unsigned(rfColorsBar | rfBoard));
}

} // namespace
