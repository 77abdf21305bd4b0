#pragma once
// Helpers shared by the statement-node tests.
#include <set>
#include <vector>

#include "driver/RunState.h"
#include "model/UtilFunkcija.h"
#include "nodes/ListaNaredbi.h"
#include "tree/FlowState.h"
#include "tree/FlowWanted.h"
#include "tree/ParserBase.h"

namespace stmttest {

using php::FlowSet;
using php::FlowState;
using php::Location;
using php::ParserBase;
using php::Value;

inline Location at(int line) { return Location(line, 0, line, 0); }

// Nodes in the order their link() ran.
inline std::vector<ParserBase*>& linkLog() {
    static std::vector<ParserBase*> log;
    return log;
}

// A leaf standing in for an expression or a simple statement.
class Probe : public ParserBase {
public:
    bool leaves = false;
    int unwrapCalls = 0;
    php::Type* type = nullptr;

    explicit Probe(int line = 1, bool alwaysLeaves = false)
        : ParserBase(at(line)), leaves(alwaysLeaves) {}
    void link() override {
        linkLog().push_back(this);
        staticType = type;
    }
    void check() override {}
    Value evaluate() override { return Value(); }
    ParserBase* unwrap() override {
        ++unwrapCalls;
        return this;
    }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}
    bool alwaysLeaves() override { return leaves; }
};

// A function body around one child, as a function declaration is one.
class Body : public ParserBase, public php::UtilFunkcija {
public:
    ParserBase* inner;
    explicit Body(ParserBase* child) : inner(child) {}
    ~Body() override { delete inner; }
    void link() override { linkChild(inner); }
    void check() override { checkAndAbsorb(inner); }
    Value evaluate() override { return Value(); }
    void computeFlow() override { adoptFlow(inner); }
    void collectChildren(std::vector<ParserBase*>& out) override {
        if (inner) out.push_back(inner);
    }
};

// A statement list built through the grammar's left-recursive constructor.
inline php::ListaNaredbi* statements(std::initializer_list<ParserBase*> items) {
    php::ListaNaredbi* list = nullptr;
    for (ParserBase* item : items) list = new php::ListaNaredbi(list, item);
    return list;
}

// Links a tree from its root and builds the root's graph, outside definitions
// mode and as inside a function body (the only place graphs are built); the
// mode is put back afterwards for the other tests of the binary.
inline void analyse(ParserBase* root) {
    php::FlowWanted inBody(true);
    bool& mode = php::runState()->definitionsMode;
    const bool saved = mode;
    mode = false;
    linkLog().clear();
    root->link();
    root->computeFlow();
    mode = saved;
}

// Owners of the leaves of a graph; null stands for an empty state.
inline std::multiset<ParserBase*> leafOwners(FlowState* graph) {
    FlowSet leaves;
    graph->collectLeaves(leaves);
    std::multiset<ParserBase*> owners;
    for (FlowState* s : leaves) owners.insert(s->owner);
    return owners;
}

inline std::set<ParserBase*> reachableOwners(FlowState* graph) {
    FlowSet all;
    graph->collectReachable(all);
    std::set<ParserBase*> owners;
    for (FlowState* s : all) owners.insert(s->owner);
    return owners;
}

inline std::vector<ParserBase*> children(ParserBase* node) {
    std::vector<ParserBase*> out;
    node->collectChildren(out);
    return out;
}

}  // namespace stmttest
