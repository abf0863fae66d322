#pragma once
// A fresh set of program objects for each test, on a recording host.

#include "TestHost.h"
#include "engine/u_Globals.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

class TBoardTest : public testing::Test {
protected:
    TTestHost Host;
    TGlobals G{Host};
    TBoard& Board = G.Board;

    void SetUp() override { Board.SetSize(200, 200); }

    void Put(std::initializer_list<std::pair<int, int>> cells, uint8_t state = 1)
    {
        for (auto [x, y] : cells) Board.SetCell(x, y, state);
    }
    void UseGame(int game, const char* rule)
    {
        G.Life.SetGame(game);
        Board.SetRules(rule);
    }
};
