#include "nodes/DqElementNiza2.h"

#include "nodes/DqElementNiza.h"
#include "nodes/Identifikator.h"

namespace php {

// Located at the "[".
DqElementNiza2::DqElementNiza2(const char*, const Location&, ParserBase* n, const char*, const Location& loc,
                               ParserBase* i, const char*, const Location&, const char*, const Location&)
    : ParserBase(loc), name(Identifikator::consume(n)), index(adopt(i)) {}

DqElementNiza2::~DqElementNiza2() { delete index; }

void DqElementNiza2::link() { linkChild(index); }

void DqElementNiza2::check() { checkAndAbsorb(index); }

Value DqElementNiza2::evaluate() { return DqElementNiza::elementOf(this, name, index); }

void DqElementNiza2::computeFlow() { adoptFlow(index); }

void DqElementNiza2::collectChildren(std::vector<ParserBase*>& out) {
    if (index) out.push_back(index);
}

}  // namespace php
