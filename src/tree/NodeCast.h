#pragma once
#include "tree/ParserBase.h"

namespace php {

// The downcast to a node class that has no subclasses and states its kind as
// `Kind`: one virtual call and a compare, where dynamic_cast walks the type
// information (on the per-node paths of the passes it was a few percent of
// the run). Null stays null.
template <class T>
T* nodeAs(ParserBase* node) {
    return node && node->kind() == T::Kind ? static_cast<T*>(node) : nullptr;
}

template <class T>
const T* nodeAs(const ParserBase* node) {
    return node && node->kind() == T::Kind ? static_cast<const T*>(node) : nullptr;
}

}  // namespace php
