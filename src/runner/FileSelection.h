#pragma once
#include <string>
#include <vector>

namespace runner {

struct Selection {
    std::vector<std::string> extensions{"php"};  // without the dot, compared case-insensitively
    std::vector<std::string> excludes;           // shell patterns
};

// True when `path` (as the walk spells it) is excluded: a pattern without a
// '/' is matched against the last component, one with a '/' against the
// whole path, with '*' crossing '/', and with a leading "./" ignored.
bool isExcluded(const std::string& path, const std::vector<std::string>& excludes);

bool hasExtension(const std::string& path, const std::vector<std::string>& extensions);

// The files to check under `roots`, sorted, each once. A file named directly
// is always checked; directories are walked for files with one of the
// extensions, skipping excluded files and directories and not following
// links to directories. Paths that do not exist go to `missing`.
std::vector<std::string> selectFiles(const std::vector<std::string>& roots, const Selection& selection,
                                     std::vector<std::string>& missing);

}  // namespace runner
