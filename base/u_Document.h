#pragma once
#include <string>
#include <vector>

inline constexpr const char* kNonameFile = "Noname.plx";

// The open document: its file name and the pattern description that travels with it.
struct TDocument {
    std::string FileName = kNonameFile;
    std::vector<std::string> Description;
};
