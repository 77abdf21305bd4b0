#include "nodes/NaredbaNew.h"

#include "model/Klasa.h"
#include "nodes/base/ClassLookup.h"

namespace php {

NaredbaNew::NaredbaNew(const char*, const Location& keywordLocation, ParserBase* c, ParserBase* a)
    : ParserBase(keywordLocation) {
    classRef = adopt(c);
    arguments = adopt(a);
}

NaredbaNew::~NaredbaNew() {
    delete classRef;
    delete arguments;
}

// The class named by a plain name is the static type; a dynamic name gives
// none.
void NaredbaNew::link() {
    linkChild(classRef);
    linkChild(arguments);
    staticType = classlookup::find(this, classlookup::plainName(classRef));
}

void NaredbaNew::check() {
    checkAndAbsorb(classRef);
    checkAndAbsorb(arguments);
}

Value NaredbaNew::evaluate() { return Value(); }

// An object of the created class, without content.
Value NaredbaNew::staticValue() {
    Value v(fileName, location.firstLine);
    if (staticType) v.type = staticType;
    return v;
}

void NaredbaNew::computeFlow() { combineFlow(classRef, arguments); }

void NaredbaNew::collectChildren(std::vector<ParserBase*>& out) {
    if (classRef) out.push_back(classRef);
    if (arguments) out.push_back(arguments);
}

}  // namespace php
