#include "runner/CheckerPool.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace runner {

namespace {

using Clock = std::chrono::steady_clock;

volatile sig_atomic_t interrupted = 0;
void onSignal(int) { interrupted = 1; }

struct Child {
    size_t index = 0;
    pid_t pid = -1;
    int fd = -1;       // read end of the stderr pipe; -1 once closed
    bool reaped = false;
    bool killed = false;
    int status = 0;
    Clock::time_point start;
    FileRun run;
};

void drain(Child& c, bool untilEof) {
    char buf[65536];
    while (c.fd >= 0) {
        ssize_t n = read(c.fd, buf, sizeof buf);
        if (n > 0) {
            c.run.output.append(buf, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN && !untilEof) return;
        close(c.fd);
        c.fd = -1;
    }
}

bool spawn(const std::string& checker, const std::string& file, Child& c) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        c.run.error = std::string("cannot create a pipe: ") + std::strerror(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setpgroup(&attr, 0);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::vector<char*> argv{const_cast<char*>(checker.c_str()), const_cast<char*>(file.c_str()), nullptr};
    int err = posix_spawn(&c.pid, checker.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    close(fds[1]);
    if (err != 0) {
        close(fds[0]);
        c.run.error = "cannot run '" + checker + "': " + std::strerror(err);
        return false;
    }
    fcntl(fds[0], F_SETFL, fcntl(fds[0], F_GETFL) | O_NONBLOCK);
    c.fd = fds[0];
    return true;
}

}  // namespace

bool CheckerPool::run(const std::vector<std::string>& files,
                      const std::function<void(size_t, FileRun&&)>& done,
                      const std::function<void()>& tick) {
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    struct sigaction oldInt {}, oldTerm {};
    sigaction(SIGINT, &sa, &oldInt);
    sigaction(SIGTERM, &sa, &oldTerm);
    interrupted = 0;

    std::vector<Child> running;
    size_t next = 0;
    auto lastTick = Clock::now();
    const auto limit = std::chrono::duration<double>(timeout_);

    auto finish = [&](Child& c) {
        c.run.seconds = std::chrono::duration<double>(Clock::now() - c.start).count();
        if (c.killed) {
            c.run.end = interrupted ? FileRun::End::Interrupted : FileRun::End::TimedOut;
        } else if (WIFSIGNALED(c.status)) {
            c.run.end = FileRun::End::Signalled;
            c.run.code = WTERMSIG(c.status);
        } else {
            c.run.end = FileRun::End::Exited;
            c.run.code = WEXITSTATUS(c.status);
        }
        done(c.index, std::move(c.run));
    };

    while (next < files.size() || !running.empty()) {
        if (interrupted) {
            for (Child& c : running) {
                if (!c.reaped) kill(-c.pid, SIGKILL);
                c.killed = true;
            }
        }
        while (!interrupted && next < files.size() && running.size() < static_cast<size_t>(jobs_)) {
            Child c;
            c.index = next;
            c.start = Clock::now();
            if (spawn(checker_, files[next], c)) {
                running.push_back(std::move(c));
            } else {
                c.run.end = FileRun::End::NotStarted;
                done(next, std::move(c.run));
            }
            ++next;
        }
        if (interrupted && running.empty()) break;

        std::vector<pollfd> fds;
        for (Child& c : running)
            if (c.fd >= 0) fds.push_back({c.fd, POLLIN, 0});
        int waitMs = 100;
        auto now = Clock::now();
        if (timeout_ > 0) {
            for (Child& c : running) {
                if (c.killed) continue;
                auto left = std::chrono::duration_cast<std::chrono::milliseconds>(c.start + limit - now).count();
                if (left < waitMs) waitMs = left < 0 ? 0 : static_cast<int>(left) + 1;
            }
        }
        if (std::any_of(running.begin(), running.end(), [](const Child& c) { return c.fd < 0; }))
            waitMs = std::min(waitMs, 5);
        if (!fds.empty()) {
            poll(fds.data(), fds.size(), waitMs);
        } else if (waitMs > 0) {
            usleep(static_cast<useconds_t>(waitMs) * 1000);
        }

        now = Clock::now();
        for (Child& c : running) {
            drain(c, false);
            if (!c.reaped) {
                pid_t r = waitpid(c.pid, &c.status, WNOHANG);
                if (r == c.pid) {
                    c.reaped = true;
                    // Whatever the checker wrote is in the pipe now; a process it
                    // left behind must not keep the run waiting.
                    if (c.fd >= 0) {
                        drain(c, false);
                        kill(-c.pid, SIGKILL);
                        close(c.fd);
                        c.fd = -1;
                    }
                }
            }
            if (!c.reaped && !c.killed && timeout_ > 0 && now - c.start >= limit) {
                kill(-c.pid, SIGKILL);
                c.killed = true;
            }
        }
        for (size_t i = 0; i < running.size();) {
            if (running[i].reaped && running[i].fd < 0) {
                finish(running[i]);
                running.erase(running.begin() + static_cast<long>(i));
            } else {
                ++i;
            }
        }
        if (now - lastTick >= std::chrono::milliseconds(100)) {
            tick();
            lastTick = now;
        }
    }
    for (; next < files.size(); ++next) {
        FileRun r;
        r.end = FileRun::End::Interrupted;
        done(next, std::move(r));
    }
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
    return !interrupted;
}

std::string describeAbnormalEnd(const FileRun& run, double timeoutSeconds) {
    switch (run.end) {
    case FileRun::End::Exited:
        return "";
    case FileRun::End::Signalled:
        return "the checker was killed by signal " + std::to_string(run.code) + " (" + strsignal(run.code) + ")";
    case FileRun::End::TimedOut: {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%g", timeoutSeconds);
        return std::string("the checker did not finish within the time limit of ") + buf + " s and was stopped";
    }
    case FileRun::End::NotStarted:
        return run.error;
    case FileRun::End::Interrupted:
        return "not checked: the run was interrupted";
    }
    return "";
}

}  // namespace runner
