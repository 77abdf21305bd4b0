#include "nodes/ListaDeklaracijaParametara.h"

#include <utility>

namespace php {

ListaDeklaracijaParametara::ListaDeklaracijaParametara(ParserBase* list, const char* commaText, const Location& commaLoc,
                                                       ParserBase* item) {
    takeOver(adopt(list));
    append(adopt(item));
}

ListaDeklaracijaParametara::ListaDeklaracijaParametara(ParserBase* item) { append(adopt(item)); }

ListaDeklaracijaParametara::~ListaDeklaracijaParametara() {
    deleteItems(items);
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaDeklaracijaParametara::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous)) {
        append(previous);
    }
}

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void ListaDeklaracijaParametara::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaDeklaracijaParametara::link() {
    linkItems(items);
}

void ListaDeklaracijaParametara::check() {
    checkItems(items);
}

Value ListaDeklaracijaParametara::evaluate() { return Value(); }

void ListaDeklaracijaParametara::computeFlow() { sequenceFlow(items); }

void ListaDeklaracijaParametara::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
