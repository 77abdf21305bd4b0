#include "nodes/Instanca.h"

#include "diagnostics/NepoznataKlasa.h"
#include "model/Klasa.h"
#include "nodes/base/ClassLookup.h"

namespace php {

Instanca::Instanca(ParserBase* s, const char*, const Location& opLocation, ParserBase* c)
    : ParserBase(opLocation) {
    subject = adopt(s);
    classRef = adopt(c);
}

Instanca::~Instanca() {
    delete subject;
    delete classRef;
}

void Instanca::link() {
    linkChild(subject);
    linkChild(classRef);
    staticType = booleanType();
}

void Instanca::check() {
    checkAndAbsorb(subject);
    checkAndAbsorb(classRef);
}

// Decided when the subject's type is known; a dynamic class name leaves it
// undecided and reports nothing.
Value Instanca::evaluate() {
    if (!subject || !classRef) return Value();
    const std::string name = classlookup::plainName(classRef);
    if (name.empty()) return Value();
    Klasa* klasa = classlookup::find(this, name);
    if (!klasa) {
        semanticList().push_back(new greske::NepoznataKlasa(name, fileName, location.firstLine));
        return Value();
    }
    Value subjectValue = subject->evaluate();
    if (!subjectValue.type) return subjectValue;
    Value result(fileName, location.firstLine);
    result.setBoolean(subjectValue.type->conformsTo(klasa));
    return result;
}

void Instanca::computeFlow() { combineFlow(subject, classRef); }

void Instanca::collectChildren(std::vector<ParserBase*>& out) {
    if (subject) out.push_back(subject);
    if (classRef) out.push_back(classRef);
}

}  // namespace php
