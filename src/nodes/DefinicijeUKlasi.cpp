#include "nodes/DefinicijeUKlasi.h"

#include <utility>

namespace php {

// The empty production yields null, so the first item arrives with no list.
DefinicijeUKlasi::DefinicijeUKlasi(ParserBase* list, ParserBase* item) {
    takeOver(adopt(list));
    append(adopt(item));
}

DefinicijeUKlasi::~DefinicijeUKlasi() {
    deleteItems(items);
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void DefinicijeUKlasi::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous)) {
        append(previous);
    }
}

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void DefinicijeUKlasi::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void DefinicijeUKlasi::link() {
    linkItems(items);
}

void DefinicijeUKlasi::check() {
    checkItems(items);
}

Value DefinicijeUKlasi::evaluate() { return Value(); }

// An empty class body leaves no node behind.
ParserBase* DefinicijeUKlasi::unwrap() {
    if (!items.empty()) return this;
    delete this;
    return nullptr;
}

void DefinicijeUKlasi::computeFlow() { sequenceFlow(items); }

void DefinicijeUKlasi::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
