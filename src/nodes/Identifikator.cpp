#include "nodes/Identifikator.h"

namespace php {

Identifikator::Identifikator(const char* t, const Location& loc) : ParserBase(loc), text(t ? t : "") {}

std::string Identifikator::consume(ParserBase* node) {
    std::string result;
    node = adopt(node);
    if (auto* id = dynamic_cast<Identifikator*>(node)) result = id->text;
    delete node;
    return result;
}

void Identifikator::link() {}

void Identifikator::check() {}

Value Identifikator::evaluate() { return Value(); }

void Identifikator::computeFlow() { seedFlow(); }

void Identifikator::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
