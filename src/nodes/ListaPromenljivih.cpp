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
    deleteItems(items);
}

// Takes the previous node's items, so a list of n items costs O(n).
void ListaPromenljivih::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous) && previous) {
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
    linkItems(items);
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
    collectItems(items, out);
}

}  // namespace php
