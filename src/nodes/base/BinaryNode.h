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

    // Final: they walk the chain of left operands for every node on it.
    void link() final;
    void check() final;
    Value evaluate() final;
    Value staticValue() final;
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
    // `acc` becomes `apply(acc, r)`; an operator may do it in place.
    virtual void applyInto(Value& acc, const Value& r) const { acc = apply(acc, r); }
    virtual ResultRule resultRule() const = 0;

public:
    // Whether a node of this kind is one of the operators built on this base.
    static bool isBinaryKind(int kind);

private:
    class Spine;
    Type* resultType() const;
    Value compute(bool statically);
};

}  // namespace php
