#include "nodes/DeklaracijaMetoda.h"

#include "diagnostics/PristupNaMetoduUInterfejsu.h"
#include "nodes/PristupAtributu.h"

namespace php {

// krajNaredbe is always null; it only holds its argument position.
DeklaracijaMetoda::DeklaracijaMetoda(ParserBase* pristupAtributu, ParserBase* linkAtributa,
                                     ParserBase* glavaFunkcije, ParserBase* krajNaredbe) {
    ParserBase* accessNode = adopt(pristupAtributu);
    ParserBase* staticNode = adopt(linkAtributa);
    header = adopt(glavaFunkcije);
    delete adopt(krajNaredbe);
    for (ParserBase* child : {accessNode, staticNode, header}) {
        if (child) {
            location = child->location;
            break;
        }
    }
    accessWritten = accessNode != nullptr;
    if (auto* a = dynamic_cast<PristupAtributu*>(accessNode)) access = a->isPrivate ? 1 : a->isProtected ? 2 : 0;
    isStatic = staticNode != nullptr;
    delete accessNode;
    delete staticNode;
}

DeklaracijaMetoda::~DeklaracijaMetoda() { delete header; }

// Interface methods are public: writing an access word is a syntax finding.
void DeklaracijaMetoda::link() {
    if (accessWritten) syntaxList().push_back(new greske::PristupNaMetoduUInterfejsu(fileName, location.firstLine));
    linkChild(header);
}
void DeklaracijaMetoda::check() { checkAndAbsorb(header); }
Value DeklaracijaMetoda::evaluate() { return Value(); }
void DeklaracijaMetoda::computeFlow() { adoptFlow(header); }

void DeklaracijaMetoda::collectChildren(std::vector<ParserBase*>& out) {
    if (header) out.push_back(header);
}

}  // namespace php
