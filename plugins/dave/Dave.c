/*
 * Dave: a three-state rule on the four orthogonal neighbours, shown in the palette Rainbow008.
 * The next state of a cell depends on its own state and on how many of N, W, E and S are in
 * state 1 and in state 2; the diagonal neighbours, the cycle and the cell's place do not count.
 */
#include "plexa_rule.h"

#include <string.h>

enum { DAVE_STATES = 3, DAVE_COUNTS = 5 }; /* states 0..2; 0..4 neighbours in a state */

/* The next states as the rule defines them, by [own state][neighbours in 1][neighbours in 2]. */
static const int32_t kNextStates[DAVE_STATES][DAVE_COUNTS][DAVE_COUNTS] = {
    {{0, 0, 0, 0, 0}, {1, 2, 2, 2, 0}, {1, 2, 0, 0, 0}, {1, 2, 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{1, 0, 0, 0, 0}, {1, 2, 2, 0, 0}, {0, 0, 0, 0, 0}, {1, 2, 0, 0, 0}, {1, 0, 0, 0, 0}},
    {{0, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {2, 2, 2, 0, 0}, {2, 2, 0, 0, 0}, {2, 0, 0, 0, 0}},
};

/* The table the rule reads; every cell empties until CASetup has filled it. */
static int32_t table[DAVE_STATES][DAVE_COUNTS][DAVE_COUNTS];

static int32_t CountInState(int32_t state, int32_t n, int32_t w, int32_t e, int32_t s)
{
    return (n == state) + (w == state) + (e == state) + (s == state);
}

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CASetup(int32_t* dimension, int32_t* states,
                                                  char* palette, char* second)
{
    static const char kPalette[] = "Rainbow008";
    *dimension = 2;
    *states = DAVE_STATES;
    memcpy(palette, kPalette, sizeof kPalette);
    second[0] = '\0';
    memcpy(table, kNextStates, sizeof table);
    return 1;
}

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CARule(int32_t cycle, int32_t i, int32_t j, int32_t nw,
                                                 int32_t n, int32_t ne, int32_t w, int32_t c,
                                                 int32_t e, int32_t sw, int32_t s, int32_t se)
{
    (void)cycle, (void)i, (void)j, (void)nw, (void)ne, (void)sw, (void)se;
    /* Cells of higher states, drawn before the rule was chosen, have no entry: they empty. */
    if (c < 0 || c >= DAVE_STATES) return 0;
    return table[c][CountInState(1, n, w, e, s)][CountInState(2, n, w, e, s)];
}
