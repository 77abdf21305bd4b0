#include "nodes/GlavaFunkcije.h"

#include "nodes/Identifikator.h"

namespace php {

GlavaFunkcije::GlavaFunkcije(const char* text, const Location& loc, ParserBase* opcReferenca,
                             ParserBase* identifikator, const char* lparenText, const Location& lparenLoc,
                             ParserBase* deklaracijaParametara, const char* rparenText, const Location& rparenLoc)
    : ParserBase(loc) {
    byReference = adopt(opcReferenca);
    name = Identifikator::consume(identifikator);
    parameters = adopt(deklaracijaParametara);
}

GlavaFunkcije::~GlavaFunkcije() {
    delete byReference;
    delete parameters;
}

void GlavaFunkcije::link() {
    linkChild(byReference);
    linkChild(parameters);
}

void GlavaFunkcije::check() {
    checkAndAbsorb(byReference);
    checkAndAbsorb(parameters);
}

Value GlavaFunkcije::evaluate() { return Value(); }

void GlavaFunkcije::computeFlow() { combineFlow(byReference, parameters); }

void GlavaFunkcije::collectChildren(std::vector<ParserBase*>& out) {
    if (byReference) out.push_back(byReference);
    if (parameters) out.push_back(parameters);
}

}  // namespace php
