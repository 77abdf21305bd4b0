#pragma once
#include <map>
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

// Root of one parsed file: its statements, its own symbol table and, for the
// user's file, the map of files included so far.
class Start : public ParserBase {
public:
    ParserBase* statements = nullptr;
    SymbolTable* scope;
    std::map<std::string, ParserBase*> includedFiles;  // nodes not owned

    explicit Start(ParserBase* statementList);
    ~Start() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    ParserBase* unwrap() override;
    int kind() const override { return 172; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

    ParserBase* includedBy(const std::string& fullPath) const;
    void enterIncluded(const std::string& fullPath, ParserBase* node);
};

// Every Start appends itself here; element 0 is the root being analysed.
std::vector<ParserBase*>& roots();
ParserBase* rootAt(size_t index);
// Deletes element 0 and removes it from the vector.
void releaseCurrentRoot();

}  // namespace php
