#include "nodes/ListaIzraza.h"

namespace php {

// Takes over the previous list's vector, so a list of n items is built in
// O(n) without nesting.
ListaIzraza::ListaIzraza(ParserBase* list, const char* commaText, const Location& commaLoc,
                         ParserBase* item) {
    ParserBase* prev = adopt(list);
    if (auto* same = dynamic_cast<ListaIzraza*>(prev)) {
        items = std::move(same->items);
        same->items.clear();
        location = same->location;
        delete same;
    } else {
        append(prev);
    }
    append(adopt(item));
}

ListaIzraza::ListaIzraza(ParserBase* item) { append(adopt(item)); }

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void ListaIzraza::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

ListaIzraza::~ListaIzraza() {
    for (ParserBase* item : items) delete item;
}

void ListaIzraza::link() {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void ListaIzraza::check() {
    for (ParserBase* item : items) checkAndAbsorb(item);
}

Value ListaIzraza::evaluate() { return Value(); }

void ListaIzraza::computeFlow() { sequenceFlow(items); }

void ListaIzraza::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
