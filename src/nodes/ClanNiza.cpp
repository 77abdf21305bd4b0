#include "nodes/ClanNiza.h"

namespace php {

ClanNiza::ClanNiza(ParserBase* v) : ParserBase(v) { value = adopt(v); }

ClanNiza::ClanNiza(ParserBase* k, const char*, const Location& arrowLocation, ParserBase* v)
    : ParserBase(arrowLocation) {
    key = adopt(k);
    value = adopt(v);
}

ClanNiza::~ClanNiza() {
    delete value;
    delete key;
}

void ClanNiza::link() {
    linkChild(value);
    linkChild(key);
}

void ClanNiza::check() {
    checkAndAbsorb(value);
    checkAndAbsorb(key);
}

Value ClanNiza::evaluate() { return Value(); }

void ClanNiza::computeFlow() { combineFlow(value, key); }

void ClanNiza::collectChildren(std::vector<ParserBase*>& out) {
    if (value) out.push_back(value);
    if (key) out.push_back(key);
}

}  // namespace php
