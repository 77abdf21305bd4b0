#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "runner/FileSelection.h"
#include "runner/Options.h"

using namespace runner;

TEST(Selection, ExclusionPatterns) {
    const std::vector<std::string> ex{"vendor", "*_test.php", "lib/old/*", "./cache/"};
    EXPECT_TRUE(isExcluded("src/vendor", ex));
    EXPECT_TRUE(isExcluded("./src/a_test.php", ex));
    EXPECT_FALSE(isExcluded("src/vendors", ex));
    EXPECT_TRUE(isExcluded("lib/old/x/y.php", ex));   // '*' crosses '/'
    EXPECT_TRUE(isExcluded("./lib/old/y.php", ex));   // a leading "./" is ignored
    EXPECT_FALSE(isExcluded("src/lib/old/y.php", ex));
    EXPECT_TRUE(isExcluded("cache", ex));
    EXPECT_FALSE(isExcluded("src/cache", ex));
}

TEST(Selection, ExtensionsIgnoreCaseAndNeedADot) {
    EXPECT_TRUE(hasExtension("a/b.PHP", {"php"}));
    EXPECT_TRUE(hasExtension("b.inc", {"php", "inc"}));
    EXPECT_FALSE(hasExtension("a.php/b", {"php"}));
    EXPECT_FALSE(hasExtension("php", {"php"}));
    EXPECT_FALSE(hasExtension("a.php.bak", {"php"}));
}

TEST(Selection, WalkSortsSkipsAndKeepsNamedFiles) {
    char tmpl[] = "/tmp/tw-select-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string d = tmpl;
    for (const char* sub : {"/src", "/src/vendor", "/src/deep", "/src/deep/er"}) mkdir((d + sub).c_str(), 0755);
    for (const char* f : {"/src/b.php", "/src/a.php", "/src/notes.txt", "/src/vendor/v.php", "/src/deep/er/z.php",
                          "/named.txt"})
        std::ofstream(d + f) << "<?php\n";
    symlink((d + "/src").c_str(), (d + "/src/deep/loop").c_str());  // not followed
    symlink((d + "/src/a.php").c_str(), (d + "/src/link.php").c_str());  // same file as a.php

    Selection sel;
    sel.excludes = {"vendor"};
    std::vector<std::string> missing;
    auto files = selectFiles({d + "/src", d + "/named.txt", d + "/src/b.php", d + "/nothing"}, sel, missing);
    std::vector<std::string> expected{d + "/named.txt", d + "/src/a.php", d + "/src/b.php", d + "/src/deep/er/z.php"};
    EXPECT_EQ(files, expected);
    EXPECT_EQ(missing, std::vector<std::string>{d + "/nothing"});
    std::system(("rm -rf '" + d + "'").c_str());
}

namespace {
bool parse(std::vector<std::string> args, Options& o, std::string& error) {
    std::vector<char*> argv{const_cast<char*>("tarnwick-tree")};
    for (std::string& a : args) argv.push_back(a.data());
    return parseOptions(static_cast<int>(argv.size()), argv.data(), o, error);
}
}  // namespace

TEST(Options, ValuesInBothSpellingsAndUsageErrors) {
    Options o;
    std::string error;
    ASSERT_TRUE(parse({"-j3", "--timeout", "2.5", "--extensions=.php,inc", "--exclude=a", "--exclude", "b",
                       "--format=checkstyle", "-o", "out.xml", "--", "-odd-name.php", "src"},
                      o, error))
        << error;
    EXPECT_EQ(o.jobs, 3);
    EXPECT_DOUBLE_EQ(o.timeout, 2.5);
    EXPECT_EQ(o.selection.extensions, (std::vector<std::string>{"php", "inc"}));
    EXPECT_EQ(o.selection.excludes, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(o.format, Format::Checkstyle);
    EXPECT_EQ(o.output, "out.xml");
    EXPECT_EQ(o.paths, (std::vector<std::string>{"-odd-name.php", "src"}));

    for (const auto& bad : std::vector<std::vector<std::string>>{
             {},                                              // no path
             {"-j0", "src"},
             {"-j", "two", "src"},
             {"--timeout=-1", "src"},
             {"--format=xml", "src"},
             {"--extensions=", "src"},
             {"--baseline=a", "--write-baseline=b", "src"},
             {"--frobnicate", "src"},
             {"--quiet=yes", "src"},
             {"src", "--output"}}) {
        Options bo;
        EXPECT_FALSE(parse(bad, bo, error)) << (bad.empty() ? "(none)" : bad.front());
        EXPECT_FALSE(error.empty());
    }
    Options h;
    EXPECT_TRUE(parse({"--help"}, h, error));
    EXPECT_TRUE(h.help);
}
