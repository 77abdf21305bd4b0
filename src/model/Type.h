#pragma once
#include <string>

namespace php {

// A type of the inference lattice. Built-in types are singletons compared by
// identity; every class (Klasa) is a Type too.
class Type {
public:
    std::string typeName;

    explicit Type(std::string name) : typeName(std::move(name)) {}
    virtual ~Type() = default;

    virtual void* newData() = 0;
    virtual void freeData(void* data) = 0;
    virtual void* cloneData(const void* data) = 0;
    virtual void assignData(void* target, const void* source) = 0;
    virtual void* convertFrom(Type* sourceType, const void* sourceData) = 0;
    virtual bool isString() const { return false; }
    virtual bool isBoolean() const { return false; }
    virtual bool isInteger() const { return false; }
    virtual bool isFloat() const { return false; }
    virtual bool isResource() const { return false; }
    virtual bool isNull() const { return false; }
    virtual bool isArray() const { return false; }
    virtual bool isObject() const { return false; }
    virtual bool isNumeric() const { return false; }
    virtual bool conformsTo(const Type* other) const { return other == this; }
};

// The built-in singletons, created on first request and never freed.
Type* booleanType();
Type* integerType();
Type* floatType();
Type* stringType();
Type* resourceType();
Type* nullType();
Type* arrayType();

}  // namespace php
