#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "diagnostics/Greska.h"
#include "diagnostics/NedostizanKod.h"
#include "diagnostics/NeinicijalizovanaPromenljiva.h"
#include "diagnostics/SintaksnaGreska.h"
#include "diagnostics/ZagradaViska.h"
#include "driver/Driver.h"
#include "driver/Platform.h"
#include "driver/Report.h"

using namespace php;

namespace {

// Runs the report into a temporary stream and returns what it printed.
std::string report(std::vector<Greska*> syntax, std::vector<Greska*> semantic, int& count) {
    FILE* out = std::tmpfile();
    count = printReport(syntax, semantic, out);
    std::rewind(out);
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, out)) > 0) text.append(buf, n);
    std::fclose(out);
    for (Greska* g : syntax) delete g;
    for (Greska* g : semantic) delete g;
    return text;
}

}  // namespace

TEST(Report, SortsByFileThenLineThenTextAndDropsRepeats) {
    int count = 0;
    std::string out = report({}, {new greske::NedostizanKod("b.php", 1), new greske::NedostizanKod("a.php", 10),
                                  new greske::NedostizanKod("a.php", 9), new greske::NedostizanKod("a.php", 10)},
                             count);
    EXPECT_EQ(out, "a.php(9): Unreachable code\na.php(10): Unreachable code\nb.php(1): Unreachable code\n");
    EXPECT_EQ(count, 3);
}

TEST(Report, LineOrderIsNumericNotTextual) {
    int count = 0;
    std::string out =
        report({}, {new greske::NedostizanKod("a.php", 10), new greske::NedostizanKod("a.php", 9)}, count);
    EXPECT_EQ(out, "a.php(9): Unreachable code\na.php(10): Unreachable code\n");
}

TEST(Report, SyntaxListFirstAndRepeatAcrossListsDropped) {
    int count = 0;
    // The same text ending the syntax list and opening the semantic list prints once.
    std::string out = report({new greske::SintaksnaGreska(1, "syntax error", "z.php", 2)},
                             {new greske::SintaksnaGreska(1, "syntax error", "z.php", 2),
                              new greske::NedostizanKod("z.php", 3)},
                             count);
    EXPECT_EQ(out, "z.php(2): [PARSER] syntax error\nz.php(3): Unreachable code\n");
    EXPECT_EQ(count, 2);
}

TEST(Report, EmptyTextsAreNeitherPrintedNorCounted) {
    int count = 0;
    std::string out = report({}, {new greske::NeinicijalizovanaPromenljiva("x", "a.php", 1)}, count);
    EXPECT_EQ(out, "");
    EXPECT_EQ(count, 0);
}

TEST(Report, ExitStatusNeverCollidesWithStartupCodes) {
    EXPECT_EQ(exitStatusFor(0), 0);
    EXPECT_EQ(exitStatusFor(1), 255);
    EXPECT_EQ(exitStatusFor(2), 254);
    EXPECT_EQ(exitStatusFor(251), 5);
    EXPECT_EQ(exitStatusFor(256), 5);
    EXPECT_EQ(exitStatusFor(100000), 5);
}

TEST(Installation, AbsoluteExecutablePathWinsOverTheEnvironment) {
    EXPECT_EQ(installationPath("/opt/tw/tarnwick", "/x/"), "/opt/tw/tarnwick");
    EXPECT_EQ(installationPath("", "/opt/tw/"), "/opt/tw/tarnwick.exe");
    EXPECT_EQ(installationPath("relative/tarnwick", "/opt/tw"), "/opt/twtarnwick.exe");
    EXPECT_EQ(installationPath("", nullptr), "");
}

TEST(Platform, FullPathNormalisesLexically) {
    std::string out;
    ASSERT_TRUE(fullPath("/a/./b//c/../d.php", out));
    EXPECT_EQ(out, "/a/b/d.php");
    ASSERT_TRUE(fullPath("/../..", out));
    EXPECT_EQ(out, "/");
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_TRUE(fullPath("x/../y.php", out));
    EXPECT_EQ(out, std::string(cwd) == "/" ? "/y.php" : std::string(cwd) + "/y.php");
    EXPECT_FALSE(fullPath("/" + std::string(PATH_MAX + 10, 'a'), out));
}

TEST(Platform, DirectoriesCannotBeOpened) {
    EXPECT_EQ(openForReading("/"), nullptr);
    EXPECT_EQ(openForReading("/no/such/file.php"), nullptr);
}
