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
    if (auto* previous = dynamic_cast<ListaClanovaNiza*>(node)) {
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

ListaClanovaNiza::~ListaClanovaNiza() {
    for (ParserBase* item : items)
        delete item;
}

void ListaClanovaNiza::link() {
    removeNulls(items);
    for (ParserBase* item : items)
        linkChild(item);
}

void ListaClanovaNiza::check() {
    for (ParserBase* item : items)
        checkAndAbsorb(item);
}

Value ListaClanovaNiza::evaluate() { return Value(); }

void ListaClanovaNiza::computeFlow() { sequenceFlow(items); }

void ListaClanovaNiza::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
