#include "nodes/OpcDefaultVrednost.h"

namespace php {

OpcDefaultVrednost::OpcDefaultVrednost(const char* text, const Location& loc, ParserBase* node)
    : ParserBase(loc), inner(adopt(node)) {
}

OpcDefaultVrednost::~OpcDefaultVrednost() { delete inner; }

void OpcDefaultVrednost::link() { linkChild(inner); }
void OpcDefaultVrednost::check() { checkAndAbsorb(inner); }
Value OpcDefaultVrednost::evaluate() { return inner ? inner->evaluate() : Value(); }

ParserBase* OpcDefaultVrednost::unwrap() {
    ParserBase* content = inner;
    inner = nullptr;
    delete this;
    return content ? content->unwrap() : nullptr;
}

void OpcDefaultVrednost::computeFlow() { adoptFlow(inner); }

void OpcDefaultVrednost::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
