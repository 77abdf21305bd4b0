#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

class Greska;

// What include, include_once, require and require_once share: the path is
// worked out statically, the file found and parsed, and its top-level
// statements grafted below the node.
class IncludeNode : public ParserBase {
public:
    ParserBase* path = nullptr;
    ParserBase* included = nullptr;  // the included file's statement list

    ~IncludeNode() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }

protected:
    // `once`: a file read before is skipped silently instead of reported.
    IncludeNode(const Location& keywordLocation, ParserBase* path, bool once);

private:
    const bool once;
    // Inside the body of an "__autoload" function; fixed in link.
    bool autoloadBody = false;
    // A file was found and read for this node, even one without statements.
    bool fileRead = false;
    // Reports of the first pass, withdrawn when the second works the path out.
    struct LinkReport {
        Greska* report;
        size_t index;  // where it was appended; earlier erasures only lower it
    };
    std::vector<LinkReport> linkReports;

    bool findAutoloadBody() const;
    Start* findAndRead(bool inLink);
    Start* read(const std::string& candidate);
    void graft(Start* root);
    void appendToUserFile(Start* root);
    void report(Greska* finding, bool inLink);
    void reportRepeat(const std::string& candidate, const ParserBase* first, bool inLink);
    void withdrawLinkReports();
};

}  // namespace php
