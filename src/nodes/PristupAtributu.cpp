#include "nodes/PristupAtributu.h"

#include <string>

namespace php {

PristupAtributu::PristupAtributu() = default;

// The scanner matches keywords regardless of case, but only the exact
// lower-case spelling sets a flag.
PristupAtributu::PristupAtributu(const char* modifier, const Location& loc) : ParserBase(loc) {
    const std::string text = modifier ? modifier : "";
    isPublic = text == "public";
    isPrivate = text == "private";
    isProtected = text == "protected";
}

void PristupAtributu::link() {}

void PristupAtributu::check() {}

Value PristupAtributu::evaluate() { return Value(); }

void PristupAtributu::computeFlow() { seedFlow(); }

void PristupAtributu::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
