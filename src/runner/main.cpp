// tarnwick-tree: checks every PHP file of a code base, one checker process
// per file, and reports the findings once each, in one of several formats.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sched.h>
#include <set>
#include <sstream>
#include <unistd.h>

#include "runner/CheckerPool.h"
#include "runner/Finding.h"
#include "runner/Options.h"
#include "runner/Report.h"

#ifndef TARNWICK_VERSION
#define TARNWICK_VERSION "unknown"
#endif

using namespace runner;

namespace {

const char* kProgram = "tarnwick-tree";

int usageError(const std::string& message) {
    std::cerr << kProgram << ": " << message << "\nTry '" << kProgram << " --help'.\n";
    return 2;
}

// Absolute form of `path`, "." and ".." removed lexically, as the checker
// spells the files it reports.
std::string absolutePath(const std::string& path) {
    std::string full = path;
    if (full.empty() || full[0] != '/') {
        char buf[PATH_MAX];
        if (!getcwd(buf, sizeof buf)) return path;
        full = std::string(buf) + "/" + path;
    }
    std::vector<std::string> parts;
    std::stringstream in(full);
    for (std::string part; std::getline(in, part, '/');) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else {
            parts.push_back(part);
        }
    }
    std::string out;
    for (const std::string& p : parts) out += "/" + p;
    return out.empty() ? "/" : out;
}

std::string defaultChecker() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "tarnwick";
    std::string self(buf, static_cast<size_t>(n));
    return self.substr(0, self.rfind('/') + 1) + "tarnwick";
}

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return !in.bad();
}

int cpuCount() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) return CPU_COUNT(&set);
    long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n < 1 ? 1 : static_cast<int>(std::min(n, 1024L));
}

std::string firstLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        if (l.empty()) continue;
        if (!out.empty()) out += " / ";
        out += l;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    std::string error;
    if (!parseOptions(argc, argv, o, error)) return usageError(error);
    if (o.help) {
        std::cout << kUsage;
        return 0;
    }
    if (o.version) {
        std::cout << kProgram << " " << TARNWICK_VERSION << "\n";
        return 0;
    }
    const auto started = std::chrono::steady_clock::now();
    const std::string root = absolutePath(o.root.empty() ? "." : o.root);
    const std::string checker = o.checker.empty() ? defaultChecker() : o.checker;
    if (access(checker.c_str(), X_OK) != 0) return usageError("cannot run the checker '" + checker + "'");

    Baseline baseline;
    if (!o.baseline.empty()) {
        std::string text;
        if (!readFile(o.baseline, text)) return usageError("cannot read the baseline '" + o.baseline + "'");
        if (!parseBaseline(text, baseline, error)) return usageError("baseline '" + o.baseline + "': " + error);
    }

    std::vector<std::string> missing;
    const std::vector<std::string> files = selectFiles(o.paths, o.selection, missing);
    if (!missing.empty()) return usageError("no such file or directory: '" + missing.front() + "'");

    const int jobs = o.jobs > 0 ? o.jobs : cpuCount();
    const bool showProgress = o.progress && !o.quiet && isatty(STDERR_FILENO);
    std::set<Finding> found;
    std::vector<Failure> failures;
    size_t done = 0;
    auto drawProgress = [&]() {
        if (!showProgress) return;
        std::fprintf(stderr, "\r\033[K[%zu/%zu] %zu finding%s", done, files.size(), found.size(),
                     found.size() == 1 ? "" : "s");
        if (!failures.empty()) std::fprintf(stderr, ", %zu not checked", failures.size());
        std::fflush(stderr);
    };

    CheckerPool pool(checker, jobs, o.timeout);
    if (o.checker.empty() && o.batch) {
        const std::string server = checker.substr(0, checker.rfind('/') + 1) + "tarnwick-batch";
        if (access(server.c_str(), X_OK) == 0) pool.useBatchServer(server);
    }
    const bool completed = pool.run(
        files,
        [&](size_t index, FileRun&& run) {
            ++done;
            if (run.end == FileRun::End::Interrupted) return;
            ParsedOutput parsed = parseCheckerOutput(run.output);
            for (Finding& f : parsed.findings) {
                // A shared include's finding, seen in several runs, keeps the
                // earliest section any run gave it, whatever order runs end in.
                auto hit = found.find(f);
                if (hit != found.end() && hit->section <= f.section) continue;
                if (hit != found.end()) found.erase(hit);
                found.insert(std::move(f));
            }
            std::string reason = describeAbnormalEnd(run, o.timeout);
            if (reason.empty()) {
                if (run.code >= 1 && run.code <= 4) {
                    reason = "the checker stopped with status " + std::to_string(run.code);
                    if (!parsed.otherLines.empty()) reason += ": " + firstLines(parsed.otherLines);
                } else if (!parsed.otherLines.empty()) {
                    reason = "the checker wrote: " + firstLines(parsed.otherLines);
                } else if (run.code >= 5 && parsed.findings.empty()) {
                    reason = "the checker ended with status " + std::to_string(run.code) + " but reported nothing";
                }
            }
            if (!reason.empty()) {
                if (showProgress) std::fprintf(stderr, "\r\033[K");
                std::cerr << kProgram << ": " << files[index] << ": " << reason << "\n";
                // Named as the checker names files, so that reports group it with them.
                failures.push_back({absolutePath(files[index]), reason});
            }
            drawProgress();
        },
        drawProgress);
    if (showProgress) std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);

    Report report;
    report.filesChecked = files.size();
    report.failures = failures;
    report.findings.assign(found.begin(), found.end());
    finalise(report.findings);
    const size_t total = report.findings.size();

    if (!o.writeBaseline.empty()) {
        std::ofstream out(o.writeBaseline, std::ios::binary);
        out << baselineText(report.findings, root);
        out.close();
        if (!out) {
            std::cerr << kProgram << ": cannot write the baseline '" << o.writeBaseline << "'\n";
            return 2;
        }
        report.findings.clear();
    }
    BaselineResult filtered;
    if (!o.baseline.empty()) {
        filtered = applyBaseline(report.findings, baseline, root);
        report.findings = filtered.remaining;
    }

    std::ofstream file;
    if (!o.output.empty()) {
        file.open(o.output, std::ios::binary);
        if (!file) {
            std::cerr << kProgram << ": cannot write '" << o.output << "'\n";
            return 2;
        }
    }
    std::ostream& out = o.output.empty() ? std::cout : file;
    switch (o.format) {
    case Format::Plain: writePlain(out, report); break;
    case Format::Checkstyle: writeCheckstyle(out, report); break;
    case Format::Json: writeJson(out, report, TARNWICK_VERSION); break;
    case Format::CodeQuality: writeCodeQuality(out, report, root); break;
    }
    out.flush();
    if (!out) {
        std::cerr << kProgram << ": cannot write the report\n";
        return 2;
    }

    if (!o.quiet) {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::set<std::string> filesWithFindings;
        std::map<std::string, std::pair<size_t, const Kind*>> byKind;
        for (const Finding& f : report.findings) {
            filesWithFindings.insert(f.file);
            const Kind& k = kindOf(f.message);
            auto& slot = byKind[k.id];
            ++slot.first;
            slot.second = &k;
        }
        std::fprintf(stderr, "%s: %zu file%s checked in %.1f s (%d job%s): ", kProgram, files.size(),
                     files.size() == 1 ? "" : "s", seconds, jobs, jobs == 1 ? "" : "s");
        if (!o.writeBaseline.empty()) {
            std::fprintf(stderr, "baseline of %zu finding%s written to %s\n", total, total == 1 ? "" : "s",
                         o.writeBaseline.c_str());
        } else {
            std::fprintf(stderr, "%zu finding%s in %zu file%s\n", report.findings.size(),
                         report.findings.size() == 1 ? "" : "s", filesWithFindings.size(),
                         filesWithFindings.size() == 1 ? "" : "s");
            std::vector<std::pair<size_t, const Kind*>> kinds;
            for (const auto& entry : byKind) kinds.push_back(entry.second);
            std::stable_sort(kinds.begin(), kinds.end(),
                             [](const auto& a, const auto& b) { return a.first > b.first; });
            for (const auto& [count, kind] : kinds) std::fprintf(stderr, "%8zu  %s\n", count, kind->label);
        }
        if (!o.baseline.empty())
            std::fprintf(stderr, "%s: %zu finding%s hidden by the baseline, %zu baseline entr%s no longer found\n",
                         kProgram, filtered.hidden, filtered.hidden == 1 ? "" : "s", filtered.stale,
                         filtered.stale == 1 ? "y" : "ies");
        if (!failures.empty())
            std::fprintf(stderr, "%s: %zu file%s could not be checked\n", kProgram, failures.size(),
                         failures.size() == 1 ? "" : "s");
    }
    if (!completed) {
        std::cerr << kProgram << ": interrupted\n";
        return 2;
    }
    if (!failures.empty()) return 2;
    if (o.writeBaseline.empty() && !report.findings.empty()) return 1;
    return 0;
}
