#pragma once
// The board's blocks, carved from chunks in the order they are asked for: blocks allocated one
// after another lie side by side, where single allocations would scatter them. Blocks live as
// long as the pool.

#include "engine/u_Blob.h"

#include <cstddef>
#include <memory>
#include <vector>

class TBlobPool {
public:
    // So many blocks are about to be asked for: the next chunk holds them all, up to a cap
    // that keeps a chunk that cannot be had from failing a whole large board.
    void Expect(size_t count) { FExpected = count; }
    // An empty block; nullptr when memory runs out.
    TBlob* Allocate();

    // Calls f(blob) for every block handed out.
    template <class F>
    void ForEach(F&& f)
    {
        for (TChunk& chunk : FChunks)
            for (size_t k = 0; k < chunk.Used; ++k) f(chunk.Blobs[k]);
    }

private:
    static constexpr size_t kMaxChunk = size_t(1) << 14; // blocks: 2.75 MiB
    struct TChunk {
        std::unique_ptr<TBlob[]> Blobs;
        size_t Used, Capacity;
    };
    std::vector<TChunk> FChunks;
    size_t FExpected = 0;
};
