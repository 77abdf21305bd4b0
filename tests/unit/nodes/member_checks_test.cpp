// The member test of an object chain's first step, against the type that the
// variable analysis leaves on the object variable's reaching definition.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "diagnostics/Greska.h"
#include "model/AccessInfo.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/ArgumentiFunkcije.h"
#include "nodes/AtributObjekta.h"
#include "nodes/AtributVarijable.h"
#include "nodes/AtributiVarijable.h"
#include "nodes/Identifikator.h"
#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/Konstanta.h"
#include "nodes/ListaDolara.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/Promenljiva.h"

namespace php {
namespace {

Location at(int line) { return Location(line, 0, line, 0); }

NameRecord record(const char* name, Type* type = nullptr) {
    return NameRecord(nullptr, name, "m.php", 1, 0, 1, type);
}

NeobjektnaPromenljiva* variableReading(const char* name) {
    auto* id = new ImePromenljive(new Identifikator(name, at(1)));
    id->addPendingUse(record(name));
    return new NeobjektnaPromenljiva(new ListaDolara("$", at(1)), new IndeksniPristup(id));
}

// "$o->member" or "$o->member()"; the chain takes its base's line, 1.
Promenljiva* access(const char* member, bool call) {
    auto* name = new AtributObjekta(new IndeksniPristup(new ImePromenljive(new Identifikator(member, at(4)))));
    ParserBase* arguments = call ? new ArgumentiFunkcije("(", at(4), nullptr, ")", at(4)) : nullptr;
    auto* step = new AtributVarijable("->", at(4), name, arguments);
    return new Promenljiva(variableReading("o"), new AtributiVarijable(nullptr, step));
}

class MemberChecks : public ::testing::Test {
protected:
    void SetUp() override { clearList(); }
    void TearDown() override { clearList(); }

    static void clearList() {
        for (Greska* g : semanticList()) delete g;
        semanticList().clear();
    }

    // Checks the access with $o last assigned a value of `type`.
    std::vector<std::string> reportsFor(const char* member, bool call, Type* type) {
        Konstanta definer("X", at(1));
        definer.addDefinition(record("o", type));
        std::unique_ptr<Promenljiva> node(access(member, call));
        node->fileName = "m.php";
        node->addPredecessor(&definer);
        node->check();
        std::vector<std::string> out;
        for (Greska* g : semanticList()) out.push_back(g->render());
        clearList();
        return out;
    }

    static Funkcija* method(Klasa& k, const char* name, int32_t access) {
        auto* f = new Funkcija(name, "m.php", 2);
        f->signature = new FunctionSignature();  // implemented, no parameters
        f->access = access;
        k.members->addFunction(name, f);
        return f;
    }
};

TEST_F(MemberChecks, UndeclaredMembersOfADeclaredClass) {
    Klasa foo("m.php", 1, "Foo");
    foo.members->addVariable("known", new Value("m.php", 2));
    method(foo, "Run", 0);
    EXPECT_TRUE(reportsFor("known", false, &foo).empty());
    EXPECT_TRUE(reportsFor("run", true, &foo).empty());
    EXPECT_EQ(reportsFor("nosuch", false, &foo),
              std::vector<std::string>{"m.php(1): Undeclared property 'nosuch' in class 'Foo'"});
    EXPECT_EQ(reportsFor("nosuch", true, &foo),
              std::vector<std::string>{"m.php(1): Undeclared method 'nosuch' in class 'Foo'"});
    // Property names are exact; "Known" is another property.
    EXPECT_EQ(reportsFor("Known", false, &foo).size(), 1u);
}

TEST_F(MemberChecks, HandlersAdmitUndeclaredMembers) {
    Klasa magic("m.php", 1, "Magic");
    magic.hasPropertyHandlers = true;
    EXPECT_TRUE(reportsFor("anything", false, &magic).empty());
    EXPECT_EQ(reportsFor("anything", true, &magic).size(), 1u);
    magic.hasCallHandler = true;
    EXPECT_TRUE(reportsFor("anything", true, &magic).empty());
}

TEST_F(MemberChecks, NonPublicMethodsFromOutsideAnyClass) {
    Klasa foo("m.php", 1, "Foo");
    method(foo, "hidden", 1);
    method(foo, "guarded", 2);
    EXPECT_EQ(reportsFor("hidden", true, &foo),
              std::vector<std::string>{"m.php(1): Method 'hidden' of 'Foo' is not accessible"});
    EXPECT_EQ(reportsFor("guarded", true, &foo),
              std::vector<std::string>{"m.php(1): Method 'guarded' of 'Foo' is not accessible"});
}

TEST_F(MemberChecks, ValuesThatAreNoObjectsAndUnknownClasses) {
    EXPECT_EQ(reportsFor("x", false, integerType()), std::vector<std::string>{"m.php(1): 'x' is not object"});
    EXPECT_EQ(reportsFor("x", true, stringType()), std::vector<std::string>{"m.php(1): 'x' is not object"});
    // No type, or a class no declaration took over: nothing is known.
    EXPECT_TRUE(reportsFor("x", false, nullptr).empty());
    Klasa placeholder("m.php", 1, "Later");
    placeholder.defined = false;
    EXPECT_TRUE(reportsFor("x", true, &placeholder).empty());
}

TEST_F(MemberChecks, BuiltinPlainObjectsTakeAnyProperty) {
    auto* plain = new Klasa("", 4, "TestStdClassLike");
    Klasa* std = globalBuiltinScope()->findClass("stdClass");
    if (!std) {
        std = new Klasa("class.php", 4, "stdClass");
        globalBuiltinScope()->addClass("stdClass", std);
    }
    EXPECT_TRUE(reportsFor("free", false, std).empty());
    // Only the built-in one: a user class of that name is an ordinary class.
    Klasa mine("m.php", 1, "stdClass");
    EXPECT_EQ(reportsFor("free", false, &mine).size(), 1u);
    EXPECT_EQ(reportsFor("free", false, plain).size(), 1u);
    delete plain;
}

}  // namespace
}  // namespace php
