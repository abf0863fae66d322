/* A rule that forgets CASetup. */
#include "plexa_rule.h"

PLEXA_RULE_EXPORT int32_t PLEXA_RULE_CALL CARule(int32_t cycle, int32_t i, int32_t j, int32_t nw,
                                                 int32_t n, int32_t ne, int32_t w, int32_t c,
                                                 int32_t e, int32_t sw, int32_t s, int32_t se)
{
    (void)cycle, (void)i, (void)j, (void)nw, (void)n, (void)ne, (void)w, (void)e, (void)sw;
    (void)s, (void)se;
    return c;
}
