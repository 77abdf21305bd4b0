// Parse driver: return codes, roots, syntax diagnostics and the tree shapes
// that the precedence table decides.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "diagnostics/Greska.h"
#include "diagnostics/SintaksnaGreska.h"
#include "model/Type.h"
#include "model/Value.h"
#include "nodes/DefKonstante.h"
#include "nodes/DefinicijaKonstantiUKlasi.h"
#include "nodes/DefinicijaMetoda.h"
#include "nodes/DefinicijaUKlasi.h"
#include "nodes/DefinicijeUKlasi.h"
#include "nodes/DeklaracijaAtributa.h"
#include "nodes/DeklaracijaKlase.h"
#include "nodes/DeklaracijaInterfejsa.h"
#include "nodes/DeklaracijaMetoda.h"
#include "nodes/Deklarator.h"
#include "nodes/KlasnaKonstanta.h"
#include "nodes/Konstanta.h"
#include "nodes/ListaDefKonstanti.h"
#include "nodes/PristupAtributu.h"
#include "nodes/ObicanSkalar.h"
#include "nodes/IfKomanda.h"
#include "nodes/Include.h"
#include "nodes/Instanca.h"
#include "nodes/IntCast.h"
#include "nodes/Konkatenacija.h"
#include "nodes/ListaImplementacija.h"
#include "nodes/ListaDeklaracijaMetoda.h"
#include "nodes/ListaNaredbi.h"
#include "nodes/LogAnd.h"
#include "nodes/LogOr.h"
#include "nodes/LogickiNot.h"
#include "nodes/Minus.h"
#include "nodes/NaredbaClone.h"
#include "nodes/NaredbaDodele.h"
#include "nodes/Plus.h"
#include "nodes/Print.h"
#include "nodes/Puta.h"
#include "nodes/UnarniMinus.h"
#include "nodes/UpitnikOperator.h"
#include "parser/Parser.h"
#include "scanner/Scanner.h"
#include "tree/Start.h"

namespace {

using php::ParserBase;

struct Diag {
    int line;
    int replaceable;
    std::string text;
    bool operator==(const Diag& o) const {
        return line == o.line && replaceable == o.replaceable && text == o.text;
    }
};

std::ostream& operator<<(std::ostream& os, const Diag& d) {
    return os << "(" << d.line << ", " << d.replaceable << ", " << d.text << ")";
}

void clearSyntaxList() {
    for (php::Greska* g : php::syntaxList()) delete g;
    php::syntaxList().clear();
}

std::vector<Diag> syntaxDiagnostics() {
    std::vector<Diag> out;
    for (php::Greska* g : php::syntaxList()) {
        auto* s = dynamic_cast<php::greske::SintaksnaGreska*>(g);
        if (s) out.push_back({s->line, s->replaceable, s->text});
    }
    return out;
}

class ParseTest : public ::testing::Test {
protected:
    void SetUp() override {
        clearSyntaxList();
        while (!php::roots().empty()) php::releaseCurrentRoot();
    }
    void TearDown() override { SetUp(); }

    // Parses `source` as file "t.php"; the root, if any, stays in roots().
    int parse(const std::string& source) {
        std::FILE* f = std::tmpfile();
        std::fwrite(source.data(), 1, source.size(), f);
        std::rewind(f);
        php::resetScanner();
        php::restartScanner(f);
        int status = php::parseFile("t.php");
        std::fclose(f);
        return status;
    }

    php::Start* root() {
        return php::roots().empty() ? nullptr : static_cast<php::Start*>(php::roots()[0]);
    }

    // The n-th top-level statement of the parsed file.
    ParserBase* statement(size_t n) {
        php::Start* r = root();
        if (!r) return nullptr;
        auto* list = dynamic_cast<php::ListaNaredbi*>(r->statements);
        if (!list || n >= list->items.size()) return nullptr;
        return list->items[n];
    }
};

TEST_F(ParseTest, AcceptedFileLeavesOneRoot) {
    EXPECT_EQ(0, parse("<?php echo 1; $a = 2;"));
    ASSERT_EQ(1u, php::roots().size());
    auto* list = dynamic_cast<php::ListaNaredbi*>(root()->statements);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(2u, list->items.size());
    EXPECT_TRUE(syntaxDiagnostics().empty());
}

TEST_F(ParseTest, EmptyFileGivesRootWithoutStatements) {
    EXPECT_EQ(0, parse(""));
    ASSERT_NE(nullptr, root());
    EXPECT_EQ(nullptr, root()->statements);
}

TEST_F(ParseTest, UnrecoverableErrorLeavesNoRoot) {
    EXPECT_EQ(1, parse("<?php\necho 1;\n$a = = 1;\necho 2;\n"));
    EXPECT_TRUE(php::roots().empty());
    EXPECT_EQ((std::vector<Diag>{{3, 1, "syntax error"}}), syntaxDiagnostics());
}

TEST_F(ParseTest, InlineTextEndsRecovery) {
    EXPECT_EQ(0, parse("<?php\n$a = = 1; ?>text<?php echo 2;\n"));
    EXPECT_NE(nullptr, root());
    EXPECT_EQ((std::vector<Diag>{{2, 1, "syntax error"}}), syntaxDiagnostics());
}

TEST_F(ParseTest, SpecificMessagesAreNotReplaceable) {
    EXPECT_EQ(0, parse("<?php\nFOO = 1;\n$x = &BAR;\n"));
    EXPECT_EQ((std::vector<Diag>{{2, 0, "Assigning value to constant"},
                                 {3, 0, "Constant instead of variable (missing $)"}}),
              syntaxDiagnostics());
}

TEST_F(ParseTest, SpecificMessageReplacesGenericOnItsLine) {
    EXPECT_EQ(0, parse("<?php\necho 1 2;\n"));
    EXPECT_EQ((std::vector<Diag>{{2, 0, "Missing ';'"}}), syntaxDiagnostics());
}

// The error symbol starts where the last popped entry started: here the first
// "==" (line 2), while the offending second "==" is on line 3.
TEST_F(ParseTest, ErrorSymbolStartsAtLastPoppedEntry) {
    EXPECT_EQ(1, parse("<?php\n$a ==\n$b ==\n$c;\n"));
    EXPECT_EQ((std::vector<Diag>{{3, 1, "syntax error"}, {2, 0, "Missing ';'"}}),
              syntaxDiagnostics());
}

TEST_F(ParseTest, ErrorsWithinThreeTokensOfRecoveryAreSilent) {
    // Only "x" and "@" are shifted after the first recovery, so the error at
    // the next "=" is silent; after "y", "@", "@" an error is reported again.
    EXPECT_EQ(0, parse("<?php\n= 1; ?>x<?php @ = 2; ?>y<?php\n@ @ = 3; ?>z"));
    EXPECT_EQ((std::vector<Diag>{{2, 1, "syntax error"}, {3, 1, "syntax error"}}),
              syntaxDiagnostics());
}

TEST_F(ParseTest, DeepNestingExhaustsTheStack) {
    // Abandoned mid-file, the scanner keeps its state: run in a child.
    auto run = [this] {
        int status = parse("<?php\n$a = " + std::string(20000, '(') + "1;\n");
        std::vector<Diag> expected{{2, 1, "memory exhausted"}};
        return status == 2 && php::roots().empty() && syntaxDiagnostics() == expected;
    };
    EXPECT_EXIT(std::exit(run() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST_F(ParseTest, NestingBelowTheLimitIsAccepted) {
    EXPECT_EQ(0, parse("<?php\n$a = " + std::string(9000, '(') + "1" + std::string(9000, ')') +
                       ";\n"));
    EXPECT_NE(nullptr, root());
}

TEST_F(ParseTest, HaltCompilerEndsTheInput) {
    EXPECT_EQ(0, parse("<?php\necho 1;\n__halt_compiler();\n) } $a = = ;\n"));
    EXPECT_TRUE(syntaxDiagnostics().empty());
    auto* list = dynamic_cast<php::ListaNaredbi*>(root()->statements);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(1u, list->items.size());
}

// Every statement and expression form of the grammar, each parsed alone.
TEST_F(ParseTest, EveryConstructParsesCleanly) {
    const char* const snippets[] = {
        "if ($a) { echo 1; } elseif ($b) echo 2; else { echo 3; }",
        "if ($a): echo 1; elseif ($b): echo 2; else: echo 3; endif;",
        "while ($a) $a--; while ($a): $a--; endwhile;",
        "do { $a++; } while ($a < 10);",
        "for ($i = 0, $j = 1; $i < 10; $i++, $j++) {} for (;;): break; endfor;",
        "foreach ($a as $v) {} foreach ($a as $k => &$v): endforeach; foreach (f() as $v) {}",
        "switch ($a) { case 1: case 2; echo 1; break; default: echo 2; }",
        "switch ($a): ; case 1: break 1; endswitch;",
        "while (1) { continue; continue 2; }",
        "function f(&$a, array $b = array(1, 'k' => -2,), C $c = null, $d = C::K) { return; }",
        "function &g() { static $x = 1, $y; global $z, $$w; return $x; }",
        "abstract class A extends B implements C, D {"
        " const X = 1, Y = 'y'; var $p; public static $q = array(); private $r = 1, $s;"
        " protected abstract function m(); public static final function n() {} function list() {} }",
        "final class E {} interface I extends J, K { public function m($a); static function n(); }",
        "class F { static private $a; static public function b() {} final protected static function c() {}"
        " abstract public function d(); private static final function e() {} const BINARY = 1; }",
        "interface L { const A = 1, B = 2; static public function f(); function g(); const C = 3; }",
        "$a = F::BINARY + F::CLASS + L::A; $b = 1e5 + 1E-10 + 100. + 1.e3; $c = <<< EOS\nx\nEOS;\n",
        "try { throw new E('x'); } catch (E $e) { } catch (F $f) { echo $f; }",
        "unset($a, $b[1], $c->d); echo isset($a, $b->c), empty($d);",
        "declare(ticks=1) { echo 1; } declare(ticks=1): enddeclare;",
        "list($a, list($b, $c), , $d) = $e; $f = &$g; $h = &new H(); $i = &$j->k();",
        "$a += 1; $a -= 1; $a *= 1; $a /= 1; $a .= 1; $a %= 1;"
        " $a &= 1; $a |= 1; $a ^= 1; $a <<= 1; $a >>= 1;",
        "$a = $b && $c || $d and $e or $f xor $g; $h = $i | $j ^ $k & $l << 1 >> 2;",
        "$a = $b === $c; $a = $b !== $c; $a = $b != $c; $a = $b <> $c;"
        " $a = $b <= $c; $a = $b >= $c; $a = $b > $c;",
        "$a = +$b - -$c * ~$d / !$e % 2; $f = @g(); $h = $i ? $j : $k;",
        "$a = (int)$b + (integer)$b + (float)$b + (double)$b + (real)$b;"
        " $c = (string)$d . (binary)$d; $e = (array)$f; $g = (object)$h;"
        " $i = (bool)$j && (boolean)$j; $k = (unset)$l;",
        "$a = new B; $c = new $d; $e = new $f->g['h']; $i = new J(1, &$k); $l = clone $m;",
        "$a = B::C; $d = B::$e; $f = B::g(); $h = B::$i['j'](); $k = $l->m->n(1)->o;",
        "$a = $$b; $c = $$$d; $e = ${'f'}; $g = $h->$i; $j = $k->{'l'}; $m = $n{0}; $o = $p[];",
        "$a = $b[1][2]{3}; $c = $d->e[1]->f; $g = h()->i; $j = $k();",
        "$a = __LINE__ . __FILE__ . __CLASS__ . __FUNCTION__ . __METHOD__ . 1.5 . 0x1F . 'q';",
        "$a = \"x $b y {$c->d[1]} ${e} ${f[2]} $g[3] $h[i] $j[$k] $l->m\";",
        "$a = <<<EOT\nx $b {$c} ${d}\nEOT;\n",
        "$a = `ls $b`; $c = exit; $d = exit(); $e = exit(1); $f = eval('1;');",
        "include 'a.php'; include_once 'b.php'; require 'c.php'; require_once 'd.php'; print 1;",
        "use; echo 1, 2; ; { } ?>inline<?php echo 3 ?>",
        "$a->class; $a->list(); $a->function = 1; B::new(); $c->array['x'];",
    };
    for (const char* snippet : snippets) {
        SCOPED_TRACE(snippet);
        SetUp();
        EXPECT_EQ(0, parse(std::string("<?php ") + snippet));
        EXPECT_TRUE(syntaxDiagnostics().empty());
        EXPECT_NE(nullptr, root());
    }
}

// Precedence and associativity, seen in the shape of the tree.

TEST_F(ParseTest, UnaryMinusAndCastBindTighterThanArithmetic) {
    ASSERT_EQ(0, parse("<?php -$a * 2; (int)$a + 1;"));
    auto* times = dynamic_cast<php::Puta*>(statement(0));
    ASSERT_NE(nullptr, times);
    EXPECT_NE(nullptr, dynamic_cast<php::UnarniMinus*>(times->left));
    auto* plus = dynamic_cast<php::Plus*>(statement(1));
    ASSERT_NE(nullptr, plus);
    EXPECT_NE(nullptr, dynamic_cast<php::IntCast*>(plus->left));
}

TEST_F(ParseTest, NotAppliesToTheInstanceofTest) {
    ASSERT_EQ(0, parse("<?php !$a instanceof B;"));
    auto* no = dynamic_cast<php::LogickiNot*>(statement(0));
    ASSERT_NE(nullptr, no);
    EXPECT_NE(nullptr, dynamic_cast<php::Instanca*>(no->operand));
}

TEST_F(ParseTest, PrintBindsTighterThanAndIncludeLooserThanOr) {
    ASSERT_EQ(0, parse("<?php print $a and $b; include $a or $b;"));
    auto* both = dynamic_cast<php::LogAnd*>(statement(0));
    ASSERT_NE(nullptr, both);
    EXPECT_NE(nullptr, dynamic_cast<php::Print*>(both->left));
    auto* inc = dynamic_cast<php::Include*>(statement(1));
    ASSERT_NE(nullptr, inc);
    EXPECT_NE(nullptr, dynamic_cast<php::LogOr*>(inc->path));
}

TEST_F(ParseTest, AssignmentBindsTighterThanAnd) {
    ASSERT_EQ(0, parse("<?php $a = $b and $c;"));
    auto* both = dynamic_cast<php::LogAnd*>(statement(0));
    ASSERT_NE(nullptr, both);
    EXPECT_NE(nullptr, dynamic_cast<php::NaredbaDodele*>(both->left));
}

TEST_F(ParseTest, LeftAssociativeLevels) {
    ASSERT_EQ(0, parse("<?php 1 - 2 - 3; $a + $b . $c; $a ? $b : $c ? $d : $e;"));
    auto* minus = dynamic_cast<php::Minus*>(statement(0));
    ASSERT_NE(nullptr, minus);
    EXPECT_NE(nullptr, dynamic_cast<php::Minus*>(minus->left));
    auto* dot = dynamic_cast<php::Konkatenacija*>(statement(1));
    ASSERT_NE(nullptr, dot);
    EXPECT_NE(nullptr, dynamic_cast<php::Plus*>(dot->left));
    auto* ternary = dynamic_cast<php::UpitnikOperator*>(statement(2));
    ASSERT_NE(nullptr, ternary);
    EXPECT_NE(nullptr, dynamic_cast<php::UpitnikOperator*>(ternary->condition));
}

TEST_F(ParseTest, CloneTakesOnlyItsOperand) {
    ASSERT_EQ(0, parse("<?php clone $a . $b;"));
    auto* dot = dynamic_cast<php::Konkatenacija*>(statement(0));
    ASSERT_NE(nullptr, dot);
    EXPECT_NE(nullptr, dynamic_cast<php::NaredbaClone*>(dot->left));
}

TEST_F(ParseTest, ElseBelongsToTheNearestIf) {
    ASSERT_EQ(0, parse("<?php if ($a) if ($b) echo 1; else echo 2;"));
    auto* outer = dynamic_cast<php::IfKomanda*>(statement(0));
    ASSERT_NE(nullptr, outer);
    EXPECT_EQ(nullptr, outer->elsePart);
    auto* inner = dynamic_cast<php::IfKomanda*>(outer->thenStatement);
    ASSERT_NE(nullptr, inner);
    EXPECT_NE(nullptr, inner->elsePart);
}

TEST_F(ParseTest, ComparisonsDoNotChain) {
    EXPECT_EQ(1, parse("<?php\n$r = $a < $b < $c;\n"));
    EXPECT_EQ((std::vector<Diag>{{2, 1, "syntax error"}}), syntaxDiagnostics());
}

TEST_F(ParseTest, ImplementsListWithoutCommaIsDropped) {
    ASSERT_EQ(0, parse("<?php class A implements B C {} class D implements E, F {}"));
    auto* dropped = dynamic_cast<php::DeklaracijaKlase*>(statement(0));
    ASSERT_NE(nullptr, dropped);
    EXPECT_EQ("A", dropped->name);
    EXPECT_EQ(nullptr, dropped->implements);  // an empty clause leaves no node
    auto* kept = dynamic_cast<php::DeklaracijaKlase*>(statement(1));
    ASSERT_NE(nullptr, kept);
    auto* list = dynamic_cast<php::ListaImplementacija*>(kept->implements);
    ASSERT_NE(nullptr, list);
    EXPECT_NE(nullptr, list->classes);
}

TEST_F(ParseTest, InterfaceWithoutMethodsHasAnEmptyList) {
    ASSERT_EQ(0, parse("<?php interface I {}"));
    auto* iface = dynamic_cast<php::DeklaracijaInterfejsa*>(statement(0));
    ASSERT_NE(nullptr, iface);
    EXPECT_NE(nullptr, dynamic_cast<php::ListaDeklaracijaMetoda*>(iface->body));
}

// The declaration inside the n-th member of a class body.
ParserBase* member(ParserBase* classDeclaration, size_t n) {
    auto* cls = dynamic_cast<php::DeklaracijaKlase*>(classDeclaration);
    auto* body = cls ? dynamic_cast<php::DefinicijeUKlasi*>(cls->body) : nullptr;
    if (!body || n >= body->items.size()) return nullptr;
    auto* wrapper = dynamic_cast<php::DefinicijaUKlasi*>(body->items[n]);
    return wrapper ? wrapper->inner : nullptr;
}

// Member modifiers in any order reach the same fields as in the order
// access word, "static", "abstract"/"final"; the first of a kind counts.
TEST_F(ParseTest, MemberModifiersInAnyOrder) {
    ASSERT_EQ(0, parse("<?php abstract class A {\n"
                       "static\nprivate function a() {}\n"              // 2-3
                       "final protected static function b() {}\n"       // 4
                       "abstract public function c();\n"                // 5
                       "public private static static function d() {}\n"  // 6
                       "abstract final function e();\n"                 // 7
                       "function f() {}\n"                              // 8
                       "static\nprotected $x, $y;\n"                    // 9-10
                       "$z;\n"                                          // 11
                       "}"));
    EXPECT_TRUE(syntaxDiagnostics().empty());
    EXPECT_EQ(nullptr, member(statement(0), 8));
    struct Expect { int line, access; bool isStatic; int implementation; };
    const Expect methods[] = {{3, 1, true, 0}, {4, 2, true, 1}, {5, 0, false, 2},
                              {6, 0, true, 0}, {7, 0, false, 2}, {8, 0, false, 0}};
    for (size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        auto* m = dynamic_cast<php::DefinicijaMetoda*>(member(statement(0), i));
        ASSERT_NE(nullptr, m);
        EXPECT_EQ(methods[i].line, m->location.firstLine);
        EXPECT_EQ(methods[i].access, m->access);
        EXPECT_EQ(methods[i].isStatic, m->isStatic);
        EXPECT_EQ(methods[i].implementation, m->implementation);
    }
    auto* prop = dynamic_cast<php::DeklaracijaAtributa*>(member(statement(0), 6));
    ASSERT_NE(nullptr, prop);
    auto* access = dynamic_cast<php::PristupAtributu*>(prop->access);
    ASSERT_NE(nullptr, access);
    EXPECT_TRUE(access->isProtected);
    EXPECT_NE(nullptr, prop->staticMarker);
    EXPECT_EQ(10, prop->location.firstLine);  // at the access word
    auto* bare = dynamic_cast<php::DeklaracijaAtributa*>(member(statement(0), 7));
    ASSERT_NE(nullptr, bare);
    EXPECT_EQ(nullptr, bare->access);
    EXPECT_EQ(nullptr, bare->staticMarker);
}

// An interface body holds methods (any modifiers, placed at the access word
// when one is written) and class constants, in source order.
TEST_F(ParseTest, InterfaceMethodsAndConstants) {
    ASSERT_EQ(0, parse("<?php interface I {\n"
                       "const A = 1, B = 2;\n"            // 2
                       "static\npublic function f();\n"   // 3-4
                       "static function g();\n"           // 5
                       "abstract function h();\n"         // 6
                       "const C = 3;\n"                   // 7
                       "}"));
    EXPECT_TRUE(syntaxDiagnostics().empty());
    auto* iface = dynamic_cast<php::DeklaracijaInterfejsa*>(statement(0));
    ASSERT_NE(nullptr, iface);
    auto* body = dynamic_cast<php::ListaDeklaracijaMetoda*>(iface->body);
    ASSERT_NE(nullptr, body);
    ASSERT_EQ(5u, body->items.size());
    auto* first = dynamic_cast<php::DefinicijaKonstantiUKlasi*>(body->items[0]);
    ASSERT_NE(nullptr, first);
    auto* names = dynamic_cast<php::ListaDefKonstanti*>(first->constants);
    ASSERT_NE(nullptr, names);
    EXPECT_EQ(2u, names->items.size());
    auto* f = dynamic_cast<php::DeklaracijaMetoda*>(body->items[1]);
    ASSERT_NE(nullptr, f);
    EXPECT_TRUE(f->accessWritten);
    EXPECT_TRUE(f->isStatic);
    EXPECT_EQ(4, f->location.firstLine);
    auto* g = dynamic_cast<php::DeklaracijaMetoda*>(body->items[2]);
    ASSERT_NE(nullptr, g);
    EXPECT_FALSE(g->accessWritten);
    EXPECT_TRUE(g->isStatic);
    auto* h = dynamic_cast<php::DeklaracijaMetoda*>(body->items[3]);
    ASSERT_NE(nullptr, h);
    EXPECT_FALSE(h->accessWritten);
    EXPECT_FALSE(h->isStatic);
    EXPECT_NE(nullptr, dynamic_cast<php::DefinicijaKonstantiUKlasi*>(body->items[4]));
}

// A keyword may name a class constant; the tree holds a Konstanta either way.
TEST_F(ParseTest, KeywordClassConstantNames) {
    ASSERT_EQ(0, parse("<?php class Hmac { const BINARY = 1, array = 2; } Hmac::BINARY;"));
    EXPECT_TRUE(syntaxDiagnostics().empty());
    auto* def = dynamic_cast<php::DefinicijaKonstantiUKlasi*>(member(statement(0), 0));
    ASSERT_NE(nullptr, def);
    auto* list = dynamic_cast<php::ListaDefKonstanti*>(def->constants);
    ASSERT_NE(nullptr, list);
    ASSERT_EQ(2u, list->items.size());
    const char* const expected[] = {"BINARY", "array"};
    for (size_t i = 0; i < 2; ++i) {
        auto* k = dynamic_cast<php::DefKonstante*>(list->items[i]);
        ASSERT_NE(nullptr, k);
        auto* d = dynamic_cast<php::Deklarator*>(k->declarator);
        ASSERT_NE(nullptr, d);
        auto* name = dynamic_cast<php::Konstanta*>(d->name);
        ASSERT_NE(nullptr, name);
        EXPECT_EQ(expected[i], name->name);
    }
    auto* use = dynamic_cast<php::KlasnaKonstanta*>(statement(1));
    ASSERT_NE(nullptr, use);
    auto* used = dynamic_cast<php::Konstanta*>(use->constant);
    ASSERT_NE(nullptr, used);
    EXPECT_EQ("BINARY", used->name);
}

// A missing constant name is reported at the name and leaves no declarator.
TEST_F(ParseTest, MissingClassConstantName) {
    ASSERT_EQ(0, parse("<?php class A {\nconst = 1;\n}"));
    EXPECT_EQ((std::vector<Diag>{{2, 0, "Expected identifier"}}), syntaxDiagnostics());
    auto* def = dynamic_cast<php::DefinicijaKonstantiUKlasi*>(member(statement(0), 0));
    ASSERT_NE(nullptr, def);
    auto* list = dynamic_cast<php::ListaDefKonstanti*>(def->constants);
    auto* k = list && !list->items.empty() ? dynamic_cast<php::DefKonstante*>(list->items[0]) : nullptr;
    EXPECT_TRUE(!k || !k->declarator);
}

// Every float form is a float, whatever its spelling; integers stay integers.
TEST_F(ParseTest, FloatLiteralValues) {
    ASSERT_EQ(0, parse("<?php 1e3; 1E-10; 100.; 1.e3; .5; 2.5e+2; 0x1e5; 12;"));
    struct Expect { php::Type* type; double value; };
    const Expect literals[] = {{php::floatType(), 1000.0}, {php::floatType(), 1e-10},
                               {php::floatType(), 100.0},  {php::floatType(), 1000.0},
                               {php::floatType(), 0.5},    {php::floatType(), 250.0},
                               {php::integerType(), 0x1e5}, {php::integerType(), 12.0}};
    for (size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        auto* literal = dynamic_cast<php::ObicanSkalar*>(statement(i));
        ASSERT_NE(nullptr, literal);
        const php::Value value = literal->staticValue();
        EXPECT_EQ(literals[i].type, value.type);
        EXPECT_DOUBLE_EQ(literals[i].value, value.asFloat());
    }
}

// The two report functions on their own.

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override { clearSyntaxList(); }
    void TearDown() override { clearSyntaxList(); }
    php::Location at(int line) { return php::Location(line, 0, line, 0); }
};

TEST_F(ReportTest, GenericRepeatsOnOneLineAreDropped) {
    php::reportSyntaxError(at(4), "a.php", "syntax error");
    php::reportSyntaxError(at(4), "a.php", "syntax error");
    php::reportSyntaxError(at(4), "b.php", "syntax error");
    php::reportSyntaxError(at(5), "b.php", "syntax error");
    EXPECT_EQ((std::vector<Diag>{{4, 1, "syntax error"}, {4, 1, "syntax error"},
                                 {5, 1, "syntax error"}}),
              syntaxDiagnostics());
    EXPECT_EQ("b.php", php::syntaxList()[1]->file);
}

TEST_F(ReportTest, SpecificReplacesOnlyAGenericAtTheSamePlace) {
    php::reportSyntaxError(at(4), "a.php", "syntax error");
    php::reportSpecificSyntaxError(at(5), "a.php", "Missing ';'");  // other line: kept
    php::reportSyntaxError(at(6), "a.php", "syntax error");
    php::reportSpecificSyntaxError(at(6), "b.php", "Missing ';'");  // other file: kept
    php::reportSyntaxError(at(7), "a.php", "syntax error");
    php::reportSpecificSyntaxError(at(7), "a.php", "Missing ';'");  // replaced
    EXPECT_EQ((std::vector<Diag>{{4, 1, "syntax error"},
                                 {5, 0, "Missing ';'"},
                                 {6, 1, "syntax error"},
                                 {6, 0, "Missing ';'"},
                                 {7, 0, "Missing ';'"}}),
              syntaxDiagnostics());
}

TEST_F(ReportTest, SpecificNeverReplacesASpecific) {
    php::reportSpecificSyntaxError(at(3), "a.php", "Missing ';'");
    php::reportSpecificSyntaxError(at(3), "a.php", "Missing ';'");
    php::reportSpecificSyntaxError(at(3), "a.php", "Expected identifier");
    php::reportSyntaxError(at(3), "a.php", "syntax error");
    EXPECT_EQ((std::vector<Diag>{{3, 0, "Missing ';'"},
                                 {3, 0, "Expected identifier"},
                                 {3, 1, "syntax error"}}),
              syntaxDiagnostics());
}

TEST_F(ReportTest, OnlyTheLastEntryCounts) {
    php::reportSyntaxError(at(2), "a.php", "syntax error");
    php::reportSyntaxError(at(3), "a.php", "syntax error");
    php::reportSyntaxError(at(2), "a.php", "syntax error");
    php::reportSpecificSyntaxError(at(3), "a.php", "Missing ';'");
    EXPECT_EQ((std::vector<Diag>{{2, 1, "syntax error"},
                                 {3, 1, "syntax error"},
                                 {2, 1, "syntax error"},
                                 {3, 0, "Missing ';'"}}),
              syntaxDiagnostics());
}

}  // namespace
