#pragma once
#include "tree/ParserBase.h"

namespace php {

// Base of the binary operators: two operands, `left` and `right`. Each
// operator states only its Value operation and which result-type rule it
// follows; linking, checking, flow and the evaluation order live here.
class BinaryNode : public ParserBase {
public:
    ParserBase* left = nullptr;
    ParserBase* right = nullptr;

    ~BinaryNode() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

protected:
    // How the static type follows from the operands' static types.
    enum class ResultRule {
        Arithmetic,  // float when either operand is float, else integer
        Bitwise,     // string when both operands are strings, else integer
        Integer,
        Boolean,
        String,
    };

    BinaryNode(ParserBase* left, const Location& opLocation, ParserBase* right);

    virtual Value apply(const Value& l, const Value& r) const = 0;
    virtual ResultRule resultRule() const = 0;

private:
    Type* resultType() const;
    Value compute(bool statically);
};

}  // namespace php
