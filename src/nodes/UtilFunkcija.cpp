// The operations of the function-body mix-in that read the syntax tree: they
// live with the node classes they inspect.
#include "model/UtilFunkcija.h"

#include "diagnostics/Greska.h"
#include "diagnostics/InternaGreska.h"
#include "diagnostics/RazlicitiReturnoviUFunkciji.h"
#include "model/Funkcija.h"
#include "model/SymbolTable.h"
#include "nodes/PozivKlasicneFunkcije.h"
#include "nodes/ReturnKomanda.h"
#include "tree/FlowState.h"
#include "tree/ParserBase.h"

namespace php {

std::string UtilFunkcija::functionName() const { return function ? function->name : std::string(); }

void UtilFunkcija::markVariadic() {
    variadic = true;
    if (function && function->signature) function->signature->checkArguments = false;
}

void UtilFunkcija::applyVariadic() {
    if (variadic && function && function->signature) function->signature->checkArguments = false;
}

namespace {

enum Kind { kExit = 59, kReturn = 165, kThrow = 183, kTry = 185 };

// A path that ends here leaves the function without falling off its end:
// exit, throw, and a statement that is a call of die ("die" is no keyword).
bool endsExecution(ParserBase* node) {
    if (node->kind() == kExit || node->kind() == kThrow) return true;
    auto* call = dynamic_cast<PozivKlasicneFunkcije*>(node);
    return call && toLower(call->name) == "die";
}

}  // namespace

void UtilFunkcija::settleReturns() {
    if (!body || !body->flowState()) return;
    FlowState* graph = body->flowState();
    FlowSet leaves;
    graph->collectLeaves(leaves);
    enum { None, WithValue, WithoutValue } state = None;
    bool conflict = false;
    for (FlowState* leaf : leaves) {
        auto* r = dynamic_cast<ReturnKomanda*>(leaf->owner);
        if (!r) continue;
        const bool withValue = r->operand != nullptr;
        if (state == None) {
            state = withValue ? WithValue : WithoutValue;
        } else if ((state == WithValue) != withValue) {
            conflict = true;
            break;
        }
    }
    if (!conflict && state == WithValue) {
        // An empty state (no owner) at the end is a branch with nothing in
        // it, such as the missing else of an if: control falls through.
        for (FlowState* leaf : leaves) {
            ParserBase* n = leaf->owner;
            // A try's own state stands for an exception skipping its body.
            if (n && n->kind() == kTry) continue;
            if (!n || (n->kind() != kReturn && !endsExecution(n))) {
                conflict = true;
                break;
            }
        }
    }
    returnsDiffer = conflict;
    leaves.clear();
    FlowState::destroyWholeGraph(graph);
    body->flow = nullptr;
}

void UtilFunkcija::checkReturns() {
    if (!returnsDiffer) return;
    ParserBase* at = header ? header : body;
    semanticList().push_back(new greske::RazlicitiReturnoviUFunkciji(header ? functionName() : std::string(),
                                                                    at->fileName, at->location.firstLine));
}

Value UtilFunkcija::analyseCall(const std::string&, const std::string& file, int32_t line,
                                std::vector<Value>& arguments, void* data) {
    auto* self = static_cast<UtilFunkcija*>(data);
    // An autoload whose body names an unknown class calls itself again.
    if (!self || self->analysing || !self->function || !self->function->signature) return Value();
    Funkcija* f = self->function;
    const auto& parameters = f->signature->parameters;
    if (f->signature->checkArguments && parameters.size() > arguments.size()) {
        semanticList().push_back(new greske::InternaGreska("UtilFunkcija", 146, file, line));
        return Value();
    }
    for (size_t i = 0; i < parameters.size() && i < arguments.size(); ++i) {
        const std::string& name = parameters[i].name;
        if (Value* existing = f->scope->findVariable(name)) {
            *existing = arguments[i];
            existing->bindSymbol(f->scope, name);
        } else {
            f->scope->addVariable(name, new Value(arguments[i]));
        }
    }
    self->analysing = true;
    if (self->header) self->header->check();
    if (self->body) self->body->check();
    self->analysing = false;
    return Value();
}

}  // namespace php
