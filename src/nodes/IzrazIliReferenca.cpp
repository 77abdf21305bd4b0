#include "nodes/IzrazIliReferenca.h"

#include "nodes/Referenca.h"
#include "tree/NodeCast.h"

namespace php {

IzrazIliReferenca::IzrazIliReferenca(ParserBase* x) : ParserBase(x) {
    ParserBase* node = adopt(x);
    if (nodeAs<Referenca>(node))
        reference = node;
    else
        expression = node;
}

IzrazIliReferenca::~IzrazIliReferenca() {
    delete expression;
    delete reference;
}

void IzrazIliReferenca::link() {
    linkChild(expression);
    linkChild(reference);
    if (present()) staticType = present()->staticType;
}

void IzrazIliReferenca::check() {
    checkAndAbsorb(expression);
    checkAndAbsorb(reference);
}

Value IzrazIliReferenca::evaluate() { return present() ? present()->evaluate() : Value(); }

Value IzrazIliReferenca::staticValue() { return present() ? present()->staticValue() : Value(); }

ParserBase* IzrazIliReferenca::unwrap() {
    ParserBase* x = present();
    if (x == expression)
        expression = nullptr;
    else
        reference = nullptr;
    delete this;
    return x ? x->unwrap() : nullptr;
}

void IzrazIliReferenca::computeFlow() { combineFlow(expression, reference); }

void IzrazIliReferenca::collectChildren(std::vector<ParserBase*>& out) {
    if (expression) out.push_back(expression);
    if (reference) out.push_back(reference);
}

}  // namespace php
