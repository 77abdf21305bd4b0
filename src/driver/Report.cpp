#include "driver/Report.h"

#include <algorithm>
#include <string>

#include "diagnostics/Greska.h"

namespace php {

int exitStatusFor(int printedLines) {
    if (printedLines <= 0) return 0;
    return 256 - std::min(printedLines, 251);
}

namespace {

struct Rendered {
    const Greska* diagnostic;
    std::string text;
};

// Renders each diagnostic once, then sorts by file, line and text.
std::vector<Rendered> sortedTexts(const std::vector<Greska*>& list) {
    std::vector<Rendered> out;
    out.reserve(list.size());
    for (const Greska* g : list) out.push_back({g, g->render()});
    std::sort(out.begin(), out.end(), [](const Rendered& a, const Rendered& b) {
        if (a.diagnostic->file != b.diagnostic->file) return a.diagnostic->file < b.diagnostic->file;
        if (a.diagnostic->line != b.diagnostic->line) return a.diagnostic->line < b.diagnostic->line;
        return a.text < b.text;
    });
    return out;
}

int printList(const std::vector<Greska*>& list, std::string& last, bool& anyPrinted, FILE* out) {
    int count = 0;
    for (const Rendered& r : sortedTexts(list)) {
        if (r.text.empty()) continue;
        if (anyPrinted && r.text == last) continue;
        std::fwrite(r.text.data(), 1, r.text.size(), out);
        std::fputc('\n', out);
        std::fflush(out);
        last = r.text;
        anyPrinted = true;
        ++count;
    }
    return count;
}

}  // namespace

int printReport(std::vector<Greska*>& syntax, std::vector<Greska*>& semantic, FILE* out) {
    std::string last;
    bool anyPrinted = false;
    int count = printList(syntax, last, anyPrinted, out);
    count += printList(semantic, last, anyPrinted, out);
    return count;
}

}  // namespace php
