#pragma once
// The rule library: for every game a list of named rules, built in, one per user rule library
// beside the program, and the user's own, which are kept in the user rules file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class THost;

struct TFamousRule {
    std::string Name;
    std::string Rule;
    std::string Kind;
    std::string Description; // paragraphs and lines separated by CR LF
    bool User = false;       // only user entries are edited, deleted and written back
};

inline constexpr int kMaxRulesPerGame = 51;
inline constexpr const char* kUserRulesFile = "User.rul";

class TRuleLibrary {
public:
    // Holds the built-in entries of every game once constructed.
    explicit TRuleLibrary(THost& host);

    // Texts are stored trimmed; an entry beyond the game's 51st, or of no game, is dropped.
    void AddEntry(int game, std::string_view name, std::string_view rule, std::string_view kind,
                  std::string_view description, bool user);
    // Positions are 0-based; anything out of range changes nothing.
    void DeleteEntry(int game, int position);
    // Changes name, kind and description of a user entry; false for any other.
    bool EditEntry(int game, int position, std::string_view name, std::string_view kind,
                   std::string_view description);
    int32_t EntryCount(int game) const;
    // Null when out of range.
    const TFamousRule* Entry(int game, int position) const;

    // One User DLL entry per user rule library in the program's library folder.
    void AddUserDllEntries(const std::string& programFolder);

    // A missing file is no error; a file that cannot be read is reported and gives false.
    // Unknown lines are skipped.
    bool ReadUserRules(const std::string& programFolder);
    // Writes every user entry. The new file is complete before it replaces the old one, which
    // is kept as ".BAK"; a failure is reported, gives false, and leaves both files as they were.
    bool WriteUserRules(const std::string& programFolder) const;
    // The library as the program offers it from the start: the built-in entries, then one
    // entry per user rule library, then the user rules.
    void AddProgramEntries(const std::string& programFolder);

private:
    void AddBuiltInEntries();

    THost& FHost;
    std::vector<std::vector<TFamousRule>> FEntries; // by game index - 1
};

// One entry of the rules popup of the status bar.
struct TRuleMenuItem {
    std::string Caption;
    std::string Rule;
    bool Checked = false; // the entry's rule is the one in force
};

// The popup's entries for `game`, in library order; long rule texts are left out of captions.
std::vector<TRuleMenuItem> RuleMenuItems(const TRuleLibrary& library, int game,
                                         std::string_view currentRule);
