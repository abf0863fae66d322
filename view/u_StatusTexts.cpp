#include "view/u_StatusTexts.h"

#include "engine/u_Globals.h"
#include "view/u_BoardView.h"

#include <string>

TStatusTexts StatusTexts(const TGlobals& globals, int32_t cellSize)
{
    const TBoard& board = globals.Board;
    TStatusTexts t;
    t.Status = globals.Run.IsRunning() ? "RUNNING" : "STOPPED";
    t.Cycle = "C:" + std::to_string(board.Cycle());
    t.Alive = "A:" + std::to_string(board.LiveCount());
    t.Game = TLife::GameName(globals.Life.Game());
    t.Rules = board.RuleText();
    t.Speed = "S:" + std::to_string(globals.Run.Interval());
    t.BoardInfo = "B:" + std::to_string(board.Width()) + "x" + std::to_string(board.Height()) +
                  "  S=" + CellSizeText(cellSize) + "  W=" + (board.Wrap() ? "1" : "0") +
                  "  C=" + std::to_string(board.DrawingState()) + "/" +
                  std::to_string(board.StatesCount());
    return t;
}
