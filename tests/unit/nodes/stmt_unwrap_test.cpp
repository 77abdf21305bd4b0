// Construction of statement nodes: which wrappers dissolve, what parents keep.
#include <gtest/gtest.h>

#include "nodes/BlokKomanda.h"
#include "nodes/Case.h"
#include "nodes/Caseovi.h"
#include "nodes/DeclareNaredba.h"
#include "nodes/Else.h"
#include "nodes/ElseIf.h"
#include "nodes/ForeachNaredba.h"
#include "nodes/IfKomanda.h"
#include "nodes/IzrazKomanda.h"
#include "nodes/Komanda.h"
#include "nodes/ListaIzraza.h"
#include "nodes/ListaIzrazaOpc.h"
#include "nodes/Naredba.h"
#include "nodes/RuznaListaNaredbi.h"
#include "nodes/RuzniElse.h"
#include "nodes/RuzniElseIf.h"
#include "nodes/SwitchKomanda.h"
#include "nodes/Switchovi.h"
#include "stmt_support.h"

using namespace php;
using namespace stmttest;

TEST(StmtUnwrap, StatementWrappersDissolveIntoTheInnerNode) {
    auto* expr = new Probe(4);
    // Naredba -> Komanda -> IzrazKomanda -> expression, as the grammar stacks them.
    ParserBase* stmt = new Naredba(new Komanda(new IzrazKomanda(expr, nullptr)));
    EXPECT_EQ(stmt->unwrap(), expr);
    delete expr;

    // Inline HTML and the empty statement leave nothing in the tree.
    EXPECT_EQ((new Komanda("<p>", at(1)))->unwrap(), nullptr);
    EXPECT_EQ((new Naredba(new Komanda(nullptr)))->unwrap(), nullptr);
}

TEST(StmtUnwrap, BlockAndAlternativeListDissolveIntoTheirList) {
    auto* list = statements({new Probe(2)});
    ParserBase* block = new BlokKomanda("{", at(1), list, "}", at(3));
    EXPECT_EQ(block->unwrap(), list);
    EXPECT_EQ((new BlokKomanda("{", at(1), nullptr, "}", at(1)))->unwrap(), nullptr);

    ParserBase* alt = new RuznaListaNaredbi(":", at(1), list);
    EXPECT_EQ(alt->unwrap(), list);
    delete list;
}

TEST(StmtUnwrap, ElseKeepsTheBranchOrTheElseIf) {
    auto* ret = new Probe(5);
    auto* ifStmt = new IfKomanda("if", at(1), new Probe(1), new Probe(2),
                                 new Else("else", at(4), new Komanda(ret)));
    EXPECT_EQ(ifStmt->elsePart, ret);
    delete ifStmt;

    auto* elseIf = new ElseIf("elseif", at(3), new Probe(3), new Probe(3), nullptr);
    ifStmt = new IfKomanda("if", at(1), new Probe(1), new Probe(2), new Else(elseIf));
    EXPECT_EQ(ifStmt->elsePart, elseIf);
    EXPECT_EQ(elseIf->unwrap(), elseIf);
    delete ifStmt;

    // "else ;" has no branch at all.
    EXPECT_EQ((new Else("else", at(1), new Komanda(nullptr)))->unwrap(), nullptr);
}

// RuzniElse and Switchovi hand over their inner node without a second unwrap;
// Else, BlokKomanda and the other first-rule wrappers unwrap it again.
TEST(StmtUnwrap, SecondRuleWrappersDoNotUnwrapAgain) {
    auto* inner = new Probe(2);
    ParserBase* ruzni =
        new RuzniElse(new RuzniElseIf("elseif", at(2), new Probe(2), nullptr, nullptr));
    ParserBase* kept = ruzni->unwrap();
    EXPECT_NE(dynamic_cast<RuzniElseIf*>(kept), nullptr);
    delete kept;

    ruzni = new RuzniElse("else", at(1), inner);
    EXPECT_EQ(inner->unwrapCalls, 1);
    EXPECT_EQ(ruzni->unwrap(), inner);
    EXPECT_EQ(inner->unwrapCalls, 1);

    ParserBase* sw = new Switchovi("{", at(1), nullptr, inner, "}", at(2));
    EXPECT_EQ(sw->unwrap(), inner);
    EXPECT_EQ(inner->unwrapCalls, 2);

    ParserBase* els = new Else("else", at(1), inner);
    EXPECT_EQ(els->unwrap(), inner);
    EXPECT_EQ(inner->unwrapCalls, 4);
    delete inner;
}

TEST(StmtUnwrap, EndifFormStoresTheListsThemselves) {
    auto* thenList = statements({new Probe(2)});
    auto* elseList = statements({new Probe(4)});
    IfKomanda ifStmt("if", at(1), new Probe(1), new RuznaListaNaredbi(":", at(1), thenList),
                     new RuzniElse("else", at(3), new RuznaListaNaredbi(":", at(3), elseList)),
                     "endif", at(5), nullptr);
    EXPECT_EQ(ifStmt.thenStatement, thenList);
    EXPECT_EQ(ifStmt.elsePart, elseList);
    EXPECT_EQ(ifStmt.location.firstLine, 1);
}

TEST(StmtUnwrap, SwitchStoresTheCaseListAndOptionalListsDissolve) {
    auto* cases = new Caseovi(nullptr, new Case("case", at(2), new Probe(2), nullptr, nullptr));
    SwitchKomanda sw("switch", at(1), new Probe(1),
                     new Switchovi(":", at(1), nullptr, cases, "endswitch", at(3), nullptr));
    EXPECT_EQ(sw.cases, cases);

    auto* list = new ListaIzraza(new Probe(1));
    EXPECT_EQ((new ListaIzrazaOpc(list))->unwrap(), list);
    EXPECT_EQ((new ListaIzrazaOpc(nullptr))->unwrap(), nullptr);
    delete list;
}

TEST(StmtUnwrap, LoopAndDeclareBodiesStayInTheTree) {
    ParserBase* fe = new ForeachNaredba(new Komanda(new Probe(1)));
    EXPECT_EQ(fe->unwrap(), fe);
    delete fe;
    ParserBase* dn = new DeclareNaredba(statements({new Probe(1)}), "enddeclare", at(2), nullptr);
    EXPECT_EQ(dn->unwrap(), dn);
    EXPECT_EQ(dn->location.firstLine, 2);
    delete dn;
}
