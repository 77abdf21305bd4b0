#include "nodes/NeobjektnaPromenljiva.h"

#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/ListaDolara.h"
#include "nodes/Varijabla.h"

namespace php {

NeobjektnaPromenljiva::NeobjektnaPromenljiva(ParserBase* dollars, ParserBase* indexed)
    : ParserBase(dollars ? dollars : indexed) {
    dollars = adopt(dollars);
    if (auto* list = dynamic_cast<ListaDolara*>(dollars)) dollarCount = list->count;
    delete dollars;
    inner = adopt(indexed);
}

NeobjektnaPromenljiva::~NeobjektnaPromenljiva() { delete inner; }

void NeobjektnaPromenljiva::link() { linkChild(inner); }

// The reads stay pending for the statement or assignment above.
void NeobjektnaPromenljiva::check() {
    if (!inner) return;
    inner->check();
    propagateChild(inner, true, true, true);
}

// Following the chain of variable names comes with the variable analysis.
Value NeobjektnaPromenljiva::evaluate() { return Value(); }

// Only a plain "$name" has a static value.
Value NeobjektnaPromenljiva::staticValue() {
    auto* indexed = dynamic_cast<IndeksniPristup*>(inner);
    if (dollarCount != 1 || !indexed || !indexed->items.empty()) return Value();
    auto* name = dynamic_cast<ImePromenljive*>(indexed->variable);
    if (!name || name->name.empty()) return Value();
    return Varijabla::staticValueOf(this, name->name);
}

void NeobjektnaPromenljiva::computeFlow() { adoptFlow(inner); }

void NeobjektnaPromenljiva::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
