#include "base/u_Document.h"

#include <algorithm>

void TRecentFiles::SetLimit(int limit)
{
    FLimit = limit < 0 || limit > kMaxLimit ? kMaxLimit : limit;
    if (FNames.size() > size_t(FLimit)) FNames.resize(size_t(FLimit));
}

void TRecentFiles::Add(std::string_view name)
{
    if (name.empty() || name == kNonameFile || name == kClipboardFile) return;
    Remove(name);
    FNames.insert(FNames.begin(), std::string(name));
    if (FNames.size() > size_t(FLimit)) FNames.resize(size_t(FLimit));
}

void TRecentFiles::Remove(std::string_view name)
{
    std::erase(FNames, name);
}

void TRecentFiles::Assign(const std::vector<std::string>& names)
{
    FNames.clear();
    // Added oldest first, so that the first name ends up first again.
    for (auto it = names.rbegin(); it != names.rend(); ++it) Add(*it);
}

void TDocument::TakeFileName(const std::string& fileName)
{
    FileName = fileName;
    if (fileName == kNonameFile || fileName == kClipboardFile) return;
    const auto slash = fileName.find_last_of('/');
    if (slash != std::string::npos) LastDir = fileName.substr(0, slash + 1);
    Recent.Add(fileName);
}
