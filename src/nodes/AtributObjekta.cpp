#include "nodes/AtributObjekta.h"

#include "nodes/NeobjektnaPromenljiva.h"
#include "tree/NodeCast.h"

namespace php {

AtributObjekta::AtributObjekta(ParserBase* name) : ParserBase(name) {
    name = adopt(name);
    if (nodeAs<NeobjektnaPromenljiva>(name))
        dynamicName = name;
    else
        plainName = name;
}

AtributObjekta::~AtributObjekta() {
    delete dynamicName;
    delete plainName;
}

void AtributObjekta::link() {
    linkChild(plainName);
    linkChild(dynamicName);
}

// A plain member name is no variable: its own read is dropped, while the
// names its indexes read are kept as used. "->$v" reads $v.
void AtributObjekta::check() {
    if (plainName) {
        plainName->check();
        absorbDefinitionsOnly(plainName, true, true);
    }
    checkAndAbsorb(dynamicName);
}

Value AtributObjekta::evaluate() {
    ParserBase* name = plainName ? plainName : dynamicName;
    return name ? name->evaluate() : Value();
}

void AtributObjekta::computeFlow() { adoptFlow(plainName ? plainName : dynamicName); }

void AtributObjekta::collectChildren(std::vector<ParserBase*>& out) {
    if (plainName) out.push_back(plainName);
    if (dynamicName) out.push_back(dynamicName);
}

}  // namespace php
