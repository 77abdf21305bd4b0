#include "nodes/ListaDolara.h"

namespace php {

ListaDolara::ListaDolara(const char*, const Location& loc) : ParserBase(loc), count(1) {}

// The list keeps the location of its first "$".
ListaDolara::ListaDolara(ParserBase* previous, const char*, const Location& loc) : ParserBase(loc), count(1) {
    if (auto* prev = dynamic_cast<ListaDolara*>(previous)) {
        count = prev->count + 1;
        location = prev->location;
    }
    delete previous;
}

void ListaDolara::link() {}

void ListaDolara::check() {}

Value ListaDolara::evaluate() { return Value(); }

void ListaDolara::computeFlow() { seedFlow(); }

void ListaDolara::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
