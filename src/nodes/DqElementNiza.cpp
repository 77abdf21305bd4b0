#include "nodes/DqElementNiza.h"

#include "diagnostics/NedeklarisanaPromenljiva.h"
#include "diagnostics/NepostojeciElementNiza.h"
#include "model/SymbolTable.h"
#include "nodes/Varijabla.h"

namespace php {

DqElementNiza::DqElementNiza(ParserBase* v, const char*, const Location& loc, ParserBase* i, const char*,
                             const Location&)
    : ParserBase(loc), variable(adopt(v)), index(adopt(i)) {}

DqElementNiza::~DqElementNiza() {
    delete variable;
    delete index;
}

// The element is looked up only when both the array and the key are known:
// an unknown content is undecided and must not be reported as missing.
Value DqElementNiza::elementOf(ParserBase* at, const std::string& name, ParserBase* index) {
    Value* stored = globalBuiltinScope()->findVariable(name);
    if (!stored) {
        SymbolTable* scope = at->enclosingScope();
        if (scope) stored = scope->findVariable(name);
    }
    if (!stored) {
        semanticList().push_back(new greske::NedeklarisanaPromenljiva(at->fileName, at->location.firstLine));
        return Value();
    }
    if (!index) return Value();
    Value key = index->evaluate();
    if (!key.isComputable() || !stored->isComputable() || !stored->type->isArray()) return Value();
    if (Value* element = stored->element(key, false)) return *element;
    semanticList().push_back(new greske::NepostojeciElementNiza(at->fileName, at->location.firstLine));
    return Value();
}

void DqElementNiza::link() {
    linkChild(variable);
    linkChild(index);
}

void DqElementNiza::check() {
    checkAndAbsorb(variable);
    checkAndAbsorb(index);
}

Value DqElementNiza::evaluate() {
    auto* v = dynamic_cast<Varijabla*>(variable);
    return elementOf(this, v ? v->name : std::string(), index);
}

void DqElementNiza::computeFlow() { combineFlow(variable, index); }

void DqElementNiza::collectChildren(std::vector<ParserBase*>& out) {
    if (variable) out.push_back(variable);
    if (index) out.push_back(index);
}

}  // namespace php
