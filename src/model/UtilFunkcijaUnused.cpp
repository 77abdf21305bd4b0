#include "model/UtilFunkcija.h"

namespace php {

// Placeholder until the variable analysis provides the report of unused
// variables; this file is replaced by that implementation.
void UtilFunkcija::reportUnusedVariables(bool) {}

}  // namespace php
