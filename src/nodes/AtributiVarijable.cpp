#include "nodes/AtributiVarijable.h"

namespace php {

AtributiVarijable::AtributiVarijable(ParserBase* previous, ParserBase* item) {
    takeOver(previous);
    items.push_back(adopt(item));
    locateAtFirstItem();
}

AtributiVarijable::~AtributiVarijable() {
    deleteItems(items);
}

// Takes the previous node's items, so a list of n items costs O(n).
void AtributiVarijable::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous) && previous) {
        items.push_back(adopt(previous));
    }
}

void AtributiVarijable::locateAtFirstItem() {
    location = Location();
    for (ParserBase* item : items)
        if (item) {
            location = item->location;
            break;
        }
}

void AtributiVarijable::link() {
    linkItems(items);
}

void AtributiVarijable::check() {
    for (ParserBase* item : items)
        if (item) item->check();
    for (ParserBase* item : items) absorbChild(item, true, true, true);
}

Value AtributiVarijable::evaluate() { return Value(); }

ParserBase* AtributiVarijable::unwrap() {
    for (ParserBase* item : items)
        if (item) return this;
    delete this;
    return nullptr;
}

void AtributiVarijable::computeFlow() { sequenceFlow(items); }

void AtributiVarijable::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
