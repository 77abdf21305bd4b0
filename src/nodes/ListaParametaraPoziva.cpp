#include "nodes/ListaParametaraPoziva.h"

#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/Referenca.h"
#include "tree/NodeCast.h"

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

namespace {

// "$m" (also written "&$m"), not "$m[0]", "$$m", "${expr}" or "$o->p".
bool isPlainVariable(ParserBase* n) {
    if (auto* r = nodeAs<Referenca>(n)) n = r->operand;
    if (auto* v = nodeAs<NeobjektnaPromenljiva>(n)) {
        if (v->dollarCount != 1) return false;
        n = v->inner;
    }
    if (auto* a = nodeAs<IndeksniPristup>(n)) {
        if (!a->items.empty()) return false;
        n = a->variable;
    }
    auto* name = nodeAs<ImePromenljive>(n);
    return name && !name->inner;
}

}  // namespace

void ListaParametaraPoziva::check() {
    for (ParserBase* item : items)
        if (item) item->check();
    for (size_t i = 0; i < items.size(); ++i) {
        if (i < byReference.size() && byReference[i] && isPlainVariable(items[i]))
            absorbDeclaration(items[i], true, true, true);
        else
            absorbChild(items[i], true, true, true);
    }
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
