#include "nodes/DeklaracijaKlase.h"

#include "model/Klasa.h"
#include "nodes/Identifikator.h"

namespace php {

DeklaracijaKlase::DeklaracijaKlase(ParserBase* opcDirektivaZaNasledjivanje, const char* text, const Location& loc,
                                   ParserBase* identifikator, ParserBase* nasledjivanje,
                                   ParserBase* listaImplementacija, const char* lbraceText,
                                   const Location& lbraceLoc, ParserBase* definicijeUKlasi,
                                   const char* rbraceText, const Location& rbraceLoc)
    : ParserBase(loc) {
    modifier = adopt(opcDirektivaZaNasledjivanje);
    name = Identifikator::consume(identifikator);
    extends = adopt(nasledjivanje);
    implements = adopt(listaImplementacija);
    body = adopt(definicijeUKlasi);
}

DeklaracijaKlase::~DeklaracijaKlase() {
    delete modifier;
    delete extends;
    delete implements;
    delete body;
}

void DeklaracijaKlase::link() {
    linkChild(modifier);
    linkChild(implements);
    linkChild(extends);
    linkChild(body);
}

void DeklaracijaKlase::check() {
    checkAndAbsorb(modifier);
    checkAndAbsorb(implements);
    checkAndAbsorb(extends);
    checkAndAbsorb(body);
}

Value DeklaracijaKlase::evaluate() { return Value(); }

void DeklaracijaKlase::computeFlow() { sequenceFlow({modifier, implements, extends, body}); }

void DeklaracijaKlase::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* child : {modifier, implements, extends, body})
        if (child) out.push_back(child);
}

void DeklaracijaKlase::addPredecessor(ParserBase*) {}
void DeklaracijaKlase::addPredecessors(const NodeSet*) {}

SymbolTable* DeklaracijaKlase::enclosingScope() {
    return klasa ? klasa->members : ParserBase::enclosingScope();
}

Klasa* DeklaracijaKlase::declaredClass() { return klasa; }

}  // namespace php
