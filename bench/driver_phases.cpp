// Where one run's time goes: parse (scanner, parser and tree building), a
// bare walk that visits every node of the tree once with one virtual call and
// nothing else (what any pass over the tree costs at the least), then the
// link and check passes. Prints the node count and the milliseconds of each.
//
//     bench_driver_phases INSTALLED_TARNWICK FILE.php
//
// INSTALLED_TARNWICK is a checker beside its definition files (e.g.
// build/tarnwick); they are loaded first, as a run does. One process, one
// run: repeat it for a median. Not a test: nothing here fails.
#include <pthread.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/Definitions.h"
#include "driver/Driver.h"
#include "driver/Platform.h"
#include "tree/ParserBase.h"
#include "tree/Start.h"

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

struct Job {
    std::string executable;
    std::string file;
    int status = 1;
};

// Every node once, depth first, with its own stack.
size_t walk(php::ParserBase* root, long& sink) {
    std::vector<php::ParserBase*> stack{root};
    size_t nodes = 0;
    while (!stack.empty()) {
        php::ParserBase* n = stack.back();
        stack.pop_back();
        ++nodes;
        sink += n->kind();
        n->collectChildren(stack);
    }
    return nodes;
}

void* run(void* argument) {
    auto* job = static_cast<Job*>(argument);
    if (!php::loadDefinitions(job->executable) || !php::prepareUserFile(job->file)) {
        std::fprintf(stderr, "cannot load the definitions beside %s or read %s\n", job->executable.c_str(),
                     job->file.c_str());
        return nullptr;
    }
    std::string full;
    std::FILE* f = php::openForReading(job->file);
    if (!f || !php::fullPath(job->file, full)) {
        std::fprintf(stderr, "cannot open %s\n", job->file.c_str());
        return nullptr;
    }
    php::installIncludeHost();
    auto t = Clock::now();
    php::parseStream(f, full);
    const double parse = since(t);
    std::fclose(f);
    if (php::roots().empty()) {
        std::fprintf(stderr, "%s yields no tree\n", job->file.c_str());
        return nullptr;
    }
    auto* root = static_cast<php::Start*>(php::rootAt(0));
    root->fileName = full;
    root->enterIncluded(full, root);
    long sink = 0;
    t = Clock::now();
    const size_t nodes = walk(root, sink);
    const double bare = since(t);
    t = Clock::now();
    root->link();
    const double link = since(t);
    t = Clock::now();
    root->check();
    const double check = since(t);
    std::printf("nodes %zu  parse %.1f ms  bare walk %.1f ms  link %.1f ms  check %.1f ms  (%ld)\n", nodes, parse,
                bare, link, check, sink % 2);
    job->status = 0;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INSTALLED_TARNWICK FILE.php\n", argv[0]);
        return 2;
    }
    Job job{argv[1], argv[2]};
    // Deep inputs recurse in the passes, as in the checker itself.
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, std::size_t(1) << 30);
    pthread_t thread;
    if (pthread_create(&thread, &attributes, run, &job) != 0) return 1;
    pthread_join(thread, nullptr);
    return job.status;
}
