#include "driver/Platform.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace php {

std::string executablePath() {
    std::vector<char> buf(65536);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return std::string();
    std::string path(buf.data(), static_cast<size_t>(n));
    return !path.empty() && path[0] == '/' ? path : std::string();
}

bool fullPath(const std::string& path, std::string& out) {
    std::string absolute;
    if (!path.empty() && path[0] == '/') {
        absolute = path;
    } else {
        std::vector<char> cwd(PATH_MAX + 1);
        if (!getcwd(cwd.data(), cwd.size())) return false;
        absolute = std::string(cwd.data()) + "/" + path;
    }
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= absolute.size()) {
        size_t j = absolute.find('/', i);
        if (j == std::string::npos) j = absolute.size();
        std::string part = absolute.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = j + 1;
    }
    std::string result;
    for (const std::string& p : parts) result += "/" + p;
    if (result.empty()) result = "/";
    if (result.size() > PATH_MAX) return false;
    out = result;
    return true;
}

FILE* openForReading(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return nullptr;
    struct stat st;
    if (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
        std::fclose(f);
        return nullptr;
    }
    return f;
}

}  // namespace php
