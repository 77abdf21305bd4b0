#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/Type.h"
#include "model/Value.h"

using namespace php;

namespace {

Value I(int64_t v) {
    Value x;
    x.setInteger(v);
    return x;
}
Value F(double v) {
    Value x;
    x.setFloat(v);
    return x;
}
Value S(const std::string& v) {
    Value x;
    x.setString(v);
    return x;
}
Value B(bool v) {
    Value x;
    x.setBoolean(v);
    return x;
}
Value N() {
    Value x;
    x.resetToType(nullType());
    return x;
}
Value A(std::initializer_list<std::pair<Value, Value>> items) {
    Value x;
    x.makeArray();
    for (const auto& item : items) x.insertElement(item.first, item.second);
    return x;
}

bool isUnknown(const Value& v) { return v.type == nullptr && v.data == nullptr && v.initialised; }

::testing::AssertionResult isInt(const Value& v, int64_t expected) {
    if (v.type != integerType() || !v.initialised)
        return ::testing::AssertionFailure() << "not an initialised integer (type "
                                             << (v.type ? v.type->typeName : "none") << ")";
    if (v.asInteger() != expected) return ::testing::AssertionFailure() << v.asInteger() << " != " << expected;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult isFloat(const Value& v, double expected) {
    if (v.type != floatType() || !v.initialised)
        return ::testing::AssertionFailure() << "not an initialised float (type "
                                             << (v.type ? v.type->typeName : "none") << ")";
    if (v.asFloat() != expected) return ::testing::AssertionFailure() << v.asFloat() << " != " << expected;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult isBool(const Value& v, bool expected) {
    if (v.type != booleanType() || !v.initialised)
        return ::testing::AssertionFailure() << "not an initialised boolean (type "
                                             << (v.type ? v.type->typeName : "none") << ")";
    if (v.asBoolean() != expected) return ::testing::AssertionFailure() << "boolean is " << v.asBoolean();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult isString(const Value& v, const std::string& expected) {
    if (v.type != stringType() || !v.initialised)
        return ::testing::AssertionFailure() << "not an initialised string";
    if (v.asString() != expected) return ::testing::AssertionFailure() << "'" << v.asString() << "'";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(TypeSingletons, IdentityNamesAndPredicates) {
    EXPECT_EQ(integerType(), integerType());
    EXPECT_EQ(booleanType()->typeName, "boolean");
    EXPECT_EQ(integerType()->typeName, "integer");
    EXPECT_EQ(floatType()->typeName, "float");
    EXPECT_EQ(stringType()->typeName, "string");
    EXPECT_EQ(resourceType()->typeName, "resource");
    EXPECT_EQ(nullType()->typeName, "NULL");
    EXPECT_EQ(arrayType()->typeName, "array");
    EXPECT_TRUE(integerType()->isNumeric() && floatType()->isNumeric());
    EXPECT_FALSE(stringType()->isNumeric() || booleanType()->isNumeric());
    EXPECT_TRUE(resourceType()->isResource() && nullType()->isNull() && arrayType()->isArray());
    EXPECT_FALSE(arrayType()->isObject() || stringType()->isInteger());
    EXPECT_TRUE(floatType()->conformsTo(floatType()));
    EXPECT_FALSE(floatType()->conformsTo(integerType()));
}

TEST(ValueConstruction, ThreeForms) {
    Value unknown;
    EXPECT_TRUE(isUnknown(unknown));
    EXPECT_EQ(unknown.line, -1);
    EXPECT_FALSE(unknown.isComputable());

    Value placed("f.php", 12);
    EXPECT_FALSE(placed.initialised);
    EXPECT_EQ(placed.fileName, "f.php");
    EXPECT_EQ(placed.line, 12);
    EXPECT_EQ(placed.type, nullptr);

    Value blank = Value::blank();
    EXPECT_FALSE(blank.initialised);
    EXPECT_EQ(blank.type, nullptr);
    EXPECT_EQ(blank.line, -1);
}

TEST(ValueArithmetic, AddAndSubtractKeepFloatUnlessMixedWithNonNumeric) {
    EXPECT_TRUE(isFloat(I(3).add(I(4)), 7.0));
    EXPECT_TRUE(isInt(I(3).add(S("4")), 7));
    EXPECT_TRUE(isInt(S("4").add(I(3)), 7));
    EXPECT_TRUE(isInt(I(3).subtract(B(true)), 2));
    EXPECT_TRUE(isFloat(S("3").add(S("4")), 7.0));
    EXPECT_TRUE(isFloat(I(3).add(S("0.5")), 3.5));  // not integral
    EXPECT_TRUE(isFloat(F(1.5).add(S("1.5")), 3.0));
}

TEST(ValueArithmetic, MultiplyDivideModulo) {
    EXPECT_TRUE(isInt(I(3).multiply(I(4)), 12));
    EXPECT_TRUE(isFloat(I(3).multiply(S("4")), 12.0));
    EXPECT_TRUE(isInt(I(INT64_MAX).multiply(I(2)), -2));  // wraps
    EXPECT_TRUE(isFloat(I(7).divide(I(2)), 3.5));
    EXPECT_TRUE(isInt(I(8).divide(I(2)), 4));
    EXPECT_TRUE(isFloat(F(8).divide(I(2)), 4.0));
    EXPECT_TRUE(isUnknown(I(8).divide(I(0))));
    EXPECT_TRUE(isUnknown(I(8).divide(S("abc"))));
    EXPECT_TRUE(isInt(I(INT64_MIN).divide(I(-1)), INT64_MIN));  // no overflow trap
    EXPECT_TRUE(isUnknown(I(7).modulo(I(0))));
    EXPECT_TRUE(isUnknown(I(7).modulo(F(0.5))));  // right operand read as 0
    EXPECT_TRUE(isInt(I(-7).modulo(I(2)), -1));
    EXPECT_TRUE(isInt(I(7).modulo(I(-2)), 1));
    EXPECT_TRUE(isInt(F(7.5).modulo(I(2)), 1));
    EXPECT_TRUE(isInt(F(-7.5).modulo(I(2)), 0));
    EXPECT_TRUE(isInt(S("9").modulo(S("4")), 1));
    EXPECT_TRUE(isInt(I(INT64_MIN).modulo(I(-1)), 0));
}

TEST(ValueArithmetic, OperandsWithoutContentGiveUnknown) {
    Value placed("f.php", 1);
    EXPECT_TRUE(isUnknown(I(1).add(placed)));
    EXPECT_TRUE(isUnknown(Value().multiply(I(2))));
    EXPECT_TRUE(isUnknown(S("a").concatenate(Value::blank())));
    EXPECT_TRUE(isUnknown(I(1).equal(Value())));
    EXPECT_TRUE(isUnknown(Value().negate()));
}

TEST(ValueUnary, NegateAndPlus) {
    EXPECT_TRUE(isInt(I(5).negate(), -5));
    EXPECT_TRUE(isInt(I(INT64_MIN).negate(), INT64_MIN));
    EXPECT_TRUE(isFloat(F(2.5).negate(), -2.5));
    EXPECT_TRUE(isInt(S("3").negate(), -3));
    EXPECT_TRUE(isFloat(S("1.5").negate(), -1.5));
    EXPECT_TRUE(isFloat(S("1e300").negate(), -1e300));  // beyond 64 bits: stays float
    EXPECT_TRUE(isInt(B(true).unaryPlus(), 1));
    EXPECT_TRUE(isFloat(S("2.5").unaryPlus(), 2.5));
    Value named = I(2);
    named.text = "$x";
    EXPECT_EQ(named.negate().text, "-($x)");
}

TEST(ValueUnary, NotOperators) {
    EXPECT_TRUE(isString(S("A").bitNot(), std::string(1, '\xBE')));
    EXPECT_TRUE(isInt(I(0).bitNot(), -1));
    EXPECT_TRUE(isInt(F(1.9).bitNot(), -2));
    EXPECT_TRUE(isBool(Value("f", 1).logicalNot(), true));
    EXPECT_TRUE(isBool(Value().logicalNot(), true));
    EXPECT_TRUE(isBool(S("0").logicalNot(), true));
    EXPECT_TRUE(isBool(S("0.0").logicalNot(), false));
}

TEST(ValueBitwise, StringsAndIntegers) {
    Value r = S("abc").bitAnd(S("ab"));
    ASSERT_TRUE(isString(r, "ab"));
    EXPECT_TRUE(isString(S("a").bitXor(S("A")), std::string(1, ' ')));
    EXPECT_TRUE(isInt(S("12").bitOr(I(1)), 13));  // mixed: integers
    EXPECT_TRUE(isInt(I(6).bitAnd(F(3.7)), 2));
}

TEST(ValueBitwise, ShiftsUseLowEightBits) {
    EXPECT_TRUE(isInt(I(1).shiftLeft(I(64)), 0));
    EXPECT_TRUE(isInt(I(1).shiftLeft(I(63)), INT64_MIN));
    EXPECT_TRUE(isInt(I(1).shiftLeft(I(256 + 3)), 8));
    EXPECT_TRUE(isInt(I(-8).shiftRight(I(70)), -1));
    EXPECT_TRUE(isInt(I(8).shiftRight(I(70)), 0));
    EXPECT_TRUE(isInt(I(-8).shiftRight(I(1)), -4));
    EXPECT_TRUE(isInt(I(1).shiftLeft(I(-1)), 0));  // 255 after masking
    EXPECT_TRUE(isInt(S("3").shiftLeft(S("2")), 12));
}

TEST(ValueLogical, BooleansAndConcatenation) {
    EXPECT_TRUE(isBool(I(1).logicalAnd(S("0")), false));
    EXPECT_TRUE(isBool(I(0).logicalOr(S("x")), true));
    EXPECT_TRUE(isBool(I(1).logicalXor(I(2)), false));
    EXPECT_TRUE(isBool(I(1).logicalXor(I(0)), true));
    EXPECT_TRUE(isString(I(1).concatenate(F(1.5)), "11.5"));
    EXPECT_TRUE(isString(B(false).concatenate(N()), ""));
}

TEST(ValueConversion, ToString) {
    EXPECT_EQ(I(25).asString(), "25");
    EXPECT_EQ(I(-3).asString(), "-3");
    EXPECT_EQ(F(1.5).asString(), "1.5");
    EXPECT_EQ(F(1e20).asString(), "1e+20");
    EXPECT_EQ(F(0.1 + 0.2).asString(), "0.3");
    EXPECT_EQ(B(true).asString(), "1");
    EXPECT_EQ(B(false).asString(), "");
    EXPECT_EQ(A({}).asString(), "Array");
    EXPECT_EQ(N().asString(), "");
    Value res;
    res.resetToType(resourceType());
    EXPECT_EQ(res.asString(), "Object");
}

TEST(ValueConversion, ToInteger) {
    EXPECT_EQ(S("12abc").asInteger(), 12);
    EXPECT_EQ(S("abc").asInteger(), 0);
    EXPECT_EQ(S("  -42").asInteger(), -42);
    EXPECT_EQ(S("0x1A").asInteger(), 0);  // base 10 only
    EXPECT_EQ(S("99999999999").asInteger(), 2147483647);
    EXPECT_EQ(S("-99999999999").asInteger(), -2147483648LL);
    EXPECT_EQ(F(-1.5).asInteger(), -2);
    EXPECT_EQ(F(1.5).asInteger(), 1);
    EXPECT_EQ(F(1e300).asInteger(), INT64_MAX);
    EXPECT_EQ(F(-1e300).asInteger(), INT64_MIN);
    EXPECT_EQ(F(std::nan("")).asInteger(), 0);
    EXPECT_EQ(A({{I(0), I(5)}}).asInteger(), 1);
    EXPECT_EQ(A({}).asInteger(), 0);
    EXPECT_EQ(B(true).asInteger(), 1);
    EXPECT_EQ(N().asInteger(), 0);
}

TEST(ValueConversion, SaturatingLiteralReading) {
    EXPECT_EQ(saturatingLong("010", 8), 8);
    EXPECT_EQ(saturatingLong("1F", 16), 31);
    EXPECT_EQ(saturatingLong("2147483648", 10), 2147483647);
    EXPECT_EQ(saturatingLong("FFFFFFFFFFFFFFFFFFFF", 16), 2147483647);
    EXPECT_EQ(saturatingLong("-2147483649", 10), -2147483648LL);
    EXPECT_EQ(saturatingLong("1e3", 10), 1);
}

TEST(ValueConversion, ToFloatAndBoolean) {
    EXPECT_EQ(S("1.5e1xyz").asFloat(), 15.0);
    EXPECT_EQ(S("x").asFloat(), 0.0);
    EXPECT_EQ(I(-7).asFloat(), -7.0);
    EXPECT_FALSE(S("0").asBoolean());
    EXPECT_TRUE(S("0.0").asBoolean());
    EXPECT_FALSE(S("").asBoolean());
    EXPECT_TRUE(S(" ").asBoolean());
    EXPECT_FALSE(A({}).asBoolean());
    EXPECT_TRUE(A({{I(0), B(false)}}).asBoolean());
    EXPECT_TRUE(F(-0.1).asBoolean());
    EXPECT_FALSE(F(-0.0).asBoolean());
    EXPECT_FALSE(N().asBoolean());
}

TEST(ValueConversion, ToArrayAndConvertTo) {
    Value v = S("x");
    v.convertTo(arrayType());
    ASSERT_EQ(v.arraySize(), 1u);
    Value* e = v.element(I(0), false);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(isString(*e, "x"));
    EXPECT_EQ(N().arraySize(), 0u);
    EXPECT_EQ(I(3).arraySize(), 1u);

    // No storage: the target's default, and the initialised flag untouched.
    Value placed("f.php", 3);
    placed.convertTo(integerType());
    EXPECT_EQ(placed.type, integerType());
    EXPECT_FALSE(placed.initialised);
    EXPECT_EQ(placed.asInteger(), 0);

    // Converting to NULL or resource keeps no storage.
    Value n = I(5);
    n.convertTo(nullType());
    EXPECT_EQ(n.data, nullptr);
    n.convertTo(integerType());
    EXPECT_TRUE(isInt(n, 0));
}

TEST(ValueComparison, CasesInOrder) {
    EXPECT_TRUE(isBool(N().equal(S("")), true));        // string comparison
    EXPECT_TRUE(isBool(N().equal(I(0)), true));         // both read as boolean
    EXPECT_TRUE(isBool(S("abc").equal(I(0)), true));    // both read as float
    EXPECT_TRUE(isBool(S("1e1").equal(I(10)), true));
    EXPECT_TRUE(isBool(S("1e1").equal(S("10")), false)); // string comparison first
    EXPECT_TRUE(isBool(S("10").less(S("9")), true));
    EXPECT_TRUE(isBool(I(10).less(S("9")), false));
    EXPECT_TRUE(isBool(S("b").greater(S("abc")), true));
    EXPECT_TRUE(isBool(S("ab").less(S("abc")), true));
    EXPECT_TRUE(isBool(S("\xff").greater(S("a")), true));  // bytes compare unsigned
    EXPECT_TRUE(isBool(B(true).equal(S("x")), true));    // boolean case, not string
    EXPECT_TRUE(isBool(B(true).equal(I(5)), true));
    EXPECT_TRUE(isBool(B(false).lessOrEqual(A({})), true));
    EXPECT_TRUE(isBool(A({}).greater(I(1)), true));      // array on the left
    EXPECT_TRUE(isBool(A({}).equal(I(1)), false));
    EXPECT_TRUE(isUnknown(I(1).equal(A({}))));          // no case matches
    EXPECT_TRUE(isUnknown(I(0).equal(N())));
    EXPECT_TRUE(isBool(F(std::nan("")).equal(F(std::nan(""))), false));
    EXPECT_TRUE(isBool(F(std::nan("")).notEqual(I(1)), true));
}

TEST(ValueComparison, Arrays) {
    Value small = A({{I(0), I(1)}});
    Value big = A({{I(0), I(1)}, {I(1), I(2)}});
    EXPECT_TRUE(isBool(small.less(big), true));
    EXPECT_TRUE(isBool(small.greater(big), true));
    EXPECT_TRUE(isBool(small.equal(big), false));
    EXPECT_TRUE(isBool(A({}).less(A({})), true));
    EXPECT_TRUE(isBool(A({}).equal(A({})), true));

    // Keys match loosely, elements compare by the same rules.
    EXPECT_TRUE(isBool(A({{I(1), S("1")}}).equal(A({{S("1"), I(1)}})), true));
    EXPECT_TRUE(isBool(A({{I(1), I(1)}}).equal(A({{I(2), I(1)}})), false));
    EXPECT_TRUE(isBool(A({{I(0), I(1)}}).less(A({{I(0), I(2)}})), true));
    EXPECT_TRUE(isBool(A({{I(0), I(3)}}).less(A({{I(0), I(2)}})), false));
    EXPECT_TRUE(isBool(A({{I(0), I(1)}}).notEqual(A({{I(0), I(1)}})), false));
}

TEST(ValueComparison, Identity) {
    EXPECT_TRUE(isBool(I(1).identical(F(1.0)), false));
    EXPECT_TRUE(isBool(I(1).notIdentical(F(1.0)), true));
    EXPECT_TRUE(isBool(I(1).identical(I(1)), true));
    EXPECT_TRUE(isBool(S("1e1").identical(S("10")), false));
    EXPECT_TRUE(isBool(N().identical(N()), true));
    EXPECT_TRUE(isUnknown(I(1).identical(Value())));
}

TEST(ValueStep, IncrementAndDecrement) {
    Value n = N();
    EXPECT_TRUE(isInt(n.preIncrement(), 1));
    Value m = N();
    m.preDecrement();
    EXPECT_TRUE(m.type == nullType() && m.initialised);
    Value a = S("a");
    a.preIncrement();
    EXPECT_TRUE(isString(a, "a"));
    Value u("f", 1);
    EXPECT_TRUE(isInt(u.preDecrement(), -1));
    Value f = F(1.5);
    EXPECT_TRUE(isFloat(f.preIncrement(), 2.5));
    Value big = I(INT64_MAX);
    EXPECT_TRUE(isInt(big.preIncrement(), INT64_MIN));

    Value p = N();
    Value old = p.postIncrement();
    EXPECT_TRUE(isInt(old, 0));  // taken after the NULL conversion
    EXPECT_TRUE(isInt(p, 1));
    Value q = I(5);
    EXPECT_TRUE(isInt(q.postDecrement(), 5));
    EXPECT_TRUE(isInt(q, 4));
}

TEST(ValueAssignment, CompoundCopiesAllFieldsOfTheResult) {
    Value v = I(6);
    v.fileName = "f.php";
    v.line = 4;
    v.bindSymbol(nullptr, "x");
    v.compoundAssign('+', S("1"));
    EXPECT_TRUE(isInt(v, 7));
    EXPECT_EQ(v.fileName, "");
    EXPECT_EQ(v.line, -1);
    EXPECT_EQ(v.text, "");
    v.compoundAssign('<', I(2));
    EXPECT_TRUE(isInt(v, 28));
    v.compoundAssign('.', S("!"));
    EXPECT_TRUE(isString(v, "28!"));
    v.compoundAssign('/', I(0));
    EXPECT_TRUE(isUnknown(v));
}

TEST(ValueAssignment, AssignContentKeepsPlaceAndBinding) {
    Value target("a.php", 3);
    target.bindSymbol(reinterpret_cast<SymbolTable*>(&target), "x");
    Value source = S("v");
    source.fileName = "b.php";
    source.line = 9;
    source.text = "$y";
    target.assignContent(source);
    EXPECT_TRUE(isString(target, "v"));
    EXPECT_EQ(target.fileName, "a.php");
    EXPECT_EQ(target.line, 3);
    EXPECT_EQ(target.text, "$x");
    EXPECT_EQ(target.symbolName, "x");

    Value loose("c.php", 5);
    loose.assignContent(source);
    EXPECT_EQ(loose.text, "$y");
    EXPECT_EQ(loose.line, 5);
}

TEST(ValueArrays, OneKeyForOneOneFloatAndOneString) {
    Value a;
    a.makeArray();
    a.insertElement(I(1), S("first"));
    a.insertElement(F(1.0), S("second"));
    a.insertElement(S("1"), S("third"));
    a.insertElement(S("01"), S("fourth"));  // '01' == 1 as floats, too
    EXPECT_EQ(a.arraySize(), 1u);
    EXPECT_TRUE(isString(*a.element(S("1"), false), "first"));

    a.insertElement(S("a"), I(1));
    a.insertElement(S("b"), I(2));
    EXPECT_EQ(a.arraySize(), 3u);
    EXPECT_EQ(a.element(S("c"), false), nullptr);
    EXPECT_EQ(a.arraySize(), 3u);
    Value* created = a.element(S("c"), true);
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(isUnknown(*created));
    EXPECT_EQ(a.arraySize(), 4u);
    EXPECT_EQ(a.element(S("c"), true), created);

    // Loose key equality also joins 0 and a non-numeric string.
    Value z = A({{I(0), I(1)}});
    z.insertElement(S("k"), I(2));
    EXPECT_EQ(z.arraySize(), 1u);
}

TEST(ValueArrays, InsertConvertsAScalarReceiver) {
    Value v = I(7);
    v.insertElement(I(5), I(8));
    ASSERT_EQ(v.type, arrayType());
    EXPECT_EQ(v.arraySize(), 2u);
    EXPECT_TRUE(isInt(*v.element(I(0), false), 7));

    Value blank = Value::blank();
    blank.insertElement(I(0), I(1));
    EXPECT_TRUE(blank.isComputable());
    EXPECT_EQ(blank.arraySize(), 1u);

    // The receiver inserted into itself is copied as it was before.
    Value self = A({{I(0), I(1)}});
    self.insertElement(I(1), self);
    ASSERT_EQ(self.arraySize(), 2u);
    EXPECT_EQ(self.element(I(1), false)->arraySize(), 1u);
}

TEST(ValueArrays, CopiesAreIndependent) {
    Value nested = A({{I(0), I(1)}});
    Value outer = A({{S("n"), nested}});
    Value copy = outer;
    copy.element(S("n"), false)->insertElement(I(1), I(2));
    copy.insertElement(S("m"), I(3));
    EXPECT_EQ(outer.arraySize(), 1u);
    EXPECT_EQ(outer.element(S("n"), false)->arraySize(), 1u);
    EXPECT_EQ(copy.element(S("n"), false)->arraySize(), 2u);

    Value assigned;
    assigned = copy;
    copy = Value();
    EXPECT_EQ(assigned.arraySize(), 2u);
    assigned = assigned;  // self-assignment leaves it intact
    EXPECT_EQ(assigned.arraySize(), 2u);
    // Assigning an element of the array to the array itself.
    assigned = *assigned.element(S("n"), false);
    EXPECT_EQ(assigned.arraySize(), 2u);
    EXPECT_TRUE(isInt(*assigned.element(I(1), false), 2));
}

TEST(ValueTruth, IsTrue) {
    EXPECT_TRUE(B(true).isTrue());
    EXPECT_FALSE(S("0").isTrue());
    EXPECT_TRUE(F(0.5).isTrue());
    EXPECT_FALSE(Value().isTrue());
    Value typedButUnset("f", 1);
    typedButUnset.type = integerType();
    EXPECT_FALSE(typedButUnset.isTrue());
}
