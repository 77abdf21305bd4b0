// Every operator and cast class against its Value operation and static-type
// rule, the evaluation of long operator chains, instanceof and new.
#include <gtest/gtest.h>
#include <pthread.h>

#include <functional>
#include <memory>
#include <set>

#include "diagnostics/Greska.h"
#include "diagnostics/NepoznataKlasa.h"
#include "driver/RunState.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/ArrayCast.h"
#include "nodes/BitskiAnd.h"
#include "nodes/BitskiNot.h"
#include "nodes/BitskiOr.h"
#include "nodes/BitskiXor.h"
#include "nodes/BoolAnd.h"
#include "nodes/BoolCast.h"
#include "nodes/BoolOr.h"
#include "nodes/DekrementOperator.h"
#include "nodes/DoubleCast.h"
#include "nodes/Identicno.h"
#include "nodes/Identifikator.h"
#include "nodes/ImeKlase.h"
#include "nodes/InkrementOperator.h"
#include "nodes/Instanca.h"
#include "nodes/IntCast.h"
#include "nodes/Jednako.h"
#include "nodes/Konkatenacija.h"
#include "nodes/LogAnd.h"
#include "nodes/LogOr.h"
#include "nodes/LogXor.h"
#include "nodes/LogickiNot.h"
#include "nodes/Manje.h"
#include "nodes/ManjeJednako.h"
#include "nodes/Minus.h"
#include "nodes/Modul.h"
#include "nodes/NaredbaNew.h"
#include "nodes/Neidenticno.h"
#include "nodes/Nejednako.h"
#include "nodes/ObicanSkalar.h"
#include "nodes/Plus.h"
#include "nodes/Podeljeno.h"
#include "nodes/Puta.h"
#include "nodes/ShlOperator.h"
#include "nodes/ShrOperator.h"
#include "nodes/StringCast.h"
#include "nodes/UnarniMinus.h"
#include "nodes/UnarniPlus.h"
#include "nodes/UnsetCast.h"
#include "nodes/UpitnikOperator.h"
#include "nodes/Vece.h"
#include "nodes/VeceJednako.h"
#include "nodes/base/BinaryNode.h"
#include "nodes/base/Chains.h"
#include "tree/FlowState.h"
#include "expr_probe.h"

namespace php {
namespace {

using testing::at;
using testing::Probe;

ObicanSkalar* lit(const char* text) { return new ObicanSkalar(text, at(1)); }

Probe* valued(const Value& v, const std::string& tag = "probe",
              std::vector<std::string>* log = nullptr) {
    auto* p = new Probe(tag, log);
    p->result = v;
    return p;
}

template <class N>
ParserBase* binary(ParserBase* l, ParserBase* r) {
    return new N(l, "op", at(1), r);
}

// The readable form of a value: its type name and its content as a string.
std::string shown(const Value& v) {
    if (!v.type) return "unknown";
    return v.type->typeName + " " + v.asString();
}

struct BinaryRow {
    const char* name;
    std::function<ParserBase*(ParserBase*, ParserBase*)> make;
    const char* left;
    const char* right;
    Type* staticType;
    std::string value;
};

TEST(ExprFamilies, EachBinaryOperatorAppliesItsOperationAndTypeRule) {
    const std::vector<BinaryRow> rows = {
        {"+", binary<Plus>, "3", "4", integerType(), "float 7"},
        {"+ float", binary<Plus>, "3", "0.5", floatType(), "float 3.5"},
        {"-", binary<Minus>, "3", "'1'", integerType(), "integer 2"},
        {"*", binary<Puta>, "3", "4", integerType(), "integer 12"},
        {"/", binary<Podeljeno>, "7", "2", integerType(), "float 3.5"},
        {"%", binary<Modul>, "7.5", "2", integerType(), "integer 1"},
        {"<<", binary<ShlOperator>, "1", "3", integerType(), "integer 8"},
        {">>", binary<ShrOperator>, "16", "'2'", integerType(), "integer 4"},
        {"&", binary<BitskiAnd>, "6", "3", integerType(), "integer 2"},
        {"& strings", binary<BitskiAnd>, "'abc'", "'ab'", stringType(), "string ab"},
        {"|", binary<BitskiOr>, "6", "3", integerType(), "integer 7"},
        {"^", binary<BitskiXor>, "6", "'3'", integerType(), "integer 5"},
        {"&&", binary<BoolAnd>, "1", "0", booleanType(), "boolean "},
        {"and", binary<LogAnd>, "1", "'a'", booleanType(), "boolean 1"},
        {"||", binary<BoolOr>, "0", "''", booleanType(), "boolean "},
        {"or", binary<LogOr>, "0", "1", booleanType(), "boolean 1"},
        {"xor", binary<LogXor>, "1", "1", booleanType(), "boolean "},
        {"==", binary<Jednako>, "'1e1'", "10", booleanType(), "boolean 1"},
        {"!=", binary<Nejednako>, "1", "2", booleanType(), "boolean 1"},
        {"===", binary<Identicno>, "1", "1.0", booleanType(), "boolean "},
        {"!==", binary<Neidenticno>, "1", "1.0", booleanType(), "boolean 1"},
        {"<", binary<Manje>, "'10'", "'9'", booleanType(), "boolean 1"},
        {"<=", binary<ManjeJednako>, "2", "2", booleanType(), "boolean 1"},
        {">", binary<Vece>, "1", "2", booleanType(), "boolean "},
        {">=", binary<VeceJednako>, "1", "2", booleanType(), "boolean "},
        {".", binary<Konkatenacija>, "1", "2.5", stringType(), "string 12.5"},
    };
    std::set<int> kinds;
    for (const BinaryRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<ParserBase> node(row.make(lit(row.left), lit(row.right)));
        // The passes tell chain links by kind: every operator must be one.
        kinds.insert(node->kind());
        ParserBase* left = static_cast<BinaryNode*>(node.get())->left;
        ASSERT_NE(left, nullptr);
        EXPECT_EQ(chains::firstOperand(node.get()), left);
        node->fileName = "f.php";
        node->link();
        EXPECT_EQ(node->staticType, row.staticType);
        EXPECT_EQ(shown(node->evaluate()), row.value);
        EXPECT_EQ(shown(node->staticValue()), row.value);

        // A missing operand leaves the type null and the value unknown.
        std::unique_ptr<ParserBase> half(row.make(lit(row.left), nullptr));
        half->link();
        EXPECT_EQ(half->staticType, nullptr);
        EXPECT_EQ(shown(half->evaluate()), "unknown");
    }
    // No other kind passes for an operator: that cast would be unchecked.
    int binaryKinds = 0;
    for (int k = -1; k < 300; ++k) binaryKinds += BinaryNode::isBinaryKind(k) ? 1 : 0;
    EXPECT_EQ(kinds.size(), 24u);
    EXPECT_EQ(binaryKinds, 24);
    ObicanSkalar* condition = lit("1");
    UpitnikOperator conditional(condition, "?", at(1), lit("2"), ":", at(1), lit("3"));
    EXPECT_EQ(chains::firstOperand(&conditional), condition);
    std::unique_ptr<ParserBase> scalar(lit("1"));
    EXPECT_EQ(chains::firstOperand(scalar.get()), nullptr);
}

struct UnaryRow {
    const char* name;
    std::function<ParserBase*(ParserBase*)> make;
    const char* operand;
    Type* staticType;
    std::string value;
};

template <class Cast>
ParserBase* cast(ParserBase* x) {
    return new Cast("(", at(1), "type", at(1), ")", at(1), x);
}

template <class Op>
ParserBase* prefix(ParserBase* x) {
    return new Op("op", at(1), x);
}

TEST(ExprFamilies, EachUnaryOperatorAndCastAppliesItsOperationAndType) {
    const std::vector<UnaryRow> rows = {
        {"-", prefix<UnarniMinus>, "'5'", integerType(), "integer -5"},
        {"- float", prefix<UnarniMinus>, "1.5", floatType(), "float -1.5"},
        {"+", prefix<UnarniPlus>, "'2.5'", integerType(), "float 2.5"},
        {"~", prefix<BitskiNot>, "0", integerType(), "integer -1"},
        {"!", prefix<LogickiNot>, "0", booleanType(), "boolean 1"},
        {"++x", prefix<InkrementOperator>, "5", integerType(), "integer 6"},
        {"x++", [](ParserBase* x) { return new InkrementOperator(x, "++", at(1)); }, "5",
         integerType(), "integer 5"},
        {"--x", prefix<DekrementOperator>, "0.5", floatType(), "float -0.5"},
        {"x--", [](ParserBase* x) { return new DekrementOperator(x, "--", at(1)); }, "5",
         integerType(), "integer 5"},
        {"(int)", cast<IntCast>, "'12abc'", integerType(), "integer 12"},
        {"(float)", cast<DoubleCast>, "'1.5x'", floatType(), "float 1.5"},
        {"(string)", cast<StringCast>, "25", stringType(), "string 25"},
        {"(bool)", cast<BoolCast>, "'0'", booleanType(), "boolean "},
        {"(array)", cast<ArrayCast>, "1", arrayType(), "array Array"},
        {"(unset)", cast<UnsetCast>, "1", nullType(), "NULL "},
    };
    for (const UnaryRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<ParserBase> node(row.make(lit(row.operand)));
        node->fileName = "f.php";
        node->link();
        EXPECT_EQ(node->staticType, row.staticType);
        Value v = node->evaluate();
        EXPECT_EQ(shown(v), row.value);
        EXPECT_EQ(v.fileName, "f.php");
        EXPECT_EQ(shown(node->staticValue()), row.value);
    }
}

// ((a - b) . c) + d: all right operands, top down, then the leftmost one.
TEST(ExprFamilies, ChainsEvaluateRightOperandsTopDownThenTheLeftmost) {
    std::vector<std::string> log;
    auto num = [&](const char* tag, const char* text) {
        Value v;
        v.setString(text);
        return valued(v, tag, &log);
    };
    Plus top(new Konkatenacija(new Minus(num("a", "9"), "-", at(1), num("b", "4")), ".", at(2),
                               num("c", "1")),
             "+", at(3), num("d", "0.5"));
    top.fileName = "f.php";
    Value v = top.evaluate();
    EXPECT_EQ(log, (std::vector<std::string>{"d:evaluate", "c:evaluate", "b:evaluate", "a:evaluate"}));
    EXPECT_EQ(shown(v), "float 51.5");  // (9 - 4) . 1 is "51"
    EXPECT_EQ(v.line, 3);

    log.clear();
    EXPECT_EQ(shown(top.staticValue()), "float 51.5");
    EXPECT_EQ(log, (std::vector<std::string>{"d:static", "c:static", "b:static", "a:static"}));

    // A node missing an operand yields the unknown value and evaluates
    // nothing below it; the nodes above still apply their operation.
    log.clear();
    Konkatenacija gap(new Konkatenacija(num("a", "x"), ".", at(1), nullptr), ".", at(1),
                      num("c", "y"));
    EXPECT_EQ(shown(gap.evaluate()), "unknown");
    EXPECT_EQ(log, (std::vector<std::string>{"c:evaluate"}));
    log.clear();
    Jednako compared(new Minus(nullptr, "-", at(1), num("b", "1")), "==", at(1), num("c", "1"));
    EXPECT_EQ(shown(compared.evaluate()), "unknown");
    EXPECT_EQ(log, (std::vector<std::string>{"c:evaluate"}));
}

// Appending in place gives what pairwise concatenation gives, and the
// result is a fresh value: nothing of a variable operand's identity stays.
TEST(ExprFamilies, ConcatenationChainsBuildFreshValues) {
    Value named;
    named.setInteger(7);
    named.text = "$n";
    named.symbolName = "n";
    named.fileName = "other.php";
    Value flag;
    flag.setBoolean(true);
    Konkatenacija chain(new Konkatenacija(new Konkatenacija(valued(named), ".", at(1), lit("1.5")),
                                          ".", at(1), valued(flag)),
                        ".", at(4), lit("'z'"));
    chain.fileName = "f.php";
    Value v = chain.evaluate();
    EXPECT_EQ(shown(v), "string 71.51z");
    EXPECT_EQ(v.text, "");
    EXPECT_EQ(v.symbolName, "");
    EXPECT_EQ(v.fileName, "f.php");
    EXPECT_EQ(v.line, 4);
    EXPECT_TRUE(v.initialised);

    Konkatenacija withUnknown(new Konkatenacija(lit("'a'"), ".", at(1), valued(Value::blank())),
                              ".", at(1), lit("'b'"));
    EXPECT_EQ(shown(withUnknown.evaluate()), "unknown");
}

struct ChainRun {
    size_t length = 0;
    bool flowBuilt = false;
};

// Builds, links (with flow), checks, evaluates and frees a chain of 200,000
// operands on a thread whose stack holds only a few hundred bytes per
// operand would it recurse: the walks along the chain must not.
void* runLongChain(void* out) {
    auto* run = static_cast<ChainRun*>(out);
    ParserBase* chain = lit("'a'");
    for (int i = 1; i < 200000; ++i) chain = new Konkatenacija(chain, ".", at(1), lit("'a'"));
    runState()->definitionsMode = false;
    chain->fileName = "f.php";
    chain->link();
    chain->computeFlow();
    runState()->definitionsMode = true;
    chain->check();
    run->length = chain->evaluate().asString().size();
    FlowState* flow = chain->flowState();
    run->flowBuilt = flow && !flow->successors.empty();
    if (flow) {
        flow->destroyGraph();
        delete flow;
    }
    delete chain;
    return nullptr;
}

TEST(ExprFamilies, LongChainsRunOnASmallStack) {
    ChainRun run;
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 1 << 20);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attr, runLongChain, &run), 0);
    pthread_join(thread, nullptr);
    EXPECT_EQ(run.length, 200000u);
    EXPECT_TRUE(run.flowBuilt);
}

class ExprClassLookup : public ::testing::Test {
protected:
    Klasa shop{"f.php", 1, "ExprShop"};
    Klasa sale{"f.php", 2, "ExprSale"};
    Klasa priced{"f.php", 3, "ExprPriced"};

    void SetUp() override {
        sale.parent = &shop;
        shop.interfaces.push_back(&priced);
        for (Klasa* k : {&shop, &sale, &priced}) globalBuiltinScope()->addClass(k->typeName, k);
        semanticList().clear();
    }
    void TearDown() override {
        for (Klasa* k : {&shop, &sale, &priced}) globalBuiltinScope()->classes.erase(toLower(k->typeName));
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
    }
    static ParserBase* named(const char* name) { return new ImeKlase(new Identifikator(name, at(1))); }
    static Probe* object(Klasa* k) {
        Value v("f.php", 1);
        v.type = k;
        return valued(v);
    }
    static Value instanceOf(ParserBase* subject, ParserBase* classRef) {
        Instanca node(subject, "instanceof", at(5), classRef);
        node.fileName = "f.php";
        node.link();
        EXPECT_EQ(node.staticType, booleanType());
        return node.evaluate();
    }
};

TEST_F(ExprClassLookup, InstanceofDecidesByConformanceWhenTheSubjectsTypeIsKnown) {
    EXPECT_EQ(shown(instanceOf(object(&sale), named("exprshop"))), "boolean 1");
    EXPECT_EQ(shown(instanceOf(object(&sale), named("ExprPriced"))), "boolean 1");
    EXPECT_EQ(shown(instanceOf(object(&shop), named("ExprSale"))), "boolean ");
    Value text;
    text.setString("x");
    EXPECT_EQ(shown(instanceOf(valued(text), named("ExprShop"))), "boolean ");
    // An untyped subject is handed on as it is.
    Value untyped("g.php", 8);
    Value v = instanceOf(valued(untyped), named("ExprShop"));
    EXPECT_FALSE(v.type);
    EXPECT_EQ(v.fileName, "g.php");
    EXPECT_TRUE(semanticList().empty());
}

TEST_F(ExprClassLookup, InstanceofReportsAnUnknownClassButNotADynamicName) {
    EXPECT_EQ(shown(instanceOf(object(&shop), named("ExprMissing"))), "unknown");
    ASSERT_EQ(semanticList().size(), 1u);
    EXPECT_EQ(semanticList()[0]->render(), greske::NepoznataKlasa("ExprMissing", "f.php", 5).render());

    EXPECT_EQ(shown(instanceOf(object(&shop), new Probe())), "unknown");
    EXPECT_EQ(shown(instanceOf(nullptr, named("ExprMissing"))), "unknown");
    EXPECT_EQ(semanticList().size(), 1u);
}

TEST_F(ExprClassLookup, NewTakesTheClassItNamesAsItsType) {
    NaredbaNew known("new", at(1), named("exprsale"), nullptr);
    known.fileName = "f.php";
    known.link();
    EXPECT_EQ(known.staticType, &sale);
    EXPECT_EQ(known.staticValue().type, &sale);
    EXPECT_FALSE(known.evaluate().type);

    NaredbaNew unknown("new", at(1), named("ExprMissing"), nullptr);
    unknown.link();
    EXPECT_EQ(unknown.staticType, nullptr);
    NaredbaNew dynamic("new", at(1), new Probe(), nullptr);
    dynamic.link();
    EXPECT_EQ(dynamic.staticType, nullptr);
}

TEST(ExprFamilies, ConditionalWithAnUnknownConditionDecidesNothing) {
    UpitnikOperator unknown(valued(Value()), "?", at(1), lit("1"), ":", at(1), lit("2"));
    EXPECT_EQ(shown(unknown.evaluate()), "unknown");
    UpitnikOperator blank(valued(Value::blank()), "?", at(1), lit("1"), ":", at(1), lit("2"));
    EXPECT_EQ(shown(blank.staticValue()), "unknown");
    UpitnikOperator known(lit("'a'"), "?", at(1), lit("1"), ":", at(1), lit("2"));
    EXPECT_EQ(shown(known.staticValue()), "integer 1");
}

}  // namespace
}  // namespace php
