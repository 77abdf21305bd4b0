#include "nodes/ObjectCast.h"

namespace php {

ObjectCast::ObjectCast(const char*, const Location& openLocation, const char*, const Location&,
                       const char*, const Location&, ParserBase* x)
    : ParserBase(openLocation) {
    operand = adopt(x);
}

ObjectCast::~ObjectCast() { delete operand; }

void ObjectCast::link() {
    linkChild(operand);
    if (operand && operand->staticType && operand->staticType->isObject())
        staticType = operand->staticType;
}

void ObjectCast::check() { checkAndAbsorb(operand); }

Value ObjectCast::evaluate() { return Value(); }

Value ObjectCast::staticValue() { return Value(); }

void ObjectCast::computeFlow() { adoptFlow(operand); }

void ObjectCast::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
