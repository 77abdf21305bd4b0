#pragma once
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// A sequence of statements: a file's top level, a block, a case body.
class ListaNaredbi : public ParserBase {
public:
    std::vector<ParserBase*> items;
    bool alwaysLeavesFlag = false;
    // Index of the first statement appended at file level (none: past the end).
    std::size_t firstAppended = static_cast<std::size_t>(-1);

    // ListaNaredbi Naredba; the list is null for the first statement.
    ListaNaredbi(ParserBase* list, ParserBase* statement);
    ~ListaNaredbi() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 110;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool alwaysLeaves() override { return alwaysLeavesFlag; }

    // Appends a statement list read for "__autoload" as further file-level
    // code: linked once with this list as parent, keeping its own file name,
    // and checked when this list's check reaches it.
    void appendAtFileLevel(ParserBase* statements);
};

}  // namespace php
