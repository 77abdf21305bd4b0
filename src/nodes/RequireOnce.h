#pragma once
#include "nodes/IncludeNode.h"

namespace php {

// `require_once path`: a file read before is skipped silently.
class RequireOnce : public IncludeNode {
public:
    RequireOnce(const char* keyword, const Location& keywordLocation, ParserBase* path);

    int kind() const override { return 164; }
};

}  // namespace php
