#pragma once
#include <string>
#include <vector>

#include "runner/FileSelection.h"

namespace runner {

enum class Format { Plain, Checkstyle, Json, CodeQuality };

struct Options {
    std::vector<std::string> paths;
    Selection selection;
    int jobs = 0;            // 0: the number of CPUs
    double timeout = 60;     // seconds per file; 0: none
    Format format = Format::Plain;
    std::string output;      // empty: standard output
    std::string baseline;
    std::string writeBaseline;
    std::string checker;     // empty: "tarnwick" beside this executable
    std::string root;        // empty: the working directory
    bool batch = true;       // use tarnwick-batch beside the default checker when there is one
    bool progress = true;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// False with `error` set on a usage error.
bool parseOptions(int argc, char** argv, Options& out, std::string& error);

extern const char* const kUsage;

}  // namespace runner
