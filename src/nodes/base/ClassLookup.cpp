#include "nodes/base/ClassLookup.h"

#include "model/SymbolTable.h"
#include "nodes/ImeKlase.h"
#include "tree/ParserBase.h"

namespace php::classlookup {

Klasa* find(ParserBase* at, const std::string& name) {
    if (name.empty()) return nullptr;
    for (SymbolTable* scope : {globalBuiltinScope(), at->rootScope(), at->enclosingScope()})
        if (scope)
            if (Klasa* k = scope->findClass(name)) return k;
    return nullptr;
}

std::string plainName(ParserBase* classRef) {
    auto* named = dynamic_cast<ImeKlase*>(classRef);
    return named ? named->name : std::string();
}

}  // namespace php::classlookup
