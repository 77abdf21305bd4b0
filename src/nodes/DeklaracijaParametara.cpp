#include "nodes/DeklaracijaParametara.h"

namespace php {

DeklaracijaParametara::DeklaracijaParametara(ParserBase* node) : ParserBase(), inner(adopt(node)) {
    if (inner) location = inner->location;
}

DeklaracijaParametara::~DeklaracijaParametara() { delete inner; }

void DeklaracijaParametara::link() { linkChild(inner); }
void DeklaracijaParametara::check() { checkAndAbsorb(inner); }
Value DeklaracijaParametara::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* DeklaracijaParametara::unwrap() {
    ParserBase* content = inner;
    inner = nullptr;
    delete this;
    return content ? content->unwrap() : nullptr;
}

void DeklaracijaParametara::computeFlow() { adoptFlow(inner); }

void DeklaracijaParametara::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
