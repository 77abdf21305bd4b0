#include "nodes/ListaClanovaListe.h"

#include <algorithm>

namespace php {

ListaClanovaListe::ListaClanovaListe(ParserBase* item) : ParserBase(item) {
    items.push_back(adopt(item));
}

// The list sits at its first present item.
ListaClanovaListe::ListaClanovaListe(ParserBase* list, const char*, const Location&,
                                     ParserBase* item) {
    ParserBase* node = adopt(list);
    if (!takeOverItems(*this, node)) delete node;
    ParserBase* added = adopt(item);
    bool empty = std::none_of(items.begin(), items.end(), [](ParserBase* p) { return p; });
    if (added && empty) location = added->location;
    items.push_back(added);
}

ListaClanovaListe::~ListaClanovaListe() {
    deleteItems(items);
}

void ListaClanovaListe::link() {
    linkItems(items);
}

void ListaClanovaListe::check() {
    for (ParserBase* item : items) {
        if (!item) continue;
        item->check();
        propagateChild(item, true, true, true);
    }
}

Value ListaClanovaListe::evaluate() { return Value(); }

void ListaClanovaListe::computeFlow() { sequenceFlow(items); }

void ListaClanovaListe::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
