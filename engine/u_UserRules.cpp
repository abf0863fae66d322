#include "engine/u_UserRules.h"

#include "base/u_Host.h"
#include "base/u_LibraryFiles.h"
#include "base/u_SharedLibrary.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <array>

namespace {

constexpr int32_t kTestArgument = 7;
constexpr const char* kNoSetupText = "Invalid User DLL - can't call the CASetup( )  function!";
constexpr const char* kNoSetupCaption = "User DLL Error";

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
