#include "engine/u_UserRules.h"

#include "engine/u_Globals.h"

// Loading arrives with the user rule libraries; until then no library is ever bound.
class TSharedLibrary {};

TUserRules::TUserRules(TGlobals& globals) : FGlobals(globals) {}
TUserRules::~TUserRules() = default;

void TUserRules::Activate(std::string_view) {}

void TUserRules::Unload()
{
    FLibrary.reset();
}
