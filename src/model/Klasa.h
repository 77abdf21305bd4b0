#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/Type.h"
#include "model/Value.h"

namespace php {

class SymbolTable;
class Klasa;

// Storage of an object: its class, the part built for the parent class, and
// one Value per property entered in the class's table.
struct ObjectData {
    Klasa* klasa = nullptr;
    ObjectData* parentPart = nullptr;  // owned
    std::map<std::string, Value> properties;
};

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
