#include "nodes/ListaClanovaStatickogNiza.h"

#include <algorithm>

namespace php {

ListaClanovaStatickogNiza::ListaClanovaStatickogNiza(ParserBase* item) : ParserBase(item) {
    items.push_back(adopt(item));
}

// The list sits at its first present item.
ListaClanovaStatickogNiza::ListaClanovaStatickogNiza(ParserBase* list, const char*, const Location&,
                                                     ParserBase* item) {
    ParserBase* node = adopt(list);
    if (auto* previous = dynamic_cast<ListaClanovaStatickogNiza*>(node)) {
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

ListaClanovaStatickogNiza::~ListaClanovaStatickogNiza() {
    for (ParserBase* item : items)
        delete item;
}

void ListaClanovaStatickogNiza::link() {
    removeNulls(items);
    for (ParserBase* item : items)
        linkChild(item);
}

void ListaClanovaStatickogNiza::check() {
    for (ParserBase* item : items)
        checkAndAbsorb(item);
}

Value ListaClanovaStatickogNiza::evaluate() { return Value(); }

void ListaClanovaStatickogNiza::computeFlow() { sequenceFlow(items); }

void ListaClanovaStatickogNiza::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
