#include "nodes/RequireOnce.h"

namespace php {

RequireOnce::RequireOnce(const char*, const Location& keywordLocation, ParserBase* p)
    : IncludeNode(keywordLocation, p, true) {}

}  // namespace php
