#pragma once
#include "nodes/IncludeNode.h"

namespace php {

// `include path`: a file read before is reported.
class Include : public IncludeNode {
public:
    Include(const char* keyword, const Location& keywordLocation, ParserBase* path);

    int kind() const override { return 76; }
};

}  // namespace php
