#include "nodes/Require.h"

namespace php {

Require::Require(const char*, const Location& keywordLocation, ParserBase* p)
    : IncludeNode(keywordLocation, p, false) {}

}  // namespace php
