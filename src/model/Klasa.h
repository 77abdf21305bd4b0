#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/Type.h"

namespace php {

class SymbolTable;

// A class or interface. Its type name is the class name.
class Klasa : public Type {
public:
    Klasa* parent = nullptr;
    SymbolTable* members;  // owned
    std::vector<Klasa*> interfaces;
    bool isInterface = false;
    std::string fileName;
    int32_t line = -1;
    bool isAbstract = false;
    bool isFinal = false;
    bool defined = true;
    bool hasPropertyHandlers = false;
    bool hasCallHandler = false;
    bool resolved = false;
    bool heritageChecked = false;

    Klasa(const std::string& file, int32_t line, const std::string& name);
    ~Klasa() override;

    const std::string& name() const { return typeName; }

    void* newData() override;
    void freeData(void* data) override;
    void* cloneData(const void* data) override;
    void assignData(void* target, const void* source) override;
    void* convertFrom(Type* sourceType, const void* sourceData) override;
    bool isObject() const override { return true; }
    bool conformsTo(const Type* other) const override;
};

}  // namespace php
