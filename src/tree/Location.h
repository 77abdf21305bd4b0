#pragma once
#include <cstdint>

namespace php {

// Source position of a token or node; -1 marks an unknown position.
struct Location {
    int32_t firstLine = -1;
    int32_t firstColumn = -1;
    int32_t lastLine = -1;
    int32_t lastColumn = -1;

    Location() = default;
    Location(int32_t fl, int32_t fc, int32_t ll, int32_t lc)
        : firstLine(fl), firstColumn(fc), lastLine(ll), lastColumn(lc) {}
};

// Where a syntax-tree node starts. Findings name a line only, so a node keeps
// the first line of its source range and nothing more: a large file builds
// millions of nodes, and the three other fields cost 12 bytes in each.
struct NodeLocation {
    int32_t firstLine = -1;

    NodeLocation() = default;
    NodeLocation(const Location& l) : firstLine(l.firstLine) {}  // NOLINT: implicit by design
    // For the constructors that take a token's range: only its first line is read.
    operator Location() const { return Location(firstLine, -1, -1, -1); }  // NOLINT
};

}  // namespace php
