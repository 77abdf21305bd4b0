#include "tree/IncludeHost.h"

#include "tree/FileIncludedException.h"
#include "tree/FileNotFoundException.h"
#include "tree/ParserBase.h"
#include "tree/Start.h"

namespace php {

IncludeHost& includeHost() {
    static IncludeHost* host = new IncludeHost();
    return *host;
}

namespace {

// Closes the stream however the parse ends (memory may run out inside it).
struct StreamCloser {
    std::FILE* stream;
    ~StreamCloser() { std::fclose(stream); }
};

}  // namespace

Start* ParserBase::parseIncludedFile(const std::string& path) {
    IncludeHost& host = includeHost();
    std::vector<ParserBase*>& all = roots();
    const size_t before = all.size();
    auto* user = before > 0 ? dynamic_cast<Start*>(all[0]) : nullptr;

    std::string full;
    if (!host.fullPath || !host.fullPath(path, full)) throw FileNotFoundException();
    if (user)
        if (ParserBase* first = user->includedBy(full)) throw FileIncludedException(first);
    std::FILE* stream = host.open ? host.open(full) : nullptr;
    if (!stream) throw FileNotFoundException();
    // Entered before the parse, so a file that includes itself meets its entry.
    if (user) user->enterIncluded(full, this);
    {
        StreamCloser closer{stream};
        if (host.parse) host.parse(stream, full);
    }
    if (all.size() <= before) return nullptr;
    auto* root = static_cast<Start*>(all[before]);
    root->fileName = full;
    if (before > 0) all.erase(all.begin() + static_cast<std::ptrdiff_t>(before));
    return root;
}

}  // namespace php
