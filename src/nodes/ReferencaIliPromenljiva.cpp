#include "nodes/ReferencaIliPromenljiva.h"

namespace php {

// Node kind of Referenca; the two productions differ only in that type.
static constexpr int kReferencaKind = 161;

ReferencaIliPromenljiva::ReferencaIliPromenljiva(ParserBase* target) {
    ParserBase* t = adopt(target);
    if (t && t->kind() == kReferencaKind)
        byReference = t;
    else
        plain = t;
    if (t) location = t->location;
}

ReferencaIliPromenljiva::~ReferencaIliPromenljiva() {
    delete plain;
    delete byReference;
}

void ReferencaIliPromenljiva::link() {
    linkChild(plain);
    linkChild(byReference);
    ParserBase* present = plain ? plain : byReference;
    if (present) staticType = present->staticType;
}

// The reads stay pending for the enclosing `foreach` or array element, which
// turns them into definitions.
void ReferencaIliPromenljiva::check() {
    for (ParserBase* child : {plain, byReference}) {
        if (!child) continue;
        child->check();
        propagateChild(child, true, true, true);
    }
}

Value ReferencaIliPromenljiva::evaluate() {
    if (plain) return plain->evaluate();
    if (byReference) return byReference->evaluate();
    return Value();
}

void ReferencaIliPromenljiva::computeFlow() { adoptFlow(plain ? plain : byReference); }

void ReferencaIliPromenljiva::collectChildren(std::vector<ParserBase*>& out) {
    if (plain) out.push_back(plain);
    if (byReference) out.push_back(byReference);
}

}  // namespace php
