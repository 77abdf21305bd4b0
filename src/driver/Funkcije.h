#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/Value.h"

namespace php {

// The built-in functions whose calls the checker evaluates itself.

// Attaches the handlers of `define` and `dirname` to the functions that
// "/function.php" declared; a missing one is an internal error.
void attachBuiltinHandlers();

// Forgets which calls defined which constants (between in-process runs).
void forgetDefiningCalls();

// The directory part of a file name; the unknown value for an unknown name.
Value dirnameHandler(const std::string& functionName, const std::string& file, int32_t line,
                     std::vector<Value>& arguments, void* data);

// Defines a constant in the file being analysed (the built-in scope while the
// definitions are read); true when the name is known.
Value defineHandler(const std::string& functionName, const std::string& file, int32_t line,
                    std::vector<Value>& arguments, void* data);

}  // namespace php
