// Flow graphs of the control-flow statements: where execution can end.
#include <gtest/gtest.h>

#include "model/Type.h"
#include "nodes/BreakKomanda.h"
#include "nodes/Case.h"
#include "nodes/Caseovi.h"
#include "nodes/Catch.h"
#include "nodes/DefaultCase.h"
#include "nodes/DoKomanda.h"
#include "nodes/Else.h"
#include "nodes/ForDefinitor.h"
#include "nodes/ForKomanda.h"
#include "nodes/ForeachDefinitor.h"
#include "nodes/ForeachKomanda.h"
#include "nodes/ForeachNaredba.h"
#include "nodes/IfKomanda.h"
#include "nodes/ListaCatchova.h"
#include "nodes/ListaIzraza.h"
#include "nodes/ReturnKomanda.h"
#include "nodes/SwitchKomanda.h"
#include "nodes/ThrowKomanda.h"
#include "nodes/TryKomanda.h"
#include "nodes/WhileKomanda.h"
#include "stmt_support.h"

using namespace php;
using namespace stmttest;

using Owners = std::multiset<ParserBase*>;

namespace {

ReturnKomanda* ret(int line = 1) { return new ReturnKomanda("return", at(line), nullptr); }

TryKomanda* tryWith(ParserBase* bodyList, ParserBase* catchBody) {
    auto* c = new Catch("catch", at(2), "(", at(2), new Probe(2), new Probe(2), ")", at(2), "{",
                        at(2), catchBody, "}", at(2));
    return new TryKomanda("try", at(1), "{", at(1), bodyList, "}", at(1), new ListaCatchova(c));
}

}  // namespace

TEST(StmtFlow, IfWithoutElseLeavesAnEmptyPath) {
    auto* cond = new Probe(1);
    auto* thenPart = new Probe(2);
    IfKomanda node("if", at(1), cond, thenPart, nullptr);
    analyse(&node);
    EXPECT_EQ(node.flow->owner, cond);
    EXPECT_EQ(leafOwners(node.flow), (Owners{thenPart, nullptr}));
}

TEST(StmtFlow, ReturnIsOneClosedStateCutOffFromItsOperand) {
    auto* value = new Probe(1);
    ReturnKomanda node("return", at(1), value, nullptr);
    analyse(&node);
    EXPECT_EQ(node.flow->owner, &node);
    EXPECT_TRUE(node.flow->closed);
    EXPECT_TRUE(node.flow->successors.empty());
    EXPECT_TRUE(value->flow->successors.empty());
}

TEST(StmtFlow, IfWhoseBranchesReturnEndsInClosedStatesOnly) {
    auto* r1 = ret(2);
    auto* r2 = ret(3);
    auto* after = new Probe(4);
    auto* list = statements(
        {new IfKomanda("if", at(1), new Probe(1), r1, new Else("else", at(3), r2)), after});
    analyse(list);
    EXPECT_EQ(leafOwners(list->flow), (Owners{r1, r2}));
    EXPECT_EQ(reachableOwners(list->flow).count(after), 0u);
    delete list;
}

TEST(StmtFlow, StatementListIsCutAtTheFirstTerminator) {
    auto* first = new Probe(1);
    auto* brk = new BreakKomanda("break", at(2), nullptr);
    auto* dead = new Probe(3);
    auto* list = statements({first, brk, dead});
    analyse(list);
    EXPECT_EQ(list->flow->owner, first);
    EXPECT_EQ(leafOwners(list->flow), (Owners{brk}));
    EXPECT_FALSE(brk->flow->closed);  // a break is an open leaf
    EXPECT_EQ(reachableOwners(list->flow).count(dead), 0u);
    delete list;

    auto* empty = new ListaNaredbi(nullptr, nullptr);
    analyse(empty);
    EXPECT_EQ(leafOwners(empty->flow), (Owners{nullptr}));
    delete empty;
}

TEST(StmtFlow, WhileRunsItsBodyOnceOrNotAtAll) {
    auto* cond = new Probe(1);
    auto* body = new Probe(2);
    WhileKomanda loop("while", at(1), cond, body);
    analyse(&loop);
    EXPECT_EQ(loop.flow->owner, cond);
    EXPECT_EQ(leafOwners(loop.flow), (Owners{body, nullptr}));

    auto* onlyCond = new Probe(1);
    WhileKomanda bare("while", at(1), onlyCond, nullptr);
    analyse(&bare);
    EXPECT_EQ(leafOwners(bare.flow), (Owners{onlyCond}));
}

TEST(StmtFlow, DoRunsTheConditionAfterTheBody) {
    auto* body = new Probe(1);
    auto* cond = new Probe(2);
    DoKomanda loop("do", at(1), body, "while", at(2), cond, nullptr);
    analyse(&loop);
    EXPECT_EQ(loop.flow->owner, body);
    EXPECT_EQ(leafOwners(loop.flow), (Owners{cond}));
}

// for ($i; $c; $s) body: init, then condition; the leaves are the body's
// leaves and the exit state X hung directly on the condition.
TEST(StmtFlow, ForLeavesAreTheBodyLeavesAndTheExit) {
    auto* init = new Probe(1);
    auto* cond = new Probe(1);
    auto* step = new Probe(1);
    auto* body = new Probe(2);
    auto* header =
        new ForDefinitor("(", at(1), new ListaIzraza(init), ";", at(1), new ListaIzraza(cond), ";",
                         at(1), new ListaIzraza(step), ")", at(1));
    ForKomanda loop("for", at(1), header, body);
    analyse(&loop);
    EXPECT_EQ(loop.flow->owner, nullptr);
    EXPECT_EQ(leafOwners(loop.flow), (Owners{body, nullptr}));
    const auto reached = reachableOwners(loop.flow);
    // The init list's graph is in (its lone chain is kept as the list's state).
    EXPECT_EQ(reached.count(header->init), 1u);
    EXPECT_EQ(reached.count(step), 0u);
    EXPECT_EQ(reached.count(header), 0u);
    // The body sees the header's definitions.
    ASSERT_FALSE(body->predecessors.empty());
    EXPECT_EQ(body->predecessors.count(header), 1u);
    EXPECT_EQ(body->predecessors.count(&loop), 1u);

    auto* bodyOnly = new Probe(2);
    ForKomanda endless(
        "for", at(1),
        new ForDefinitor("(", at(1), nullptr, ";", at(1), nullptr, ";", at(1), nullptr, ")", at(1)),
        bodyOnly);
    analyse(&endless);
    EXPECT_EQ(leafOwners(endless.flow), (Owners{bodyOnly, nullptr}));
}

TEST(StmtFlow, ForeachMaySkipItsBody) {
    auto* inner = new Probe(2);
    auto* header = new ForeachDefinitor("(", at(1), new Probe(1), "as", at(1), new Probe(1),
                                        nullptr, ")", at(1));
    auto* body = new ForeachNaredba(inner);
    ForeachKomanda loop("foreach", at(1), header, body);
    analyse(&loop);
    EXPECT_EQ(loop.flow->owner, header);
    EXPECT_EQ(leafOwners(loop.flow), (Owners{body, nullptr}));
    EXPECT_EQ(body->predecessors.count(header), 1u);
}

TEST(StmtFlow, SwitchWithoutDefaultHasAPathPastAllLabels) {
    auto* subject = new Probe(1);
    auto* cases = new Caseovi(
        nullptr, new Case("case", at(2), new Probe(2), nullptr, statements({new Probe(3)})));
    SwitchKomanda sw("switch", at(1), subject, cases);
    analyse(&sw);
    EXPECT_EQ(sw.flow->owner, subject);
    EXPECT_EQ(leafOwners(sw.flow), (Owners{cases, nullptr}));

    auto* withDefault = new Caseovi(
        nullptr, new Case("case", at(2), new Probe(2), nullptr, statements({new Probe(3)})));
    withDefault = new Caseovi(
        withDefault, new DefaultCase("default", at(4), nullptr, statements({new Probe(5)})));
    SwitchKomanda sw2("switch", at(1), new Probe(1), withDefault);
    analyse(&sw2);
    EXPECT_EQ(leafOwners(sw2.flow), (Owners{withDefault}));
}

TEST(StmtFlow, TryGoesOnAfterTheBodyOrACatchAndLeavesNoEmptyEnd) {
    auto* inBody = new Probe(1);
    auto* tryNode = tryWith(statements({inBody}), statements({new Probe(2)}));
    analyse(tryNode);
    EXPECT_EQ(tryNode->flow->owner, inBody);
    EXPECT_EQ(leafOwners(tryNode->flow), (Owners{tryNode->catches}));
    delete tryNode;

    // try { $r = f(); return $r; } catch (E $e) { return null; }: the body's
    // return refuses the catch; the path that skips the body ends in the
    // try's own state, which the return check passes over.
    auto* assign = new Probe(1);
    auto* bodyReturn = ret(1);
    auto* catchReturn = ret(2);
    tryNode = tryWith(statements({assign, bodyReturn}), statements({catchReturn}));
    analyse(tryNode);
    EXPECT_EQ(leafOwners(tryNode->flow), (Owners{bodyReturn, tryNode}));
    delete tryNode;

    TryKomanda emptyTry("try", at(1), "{", at(1), nullptr, "}", at(1), nullptr);
    analyse(&emptyTry);
    EXPECT_EQ(leafOwners(emptyTry.flow), (Owners{nullptr}));
}

// try { return g(); } catch (A $a) {} catch (B $b) {}: nothing can take the
// catches (the body is one closed state), and the first catch is already
// chained to the second. Neither may be freed, so both stay whole.
TEST(StmtFlow, RefusedCatchesAreLeftAlone) {
    auto* bodyReturn = ret(1);
    auto* first = new Catch("catch", at(2), "(", at(2), new Probe(2), new Probe(2), ")", at(2), "{",
                            at(2), nullptr, "}", at(2));
    auto* second = new Catch("catch", at(3), "(", at(3), new Probe(3), new Probe(3), ")", at(3), "{",
                             at(3), nullptr, "}", at(3));
    auto* catches = new ListaCatchova(new ListaCatchova(first), second);
    TryKomanda node("try", at(1), "{", at(1), statements({bodyReturn}), "}", at(1), catches);
    analyse(&node);
    EXPECT_EQ(leafOwners(node.flow), (Owners{bodyReturn}));
    std::set<ParserBase*> chained = reachableOwners(first->flowState());
    EXPECT_EQ(chained.count(second), 1u);
    EXPECT_EQ(chained.count(catches), 1u);
}

TEST(StmtFlow, ThrowClosesItsPathOnlyOutsideATry) {
    auto* outside = new ThrowKomanda("throw", at(1), new Probe(1), nullptr);
    auto* list = statements({outside});
    analyse(list);
    FlowSet leaves = list->flow->leafSet();
    ASSERT_EQ(leaves.size(), 1u);
    EXPECT_EQ((*leaves.begin())->owner, outside);
    EXPECT_TRUE((*leaves.begin())->closed);
    delete list;

    auto* inside = new ThrowKomanda("throw", at(1), new Probe(1), nullptr);
    auto* tryNode = tryWith(statements({inside}), nullptr);
    analyse(tryNode);
    // The catch now follows the throw, so its own state is no longer a leaf.
    FlowSet reached;
    inside->flow->collectReachable(reached);
    int own = 0;
    for (FlowState* s : reached) {
        if (s->owner != inside) continue;
        ++own;
        EXPECT_FALSE(s->closed);
        EXPECT_FALSE(s->successors.empty());
    }
    EXPECT_EQ(own, 1);
    delete tryNode;

    // A function body between the throw and the try hides the try.
    auto* inFunction = new ThrowKomanda("throw", at(1), nullptr, nullptr);
    tryNode = tryWith(statements({new Body(statements({inFunction}))}), nullptr);
    analyse(tryNode);
    EXPECT_EQ(inFunction->flow->owner, inFunction);
    EXPECT_TRUE(inFunction->flow->closed);
    delete tryNode;
}

TEST(StmtFlow, ReturnRegistersWithItsFunctionAndTakesTheOperandType) {
    auto* value = new Probe(2);
    value->type = integerType();
    auto* r = new ReturnKomanda("return", at(2), value, nullptr);
    Body body(statements({new Probe(1), r}));
    analyse(&body);
    EXPECT_EQ(body.returns.count(r), 1u);
    EXPECT_EQ(r->staticType, integerType());

    // Outside any function there is nobody to register with.
    auto* top = ret(1);
    auto* list = statements({top});
    analyse(list);
    EXPECT_EQ(top->staticType, nullptr);
    delete list;
}
