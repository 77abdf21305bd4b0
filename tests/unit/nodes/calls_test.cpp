#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/Greska.h"
#include "model/Funkcija.h"
#include "tree/ParserBase.h"

using namespace php;

namespace {

// A default expression whose value becomes known later (a class constant of
// a class declared further down the file).
class LateDefault : public ParserBase {
public:
    Value value;
    void link() override {}
    void check() override {}
    Value evaluate() override { return value; }
    Value staticValue() override { return value; }
    void computeFlow() override {}
    void collectChildren(std::vector<ParserBase*>&) override {}
};

size_t drainReports() {
    size_t n = semanticList().size();
    for (Greska* g : semanticList()) delete g;
    semanticList().clear();
    return n;
}

}  // namespace

TEST(CallDefaults, ADefaultUnknownAtDeclarationIsWorkedOutAtTheCall) {
    drainReports();
    LateDefault late;
    Funkcija f("f", "decl.php", 1);
    f.signature = new FunctionSignature();
    ParameterInfo p;
    p.name = "mode";
    p.defaultSource = &late;
    f.signature->parameters.push_back(p);

    // Still unknown: the parameter counts as having no default.
    f.checkCall({}, "call.php", 2);
    EXPECT_EQ(drainReports(), 1u);

    late.value.setInteger(3);
    f.checkCall({}, "call.php", 3);
    EXPECT_EQ(drainReports(), 0u);
    EXPECT_TRUE(f.signature->parameters[0].hasDefault());
    EXPECT_EQ(f.signature->parameters[0].defaultValue.asInteger(), 3);
}
