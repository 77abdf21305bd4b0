#include "tree/Start.h"

#include "model/SymbolTable.h"

namespace php {

std::vector<ParserBase*>& roots() {
    static std::vector<ParserBase*>* v = new std::vector<ParserBase*>();
    return *v;
}

ParserBase* rootAt(size_t index) { return roots()[index]; }

void releaseCurrentRoot() {
    auto& r = roots();
    if (r.empty()) return;
    ParserBase* first = r.front();
    r.erase(r.begin());
    delete first;
}

Start::Start(ParserBase* statementList)
    : ParserBase(statementList), statements(adopt(statementList)), scope(new SymbolTable()) {
    roots().push_back(this);
}

// The scope is left alive: symbols registered in it may still be referred to.
Start::~Start() { delete statements; }

void Start::link() { linkChild(statements); }

void Start::check() { checkAndAbsorb(statements); }

Value Start::evaluate() { return Value(); }

ParserBase* Start::unwrap() {
    ParserBase* inner = statements;
    statements = nullptr;
    if (inner) inner->fileName = fileName;
    delete this;
    return inner;
}

void Start::computeFlow() { adoptFlow(statements); }

void Start::collectChildren(std::vector<ParserBase*>& out) {
    if (statements) out.push_back(statements);
}

ParserBase* Start::includedBy(const std::string& fullPath) const {
    auto it = includedFiles.find(fullPath);
    return it == includedFiles.end() ? nullptr : it->second;
}

void Start::enterIncluded(const std::string& fullPath, ParserBase* node) {
    includedFiles[fullPath] = node;
}

}  // namespace php
