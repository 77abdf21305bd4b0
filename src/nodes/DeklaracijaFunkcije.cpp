#include "nodes/DeklaracijaFunkcije.h"

#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/SymbolTable.h"
#include "nodes/GlavaFunkcije.h"
#include "tree/FlowWanted.h"

namespace php {

DeklaracijaFunkcije::DeklaracijaFunkcije(ParserBase* glavaFunkcije, ParserBase* blokKomanda) {
    header = adopt(glavaFunkcije);
    body = adopt(blokKomanda);
    if (ParserBase* first = header ? header : body) location = first->location;
}

DeklaracijaFunkcije::~DeklaracijaFunkcije() {
    delete header;
    delete body;
}

// The body sees the parameters through the header.
void DeklaracijaFunkcije::link() {
    linkChild(header);
    auto* h = dynamic_cast<GlavaFunkcije*>(header);
    function = h && h->function ? h->function : new Funkcija(std::string(), fileName, location.firstLine);
    if (!runState()->definitionsMode && isAutoload() && function->signature) {
        function->signature->evaluator = &UtilFunkcija::analyseCall;
        function->signature->evaluatorData = static_cast<UtilFunkcija*>(this);
    }
    if (body) {
        body->addPredecessor(header);
        FlowWanted inBody(true);  // settleReturns reads the body's graph
        linkChild(body);
        settleReturns();
    }
}

bool DeklaracijaFunkcije::isAutoload() const { return toLower(functionName()) == "__autoload"; }

// The body of "__autoload" is analysed only through its calls, with the
// class name bound to its parameter.
void DeklaracijaFunkcije::check() {
    if (!isAutoload()) {
        checkAndAbsorb(header);
        checkAndAbsorb(body);
    }
    if (runState()->definitionsMode) return;
    reportUnusedVariables(false);
    checkReturns();
    applyVariadic();
}

Value DeklaracijaFunkcije::evaluate() { return Value(); }

// Declaring a function runs nothing. The body's graph stays apart, so the
// statements that follow the declaration are never attached at its leaves,
// which the return check of the body reads.
void DeklaracijaFunkcije::computeFlow() { seedFlow(); }

void DeklaracijaFunkcije::collectChildren(std::vector<ParserBase*>& out) {
    if (header) out.push_back(header);
    if (body) out.push_back(body);
}

}  // namespace php
