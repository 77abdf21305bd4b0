#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/Greska.h"
#include "driver/Funkcije.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/SymbolTable.h"

using namespace php;

namespace {

Value text(const std::string& s) {
    Value v;
    v.setString(s);
    return v;
}

Value boolean(bool b) {
    Value v;
    v.setBoolean(b);
    return v;
}

std::string dirnameOf(const Value& v) {
    std::vector<Value> args{v};
    Value r = dirnameHandler("dirname", "f.php", 1, args, nullptr);
    return r.isComputable() ? r.asString() : "<unknown>";
}

size_t drainReports() {
    size_t n = semanticList().size();
    for (Greska* g : semanticList()) delete g;
    semanticList().clear();
    return n;
}

// Calls the define handler as the call node `site` would, at line `line`.
bool define(const std::string& name, Value value, bool caseInsensitive, const void* site, int line) {
    std::vector<Value> args{text(name), value, boolean(caseInsensitive)};
    Funkcija::currentCallSite = site;
    Value r = defineHandler("define", "f.php", line, args, nullptr);
    Funkcija::currentCallSite = nullptr;
    return r.isComputable() && r.asBoolean();
}

}  // namespace

TEST(Handlers, DirnameTakesTheTextBeforeTheLastSeparator) {
    EXPECT_EQ(dirnameOf(text("a/b/c.php")), "a/b");
    EXPECT_EQ(dirnameOf(text("c.php")), ".");
    EXPECT_EQ(dirnameOf(text("C:\\x\\y.php")), "C:\\x");
    EXPECT_EQ(dirnameOf(text("a\\b/c.php")), "a\\b");
    EXPECT_EQ(dirnameOf(Value()), "<unknown>");
}

// While the definitions are read, constants go to the built-in scope.
TEST(Handlers, DefineEntersRedefinesAndTakesOverPlaceholders) {
    runState()->definitionsMode = true;
    drainReports();
    int siteA = 0, siteB = 0;
    EXPECT_TRUE(define("TW_TEST_X", text("one"), false, &siteA, 5));
    Value* x = globalBuiltinScope()->findConstant("TW_TEST_X");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->asString(), "one");
    EXPECT_EQ(x->line, 5);

    // The same call evaluated again is no redefinition; another call is.
    EXPECT_TRUE(define("TW_TEST_X", text("one"), false, &siteA, 5));
    EXPECT_EQ(drainReports(), 0u);
    EXPECT_TRUE(define("TW_TEST_X", text("two"), false, &siteB, 6));
    EXPECT_EQ(drainReports(), 1u);
    EXPECT_EQ(x->asString(), "one");

    // A placeholder left by an earlier use takes the definition's value and place.
    auto* placeholder = new Value("use.php", 0);
    globalBuiltinScope()->addConstant(ConstantKey("TW_TEST_ROOT", true), placeholder);
    EXPECT_TRUE(define("TW_TEST_ROOT", text("/srv"), false, &siteA, 7));
    EXPECT_EQ(drainReports(), 0u);
    EXPECT_EQ(placeholder->asString(), "/srv");
    EXPECT_EQ(placeholder->line, 7);

    // Case-insensitive constants are found in any letter case.
    EXPECT_TRUE(define("TW_Test_Ci", text("v"), true, &siteB, 8));
    EXPECT_NE(globalBuiltinScope()->findConstant("tw_test_ci"), nullptr);

    // A name that is not known defines nothing.
    std::vector<Value> args{Value(), text("v"), boolean(false)};
    Value r = defineHandler("define", "f.php", 9, args, nullptr);
    EXPECT_TRUE(r.isComputable());
    EXPECT_FALSE(r.asBoolean());
}

TEST(Handlers, MissingFunctionsAreInternalErrors) {
    drainReports();
    // The built-in scope of this test declares neither function.
    attachBuiltinHandlers();
    ASSERT_EQ(semanticList().size(), 2u);
    EXPECT_EQ(semanticList()[0]->line, -1);
    EXPECT_NE(semanticList()[0]->render().find("funkcije(108)"), std::string::npos);
    drainReports();

    auto* dirname = new Funkcija("dirname", "", 0);
    globalBuiltinScope()->addFunction("dirname", dirname);
    attachBuiltinHandlers();
    EXPECT_EQ(drainReports(), 1u);  // define is still missing
    ASSERT_NE(dirname->signature, nullptr);
    EXPECT_EQ(dirname->signature->parameters.size(), 1u);
    std::vector<Value> args{text("a/b.php")};
    EXPECT_EQ(dirname->signature->evaluator("dirname", "f.php", 1, args, nullptr).asString(), "a");
}
