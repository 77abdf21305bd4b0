#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Writes `size` bytes to `name` in the fuzzer's own scratch directory and
// returns the full path.
std::string writeScratch(const char* name, const uint8_t* data, size_t size);

// Analyses the user file at `path` in-process, on a thread with the stack the
// executable gives its passes; the report goes nowhere.
void analyse(const std::string& path);

}  // namespace fuzz
