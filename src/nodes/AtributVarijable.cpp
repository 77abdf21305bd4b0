#include "nodes/AtributVarijable.h"

namespace php {

AtributVarijable::AtributVarijable(const char*, const Location& loc, ParserBase* a, ParserBase* args)
    : ParserBase(loc), attribute(adopt(a)), arguments(adopt(args)) {}

AtributVarijable::~AtributVarijable() {
    delete attribute;
    delete arguments;
}

void AtributVarijable::link() {
    linkChild(attribute);
    linkChild(arguments);
}

void AtributVarijable::check() {
    checkAndAbsorb(attribute);
    checkAndAbsorb(arguments);
}

Value AtributVarijable::evaluate() { return Value(); }

void AtributVarijable::computeFlow() { combineFlow(attribute, arguments); }

void AtributVarijable::collectChildren(std::vector<ParserBase*>& out) {
    if (attribute) out.push_back(attribute);
    if (arguments) out.push_back(arguments);
}

bool AtributVarijable::isCallLike() { return arguments != nullptr; }

}  // namespace php
