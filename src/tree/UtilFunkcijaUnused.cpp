// The unused-variable check of UtilFunkcija. It walks the body's nodes, so it
// lives with the node base rather than in the model library.
#include "diagnostics/NeupotrebljenaPromenljiva.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/UtilFunkcija.h"
#include "tree/ParserBase.h"

namespace php {

void UtilFunkcija::reportUnusedVariables(bool isMethod) {
    if (!body || !function || runState()->definitionsMode) return;
    // The parameters first, so that a parameter is reported at its own line.
    NameSet candidates;
    if (header && header->definitions()) candidates = *header->definitions();
    body->collectDefinitions(candidates);
    for (const NameRecord& record : candidates) {
        if (record.kind != 0 || record.scope != function->scope) continue;
        if (body->usedNames() && body->usedNames()->count(record)) continue;
        if (isMethod && record.name == "this") continue;
        semanticList().push_back(new greske::NeupotrebljenaPromenljiva(record.name, record.file, record.line));
    }
}

}  // namespace php
