#include "nodes/Switchovi.h"

namespace php {

Switchovi::Switchovi(const char* openText, const Location& openLoc, ParserBase* semicolon,
                     ParserBase* cases, const char* closeText, const Location& closeLoc)
    : ParserBase(openLoc) {
    delete adopt(semicolon);
    inner = adopt(cases);
}

Switchovi::Switchovi(const char* colonText, const Location& colonLoc, ParserBase* semicolon,
                     ParserBase* cases, const char* endswitchText, const Location& endswitchLoc,
                     ParserBase* end)
    : ParserBase(colonLoc) {
    delete adopt(semicolon);
    inner = adopt(cases);
    delete adopt(end);  // the statement terminator carries no node
}

Switchovi::~Switchovi() { delete inner; }

void Switchovi::link() { linkChild(inner); }

void Switchovi::check() { checkAndAbsorb(inner); }

Value Switchovi::evaluate() { return Value(); }

// The inner node is handed over as it is, without unwrapping it again.
ParserBase* Switchovi::unwrap() {
    ParserBase* result = inner;
    inner = nullptr;
    delete this;
    return result;
}

void Switchovi::computeFlow() { adoptFlow(inner); }

void Switchovi::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
