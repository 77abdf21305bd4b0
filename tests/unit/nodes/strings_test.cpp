// Interpolating strings: how the parts are assembled, their values, and the
// checks and lookups of the interpolation nodes.
#include <gtest/gtest.h>

#include <memory>

#include "diagnostics/NedeklarisanaPromenljiva.h"
#include "diagnostics/NepostojeciAtribut.h"
#include "diagnostics/NepostojeciElementNiza.h"
#include "diagnostics/NijeObjekat.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/BackqString.h"
#include "nodes/DqElementNiza.h"
#include "nodes/DqElementNiza2.h"
#include "nodes/DqIzraz.h"
#include "nodes/DqMember.h"
#include "nodes/DqSlozenaPromenljiva.h"
#include "nodes/DqString.h"
#include "nodes/HereDoc.h"
#include "nodes/Identifikator.h"
#include "nodes/Konstanta.h"
#include "nodes/ObicniZnaci.h"
#include "nodes/OfsetPodNavodnikom.h"
#include "nodes/PromenljivaPodNavodnikom.h"
#include "nodes/Varijabla.h"
#include "nodes/ZnaciPodNavodnikom.h"

namespace php {
namespace {

Location at(int line) { return Location(line, 0, line, 0); }

// Appends one part the way the grammar does.
ZnaciPodNavodnikom* append(ParserBase* previous, ParserBase* part) { return new ZnaciPodNavodnikom(previous, part); }

ParserBase* text(const char* t, int line = 1) { return new ObicniZnaci(t, at(line)); }

ParserBase* interpolation(ParserBase* inner) { return new PromenljivaPodNavodnikom(inner); }

// A constant of the built-in scope whose value is a string.
void defineStringConstant(const char* name, const char* value) {
    auto* v = new Value();
    v->setString(value);
    globalBuiltinScope()->addConstant(ConstantKey(name, true), v);
}

// Diagnostics appended since `from`.
std::vector<Greska*> reportsSince(size_t from) {
    auto& list = semanticList();
    return std::vector<Greska*>(list.begin() + static_cast<long>(from), list.end());
}

TEST(Strings, PartsAreOneFlatVector) {
    auto* a = text("a");
    auto* v = new Varijabla("$x", at(1));
    auto* expr = new DqIzraz("${", at(1), new Konstanta("K", at(1)), "}", at(1));
    auto* b = text("b");
    ZnaciPodNavodnikom* parts = append(nullptr, a);
    parts = append(parts, interpolation(v));
    parts = append(parts, interpolation(expr));
    parts = append(parts, interpolation(nullptr));  // nothing to append
    parts = append(parts, b);
    DqString s("\"", at(4), parts, "\"", at(4));
    EXPECT_EQ(s.parts, parts);
    EXPECT_EQ(s.location.firstLine, 4);
    ASSERT_EQ(parts->parts.size(), 4u);
    EXPECT_EQ(parts->parts[0], a);
    // A plain variable keeps its wrapper; any other interpolation is unwrapped.
    auto* wrapper = dynamic_cast<PromenljivaPodNavodnikom*>(parts->parts[1]);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->inner, v);
    EXPECT_EQ(parts->parts[2], expr);
    EXPECT_EQ(parts->parts[3], b);
    EXPECT_EQ(parts->location.firstLine, -1);
}

TEST(Strings, StaticValueConcatenatesTextAsWritten) {
    defineStringConstant("TW_STRINGS_MIDDLE", "-mid-");
    ZnaciPodNavodnikom* parts = append(nullptr, text("a\\n"));
    parts = append(parts, interpolation(new DqIzraz("${", at(1), new Konstanta("TW_STRINGS_MIDDLE", at(1)), "}", at(1))));
    parts = append(parts, text("z"));
    DqString s("\"", at(1), parts, "\"", at(1));
    Value v = s.staticValue();
    ASSERT_EQ(v.type, stringType());
    EXPECT_EQ(v.asString(), "a\\n-mid-z");
    EXPECT_EQ(s.evaluate().type, nullptr);  // a constant's evaluate is unknown

    // A part with an unknown value makes the whole string unknown.
    ZnaciPodNavodnikom* unknown = append(append(nullptr, text("a")), interpolation(new Varijabla("$q", at(1))));
    DqString t("\"", at(1), unknown, "\"", at(1));
    EXPECT_EQ(t.staticValue().type, nullptr);
}

TEST(Strings, EmptyAndBackquotedStrings) {
    DqString empty("\"", at(1), nullptr, "\"", at(1));
    EXPECT_EQ(empty.staticValue().type, stringType());
    EXPECT_EQ(empty.staticValue().asString(), "");
    EXPECT_EQ(empty.evaluate().asString(), "");

    BackqString noParts("`", at(1), nullptr, "`", at(1));
    EXPECT_EQ(noParts.staticValue().asString(), "");
    BackqString shell("`", at(1), append(nullptr, text("ls")), "`", at(1));
    EXPECT_EQ(shell.staticValue().asString(), "ls");
    Value output = shell.evaluate();
    ASSERT_EQ(output.type, stringType());
    EXPECT_EQ(output.asString(), "");

    HereDoc doc("<<<", at(9), append(nullptr, text("\n")), "EOT", at(10));
    EXPECT_EQ(doc.location.firstLine, 9);
    EXPECT_EQ(doc.evaluate().asString(), "\n");
}

TEST(Strings, LinkGivesStringTypes) {
    auto* inner = new DqString("\"", at(1), append(nullptr, text("x")), "\"", at(1));
    DqIzraz expr("${", at(1), inner, "}", at(1));
    expr.link();
    EXPECT_EQ(inner->staticType, stringType());
    EXPECT_EQ(expr.staticType, stringType());
    EXPECT_EQ(inner->parent, &expr);
}

TEST(Strings, NumericIndexIsReadAsDecimal) {
    EXPECT_EQ(OfsetPodNavodnikom("0x1F", at(1)).staticValue().asInteger(), 0);
    EXPECT_EQ(OfsetPodNavodnikom("017", at(1)).evaluate().asInteger(), 17);
    Value v = OfsetPodNavodnikom("42", at(1)).staticValue();
    ASSERT_EQ(v.type, integerType());
    EXPECT_EQ(v.asInteger(), 42);

    OfsetPodNavodnikom named(new Konstanta("key", at(1)));
    EXPECT_EQ(named.value, -19781708);
    EXPECT_EQ(named.staticValue().type, nullptr);  // the child's evaluate
}

TEST(Strings, ElementOfAnUndeclaredVariableIsReported) {
    size_t before = semanticList().size();
    DqElementNiza element(new Varijabla("$tw_strings_nowhere", at(1)), "[", at(5),
                          new OfsetPodNavodnikom("0", at(5)), "]", at(5));
    element.fileName = "s.php";
    EXPECT_EQ(element.evaluate().type, nullptr);
    auto reports = reportsSince(before);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(dynamic_cast<greske::NedeklarisanaPromenljiva*>(reports[0]), nullptr);
    EXPECT_EQ(reports[0]->line, 5);
    EXPECT_EQ(reports[0]->file, "s.php");
}

TEST(Strings, ElementLookupInAKnownArray) {
    auto* array = new Value();
    Value key, element;
    key.setInteger(0);
    element.setString("first");
    array->insertElement(key, element);
    globalBuiltinScope()->addVariable("tw_strings_array", array);
    globalBuiltinScope()->addVariable("tw_strings_unknown", new Value("x.php", 1));

    size_t before = semanticList().size();
    DqElementNiza found(new Varijabla("$tw_strings_array", at(1)), "[", at(1), new OfsetPodNavodnikom("0", at(1)),
                        "]", at(1));
    EXPECT_EQ(found.evaluate().asString(), "first");
    EXPECT_TRUE(reportsSince(before).empty());

    // ${name[expr]} shares the lookup.
    DqElementNiza2 missing("${", at(2), new Identifikator("tw_strings_array", at(2)), "[", at(2),
                           new OfsetPodNavodnikom("3", at(2)), "]", at(2), "}", at(2));
    EXPECT_EQ(missing.name, "tw_strings_array");
    EXPECT_EQ(missing.evaluate().type, nullptr);
    auto reports = reportsSince(before);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(dynamic_cast<greske::NepostojeciElementNiza*>(reports[0]), nullptr);
    EXPECT_EQ(array->arraySize(), 1u);  // looking up did not insert

    // Unknown content is undecided, never a missing element.
    DqElementNiza undecided(new Varijabla("$tw_strings_unknown", at(3)), "[", at(3),
                            new OfsetPodNavodnikom("0", at(3)), "]", at(3));
    EXPECT_EQ(undecided.evaluate().type, nullptr);
    EXPECT_EQ(reportsSince(before).size(), 1u);
}

// A member access whose variable's read reaches a definition of `type`.
struct MemberFixture {
    ParserBase* definer;
    std::unique_ptr<DqMember> member;

    MemberFixture(Type* type, const char* property, bool typed = true) {
        definer = new DqString("\"", at(1), nullptr, "\"", at(1));
        definer->addDefinition(NameRecord(nullptr, "o", "m.php", 1, 0, 1, typed ? type : nullptr));
        auto* variable = new Varijabla("$o", at(7));
        variable->addPendingUse(NameRecord(nullptr, "o", "m.php", 7, 0));
        member.reset(new DqMember(variable, "->", at(7), new Identifikator(property, at(7))));
        member->fileName = "m.php";
        member->addPredecessor(definer);
    }
    ~MemberFixture() { delete definer; }
};

TEST(Strings, MemberCheckUsesTheReachingType) {
    Klasa klasa("m.php", 1, "Shape");
    Value width;  // tables do not own their entries
    klasa.members->addVariable("width", &width);

    size_t before = semanticList().size();
    MemberFixture known(&klasa, "width");
    known.member->check();
    EXPECT_TRUE(reportsSince(before).empty());

    MemberFixture unknown(&klasa, "depth");
    unknown.member->check();
    auto reports = reportsSince(before);
    ASSERT_EQ(reports.size(), 1u);
    auto* undeclared = dynamic_cast<greske::NepostojeciAtribut*>(reports[0]);
    ASSERT_NE(undeclared, nullptr);
    EXPECT_EQ(undeclared->member, "depth");
    EXPECT_EQ(undeclared->line, 7);

    MemberFixture scalar(integerType(), "width");
    scalar.member->check();
    reports = reportsSince(before);
    ASSERT_EQ(reports.size(), 2u);
    auto* notObject = dynamic_cast<greske::NijeObjekat*>(reports[1]);
    ASSERT_NE(notObject, nullptr);
    EXPECT_EQ(notObject->name, "o");

    MemberFixture untyped(&klasa, "depth", false);
    untyped.member->check();
    EXPECT_EQ(reportsSince(before).size(), 2u);
    // The read was resolved into this node, not left pending.
    ASSERT_NE(untyped.member->usedNames(), nullptr);
    EXPECT_EQ(untyped.member->pendingUses(), nullptr);
}

TEST(Strings, ComplexVariableForwardsItsValue) {
    auto* s = new DqString("\"", at(1), append(nullptr, text("v")), "\"", at(1));
    DqSlozenaPromenljiva braced("{", at(2), s, "}", at(2));
    EXPECT_EQ(braced.staticValue().asString(), "v");
    EXPECT_EQ(braced.location.firstLine, 2);
    DqSlozenaPromenljiva none("{", at(2), nullptr, "}", at(2));
    EXPECT_EQ(none.evaluate().type, nullptr);
}

}  // namespace
}  // namespace php
