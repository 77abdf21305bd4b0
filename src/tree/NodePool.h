#pragma once
#include <cstddef>

namespace php {

// Allocation of syntax-tree nodes. A file of n tokens builds and frees a few
// times n nodes, many of them wrappers that live for one grammar action, so
// nodes come from per-size free lists instead of the general heap.
void* allocateNode(std::size_t size);
void releaseNode(void* p, std::size_t size) noexcept;

}  // namespace php
