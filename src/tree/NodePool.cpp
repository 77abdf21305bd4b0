#include "tree/NodePool.h"

#include <cstdlib>
#include <new>

namespace php {

namespace {

constexpr std::size_t Granule = 16;
constexpr std::size_t MaxPooled = 512;
constexpr std::size_t Classes = MaxPooled / Granule;
constexpr std::size_t ChunkSize = 64 * 1024;

struct FreeBlock {
    FreeBlock* next;
};

// Single-threaded by design: the analysis runs on one thread.
FreeBlock* freeLists[Classes + 1];
char* chunkCursor = nullptr;
char* chunkEnd = nullptr;
long inUse = 0;

void* carve(std::size_t bytes) {
    if (static_cast<std::size_t>(chunkEnd - chunkCursor) < bytes) {
        // The remainder of the old chunk is abandoned; chunks are never freed.
        chunkCursor = static_cast<char*>(std::malloc(ChunkSize));
        if (!chunkCursor) throw std::bad_alloc();
        chunkEnd = chunkCursor + ChunkSize;
    }
    void* p = chunkCursor;
    chunkCursor += bytes;
    return p;
}

}  // namespace

long pooledBlocksInUse() { return inUse; }

// Built with TARNWICK_NO_NODE_POOL every block comes from the general heap and
// goes back to it at once, so a memory checker sees each node and set on its
// own (the free lists would hide a use after free).
#ifdef TARNWICK_NO_NODE_POOL
constexpr bool Pooled = false;
#else
constexpr bool Pooled = true;
#endif

void* allocateNode(std::size_t size) {
    ++inUse;
    if (!Pooled || size > MaxPooled) {
        void* p = std::malloc(size);
        if (!p) throw std::bad_alloc();
        return p;
    }
    std::size_t cls = (size + Granule - 1) / Granule;
    if (FreeBlock* b = freeLists[cls]) {
        freeLists[cls] = b->next;
        return b;
    }
    return carve(cls * Granule);
}

void releaseNode(void* p, std::size_t size) noexcept {
    if (!p) return;
    --inUse;
    if (!Pooled || size > MaxPooled) {
        std::free(p);
        return;
    }
    std::size_t cls = (size + Granule - 1) / Granule;
    auto* b = static_cast<FreeBlock*>(p);
    b->next = freeLists[cls];
    freeLists[cls] = b;
}

}  // namespace php
