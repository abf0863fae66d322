/* A rule that changes nothing and reports, as its palette name, what CASetup received. */
#include "plexa_rule.h"

#include <stdio.h>

static int IsZeroFilled(const char* buffer)
{
    for (int k = 0; k < PLEXA_RULE_TEXT_SIZE; ++k)
        if (buffer[k]) return 0;
    return 1;
}

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CASetup(int32_t* dimension, int32_t* states,
                                                  char* palette, char* second)
{
    const int zeroed = IsZeroFilled(palette) && IsZeroFilled(second);
    snprintf(palette, PLEXA_RULE_TEXT_SIZE, "dimension=%d states=%d zeroed=%d", (int)*dimension,
             (int)*states, zeroed);
    return 0;
}
