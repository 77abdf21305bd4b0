#pragma once
#include <string>
#include <vector>

namespace runner {

// One finding as the checker prints it: "file(line): message", where the
// message may go on over further lines that begin with a tab.
struct Finding {
    std::string file;
    long line = 0;
    std::string message;  // without the location prefix; "\n" joins continuation lines
    int occurrence = 0;   // index among the findings with the same file and message, by line
    // 0, or 1 for what the checker printed after its list of syntax findings
    // (its second sorted run): the plain report keeps that order.
    int section = 0;

    std::string rendered() const;  // the checker's own text, without a final newline
    bool operator<(const Finding& o) const;  // file, line, then text, byte-wise
    bool operator==(const Finding& o) const {
        return line == o.line && file == o.file && message == o.message;
    }
};

// What the checker wrote to standard error, split into findings and lines
// that are not findings (start-up errors, the out-of-memory notice).
struct ParsedOutput {
    std::vector<Finding> findings;
    std::vector<std::string> otherLines;
};

ParsedOutput parseCheckerOutput(const std::string& text);

// Splits one line into location and message; false when it has no
// "(line): " location. Where the line has several, the first whose file part
// names an existing file wins, else the first.
bool parseFindingLine(const std::string& line, Finding& out);

// The kind of a message: a stable identifier and a label with the variable
// parts left out, used for the summary, the Checkstyle source and the
// code-quality check name.
struct Kind {
    const char* id;
    const char* label;
    const char* severity;  // "error" or "warning"
};
const Kind& kindOf(const std::string& message);

}  // namespace runner
