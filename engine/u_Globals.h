#pragma once
// The program's objects, one per role, created in this order and handed by reference to those
// that need them. The desktop program makes one; every test makes its own.

#include "base/u_Document.h"
#include "base/u_Memory.h"
#include "edit/u_Undo.h"
#include "engine/u_Board.h"
#include "engine/u_Run.h"
#include "rules/u_Life.h"

class THost;
class TStepPainter;

struct TGlobals {
    explicit TGlobals(THost& host) : Host(host), Life(host), Board(*this) {}
    TGlobals(const TGlobals&) = delete;
    TGlobals& operator=(const TGlobals&) = delete;

    THost& Host;
    TMemoryGate Memory;
    TLife Life;
    TDocument Document;
    TUndo Undo;
    TRunControl Run;
    TStepPainter* Painter = nullptr; // set by the board view while it exists
    TBoard Board;
};
