#include "nodes/ListaDeklaracijaMetoda.h"

#include <utility>

namespace php {

ListaDeklaracijaMetoda::ListaDeklaracijaMetoda() = default;

ListaDeklaracijaMetoda::ListaDeklaracijaMetoda(ParserBase* list, ParserBase* item) {
    takeOver(adopt(list));
    append(adopt(item));
}

ListaDeklaracijaMetoda::~ListaDeklaracijaMetoda() {
    deleteItems(items);
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaDeklaracijaMetoda::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous)) {
        append(previous);
    }
}

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void ListaDeklaracijaMetoda::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaDeklaracijaMetoda::link() {
    linkItems(items);
}

void ListaDeklaracijaMetoda::check() {
    checkItems(items);
}

Value ListaDeklaracijaMetoda::evaluate() { return Value(); }

void ListaDeklaracijaMetoda::computeFlow() { sequenceFlow(items); }

void ListaDeklaracijaMetoda::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
