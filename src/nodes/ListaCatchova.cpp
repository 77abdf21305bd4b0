#include "nodes/ListaCatchova.h"

namespace php {

// Takes over the previous list's vector, so a list of n items is built in
// O(n) without nesting.
ListaCatchova::ListaCatchova(ParserBase* list, ParserBase* item) {
    ParserBase* prev = adopt(list);
    if (!takeOverItems(*this, prev)) {
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
    deleteItems(items);
}

void ListaCatchova::link() {
    linkItems(items);
}

// Every catch is checked before any is absorbed: one catch's definitions are
// not visible to the next.
void ListaCatchova::check() {
    for (ParserBase* item : items)
        if (item) item->check();
    for (ParserBase* item : items) absorbChild(item, true, true, true);
}

Value ListaCatchova::evaluate() { return Value(); }

void ListaCatchova::computeFlow() { chainItemFlows(items); }

void ListaCatchova::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
