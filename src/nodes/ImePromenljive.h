#pragma once
#include <string>

#include "tree/ParserBase.h"

namespace php {

// The name after the "$" signs: a plain name, or the braced form "{expr}"
// (then `name` is empty and `inner` is the expression).
class ImePromenljive : public ParserBase {
public:
    InternedText name;  // one per variable occurrence: interned, a pointer
    ParserBase* inner = nullptr;

    explicit ImePromenljive(ParserBase* identifier);
    ImePromenljive(const char* lbrace, const Location& lbraceLocation, ParserBase* expression,
                   const char* rbrace, const Location& rbraceLocation);
    ~ImePromenljive() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 74;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
