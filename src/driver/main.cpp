#include <malloc.h>
#include <pthread.h>

#include "driver/Driver.h"

namespace {

struct Arguments {
    int argc;
    char** argv;
    int status;
};

void* runOnBigStack(void* p) {
    auto* a = static_cast<Arguments*>(p);
    a->status = php::runTarnwick(a->argc, a->argv);
    return nullptr;
}

}  // namespace

// The passes recurse along the syntax tree, whose depth follows the input
// (long operator chains, deep nesting): run them on a thread with a large,
// lazily committed stack.
int main(int argc, char** argv) {
#ifdef M_ARENA_MAX
    // One arena: the worker thread would otherwise get its own, grown 64 MiB
    // at a time through mprotect calls; and a generous top pad and no
    // trimming, since the heap only grows until the process ends.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_TOP_PAD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
    Arguments args{argc, argv, 0};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, static_cast<size_t>(1) << 30);
    pthread_t thread;
    if (pthread_create(&thread, &attr, runOnBigStack, &args) != 0) return php::runTarnwick(argc, argv);
    pthread_join(thread, nullptr);
    return args.status;
}
