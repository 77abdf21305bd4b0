#include "nodes/AtributiImenaKlase.h"

namespace php {

AtributiImenaKlase::AtributiImenaKlase(ParserBase* previous, const char*, const Location&, ParserBase* item) {
    takeOver(previous);
    items.push_back(adopt(item));
    locateAtFirstItem();
}

AtributiImenaKlase::~AtributiImenaKlase() {
    deleteItems(items);
}

// Takes the previous node's items, so a list of n items costs O(n).
void AtributiImenaKlase::takeOver(ParserBase* previous) {
    if (!takeOverItems(*this, previous) && previous) {
        items.push_back(adopt(previous));
    }
}

void AtributiImenaKlase::locateAtFirstItem() {
    location = Location();
    for (ParserBase* item : items)
        if (item) {
            location = item->location;
            break;
        }
}

void AtributiImenaKlase::link() {
    linkItems(items);
}

void AtributiImenaKlase::check() {
    for (ParserBase* item : items)
        if (item) item->check();
    for (ParserBase* item : items) absorbChild(item, true, true, true);
}

Value AtributiImenaKlase::evaluate() { return Value(); }
void AtributiImenaKlase::computeFlow() { sequenceFlow(items); }

void AtributiImenaKlase::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
