#include "nodes/DqMember.h"

#include "diagnostics/NepostojeciAtribut.h"
#include "diagnostics/NijeObjekat.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/Identifikator.h"
#include "nodes/Varijabla.h"

namespace php {

DqMember::DqMember(ParserBase* v, const char*, const Location& loc, ParserBase* p)
    : ParserBase(loc), variable(adopt(v)), property(Identifikator::consume(p)) {}

DqMember::~DqMember() { delete variable; }

std::string DqMember::variableName() const {
    auto* v = dynamic_cast<Varijabla*>(variable);
    return v ? v->name : std::string();
}

void DqMember::link() { linkChild(variable); }

// The property is checked against the type that reaches the variable's read;
// nothing is said while that type is unknown.
void DqMember::check() {
    if (!variable) return;
    variable->check();
    // The fold takes the variable's sets over, so the read is copied first.
    const bool reads = variable->pendingUses() && !variable->pendingUses()->empty();
    const NameRecord use = reads ? *variable->pendingUses()->begin() : NameRecord();
    absorbChild(variable, true, true, true);
    if (!reads) return;
    NameRecord* definition = lookupDefinition(use);
    if (!definition || !definition->type) return;
    Type* type = definition->type;
    if (type->isObject()) {
        auto* klasa = static_cast<Klasa*>(type);
        if (!property.empty() && !klasa->admitsUndeclaredProperty() &&
            !(klasa->members && klasa->members->findVariable(property)))
            semanticList().push_back(new greske::NepostojeciAtribut("", property, fileName, location.firstLine));
    } else {
        semanticList().push_back(new greske::NijeObjekat(variableName(), fileName, location.firstLine));
    }
}

Value DqMember::evaluate() {
    if (!variable) return Value();
    Value object = variable->evaluate();
    if (!object.type) return Value();
    if (!object.type->isObject()) {
        semanticList().push_back(new greske::NijeObjekat(variableName(), fileName, location.firstLine));
        return Value();
    }
    auto* klasa = static_cast<Klasa*>(object.type);
    if (property.empty()) return Value();
    Value* declared = klasa->members ? klasa->members->findVariable(property) : nullptr;
    if (declared) {
        // The object's own copy when the value holds an object; a class-typed
        // value reached by conversion holds none.
        for (auto* part = static_cast<ObjectData*>(object.data); part; part = part->parentPart) {
            auto it = part->properties.find(property);
            if (it != part->properties.end()) return it->second;
        }
        return *declared;
    }
    if (!klasa->admitsUndeclaredProperty())
        semanticList().push_back(new greske::NepostojeciAtribut(klasa->name(), property, fileName, location.firstLine));
    return Value();
}

void DqMember::computeFlow() { adoptFlow(variable); }

void DqMember::collectChildren(std::vector<ParserBase*>& out) {
    if (variable) out.push_back(variable);
}

}  // namespace php
