#include "nodes/ListaDeklaracija.h"

namespace php {

// Takes over the previous list's vector, so a list of n items is built in
// O(n) without nesting.
ListaDeklaracija::ListaDeklaracija(ParserBase* list, const char* commaText,
                                   const Location& commaLoc, ParserBase* item) {
    ParserBase* prev = adopt(list);
    if (!takeOverItems(*this, prev)) {
        append(prev);
    }
    append(adopt(item));
}

ListaDeklaracija::ListaDeklaracija(ParserBase* item) { append(adopt(item)); }

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void ListaDeklaracija::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

ListaDeklaracija::~ListaDeklaracija() {
    deleteItems(items);
}

void ListaDeklaracija::link() {
    linkItems(items);
}

void ListaDeklaracija::check() {
    checkItems(items);
}

Value ListaDeklaracija::evaluate() { return Value(); }

void ListaDeklaracija::computeFlow() { sequenceFlow(items); }

void ListaDeklaracija::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
