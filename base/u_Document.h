#pragma once
// The open document: its file name, the pattern description that travels with it, the folder
// the file dialogs start in, and the files opened or saved lately.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kNonameFile = "Noname.plx";
inline constexpr const char* kClipboardFile = "Clipboard";

// The recent-files list: the latest name first, each name once, at most Limit() names.
class TRecentFiles {
public:
    static constexpr int kMaxLimit = 30;

    int Limit() const { return FLimit; }
    // Limits outside 0..30 read as 30; a lower limit drops the oldest names at once.
    void SetLimit(int limit);
    // Puts `name` first; "Noname.plx" and "Clipboard" name no file and are not kept.
    void Add(std::string_view name);
    void Remove(std::string_view name);
    // Replaces the list, as read back from the configuration (oldest names beyond the limit
    // and repeats dropped).
    void Assign(const std::vector<std::string>& names);
    const std::vector<std::string>& Names() const { return FNames; }

private:
    int FLimit = 10;
    std::vector<std::string> FNames;
};

struct TDocument {
    std::string FileName = kNonameFile;
    std::vector<std::string> Description;
    std::string LastDir; // where the open and save dialogs start; the program's folder at first
    TRecentFiles Recent;

    // Takes `fileName` as the document's, its folder for the dialogs, and keeps it as recent.
    void TakeFileName(const std::string& fileName);
};
