#include "nodes/ListaPromenljivih.h"

namespace php {

ListaPromenljivih::ListaPromenljivih(ParserBase* first) {
    items.push_back(adopt(first));
    locateAtFirstItem();
}

ListaPromenljivih::ListaPromenljivih(ParserBase* previous, const char*, const Location&, ParserBase* item) {
    takeOver(previous);
    items.push_back(adopt(item));
    locateAtFirstItem();
}

ListaPromenljivih::~ListaPromenljivih() {
    for (ParserBase* item : items) delete item;
}

// Takes the previous node's items, so a list of n items costs O(n).
void ListaPromenljivih::takeOver(ParserBase* previous) {
    if (auto* prev = dynamic_cast<ListaPromenljivih*>(previous)) {
        items = std::move(prev->items);
        prev->items.clear();
        delete prev;
    } else if (previous) {
        items.push_back(adopt(previous));
    }
}

void ListaPromenljivih::locateAtFirstItem() {
    location = Location();
    for (ParserBase* item : items)
        if (item) {
            location = item->location;
            break;
        }
}

void ListaPromenljivih::link() {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

// Every item is checked first; the reads stay pending for the statement.
void ListaPromenljivih::check() {
    for (ParserBase* item : items)
        if (item) item->check();
    for (ParserBase* item : items) propagateChild(item, true, true, true);
}

Value ListaPromenljivih::evaluate() { return Value(); }
void ListaPromenljivih::computeFlow() { sequenceFlow(items); }

void ListaPromenljivih::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
