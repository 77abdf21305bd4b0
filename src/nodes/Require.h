#pragma once
#include "nodes/IncludeNode.h"

namespace php {

// `require path`: a file read before is reported.
class Require : public IncludeNode {
public:
    Require(const char* keyword, const Location& keywordLocation, ParserBase* path);

    int kind() const override { return 163; }
};

}  // namespace php
