#include "driver/Definitions.h"

#include "driver/Platform.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "parser/Parser.h"
#include "scanner/Scanner.h"
#include "tree/IncludeHost.h"
#include "tree/Start.h"

namespace php {

void parseStream(std::FILE* stream, const std::string& fullPath) {
    resetScanner();
    restartScanner(stream);
    parseFile(fullPath);
}

void installIncludeHost() {
    IncludeHost& host = includeHost();
    host.fullPath = fullPath;
    host.open = openForReading;
    host.parse = parseStream;
}

bool analyseRootOf(std::FILE* stream, const std::string& fullPath, bool userFile, bool release) {
    installIncludeHost();
    parseStream(stream, fullPath);
    if (roots().empty()) return false;
    auto* root = static_cast<Start*>(rootAt(0));
    root->fileName = fullPath;
    if (userFile) root->enterIncluded(fullPath, root);
    root->link();
    root->check();
    if (release) releaseCurrentRoot();
    return true;
}

bool readDefinitionFile(const std::string& installationDirectory, const std::string& fileName) {
    std::string full;
    if (!fullPath(installationDirectory + fileName, full)) return false;
    std::FILE* f = openForReading(full);
    if (!f) return false;
    bool ok = analyseRootOf(f, full, false);
    std::fclose(f);
    return ok;
}

}  // namespace php
