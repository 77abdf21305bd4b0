#include "nodes/Include.h"

namespace php {

Include::Include(const char*, const Location& keywordLocation, ParserBase* p)
    : IncludeNode(keywordLocation, p, false) {}

}  // namespace php
