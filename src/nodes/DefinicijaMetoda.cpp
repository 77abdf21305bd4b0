#include "nodes/DefinicijaMetoda.h"

#include "nodes/ImplMetoda.h"
#include "nodes/PristupAtributu.h"

namespace php {

DefinicijaMetoda::DefinicijaMetoda(ParserBase* pristupAtributu, ParserBase* linkAtributa, ParserBase* implMetoda,
                                   ParserBase* glavaFunkcije, ParserBase* teloMetoda) {
    ParserBase* accessNode = adopt(pristupAtributu);
    ParserBase* staticNode = adopt(linkAtributa);
    ParserBase* implNode = adopt(implMetoda);
    header = adopt(glavaFunkcije);
    body = adopt(teloMetoda);
    for (ParserBase* child : {accessNode, staticNode, implNode, header, body}) {
        if (child) {
            location = child->location;
            break;
        }
    }
    if (auto* a = dynamic_cast<PristupAtributu*>(accessNode)) access = a->isPrivate ? 1 : a->isProtected ? 2 : 0;
    isStatic = staticNode != nullptr;
    if (auto* i = dynamic_cast<ImplMetoda*>(implNode)) implementation = i->isAbstract() ? 2 : 1;
    delete accessNode;
    delete staticNode;
    delete implNode;
}

DefinicijaMetoda::~DefinicijaMetoda() {
    delete header;
    delete body;
}

// The body sees the parameters through the header.
void DefinicijaMetoda::link() {
    linkChild(header);
    if (body) {
        body->addPredecessor(header);
        linkChild(body);
    }
}

void DefinicijaMetoda::check() {
    checkAndAbsorb(header);
    checkAndAbsorb(body);
}

Value DefinicijaMetoda::evaluate() { return Value(); }

// As for a function declaration: the body's graph is kept apart from the
// graph of the class body around it.
void DefinicijaMetoda::computeFlow() { seedFlow(); }

void DefinicijaMetoda::collectChildren(std::vector<ParserBase*>& out) {
    if (header) out.push_back(header);
    if (body) out.push_back(body);
}

}  // namespace php
