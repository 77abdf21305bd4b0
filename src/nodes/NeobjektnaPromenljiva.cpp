#include "nodes/NeobjektnaPromenljiva.h"

#include "diagnostics/FaliGlobal.h"
#include "diagnostics/NedeklarisanaPromenljiva.h"
#include "model/SymbolTable.h"
#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/ListaDolara.h"
#include "nodes/Varijabla.h"
#include "tree/NodeCast.h"

namespace php {

NeobjektnaPromenljiva::NeobjektnaPromenljiva(ParserBase* dollars, ParserBase* indexed)
    : ParserBase(dollars ? dollars : indexed) {
    dollars = adopt(dollars);
    if (auto* list = nodeAs<ListaDolara>(dollars)) dollarCount = list->count;
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

// Each further "$" takes the current value's text as the next variable's
// name. A name is followed only when the value is known: an unknown value
// names nothing that could be reported. A built-in global is visible from
// everywhere; a name only the file has is a missing "global".
Value NeobjektnaPromenljiva::evaluate() {
    Value current = inner ? inner->evaluate() : Value();
    for (int32_t i = 1; i < dollarCount; ++i) {
        if (!current.isComputable()) return Value();
        const std::string name = current.asString();
        Value* stored = globalBuiltinScope()->findVariable(name);
        SymbolTable* scope = enclosingScope();
        if (!stored && scope) stored = scope->findVariable(name);
        if (!stored) {
            SymbolTable* root = rootScope();
            if (root && root != scope && root->findVariable(name))
                semanticList().push_back(new greske::FaliGlobal(name, fileName, location.firstLine));
            else
                semanticList().push_back(new greske::NedeklarisanaPromenljiva(fileName, location.firstLine));
            return Value();
        }
        Value next = *stored;
        current = std::move(next);
    }
    return current;
}

// Only a plain "$name" has a static value.
Value NeobjektnaPromenljiva::staticValue() {
    auto* indexed = nodeAs<IndeksniPristup>(inner);
    if (dollarCount != 1 || !indexed || !indexed->items.empty()) return Value();
    auto* name = nodeAs<ImePromenljive>(indexed->variable);
    if (!name || name->name.empty()) return Value();
    return Varijabla::staticValueOf(this, name->name);
}

void NeobjektnaPromenljiva::computeFlow() { adoptFlow(inner); }

void NeobjektnaPromenljiva::collectChildren(std::vector<ParserBase*>& out) {
    if (inner) out.push_back(inner);
}

}  // namespace php
