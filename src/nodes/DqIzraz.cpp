#include "nodes/DqIzraz.h"

namespace php {

DqIzraz::DqIzraz(const char*, const Location& loc, ParserBase* e, const char*, const Location&)
    : ParserBase(loc), expression(adopt(e)) {}

DqIzraz::~DqIzraz() { delete expression; }

void DqIzraz::link() {
    linkChild(expression);
    staticType = expression ? expression->staticType : nullptr;
}

void DqIzraz::check() { checkAndAbsorb(expression); }

Value DqIzraz::evaluate() { return expression ? expression->evaluate() : Value(); }

Value DqIzraz::staticValue() { return expression ? expression->staticValue() : Value(); }

void DqIzraz::computeFlow() { adoptFlow(expression); }

void DqIzraz::collectChildren(std::vector<ParserBase*>& out) {
    if (expression) out.push_back(expression);
}

}  // namespace php
