#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/Value.h"
#include "tree/NameRecord.h"

namespace php {

class ParserBase;
class Funkcija;

// Mix-in of function declarations and method definitions: the parts of a
// function body that the checks at the end of the body need.
class UtilFunkcija {
public:
    ParserBase* header = nullptr;
    ParserBase* body = nullptr;
    Funkcija* function = nullptr;
    NameSet variableNames;           // used by the variable analysis
    bool variadic = false;
    std::set<ParserBase*> returns;   // return statements of this body
    bool analysing = false;          // analyseCall is running for this body
    bool returnsDiffer = false;      // the verdict settleReturns took from the graph

    virtual ~UtilFunkcija() = default;

    // The header's name; empty without a header.
    std::string functionName() const;
    // At the end of the body's link, when its flow graph is complete: takes
    // from the graph whether the body returns a value on some paths and not
    // on others, then frees the graph, which nothing reads afterwards (a
    // large file would otherwise keep a state for most of its nodes).
    void settleReturns();
    // Reports the body settleReturns found returning a value on some paths
    // and not on others.
    void checkReturns();
    // At the end of the body's check: reports every variable of the
    // function's own scope that is defined (a parameter included) and never
    // used, except "this" in a method. Nothing in definitions mode.
    void reportUnusedVariables(bool isMethod);
    // The body reads its arguments dynamically: its calls are not checked.
    void markVariadic();
    void applyVariadic();

    // Evaluator of "__autoload": analyses the body again with the argument
    // values bound to the parameters. `data` is the declaration's UtilFunkcija.
    static Value analyseCall(const std::string& functionName, const std::string& file, int32_t line,
                             std::vector<Value>& arguments, void* data);
};

}  // namespace php
