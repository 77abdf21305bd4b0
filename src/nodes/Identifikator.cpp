#include "nodes/Identifikator.h"

#include <utility>

namespace php {

Identifikator::Identifikator(const char* t, const Location& loc) : ParserBase(loc), text(t ? t : "") {}

std::string Identifikator::consume(ParserBase* node) {
    std::string result;
    node = adopt(node);
    // By kind rather than dynamic_cast (no class derives from Identifikator):
    // every variable occurrence comes through here. The text is taken over,
    // the node being deleted next.
    if (node && node->kind() == 71) result = std::move(static_cast<Identifikator*>(node)->text);
    delete node;
    return result;
}

void Identifikator::link() {}

void Identifikator::check() {}

Value Identifikator::evaluate() { return Value(); }

void Identifikator::computeFlow() { seedFlow(); }

void Identifikator::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
