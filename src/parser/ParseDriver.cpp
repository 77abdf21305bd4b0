#include <string>

#include "diagnostics/Greska.h"
#include "diagnostics/SintaksnaGreska.h"
#include "parser/Parser.h"
#include "parser/grammar.tab.h"

namespace php {

namespace {

// The last syntax diagnostic if it is a SintaksnaGreska at this line and file.
greske::SintaksnaGreska* lastAt(int32_t line, const std::string& fileName) {
    auto& list = syntaxList();
    if (list.empty()) return nullptr;
    auto* last = dynamic_cast<greske::SintaksnaGreska*>(list.back());
    if (!last || last->line != line || last->file != fileName) return nullptr;
    return last;
}

}  // namespace

int parseFile(const std::string& fileName) { return yyparse(fileName); }

void reportSyntaxError(const Location& location, const std::string& fileName,
                       const std::string& message) {
    greske::SintaksnaGreska* last = lastAt(location.firstLine, fileName);
    if (last && last->text == message) return;
    syntaxList().push_back(new greske::SintaksnaGreska(1, message, fileName, location.firstLine));
}

void reportSpecificSyntaxError(const Location& location, const std::string& fileName,
                               const std::string& message) {
    greske::SintaksnaGreska* last = lastAt(location.firstLine, fileName);
    if (last && last->text == message) return;
    // The specific message says more than the generic one it follows.
    if (last && last->replaceable == 1) {
        syntaxList().pop_back();
        delete last;
    }
    syntaxList().push_back(new greske::SintaksnaGreska(0, message, fileName, location.firstLine));
}

}  // namespace php
