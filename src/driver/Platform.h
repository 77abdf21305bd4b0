#pragma once
#include <cstdio>
#include <string>

namespace php {

// Path of the running executable when the system gives an absolute one;
// otherwise empty.
std::string executablePath();

// Absolute form of `path` against the working directory with "." and ".."
// and repeated separators removed lexically (links are not resolved, the file
// need not exist). False when the result would exceed PATH_MAX.
bool fullPath(const std::string& path, std::string& out);

// Opens a file for reading; a directory counts as a file that cannot be
// opened. Null on failure.
FILE* openForReading(const std::string& path);

}  // namespace php
