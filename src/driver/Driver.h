#pragma once
#include <cstdio>
#include <string>

namespace php {

// The executable's path when it is absolute, else the TARNWICK_PATH value
// with "tarnwick.exe" appended (no separator added), else empty.
std::string installationPath(const std::string& executable, const char* environment);

// The steps of runTarnwick, for callers that analyse in-process (the fuzz
// targets). Reads the definition files beside `executable` into the built-in
// scope, from their precompiled image when one matches them and `useImage`
// is set; false when a file is missing or unreadable.
bool loadDefinitions(const std::string& executable, bool useImage = true);
// Records the directory of the user's file as the first include directory;
// false when the path has no full form.
bool prepareUserFile(const std::string& argument);
// Analyses the user's file and prints the report to `out`; returns the exit
// status (2 when the file cannot be opened, reported on standard error).
int analyseAndReport(const std::string& argument, std::FILE* out);

// The program: returns the process exit status.
int runTarnwick(int argc, char** argv);

}  // namespace php
