#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

#include "tree/FlowState.h"
#include "tree/NodePool.h"
#include "tree/ParserBase.h"

using namespace php;

// Live heap blocks, to show that destroying a graph frees exactly what it
// built: a double free would abort and a missed state would stay counted.
// Not inlined, so that a memory checker that replaces these operators sees
// every call (the count then stays at zero and the checker does the work).
static long liveBlocks = 0;

__attribute__((noinline)) void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    ++liveBlocks;
    return p;
}
__attribute__((noinline)) void operator delete(void* p) noexcept {
    if (!p) return;
    --liveBlocks;
    std::free(p);
}
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

// Heap blocks plus the analysis pool's blocks (flow states and their sets).
static long live() { return liveBlocks + php::pooledBlocksInUse(); }

namespace {

// Builds a -> b, a -> c, b -> d, c -> d.
struct Diamond {
    FlowState* a = new FlowState();
    FlowState* b = new FlowState();
    FlowState* c = new FlowState();
    FlowState* d = new FlowState();
    Diamond() {
        a->attach(b);
        a->attach(c);
        b->attach(d);
        c->attach(d);
    }
};

class FlowNode : public ParserBase {
public:
    explicit FlowNode(int line = 1) : ParserBase(line, 0, line, 0) {}
    void link() override {}
    void check() override {}
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}
    using ParserBase::adoptFlow;
    using ParserBase::combineFlow;
    using ParserBase::sequenceFlow;
};

FlowSet leavesOf(FlowState* s) { return s->leafSet(); }

}  // namespace

TEST(FlowState, AttachRefusesWhenClosedAndKeepsOneEdge) {
    FlowState x, s;
    EXPECT_TRUE(x.attach(nullptr));
    EXPECT_TRUE(x.successors.empty());  // a null successor adds nothing
    EXPECT_TRUE(x.attach(&s));
    EXPECT_TRUE(x.attach(&s));
    ASSERT_FALSE(x.successors.empty());
    EXPECT_EQ(x.successors.size(), 1u);
    EXPECT_TRUE(s.attached);
    EXPECT_FALSE(x.attached);

    FlowState closed, t;
    closed.closed = true;
    EXPECT_FALSE(closed.attach(&t));
    EXPECT_TRUE(closed.successors.empty());
    EXPECT_FALSE(t.attached);

    // Closing keeps existing edges.
    x.closed = true;
    EXPECT_EQ(x.successors.size(), 1u);
    EXPECT_FALSE(x.attach(&t));
}

// Past the inline entries and past the size where an index takes over
// membership: order of attachment kept, duplicates refused at every size,
// leaves found through the overflowed array, and everything freed.
TEST(FlowState, ManySuccessorsKeepOrderAndRefuseDuplicates) {
    const long before = live();
    {
        FlowState hub;
        std::vector<FlowState*> targets;
        for (int i = 0; i < 40; ++i) targets.push_back(new FlowState());
        for (size_t i = 0; i < targets.size(); ++i) {
            EXPECT_TRUE(hub.attach(targets[i]));
            for (size_t j = 0; j <= i; j += 7) hub.attach(targets[j]);  // already present
            EXPECT_EQ(hub.successors.size(), i + 1);
        }
        EXPECT_TRUE(std::equal(targets.begin(), targets.end(), hub.successors.begin(),
                               hub.successors.end()));
        FlowState stranger;
        EXPECT_EQ(hub.successors.count(&stranger), 0u);
        EXPECT_EQ(hub.successors.count(targets[33]), 1u);
        EXPECT_EQ(leavesOf(&hub), FlowSet(targets.begin(), targets.end()));
        hub.destroyGraph();
    }
    EXPECT_EQ(live(), before);
}

TEST(FlowState, AbsorbIntoSingleStates) {
    FlowState closed, s;
    closed.closed = true;
    EXPECT_FALSE(closed.absorb(&s));
    EXPECT_TRUE(closed.successors.empty());
    EXPECT_TRUE(closed.absorb(nullptr));

    FlowState open;
    EXPECT_TRUE(open.absorb(&s));
    ASSERT_FALSE(open.successors.empty());
    EXPECT_EQ(FlowSet(open.successors.begin(), open.successors.end()), FlowSet{&s});
}

TEST(FlowState, AbsorbAttachesOnlyToOpenLeaves) {
    FlowState root, shut, open, s;
    shut.closed = true;
    root.attach(&shut);
    root.attach(&open);
    EXPECT_TRUE(root.absorb(&s));
    EXPECT_TRUE(shut.successors.empty());
    ASSERT_FALSE(open.successors.empty());
    EXPECT_EQ(FlowSet(open.successors.begin(), open.successors.end()), FlowSet{&s});
    EXPECT_EQ(leavesOf(&root), (FlowSet{&shut, &s}));  // a closed leaf stays a leaf

    // Every leaf is offered, whatever the order: two open leaves both take it.
    FlowState r2, l1, l2, t;
    r2.attach(&l1);
    r2.attach(&l2);
    EXPECT_TRUE(r2.absorb(&t));
    EXPECT_TRUE(!l1.successors.empty() && l1.successors.count(&t));
    EXPECT_TRUE(!l2.successors.empty() && l2.successors.count(&t));

    // All leaves closed: refused, nothing changes.
    FlowState r3, c1, u;
    c1.closed = true;
    r3.attach(&c1);
    EXPECT_FALSE(r3.absorb(&u));
    EXPECT_TRUE(c1.successors.empty());
}

TEST(FlowState, WalksVisitSharedStatesOnce) {
    FlowState lone;
    EXPECT_EQ(leavesOf(&lone), FlowSet{&lone});
    FlowSet self;
    lone.collectReachable(self);
    EXPECT_EQ(self, FlowSet{&lone});

    Diamond g;
    EXPECT_EQ(leavesOf(g.a), FlowSet{g.d});
    FlowSet all;
    g.a->collectReachable(all);
    EXPECT_EQ(all, (FlowSet{g.a, g.b, g.c, g.d}));

    // Paths of different lengths to one state; leaves are appended to `out`.
    FlowState* e = new FlowState();
    FlowState* f = new FlowState();
    g.a->attach(e);
    g.d->attach(f);
    e->attach(f);
    FlowSet out{&lone};
    g.a->collectLeaves(out);
    EXPECT_EQ(out, (FlowSet{&lone, f}));

    g.a->destroyGraph();
    delete g.a;
}

TEST(FlowState, DestroyGraphFreesEachStateOnce) {
    long before = live();
    {
        Diamond g;
        FlowState* tail = new FlowState();
        g.d->attach(tail);
        g.b->attach(tail);  // shared again, on another level
        g.a->destroyGraph();
        EXPECT_TRUE(g.a->successors.empty());
        delete g.a;
    }
    EXPECT_EQ(live(), before);

    // A state that was dismantled only loses its own successor set.
    FlowState* x = new FlowState();
    FlowState* y = new FlowState();
    x->attach(y);
    x->dismantled = true;
    x->destroyGraph();
    EXPECT_TRUE(x->successors.empty());
    delete x;
    delete y;
    EXPECT_EQ(live(), before);
}

TEST(FlowState, AnyInSetStopsAtFirstMatch) {
    FlowState s1, s2, s3;
    s2.closed = true;
    FlowSet set{&s1, &s2, &s3};
    struct Probe {
        int calls = 0;
    } probe;
    auto isClosed = [](FlowState* s, void* arg) {
        ++static_cast<Probe*>(arg)->calls;
        return s->closed;
    };
    EXPECT_TRUE(FlowState::anyInSet(set, isClosed, &probe));
    int position = 0;
    for (FlowState* s : set) {
        ++position;
        if (s == &s2) break;
    }
    EXPECT_EQ(probe.calls, position);
    s2.closed = false;
    probe.calls = 0;
    EXPECT_FALSE(FlowState::anyInSet(set, isClosed, &probe));
    EXPECT_EQ(probe.calls, 3);
    EXPECT_FALSE(FlowState::anyInSet(FlowSet{}, isClosed, &probe));
}

TEST(FlowState, LongChainsNeedNoRecursion) {
    const int length = 200000;
    {
        // The pool's first large chunks start its preparing thread, whose
        // own allocations stay: outside the count.
        std::vector<FlowState*> warmUp;
        for (int i = 0; i < length; ++i) warmUp.push_back(new FlowState());
        for (FlowState* s : warmUp) delete s;
    }
    long before = live();
    std::vector<FlowState*> chain;
    chain.reserve(length);
    for (int i = 0; i < length; ++i) chain.push_back(new FlowState());
    for (int i = 0; i + 1 < length; ++i) chain[i]->attach(chain[i + 1]);

    EXPECT_EQ(leavesOf(chain[0]), FlowSet{chain.back()});
    FlowSet all;
    chain[0]->collectReachable(all);
    EXPECT_EQ(all.size(), static_cast<size_t>(length));

    FlowState* extra = new FlowState();
    EXPECT_TRUE(chain[0]->absorb(extra));
    EXPECT_TRUE(!chain.back()->successors.empty() && chain.back()->successors.count(extra));

    FlowState* first = chain[0];
    std::vector<FlowState*>().swap(chain);
    all.clear();
    first->destroyGraph();
    delete first;
    EXPECT_EQ(live(), before);
}

TEST(FlowHelpers, BuildGraphsFromChildren) {
    { FlowNode warmUp; }  // file names are interned once per process, outside the count
    long before = live();
    {
        FlowNode list;
        list.sequenceFlow({});
        ASSERT_NE(list.flow, nullptr);
        EXPECT_EQ(list.flow->owner, &list);
        EXPECT_TRUE(list.flow->successors.empty());
        list.flow->destroyGraph();
        delete list.flow;

        // Items run in order and the list's own state comes last; a chain of
        // lone states is kept as one state that the list owns, with the same
        // single leaf, and the other items' states are freed.
        FlowNode a, b, seq;
        a.seedFlow();
        b.seedFlow();
        seq.sequenceFlow({&a, nullptr, &b});
        EXPECT_EQ(seq.flow, a.flow);
        EXPECT_EQ(seq.flow->owner, &seq);
        EXPECT_TRUE(seq.flow->successors.empty());
        delete seq.flow;

        // An item that is more than a lone state keeps the chain: items in
        // order, the list's own state last.
        FlowNode c, d, inner, chained;
        c.seedFlow();
        c.flow->attach(new FlowState(&inner));
        d.seedFlow();
        chained.sequenceFlow({&c, &d});
        EXPECT_EQ(chained.flow, c.flow);
        EXPECT_EQ(c.flow->owner, &c);
        FlowSet leaves = chained.flow->leafSet();
        ASSERT_EQ(leaves.size(), 1u);
        EXPECT_EQ((*leaves.begin())->owner, &chained);
        EXPECT_EQ(chained.flow->successors.size(), 1u);
        EXPECT_EQ((*chained.flow->successors.begin())->owner, &inner);
        chained.flow->destroyGraph();
        delete chained.flow;

        // Lists whose items' graphs are read again keep every item's state.
        FlowNode e, f, kept;
        e.seedFlow();
        f.seedFlow();
        kept.chainItemFlows({&e, &f});
        EXPECT_EQ(kept.flow, e.flow);
        EXPECT_EQ(e.flow->owner, &e);
        EXPECT_EQ(FlowSet(e.flow->successors.begin(), e.flow->successors.end()), FlowSet{f.flow});
        leaves = kept.flow->leafSet();
        ASSERT_EQ(leaves.size(), 1u);
        EXPECT_EQ((*leaves.begin())->owner, &kept);
        kept.flow->destroyGraph();
        delete kept.flow;

        // A child whose graph ends closed refuses the adopting node's state,
        // which is then freed.
        FlowNode child, parent;
        child.seedFlow();
        child.flow->closed = true;
        parent.adoptFlow(&child);
        EXPECT_EQ(parent.flow, child.flow);
        EXPECT_EQ(child.flow->owner, &child);
        EXPECT_TRUE(child.flow->successors.empty());
        delete child.flow;

        // An open lone child's state becomes the adopting node's own, marked
        // as standing for the chain it replaces (a try tells a body of one
        // state from a longer one).
        FlowNode open, adopter;
        open.seedFlow();
        EXPECT_FALSE(open.flow->standsForChain);
        adopter.adoptFlow(&open);
        EXPECT_EQ(adopter.flow, open.flow);
        EXPECT_EQ(adopter.flow->owner, &adopter);
        EXPECT_TRUE(adopter.flow->standsForChain);
        delete adopter.flow;

        // Only the node's own state: no chain. A child's state and the
        // node's own: a chain.
        FlowNode alone, only, withOne;
        alone.sequenceFlow({nullptr});
        EXPECT_FALSE(alone.flow->standsForChain);
        only.seedFlow();
        withOne.combineFlow(&only, nullptr);
        EXPECT_EQ(withOne.flow, only.flow);
        EXPECT_TRUE(withOne.flow->standsForChain);
        delete alone.flow;
        delete withOne.flow;

        // combineFlow with no first child starts from an empty state, then
        // the second child's graph, then the node's own state, which a
        // closed second child refuses.
        FlowNode second, both;
        second.seedFlow();
        second.flow->closed = true;
        both.combineFlow(nullptr, &second);
        ASSERT_NE(both.flow, nullptr);
        EXPECT_EQ(both.flow->owner, nullptr);
        EXPECT_EQ(FlowSet(both.flow->successors.begin(), both.flow->successors.end()), FlowSet{second.flow});
        leaves = both.flow->leafSet();
        EXPECT_EQ(leaves, FlowSet{second.flow});
        both.flow->destroyGraph();
        delete both.flow;

        // Two open lone children: one state, owned by the node.
        FlowNode x, y, pair;
        x.seedFlow();
        y.seedFlow();
        pair.combineFlow(&x, &y);
        EXPECT_EQ(pair.flow, x.flow);
        EXPECT_EQ(pair.flow->owner, &pair);
        EXPECT_TRUE(pair.flow->successors.empty());
        delete pair.flow;
    }
    EXPECT_EQ(live(), before);
}
