#include "nodes/MutavaNaredba.h"

namespace php {

MutavaNaredba::MutavaNaredba(const char*, const Location& atLocation, ParserBase* x)
    : WrapperNode(x, atLocation) {}

}  // namespace php
