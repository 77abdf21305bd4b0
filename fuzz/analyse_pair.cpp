// One input is two PHP files: the text before the first separator line is the
// user's file, which first includes "inc.php", the text after it is inc.php.
// Without a separator, the user's file is empty.
#include <cstring>
#include <string>

#include "FuzzRun.h"

namespace {

const char kSeparator[] = "\n//--inc.php\n";
const char kPrefix[] = "<?php include 'inc.php'; ?>";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t at = input.find(kSeparator);
    std::string first, second;
    if (at == std::string::npos) {
        second = input;
    } else {
        first = input.substr(0, at);
        second = input.substr(at + std::strlen(kSeparator));
    }
    first.insert(0, kPrefix);
    fuzz::writeScratch("inc.php", reinterpret_cast<const uint8_t*>(second.data()), second.size());
    fuzz::analyse(fuzz::writeScratch("case.php", reinterpret_cast<const uint8_t*>(first.data()), first.size()));
    return 0;
}
