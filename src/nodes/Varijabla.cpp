#include "nodes/Varijabla.h"

#include "model/SymbolTable.h"
#include "nodes/Identifikator.h"

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

void Varijabla::link() {}

// The name record of the read is added with the variable analysis.
void Varijabla::check() {}

// Reading the variable from its scope comes with the variable analysis.
Value Varijabla::evaluate() { return Value(); }

Value Varijabla::staticValue() { return staticValueOf(this, name); }

void Varijabla::computeFlow() { seedFlow(); }

void Varijabla::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
