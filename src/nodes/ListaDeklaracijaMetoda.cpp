#include "nodes/ListaDeklaracijaMetoda.h"

#include <utility>

namespace php {

ListaDeklaracijaMetoda::ListaDeklaracijaMetoda() = default;

ListaDeklaracijaMetoda::ListaDeklaracijaMetoda(ParserBase* list, ParserBase* item) {
    takeOver(adopt(list));
    append(adopt(item));
}

ListaDeklaracijaMetoda::~ListaDeklaracijaMetoda() {
    for (ParserBase* item : items) delete item;
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaDeklaracijaMetoda::takeOver(ParserBase* previous) {
    if (auto* same = dynamic_cast<ListaDeklaracijaMetoda*>(previous)) {
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
void ListaDeklaracijaMetoda::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaDeklaracijaMetoda::link() {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void ListaDeklaracijaMetoda::check() {
    for (ParserBase* item : items) checkAndAbsorb(item);
}

Value ListaDeklaracijaMetoda::evaluate() { return Value(); }

void ListaDeklaracijaMetoda::computeFlow() { sequenceFlow(items); }

void ListaDeklaracijaMetoda::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
