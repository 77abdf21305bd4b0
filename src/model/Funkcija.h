#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Value.h"

namespace php {

class ParserBase;
class SymbolTable;
class Type;

struct ParameterInfo {
    Type* hint = nullptr;  // none, the array type, or a Klasa
    std::string name;
    Value defaultValue = Value::blank();  // a default exists when it has a type
    bool byReference = false;  // "&$x": a plain variable passed here is assigned, not read
    bool nullDefault = false;  // default written as the bare name null: null is accepted
    // The default expression when its value was not known yet at declaration
    // (a class constant of a class declared further down): worked out again
    // when a call leaves the parameter out.
    ParserBase* defaultSource = nullptr;
    bool hasDefault() const { return defaultValue.type != nullptr; }
};

using CallEvaluator = Value (*)(const std::string& functionName, const std::string& file,
                                int32_t line, std::vector<Value>& arguments, void* data);

struct FunctionSignature {
    bool checkArguments = true;
    std::vector<ParameterInfo> parameters;
    CallEvaluator evaluator = nullptr;
    void* evaluatorData = nullptr;
};

// A function, method or interface method.
class Funkcija {
public:
    SymbolTable* scope;  // owned: parameters and locals
    std::string fileName;
    int32_t line;
    int32_t access = 0;          // 0 public, 1 private, 2 protected
    bool isStatic = false;
    int32_t implementation = 0;  // 0 ordinary, 1 final, 2 abstract
    FunctionSignature* signature = nullptr;  // owned
    std::string name;

    Funkcija(const std::string& name, const std::string& file, int32_t line);
    virtual ~Funkcija();

    // Checks the count and types of a call's arguments against the signature
    // and returns the call's value (the evaluator's, or the unknown value).
    Value checkCall(std::vector<Value> arguments, const std::string& file, int32_t line);

    // The call node being checked while checkCall runs its evaluator, so a
    // handler can tell one call evaluated twice from two calls (null outside).
    static const void* currentCallSite;
};

}  // namespace php
