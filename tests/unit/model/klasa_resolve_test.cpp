#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/Greska.h"
#include "model/AccessInfo.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "model/Value.h"

using namespace php;

namespace {

// Renders and removes what the semantic list gained during a test.
class ResolveTest : public ::testing::Test {
protected:
    void SetUp() override { start = semanticList().size(); }
    void TearDown() override { Klasa::autoloadHook = nullptr; }

    std::vector<std::string> reports() {
        std::vector<std::string> out;
        auto& list = semanticList();
        for (size_t i = start; i < list.size(); ++i) out.push_back(list[i]->render());
        list.resize(start);
        return out;
    }

    static void property(Klasa& k, const std::string& name, uint8_t flags) {
        k.members->addVariable(name, new Value(k.fileName, k.line + 1));
        k.members->variableEntry(name)->accessFlags = flags;
    }

    static Funkcija* method(Klasa& k, const std::string& name, int32_t access) {
        auto* f = new Funkcija(name, k.fileName, k.line + 1);
        f->access = access;
        k.members->addFunction(name, f);
        k.members->functionEntry(name)->accessFlags =
            access == 1 ? AccessInfo<Funkcija>::Private : access == 2 ? AccessInfo<Funkcija>::Protected : 0;
        return f;
    }

    static void constant(Klasa& k, const std::string& name) {
        k.members->addConstant(ConstantKey(name, true), new Value(k.fileName, k.line));
    }

    size_t start = 0;
};

constexpr uint8_t kPrivate = AccessInfo<Value>::Private;
constexpr uint8_t kProtected = AccessInfo<Value>::Protected;
constexpr uint8_t kStatic = AccessInfo<Value>::Static;

std::vector<std::string> autoloaded;

}  // namespace

TEST_F(ResolveTest, InheritsVisibleMembersWithTheirFlagsAndHandlers) {
    Klasa base("a.php", 1, "Base"), child("a.php", 10, "Child");
    child.parent = &base;
    property(base, "counter", kStatic);
    property(base, "shared", kProtected | kStatic);
    property(base, "hidden", kPrivate);
    Funkcija* pub = method(base, "run", 0);
    method(base, "helper", 2);
    method(base, "secret", 1);
    method(base, "__get", 0);
    method(base, "__call", 0);

    child.resolve();
    EXPECT_TRUE(reports().empty());
    EXPECT_TRUE(child.resolved && child.heritageChecked && base.resolved);
    ASSERT_NE(child.members->variableEntry("counter"), nullptr);
    EXPECT_EQ(child.members->variableEntry("counter")->accessFlags, kStatic);
    EXPECT_EQ(child.members->findVariable("counter"), base.members->findVariable("counter"));
    EXPECT_EQ(child.members->variableEntry("shared")->accessFlags, kProtected | kStatic);
    EXPECT_EQ(child.members->variableEntry("hidden"), nullptr);
    EXPECT_EQ(child.members->findFunction("RUN"), pub);
    EXPECT_FALSE(child.members->functionEntry("helper")->isPublic());
    EXPECT_EQ(child.members->findFunction("secret"), nullptr);
    EXPECT_TRUE(child.hasPropertyHandlers);
    EXPECT_TRUE(child.hasCallHandler);
    // The copied property stays bound to the table that declared it.
    EXPECT_EQ(base.members->findVariable("counter")->owner, base.members);

    // Resolving again reports and copies nothing more.
    child.resolve();
    EXPECT_TRUE(reports().empty());
}

TEST_F(ResolveTest, RedeclaredPropertiesAndAccessChangesAreReported) {
    Klasa base("a.php", 1, "Base"), child("b.php", 10, "Child");
    child.parent = &base;
    property(base, "p", 0);
    property(child, "p", 0);
    property(base, "mine", kPrivate);
    property(child, "mine", 0);
    method(base, "narrowed", 0);
    method(child, "narrowed", 2);
    method(base, "widened", 2);
    method(child, "widened", 0);
    method(base, "kept", 2);
    method(child, "kept", 2);
    method(base, "priv", 1);
    method(child, "priv", 0);

    child.resolve();
    EXPECT_EQ(reports(), (std::vector<std::string>{
                             "b.php(10): Redefinition of property 'p' inherited from 'Base'\n\ta.php(1): "
                             "Declaration of 'Base'",
                             "b.php(10): Access change for method 'narrowed' inherited from 'Base'\n\ta.php(1): "
                             "Declaration of 'Base'",
                             "b.php(10): Access change for method 'widened' inherited from 'Base'\n\ta.php(1): "
                             "Declaration of 'Base'",
                         }));
    // The class's own entry stays.
    EXPECT_FALSE(child.members->functionEntry("narrowed")->isPublic());
}

TEST_F(ResolveTest, BuiltinParentsAndInterfacesAreNamedWithoutAPlace) {
    auto* builtin = new Klasa("/defs/class.php", 28, "TestBuiltinBase");
    globalBuiltinScope()->addClass(builtin->name(), builtin);
    property(*builtin, "message", kProtected);
    EXPECT_TRUE(builtin->isBuiltin());

    Klasa child("a.php", 3, "Mine");
    child.parent = builtin;
    property(child, "message", kProtected);
    child.resolve();
    EXPECT_EQ(reports(), (std::vector<std::string>{
                             "a.php(3): Redefinition of property 'message' inherited from 'TestBuiltinBase'"}));

    // Same name, not the registered class: not built-in.
    Klasa lookalike("a.php", 9, "TestBuiltinBase");
    EXPECT_FALSE(lookalike.isBuiltin());
}

TEST_F(ResolveTest, InterfaceObligationsCoverDirectlyListedInterfacesOnly) {
    Klasa outer("i.php", 1, "Outer"), inner("i.php", 5, "Inner"), k("k.php", 20, "Impl");
    outer.isInterface = inner.isInterface = true;
    inner.interfaces.push_back(&outer);
    method(outer, "fromOuter", 0);
    method(inner, "present", 0);
    method(inner, "Hidden", 0);
    method(inner, "missing", 0);
    k.interfaces.push_back(&inner);
    method(k, "present", 0);
    method(k, "hidden", 2);

    k.resolve();
    EXPECT_EQ(reports(), (std::vector<std::string>{
                             "k.php(20): Method 'Hidden' declared in 'Inner' is not public\n\ti.php(5): "
                             "Declaration of 'Inner'",
                             "k.php(20): Method 'missing' declared in interface 'Inner' is not implemented\n\t"
                             "i.php(5): Definition for 'Inner'",
                         }));
    EXPECT_TRUE(inner.resolved && outer.resolved);
    // An object of the class conforms to what it lists, not to what that extends.
    EXPECT_TRUE(k.conformsTo(&inner));
    EXPECT_FALSE(k.conformsTo(&outer));

    // An abstract class owes the same; an interface owes nothing.
    Klasa abstractOne("k.php", 30, "Part");
    abstractOne.isAbstract = true;
    abstractOne.interfaces.push_back(&outer);
    abstractOne.resolve();
    EXPECT_EQ(reports().size(), 1u);
    Klasa sub("i.php", 40, "Sub");
    sub.isInterface = true;
    sub.interfaces.push_back(&inner);
    sub.resolve();
    EXPECT_TRUE(reports().empty());
}

TEST_F(ResolveTest, HeritageReportsUndefinedFinalAndNonInterfaceBases) {
    Klasa missing("a.php", 2, "Missing");
    missing.defined = false;
    Klasa child("a.php", 2, "Child");
    child.parent = &missing;
    Klasa sealed("a.php", 4, "Sealed");
    sealed.isFinal = true;
    Klasa other("a.php", 6, "Other");
    other.parent = &sealed;
    Klasa notInterface("a.php", 8, "Plain");
    Klasa absent("a.php", 10, "Absent");
    absent.defined = false;
    absent.isInterface = true;
    other.interfaces = {&absent, &notInterface};

    child.resolve();
    other.resolve();
    EXPECT_EQ(reports(), (std::vector<std::string>{
                             "a.php(2): Undefined base class 'Missing'",
                             "a.php(6): Base class 'Sealed' is defined as FINAL",
                             "a.php(6): Undefined interface 'Absent'",
                             "a.php(6): 'Plain' is not interface",
                         }));
    // Placeholders are never resolved; each check runs once.
    missing.resolve();
    EXPECT_FALSE(missing.resolved || missing.heritageChecked);
    child.checkHeritage();
    EXPECT_TRUE(reports().empty());
}

TEST_F(ResolveTest, AnUndefinedParentIsOfferedToAutoloadFirst) {
    static Klasa* pending = nullptr;
    Klasa later("b.php", 1, "Later");
    later.defined = false;
    pending = &later;
    autoloaded.clear();
    Klasa::autoloadHook = [](const std::string& name) {
        autoloaded.push_back(name);
        pending->defined = true;  // as a declaration taking the placeholder over
    };
    Klasa child("a.php", 3, "Child");
    child.parent = &later;
    child.resolve();
    EXPECT_EQ(autoloaded, std::vector<std::string>{"Later"});
    EXPECT_TRUE(reports().empty());

    // Still undefined after the call: reported.
    Klasa never("b.php", 1, "Never");
    never.defined = false;
    pending = &never;
    Klasa::autoloadHook = [](const std::string& name) { autoloaded.push_back(name); };
    Klasa other("a.php", 7, "Other");
    other.parent = &never;
    other.resolve();
    EXPECT_EQ(autoloaded.back(), "Never");
    EXPECT_EQ(reports(), std::vector<std::string>{"a.php(7): Undefined base class 'Never'"});
}

TEST_F(ResolveTest, CyclesInTheClassGraphEndWithoutReports) {
    Klasa self("a.php", 1, "A");
    self.parent = &self;
    property(self, "p", 0);
    method(self, "m", 2);
    constant(self, "K");

    Klasa b("a.php", 3, "B"), c("a.php", 4, "C");
    b.parent = &c;
    c.parent = &b;
    property(b, "onlyB", 0);
    method(c, "onlyC", 0);

    Klasa i("a.php", 6, "I"), j("a.php", 7, "J");
    i.isInterface = j.isInterface = true;
    i.interfaces.push_back(&j);
    j.interfaces.push_back(&i);
    constant(j, "JK");

    Klasa d("a.php", 9, "D");
    d.interfaces.push_back(&d);
    method(d, "own", 1);

    for (Klasa* k : {&self, &b, &c, &i, &j, &d}) k->resolve();
    // Only what the declarations say themselves: D lists a class.
    EXPECT_EQ(reports(), std::vector<std::string>{"a.php(9): 'D' is not interface"});
    for (Klasa* k : {&self, &b, &c, &i, &j, &d}) EXPECT_TRUE(k->resolved && !k->resolving);
    // B took C's members; C, met again through the cycle, took nothing from B.
    EXPECT_NE(b.members->findFunction("onlyC"), nullptr);
    EXPECT_EQ(c.members->findVariable("onlyB"), nullptr);

    EXPECT_TRUE(self.derivesFrom(&self));
    EXPECT_TRUE(b.derivesFrom(&c) && c.derivesFrom(&b));
    EXPECT_FALSE(b.derivesFrom(&self));
    EXPECT_FALSE(b.listsInterfaceNamed("ArrayAccess"));
    EXPECT_TRUE(d.listsInterfaceNamed("d"));
    EXPECT_NE(self.findClassConstant("K"), nullptr);
    EXPECT_EQ(b.findClassConstant("K"), nullptr);
    EXPECT_NE(i.findClassConstant("JK"), nullptr);
    EXPECT_EQ(i.findClassConstant("NONE"), nullptr);
    EXPECT_TRUE(b.conformsTo(&c));
    EXPECT_FALSE(d.conformsTo(&i));
}

TEST_F(ResolveTest, ClassConstantsAreFoundUpTheParentsThenThroughInterfaces) {
    Klasa top("a.php", 1, "Top"), middle("a.php", 2, "Middle"), bottom("a.php", 3, "Bottom");
    Klasa listed("a.php", 4, "Listed"), extended("a.php", 5, "Extended");
    listed.isInterface = extended.isInterface = true;
    listed.interfaces.push_back(&extended);
    middle.parent = &top;
    bottom.parent = &middle;
    top.interfaces.push_back(&listed);
    constant(top, "SHARED");
    constant(extended, "SHARED");
    constant(extended, "DEEP");
    constant(middle, "MID");
    constant(bottom, "MID");

    EXPECT_EQ(bottom.findClassConstant("MID"), bottom.members->findConstant("MID"));
    EXPECT_EQ(bottom.findClassConstant("SHARED"), top.members->findConstant("SHARED"));
    EXPECT_EQ(bottom.findClassConstant("DEEP"), extended.members->findConstant("DEEP"));
    EXPECT_EQ(top.findClassConstant("MID"), nullptr);
    // Exact case: a constant declared "DEEP" is not "deep".
    EXPECT_EQ(bottom.findClassConstant("deep"), nullptr);
}
