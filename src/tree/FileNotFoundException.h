#pragma once
#include "tree/Exception.h"

namespace php {

// The path has no full form, or the file cannot be opened (a directory cannot).
class FileNotFoundException : public Exception {};

}  // namespace php
