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
    for (ParserBase* item : items) delete item;
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaDeklaracijaParametara::takeOver(ParserBase* previous) {
    if (auto* same = dynamic_cast<ListaDeklaracijaParametara*>(previous)) {
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
void ListaDeklaracijaParametara::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaDeklaracijaParametara::link() {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void ListaDeklaracijaParametara::check() {
    for (ParserBase* item : items) checkAndAbsorb(item);
}

Value ListaDeklaracijaParametara::evaluate() { return Value(); }

void ListaDeklaracijaParametara::computeFlow() { sequenceFlow(items); }

void ListaDeklaracijaParametara::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
