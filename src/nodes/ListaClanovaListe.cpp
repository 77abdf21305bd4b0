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
    if (auto* previous = dynamic_cast<ListaClanovaListe*>(node)) {
        items = std::move(previous->items);
        previous->items.clear();
        location = previous->location;
    }
    delete node;
    ParserBase* added = adopt(item);
    bool empty = std::none_of(items.begin(), items.end(), [](ParserBase* p) { return p; });
    if (added && empty) location = added->location;
    items.push_back(added);
}

ListaClanovaListe::~ListaClanovaListe() {
    for (ParserBase* item : items)
        delete item;
}

void ListaClanovaListe::link() {
    removeNulls(items);
    for (ParserBase* item : items)
        linkChild(item);
}

void ListaClanovaListe::check() {
    for (ParserBase* item : items)
        checkAndAbsorb(item);
}

Value ListaClanovaListe::evaluate() { return Value(); }

void ListaClanovaListe::computeFlow() { sequenceFlow(items); }

void ListaClanovaListe::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
