#include "nodes/Caseovi.h"

#include "nodes/DefaultCase.h"

#include "diagnostics/DvostrukiDefault.h"
#include "diagnostics/Greska.h"
#include "tree/NodeCast.h"

namespace php {

// Takes over the previous list's vector, so a list of n items is built in
// O(n) without nesting.
Caseovi::Caseovi(ParserBase* list, ParserBase* item) {
    ParserBase* prev = adopt(list);
    if (auto* same = nodeAs<Caseovi>(prev)) {
        items = std::move(same->items);
        same->items.clear();
        defaultCount = same->defaultCount;
        location = same->location;
        delete same;
    } else {
        append(prev);
    }
    append(adopt(item));
}

// Null items (constructs the grammar rejected) are not kept; the list takes
// the location of its first item.
void Caseovi::append(ParserBase* item) {
    if (!item) return;
    if (nodeAs<DefaultCase>(item)) ++defaultCount;
    if (items.empty()) location = item->location;
    items.push_back(item);
}

Caseovi::~Caseovi() {
    deleteItems(items);
}

void Caseovi::link() {
    linkItems(items);
}

// Cases fall through into the next until one always leaves, so the cases
// form groups; a group defines what its last defining case defines. A name
// survives the switch when every group defines it and there is a default
// label (otherwise no label may match). The items' sets stay with them.
void Caseovi::check() {
    NameSet* group = nullptr;
    bool firstGroup = true;
    bool anyGroup = false;
    bool startsGroup = true;
    ParserBase* firstDefault = nullptr;
    auto closeGroup = [&] {
        if (firstGroup) {
            unionDefinitions(group);
            firstGroup = false;
        } else {
            intersectDefinitions(group);
        }
    };
    for (ParserBase* item : items) {
        if (!item) continue;
        item->check();
        if (nodeAs<DefaultCase>(item)) {
            if (firstDefault)
                semanticList().push_back(new greske::DvostrukiDefault(
                    firstDefault->location.firstLine, firstDefault->fileName, item->fileName,
                    item->location.firstLine));
            else
                firstDefault = item;
        }
        if (startsGroup) {
            if (anyGroup) closeGroup();
            delete group;
            group = nullptr;
        }
        if (item->definitions()) {
            delete group;
            group = new NameSet(*item->definitions());
        }
        foldUses(item);
        startsGroup = item->alwaysLeaves();
        anyGroup = true;
    }
    if (anyGroup) closeGroup();
    delete group;
    if (!firstDefault) intersectDefinitions(nullptr);
}

Value Caseovi::evaluate() { return Value(); }

void Caseovi::computeFlow() { chainItemFlows(items); }

void Caseovi::collectChildren(std::vector<ParserBase*>& out) {
    collectItems(items, out);
}

}  // namespace php
