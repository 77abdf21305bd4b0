// Uninitialised and unused variables are found, stored with the other
// diagnostics, and never printed or counted by the report.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "diagnostics/FaliGlobal.h"
#include "diagnostics/Greska.h"
#include "diagnostics/NeinicijalizovanaPromenljiva.h"
#include "diagnostics/NeupotrebljenaPromenljiva.h"
#include "driver/Report.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "nodes/DeklaracijaFunkcije.h"
#include "parser/Parser.h"
#include "scanner/Scanner.h"
#include "tree/Start.h"

using namespace php;

namespace {

DeklaracijaFunkcije* findFunction(ParserBase* root) {
    std::vector<ParserBase*> stack{root};
    while (!stack.empty()) {
        ParserBase* n = stack.back();
        stack.pop_back();
        if (auto* f = dynamic_cast<DeklaracijaFunkcije*>(n)) return f;
        n->collectChildren(stack);
    }
    return nullptr;
}

template <class D>
std::vector<std::string> namesOf(const std::vector<Greska*>& list) {
    std::vector<std::string> out;
    for (Greska* g : list)
        if (auto* d = dynamic_cast<D*>(g)) out.push_back(d->name + "@" + std::to_string(d->line));
    return out;
}

bool contains(const std::vector<std::string>& v, const std::string& s) {
    for (const std::string& x : v)
        if (x == s) return true;
    return false;
}

}  // namespace

TEST(SilentDiagnostics, RaisedStoredNeverPrinted) {
    const std::string source =
        "<?php\n"
        "echo $g;\n"                        // 2: a file-level read before any definition
        "function f() {\n"
        "    global $unusedGlobal;\n"       // 4: defined, never used
        "    static $counter = 0;\n"        // 5: defined, never used
        "    echo $neverSet;\n"             // 6: read, never defined
        "    echo $g;\n"                    // 7: only the file has $g
        "}\n";
    std::FILE* file = std::tmpfile();
    std::fwrite(source.data(), 1, source.size(), file);
    std::rewind(file);
    resetScanner();
    restartScanner(file);
    ASSERT_EQ(parseFile("t.php"), 0);
    std::fclose(file);
    ASSERT_FALSE(roots().empty());
    auto* root = static_cast<Start*>(roots()[0]);
    DeklaracijaFunkcije* function = findFunction(root);
    ASSERT_NE(function, nullptr);
    if (!function->function) function->function = new Funkcija("f", "t.php", 3);

    bool& mode = runState()->definitionsMode;
    const bool saved = mode;
    mode = false;
    root->fileName = "t.php";
    root->link();
    root->check();
    function->reportUnusedVariables(false);
    mode = saved;
    releaseCurrentRoot();

    std::vector<Greska*>& semantic = semanticList();
    const auto unused = namesOf<greske::NeupotrebljenaPromenljiva>(semantic);
    EXPECT_TRUE(contains(unused, "unusedGlobal@4"));
    EXPECT_TRUE(contains(unused, "counter@5"));
    const auto uninitialised = namesOf<greske::NeinicijalizovanaPromenljiva>(semantic);
    EXPECT_TRUE(contains(uninitialised, "g@2"));
    EXPECT_TRUE(contains(uninitialised, "neverSet@6"));
    EXPECT_EQ(namesOf<greske::FaliGlobal>(semantic), std::vector<std::string>{"g@7"});

    // Only the missing global is printed and counted.
    std::FILE* out = std::tmpfile();
    std::vector<Greska*> syntax;
    const int printed = printReport(syntax, semantic, out);
    std::rewind(out);
    char buffer[4096];
    const size_t length = std::fread(buffer, 1, sizeof buffer, out);
    std::fclose(out);
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(std::string(buffer, length),
              "t.php(7): Uninitialized variable 'g', or missing 'global' to refer to global variable\n");
    for (Greska* g : semantic) delete g;
    semantic.clear();
}
