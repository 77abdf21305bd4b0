#pragma once
#include <cstdio>
#include <string>

namespace php {

// Analysing many user files in one process (the fuzz targets): the
// definitions are read once, and what one user file leaves behind is dropped
// before the next, so each analysis prints what the executable would print.
//
// Reads the definitions beside `executable` and remembers the state after
// them; false when they cannot be read.
bool startInProcessRuns(const std::string& executable);

// Analyses one user file, prints the report to `out` and returns the exit
// status, then forgets the diagnostics, roots and per-run tables it left.
int analyseInProcess(const std::string& path, std::FILE* out);

}  // namespace php
