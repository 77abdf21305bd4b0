#include "runner/Options.h"

#include <cstdlib>

namespace runner {

const char* const kUsage =
    "Usage: tarnwick-tree [options] PATH...\n"
    "Checks every PHP file under the given directories, and the files given\n"
    "directly, each with its own tarnwick process.\n"
    "\n"
    "Selection:\n"
    "  --extensions=LIST   file extensions to check, comma-separated (default: php)\n"
    "  --exclude=PATTERN   skip files and directories matching the shell pattern;\n"
    "                      without a '/' it is matched against each name, with one\n"
    "                      against the whole path as walked ('*' also matches '/');\n"
    "                      may be repeated\n"
    "Running:\n"
    "  -j, --jobs=N        checker processes at a time (default: the number of CPUs)\n"
    "  --timeout=SECONDS   time limit per file, 0 for none (default: 60)\n"
    "  --checker=PATH      the checker to run (default: tarnwick beside this program)\n"
    "  --no-batch          start the checker anew for every file; by default the\n"
    "                      installed batch server reads the definitions once and\n"
    "                      forks a checking process per file (same output)\n"
    "Output:\n"
    "  --format=FORMAT     plain (default), checkstyle, json or codequality\n"
    "  -o, --output=FILE   write the report to FILE instead of standard output\n"
    "  --root=DIR          paths in the baseline and the code-quality report are\n"
    "                      relative to DIR (default: the working directory)\n"
    "  --no-progress       no progress line (it is only shown on a terminal)\n"
    "  -q, --quiet         no summary\n"
    "Baseline:\n"
    "  --write-baseline=FILE  write the current findings to FILE and report none\n"
    "  --baseline=FILE     report only findings not in FILE; findings match by file,\n"
    "                      message and count, not by line\n"
    "\n"
    "  -h, --help          this text\n"
    "  --version           the version\n"
    "\n"
    "The report goes to standard output; the progress line, the summary and the\n"
    "files that could not be checked go to standard error.\n"
    "Exit status: 0 no findings, 1 findings, 2 a usage error or a file that could\n"
    "not be checked (crash, time-out, checker start-up failure).\n";

namespace {

std::vector<std::string> splitList(const std::string& s) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos <= s.size()) {
        size_t comma = s.find(',', pos);
        if (comma == std::string::npos) comma = s.size();
        std::string item = s.substr(pos, comma - pos);
        while (!item.empty() && item[0] == '.') item.erase(0, 1);
        if (!item.empty()) out.push_back(item);
        pos = comma + 1;
    }
    return out;
}

bool parseNumber(const std::string& s, double& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return *end == '\0' && out >= 0 && out < 1e9;
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& o, std::string& error) {
    std::vector<std::string> selExtensions;
    bool extensionsGiven = false, endOfOptions = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (endOfOptions || arg.empty() || arg[0] != '-' || arg == "-") {
            o.paths.push_back(arg);
            continue;
        }
        if (arg == "--") {
            endOfOptions = true;
            continue;
        }
        std::string name = arg, value;
        bool hasValue = false;
        if (arg.compare(0, 2, "--") == 0) {
            size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                hasValue = true;
            }
        } else if (arg.size() > 2 && (arg[1] == 'j' || arg[1] == 'o')) {
            name = arg.substr(0, 2);
            value = arg.substr(2);
            hasValue = true;
        }
        auto takesValue = [&](void) -> bool {
            if (hasValue) return true;
            if (i + 1 >= argc) {
                error = "option '" + name + "' needs a value";
                return false;
            }
            value = argv[++i];
            return true;
        };
        auto noValue = [&]() -> bool {
            if (hasValue) error = "option '" + name + "' takes no value";
            return !hasValue;
        };
        if (name == "-h" || name == "--help") {
            if (!noValue()) return false;
            o.help = true;
        } else if (name == "--version") {
            if (!noValue()) return false;
            o.version = true;
        } else if (name == "-q" || name == "--quiet") {
            if (!noValue()) return false;
            o.quiet = true;
        } else if (name == "--no-progress") {
            if (!noValue()) return false;
            o.progress = false;
        } else if (name == "--no-batch") {
            if (!noValue()) return false;
            o.batch = false;
        } else if (name == "-j" || name == "--jobs") {
            double n;
            if (!takesValue()) return false;
            if (!parseNumber(value, n) || n < 1 || n > 1024 || n != static_cast<int>(n)) {
                error = "the number of jobs must be a whole number from 1 to 1024, not '" + value + "'";
                return false;
            }
            o.jobs = static_cast<int>(n);
        } else if (name == "--timeout") {
            if (!takesValue()) return false;
            if (!parseNumber(value, o.timeout)) {
                error = "the time limit must be a number of seconds, not '" + value + "'";
                return false;
            }
        } else if (name == "--extensions") {
            if (!takesValue()) return false;
            extensionsGiven = true;
            for (const std::string& e : splitList(value)) selExtensions.push_back(e);
        } else if (name == "--exclude") {
            if (!takesValue()) return false;
            if (value.empty()) {
                error = "an empty exclusion pattern";
                return false;
            }
            o.selection.excludes.push_back(value);
        } else if (name == "--format") {
            if (!takesValue()) return false;
            if (value == "plain") o.format = Format::Plain;
            else if (value == "checkstyle") o.format = Format::Checkstyle;
            else if (value == "json") o.format = Format::Json;
            else if (value == "codequality") o.format = Format::CodeQuality;
            else {
                error = "unknown format '" + value + "' (plain, checkstyle, json or codequality)";
                return false;
            }
        } else if (name == "-o" || name == "--output") {
            if (!takesValue()) return false;
            o.output = value;
        } else if (name == "--baseline") {
            if (!takesValue()) return false;
            o.baseline = value;
        } else if (name == "--write-baseline") {
            if (!takesValue()) return false;
            o.writeBaseline = value;
        } else if (name == "--checker") {
            if (!takesValue()) return false;
            o.checker = value;
        } else if (name == "--root") {
            if (!takesValue()) return false;
            o.root = value;
        } else {
            error = "unknown option '" + name + "'";
            return false;
        }
        if ((name == "--output" || name == "-o" || name == "--baseline" || name == "--write-baseline" ||
             name == "--checker" || name == "--root") && value.empty()) {
            error = "option '" + name + "' needs a non-empty value";
            return false;
        }
    }
    if (extensionsGiven) {
        if (selExtensions.empty()) {
            error = "no file extension given";
            return false;
        }
        o.selection.extensions = selExtensions;
    }
    if (o.help || o.version) return true;
    if (!o.baseline.empty() && !o.writeBaseline.empty()) {
        error = "--baseline and --write-baseline cannot be used together";
        return false;
    }
    if (o.paths.empty()) {
        error = "no path given";
        return false;
    }
    return true;
}

}  // namespace runner
