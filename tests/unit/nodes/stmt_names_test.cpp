// What survives each statement: the name sets after if/elseif/else, loops,
// switch and try, the type of a name after sequences and alternatives, and
// the loop diagnostics of for headers.
#include <gtest/gtest.h>

#include <string>

#include "diagnostics/Greska.h"
#include "model/SymbolTable.h"
#include "model/Type.h"
#include "nodes/BreakKomanda.h"
#include "nodes/Case.h"
#include "nodes/Caseovi.h"
#include "nodes/Catch.h"
#include "nodes/DefaultCase.h"
#include "nodes/Else.h"
#include "nodes/ElseIf.h"
#include "nodes/ForDefinitor.h"
#include "nodes/ForKomanda.h"
#include "nodes/ForeachDefinitor.h"
#include "nodes/ForeachKomanda.h"
#include "nodes/IfKomanda.h"
#include "nodes/ListaCatchova.h"
#include "nodes/SwitchKomanda.h"
#include "nodes/TryKomanda.h"
#include "nodes/WhileKomanda.h"
#include "stmt_support.h"

using namespace php;
using namespace stmttest;

namespace {

// Records live in the built-in scope, so an unresolved read is silent.
NameRecord var(const std::string& name, int line = 1, Type* type = nullptr) {
    return NameRecord(globalBuiltinScope(), name, "t.php", line, 0, 1, type);
}

// A leaf that, when checked, defines and reads the names it was given, and
// looks up the names it should see (what it found is kept).
class Namer : public Probe {
public:
    std::vector<NameRecord> defines, reads, looksUp;
    std::vector<const NameRecord*> found;
    bool call = false;

    explicit Namer(int line = 1) : Probe(line) {}
    Namer* def(const std::string& n, Type* t = nullptr) {
        defines.push_back(var(n, location.firstLine, t));
        return this;
    }
    Namer* read(const std::string& n) {
        reads.push_back(var(n, location.firstLine));
        return this;
    }
    Namer* sees(const std::string& n) {
        looksUp.push_back(var(n, location.firstLine));
        return this;
    }
    void check() override {
        for (const NameRecord& r : defines) addDefinition(r);
        for (const NameRecord& r : reads) addPendingUse(r);
        found.clear();
        for (const NameRecord& r : looksUp) found.push_back(lookupDefinition(r));
    }
    bool isCallLike() override { return call; }
};

Namer* namer(int line = 1) { return new Namer(line); }

bool holds(const NameSet* set, const std::string& name) {
    return set && set->count(var(name));
}

const NameRecord* record(const NameSet* set, const std::string& name) {
    if (!set) return nullptr;
    auto it = set->find(var(name));
    return it == set->end() ? nullptr : &*it;
}

// Runs both passes on a tree, outside definitions mode.
void run(ParserBase* root) {
    analyse(root);
    root->check();
}

size_t reportsOf(const std::string& text) {
    size_t n = 0;
    for (Greska* g : semanticList())
        if (g->render().find(text) != std::string::npos) ++n;
    return n;
}

class StmtNames : public ::testing::Test {
protected:
    void TearDown() override {
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
    }
};

}  // namespace

TEST_F(StmtNames, IfKeepsWhatTheConditionOrBothBranchesDefine) {
    // if ($c = ..) { $x = 1; $y = 1; } else { $x = 'a'; $z = 1; }
    auto* thenPart = statements({namer(2)->def("x", integerType())->def("y")});
    auto* elsePart = new Else("else", at(3), statements({namer(3)->def("x", stringType())->def("z")}));
    IfKomanda node("if", at(1), namer(1)->def("c"), thenPart, elsePart);
    run(&node);
    EXPECT_TRUE(holds(node.definitions(), "c"));
    EXPECT_TRUE(holds(node.definitions(), "x"));
    EXPECT_FALSE(holds(node.definitions(), "y"));
    EXPECT_FALSE(holds(node.definitions(), "z"));
    // The branches disagree on the type, so it is unknown after the statement.
    EXPECT_EQ(record(node.definitions(), "x")->type, nullptr);
    // The branches keep their own sets.
    EXPECT_TRUE(holds(thenPart->definitions(), "y"));

    // Without an else branch only the condition's names survive.
    IfKomanda lone("if", at(1), namer(1)->def("c"), statements({namer(2)->def("x")}), nullptr);
    run(&lone);
    EXPECT_TRUE(holds(lone.definitions(), "c"));
    EXPECT_FALSE(holds(lone.definitions(), "x"));
}

TEST_F(StmtNames, ElseIfChainDefinesWhatEveryPathDefines) {
    // if (..) $x = 1; elseif (..) $x = 2; : the elseif's union holds $x.
    auto* chain = new ElseIf("elseif", at(2), namer(2), namer(2)->def("x", integerType()), nullptr);
    IfKomanda node("if", at(1), namer(1), namer(1)->def("x", integerType()), chain);
    run(&node);
    ASSERT_TRUE(holds(node.definitions(), "x"));
    EXPECT_EQ(record(node.definitions(), "x")->type, integerType());  // the paths agree

    // if .. $x = 1; elseif .. $x = 'a'; else $y = 1; : the elseif's branches
    // are alternatives, so its $x has no type; the if keeps only $x.
    auto* tail = new ElseIf("elseif", at(2), namer(2), namer(2)->def("x", stringType()),
                            new Else("else", at(3), namer(3)->def("x", integerType())->def("y")));
    IfKomanda mixed("if", at(1), namer(1), namer(1)->def("x", integerType()), tail);
    run(&mixed);
    ASSERT_TRUE(holds(mixed.definitions(), "x"));
    EXPECT_FALSE(holds(mixed.definitions(), "y"));
    EXPECT_EQ(record(mixed.definitions(), "x")->type, nullptr);
}

TEST_F(StmtNames, SequenceKeepsTheFirstPlaceAndTheLastType) {
    // $m = 7; $m = 'text';
    auto* list = statements({namer(1)->def("m", integerType()), namer(2)->def("m", stringType())});
    run(list);
    const NameRecord* m = record(list->definitions(), "m");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->line, 1);
    EXPECT_EQ(m->type, stringType());
    // An assignment of unknown type makes the type unknown again.
    auto* again = statements({namer(1)->def("m", integerType()), namer(2)->def("m")});
    run(again);
    EXPECT_EQ(record(again->definitions(), "m")->type, nullptr);
    delete list;
    delete again;
}

TEST_F(StmtNames, LoopsKeepOnlyWhatEveryIterationCountDefines) {
    // while ($w = f()) { $w = 1; $b = 1; }: $w survives, $b does not.
    WhileKomanda loop("while", at(1), namer(1)->def("w"), namer(2)->def("w")->def("b"));
    run(&loop);
    EXPECT_TRUE(holds(loop.definitions(), "w"));
    EXPECT_FALSE(holds(loop.definitions(), "b"));
    // A body that defines nothing keeps nothing; no body at all keeps the condition's.
    WhileKomanda idle("while", at(1), namer(1)->def("w"), namer(2)->read("w"));
    run(&idle);
    EXPECT_FALSE(holds(idle.definitions(), "w"));
    EXPECT_TRUE(holds(idle.usedNames(), "w"));
    WhileKomanda bare("while", at(1), namer(1)->def("w"), nullptr);
    run(&bare);
    EXPECT_TRUE(holds(bare.definitions(), "w"));

    // for ($i = 0; $i < $n; $i++) { $b = 1; }: the body sees $i; only $i survives.
    auto* body = namer(2)->def("b")->sees("i");
    auto* header = new ForDefinitor("(", at(1), namer(1)->def("i"), ";", at(1), namer(1)->read("i"),
                                    ";", at(1), namer(1)->def("i")->read("i"), ")", at(1));
    ForKomanda forLoop("for", at(1), header, body);
    run(&forLoop);
    EXPECT_TRUE(holds(forLoop.definitions(), "i"));
    EXPECT_FALSE(holds(forLoop.definitions(), "b"));
    ASSERT_EQ(body->found.size(), 1u);
    EXPECT_NE(body->found[0], nullptr);
}

TEST_F(StmtNames, ForeachVariablesLiveOnlyInsideTheLoop) {
    // foreach ($a = f() as $k => $v) { $b = 1; }
    auto* body = namer(2)->def("b")->sees("k")->sees("v");
    auto* header = new ForeachDefinitor("(", at(1), namer(1)->def("a"), "as", at(1),
                                        namer(1)->read("k"), namer(1)->read("v"), ")", at(1));
    ForeachKomanda loop("foreach", at(1), header, body);
    run(&loop);
    ASSERT_EQ(body->found.size(), 2u);
    EXPECT_NE(body->found[0], nullptr);  // the loop variables are declared, not read
    EXPECT_NE(body->found[1], nullptr);
    EXPECT_TRUE(holds(loop.definitions(), "a"));
    EXPECT_FALSE(holds(loop.definitions(), "k"));
    EXPECT_FALSE(holds(loop.definitions(), "v"));
    EXPECT_FALSE(holds(loop.definitions(), "b"));
}

namespace {

Caseovi* cases(std::initializer_list<ParserBase*> items) {
    Caseovi* list = nullptr;
    for (ParserBase* item : items) list = new Caseovi(list, item);
    return list;
}

Case* caseOf(int line, std::initializer_list<ParserBase*> body) {
    return new Case("case", at(line), namer(line), nullptr, statements(body));
}

DefaultCase* defaultOf(int line, std::initializer_list<ParserBase*> body) {
    return new DefaultCase("default", at(line), nullptr, statements(body));
}

ParserBase* brk(int line) { return new BreakKomanda("break", at(line), nullptr); }

}  // namespace

TEST_F(StmtNames, SwitchDefinesWhatTheLastDefiningCaseOfEveryGroupDefines) {
    // case 1: $x = 1; break; case 2: $y = 1; case 3: $x = 1; break; default: $x = 1;
    // The second group falls through from case 2 to case 3, whose $x wins.
    SwitchKomanda all("switch", at(1), namer(1),
                      cases({caseOf(2, {namer(2)->def("x"), brk(2)}), caseOf(3, {namer(3)->def("y")}),
                             caseOf(4, {namer(4)->def("x"), brk(4)}), defaultOf(5, {namer(5)->def("x")})}));
    run(&all);
    EXPECT_TRUE(holds(all.definitions(), "x"));
    EXPECT_FALSE(holds(all.definitions(), "y"));

    // case 1: $x = 1; case 2: $y = 1; break; default: $x = 1; $y = 1;
    // The first group's last defining case defines only $y.
    SwitchKomanda lastWins("switch", at(1), namer(1),
                           cases({caseOf(2, {namer(2)->def("x")}), caseOf(3, {namer(3)->def("y"), brk(3)}),
                                  defaultOf(4, {namer(4)->def("x")->def("y")})}));
    run(&lastWins);
    EXPECT_FALSE(holds(lastWins.definitions(), "x"));
    EXPECT_TRUE(holds(lastWins.definitions(), "y"));

    // Without a default label nothing defined inside survives; the subject's does.
    SwitchKomanda noDefault("switch", at(1), namer(1)->def("s"),
                            cases({caseOf(2, {namer(2)->def("x"), brk(2)}), caseOf(3, {namer(3)->def("x")})}));
    run(&noDefault);
    EXPECT_TRUE(holds(noDefault.definitions(), "s"));
    EXPECT_FALSE(holds(noDefault.definitions(), "x"));
    EXPECT_EQ(reportsOf("Default label"), 0u);
}

TEST_F(StmtNames, TryPassesNothingOnAndDeclaresTheCaughtVariable) {
    // try { $x = 1; } catch (E $e) { $x = 2; echo $e; }
    auto* handler = namer(2)->def("x")->sees("e");
    auto* c = new Catch("catch", at(2), "(", at(2), namer(2), namer(2)->read("e"), ")", at(2), "{",
                        at(2), statements({handler}), "}", at(2));
    TryKomanda node("try", at(1), "{", at(1), statements({namer(1)->def("x")->read("u")}), "}", at(1),
                    new ListaCatchova(c));
    run(&node);
    EXPECT_EQ(node.definitions(), nullptr);
    EXPECT_EQ(node.usedNames(), nullptr);
    EXPECT_EQ(node.pendingUses(), nullptr);
    ASSERT_EQ(handler->found.size(), 1u);
    EXPECT_NE(handler->found[0], nullptr);  // $e is a declaration of the catch
    // The catch list holds what its catches folded.
    EXPECT_TRUE(holds(node.catches->definitions(), "e"));
    EXPECT_FALSE(holds(node.catches->usedNames(), "e"));
}

TEST_F(StmtNames, ForHeaderReportsLoopsWithNothingTyingConditionToStep) {
    struct Row {
        const char* what;
        ParserBase* condition;
        ParserBase* step;
        size_t suspicious;
        size_t calls;
    };
    auto callIn = [](Namer* n) {
        n->call = true;
        return n;
    };
    // A step is an expression list: the reads of its items are resolved
    // into its used names.
    auto stepOf = [](Namer* n) { return statements({n}); };
    Row rows[] = {
        {"i < 10; i++", namer()->read("i"), stepOf(namer()->read("i")), 0, 0},
        {"no condition", nullptr, stepOf(namer()->read("i")), 1, 0},
        {"condition reads nothing", namer(), stepOf(namer()->read("i")), 1, 0},
        {"no step", namer()->read("i"), nullptr, 1, 0},
        {"step uses nothing", namer()->read("i"), stepOf(namer()), 1, 0},
        {"no common name", namer()->read("i"), stepOf(namer()->read("j")), 1, 0},
        {"call in the condition", callIn(namer()->read("i")), stepOf(namer()->read("i")), 0, 1},
        {"call, no step", callIn(namer()->read("i")), nullptr, 1, 1},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
        ForDefinitor header("(", at(7), nullptr, ";", at(7), row.condition, ";", at(7), row.step, ")", at(7));
        header.fileName = "t.php";
        run(&header);
        EXPECT_EQ(reportsOf("Suspicious loop"), row.suspicious);
        EXPECT_EQ(reportsOf("function called in condition"), row.calls);
        if (!semanticList().empty()) {
            EXPECT_EQ(semanticList()[0]->line, 7);
        }
    }
}

TEST_F(StmtNames, SecondAndThirdDefaultNameTheFirst) {
    Caseovi* list = cases({defaultOf(2, {}), caseOf(3, {}), defaultOf(4, {}), defaultOf(5, {})});
    list->fileName = "t.php";
    run(list);
    ASSERT_EQ(semanticList().size(), 2u);
    EXPECT_EQ(semanticList()[0]->render(), "t.php(4): Default label already defined\n\tt.php(2): Previous definition");
    EXPECT_EQ(semanticList()[1]->render(), "t.php(5): Default label already defined\n\tt.php(2): Previous definition");
    delete list;
}
