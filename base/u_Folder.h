#pragma once
// Listing the files of a folder.

#include <string>
#include <vector>

// The names of the regular files in `folder`, sorted; none when it cannot be listed.
std::vector<std::string> FileNamesIn(const std::string& folder);
