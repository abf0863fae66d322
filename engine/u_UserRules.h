#pragma once
// The user rule library of the User DLL game: finding it beside the program, loading and
// checking it, and its entry points, which the step calls. The contract with the library is
// plugins/sdk/plexa_rule.h.

#include "plugins/sdk/plexa_rule.h"

#include <memory>
#include <string>
#include <string_view>

struct TGlobals;
class TSharedLibrary;

// Where a library's palette request goes; the palettes implement it.
class TPaletteLoader {
public:
    virtual ~TPaletteLoader() = default;
    virtual void LoadPalette(std::string_view name) = 0;
};

class TUserRules {
public:
    explicit TUserRules(TGlobals& globals);
    ~TUserRules();
    TUserRules(const TUserRules&) = delete;
    TUserRules& operator=(const TUserRules&) = delete;

    // Activates the library named `name` (the rule text of the User DLL game): the whole
    // sequence from finding the file to CASetup, with its messages and side effects.
    void Activate(std::string_view name);
    // Unloads the library, if any, and forgets its entry points.
    void Unload();

    // The bound entry points; null when absent.
    TCARule Rule2D() const { return FRule; }
    TCARule1D Rule1D() const { return FRule1D; }

private:
    // Loads the library at `path` and looks up its entry points; none when it does not load.
    void Load(const std::string& path);
    // Calls CASetup and applies what it returns: dimension, states count, palette.
    void Setup();

    TGlobals& FGlobals;
    std::unique_ptr<TSharedLibrary> FLibrary;
    TCARule FRule = nullptr;
    TCARule1D FRule1D = nullptr;
    TCASetup FSetup = nullptr;
    TCATest FTest = nullptr;
};
