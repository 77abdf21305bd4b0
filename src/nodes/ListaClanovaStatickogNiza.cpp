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
    if (!takeOverItems(*this, node)) delete node;
    ParserBase* added = adopt(item);
    bool empty = std::none_of(items.begin(), items.end(), [](ParserBase* p) { return p; });
    if (added && empty) location = added->location;
    items.push_back(added);
}

ListaClanovaStatickogNiza::~ListaClanovaStatickogNiza() {
    deleteItems(items);
}

void ListaClanovaStatickogNiza::link() {
    linkItems(items);
}

void ListaClanovaStatickogNiza::check() {
    checkItems(items);
}

Value ListaClanovaStatickogNiza::evaluate() { return Value(); }

void ListaClanovaStatickogNiza::computeFlow() { sequenceFlow(items); }

void ListaClanovaStatickogNiza::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
