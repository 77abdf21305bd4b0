#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "tree/HugePages.h"
#include "tree/NodePool.h"

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

// Far more blocks than one chunk holds, so most come from chunks another
// thread prepared: every block is writable, and no two overlap (each keeps
// the pattern written into it).
TEST(NodePool, BlocksFromPreparedChunksAreDistinctAndWritable) {
    constexpr std::size_t Size = 504;
    constexpr std::size_t Count = 48 * 1024 * 1024 / Size;
    const long before = php::pooledBlocksInUse();
    std::vector<unsigned char*> blocks;
    blocks.reserve(Count);
    for (std::size_t i = 0; i < Count; ++i) {
        auto* b = static_cast<unsigned char*>(php::allocateNode(Size));
        std::memset(b, static_cast<int>(i * 31 % 251), Size);
        blocks.push_back(b);
    }
    std::size_t damaged = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        const auto expected = static_cast<unsigned char>(i * 31 % 251);
        if (blocks[i][0] != expected || blocks[i][Size - 1] != expected) ++damaged;
    }
    EXPECT_EQ(damaged, 0u);
    for (unsigned char* b : blocks) php::releaseNode(b, Size);
    EXPECT_EQ(php::pooledBlocksInUse(), before);
}
