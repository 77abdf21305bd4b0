#pragma once
#include "tree/ParserBase.h"

namespace php {

// `exit`, `exit()` or `exit(x)`. It ends a statement list, but its flow state
// stays open and it does not count as always leaving.
class ExitNaredba : public ParserBase {
public:
    ParserBase* operand = nullptr;

    ExitNaredba(const char* keyword, const Location& keywordLocation);
    ExitNaredba(const char* keyword, const Location& keywordLocation, const char* open,
                const Location& openLocation, const char* close, const Location& closeLocation);
    ExitNaredba(const char* keyword, const Location& keywordLocation, const char* open,
                const Location& openLocation, ParserBase* operand, const char* close,
                const Location& closeLocation);
    ~ExitNaredba() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    int kind() const override { return 59; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isTerminator() override { return true; }
};

}  // namespace php
