#include "nodes/Izraz.h"

#include "nodes/Promenljiva.h"

namespace php {

// A kept Izraz is transparent: it carries the variable's type and value.
ParserBase* Izraz::unwrap() {
    if (inner && inner->kind() == 157) return this;  // a Promenljiva (nothing derives from it)
    return WrapperNode::unwrap();
}

}  // namespace php
