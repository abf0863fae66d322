#include "base/u_LibraryFiles.h"

#include "base/u_Folder.h"
#include "base/u_Text.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace {

struct TLibraryFile {
    std::string FileName;
    std::string Name; // the file name without its ending
    bool IsSo = false;
};

// Every ordinary file in `folder` with a library ending, in file-name order.
std::vector<TLibraryFile> LibraryFiles(const std::string& folder)
{
    std::vector<TLibraryFile> files;
    for (const std::string& fileName : FileNamesIn(folder)) {
        const std::filesystem::path file(fileName);
        const std::string ending = UpperCase(file.extension().string());
        if (ending != ".SO" && ending != ".DLL") continue;
        files.push_back({fileName, file.stem().string(), ending == ".SO"});
    }
    return files;
}

// The file of `wanted` (upper case) that ranks best; a name spelled as `spelling` ranks
// before other spellings of the same ending.
const TLibraryFile* BestFile(const std::vector<TLibraryFile>& files, const std::string& wanted,
                             std::string_view spelling)
{
    const TLibraryFile* best = nullptr;
    auto rank = [&](const TLibraryFile& file) {
        return std::make_tuple(!file.IsSo, file.Name != spelling, std::string_view(file.FileName));
    };
    for (const TLibraryFile& file : files) {
        if (UpperCase(file.Name) != wanted) continue;
        if (!best || rank(file) < rank(*best)) best = &file;
    }
    return best;
}

} // namespace

std::vector<std::string> LibraryNames(const std::string& folder)
{
    const std::vector<TLibraryFile> files = LibraryFiles(folder);
    std::vector<std::string> names;
    std::vector<std::string> seen; // upper case
    for (const TLibraryFile& file : files) {
        std::string wanted = UpperCase(file.Name);
        if (std::find(seen.begin(), seen.end(), wanted) != seen.end()) continue;
        names.push_back(BestFile(files, wanted, {})->Name);
        seen.push_back(std::move(wanted));
    }
    return names;
}

std::optional<std::string> FindLibraryFile(const std::string& folder, std::string_view name)
{
    const std::vector<TLibraryFile> files = LibraryFiles(folder);
    const TLibraryFile* best = BestFile(files, UpperCase(name), name);
    if (!best) return std::nullopt;
    return folder + best->FileName;
}
