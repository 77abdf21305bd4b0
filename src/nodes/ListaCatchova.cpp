#include "nodes/ListaCatchova.h"

namespace php {

// Takes over the previous list's vector, so a list of n items is built in
// O(n) without nesting.
ListaCatchova::ListaCatchova(ParserBase* list, ParserBase* item) {
    ParserBase* prev = adopt(list);
    if (auto* same = dynamic_cast<ListaCatchova*>(prev)) {
        items = std::move(same->items);
        same->items.clear();
        location = same->location;
        delete same;
    } else {
        append(prev);
    }
    append(adopt(item));
}

ListaCatchova::ListaCatchova(ParserBase* item) { append(adopt(item)); }

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void ListaCatchova::append(ParserBase* item) {
    if (!item) return;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

ListaCatchova::~ListaCatchova() {
    for (ParserBase* item : items) delete item;
}

void ListaCatchova::link() {
    removeNulls(items);
    for (ParserBase* item : items) linkChild(item);
}

void ListaCatchova::check() {
    for (ParserBase* item : items) checkAndAbsorb(item);
}

Value ListaCatchova::evaluate() { return Value(); }

void ListaCatchova::computeFlow() { sequenceFlow(items); }

void ListaCatchova::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* item : items)
        if (item) out.push_back(item);
}

}  // namespace php
