// One input is one PHP file, analysed as the executable would analyse it.
#include "FuzzRun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::analyse(fuzz::writeScratch("case.php", data, size));
    return 0;
}
