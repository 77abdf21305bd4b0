#pragma once
#include <string>

namespace php {

// Bracket balance of the scanned input. Entries are opening lines; a "{"
// opened by a string interpolation is stored negated.
void pushBracket(char bracket, int line);
// For ")", "]" or "}": the popped entry, or 0 after reporting a closer
// without an opener.
int popBracket(char closer, const std::string& fileName, int line);
// Reports every open bracket ("(" then "[" then "{", oldest first) and
// empties the stacks.
void reportUnclosedBrackets(const std::string& fileName, int line);
// Empties the stacks without reporting (a new input starts).
void clearBrackets();

}  // namespace php
