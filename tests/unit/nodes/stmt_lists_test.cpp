// Lists that extend themselves: take-over of the vector, nulls, locations.
#include <gtest/gtest.h>

#include "nodes/Case.h"
#include "nodes/Caseovi.h"
#include "nodes/DefaultCase.h"
#include "nodes/ListaIzraza.h"
#include "nodes/ListaNaredbi.h"
#include "nodes/ReturnKomanda.h"
#include "stmt_support.h"

using namespace php;
using namespace stmttest;

TEST(StmtLists, StatementListTakesOverThePreviousVector) {
    auto* a = new Probe(3);
    auto* b = new Probe(4);
    auto* first = new ListaNaredbi(nullptr, a);
    first->items.reserve(8);
    ParserBase* const* storage = first->items.data();
    auto* second = new ListaNaredbi(first, b);  // deletes `first`
    EXPECT_EQ(second->items.data(), storage);
    ASSERT_EQ(second->items.size(), 2u);
    EXPECT_EQ(second->items[0], a);
    EXPECT_EQ(second->items[1], b);
    EXPECT_EQ(second->location.firstLine, 3);
    delete second;
}

TEST(StmtLists, LongStatementListIsFlat) {
    ListaNaredbi* list = nullptr;
    for (int i = 0; i < 1000; ++i) list = new ListaNaredbi(list, new Probe(i + 1));
    ASSERT_EQ(list->items.size(), 1000u);
    for (ParserBase* item : list->items) EXPECT_NE(dynamic_cast<Probe*>(item), nullptr);
    EXPECT_EQ(list->items[999]->location.firstLine, 1000);
    delete list;
}

// An empty statement yields null; the list keeps no entry for it, and its
// location stays unknown until the first real statement.
TEST(StmtLists, NullStatementsAreNotKept) {
    auto* list = new ListaNaredbi(nullptr, nullptr);
    EXPECT_TRUE(list->items.empty());
    EXPECT_EQ(list->location.firstLine, -1);
    auto* p = new Probe(7);
    list = new ListaNaredbi(new ListaNaredbi(list, p), nullptr);
    ASSERT_EQ(list->items.size(), 1u);
    EXPECT_EQ(list->location.firstLine, 7);

    // Nulls that got into the vector some other way are dropped by link.
    list->items.insert(list->items.begin(), nullptr);
    analyse(list);
    ASSERT_EQ(list->items.size(), 1u);
    EXPECT_EQ(list->items[0], p);
    EXPECT_EQ(p->parent, list);
    delete list;
}

TEST(StmtLists, CaseListCountsDefaultLabels) {
    auto* c1 = new Case("case", at(2), new Probe(2), nullptr, nullptr);
    auto* list = new Caseovi(nullptr, c1);
    list = new Caseovi(list, new DefaultCase("default", at(3), nullptr, nullptr));
    list = new Caseovi(list, new Case("case", at(4), new Probe(4), nullptr, nullptr));
    list = new Caseovi(list, new DefaultCase("default", at(5), nullptr, nullptr));
    EXPECT_EQ(list->defaultCount, 2);
    ASSERT_EQ(list->items.size(), 4u);
    EXPECT_EQ(list->items[0], c1);
    EXPECT_EQ(list->location.firstLine, 2);
    delete list;

    list = new Caseovi(nullptr, new Case("case", at(2), nullptr, nullptr, nullptr));
    EXPECT_EQ(list->defaultCount, 0);
    delete list;
}

TEST(StmtLists, CommaListsTakeOverAndSkipRejectedItems) {
    auto* a = new Probe(1);
    auto* b = new Probe(1);
    auto* list = new ListaIzraza(a);
    list = new ListaIzraza(list, ",", at(1), nullptr);  // "FOO = 1" reported, value null
    list = new ListaIzraza(list, ",", at(1), b);
    ASSERT_EQ(list->items.size(), 2u);
    EXPECT_EQ(list->items[0], a);
    EXPECT_EQ(list->items[1], b);
    delete list;

    auto* first = new ListaIzraza(nullptr);
    EXPECT_TRUE(first->items.empty());
    EXPECT_EQ(first->location.firstLine, -1);
    delete first;
}

TEST(StmtLists, AlwaysLeavesFlagIsFixedByLink) {
    auto* list =
        statements({new Probe(1), new ReturnKomanda("return", at(2), nullptr), new Probe(3)});
    EXPECT_FALSE(list->alwaysLeaves());
    analyse(list);
    EXPECT_TRUE(list->alwaysLeaves());
    delete list;

    list = statements({new Probe(1), new Probe(2)});
    analyse(list);
    EXPECT_FALSE(list->alwaysLeaves());
    delete list;
}
