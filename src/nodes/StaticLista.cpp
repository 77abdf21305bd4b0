#include "nodes/StaticLista.h"

namespace php {

// Takes over the previous list's vector, so a list of n items is built in
// O(n) without nesting.
StaticLista::StaticLista(ParserBase* list, const char* commaText, const Location& commaLoc,
                         ParserBase* item) {
    ParserBase* prev = adopt(list);
    if (!takeOverItems(*this, prev)) {
        append(prev);
    }
    append(adopt(item));
}

StaticLista::StaticLista(ParserBase* item) { append(adopt(item)); }

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void StaticLista::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

StaticLista::~StaticLista() {
    deleteItems(items);
}

void StaticLista::link() {
    linkItems(items);
}

// The declarators' names stay pending for the static statement above.
void StaticLista::check() {
    for (ParserBase* item : items) item->check();
    for (ParserBase* item : items) propagateChild(item, true, true, true);
}

Value StaticLista::evaluate() { return Value(); }

void StaticLista::computeFlow() { sequenceFlow(items); }

void StaticLista::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
