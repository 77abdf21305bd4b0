#include "nodes/ObicniZnaci.h"

namespace php {

ObicniZnaci::ObicniZnaci(const char* t, const Location& loc) : ParserBase(loc), text(t ? t : "") {}

void ObicniZnaci::link() {}

void ObicniZnaci::check() {}

Value ObicniZnaci::evaluate() { return staticValue(); }

Value ObicniZnaci::staticValue() {
    Value v;
    v.setString(text);
    return v;
}

void ObicniZnaci::computeFlow() { seedFlow(); }

void ObicniZnaci::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
