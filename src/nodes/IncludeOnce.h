#pragma once
#include "nodes/IncludeNode.h"

namespace php {

// `include_once path`: a file read before is skipped silently.
class IncludeOnce : public IncludeNode {
public:
    IncludeOnce(const char* keyword, const Location& keywordLocation, ParserBase* path);

    int kind() const override { return 77; }
};

}  // namespace php
