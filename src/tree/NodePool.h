#pragma once
#include <cstddef>

namespace php {

// Allocation of syntax-tree nodes. A file of n tokens builds and frees a few
// times n nodes, many of them wrappers that live for one grammar action, so
// nodes come from per-size free lists instead of the general heap.
void* allocateNode(std::size_t size);
void releaseNode(void* p, std::size_t size) noexcept;
// Blocks handed out and not yet released (for leak checks in tests).
long pooledBlocksInUse();

// The same pool for the small sets of the analysis (flow successors, name
// sets), whose tree nodes are allocated and freed by the hundred thousand.
template <typename T>
struct PoolAllocator {
    using value_type = T;
    PoolAllocator() noexcept = default;
    template <typename U>
    PoolAllocator(const PoolAllocator<U>&) noexcept {}  // NOLINT: rebinding
    T* allocate(std::size_t n) { return static_cast<T*>(allocateNode(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { releaseNode(p, n * sizeof(T)); }
    friend bool operator==(const PoolAllocator&, const PoolAllocator&) { return true; }
    friend bool operator!=(const PoolAllocator&, const PoolAllocator&) { return false; }
};

}  // namespace php
