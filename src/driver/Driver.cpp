#include "driver/Driver.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "diagnostics/Greska.h"
#include "driver/DefinitionImage.h"
#include "driver/Definitions.h"
#include "driver/Funkcije.h"
#include "driver/Platform.h"
#include "driver/Report.h"
#include "driver/RunState.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "tree/Start.h"

namespace php {

namespace {

// The user file's tree is left to the end of the process rather than freed
// node by node (a twentieth of the run on large files), except in the builds
// made for memory checkers, where a full teardown keeps leaks visible.
#if defined(TARNWICK_NO_NODE_POOL) || defined(TARNWICK_SANITIZED) || defined(__SANITIZE_ADDRESS__)
constexpr bool ReleaseUserTree = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool ReleaseUserTree = true;
#else
constexpr bool ReleaseUserTree = false;
#endif
#else
constexpr bool ReleaseUserTree = false;
#endif

void printLine(const char* text) {
    std::fputs(text, stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

// Ends the process with status 4 when no installation path can be found.
std::string installationLookup() {
    std::string path = installationPath(executablePath(), std::getenv("TARNWICK_PATH"));
    if (!path.empty()) return path;
    printLine("Error initializing - please check that TARNWICK_PATH env. variable is set");
    std::exit(4);
}

// Position of the last path separator, or npos.
size_t lastSeparator(const std::string& path) {
    size_t slash = path.rfind('/');
    size_t backslash = path.rfind('\\');
    if (slash == std::string::npos) return backslash;
    if (backslash == std::string::npos) return slash;
    return std::max(slash, backslash);
}

void createObjectClass() {
    SymbolTable* scope = globalBuiltinScope();
    if (!scope->findClass("object")) scope->addClass("object", new Klasa("", -1, "object"));
}

}  // namespace

bool loadDefinitions(const std::string& executable, bool useImage) {
    RunState* state = runState();
    size_t sep = lastSeparator(executable);
    if (sep != std::string::npos) state->setInstallationDirectory(executable.substr(0, sep));
    if (useImage && loadDefinitionImage(state->installationDirectory)) {
        attachBuiltinHandlers();
        state->definitionsMode = false;
        return true;
    }
    createObjectClass();
    for (const char* name : {"/class.php", "/function.php", "/constant.php"}) {
        if (!readDefinitionFile(state->installationDirectory, name)) return false;
        if (std::string(name) == "/function.php") attachBuiltinHandlers();
    }
    state->definitionsMode = false;
    return true;
}

bool prepareUserFile(const std::string& argument) {
    RunState* state = runState();
    std::string full;
    if (!fullPath(argument, full)) return false;
    size_t sep = lastSeparator(full);
    if (sep != std::string::npos) state->setUserFileDirectory(full.substr(0, sep));
    state->appendIncludeDirectory(state->userFileDirectory);
    return true;
}

int analyseAndReport(const std::string& argument, std::FILE* out) {
    std::string full;
    std::FILE* f = openForReading(argument);
    if (!f || !fullPath(argument, full)) {
        if (f) std::fclose(f);
        std::string message = "Could not open '" + argument + "'";
        printLine(message.c_str());
        return 2;
    }
    try {
        analyseRootOf(f, full, true, ReleaseUserTree);
        std::fclose(f);
        f = nullptr;
    } catch (const std::bad_alloc&) {
        if (f) std::fclose(f);
        try {
            releaseCurrentRoot();
        } catch (...) {
        }
        printLine("Tarnwick out of memory; errors caught so far:");
    }
    return exitStatusFor(printReport(syntaxList(), semanticList(), out));
}


std::string installationPath(const std::string& executable, const char* environment) {
    if (!executable.empty() && executable[0] == '/') return executable;
    if (environment) return std::string(environment) + "tarnwick.exe";
    return std::string();
}

int runTarnwick(int argc, char** argv) {
    std::string executable = installationLookup();
    if (argc < 2) {
        printLine("Usage:");
        printLine("\ttarnwick.exe phpfile");
        return 1;
    }
    const std::string argument = argv[1];
    if (!loadDefinitions(executable) || !prepareUserFile(argument)) {
        printLine("Could not initialize. Please repair installation.");
        return 3;
    }
    return analyseAndReport(argument, stderr);
}

}  // namespace php
