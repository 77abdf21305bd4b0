#pragma once
#include "tree/ParserBase.h"

namespace php {

// Base of the unary operators and casts: one child, `operand`. Each states
// only its Value operation and its result type.
class UnaryNode : public ParserBase {
public:
    ParserBase* operand = nullptr;

    ~UnaryNode() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

protected:
    UnaryNode(ParserBase* operand, const Location& loc);

    // The result from the operand's Value, which the operation may consume.
    virtual Value apply(Value& x) const = 0;
    // The static type, given the operand's (possibly null) static type.
    virtual Type* resultType(Type* operandType) const = 0;

    // A cast's operation: the operand converted, its initialised flag kept.
    static Value converted(Value& x, Type* target) {
        x.convertTo(target);
        return std::move(x);
    }

private:
    Value compute(bool statically);
};

}  // namespace php
