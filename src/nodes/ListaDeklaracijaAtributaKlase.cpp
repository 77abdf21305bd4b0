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
    for (ParserBase* item : items) delete item;
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaDeklaracijaAtributaKlase::takeOver(ParserBase* previous) {
    if (auto* same = dynamic_cast<ListaDeklaracijaAtributaKlase*>(previous)) {
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
void ListaDeklaracijaAtributaKlase::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaDeklaracijaAtributaKlase::link() {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void ListaDeklaracijaAtributaKlase::check() {
    for (ParserBase* item : items) checkAndAbsorb(item);
}

Value ListaDeklaracijaAtributaKlase::evaluate() { return Value(); }

void ListaDeklaracijaAtributaKlase::computeFlow() { sequenceFlow(items); }

void ListaDeklaracijaAtributaKlase::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
