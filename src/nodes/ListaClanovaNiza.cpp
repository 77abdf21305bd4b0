#include "nodes/ListaClanovaNiza.h"

#include <algorithm>

namespace php {

ListaClanovaNiza::ListaClanovaNiza(ParserBase* item) : ParserBase(item) {
    items.push_back(adopt(item));
}

// The list sits at its first present item.
ListaClanovaNiza::ListaClanovaNiza(ParserBase* list, const char*, const Location&,
                                   ParserBase* item) {
    ParserBase* node = adopt(list);
    if (!takeOverItems(*this, node)) delete node;
    ParserBase* added = adopt(item);
    bool empty = std::none_of(items.begin(), items.end(), [](ParserBase* p) { return p; });
    if (added && empty) location = added->location;
    items.push_back(added);
}

ListaClanovaNiza::~ListaClanovaNiza() {
    deleteItems(items);
}

void ListaClanovaNiza::link() {
    linkItems(items);
}

void ListaClanovaNiza::check() {
    checkItems(items);
}

Value ListaClanovaNiza::evaluate() { return Value(); }

void ListaClanovaNiza::computeFlow() { sequenceFlow(items); }

void ListaClanovaNiza::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
