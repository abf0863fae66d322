#pragma once
// The program's objects, one per role, created in this order and handed by reference to those
// that need them. The desktop program makes one; every test makes its own.

#include "base/u_Document.h"
#include "base/u_Memory.h"
#include "base/u_Random.h"
#include "edit/u_History.h"
#include "edit/u_Selection.h"
#include "edit/u_Undo.h"
#include "engine/u_Board.h"
#include "engine/u_PeriodDetector.h"
#include "engine/u_Run.h"
#include "engine/u_UserRules.h"
#include "rules/u_Life.h"
#include "view/u_Palette.h"

#include <string>

class THost;
class TStepPainter;

struct TGlobals {
    explicit TGlobals(THost& host)
        : Host(host), Life(host), Palette(*this), Undo(*this), Palettes(&Palette), UserRules(*this),
          Board(*this)
    {}
    TGlobals(const TGlobals&) = delete;
    TGlobals& operator=(const TGlobals&) = delete;

    THost& Host;
    TMemoryGate Memory;
    TRandom Random;
    TLife Life;
    TPaletteInForce Palette;
    TDocument Document;
    TUndo Undo;
    TRunControl Run{*this};
    TStepPainter* Painter = nullptr; // set by the board view while it exists
    TPaletteLoader* Palettes;        // the palette in force unless a test stands in
    std::string ProgramFolder;       // the folder of the executable, ending in '/'
    TUserRules UserRules;            // outlives the board, which calls its library
    TPopulationHistory History;      // both fed by every generation of the board
    TPeriodDetector Period;
    TBoard Board;
    TSelection Selection{*this};
};
