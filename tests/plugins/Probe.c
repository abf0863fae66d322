/* A rule with CATest, which the program calls in place of CASetup; PROBE_STATES is its
   answer. */
#include "plexa_rule.h"

#include <string.h>

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CATest(int32_t value)
{
    return value == 7 ? PROBE_STATES : 0;
}

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CASetup(int32_t* dimension, int32_t* states,
                                                  char* palette, char* second)
{
    (void)second;
    *dimension = 1;
    *states = 3;
    strcpy(palette, "Never");
    return 1;
}
