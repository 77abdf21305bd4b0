#include "nodes/IncludeOnce.h"

namespace php {

IncludeOnce::IncludeOnce(const char*, const Location& keywordLocation, ParserBase* p)
    : IncludeNode(keywordLocation, p, true) {}

}  // namespace php
