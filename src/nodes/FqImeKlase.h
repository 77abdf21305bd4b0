#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A class name written as a bare name (Class::…, catch, extends, implements).
class FqImeKlase : public ParserBase {
public:
    std::string name;

    FqImeKlase(const char* name, const Location& loc);

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 65;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

    // Shared by the nodes that name a class.

    // Outside definitions mode: enters a placeholder class in the file
    // root's table when neither it nor the built-ins know the name, and the
    // name is not "self" or "parent", so a later declaration takes it over.
    static void enterPlaceholder(ParserBase* at, const std::string& className);
    // Looks the name up (built-ins, file root, enclosing scope), tries
    // "__autoload" for a class that is missing or not defined, reports an
    // unknown class, or resolves the class found.
    static void checkClassName(ParserBase* at, const std::string& className);
    // The class named at `at`: the enclosing scope (where "self" and
    // "parent" live), then the file root's table, then the built-ins. A
    // placeholder is passed over when a built-in class has that name.
    static Klasa* findFromScope(ParserBase* at, const std::string& className);
    // The same, looked up in the built-ins first, then the file root's
    // table, then the enclosing scope.
    static Klasa* findFromBuiltins(ParserBase* at, const std::string& className);
};

}  // namespace php
