#include "nodes/ClanListe.h"

namespace php {

ClanListe::ClanListe(ParserBase* x) : ParserBase(x) { inner = adopt(x); }

ClanListe::~ClanListe() { delete inner; }

void ClanListe::link() { linkChild(inner); }

void ClanListe::check() {
    if (!inner) return;
    inner->check();
    propagateChild(inner, true, true, true);
}

Value ClanListe::evaluate() { return Value(); }

void ClanListe::computeFlow() { adoptFlow(inner); }

void ClanListe::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
