// The built-in type singletons and their storage.
//
// Storage per type: boolean a uint8_t (0 or 1), integer an int64_t, float a
// double, string a std::string, resource an unread uint8_t, NULL none, array
// an ArrayMap. Every operation accepts null storage (a typed value without
// content) and treats it as the type's default.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/Type.h"
#include "model/Value.h"

namespace php {

namespace {

// What a conversion reads from its source.
enum class Source { None, Boolean, Integer, Float, String, Array, Opaque };

Source sourceKind(const Type* t, const void* d) {
    if (!t || !d) return Source::None;  // no storage: the target's default
    if (t->isBoolean()) return Source::Boolean;
    if (t->isInteger()) return Source::Integer;
    if (t->isFloat()) return Source::Float;
    if (t->isString()) return Source::String;
    if (t->isArray()) return Source::Array;
    if (t->isNull()) return Source::None;
    return Source::Opaque;  // resource or object
}

bool boolOf(const void* d) { return *static_cast<const uint8_t*>(d) != 0; }
int64_t intOf(const void* d) { return *static_cast<const int64_t*>(d); }
double floatOf(const void* d) { return *static_cast<const double*>(d); }
const std::string& stringOf(const void* d) { return *static_cast<const std::string*>(d); }
const ArrayMap& mapOf(const void* d) { return *static_cast<const ArrayMap*>(d); }

std::string formatFloat(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

class TypeBoolean : public Type {
public:
    TypeBoolean() : Type("boolean") {}
    void* newData() override { return new uint8_t(0); }
    void freeData(void* d) override { delete static_cast<uint8_t*>(d); }
    void* cloneData(const void* d) override {
        return d ? new uint8_t(*static_cast<const uint8_t*>(d)) : nullptr;
    }
    void assignData(void* t, const void* s) override {
        *static_cast<uint8_t*>(t) = s ? *static_cast<const uint8_t*>(s) : 0;
    }
    void* convertFrom(Type* st, const void* sd) override {
        bool v = false;
        switch (sourceKind(st, sd)) {
            case Source::None: v = false; break;
            case Source::Boolean: v = boolOf(sd); break;
            case Source::Integer: v = intOf(sd) != 0; break;
            case Source::Float: v = floatOf(sd) != 0.0; break;
            case Source::String: v = !(stringOf(sd).empty() || stringOf(sd) == "0"); break;
            case Source::Array: v = !mapOf(sd).empty(); break;
            case Source::Opaque: v = true; break;
        }
        return new uint8_t(v ? 1 : 0);
    }
    bool isBoolean() const override { return true; }
};

class TypeInteger : public Type {
public:
    TypeInteger() : Type("integer") {}
    void* newData() override { return new int64_t(0); }
    void freeData(void* d) override { delete static_cast<int64_t*>(d); }
    void* cloneData(const void* d) override { return d ? new int64_t(intOf(d)) : nullptr; }
    void assignData(void* t, const void* s) override {
        *static_cast<int64_t*>(t) = s ? intOf(s) : 0;
    }
    void* convertFrom(Type* st, const void* sd) override {
        int64_t v = 0;
        switch (sourceKind(st, sd)) {
            case Source::None: v = 0; break;
            case Source::Boolean: v = boolOf(sd) ? 1 : 0; break;
            case Source::Integer: v = intOf(sd); break;
            case Source::Float: v = floorToInteger(floatOf(sd)); break;
            case Source::String: v = saturatingLong(stringOf(sd), 10); break;
            case Source::Array: v = mapOf(sd).empty() ? 0 : 1; break;
            case Source::Opaque: v = 1; break;
        }
        return new int64_t(v);
    }
    bool isInteger() const override { return true; }
    bool isNumeric() const override { return true; }
};

class TypeFloat : public Type {
public:
    TypeFloat() : Type("float") {}
    void* newData() override { return new double(0.0); }
    void freeData(void* d) override { delete static_cast<double*>(d); }
    void* cloneData(const void* d) override { return d ? new double(floatOf(d)) : nullptr; }
    void assignData(void* t, const void* s) override {
        *static_cast<double*>(t) = s ? floatOf(s) : 0.0;
    }
    void* convertFrom(Type* st, const void* sd) override {
        double v = 0.0;
        switch (sourceKind(st, sd)) {
            case Source::None: v = 0.0; break;
            case Source::Boolean: v = boolOf(sd) ? 1.0 : 0.0; break;
            case Source::Integer: v = static_cast<double>(intOf(sd)); break;
            case Source::Float: v = floatOf(sd); break;
            case Source::String: v = std::strtod(stringOf(sd).c_str(), nullptr); break;
            case Source::Array: v = mapOf(sd).empty() ? 0.0 : 1.0; break;
            case Source::Opaque: v = 1.0; break;
        }
        return new double(v);
    }
    bool isFloat() const override { return true; }
    bool isNumeric() const override { return true; }
};

class TypeString : public Type {
public:
    TypeString() : Type("string") {}
    void* newData() override { return new std::string(); }
    void freeData(void* d) override { delete static_cast<std::string*>(d); }
    void* cloneData(const void* d) override { return d ? new std::string(stringOf(d)) : nullptr; }
    void assignData(void* t, const void* s) override {
        if (t == s) return;
        *static_cast<std::string*>(t) = s ? stringOf(s) : std::string();
    }
    void* convertFrom(Type* st, const void* sd) override {
        switch (sourceKind(st, sd)) {
            case Source::None: return new std::string();
            case Source::Boolean: return new std::string(boolOf(sd) ? "1" : "");
            case Source::Integer: return new std::string(std::to_string(intOf(sd)));
            case Source::Float: return new std::string(formatFloat(floatOf(sd)));
            case Source::String: return new std::string(stringOf(sd));
            case Source::Array: return new std::string("Array");
            case Source::Opaque: return new std::string("Object");
        }
        return new std::string();
    }
    bool isString() const override { return true; }
};

// The display name is "resource", PHP's own name for the type; a parameter
// hint spelled "resource" therefore names this built-in type, not a class.
class TypeResource : public Type {
public:
    TypeResource() : Type("resource") {}
    void* newData() override { return new uint8_t(0); }
    void freeData(void* d) override { delete static_cast<uint8_t*>(d); }
    void* cloneData(const void* d) override {
        return d ? new uint8_t(*static_cast<const uint8_t*>(d)) : nullptr;
    }
    void assignData(void* t, const void* s) override {
        if (s) *static_cast<uint8_t*>(t) = *static_cast<const uint8_t*>(s);
    }
    void* convertFrom(Type*, const void*) override { return nullptr; }
    bool isResource() const override { return true; }
};

class TypeNULL : public Type {
public:
    TypeNULL() : Type("NULL") {}
    void* newData() override { return nullptr; }
    void freeData(void*) override {}
    void* cloneData(const void*) override { return nullptr; }
    void assignData(void*, const void*) override {}
    void* convertFrom(Type*, const void*) override { return nullptr; }
    bool isNull() const override { return true; }
};

class TypeArray : public Type {
public:
    TypeArray() : Type("array") {}
    void* newData() override { return new ArrayMap(); }

    void freeData(void* d) override {
        auto* map = static_cast<ArrayMap*>(d);
        if (!map) return;
        for (auto& entry : *map) delete entry.second;
        delete map;
    }

    // Copies the tree as it stands (no key comparisons), then replaces each
    // borrowed element pointer by an owned copy.
    void* cloneData(const void* d) override {
        if (!d) return nullptr;
        auto* copy = new ArrayMap(mapOf(d));
        for (auto& entry : *copy) entry.second = new Value(*entry.second);
        return copy;
    }

    void assignData(void* t, const void* s) override {
        if (t == s) return;
        auto* target = static_cast<ArrayMap*>(t);
        for (auto& entry : *target) delete entry.second;
        target->clear();
        if (!s) return;
        *target = mapOf(s);
        for (auto& entry : *target) entry.second = new Value(*entry.second);
    }

    void* convertFrom(Type* st, const void* sd) override {
        Source kind = sourceKind(st, sd);
        if (kind == Source::Array) return cloneData(sd);
        auto* map = new ArrayMap();
        if (kind == Source::None || kind == Source::Opaque) return map;
        Value key;
        key.setInteger(0);
        Value element;
        element.type = st;
        element.data = st->cloneData(sd);
        map->emplace(key, new Value(element));
        return map;
    }
    bool isArray() const override { return true; }
};

}  // namespace

Type* booleanType() {
    static Type* t = new TypeBoolean();
    return t;
}
Type* integerType() {
    static Type* t = new TypeInteger();
    return t;
}
Type* floatType() {
    static Type* t = new TypeFloat();
    return t;
}
Type* stringType() {
    static Type* t = new TypeString();
    return t;
}
Type* resourceType() {
    static Type* t = new TypeResource();
    return t;
}
Type* nullType() {
    static Type* t = new TypeNULL();
    return t;
}
Type* arrayType() {
    static Type* t = new TypeArray();
    return t;
}

}  // namespace php
