#include "nodes/ZnaciPodNavodnikom.h"

#include <string>

namespace php {

// Takes the previous node's parts, so a string of n parts is built in O(n)
// and never nests.
ZnaciPodNavodnikom::ZnaciPodNavodnikom(ParserBase* previous, ParserBase* part) {
    if (auto* prev = dynamic_cast<ZnaciPodNavodnikom*>(previous)) {
        parts = std::move(prev->parts);
        prev->parts.clear();
        delete prev;
    } else if ((previous = adopt(previous))) {
        parts.push_back(previous);
    }
    if ((part = adopt(part))) parts.push_back(part);
}

ZnaciPodNavodnikom::~ZnaciPodNavodnikom() {
    for (ParserBase* part : parts) delete part;
}

void ZnaciPodNavodnikom::link() {
    removeNulls(parts);
    for (ParserBase* part : parts) linkChild(part);
    staticType = stringType();
}

// One part at a time, so a later part sees what an earlier one resolved.
void ZnaciPodNavodnikom::check() {
    for (ParserBase* part : parts) checkAndAbsorb(part);
}

// The concatenation of the parts; unknown as soon as one part is unknown.
static Value concatenateParts(const std::vector<ParserBase*>& parts, bool statically) {
    Value result;
    result.setString(std::string());
    for (ParserBase* part : parts)
        if (part) result = result.concatenate(statically ? part->staticValue() : part->evaluate());
    return result;
}

Value ZnaciPodNavodnikom::evaluate() { return concatenateParts(parts, false); }

Value ZnaciPodNavodnikom::staticValue() { return concatenateParts(parts, true); }

void ZnaciPodNavodnikom::computeFlow() { sequenceFlow(parts); }

void ZnaciPodNavodnikom::collectChildren(std::vector<ParserBase*>& out) {
    for (ParserBase* part : parts)
        if (part) out.push_back(part);
}

}  // namespace php
