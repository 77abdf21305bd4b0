#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "model/Value.h"

using namespace php;

TEST(SymbolTable, FunctionsAndClassesIgnoreCaseVariablesDoNot) {
    SymbolTable t;
    Funkcija f("Foo", "a.php", 1);
    Klasa k("a.php", 2, "Bar");
    t.addFunction("Foo", &f);
    t.addClass("Bar", &k);
    EXPECT_EQ(t.findFunction("foo"), &f);
    EXPECT_EQ(t.findFunction("FOO"), &f);
    EXPECT_EQ(t.functions.count("foo"), 1u);
    EXPECT_EQ(t.findClass("BAR"), &k);
    EXPECT_EQ(t.classEntry("bar")->item, &k);
    EXPECT_EQ(t.findFunction("Fooo"), nullptr);

    Value upper, lower;
    t.addVariable("Foo", &upper);
    t.addVariable("foo", &lower);
    EXPECT_EQ(t.findVariable("Foo"), &upper);
    EXPECT_EQ(t.findVariable("foo"), &lower);
    EXPECT_EQ(t.findVariable("FOO"), nullptr);
}

TEST(SymbolTable, AddingAVariableBindsIt) {
    SymbolTable t;
    Value v("a.php", 3);
    t.addVariable("x", &v);
    EXPECT_EQ(v.symbolName, "x");
    EXPECT_EQ(v.text, "$x");
    EXPECT_EQ(v.owner, &t);
}

TEST(SymbolTable, DuplicatesThrowTheExistingEntryAndChangeNothing) {
    SymbolTable t;
    Value first, second;
    t.addVariable("x", &first);
    t.variableEntry("x")->accessFlags = AccessInfo<Value>::Static;
    try {
        t.addVariable("x", &second);
        FAIL() << "no exception";
    } catch (const AccessInfo<Value>& existing) {
        EXPECT_EQ(existing.item, &first);
        EXPECT_EQ(existing.accessFlags, AccessInfo<Value>::Static);
    }
    EXPECT_EQ(t.findVariable("x"), &first);
    EXPECT_EQ(second.owner, nullptr);  // the refused value is not bound

    Funkcija f("f", "a.php", 1), g("F", "b.php", 2);
    t.addFunction("f", &f);
    EXPECT_THROW(t.addFunction("F", &g), AccessInfo<Funkcija>);
    EXPECT_EQ(t.findFunction("f"), &f);

    Klasa a("a.php", 1, "A"), b("b.php", 2, "a");
    t.addClass("A", &a);
    try {
        t.addClass("a", &b);
        FAIL() << "no exception";
    } catch (const AccessInfo<Klasa>& existing) {
        EXPECT_EQ(existing.item, &a);
    }

    Value c1, c2;
    t.addConstant(ConstantKey("LIMIT", true), &c1);
    try {
        t.addConstant(ConstantKey("LIMIT", true), &c2);
        FAIL() << "no exception";
    } catch (Value* existing) {
        EXPECT_EQ(existing, &c1);
    }
}

TEST(SymbolTable, NewEntriesArePublicWhateverOtherTablesHold) {
    SymbolTable parent, child;
    Funkcija m("m", "a.php", 1);
    parent.addFunction("m", &m);
    parent.functionEntry("m")->accessFlags = AccessInfo<Funkcija>::Private | AccessInfo<Funkcija>::Static;
    child.addFunction("M", &m);
    EXPECT_EQ(child.functionEntry("m")->accessFlags, 0);
    EXPECT_TRUE(child.functionEntry("m")->isPublic());
}

TEST(SymbolTable, ConstantLookupExactThenLowerCased) {
    SymbolTable t;
    Value pi, limit, mixed;
    t.addConstant(ConstantKey("Pi", false), &pi);  // case-insensitive: stored as pi
    t.addConstant(ConstantKey("limit", true), &limit);
    t.addConstant(ConstantKey("Limit", true), &mixed);
    EXPECT_EQ(t.constants.begin()->first.name, "Limit");
    EXPECT_EQ(t.findConstant("PI"), &pi);
    EXPECT_EQ(t.findConstant("pi"), &pi);
    EXPECT_EQ(t.findConstant("Pi"), &pi);
    EXPECT_EQ(t.findConstant("limit"), &limit);
    EXPECT_EQ(t.findConstant("LIMIT"), &limit);  // through the lower-case fallback
    EXPECT_EQ(t.findConstant("Limit"), &mixed);
    EXPECT_EQ(t.findConstant("LIMITS"), nullptr);

    SymbolTable only;
    Value m;
    only.addConstant(ConstantKey("Limit", true), &m);
    EXPECT_EQ(only.findConstant("LIMIT"), nullptr);
    only.addConstant(ConstantKey("LIMIT", true), &m);  // another exact name
    // A case-insensitive key collides with an exact one of the same stored name.
    only.addConstant(ConstantKey("max", true), &m);
    EXPECT_THROW(only.addConstant(ConstantKey("MAX", false), &m), Value*);
}

TEST(SymbolTable, GlobalBuiltinScopeIsOneTable) {
    EXPECT_NE(globalBuiltinScope(), nullptr);
    EXPECT_EQ(globalBuiltinScope(), globalBuiltinScope());
}

// The maps' own order must be std::string's (reports list names in map
// order), and a folded lookup must compare as its lower-cased copy would.
TEST(SymbolTable, NameOrderIsStringOrderAndFoldsOnlyAsciiLetters) {
    const std::vector<std::string> names = {"", "a", "A", "ab", "aB", "abc", "b", "Z", "z", "_x",
                                            "x1", "X10", "\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89", "@", "[", "`",
                                            "{", "\x7f", "\xff"};
    const NameOrder order;
    for (const std::string& a : names) {
        for (const std::string& b : names) {
            SCOPED_TRACE("'" + a + "' vs '" + b + "'");
            EXPECT_EQ(order(a, b), a < b);
            EXPECT_EQ(order(a, FoldedName{b}), a < toLower(b));
            EXPECT_EQ(order(FoldedName{a}, b), toLower(a) < b);
        }
    }
    SymbolTable t;
    Klasa k("a.php", 2, "\xc3\x89tat");
    t.addClass("\xc3\x89tat", &k);
    EXPECT_EQ(t.findClass("\xc3\x89TAT"), &k);
    EXPECT_EQ(t.findClass("\xc3\xa9tat"), nullptr);  // only ASCII letters fold
}
