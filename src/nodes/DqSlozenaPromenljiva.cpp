#include "nodes/DqSlozenaPromenljiva.h"

namespace php {

DqSlozenaPromenljiva::DqSlozenaPromenljiva(const char*, const Location& loc, ParserBase* v, const char*,
                                           const Location&)
    : ParserBase(loc), variable(adopt(v)) {}

DqSlozenaPromenljiva::~DqSlozenaPromenljiva() { delete variable; }

void DqSlozenaPromenljiva::link() { linkChild(variable); }

void DqSlozenaPromenljiva::check() { checkAndAbsorb(variable); }

Value DqSlozenaPromenljiva::evaluate() { return variable ? variable->evaluate() : Value(); }

Value DqSlozenaPromenljiva::staticValue() { return variable ? variable->staticValue() : Value(); }

void DqSlozenaPromenljiva::computeFlow() { adoptFlow(variable); }

void DqSlozenaPromenljiva::collectChildren(std::vector<ParserBase*>& out) {
    if (variable) out.push_back(variable);
}

}  // namespace php
