// Arbitrary bytes as a palette file: every colour read must be a colour, and what is read must
// be written and read back unchanged.
#include "base/u_LineFile.h"
#include "view/u_Palette.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TCPalette palette = TCPalette::Defaults(32);
    palette.ReadLines(SplitLines({reinterpret_cast<const char*>(data), size}));
    for (int i = 0; i < kPaletteColors; ++i)
        if (palette.Color(i) > 0xFFFFFF) abort();

    TCPalette again;
    again.ReadLines(palette.FileLines());
    if (!(again == palette)) abort();
    return 0;
}
