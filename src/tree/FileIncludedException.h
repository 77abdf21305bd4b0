#pragma once
#include "tree/Exception.h"

namespace php {

class ParserBase;

// The file was read before in this run; `node` read it first (an include node,
// or the user file's root).
class FileIncludedException : public Exception {
public:
    ParserBase* node;

    explicit FileIncludedException(ParserBase* node) : node(node) {}
};

}  // namespace php
