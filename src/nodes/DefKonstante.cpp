#include "nodes/DefKonstante.h"

namespace php {

DefKonstante::DefKonstante(ParserBase* deklarator) : declarator(adopt(deklarator)) {
    if (declarator) location = declarator->location;
}

DefKonstante::~DefKonstante() { delete declarator; }

void DefKonstante::link() { linkChild(declarator); }
void DefKonstante::check() { checkAndAbsorb(declarator); }
Value DefKonstante::evaluate() { return Value(); }

void DefKonstante::computeFlow() { adoptFlow(declarator); }

void DefKonstante::collectChildren(std::vector<ParserBase*>& out) {
    if (declarator) out.push_back(declarator);
}

}  // namespace php
