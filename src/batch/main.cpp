// tarnwick-batch: reads the definition files once, then checks every file
// named on standard input (one path per line) in a child forked for it, so
// that each check costs a fork instead of a start-up. A child behaves exactly
// as `tarnwick FILE` after its definitions are read: same standard error,
// same exit status. Protocol on standard output, one line each: "ready" once
// the definitions are read; then per file "started PID" and "exited STATUS"
// or "signalled SIGNAL". A start-up failure prints the checker's own message
// and ends with its status before "ready".
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <pthread.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "driver/Driver.h"
#include "driver/Platform.h"

using namespace php;

namespace {

void printLine(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

// The checker's run after its definitions are read: the driver's own steps.
int checkFile(const std::string& argument) {
    if (!prepareUserFile(argument)) {
        printLine("Could not initialize. Please repair installation.");
        return 3;
    }
    return analyseAndReport(argument, stderr);
}

int serve() {
    std::string executable = installationPath(executablePath(), std::getenv("TARNWICK_PATH"));
    if (executable.empty()) {
        printLine("Error initializing - please check that TARNWICK_PATH env. variable is set");
        return 4;
    }
    if (!loadDefinitions(executable)) {
        printLine("Could not initialize. Please repair installation.");
        return 3;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    char* line = nullptr;
    size_t capacity = 0;
    ssize_t n;
    while ((n = getline(&line, &capacity, stdin)) > 0) {
        std::string path(line, static_cast<size_t>(n));
        if (path.back() == '\n') path.pop_back();
        std::fflush(stdout);
        std::fflush(stderr);
        pid_t pid = fork();
        if (pid == 0) {
            setpgid(0, 0);
            std::signal(SIGPIPE, SIG_DFL);
            // As a checker started by the runner: nothing to read, and
            // standard output (the protocol here) out of reach.
            int null = open("/dev/null", O_RDWR);
            if (null >= 0) {
                dup2(null, STDIN_FILENO);
                dup2(null, STDOUT_FILENO);
                if (null > STDERR_FILENO) close(null);
            }
            _exit(checkFile(path));
        }
        if (pid < 0) {
            std::printf("signalled 0\n");
            std::fflush(stdout);
            continue;
        }
        setpgid(pid, pid);  // also here, so that the group exists before "started" is read
        std::printf("started %d\n", static_cast<int>(pid));
        std::fflush(stdout);
        int status = 0;
        while (waitpid(pid, &status, 0) < 0) {
        }
        if (WIFSIGNALED(status)) std::printf("signalled %d\n", WTERMSIG(status));
        else std::printf("exited %d\n", WEXITSTATUS(status));
        std::fflush(stdout);
    }
    std::free(line);
    return 0;
}

void* serveOnBigStack(void* p) {
    *static_cast<int*>(p) = serve();
    return nullptr;
}

}  // namespace

// As in the checker: the passes recurse along the tree, so they run (in the
// forked children too) on a thread with a large, lazily committed stack.
int main() {
    std::signal(SIGPIPE, SIG_IGN);
    int status = 0;
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, static_cast<size_t>(1) << 30);
    pthread_t thread;
    if (pthread_create(&thread, &attr, serveOnBigStack, &status) != 0) return serve();
    pthread_join(thread, nullptr);
    return status;
}
