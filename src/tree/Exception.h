#pragma once

namespace php {

// Base of the exceptions the include lookup throws to the include nodes.
class Exception {
public:
    virtual ~Exception() = default;
};

}  // namespace php
