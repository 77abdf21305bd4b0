#include "FuzzRun.h"

#include <pthread.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "driver/InProcess.h"

namespace fuzz {

namespace {

const std::string& scratch() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/tarnwick-fuzz-XXXXXX";
        if (!mkdtemp(pattern)) std::abort();
        return std::string(pattern);
    }();
    return dir;
}

std::FILE* sink() {
    static std::FILE* f = std::fopen("/dev/null", "w");
    return f;
}

void start() {
    static const bool ok = [] {
        // The definitions files of the source tree, as if beside the executable.
        const char* dir = std::getenv("TARNWICK_DEFINITIONS");
        std::string base = dir ? dir : TARNWICK_SOURCE_DIR "/definitions";
        return php::startInProcessRuns(base + "/tarnwick");
    }();
    if (!ok) {
        std::fprintf(stderr, "fuzz: cannot read the definitions\n");
        std::abort();
    }
}

void* runOne(void* p) {
    php::analyseInProcess(*static_cast<const std::string*>(p), sink());
    return nullptr;
}

}  // namespace

std::string writeScratch(const char* name, const uint8_t* data, size_t size) {
    std::string path = scratch() + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
    return path;
}

void analyse(const std::string& path) {
    start();
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, static_cast<size_t>(1) << 30);
    pthread_t thread;
    std::string copy = path;
    if (pthread_create(&thread, &attr, runOne, &copy) != 0) std::abort();
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

}  // namespace fuzz
