/* A one-dimensional rule that asks for too few states and names a palette. */
#include "plexa_rule.h"

#include <string.h>

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CASetup(int32_t* dimension, int32_t* states,
                                                  char* palette, char* second)
{
    (void)second;
    *dimension = 1;
    *states = 1;
    strcpy(palette, "Gray016");
    return 1;
}

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CARule1D(int32_t cycle, int32_t x, int32_t s0, int32_t s1,
                                                   int32_t s2, int32_t s3, int32_t s4, int32_t s5,
                                                   int32_t s6, int32_t s7, int32_t s8, int32_t s9,
                                                   int32_t s10, int32_t s11, int32_t s12,
                                                   int32_t s13, int32_t s14, int32_t s15,
                                                   int32_t s16, int32_t s17, int32_t s18,
                                                   int32_t s19, int32_t s20)
{
    (void)cycle, (void)x, (void)s0, (void)s1, (void)s2, (void)s3, (void)s4, (void)s5, (void)s6;
    (void)s7, (void)s8, (void)s9, (void)s11, (void)s12, (void)s13, (void)s14, (void)s15;
    (void)s16, (void)s17, (void)s18, (void)s19, (void)s20;
    return s10; /* every column keeps its state */
}
