#include "model/CheckedCall.h"

#include "model/Funkcija.h"

namespace php {

// The argument checks belong to the function model; until it checks calls
// itself, a call runs the function's evaluator (the re-analysis of an
// "__autoload" body) and yields the unknown value otherwise.
Value checkedCall(Funkcija* function, std::vector<Value>& arguments, const std::string& file, int32_t line) {
    if (!function || !function->signature || !function->signature->evaluator) return Value();
    FunctionSignature* s = function->signature;
    return s->evaluator(function->name, file, line, arguments, s->evaluatorData);
}

}  // namespace php
