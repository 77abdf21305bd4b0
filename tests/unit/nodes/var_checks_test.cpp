// How variable and member nodes fold their children's names, and the flow
// order of an index access.
#include <gtest/gtest.h>

#include <memory>

#include "driver/RunState.h"
#include "nodes/AtributObjekta.h"
#include "nodes/FqImeKlase.h"
#include "nodes/Identifikator.h"
#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/Konstanta.h"
#include "nodes/ListaDolara.h"
#include "nodes/ListaPromenljivih.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/PristupAtributu.h"
#include "nodes/StatickiClan.h"
#include "tree/FlowState.h"
#include "tree/FlowWanted.h"

namespace php {
namespace {

Location at(int line) { return Location(line, 0, line, 0); }

NameRecord read(const char* name) { return NameRecord(nullptr, name, "c.php", 1, 0); }

// "$name" whose name node already holds its read, as the variable analysis
// will leave it.
NeobjektnaPromenljiva* variableReading(const char* name) {
    auto* id = new ImePromenljive(new Identifikator(name, at(1)));
    id->addPendingUse(read(name));
    return new NeobjektnaPromenljiva(new ListaDolara("$", at(1)), new IndeksniPristup(id));
}

bool holds(const NameSet* set, const char* name) { return set && set->count(read(name)); }

TEST(VarChecks, VariableListLeavesReadsPending) {
    auto* list = new ListaPromenljivih(variableReading("a"));
    list = new ListaPromenljivih(list, ",", at(1), variableReading("b"));
    std::unique_ptr<ListaPromenljivih> owner(list);
    list->check();
    EXPECT_TRUE(holds(list->pendingUses(), "a"));
    EXPECT_TRUE(holds(list->pendingUses(), "b"));
    EXPECT_EQ(list->usedNames(), nullptr);
    EXPECT_EQ(list->definitions(), nullptr);
}

TEST(VarChecks, PlainMemberNameIsNoRead) {
    // "->m[$i]": the name m is dropped, the index's read is kept as used.
    Konstanta definer("X", at(1));
    definer.addDefinition(read("i"));
    auto* name = new ImePromenljive(new Identifikator("m", at(1)));
    name->addPendingUse(read("m"));
    auto* index = new ImePromenljive(new Identifikator("i", at(1)));
    index->addPendingUse(read("i"));
    auto* plain = new IndeksniPristup(new IndeksniPristup(name), "[", at(1), index, "]", at(1));
    plain->addPredecessor(&definer);
    AtributObjekta attribute(plain);
    EXPECT_EQ(attribute.plainName, plain);
    attribute.check();
    EXPECT_EQ(attribute.pendingUses(), nullptr);
    EXPECT_TRUE(holds(attribute.usedNames(), "i"));
    EXPECT_FALSE(holds(attribute.usedNames(), "m"));
}

TEST(VarChecks, DynamicMemberNameIsARead) {
    Konstanta definer("X", at(1));
    definer.addDefinition(read("v"));
    NeobjektnaPromenljiva* dynamic = variableReading("v");
    AtributObjekta attribute(dynamic);
    EXPECT_EQ(attribute.dynamicName, dynamic);
    attribute.addPredecessor(&definer);
    attribute.check();
    EXPECT_TRUE(holds(attribute.usedNames(), "v"));
    EXPECT_EQ(attribute.pendingUses(), nullptr);
}

TEST(VarChecks, StaticMemberContributesNoNames) {
    StatickiClan member(new FqImeKlase("Foo", at(1)), "::", at(1), variableReading("count"));
    member.check();
    EXPECT_EQ(member.pendingUses(), nullptr);
    EXPECT_EQ(member.usedNames(), nullptr);
    EXPECT_EQ(member.definitions(), nullptr);
}

// $a[][K]: the variable's graph, then the indexes, then the access itself.
// Lone states in that sequence are kept as one state the access owns (the
// same single leaf); a variable whose graph is more keeps the sequence.
TEST(VarChecks, IndexAccessRunsVariableThenIndexesThenItself) {
    bool mode = runState()->definitionsMode;
    runState()->definitionsMode = false;
    for (bool longer : {false, true}) {
        auto* name = new ImePromenljive(new Identifikator("a", at(1)));
        auto* k = new Konstanta("K", at(1));
        auto* ip = new IndeksniPristup(name);
        ip = new IndeksniPristup(ip, "[", at(1), nullptr, "]", at(1));
        ip = new IndeksniPristup(ip, "[", at(1), k, "]", at(1));
        ParserBase* inner = ip->variable;  // what the last index applies to
        std::unique_ptr<IndeksniPristup> owner(ip);
        FlowWanted inBody(true);
        ip->link();
        ImePromenljive marker(new Identifikator("m", at(1)));
        if (longer) inner->flowState()->attach(new FlowState(&marker));
        ip->computeFlow();

        std::vector<ParserBase*> order;
        for (FlowState* s = ip->flowState(); s;) {
            order.push_back(s->owner);
            ASSERT_TRUE(s->successors.empty() || s->successors.size() == 1);
            s = !s->successors.empty() ? *s->successors.begin() : nullptr;
        }
        if (longer)
            EXPECT_EQ(order, (std::vector<ParserBase*>{inner, &marker, k, ip}));
        else
            EXPECT_EQ(order, (std::vector<ParserBase*>{ip}));
        ip->flowState()->destroyGraph();
        delete ip->flowState();
    }
    runState()->definitionsMode = mode;
}

TEST(VarChecks, PropertyModifierFlags) {
    PristupAtributu none;
    EXPECT_TRUE(none.isPublic);
    PristupAtributu priv("private", at(1));
    EXPECT_FALSE(priv.isPublic);
    EXPECT_TRUE(priv.isPrivate);
    EXPECT_FALSE(priv.isProtected);
    PristupAtributu prot("protected", at(1));
    EXPECT_TRUE(prot.isProtected);
    EXPECT_FALSE(prot.isPrivate);
}

}  // namespace
}  // namespace php
