/* A rule whose every answer is out of range: a dimension that is neither 1 nor 2, too many
   states, a palette name that fills its buffer without a terminator, next states above 24. */
#include "plexa_rule.h"

#include <string.h>

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CASetup(int32_t* dimension, int32_t* states,
                                                  char* palette, char* second)
{
    *dimension = 257; /* 1 in its low byte */
    *states = 40;
    memset(palette, 'x', PLEXA_RULE_TEXT_SIZE);
    memset(second, 'y', PLEXA_RULE_TEXT_SIZE);
    return 1;
}

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CARule(int32_t cycle, int32_t i, int32_t j, int32_t nw,
                                                 int32_t n, int32_t ne, int32_t w, int32_t c,
                                                 int32_t e, int32_t sw, int32_t s, int32_t se)
{
    (void)cycle, (void)i, (void)j, (void)nw, (void)n, (void)ne, (void)w, (void)c, (void)e;
    (void)sw, (void)s, (void)se;
    return 200;
}
