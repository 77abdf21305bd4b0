#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "diagnostics/greske.h"

using namespace php;
using namespace php::greske;

namespace {

const std::string F = "/src/app/x.php";
const std::string P = F + "(12): ";

using Make = std::function<std::unique_ptr<Greska>()>;

struct Case {
    const char* name;
    Make make;
    std::string expected;
};

template <typename T, typename... A>
Make mk(A... args) {
    return [=] { return std::unique_ptr<Greska>(new T(args...)); };
}

void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::unique_ptr<Greska> d = c.make();
        EXPECT_EQ(d->render(), c.expected) << c.name;
    }
}

}  // namespace

// Every single-location message, read through the base class as the report does.
TEST(Render, SingleLocationTemplates) {
    expectAll({
        {"InternaGreska", mk<InternaGreska>(std::string("DefKonstante"), int32_t(22), F, int32_t(12)),
         P + "Internal error: 'DefKonstante(22)'"},
        {"PristupNaMetoduUInterfejsu", mk<PristupNaMetoduUInterfejsu>(F, int32_t(12)),
         P + "[PARSER] Interface methods can't have access specification"},
        {"NedeklarisanaPromenljiva", mk<NedeklarisanaPromenljiva>(F, int32_t(12)), P + "Undeclared variable"},
        {"NepostojeciElementNiza", mk<NepostojeciElementNiza>(F, int32_t(12)), P + "Non-existent member of array"},
        {"NijeObjekat", mk<NijeObjekat>(std::string("$o"), F, int32_t(12)), P + "'$o' is not object"},
        {"FunkcijskiPozivUUslovuPetlje", mk<FunkcijskiPozivUUslovuPetlje>(F, int32_t(12)),
         P + "Performance - function called in condition part of loop"},
        {"PotencijalnoBeskonacnaPetlja", mk<PotencijalnoBeskonacnaPetlja>(F, int32_t(12)),
         P + "Suspicious loop (maybe infinite?)"},
        {"NepoznataKlasa", mk<NepoznataKlasa>(std::string("Foo"), F, int32_t(12)), P + "Undefined class 'Foo'"},
        {"NedefinisanaFunkcija", mk<NedefinisanaFunkcija>(std::string("f"), F, int32_t(12)),
         P + "Unimplemented function 'f'"},
        {"NedozvoljenTipUDeklaracijiParametra",
         mk<NedozvoljenTipUDeklaracijiParametra>(std::string("int"), F, int32_t(12)),
         P + "'int' is not allowed as parameter type (allowed only 'array' or class name)"},
        {"FensiPutanjaZaInclude", mk<FensiPutanjaZaInclude>(F, int32_t(12)), P + "Couldn't handle include path"},
        {"NepostojeciFajl", mk<NepostojeciFajl>(std::string("/a/b.php"), F, int32_t(12)),
         P + "Could not open '/a/b.php'"},
        {"NepostojeciFajlKrozIncludePath", mk<NepostojeciFajlKrozIncludePath>(std::string("b.php"), F, int32_t(12)),
         P + "Can't find 'b.php' in include path"},
        {"FaliGlobal", mk<FaliGlobal>(std::string("db"), F, int32_t(12)),
         P + "Uninitialized variable 'db', or missing 'global' to refer to global variable"},
        {"ImplementacijaNeinterfejsa", mk<ImplementacijaNeinterfejsa>(std::string("C"), F, int32_t(12)),
         P + "'C' is not interface"},
        {"NijeInterfejs", mk<NijeInterfejs>(std::string("C"), F, int32_t(12)), P + "'C' is not interface"},
        {"NasledjivanjeIzFinalKlase", mk<NasledjivanjeIzFinalKlase>(std::string("B"), F, int32_t(12)),
         P + "Base class 'B' is defined as FINAL"},
        {"NedefinisanaBaznaKlasa", mk<NedefinisanaBaznaKlasa>(std::string("B"), F, int32_t(12)),
         P + "Undefined base class 'B'"},
        {"NedefinisanInterfejs", mk<NedefinisanInterfejs>(std::string("I"), F, int32_t(12)),
         P + "Undefined interface 'I'"},
        {"NepostojecaKlasnaKonstanta", mk<NepostojecaKlasnaKonstanta>(std::string("C::K"), F, int32_t(12)),
         P + "Undefined constant 'C::K'"},
        {"NedefinisanaKonstanta", mk<NedefinisanaKonstanta>(std::string("K"), F, int32_t(12)),
         P + "Undefined constant 'K' (reported only once)"},
        {"NedostizanKod", mk<NedostizanKod>(F, int32_t(12)), P + "Unreachable code"},
        {"NijeNiz", mk<NijeNiz>(std::string("s"), F, int32_t(12)), P + "'s' is not array nor implements ArrayAccess"},
        {"NedeklarisanaFunkcija", mk<NedeklarisanaFunkcija>(std::string("g"), F, int32_t(12)),
         P + "Undeclared function 'g'"},
        {"NedostupanMetod", mk<NedostupanMetod>(std::string("C"), std::string("m"), F, int32_t(12)),
         P + "Method 'm' of 'C' is not accessible"},
        {"NestatickiMetod", mk<NestatickiMetod>(std::string("C"), std::string("m"), F, int32_t(12)),
         P + "Method 'm' of class 'C' is not declared STATIC"},
        {"NedostupanAtribut", mk<NedostupanAtribut>(std::string("C"), std::string("p"), F, int32_t(12)),
         P + "Property 'p' of 'C' is not accessible"},
        {"NedozvoljenNizKaoKonstantaUKlasi", mk<NedozvoljenNizKaoKonstantaUKlasi>(F, int32_t(12)),
         P + "Array as class constant is not allowed"},
        {"NestatickiAtribut", mk<NestatickiAtribut>(std::string("C"), std::string("p"), F, int32_t(12)),
         P + "Property 'p' of class 'C' is not declared STATIC"},
        {"StatickiClanBrojDolara", mk<StatickiClanBrojDolara>(F, int32_t(12)), P + "Error in number of $s"},
        {"RazlicitiReturnoviUFunkciji", mk<RazlicitiReturnoviUFunkciji>(std::string("f"), F, int32_t(12)),
         P + "Some code paths in 'f' return value, some don't"},
        {"ZagradaViska", mk<ZagradaViska>('}', F, int32_t(12)), P + "[PARSER] One '}' too much"},
        {"PropertyUStringu", mk<PropertyUStringu>(F, int32_t(12)),
         P + "[PARSER] Syntax error for property inside string (following '->')"},
        {"IndeksUStringu", mk<IndeksUStringu>(F, int32_t(12)),
         P + "[PARSER] Syntax error for index within string (allowed only ID, variable or number)"},
        {"SintaksnaGreska",
         mk<SintaksnaGreska>(uint8_t(1), std::string("syntax error, unexpected ';'"), F, int32_t(12)),
         P + "[PARSER] syntax error, unexpected ';'"},
    });
}

// Messages whose wording depends on whether a class name is known.
TEST(Render, OptionalClassName) {
    expectAll({
        {"NepostojeciAtribut empty", mk<NepostojeciAtribut>(std::string(), std::string("p"), F, int32_t(12)),
         P + "Undeclared property 'p'"},
        {"NepostojeciAtribut", mk<NepostojeciAtribut>(std::string("C"), std::string("p"), F, int32_t(12)),
         P + "Undeclared property 'p' in class 'C'"},
        {"NepostojeciMetod empty", mk<NepostojeciMetod>(std::string(), std::string("m"), F, int32_t(12)),
         P + "Undeclared method 'm'"},
        {"NepostojeciMetod", mk<NepostojeciMetod>(std::string("C"), std::string("m"), F, int32_t(12)),
         P + "Undeclared method 'm' in class 'C'"},
    });
}

// Classes that always carry a second location.
TEST(Render, FixedSecondLocation) {
    expectAll({
        {"DvostrukiDefault", mk<DvostrukiDefault>(int32_t(4), std::string("/src/a.php"), F, int32_t(12)),
         P + "Default label already defined\n\t/src/a.php(4): Previous definition"},
        // The include's second line has a space after the tab.
        {"DvostrukiInclude",
         mk<DvostrukiInclude>(int32_t(3), std::string("/src/main.php"), std::string("/src/lib.php"), F, int32_t(12)),
         P + "File '/src/lib.php' is already included\n\t /src/main.php(3): Previous inclusion"},
        // The opening line is in the diagnostic's own file.
        {"ZagradaManjka", mk<ZagradaManjka>('{', int32_t(7), F, int32_t(12)),
         P + "[PARSER] Missing '{' for brace opened at\n\t" + F + "(7): Opening line"},
    });
}

// Each optional-location class: second line -1 and 0 give the short form, 1 and above the long form.
TEST(Render, OptionalSecondLocation) {
    const std::string D = "/src/decl.php";
    struct Optional {
        const char* name;
        std::function<std::unique_ptr<Greska>(int32_t)> make;
        std::string shortForm;
        std::string tail;  // appended to the short form, after "\n\t" + loc
    };
    std::vector<Optional> all = {
        {"DvostrukaDefinicija",
         [&](int32_t l) { return std::unique_ptr<Greska>(new DvostrukaDefinicija(l, D, "strlen", F, 12)); }, "",
         ": Previous definition"},
        {"PogresanTipArgumenta",
         [&](int32_t l) { return std::unique_ptr<Greska>(new PogresanTipArgumenta("array", 2, "f", D, l, F, 12)); },
         P + "Argument 2 for 'f' - expected 'array'", ": Declaration of 'f'"},
        {"PogresnaArnostFunkcije",
         [&](int32_t l) { return std::unique_ptr<Greska>(new PogresnaArnostFunkcije("f", 3, 1, D, l, F, 12)); },
         P + "Wrong number of parameters for 'f' (expected 3 passed 1)", ": Declaration of 'f'"},
        {"NeimplementiranMetodIzInterfejsa",
         [&](int32_t l) {
             return std::unique_ptr<Greska>(new NeimplementiranMetodIzInterfejsa(l, D, "m", "I", F, 12));
         },
         P + "Method 'm' declared in interface 'I' is not implemented", ": Definition for 'I'"},
        {"PogresanPristupMetoduIzInterfejsa",
         [&](int32_t l) {
             return std::unique_ptr<Greska>(new PogresanPristupMetoduIzInterfejsa(l, D, "m", "I", F, 12));
         },
         P + "Method 'm' declared in 'I' is not public", ": Declaration of 'I'"},
        {"PromenaPristupaNasledjenomMetodu",
         [&](int32_t l) {
             return std::unique_ptr<Greska>(new PromenaPristupaNasledjenomMetodu(l, D, "m", "B", F, 12));
         },
         P + "Access change for method 'm' inherited from 'B'", ": Declaration of 'B'"},
        {"RedefinicijaNasledjenogAtributa",
         [&](int32_t l) { return std::unique_ptr<Greska>(new RedefinicijaNasledjenogAtributa(l, D, "p", "B", F, 12)); },
         P + "Redefinition of property 'p' inherited from 'B'", ": Declaration of 'B'"},
    };
    for (const Optional& o : all) {
        for (int32_t l : {-1, 0, 1, 37}) {
            std::string expected;
            if (std::string(o.name) == "DvostrukaDefinicija") {
                // A built-in symbol: no space before the quote, and the long form words differ.
                expected = l < 1 ? P + "Redefinition of system symbol'strlen'"
                                 : P + "Redefinition of 'strlen'\n\t" + D + "(" + std::to_string(l) + ")" + o.tail;
            } else {
                expected = l < 1 ? o.shortForm : o.shortForm + "\n\t" + D + "(" + std::to_string(l) + ")" + o.tail;
            }
            EXPECT_EQ(o.make(l)->render(), expected) << o.name << " second line " << l;
        }
    }
}

// Without a function name the argument-type message drops everything else, even a known declaration.
TEST(Render, WrongArgumentTypeWithoutFunction) {
    PogresanTipArgumenta d("array", 1, "", "/src/decl.php", 5, F, 12);
    EXPECT_EQ(d.render(), P + "Wrong type of argument");
}

TEST(Render, EmptyTextClasses) {
    for (const auto& file : {F, std::string()}) {
        for (int32_t line : {-1, 0, 12}) {
            EXPECT_EQ(NeinicijalizovanaPromenljiva("x", file, line).render(), "");
            EXPECT_EQ(NeupotrebljenaPromenljiva("x", file, line).render(), "");
        }
    }
}

TEST(Render, LocationEdges) {
    EXPECT_EQ(NedostizanKod(F, 0).render(), F + "(0): Unreachable code");
    EXPECT_EQ(NedostizanKod(F, -1).render(), F + "(-1): Unreachable code");
    EXPECT_EQ(NedostizanKod("", 3).render(), "(3): Unreachable code");
    // Second locations follow the same rules.
    EXPECT_EQ(DvostrukiDefault(-1, "", "", 0).render(),
              "(0): Default label already defined\n\t(-1): Previous definition");
    EXPECT_EQ(ZagradaManjka('(', 0, "", -1).render(),
              "(-1): [PARSER] Missing '(' for brace opened at\n\t(0): Opening line");
    // Empty strings render as nothing between their quotes.
    EXPECT_EQ(NepoznataKlasa("", F, 12).render(), P + "Undefined class ''");
}

TEST(Fields, StoredInCatalogueOrder) {
    PogresnaArnostFunkcije a("f", 3, 1, "/d.php", 9, F, 12);
    EXPECT_EQ(a.function, "f");
    EXPECT_EQ(a.expectedCount, 3);
    EXPECT_EQ(a.passedCount, 1);
    EXPECT_EQ(a.declFile, "/d.php");
    EXPECT_EQ(a.declLine, 9);
    EXPECT_EQ(a.file, F);
    EXPECT_EQ(a.line, 12);

    SintaksnaGreska s(1, "t", F, 4);
    EXPECT_EQ(s.replaceable, 1);
    SintaksnaGreska r(0, "t", F, 4);
    EXPECT_EQ(r.replaceable, 0);
    // The flag never shows in the text.
    EXPECT_EQ(s.render(), r.render());

    DvostrukiInclude inc(3, "/m.php", "/l.php", F, 12);
    EXPECT_EQ(inc.prevLine, 3);
    EXPECT_EQ(inc.prevFile, "/m.php");
    EXPECT_EQ(inc.path, "/l.php");
}
