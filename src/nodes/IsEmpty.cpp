#include "nodes/IsEmpty.h"

namespace php {

IsEmpty::IsEmpty(const char*, const Location& keywordLocation, const char*, const Location&,
                 ParserBase* x, const char*, const Location&)
    : ParserBase(keywordLocation) {
    operand = adopt(x);
}

IsEmpty::~IsEmpty() { delete operand; }

void IsEmpty::link() {
    linkChild(operand);
    staticType = booleanType();
}

// As in `isset`, the names read inside `empty(...)` are neither checked nor
// counted as used.
void IsEmpty::check() {
    if (!operand) return;
    operand->check();
    absorbDefinitionsOnly(operand, true, true);
}

// A value that is unknown or was never given a content counts as empty.
static bool isEmptyValue(const Value& v) {
    if (!v.type || !v.initialised) return true;
    Type* t = v.type;
    if (t->isNull()) return true;
    if (t->isBoolean()) return !v.asBoolean();
    if (t->isInteger()) return v.asInteger() == 0;
    if (t->isString()) {
        std::string s = v.asString();
        return s.empty() || s == "0";
    }
    if (t->isArray()) return v.arraySize() == 0;
    return false;
}

Value IsEmpty::evaluate() {
    if (!operand) return Value();
    Value result(fileName, location.firstLine);
    result.setBoolean(isEmptyValue(operand->evaluate()));
    return result;
}

void IsEmpty::computeFlow() { adoptFlow(operand); }

void IsEmpty::collectChildren(std::vector<ParserBase*>& out) {
    if (operand) out.push_back(operand);
}

}  // namespace php
