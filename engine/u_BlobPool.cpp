#include "engine/u_BlobPool.h"

#include <algorithm>
#include <new>

TBlob* TBlobPool::Allocate()
{
    if (FChunks.empty() || FChunks.back().Used == FChunks.back().Capacity) {
        const size_t capacity = std::clamp<size_t>(FExpected, 1, kMaxChunk);
        TChunk chunk{std::unique_ptr<TBlob[]>(new (std::nothrow) TBlob[capacity]()), 0, capacity};
        if (!chunk.Blobs) return nullptr;
        FChunks.push_back(std::move(chunk));
    }
    FExpected -= std::min<size_t>(FExpected, 1);
    TChunk& chunk = FChunks.back();
    return &chunk.Blobs[chunk.Used++];
}
