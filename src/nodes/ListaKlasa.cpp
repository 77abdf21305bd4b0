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
    for (ParserBase* item : items) delete item;
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaKlasa::takeOver(ParserBase* previous) {
    if (auto* same = dynamic_cast<ListaKlasa*>(previous)) {
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
void ListaKlasa::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaKlasa::link() {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void ListaKlasa::check() {
    for (ParserBase* item : items) checkAndAbsorb(item);
}

Value ListaKlasa::evaluate() { return Value(); }

void ListaKlasa::computeFlow() { sequenceFlow(items); }

void ListaKlasa::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
