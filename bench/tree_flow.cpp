// Flow-graph walks on large graphs: collectLeaves, collectReachable and
// destroyGraph on a long chain, a wide fan-out and a ladder of diamonds.
// Prints the time per operation; nothing is asserted.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "tree/FlowState.h"

using namespace php;
using Clock = std::chrono::steady_clock;

namespace {

double millisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

FlowState* chain(int n) {
    FlowState* first = new FlowState();
    FlowState* last = first;
    for (int i = 1; i < n; ++i) {
        FlowState* s = new FlowState();
        last->attach(s);
        last = s;
    }
    return first;
}

// One root with n leaves.
FlowState* fan(int n) {
    FlowState* root = new FlowState();
    for (int i = 0; i < n; ++i) root->attach(new FlowState());
    return root;
}

// n diamonds in a row: each joins two branches that the next splits again,
// like a sequence of if/else statements.
FlowState* ladder(int n) {
    FlowState* top = new FlowState();
    FlowState* join = top;
    for (int i = 0; i < n; ++i) {
        FlowState* left = new FlowState();
        FlowState* right = new FlowState();
        FlowState* next = new FlowState();
        join->attach(left);
        join->attach(right);
        left->attach(next);
        right->attach(next);
        join = next;
    }
    return top;
}

void run(const char* name, int size, int repeats, const std::function<FlowState*(int)>& build) {
    Clock::time_point t = Clock::now();
    FlowState* g = build(size);
    double buildMs = millisSince(t);

    size_t leaves = 0;
    t = Clock::now();
    for (int r = 0; r < repeats; ++r) leaves = g->leafSet().size();
    double leavesMs = millisSince(t) / repeats;

    FlowSet all;
    t = Clock::now();
    g->collectReachable(all);
    double reachMs = millisSince(t);

    t = Clock::now();
    g->destroyGraph();
    delete g;
    double destroyMs = millisSince(t);

    std::printf("%-8s states=%-8zu leaves=%-7zu build %8.2f ms  collectLeaves %8.2f ms  "
                "collectReachable %8.2f ms  destroyGraph %8.2f ms\n",
                name, all.size(), leaves, buildMs, leavesMs, reachMs, destroyMs);
}

}  // namespace

int main(int argc, char** argv) {
    int scale = argc > 1 ? std::atoi(argv[1]) : 1;
    if (scale < 1) scale = 1;
    run("chain", 200000 * scale, 5, chain);
    run("fan", 200000 * scale, 5, fan);
    run("ladder", 100000 * scale, 5, ladder);
    return 0;
}
