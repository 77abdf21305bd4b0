#pragma once
#include "tree/ParserBase.h"

namespace php {

// `new C(args)`.
class NaredbaNew : public ParserBase {
public:
    ParserBase* classRef = nullptr;   // the class-name node
    ParserBase* arguments = nullptr;  // the argument list, absent for `new C`

    NaredbaNew(const char* keyword, const Location& keywordLocation, ParserBase* classRef,
               ParserBase* arguments);
    ~NaredbaNew() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 128; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    bool isCallLike() override { return true; }
};

}  // namespace php
