// The compact forms the tree keeps per node: one-word node sets, the side
// record of the name sets, and the in-place case-folding order of name records.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "diagnostics/Greska.h"
#include "model/SymbolTable.h"
#include "nodes/base/TokenLeaf.h"
#include "tree/NameRecord.h"
#include "tree/NodePool.h"
#include "tree/NodeSet.h"
#include "tree/ParserBase.h"

using namespace php;

namespace {

class Node : public TokenLeaf {
public:
    using ParserBase::absorbChild;
};

NameRecord var(SymbolTable* scope, const std::string& name) { return NameRecord(scope, name, "f.php", 1, 0); }

}  // namespace

TEST(NodeSetWord, KeepsInsertionOrderThroughEveryGrowth) {
    const long before = pooledBlocksInUse();
    {
        std::vector<Node> nodes(19);
        NodeSet set;
        EXPECT_TRUE(set.empty());
        EXPECT_EQ(set.begin(), set.end());
        // Descending addresses, so that an order by address would show.
        for (size_t i = nodes.size(); i-- > 0;) {
            EXPECT_TRUE(set.insert(&nodes[i]));
            EXPECT_FALSE(set.insert(&nodes[i]));
            EXPECT_FALSE(set.insert(&nodes[nodes.size() - 1]));
            ASSERT_EQ(set.size(), nodes.size() - i);
            size_t k = nodes.size();
            for (ParserBase* n : set) EXPECT_EQ(n, &nodes[--k]);
        }
        Node stranger;
        EXPECT_EQ(set.count(&stranger), 0u);
        EXPECT_EQ(set.count(&nodes[0]), 1u);

        NodeSet copy(set);
        EXPECT_EQ(copy, set);
        NodeSet one{&nodes[3]};
        EXPECT_FALSE(one == set);
        one = set;  // a single node replaced by a block
        EXPECT_EQ(one, set);
        copy = NodeSet{&stranger};  // a block replaced by a single node
        EXPECT_EQ(copy.size(), 1u);
        EXPECT_EQ(*copy.begin(), &stranger);
        set.clear();
        EXPECT_TRUE(set.empty());
        EXPECT_TRUE(set.insert(&nodes[5]));
        EXPECT_EQ(*set.begin(), &nodes[5]);
    }
    EXPECT_EQ(pooledBlocksInUse(), before);  // every block went back
}

// The order the sets were built with: the name of an exact record lower-cased
// as a whole string when the other record is not exact.
static bool referenceLess(const NameRecord& a, const NameRecord& b) {
    if (a.exactCase == b.exactCase) return a.name.str() < b.name.str();
    const std::string an = a.exactCase ? toLower(a.name) : a.name.str();
    const std::string bn = b.exactCase ? toLower(b.name) : b.name.str();
    return an < bn;
}

TEST(NameRecordOrder, CaseFoldingInPlaceMatchesLowerCasedCopies) {
    SymbolTable s;
    const std::vector<std::string> names{"", "a", "A", "ab", "aB", "Ab", "abc", "b", "_x", "x_", "Z", "z",
                                         "zz", "\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89", "a1", "A1", "[", "`"};
    NameRecordLess less;
    for (const std::string& x : names)
        for (const std::string& y : names)
            for (uint8_t ex : {0, 1})
                for (uint8_t ey : {0, 1}) {
                    NameRecord a(&s, x, "f.php", 1, 1, ex);
                    NameRecord b(&s, y, "f.php", 1, 1, ey);
                    SCOPED_TRACE(x + (ex ? "(exact) " : " ") + y + (ey ? "(exact)" : ""));
                    EXPECT_EQ(less(a, b), referenceLess(a, b));
                }
}

TEST(NodeExtrasRecord, HeldOnlyWhileANodeHasSomethingInIt) {
    SymbolTable s;
    const long before = pooledBlocksInUse();
    {
        Node parent, child;
        // Reading never creates the record.
        EXPECT_EQ(parent.definitions(), nullptr);
        EXPECT_EQ(parent.usedNames(), nullptr);
        EXPECT_EQ(parent.pendingUses(), nullptr);
        EXPECT_EQ(parent.extrasIfAny(), nullptr);

        child.addPendingUse(var(&s, "read"));
        child.addDefinition(var(&s, "written"));
        child.addPredecessor(&parent);
        ASSERT_NE(child.extrasIfAny(), nullptr);
        // Folding takes both sets over: the child's record goes back.
        parent.absorbChild(&child, true, true, true);
        EXPECT_EQ(child.extrasIfAny(), nullptr);
        ASSERT_NE(parent.definitions(), nullptr);
        EXPECT_EQ(parent.definitions()->size(), 2u);  // the unresolved read is defined once reported
        ASSERT_NE(parent.usedNames(), nullptr);
        EXPECT_EQ(parent.usedNames()->size(), 1u);

        // While a node keeps its child's sets they are copied, and the
        // child's record stays.
        Node keeper, kept;
        kept.addDefinition(var(&s, "k"));
        {
            const ParserBase::KeepChildSets keep(&keeper);
            keeper.absorbChild(&kept, true, true, true);
        }
        ASSERT_NE(kept.definitions(), nullptr);
        EXPECT_NE(kept.definitions(), keeper.definitions());

        // An intersection with nothing empties the set and gives the record back.
        kept.intersectDefinitions(nullptr);
        EXPECT_EQ(kept.extrasIfAny(), nullptr);
        // A union with nothing creates nothing.
        kept.unionDefinitions(nullptr);
        kept.unionUsedNames(nullptr);
        EXPECT_EQ(kept.extrasIfAny(), nullptr);

        // A record holding one set and nothing else moves up whole, its set
        // into the parent's field; the child is left without one.
        Node up, down;
        down.addPendingUse(var(&s, "r"));
        const NameSet* moved = down.pendingUses();
        up.foldUses(&down);
        EXPECT_EQ(down.extrasIfAny(), nullptr);
        EXPECT_EQ(up.usedNames(), moved);
        EXPECT_EQ(up.pendingUses(), nullptr);
        EXPECT_EQ(up.definitions(), nullptr);
        // One that also remembers a lookup run stays with its node.
        Node top, marked;
        marked.addPendingUse(var(&s, "m"));
        marked.extras().lookupSkip = &top;
        top.foldUses(&marked);
        ASSERT_NE(marked.extrasIfAny(), nullptr);
        EXPECT_EQ(marked.extrasIfAny()->lookupSkip, &top);
        EXPECT_EQ(marked.pendingUses(), nullptr);
        ASSERT_NE(top.usedNames(), nullptr);
        EXPECT_EQ(top.usedNames()->size(), 1u);
        EXPECT_NE(top.extrasIfAny(), marked.extrasIfAny());

        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
    }
    EXPECT_EQ(pooledBlocksInUse(), before);
}

TEST(NodeVectorWord, GrowsMovesAndGivesItsBlockBack) {
    const long before = pooledBlocksInUse();
    {
        std::vector<Node> nodes(9);
        NodeVector v;
        EXPECT_TRUE(v.empty());
        EXPECT_EQ(v.begin(), v.end());
        for (size_t i = 0; i < nodes.size(); ++i) {
            v.push_back(i == 4 ? nullptr : &nodes[i]);  // an empty index is a null entry
            ASSERT_EQ(v.size(), i + 1);
            for (size_t k = 0; k <= i; ++k) EXPECT_EQ(v[k], k == 4 ? nullptr : &nodes[k]);
        }
        NodeVector taken(std::move(v));
        EXPECT_TRUE(v.empty());
        EXPECT_EQ(taken.size(), nodes.size());
        NodeVector other;
        other.push_back(&nodes[0]);
        other = std::move(taken);  // the old block is given back
        EXPECT_EQ(other.size(), nodes.size());
        EXPECT_EQ(other[8], &nodes[8]);
    }
    EXPECT_EQ(pooledBlocksInUse(), before);
}
