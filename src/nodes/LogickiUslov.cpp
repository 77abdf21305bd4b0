#include "nodes/LogickiUslov.h"

namespace php {

LogickiUslov::LogickiUslov(const char*, const Location& openLocation, ParserBase* x, const char*,
                           const Location&)
    : WrapperNode(x, openLocation) {}

}  // namespace php
