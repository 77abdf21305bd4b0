#pragma once
#include <string>

namespace php {

// The program: returns the process exit status.
int runTarnwick(int argc, char** argv);

}  // namespace php
