#include "nodes/DeklaracijaFunkcije.h"

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
    if (body) {
        body->addPredecessor(header);
        linkChild(body);
    }
}

void DeklaracijaFunkcije::check() {
    checkAndAbsorb(header);
    checkAndAbsorb(body);
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
