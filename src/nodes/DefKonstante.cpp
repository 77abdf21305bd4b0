#include "nodes/DefKonstante.h"

#include "diagnostics/InternaGreska.h"
#include "model/SymbolTable.h"
#include "nodes/Deklarator.h"
#include "nodes/Konstanta.h"

namespace php {

DefKonstante::DefKonstante(ParserBase* deklarator) : declarator(adopt(deklarator)) {
    if (declarator) location = declarator->location;
}

DefKonstante::~DefKonstante() { delete declarator; }

void DefKonstante::link() { linkChild(declarator); }
// From here on the constant counts as defined, with its value's type.
void DefKonstante::check() {
    checkAndAbsorb(declarator);
    auto* item = dynamic_cast<Deklarator*>(declarator);
    if (!item || !item->name || !item->value) return;
    const std::string name = Konstanta::nameOf(item->name);
    SymbolTable* scope = enclosingScope();
    if (name.empty() || !scope) return;
    if (!scope->findConstant(name)) {
        semanticList().push_back(new greske::InternaGreska("DefKonstante", 22, fileName, location.firstLine));
        return;
    }
    Value value = item->value->staticValue();
    addDefinition(NameRecord(scope, name, fileName, location.firstLine, 1, 1, value.type));
}
Value DefKonstante::evaluate() { return Value(); }

void DefKonstante::computeFlow() { adoptFlow(declarator); }

void DefKonstante::collectChildren(std::vector<ParserBase*>& out) {
    if (declarator) out.push_back(declarator);
}

}  // namespace php
