#pragma once
// ProLife binary pattern files (.PLF), read only: a bitmap of 16-bit words, no rule, board or
// description.

#include <cstdint>
#include <span>

struct TLoadedPattern;

enum class TProLifeResult {
    Read,     // a well-formed file; its set bits were added as cells (maybe none)
    Improper, // shorter than its header or not the size the header gives; nothing was added
};

// Little-endian: 2 bytes unused, words per row - 1, rows - 1, then the rows top first. Each
// word is read from its most significant bit, the leftmost cell.
TProLifeResult ReadProLife(std::span<const uint8_t> bytes, TLoadedPattern& pattern);
