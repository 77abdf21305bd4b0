#include "tree/NameRecord.h"

#include <functional>

#include "model/SymbolTable.h"

namespace php {

bool NameRecordLess::operator()(const NameRecord& a, const NameRecord& b) const {
    if (a.kind != b.kind) return a.kind < b.kind;
    if (a.scope != b.scope) return std::less<SymbolTable*>()(a.scope, b.scope);
    if (a.exactCase == b.exactCase) return a.name < b.name;
    const std::string an = a.exactCase ? toLower(a.name) : a.name;
    const std::string bn = b.exactCase ? toLower(b.name) : b.name;
    return an < bn;
}

}  // namespace php
