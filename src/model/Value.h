#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "model/FileName.h"
#include "model/Type.h"

namespace php {

class SymbolTable;

// The inferred value of an expression or symbol. The default-constructed
// Value is the "unknown value" every operation yields when it cannot compute.
class Value {
public:
    Type* type = nullptr;
    void* data = nullptr;  // storage owned through `type`
    bool initialised = true;
    FileName fileName;  // interned: values are copied often
    int32_t line = -1;
    std::string text;  // source-like rendering used in messages
    SymbolTable* owner = nullptr;
    std::string symbolName;

    // The unknown value.
    Value();
    // A not-yet-initialised value placed at a file and line.
    Value(const std::string& file, int32_t line);
    // No type, no data, not initialised, no place.
    static Value blank();

    Value(const Value& other);
    Value(Value&& other) noexcept;
    Value& operator=(const Value& other);
    Value& operator=(Value&& other) noexcept;
    virtual ~Value();

    // initialised and typed
    bool isComputable() const;

    // Conversion and content.
    void convertTo(Type* target);
    void resetToType(Type* target);
    void setInteger(int64_t v);
    void setFloat(double v);
    void setBoolean(bool v);
    void setString(const std::string& v);
    void makeArray();
    void assignContent(const Value& other);  // all but fileName and line
    void bindSymbol(SymbolTable* table, const std::string& name);

    // Reading (content converted, receiver unchanged).
    int64_t asInteger() const;
    double asFloat() const;
    bool asBoolean() const;
    std::string asString() const;
    Value asArray() const;  // a Value of the array type
    size_t arraySize() const;
    bool isTrue() const;

    // Arithmetic, string and bitwise operators (receiver is the left operand).
    Value negate() const;
    Value unaryPlus() const;
    Value add(const Value& r) const;
    Value subtract(const Value& r) const;
    Value multiply(const Value& r) const;
    Value divide(const Value& r) const;
    Value modulo(const Value& r) const;
    Value bitAnd(const Value& r) const;
    Value bitOr(const Value& r) const;
    Value bitXor(const Value& r) const;
    Value bitNot() const;
    Value shiftLeft(const Value& r) const;
    Value shiftRight(const Value& r) const;
    Value concatenate(const Value& r) const;
    // As `*this = concatenate(r)`, appending to the receiver's own string when
    // it holds one, so a long chain of concatenations stays linear.
    void concatenateInPlace(const Value& r);

    // Logical operators.
    Value logicalNot() const;
    Value logicalAnd(const Value& r) const;
    Value logicalOr(const Value& r) const;
    Value logicalXor(const Value& r) const;

    // Comparisons: a boolean Value or the unknown value.
    Value equal(const Value& r) const;
    Value notEqual(const Value& r) const;
    Value identical(const Value& r) const;
    Value notIdentical(const Value& r) const;
    Value less(const Value& r) const;
    Value greater(const Value& r) const;
    Value lessOrEqual(const Value& r) const;
    Value greaterOrEqual(const Value& r) const;

    // Increment and decrement.
    Value& preIncrement();
    Value postIncrement();
    Value& preDecrement();
    Value postDecrement();

    // Compound assignment; op is one of % + - * / . & | ^ < (<<=) > (>>=).
    void compoundAssign(char op, const Value& operand);

    // Arrays.
    void insertElement(const Value& key, const Value& element);
    // The element under `key`, inserting a default Value when absent and
    // `create` is set; null when absent otherwise. Owned by the array.
    Value* element(const Value& key, bool create);
};

// Key order of array storage: a before b when `a.less(b)` is true, so 1, 1.0
// and '1' are one key. PHP's loose comparison is not transitive across
// strings and numbers; a map holding such mixed keys stays well-formed but
// may not find every key again, which matches the fuzzy nature of the order.
struct ArrayKeyLess {
    bool operator()(const Value& a, const Value& b) const;
};

// Storage of the array type: elements are owned by the map.
using ArrayMap = std::map<Value, Value*, ArrayKeyLess>;

// The elements of an array-typed Value (an empty map for any other value).
const ArrayMap& arrayElements(const Value& v);

// Reads a leading integer the way the C library's long conversion does
// (leading blanks, optional sign, no digits gives 0) in the given base, and
// saturates at the 32-bit signed limits. Used by string-to-integer conversion
// and by integer literals.
int64_t saturatingLong(const std::string& text, int base);

// The largest integer not above d, clamped to the 64-bit range (NaN gives 0),
// so that no float reaches an undefined conversion.
int64_t floorToInteger(double d);

// True when d equals the float of its 64-bit truncation; the truncation is
// stored in `out`. Infinite, NaN and out-of-range floats are not integral.
bool integralFloat(double d, int64_t& out);

}  // namespace php
