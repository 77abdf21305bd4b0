#include "nodes/AtributiImenaKlase.h"

namespace php {

AtributiImenaKlase::AtributiImenaKlase(ParserBase* previous, const char*, const Location&, ParserBase* item) {
    takeOver(previous);
    items.push_back(adopt(item));
    locateAtFirstItem();
}

AtributiImenaKlase::~AtributiImenaKlase() {
    for (ParserBase* item : items) delete item;
}

// Takes the previous node's items, so a list of n items costs O(n).
void AtributiImenaKlase::takeOver(ParserBase* previous) {
    if (auto* prev = dynamic_cast<AtributiImenaKlase*>(previous)) {
        items = std::move(prev->items);
        prev->items.clear();
        delete prev;
    } else if (previous) {
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
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void AtributiImenaKlase::check() {
    for (ParserBase* item : items)
        if (item) item->check();
    for (ParserBase* item : items) absorbChild(item, true, true, true);
}

Value AtributiImenaKlase::evaluate() { return Value(); }
void AtributiImenaKlase::computeFlow() { sequenceFlow(items); }

void AtributiImenaKlase::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
