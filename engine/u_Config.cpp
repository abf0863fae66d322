#include "engine/u_Config.h"

#include "base/u_Text.h"
#include "engine/u_Globals.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kInOut = "InOut";
constexpr const char* kUndo = "Undo";
constexpr const char* kColors = "Colors";
constexpr const char* kLayout = "Layout";
constexpr const char* kBoard = "Board";
constexpr const char* kCells = "Cells";
constexpr const char* kRunning = "Running";
constexpr const char* kRandomize = TRandomSettings::kSection;
constexpr const char* kRecentFiles = "MRU Items";

using TCheck = int32_t (*)(int32_t);

int32_t CheckRecentFiles(int32_t count)
{
    return count >= 0 && count <= 30 ? count : 15;
}
// Negative modes would address no mode at all.
int32_t CheckCursorMode(int32_t mode)
{
    return mode >= 0 && mode < 5 ? mode : 0;
}
int32_t CheckStatesCount(int32_t count)
{
    return std::clamp(count, 2, TBoard::kMaxStates);
}
int32_t CheckWindowState(int32_t state)
{
    return state == wsMaximised ? state : wsNormal;
}
// The view places bold lines by the remainder of a division by the step.
int32_t CheckBoldLinesStep(int32_t step)
{
    return step >= 1 ? step : 5;
}
int32_t CheckCellSize(int32_t size)
{
    return size < -64 || size > 21 ? 7 : size;
}
int32_t CheckCellShape(int32_t shape)
{
    return shape >= 1 && shape <= 4 ? shape : 1;
}

template <class TField>
constexpr TConfigKind KindOf()
{
    if constexpr (std::is_same_v<TField, bool>) return TConfigKind::Flag;
    if constexpr (std::is_same_v<TField, TColor>) return TConfigKind::Colour;
    return TConfigKind::Integer;
}

TConfigValue Named(std::string section, std::string name, TConfigKind kind)
{
    TConfigValue value;
    value.Section = std::move(section);
    value.Name = std::move(name);
    value.Kind = kind;
    return value;
}

// A number read and written through `get` and `set`.
template <class TGet, class TSet>
TConfigValue Accessed(std::string section, std::string name, TConfigKind kind, TGet get, TSet set)
{
    TConfigValue value = Named(std::move(section), std::move(name), kind);
    value.Number = get;
    value.SetNumber = set;
    return value;
}

// A number kept in the field that `field` finds in a configuration, const or not.
template <class TField>
TConfigValue Number(std::string section, std::string name, TField field, TCheck check = nullptr)
{
    using TType = std::remove_cvref_t<decltype(field(std::declval<TConfiguration&>()))>;
    TConfigValue value = Accessed(
        std::move(section), std::move(name), KindOf<TType>(),
        [field](const TConfiguration& c) { return static_cast<int32_t>(field(c)); },
        [field](TConfiguration& c, int32_t n) { field(c) = static_cast<TType>(n); });
    value.Check = check;
    return value;
}

// A number kept in `field` of the configuration's record `record`.
template <class TRecord, class TOwner, class TType>
TConfigValue Member(std::string section, std::string name, TRecord TConfiguration::*record,
                    TType TOwner::*field, TCheck check = nullptr)
{
    return Number(
        std::move(section), std::move(name), [=](auto& c) -> auto& { return (c.*record).*field; },
        check);
}

template <class TGet, class TSet>
TConfigValue Text(std::string section, std::string name, TGet get, TSet set)
{
    TConfigValue value = Named(std::move(section), std::move(name), TConfigKind::Text);
    value.Text = get;
    value.SetText = set;
    return value;
}

TConfigValue WrittenWhen(TConfigValue value, bool (*writes)(const TConfiguration&))
{
    value.Writes = writes;
    return value;
}

std::string TwoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void AddRandomValues(std::vector<TConfigValue>& values)
{
    constexpr std::string_view kSeedKey = "SeedFile";
    constexpr std::array<std::string_view, 3> kFlags{"Interior", "FillClears", "FillUniform"};
    for (std::string_view key : TRandomSettings::kKeys) {
        const std::string name(key);
        if (key == kSeedKey) {
            // Kept with its extension, as the name of the seed file.
            values.push_back(Text(
                kRandomize, name,
                [](const TConfiguration& c) { return c.Random.SeedFile() + ".plx"; },
                [name](TConfiguration& c, std::string_view text) {
                    c.Random.SetValue(name, text);
                }));
            continue;
        }
        const bool flag = std::ranges::find(kFlags, key) != kFlags.end();
        values.push_back(Accessed(
            kRandomize, name, flag ? TConfigKind::Flag : TConfigKind::Integer,
            [name](const TConfiguration& c) { return SafeInt(c.Random.Value(name)); },
            [name](TConfiguration& c, int32_t n) { c.Random.SetValue(name, std::to_string(n)); }));
    }
}

void AddUndoEvents(std::vector<TConfigValue>& values)
{
    using enum TUndoEvent;
    constexpr std::array kOrder{Run,  RunOnce, RunN, Cycles, Time, Edit, Selection,
                                Move, Random,  Undo, Rule,   Open, New,  Manual};
    for (TUndoEvent event : kOrder) {
        const auto e = static_cast<size_t>(event);
        values.push_back(Number(
            kUndo, kUndoEvents[e].Key, [e](auto& c) -> auto& { return c.Undo.Events[e]; }));
    }
}

void AddColors(std::vector<TConfigValue>& values)
{
    for (int i = 0; i < kPaletteColors; ++i) {
        const std::string name = i == piBackground ? "BackColor"
                                 : i == piGrid     ? "GridColor"
                                 : i == piGridBold ? "GridBoldColor"
                                                   : "CellColor" + TwoDigits(i - piState1 + 1);
        values.push_back(Accessed(
            kColors, name, TConfigKind::Colour,
            [i](const TConfiguration& c) { return static_cast<int32_t>(c.Palette.Color(i)); },
            [i](TConfiguration& c, int32_t n) { c.Palette.SetColor(i, static_cast<TColor>(n)); }));
    }
    values.push_back(Number(
        kColors, "MaxColors", [](auto& c) -> auto& { return c.Engine.StatesCount; },
        CheckStatesCount));
    for (size_t i = 0; i < 4; ++i)
        values.push_back(Number(
            kColors, "GenColors" + TwoDigits(int(i) + 1), [i](auto& c) -> auto& {
                return c.Window.GenColors[i];
            }));
    for (size_t i = 0; i < 4; ++i)
        values.push_back(Number(
            kColors, "GenColorsIdx" + TwoDigits(int(i) + 1), [i](auto& c) -> auto& {
                return c.Window.GenColorStates[i];
            }));
}

bool IsNormal(const TConfiguration& c)
{
    return c.Window.WindowState == wsNormal;
}
bool IsNotMinimised(const TConfiguration& c)
{
    return c.Window.WindowState == wsNormal || c.Window.WindowState == wsMaximised;
}

} // namespace

int32_t CheckBestFitCellSize(int32_t size)
{
    constexpr std::array kSizes{1, 2, 3, 4, 5, 7, 9, 11, 13, 15, 17, 21};
    return std::ranges::find(kSizes, size) != kSizes.end() ? size : 7;
}

std::vector<TConfigValue> ConfigValues()
{
    using C = TConfiguration;
    using E = TEngineSettings;
    using W = TWindowSettings;
    using V = TViewSettings;
    using R = TRunN;
    using U = TUndoSettings;
    using S = TSaveOptions;
    std::vector<TConfigValue> v;
    v.push_back(Member(kSettings, "UpdateInterval", &C::Engine, &E::Interval));
    v.push_back(Member(kSettings, "Sound", &C::Window, &W::Sound));
    v.push_back(Member(kSettings, "OpenAction", &C::Window, &W::OpenAction));
    v.push_back(Member(kSettings, "AutoFit", &C::Window, &W::AutoFit));
    v.push_back(Member(kSettings, "SelReplace", &C::Window, &W::SelReplace));
    v.push_back(Member(kSettings, "SelDrop", &C::Window, &W::SelDrop));
    v.push_back(Member(kSettings, "ConfirmNew", &C::Window, &W::ConfirmNew));
    v.push_back(Member(kSettings, "ReloadLast", &C::Window, &W::ReloadLast));
    v.push_back(Text(
        kSettings, "LastFile", [](const TConfiguration& c) { return c.Window.LastFile; },
        [](TConfiguration& c, std::string_view text) { c.Window.LastFile = text; }));
    v.push_back(
        Member(kSettings, "NumRecentFiles", &C::Window, &W::NumRecentFiles, CheckRecentFiles));
    v.push_back(Member(kSettings, "WLifeSymmetry", &C::Window, &W::WLifeSymmetry));
    v.push_back(Member(kSettings, "RndTabSparseness", &C::Window, &W::RndTabSparseness));
    v.push_back(
        Member(kSettings, "InitialCursorMode", &C::Window, &W::InitialCursorMode, CheckCursorMode));

    AddRandomValues(v);

    v.push_back(Member(kInOut, "MakeBAK", &C::Save, &S::MakeBackup));
    v.push_back(Member(kInOut, "SaveSpeed", &C::Save, &S::Speed));
    v.push_back(Member(kInOut, "SaveBSize", &C::Save, &S::BoardSize));
    v.push_back(Member(kInOut, "SaveWrap", &C::Save, &S::Wrap));
    v.push_back(Member(kInOut, "SaveCColors", &C::Save, &S::StatesCount));
    v.push_back(Member(kInOut, "OnlyTopRow1D", &C::Save, &S::OnlyTopRow1D));

    v.push_back(Member(kUndo, "IsOn", &C::Undo, &U::IsOn));
    v.push_back(Member(kUndo, "ResetOnNew", &C::Undo, &U::ResetOnNew));
    v.push_back(Member(kUndo, "MaxUndoSteps", &C::Undo, &U::MaxSteps));
    v.push_back(Member(kUndo, "MaxUndoCells", &C::Undo, &U::MaxCells));
    v.push_back(Member(kUndo, "UndoSnapTime", &C::Undo, &U::SnapTime));
    v.push_back(Member(kUndo, "UndoSnapCycles", &C::Undo, &U::SnapCycles));
    AddUndoEvents(v);

    AddColors(v);

    v.push_back(
        WrittenWhen(Member(kLayout, "WindowState", &C::Window, &W::WindowState, CheckWindowState),
                    IsNotMinimised));
    v.push_back(WrittenWhen(Member(kLayout, "FormWidth", &C::Window, &W::FormWidth), IsNormal));
    v.push_back(WrittenWhen(Member(kLayout, "FormHeight", &C::Window, &W::FormHeight), IsNormal));
    v.push_back(WrittenWhen(Member(kLayout, "FormTop", &C::Window, &W::FormTop), IsNormal));
    v.push_back(WrittenWhen(Member(kLayout, "FormLeft", &C::Window, &W::FormLeft), IsNormal));
    v.push_back(Member(kLayout, "FilMgrWidth", &C::Window, &W::FileManagerWidth));
    v.push_back(Member(kLayout, "Visible_FILMGR", &C::Window, &W::ShowFileManager));
    v.push_back(Member(kLayout, "Visible_STTBAR", &C::Window, &W::ShowStatusBar));
    v.push_back(Member(kLayout, "Visible_SCLBAR", &C::Window, &W::ShowScrollBars));

    v.push_back(Member(kBoard, "SizeX", &C::Engine, &E::Width));
    v.push_back(Member(kBoard, "SizeY", &C::Engine, &E::Height));
    v.push_back(Member(kBoard, "Wrap", &C::Engine, &E::Wrap));
    v.push_back(Member(kBoard, "OptSubzoomRedraw", &C::View, &V::OptSubzoomRedraw));
    v.push_back(Member(kBoard, "ShowGrid", &C::View, &V::ShowGrid));
    v.push_back(Member(kBoard, "ShowBoldLines", &C::View, &V::ShowBoldLines));
    v.push_back(Member(kBoard, "BoldLinesStep", &C::View, &V::BoldLinesStep, CheckBoldLinesStep));

    v.push_back(Member(kCells, "MaxBestFitCellSize", &C::View, &V::MaxBestFitCellSize,
                       CheckBestFitCellSize));
    v.push_back(Member(kCells, "CellSize", &C::View, &V::CellSize, CheckCellSize));
    v.push_back(Member(kCells, "CellShape", &C::View, &V::CellShape, CheckCellShape));

    v.push_back(Member(kRunning, "RunMode", &C::RunN, &R::RunMode));
    v.push_back(Member(kRunning, "ForCycles", &C::RunN, &R::ForCycles));
    v.push_back(Member(kRunning, "UpToCycle", &C::RunN, &R::UpToCycle));
    v.push_back(Member(kRunning, "RedrawEvery", &C::RunN, &R::RedrawEvery));
    v.push_back(Member(kRunning, "StopPeriodic", &C::RunN, &R::StopPeriodic));
    return v;
}

TConfiguration TConfiguration::Defaults(int bitsPerPixel)
{
    TConfiguration config;
    config.Palette = TCPalette::Defaults(bitsPerPixel);
    return config;
}

TConfiguration TConfiguration::Read(const TConfigStore& store, int bitsPerPixel)
{
    const TConfiguration defaults = Defaults(bitsPerPixel);
    TConfiguration config = defaults;
    for (const TConfigValue& value : ConfigValues()) {
        if (value.Kind == TConfigKind::Text) {
            value.SetText(config, store.ReadText(value.Section, value.Name, value.Text(defaults)));
            continue;
        }
        const int32_t n = store.ReadInteger(value.Section, value.Name, value.Number(defaults));
        value.SetNumber(config, value.Check ? value.Check(n) : n);
    }
    return config;
}

void TConfiguration::Write(TConfigStore& store) const
{
    for (const TConfigValue& value : ConfigValues()) {
        if (value.Writes && !value.Writes(*this)) continue;
        if (value.Kind == TConfigKind::Text)
            store.WriteText(value.Section, value.Name, value.Text(*this));
        else
            store.WriteInteger(value.Section, value.Name, value.Number(*this));
    }
}

void TConfiguration::ApplyTo(const TConfigTargets& targets) const
{
    TGlobals& g = targets.Globals;
    g.Undo.SetSettings(Undo);
    targets.Save = Save;
    targets.Random = Random;
    g.Palette.Colors = Palette;
    g.Board.SetStatesCount(Engine.StatesCount);
    g.Board.SetSize(Engine.Width, Engine.Height);
    g.Board.SetWrap(Engine.Wrap);
    g.Run.SetInterval(Engine.Interval);
    g.Run.Request = RunN;
    g.Run.DropSelection = Window.SelDrop;
    g.Life.AutoFit = Window.AutoFit;
}

void TConfiguration::TakeFrom(const TConfigTargets& targets)
{
    const TGlobals& g = targets.Globals;
    Undo = g.Undo.Settings();
    Save = targets.Save;
    Random = targets.Random;
    Palette = g.Palette.Colors;
    Engine.StatesCount = g.Board.StatesCount();
    Engine.Width = g.Board.Width();
    Engine.Height = g.Board.Height();
    Engine.Wrap = g.Board.Wrap();
    Engine.Interval = g.Run.Interval();
    RunN = g.Run.Request;
    Window.SelDrop = g.Run.DropSelection;
    Window.AutoFit = g.Life.AutoFit;
}

std::vector<std::string> ReadRecentFiles(const TConfigStore& store, int32_t limit)
{
    std::vector<std::string> files;
    for (int32_t i = 0; i < limit; ++i) {
        std::string name = store.ReadText(kRecentFiles, "F" + std::to_string(i), "");
        if (name.empty()) break;
        files.push_back(std::move(name));
    }
    return files;
}

void WriteRecentFiles(TConfigStore& store, const std::vector<std::string>& files)
{
    store.EraseSection(kRecentFiles);
    for (size_t i = 0; i < files.size(); ++i)
        store.WriteText(kRecentFiles, "F" + std::to_string(i), files[i]);
}
