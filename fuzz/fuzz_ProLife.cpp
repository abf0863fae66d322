// Arbitrary bytes through the ProLife reader: an improper file adds nothing; a proper one adds
// exactly its set bits that lie within the kept range, each inside the header's rectangle.
#include "io/u_LoadedPattern.h"
#include "io/u_ProLife.h"

#include <bit>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TLoadedPattern pattern;
    const TProLifeResult result = ReadProLife({data, size}, pattern);
    if (result == TProLifeResult::Improper) {
        if (!pattern.Cells.empty()) abort();
        return 0;
    }
    if (size < 6) abort();
    const int64_t rowBytes = 2 * (int64_t(data[2] | data[3] << 8) + 1);
    const int64_t rows = int64_t(data[4] | data[5] << 8) + 1;
    if (int64_t(size) != 6 + rowBytes * rows) abort();

    // Each stored byte holds the cells of its word's other byte position.
    size_t kept = 0;
    for (int64_t i = 0; i < rowBytes * rows; ++i)
        for (int bit = 0; bit < 8; ++bit)
            if (data[6 + i] >> bit & 1) ++kept;
    if (pattern.Cells.size() != kept) abort();
    for (const TLoadedCell& c : pattern.Cells)
        if (c.X < 0 || c.X >= rowBytes * 8 || c.Y < 0 || c.Y >= rows || c.State != 1) abort();
    return 0;
}
