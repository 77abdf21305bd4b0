#include "nodes/DefinicijeUKlasi.h"

#include <utility>

namespace php {

// The empty production yields null, so the first item arrives with no list.
DefinicijeUKlasi::DefinicijeUKlasi(ParserBase* list, ParserBase* item) {
    takeOver(adopt(list));
    append(adopt(item));
}

DefinicijeUKlasi::~DefinicijeUKlasi() {
    for (ParserBase* item : items) delete item;
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void DefinicijeUKlasi::takeOver(ParserBase* previous) {
    if (auto* same = dynamic_cast<DefinicijeUKlasi*>(previous)) {
        items = std::move(same->items);
        same->items.clear();
        location = same->location;
        delete same;
    } else {
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
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void DefinicijeUKlasi::check() {
    for (ParserBase* item : items) checkAndAbsorb(item);
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
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
