// Tree construction of the expression nodes: which wrappers vanish on
// adoption, which stay, and where the children end up.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "nodes/BinarniOperator.h"
#include "nodes/CastNaredba.h"
#include "nodes/ClanListe.h"
#include "nodes/DefinicijaListe.h"
#include "nodes/InkrementOperator.h"
#include "nodes/InternaFunkcija.h"
#include "nodes/Izraz.h"
#include "nodes/IzrazBezPromenljive.h"
#include "nodes/IzrazIliReferenca.h"
#include "nodes/ListaClanovaListe.h"
#include "nodes/ListaClanovaNiza.h"
#include "nodes/ClanNiza.h"
#include "nodes/LogickiIzraz.h"
#include "nodes/LogickiUslov.h"
#include "nodes/MutavaNaredba.h"
#include "nodes/NaredbaDodele.h"
#include "nodes/NaredbaNew.h"
#include "nodes/ObicanSkalar.h"
#include "nodes/Plus.h"
#include "nodes/Promenljiva.h"
#include "nodes/Referenca.h"
#include "nodes/Skalar.h"
#include "nodes/StatickiSkalar.h"
#include "nodes/UnarniOperator.h"
#include "expr_probe.h"

namespace php {
namespace {

using testing::at;
using testing::Probe;

ParserBase* adoptNode(ParserBase* n) { return n ? n->unwrap() : nullptr; }

TEST(ExprTree, GrammarWrappersHandOverTheirInnerNodeAlive) {
    const Location l = at(3);
    std::vector<std::pair<const char*, std::function<ParserBase*(ParserBase*)>>> wrappers = {
        {"BinarniOperator", [](ParserBase* x) { return new BinarniOperator(x); }},
        {"UnarniOperator", [](ParserBase* x) { return new UnarniOperator(x); }},
        {"CastNaredba", [](ParserBase* x) { return new CastNaredba(x); }},
        {"LogickiIzraz", [](ParserBase* x) { return new LogickiIzraz(x); }},
        {"InternaFunkcija", [](ParserBase* x) { return new InternaFunkcija(x); }},
        {"MutavaNaredba", [&](ParserBase* x) { return new MutavaNaredba("@", l, x); }},
        {"LogickiUslov", [&](ParserBase* x) { return new LogickiUslov("(", l, x, ")", l); }},
        {"IzrazBezPromenljive", [](ParserBase* x) { return new IzrazBezPromenljive(x); }},
        {"IzrazBezPromenljive()",
         [&](ParserBase* x) { return new IzrazBezPromenljive("(", l, x, ")", l); }},
        {"Izraz", [](ParserBase* x) { return new Izraz(x); }},
    };
    for (auto& [name, make] : wrappers) {
        SCOPED_TRACE(name);
        bool destroyed = false;
        auto* inner = new Probe();
        inner->destroyed = &destroyed;
        ParserBase* adopted = adoptNode(make(inner));
        EXPECT_EQ(adopted, inner);
        EXPECT_FALSE(destroyed);
        delete adopted;
        EXPECT_EQ(adoptNode(make(nullptr)), nullptr);
    }
}

TEST(ExprTree, SilencedParenthesisedScalarLeavesOnlyTheLiteral) {
    // "(@1)" as an operand: Izraz(IzrazBezPromenljive("(", Izraz(IzrazBezPromenljive(
    // MutavaNaredba("@", Izraz(IzrazBezPromenljive(Skalar(ObicanSkalar)))))), ")"))
    const Location l = at(1);
    auto* literal = new ObicanSkalar("1", l);
    ParserBase* inner = new Izraz(new IzrazBezPromenljive(new Skalar(literal)));
    inner = new Izraz(new IzrazBezPromenljive(new MutavaNaredba("@", l, inner)));
    std::unique_ptr<ParserBase> plus(
        new Plus(new Izraz(new IzrazBezPromenljive("(", l, inner, ")", l)), "+", l,
                 new Izraz(new IzrazBezPromenljive(new Skalar(new ObicanSkalar("2", l))))));
    auto* p = static_cast<Plus*>(plus.get());
    EXPECT_EQ(p->left, literal);
    EXPECT_EQ(p->right->kind(), 133);
}

TEST(ExprTree, IzrazStaysOnlyAroundAVariable) {
    auto* variable = new Promenljiva(nullptr, nullptr);
    ParserBase* kept = adoptNode(new Izraz(variable));
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->kind(), 85);
    EXPECT_EQ(static_cast<Izraz*>(kept)->inner, variable);
    delete kept;

    auto* literal = new ObicanSkalar("7", at(1));
    ParserBase* gone = adoptNode(new Izraz(literal));
    EXPECT_EQ(gone, literal);
    delete gone;
}

TEST(ExprTree, SkalarHandsOverItsOperandWithoutUnwrappingItAgain) {
    auto* operand = new Probe();
    ParserBase* adopted = adoptNode(new Skalar(operand));
    EXPECT_EQ(adopted, operand);
    EXPECT_EQ(operand->unwrapCalls, 1);  // once, when Skalar adopted it
    delete adopted;
    EXPECT_EQ(adoptNode(new Skalar(nullptr)), nullptr);
}

TEST(ExprTree, StatickiSkalarKeepsItselfOnlyWithASign) {
    auto* five = new ObicanSkalar("5", at(2));
    EXPECT_EQ(adoptNode(new StatickiSkalar(five)), five);
    delete five;

    // "- + 5": the inner signed scalar stays as the operand of the outer one.
    auto* literal = new ObicanSkalar("5", at(2));
    auto* plus = new StatickiSkalar("+", at(2), new StatickiSkalar(literal));
    ParserBase* minus = adoptNode(new StatickiSkalar("-", at(2), plus));
    ASSERT_EQ(minus->kind(), 176);
    auto* outer = static_cast<StatickiSkalar*>(minus);
    EXPECT_EQ(outer->sign, -1);
    ASSERT_EQ(outer->operand, plus);
    EXPECT_EQ(plus->sign, 1);
    EXPECT_EQ(plus->operand, literal);
    delete minus;
}

TEST(ExprTree, IzrazIliReferencaTellsAReferenceFromAnExpression) {
    auto* ref = new Referenca("&", at(1), new Promenljiva(nullptr, nullptr));
    auto* asRef = new IzrazIliReferenca(ref);
    EXPECT_EQ(asRef->reference, ref);
    EXPECT_EQ(asRef->expression, nullptr);
    ParserBase* adopted = adoptNode(asRef);
    EXPECT_EQ(adopted, ref);
    delete adopted;

    auto* literal = new ObicanSkalar("1", at(1));
    auto* asExpr = new IzrazIliReferenca(literal);
    EXPECT_EQ(asExpr->expression, literal);
    EXPECT_EQ(adoptNode(asExpr), literal);
    delete literal;
}

TEST(ExprTree, AssignmentFormsFillTheirOwnFields) {
    const Location l = at(4);
    NaredbaDodele compound(new Promenljiva(nullptr, nullptr), "<<=", l, new ObicanSkalar("1", l));
    EXPECT_NE(compound.target, nullptr);
    EXPECT_NE(compound.value, nullptr);
    EXPECT_EQ(compound.operatorChar, '<');
    EXPECT_EQ(compound.location.firstLine, 4);

    NaredbaDodele byRef(new Promenljiva(nullptr, nullptr), "=", l,
                        new Referenca("&", l, new Promenljiva(nullptr, nullptr)));
    EXPECT_NE(byRef.reference, nullptr);
    EXPECT_EQ(byRef.value, nullptr);
    EXPECT_EQ(byRef.operatorChar, '=');

    auto* list = new DefinicijaListe("list", l, "(", l, nullptr, ")", l);
    NaredbaDodele listForm(list, "=", l, new ObicanSkalar("1", l));
    EXPECT_EQ(listForm.listTarget, list);
    EXPECT_EQ(listForm.target, nullptr);
    EXPECT_NE(listForm.value, nullptr);

    auto* created = new NaredbaNew("new", l, nullptr, nullptr);
    NaredbaDodele newForm(new Promenljiva(nullptr, nullptr), "=", l, "&", l, created);
    EXPECT_EQ(newForm.newReference, created);
    EXPECT_EQ(newForm.value, nullptr);
}

TEST(ExprTree, AssignmentLinksTheRightSideFirstButListsItsTargetFirst) {
    std::vector<std::string> log;
    auto* target = new Probe("target", &log);
    auto* ref = new Referenca("&", at(1), new Promenljiva(nullptr, nullptr));
    NaredbaDodele byRef(target, "=", at(1), ref);
    // Referenca links its own children, so watch only for the target.
    byRef.link();
    std::vector<ParserBase*> children;
    byRef.collectChildren(children);
    EXPECT_EQ(children, (std::vector<ParserBase*>{target, ref}));
    EXPECT_EQ(ref->parent, &byRef);
    EXPECT_EQ(target->parent, &byRef);
    ASSERT_FALSE(target->predecessors.empty());
    EXPECT_EQ(log, std::vector<std::string>{"target:link"});

    log.clear();
    auto* value = new Probe("value", &log);
    auto* plainTarget = new Probe("target", &log);
    NaredbaDodele plain(plainTarget, "=", at(1), value);
    plain.link();
    EXPECT_EQ(log, (std::vector<std::string>{"value:link", "target:link"}));
    children.clear();
    plain.collectChildren(children);
    EXPECT_EQ(children, (std::vector<ParserBase*>{value, plainTarget}));
}

TEST(ExprTree, IncrementRemembersWhereTheOperatorStood) {
    InkrementOperator post(new Promenljiva(nullptr, nullptr), "++", at(1));
    InkrementOperator pre("++", at(1), new Promenljiva(nullptr, nullptr));
    EXPECT_FALSE(post.prefix);
    EXPECT_TRUE(pre.prefix);
}

TEST(ExprTree, ListsGrowInPlaceAndSitAtTheirFirstPresentItem) {
    auto* first = new ClanNiza(new ObicanSkalar("1", at(5)));
    auto* second = new ClanNiza(new ObicanSkalar("2", at(6)));
    ParserBase* list = new ListaClanovaNiza(first);
    list = new ListaClanovaNiza(list, ",", at(6), second);
    auto* members = static_cast<ListaClanovaNiza*>(list);
    EXPECT_EQ(members->items, (std::vector<ParserBase*>{first, second}));
    EXPECT_EQ(members->location.firstLine, 5);
    delete list;

    // "list(, $a)": the empty member is a null item that link drops.
    auto* a = new ClanListe(new Promenljiva(nullptr, nullptr));
    a->location = at(8);
    ParserBase* names = new ListaClanovaListe(nullptr);
    EXPECT_EQ(names->location.firstLine, -1);
    names = new ListaClanovaListe(names, ",", at(8), a);
    auto* listMembers = static_cast<ListaClanovaListe*>(names);
    EXPECT_EQ(listMembers->items.size(), 2u);
    EXPECT_EQ(listMembers->location.firstLine, 8);
    listMembers->link();
    EXPECT_EQ(listMembers->items, std::vector<ParserBase*>{a});
    delete names;
}

}  // namespace
}  // namespace php
