#pragma once
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "runner/Finding.h"

namespace runner {

// A checked file whose run did not end with the checker's own report.
struct Failure {
    std::string file;
    std::string reason;
};

struct Report {
    std::vector<Finding> findings;  // sorted, each once
    std::vector<Failure> failures;
    size_t filesChecked = 0;
};

// Sorts, drops repeats and numbers the occurrences of each file and
// line-free message.
void finalise(std::vector<Finding>& findings);

// `path` relative to `root` when it lies under it, else unchanged; every
// "root/" inside a message is dropped the same way.
std::string relativePath(const std::string& path, const std::string& root);
std::string relativeMessage(const std::string& message, const std::string& root);

// The message as a baseline and a fingerprint know it: relative paths, and
// the lines of second locations ("\n\tfile(12): Declaration of 'f'") left
// out as "(?)", so that moving a declaration does not change it.
std::string lineFreeMessage(const std::string& message, const std::string& root);

// 32 hex digits naming a finding by its file, message and occurrence, not by
// its line, so that it survives edits above it.
std::string fingerprint(const Finding& f, const std::string& root);

// Text made valid UTF-8: bytes that are not part of a valid sequence are read
// as Latin-1.
std::string toUtf8(const std::string& s);
std::string jsonString(const std::string& s);
std::string xmlAttribute(const std::string& s);

void writePlain(std::ostream& out, const Report& r);
void writeCheckstyle(std::ostream& out, const Report& r);
void writeJson(std::ostream& out, const Report& r, const std::string& version);
void writeCodeQuality(std::ostream& out, const Report& r, const std::string& root);

// Baseline: how many findings each (file, message) pair had, paths relative
// to the root.
using Baseline = std::map<std::pair<std::string, std::string>, size_t>;
std::string baselineText(const std::vector<Finding>& findings, const std::string& root);
bool parseBaseline(const std::string& text, Baseline& out, std::string& error);
struct BaselineResult {
    std::vector<Finding> remaining;
    size_t hidden = 0;
    size_t stale = 0;  // findings the baseline lists that no longer occur
};
// Keeps, of each (file, message) pair with n findings and c in the baseline,
// the last n - c by line.
BaselineResult applyBaseline(const std::vector<Finding>& findings, const Baseline& baseline,
                             const std::string& root);

}  // namespace runner
