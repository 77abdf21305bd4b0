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
    deleteItems(items);
}

// Takes over the previous list's vector, so a list of n items is built in
// O(n) and never nests.
void ListaDefKonstanti::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous)) {
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
    linkItems(items);
}

void ListaDefKonstanti::check() {
    checkItems(items);
}

Value ListaDefKonstanti::evaluate() { return Value(); }

void ListaDefKonstanti::computeFlow() { sequenceFlow(items); }

void ListaDefKonstanti::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
