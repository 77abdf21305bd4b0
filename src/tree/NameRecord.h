#pragma once
#include <cstdint>
#include <set>
#include <string>

#include "model/FileName.h"
#include "tree/NodePool.h"

namespace php {

class SymbolTable;
class Type;

// One variable (kind 0) or constant (kind 1) name at one place. Records are
// copied from set to set by the million on a large file, so the name and the
// file are interned (a pointer each) rather than strings of their own.
struct NameRecord {
    SymbolTable* scope = nullptr;
    InternedText name;
    FileName file;
    Type* type = nullptr;  // the type last assigned to the name
    int32_t line = -1;
    int32_t kind = 0;
    int32_t indexDepth = 0;
    uint8_t exactCase = 1;  // 0: stored lower-cased, matches regardless of case

    NameRecord() = default;
    NameRecord(SymbolTable* scope, InternedText name, FileName file, int32_t line, int32_t kind,
               uint8_t exactCase = 1, Type* type = nullptr)
        : scope(scope), name(name), file(file), type(type), line(line), kind(kind),
          exactCase(exactCase) {}
};

// The order that defines set membership: kind, then scope, then name; a name
// that must match exactly is lower-cased when compared with one that needn't.
struct NameRecordLess {
    bool operator()(const NameRecord& a, const NameRecord& b) const;
};

// The sets themselves come from the node pool too: about one node in six
// creates one during the check, and the general heap cost more than the
// records they hold.
class NameSet : public std::set<NameRecord, NameRecordLess, PoolAllocator<NameRecord>> {
public:
    using std::set<NameRecord, NameRecordLess, PoolAllocator<NameRecord>>::set;
    static void* operator new(std::size_t size) { return allocateNode(size); }
    static void operator delete(void* p, std::size_t size) noexcept { releaseNode(p, size); }
};

}  // namespace php
