#include "nodes/NaredbaDodele.h"

#include "nodes/DefinicijaListe.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/Referenca.h"
#include "tree/NodeCast.h"

namespace php {

NaredbaDodele::NaredbaDodele(ParserBase* l, const char* op, const Location& opLocation,
                             ParserBase* r)
    : ParserBase(opLocation) {
    ParserBase* left = adopt(l);
    ParserBase* right = adopt(r);
    if (nodeAs<DefinicijaListe>(left)) {
        listTarget = left;
        value = right;
        return;
    }
    target = left;
    if (nodeAs<Referenca>(right)) {
        reference = right;
        return;
    }
    value = right;
    if (op && op[0]) operatorChar = op[0];
}

NaredbaDodele::NaredbaDodele(ParserBase* l, const char*, const Location& opLocation, const char*,
                             const Location&, ParserBase* n)
    : ParserBase(opLocation) {
    target = adopt(l);
    newReference = adopt(n);
}

NaredbaDodele::~NaredbaDodele() {
    delete target;
    delete listTarget;
    delete value;
    delete reference;
    delete newReference;
}

// The right-hand side is linked before the target.
void NaredbaDodele::link() {
    linkChild(newReference);
    linkChild(value);
    linkChild(reference);
    linkChild(target);
    linkChild(listTarget);
    if (newReference)
        staticType = newReference->staticType;
    else if (reference)
        staticType = reference->staticType;
    else if (value)
        staticType = value->staticType;
}

// `$a[...] = ...` with one dollar sign: the variable becomes an array.
static bool isIndexedPlainVariable(ParserBase* target) {
    auto* variable = nodeAs<NeobjektnaPromenljiva>(target);
    if (!variable || variable->dollarCount != 1) return false;
    auto* indexed = nodeAs<IndeksniPristup>(variable->inner);
    return indexed && !indexed->items.empty();
}

// `$$name = v` assigns the variable that $name names: $name itself is read,
// neither defined nor given v's type.
static bool isVariableVariable(ParserBase* target) {
    auto* variable = nodeAs<NeobjektnaPromenljiva>(target);
    return variable && variable->dollarCount > 1;
}

// The right-hand side is read first. A plain assignment then makes the
// target's reads definitions, typed with what is assigned; a compound one
// reads the target before writing it.
void NaredbaDodele::check() {
    checkAndAbsorb(newReference);
    checkAndAbsorb(value);
    checkAndAbsorb(reference);
    if (target) {
        target->check();
        if (operatorChar == '=' && !isVariableVariable(target)) {
            target->setPendingType(isIndexedPlainVariable(target) ? arrayType() : staticType);
            absorbDeclaration(target, true, true, true);
        } else {
            absorbChild(target, true, true, true);
        }
    }
    if (listTarget) {
        listTarget->check();
        absorbDeclaration(listTarget, true, true, true);
    }
}

// Only `target = value` and the compound forms have a value; the reference,
// `&new` and list forms yield the unknown value.
Value NaredbaDodele::evaluate() {
    if (!target || !value) return Value();
    Value result = target->evaluate();
    if (operatorChar == '=') return result;
    result.compoundAssign(operatorChar, value->evaluate());
    return result;
}

void NaredbaDodele::computeFlow() {
    if (listTarget)
        combineFlow(value, listTarget);
    else if (reference)
        combineFlow(reference, target);
    else if (newReference)
        combineFlow(newReference, target);
    else
        combineFlow(value, target);
}

void NaredbaDodele::collectChildren(std::vector<ParserBase*>& out) {
    if (value) out.push_back(value);
    if (listTarget) out.push_back(listTarget);
    if (newReference) out.push_back(newReference);
    if (target) out.push_back(target);
    if (reference) out.push_back(reference);
}

}  // namespace php
