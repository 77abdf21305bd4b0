#pragma once
#include <string>

namespace php {

// The executable's path when it is absolute, else the TARNWICK_PATH value
// with "tarnwick.exe" appended (no separator added), else empty.
std::string installationPath(const std::string& executable, const char* environment);

// The program: returns the process exit status.
int runTarnwick(int argc, char** argv);

}  // namespace php
