#include "nodes/DefinicijaListe.h"

namespace php {

DefinicijaListe::DefinicijaListe(const char*, const Location& keywordLocation, const char*,
                                 const Location&, ParserBase* list, const char*, const Location&)
    : ParserBase(keywordLocation) {
    members = adopt(list);
}

DefinicijaListe::~DefinicijaListe() { delete members; }

void DefinicijaListe::link() { linkChild(members); }

// The variables of a `list(...)` target stay pending: the assignment declares
// them.
void DefinicijaListe::check() {
    if (!members) return;
    members->check();
    propagateChild(members, true, true, true);
}

Value DefinicijaListe::evaluate() { return Value(); }

void DefinicijaListe::computeFlow() { adoptFlow(members); }

void DefinicijaListe::collectChildren(std::vector<ParserBase*>& out) {
    if (members) out.push_back(members);
}

}  // namespace php
