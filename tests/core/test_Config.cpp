#include "TestHost.h"
#include "engine/u_Config.h"
#include "engine/u_Globals.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const TConfigValue& Find(const std::vector<TConfigValue>& values, std::string_view section,
                         std::string_view name)
{
    for (const TConfigValue& value : values)
        if (value.Section == section && value.Name == name) return value;
    throw std::invalid_argument(std::string(section) + "/" + std::string(name));
}

// A valid value unlike the default, so that a value written and read back shows it was kept.
int32_t Changed(const TConfigValue& value, int32_t current)
{
    if (value.Kind == TConfigKind::Flag) return current ? 0 : 1;
    const int32_t up = current + 1;
    return value.Check && value.Check(up) != up ? current - 2 : up;
}

class TConfigTest : public testing::Test {
protected:
    TMemoryStore Store;
    const std::vector<TConfigValue> Values = ConfigValues();

    int32_t ReadAs(std::string_view section, std::string_view name, std::string_view text)
    {
        Store.WriteText(section, name, text);
        return Find(Values, section, name).Number(TConfiguration::Read(Store, 32));
    }
};

} // namespace

TEST_F(TConfigTest, FreshStoreGivesTheDefaults)
{
    const TConfiguration c = TConfiguration::Read(Store, 32);
    EXPECT_EQ(c.Engine.Width, 400);
    EXPECT_EQ(c.Engine.Height, 300);
    EXPECT_EQ(c.Engine.StatesCount, 3);
    EXPECT_EQ(c.Engine.Interval, 0);
    EXPECT_FALSE(c.Engine.Wrap);
    EXPECT_EQ(c.View.CellSize, 7);
    EXPECT_EQ(c.View.CellShape, 1);
    EXPECT_EQ(c.View.MaxBestFitCellSize, 11);
    EXPECT_TRUE(c.View.ShowGrid && c.View.ShowBoldLines);
    EXPECT_EQ(c.View.BoldLinesStep, 5);
    EXPECT_EQ(c.Window.InitialCursorMode, 0);
    EXPECT_EQ(c.Window.FormWidth, 640);
    EXPECT_EQ(c.Window.FormHeight, 480);
    EXPECT_EQ(c.Window.FormTop, 0);
    EXPECT_EQ(c.Window.FormLeft, 0);
    EXPECT_EQ(c.Window.WindowState, wsNormal);
    EXPECT_EQ(c.Window.NumRecentFiles, 10);
    EXPECT_EQ(c.Window.LastFile, "Noname.plx");
    EXPECT_EQ(c.Random.SeedFile(), "1 cell");
    EXPECT_EQ(c.Undo.MaxSteps, 200);
    EXPECT_FALSE(c.Undo.IsEventOn(TUndoEvent::RunOnce));
    EXPECT_FALSE(c.Undo.IsEventOn(TUndoEvent::Time));
    EXPECT_TRUE(c.Undo.IsEventOn(TUndoEvent::Cycles));
    EXPECT_EQ(c.RunN.UpToCycle, 1000);
    // True colour: black background, yellow to red cells.
    EXPECT_EQ(c.Palette.BackColor(), 0u);
    EXPECT_EQ(c.Palette.StateColor(1), 65535u);
    EXPECT_EQ(c.Palette.StateColor(24), 100u);

    const TConfiguration few = TConfiguration::Read(Store, 8);
    EXPECT_EQ(few.Palette.BackColor(), 16777215u);
    EXPECT_EQ(few.Palette.StateColor(1), 255u);

    TTestHost host;
    TGlobals g{host};
    TSaveOptions save;
    TRandomSettings random;
    c.ApplyTo({g, save, random});
    EXPECT_EQ(g.Board.Width(), 400);
    EXPECT_EQ(g.Board.Height(), 300);
    EXPECT_EQ(g.Board.StatesCount(), 3);
}

TEST_F(TConfigTest, ValuesAreStoredAsDecimalTextUnderTheirNames)
{
    std::set<std::pair<std::string, std::string>> names;
    for (const TConfigValue& value : Values)
        EXPECT_TRUE(names.emplace(value.Section, value.Name).second) << value.Name;
    EXPECT_EQ(Values.size(), 117u);

    TConfiguration::Defaults(32).Write(Store);
    const std::tuple<const char*, const char*, const char*> kStored[] = {
        {"Settings", "UpdateInterval", "0"},
        {"Settings", "Sound", "1"},
        {"Settings", "LastFile", "Noname.plx"},
        {"Randomize", "AreaX1", "-20"},
        {"Randomize", "Interior", "1"},
        {"Randomize", "SeedFile", "1 cell.plx"},
        {"InOut", "SaveCColors", "0"},
        {"InOut", "OnlyTopRow1D", "1"},
        {"Undo", "MaxUndoCells", "60000"},
        {"Undo", "Event_RUN1", "0"},
        {"Undo", "Event_MANU", "1"},
        {"Colors", "GridBoldColor", "66403"},
        {"Colors", "CellColor09", "240"},
        {"Colors", "MaxColors", "3"},
        {"Colors", "GenColors02", "255"},
        {"Colors", "GenColorsIdx04", "24"},
        {"Layout", "WindowState", "1"},
        {"Layout", "FilMgrWidth", "120"},
        {"Layout", "Visible_SCLBAR", "1"},
        {"Board", "SizeY", "300"},
        {"Board", "OptSubzoomRedraw", "0"},
        {"Cells", "MaxBestFitCellSize", "11"},
        {"Running", "RedrawEvery", "50"},
        {"Running", "StopPeriodic", "0"},
    };
    for (auto [section, name, text] : kStored)
        EXPECT_EQ(Store.ReadText(section, name, "?"), text) << section << "/" << name;
}

TEST_F(TConfigTest, EveryValueWrittenIsReadBack)
{
    TConfiguration written = TConfiguration::Defaults(32);
    for (const TConfigValue& value : Values) {
        if (value.Kind == TConfigKind::Text)
            value.SetText(written, "Changed.plx");
        else
            value.SetNumber(written, Changed(value, value.Number(written)));
    }
    written.Window.WindowState = wsNormal; // else the geometry is not written
    written.Write(Store);

    const TConfiguration read = TConfiguration::Read(Store, 32);
    for (const TConfigValue& value : Values) {
        if (value.Kind == TConfigKind::Text)
            EXPECT_EQ(value.Text(read), value.Text(written)) << value.Name;
        else
            EXPECT_EQ(value.Number(read), value.Number(written)) << value.Name;
    }
    EXPECT_EQ(read.Random.SeedFile(), "Changed");
    EXPECT_EQ(read.Window.LastFile, "Changed.plx");
}

TEST_F(TConfigTest, OutOfRangeValuesReadAsTheirChecksSay)
{
    const std::tuple<const char*, const char*, const char*, int32_t> kCases[] = {
        {"Settings", "NumRecentFiles", "31", 15},
        {"Settings", "NumRecentFiles", "-1", 15},
        {"Settings", "NumRecentFiles", "30", 30},
        {"Settings", "InitialCursorMode", "7", 0},
        {"Settings", "InitialCursorMode", "-1", 0},
        {"Settings", "InitialCursorMode", "4", 4},
        {"Cells", "CellSize", "22", 7},
        {"Cells", "CellSize", "-65", 7},
        {"Cells", "CellSize", "-64", -64},
        {"Cells", "CellShape", "0", 1},
        {"Cells", "CellShape", "4", 4},
        {"Colors", "MaxColors", "40", 25},
        {"Colors", "MaxColors", "1", 2},
        {"Cells", "MaxBestFitCellSize", "8", 7},
        {"Cells", "MaxBestFitCellSize", "-2", 7},
        {"Cells", "MaxBestFitCellSize", "21", 21},
        {"Layout", "WindowState", "2", 2},
        {"Layout", "WindowState", "3", 1},
        {"Layout", "WindowState", "0", 1},
        {"Board", "BoldLinesStep", "0", 5},
        {"Board", "BoldLinesStep", "2", 2},
        {"Board", "SizeX", "430", 430}, // the board limits it when applied
    };
    for (auto [section, name, text, expected] : kCases)
        EXPECT_EQ(ReadAs(section, name, text), expected) << name << " " << text;
}

TEST_F(TConfigTest, UnreadableValuesGiveTheDefault)
{
    const std::tuple<const char*, const char*, const char*, int32_t> kCases[] = {
        {"Cells", "CellSize", "abc", 7},
        {"Cells", "MaxBestFitCellSize", "abc", 11}, // the default, not the check's 7
        {"Settings", "Sound", "", 1},
        {"Settings", "UpdateInterval", "12abc", 0},
        {"Settings", "UpdateInterval", "99999999999", 0},
        {"Settings", "UpdateInterval", "+-5", 0},
        {"Settings", "UpdateInterval", " 250 ", 250},
        {"Settings", "UpdateInterval", "+5", 5},
        {"Randomize", "AreaY2", "x", 20},
        {"Colors", "BackColor", "1.5", 0},
        {"Undo", "Event_RUN1", "yes", 0},
        {"Undo", "Event_RUN1", "2", 1}, // any number but 0 is on
    };
    for (auto [section, name, text, expected] : kCases)
        EXPECT_EQ(ReadAs(section, name, text), expected) << name << " '" << text << "'";
}

TEST_F(TConfigTest, CoreObjectsTakeTheirValuesAndGiveThemBack)
{
    TTestHost host;
    TGlobals g{host};
    TSaveOptions save;
    TRandomSettings random;
    const TConfigTargets targets{g, save, random};

    Store.WriteText("Board", "SizeX", "430");
    Store.WriteText("Board", "SizeY", "5000");
    Store.WriteText("Board", "Wrap", "1");
    Store.WriteText("Colors", "MaxColors", "6");
    Store.WriteText("Colors", "CellColor05", "1234");
    Store.WriteText("Settings", "UpdateInterval", "-5");
    Store.WriteText("Undo", "UndoSnapCycles", "0");
    Store.WriteText("Undo", "Event_TIME", "1");
    Store.WriteText("InOut", "SaveSpeed", "1");
    Store.WriteText("Randomize", "NewRndFills", "40");
    Store.WriteText("Settings", "SelDrop", "0");
    Store.WriteText("Running", "ForCycles", "77");
    TConfiguration::Read(Store, 32).ApplyTo(targets);

    EXPECT_EQ(g.Board.Width(), 420);
    EXPECT_EQ(g.Board.Height(), TBoard::kMaxHeight);
    EXPECT_TRUE(g.Board.Wrap());
    EXPECT_EQ(g.Board.StatesCount(), 6);
    EXPECT_EQ(g.Palette.Colors.StateColor(5), 1234u);
    EXPECT_EQ(g.Run.Interval(), 5) << "an interval is kept as its magnitude";
    EXPECT_EQ(g.Undo.Settings().SnapCycles, 1);
    EXPECT_TRUE(g.Undo.Settings().IsEventOn(TUndoEvent::Time));
    EXPECT_TRUE(save.Speed);
    EXPECT_EQ(random.Density, 40);
    EXPECT_FALSE(g.Run.DropSelection);
    EXPECT_EQ(g.Run.Request.ForCycles, 77);

    // The settings dialog changes the objects; their values are what is written.
    g.Run.SetInterval(250);
    g.Board.SetStatesCount(9);
    random.Density = 55;
    g.Run.Request.UpToCycle = 5000;
    TConfiguration out = TConfiguration::Read(Store, 32);
    out.View.CellSize = 3;
    out.TakeFrom(targets);
    out.Write(Store);
    EXPECT_EQ(Store.ReadText("Settings", "UpdateInterval", ""), "250");
    EXPECT_EQ(Store.ReadText("Board", "SizeX", ""), "420");
    EXPECT_EQ(Store.ReadText("Colors", "MaxColors", ""), "9");
    EXPECT_EQ(Store.ReadText("Randomize", "NewRndFills", ""), "55");
    EXPECT_EQ(Store.ReadText("Undo", "UndoSnapCycles", ""), "1");
    EXPECT_EQ(Store.ReadText("Cells", "CellSize", ""), "3");
    EXPECT_EQ(Store.ReadText("Running", "UpToCycle", ""), "5000");
    EXPECT_EQ(Store.ReadText("Settings", "SelDrop", ""), "0");
}

TEST_F(TConfigTest, OnlyTheNormalWindowWritesItsGeometry)
{
    TConfiguration c = TConfiguration::Defaults(32);
    c.Window.FormWidth = 800;
    c.Write(Store);

    c.Window.WindowState = wsMaximised;
    c.Window.FormWidth = 1920;
    c.Write(Store);
    EXPECT_EQ(Store.ReadText("Layout", "WindowState", ""), "2");
    EXPECT_EQ(Store.ReadText("Layout", "FormWidth", ""), "800");

    c.Window.WindowState = wsMinimised;
    c.Write(Store);
    EXPECT_EQ(Store.ReadText("Layout", "WindowState", ""), "2");
    EXPECT_EQ(Store.ReadText("Layout", "FormWidth", ""), "800");

    const TConfiguration read = TConfiguration::Read(Store, 32);
    EXPECT_EQ(read.Window.WindowState, wsMaximised);
    EXPECT_EQ(read.Window.FormWidth, 800);
}

TEST_F(TConfigTest, RecentFilesReplaceTheWholeSection)
{
    WriteRecentFiles(Store, {"a.plx", "b.lif", "c.rle"});
    EXPECT_EQ(ReadRecentFiles(Store, 10), (std::vector<std::string>{"a.plx", "b.lif", "c.rle"}));
    EXPECT_EQ(ReadRecentFiles(Store, 2), (std::vector<std::string>{"a.plx", "b.lif"}));

    Store.WriteText("Settings", "LastFile", "kept.plx");
    WriteRecentFiles(Store, {"d.plx"});
    EXPECT_EQ(ReadRecentFiles(Store, 10), std::vector<std::string>{"d.plx"});
    EXPECT_FALSE(Store.HasValue("MRU Items", "F1"));
    EXPECT_EQ(Store.ReadText("Settings", "LastFile", ""), "kept.plx");

    Store.EraseSection("MRU Items");
    EXPECT_TRUE(ReadRecentFiles(Store, 10).empty());
    Store.EraseSection("Nothing"); // erasing what is not there does nothing
    EXPECT_TRUE(Store.HasValue("Settings", "LastFile"));
}
