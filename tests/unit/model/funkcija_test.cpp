#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/Greska.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"

using namespace php;

namespace {

std::vector<std::string> takeReports() {
    std::vector<std::string> out;
    for (Greska* g : semanticList()) {
        out.push_back(g->render());
        delete g;
    }
    semanticList().clear();
    return out;
}

Value integer(int64_t i) {
    Value v;
    v.setInteger(i);
    return v;
}

Value ofType(Type* t) {
    Value v;
    v.resetToType(t);
    return v;
}

ParameterInfo param(const std::string& name, Type* hint = nullptr) {
    ParameterInfo p;
    p.name = name;
    p.hint = hint;
    return p;
}

ParameterInfo withDefault(ParameterInfo p, int64_t v) {
    p.defaultValue = integer(v);
    return p;
}

// Records what the evaluator was given.
std::vector<Value> seen;
Value record(const std::string&, const std::string&, int32_t, std::vector<Value>& args, void*) {
    seen = args;
    return integer(42);
}

Funkcija* function(std::vector<ParameterInfo> params) {
    auto* f = new Funkcija("f", "decl.php", 3);
    f->signature = new FunctionSignature();
    f->signature->parameters = std::move(params);
    f->signature->evaluator = &record;
    return f;
}

}  // namespace

TEST(CheckCall, MissingArgumentsWithDefaultsAreFilledIn) {
    takeReports();
    Funkcija* f = function({param("a"), withDefault(param("b"), 7)});
    seen.clear();
    Value r = f->checkCall({integer(1)}, "call.php", 9);
    EXPECT_TRUE(takeReports().empty());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].asInteger(), 7);
    EXPECT_EQ(r.asInteger(), 42);

    // A required one missing: one report, no evaluation, no type checks.
    seen.clear();
    r = f->checkCall({}, "call.php", 10);
    auto reports = takeReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "call.php(10): Wrong number of parameters for 'f' (expected 2 passed 0)\n"
                          "\tdecl.php(3): Declaration of 'f'");
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(r.type, nullptr);
    delete f;
}

TEST(CheckCall, TooManyArgumentsAreReportedAndTheFirstOnesStillChecked) {
    takeReports();
    Funkcija* f = function({param("a", arrayType())});
    seen.clear();
    f->checkCall({integer(1), integer(2)}, "call.php", 4);
    auto reports = takeReports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("expected 1 passed 2"), std::string::npos);
    EXPECT_EQ(reports[1].substr(0, reports[1].find('\n')), "call.php(4): Argument 1 for 'f' - expected 'array'");
    EXPECT_TRUE(seen.empty());  // a failed argument gives the unknown value
    delete f;
}

TEST(CheckCall, UnsignedOrUncheckedFunctions) {
    takeReports();
    Funkcija plain("g", "d.php", 1);
    plain.checkCall({}, "c.php", 2);
    auto reports = takeReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("'g'"), std::string::npos);

    Funkcija* f = function({param("a"), param("b")});
    f->signature->checkArguments = false;  // a variadic body
    seen.clear();
    f->checkCall({integer(1)}, "c.php", 2);
    EXPECT_TRUE(takeReports().empty());
    EXPECT_EQ(seen.size(), 1u);  // given as written, no defaults added
    delete f;
}

TEST(CheckCall, ClassHints) {
    takeReports();
    Klasa base("d.php", 1, "Base");
    Klasa derived("d.php", 2, "Derived");
    derived.parent = &base;
    Klasa other("d.php", 3, "Other");
    Klasa object("", -1, "object");
    Klasa unknown("d.php", 4, "Unknown");
    unknown.defined = false;

    Funkcija* f = function({param("a", &base)});
    f->checkCall({ofType(&derived)}, "c.php", 1);
    f->checkCall({Value()}, "c.php", 2);  // unknown type: never reported
    EXPECT_TRUE(takeReports().empty());
    f->checkCall({ofType(&other)}, "c.php", 3);
    f->checkCall({ofType(nullType())}, "c.php", 4);
    EXPECT_EQ(takeReports().size(), 2u);

    // A null default accepts null, whatever the hint.
    ParameterInfo nullable = withDefault(param("a", &base), 0);
    nullable.nullDefault = true;
    Funkcija* g = function({nullable});
    g->checkCall({ofType(nullType())}, "c.php", 5);
    EXPECT_TRUE(takeReports().empty());

    // "object" accepts any object and nothing else.
    Funkcija* h = function({param("o", &object)});
    h->checkCall({ofType(&other)}, "c.php", 6);
    EXPECT_TRUE(takeReports().empty());
    h->checkCall({integer(1)}, "c.php", 7);
    EXPECT_EQ(takeReports().size(), 1u);

    // A class no declaration took over may be related to any object, but
    // never to a scalar.
    Funkcija* u = function({param("o", &unknown)});
    u->checkCall({ofType(&other)}, "c.php", 8);
    EXPECT_TRUE(takeReports().empty());
    u->checkCall({integer(1)}, "c.php", 9);
    EXPECT_EQ(takeReports().size(), 1u);
    Klasa child("d.php", 5, "Child");
    child.parent = &unknown;
    f->checkCall({ofType(&child)}, "c.php", 10);
    EXPECT_TRUE(takeReports().empty());
    seen.clear();  // holds values of the classes above
    delete f;
    delete g;
    delete h;
    delete u;
}
