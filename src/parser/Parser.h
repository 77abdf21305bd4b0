#pragma once
#include <string>

#include "tree/Location.h"

namespace php {

// Parses the attached input; a successful parse leaves its Start in roots().
// 0: accepted, 1: abandoned after an unrecoverable error, 2: memory exhausted.
int parseFile(const std::string& fileName);

// The parser's own "syntax error" / "memory exhausted" (replaceable).
void reportSyntaxError(const Location& location, const std::string& fileName,
                       const std::string& message);
// A grammar action's message; replaces a replaceable error on the same line.
void reportSpecificSyntaxError(const Location& location, const std::string& fileName,
                               const std::string& message);

}  // namespace php
