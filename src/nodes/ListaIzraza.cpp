#include "nodes/ListaIzraza.h"

namespace php {

// Takes over the previous list's vector, so a list of n items is built in
// O(n) without nesting.
ListaIzraza::ListaIzraza(ParserBase* list, const char* commaText, const Location& commaLoc,
                         ParserBase* item) {
    ParserBase* prev = adopt(list);
    if (!takeOverItems(*this, prev)) {
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
    deleteItems(items);
}

void ListaIzraza::link() {
    linkItems(items);
}

void ListaIzraza::check() {
    checkItems(items);
}

Value ListaIzraza::evaluate() { return Value(); }

void ListaIzraza::computeFlow() { sequenceFlow(items); }

void ListaIzraza::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
