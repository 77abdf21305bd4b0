#include "model/FileName.h"

#include <unordered_set>

namespace php {

// Interned texts live until the process ends; a run sees few distinct files.
static std::unordered_set<std::string>& table() {
    static auto* t = new std::unordered_set<std::string>();
    return *t;
}

const std::string& FileName::emptyText() {
    static const std::string* e = intern(std::string());
    return *e;
}

const std::string* FileName::intern(const std::string& s) { return &*table().insert(s).first; }

}  // namespace php
