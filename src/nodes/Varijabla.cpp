#include "nodes/Varijabla.h"

#include "diagnostics/FaliGlobal.h"
#include "driver/RunState.h"
#include "model/SymbolTable.h"
#include "model/UtilFunkcija.h"
#include "nodes/Identifikator.h"
#include "tree/Start.h"

namespace php {

Varijabla::Varijabla(const char*, const Location& loc, ParserBase* identifier)
    : ParserBase(loc), name(Identifikator::consume(identifier)) {}

Varijabla::Varijabla(const char* variable, const Location& loc) : ParserBase(loc) {
    if (variable && *variable) name = variable + 1;
}

Value Varijabla::staticValueOf(ParserBase* at, const std::string& name) {
    SymbolTable* scope = at->enclosingScope();
    if (!scope) return Value();
    NameRecord record(scope, name, at->fileName, at->location.firstLine, 0);
    NameRecord* definition = at->lookupDefinition(record);
    Value* stored = scope->findVariable(name);
    Value result = stored ? *stored : Value();
    if (definition && definition->type) result.convertTo(definition->type);
    return result;
}

// The node base keeps each node's scope-owning ancestor, so asking once per
// read stays linear in a long chain of reads.
SymbolTable* Varijabla::enclosingScopeOfRead(ParserBase* at) { return at->enclosingScope(); }

SymbolTable* Varijabla::scopeFor(ParserBase* at, const std::string& name) {
    SymbolTable* builtins = globalBuiltinScope();
    if (builtins->findVariable(name)) return builtins;
    SymbolTable* scope = enclosingScopeOfRead(at);
    if (scope && !scope->findVariable(name))
        scope->addVariable(name, new Value(at->fileName, at->location.firstLine));
    return scope;
}

void Varijabla::recordRead(ParserBase* at, InternedText name) {
    SymbolTable* scope = scopeFor(at, name);
    at->addPendingUse(NameRecord(scope, name, at->fileName, at->location.firstLine, 0));
}

void Varijabla::link() {}

// A declaration position reads its name like any occurrence; the node above
// (parameter list, static declarator, catch) turns the read into a definition.
void Varijabla::check() {
    if (!name.empty()) recordRead(this, name);
}

// A name met here for the first time (evaluated before any check saw it) is
// entered where later occurrences will find it.
Value Varijabla::evaluate() {
    Value result(fileName, location.firstLine);
    if (Value* builtin = globalBuiltinScope()->findVariable(name)) {
        result.assignContent(*builtin);
        return result;
    }
    SymbolTable* scope = enclosingScope();
    if (Value* stored = scope ? scope->findVariable(name) : nullptr) {
        result.assignContent(*stored);
        return result;
    }
    SymbolTable* root = rootScope();
    if (root && root != scope && root->findVariable(name))
        semanticList().push_back(new greske::FaliGlobal(name, fileName, location.firstLine));
    SymbolTable* target = runState()->definitionsMode ? globalBuiltinScope() : scope;
    if (target && !target->findVariable(name)) target->addVariable(name, new Value(result));
    return result;
}

Value Varijabla::staticValue() { return staticValueOf(this, name); }

void Varijabla::computeFlow() { seedFlow(); }

void Varijabla::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
