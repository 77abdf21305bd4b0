// Variable occurrences inside a function: where their names are entered,
// how global and static turn reads into definitions, and what evaluating an
// index access or a variable variable reports.
#include <gtest/gtest.h>

#include <memory>

#include "diagnostics/Greska.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/SymbolTable.h"
#include "model/UtilFunkcija.h"
#include "nodes/base/TokenLeaf.h"
#include "nodes/GlobalKomanda.h"
#include "nodes/Identifikator.h"
#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/ListaDolara.h"
#include "nodes/ListaPromenljivih.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/ObicanSkalar.h"
#include "nodes/StaticDeklarator.h"
#include "nodes/Varijabla.h"
#include "tree/Start.h"

namespace php {
namespace {

Location at(int line) { return Location(line, 0, line, 0); }

class FunctionBody : public ParserBase, public UtilFunkcija {
public:
    FunctionBody() { function = new Funkcija("f", "t.php", 1); }
    ~FunctionBody() override { delete function; }
    void link() override {}
    void check() override {}
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}
};

// "$" repeated `dollars` times before `name`, with the given indexes.
NeobjektnaPromenljiva* variable(const char* name, int dollars = 1, std::vector<ParserBase*> indexes = {}) {
    ParserBase* list = new ListaDolara("$", at(3));
    for (int i = 1; i < dollars; ++i) list = new ListaDolara(list, "$", at(3));
    auto* access = new IndeksniPristup(new ImePromenljive(new Identifikator(name, at(3))));
    for (ParserBase* index : indexes) access = new IndeksniPristup(access, "[", at(3), index, "]", at(3));
    return new NeobjektnaPromenljiva(list, access);
}

class InFunction : public ::testing::Test {
protected:
    Start* root = nullptr;
    FunctionBody body;
    SymbolTable* local = nullptr;
    std::vector<std::unique_ptr<ParserBase>> owned;
    bool savedMode = false;

    void SetUp() override {
        reports();  // whatever an earlier suite in this process left
        savedMode = runState()->definitionsMode;
        runState()->definitionsMode = false;
        root = new Start(nullptr);
        root->fileName = "t.php";
        body.parent = root;
        body.fileName = "t.php";
        local = body.function->scope;
    }
    void TearDown() override {
        owned.clear();
        roots().clear();
        delete root;
        runState()->definitionsMode = savedMode;
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
    }
    // Places `node` in the function body and links it.
    template <class Node>
    Node* inside(Node* node) {
        node->parent = &body;
        node->fileName = "t.php";
        node->link();
        owned.emplace_back(node);
        return node;
    }
    std::vector<std::string> reports() {
        std::vector<std::string> out;
        for (Greska* g : semanticList()) out.push_back(g->render());
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
        return out;
    }
    static bool holds(const NameSet* set, SymbolTable* scope, const char* name) {
        return set && set->count(NameRecord(scope, name, "", 0, 0));
    }
};

TEST_F(InFunction, ReadsAreEnteredInTheScopeTheyLiveIn) {
    if (!globalBuiltinScope()->findVariable("_twBuiltin")) globalBuiltinScope()->addVariable("_twBuiltin", new Value());
    NeobjektnaPromenljiva* x = inside(variable("x"));
    x->check();
    ASSERT_TRUE(holds(x->pendingUses(), local, "x"));
    const NameRecord& read = *x->pendingUses()->begin();
    EXPECT_EQ(read.line, 3);
    EXPECT_EQ(read.file, "t.php");
    Value* entered = local->findVariable("x");
    ASSERT_NE(entered, nullptr);
    EXPECT_EQ(entered->line, 3);
    EXPECT_FALSE(entered->initialised);
    EXPECT_EQ(root->scope->findVariable("x"), nullptr);

    NeobjektnaPromenljiva* builtin = inside(variable("_twBuiltin"));
    builtin->check();
    EXPECT_TRUE(holds(builtin->pendingUses(), globalBuiltinScope(), "_twBuiltin"));
    EXPECT_EQ(local->findVariable("_twBuiltin"), nullptr);

    // "${'name'}" reads only what its expression reads.
    auto* braced = inside(new ImePromenljive("{", at(4), new ObicanSkalar("'name'", at(4)), "}", at(4)));
    braced->check();
    EXPECT_EQ(braced->pendingUses(), nullptr);
    EXPECT_EQ(local->findVariable("name"), nullptr);
    const std::vector<std::string> said = reports();
    EXPECT_TRUE(said.empty()) << said.front();
}

// A file-level node around a function declaration (an "if" holding it).
class Around : public TokenLeaf {};

TEST_F(InFunction, RemembersScopesWithoutCrossingAFunction) {
    Around around;
    around.parent = root;
    body.parent = &around;
    NeobjektnaPromenljiva* atFileLevel = variable("a");
    atFileLevel->parent = &around;
    atFileLevel->fileName = "t.php";
    atFileLevel->link();
    owned.emplace_back(atFileLevel);
    atFileLevel->check();
    EXPECT_TRUE(holds(atFileLevel->pendingUses(), root->scope, "a"));
    EXPECT_EQ(around.scopeAnchor, static_cast<ParserBase*>(root));

    NeobjektnaPromenljiva* inBody = inside(variable("a"));
    inBody->check();
    EXPECT_TRUE(holds(inBody->pendingUses(), local, "a"));
    NeobjektnaPromenljiva* again = inside(variable("b"));
    again->check();
    EXPECT_TRUE(holds(again->pendingUses(), local, "b"));
    EXPECT_EQ(root->scope->findVariable("b"), nullptr);
}

TEST_F(InFunction, GlobalAndStaticDeclareTheirNames) {
    auto* names = new ListaPromenljivih(new ListaPromenljivih(variable("db")), ",", at(3), variable("cfg"));
    auto* global = inside(new GlobalKomanda("global", at(3), names, nullptr));
    global->check();
    EXPECT_TRUE(holds(global->definitions(), local, "db"));
    EXPECT_TRUE(holds(global->definitions(), local, "cfg"));
    EXPECT_EQ(global->pendingUses(), nullptr);

    auto* initialised =
        inside(new StaticDeklarator(new Varijabla("$n", at(5)), "=", at(5), new ObicanSkalar("0", at(5))));
    initialised->check();
    EXPECT_TRUE(holds(initialised->definitions(), local, "n"));
    EXPECT_EQ(initialised->pendingUses(), nullptr);

    // "static $m;" defines $m too (its value is null).
    auto* bare = inside(new StaticDeklarator(new Varijabla("$m", at(6))));
    bare->check();
    EXPECT_TRUE(holds(bare->definitions(), local, "m"));
    EXPECT_EQ(bare->pendingUses(), nullptr);
    EXPECT_TRUE(reports().empty());
}

TEST_F(InFunction, EvaluatingAnUnknownIndexedVariable) {
    root->scope->addVariable("config", new Value());
    NeobjektnaPromenljiva* missingGlobal = inside(variable("config", 1, {new ObicanSkalar("'a'", at(3))}));
    missingGlobal->evaluate();
    EXPECT_EQ(reports(), std::vector<std::string>{
                             "t.php(3): Uninitialized variable 'config', or missing 'global' to refer to global "
                             "variable"});
    EXPECT_NE(local->findVariable("config"), nullptr);  // entered: the next evaluation is quiet
    missingGlobal->evaluate();
    EXPECT_TRUE(reports().empty());

    NeobjektnaPromenljiva* unknown = inside(variable("nowhere", 1, {new ObicanSkalar("0", at(3))}));
    unknown->evaluate();
    EXPECT_EQ(reports(), std::vector<std::string>{"t.php(3): Undeclared variable"});

    if (!globalBuiltinScope()->findVariable("_twBuiltin")) globalBuiltinScope()->addVariable("_twBuiltin", new Value());
    inside(variable("_twBuiltin", 1, {new ObicanSkalar("'k'", at(3))}))->evaluate();
    EXPECT_TRUE(reports().empty());
}

TEST_F(InFunction, EvaluatingElementsReadsACopy) {
    Value key, one;
    key.setInteger(1);
    one.setString("one");
    auto* rows = new Value();
    rows->makeArray();
    rows->insertElement(key, one);
    local->addVariable("rows", rows);

    Value found = inside(variable("rows", 1, {new ObicanSkalar("1", at(3))}))->evaluate();
    ASSERT_TRUE(found.isComputable());
    EXPECT_EQ(found.asString(), "one");
    Value absent = inside(variable("rows", 1, {new ObicanSkalar("2", at(3))}))->evaluate();
    EXPECT_FALSE(absent.isComputable());
    EXPECT_EQ(rows->arraySize(), 1u);  // the stored array gained no element
    Value appended = inside(variable("rows", 1, {nullptr}))->evaluate();
    EXPECT_FALSE(appended.isComputable());
    EXPECT_TRUE(reports().empty());
}

TEST_F(InFunction, EvaluatingVariableVariables) {
    auto* name = new Value();
    name->setString("target");
    local->addVariable("v", name);
    auto* target = new Value();
    target->setInteger(5);
    local->addVariable("target", target);
    Value five = inside(variable("v", 2))->evaluate();
    ASSERT_TRUE(five.isComputable());
    EXPECT_EQ(five.asInteger(), 5);

    auto* missing = new Value();
    missing->setString("gone");
    local->addVariable("w", missing);
    EXPECT_FALSE(inside(variable("w", 2))->evaluate().isComputable());
    EXPECT_EQ(reports(), std::vector<std::string>{"t.php(3): Undeclared variable"});

    // A name held only by the file is a missing "global".
    missing->setString("fileOnly");
    root->scope->addVariable("fileOnly", new Value());
    inside(variable("w", 2))->evaluate();
    EXPECT_EQ(reports(), std::vector<std::string>{"t.php(3): Uninitialized variable 'fileOnly', or missing "
                                                  "'global' to refer to global variable"});

    // An unknown value names nothing: no report.
    local->addVariable("u", new Value("t.php", 2));
    EXPECT_FALSE(inside(variable("u", 3))->evaluate().isComputable());
    EXPECT_TRUE(reports().empty());
}

}  // namespace
}  // namespace php
