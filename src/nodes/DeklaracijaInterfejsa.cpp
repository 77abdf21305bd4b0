#include "nodes/DeklaracijaInterfejsa.h"

#include "model/Klasa.h"
#include "nodes/DeklaracijaKlase.h"
#include "nodes/Identifikator.h"
#include "nodes/ListaDeklaracijaMetoda.h"
#include "nodes/Prosirivanje.h"

namespace php {

DeklaracijaInterfejsa::DeklaracijaInterfejsa(const char* text, const Location& loc, ParserBase* identifikator,
                                             ParserBase* prosirivanje, const char* lbraceText,
                                             const Location& lbraceLoc, ParserBase* listaDeklaracijaMetoda,
                                             const char* rbraceText, const Location& rbraceLoc)
    : ParserBase(loc) {
    name = Identifikator::consume(identifikator);
    extends = adopt(prosirivanje);
    body = adopt(listaDeklaracijaMetoda);
}

DeklaracijaInterfejsa::~DeklaracijaInterfejsa() {
    delete extends;
    delete body;
}

// Interfaces get no "self" or "parent". Their body may declare constants.
void DeklaracijaInterfejsa::link() {
    linkChild(extends);
    klasa = DeklaracijaKlase::declare(this, name);
    klasa->isInterface = true;
    if (auto* list = dynamic_cast<Prosirivanje*>(extends))
        DeklaracijaKlase::attachInterfaces(klasa, list, list->classes);
    if (auto* items = dynamic_cast<ListaDeklaracijaMetoda*>(body))
        DeklaracijaKlase::declareConstants(klasa, items->items);
    linkChild(body);
}

void DeklaracijaInterfejsa::check() {
    if (klasa) klasa->resolve();
    checkAndAbsorb(extends);
    checkAndAbsorb(body);
}

Value DeklaracijaInterfejsa::evaluate() { return Value(); }

void DeklaracijaInterfejsa::computeFlow() { combineFlow(extends, body); }

void DeklaracijaInterfejsa::collectChildren(std::vector<ParserBase*>& out) {
    if (extends) out.push_back(extends);
    if (body) out.push_back(body);
}

SymbolTable* DeklaracijaInterfejsa::enclosingScope() {
    return klasa ? klasa->members : ParserBase::enclosingScope();
}

Klasa* DeklaracijaInterfejsa::declaredClass() { return klasa; }

}  // namespace php
