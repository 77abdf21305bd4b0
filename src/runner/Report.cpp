#include "runner/Report.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace runner {

void finalise(std::vector<Finding>& findings) {
    std::sort(findings.begin(), findings.end());
    findings.erase(std::unique(findings.begin(), findings.end()), findings.end());
    std::map<std::pair<std::string, std::string>, int> seen;
    for (Finding& f : findings) f.occurrence = seen[{f.file, lineFreeMessage(f.message, "")}]++;
}

std::string relativePath(const std::string& path, const std::string& root) {
    if (root.empty() || root == "/") return root == "/" && !path.empty() && path[0] == '/' ? path.substr(1) : path;
    if (path.size() > root.size() && path.compare(0, root.size(), root) == 0 && path[root.size()] == '/')
        return path.substr(root.size() + 1);
    return path;
}

std::string relativeMessage(const std::string& message, const std::string& root) {
    if (root.empty() || root == "/") return message;
    const std::string prefix = root + "/";
    std::string out;
    size_t pos = 0;
    for (size_t hit; (hit = message.find(prefix, pos)) != std::string::npos; pos = hit + prefix.size())
        out.append(message, pos, hit - pos);
    out.append(message, pos, std::string::npos);
    return out;
}

std::string lineFreeMessage(const std::string& message, const std::string& root) {
    std::string m = relativeMessage(message, root);
    size_t pos = m.find('\n');
    while (pos != std::string::npos) {
        size_t end = m.find('\n', pos + 1);
        Finding loc;
        std::string line = m.substr(pos + 1, end == std::string::npos ? std::string::npos : end - pos - 1);
        if (parseFindingLine(line, loc)) {
            std::string replaced = loc.file + "(?): " + loc.message;
            m.replace(pos + 1, line.size(), replaced);
            end = pos + 1 + replaced.size();
            if (end >= m.size()) end = std::string::npos;
        }
        pos = end;
    }
    return m;
}

namespace {

uint64_t fnv1a(const std::string& s, uint64_t h) {
    for (unsigned char c : s) {
        h ^= c;
        h *= 0x100000001b3ULL;
    }
    return h;
}

const char* codeQualitySeverity(const Finding& f) {
    if (f.message.compare(0, 9, "[PARSER] ") == 0) return "critical";
    return std::string(kindOf(f.message).severity) == "warning" ? "minor" : "major";
}

std::string escapeBaselineField(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

bool unescapeBaselineField(const std::string& s, std::string& out) {
    out.clear();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) return false;
        if (s[i] == '\\') out += '\\';
        else if (s[i] == 't') out += '\t';
        else if (s[i] == 'n') out += '\n';
        else return false;
    }
    return true;
}

const char* kBaselineHeader = "# tarnwick-tree baseline 1";

}  // namespace

std::string fingerprint(const Finding& f, const std::string& root) {
    const std::string key = relativePath(f.file, root) + '\0' + lineFreeMessage(f.message, root) + '\0' +
                            std::to_string(f.occurrence);
    char buf[33];
    std::snprintf(buf, sizeof buf, "%016llx%016llx",
                  static_cast<unsigned long long>(fnv1a(key, 0xcbf29ce484222325ULL)),
                  static_cast<unsigned long long>(fnv1a(key, 0x84222325cbf29ce4ULL)));
    return buf;
}

std::string toUtf8(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool valid = len > 0 && i + len <= s.size();
        for (size_t k = 1; valid && k < len; ++k)
            valid = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (valid && len > 1) {
            // Reject overlong forms, surrogates and values past U+10FFFF.
            uint32_t cp = c & (0x7F >> len);
            for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
            static const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
            valid = cp >= least[len] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        }
        if (valid) {
            out.append(s, i, len);
            i += len;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
            ++i;
        }
    }
    return out;
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (char ch : toUtf8(s)) {
        unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

std::string xmlAttribute(const std::string& s) {
    std::string out;
    for (char ch : toUtf8(s)) {
        unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "&#10;"; break;
        case '\t': out += "&#9;"; break;
        case '\r': out += "&#13;"; break;
        default:
            if (c < 0x20) out += "\xEF\xBF\xBD";  // not allowed in XML 1.0 at all
            else out += ch;
        }
    }
    return out;
}

void writePlain(std::ostream& out, const Report& r) {
    // As the checker prints: the syntax findings first, each run in order.
    std::vector<const Finding*> order;
    order.reserve(r.findings.size());
    for (const Finding& f : r.findings) order.push_back(&f);
    std::stable_sort(order.begin(), order.end(),
                     [](const Finding* a, const Finding* b) { return a->section < b->section; });
    for (const Finding* f : order) out << f->rendered() << '\n';
}

void writeCheckstyle(std::ostream& out, const Report& r) {
    std::map<std::string, std::vector<std::string>> byFile;
    for (const Finding& f : r.findings) {
        const Kind& k = kindOf(f.message);
        byFile[f.file].push_back("<error line=\"" + std::to_string(std::max(f.line, 1L)) + "\" severity=\"" +
                                 k.severity + "\" message=\"" + xmlAttribute(f.message) + "\" source=\"tarnwick." +
                                 k.id + "\"/>");
    }
    for (const Failure& f : r.failures)
        byFile[f.file].push_back("<error line=\"1\" severity=\"error\" message=\"" + xmlAttribute(f.reason) +
                                 "\" source=\"tarnwick-tree.run\"/>");
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<checkstyle version=\"4.3\">\n";
    for (const auto& [file, errors] : byFile) {
        out << " <file name=\"" << xmlAttribute(file) << "\">\n";
        for (const std::string& e : errors) out << "  " << e << '\n';
        out << " </file>\n";
    }
    out << "</checkstyle>\n";
}

void writeJson(std::ostream& out, const Report& r, const std::string& version) {
    out << "{\n  \"tool\": \"tarnwick-tree\",\n  \"version\": " << jsonString(version)
        << ",\n  \"files_checked\": " << r.filesChecked << ",\n  \"findings\": [";
    const char* sep = "\n";
    for (const Finding& f : r.findings) {
        const Kind& k = kindOf(f.message);
        out << sep << "    {\"file\": " << jsonString(f.file) << ", \"line\": " << f.line
            << ", \"message\": " << jsonString(f.message) << ", \"kind\": \"" << k.id << "\", \"severity\": \""
            << k.severity << "\"}";
        sep = ",\n";
    }
    out << (r.findings.empty() ? "],\n" : "\n  ],\n") << "  \"failures\": [";
    sep = "\n";
    for (const Failure& f : r.failures) {
        out << sep << "    {\"file\": " << jsonString(f.file) << ", \"reason\": " << jsonString(f.reason) << "}";
        sep = ",\n";
    }
    out << (r.failures.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

void writeCodeQuality(std::ostream& out, const Report& r, const std::string& root) {
    out << "[";
    const char* sep = "\n";
    for (const Finding& f : r.findings) {
        out << sep << "  {\"type\": \"issue\", \"check_name\": \"tarnwick." << kindOf(f.message).id
            << "\", \"description\": " << jsonString(f.message) << ", \"categories\": [\"Bug Risk\"]"
            << ", \"severity\": \"" << codeQualitySeverity(f) << "\", \"fingerprint\": \"" << fingerprint(f, root)
            << "\", \"location\": {\"path\": " << jsonString(relativePath(f.file, root))
            << ", \"lines\": {\"begin\": " << std::max(f.line, 1L) << "}}}";
        sep = ",\n";
    }
    out << (r.findings.empty() ? "]\n" : "\n]\n");
}

std::string baselineText(const std::vector<Finding>& findings, const std::string& root) {
    Baseline counts;
    for (const Finding& f : findings) ++counts[{relativePath(f.file, root), lineFreeMessage(f.message, root)}];
    std::string out = std::string(kBaselineHeader) + "\n# count, file and message, tab-separated\n";
    for (const auto& [key, n] : counts)
        out += std::to_string(n) + "\t" + escapeBaselineField(key.first) + "\t" + escapeBaselineField(key.second) + "\n";
    return out;
}

bool parseBaseline(const std::string& text, Baseline& out, std::string& error) {
    size_t pos = 0, lineNo = 0;
    bool headerSeen = false;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (lineNo == 1) {
            if (line != kBaselineHeader) {
                error = "not a baseline file (the first line is not \"" + std::string(kBaselineHeader) + "\")";
                return false;
            }
            headerSeen = true;
            continue;
        }
        if (line.empty() || line[0] == '#') continue;
        size_t t1 = line.find('\t'), t2 = t1 == std::string::npos ? t1 : line.find('\t', t1 + 1);
        std::string file, message;
        size_t count = 0;
        bool ok = t2 != std::string::npos && t1 > 0 && line.find_first_not_of("0123456789") == t1;
        if (ok) {
            count = std::stoul(line.substr(0, t1));
            ok = unescapeBaselineField(line.substr(t1 + 1, t2 - t1 - 1), file) &&
                 unescapeBaselineField(line.substr(t2 + 1), message);
        }
        if (!ok) {
            error = "line " + std::to_string(lineNo) + " is not \"count<TAB>file<TAB>message\"";
            return false;
        }
        out[{file, message}] += count;
    }
    if (!headerSeen) {
        error = "the file is empty";
        return false;
    }
    return true;
}

BaselineResult applyBaseline(const std::vector<Finding>& findings, const Baseline& baseline,
                             const std::string& root) {
    BaselineResult result;
    std::map<std::pair<std::string, std::string>, std::vector<const Finding*>> groups;
    for (const Finding& f : findings) groups[{relativePath(f.file, root), lineFreeMessage(f.message, root)}].push_back(&f);
    std::vector<const Finding*> kept;
    for (const auto& [key, list] : groups) {
        auto it = baseline.find(key);
        size_t known = it == baseline.end() ? 0 : it->second;
        size_t hide = std::min(known, list.size());
        result.hidden += hide;
        for (size_t i = hide; i < list.size(); ++i) kept.push_back(list[i]);  // list is in line order
    }
    for (const auto& [key, known] : baseline) {
        auto it = groups.find(key);
        size_t now = it == groups.end() ? 0 : it->second.size();
        if (known > now) result.stale += known - now;
    }
    for (const Finding* f : kept) result.remaining.push_back(*f);
    std::sort(result.remaining.begin(), result.remaining.end());
    return result;
}

}  // namespace runner
