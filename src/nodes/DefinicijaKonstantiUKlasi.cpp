#include "nodes/DefinicijaKonstantiUKlasi.h"

namespace php {

// krajNaredbe is always null; it only holds its argument position.
DefinicijaKonstantiUKlasi::DefinicijaKonstantiUKlasi(const char* text, const Location& loc,
                                                     ParserBase* listaDefKonstanti, ParserBase* krajNaredbe)
    : ParserBase(loc), constants(adopt(listaDefKonstanti)) {
    delete adopt(krajNaredbe);
}

DefinicijaKonstantiUKlasi::~DefinicijaKonstantiUKlasi() { delete constants; }

void DefinicijaKonstantiUKlasi::link() { linkChild(constants); }
void DefinicijaKonstantiUKlasi::check() { checkAndAbsorb(constants); }
Value DefinicijaKonstantiUKlasi::evaluate() { return Value(); }

void DefinicijaKonstantiUKlasi::computeFlow() { adoptFlow(constants); }

void DefinicijaKonstantiUKlasi::collectChildren(std::vector<ParserBase*>& out) {
    if (constants) out.push_back(constants);
}

}  // namespace php
