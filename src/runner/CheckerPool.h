#pragma once
#include <functional>
#include <string>
#include <vector>

namespace runner {

// How one run of the checker on one file ended.
struct FileRun {
    enum class End { Exited, Signalled, TimedOut, NotStarted, Interrupted };
    End end = End::NotStarted;
    int code = 0;          // exit status when Exited, signal number when Signalled
    std::string output;    // everything the checker wrote to standard error
    std::string error;     // why it could not start (NotStarted)
    double seconds = 0;
};

// Runs one checker process per file, at most `jobs` at a time, each in its
// own process group so that a time-out takes everything it started with it.
class CheckerPool {
public:
    CheckerPool(std::string checker, int jobs, double timeoutSeconds)
        : checker_(std::move(checker)), jobs_(jobs < 1 ? 1 : jobs), timeout_(timeoutSeconds) {}

    // Use `server` (tarnwick-batch), which reads the definitions once and
    // forks a checking child per file, in place of one checker start per
    // file. When it cannot start, or keeps ending before it starts a file, the
    // files left get a checker process each.
    void useBatchServer(std::string server) { server_ = std::move(server); }
    bool usedBatchServer() const { return usedServer_; }

    // Calls `done` for every file as its run ends (in this thread, in the order
    // of ending) and `tick` at least every tenth of a second. Returns false when
    // interrupted by SIGINT or SIGTERM; the files not yet ended are then
    // reported as Interrupted.
    bool run(const std::vector<std::string>& files,
             const std::function<void(size_t, FileRun&&)>& done,
             const std::function<void()>& tick);

private:
    // False when no server could start. Otherwise `leftover` (all files on
    // entry) ends as the files still to check once every server was given up.
    bool runWithServers(const std::vector<std::string>& files, std::vector<size_t>& leftover,
                        const std::function<void(size_t, FileRun&&)>& done,
                        const std::function<void()>& tick, bool& completed);

    std::string checker_;
    std::string server_;
    bool usedServer_ = false;
    int jobs_;
    double timeout_;  // seconds; 0 or less means none
};

// A sentence for a run that did not end with the checker's own report, e.g.
// "the checker was killed by signal 11 (Segmentation fault)"; empty otherwise.
std::string describeAbnormalEnd(const FileRun& run, double timeoutSeconds);

}  // namespace runner
