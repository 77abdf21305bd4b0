#include "model/Value.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>

namespace php {

// ---------------------------------------------------------------------------
// Numeric helpers. Integer arithmetic wraps in 64 bits; it is done in
// uint64_t so that overflow is defined.

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;

int64_t wrapAdd(int64_t a, int64_t b) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}
int64_t wrapNegate(int64_t a) { return static_cast<int64_t>(0 - static_cast<uint64_t>(a)); }
int64_t wrapMultiply(int64_t a, int64_t b) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
}

bool isInt(const Value& v) { return v.type && v.type->isInteger(); }
bool isFlt(const Value& v) { return v.type && v.type->isFloat(); }
bool isStr(const Value& v) { return v.type && v.type->isString(); }
bool isBool(const Value& v) { return v.type && v.type->isBoolean(); }
bool isNul(const Value& v) { return v.type && v.type->isNull(); }
bool isArr(const Value& v) { return v.type && v.type->isArray(); }
bool isObj(const Value& v) { return v.type && v.type->isObject(); }
bool isNumeric(const Value& v) { return v.type && v.type->isNumeric(); }
bool bothComputable(const Value& l, const Value& r) { return l.isComputable() && r.isComputable(); }

Value booleanResult(bool b) {
    Value v;
    v.setBoolean(b);
    return v;
}
Value integerResult(int64_t i) {
    Value v;
    v.setInteger(i);
    return v;
}
Value floatResult(double d) {
    Value v;
    v.setFloat(d);
    return v;
}
Value stringResult(std::string s) {
    Value v;
    v.setString(s);
    return v;
}

// A float that is integral becomes an integer, otherwise stays a float.
Value numberResult(double d) {
    int64_t i;
    return integralFloat(d, i) ? integerResult(i) : floatResult(d);
}

// The string content without a copy when the value already is a string.
const std::string& stringView(const Value& v, std::string& scratch) {
    if (isStr(v) && v.data) return *static_cast<const std::string*>(v.data);
    scratch = v.asString();
    return scratch;
}

// Reads storage of `target` built from the value, through the type's own
// conversion, and releases it again.
template <typename T>
T readConverted(const Value& v, Type* target) {
    void* d = target->convertFrom(v.type, v.data);
    T result = *static_cast<T*>(d);
    target->freeData(d);
    return result;
}

enum class Cmp { Eq, Ne, Lt, Gt, Le, Ge };

bool bySign(int c, Cmp op) {
    switch (op) {
        case Cmp::Eq: return c == 0;
        case Cmp::Ne: return c != 0;
        case Cmp::Lt: return c < 0;
        case Cmp::Gt: return c > 0;
        case Cmp::Le: return c <= 0;
        case Cmp::Ge: return c >= 0;
    }
    return false;
}

// IEEE comparison, so that NaN is unordered and unequal to everything.
bool byFloat(double a, double b, Cmp op) {
    switch (op) {
        case Cmp::Eq: return a == b;
        case Cmp::Ne: return a != b;
        case Cmp::Lt: return a < b;
        case Cmp::Gt: return a > b;
        case Cmp::Le: return a <= b;
        case Cmp::Ge: return a >= b;
    }
    return false;
}

bool isTrueBoolean(const Value& v) { return v.isComputable() && v.type->isBoolean() && v.isTrue(); }
bool isFalseBoolean(const Value& v) { return v.isComputable() && v.type->isBoolean() && !v.isTrue(); }

Value compareValues(const Value& l, const Value& r, Cmp op);

// Arrays compare element-wise; an element pair decides only through a
// definite boolean (an undecidable pair makes the arrays unequal and
// unordered rather than guessing).
bool compareArrays(const Value& l, const Value& r, Cmp op) {
    const ArrayMap& a = arrayElements(l);
    const ArrayMap& b = arrayElements(r);
    if (op == Cmp::Eq || op == Cmp::Ne) {
        bool equal = a.size() == b.size();
        for (auto it = a.begin(); equal && it != a.end(); ++it) {
            auto other = b.find(it->first);
            equal = other != b.end() && isFalseBoolean(compareValues(*it->second, *other->second, Cmp::Ne));
        }
        return op == Cmp::Eq ? equal : !equal;
    }
    if (a.size() != b.size()) return true;
    for (const auto& entry : a) {
        auto other = b.find(entry.first);
        if (other == b.end()) return false;
        if (!isTrueBoolean(compareValues(*entry.second, *other->second, op))) return false;
    }
    return true;
}

// The loose comparison: the first matching case decides.
Value compareValues(const Value& l, const Value& r, Cmp op) {
    if (!bothComputable(l, r)) return Value();
    if ((isNul(l) || isStr(l)) && isStr(r)) {
        std::string ls, rs;
        int c = stringView(l, ls).compare(stringView(r, rs));
        return booleanResult(bySign(c, op));
    }
    if (isBool(l) || isNul(l)) {
        int c = static_cast<int>(l.asBoolean()) - static_cast<int>(r.asBoolean());
        return booleanResult(bySign(c, op));
    }
    if (isObj(l) && isObj(r)) {
        if (l.type != r.type) return booleanResult(op == Cmp::Ne);
        return Value::blank();
    }
    auto scalar = [](const Value& v) {
        return v.type->isString() || v.type->isResource() || v.type->isInteger() || v.type->isFloat();
    };
    if (scalar(l) && scalar(r)) return booleanResult(byFloat(l.asFloat(), r.asFloat(), op));
    if (isArr(l) && isArr(r)) return booleanResult(compareArrays(l, r, op));
    if (isArr(l) || isObj(l)) return booleanResult(op == Cmp::Ne || op == Cmp::Gt || op == Cmp::Ge);
    return Value();
}

Value identity(const Value& l, const Value& r, bool identical) {
    if (!bothComputable(l, r)) return Value();
    if (l.type != r.type) return booleanResult(!identical);
    if (l.type->isObject()) return booleanResult((&l == &r) == identical);
    return booleanResult(isTrueBoolean(compareValues(l, r, identical ? Cmp::Eq : Cmp::Ne)));
}

Value addOrSubtract(const Value& l, const Value& r, bool subtract) {
    if (!bothComputable(l, r)) return Value();
    double lf = l.asFloat(), rf = r.asFloat();
    double f = subtract ? lf - rf : lf + rf;
    // Only an integer paired with a non-numeric operand folds back to integer.
    bool mixed = (isInt(l) && !isNumeric(r)) || (isInt(r) && !isNumeric(l));
    return mixed ? numberResult(f) : floatResult(f);
}

enum class Bit { And, Or, Xor };

Value bitwise(const Value& l, const Value& r, Bit op) {
    if (!bothComputable(l, r)) return Value();
    auto apply = [op](auto a, auto b) -> decltype(a) {
        switch (op) {
            case Bit::And: return a & b;
            case Bit::Or: return a | b;
            case Bit::Xor: return a ^ b;
        }
        return a;
    };
    if (isStr(l) && isStr(r)) {
        std::string ls, rs;
        const std::string& a = stringView(l, ls);
        const std::string& b = stringView(r, rs);
        std::string out(std::min(a.size(), b.size()), '\0');
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<char>(apply(static_cast<unsigned char>(a[i]), static_cast<unsigned char>(b[i])));
        return stringResult(std::move(out));
    }
    return integerResult(apply(l.asInteger(), r.asInteger()));
}

// The shift count is the low 8 bits of the right operand, taken unsigned.
unsigned shiftCount(const Value& r) {
    return static_cast<uint8_t>(static_cast<uint64_t>(r.asInteger()));
}

}  // namespace

int64_t saturatingLong(const std::string& text, int base) {
    long long v = std::strtoll(text.c_str(), nullptr, base);
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return v;
}

int64_t floorToInteger(double d) {
    if (std::isnan(d)) return 0;
    if (d >= kTwoTo63) return INT64_MAX;
    if (d < -kTwoTo63) return INT64_MIN;
    return static_cast<int64_t>(std::floor(d));
}

bool integralFloat(double d, int64_t& out) {
    if (!(d >= -kTwoTo63 && d < kTwoTo63)) return false;  // also rejects NaN
    out = static_cast<int64_t>(d);
    return static_cast<double>(out) == d;
}

const ArrayMap& arrayElements(const Value& v) {
    static const ArrayMap empty;
    if (isArr(v) && v.data) return *static_cast<const ArrayMap*>(v.data);
    return empty;
}

bool ArrayKeyLess::operator()(const Value& a, const Value& b) const {
    // Fast paths that give the same answer as the full comparison.
    if (a.isComputable() && b.isComputable()) {
        if (isInt(a) && isInt(b))
            return static_cast<double>(a.asInteger()) < static_cast<double>(b.asInteger());
        if (isStr(a) && isStr(b)) {
            std::string as, bs;
            return stringView(a, as) < stringView(b, bs);
        }
    }
    return a.less(b).isTrue();
}

// ---------------------------------------------------------------------------
// Construction and ownership.

Value::Value() = default;

Value::Value(const std::string& file, int32_t ln) : initialised(false), fileName(file), line(ln) {}

Value Value::blank() {
    Value v;
    v.initialised = false;
    return v;
}

Value::Value(const Value& o)
    : type(o.type),
      data(o.type && o.data ? o.type->cloneData(o.data) : nullptr),
      initialised(o.initialised),
      fileName(o.fileName),
      line(o.line),
      text(o.text),
      owner(o.owner),
      symbolName(o.symbolName) {}

Value::Value(Value&& o) noexcept
    : type(o.type),
      data(o.data),
      initialised(o.initialised),
      fileName(std::move(o.fileName)),
      line(o.line),
      text(std::move(o.text)),
      owner(o.owner),
      symbolName(std::move(o.symbolName)) {
    o.data = nullptr;
}

namespace {
void swapValues(Value& a, Value& b) noexcept {
    std::swap(a.type, b.type);
    std::swap(a.data, b.data);
    std::swap(a.initialised, b.initialised);
    std::swap(a.fileName, b.fileName);
    std::swap(a.line, b.line);
    a.text.swap(b.text);
    std::swap(a.owner, b.owner);
    a.symbolName.swap(b.symbolName);
}
}  // namespace

// Copy first, then swap: the source may live inside this value's own array.
Value& Value::operator=(const Value& o) {
    if (this != &o) {
        Value copy(o);
        swapValues(*this, copy);
    }
    return *this;
}

Value& Value::operator=(Value&& o) noexcept {
    if (this != &o) {
        Value taken(std::move(o));
        swapValues(*this, taken);
    }
    return *this;
}

Value::~Value() {
    if (type && data) type->freeData(data);
}

bool Value::isComputable() const { return initialised && type != nullptr; }

// ---------------------------------------------------------------------------
// Conversion and content.

void Value::convertTo(Type* target) {
    if (type == target) return;
    void* converted = target ? target->convertFrom(type, data) : nullptr;
    if (type && data) type->freeData(data);
    type = target;
    data = converted;
}

void Value::resetToType(Type* target) {
    void* fresh = target ? target->newData() : nullptr;
    if (type && data) type->freeData(data);
    type = target;
    data = fresh;
    initialised = true;
}

void Value::setInteger(int64_t v) {
    if (type == integerType() && data) {
        *static_cast<int64_t*>(data) = v;
    } else {
        resetToType(integerType());
        *static_cast<int64_t*>(data) = v;
    }
    initialised = true;
}

void Value::setFloat(double v) {
    if (!(type == floatType() && data)) resetToType(floatType());
    *static_cast<double*>(data) = v;
    initialised = true;
}

void Value::setBoolean(bool v) {
    if (!(type == booleanType() && data)) resetToType(booleanType());
    *static_cast<uint8_t*>(data) = v ? 1 : 0;
    initialised = true;
}

void Value::setString(const std::string& v) {
    if (!(type == stringType() && data)) resetToType(stringType());
    *static_cast<std::string*>(data) = v;
    initialised = true;
}

void Value::makeArray() {
    if (type != arrayType() || !data) resetToType(arrayType());
    initialised = true;
}

// The receiver keeps its place. A receiver bound to a variable also keeps its
// identity (text, owner, symbol name), which is why callers that update a
// variable's stored Value use this rather than a full copy; an unbound
// receiver takes those fields from the other value too.
void Value::assignContent(const Value& other) {
    Value copy(other);
    std::swap(type, copy.type);
    std::swap(data, copy.data);
    initialised = copy.initialised;
    if (!owner) {
        text = std::move(copy.text);
        owner = copy.owner;
        symbolName = std::move(copy.symbolName);
    }
}

void Value::bindSymbol(SymbolTable* table, const std::string& name) {
    symbolName = name;
    text = "$" + name;
    owner = table;
}

// ---------------------------------------------------------------------------
// Reading.

// Scalars are read directly; the results equal those of the types'
// convertFrom, which the remaining cases go through.
int64_t Value::asInteger() const {
    if (type && data) {
        if (type->isInteger()) return *static_cast<const int64_t*>(data);
        if (type->isFloat()) return floorToInteger(*static_cast<const double*>(data));
        if (type->isBoolean()) return *static_cast<const uint8_t*>(data) ? 1 : 0;
    }
    return readConverted<int64_t>(*this, integerType());
}

double Value::asFloat() const {
    if (type && data) {
        if (type->isFloat()) return *static_cast<const double*>(data);
        if (type->isInteger()) return static_cast<double>(*static_cast<const int64_t*>(data));
        if (type->isBoolean()) return *static_cast<const uint8_t*>(data) ? 1.0 : 0.0;
    }
    return readConverted<double>(*this, floatType());
}

bool Value::asBoolean() const {
    if (type && data) {
        if (type->isBoolean()) return *static_cast<const uint8_t*>(data) != 0;
        if (type->isInteger()) return *static_cast<const int64_t*>(data) != 0;
        if (type->isFloat()) return *static_cast<const double*>(data) != 0.0;
    }
    return readConverted<uint8_t>(*this, booleanType()) != 0;
}

std::string Value::asString() const {
    if (isStr(*this) && data) return *static_cast<const std::string*>(data);
    return readConverted<std::string>(*this, stringType());
}

Value Value::asArray() const {
    if (isArr(*this)) {
        Value copy(*this);
        if (!copy.data) copy.data = arrayType()->newData();
        return copy;
    }
    Value result;
    result.initialised = initialised;
    result.type = arrayType();
    result.data = arrayType()->convertFrom(type, data);
    return result;
}

size_t Value::arraySize() const {
    if (isArr(*this)) return arrayElements(*this).size();
    return asArray().arraySize();
}

// A value that is not computable reads as false. Callers decide conditions
// only on computable values; for array keys it means a key that is not
// computable is never less than another and so matches any existing key.
bool Value::isTrue() const {
    if (!isComputable()) return false;
    return asBoolean();
}

// ---------------------------------------------------------------------------
// Unary operators.

Value Value::negate() const {
    if (!isComputable()) return Value();
    Value result;
    if (isInt(*this)) {
        result.setInteger(wrapNegate(asInteger()));
    } else if (isFlt(*this)) {
        result.setFloat(-asFloat());
    } else {
        double f = asFloat();
        int64_t i;
        if (integralFloat(f, i))
            result.setInteger(wrapNegate(i));
        else
            result.setFloat(-f);
    }
    result.text = "-(" + text + ")";
    return result;
}

Value Value::unaryPlus() const {
    if (!isComputable()) return Value();
    if (isInt(*this) || isFlt(*this)) return *this;
    return numberResult(asFloat());
}

Value Value::bitNot() const {
    if (!isComputable()) return Value();
    if (isStr(*this)) {
        std::string s = asString();
        for (char& c : s) c = static_cast<char>(~static_cast<unsigned char>(c));
        return stringResult(std::move(s));
    }
    return integerResult(~asInteger());
}

// Never unknown: a value without content reads as integer 0, hence false.
Value Value::logicalNot() const {
    bool truth = isComputable() ? asBoolean() : false;
    return booleanResult(!truth);
}

// ---------------------------------------------------------------------------
// Binary arithmetic, bitwise and string operators.

Value Value::add(const Value& r) const { return addOrSubtract(*this, r, false); }
Value Value::subtract(const Value& r) const { return addOrSubtract(*this, r, true); }

Value Value::multiply(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    if (isInt(*this) && isInt(r)) return integerResult(wrapMultiply(asInteger(), r.asInteger()));
    return floatResult(asFloat() * r.asFloat());
}

Value Value::divide(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    double rf = r.asFloat();
    if (rf == 0.0) return Value();
    if (isInt(*this) && isInt(r)) {
        int64_t a = asInteger(), b = r.asInteger();
        // b == -1 is spelled out: INT64_MIN / -1 overflows.
        if (b == -1) return integerResult(wrapNegate(a));
        if (a % b == 0) return integerResult(a / b);
    }
    return floatResult(asFloat() / rf);
}

Value Value::modulo(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    int64_t b = r.asInteger();
    if (b == 0) return Value();
    // Floats are read by floor; the remainder takes the sign of the left.
    int64_t a = asInteger();
    return integerResult(b == -1 ? 0 : a % b);
}

Value Value::bitAnd(const Value& r) const { return bitwise(*this, r, Bit::And); }
Value Value::bitOr(const Value& r) const { return bitwise(*this, r, Bit::Or); }
Value Value::bitXor(const Value& r) const { return bitwise(*this, r, Bit::Xor); }

Value Value::shiftLeft(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    unsigned n = shiftCount(r);
    int64_t v = asInteger();
    if (n >= 64) return integerResult(0);
    return integerResult(static_cast<int64_t>(static_cast<uint64_t>(v) << n));
}

Value Value::shiftRight(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    unsigned n = shiftCount(r);
    int64_t v = asInteger();
    if (n >= 64) return integerResult(v < 0 ? -1 : 0);
    // Arithmetic shift written without relying on the sign fill of >>.
    return integerResult(v < 0 ? ~(~v >> n) : v >> n);
}

Value Value::concatenate(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    return stringResult(asString() + r.asString());
}

void Value::concatenateInPlace(const Value& r) {
    if (!bothComputable(*this, r)) {
        *this = Value();
        return;
    }
    if (type == stringType() && data)
        static_cast<std::string*>(data)->append(r.asString());
    else
        setString(asString() + r.asString());
    // What is left is a fresh result, as concatenate makes it.
    initialised = true;
    fileName = FileName();
    line = -1;
    text.clear();
    owner = nullptr;
    symbolName.clear();
}

// ---------------------------------------------------------------------------
// Logical operators: both operands are always read.

Value Value::logicalAnd(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    bool a = asBoolean(), b = r.asBoolean();
    return booleanResult(a && b);
}

Value Value::logicalOr(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    bool a = asBoolean(), b = r.asBoolean();
    return booleanResult(a || b);
}

Value Value::logicalXor(const Value& r) const {
    if (!bothComputable(*this, r)) return Value();
    return booleanResult(asBoolean() != r.asBoolean());
}

// ---------------------------------------------------------------------------
// Comparisons.

Value Value::equal(const Value& r) const { return compareValues(*this, r, Cmp::Eq); }
Value Value::notEqual(const Value& r) const { return compareValues(*this, r, Cmp::Ne); }
Value Value::less(const Value& r) const { return compareValues(*this, r, Cmp::Lt); }
Value Value::greater(const Value& r) const { return compareValues(*this, r, Cmp::Gt); }
Value Value::lessOrEqual(const Value& r) const { return compareValues(*this, r, Cmp::Le); }
Value Value::greaterOrEqual(const Value& r) const { return compareValues(*this, r, Cmp::Ge); }
Value Value::identical(const Value& r) const { return identity(*this, r, true); }
Value Value::notIdentical(const Value& r) const { return identity(*this, r, false); }

// ---------------------------------------------------------------------------
// Increment and decrement.

namespace {

// Gives a receiver without content integer 0; increment also turns NULL into
// integer 0.
void prepareStep(Value& v, bool increment) {
    if (!v.isComputable())
        v.setInteger(0);
    else if (increment && v.type->isNull())
        v.convertTo(integerType());
}

void step(Value& v, int64_t delta) {
    if (isInt(v))
        v.setInteger(wrapAdd(v.asInteger(), delta));
    else if (isFlt(v))
        v.setFloat(v.asFloat() + static_cast<double>(delta));
}

}  // namespace

Value& Value::preIncrement() {
    prepareStep(*this, true);
    step(*this, 1);
    return *this;
}

Value Value::postIncrement() {
    prepareStep(*this, true);
    Value old(*this);
    step(*this, 1);
    return old;
}

Value& Value::preDecrement() {
    prepareStep(*this, false);
    step(*this, -1);
    return *this;
}

Value Value::postDecrement() {
    prepareStep(*this, false);
    Value old(*this);
    step(*this, -1);
    return old;
}

void Value::compoundAssign(char op, const Value& operand) {
    Value result;
    switch (op) {
        case '%': result = modulo(operand); break;
        case '+': result = add(operand); break;
        case '-': result = subtract(operand); break;
        case '*': result = multiply(operand); break;
        case '/': result = divide(operand); break;
        case '.': result = concatenate(operand); break;
        case '&': result = bitAnd(operand); break;
        case '|': result = bitOr(operand); break;
        case '^': result = bitXor(operand); break;
        case '<': result = shiftLeft(operand); break;
        case '>': result = shiftRight(operand); break;
        default: break;  // not a compound operator: the unknown value
    }
    *this = std::move(result);
}

// ---------------------------------------------------------------------------
// Arrays.

namespace {

// Makes v an array (a non-array is converted, so a scalar becomes its
// element 0) that holds content.
ArrayMap& ensureArray(Value& v) {
    if (!isArr(v)) v.convertTo(arrayType());
    if (!v.data) v.data = arrayType()->newData();
    v.initialised = true;
    return *static_cast<ArrayMap*>(v.data);
}

}  // namespace

void Value::insertElement(const Value& key, const Value& element) {
    // Copies are taken before the receiver changes: either argument may be
    // the receiver itself or live inside it.
    auto owned = std::make_unique<Value>(element);
    Value keyCopy(key);
    ArrayMap& map = ensureArray(*this);
    auto it = map.lower_bound(keyCopy);
    if (it != map.end() && !map.key_comp()(keyCopy, it->first)) return;  // existing key wins
    map.emplace_hint(it, std::move(keyCopy), owned.get());
    owned.release();
}

Value* Value::element(const Value& key, bool create) {
    Value keyCopy(key);
    ArrayMap& map = ensureArray(*this);
    auto it = map.lower_bound(keyCopy);
    if (it != map.end() && !map.key_comp()(keyCopy, it->first)) return it->second;
    if (!create) return nullptr;
    auto fresh = std::make_unique<Value>();
    Value* result = fresh.get();
    map.emplace_hint(it, std::move(keyCopy), result);
    fresh.release();
    return result;
}

}  // namespace php
