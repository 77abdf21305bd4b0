#include "nodes/StatickiClan.h"

namespace php {

StatickiClan::StatickiClan(ParserBase* c, const char*, const Location& loc, ParserBase* m)
    : ParserBase(loc), classRef(adopt(c)), member(adopt(m)) {}

StatickiClan::~StatickiClan() {
    delete classRef;
    delete member;
}

void StatickiClan::link() {
    linkChild(classRef);
    linkChild(member);
}

// A static member contributes no names to the variable analysis, so neither
// child is folded. The member lookup and its reports come with the member
// checks.
void StatickiClan::check() {
    if (classRef) classRef->check();
    if (member) member->check();
}

// Evaluating the member comes with the member checks.
Value StatickiClan::evaluate() { return Value(); }

void StatickiClan::computeFlow() { combineFlow(classRef, member); }

void StatickiClan::collectChildren(std::vector<ParserBase*>& out) {
    if (classRef) out.push_back(classRef);
    if (member) out.push_back(member);
}

}  // namespace php
