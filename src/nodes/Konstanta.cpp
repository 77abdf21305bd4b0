#include "nodes/Konstanta.h"

#include "model/SymbolTable.h"

namespace php {

Konstanta::Konstanta(const char* n, const Location& loc) : ParserBase(loc), name(n ? n : "") {}

void Konstanta::link() {}

// The lookup of an undefined name and its report come with the constant
// checks; nothing is folded here (a constant carries no variable names).
void Konstanta::check() {}

Value Konstanta::evaluate() { return Value(); }

// A copy, so that folding never changes the stored constant.
Value Konstanta::staticValue() {
    Value* found = globalBuiltinScope()->findConstant(name);
    if (!found) {
        SymbolTable* root = rootScope();
        if (root) found = root->findConstant(name);
    }
    return found ? *found : Value();
}

void Konstanta::computeFlow() { seedFlow(); }

void Konstanta::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
