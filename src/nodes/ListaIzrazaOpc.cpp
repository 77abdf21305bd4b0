#include "nodes/ListaIzrazaOpc.h"

namespace php {

ListaIzrazaOpc::ListaIzrazaOpc(ParserBase* list) {
    inner = adopt(list);
    if (inner) location = inner->location;
}

ListaIzrazaOpc::~ListaIzrazaOpc() { delete inner; }

void ListaIzrazaOpc::link() { linkChild(inner); }

void ListaIzrazaOpc::check() { checkAndAbsorb(inner); }

Value ListaIzrazaOpc::evaluate() { return Value(); }

ParserBase* ListaIzrazaOpc::unwrap() {
    ParserBase* result = inner ? inner->unwrap() : nullptr;
    inner = nullptr;
    delete this;
    return result;
}

void ListaIzrazaOpc::computeFlow() { adoptFlow(inner); }

void ListaIzrazaOpc::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
