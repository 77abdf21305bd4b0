// What the expression nodes make of their operands' names in the second
// pass: reads resolved or left pending, names declared, names dropped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/Greska.h"
#include "model/SymbolTable.h"
#include "nodes/ClanListe.h"
#include "nodes/DefinicijaListe.h"
#include "nodes/IsEmpty.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/IsSet.h"
#include "nodes/Konkatenacija.h"
#include "nodes/ListaClanovaListe.h"
#include "nodes/ListaDolara.h"
#include "nodes/NaredbaDodele.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/ObicanSkalar.h"
#include "nodes/OpcionoZaKljuc.h"
#include "nodes/Plus.h"
#include "nodes/Referenca.h"
#include "nodes/ReferencaIliPromenljiva.h"
#include "nodes/UpitnikOperator.h"
#include "tree/NameRecord.h"
#include "expr_probe.h"

namespace php {
namespace {

using testing::at;

SymbolTable* scope() {
    static SymbolTable table;
    return &table;
}

NameRecord name(const std::string& n) { return NameRecord(scope(), n, "f.php", 1, 0); }

// A variable occurrence: its check leaves reads pending and adds definitions,
// as the variable nodes do.
class Names : public ParserBase {
public:
    std::vector<std::string> reads, defines;
    Names(std::vector<std::string> r, std::vector<std::string> d = {})
        : ParserBase(at(1)), reads(std::move(r)), defines(std::move(d)) {}
    void link() override {}
    void check() override {
        for (const std::string& r : reads) addPendingUse(name(r));
        for (const std::string& d : defines) addDefinition(name(d));
    }
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}
};

Names* reads(std::vector<std::string> r) { return new Names(std::move(r)); }
Names* defines(std::vector<std::string> d) { return new Names({}, std::move(d)); }

// The statement around the expression: it holds what earlier code defined
// and runs both passes over its one child. It does not fold the child, whose
// sets a fold would take over: the tests read them.
class Statement : public ParserBase {
public:
    ParserBase* inner;
    explicit Statement(ParserBase* child, std::vector<std::string> before = {}) : inner(child) {
        for (const std::string& d : before) addDefinition(name(d));
    }
    ~Statement() override { delete inner; }
    void link() override { linkChild(inner); }
    void check() override { inner->check(); }
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>& out) override { out.push_back(inner); }
};

std::vector<std::string> names(const NameSet* set) {
    std::vector<std::string> out;
    if (set)
        for (const NameRecord& r : *set) out.push_back(r.name);
    return out;
}

Type* typeOf(const NameSet* set, const std::string& n) {
    if (!set) return nullptr;
    auto it = set->find(name(n));
    return it == set->end() ? nullptr : it->type;
}

using Strings = std::vector<std::string>;

class ExprNames : public ::testing::Test {
protected:
    void SetUp() override { clearReports(); }
    void TearDown() override { clearReports(); }
    static void clearReports() {
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
    }
    // Runs both passes over `node` inside a statement; returns the node.
    template <class N>
    static N& run(Statement& statement, N* node) {
        statement.fileName = "f.php";
        statement.link();
        statement.check();
        return *node;
    }
    static size_t reports() { return semanticList().size(); }
};

TEST_F(ExprNames, IssetAndEmptyNeitherReadNorUseTheirOperands) {
    auto* isset = new IsSet("isset", at(1), "(", at(1), new Names({"never", "seen"}, {"d"}), ")", at(1));
    Statement s1(isset);
    run(s1, isset);
    EXPECT_EQ(reports(), 0u);
    EXPECT_EQ(names(isset->usedNames()), Strings{});
    EXPECT_EQ(names(isset->pendingUses()), Strings{});
    EXPECT_EQ(names(isset->definitions()), Strings{"d"});

    auto* empty = new IsEmpty("empty", at(1), "(", at(1), reads({"never"}), ")", at(1));
    Statement s2(empty);
    run(s2, empty);
    EXPECT_EQ(reports(), 0u);
    EXPECT_EQ(names(empty->usedNames()), Strings{});
    EXPECT_EQ(names(empty->pendingUses()), Strings{});
}

TEST_F(ExprNames, PlainAssignmentDeclaresItsTargetWithTheAssignedType) {
    auto* assign = new NaredbaDodele(reads({"x"}), "=", at(1),
                                     new Plus(new ObicanSkalar("1", at(1)), "+", at(1),
                                              new ObicanSkalar("2.5", at(1))));
    Statement s(assign);
    run(s, assign);
    EXPECT_EQ(reports(), 0u);
    EXPECT_EQ(names(assign->definitions()), Strings{"x"});
    EXPECT_EQ(typeOf(assign->definitions(), "x"), floatType());
    EXPECT_EQ(names(assign->usedNames()), Strings{});

    // The right-hand side is read, and read before the target is declared.
    auto* self = new NaredbaDodele(reads({"y"}), "=", at(1), reads({"y"}));
    Statement t(self);
    run(t, self);
    EXPECT_EQ(reports(), 1u);
    EXPECT_EQ(names(self->usedNames()), Strings{"y"});
}

// `$a[] = 1` makes $a an array; with two dollar signs the name is not $a's.
TEST_F(ExprNames, AssigningToAnIndexedPlainVariableGivesItTheArrayType) {
    auto variable = [](int dollars, bool indexed) {
        auto* list = new ListaDolara("$", at(1));
        for (int i = 1; i < dollars; ++i) list = new ListaDolara(list, "$", at(1));
        ParserBase* access = new IndeksniPristup(reads({"a"}));
        if (indexed) access = new IndeksniPristup(access, "[", at(1), nullptr, "]", at(1));
        return new NeobjektnaPromenljiva(list, access);
    };
    struct Case {
        int dollars;
        bool indexed;
        Type* type;
    };
    // With two dollars the assignment writes the variable $a names: $a is
    // read, not defined (type null in the table).
    for (const Case& c : std::vector<Case>{{1, true, arrayType()}, {1, false, integerType()},
                                           {2, true, nullptr}, {2, false, nullptr}}) {
        SCOPED_TRACE(std::to_string(c.dollars) + (c.indexed ? " indexed" : " plain"));
        auto* assign = new NaredbaDodele(variable(c.dollars, c.indexed), "=", at(1),
                                         new ObicanSkalar("1", at(1)));
        Statement s(assign);
        run(s, assign);
        if (c.type) {
            EXPECT_EQ(names(assign->definitions()), Strings{"a"});
            EXPECT_EQ(typeOf(assign->definitions(), "a"), c.type);
        } else {
            // Read and not found: recorded untyped so it is not reported again.
            EXPECT_EQ(names(assign->usedNames()), Strings{"a"});
            EXPECT_EQ(typeOf(assign->definitions(), "a"), nullptr);
        }
    }
}

TEST_F(ExprNames, CompoundAssignmentReadsItsTarget) {
    auto* unset = new NaredbaDodele(reads({"s"}), ".=", at(1), new ObicanSkalar("'a'", at(1)));
    Statement s(unset);
    run(s, unset);
    EXPECT_EQ(reports(), 1u);  // $s was never assigned
    EXPECT_EQ(names(unset->usedNames()), Strings{"s"});

    clearReports();
    auto* assigned = new NaredbaDodele(reads({"s"}), ".=", at(1), new ObicanSkalar("'a'", at(1)));
    Statement t(assigned, {"s"});
    run(t, assigned);
    EXPECT_EQ(reports(), 0u);
}

TEST_F(ExprNames, ListTargetsDeclareTheirItemsAndReferencesStayPending) {
    auto* items = new ListaClanovaListe(new ClanListe(reads({"a"})));
    items = new ListaClanovaListe(items, ",", at(1),
                                  new ClanListe(new DefinicijaListe("list", at(1), "(", at(1),
                                                                    new ListaClanovaListe(new ClanListe(reads({"b"}))),
                                                                    ")", at(1))));
    auto* target = new DefinicijaListe("list", at(1), "(", at(1), items, ")", at(1));
    auto* assign = new NaredbaDodele(target, "=", at(1), reads({"source"}));
    Statement s(assign, {"source"});
    run(s, assign);
    EXPECT_EQ(reports(), 0u);
    EXPECT_EQ(names(assign->definitions()), (Strings{"a", "b"}));
    EXPECT_EQ(names(assign->usedNames()), Strings{"source"});

    auto* reference = new Referenca("&", at(1), reads({"v"}));
    auto* key = new OpcionoZaKljuc("=>", at(1), new ReferencaIliPromenljiva(reference));
    Statement t(key);
    run(t, key);
    EXPECT_EQ(names(key->pendingUses()), Strings{"v"});
    EXPECT_EQ(names(key->usedNames()), Strings{});

    // `$r = &$v` reads $v: the assignment resolves what the reference passed on.
    auto* byReference = new NaredbaDodele(reads({"r"}), "=", at(1), new Referenca("&", at(1), reads({"v"})));
    Statement u(byReference);
    clearReports();  // the statement around the key above resolved its $v
    run(u, byReference);
    EXPECT_EQ(reports(), 1u);  // $v was never assigned
    EXPECT_EQ(names(byReference->usedNames()), Strings{"v"});
    EXPECT_EQ(names(byReference->definitions()), (Strings{"r", "v"}));
}

TEST_F(ExprNames, ConditionalKeepsTheConditionAndWhatBothBranchesDefine) {
    auto* pick = new UpitnikOperator(new Names({}, {"c"}), "?", at(1),
                                     new Names({"unsetThen"}, {"both", "t"}), ":", at(1),
                                     new Names({"unsetElse"}, {"both", "o"}));
    Statement s(pick);
    run(s, pick);
    // The read of the second operand is checked, that of the third is not.
    ASSERT_EQ(reports(), 1u);
    EXPECT_EQ(names(pick->usedNames()), (Strings{"unsetElse", "unsetThen"}));
    // unsetThen is defined at the node once reported, so it is not reported again.
    EXPECT_EQ(names(pick->definitions()), (Strings{"both", "c", "unsetThen"}));

    auto* half = new UpitnikOperator(new Names({}, {"c"}), "?", at(1), nullptr, ":", at(1),
                                     defines({"o"}));
    Statement t(half);
    run(t, half);
    EXPECT_EQ(names(half->definitions()), Strings{"c"});

    // The third operand does not see what the second one defines.
    auto* apart = new UpitnikOperator(new Names({}, {}), "?", at(1), defines({"t"}), ":", at(1),
                                      new Konkatenacija(reads({"x"}), ".", at(1), reads({"t"})));
    Statement u(apart);
    clearReports();
    run(u, apart);
    EXPECT_EQ(reports(), 2u);  // $x and $t inside the third operand
}

// Each operand of a chain checked first has the top of the chain as its
// predecessor; lookups still find what is defined above the chain and what
// an earlier operand defined.
TEST_F(ExprNames, LookupsFromInsideChainsSkipTheLevelsStillBeingChecked) {
    ParserBase* chain = reads({"above"});
    std::vector<ParserBase*> levels;
    for (int i = 0; i < 5; ++i) {
        chain = new Konkatenacija(chain, ".", at(1), reads({"above"}));
        levels.push_back(chain);
    }
    auto* ternary = new UpitnikOperator(chain, "?", at(1), reads({"above"}), ":", at(1), reads({"x"}));
    auto* top = new UpitnikOperator(ternary, "?", at(1), reads({"above"}), ":", at(1), reads({"y"}));
    Statement s(top, {"above"});
    run(s, top);
    EXPECT_EQ(reports(), 0u);
    EXPECT_EQ(ternary->predecessors, NodeSet{top});
    for (ParserBase* level : levels) EXPECT_EQ(level->predecessors, NodeSet{top});
    auto* bottom = static_cast<Konkatenacija*>(levels.front());
    EXPECT_EQ(bottom->left->predecessors, NodeSet{top});
    EXPECT_EQ(bottom->right->predecessors, NodeSet{bottom});

    // A definition made by a left operand reaches the right operands above it.
    auto* assigned = new Konkatenacija(new Konkatenacija(defines({"late"}), ".", at(1), reads({"late"})),
                                       ".", at(1), reads({"late", "never"}));
    Statement t(assigned);
    run(t, assigned);
    EXPECT_EQ(reports(), 1u);  // only $never
}

}  // namespace
}  // namespace php
