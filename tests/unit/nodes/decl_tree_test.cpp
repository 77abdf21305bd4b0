// Tree construction of function, class and interface declarations: the
// unwrap rules of their wrappers, list take-over, child order, the names
// and modifiers other code reads, and the body's view of its header.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "diagnostics/Greska.h"
#include "driver/RunState.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/BlokKomanda.h"
#include "nodes/DefKonstante.h"
#include "nodes/DefinicijaKonstantiUKlasi.h"
#include "nodes/DefinicijaMetoda.h"
#include "nodes/DefinicijaUKlasi.h"
#include "nodes/DefinicijeUKlasi.h"
#include "nodes/DeklaracijaAtributa.h"
#include "nodes/DeklaracijaAtributaKlase.h"
#include "nodes/DeklaracijaFunkcije.h"
#include "nodes/DeklaracijaInterfejsa.h"
#include "nodes/DeklaracijaKlase.h"
#include "nodes/DeklaracijaMetoda.h"
#include "nodes/DeklaracijaParametara.h"
#include "nodes/DeklaracijaParametra.h"
#include "nodes/FqImeKlase.h"
#include "nodes/GlavaFunkcije.h"
#include "nodes/Identifikator.h"
#include "nodes/ImplMetoda.h"
#include "nodes/LinkAtributa.h"
#include "nodes/ListaDeklaracijaAtributaKlase.h"
#include "nodes/ListaDeklaracijaMetoda.h"
#include "nodes/ListaDeklaracijaParametara.h"
#include "nodes/ListaDefKonstanti.h"
#include "nodes/ListaImplementacija.h"
#include "nodes/ListaKlasa.h"
#include "nodes/ListaNaredbi.h"
#include "nodes/Nasledjivanje.h"
#include "nodes/OpcDefaultVrednost.h"
#include "nodes/OpcDirektivaZaNasledjivanje.h"
#include "nodes/OpcReferenca.h"
#include "nodes/OpcTipParametra.h"
#include "nodes/PristupAtributu.h"
#include "nodes/ReturnKomanda.h"
#include "nodes/Prosirivanje.h"
#include "nodes/TeloMetoda.h"
#include "nodes/TipParametra.h"
#include "tree/FlowState.h"

namespace php {
namespace {

Location at(int line) { return Location(line, 0, line, 0); }

ParserBase* ident(const char* text, int line = 1) { return new Identifikator(text, at(line)); }

// A leaf standing in for a statement, a variable or a value.
class Leaf : public ParserBase {
public:
    explicit Leaf(int line = 1) : ParserBase(at(line)) {}
    void link() override {}
    void check() override {}
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}
};

// A variable whose check reads its name, as the variable analysis does.
class Reader : public Leaf {
public:
    SymbolTable* scope;
    explicit Reader(SymbolTable* s, int line = 1) : Leaf(line), scope(s) {}
    void check() override { addPendingUse(NameRecord(scope, "x", "f.php", location.firstLine, 0)); }
};

std::vector<ParserBase*> childrenOf(ParserBase* node) {
    std::vector<ParserBase*> out;
    node->collectChildren(out);
    return out;
}

GlavaFunkcije* header(const char* name, ParserBase* parameters = nullptr, int line = 1) {
    return new GlavaFunkcije("function", at(line), nullptr, ident(name, line), "(", at(line), parameters, ")",
                             at(line));
}

ParserBase* block(std::initializer_list<ParserBase*> statements, int line = 1) {
    ListaNaredbi* list = nullptr;
    for (ParserBase* s : statements) list = new ListaNaredbi(list, s);
    return new BlokKomanda("{", at(line), list, "}", at(line));
}

// The grammar's left-recursive building of a comma list.
template <class L>
ParserBase* commaList(std::initializer_list<ParserBase*> items) {
    ParserBase* list = nullptr;
    for (ParserBase* item : items) list = list ? new L(list, ",", at(1), item) : new L(item);
    return list;
}

ParserBase* classBody(std::initializer_list<ParserBase*> members) {
    ParserBase* list = nullptr;
    for (ParserBase* m : members) list = new DefinicijeUKlasi(list, new DefinicijaUKlasi(m));
    return list;
}

DefinicijaMetoda* method(const char* name, ParserBase* body, int line = 1) {
    return new DefinicijaMetoda(nullptr, nullptr, nullptr, header(name, nullptr, line),
                                new TeloMetoda(body));
}

DeklaracijaKlase* classDecl(const char* name, ParserBase* extends, ParserBase* implements, ParserBase* body,
                            ParserBase* modifier = nullptr) {
    return new DeklaracijaKlase(modifier, "class", at(3), ident(name, 3), extends, implements, "{", at(3), body,
                                "}", at(9));
}

TEST(DeclTree, HeaderTakesNameAndDissolvesParameterWrapper) {
    ParserBase* params = commaList<ListaDeklaracijaParametara>({
        new DeklaracijaParametra(nullptr, nullptr, new Leaf(4), nullptr),
        new DeklaracijaParametra(nullptr, nullptr, new Leaf(5), nullptr),
    });
    auto* list = static_cast<ListaDeklaracijaParametara*>(params);
    ParserBase* first = list->items[0];
    ParserBase* second = list->items[1];
    auto* h = new GlavaFunkcije("function", at(4), new OpcReferenca("&", at(4)), ident("Compute", 4), "(", at(4),
                                new DeklaracijaParametara(params), ")", at(5));
    EXPECT_EQ(h->name, "Compute");
    EXPECT_EQ(h->kind(), 67);
    ASSERT_EQ(h->parameters, params);
    ASSERT_EQ(list->items.size(), 2u);
    EXPECT_EQ(list->items[0], first);
    EXPECT_EQ(list->items[1], second);
    EXPECT_EQ(list->location.firstLine, 4);
    ASSERT_NE(h->byReference, nullptr);
    EXPECT_EQ(static_cast<OpcReferenca*>(h->byReference)->word, "&");
    EXPECT_EQ(childrenOf(h), (std::vector<ParserBase*>{h->byReference, params}));
    delete h;

    // No parameter list, and a name the grammar rejected.
    auto* bare = new GlavaFunkcije("function", at(1), nullptr, nullptr, "(", at(1),
                                   new DeklaracijaParametara(nullptr), ")", at(1));
    EXPECT_EQ(bare->name, "");
    EXPECT_EQ(bare->parameters, nullptr);
    EXPECT_TRUE(childrenOf(bare).empty());
    delete bare;
}

TEST(DeclTree, ParameterUnwrapsHintAndDefaultAndRecordsReference) {
    auto* hint = new TipParametra(ident("Foo", 7));
    Leaf* variable = new Leaf(7);
    Leaf* value = new Leaf(8);
    auto* p = new DeklaracijaParametra(new OpcTipParametra(hint), new OpcReferenca("&", at(7)), variable,
                                       new OpcDefaultVrednost("=", at(8), value));
    EXPECT_EQ(hint->name, "Foo");
    EXPECT_EQ(p->typeHint, hint);
    EXPECT_EQ(p->defaultValue, value);
    EXPECT_EQ(p->variable, variable);
    EXPECT_TRUE(p->byReference);
    EXPECT_EQ(childrenOf(p), (std::vector<ParserBase*>{variable, hint, value}));
    delete p;

    auto* plain = new DeklaracijaParametra(new OpcTipParametra(nullptr), nullptr, new Leaf(2),
                                           new OpcDefaultVrednost("=", at(2), nullptr));
    EXPECT_FALSE(plain->byReference);
    EXPECT_EQ(plain->typeHint, nullptr);
    EXPECT_EQ(plain->defaultValue, nullptr);
    EXPECT_EQ(plain->location.firstLine, 2);
    delete plain;
}

// A parameter's or property's name is declared, so it must not be resolved
// as a read (that would report it as used before being set).
TEST(DeclTree, ParameterAndPropertyNamesBecomeDefinitions) {
    SymbolTable scope;
    size_t before = semanticList().size();

    auto* p = new DeklaracijaParametra(nullptr, nullptr, new Reader(&scope, 3), nullptr);
    auto* h = header("f", new DeklaracijaParametara(new ListaDeklaracijaParametara(p)));
    h->check();
    EXPECT_EQ(p->pendingUses(), nullptr);
    ASSERT_NE(h->definitions(), nullptr);
    EXPECT_EQ(h->definitions()->count(NameRecord(&scope, "x", "f.php", 3, 0)), 1u);
    delete h;

    auto* prop = new DeklaracijaAtributaKlase(new Reader(&scope, 4), nullptr);
    prop->check();
    EXPECT_EQ(prop->pendingUses(), nullptr);
    ASSERT_NE(prop->definitions(), nullptr);
    EXPECT_EQ(prop->definitions()->size(), 1u);
    delete prop;

    EXPECT_EQ(semanticList().size(), before);
}

TEST(DeclTree, MethodBodyUnwrapsAndBodylessMethodHasNone) {
    Leaf* statement = new Leaf(5);
    auto* m = method("run", block({statement}));
    ASSERT_NE(m->body, nullptr);
    EXPECT_EQ(m->body->kind(), 110);  // the block's statement list
    EXPECT_EQ(static_cast<ListaNaredbi*>(m->body)->items, (std::vector<ParserBase*>{statement}));
    delete m;

    // "abstract function f();": a TeloMetoda around a null terminator.
    EXPECT_EQ((new TeloMetoda(nullptr))->unwrap(), nullptr);
    auto* abstractMethod = new DefinicijaMetoda(nullptr, nullptr, new ImplMetoda("abstract", at(6)),
                                                header("f", nullptr, 6), new TeloMetoda(nullptr));
    EXPECT_EQ(abstractMethod->body, nullptr);
    EXPECT_EQ(abstractMethod->location.firstLine, 6);
    EXPECT_EQ(childrenOf(abstractMethod), (std::vector<ParserBase*>{abstractMethod->header}));
    delete abstractMethod;
}

TEST(DeclTree, MethodModifiersAreRecorded) {
    auto* m = new DefinicijaMetoda(new PristupAtributu("private", at(2)), new LinkAtributa("static", at(2)),
                                   new ImplMetoda("FINAL", at(2)), header("m", nullptr, 3), new TeloMetoda(nullptr));
    EXPECT_EQ(m->access, 1);
    EXPECT_TRUE(m->isStatic);
    EXPECT_EQ(m->implementation, 1);
    EXPECT_EQ(m->location.firstLine, 2);
    delete m;

    auto* n = new DefinicijaMetoda(new PristupAtributu("protected", at(1)), nullptr, new ImplMetoda("Abstract", at(1)),
                                   header("n"), new TeloMetoda(nullptr));
    EXPECT_EQ(n->access, 2);
    EXPECT_FALSE(n->isStatic);
    EXPECT_EQ(n->implementation, 2);
    delete n;

    auto* plain = method("p", nullptr);
    EXPECT_EQ(plain->access, 0);
    EXPECT_EQ(plain->implementation, 0);
    delete plain;

    auto* d = new DeklaracijaMetoda(new PristupAtributu("public", at(4)), new LinkAtributa("static", at(4)),
                                    header("i", nullptr, 4), nullptr);
    EXPECT_TRUE(d->accessWritten);
    EXPECT_TRUE(d->isStatic);
    EXPECT_EQ(d->access, 0);
    delete d;
    auto* bare = new DeklaracijaMetoda(nullptr, nullptr, header("j", nullptr, 5), nullptr);
    EXPECT_FALSE(bare->accessWritten);
    EXPECT_EQ(bare->location.firstLine, 5);
    delete bare;
}

TEST(DeclTree, FunctionBodySeesItsHeader) {
    runState()->definitionsMode = false;
    auto* f = new DeklaracijaFunkcije(header("f", nullptr, 2), block({new Leaf(3)}));
    f->fileName = "/src/a.php";
    f->link();
    ASSERT_NE(f->body, nullptr);
    ASSERT_FALSE(f->body->predecessors.empty());
    EXPECT_EQ(f->body->predecessors, (NodeSet{f->header, f}));
    EXPECT_EQ(f->body->parent, f);
    EXPECT_EQ(f->body->fileName, "/src/a.php");
    EXPECT_EQ(f->header->predecessors, (NodeSet{f}));
    EXPECT_EQ(childrenOf(f), (std::vector<ParserBase*>{f->header, f->body}));
    EXPECT_EQ(f->location.firstLine, 2);
    delete f;

    auto* m = method("m", block({new Leaf(3)}));
    m->link();
    EXPECT_EQ(m->body->predecessors, (NodeSet{m->header, m}));
    delete m;
}

// The statements after a declaration must not hang off the body's leaves:
// the return check reads those leaves.
// Each body's graph is judged on its own and freed at the end of its link;
// the verdict is what the check reports from.
TEST(DeclTree, BodyGraphIsJudgedAloneAndFreedAfterLink) {
    runState()->definitionsMode = false;
    DefinicijaMetoda* a = method("a", block({new Leaf(4)}));
    DefinicijaMetoda* b =
        method("b", block({new ReturnKomanda("return", at(8), new Leaf(8), nullptr)}));
    DeklaracijaKlase* k = classDecl("K", nullptr, nullptr, classBody({a, b}));
    k->link();
    k->computeFlow();
    EXPECT_EQ(a->body->flowState(), nullptr);
    EXPECT_EQ(b->body->flowState(), nullptr);
    // a falls off its end only; b returns a value on its only path.
    EXPECT_FALSE(a->returnsDiffer);
    EXPECT_FALSE(b->returnsDiffer);
    delete k;
}

TEST(DeclTree, ClassClausesKeepThemselvesOnlyWithContent) {
    EXPECT_EQ((new Nasledjivanje("extends", at(1), nullptr))->unwrap(), nullptr);
    EXPECT_EQ((new ListaImplementacija("implements", at(1), nullptr))->unwrap(), nullptr);
    EXPECT_EQ((new DefinicijeUKlasi(nullptr, nullptr))->unwrap(), nullptr);

    // "class A implements B C {}": the list was dropped, so is the clause.
    auto* dropped = classDecl("A", new Nasledjivanje("extends", at(3), nullptr),
                              new ListaImplementacija("implements", at(3), nullptr), nullptr);
    EXPECT_EQ(dropped->extends, nullptr);
    EXPECT_EQ(dropped->implements, nullptr);
    EXPECT_EQ(dropped->body, nullptr);
    EXPECT_TRUE(childrenOf(dropped).empty());
    delete dropped;

    auto* parentName = new FqImeKlase("Base", at(3));
    ParserBase* interfaces = commaList<ListaKlasa>({new FqImeKlase("I", at(3)), new FqImeKlase("J", at(3))});
    auto* modifier = new OpcDirektivaZaNasledjivanje("Abstract", at(3));
    auto* c = classDecl("Shape", new Nasledjivanje("extends", at(3), parentName),
                        new ListaImplementacija("implements", at(3), interfaces), classBody({method("area", nullptr)}),
                        modifier);
    EXPECT_EQ(c->name, "Shape");
    EXPECT_EQ(c->kind(), 41);
    EXPECT_EQ(c->location.firstLine, 3);
    EXPECT_TRUE(modifier->isAbstract());
    ASSERT_NE(c->extends, nullptr);
    EXPECT_EQ(static_cast<Nasledjivanje*>(c->extends)->parentClass, parentName);
    ASSERT_NE(c->implements, nullptr);
    EXPECT_EQ(static_cast<ListaImplementacija*>(c->implements)->classes, interfaces);
    EXPECT_EQ(static_cast<ListaKlasa*>(interfaces)->items.size(), 2u);
    ASSERT_NE(c->body, nullptr);
    // Link order: modifier, implements, extends, body.
    EXPECT_EQ(childrenOf(c), (std::vector<ParserBase*>{modifier, c->implements, c->extends, c->body}));
    delete c;

    EXPECT_TRUE(OpcDirektivaZaNasledjivanje("final", at(1)).isFinal());
}

TEST(DeclTree, ClassBodyTakesOverItsListAndMembersFindTheirClass) {
    auto* prop = new DeklaracijaAtributa(
        new PristupAtributu("protected", at(4)), new LinkAtributa("static", at(4)),
        commaList<ListaDeklaracijaAtributaKlase>({new DeklaracijaAtributaKlase(new Leaf(4), nullptr),
                                                  new DeklaracijaAtributaKlase(new Leaf(4), nullptr)}),
        nullptr);
    auto* consts = new DefinicijaKonstantiUKlasi(
        "const", at(5), commaList<ListaDefKonstanti>({new DefKonstante(new Leaf(5))}), nullptr);
    DefinicijaMetoda* m = method("m", block({new Leaf(7)}), 6);

    ParserBase* body = classBody({prop, consts, m});
    auto* list = static_cast<DefinicijeUKlasi*>(body);
    ASSERT_EQ(list->items.size(), 3u);
    EXPECT_EQ(list->location.firstLine, 4);
    EXPECT_EQ(static_cast<DefinicijaUKlasi*>(list->items[0])->inner, prop);
    EXPECT_EQ(static_cast<DefinicijaUKlasi*>(list->items[1])->inner, consts);
    EXPECT_EQ(static_cast<DefinicijaUKlasi*>(list->items[2])->inner, m);
    EXPECT_EQ(static_cast<ListaDeklaracijaAtributaKlase*>(prop->declarations)->items.size(), 2u);

    DeklaracijaKlase* c = classDecl("C", nullptr, nullptr, body);
    c->link();
    EXPECT_EQ(m->header->enclosingTypeDeclaration(), c);
    EXPECT_EQ(c->enclosingTypeDeclaration(), c);

    // Linking gives the declaration its class; names inside live in its table.
    ASSERT_NE(c->declaredClass(), nullptr);
    EXPECT_EQ(c->declaredClass()->name(), "C");
    EXPECT_EQ(c->enclosingScope(), c->declaredClass()->members);
    EXPECT_EQ(prop->enclosingScope(), c->declaredClass()->members);
    Klasa k("a.php", 3, "C");
    c->klasa = &k;
    EXPECT_EQ(c->declaredClass(), &k);
    EXPECT_EQ(c->enclosingScope(), k.members);
    EXPECT_EQ(prop->enclosingScope(), k.members);
    c->klasa = nullptr;
    delete c;
}

TEST(DeclTree, ClassDeclarationTakesNoPredecessors) {
    auto* c = classDecl("C", nullptr, nullptr, nullptr);
    Leaf other;
    c->addPredecessor(&other);
    NodeSet set{&other};
    c->addPredecessors(&set);
    EXPECT_TRUE(c->predecessors.empty());
    delete c;
}

TEST(DeclTree, InterfaceKeepsEmptyBodyAndDroppedExtendsClause) {
    auto* empty = new DeklaracijaInterfejsa("interface", at(2), ident("Countable", 2), nullptr, "{", at(2),
                                            new ListaDeklaracijaMetoda(), "}", at(2));
    EXPECT_EQ(empty->name, "Countable");
    EXPECT_EQ(empty->kind(), 40);
    ASSERT_NE(empty->body, nullptr);
    EXPECT_EQ(empty->body->kind(), 103);
    EXPECT_TRUE(static_cast<ListaDeklaracijaMetoda*>(empty->body)->items.empty());
    EXPECT_EQ(empty->body->location.firstLine, -1);
    delete empty;

    // "interface I extends J K": the list is dropped but the clause stays.
    auto* ext = new Prosirivanje("extends", at(3), nullptr);
    EXPECT_EQ(ext->unwrap(), ext);

    ParserBase* methods = new ListaDeklaracijaMetoda();
    auto* d1 = new DeklaracijaMetoda(nullptr, nullptr, header("a", nullptr, 4), nullptr);
    auto* d2 = new DeklaracijaMetoda(nullptr, nullptr, header("b", nullptr, 5), nullptr);
    methods = new ListaDeklaracijaMetoda(methods, d1);
    methods = new ListaDeklaracijaMetoda(methods, d2);
    auto* i = new DeklaracijaInterfejsa("interface", at(3), ident("I", 3), ext, "{", at(3), methods, "}", at(6));
    EXPECT_EQ(static_cast<ListaDeklaracijaMetoda*>(methods)->items, (std::vector<ParserBase*>{d1, d2}));
    EXPECT_EQ(methods->location.firstLine, 4);
    EXPECT_EQ(childrenOf(i), (std::vector<ParserBase*>{ext, methods}));
    i->link();
    EXPECT_EQ(d1->enclosingTypeDeclaration(), i);
    Klasa k("a.php", 3, "I");
    i->klasa = &k;
    EXPECT_EQ(d2->header->enclosingScope(), k.members);
    i->klasa = nullptr;
    delete i;
}

}  // namespace
}  // namespace php
