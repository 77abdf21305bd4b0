#pragma once
#include <string>

namespace php {

class Klasa;
class ParserBase;

namespace classlookup {

// The class that `new` and `instanceof` name at `at`: the global built-in
// scope first, then the file root's table, then the enclosing scope (where a
// method finds "self" and "parent"). Null when none has it.
Klasa* find(ParserBase* at, const std::string& name);

// The plain name a class-name node gives; empty for a dynamic name or any
// other node.
std::string plainName(ParserBase* classRef);

}  // namespace classlookup
}  // namespace php
