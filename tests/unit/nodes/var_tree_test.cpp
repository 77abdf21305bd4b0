// Tree construction of variable, call and member nodes: the unwrap rules,
// list take-over and the fields other nodes read.
#include <gtest/gtest.h>

#include <memory>

#include "model/Funkcija.h"
#include "model/SymbolTable.h"
#include "model/UtilFunkcija.h"
#include "nodes/ArgumentiFunkcije.h"
#include "nodes/AtributObjekta.h"
#include "nodes/AtributVarijable.h"
#include "nodes/AtributiVarijable.h"
#include "nodes/FunkcijskiPoziv.h"
#include "nodes/Identifikator.h"
#include "nodes/ImePromenljive.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/Konstanta.h"
#include "nodes/ListaDolara.h"
#include "nodes/ListaParametaraPoziva.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/ObicniZnaci.h"
#include "nodes/Ofset.h"
#include "nodes/OpcFunkcijskiPoziv.h"
#include "nodes/OpcListaParametaraPoziva.h"
#include "nodes/OsnovnaPromenljiva.h"
#include "nodes/ParametarPoziva.h"
#include "nodes/PozivKlasicneFunkcije.h"
#include "nodes/Promenljiva.h"
#include "nodes/Referenca.h"
#include "nodes/Varijabla.h"

namespace php {
namespace {

Location at(int line) { return Location(line, 0, line, 0); }

// "$name" as the grammar builds it, up to the NeobjektnaPromenljiva.
NeobjektnaPromenljiva* plainVariable(const char* name, int line = 1) {
    auto* dollars = new ListaDolara("$", at(line));
    auto* indexed = new IndeksniPristup(new ImePromenljive(new Identifikator(name, at(line))));
    return new NeobjektnaPromenljiva(dollars, indexed);
}

// "->name" or "->name(args)".
AtributVarijable* step(const char* name, ParserBase* arguments = nullptr) {
    auto* attribute = new AtributObjekta(new IndeksniPristup(new ImePromenljive(new Identifikator(name, at(1)))));
    return new AtributVarijable("->", at(1), attribute, new OpcFunkcijskiPoziv(arguments));
}

ArgumentiFunkcije* arguments(ParserBase* list) {
    return new ArgumentiFunkcije("(", at(1), new OpcListaParametaraPoziva(list), ")", at(1));
}

// A function body to stand above a call.
class FakeFunctionBody : public ParserBase, public UtilFunkcija {
public:
    void link() override {}
    void check() override {}
    Value evaluate() override { return Value(); }
    void computeFlow() override {}
    void collectChildren(std::vector<ParserBase*>&) override {}
};

TEST(VarTree, VariableNamesDropTheDollar) {
    Varijabla fromToken("$counter", at(3));
    EXPECT_EQ(fromToken.name, "counter");
    EXPECT_EQ(fromToken.location.firstLine, 3);
    Varijabla fromIdentifier("$", at(4), new Identifikator("class", at(4)));
    EXPECT_EQ(fromIdentifier.name, "class");
    Varijabla missing("$", at(5), nullptr);  // "Expected identifier" gave null
    EXPECT_EQ(missing.name, "");
    EXPECT_EQ(missing.kind(), 193);
}

TEST(VarTree, DollarListIsCountedAndConsumed) {
    auto* dollars = new ListaDolara("$", at(7));
    dollars = new ListaDolara(dollars, "$", at(8));
    dollars = new ListaDolara(dollars, "$", at(9));
    EXPECT_EQ(dollars->count, 3);
    EXPECT_EQ(dollars->location.firstLine, 7);
    auto* indexed = new IndeksniPristup(new ImePromenljive(new Identifikator("v", at(9))));
    NeobjektnaPromenljiva variable(dollars, indexed);
    EXPECT_EQ(variable.dollarCount, 3);
    EXPECT_EQ(variable.inner, indexed);
    EXPECT_EQ(variable.location.firstLine, 7);
    std::vector<ParserBase*> children;
    variable.collectChildren(children);
    ASSERT_EQ(children.size(), 1u);  // the dollar list is gone
    EXPECT_EQ(children[0], indexed);
}

TEST(VarTree, IndexChainIsOneNodeKeepingEmptyIndexes) {
    auto* name = new ImePromenljive(new Identifikator("a", at(2)));
    auto* ip = new IndeksniPristup(name);
    auto* first = new Konstanta("K", at(2));
    ip = new IndeksniPristup(ip, "[", at(2), new Ofset(first), "]", at(2));
    ip = new IndeksniPristup(ip, "[", at(2), nullptr, "]", at(2));  // $a[K][]
    auto* braced = new Konstanta("B", at(3));
    ip = new IndeksniPristup(ip, "{", at(3), braced, "}", at(3));
    std::unique_ptr<IndeksniPristup> owner(ip);
    EXPECT_EQ(ip->variable, name);
    ASSERT_EQ(ip->items.size(), 3u);
    EXPECT_EQ(ip->items[0], first);  // the Ofset wrapper dissolved
    EXPECT_EQ(ip->items[1], nullptr);
    EXPECT_EQ(ip->items[2], braced);
    EXPECT_EQ(ip->location.firstLine, 2);
    std::vector<ParserBase*> children;
    ip->collectChildren(children);
    EXPECT_EQ(children, (std::vector<ParserBase*>{name, first, braced}));
}

TEST(VarTree, IndexedReadsStayPendingWithTheirDepth) {
    auto* name = new ImePromenljive(new Identifikator("s", at(1)));
    auto* ip = new IndeksniPristup(name);
    ip = new IndeksniPristup(ip, "[", at(1), nullptr, "]", at(1));
    ip = new IndeksniPristup(ip, "[", at(1), nullptr, "]", at(1));
    std::unique_ptr<IndeksniPristup> owner(ip);
    name->addPendingUse(NameRecord(nullptr, "s", "f.php", 1, 0));
    ip->check();
    ASSERT_NE(ip->pendingUses(), nullptr);  // not resolved here
    ASSERT_EQ(ip->pendingUses()->size(), 1u);
    EXPECT_EQ(ip->pendingUses()->begin()->indexDepth, 2);
    EXPECT_EQ(ip->usedNames(), nullptr);
}

TEST(VarTree, PromenljivaWithoutChainDissolvesIntoItsBase) {
    NeobjektnaPromenljiva* variable = plainVariable("x");
    ParserBase* adopted = (new Promenljiva(new OsnovnaPromenljiva(variable), nullptr))->unwrap();
    EXPECT_EQ(adopted, variable);
    delete adopted;

    auto* call = new PozivKlasicneFunkcije("f", at(1), arguments(nullptr));
    adopted = (new Promenljiva(new FunkcijskiPoziv(call), nullptr))->unwrap();
    EXPECT_EQ(adopted, call);
    delete adopted;
}

TEST(VarTree, PromenljivaWithChainSortsItsBase) {
    NeobjektnaPromenljiva* variable = plainVariable("o", 6);
    auto* chain = new AtributiVarijable(nullptr, step("a"));
    chain = new AtributiVarijable(chain, step("b"));
    auto* p = new Promenljiva(new OsnovnaPromenljiva(variable), chain);
    ASSERT_EQ(p->unwrap(), p);
    std::unique_ptr<Promenljiva> owner(p);
    EXPECT_EQ(p->variableBase, variable);
    EXPECT_EQ(p->callBase, nullptr);
    EXPECT_EQ(p->chain, chain);
    EXPECT_EQ(chain->items.size(), 2u);
    EXPECT_EQ(p->location.firstLine, 6);

    auto* call = new PozivKlasicneFunkcije("make", at(1), arguments(nullptr));
    Promenljiva q(new FunkcijskiPoziv(call), new AtributiVarijable(nullptr, step("c")));
    EXPECT_EQ(q.callBase, call);
    EXPECT_EQ(q.variableBase, nullptr);
    std::vector<ParserBase*> children;
    q.collectChildren(children);
    EXPECT_EQ(children, (std::vector<ParserBase*>{call, q.chain}));
}

TEST(VarTree, MethodStepIsCallLikeOnlyWithArguments) {
    std::unique_ptr<AtributVarijable> property(step("p"));
    EXPECT_EQ(property->arguments, nullptr);
    EXPECT_FALSE(property->isCallLike());
    ArgumentiFunkcije* args = arguments(nullptr);
    std::unique_ptr<AtributVarijable> method(step("m", args));
    EXPECT_EQ(method->arguments, args);  // OpcFunkcijskiPoziv dissolved
    EXPECT_TRUE(method->isCallLike());
}

TEST(VarTree, ArgumentsKeepOnlyAnArgumentList) {
    ArgumentiFunkcije empty("(", at(1), nullptr, ")", at(1));
    EXPECT_EQ(empty.list, nullptr);
    EXPECT_TRUE(empty.argumentValues().empty());

    ArgumentiFunkcije stray("(", at(1), new Konstanta("X", at(1)), ")", at(1));
    EXPECT_EQ(stray.list, nullptr);

    auto* a = new ObicniZnaci("one", at(1));
    auto* list = new ListaParametaraPoziva(new ParametarPoziva(a));
    auto* b = new ObicniZnaci("two", at(2));
    list = new ListaParametaraPoziva(list, ",", at(2), new ParametarPoziva(b));
    std::unique_ptr<ArgumentiFunkcije> args(arguments(list));
    EXPECT_EQ(args->list, list);
    EXPECT_EQ(list->items, (std::vector<ParserBase*>{a, b}));
    std::vector<Value> values = args->argumentValues();
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].asString(), "one");
    EXPECT_EQ(values[1].asString(), "two");
}

TEST(VarTree, ReferenceArgumentIsAdoptedAsItsVariable) {
    NeobjektnaPromenljiva* variable = plainVariable("v");
    ParserBase* adopted = (new ParametarPoziva(new Referenca("&", at(1), variable)))->unwrap();
    EXPECT_EQ(adopted, variable);
    delete adopted;
    EXPECT_EQ((new ParametarPoziva(nullptr))->unwrap(), nullptr);
}

TEST(VarTree, ArgumentReadingCallsMarkTheBodyVariadic) {
    FakeFunctionBody body;
    body.function = new Funkcija("f", "f.php", 1);
    body.function->signature = new FunctionSignature();
    PozivKlasicneFunkcije other("strlen", at(2), arguments(nullptr));
    other.parent = &body;
    other.link();
    EXPECT_FALSE(body.variadic);
    EXPECT_TRUE(body.function->signature->checkArguments);

    PozivKlasicneFunkcije reader("FUNC_NUM_ARGS", at(3), arguments(nullptr));
    reader.parent = &body;
    reader.link();
    EXPECT_TRUE(body.variadic);
    EXPECT_FALSE(body.function->signature->checkArguments);
    delete body.function;

    FakeFunctionBody bare;  // no function model yet
    PozivKlasicneFunkcije bareReader("func_get_args", at(4), arguments(nullptr));
    bareReader.parent = &bare;
    bareReader.link();
    EXPECT_TRUE(bare.variadic);
}

TEST(VarTree, StaticValueOfAVariableTakesTheReachingType) {
    FakeFunctionBody body;
    body.function = new Funkcija("f", "f.php", 1);
    SymbolTable* scope = body.function->scope;
    auto* stored = new Value("f.php", 1);
    stored->setString("12");
    scope->addVariable("n", stored);
    body.addDefinition(NameRecord(scope, "n", "f.php", 1, 0, 1, integerType()));

    Varijabla v("$n", at(2));
    v.parent = &body;
    v.addPredecessor(&body);
    Value sv = v.staticValue();
    ASSERT_EQ(sv.type, integerType());
    EXPECT_EQ(sv.asInteger(), 12);
    EXPECT_EQ(stored->type, stringType());  // the stored value is untouched

    NeobjektnaPromenljiva* one = plainVariable("n");
    one->parent = &body;
    one->addPredecessor(&body);
    EXPECT_EQ(one->staticValue().type, integerType());
    delete one;

    auto* dollars = new ListaDolara(new ListaDolara("$", at(2)), "$", at(2));
    NeobjektnaPromenljiva two(dollars, new IndeksniPristup(new ImePromenljive(new Identifikator("n", at(2)))));
    two.parent = &body;
    EXPECT_EQ(two.staticValue().type, nullptr);  // $$n is not folded
    delete body.function;  // its scope does not own the stored value
    delete stored;
}

}  // namespace
}  // namespace php
