#include "PatternFiles.h"
#include "TestHost.h"
#include "base/u_LibraryFiles.h"
#include "rules/u_Life.h"
#include "rules/u_RuleLibrary.h"
#include "rules/u_Rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TRuleLibraryTest : public testing::Test {
protected:
    TTestHost Host;
    TRuleLibrary Library{Host};
    fs::path Folder;

    void SetUp() override
    {
        Folder = fs::temp_directory_path() /
                 ("plexa-rulelib-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Folder);
        fs::create_directories(Folder);
    }
    void TearDown() override { fs::remove_all(Folder); }

    std::string ProgramFolder() const { return Folder.string() + "/"; }
    std::string UserFile() const { return (Folder / kUserRulesFile).string(); }
    void WriteUserFile(const std::string& text) const
    {
        std::ofstream(UserFile(), std::ios::binary) << text;
    }
    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // The user entries of `game`, as "name|rule|kind|description".
    static std::vector<std::string> UserEntries(const TRuleLibrary& library, int game)
    {
        std::vector<std::string> entries;
        for (int i = 0; i < library.EntryCount(game); ++i) {
            const TFamousRule& e = *library.Entry(game, i);
            if (e.User)
                entries.push_back(e.Name + "|" + e.Rule + "|" + e.Kind + "|" + e.Description);
        }
        return entries;
    }
};

// Every built-in entry, by game in library order: "game\tname\tkind\trule" as listed in the
// data file, the same lines `plexa-cli --list-rules` prints.
TEST_F(TRuleLibraryTest, BuiltInEntriesOfEveryGame)
{
    std::vector<std::string> listed;
    for (int game = 1; game <= kGameCount; ++game) {
        for (int i = 0; i < Library.EntryCount(game); ++i) {
            const TFamousRule& e = *Library.Entry(game, i);
            EXPECT_FALSE(e.User) << e.Name;
            listed.push_back(TLife::GameName(game) + "\t" + e.Name + "\t" + e.Kind + "\t" + e.Rule);
        }
    }
    EXPECT_EQ(listed, ReadDataLines("library/built-in-rules.tsv"));
    EXPECT_EQ(Library.EntryCount(0), 0);
    EXPECT_EQ(Library.EntryCount(10), 0);
    EXPECT_EQ(Library.Entry(gmLife, 20), nullptr);
    EXPECT_EQ(Library.Entry(gmLife, -1), nullptr);

    // Every description is there, and its line breaks are CR LF only.
    for (int game = 1; game <= kGameCount; ++game) {
        for (int i = 0; i < Library.EntryCount(game); ++i) {
            const std::string& text = Library.Entry(game, i)->Description;
            EXPECT_FALSE(text.empty());
            for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
                EXPECT_TRUE(at > 0 && text[at - 1] == '\r') << text;
        }
    }
    EXPECT_NE(Library.Entry(gmLife, 8)->Description.find("\r\n\r\n"), std::string::npos);
}

// A built-in rule can only be checked in the popup when it reads back as the same text.
TEST_F(TRuleLibraryTest, BuiltInRulesAreInTheirGamesTextForm)
{
    auto each = [&](int game, auto textForm) {
        for (int i = 0; i < Library.EntryCount(game); ++i) {
            const std::string& rule = Library.Entry(game, i)->Rule;
            EXPECT_EQ(textForm(rule), rule) << TLife::GameName(game);
        }
    };
    each(gmLife, [](const std::string& rule) { return TLife::ParseLifeRule(rule, gmLife)->Text; });
    each(gmWeightedLife, [](const std::string& rule) {
        TRulesWLife record;
        record.InitFromString(rule, 2);
        return record.GetAsString();
    });
    each(gmRulesTable, [](const std::string& rule) {
        TRulesTable table = TLife::ParseRulesTable(rule);
        return TLife::FormatRulesTable(table);
    });
    each(gmCyclic, [](const std::string& rule) {
        TRulesCycl record;
        record.InitFromString(rule);
        return record.GetAsString();
    });
    each(gm1DTotalistic, [](const std::string& rule) {
        TRules1DTo record;
        record.InitFromString(rule, 2);
        return record.GetAsString();
    });
}

TEST_F(TRuleLibraryTest, AddDeleteEditAndTheLimit)
{
    for (int i = 1; i <= 5; ++i)
        Library.AddEntry(gmVoteForLife, "  r" + std::to_string(i) + " ", "1", "k", "d", true);
    Library.DeleteEntry(gmVoteForLife, 4 + 2); // the third user entry
    Library.AddEntry(gmVoteForLife, "r6", "1", "k", "d", true);
    EXPECT_EQ(
        UserEntries(Library, gmVoteForLife),
        (std::vector<std::string>{"r1|1|k|d", "r2|1|k|d", "r4|1|k|d", "r5|1|k|d", "r6|1|k|d"}));

    Library.DeleteEntry(gmVoteForLife, 99);
    Library.DeleteEntry(gmVoteForLife, -1);
    EXPECT_EQ(Library.EntryCount(gmVoteForLife), 9);

    EXPECT_FALSE(Library.EditEntry(gmVoteForLife, 0, "x", "x", "x")); // built in
    EXPECT_TRUE(Library.EditEntry(gmVoteForLife, 4, " new ", "Stable", "line\r\nline"));
    EXPECT_EQ(UserEntries(Library, gmVoteForLife)[0], "new|1|Stable|line\r\nline");

    while (Library.EntryCount(gmLife) < kMaxRulesPerGame)
        Library.AddEntry(gmLife, "n", "1/1", "", "", true);
    Library.AddEntry(gmLife, "52nd", "1/1", "", "", true);
    EXPECT_EQ(Library.EntryCount(gmLife), kMaxRulesPerGame);
    EXPECT_EQ(Library.Entry(gmLife, kMaxRulesPerGame - 1)->Name, "n");
}

TEST_F(TRuleLibraryTest, UserDllEntriesFromTheLibraryFolder)
{
    const fs::path libraries = Folder / "UserDLLs" / "DLLs";
    fs::create_directories(libraries / "Folder.dll");
    for (const char* file : {"Dave.DLL", "Maze.so", "maze.dll", "notes.txt", "Zebra.dll"})
        std::ofstream(libraries / file) << "x";
    Library.AddUserDllEntries(ProgramFolder());

    ASSERT_EQ(Library.EntryCount(gmUserDll), 3);
    const std::vector<std::string> names = {"Dave", "Maze", "Zebra"};
    for (int i = 0; i < 3; ++i) {
        const TFamousRule& entry = *Library.Entry(gmUserDll, i);
        EXPECT_EQ(entry.Name, names[static_cast<size_t>(i)]);
        EXPECT_EQ(entry.Rule, entry.Name);
        EXPECT_EQ(entry.Kind, "Unknown");
        EXPECT_EQ(entry.Description, "No description");
        EXPECT_FALSE(entry.User);
    }
    // Each listed name activates the same file the loader picks.
    const std::string folder = (libraries / "").string();
    EXPECT_EQ(FindLibraryFile(folder, "maze"), folder + "Maze.so");
    EXPECT_EQ(FindLibraryFile(folder, "DAVE"), folder + "Dave.DLL");
    EXPECT_EQ(FindLibraryFile(folder, "Folder"), std::nullopt);
    EXPECT_EQ(FindLibraryFile(folder, "notes"), std::nullopt);
}

TEST_F(TRuleLibraryTest, ReadsUserRules)
{
    WriteUserFile("// comment\r\n"
                  "#NAME First\r\n"
                  "#RULE 23/36\r\n"
                  "#INFO a\r\n"
                  "#INFO b\r\n"
                  "#game generations\n"
                  "#RULE   345/2/4  \n"
                  "#NAME\n"
                  "#KIND Gliding\n"
                  "#INFO one\\ntwo\n"
                  "#GAMECyclic CA\n"
                  "#NAME kept for the next\n"
                  "#GAME Nonsense\n"
                  "#RULE 1/1\n"
                  "#INFO three\\nfour");
    EXPECT_TRUE(Library.ReadUserRules(ProgramFolder()));
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(
        UserEntries(Library, gmLife),
        (std::vector<std::string>{"First|23/36||a b", "kept for the next|1/1||three\r\nfour"}));
    EXPECT_EQ(UserEntries(Library, gmGenerations),
              (std::vector<std::string>{"???|345/2/4|Gliding|one\r\ntwo"}));
    EXPECT_EQ(UserEntries(Library, gmCyclic).size(), 0u);
}

TEST_F(TRuleLibraryTest, ReadsACorruptFileLeniently)
{
    std::string text = "#GAME\r\n#RULE\r\n\x01\xff garbage\r\n#RU\r\n#INFO\r\n#GAME Life\r\n"
                       "#rule 3/3\r\n#KIND \r\n#NAME \t\r\n";
    text += '\0';
    text += "junk\r\n#INFO x";
    WriteUserFile(text);
    EXPECT_TRUE(Library.ReadUserRules(ProgramFolder()));
    EXPECT_EQ(UserEntries(Library, gmLife), (std::vector<std::string>{"???|3/3|???|??? x"}));
}

TEST_F(TRuleLibraryTest, MissingFileIsNoErrorButAnUnreadableOneIs)
{
    EXPECT_TRUE(Library.ReadUserRules(ProgramFolder()));
    fs::create_directory(UserFile());
    EXPECT_FALSE(Library.ReadUserRules(ProgramFolder()));
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Icon, TMsgIcon::Error);
    EXPECT_EQ(Library.EntryCount(gmLife), 20);
}

TEST_F(TRuleLibraryTest, WritesAndReadsBackUserRules)
{
    Library.AddEntry(gmSpecial, "Jam", "TRCA,1,2,3,4", "Stable", "first\r\nsecond", true);
    Library.AddEntry(gmLife, "Mine", "23/3", "Chaotic", "lone\nbreak", true);
    Library.AddEntry(gmLife, "Odd\r\nname", "1/1", "Kind", "x", true);
    ASSERT_TRUE(Library.WriteUserRules(ProgramFolder()));

    const std::string text = Read(UserFile());
    EXPECT_EQ(text.rfind("// Plexa User Rules file\r\n//\r\n// Syntax:\r\n", 0), 0u);
    EXPECT_NE(text.find("//   #INFO - the rule descrition. There is no limit of the line length."
                        "\r\n//\r\n//\r\n//\r\n#GAME Life\r\n#RULE 23/3\r\n#NAME Mine\r\n"
                        "#KIND Chaotic\r\n#INFO lone\\nbreak\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("#NAME Odd name\r\n"), std::string::npos);
    EXPECT_NE(text.find("#GAME Special rules\r\n#RULE TRCA,1,2,3,4\r\n#NAME Jam\r\n#KIND Stable"
                        "\r\n#INFO first\\nsecond\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("Flakes"), std::string::npos); // built-in entries are never written

    TTestHost otherHost;
    TRuleLibrary other(otherHost);
    ASSERT_TRUE(other.ReadUserRules(ProgramFolder()));
    EXPECT_EQ(UserEntries(other, gmLife),
              (std::vector<std::string>{"Mine|23/3|Chaotic|lone\r\nbreak", "Odd name|1/1|Kind|x"}));
    EXPECT_EQ(UserEntries(other, gmSpecial),
              (std::vector<std::string>{"Jam|TRCA,1,2,3,4|Stable|first\r\nsecond"}));
}

TEST_F(TRuleLibraryTest, WriteKeepsABackupAndAFailedWriteChangesNothing)
{
    WriteUserFile("old file");
    Library.AddEntry(gmLife, "A", "1/1", "k", "d", true);
    ASSERT_TRUE(Library.WriteUserRules(ProgramFolder()));
    EXPECT_EQ(Read(UserFile() + ".BAK"), "old file");
    const std::string written = Read(UserFile());

    fs::create_directory(UserFile() + ".tmp");
    Library.AddEntry(gmLife, "B", "2/2", "k", "d", true);
    EXPECT_FALSE(Library.WriteUserRules(ProgramFolder()));
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Icon, TMsgIcon::Error);
    EXPECT_EQ(Read(UserFile()), written);
    EXPECT_EQ(Read(UserFile() + ".BAK"), "old file");
}

TEST_F(TRuleLibraryTest, PopupCaptionsAndCheck)
{
    const auto life = RuleMenuItems(Library, gmLife, "23/3");
    ASSERT_EQ(life.size(), 20u);
    EXPECT_EQ(life[0].Caption, "Flakes\t012345678/3 (Expanding)");
    EXPECT_EQ(life[0].Rule, "012345678/3");
    for (size_t i = 0; i < life.size(); ++i) EXPECT_EQ(life[i].Checked, i == 8) << i;

    const auto weighted = RuleMenuItems(Library, gmWeightedLife,
                                        "NW1,NN2,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3");
    EXPECT_EQ(weighted[1].Caption, "Career\t (Chaotic)");
    EXPECT_TRUE(weighted[1].Checked);
    EXPECT_FALSE(weighted[0].Checked);
    EXPECT_EQ(RuleMenuItems(Library, gmRulesTable, "")[0].Caption, "Conway's Life\t (Chaotic)");
    EXPECT_EQ(RuleMenuItems(Library, gm1DTotalistic, "")[0].Caption, "Abacus\t (Stable)");
    EXPECT_EQ(RuleMenuItems(Library, gmCyclic, "")[0].Caption, "313\tR1/T3/C3/NM (Cyclic)");

    Library.AddEntry(gmUserDll, "Dave", "Dave", "Unknown", "No description", false);
    const auto user = RuleMenuItems(Library, gmUserDll, "Dave");
    ASSERT_EQ(user.size(), 1u);
    EXPECT_EQ(user[0].Caption, "Dave");
    EXPECT_TRUE(user[0].Checked);
    EXPECT_TRUE(RuleMenuItems(Library, 0, "").empty());
}

} // namespace
