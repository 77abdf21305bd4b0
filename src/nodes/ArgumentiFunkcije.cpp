#include "nodes/ArgumentiFunkcije.h"

#include "model/Funkcija.h"

#include "nodes/ListaParametaraPoziva.h"
#include "tree/NodeCast.h"

namespace php {

ArgumentiFunkcije::ArgumentiFunkcije(const char*, const Location& loc, ParserBase* l, const char*, const Location&)
    : ParserBase(loc) {
    l = adopt(l);
    if (nodeAs<ListaParametaraPoziva>(l))
        list = l;
    else
        delete l;
}

ArgumentiFunkcije::~ArgumentiFunkcije() { delete list; }

std::vector<Value> ArgumentiFunkcije::argumentValues() {
    auto* l = nodeAs<ListaParametaraPoziva>(list);
    return l ? l->argumentValues() : std::vector<Value>();
}

void ArgumentiFunkcije::passTo(const Funkcija* callee) {
    auto* l = nodeAs<ListaParametaraPoziva>(list);
    if (!l || !callee || !callee->signature) return;
    const auto& parameters = callee->signature->parameters;
    l->byReference.assign(l->items.size(), false);
    for (size_t i = 0; i < parameters.size() && i < l->items.size(); ++i) l->byReference[i] = parameters[i].byReference;
}

Value ArgumentiFunkcije::call(ParserBase* arguments, Funkcija* callee, ParserBase* site, bool evaluate) {
    auto* self = nodeAs<ArgumentiFunkcije>(arguments);
    std::vector<Value> values;
    if (self && evaluate) {
        values = self->argumentValues();
    } else if (auto* l = self ? nodeAs<ListaParametaraPoziva>(self->list) : nullptr) {
        for (ParserBase* item : l->items)
            if (item) values.emplace_back();
    }
    const void* outer = Funkcija::currentCallSite;
    Funkcija::currentCallSite = site;
    Value result = callee->checkCall(std::move(values), site->fileName, site->location.firstLine);
    Funkcija::currentCallSite = outer;
    return result;
}

void ArgumentiFunkcije::link() { linkChild(list); }

void ArgumentiFunkcije::check() { checkAndAbsorb(list); }

Value ArgumentiFunkcije::evaluate() { return Value(); }

void ArgumentiFunkcije::computeFlow() { adoptFlow(list); }

void ArgumentiFunkcije::collectChildren(std::vector<ParserBase*>& out) {
    if (list) out.push_back(list);
}

}  // namespace php
