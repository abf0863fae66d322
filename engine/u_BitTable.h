#pragma once
// The rules table as the bit step reads it: plane p of a cell's new state is set where the
// cell's state and its count of firing neighbours make one of the plane's terms. A term is a
// set of states and a set of counts; the step holds every state and every count as a plane of
// its own (one-hot), so a term is an OR over each set and an AND of the two. A set may be
// given by the members it leaves out, since each cell is in exactly one state and one count.

#include "rules/u_Rules.h"

#include <cstdint>

struct TBitTableTerm {
    // The plane of the new state this term sets.
    uint8_t Plane;
    // The states and counts listed, or when Other... is set all those not listed.
    bool OtherStates, OtherCounts;
    uint8_t StateCount, CountCount;
    uint8_t States[12];
    uint8_t Counts[5];
};

struct TBitTable {
    static constexpr int kMaxPlanes = 5; // the states of the table, 0..24
    static constexpr int kMaxCounts = 10;
    static constexpr int kMaxTerms = 5 * 25; // at most one per state and plane

    int States; // the states the planes hold: 2..25, every table value below it
    int Planes; // bits of a state
    int Counts; // the counts a cell can have: 5 or 6 (von Neumann), 9 or 10 (Moore)
    bool Moore, Centre, OddStates;
    int TermCount; // by plane, the terms of plane 0 first
    TBitTableTerm Terms[kMaxTerms];

    // What the terms were made of.
    TRulesTable Source;
    int BoardStates;

    // The table's terms for a board of `states` states.
    static TBitTable Of(const TRulesTable& table, int states);
    bool MadeOf(const TRulesTable& table, int states) const
    {
        return BoardStates == states && Source == table;
    }
};
