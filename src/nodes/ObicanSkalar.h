#pragma once
#include "tree/ParserBase.h"

namespace php {

// A literal number or string, or one of the magic constants __LINE__,
// __FILE__, __CLASS__, __FUNCTION__ and __METHOD__. Its value is read from the
// token when the node is built; the magic names other than __LINE__ are filled
// in during link, once the file and the enclosing declarations are known.
class ObicanSkalar : public ParserBase {
public:
    Value value;
    char magic = 0;  // 'F' __FILE__, 'C' __CLASS__, 'U' __FUNCTION__, 'M' __METHOD__

    ObicanSkalar(const char* text, const Location& location);

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 133; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
};

}  // namespace php
