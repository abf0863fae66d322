#include "view/u_SettingsChoices.h"

#include <algorithm>

namespace {

TColor Component(TColor color, int shift)
{
    return (color >> shift) & 0xFF;
}

void Ramp(TStateColors& colors, TColor from, int32_t first, TColor to, int32_t last)
{
    if (first >= last) return;
    const int64_t n = int64_t(last) - first;
    std::array<int64_t, 3> step{};
    for (int c = 0; c < 3; ++c)
        step[c] = (int64_t(Component(to, 8 * c)) - Component(from, 8 * c)) / n;
    // States outside 1..24 all land on state 1, so of them only the ramp's end can be the last
    // to write there; walking just the states inside keeps huge indices cheap.
    const int64_t low = std::max<int64_t>(first, 1), high = std::min<int64_t>(last, kPaletteStates);
    for (int64_t k = low; k <= high; ++k) {
        TColor color = to;
        if (k != last) {
            color = 0;
            // Components wrap round as bytes.
            for (int c = 0; c < 3; ++c)
                color |= TColor(uint8_t(Component(from, 8 * c) + (k - first) * step[c])) << (8 * c);
        }
        colors[size_t(k - 1)] = color;
    }
    if (last < 1 || last > kPaletteStates) colors[0] = to;
}

} // namespace

int32_t OfferedCellSize(int32_t size)
{
    return std::ranges::find(kOfferedCellSizes, size) != kOfferedCellSizes.end() ? size : 7;
}

int BoardSizeChoice(int32_t width, int32_t height)
{
    for (size_t i = 0; i < kBoardSizeChoices.size(); ++i)
        if (kBoardSizeChoices[i].Width == width && kBoardSizeChoices[i].Height == height)
            return int(i);
    return -1;
}

void GenerateStateColors(TStateColors& colors, const TColorAnchors& anchors)
{
    for (size_t i = 0; i + 1 < anchors.Colors.size(); ++i)
        Ramp(colors, anchors.Colors[i] & 0xFFFFFF, anchors.States[i],
             anchors.Colors[i + 1] & 0xFFFFFF, anchors.States[i + 1]);
}
