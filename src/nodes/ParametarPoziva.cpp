#include "nodes/ParametarPoziva.h"

#include "nodes/Referenca.h"
#include "tree/NodeCast.h"

namespace php {

ParametarPoziva::ParametarPoziva(ParserBase* x) : ParserBase(x), inner(adopt(x)) {
    if (auto* reference = nodeAs<Referenca>(inner)) {
        inner = reference->operand;
        reference->operand = nullptr;
        delete reference;
    }
}

ParametarPoziva::~ParametarPoziva() { delete inner; }

void ParametarPoziva::link() { linkChild(inner); }

void ParametarPoziva::check() { checkAndAbsorb(inner); }

Value ParametarPoziva::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* ParametarPoziva::unwrap() {
    ParserBase* x = inner;
    inner = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void ParametarPoziva::computeFlow() { adoptFlow(inner); }

void ParametarPoziva::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
