/* PHP 5 grammar: one action per production builds the syntax tree bottom-up.
 *
 * Classic LALR(1) tables (yacc.c skeleton, compiled as C++): default
 * reductions are taken before reading a token, no state that can shift
 * `error` has a default reduction, and syntax errors go through the three
 * `error` productions (krajNaredbe, Komanda, Identifikator).
 *
 * Every token value is a new[]-allocated copy of its text that the consuming
 * action frees; node values are handed to the constructor, which adopts them.
 */

%code requires {
#include <string>

#include "tree/Location.h"

namespace php {
class ParserBase;

// The modifier words before a member, in any order and with repeats, kept as
// the nodes the declaration takes: the first access word, the first "static",
// the first "abstract" or "final". Later repeats are dropped, and so is what
// the declaration does not take (it leaves it here to be freed).
struct Modifiers {
    ParserBase* access = nullptr;          // PristupAtributu
    ParserBase* staticMarker = nullptr;    // LinkAtributa
    ParserBase* implementation = nullptr;  // ImplMetoda

    // Takes a PristupAtributu, LinkAtributa or ImplMetoda node.
    void add(ParserBase* modifier);
    ~Modifiers();
};
}

#define YYLTYPE php::Location
#define YYLTYPE_IS_DECLARED 1
// Location is trivially copyable, which lets the stacks grow by memcpy.
#define YYLTYPE_IS_TRIVIAL 1
}

%code top {
#define YYINITDEPTH 200
#define YYMAXDEPTH 10000
}

%code {
#include <cstdlib>
#include <utility>

#include "parser/Parser.h"
#include "scanner/Scanner.h"
#include "scanner/Tokens.h"
#include "tree/Start.h"
#include "tree/NodeCast.h"

#include "nodes/ArgumentiFunkcije.h"
#include "nodes/ArrayCast.h"
#include "nodes/AtributObjekta.h"
#include "nodes/AtributVarijable.h"
#include "nodes/AtributiImenaKlase.h"
#include "nodes/AtributiVarijable.h"
#include "nodes/BackqString.h"
#include "nodes/BitskiAnd.h"
#include "nodes/BitskiNot.h"
#include "nodes/BitskiOr.h"
#include "nodes/BitskiXor.h"
#include "nodes/BlokKomanda.h"
#include "nodes/BoolAnd.h"
#include "nodes/BoolCast.h"
#include "nodes/BoolOr.h"
#include "nodes/BinarniOperator.h"
#include "nodes/BreakKomanda.h"
#include "nodes/Case.h"
#include "nodes/Caseovi.h"
#include "nodes/CastNaredba.h"
#include "nodes/Catch.h"
#include "nodes/ClanListe.h"
#include "nodes/ClanNiza.h"
#include "nodes/ClanStatickogNiza.h"
#include "nodes/ContinueKomanda.h"
#include "nodes/DeclareKomanda.h"
#include "nodes/DeclareNaredba.h"
#include "nodes/DefKonstante.h"
#include "nodes/DefaultCase.h"
#include "nodes/DefinicijaKonstantiUKlasi.h"
#include "nodes/DefinicijaListe.h"
#include "nodes/DefinicijaMetoda.h"
#include "nodes/DefinicijaNiza.h"
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
#include "nodes/Deklarator.h"
#include "nodes/DekrementOperator.h"
#include "nodes/DinamickoImeKlase.h"
#include "nodes/DoKomanda.h"
#include "nodes/DoubleCast.h"
#include "nodes/DqElementNiza.h"
#include "nodes/DqElementNiza2.h"
#include "nodes/DqIzraz.h"
#include "nodes/DqMember.h"
#include "nodes/DqSlozenaPromenljiva.h"
#include "nodes/DqString.h"
#include "nodes/EchoKomanda.h"
#include "nodes/Else.h"
#include "nodes/ElseIf.h"
#include "nodes/ExitNaredba.h"
#include "nodes/ForDefinitor.h"
#include "nodes/ForKomanda.h"
#include "nodes/ForeachDefinitor.h"
#include "nodes/ForeachKomanda.h"
#include "nodes/ForeachNaredba.h"
#include "nodes/FqImeKlase.h"
#include "nodes/FunkcijskiPoziv.h"
#include "nodes/GlavaFunkcije.h"
#include "nodes/GlobalKomanda.h"
#include "nodes/HereDoc.h"
#include "nodes/Identicno.h"
#include "nodes/Identifikator.h"
#include "nodes/IfKomanda.h"
#include "nodes/ImeKlase.h"
#include "nodes/ImePromenljive.h"
#include "nodes/ImplMetoda.h"
#include "nodes/Include.h"
#include "nodes/IncludeOnce.h"
#include "nodes/IndeksniPristup.h"
#include "nodes/InkrementOperator.h"
#include "nodes/Instanca.h"
#include "nodes/IntCast.h"
#include "nodes/InternaFunkcija.h"
#include "nodes/IsEmpty.h"
#include "nodes/IsSet.h"
#include "nodes/Izraz.h"
#include "nodes/IzrazBezPromenljive.h"
#include "nodes/IzrazIliReferenca.h"
#include "nodes/IzrazKomanda.h"
#include "nodes/Jednako.h"
#include "nodes/KlasnaKonstanta.h"
#include "nodes/Komanda.h"
#include "nodes/Konkatenacija.h"
#include "nodes/Konstanta.h"
#include "nodes/LinkAtributa.h"
#include "nodes/ListaCatchova.h"
#include "nodes/ListaClanovaListe.h"
#include "nodes/ListaClanovaNiza.h"
#include "nodes/ListaClanovaStatickogNiza.h"
#include "nodes/ListaDefKonstanti.h"
#include "nodes/ListaDeklaracija.h"
#include "nodes/ListaDeklaracijaAtributaKlase.h"
#include "nodes/ListaDeklaracijaMetoda.h"
#include "nodes/ListaDeklaracijaParametara.h"
#include "nodes/ListaDolara.h"
#include "nodes/ListaImplementacija.h"
#include "nodes/ListaIzraza.h"
#include "nodes/ListaIzrazaOpc.h"
#include "nodes/ListaKlasa.h"
#include "nodes/ListaNaredbi.h"
#include "nodes/ListaParametaraPoziva.h"
#include "nodes/ListaPromenljivih.h"
#include "nodes/LogAnd.h"
#include "nodes/LogOr.h"
#include "nodes/LogXor.h"
#include "nodes/LogickiIzraz.h"
#include "nodes/LogickiNot.h"
#include "nodes/LogickiUslov.h"
#include "nodes/Manje.h"
#include "nodes/ManjeJednako.h"
#include "nodes/Minus.h"
#include "nodes/Modul.h"
#include "nodes/MutavaNaredba.h"
#include "nodes/Naredba.h"
#include "nodes/NaredbaClone.h"
#include "nodes/NaredbaDodele.h"
#include "nodes/NaredbaEval.h"
#include "nodes/NaredbaNew.h"
#include "nodes/Nasledjivanje.h"
#include "nodes/NeobjektnaPromenljiva.h"
#include "nodes/Neidenticno.h"
#include "nodes/Nejednako.h"
#include "nodes/ObicanSkalar.h"
#include "nodes/ObicniZnaci.h"
#include "nodes/ObjectCast.h"
#include "nodes/Ofset.h"
#include "nodes/OfsetPodNavodnikom.h"
#include "nodes/OpcDefaultVrednost.h"
#include "nodes/OpcDirektivaZaNasledjivanje.h"
#include "nodes/OpcFunkcijskiPoziv.h"
#include "nodes/OpcListaParametaraPoziva.h"
#include "nodes/OpcReferenca.h"
#include "nodes/OpcTipParametra.h"
#include "nodes/OpcionoZaKljuc.h"
#include "nodes/OsnovnaPromenljiva.h"
#include "nodes/ParametarPoziva.h"
#include "nodes/Plus.h"
#include "nodes/Podeljeno.h"
#include "nodes/PozivKlasicneFunkcije.h"
#include "nodes/PozivPointera.h"
#include "nodes/PozivStatickogMetoda.h"
#include "nodes/Print.h"
#include "nodes/PristupAtributu.h"
#include "nodes/Promenljiva.h"
#include "nodes/PromenljivaPodNavodnikom.h"
#include "nodes/Prosirivanje.h"
#include "nodes/Puta.h"
#include "nodes/Referenca.h"
#include "nodes/ReferencaIliPromenljiva.h"
#include "nodes/Require.h"
#include "nodes/RequireOnce.h"
#include "nodes/ReturnKomanda.h"
#include "nodes/RuzniElse.h"
#include "nodes/RuzniElseIf.h"
#include "nodes/RuznaListaNaredbi.h"
#include "nodes/ShlOperator.h"
#include "nodes/ShrOperator.h"
#include "nodes/Skalar.h"
#include "nodes/StaticDeklarator.h"
#include "nodes/StaticKomanda.h"
#include "nodes/StaticLista.h"
#include "nodes/StatickiClan.h"
#include "nodes/StatickiNiz.h"
#include "nodes/StatickiSkalar.h"
#include "nodes/StringCast.h"
#include "nodes/SwitchKomanda.h"
#include "nodes/Switchovi.h"
#include "nodes/TeloMetoda.h"
#include "nodes/ThrowKomanda.h"
#include "nodes/TipParametra.h"
#include "nodes/TryKomanda.h"
#include "nodes/UnarniMinus.h"
#include "nodes/UnarniOperator.h"
#include "nodes/UnarniPlus.h"
#include "nodes/UnsetCast.h"
#include "nodes/UnsetKomanda.h"
#include "nodes/UpitnikOperator.h"
#include "nodes/UseKomanda.h"
#include "nodes/Varijabla.h"
#include "nodes/Vece.h"
#include "nodes/VeceJednako.h"
#include "nodes/WhileKomanda.h"
#include "nodes/ZnaciPodNavodnikom.h"

using php::ParserBase;

#define YYLLOC_DEFAULT(Current, Rhs, N)                                  \
    do {                                                                 \
        if (N) {                                                         \
            (Current).firstLine = YYRHSLOC(Rhs, 1).firstLine;            \
            (Current).firstColumn = YYRHSLOC(Rhs, 1).firstColumn;        \
            (Current).lastLine = YYRHSLOC(Rhs, N).lastLine;              \
            (Current).lastColumn = YYRHSLOC(Rhs, N).lastColumn;          \
        } else {                                                         \
            (Current).firstLine = (Current).lastLine =                   \
                YYRHSLOC(Rhs, 0).lastLine;                               \
            (Current).firstColumn = (Current).lastColumn =               \
                YYRHSLOC(Rhs, 0).lastColumn;                             \
        }                                                                \
    } while (0)

static int yylex(YYSTYPE* lval, YYLTYPE* llocp, const std::string& fileName);
static void yyerror(const YYLTYPE* llocp, const std::string& fileName, const char* message);

namespace {

// Token texts are released by the action that consumes them.
void release() {}
template <class... Rest>
void release(char* text, Rest... rest) {
    php::freeTokenText(text);
    release(rest...);
}

// A production that stands for a known mistake: the specific message, and
// no node in the tree.
ParserBase* mistake(const YYLTYPE& at, const std::string& fileName, const char* message) {
    php::reportSpecificSyntaxError(at, fileName, message);
    return nullptr;
}

// A class constant's name may be any identifier, keywords included; the
// tree still holds it as a Konstanta. Null when the name was an error.
ParserBase* constantNamed(ParserBase* identifier) {
    auto* id = dynamic_cast<php::Identifikator*>(identifier);
    ParserBase* constant = id ? new php::Konstanta(id->text.c_str(), id->location) : nullptr;
    delete identifier;
    return constant;
}

// Any T_DNUMBER is a float, with or without a dot ("1e3" is 1000.0).
ParserBase* floatLiteral(const char* text, const YYLTYPE& at) {
    auto* literal = new php::ObicanSkalar(text, at);
    literal->setFloat(std::strtod(text, nullptr));
    return literal;
}

const char* const kConstantAssigned = "Assigning value to constant";
const char* const kMissingDollar = "Constant instead of variable (missing $)";

}  // namespace

namespace php {

void Modifiers::add(ParserBase* modifier) {
    ParserBase** slot = nodeAs<PristupAtributu>(modifier) ? &access
                        : nodeAs<LinkAtributa>(modifier)  ? &staticMarker
                                                          : &implementation;
    if (*slot) {
        delete modifier;
    } else {
        *slot = modifier;
    }
}

Modifiers::~Modifiers() {
    delete access;
    delete staticMarker;
    delete implementation;
}

}  // namespace php

// The scanner and the grammar share the token numbers.
#define TOKEN_MATCHES(name) static_assert(int(name) == int(php::tok::name), #name)
TOKEN_MATCHES(T_SEMICOLON); TOKEN_MATCHES(T_REQUIRE_ONCE); TOKEN_MATCHES(T_REQUIRE);
TOKEN_MATCHES(T_EVAL); TOKEN_MATCHES(T_INCLUDE_ONCE); TOKEN_MATCHES(T_INCLUDE);
TOKEN_MATCHES(T_COMMA); TOKEN_MATCHES(T_LOGICAL_OR); TOKEN_MATCHES(T_LOGICAL_XOR);
TOKEN_MATCHES(T_LOGICAL_AND); TOKEN_MATCHES(T_PRINT); TOKEN_MATCHES(T_SR_EQUAL);
TOKEN_MATCHES(T_SL_EQUAL); TOKEN_MATCHES(T_XOR_EQUAL); TOKEN_MATCHES(T_OR_EQUAL);
TOKEN_MATCHES(T_AND_EQUAL); TOKEN_MATCHES(T_MOD_EQUAL); TOKEN_MATCHES(T_CONCAT_EQUAL);
TOKEN_MATCHES(T_DIV_EQUAL); TOKEN_MATCHES(T_MUL_EQUAL); TOKEN_MATCHES(T_MINUS_EQUAL);
TOKEN_MATCHES(T_PLUS_EQUAL); TOKEN_MATCHES(T_ASSIGN); TOKEN_MATCHES(T_COLON);
TOKEN_MATCHES(T_QUESTION); TOKEN_MATCHES(T_BOOLEAN_OR); TOKEN_MATCHES(T_BOOLEAN_AND);
TOKEN_MATCHES(T_PIPE); TOKEN_MATCHES(T_CARET); TOKEN_MATCHES(T_AMPERSAND);
TOKEN_MATCHES(T_IS_NOT_IDENTICAL); TOKEN_MATCHES(T_IS_IDENTICAL); TOKEN_MATCHES(T_IS_NOT_EQUAL);
TOKEN_MATCHES(T_IS_EQUAL); TOKEN_MATCHES(T_IS_GREATER_OR_EQUAL); TOKEN_MATCHES(T_GREATER);
TOKEN_MATCHES(T_IS_SMALLER_OR_EQUAL); TOKEN_MATCHES(T_SMALLER); TOKEN_MATCHES(T_SR);
TOKEN_MATCHES(T_SL); TOKEN_MATCHES(T_DOT); TOKEN_MATCHES(T_MINUS); TOKEN_MATCHES(T_PLUS);
TOKEN_MATCHES(T_PERCENT); TOKEN_MATCHES(T_SLASH); TOKEN_MATCHES(T_ASTERISK);
TOKEN_MATCHES(T_EXCLAMATION); TOKEN_MATCHES(T_INSTANCEOF); TOKEN_MATCHES(T_AT);
TOKEN_MATCHES(T_DEC); TOKEN_MATCHES(T_INC); TOKEN_MATCHES(T_TILDE); TOKEN_MATCHES(T_LBRACKET);
TOKEN_MATCHES(T_CLONE); TOKEN_MATCHES(T_NEW); TOKEN_MATCHES(T_ELSEIF); TOKEN_MATCHES(T_ELSE);
TOKEN_MATCHES(T_ENDIF); TOKEN_MATCHES(T_PUBLIC); TOKEN_MATCHES(T_PROTECTED);
TOKEN_MATCHES(T_PRIVATE); TOKEN_MATCHES(T_FINAL); TOKEN_MATCHES(T_ABSTRACT);
TOKEN_MATCHES(T_STATIC); TOKEN_MATCHES(T_ARRAY); TOKEN_MATCHES(T_AS);
TOKEN_MATCHES(T_BACKQUOTE); TOKEN_MATCHES(T_BREAK); TOKEN_MATCHES(T_CASE);
TOKEN_MATCHES(T_CATCH); TOKEN_MATCHES(T_CLASS); TOKEN_MATCHES(T_CONST);
TOKEN_MATCHES(T_CONTINUE); TOKEN_MATCHES(T_DECLARE); TOKEN_MATCHES(T_DEFAULT);
TOKEN_MATCHES(T_DO); TOKEN_MATCHES(T_DOLLAR); TOKEN_MATCHES(T_DOLLAR_OPEN_CURLY_BRACES);
TOKEN_MATCHES(T_DNUMBER); TOKEN_MATCHES(T_CONSTANT_ENCAPSED_STRING); TOKEN_MATCHES(T_CLASS_C);
TOKEN_MATCHES(T_FILE); TOKEN_MATCHES(T_FUNC_C); TOKEN_MATCHES(T_LINE); TOKEN_MATCHES(T_METHOD_C);
TOKEN_MATCHES(T_DOUBLE_COLON); TOKEN_MATCHES(T_ECHO); TOKEN_MATCHES(T_EMPTY);
TOKEN_MATCHES(T_ENDDECLARE); TOKEN_MATCHES(T_ENDFOR); TOKEN_MATCHES(T_ENDFOREACH);
TOKEN_MATCHES(T_ENDSWITCH); TOKEN_MATCHES(T_ENDWHILE); TOKEN_MATCHES(T_EXTENDS);
TOKEN_MATCHES(T_FOR); TOKEN_MATCHES(T_FOREACH); TOKEN_MATCHES(T_FUNCTION);
TOKEN_MATCHES(T_GLOBAL); TOKEN_MATCHES(T_HALT_COMPILER); TOKEN_MATCHES(T_END_HEREDOC);
TOKEN_MATCHES(T_START_HEREDOC); TOKEN_MATCHES(T_INLINE_HTML); TOKEN_MATCHES(T_STRING);
TOKEN_MATCHES(T_IF); TOKEN_MATCHES(T_IMPLEMENTS); TOKEN_MATCHES(T_LNUMBER);
TOKEN_MATCHES(T_INTERFACE); TOKEN_MATCHES(T_ISSET); TOKEN_MATCHES(T_DOUBLE_ARROW);
TOKEN_MATCHES(T_LIST); TOKEN_MATCHES(T_BINARY); TOKEN_MATCHES(T_BOOL); TOKEN_MATCHES(T_BOOLEAN);
TOKEN_MATCHES(T_DOUBLE); TOKEN_MATCHES(T_EXIT); TOKEN_MATCHES(T_FLOAT); TOKEN_MATCHES(T_INT);
TOKEN_MATCHES(T_INTEGER); TOKEN_MATCHES(T_OBJECT); TOKEN_MATCHES(T_REAL);
TOKEN_MATCHES(T_STRING_KEYWORD); TOKEN_MATCHES(T_OBJECT_OPERATOR); TOKEN_MATCHES(T_DOUBLE_QUOTE);
TOKEN_MATCHES(T_LBRACE); TOKEN_MATCHES(T_LPAREN); TOKEN_MATCHES(T_RETURN);
TOKEN_MATCHES(T_SINGLE_QUOTED_STRING); TOKEN_MATCHES(T_ENCAPSED_AND_WHITESPACE);
TOKEN_MATCHES(T_SWITCH); TOKEN_MATCHES(T_THROW); TOKEN_MATCHES(T_TRY); TOKEN_MATCHES(T_UNSET);
TOKEN_MATCHES(T_USE); TOKEN_MATCHES(T_VAR); TOKEN_MATCHES(T_VARIABLE); TOKEN_MATCHES(T_WHILE);
TOKEN_MATCHES(T_RBRACKET); TOKEN_MATCHES(T_RBRACE); TOKEN_MATCHES(T_RPAREN);
#undef TOKEN_MATCHES
}

%define api.pure full
%define parse.error simple
%define lr.type lalr
%define lr.default-reduction most
%define parse.lac none
/* The dangling "else" and "elseif" (two states, one of each): they shift,
   so an "else" belongs to the nearest "if". */
%expect 4
%locations
%parse-param {const std::string& fileName}
%lex-param {const std::string& fileName}

%initial-action {
    @$ = php::Location();
}

%union {
    char* text;
    php::ParserBase* node;
    php::Modifiers* modifiers;
}

%destructor { php::freeTokenText($$); } <text>
%destructor { delete $$; } <node> <modifiers>
/* A successful parse leaves the root in roots(): it is not the parser's to free. */
%destructor { } Start

%token <text> T_SEMICOLON 258
%token <text> T_REQUIRE_ONCE 259
%token <text> T_REQUIRE 260
%token <text> T_EVAL 261
%token <text> T_INCLUDE_ONCE 262
%token <text> T_INCLUDE 263
%token <text> T_COMMA 264
%token <text> T_LOGICAL_OR 265
%token <text> T_LOGICAL_XOR 266
%token <text> T_LOGICAL_AND 267
%token <text> T_PRINT 268
%token <text> T_SR_EQUAL 269
%token <text> T_SL_EQUAL 270
%token <text> T_XOR_EQUAL 271
%token <text> T_OR_EQUAL 272
%token <text> T_AND_EQUAL 273
%token <text> T_MOD_EQUAL 274
%token <text> T_CONCAT_EQUAL 275
%token <text> T_DIV_EQUAL 276
%token <text> T_MUL_EQUAL 277
%token <text> T_MINUS_EQUAL 278
%token <text> T_PLUS_EQUAL 279
%token <text> T_ASSIGN 280
%token <text> T_COLON 281
%token <text> T_QUESTION 282
%token <text> T_BOOLEAN_OR 283
%token <text> T_BOOLEAN_AND 284
%token <text> T_PIPE 285
%token <text> T_CARET 286
%token <text> T_AMPERSAND 287
%token <text> T_IS_NOT_IDENTICAL 288
%token <text> T_IS_IDENTICAL 289
%token <text> T_IS_NOT_EQUAL 290
%token <text> T_IS_EQUAL 291
%token <text> T_IS_GREATER_OR_EQUAL 292
%token <text> T_GREATER 293
%token <text> T_IS_SMALLER_OR_EQUAL 294
%token <text> T_SMALLER 295
%token <text> T_SR 296
%token <text> T_SL 297
%token <text> T_DOT 298
%token <text> T_MINUS 299
%token <text> T_PLUS 300
%token <text> T_PERCENT 301
%token <text> T_SLASH 302
%token <text> T_ASTERISK 303
%token <text> T_EXCLAMATION 304
%token <text> T_INSTANCEOF 305
%token <text> T_AT 306
%token <text> T_RESERVED_307 307
%token <text> T_DEC 308
%token <text> T_INC 309
%token <text> T_TILDE 310
%token <text> T_LBRACKET 311
%token <text> T_CLONE 312
%token <text> T_NEW 313
%token <text> T_ELSEIF 314
%token <text> T_ELSE 315
%token <text> T_ENDIF 316
%token <text> T_PUBLIC 317
%token <text> T_PROTECTED 318
%token <text> T_PRIVATE 319
%token <text> T_FINAL 320
%token <text> T_ABSTRACT 321
%token <text> T_STATIC 322
%token <text> T_RESERVED_323 323
%token <text> T_ARRAY 324
%token <text> T_AS 325
%token <text> T_BACKQUOTE 326
%token <text> T_BREAK 327
%token <text> T_CASE 328
%token <text> T_CATCH 329
%token <text> T_CLASS 330
%token <text> T_CONST 331
%token <text> T_CONTINUE 332
%token <text> T_DECLARE 333
%token <text> T_DEFAULT 334
%token <text> T_DO 335
%token <text> T_DOLLAR 336
%token <text> T_DOLLAR_OPEN_CURLY_BRACES 337
%token <text> T_DNUMBER 338
%token <text> T_CONSTANT_ENCAPSED_STRING 339
%token <text> T_CLASS_C 340
%token <text> T_FILE 341
%token <text> T_FUNC_C 342
%token <text> T_LINE 343
%token <text> T_METHOD_C 344
%token <text> T_DOUBLE_COLON 345
%token <text> T_ECHO 346
%token <text> T_EMPTY 347
%token <text> T_ENDDECLARE 348
%token <text> T_ENDFOR 349
%token <text> T_ENDFOREACH 350
%token <text> T_ENDSWITCH 351
%token <text> T_ENDWHILE 352
%token <text> T_EXTENDS 353
%token <text> T_FOR 354
%token <text> T_FOREACH 355
%token <text> T_FUNCTION 356
%token <text> T_GLOBAL 357
%token <text> T_HALT_COMPILER 358
%token <text> T_END_HEREDOC 359
%token <text> T_START_HEREDOC 360
%token <text> T_INLINE_HTML 361
%token <text> T_STRING 362
%token <text> T_IF 363
%token <text> T_IMPLEMENTS 364
%token <text> T_LNUMBER 365
%token <text> T_INTERFACE 366
%token <text> T_ISSET 367
%token <text> T_DOUBLE_ARROW 368
%token <text> T_LIST 369
%token <text> T_BINARY 370
%token <text> T_BOOL 371
%token <text> T_BOOLEAN 372
%token <text> T_DOUBLE 373
%token <text> T_EXIT 374
%token <text> T_FLOAT 375
%token <text> T_INT 376
%token <text> T_INTEGER 377
%token <text> T_OBJECT 378
%token <text> T_REAL 379
%token <text> T_STRING_KEYWORD 380
%token <text> T_OBJECT_OPERATOR 381
%token <text> T_DOUBLE_QUOTE 382
%token <text> T_LBRACE 383
%token <text> T_LPAREN 384
%token <text> T_RETURN 385
%token <text> T_SINGLE_QUOTED_STRING 386
%token <text> T_ENCAPSED_AND_WHITESPACE 387
%token <text> T_SWITCH 388
%token <text> T_THROW 389
%token <text> T_TRY 390
%token <text> T_UNSET 391
%token <text> T_USE 392
%token <text> T_VAR 393
%token <text> T_VARIABLE 394
%token <text> T_WHILE 395
%token <text> T_RBRACKET 396
%token <text> T_RBRACE 397
%token <text> T_RPAREN 398

/* Operator precedence, lowest first. The two reserved tokens never reach
   the parser; they only keep their places in the table. */
%left T_INCLUDE T_INCLUDE_ONCE T_EVAL T_REQUIRE T_REQUIRE_ONCE
%left T_COMMA
%left T_LOGICAL_OR
%left T_LOGICAL_XOR
%left T_LOGICAL_AND
%right T_PRINT
%left T_ASSIGN T_PLUS_EQUAL T_MINUS_EQUAL T_MUL_EQUAL T_DIV_EQUAL T_CONCAT_EQUAL T_MOD_EQUAL
      T_AND_EQUAL T_OR_EQUAL T_XOR_EQUAL T_SL_EQUAL T_SR_EQUAL
%left T_QUESTION T_COLON
%left T_BOOLEAN_OR
%left T_BOOLEAN_AND
%left T_PIPE
%left T_CARET
%left T_AMPERSAND
%nonassoc T_IS_EQUAL T_IS_NOT_EQUAL T_IS_IDENTICAL T_IS_NOT_IDENTICAL
%nonassoc T_SMALLER T_IS_SMALLER_OR_EQUAL T_GREATER T_IS_GREATER_OR_EQUAL
%left T_SL T_SR
%left T_PLUS T_MINUS T_DOT
%left T_ASTERISK T_SLASH T_PERCENT
%right T_EXCLAMATION
%nonassoc T_INSTANCEOF
%right T_TILDE T_INC T_DEC T_AT T_RESERVED_307
%right T_LBRACKET
%nonassoc T_NEW T_CLONE
%left T_ELSEIF
%left T_ELSE
%left T_ENDIF
%right T_STATIC T_ABSTRACT T_FINAL T_PRIVATE T_PROTECTED T_PUBLIC T_RESERVED_323

%type <node> Start ListaNaredbi Naredba Komanda IzrazKomanda krajNaredbe BlokKomanda
%type <node> IfKomanda LogickiUslov ElseIf Else RuznaListaNaredbi RuzniElseIf RuzniElse
%type <node> WhileKomanda DoKomanda ForKomanda ForDefinitor ListaIzrazaOpc ListaIzraza
%type <node> SwitchKomanda Switchovi opcTackaZarez Caseovi Case DefaultCase separatorCase
%type <node> BreakKomanda ContinueKomanda ReturnKomanda Izraz IzrazBezPromenljive
%type <node> NaredbaDodele DefinicijaListe ListaClanovaListe ClanListe NaredbaNew NaredbaClone
%type <node> UnarniOperator InkrementOperator DekrementOperator UnarniPlus UnarniMinus
%type <node> BitskiNot LogickiNot BinarniOperator BoolAnd BoolOr LogAnd LogOr LogXor
%type <node> ShrOperator ShlOperator BitskiAnd BitskiOr BitskiXor Konkatenacija Plus Minus
%type <node> Puta Podeljeno Modul LogickiIzraz Identicno Neidenticno Jednako Nejednako Manje
%type <node> ManjeJednako Vece VeceJednako Instanca IsSet ListaPromenljivih IsEmpty
%type <node> UpitnikOperator NaredbaEval InternaFunkcija Include Require IncludeOnce
%type <node> RequireOnce Print CastNaredba IntCast DoubleCast StringCast ArrayCast ObjectCast
%type <node> BoolCast UnsetCast ExitNaredba MutavaNaredba Skalar DqString HereDoc
%type <node> KlasnaKonstanta ObicanSkalar ZnaciPodNavodnikom ObicniZnaci
%type <node> PromenljivaPodNavodnikom DqElementNiza DqMember DqIzraz DqElementNiza2
%type <node> DqSlozenaPromenljiva OfsetPodNavodnikom Promenljiva AtributiVarijable
%type <node> AtributVarijable OpcFunkcijskiPoziv ArgumentiFunkcije OpcListaParametaraPoziva
%type <node> ListaParametaraPoziva ParametarPoziva Referenca AtributObjekta IndeksniPristup
%type <node> ImePromenljive Ofset NeobjektnaPromenljiva ListaDolara OsnovnaPromenljiva
%type <node> StatickiClan FqImeKlase ImeKlase DinamickoImeKlase AtributiImenaKlase
%type <node> FunkcijskiPoziv PozivKlasicneFunkcije PozivStatickogMetoda PozivPointera
%type <node> DefinicijaNiza ListaClanovaNiza ClanNiza IzrazIliReferenca opcZarezNiza
%type <node> BackqString GlobalKomanda StaticKomanda StaticLista StaticDeklarator
%type <node> StatickiSkalar StatickiNiz ListaClanovaStatickogNiza ClanStatickogNiza
%type <node> EchoKomanda UseKomanda UnsetKomanda ForeachKomanda ForeachDefinitor
%type <node> ReferencaIliPromenljiva OpcionoZaKljuc ForeachNaredba DeclareKomanda
%type <node> ListaDeklaracija Deklarator DeclareNaredba praznaNaredba TryKomanda
%type <node> ListaCatchova Catch ThrowKomanda DeklaracijaFunkcije GlavaFunkcije OpcReferenca
%type <node> DeklaracijaParametara ListaDeklaracijaParametara DeklaracijaParametra
%type <node> OpcTipParametra TipParametra OpcDefaultVrednost DeklaracijaKlase
%type <node> OpcDirektivaZaNasledjivanje Nasledjivanje ListaImplementacija ListaKlasa
%type <node> DefinicijeUKlasi DefinicijaUKlasi DeklaracijaAtributa Modifikator
%type <node> LinkAtributa ListaDeklaracijaAtributaKlase DeklaracijaAtributaKlase
%type <node> DefinicijaKonstantiUKlasi ListaDefKonstanti DefKonstante DefinicijaMetoda
%type <node> TeloMetoda DeklaracijaInterfejsa Prosirivanje ListaDeklaracijaMetoda
%type <node> DeklaracijaMetoda Varijabla Konstanta Identifikator
%type <modifiers> Modifikatori

%start Start

%%

Start
    : ListaNaredbi { $$ = new php::Start($1); }
    ;

ListaNaredbi
    : ListaNaredbi Naredba { $$ = new php::ListaNaredbi($1, $2); }
    | %empty { $$ = nullptr; }
    ;

Naredba
    : Komanda { $$ = new php::Naredba($1); }
    | DeklaracijaFunkcije { $$ = new php::Naredba($1); }
    | DeklaracijaKlase { $$ = new php::Naredba($1); }
    | DeklaracijaInterfejsa { $$ = new php::Naredba($1); }
    | T_HALT_COMPILER T_LPAREN T_RPAREN krajNaredbe {
          // Everything after "__halt_compiler();" is data, not code.
          php::haltScanner();
          release($1, $2, $3);
          (void)$4;
          $$ = nullptr;
      }
    ;

Komanda
    : BlokKomanda { $$ = new php::Komanda($1); }
    | IfKomanda { $$ = new php::Komanda($1); }
    | WhileKomanda { $$ = new php::Komanda($1); }
    | DoKomanda { $$ = new php::Komanda($1); }
    | ForKomanda { $$ = new php::Komanda($1); }
    | SwitchKomanda { $$ = new php::Komanda($1); }
    | BreakKomanda { $$ = new php::Komanda($1); }
    | ContinueKomanda { $$ = new php::Komanda($1); }
    | ReturnKomanda { $$ = new php::Komanda($1); }
    | GlobalKomanda { $$ = new php::Komanda($1); }
    | StaticKomanda { $$ = new php::Komanda($1); }
    | EchoKomanda { $$ = new php::Komanda($1); }
    | T_INLINE_HTML { $$ = new php::Komanda($1, @1); release($1); }
    | IzrazKomanda { $$ = new php::Komanda($1); }
    | UseKomanda { $$ = new php::Komanda($1); }
    | UnsetKomanda { $$ = new php::Komanda($1); }
    | ForeachKomanda { $$ = new php::Komanda($1); }
    | DeclareKomanda { $$ = new php::Komanda($1); }
    | praznaNaredba { $$ = new php::Komanda($1); }
    | TryKomanda { $$ = new php::Komanda($1); }
    | ThrowKomanda { $$ = new php::Komanda($1); }
    | error T_INLINE_HTML { release($2); $$ = nullptr; }
    ;

IzrazKomanda
    : Izraz krajNaredbe { $$ = new php::IzrazKomanda($1, $2); }
    ;

krajNaredbe
    : T_SEMICOLON { release($1); $$ = nullptr; }
    | error { $$ = mistake(@1, fileName, "Missing ';'"); }
    ;

BlokKomanda
    : T_LBRACE ListaNaredbi T_RBRACE {
          $$ = new php::BlokKomanda($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

IfKomanda
    : T_IF LogickiUslov Komanda Else {
          $$ = new php::IfKomanda($1, @1, $2, $3, $4);
          release($1);
      }
    | T_IF LogickiUslov RuznaListaNaredbi RuzniElse T_ENDIF krajNaredbe {
          $$ = new php::IfKomanda($1, @1, $2, $3, $4, $5, @5, $6);
          release($1, $5);
      }
    ;

LogickiUslov
    : T_LPAREN Izraz T_RPAREN {
          $$ = new php::LogickiUslov($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

ElseIf
    : T_ELSEIF LogickiUslov Komanda Else {
          $$ = new php::ElseIf($1, @1, $2, $3, $4);
          release($1);
      }
    ;

Else
    : T_ELSE Komanda { $$ = new php::Else($1, @1, $2); release($1); }
    | ElseIf { $$ = new php::Else($1); }
    | %empty { $$ = nullptr; }
    ;

RuznaListaNaredbi
    : T_COLON ListaNaredbi { $$ = new php::RuznaListaNaredbi($1, @1, $2); release($1); }
    ;

RuzniElseIf
    : T_ELSEIF LogickiUslov RuznaListaNaredbi RuzniElse {
          $$ = new php::RuzniElseIf($1, @1, $2, $3, $4);
          release($1);
      }
    ;

RuzniElse
    : T_ELSE RuznaListaNaredbi { $$ = new php::RuzniElse($1, @1, $2); release($1); }
    | RuzniElseIf { $$ = new php::RuzniElse($1); }
    | %empty { $$ = nullptr; }
    ;

WhileKomanda
    : T_WHILE LogickiUslov Komanda {
          $$ = new php::WhileKomanda($1, @1, $2, $3);
          release($1);
      }
    | T_WHILE LogickiUslov RuznaListaNaredbi T_ENDWHILE krajNaredbe {
          $$ = new php::WhileKomanda($1, @1, $2, $3, $4, @4, $5);
          release($1, $4);
      }
    ;

DoKomanda
    : T_DO Komanda T_WHILE LogickiUslov krajNaredbe {
          $$ = new php::DoKomanda($1, @1, $2, $3, @3, $4, $5);
          release($1, $3);
      }
    ;

ForKomanda
    : T_FOR ForDefinitor Komanda {
          $$ = new php::ForKomanda($1, @1, $2, $3);
          release($1);
      }
    | T_FOR ForDefinitor RuznaListaNaredbi T_ENDFOR krajNaredbe {
          $$ = new php::ForKomanda($1, @1, $2, $3, $4, @4, $5);
          release($1, $4);
      }
    ;

ForDefinitor
    : T_LPAREN ListaIzrazaOpc T_SEMICOLON ListaIzrazaOpc T_SEMICOLON ListaIzrazaOpc T_RPAREN {
          $$ = new php::ForDefinitor($1, @1, $2, $3, @3, $4, $5, @5, $6, $7, @7);
          release($1, $3, $5, $7);
      }
    ;

ListaIzrazaOpc
    : ListaIzraza { $$ = new php::ListaIzrazaOpc($1); }
    | %empty { $$ = nullptr; }
    ;

ListaIzraza
    : ListaIzraza T_COMMA Izraz { $$ = new php::ListaIzraza($1, $2, @2, $3); release($2); }
    | Izraz { $$ = new php::ListaIzraza($1); }
    ;

SwitchKomanda
    : T_SWITCH LogickiUslov Switchovi {
          $$ = new php::SwitchKomanda($1, @1, $2, $3);
          release($1);
      }
    ;

Switchovi
    : T_LBRACE opcTackaZarez Caseovi T_RBRACE {
          $$ = new php::Switchovi($1, @1, $2, $3, $4, @4);
          release($1, $4);
      }
    | T_COLON opcTackaZarez Caseovi T_ENDSWITCH krajNaredbe {
          $$ = new php::Switchovi($1, @1, $2, $3, $4, @4, $5);
          release($1, $4);
      }
    ;

opcTackaZarez
    : T_SEMICOLON { release($1); $$ = nullptr; }
    | %empty { $$ = nullptr; }
    ;

Caseovi
    : Caseovi Case { $$ = new php::Caseovi($1, $2); }
    | Caseovi DefaultCase { $$ = new php::Caseovi($1, $2); }
    | %empty { $$ = nullptr; }
    ;

Case
    : T_CASE Izraz separatorCase ListaNaredbi {
          $$ = new php::Case($1, @1, $2, $3, $4);
          release($1);
      }
    ;

DefaultCase
    : T_DEFAULT separatorCase ListaNaredbi {
          $$ = new php::DefaultCase($1, @1, $2, $3);
          release($1);
      }
    ;

separatorCase
    : T_SEMICOLON { release($1); $$ = nullptr; }
    | T_COLON { release($1); $$ = nullptr; }
    ;

BreakKomanda
    : T_BREAK krajNaredbe { $$ = new php::BreakKomanda($1, @1, $2); release($1); }
    | T_BREAK Izraz krajNaredbe { $$ = new php::BreakKomanda($1, @1, $2, $3); release($1); }
    ;

ContinueKomanda
    : T_CONTINUE krajNaredbe { $$ = new php::ContinueKomanda($1, @1, $2); release($1); }
    | T_CONTINUE Izraz krajNaredbe {
          $$ = new php::ContinueKomanda($1, @1, $2, $3);
          release($1);
      }
    ;

ReturnKomanda
    : T_RETURN krajNaredbe { $$ = new php::ReturnKomanda($1, @1, $2); release($1); }
    | T_RETURN Izraz krajNaredbe { $$ = new php::ReturnKomanda($1, @1, $2, $3); release($1); }
    ;

// The grammar-only wrappers of an expression that is not a variable (Izraz,
// IzrazBezPromenljive, and BinarniOperator and the like) are not built: every
// parent adopts an expression at once, where each of them would dissolve.
// Only an Izraz around a variable stays, and a parenthesis keeps its location.
// Nor is a Skalar built around a scalar: none of them unwraps any further.
Izraz
    : IzrazBezPromenljive { $$ = $1; }
    | Promenljiva { $$ = new php::Izraz($1); }
    ;

IzrazBezPromenljive
    : NaredbaDodele { $$ = $1; }
    | NaredbaNew { $$ = $1; }
    | NaredbaClone { $$ = $1; }
    | UnarniOperator { $$ = $1; }
    | BinarniOperator { $$ = $1; }
    | LogickiIzraz { $$ = $1; }
    | T_LPAREN Izraz T_RPAREN {
          $$ = new php::IzrazBezPromenljive($1, @1, $2, $3, @3);
          release($1, $3);
      }
    | UpitnikOperator { $$ = $1; }
    | NaredbaEval { $$ = $1; }
    | InternaFunkcija { $$ = $1; }
    | CastNaredba { $$ = $1; }
    | ExitNaredba { $$ = $1; }
    | MutavaNaredba { $$ = $1; }
    | Skalar { $$ = $1; }
    | DefinicijaNiza { $$ = $1; }
    | BackqString { $$ = $1; }
    ;

NaredbaDodele
    : DefinicijaListe T_ASSIGN Izraz {
          $$ = new php::NaredbaDodele($1, $2, @2, $3);
          release($2);
      }
    | Promenljiva T_ASSIGN Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_ASSIGN Referenca {
          $$ = new php::NaredbaDodele($1, $2, @2, $3);
          release($2);
      }
    | Promenljiva T_ASSIGN T_AMPERSAND NaredbaNew {
          $$ = new php::NaredbaDodele($1, $2, @2, $3, @3, $4);
          release($2, $3);
      }
    | Promenljiva T_PLUS_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_MINUS_EQUAL Izraz {
          $$ = new php::NaredbaDodele($1, $2, @2, $3);
          release($2);
      }
    | Promenljiva T_MUL_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_DIV_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_CONCAT_EQUAL Izraz {
          $$ = new php::NaredbaDodele($1, $2, @2, $3);
          release($2);
      }
    | Promenljiva T_MOD_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_AND_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_OR_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_XOR_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_SR_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Promenljiva T_SL_EQUAL Izraz { $$ = new php::NaredbaDodele($1, $2, @2, $3); release($2); }
    | Konstanta T_ASSIGN Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_ASSIGN Referenca {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_ASSIGN T_AMPERSAND NaredbaNew {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2, $3); delete $4;
      }
    | Konstanta T_PLUS_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_MINUS_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_MUL_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_DIV_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_CONCAT_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_MOD_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_AND_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_OR_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_XOR_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_SR_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    | Konstanta T_SL_EQUAL Izraz {
          $$ = mistake(@2, fileName, kConstantAssigned);
          delete $1; release($2); delete $3;
      }
    ;

DefinicijaListe
    : T_LIST T_LPAREN ListaClanovaListe T_RPAREN {
          $$ = new php::DefinicijaListe($1, @1, $2, @2, $3, $4, @4);
          release($1, $2, $4);
      }
    ;

ListaClanovaListe
    : ListaClanovaListe T_COMMA ClanListe {
          $$ = new php::ListaClanovaListe($1, $2, @2, $3);
          release($2);
      }
    | ClanListe { $$ = new php::ListaClanovaListe($1); }
    ;

ClanListe
    : Promenljiva { $$ = new php::ClanListe($1); }
    | DefinicijaListe { $$ = new php::ClanListe($1); }
    | Konstanta { $$ = mistake(@1, fileName, kMissingDollar); delete $1; }
    | %empty { $$ = nullptr; }
    ;

NaredbaNew
    : T_NEW ImeKlase OpcFunkcijskiPoziv {
          $$ = new php::NaredbaNew($1, @1, $2, $3);
          release($1);
      }
    ;

NaredbaClone
    : T_CLONE Izraz { $$ = new php::NaredbaClone($1, @1, $2); release($1); }
    ;

UnarniOperator
    : InkrementOperator { $$ = $1; }
    | DekrementOperator { $$ = $1; }
    | UnarniPlus { $$ = $1; }
    | UnarniMinus { $$ = $1; }
    | BitskiNot { $$ = $1; }
    | LogickiNot { $$ = $1; }
    ;

InkrementOperator
    : Promenljiva T_INC { $$ = new php::InkrementOperator($1, $2, @2); release($2); }
    | T_INC Promenljiva { $$ = new php::InkrementOperator($1, @1, $2); release($1); }
    | Konstanta T_INC { $$ = mistake(@2, fileName, "++ on constant"); delete $1; release($2); }
    | T_INC Konstanta { $$ = mistake(@2, fileName, "++ on constant"); release($1); delete $2; }
    ;

DekrementOperator
    : Promenljiva T_DEC { $$ = new php::DekrementOperator($1, $2, @2); release($2); }
    | T_DEC Promenljiva { $$ = new php::DekrementOperator($1, @1, $2); release($1); }
    | Konstanta T_DEC { $$ = mistake(@2, fileName, "-- on constant"); delete $1; release($2); }
    | T_DEC Konstanta { $$ = mistake(@2, fileName, "-- on constant"); release($1); delete $2; }
    ;

UnarniPlus
    : T_PLUS Izraz %prec T_TILDE { $$ = new php::UnarniPlus($1, @1, $2); release($1); }
    ;

UnarniMinus
    : T_MINUS Izraz %prec T_TILDE { $$ = new php::UnarniMinus($1, @1, $2); release($1); }
    ;

BitskiNot
    : T_TILDE Izraz { $$ = new php::BitskiNot($1, @1, $2); release($1); }
    ;

LogickiNot
    : T_EXCLAMATION Izraz { $$ = new php::LogickiNot($1, @1, $2); release($1); }
    ;

BinarniOperator
    : BoolAnd { $$ = $1; }
    | BoolOr { $$ = $1; }
    | LogAnd { $$ = $1; }
    | LogOr { $$ = $1; }
    | LogXor { $$ = $1; }
    | ShrOperator { $$ = $1; }
    | ShlOperator { $$ = $1; }
    | BitskiAnd { $$ = $1; }
    | BitskiOr { $$ = $1; }
    | BitskiXor { $$ = $1; }
    | Konkatenacija { $$ = $1; }
    | Plus { $$ = $1; }
    | Minus { $$ = $1; }
    | Puta { $$ = $1; }
    | Podeljeno { $$ = $1; }
    | Modul { $$ = $1; }
    ;

BoolAnd : Izraz T_BOOLEAN_AND Izraz { $$ = new php::BoolAnd($1, $2, @2, $3); release($2); } ;
BoolOr : Izraz T_BOOLEAN_OR Izraz { $$ = new php::BoolOr($1, $2, @2, $3); release($2); } ;
LogAnd : Izraz T_LOGICAL_AND Izraz { $$ = new php::LogAnd($1, $2, @2, $3); release($2); } ;
LogOr : Izraz T_LOGICAL_OR Izraz { $$ = new php::LogOr($1, $2, @2, $3); release($2); } ;
LogXor : Izraz T_LOGICAL_XOR Izraz { $$ = new php::LogXor($1, $2, @2, $3); release($2); } ;
ShrOperator : Izraz T_SR Izraz { $$ = new php::ShrOperator($1, $2, @2, $3); release($2); } ;
ShlOperator : Izraz T_SL Izraz { $$ = new php::ShlOperator($1, $2, @2, $3); release($2); } ;
BitskiAnd : Izraz T_AMPERSAND Izraz { $$ = new php::BitskiAnd($1, $2, @2, $3); release($2); } ;
BitskiOr : Izraz T_PIPE Izraz { $$ = new php::BitskiOr($1, $2, @2, $3); release($2); } ;
BitskiXor : Izraz T_CARET Izraz { $$ = new php::BitskiXor($1, $2, @2, $3); release($2); } ;
Konkatenacija : Izraz T_DOT Izraz { $$ = new php::Konkatenacija($1, $2, @2, $3); release($2); } ;
Plus : Izraz T_PLUS Izraz { $$ = new php::Plus($1, $2, @2, $3); release($2); } ;
Minus : Izraz T_MINUS Izraz { $$ = new php::Minus($1, $2, @2, $3); release($2); } ;
Puta : Izraz T_ASTERISK Izraz { $$ = new php::Puta($1, $2, @2, $3); release($2); } ;
Podeljeno : Izraz T_SLASH Izraz { $$ = new php::Podeljeno($1, $2, @2, $3); release($2); } ;
Modul : Izraz T_PERCENT Izraz { $$ = new php::Modul($1, $2, @2, $3); release($2); } ;

LogickiIzraz
    : Identicno { $$ = $1; }
    | Neidenticno { $$ = $1; }
    | Jednako { $$ = $1; }
    | Nejednako { $$ = $1; }
    | Manje { $$ = $1; }
    | ManjeJednako { $$ = $1; }
    | Vece { $$ = $1; }
    | VeceJednako { $$ = $1; }
    | Instanca { $$ = $1; }
    | IsSet { $$ = $1; }
    | IsEmpty { $$ = $1; }
    ;

Identicno
    : Izraz T_IS_IDENTICAL Izraz { $$ = new php::Identicno($1, $2, @2, $3); release($2); }
    ;
Neidenticno
    : Izraz T_IS_NOT_IDENTICAL Izraz { $$ = new php::Neidenticno($1, $2, @2, $3); release($2); }
    ;
Jednako
    : Izraz T_IS_EQUAL Izraz { $$ = new php::Jednako($1, $2, @2, $3); release($2); }
    ;
Nejednako
    : Izraz T_IS_NOT_EQUAL Izraz { $$ = new php::Nejednako($1, $2, @2, $3); release($2); }
    ;
Manje
    : Izraz T_SMALLER Izraz { $$ = new php::Manje($1, $2, @2, $3); release($2); }
    ;
ManjeJednako
    : Izraz T_IS_SMALLER_OR_EQUAL Izraz {
          $$ = new php::ManjeJednako($1, $2, @2, $3);
          release($2);
      }
    ;
Vece
    : Izraz T_GREATER Izraz { $$ = new php::Vece($1, $2, @2, $3); release($2); }
    ;
VeceJednako
    : Izraz T_IS_GREATER_OR_EQUAL Izraz {
          $$ = new php::VeceJednako($1, $2, @2, $3);
          release($2);
      }
    ;

Instanca
    : Izraz T_INSTANCEOF ImeKlase { $$ = new php::Instanca($1, $2, @2, $3); release($2); }
    ;

IsSet
    : T_ISSET T_LPAREN ListaPromenljivih T_RPAREN {
          $$ = new php::IsSet($1, @1, $2, @2, $3, $4, @4);
          release($1, $2, $4);
      }
    ;

ListaPromenljivih
    : ListaPromenljivih T_COMMA Promenljiva {
          $$ = new php::ListaPromenljivih($1, $2, @2, $3);
          release($2);
      }
    | Promenljiva { $$ = new php::ListaPromenljivih($1); }
    | ListaPromenljivih Promenljiva {
          // A variable that follows without a comma is dropped.
          $$ = $1;
          delete $2;
      }
    | Konstanta { $$ = mistake(@1, fileName, kMissingDollar); delete $1; }
    ;

IsEmpty
    : T_EMPTY T_LPAREN Promenljiva T_RPAREN {
          $$ = new php::IsEmpty($1, @1, $2, @2, $3, $4, @4);
          release($1, $2, $4);
      }
    | T_EMPTY T_LPAREN Konstanta T_RPAREN {
          $$ = mistake(@3, fileName, kMissingDollar);
          release($1, $2, $4);
          delete $3;
      }
    ;

UpitnikOperator
    : Izraz T_QUESTION Izraz T_COLON Izraz {
          $$ = new php::UpitnikOperator($1, $2, @2, $3, $4, @4, $5);
          release($2, $4);
      }
    ;

NaredbaEval
    : T_EVAL T_LPAREN Izraz T_RPAREN {
          $$ = new php::NaredbaEval($1, @1, $2, @2, $3, $4, @4);
          release($1, $2, $4);
      }
    ;

InternaFunkcija
    : Include { $$ = $1; }
    | Require { $$ = $1; }
    | IncludeOnce { $$ = $1; }
    | RequireOnce { $$ = $1; }
    | Print { $$ = $1; }
    ;

Include : T_INCLUDE Izraz { $$ = new php::Include($1, @1, $2); release($1); } ;
Require : T_REQUIRE Izraz { $$ = new php::Require($1, @1, $2); release($1); } ;
IncludeOnce : T_INCLUDE_ONCE Izraz { $$ = new php::IncludeOnce($1, @1, $2); release($1); } ;
RequireOnce : T_REQUIRE_ONCE Izraz { $$ = new php::RequireOnce($1, @1, $2); release($1); } ;
Print : T_PRINT Izraz { $$ = new php::Print($1, @1, $2); release($1); } ;

CastNaredba
    : IntCast { $$ = $1; }
    | DoubleCast { $$ = $1; }
    | StringCast { $$ = $1; }
    | ArrayCast { $$ = $1; }
    | ObjectCast { $$ = $1; }
    | BoolCast { $$ = $1; }
    | UnsetCast { $$ = $1; }
    ;

/* A cast binds like the other unary operators. */
IntCast
    : T_LPAREN T_INT T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::IntCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    | T_LPAREN T_INTEGER T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::IntCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    ;

DoubleCast
    : T_LPAREN T_REAL T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::DoubleCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    | T_LPAREN T_DOUBLE T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::DoubleCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    | T_LPAREN T_FLOAT T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::DoubleCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    ;

StringCast
    : T_LPAREN T_STRING_KEYWORD T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::StringCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    | T_LPAREN T_BINARY T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::StringCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    ;

ArrayCast
    : T_LPAREN T_ARRAY T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::ArrayCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    ;

ObjectCast
    : T_LPAREN T_OBJECT T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::ObjectCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    ;

BoolCast
    : T_LPAREN T_BOOL T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::BoolCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    | T_LPAREN T_BOOLEAN T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::BoolCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    ;

UnsetCast
    : T_LPAREN T_UNSET T_RPAREN Izraz %prec T_TILDE {
          $$ = new php::UnsetCast($1, @1, $2, @2, $3, @3, $4);
          release($1, $2, $3);
      }
    ;

ExitNaredba
    : T_EXIT { $$ = new php::ExitNaredba($1, @1); release($1); }
    | T_EXIT T_LPAREN T_RPAREN {
          $$ = new php::ExitNaredba($1, @1, $2, @2, $3, @3);
          release($1, $2, $3);
      }
    | T_EXIT T_LPAREN Izraz T_RPAREN {
          $$ = new php::ExitNaredba($1, @1, $2, @2, $3, $4, @4);
          release($1, $2, $4);
      }
    ;

MutavaNaredba
    : T_AT Izraz { $$ = new php::MutavaNaredba($1, @1, $2); release($1); }
    ;

Skalar
    : Konstanta { $$ = $1; }
    | KlasnaKonstanta { $$ = $1; }
    | ObicanSkalar { $$ = $1; }
    | DqString { $$ = $1; }
    | HereDoc { $$ = $1; }
    ;

DqString
    : T_DOUBLE_QUOTE ZnaciPodNavodnikom T_DOUBLE_QUOTE {
          $$ = new php::DqString($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

HereDoc
    : T_START_HEREDOC ZnaciPodNavodnikom T_END_HEREDOC {
          $$ = new php::HereDoc($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

KlasnaKonstanta
    : FqImeKlase T_DOUBLE_COLON Identifikator {
          ParserBase* name = constantNamed($3);
          $$ = name ? new php::KlasnaKonstanta($1, $2, @2, name) : nullptr;
          if (!name) delete $1;
          release($2);
      }
    ;

ObicanSkalar
    : T_LNUMBER { $$ = new php::ObicanSkalar($1, @1); release($1); }
    | T_DNUMBER { $$ = floatLiteral($1, @1); release($1); }
    | T_CONSTANT_ENCAPSED_STRING { $$ = new php::ObicanSkalar($1, @1); release($1); }
    | T_SINGLE_QUOTED_STRING { $$ = new php::ObicanSkalar($1, @1); release($1); }
    | T_LINE { $$ = new php::ObicanSkalar($1, @1); release($1); }
    | T_FILE { $$ = new php::ObicanSkalar($1, @1); release($1); }
    | T_CLASS_C { $$ = new php::ObicanSkalar($1, @1); release($1); }
    | T_METHOD_C { $$ = new php::ObicanSkalar($1, @1); release($1); }
    | T_FUNC_C { $$ = new php::ObicanSkalar($1, @1); release($1); }
    ;

ZnaciPodNavodnikom
    : ZnaciPodNavodnikom PromenljivaPodNavodnikom { $$ = new php::ZnaciPodNavodnikom($1, $2); }
    | ZnaciPodNavodnikom ObicniZnaci { $$ = new php::ZnaciPodNavodnikom($1, $2); }
    | %empty { $$ = nullptr; }
    ;

ObicniZnaci
    : T_ENCAPSED_AND_WHITESPACE { $$ = new php::ObicniZnaci($1, @1); release($1); }
    ;

PromenljivaPodNavodnikom
    : Varijabla { $$ = new php::PromenljivaPodNavodnikom($1); }
    | DqElementNiza { $$ = new php::PromenljivaPodNavodnikom($1); }
    | DqMember { $$ = new php::PromenljivaPodNavodnikom($1); }
    | DqIzraz { $$ = new php::PromenljivaPodNavodnikom($1); }
    | DqElementNiza2 { $$ = new php::PromenljivaPodNavodnikom($1); }
    | DqSlozenaPromenljiva { $$ = new php::PromenljivaPodNavodnikom($1); }
    ;

DqElementNiza
    : Varijabla T_LBRACKET OfsetPodNavodnikom T_RBRACKET {
          $$ = new php::DqElementNiza($1, $2, @2, $3, $4, @4);
          release($2, $4);
      }
    ;

DqMember
    : Varijabla T_OBJECT_OPERATOR Identifikator {
          $$ = new php::DqMember($1, $2, @2, $3);
          release($2);
      }
    ;

DqIzraz
    : T_DOLLAR_OPEN_CURLY_BRACES Izraz T_RBRACE {
          $$ = new php::DqIzraz($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

DqElementNiza2
    : T_DOLLAR_OPEN_CURLY_BRACES Identifikator T_LBRACKET Izraz T_RBRACKET T_RBRACE {
          $$ = new php::DqElementNiza2($1, @1, $2, $3, @3, $4, $5, @5, $6, @6);
          release($1, $3, $5, $6);
      }
    ;

DqSlozenaPromenljiva
    : T_LBRACE Promenljiva T_RBRACE {
          $$ = new php::DqSlozenaPromenljiva($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

OfsetPodNavodnikom
    : Konstanta { $$ = new php::OfsetPodNavodnikom($1); }
    | Varijabla { $$ = new php::OfsetPodNavodnikom($1); }
    | T_LNUMBER { $$ = new php::OfsetPodNavodnikom($1, @1); release($1); }
    ;

Promenljiva
    : OsnovnaPromenljiva AtributiVarijable { $$ = new php::Promenljiva($1, $2); }
    | FunkcijskiPoziv AtributiVarijable { $$ = new php::Promenljiva($1, $2); }
    ;

AtributiVarijable
    : AtributiVarijable AtributVarijable { $$ = new php::AtributiVarijable($1, $2); }
    | %empty { $$ = nullptr; }
    ;

AtributVarijable
    : T_OBJECT_OPERATOR AtributObjekta OpcFunkcijskiPoziv {
          $$ = new php::AtributVarijable($1, @1, $2, $3);
          release($1);
      }
    ;

OpcFunkcijskiPoziv
    : ArgumentiFunkcije { $$ = new php::OpcFunkcijskiPoziv($1); }
    | %empty { $$ = nullptr; }
    ;

ArgumentiFunkcije
    : T_LPAREN OpcListaParametaraPoziva T_RPAREN {
          $$ = new php::ArgumentiFunkcije($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

OpcListaParametaraPoziva
    : ListaParametaraPoziva { $$ = new php::OpcListaParametaraPoziva($1); }
    | %empty { $$ = nullptr; }
    ;

ListaParametaraPoziva
    : ParametarPoziva { $$ = new php::ListaParametaraPoziva($1); }
    | ListaParametaraPoziva T_COMMA ParametarPoziva {
          $$ = new php::ListaParametaraPoziva($1, $2, @2, $3);
          release($2);
      }
    ;

ParametarPoziva
    : Izraz { $$ = new php::ParametarPoziva($1); }
    | Referenca { $$ = new php::ParametarPoziva($1); }
    ;

Referenca
    : T_AMPERSAND Promenljiva { $$ = new php::Referenca($1, @1, $2); release($1); }
    | T_AMPERSAND Konstanta { $$ = mistake(@2, fileName, kMissingDollar); release($1); delete $2; }
    ;

AtributObjekta
    : IndeksniPristup { $$ = new php::AtributObjekta($1); }
    | NeobjektnaPromenljiva { $$ = new php::AtributObjekta($1); }
    ;

IndeksniPristup
    : IndeksniPristup T_LBRACKET Ofset T_RBRACKET {
          $$ = new php::IndeksniPristup($1, $2, @2, $3, $4, @4);
          release($2, $4);
      }
    | IndeksniPristup T_LBRACE Izraz T_RBRACE {
          $$ = new php::IndeksniPristup($1, $2, @2, $3, $4, @4);
          release($2, $4);
      }
    | ImePromenljive { $$ = new php::IndeksniPristup($1); }
    ;

ImePromenljive
    : Identifikator { $$ = new php::ImePromenljive($1); }
    | T_LBRACE Izraz T_RBRACE {
          $$ = new php::ImePromenljive($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

Ofset
    : Izraz { $$ = new php::Ofset($1); }
    | %empty { $$ = nullptr; }
    ;

NeobjektnaPromenljiva
    : ListaDolara IndeksniPristup { $$ = new php::NeobjektnaPromenljiva($1, $2); }
    ;

ListaDolara
    : ListaDolara T_DOLLAR { $$ = new php::ListaDolara($1, $2, @2); release($2); }
    | T_DOLLAR { $$ = new php::ListaDolara($1, @1); release($1); }
    ;

OsnovnaPromenljiva
    : NeobjektnaPromenljiva { $$ = $1; }  // every parent adopts it at once: no wrapper
    | StatickiClan { $$ = $1; }
    ;

StatickiClan
    : FqImeKlase T_DOUBLE_COLON NeobjektnaPromenljiva {
          $$ = new php::StatickiClan($1, $2, @2, $3);
          release($2);
      }
    ;

FqImeKlase
    : T_STRING { $$ = new php::FqImeKlase($1, @1); release($1); }
    ;

ImeKlase
    : Identifikator { $$ = new php::ImeKlase($1); }
    | DinamickoImeKlase { $$ = new php::ImeKlase($1); }
    ;

DinamickoImeKlase
    : OsnovnaPromenljiva AtributiImenaKlase { $$ = new php::DinamickoImeKlase($1, $2); }
    ;

AtributiImenaKlase
    : AtributiImenaKlase T_OBJECT_OPERATOR AtributObjekta {
          $$ = new php::AtributiImenaKlase($1, $2, @2, $3);
          release($2);
      }
    | %empty { $$ = nullptr; }
    ;

FunkcijskiPoziv
    : PozivKlasicneFunkcije { $$ = new php::FunkcijskiPoziv($1); }
    | PozivStatickogMetoda { $$ = new php::FunkcijskiPoziv($1); }
    | PozivPointera { $$ = new php::FunkcijskiPoziv($1); }
    ;

PozivKlasicneFunkcije
    : T_STRING ArgumentiFunkcije {
          $$ = new php::PozivKlasicneFunkcije($1, @1, $2);
          release($1);
      }
    ;

PozivStatickogMetoda
    : FqImeKlase T_DOUBLE_COLON Identifikator ArgumentiFunkcije {
          $$ = new php::PozivStatickogMetoda($1, $2, @2, $3, $4);
          release($2);
      }
    ;

PozivPointera
    : OsnovnaPromenljiva ArgumentiFunkcije { $$ = new php::PozivPointera($1, $2); }
    ;

DefinicijaNiza
    : T_ARRAY T_LPAREN ListaClanovaNiza opcZarezNiza T_RPAREN {
          $$ = new php::DefinicijaNiza($1, @1, $2, @2, $3, $4, $5, @5);
          release($1, $2, $5);
      }
    | T_ARRAY T_LPAREN T_RPAREN {
          $$ = new php::DefinicijaNiza($1, @1, $2, @2, $3, @3);
          release($1, $2, $3);
      }
    ;

ListaClanovaNiza
    : ListaClanovaNiza T_COMMA ClanNiza {
          $$ = new php::ListaClanovaNiza($1, $2, @2, $3);
          release($2);
      }
    | ClanNiza { $$ = new php::ListaClanovaNiza($1); }
    ;

ClanNiza
    : IzrazIliReferenca { $$ = new php::ClanNiza($1); }
    | Izraz T_DOUBLE_ARROW IzrazIliReferenca {
          $$ = new php::ClanNiza($1, $2, @2, $3);
          release($2);
      }
    ;

IzrazIliReferenca
    : Izraz { $$ = new php::IzrazIliReferenca($1); }
    | Referenca { $$ = new php::IzrazIliReferenca($1); }
    ;

opcZarezNiza
    : T_COMMA { release($1); $$ = nullptr; }
    | %empty { $$ = nullptr; }
    ;

BackqString
    : T_BACKQUOTE ZnaciPodNavodnikom T_BACKQUOTE {
          $$ = new php::BackqString($1, @1, $2, $3, @3);
          release($1, $3);
      }
    ;

GlobalKomanda
    : T_GLOBAL ListaPromenljivih krajNaredbe {
          $$ = new php::GlobalKomanda($1, @1, $2, $3);
          release($1);
      }
    ;

StaticKomanda
    : T_STATIC StaticLista krajNaredbe {
          $$ = new php::StaticKomanda($1, @1, $2, $3);
          release($1);
      }
    ;

StaticLista
    : StaticLista T_COMMA StaticDeklarator {
          $$ = new php::StaticLista($1, $2, @2, $3);
          release($2);
      }
    | StaticDeklarator { $$ = new php::StaticLista($1); }
    ;

StaticDeklarator
    : Varijabla T_ASSIGN StatickiSkalar {
          $$ = new php::StaticDeklarator($1, $2, @2, $3);
          release($2);
      }
    | Varijabla { $$ = new php::StaticDeklarator($1); }
    | Konstanta { $$ = mistake(@1, fileName, kMissingDollar); delete $1; }
    ;

StatickiSkalar
    : ObicanSkalar { $$ = new php::StatickiSkalar($1); }
    | Konstanta { $$ = new php::StatickiSkalar($1); }
    | T_PLUS StatickiSkalar { $$ = new php::StatickiSkalar($1, @1, $2); release($1); }
    | T_MINUS StatickiSkalar { $$ = new php::StatickiSkalar($1, @1, $2); release($1); }
    | StatickiNiz { $$ = new php::StatickiSkalar($1); }
    | KlasnaKonstanta { $$ = new php::StatickiSkalar($1); }
    ;

StatickiNiz
    : T_ARRAY T_LPAREN ListaClanovaStatickogNiza opcZarezNiza T_RPAREN {
          $$ = new php::StatickiNiz($1, @1, $2, @2, $3, $4, $5, @5);
          release($1, $2, $5);
      }
    | T_ARRAY T_LPAREN T_RPAREN {
          $$ = new php::StatickiNiz($1, @1, $2, @2, $3, @3);
          release($1, $2, $3);
      }
    ;

ListaClanovaStatickogNiza
    : ListaClanovaStatickogNiza T_COMMA ClanStatickogNiza {
          $$ = new php::ListaClanovaStatickogNiza($1, $2, @2, $3);
          release($2);
      }
    | ClanStatickogNiza { $$ = new php::ListaClanovaStatickogNiza($1); }
    ;

ClanStatickogNiza
    : StatickiSkalar { $$ = new php::ClanStatickogNiza($1); }
    | StatickiSkalar T_DOUBLE_ARROW StatickiSkalar {
          $$ = new php::ClanStatickogNiza($1, $2, @2, $3);
          release($2);
      }
    ;

EchoKomanda
    : T_ECHO ListaIzraza krajNaredbe {
          $$ = new php::EchoKomanda($1, @1, $2, $3);
          release($1);
      }
    ;

UseKomanda
    : T_USE { $$ = new php::UseKomanda($1, @1); release($1); }
    ;

UnsetKomanda
    : T_UNSET T_LPAREN ListaPromenljivih T_RPAREN krajNaredbe {
          $$ = new php::UnsetKomanda($1, @1, $2, @2, $3, $4, @4, $5);
          release($1, $2, $4);
      }
    ;

ForeachKomanda
    : T_FOREACH ForeachDefinitor ForeachNaredba {
          $$ = new php::ForeachKomanda($1, @1, $2, $3);
          release($1);
      }
    ;

ForeachDefinitor
    : T_LPAREN Promenljiva T_AS ReferencaIliPromenljiva OpcionoZaKljuc T_RPAREN {
          $$ = new php::ForeachDefinitor($1, @1, $2, $3, @3, $4, $5, $6, @6);
          release($1, $3, $6);
      }
    | T_LPAREN IzrazBezPromenljive T_AS Promenljiva OpcionoZaKljuc T_RPAREN {
          $$ = new php::ForeachDefinitor($1, @1, $2, $3, @3, $4, $5, $6, @6);
          release($1, $3, $6);
      }
    ;

ReferencaIliPromenljiva
    : Promenljiva { $$ = new php::ReferencaIliPromenljiva($1); }
    | Referenca { $$ = new php::ReferencaIliPromenljiva($1); }
    | Konstanta { $$ = mistake(@1, fileName, kMissingDollar); delete $1; }
    ;

OpcionoZaKljuc
    : T_DOUBLE_ARROW ReferencaIliPromenljiva {
          $$ = new php::OpcionoZaKljuc($1, @1, $2);
          release($1);
      }
    | %empty { $$ = nullptr; }
    ;

ForeachNaredba
    : Komanda { $$ = new php::ForeachNaredba($1); }
    | RuznaListaNaredbi T_ENDFOREACH krajNaredbe {
          $$ = new php::ForeachNaredba($1, $2, @2, $3);
          release($2);
      }
    ;

DeclareKomanda
    : T_DECLARE T_LPAREN ListaDeklaracija T_RPAREN DeclareNaredba {
          $$ = new php::DeclareKomanda($1, @1, $2, @2, $3, $4, @4, $5);
          release($1, $2, $4);
      }
    ;

ListaDeklaracija
    : ListaDeklaracija T_COMMA Deklarator {
          $$ = new php::ListaDeklaracija($1, $2, @2, $3);
          release($2);
      }
    | Deklarator { $$ = new php::ListaDeklaracija($1); }
    ;

Deklarator
    : Identifikator T_ASSIGN StatickiSkalar {
          ParserBase* name = constantNamed($1);
          $$ = name ? new php::Deklarator(name, $2, @2, $3) : nullptr;
          if (!name) delete $3;
          release($2);
      }
    | Promenljiva T_ASSIGN StatickiSkalar {
          // A variable cannot name a directive: nothing to keep.
          delete $1;
          release($2);
          delete $3;
          $$ = nullptr;
      }
    ;

DeclareNaredba
    : Komanda { $$ = new php::DeclareNaredba($1); }
    | RuznaListaNaredbi T_ENDDECLARE krajNaredbe {
          $$ = new php::DeclareNaredba($1, $2, @2, $3);
          release($2);
      }
    ;

praznaNaredba
    : T_SEMICOLON { release($1); $$ = nullptr; }
    ;

TryKomanda
    : T_TRY T_LBRACE ListaNaredbi T_RBRACE ListaCatchova {
          $$ = new php::TryKomanda($1, @1, $2, @2, $3, $4, @4, $5);
          release($1, $2, $4);
      }
    ;

ListaCatchova
    : ListaCatchova Catch { $$ = new php::ListaCatchova($1, $2); }
    | Catch { $$ = new php::ListaCatchova($1); }
    ;

Catch
    : T_CATCH T_LPAREN FqImeKlase Varijabla T_RPAREN T_LBRACE ListaNaredbi T_RBRACE {
          $$ = new php::Catch($1, @1, $2, @2, $3, $4, $5, @5, $6, @6, $7, $8, @8);
          release($1, $2, $5, $6, $8);
      }
    ;

ThrowKomanda
    : T_THROW Izraz krajNaredbe {
          $$ = new php::ThrowKomanda($1, @1, $2, $3);
          release($1);
      }
    ;

DeklaracijaFunkcije
    : GlavaFunkcije BlokKomanda { $$ = new php::DeklaracijaFunkcije($1, $2); }
    ;

GlavaFunkcije
    : T_FUNCTION OpcReferenca Identifikator T_LPAREN DeklaracijaParametara T_RPAREN {
          $$ = new php::GlavaFunkcije($1, @1, $2, $3, $4, @4, $5, $6, @6);
          release($1, $4, $6);
      }
    ;

OpcReferenca
    : T_AMPERSAND { $$ = new php::OpcReferenca($1, @1); release($1); }
    | %empty { $$ = nullptr; }
    ;

DeklaracijaParametara
    : ListaDeklaracijaParametara { $$ = new php::DeklaracijaParametara($1); }
    | %empty { $$ = nullptr; }
    ;

ListaDeklaracijaParametara
    : ListaDeklaracijaParametara T_COMMA DeklaracijaParametra {
          $$ = new php::ListaDeklaracijaParametara($1, $2, @2, $3);
          release($2);
      }
    | DeklaracijaParametra { $$ = new php::ListaDeklaracijaParametara($1); }
    ;

DeklaracijaParametra
    : OpcTipParametra OpcReferenca Varijabla OpcDefaultVrednost {
          $$ = new php::DeklaracijaParametra($1, $2, $3, $4);
      }
    ;

OpcTipParametra
    : TipParametra { $$ = new php::OpcTipParametra($1); }
    | %empty { $$ = nullptr; }
    ;

TipParametra
    : Identifikator { $$ = new php::TipParametra($1); }
    ;

OpcDefaultVrednost
    : T_ASSIGN StatickiSkalar { $$ = new php::OpcDefaultVrednost($1, @1, $2); release($1); }
    | %empty { $$ = nullptr; }
    ;

DeklaracijaKlase
    : OpcDirektivaZaNasledjivanje T_CLASS Identifikator Nasledjivanje ListaImplementacija
      T_LBRACE DefinicijeUKlasi T_RBRACE {
          $$ = new php::DeklaracijaKlase($1, $2, @2, $3, $4, $5, $6, @6, $7, $8, @8);
          release($2, $6, $8);
      }
    ;

OpcDirektivaZaNasledjivanje
    : T_ABSTRACT { $$ = new php::OpcDirektivaZaNasledjivanje($1, @1); release($1); }
    | T_FINAL { $$ = new php::OpcDirektivaZaNasledjivanje($1, @1); release($1); }
    | %empty { $$ = nullptr; }
    ;

Nasledjivanje
    : T_EXTENDS FqImeKlase { $$ = new php::Nasledjivanje($1, @1, $2); release($1); }
    | %empty { $$ = nullptr; }
    ;

ListaImplementacija
    : T_IMPLEMENTS ListaKlasa { $$ = new php::ListaImplementacija($1, @1, $2); release($1); }
    | %empty { $$ = nullptr; }
    ;

ListaKlasa
    : ListaKlasa T_COMMA FqImeKlase {
          $$ = new php::ListaKlasa($1, $2, @2, $3);
          release($2);
      }
    | FqImeKlase { $$ = new php::ListaKlasa($1); }
    | ListaKlasa FqImeKlase {
          // A name that follows without a comma loses the whole list.
          delete $1;
          delete $2;
          $$ = nullptr;
      }
    ;

DefinicijeUKlasi
    : DefinicijeUKlasi DefinicijaUKlasi { $$ = new php::DefinicijeUKlasi($1, $2); }
    | %empty { $$ = nullptr; }
    ;

DefinicijaUKlasi
    : DeklaracijaAtributa { $$ = new php::DefinicijaUKlasi($1); }
    | DefinicijaKonstantiUKlasi { $$ = new php::DefinicijaUKlasi($1); }
    | DefinicijaMetoda { $$ = new php::DefinicijaUKlasi($1); }
    ;

/* Modifiers in any order; the nodes get them as if written access word,
   "static", then "abstract"/"final" (which a property or an interface method
   does not keep). */
DeklaracijaAtributa
    : Modifikatori ListaDeklaracijaAtributaKlase krajNaredbe {
          $$ = new php::DeklaracijaAtributa(std::exchange($1->access, nullptr),
                                            std::exchange($1->staticMarker, nullptr), $2, $3);
          delete $1;
      }
    | ListaDeklaracijaAtributaKlase krajNaredbe {
          $$ = new php::DeklaracijaAtributa(nullptr, nullptr, $1, $2);
      }
    | T_VAR LinkAtributa ListaDeklaracijaAtributaKlase krajNaredbe {
          $$ = new php::DeklaracijaAtributa($1, @1, $2, $3, $4);
          release($1);
      }
    ;

Modifikatori
    : Modifikator { $$ = new php::Modifiers; $$->add($1); }
    | Modifikatori Modifikator { $$ = $1; $$->add($2); }
    ;

Modifikator
    : T_PUBLIC { $$ = new php::PristupAtributu($1, @1); release($1); }
    | T_PRIVATE { $$ = new php::PristupAtributu($1, @1); release($1); }
    | T_PROTECTED { $$ = new php::PristupAtributu($1, @1); release($1); }
    | T_STATIC { $$ = new php::LinkAtributa($1, @1); release($1); }
    | T_ABSTRACT { $$ = new php::ImplMetoda($1, @1); release($1); }
    | T_FINAL { $$ = new php::ImplMetoda($1, @1); release($1); }
    ;

LinkAtributa
    : T_STATIC { $$ = new php::LinkAtributa($1, @1); release($1); }
    | %empty { $$ = nullptr; }
    ;

ListaDeklaracijaAtributaKlase
    : ListaDeklaracijaAtributaKlase T_COMMA DeklaracijaAtributaKlase {
          $$ = new php::ListaDeklaracijaAtributaKlase($1, $2, @2, $3);
          release($2);
      }
    | DeklaracijaAtributaKlase { $$ = new php::ListaDeklaracijaAtributaKlase($1); }
    | ListaDeklaracijaAtributaKlase DeklaracijaAtributaKlase {
          // A property that follows without a comma loses the whole list.
          delete $1;
          delete $2;
          $$ = nullptr;
      }
    ;

DeklaracijaAtributaKlase
    : Varijabla OpcDefaultVrednost { $$ = new php::DeklaracijaAtributaKlase($1, $2); }
    ;

DefinicijaKonstantiUKlasi
    : T_CONST ListaDefKonstanti krajNaredbe {
          $$ = new php::DefinicijaKonstantiUKlasi($1, @1, $2, $3);
          release($1);
      }
    ;

ListaDefKonstanti
    : ListaDefKonstanti T_COMMA DefKonstante {
          $$ = new php::ListaDefKonstanti($1, $2, @2, $3);
          release($2);
      }
    | DefKonstante { $$ = new php::ListaDefKonstanti($1); }
    ;

DefKonstante
    : Deklarator { $$ = new php::DefKonstante($1); }
    ;

DefinicijaMetoda
    : Modifikatori GlavaFunkcije TeloMetoda {
          $$ = new php::DefinicijaMetoda(std::exchange($1->access, nullptr),
                                         std::exchange($1->staticMarker, nullptr),
                                         std::exchange($1->implementation, nullptr), $2, $3);
          delete $1;
      }
    | GlavaFunkcije TeloMetoda {
          $$ = new php::DefinicijaMetoda(nullptr, nullptr, nullptr, $1, $2);
      }
    ;

TeloMetoda
    : BlokKomanda { $$ = new php::TeloMetoda($1); }
    | krajNaredbe { $$ = new php::TeloMetoda($1); }
    ;

DeklaracijaInterfejsa
    : T_INTERFACE Identifikator Prosirivanje T_LBRACE ListaDeklaracijaMetoda T_RBRACE {
          $$ = new php::DeklaracijaInterfejsa($1, @1, $2, $3, $4, @4, $5, $6, @6);
          release($1, $4, $6);
      }
    ;

Prosirivanje
    : T_EXTENDS ListaKlasa { $$ = new php::Prosirivanje($1, @1, $2); release($1); }
    | %empty { $$ = nullptr; }
    ;

/* An interface body: method declarations and class constants. */
ListaDeklaracijaMetoda
    : ListaDeklaracijaMetoda DeklaracijaMetoda { $$ = new php::ListaDeklaracijaMetoda($1, $2); }
    | ListaDeklaracijaMetoda DefinicijaKonstantiUKlasi {
          $$ = new php::ListaDeklaracijaMetoda($1, $2);
      }
    | %empty { $$ = new php::ListaDeklaracijaMetoda(); }
    ;

DeklaracijaMetoda
    : Modifikatori GlavaFunkcije krajNaredbe {
          $$ = new php::DeklaracijaMetoda(std::exchange($1->access, nullptr),
                                          std::exchange($1->staticMarker, nullptr), $2, $3);
          delete $1;
      }
    | GlavaFunkcije krajNaredbe { $$ = new php::DeklaracijaMetoda(nullptr, nullptr, $1, $2); }
    ;

Varijabla
    : T_DOLLAR Identifikator { $$ = new php::Varijabla($1, @1, $2); release($1); }
    | T_VARIABLE { $$ = new php::Varijabla($1, @1); release($1); }
    ;

Konstanta
    : T_STRING { $$ = new php::Konstanta($1, @1); release($1); }
    ;

/* Keywords are names after "$", "->", "::", "function", "class" and
   "interface"; only "__halt_compiler" is not. */
Identifikator
    : T_STRING { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ABSTRACT { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ARRAY { $$ = new php::Identifikator($1, @1); release($1); }
    | T_AS { $$ = new php::Identifikator($1, @1); release($1); }
    | T_BREAK { $$ = new php::Identifikator($1, @1); release($1); }
    | T_CASE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_CATCH { $$ = new php::Identifikator($1, @1); release($1); }
    | T_CLASS { $$ = new php::Identifikator($1, @1); release($1); }
    | T_CLONE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_CONST { $$ = new php::Identifikator($1, @1); release($1); }
    | T_CONTINUE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_DECLARE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_DEFAULT { $$ = new php::Identifikator($1, @1); release($1); }
    | T_DO { $$ = new php::Identifikator($1, @1); release($1); }
    | T_CLASS_C { $$ = new php::Identifikator($1, @1); release($1); }
    | T_FILE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_FUNC_C { $$ = new php::Identifikator($1, @1); release($1); }
    | T_LINE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_METHOD_C { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ECHO { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ELSE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ELSEIF { $$ = new php::Identifikator($1, @1); release($1); }
    | T_EMPTY { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ENDDECLARE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ENDFOR { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ENDFOREACH { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ENDIF { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ENDSWITCH { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ENDWHILE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_EVAL { $$ = new php::Identifikator($1, @1); release($1); }
    | T_EXTENDS { $$ = new php::Identifikator($1, @1); release($1); }
    | T_FINAL { $$ = new php::Identifikator($1, @1); release($1); }
    | T_FOR { $$ = new php::Identifikator($1, @1); release($1); }
    | T_FOREACH { $$ = new php::Identifikator($1, @1); release($1); }
    | T_FUNCTION { $$ = new php::Identifikator($1, @1); release($1); }
    | T_GLOBAL { $$ = new php::Identifikator($1, @1); release($1); }
    | T_IF { $$ = new php::Identifikator($1, @1); release($1); }
    | T_IMPLEMENTS { $$ = new php::Identifikator($1, @1); release($1); }
    | T_INCLUDE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_INCLUDE_ONCE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_INSTANCEOF { $$ = new php::Identifikator($1, @1); release($1); }
    | T_INTERFACE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_ISSET { $$ = new php::Identifikator($1, @1); release($1); }
    | T_LIST { $$ = new php::Identifikator($1, @1); release($1); }
    | T_LOGICAL_AND { $$ = new php::Identifikator($1, @1); release($1); }
    | T_BINARY { $$ = new php::Identifikator($1, @1); release($1); }
    | T_BOOL { $$ = new php::Identifikator($1, @1); release($1); }
    | T_BOOLEAN { $$ = new php::Identifikator($1, @1); release($1); }
    | T_DOUBLE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_EXIT { $$ = new php::Identifikator($1, @1); release($1); }
    | T_FLOAT { $$ = new php::Identifikator($1, @1); release($1); }
    | T_INT { $$ = new php::Identifikator($1, @1); release($1); }
    | T_INTEGER { $$ = new php::Identifikator($1, @1); release($1); }
    | T_OBJECT { $$ = new php::Identifikator($1, @1); release($1); }
    | T_LOGICAL_OR { $$ = new php::Identifikator($1, @1); release($1); }
    | T_REAL { $$ = new php::Identifikator($1, @1); release($1); }
    | T_STRING_KEYWORD { $$ = new php::Identifikator($1, @1); release($1); }
    | T_LOGICAL_XOR { $$ = new php::Identifikator($1, @1); release($1); }
    | T_NEW { $$ = new php::Identifikator($1, @1); release($1); }
    | T_PRINT { $$ = new php::Identifikator($1, @1); release($1); }
    | T_PRIVATE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_PROTECTED { $$ = new php::Identifikator($1, @1); release($1); }
    | T_PUBLIC { $$ = new php::Identifikator($1, @1); release($1); }
    | T_REQUIRE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_REQUIRE_ONCE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_RETURN { $$ = new php::Identifikator($1, @1); release($1); }
    | T_STATIC { $$ = new php::Identifikator($1, @1); release($1); }
    | T_SWITCH { $$ = new php::Identifikator($1, @1); release($1); }
    | T_THROW { $$ = new php::Identifikator($1, @1); release($1); }
    | T_TRY { $$ = new php::Identifikator($1, @1); release($1); }
    | T_UNSET { $$ = new php::Identifikator($1, @1); release($1); }
    | T_USE { $$ = new php::Identifikator($1, @1); release($1); }
    | T_VAR { $$ = new php::Identifikator($1, @1); release($1); }
    | T_WHILE { $$ = new php::Identifikator($1, @1); release($1); }
    | error { $$ = mistake(@1, fileName, "Expected identifier"); }
    ;

%%

static int yylex(YYSTYPE* lval, YYLTYPE* llocp, const std::string& fileName) {
    int token = php::nextToken(&lval->text, llocp, fileName);
    // 256 is the parser's own `error` code; any other foreign number is
    // just an unknown terminal.
    return token == 256 ? 257 : token;
}

static void yyerror(const YYLTYPE* llocp, const std::string& fileName, const char* message) {
    php::reportSyntaxError(*llocp, fileName, message);
}

