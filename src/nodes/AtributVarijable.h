#pragma once
#include "tree/ParserBase.h"

namespace php {

// One "->name" or "->name(args)" step of an object chain.
class AtributVarijable : public ParserBase {
public:
    ParserBase* attribute = nullptr;  // an AtributObjekta
    ParserBase* arguments = nullptr;  // an ArgumentiFunkcije, only for a method call

    AtributVarijable(const char* arrow, const Location& loc, ParserBase* attribute, ParserBase* arguments);
    ~AtributVarijable() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 6;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override;
};

}  // namespace php
