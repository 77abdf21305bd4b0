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

}  // namespace php
