#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "scan_helper.h"

using namespace php::tok;
using scantest::codeTokens;
using scantest::scan;
using Pairs = std::vector<std::pair<int, std::string>>;

namespace {

Pairs pairs(const scantest::Scan& s) {
    Pairs out;
    for (const auto& t : s.tokens) out.emplace_back(t.token, t.text);
    return out;
}

int countNewlines(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

}  // namespace

TEST(Scanner, OpeningAndClosingTags) {
    EXPECT_EQ(pairs(scan("a<?PHP x ?>\nb")),
              (Pairs{{T_INLINE_HTML, "a"}, {T_STRING, "x"}, {T_SEMICOLON, ";"}, {T_INLINE_HTML, "\nb"}}));
    // "<?", "<?=" and "<<?php" stay text; a run of "<" is a chunk of its own.
    EXPECT_EQ(pairs(scan("<? x <?= y <<?php z")),
              (Pairs{{T_INLINE_HTML, "<"}, {T_INLINE_HTML, "? x "}, {T_INLINE_HTML, "<"},
                     {T_INLINE_HTML, "?= y <<?php z"}}));
    EXPECT_EQ(pairs(scan("<SCRIPT type=x language='php'>f</script>t")),
              (Pairs{{T_STRING, "f"}, {T_SEMICOLON, ";"}, {T_INLINE_HTML, "t"}}));
    // "<S" must not be swallowed by the text rule whatever its case.
    EXPECT_EQ(pairs(scan("x<Script language=php>f")), (Pairs{{T_INLINE_HTML, "x"}, {T_STRING, "f"}}));
}

TEST(Scanner, ScriptTagSearchesItsWholeLine) {
    // The attribute may follow any text on the line, including other "<script".
    std::string line;
    for (int i = 0; i < 2000; ++i) line += "<script ";
    EXPECT_EQ(pairs(scan(line + "language=php>x")), (Pairs{{T_STRING, "x"}}));
    // Two failures on one line; the blanks of the second reach the next line,
    // where the attribute follows, and a "<script" on a later line is tried again.
    EXPECT_EQ(pairs(scan("<script a <script\nb language=php>x ?>")), (Pairs{{T_INLINE_HTML, "<"},
                                                                       {T_INLINE_HTML, "script a "},
                                                                       {T_STRING, "x"},
                                                                       {T_SEMICOLON, ";"}}));
    EXPECT_EQ(pairs(scan("<script a <script b\n<script language=php>y")),
              (Pairs{{T_INLINE_HTML, "<"}, {T_INLINE_HTML, "script a "}, {T_INLINE_HTML, "<"},
                     {T_INLINE_HTML, "script b\n"}, {T_STRING, "y"}}));
}

TEST(Scanner, CommentsDoNotEndCode) {
    auto s = scan("<?php // ?> a\n# ?> b\n/* ?> \n **/ c ?>d");
    EXPECT_EQ(pairs(s), (Pairs{{T_STRING, "c"}, {T_SEMICOLON, ";"}, {T_INLINE_HTML, "d"}}));
    EXPECT_EQ(4, s.tokens[0].line);
}

TEST(Scanner, Numbers) {
    EXPECT_EQ(pairs(scan("<?php 1. .5e+3 1e5 089 0x 0x1F 017 2.5E-3")),
              (Pairs{{T_DNUMBER, "1."}, {T_DNUMBER, ".5e+3"}, {T_DNUMBER, "1e5"},
                     {T_LNUMBER, "0"}, {T_LNUMBER, "89"}, {T_LNUMBER, "0"}, {T_STRING, "x"},
                     {T_LNUMBER, "0x1F"}, {T_LNUMBER, "017"}, {T_DNUMBER, "2.5E-3"}}));
    // An exponent needs digits; a hexadecimal "e" is a digit, not an exponent.
    EXPECT_EQ(pairs(scan("<?php 1.e3 1E-10 100.5e2 0x1e5 1e 7E+")),
              (Pairs{{T_DNUMBER, "1.e3"}, {T_DNUMBER, "1E-10"}, {T_DNUMBER, "100.5e2"},
                     {T_LNUMBER, "0x1e5"}, {T_LNUMBER, "1"}, {T_STRING, "e"}, {T_LNUMBER, "7"},
                     {T_STRING, "E"}, {T_PLUS, "+"}}));
}

TEST(Scanner, KeywordsIgnoreCaseAndVariablesAreDollarPlusName) {
    EXPECT_EQ(codeTokens("CLASS Class class classx $$a (int) die __HALT_COMPILER string"),
              (std::vector<int>{T_CLASS, T_CLASS, T_CLASS, T_STRING, T_DOLLAR, T_DOLLAR, T_STRING, T_LPAREN,
                                T_INT, T_RPAREN, T_STRING, T_HALT_COMPILER, T_STRING_KEYWORD}));
    EXPECT_EQ(codeTokens(">>= <<= <> !== === -> => :: <<<\nEOT"),
              (std::vector<int>{T_SR_EQUAL, T_SL_EQUAL, T_IS_NOT_EQUAL, T_IS_NOT_IDENTICAL, T_IS_IDENTICAL,
                                T_OBJECT_OPERATOR, T_DOUBLE_ARROW, T_DOUBLE_COLON, T_SL, T_SMALLER, T_STRING}));
}

TEST(Scanner, QuotedLiteralsAndThePrefixB) {
    EXPECT_EQ(pairs(scan("<?php b'x' B\"y\" 'a\\'b\nc' b\"$v\"")),
              (Pairs{{T_SINGLE_QUOTED_STRING, "b'x'"}, {T_CONSTANT_ENCAPSED_STRING, "B\"y\""},
                     {T_SINGLE_QUOTED_STRING, "'a\\'b\nc'"}, {T_DOUBLE_QUOTE, "b\""}, {T_VARIABLE, "$v"},
                     {T_DOUBLE_QUOTE, "\""}}));
    // A literal spanning lines is located on its last line.
    EXPECT_EQ(2, scan("<?php 'a\nb'").tokens[0].line);
}

TEST(Scanner, ConstantVersusInterpolatedDoubleQuotes) {
    EXPECT_EQ(codeTokens("\"a\\$b\" \"$1\" \"$$a\" \"a$$\" \"x$ y\""),
              (std::vector<int>(5, T_CONSTANT_ENCAPSED_STRING)));
    EXPECT_EQ(codeTokens("\"$a\""), (std::vector<int>{T_DOUBLE_QUOTE, T_VARIABLE, T_DOUBLE_QUOTE}));
    // A "$" right before the closing quote must not take the quote with it.
    EXPECT_EQ(pairs(scan("<?php \"SCREEN$\", \"SGN\"")),
              (Pairs{{T_DOUBLE_QUOTE, "\""}, {T_ENCAPSED_AND_WHITESPACE, "SCREEN"}, {T_ENCAPSED_AND_WHITESPACE, "$"},
                     {T_DOUBLE_QUOTE, "\""}, {T_COMMA, ","}, {T_CONSTANT_ENCAPSED_STRING, "\"SGN\""}}));
    // Nor may a "$" split an escape, nor "$$" run past the closing quote.
    EXPECT_EQ(pairs(scan("<?php \"a$\\\"b\"; \"a$$\" . \"c\"")),
              (Pairs{{T_CONSTANT_ENCAPSED_STRING, "\"a$\\\"b\""}, {T_SEMICOLON, ";"},
                     {T_CONSTANT_ENCAPSED_STRING, "\"a$$\""}, {T_DOT, "."}, {T_CONSTANT_ENCAPSED_STRING, "\"c\""}}));
}

TEST(Scanner, UnclosedSingleQuoteLeavesLaterQuotesUnclosed) {
    // The first quote finds no end, so the escaped one after it cannot either.
    EXPECT_EQ(pairs(scan("<?php x 'a\\' f(1)")),
              (Pairs{{T_STRING, "x"}, {T_STRING, "a"}, {T_STRING, "f"}, {T_LPAREN, "("}, {T_LNUMBER, "1"},
                     {T_RPAREN, ")"}}));
    // That knowledge ends with the input.
    EXPECT_EQ(pairs(scan("<?php 'q'")), (Pairs{{T_SINGLE_QUOTED_STRING, "'q'"}}));
}

TEST(Scanner, WorkedSequences) {
    EXPECT_EQ(pairs(scan("<?php echo \"a$b[1]c\"; ?>\n")),
              (Pairs{{T_ECHO, "echo"}, {T_DOUBLE_QUOTE, "\""}, {T_ENCAPSED_AND_WHITESPACE, "a"}, {T_VARIABLE, "$b"},
                     {T_LBRACKET, "["}, {T_LNUMBER, "1"}, {T_RBRACKET, "]"}, {T_ENCAPSED_AND_WHITESPACE, "c"},
                     {T_DOUBLE_QUOTE, "\""}, {T_SEMICOLON, ";"}, {T_SEMICOLON, ";"}, {T_INLINE_HTML, "\n"}}));
    EXPECT_EQ(pairs(scan("<?php \"x $o->p y\"")),
              (Pairs{{T_DOUBLE_QUOTE, "\""}, {T_ENCAPSED_AND_WHITESPACE, "x "}, {T_VARIABLE, "$o"},
                     {T_OBJECT_OPERATOR, "->"}, {T_STRING, "p"}, {T_ENCAPSED_AND_WHITESPACE, " y"},
                     {T_DOUBLE_QUOTE, "\""}}));
}

TEST(Scanner, StringIndexAndPropertyStates) {
    auto s = scan("<?php \"$a[x]$a[$i]$a[ ]$a->b->c$a->\"");
    EXPECT_EQ(pairs(s),
              (Pairs{{T_DOUBLE_QUOTE, "\""}, {T_VARIABLE, "$a"}, {T_LBRACKET, "["}, {T_STRING, "x"},
                     {T_RBRACKET, "]"}, {T_VARIABLE, "$a"}, {T_LBRACKET, "["}, {T_VARIABLE, "$i"},
                     {T_RBRACKET, "]"}, {T_VARIABLE, "$a"}, {T_ENCAPSED_AND_WHITESPACE, "["},
                     {T_ENCAPSED_AND_WHITESPACE, " ]"}, {T_VARIABLE, "$a"}, {T_OBJECT_OPERATOR, "->"},
                     {T_STRING, "b"}, {T_ENCAPSED_AND_WHITESPACE, "->c"}, {T_VARIABLE, "$a"},
                     {T_ENCAPSED_AND_WHITESPACE, "->"}, {T_DOUBLE_QUOTE, "\""}}));
    EXPECT_EQ(s.diagnostics,
              (std::vector<std::string>{
                  "t.php(1): [PARSER] Syntax error for index within string (allowed only ID, variable or number)",
                  "t.php(1): [PARSER] Syntax error for property inside string (following '->')"}));
}

TEST(Scanner, InterpolationBracesReturnToTheString) {
    auto s = scan("<?php \"{$a[f(1)]}x${b}y\" }");
    EXPECT_EQ(pairs(s),
              (Pairs{{T_DOUBLE_QUOTE, "\""}, {T_LBRACE, "{"}, {T_DOLLAR, "$"}, {T_STRING, "a"}, {T_LBRACKET, "["},
                     {T_STRING, "f"}, {T_LPAREN, "("}, {T_LNUMBER, "1"}, {T_RPAREN, ")"}, {T_RBRACKET, "]"},
                     {T_RBRACE, "}"}, {T_ENCAPSED_AND_WHITESPACE, "x"}, {T_DOLLAR_OPEN_CURLY_BRACES, "${"},
                     {T_STRING, "b"}, {T_RBRACE, "}"}, {T_ENCAPSED_AND_WHITESPACE, "y"}, {T_DOUBLE_QUOTE, "\""}}));
    // The last "}" had no opener: reported, not passed on.
    EXPECT_EQ(s.diagnostics, (std::vector<std::string>{"t.php(1): [PARSER] One '}' too much"}));
    // "?>" left the interpolation without its brace; once the string is closed
    // that brace is an ordinary one and code goes on.
    EXPECT_EQ(pairs(scan("<?php \"{$a ?>\" } x")),
              (Pairs{{T_DOUBLE_QUOTE, "\""}, {T_LBRACE, "{"}, {T_DOLLAR, "$"}, {T_STRING, "a"}, {T_SEMICOLON, ";"},
                     {T_DOUBLE_QUOTE, "\""}, {T_RBRACE, "}"}, {T_STRING, "x"}}));
}

TEST(Scanner, HereDocuments) {
    auto s = scan("<?php <<<A\nx $v\nA;\n<<<B\nA\nB \n<<<C\nC\n\t$w");
    EXPECT_EQ(pairs(s), (Pairs{{T_START_HEREDOC, "<<<A"}, {T_ENCAPSED_AND_WHITESPACE, "\nx "}, {T_VARIABLE, "$v"},
                               {T_ENCAPSED_AND_WHITESPACE, "\n"}, {T_END_HEREDOC, "A"}, {T_SEMICOLON, ";"},
                               {T_START_HEREDOC, "<<<B"}, {T_ENCAPSED_AND_WHITESPACE, "\nA\n"},
                               {T_END_HEREDOC, "B"}, {T_START_HEREDOC, "<<<C"}, {T_ENCAPSED_AND_WHITESPACE, "\n"},
                               {T_END_HEREDOC, "C"}, {T_DOLLAR, "$"}, {T_STRING, "w"}}));
    // The text before a closing label is located on the label's line, and
    // lines after it are counted once.
    std::vector<int> lines;
    for (const auto& t : s.tokens) lines.push_back(t.line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 2, 3, 3, 3, 4, 6, 6, 7, 8, 8, 9, 9}));
}

TEST(Scanner, HereDocumentLabelAfterBlanks) {
    // The label is the name without the blanks: only "EOS" closes the first
    // document, and a label after a newline opens none.
    EXPECT_EQ(pairs(scan("<?php <<< EOS\n EOS\nEOS;\n<<<\t \tT\nx\nT;\n<<<\nU")),
              (Pairs{{T_START_HEREDOC, "<<< EOS"}, {T_ENCAPSED_AND_WHITESPACE, "\n EOS\n"},
                     {T_END_HEREDOC, "EOS"}, {T_SEMICOLON, ";"}, {T_START_HEREDOC, "<<<\t \tT"},
                     {T_ENCAPSED_AND_WHITESPACE, "\nx\n"}, {T_END_HEREDOC, "T"}, {T_SEMICOLON, ";"},
                     {T_SL, "<<"}, {T_SMALLER, "<"}, {T_STRING, "U"}}));
}

TEST(Scanner, HereDocumentTextAroundInterpolationsAndEscapes) {
    EXPECT_EQ(pairs(scan("<?php <<<A\nx\\\ny\n$v\n{A\nA\n\\")),
              (Pairs{{T_START_HEREDOC, "<<<A"}, {T_ENCAPSED_AND_WHITESPACE, "\nx\\\ny\n"}, {T_VARIABLE, "$v"},
                     {T_ENCAPSED_AND_WHITESPACE, "\n"}, {T_ENCAPSED_AND_WHITESPACE, "{"},
                     {T_ENCAPSED_AND_WHITESPACE, "A\n"}, {T_END_HEREDOC, "A"}}));
    // An escaped newline before the label still precedes it byte for byte.
    EXPECT_EQ(pairs(scan("<?php <<<A\nx\\\nA;")),
              (Pairs{{T_START_HEREDOC, "<<<A"}, {T_ENCAPSED_AND_WHITESPACE, "\nx\\\n"}, {T_END_HEREDOC, "A"},
                     {T_SEMICOLON, ";"}}));
}

TEST(Scanner, HereDocumentLabelMustEndTheLineExactly) {
    // "\r" after the label (a CRLF file) and a label in other case do not close it.
    EXPECT_EQ(pairs(scan("<?php <<<E\r\nx\r\nE\r\n$a")),
              (Pairs{{T_START_HEREDOC, "<<<E"}, {T_ENCAPSED_AND_WHITESPACE, "\r\nx\r\nE\r\n"}, {T_VARIABLE, "$a"}}));
    EXPECT_EQ(pairs(scan("<?php <<<eot\nEOT;\n")),
              (Pairs{{T_START_HEREDOC, "<<<eot"}, {T_ENCAPSED_AND_WHITESPACE, "\nEOT;\n"}}));
    // Only the first occurrence of the label in one text match is considered.
    EXPECT_EQ(pairs(scan("<?php <<<A\nA2\nA;\n")),
              (Pairs{{T_START_HEREDOC, "<<<A"}, {T_ENCAPSED_AND_WHITESPACE, "\nA2\nA;\n"}}));
}

TEST(Scanner, NestedHereDocumentReleasesTheOuterLabel) {
    auto s = scan("<?php <<<A\n{$x[<<<B\nb\nB\n]}\nA;\n");
    int ends = 0;
    for (const auto& t : s.tokens) ends += t.token == T_END_HEREDOC;
    EXPECT_EQ(1, ends);  // only B; A has no label left to end on
    EXPECT_EQ(s.tokens.back().token, T_ENCAPSED_AND_WHITESPACE);
    EXPECT_EQ(s.tokens.back().text, "\nA;\n");
}

TEST(Scanner, BracketBalance) {
    auto s = scan("<?php f(a));\n");
    EXPECT_EQ(codeTokens("f(a));"), (std::vector<int>{T_STRING, T_LPAREN, T_STRING, T_RPAREN, T_SEMICOLON}));
    EXPECT_EQ(s.diagnostics, (std::vector<std::string>{"t.php(1): [PARSER] One ')' too much"}));

    s = scan("<?php {\n[\n(\n{ ( [ ]\nif ($a) {\n\n", "/x/u.php");
    EXPECT_EQ(7, s.endLine);
    EXPECT_EQ(s.diagnostics,
              (std::vector<std::string>{
                  "/x/u.php(7): [PARSER] Missing '(' for brace opened at\n\t/x/u.php(3): Opening line",
                  "/x/u.php(7): [PARSER] Missing '(' for brace opened at\n\t/x/u.php(4): Opening line",
                  "/x/u.php(7): [PARSER] Missing '[' for brace opened at\n\t/x/u.php(2): Opening line",
                  "/x/u.php(7): [PARSER] Missing '{' for brace opened at\n\t/x/u.php(1): Opening line",
                  "/x/u.php(7): [PARSER] Missing '{' for brace opened at\n\t/x/u.php(4): Opening line",
                  "/x/u.php(7): [PARSER] Missing '{' for brace opened at\n\t/x/u.php(5): Opening line"}));
    // The stacks were emptied: the next file starts balanced.
    EXPECT_EQ(1u, scan("<?php ]").diagnostics.size());
    EXPECT_TRUE(scan("<?php ").diagnostics.empty());
}

TEST(Scanner, TokensLongerThanTheBuffer) {
    std::string big(100000, 'x');
    for (size_t i = 0; i < big.size(); i += 1000) big[i] = '\n';
    auto s = scan("<?php '" + big + "' \"" + big + "\" /*" + big + "*/ $y ?>" + big);
    ASSERT_EQ(6u, s.tokens.size());
    EXPECT_EQ(s.tokens[0].text, "'" + big + "'");
    EXPECT_EQ(s.tokens[1].text, "\"" + big + "\"");
    EXPECT_EQ(s.tokens[5].text, big);
    EXPECT_EQ(1 + 4 * countNewlines(big), s.endLine);
}

TEST(Scanner, UnterminatedConstructsEndAtEndOfInput) {
    for (std::string src : {"<?php \"abc $x", "<?php /* never", "<?php <<<EOT\nabc", "<?php 'open",
                            "<?php \"{$a", "<?php \"$a[x", "<?php `x"}) {
        auto s = scan(src);
        EXPECT_EQ(1 + countNewlines(src), s.endLine) << src;
        // Back in text state afterwards: the next file starts outside PHP.
        EXPECT_EQ(pairs(scan("x")), (Pairs{{T_INLINE_HTML, "x"}})) << src;
    }
}

TEST(Scanner, NulBytesAreScannedAsAStandIn) {
    auto s = scan(std::string("a\0b<?php '\0' \"$\0\"", 18));
    EXPECT_EQ(pairs(s), (Pairs{{T_INLINE_HTML, "a\x01" "b"}, {T_SINGLE_QUOTED_STRING, "'\x01'"},
                               {T_DOUBLE_QUOTE, "\""}, {T_ENCAPSED_AND_WHITESPACE, "$"},
                               {T_ENCAPSED_AND_WHITESPACE, "\x01"}, {T_DOUBLE_QUOTE, "\""}}));
}

TEST(Scanner, GarbageBytesTerminateWithValidTokens) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 8; ++round) {
        std::string src = round % 2 ? "<?php " : "";
        // Biased towards bytes that switch states, so every state is visited.
        static const char hotBytes[] = "<?php\"'`${}[]()->/*\\\n\r\0#?<<<A ;b";
        const std::string hot(hotBytes, sizeof hotBytes - 1);
        for (int i = 0; i < 300000; ++i)
            src += rng() % 3 ? hot[rng() % hot.size()] : static_cast<char>(rng() & 0xff);
        auto s = scan(src);
        for (const auto& t : s.tokens) {
            ASSERT_GE(t.token, 258);
            ASSERT_LE(t.token, 398);
            ASSERT_NE(t.token, 307);
            ASSERT_NE(t.token, 323);
        }
        EXPECT_EQ(1 + countNewlines(src), s.endLine);
    }
}

TEST(Scanner, HaltAndRestart) {
    scantest::clearSyntaxList();
    std::FILE* f = std::tmpfile();
    std::fputs("<?php a (b c", f);
    std::rewind(f);
    php::resetScanner();
    php::restartScanner(f);
    char* v;
    php::Location loc;
    EXPECT_EQ(T_STRING, php::nextToken(&v, &loc, "h.php"));
    php::freeTokenText(v);
    php::haltScanner();
    EXPECT_EQ(0, php::nextToken(&v, &loc, "h.php"));
    EXPECT_TRUE(php::syntaxList().empty());
    std::fclose(f);
    EXPECT_EQ(pairs(scan("<?php b")), (Pairs{{T_STRING, "b"}}));
}

TEST(ScannerDeathTest, ReadFailureIsFatal) {
    EXPECT_EXIT(
        {
            std::FILE* f = std::fopen("/dev/null", "w");
            php::restartScanner(f);
            char* v;
            php::Location loc;
            php::nextToken(&v, &loc, "w.php");
        },
        testing::ExitedWithCode(2), "input in flex scanner failed");
}
