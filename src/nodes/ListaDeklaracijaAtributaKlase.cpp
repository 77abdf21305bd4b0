#include "nodes/ListaDeklaracijaAtributaKlase.h"

#include <utility>

namespace php {

ListaDeklaracijaAtributaKlase::ListaDeklaracijaAtributaKlase(ParserBase* list, const char* commaText,
                                                             const Location& commaLoc, ParserBase* item) {
    takeOver(adopt(list));
    append(adopt(item));
}

ListaDeklaracijaAtributaKlase::ListaDeklaracijaAtributaKlase(ParserBase* item) { append(adopt(item)); }

ListaDeklaracijaAtributaKlase::~ListaDeklaracijaAtributaKlase() {
    deleteItems(items);
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaDeklaracijaAtributaKlase::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous)) {
        append(previous);
    }
}

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void ListaDeklaracijaAtributaKlase::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaDeklaracijaAtributaKlase::link() {
    linkItems(items);
}

void ListaDeklaracijaAtributaKlase::check() {
    checkItems(items);
}

Value ListaDeklaracijaAtributaKlase::evaluate() { return Value(); }

void ListaDeklaracijaAtributaKlase::computeFlow() { sequenceFlow(items); }

void ListaDeklaracijaAtributaKlase::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
