#include <gtest/gtest.h>

#include "runner/Finding.h"
#include "runner/Report.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

using namespace runner;

TEST(CheckerOutput, SplitsFindingsContinuationsAndOtherLines) {
    const std::string out =
        "/w/a(1)/x.php(12): Undefined class 'Y'\n"
        "/w/b.php(4): Wrong number of parameters for 'f' (expected 0 passed 1)\n"
        "\t/w/b.php(2): Declaration of 'f'\n"
        "/w/c.php(7): File '/w/d.php' is already included\n"
        "\t /w/c.php(3): Previous inclusion\n"
        "Tarnwick out of memory; errors caught so far:\n"
        "\tstray line after a notice\n"
        "(-1): Redefinition of system symbol'strlen'\n";
    ParsedOutput p = parseCheckerOutput(out);
    ASSERT_EQ(p.findings.size(), 4u);
    EXPECT_EQ(p.findings[0].file, "/w/a(1)/x.php");  // "(1)/" is not a location
    EXPECT_EQ(p.findings[0].line, 12);
    EXPECT_EQ(p.findings[0].message, "Undefined class 'Y'");
    EXPECT_EQ(p.findings[1].message,
              "Wrong number of parameters for 'f' (expected 0 passed 1)\n\t/w/b.php(2): Declaration of 'f'");
    EXPECT_EQ(p.findings[2].message, "File '/w/d.php' is already included\n\t /w/c.php(3): Previous inclusion");
    EXPECT_EQ(p.findings[3].file, "");
    EXPECT_EQ(p.findings[3].line, -1);
    ASSERT_EQ(p.otherLines.size(), 2u);
    EXPECT_EQ(p.otherLines[0], "Tarnwick out of memory; errors caught so far:");
    EXPECT_EQ(p.findings[1].rendered(), "/w/b.php(4): " + p.findings[1].message);
}

TEST(CheckerOutput, KindsTellApartMessagesWithSimilarWording) {
    EXPECT_STREQ(kindOf("Can't find 'a.php' in include path").id, "not-in-include-path");
    EXPECT_STREQ(kindOf("Could not open '/x/a.php'").id, "missing-include");
    EXPECT_STREQ(kindOf("Undefined constant 'X' (reported only once)").id, "undefined-constant");
    EXPECT_STREQ(kindOf("Undefined constant 'X'").id, "undefined-class-constant");
    EXPECT_STREQ(kindOf("Method 'm' of 'C' is not accessible").id, "inaccessible-method");
    EXPECT_STREQ(kindOf("Method 'm' of class 'C' is not declared STATIC").id, "non-static-method");
    EXPECT_STREQ(kindOf("Method 'm' declared in interface 'I' is not implemented\n\tx(1): Definition for 'I'").id,
                 "unimplemented-interface-method");
    EXPECT_STREQ(kindOf("Redefinition of system symbol'strlen'").id, "builtin-redefinition");
    EXPECT_STREQ(kindOf("Redefinition of property 'p' inherited from 'B'").id, "redefined-inherited-property");
    EXPECT_STREQ(kindOf("Redefinition of 'f'\n\tx(1): Previous definition").id, "redefinition");
    EXPECT_STREQ(kindOf("'x' is not array nor implements ArrayAccess").id, "not-array");
    EXPECT_STREQ(kindOf("'I' is not interface").id, "not-interface");
    EXPECT_STREQ(kindOf("[PARSER] Missing '}' for brace opened at\n\tx(1): Opening line").id, "missing-bracket");
    EXPECT_STREQ(kindOf("[PARSER] syntax error").id, "syntax-error");
    EXPECT_STREQ(kindOf("Argument 1 for 'f' - expected 'array'").id, "wrong-argument-type");
    EXPECT_STREQ(kindOf("Unreachable code").severity, "warning");
    EXPECT_STREQ(kindOf("something new").id, "other");
}

TEST(Report, FinaliseSortsDropsRepeatsAndNumbersOccurrences) {
    std::vector<Finding> f{{"/b.php", 9, "Unreachable code"},
                           {"/a.php", 3, "Undeclared variable"},
                           {"/b.php", 2, "Unreachable code"},
                           {"/b.php", 9, "Unreachable code"},
                           {"/b.php", 5, "Undeclared variable"}};
    finalise(f);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0].file, "/a.php");
    EXPECT_EQ(f[1].line, 2);
    EXPECT_EQ(f[1].occurrence, 0);
    EXPECT_EQ(f[2].message, "Undeclared variable");
    EXPECT_EQ(f[2].occurrence, 0);
    EXPECT_EQ(f[3].line, 9);
    EXPECT_EQ(f[3].occurrence, 1);
}

TEST(Report, PathsAndMessagesRelativeToTheRoot) {
    EXPECT_EQ(relativePath("/src/app/a.php", "/src/app"), "a.php");
    EXPECT_EQ(relativePath("/src/application/a.php", "/src/app"), "/src/application/a.php");
    EXPECT_EQ(relativePath("/elsewhere/a.php", "/src/app"), "/elsewhere/a.php");
    EXPECT_EQ(lineFreeMessage("Redefinition of 'f'\n\t/src/app/lib/f.php(12): Previous definition", "/src/app"),
              "Redefinition of 'f'\n\tlib/f.php(?): Previous definition");
    EXPECT_EQ(lineFreeMessage("File 'x' is already included\n\t /r/a.php(3): Previous inclusion", "/r"),
              "File 'x' is already included\n\t a.php(?): Previous inclusion");
    EXPECT_EQ(lineFreeMessage("Unimplemented function 'f(1): g'", "/r"), "Unimplemented function 'f(1): g'");
}

TEST(Report, FingerprintsIgnoreLinesButTellOccurrencesAndRootsApart) {
    std::vector<Finding> before{{"/r/a.php", 4, "Unreachable code"}, {"/r/a.php", 9, "Unreachable code"}};
    std::vector<Finding> after{{"/r/a.php", 14, "Unreachable code"}, {"/r/a.php", 19, "Unreachable code"}};
    finalise(before);
    finalise(after);
    EXPECT_EQ(fingerprint(before[0], "/r"), fingerprint(after[0], "/r"));
    EXPECT_EQ(fingerprint(before[1], "/r"), fingerprint(after[1], "/r"));
    EXPECT_NE(fingerprint(before[0], "/r"), fingerprint(before[1], "/r"));
    // The same tree checked out elsewhere gives the same fingerprints.
    Finding moved = before[0];
    moved.file = "/ci/build/a.php";
    EXPECT_EQ(fingerprint(before[0], "/r"), fingerprint(moved, "/ci/build"));
    EXPECT_EQ(fingerprint(before[0], "/r").size(), 32u);
}

TEST(Report, EscapingGivesValidUtf8JsonAndXml) {
    EXPECT_EQ(toUtf8("caf\xC3\xA9"), "caf\xC3\xA9");            // valid UTF-8 kept
    EXPECT_EQ(toUtf8("caf\xE9"), "caf\xC3\xA9");                // Latin-1 byte converted
    EXPECT_EQ(toUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");          // overlong form rejected
    EXPECT_EQ(toUtf8("\xED\xA0\x80").size(), 6u);               // surrogate rejected byte by byte
    EXPECT_EQ(jsonString("a\"b\\c\n\td\x01"), "\"a\\\"b\\\\c\\n\\td\\u0001\"");
    EXPECT_EQ(xmlAttribute("<a & \"b\">\n\t\x02"), "&lt;a &amp; &quot;b&quot;&gt;&#10;&#9;\xEF\xBF\xBD");
}

TEST(Baseline, RoundTripsAwkwardMessagesAndRejectsDamage) {
    std::vector<Finding> f{{"/r/a b.php", 3, "Redefinition of 'f'\n\t/r/x.php(2): Previous definition"},
                           {"/r/a b.php", 8, "Unimplemented function 'back\\slash\tt'"},
                           {"/r/a b.php", 9, "Unimplemented function 'back\\slash\tt'"}};
    finalise(f);
    std::string text = baselineText(f, "/r");
    Baseline b;
    std::string error;
    ASSERT_TRUE(parseBaseline(text, b, error)) << error;
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ((b[{"a b.php", "Unimplemented function 'back\\slash\tt'"}]), 2u);
    EXPECT_EQ((b[{"a b.php", "Redefinition of 'f'\n\tx.php(?): Previous definition"}]), 1u);

    Baseline damaged;
    EXPECT_FALSE(parseBaseline("not a baseline\n", damaged, error));
    EXPECT_FALSE(parseBaseline("", damaged, error));
    EXPECT_FALSE(parseBaseline("# tarnwick-tree baseline 1\n2\tonly-a-file\n", damaged, error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_FALSE(parseBaseline("# tarnwick-tree baseline 1\nx\ta.php\tm\n", damaged, error));
    EXPECT_FALSE(parseBaseline("# tarnwick-tree baseline 1\n1\ta.php\tbad \\q escape\n", damaged, error));
}

TEST(Baseline, HidesKnownFindingsByCountWhateverTheirLines) {
    Baseline b{{{"a.php", "Unreachable code"}, 2}, {{"gone.php", "Undeclared variable"}, 1}};
    std::vector<Finding> now{{"/r/a.php", 30, "Unreachable code"},
                             {"/r/a.php", 40, "Unreachable code"},
                             {"/r/a.php", 50, "Unreachable code"},
                             {"/r/b.php", 1, "Unreachable code"}};
    finalise(now);
    BaselineResult r = applyBaseline(now, b, "/r");
    ASSERT_EQ(r.remaining.size(), 2u);
    EXPECT_EQ(r.remaining[0].line, 50);  // the third of a pair the baseline knows twice
    EXPECT_EQ(r.remaining[1].file, "/r/b.php");
    EXPECT_EQ(r.hidden, 2u);
    EXPECT_EQ(r.stale, 1u);
}

TEST(CheckerOutput, AFileNameHoldingALocationIsSplitWhereAFileExists) {
    char pattern[] = "/tmp/tw-finding-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const std::string odd = dir + "/a(3): b.php";
    std::fclose(std::fopen(odd.c_str(), "w"));
    Finding f;
    ASSERT_TRUE(parseFindingLine(odd + "(7): Undefined class 'Y'", f));
    EXPECT_EQ(f.file, odd);
    EXPECT_EQ(f.line, 7);
    EXPECT_EQ(f.message, "Undefined class 'Y'");
    // A message holding a location keeps it when the file before the first exists.
    const std::string plain = dir + "/c.php";
    std::fclose(std::fopen(plain.c_str(), "w"));
    ASSERT_TRUE(parseFindingLine(plain + "(2): Undefined constant 'a(5): b'", f));
    EXPECT_EQ(f.file, plain);
    EXPECT_EQ(f.message, "Undefined constant 'a(5): b'");
    // Neither exists: the first split, as before.
    ASSERT_TRUE(parseFindingLine("/gone/x(1): y.php(2): z", f));
    EXPECT_EQ(f.file, "/gone/x");
    EXPECT_EQ(f.message, "y.php(2): z");
    std::remove(odd.c_str());
    std::remove(plain.c_str());
    rmdir(dir.c_str());
}

TEST(Report, PlainOutputKeepsTheCheckersSyntaxFindingsFirst) {
    ParsedOutput p = parseCheckerOutput(
        "/w/b.php(9): [PARSER] syntax error\n"
        "/w/a.php(1): Undefined class 'X'\n"
        "/w/b.php(2): Unreachable code\n");
    ASSERT_EQ(p.findings.size(), 3u);
    EXPECT_EQ(p.findings[0].section, 0);
    EXPECT_EQ(p.findings[1].section, 1);
    EXPECT_EQ(p.findings[2].section, 1);
    Report r;
    r.findings = p.findings;
    finalise(r.findings);
    std::ostringstream out;
    writePlain(out, r);
    EXPECT_EQ(out.str(),
              "/w/b.php(9): [PARSER] syntax error\n"
              "/w/a.php(1): Undefined class 'X'\n"
              "/w/b.php(2): Unreachable code\n");
    // One sorted run: one section, printed in its order.
    ParsedOutput q = parseCheckerOutput("/w/a.php(1): x\n/w/a.php(3): y\n");
    EXPECT_EQ(q.findings[0].section + q.findings[1].section, 0);
}
