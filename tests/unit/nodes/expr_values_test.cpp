// Static types and values of the expression nodes, computed through the real
// Value operations.
#include <gtest/gtest.h>

#include <memory>

#include "driver/RunState.h"
#include "model/Klasa.h"
#include "nodes/BitskiAnd.h"
#include "nodes/BitskiNot.h"
#include "nodes/BoolCast.h"
#include "nodes/ArrayCast.h"
#include "nodes/DefinicijaMetoda.h"
#include "nodes/DefinicijaNiza.h"
#include "nodes/DeklaracijaFunkcije.h"
#include "nodes/DeklaracijaInterfejsa.h"
#include "nodes/DeklaracijaKlase.h"
#include "nodes/DekrementOperator.h"
#include "nodes/GlavaFunkcije.h"
#include "nodes/Identifikator.h"
#include "nodes/Include.h"
#include "nodes/InkrementOperator.h"
#include "nodes/IntCast.h"
#include "nodes/IsEmpty.h"
#include "nodes/Konkatenacija.h"
#include "nodes/Manje.h"
#include "nodes/Minus.h"
#include "nodes/Modul.h"
#include "nodes/NaredbaDodele.h"
#include "nodes/ObicanSkalar.h"
#include "nodes/ObjectCast.h"
#include "nodes/Plus.h"
#include "nodes/Podeljeno.h"
#include "nodes/Print.h"
#include "nodes/Puta.h"
#include "nodes/StatickiNiz.h"
#include "nodes/StatickiSkalar.h"
#include "nodes/StringCast.h"
#include "nodes/UnarniMinus.h"
#include "nodes/UnsetCast.h"
#include "nodes/UpitnikOperator.h"
#include "tree/FlowState.h"
#include "tree/FlowWanted.h"
#include "expr_probe.h"

namespace php {
namespace {

using testing::at;
using testing::Probe;

ObicanSkalar* lit(const char* text, int32_t line = 1) { return new ObicanSkalar(text, at(line)); }

// Links a node as the child of nothing, in file "f.php".
template <class N>
N& linked(N& node) {
    node.fileName = "f.php";
    node.link();
    return node;
}

Probe* valued(const Value& v, const std::string& tag = "probe",
              std::vector<std::string>* log = nullptr) {
    auto* p = new Probe(tag, log);
    p->result = v;
    return p;
}

Value integer(int64_t i) {
    Value v;
    v.setInteger(i);
    return v;
}

TEST(ExprValues, LiteralsAreReadFromTheTokenText) {
    struct Case {
        const char* text;
        Type* type;
        int64_t integer;
    };
    for (const Case& c : std::vector<Case>{{"12", integerType(), 12},
                                           {"010", integerType(), 8},
                                           {"0x1F", integerType(), 31},
                                           {"0X1f", integerType(), 31},
                                           {"1e3", integerType(), 1},
                                           {"09", integerType(), 0},
                                           {"2147483648", integerType(), 2147483647},
                                           {"0xFFFFFFFFFF", integerType(), 2147483647},
                                           {"99999999999999999999999", integerType(), 2147483647}}) {
        SCOPED_TRACE(c.text);
        ObicanSkalar node(c.text, at(1));
        Value v = node.evaluate();
        ASSERT_EQ(v.type, c.type);
        EXPECT_EQ(v.asInteger(), c.integer);
    }
    ObicanSkalar real("1.5", at(1));
    EXPECT_EQ(real.evaluate().type, floatType());
    EXPECT_DOUBLE_EQ(real.evaluate().asFloat(), 1.5);

    // Quotes are stripped; what lies between them is kept as written.
    ObicanSkalar single("'a\\n$b'", at(1));
    EXPECT_EQ(single.evaluate().asString(), "a\\n$b");
    ObicanSkalar dbl("\"1.5\"", at(1));
    EXPECT_EQ(dbl.evaluate().type, stringType());
    EXPECT_EQ(dbl.evaluate().asString(), "1.5");

    ObicanSkalar line("__LINE__", at(42));
    EXPECT_EQ(line.evaluate().type, integerType());
    EXPECT_EQ(line.evaluate().asInteger(), 42);

    // Placed at its line, and in no file until linked.
    EXPECT_EQ(real.evaluate().line, 1);
    EXPECT_TRUE(real.evaluate().fileName.empty());
    linked(real);
    EXPECT_EQ(real.staticType, floatType());
    EXPECT_EQ(real.staticValue().fileName, "f.php");
}

// Hangs a magic constant below `parent` and links it in file "m.php".
std::string magicBelow(const char* text, ParserBase* parent) {
    ObicanSkalar node(text, at(1));
    node.parent = parent;
    node.fileName = "m.php";
    node.link();
    EXPECT_EQ(node.staticType, stringType());
    return node.evaluate().asString();
}

GlavaFunkcije* header(const char* name) {
    return new GlavaFunkcije("function", at(1), nullptr, new Identifikator(name, at(1)), "(", at(1),
                             nullptr, ")", at(1));
}

TEST(ExprValues, MagicConstantsNameTheirFileAndEnclosingDeclarations) {
    DeklaracijaKlase klass(nullptr, "class", at(1), new Identifikator("Shop", at(1)), nullptr,
                           nullptr, "{", at(1), nullptr, "}", at(1));
    DefinicijaMetoda method(nullptr, nullptr, nullptr, header("pay"), nullptr);
    method.parent = &klass;
    Probe statement;
    statement.parent = &method;

    EXPECT_EQ(magicBelow("__FILE__", &statement), "m.php");
    EXPECT_EQ(magicBelow("__CLASS__", &statement), "Shop");
    EXPECT_EQ(magicBelow("__METHOD__", &statement), "pay");
    EXPECT_EQ(magicBelow("__FUNCTION__", &statement), "");  // a method is no function
    EXPECT_EQ(magicBelow("__function__", &statement), "");

    DeklaracijaFunkcije function(header("helper"), nullptr);
    EXPECT_EQ(magicBelow("__FUNCTION__", &function), "helper");
    EXPECT_EQ(magicBelow("__Function__", &function), "helper");
    EXPECT_EQ(magicBelow("__CLASS__", &function), "");
    EXPECT_EQ(magicBelow("__METHOD__", &function), "");

    DeklaracijaInterfejsa iface("interface", at(1), new Identifikator("Payable", at(1)), nullptr,
                                "{", at(1), nullptr, "}", at(1));
    EXPECT_EQ(magicBelow("__CLASS__", &iface), "Payable");
    EXPECT_EQ(magicBelow("__CLASS__", nullptr), "");
}

TEST(ExprValues, StaticTypesFollowTheOperands) {
    Plus ints(lit("1"), "+", at(1), lit("2"));
    EXPECT_EQ(linked(ints).staticType, integerType());
    Minus mixed(lit("1"), "-", at(1), lit("2.5"));
    EXPECT_EQ(linked(mixed).staticType, floatType());
    Puta missing(lit("1"), "*", at(1), nullptr);
    EXPECT_EQ(linked(missing).staticType, nullptr);
    Modul mod(lit("1.5"), "%", at(1), lit("2.5"));
    EXPECT_EQ(linked(mod).staticType, integerType());

    BitskiAnd strings(lit("'a'"), "&", at(1), lit("'b'"));
    EXPECT_EQ(linked(strings).staticType, stringType());
    BitskiAnd stringAndInt(lit("'a'"), "&", at(1), lit("1"));
    EXPECT_EQ(linked(stringAndInt).staticType, integerType());
    BitskiNot notString("~", at(1), lit("'a'"));
    EXPECT_EQ(linked(notString).staticType, stringType());
    UnarniMinus negFloat("-", at(1), lit("1.5"));
    EXPECT_EQ(linked(negFloat).staticType, floatType());
    UnarniMinus negString("-", at(1), lit("'1.5'"));
    EXPECT_EQ(linked(negString).staticType, integerType());
    DekrementOperator dec("--", at(1), lit("0.5"));
    EXPECT_EQ(linked(dec).staticType, floatType());
    Konkatenacija cat(lit("1"), ".", at(1), lit("2"));
    EXPECT_EQ(linked(cat).staticType, stringType());
    Manje less(lit("1"), "<", at(1), lit("2"));
    EXPECT_EQ(linked(less).staticType, booleanType());

    UnsetCast unset("(", at(1), "unset", at(1), ")", at(1), lit("1"));
    EXPECT_EQ(linked(unset).staticType, nullType());
    ObjectCast ofInt("(", at(1), "object", at(1), ")", at(1), lit("1"));
    EXPECT_EQ(linked(ofInt).staticType, nullptr);
    Klasa shop("f.php", 1, "Shop");
    auto* object = new Probe();
    object->presetType = &shop;
    ObjectCast ofObject("(", at(1), "object", at(1), ")", at(1), object);
    EXPECT_EQ(linked(ofObject).staticType, &shop);
    EXPECT_FALSE(ofObject.evaluate().type);

    StatickiSkalar signedFloat("-", at(1), lit("1.5"));
    EXPECT_EQ(linked(signedFloat).staticType, floatType());
    StatickiSkalar signedString("+", at(1), lit("'x'"));
    EXPECT_EQ(linked(signedString).staticType, integerType());

    NaredbaDodele assign(new Probe(), "=", at(1), new Plus(lit("1"), "+", at(1), lit("2.0")));
    EXPECT_EQ(linked(assign).staticType, floatType());
    Include include("include", at(1), lit("'a.php'"));
    EXPECT_EQ(linked(include).staticType, integerType());
    EXPECT_TRUE(include.isCallLike());
    EXPECT_FALSE(include.evaluate().type);
}

TEST(ExprValues, BinaryOperatorsEvaluateTheRightOperandFirst) {
    std::vector<std::string> log;
    Plus plus(valued(integer(3), "left", &log), "+", at(9), valued(integer(4), "right", &log));
    plus.fileName = "o.php";
    Value sum = plus.evaluate();
    EXPECT_EQ(log, (std::vector<std::string>{"right:evaluate", "left:evaluate"}));
    EXPECT_EQ(sum.type, floatType());  // two integers add up to a float
    EXPECT_DOUBLE_EQ(sum.asFloat(), 7.0);
    EXPECT_EQ(sum.fileName, "o.php");
    EXPECT_EQ(sum.line, 9);

    log.clear();
    Minus minus(valued(integer(10), "left", &log), "-", at(1), valued(integer(4), "right", &log));
    EXPECT_DOUBLE_EQ(minus.staticValue().asFloat(), 6.0);
    EXPECT_EQ(log, (std::vector<std::string>{"right:static", "left:static"}));

    Minus noLeft(nullptr, "-", at(1), lit("1"));
    EXPECT_FALSE(noLeft.evaluate().type);
}

TEST(ExprValues, OperatorsFoldLiterals) {
    Puta product(lit("3"), "*", at(1), lit("4"));
    EXPECT_EQ(product.evaluate().type, integerType());
    EXPECT_EQ(product.evaluate().asInteger(), 12);
    Podeljeno exact(lit("010"), "/", at(1), lit("2"));
    EXPECT_EQ(exact.evaluate().type, integerType());
    EXPECT_EQ(exact.evaluate().asInteger(), 4);
    Podeljeno byZero(lit("8"), "/", at(1), lit("0"));
    EXPECT_FALSE(byZero.evaluate().type);
    Konkatenacija cat(lit("'ab'"), ".", at(1), lit("0x1F"));
    EXPECT_EQ(cat.evaluate().asString(), "ab31");
    Manje strings(lit("'10'"), "<", at(1), lit("'9'"));
    EXPECT_TRUE(strings.evaluate().asBoolean());
    Manje numbers(lit("10"), "<", at(1), lit("'9'"));
    EXPECT_EQ(numbers.evaluate().type, booleanType());
    EXPECT_FALSE(numbers.evaluate().asBoolean());

    UnarniMinus neg("-", at(1), lit("'5'"));
    EXPECT_EQ(neg.evaluate().type, integerType());
    EXPECT_EQ(neg.evaluate().asInteger(), -5);

    // The sign of a constant scalar shows only in its static value.
    StatickiSkalar minusFive("-", at(1), lit("5"));
    EXPECT_EQ(minusFive.staticValue().asInteger(), -5);
    EXPECT_EQ(minusFive.evaluate().asInteger(), 5);
}

TEST(ExprValues, CastsConvertAndKeepUnknownOperandsTyped) {
    IntCast toInt("(", at(1), "int", at(1), ")", at(1), lit("'12abc'"));
    EXPECT_EQ(toInt.evaluate().type, integerType());
    EXPECT_EQ(toInt.evaluate().asInteger(), 12);
    StringCast toString("(", at(1), "string", at(1), ")", at(1), lit("1.5"));
    EXPECT_EQ(toString.evaluate().asString(), "1.5");
    BoolCast zero("(", at(1), "bool", at(1), ")", at(1), lit("'0'"));
    EXPECT_EQ(zero.evaluate().type, booleanType());
    EXPECT_FALSE(zero.evaluate().asBoolean());
    ArrayCast wrap("(", at(1), "array", at(1), ")", at(1), lit("1"));
    EXPECT_EQ(wrap.staticValue().arraySize(), 1u);
    UnsetCast unset("(", at(1), "unset", at(1), ")", at(1), lit("1"));
    EXPECT_EQ(unset.evaluate().type, nullType());

    // An operand of unknown value yields the target's default content.
    IntCast unknown("(", at(1), "int", at(1), ")", at(1), valued(Value()));
    Value v = unknown.evaluate();
    EXPECT_TRUE(v.isComputable());
    EXPECT_EQ(v.asInteger(), 0);
}

TEST(ExprValues, IncrementWorksOnACopyOfItsOperand) {
    auto* five = lit("5");
    InkrementOperator post(five, "++", at(1));
    EXPECT_EQ(post.evaluate().asInteger(), 5);
    InkrementOperator pre("++", at(1), lit("5"));
    EXPECT_EQ(pre.evaluate().asInteger(), 6);
    EXPECT_EQ(five->evaluate().asInteger(), 5);
    DekrementOperator preDec("--", at(1), lit("5"));
    EXPECT_EQ(preDec.evaluate().asInteger(), 4);
}

TEST(ExprValues, EmptyCountsUnknownZeroAndEmptyValuesAsEmpty) {
    auto empty = [](ParserBase* operand) {
        IsEmpty node("empty", at(1), "(", at(1), operand, ")", at(1));
        Value v = node.evaluate();
        EXPECT_EQ(v.type, booleanType());
        return v.asBoolean();
    };
    EXPECT_TRUE(empty(lit("'0'")));
    EXPECT_TRUE(empty(lit("''")));
    EXPECT_TRUE(empty(lit("0")));
    EXPECT_TRUE(empty(valued(Value())));
    EXPECT_TRUE(empty(valued(Value::blank())));
    Klasa shop("f.php", 1, "Shop");
    Value object("f.php", 1);  // typed, but never given a content
    object.type = &shop;
    EXPECT_TRUE(empty(valued(object)));
    object.initialised = true;
    EXPECT_FALSE(empty(valued(object)));
    EXPECT_TRUE(empty(new StatickiNiz("array", at(1), "(", at(1), ")", at(1))));
    EXPECT_FALSE(empty(lit("'a'")));
    EXPECT_FALSE(empty(lit("'0.0'")));
    EXPECT_FALSE(empty(lit("1")));
    Value one;
    one.setInteger(1);
    Value full;
    full.insertElement(integer(0), one);
    EXPECT_FALSE(empty(valued(full)));
}

TEST(ExprValues, SimpleExpressionValues) {
    Print print("print", at(3), lit("'x'"));
    EXPECT_EQ(print.evaluate().asInteger(), 1);
    EXPECT_EQ(print.staticValue().type, integerType());

    DefinicijaNiza array("array", at(1), "(", at(1), ")", at(1));
    EXPECT_FALSE(array.evaluate().type);
    EXPECT_EQ(array.staticValue().type, arrayType());
    EXPECT_EQ(array.staticValue().arraySize(), 0u);

    UpitnikOperator pick(lit("0"), "?", at(1), lit("'then'"), ":", at(1), lit("'else'"));
    EXPECT_EQ(pick.evaluate().asString(), "else");
    UpitnikOperator missing(lit("1"), "?", at(1), nullptr, ":", at(1), lit("'else'"));
    EXPECT_FALSE(missing.evaluate().type);

    NaredbaDodele append(valued(integer(5)), ".=", at(1), lit("'x'"));
    EXPECT_EQ(append.evaluate().asString(), "5x");
    NaredbaDodele plain(valued(integer(5)), "=", at(1), lit("'x'"));
    EXPECT_EQ(plain.evaluate().asInteger(), 5);  // the target's value
}

TEST(ExprValues, ConditionalBranchesAtTheLeavesOfItsCondition) {
    runState()->definitionsMode = false;
    auto* condition = lit("1");
    auto* then = lit("2");
    auto* otherwise = lit("3");
    UpitnikOperator pick(condition, "?", at(1), then, ":", at(1), otherwise);
    FlowWanted inBody(true);
    linked(pick);
    pick.computeFlow();
    runState()->definitionsMode = true;

    FlowState* start = pick.flowState();
    ASSERT_EQ(start, condition->flowState());
    ASSERT_FALSE(start->successors.empty());
    EXPECT_EQ(FlowSet(start->successors.begin(), start->successors.end()), (FlowSet{then->flowState(), otherwise->flowState()}));
    start->destroyGraph();
    delete start;
}

}  // namespace
}  // namespace php
