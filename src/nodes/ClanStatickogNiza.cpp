#include "nodes/ClanStatickogNiza.h"

namespace php {

ClanStatickogNiza::ClanStatickogNiza(ParserBase* v) : ParserBase(v) { value = adopt(v); }

ClanStatickogNiza::ClanStatickogNiza(ParserBase* k, const char*, const Location& arrowLocation,
                                     ParserBase* v)
    : ParserBase(arrowLocation) {
    key = adopt(k);
    value = adopt(v);
}

ClanStatickogNiza::~ClanStatickogNiza() {
    delete value;
    delete key;
}

void ClanStatickogNiza::link() {
    linkChild(value);
    linkChild(key);
}

void ClanStatickogNiza::check() {
    checkAndAbsorb(value);
    checkAndAbsorb(key);
}

Value ClanStatickogNiza::evaluate() { return Value(); }

void ClanStatickogNiza::computeFlow() { combineFlow(value, key); }

void ClanStatickogNiza::collectChildren(std::vector<ParserBase*>& out) {
    if (value) out.push_back(value);
    if (key) out.push_back(key);
}

}  // namespace php
