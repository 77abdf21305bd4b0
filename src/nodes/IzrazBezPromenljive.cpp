#include "nodes/IzrazBezPromenljive.h"

namespace php {

IzrazBezPromenljive::IzrazBezPromenljive(const char*, const Location& openLocation, ParserBase* x,
                                         const char*, const Location&)
    : WrapperNode(x, openLocation) {}

}  // namespace php
