#pragma once
#include <cstdio>
#include <string>

namespace php {

// What the include lookup needs from outside the tree: full paths, opening
// files and parsing them. The driver installs the real ones; the tree itself
// depends on neither the platform layer nor the parser.
struct IncludeHost {
    // Full form of a path; false when it has none.
    bool (*fullPath)(const std::string& path, std::string& out) = nullptr;
    // An open stream, or null when the file cannot be opened.
    std::FILE* (*open)(const std::string& fullPath) = nullptr;
    // Parses an open stream from a fresh scanner state; a root it yields is
    // appended to roots().
    void (*parse)(std::FILE* stream, const std::string& fullPath) = nullptr;
};

IncludeHost& includeHost();

}  // namespace php
