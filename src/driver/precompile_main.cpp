// Builds the precompiled image of the definition files in a directory, or
// checks that an image reloads to exactly what it was written from.
//
//   tarnwick-precompile DIRECTORY          write DIRECTORY/definitions.bin
//   tarnwick-precompile --check DIRECTORY  load it and write it again in memory:
//                                          exit 0 when the bytes are the same

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "diagnostics/Greska.h"
#include "driver/DefinitionImage.h"
#include "driver/Driver.h"
#include "driver/Funkcije.h"
#include "driver/Platform.h"
#include "driver/RunState.h"

// The tables it writes out live to the end of the process on purpose: in the
// sanitizer build, which runs this tool while building, leaks are no error.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

namespace {

int usage() {
    std::fputs("usage: tarnwick-precompile [--check] DIRECTORY\n", stderr);
    return 2;
}

int write(const std::string& directory) {
    const std::string image = directory + "/" + php::DefinitionImageName;
    if (!php::loadDefinitions(directory + "/tarnwick", false)) {
        std::fprintf(stderr, "tarnwick-precompile: cannot read the definition files in %s\n", directory.c_str());
        return 1;
    }
    std::string why;
    if (!php::syntaxList().empty() || !php::semanticList().empty())
        why = "reading them gives findings, which the image does not keep";
    else if (php::saveDefinitionImage(directory, why))
        return 0;
    // Without an image the checker reads the files themselves: slower, same output.
    std::remove(image.c_str());
    std::fprintf(stderr, "tarnwick-precompile: warning: no image of the definitions in %s: %s\n", directory.c_str(),
                 why.c_str());
    return 0;
}

int check(const std::string& directory) {
    if (!php::loadDefinitionImage(directory)) {
        std::fprintf(stderr, "tarnwick-precompile: the image in %s does not load\n", directory.c_str());
        return 1;
    }
    php::attachBuiltinHandlers();
    php::runState()->definitionsMode = false;
    std::string again;
    std::string why;
    if (!php::imageOfBuiltinScope(directory, again, why)) {
        std::fprintf(stderr, "tarnwick-precompile: the loaded image cannot be written again: %s\n", why.c_str());
        return 1;
    }
    std::ifstream in(directory + "/" + php::DefinitionImageName, std::ios::binary);
    const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (again != stored) {
        std::fprintf(stderr, "tarnwick-precompile: the image reloads differently (%zu bytes written again, %zu stored)\n",
                     again.size(), stored.size());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && argv[1][0] != '-') {
        std::string full;
        return php::fullPath(argv[1], full) ? write(full) : usage();
    }
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0) {
        std::string full;
        return php::fullPath(argv[2], full) ? check(full) : usage();
    }
    return usage();
}
