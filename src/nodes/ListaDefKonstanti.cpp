#include "nodes/ListaDefKonstanti.h"

#include <utility>

namespace php {

ListaDefKonstanti::ListaDefKonstanti(ParserBase* list, const char* commaText, const Location& commaLoc,
                                     ParserBase* item) {
    takeOver(adopt(list));
    append(adopt(item));
}

ListaDefKonstanti::ListaDefKonstanti(ParserBase* item) { append(adopt(item)); }

ListaDefKonstanti::~ListaDefKonstanti() {
    for (ParserBase* item : items) delete item;
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaDefKonstanti::takeOver(ParserBase* previous) {
    if (auto* same = dynamic_cast<ListaDefKonstanti*>(previous)) {
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
void ListaDefKonstanti::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

void ListaDefKonstanti::link() {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void ListaDefKonstanti::check() {
    for (ParserBase* item : items) checkAndAbsorb(item);
}

Value ListaDefKonstanti::evaluate() { return Value(); }

void ListaDefKonstanti::computeFlow() { sequenceFlow(items); }

void ListaDefKonstanti::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
