#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "diagnostics/Greska.h"
#include "scanner/Scanner.h"
#include "scanner/Tokens.h"

namespace scantest {

struct Tok {
    int token;
    std::string text;
    int line;
};

struct Scan {
    std::vector<Tok> tokens;
    std::vector<std::string> diagnostics;  // rendered syntax-list entries
    int endLine = 0;                       // line of the end-of-input token
};

inline void clearSyntaxList() {
    for (php::Greska* g : php::syntaxList()) delete g;
    php::syntaxList().clear();
}

// Scans `source` as one file up to the end of input.
inline Scan scan(const std::string& source, const std::string& file = "t.php") {
    clearSyntaxList();
    std::FILE* f = std::tmpfile();
    std::fwrite(source.data(), 1, source.size(), f);
    std::rewind(f);
    php::resetScanner();
    php::restartScanner(f);
    Scan result;
    char* value = nullptr;
    php::Location loc;
    int t;
    while ((t = php::nextToken(&value, &loc, file)) != 0) {
        result.tokens.push_back({t, value ? value : "", loc.firstLine});
        EXPECT_EQ(loc.firstLine, loc.lastLine);
        EXPECT_EQ(0, loc.firstColumn);
        EXPECT_EQ(0, loc.lastColumn);
        php::freeTokenText(value);
    }
    result.endLine = loc.firstLine;
    EXPECT_EQ(loc.firstLine, php::scannerLine());
    std::fclose(f);
    for (php::Greska* g : php::syntaxList()) result.diagnostics.push_back(g->render());
    clearSyntaxList();
    return result;
}

// Scans "<?php " + code and returns the token numbers only.
inline std::vector<int> codeTokens(const std::string& code) {
    std::vector<int> out;
    for (const Tok& t : scan("<?php " + code).tokens) out.push_back(t.token);
    return out;
}

}  // namespace scantest
