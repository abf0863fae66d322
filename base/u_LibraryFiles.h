#pragma once
// User rule libraries beside the program: which files count as libraries and which file a
// library name stands for. Letter case counts neither in the name nor in the ending, ".so" or
// ".dll" (libraries are often shipped as "Dave.dll").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Below the program folder.
inline constexpr const char* kLibraryFolder = "UserDLLs/DLLs/";

// The names of the libraries in `folder`, one per name whatever its letter case, in the order
// of their file names; each spelled as the file FindLibraryFile picks for it.
std::vector<std::string> LibraryNames(const std::string& folder);

// The file of the library `name` in `folder`. Should several match, a ".so" wins, then the
// name spelled as given, then the first file name in order. Only names found in the folder are
// ever answered, so a name cannot reach outside it.
std::optional<std::string> FindLibraryFile(const std::string& folder, std::string_view name);
