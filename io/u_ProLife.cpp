#include "io/u_ProLife.h"

#include "io/u_LoadedPattern.h"

#include <cstddef>

namespace {

constexpr size_t kHeaderSize = 6;

uint64_t Word(std::span<const uint8_t> bytes, size_t at)
{
    return bytes[at] | uint64_t(bytes[at + 1]) << 8;
}

void ReadRow(std::span<const uint8_t> row, int32_t y, TLoadedPattern& pattern)
{
    for (size_t i = 0; i < row.size(); ++i) {
        // The high byte of each little-endian word holds the word's left eight cells.
        const uint8_t bits = row[i ^ 1];
        for (int bit = 0; bit < 8; ++bit)
            if (bits & (0x80 >> bit)) pattern.AddCell(static_cast<int32_t>(8 * i + bit), y, 1);
    }
}

} // namespace

TProLifeResult ReadProLife(std::span<const uint8_t> bytes, TLoadedPattern& pattern)
{
    if (bytes.size() < kHeaderSize) return TProLifeResult::Improper;
    const uint64_t rowBytes = 2 * (Word(bytes, 2) + 1);
    const uint64_t rows = Word(bytes, 4) + 1;
    if (bytes.size() != kHeaderSize + rowBytes * rows) return TProLifeResult::Improper;
    for (uint64_t y = 0; y < rows; ++y)
        ReadRow(bytes.subspan(kHeaderSize + y * rowBytes, rowBytes), static_cast<int32_t>(y),
                pattern);
    return TProLifeResult::Read;
}
