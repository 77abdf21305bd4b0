#include "driver/RunState.h"

namespace php {

RunState* runState() {
    static RunState* state = new RunState();
    return state;
}

}  // namespace php
