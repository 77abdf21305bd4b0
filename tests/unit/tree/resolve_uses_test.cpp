// Resolving reads: indexing checks against the reaching definition's type,
// and what a read without a definition reports inside and outside functions.
#include <gtest/gtest.h>

#include <memory>

#include "diagnostics/Greska.h"
#include "diagnostics/NeupotrebljenaPromenljiva.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "model/Type.h"
#include "model/UtilFunkcija.h"
#include "tree/ParserBase.h"
#include "tree/Start.h"

using namespace php;

namespace {

class Leaf : public ParserBase {
public:
    explicit Leaf(int line = 1) : ParserBase(line, 0, line, 0) {}
    void link() override {}
    void check() override {}
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}
};

// A function body whose Funkcija owns the local scope.
class FunctionBody : public Leaf, public UtilFunkcija {
public:
    FunctionBody() { function = new Funkcija("f", "f.php", 1); }
    ~FunctionBody() override { delete function; }
};

class ResolveReads : public ::testing::Test {
protected:
    SymbolTable scope;
    Leaf definer{1};
    Leaf reader{7};
    Leaf use{7};

    bool savedMode = false;

    void SetUp() override {
        savedMode = runState()->definitionsMode;
        runState()->definitionsMode = false;
        reader.fileName = "f.php";
        reader.addPredecessor(&definer);
    }
    void TearDown() override {
        runState()->definitionsMode = savedMode;
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
        roots().clear();
    }
    // Resolves one read of $v indexed `depth` times whose definition has `type`.
    std::vector<std::string> indexing(Type* type, int depth) {
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
        delete definer.definitions();
        definer.definitionsSlot() = nullptr;
        delete use.pendingUses();
        use.pendingUsesSlot() = nullptr;
        NameRecord def(&scope, "v", "f.php", 1, 0, 1, type);
        definer.addDefinition(def);
        NameRecord read(&scope, "v", "f.php", 7, 0);
        read.indexDepth = depth;
        use.addPendingUse(read);
        reader.resolveUses(&use);
        std::vector<std::string> out;
        for (Greska* g : semanticList()) out.push_back(g->render());
        return out;
    }
};

const std::vector<std::string> notArray{"f.php(7): 'v' is not array nor implements ArrayAccess"};

TEST_F(ResolveReads, IndexingBuiltinTypes) {
    struct Row {
        Type* type;
        int depth;
        bool reported;
    } rows[] = {
        {stringType(), 1, false}, {stringType(), 2, true},  {integerType(), 1, true}, {floatType(), 1, true},
        {booleanType(), 1, true}, {arrayType(), 3, false},  {nullptr, 2, false},      {nullType(), 1, false},
        {integerType(), 0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.type ? r.type->typeName : "unknown") + " depth " + std::to_string(r.depth));
        EXPECT_EQ(indexing(r.type, r.depth), r.reported ? notArray : std::vector<std::string>{});
    }
}

TEST_F(ResolveReads, IndexingObjectsNeedsArrayAccessSomewhereUpTheChain) {
    Klasa arrayAccess("", 0, "ArrayAccess");
    arrayAccess.isInterface = true;
    Klasa collection("f.php", 1, "Collection");  // interface Collection extends ArrayAccess
    collection.isInterface = true;
    collection.interfaces.push_back(&arrayAccess);
    Klasa base("f.php", 2, "Base");
    base.interfaces.push_back(&arrayAccess);
    Klasa child("f.php", 3, "Child");
    child.parent = &base;
    Klasa grandChild("f.php", 4, "GrandChild");
    grandChild.parent = &child;
    Klasa viaInterface("f.php", 5, "Rows");
    viaInterface.interfaces.push_back(&collection);
    Klasa plain("f.php", 6, "Plain");
    plain.parent = &plain;  // class Plain extends Plain: the walk must end
    Klasa a("f.php", 7, "A"), b("f.php", 8, "B");
    a.parent = &b;
    b.parent = &a;
    a.interfaces.push_back(&a);

    EXPECT_TRUE(indexing(&grandChild, 1).empty());
    EXPECT_TRUE(indexing(&child, 2).empty());
    EXPECT_TRUE(indexing(&viaInterface, 1).empty());
    EXPECT_EQ(indexing(&plain, 1), notArray);
    EXPECT_EQ(indexing(&a, 1), notArray);
}

TEST_F(ResolveReads, ReadWithoutDefinitionInsideAFunction) {
    auto* root = new Start(nullptr);
    std::unique_ptr<Start> owner(root);
    root->fileName = "f.php";
    root->scope->addVariable("g", new Value());
    FunctionBody body;
    body.parent = root;
    body.fileName = "f.php";
    Leaf statement(9);
    statement.parent = &body;
    statement.fileName = "f.php";
    SymbolTable* local = body.function->scope;

    Leaf reads(9);
    reads.addPendingUse(NameRecord(local, "g", "f.php", 9, 0));     // a global of the file
    reads.addPendingUse(NameRecord(local, "h", "f.php", 9, 0));     // unknown anywhere
    reads.addPendingUse(NameRecord(globalBuiltinScope(), "_GET", "f.php", 9, 0));
    statement.resolveUses(&reads);
    ASSERT_EQ(semanticList().size(), 2u);
    EXPECT_EQ(semanticList()[0]->render(),
              "f.php(9): Uninitialized variable 'g', or missing 'global' to refer to global variable");
    EXPECT_EQ(semanticList()[1]->render(), "");  // the silent uninitialised read of $h
    // Both names now count as defined at the resolving node: no second report.
    statement.resolveUses(&reads);
    EXPECT_EQ(semanticList().size(), 2u);

    // The same read of $g at file level is only an uninitialised read.
    Leaf fileLevel(10);
    fileLevel.parent = root;
    Leaf readsAtFileLevel(10);
    readsAtFileLevel.addPendingUse(NameRecord(root->scope, "g", "f.php", 10, 0));
    fileLevel.resolveUses(&readsAtFileLevel);
    ASSERT_EQ(semanticList().size(), 3u);
    EXPECT_EQ(semanticList()[2]->render(), "");
}

}  // namespace

namespace {

// A body whose subtree holds definitions at two depths.
class Tree : public Leaf {
public:
    std::vector<ParserBase*> kids;
    void collectChildren(std::vector<ParserBase*>& out) override { out.insert(out.end(), kids.begin(), kids.end()); }
};

class UnusedVariables : public ::testing::Test {
protected:
    FunctionBody function;
    Leaf header{2};
    Tree body;
    Tree statement;
    Leaf nested{5};
    SymbolTable other;
    bool savedMode = false;

    void SetUp() override {
        savedMode = runState()->definitionsMode;
        runState()->definitionsMode = false;
        function.header = &header;
        function.body = &body;
        body.kids.push_back(&statement);
        statement.kids.push_back(&nested);
    }
    void TearDown() override {
        runState()->definitionsMode = savedMode;
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
    }
    NameRecord local(const char* name, int line) {
        return NameRecord(function.function->scope, name, "f.php", line, 0);
    }
    std::vector<std::string> reported(bool isMethod) {
        function.reportUnusedVariables(isMethod);
        std::vector<std::string> out;
        for (Greska* g : semanticList()) {
            auto* u = dynamic_cast<greske::NeupotrebljenaPromenljiva*>(g);
            if (u && u->render().empty()) out.push_back(u->name + "@" + std::to_string(u->line));
        }
        return out;
    }
};

TEST_F(UnusedVariables, DefinedNeverUsedNamesOfTheOwnScope) {
    header.addDefinition(local("param", 2));
    header.addDefinition(local("this", 2));
    header.addDefinition(local("usedParam", 2));
    nested.addDefinition(local("param", 5));  // reassigned in the body: reported at the parameter
    nested.addDefinition(local("deep", 5));
    statement.addDefinition(local("read", 4));
    statement.addDefinition(NameRecord(&other, "elsewhere", "f.php", 4, 0));
    statement.addDefinition(NameRecord(function.function->scope, "CONST", "f.php", 4, 1));
    body.addDefinition(local("read", 4));
    NameRecord used = local("read", 6);
    body.usedNamesSlot() = new NameSet{used, local("usedParam", 7)};

    EXPECT_EQ(reported(false), (std::vector<std::string>{"deep@5", "param@2", "this@2"}));
    for (Greska* g : semanticList()) delete g;
    semanticList().clear();
    EXPECT_EQ(reported(true), (std::vector<std::string>{"deep@5", "param@2"}));
}

TEST_F(UnusedVariables, NothingWithoutBodyOrInDefinitionsMode) {
    nested.addDefinition(local("x", 5));
    runState()->definitionsMode = true;
    EXPECT_TRUE(reported(false).empty());
    runState()->definitionsMode = false;
    function.body = nullptr;
    EXPECT_TRUE(reported(false).empty());
    function.body = &body;
    EXPECT_EQ(reported(false), std::vector<std::string>{"x@5"});
}

}  // namespace
