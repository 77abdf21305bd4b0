#include "nodes/PozivKlasicneFunkcije.h"

#include "model/Funkcija.h"
#include "model/SymbolTable.h"
#include "model/UtilFunkcija.h"

namespace php {

PozivKlasicneFunkcije::PozivKlasicneFunkcije(const char* n, const Location& loc, ParserBase* args)
    : ParserBase(loc), name(n ? n : ""), arguments(adopt(args)) {}

PozivKlasicneFunkcije::~PozivKlasicneFunkcije() { delete arguments; }

// A body that reads its arguments dynamically accepts any argument count, so
// its calls are not checked against the declared parameters. The mark is set
// here, before the body's own checks run at the end of its check.
void PozivKlasicneFunkcije::link() {
    linkChild(arguments);
    const std::string lower = toLower(name);
    if (lower != "func_get_arg" && lower != "func_get_args" && lower != "func_num_args") return;
    UtilFunkcija* body = enclosingFunctionBody();
    if (!body) return;
    body->variadic = true;
    if (body->function && body->function->signature) body->function->signature->checkArguments = false;
}

// The function lookup and the call check come with the call checks.
void PozivKlasicneFunkcije::check() { checkAndAbsorb(arguments); }

Value PozivKlasicneFunkcije::evaluate() { return Value(); }

void PozivKlasicneFunkcije::computeFlow() { adoptFlow(arguments); }

void PozivKlasicneFunkcije::collectChildren(std::vector<ParserBase*>& out) {
    if (arguments) out.push_back(arguments);
}

}  // namespace php
