#include <gtest/gtest.h>

#include "tree/HugePages.h"

using php::askForHugePages;

// The settings as the kernel's files read them, the chosen value in brackets.
TEST(HugePages, AskedOnlyWhereTheyWouldNotComeAnywayAndCannotStall) {
    const char* enabledMadvise = "always [madvise] never";
    EXPECT_TRUE(askForHugePages(enabledMadvise, "always defer defer+madvise madvise [never]"));
    EXPECT_TRUE(askForHugePages(enabledMadvise, "always [defer] defer+madvise madvise never"));
    // Synchronous compaction for regions that asked: a run can stall.
    EXPECT_FALSE(askForHugePages(enabledMadvise, "always defer defer+madvise [madvise] never"));
    EXPECT_FALSE(askForHugePages(enabledMadvise, "always defer [defer+madvise] madvise never"));
    EXPECT_FALSE(askForHugePages(enabledMadvise, "[always] defer defer+madvise madvise never"));
    // Given without asking, or not at all; no such files.
    EXPECT_FALSE(askForHugePages("[always] madvise never", "always [defer] defer+madvise madvise never"));
    EXPECT_FALSE(askForHugePages("always madvise [never]", "always defer defer+madvise madvise [never]"));
    EXPECT_FALSE(askForHugePages("", ""));
}
