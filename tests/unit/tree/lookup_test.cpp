// Lookups through predecessors and the folding primitives: order, work done
// on shared and long paths, remembered runs going stale, sets taken over.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/SymbolTable.h"
#include "model/Type.h"
#include "tree/ParserBase.h"

using namespace php;

namespace {

class Node : public ParserBase {
public:
    std::vector<ParserBase*> kids;
    explicit Node(int line = 1) : ParserBase(line, 0, line, 0) {}
    void link() override {}
    void check() override {}
    Value evaluate() override { return Value(); }
    void computeFlow() override {}
    void collectChildren(std::vector<ParserBase*>& out) override {
        out.insert(out.end(), kids.begin(), kids.end());
    }
};

SymbolTable scope;

NameRecord var(const char* name, int line = 1, Type* type = nullptr) {
    return NameRecord(&scope, name, "f.php", line, 0, 1, type);
}

// Nodes kept alive for one test, in creation order.
struct Arena {
    std::vector<std::unique_ptr<Node>> nodes;
    Node* make(int line = 1) {
        nodes.push_back(std::make_unique<Node>(line));
        return nodes.back().get();
    }
};

}  // namespace

TEST(Lookup, PredecessorsAreSearchedInTheOrderTheyWereAdded) {
    Arena a;
    Node* later = a.make(2);  // allocated first: the lower address, most likely
    Node* first = a.make(1);
    Node* start = a.make();
    first->addDefinition(var("x", 1));
    later->addDefinition(var("x", 2));
    start->addPredecessor(first);
    start->addPredecessor(later);
    const NameRecord* found = start->lookupDefinition(var("x"));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->line, 1);
    EXPECT_EQ(*start->predecessors.begin(), first);
}

// 64 diamonds in a row: a failed lookup that walked every path would take
// 2^64 steps; visiting each node once takes a few hundred.
TEST(Lookup, SharedPredecessorsAreSearchedOnce) {
    Arena a;
    Node* bottom = a.make();
    Node* top = bottom;
    for (int i = 0; i < 64; ++i) {
        Node* left = a.make();
        Node* right = a.make();
        Node* join = a.make();
        top->addPredecessor(left);
        top->addPredecessor(right);
        left->addPredecessor(join);
        right->addPredecessor(join);
        top = join;
    }
    EXPECT_EQ(bottom->lookupDefinition(var("x")), nullptr);
    top->addDefinition(var("x"));
    EXPECT_NE(bottom->lookupDefinition(var("x")), nullptr);
}

// A run of nodes without definitions is remembered by the first lookup; a
// definition that appears inside the run later, by any of the ways a node
// gets definitions, must still be found.
TEST(Lookup, RememberedRunsSeeDefinitionsThatAppearLater) {
    enum Way { Add, Fold, Declare, Unite, Take };
    for (Way way : {Add, Fold, Declare, Unite, Take}) {
        SCOPED_TRACE(way);
        Arena a;
        Node* root = a.make();
        root->addDefinition(var("r"));
        std::vector<Node*> chain{root};
        for (int i = 0; i < 50; ++i) {
            Node* n = a.make();
            n->addPredecessor(chain.back());
            chain.push_back(n);
        }
        Node* leaf = chain.back();
        EXPECT_EQ(leaf->lookupDefinition(var("x")), nullptr);
        EXPECT_NE(leaf->lookupDefinition(var("r")), nullptr);

        Node* middle = chain[25];
        Node child;
        child.addDefinition(var("x"));
        child.addPendingUse(var("x"));
        NameSet extra{var("x")};
        auto* owned = new NameSet{var("x")};
        switch (way) {
            case Add: middle->addDefinition(var("x")); break;
            case Fold: middle->propagateChild(&child, true, true, true); break;
            case Declare: child.definitions()->clear(); middle->absorbDeclaration(&child, true, true, true); break;
            case Unite: ParserBase::uniteInto(middle->definitionsSlot(), &extra); break;
            case Take: ParserBase::takeInto(middle->definitionsSlot(), owned); break;
        }
        delete owned;
        EXPECT_EQ(leaf->lookupDefinition(var("x")), middle->lookupDefinition(var("x")));
        EXPECT_NE(leaf->lookupDefinition(var("x")), nullptr);
    }
}

TEST(Lookup, CyclesOfSinglePredecessorsEnd) {
    Node a, b;
    a.addPredecessor(&b);
    b.addPredecessor(&a);
    EXPECT_EQ(a.lookupDefinition(var("x")), nullptr);
    EXPECT_EQ(b.lookupDefinition(var("x")), nullptr);
    a.addDefinition(var("x"));
    EXPECT_NE(b.lookupDefinition(var("x")), nullptr);
}

TEST(SetPrimitives, SequenceTakesTheArrivingTypeAndKeepsThePlace) {
    for (bool take : {false, true}) {
        SCOPED_TRACE(take);
        NameSet* mine = new NameSet{var("m", 1, integerType()), var("k", 1, integerType())};
        // Larger than `mine`, so a take-over keeps the arriving set's tree.
        auto* other = new NameSet{var("m", 5, stringType()), var("a", 5), var("b", 5)};
        if (take)
            ParserBase::takeInto(mine, other);
        else
            ParserBase::uniteInto(mine, other);
        ASSERT_EQ(mine->size(), 4u);
        const NameRecord& m = *mine->find(var("m"));
        EXPECT_EQ(m.line, 1);
        EXPECT_EQ(m.type, stringType());
        EXPECT_EQ(mine->find(var("k"))->type, integerType());
        EXPECT_EQ(take, other == nullptr);
        delete other;
        delete mine;
    }
}

TEST(SetPrimitives, AlternativesAndIntersectionsForgetDisagreeingTypes) {
    NameSet* joined = new NameSet{var("x", 1, integerType()), var("y", 1, integerType())};
    NameSet paths{var("x", 2, stringType()), var("y", 2, integerType()), var("z", 2, stringType())};
    ParserBase::uniteInto(joined, &paths, ParserBase::Join::Alternatives);
    EXPECT_EQ(joined->find(var("x"))->type, nullptr);
    EXPECT_EQ(joined->find(var("x"))->line, 1);
    EXPECT_EQ(joined->find(var("y"))->type, integerType());
    EXPECT_EQ(joined->find(var("z"))->type, stringType());

    NameSet* both = new NameSet{var("x", 1, integerType()), var("y", 1, integerType()), var("w", 1)};
    ParserBase::intersectInto(both, &paths);
    EXPECT_EQ(both->size(), 2u);
    EXPECT_EQ(both->find(var("x"))->type, nullptr);
    EXPECT_EQ(both->find(var("y"))->type, integerType());
    ParserBase::intersectInto(both, nullptr);
    EXPECT_EQ(both, nullptr);
    delete joined;
}

// A chain in which every level reads one more name: folding takes each
// child's sets over, so the whole chain holds each record once instead of a
// copy per level (n^2 / 2 records for n levels).
TEST(SetPrimitives, FoldedChainsHoldEachRecordOnce) {
    const int n = 5000;
    Arena a;
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) names.push_back("v" + std::to_string(i));
    Node* below = nullptr;
    for (int i = 0; i < n; ++i) {
        Node* level = a.make();
        Node* operand = a.make();
        operand->addPendingUse(NameRecord(globalBuiltinScope(), names[i], "f.php", 1, 0));
        operand->addDefinition(NameRecord(&scope, names[i], "f.php", 1, 0));
        if (below) level->absorbChild(below, true, true, true);
        level->absorbChild(operand, true, true, true);
        below = level;
    }
    size_t held = 0;
    for (auto& node : a.nodes)
        for (NameSet* s : {node->definitions(), node->usedNames(), node->pendingUses()})
            if (s) held += s->size();
    EXPECT_EQ(below->usedNames()->size(), size_t(n));
    EXPECT_EQ(below->definitions()->size(), size_t(n));
    EXPECT_EQ(held, size_t(2 * n));
}
