#include "nodes/ListaKlasa.h"

#include <utility>

namespace php {

ListaKlasa::ListaKlasa(ParserBase* list, const char* commaText, const Location& commaLoc,
                       ParserBase* item) {
    takeOver(adopt(list));
    append(adopt(item));
}

ListaKlasa::ListaKlasa(ParserBase* item) { append(adopt(item)); }

ListaKlasa::~ListaKlasa() {
    deleteItems(items);
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaKlasa::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous)) {
        append(previous);
    }
}

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void ListaKlasa::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaKlasa::link() {
    linkItems(items);
}

void ListaKlasa::check() {
    checkItems(items);
}

Value ListaKlasa::evaluate() { return Value(); }

void ListaKlasa::computeFlow() { sequenceFlow(items); }

void ListaKlasa::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
