#include <gtest/gtest.h>

#include "diagnostics/Greska.h"
#include "model/SymbolTable.h"
#include "model/Type.h"
#include "tree/NameRecord.h"
#include "tree/ParserBase.h"
#include "tree/Start.h"

using namespace php;

namespace {

// A minimal concrete node for exercising the base class.
class TestNode : public ParserBase {
public:
    std::vector<ParserBase*> children;
    explicit TestNode(int line = -1) : ParserBase(line, 0, line, 0) {}
    ~TestNode() override {
        for (ParserBase* c : children) delete c;
    }
    void link() override { linkChildren(); }
    void check() override { checkChildren(); }
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>& out) override {
        for (ParserBase* c : children)
            if (c) out.push_back(c);
    }
};

NameRecord var(SymbolTable* scope, const std::string& name, uint8_t exact = 1) {
    return NameRecord(scope, name, "f.php", 1, 0, exact);
}

}  // namespace

TEST(NameRecordOrder, KindThenScopeThenCaseSensitiveName) {
    SymbolTable a, b;
    NameRecordLess less;
    NameRecord constant(&a, "A", "f", 1, 1);
    EXPECT_TRUE(less(var(&b, "z"), constant));  // variables before constants
    EXPECT_TRUE(less(var(&a, "Foo"), var(&a, "foo")));
    EXPECT_FALSE(less(var(&a, "foo"), var(&a, "Foo")));
    SymbolTable* first = std::less<SymbolTable*>()(&a, &b) ? &a : &b;
    SymbolTable* second = first == &a ? &b : &a;
    EXPECT_TRUE(less(var(first, "z"), var(second, "a")));
}

TEST(NameRecordOrder, MixedExactCaseComparesLowerCased) {
    SymbolTable s;
    NameSet set;
    set.insert(NameRecord(&s, "pi", "f", 1, 1, 0));  // stored lower-cased, any case matches
    EXPECT_EQ(set.count(NameRecord(&s, "PI", "g", 2, 1, 1)), 1u);
    EXPECT_EQ(set.count(NameRecord(&s, "Pi", "g", 2, 1, 1)), 1u);
    // Two exact records of different case stay distinct.
    NameSet exact;
    exact.insert(NameRecord(&s, "Limit", "f", 1, 1, 1));
    EXPECT_EQ(exact.count(NameRecord(&s, "LIMIT", "f", 1, 1, 1)), 0u);
}

TEST(SetPrimitives, AbsentSetsReadAsEmpty) {
    SymbolTable s;
    NameSet* mine = nullptr;
    ParserBase::intersectInto(mine, nullptr);
    EXPECT_EQ(mine, nullptr);
    NameSet other{var(&s, "a"), var(&s, "b")};
    ParserBase::intersectInto(mine, &other);  // absent stays absent
    EXPECT_EQ(mine, nullptr);
    ParserBase::uniteInto(mine, &other);  // union into absent copies
    ASSERT_NE(mine, nullptr);
    EXPECT_NE(mine, &other);
    EXPECT_EQ(mine->size(), 2u);
    NameSet onlyA{var(&s, "a")};
    ParserBase::intersectInto(mine, &onlyA);
    EXPECT_EQ(mine->size(), 1u);
    ParserBase::intersectInto(mine, nullptr);  // with an absent set: deleted
    EXPECT_EQ(mine, nullptr);
}

TEST(SetPrimitives, UnionKeepsTheFirstCopy) {
    SymbolTable s;
    NameSet* mine = new NameSet{NameRecord(&s, "x", "first.php", 1, 0)};
    NameSet other{NameRecord(&s, "x", "second.php", 9, 0)};
    ParserBase::uniteInto(mine, &other);
    ASSERT_EQ(mine->size(), 1u);
    EXPECT_EQ(mine->begin()->file, "first.php");
    delete mine;
}

TEST(LookupDefinition, FollowsPredecessorsAndStopsOnCycles) {
    SymbolTable s;
    TestNode a, b, c;
    a.addPredecessor(&b);
    b.addPredecessor(&a);  // a loop
    EXPECT_EQ(a.lookupDefinition(var(&s, "x")), nullptr);
    b.addPredecessor(&c);
    c.addDefinition(var(&s, "x"));
    NameRecord* found = a.lookupDefinition(var(&s, "x"));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, "x");
    // A second lookup through the same cycle is not blocked by the first.
    EXPECT_EQ(b.lookupDefinition(var(&s, "x")), found);
}

class ResolveUses : public ::testing::Test {
protected:
    void TearDown() override {
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
    }
};

TEST_F(ResolveUses, IndexingDependsOnTheDefinitionsType) {
    SymbolTable s;
    TestNode parent(5);
    parent.fileName = "f.php";
    auto* child = new TestNode(5);
    parent.children.push_back(child);
    child->addPredecessor(&parent);

    NameRecord def = var(&s, "str");
    def.type = stringType();
    parent.addDefinition(def);
    NameRecord once = var(&s, "str");
    once.indexDepth = 1;
    child->addPendingUse(once);
    parent.resolveUses(child);
    EXPECT_TRUE(semanticList().empty());  // $str[0] is fine

    delete child->pendingUses();
    child->pendingUsesSlot() = nullptr;
    NameRecord twice = var(&s, "str");
    twice.indexDepth = 2;
    child->addPendingUse(twice);
    parent.resolveUses(child);
    ASSERT_EQ(semanticList().size(), 1u);  // $str[0][1] is not
    EXPECT_EQ(semanticList()[0]->render(), "f.php(5): 'str' is not array nor implements ArrayAccess");
}

TEST_F(ResolveUses, UnresolvedConstantIsReportedOnceAndThenDefined) {
    auto* root = new Start(nullptr);
    root->fileName = "f.php";
    auto* child = new TestNode(3);
    child->addPendingUse(NameRecord(root->scope, "FOO", "f.php", 3, 1));
    root->resolveUses(child);
    root->resolveUses(child);
    EXPECT_EQ(semanticList().size(), 1u);
    delete child;
    roots().clear();
    delete root;
}

TEST_F(ResolveUses, NamesOfTheBuiltinScopeAreNeverReported) {
    TestNode parent;
    TestNode child;
    child.addPendingUse(NameRecord(globalBuiltinScope(), "_GET", "f.php", 1, 0));
    parent.resolveUses(&child);
    EXPECT_TRUE(semanticList().empty());
}
