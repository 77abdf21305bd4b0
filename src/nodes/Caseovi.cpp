#include "nodes/Caseovi.h"

#include "nodes/DefaultCase.h"

namespace php {

// Takes over the previous list's vector, so a list of n items is built in
// O(n) without nesting.
Caseovi::Caseovi(ParserBase* list, ParserBase* item) {
    ParserBase* prev = adopt(list);
    if (auto* same = dynamic_cast<Caseovi*>(prev)) {
        items = std::move(same->items);
        same->items.clear();
        defaultCount = same->defaultCount;
        location = same->location;
        delete same;
    } else {
        append(prev);
    }
    append(adopt(item));
}

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void Caseovi::append(ParserBase* item) {
    if (!item) return;
    if (dynamic_cast<DefaultCase*>(item)) ++defaultCount;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

Caseovi::~Caseovi() {
    deleteItems(items);
}

void Caseovi::link() {
    linkItems(items);
}

void Caseovi::check() {
    checkItems(items);
}

Value Caseovi::evaluate() { return Value(); }

void Caseovi::computeFlow() { sequenceFlow(items); }

void Caseovi::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
