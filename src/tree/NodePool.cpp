#include "tree/NodePool.h"

#include <cstdint>
#include <cstdlib>
#include <condition_variable>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include <sys/mman.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "tree/HugePages.h"

namespace php {

namespace {

// The kernel's setting in a file of /sys/kernel/mm/transparent_hugepage, or
// empty when there is none.
std::string hugePageSetting(const char* name) {
    std::ifstream in(std::string("/sys/kernel/mm/transparent_hugepage/") + name);
    std::string line;
    std::getline(in, line);
    return line;
}

bool hugePagesWanted() {
    static const bool wanted = askForHugePages(hugePageSetting("enabled"), hugePageSetting("defrag"));
    return wanted;
}

// Blocks are 8-byte aligned (no node, set or state needs more), so sizes are
// rounded to 8 bytes rather than 16: a tenth less memory for the nodes.
constexpr std::size_t Granule = 8;
constexpr std::size_t MaxPooled = 512;
constexpr std::size_t Classes = MaxPooled / Granule;
// Chunks are large and asked for as transparent huge pages where the system
// grants them on request: a large file builds hundreds of megabytes of
// nodes, and faulting them in 4 KiB at a time cost a third of the run. The
// first chunk is small so that a tiny file stays small.
constexpr std::size_t FirstChunkSize = 256 * 1024;
constexpr std::size_t ChunkSize = 4 * 1024 * 1024;
constexpr std::size_t HugePage = 2 * 1024 * 1024;
constexpr std::size_t HugeChunks = 32;
std::size_t chunksMade = 0;

// Maps `size` bytes aligned on a huge page; asks for huge pages when `huge`.
char* mapChunk(std::size_t size, bool huge) {
    // Over-allocate by one huge page to align the chunk on one.
    void* raw = mmap(nullptr, size + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    auto base = reinterpret_cast<std::uintptr_t>(raw);
    std::uintptr_t aligned = (base + HugePage - 1) & ~(static_cast<std::uintptr_t>(HugePage) - 1);
    if (aligned > base) munmap(raw, aligned - base);
    std::uintptr_t end = base + size + HugePage;
    if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - aligned - size);
#ifdef MADV_HUGEPAGE
    if (huge) madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
#else
    (void)huge;
#endif
    return reinterpret_cast<char*>(aligned);
}

// Fresh memory costs the kernel a page fault and a cleared page for every
// 4 KiB first touched: on a large file that is a fifth of the run. A thread
// of the pool's own maps the next chunk and touches it while the analysis
// works in the current one, so those faults are taken on another processor
// (with huge pages where the pool asks for them at all). One chunk is kept
// ready: the analysis fills a chunk in milliseconds, the thread prepares one
// in well under one. It starts with the second full-size chunk, so a file of
// up to a few hundred kilobytes never starts it.
class ChunkPrefetcher {
public:
    static ChunkPrefetcher& instance() {
        // Never destroyed: the thread may still wait on it while the process
        // ends. A forked child (the batch server forks one per file) has no
        // thread and may hold a copy of a locked mutex: it starts afresh.
        static ChunkPrefetcher* p = nullptr;
        static pid_t owner = 0;
        const pid_t self = getpid();
        if (!p || owner != self) {
            p = new ChunkPrefetcher();
            owner = self;
        }
        return *p;
    }

    // A prepared chunk of ChunkSize bytes, or null when none is ready yet.
    char* take() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!started_) {
            started_ = true;
            try {
                std::thread(&ChunkPrefetcher::run, this).detach();
            } catch (const std::system_error&) {
                // No thread: every chunk is mapped where it is needed.
            }
            return nullptr;
        }
        char* chunk = ready_;
        ready_ = nullptr;
        if (chunk) wake_.notify_one();
        return chunk;
    }

private:
    void run() {
        // Huge pages only where asking cannot stall either: compaction would
        // cost no waiting here, but processor time that a second run beside
        // this one (the whole-tree runner runs one per processor) would miss;
        // and the same limit as for chunks mapped where they are needed.
        const bool wanted = hugePagesWanted();
        for (std::size_t prepared = 0;; ++prepared) {
            const bool huge = wanted && prepared < HugeChunks;
            const std::size_t step = huge ? HugePage : 4096;
            char* chunk = mapChunk(ChunkSize, huge);
            if (!chunk) return;
            for (std::size_t at = 0; at < ChunkSize; at += step) static_cast<volatile char*>(chunk)[at] = 0;
            std::unique_lock<std::mutex> lock(mutex_);
            ready_ = chunk;
            wake_.wait(lock, [this] { return ready_ == nullptr; });
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    char* ready_ = nullptr;
    bool started_ = false;
};

char* newChunk(std::size_t& size) {
    size = chunksMade++ == 0 ? FirstChunkSize : ChunkSize;
    if (size < ChunkSize) {
        void* p = std::malloc(size);
        if (!p) throw std::bad_alloc();
        return static_cast<char*>(p);
    }
    // From the second full-size chunk on: a file that fits in the first
    // never pays for a prepared chunk it would not use.
    if (chunksMade > 2)
        if (char* prepared = ChunkPrefetcher::instance().take()) return prepared;
    // Only the first HugeChunks chunks (128 MiB) that this thread maps itself:
    // on a virtual machine a huge page at times costs far more system time
    // than its 512 small faults (the host must back it anew), and past that
    // the variance outweighed the saving.
    char* chunk = mapChunk(size, chunksMade <= HugeChunks && hugePagesWanted());
    if (!chunk) throw std::bad_alloc();
    return chunk;
}

struct FreeBlock {
    FreeBlock* next;
};

// Single-threaded by design: the analysis runs on one thread.
FreeBlock* freeLists[Classes + 1];
char* chunkCursor = nullptr;
char* chunkEnd = nullptr;
long inUse = 0;

void* carve(std::size_t bytes) {
    if (static_cast<std::size_t>(chunkEnd - chunkCursor) < bytes) {
        // The remainder of the old chunk is abandoned; chunks are never freed.
        std::size_t size = 0;
        chunkCursor = newChunk(size);
        chunkEnd = chunkCursor + size;
    }
    void* p = chunkCursor;
    chunkCursor += bytes;
    return p;
}

}  // namespace

long pooledBlocksInUse() { return inUse; }

// Built with TARNWICK_NO_NODE_POOL every block comes from the general heap and
// goes back to it at once, so a memory checker sees each node and set on its
// own (the free lists would hide a use after free).
#ifdef TARNWICK_NO_NODE_POOL
constexpr bool Pooled = false;
#else
constexpr bool Pooled = true;
#endif

void* allocateNode(std::size_t size) {
    ++inUse;
    if (!Pooled || size > MaxPooled) {
        void* p = std::malloc(size);
        if (!p) throw std::bad_alloc();
        return p;
    }
    std::size_t cls = (size + Granule - 1) / Granule;
    if (FreeBlock* b = freeLists[cls]) {
        freeLists[cls] = b->next;
        return b;
    }
    return carve(cls * Granule);
}

void releaseNode(void* p, std::size_t size) noexcept {
    if (!p) return;
    --inUse;
    if (!Pooled || size > MaxPooled) {
        std::free(p);
        return;
    }
    std::size_t cls = (size + Granule - 1) / Granule;
    auto* b = static_cast<FreeBlock*>(p);
    b->next = freeLists[cls];
    freeLists[cls] = b;
}

bool askForHugePages(const std::string& enabled, const std::string& defrag) {
    auto chosen = [](const std::string& setting, const char* value) {
        return setting.find(std::string("[") + value + "]") != std::string::npos;
    };
    return chosen(enabled, "madvise") && (chosen(defrag, "defer") || chosen(defrag, "never"));
}

}  // namespace php
