#include "nodes/PozivKlasicneFunkcije.h"

#include "model/Funkcija.h"
#include "model/SymbolTable.h"
#include "model/UtilFunkcija.h"
#include "diagnostics/Greska.h"
#include "diagnostics/NedeklarisanaFunkcija.h"
#include "nodes/ArgumentiFunkcije.h"
#include "tree/NodeCast.h"

namespace php {

PozivKlasicneFunkcije::PozivKlasicneFunkcije(const char* n, const Location& loc, ParserBase* args)
    : ParserBase(loc), name(n ? n : ""), arguments(adopt(args)) {}

PozivKlasicneFunkcije::~PozivKlasicneFunkcije() { delete arguments; }

// A body that reads its arguments dynamically accepts any argument count, so
// its calls are not checked against the declared parameters. The mark is set
// here, before the body's own checks run at the end of its check.
// The root is looked up once: a parent asks for the static value of a call
// nested in its arguments again and again, and the walk to the root is as
// long as the nesting is deep.
void PozivKlasicneFunkcije::link() {
    rootTable = rootScope();
    linkChild(arguments);
    const std::string lower = toLower(name);
    if (lower != "func_get_arg" && lower != "func_get_args" && lower != "func_num_args") return;
    if (UtilFunkcija* body = enclosingFunctionBody()) body->markVariadic();
}

// The target is checked before the arguments, so that the by-reference
// parameters it declares decide how the arguments are folded.
void PozivKlasicneFunkcije::check() {
    Funkcija* f = globalBuiltinScope()->findFunction(name);
    if (!f && rootTable) f = rootTable->findFunction(name);
    if (f) {
        ArgumentiFunkcije::call(arguments, f, this);
        if (auto* args = nodeAs<ArgumentiFunkcije>(arguments)) args->passTo(f);
    } else {
        semanticList().push_back(new greske::NedeklarisanaFunkcija(name, fileName, location.firstLine));
    }
    checkAndAbsorb(arguments);
}

// An undeclared function is reported by check alone: this may run before
// a declaration further down the file has been registered.
Value PozivKlasicneFunkcije::staticValue() {
    Funkcija* f = rootTable ? rootTable->findFunction(name) : nullptr;
    if (!f) f = globalBuiltinScope()->findFunction(name);
    if (!f) return Value();
    // Without an evaluator the result is unknown whatever the arguments are:
    // only their number is checked here (their types are checked by check),
    // so a chain of nested calls is not evaluated over and over.
    const bool valuesNeeded = f->signature && f->signature->evaluator;
    return ArgumentiFunkcije::call(arguments, f, this, valuesNeeded);
}

Value PozivKlasicneFunkcije::evaluate() { return Value(); }

void PozivKlasicneFunkcije::computeFlow() { adoptFlow(arguments); }

void PozivKlasicneFunkcije::collectChildren(std::vector<ParserBase*>& out) {
    if (arguments) out.push_back(arguments);
}

}  // namespace php
