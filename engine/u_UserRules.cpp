#include "engine/u_UserRules.h"

#include "base/u_Host.h"
#include "base/u_SharedLibrary.h"
#include "base/u_Text.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <tuple>

namespace {

constexpr const char* kLibraryFolder = "UserDLLs/DLLs/";
constexpr int32_t kTestArgument = 7;
constexpr const char* kNoSetupText = "Invalid User DLL - can't call the CASetup( )  function!";
constexpr const char* kNoSetupCaption = "User DLL Error";

// The file of the library `name` in `folder`. Letter case counts neither in the name nor in
// the ending, ".so" or ".dll" (libraries are often shipped as "Dave.dll"). Should several
// match, a ".so" wins, then the name spelled as given, then the first file name in order.
// Only names found in the folder are ever opened, so a name cannot reach outside it.
std::optional<std::string> FindLibraryFile(const std::string& folder, std::string_view name)
{
    namespace fs = std::filesystem;
    const std::string wanted = UpperCase(name);
    std::optional<std::tuple<bool, bool, std::string>> best; // not .so, other spelling, file
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        if (!it->is_regular_file(statusError)) continue;
        const fs::path file = it->path().filename();
        const std::string ending = UpperCase(file.extension().string());
        if ((ending != ".SO" && ending != ".DLL") || UpperCase(file.stem().string()) != wanted)
            continue;
        auto rank = std::make_tuple(ending != ".SO", file.stem().string() != name, file.string());
        if (!best || rank < *best) best = std::move(rank);
    }
    if (!best) return std::nullopt;
    return folder + std::get<2>(*best);
}

} // namespace

TUserRules::TUserRules(TGlobals& globals) : FGlobals(globals) {}

TUserRules::~TUserRules() = default;

void TUserRules::Activate(std::string_view name)
{
    const auto path = FindLibraryFile(FGlobals.ProgramFolder + kLibraryFolder, name);
    if (!path) return;

    TBoard& board = FGlobals.Board;
    FGlobals.Undo.AddEvent(TUndoEvent::Rule);
    board.SetLibraryName(TBoard::kNoLibrary);
    Unload();
    Load(*path);

    if (FTest) {
        board.SetStatesCount(FTest(kTestArgument));
        return;
    }
    if (!FSetup) {
        FGlobals.Host.ShowMessage(kNoSetupText, kNoSetupCaption, TMsgIcon::Error, TMsgButtons::Ok);
        return;
    }
    Setup();
    board.SetLibraryName(std::string(name));
}

void TUserRules::Unload()
{
    // No entry point may outlive the code it points into.
    FRule = nullptr;
    FRule1D = nullptr;
    FSetup = nullptr;
    FTest = nullptr;
    FLibrary.reset();
}

void TUserRules::Load(const std::string& path)
{
    FLibrary = TSharedLibrary::Open(path);
    if (!FLibrary) return;
    FRule = FLibrary->Function<TCARule>("CARule");
    FRule1D = FLibrary->Function<TCARule1D>("CARule1D");
    FSetup = FLibrary->Function<TCASetup>("CASetup");
    FTest = FLibrary->Function<TCATest>("CATest");
}

void TUserRules::Setup()
{
    int32_t dimension = 2;
    int32_t states = FGlobals.Board.StatesCount();
    std::array<char, PLEXA_RULE_TEXT_SIZE> palette{};
    std::array<char, PLEXA_RULE_TEXT_SIZE> second{};
    FSetup(&dimension, &states, palette.data(), second.data());

    FGlobals.Life.SetDimension(dimension == 1 ? 1 : 2);
    FGlobals.Board.SetStatesCount(states);
    // The library may have filled the buffer to its end without a terminator.
    const std::string_view paletteName(palette.begin(),
                                       std::find(palette.begin(), palette.end(), '\0'));
    if (!paletteName.empty() && FGlobals.Palettes) {
        FGlobals.Palettes->LoadPalette(paletteName);
        FGlobals.Host.Refresh(rfBoard);
    }
}
