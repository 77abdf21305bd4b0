#include "nodes/ListaParametaraPoziva.h"

namespace php {

ListaParametaraPoziva::ListaParametaraPoziva(ParserBase* first) {
    items.push_back(adopt(first));
    locateAtFirstItem();
}

ListaParametaraPoziva::ListaParametaraPoziva(ParserBase* previous, const char*, const Location&, ParserBase* item) {
    takeOver(previous);
    items.push_back(adopt(item));
    locateAtFirstItem();
}

ListaParametaraPoziva::~ListaParametaraPoziva() {
    deleteItems(items);
}

// Takes the previous node's items, so a list of n items costs O(n).
void ListaParametaraPoziva::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous) && previous) {
        items.push_back(adopt(previous));
    }
}

void ListaParametaraPoziva::locateAtFirstItem() {
    location = Location();
    for (ParserBase* item : items)
        if (item) {
            location = item->location;
            break;
        }
}

void ListaParametaraPoziva::link() {
    linkItems(items);
}

void ListaParametaraPoziva::check() {
    for (ParserBase* item : items)
        if (item) item->check();
    for (ParserBase* item : items) absorbChild(item, true, true, true);
}

Value ListaParametaraPoziva::evaluate() { return Value(); }

std::vector<Value> ListaParametaraPoziva::argumentValues() {
    std::vector<Value> values;
    values.reserve(items.size());
    for (ParserBase* item : items)
        if (item) values.push_back(item->staticValue());
    return values;
}

void ListaParametaraPoziva::computeFlow() { sequenceFlow(items); }

void ListaParametaraPoziva::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
