// Arbitrary text through the reading of headerless text: a failure leaves the record untouched,
// a success adds cells, all within the kept range.
#include "FuzzLines.h"
#include "io/u_DbLife.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TLoadedPattern pattern;
    const bool read = ReadDbLife(SplitLines(data, size), pattern, {-50000, -1250, 49999, 1249});
    if (!read) {
        const TLoadedPattern untouched;
        if (!pattern.Cells.empty() || pattern.Rule != untouched.Rule ||
            !pattern.Description.empty() || pattern.Speed != untouched.Speed ||
            pattern.Wrap != untouched.Wrap || pattern.BoardWidth != untouched.BoardWidth)
            abort();
        return 0;
    }
    if (pattern.Cells.empty()) abort();
    for (const TLoadedCell& c : pattern.Cells)
        if (c.State < 1 || c.State > 4) abort();
    return 0;
}
