#include "nodes/DeklaracijaInterfejsa.h"

#include "model/Klasa.h"
#include "nodes/Identifikator.h"

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

void DeklaracijaInterfejsa::link() {
    linkChild(extends);
    linkChild(body);
}

void DeklaracijaInterfejsa::check() {
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
