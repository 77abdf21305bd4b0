#pragma once
#include <cstdio>
#include <string>

namespace php {

// Reads, links and checks one definitions file (fileName begins with "/")
// from the installation directory; false when it has no full path, cannot be
// opened or yields no root.
bool readDefinitionFile(const std::string& installationDirectory, const std::string& fileName);

// Parses and analyses the file already open as `stream` under `fullPath`
// through both passes, then releases its root unless `release` is false (the
// root stays in roots()). False when it yields no root.
bool analyseRootOf(std::FILE* stream, const std::string& fullPath, bool userFile, bool release = true);

// Parses an open stream under `fullPath` from a fresh scanner state; a root
// it yields is appended to roots().
void parseStream(std::FILE* stream, const std::string& fullPath);

// Lets the include nodes find, open and parse files (idempotent).
void installIncludeHost();

}  // namespace php
