#pragma once
#include <cstdio>
#include <vector>

namespace php {

class Greska;

// Exit status for a number of printed report lines: 0 for none, otherwise
// 256 - n, kept above the start-up codes 1 to 4.
int exitStatusFor(int printedLines);

// Sorts both lists (file, line, text), prints them to `out` skipping empty
// texts and consecutive repeats, and returns the number of lines printed.
int printReport(std::vector<Greska*>& syntax, std::vector<Greska*>& semantic, FILE* out);

}  // namespace php
