#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "tree/FlowState.h"

using namespace php;

namespace {

// Leaves found by a plain walk, independent of what FlowState remembers.
FlowSet leavesByWalk(FlowState* start) {
    FlowSet leaves, seen;
    std::vector<FlowState*> todo{start};
    while (!todo.empty()) {
        FlowState* s = todo.back();
        todo.pop_back();
        if (!seen.insert(s).second) continue;
        if (s->successors.empty())
            leaves.insert(s);
        else
            todo.insert(todo.end(), s->successors.begin(), s->successors.end());
    }
    return leaves;
}

}  // namespace

// Graphs grow the way nodes build them: new graphs offered to the leaves of
// existing ones (one at a time or two as the branches of a fork), states
// attached directly to inner states, some states closed. After every step the leaves reported must be the true leaves.
TEST(FlowLeaves, RememberedLeavesFollowEveryChange) {
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        std::vector<FlowState*> firsts;  // first states of the separate graphs
        std::vector<FlowState*> all;
        auto fresh = [&] {
            auto* s = new FlowState();
            all.push_back(s);
            return s;
        };
        for (int step = 0; step < 60; ++step) {
            int what = random() % 6;
            if (firsts.size() < 2 || what == 0) {
                FlowState* s = fresh();
                if (random() % 7 == 0) s->closed = true;
                firsts.push_back(s);
            } else if (what <= 2) {
                // absorb one separate graph into another
                size_t a = random() % firsts.size(), b = random() % firsts.size();
                if (a == b) continue;
                FlowState* x = firsts[a];
                FlowState* y = firsts[b];
                if (x->absorb(y)) firsts.erase(firsts.begin() + static_cast<long>(b));
            } else if (what == 5 && firsts.size() >= 3) {
                // fork two separate graphs at the leaves of a third
                size_t a = random() % firsts.size();
                std::vector<size_t> others;
                for (size_t i = 0; i < firsts.size(); ++i)
                    if (i != a) others.push_back(i);
                std::shuffle(others.begin(), others.end(), random);
                FlowState* branches[2] = {firsts[others[0]], firsts[others[1]]};
                bool taken[2];
                firsts[a]->fork(branches, 2, taken);
                EXPECT_EQ(taken[0], taken[1]);  // a leaf takes both or, closed, neither
                if (taken[0]) {
                    std::sort(others.begin(), others.begin() + 2);
                    firsts.erase(firsts.begin() + static_cast<long>(others[1]));
                    firsts.erase(firsts.begin() + static_cast<long>(others[0]));
                }
            } else if (what == 3) {
                // attach a new state to some state of a graph (inner or leaf)
                FlowState* x = firsts[random() % firsts.size()];
                FlowSet reachable;
                x->collectReachable(reachable);
                auto it = reachable.begin();
                std::advance(it, static_cast<long>(random() % reachable.size()));
                (*it)->attach(fresh());
            } else {
                // attach an existing edge again: nothing may change
                FlowState* x = firsts[random() % firsts.size()];
                if (!x->successors.empty()) x->attach(*x->successors.begin());
            }
            for (FlowState* f : firsts) ASSERT_EQ(f->leafSet(), leavesByWalk(f)) << "round " << round;
        }
        for (FlowState* s : all) delete s;
    }
}

// The same graph reached through an inner state keeps its own leaves.
TEST(FlowLeaves, InnerStatesAnswerForTheirOwnSubgraph) {
    FlowState a, b, c, d;
    ASSERT_TRUE(a.absorb(&b));
    ASSERT_TRUE(a.absorb(&c));  // a -> b -> c
    EXPECT_EQ(b.leafSet(), FlowSet{&c});
    ASSERT_TRUE(b.attach(&d));  // b -> c, b -> d
    EXPECT_EQ(a.leafSet(), (FlowSet{&c, &d}));
    EXPECT_EQ(c.leafSet(), FlowSet{&c});
}
