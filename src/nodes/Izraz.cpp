#include "nodes/Izraz.h"

#include "nodes/Promenljiva.h"

namespace php {

// A kept Izraz is transparent: it carries the variable's type and value.
ParserBase* Izraz::unwrap() {
    if (dynamic_cast<Promenljiva*>(inner)) return this;
    return WrapperNode::unwrap();
}

}  // namespace php
