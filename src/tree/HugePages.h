#pragma once
#include <string>

namespace php {

// Whether the node pool should ask for transparent huge pages, given the
// kernel's "enabled" and "defrag" settings as their files read (the chosen
// value in brackets). Asking pays only where the kernel would not otherwise
// give them ("enabled" is "madvise"), and is safe only where it then does not
// compact memory synchronously for them ("defrag" is "defer" or "never"):
// compaction at fault time can stall a run ten times over. With "enabled"
// set to "always" the kernel gives them anyway, when it has them free.
bool askForHugePages(const std::string& enabled, const std::string& defrag);

}  // namespace php
