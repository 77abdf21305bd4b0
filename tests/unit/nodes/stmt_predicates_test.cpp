// alwaysLeaves / isTerminator / isBranching of the statement nodes, and the
// order in which link visits children.
#include <gtest/gtest.h>

#include "nodes/BreakKomanda.h"
#include "nodes/Case.h"
#include "nodes/DefaultCase.h"
#include "nodes/DoKomanda.h"
#include "nodes/Else.h"
#include "nodes/ElseIf.h"
#include "nodes/ForeachDefinitor.h"
#include "nodes/IfKomanda.h"
#include "nodes/Naredba.h"
#include "nodes/OpcionoZaKljuc.h"
#include "nodes/ReturnKomanda.h"
#include "nodes/RuzniElseIf.h"
#include "stmt_support.h"

using namespace php;
using namespace stmttest;

namespace {

ParserBase* ret(int line = 1) { return new ReturnKomanda("return", at(line), nullptr); }

bool ifLeaves(ParserBase* thenPart, ParserBase* elsePart) {
    IfKomanda node("if", at(1), new Probe(1), thenPart, elsePart);
    return node.alwaysLeaves();
}

}  // namespace

TEST(StmtPredicates, IfLeavesOnlyWhenBothBranchesLeave) {
    EXPECT_FALSE(ifLeaves(ret(), nullptr));
    EXPECT_FALSE(ifLeaves(nullptr, new Else("else", at(2), ret())));
    EXPECT_FALSE(ifLeaves(ret(), new Else("else", at(2), new Probe(2))));
    EXPECT_TRUE(ifLeaves(ret(), new Else("else", at(2), ret())));
    EXPECT_TRUE(ifLeaves(new BreakKomanda("break", at(1), nullptr),
                         new Else("else", at(2), new Probe(2, true))));
}

TEST(StmtPredicates, ElseIfChainsNeedAFinalElse) {
    auto chain = [](ParserBase* rest) {
        return new Else(new ElseIf("elseif", at(2), new Probe(2), ret(2), rest));
    };
    EXPECT_FALSE(ifLeaves(ret(), chain(nullptr)));
    EXPECT_TRUE(ifLeaves(ret(), chain(new Else("else", at(3), ret(3)))));

    RuzniElseIf alt("elseif", at(2), new Probe(2), ret(2), ret(3));
    EXPECT_TRUE(alt.alwaysLeaves());
    EXPECT_FALSE(alt.isBranching());
    ElseIf plain("elseif", at(2), new Probe(2), ret(2), nullptr);
    EXPECT_FALSE(plain.alwaysLeaves());
    EXPECT_TRUE(plain.isBranching());
}

// A branch that is a statement list answers from the flag its link computed.
TEST(StmtPredicates, ListBranchesAnswerAfterLink) {
    auto* node = new IfKomanda("if", at(1), new Probe(1), statements({new Probe(2), ret(3)}),
                               new Else("else", at(4), statements({ret(5)})));
    EXPECT_FALSE(node->alwaysLeaves());
    analyse(node);
    EXPECT_TRUE(node->alwaysLeaves());
    delete node;

    // An if whose branches both return makes its enclosing list leave too.
    auto* outer = statements({new Probe(1), new IfKomanda("if", at(2), new Probe(2), ret(3),
                                                          new Else("else", at(4), ret(5)))});
    analyse(outer);
    EXPECT_TRUE(outer->alwaysLeaves());
    delete outer;
}

TEST(StmtPredicates, CaseLeavesWithItsStatementsButDefaultNever) {
    auto* leaving = statements({ret(2)});
    analyse(leaving);
    Case c("case", at(1), new Probe(1), nullptr, leaving);
    EXPECT_TRUE(c.alwaysLeaves());
    Case empty("case", at(1), new Probe(1), nullptr, nullptr);
    EXPECT_FALSE(empty.alwaysLeaves());

    auto* alsoLeaving = statements({ret(2)});
    analyse(alsoLeaving);
    DefaultCase d("default", at(1), nullptr, alsoLeaving);
    EXPECT_FALSE(d.alwaysLeaves());
}

TEST(StmtPredicates, NaredbaTerminatesOnlyInItsLocationForm) {
    Naredba wrapping(new Probe(1));
    EXPECT_FALSE(wrapping.isTerminator());
    Naredba bare(at(1));
    EXPECT_TRUE(bare.isTerminator());
}

TEST(StmtLinkOrder, ChildrenAreLinkedInTheirOwnOrder) {
    auto* cond = new Probe(1);
    auto* thenPart = new Probe(2);
    auto* elsePart = new Probe(3);
    auto* ifNode = new IfKomanda("if", at(1), cond, thenPart, new Else("else", at(3), elsePart));
    analyse(ifNode);
    EXPECT_EQ(linkLog(), (std::vector<ParserBase*>{cond, thenPart, elsePart}));
    EXPECT_EQ(children(ifNode), (std::vector<ParserBase*>{cond, thenPart, elsePart}));
    delete ifNode;

    auto* body = new Probe(2);
    cond = new Probe(3);
    auto* doNode = new DoKomanda("do", at(1), body, "while", at(3), cond, nullptr);
    analyse(doNode);
    EXPECT_EQ(linkLog(), (std::vector<ParserBase*>{body, cond}));
    EXPECT_EQ(children(doNode), (std::vector<ParserBase*>{body, cond}));
    delete doNode;

    auto* subject = new Probe(1);
    auto* key = new Probe(1);
    auto* value = new Probe(1);
    auto* def = new ForeachDefinitor("(", at(1), subject, "as", at(1), key,
                                     new OpcionoZaKljuc("=>", at(1), value), ")", at(1));
    analyse(def);
    EXPECT_EQ(linkLog(), (std::vector<ParserBase*>{subject, value, key}));
    EXPECT_EQ(def->firstTarget, key);
    delete def;
}
