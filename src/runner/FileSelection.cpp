#include "runner/FileSelection.h"

#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <set>
#include <strings.h>
#include <sys/stat.h>

namespace runner {

namespace {

std::string lastComponent(const std::string& path) {
    size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) return path;
    size_t start = path.rfind('/', end);
    return path.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

std::string join(const std::string& dir, const std::string& name) {
    if (!dir.empty() && dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

void walk(const std::string& dir, const Selection& selection, std::vector<std::string>& out) {
    DIR* d = opendir(dir.c_str());
    if (!d) return;
    std::vector<std::string> names;
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string path = join(dir, name);
        if (isExcluded(path, selection.excludes)) continue;
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode)) {
            walk(path, selection, out);
        } else if (hasExtension(name, selection.extensions)) {
            // A link to a regular file is checked; a link to a directory is not followed.
            if (S_ISLNK(st.st_mode) && (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))) continue;
            if (S_ISREG(st.st_mode)) out.push_back(path);
        }
    }
}

}  // namespace

bool isExcluded(const std::string& path, const std::vector<std::string>& excludes) {
    std::string whole = path;
    while (whole.compare(0, 2, "./") == 0) whole.erase(0, 2);
    const std::string name = lastComponent(path);
    for (const std::string& pattern : excludes) {
        if (pattern.find('/') == std::string::npos) {
            if (fnmatch(pattern.c_str(), name.c_str(), 0) == 0) return true;
        } else {
            std::string p = pattern;
            while (p.compare(0, 2, "./") == 0) p.erase(0, 2);
            if (!p.empty() && p.size() > 1 && p.back() == '/') p.pop_back();
            if (fnmatch(p.c_str(), whole.c_str(), 0) == 0) return true;
        }
    }
    return false;
}

bool hasExtension(const std::string& path, const std::vector<std::string>& extensions) {
    const std::string name = lastComponent(path);
    size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return false;
    const std::string ext = name.substr(dot + 1);
    for (const std::string& e : extensions)
        if (strcasecmp(e.c_str(), ext.c_str()) == 0) return true;
    return false;
}

std::vector<std::string> selectFiles(const std::vector<std::string>& roots, const Selection& selection,
                                     std::vector<std::string>& missing) {
    std::vector<std::string> out;
    for (const std::string& root : roots) {
        struct stat st;
        if (stat(root.c_str(), &st) != 0) {
            missing.push_back(root);
        } else if (S_ISDIR(st.st_mode)) {
            walk(root, selection, out);
        } else {
            out.push_back(root);
        }
    }
    // The same file reached twice (named and found by a walk, or two
    // overlapping roots) is checked once.
    std::sort(out.begin(), out.end());
    std::vector<std::string> unique;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const std::string& f : out) {
        struct stat st;
        if (stat(f.c_str(), &st) == 0 && !seen.insert({st.st_dev, st.st_ino}).second) continue;
        unique.push_back(f);
    }
    return unique;
}

}  // namespace runner
