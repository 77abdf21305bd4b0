#include "tree/NameRecord.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "model/SymbolTable.h"

namespace php {

// The order of std::string's operator<, written out: names are short and
// mostly differ in their first characters, where a call to memcmp cost more
// than the comparison (the sets compare names by the million).
static bool textLess(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    const auto* x = reinterpret_cast<const unsigned char*>(a.data());
    const auto* y = reinterpret_cast<const unsigned char*>(b.data());
    for (size_t i = 0; i < n; ++i)
        if (x[i] != y[i]) return x[i] < y[i];
    return a.size() < b.size();
}

bool NameRecordLess::operator()(const NameRecord& a, const NameRecord& b) const {
    if (a.kind != b.kind) return a.kind < b.kind;
    if (a.scope != b.scope) return std::less<SymbolTable*>()(a.scope, b.scope);
    // Interned: the same text is the same pointer.
    if (a.exactCase == b.exactCase) return a.name != b.name && textLess(a.name.str(), b.name.str());
    // The exact name is compared lower-cased, as toLower would make it, one
    // character at a time rather than through a copy.
    const std::string& an = a.name.str();
    const std::string& bn = b.name.str();
    const size_t n = std::min(an.size(), bn.size());
    for (size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(an[i]);
        auto cb = static_cast<unsigned char>(bn[i]);
        if (a.exactCase) ca = static_cast<unsigned char>(std::tolower(ca));
        if (b.exactCase) cb = static_cast<unsigned char>(std::tolower(cb));
        if (ca != cb) return ca < cb;
    }
    return an.size() < bn.size();
}

}  // namespace php
