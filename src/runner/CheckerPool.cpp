#include "runner/CheckerPool.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
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

    bool completed = true;
    usedServer_ = false;
    std::vector<size_t> order(files.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    if (!server_.empty() && runWithServers(files, order, done, tick, completed)) {
        usedServer_ = true;
        if (!completed || order.empty()) {
            sigaction(SIGINT, &oldInt, nullptr);
            sigaction(SIGTERM, &oldTerm, nullptr);
            return completed;
        }
    }

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

    while (next < order.size() || !running.empty()) {
        if (interrupted) {
            for (Child& c : running) {
                if (!c.reaped) kill(-c.pid, SIGKILL);
                c.killed = true;
            }
        }
        while (!interrupted && next < order.size() && running.size() < static_cast<size_t>(jobs_)) {
            Child c;
            c.index = order[next];
            c.start = Clock::now();
            if (spawn(checker_, files[c.index], c)) {
                running.push_back(std::move(c));
            } else {
                c.run.end = FileRun::End::NotStarted;
                done(c.index, std::move(c.run));
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
    for (; next < order.size(); ++next) {
        FileRun r;
        r.end = FileRun::End::Interrupted;
        done(order[next], std::move(r));
    }
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
    return !interrupted;
}

namespace {

// One batch server: it checks one file at a time, in a child it forks.
struct Server {
    pid_t pid = -1;
    int in = -1, out = -1, err = -1;
    std::string outBuffer;
    bool busy = false;
    bool dead = false;
    int restarts = 0;
    size_t index = 0;
    pid_t child = -1;
    bool killed = false;
    Clock::time_point start;
    FileRun run;
};

void closeFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

void stopServer(Server& s) {
    closeFd(s.in);
    closeFd(s.out);
    closeFd(s.err);
    if (s.pid > 0) {
        kill(s.pid, SIGKILL);
        waitpid(s.pid, nullptr, 0);
    }
    s.pid = -1;
    s.dead = true;
}

bool startServer(const std::string& program, Server& s) {
    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0) return false;
    if (pipe2(out, O_CLOEXEC) != 0) {
        close(in[0]), close(in[1]);
        return false;
    }
    if (pipe2(err, O_CLOEXEC) != 0) {
        close(in[0]), close(in[1]), close(out[0]), close(out[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
    int rc = posix_spawn(&s.pid, program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    close(in[0]), close(out[1]), close(err[1]);
    s.in = in[1], s.out = out[0], s.err = err[0];
    s.dead = false;
    if (rc != 0) {
        s.pid = -1;
        stopServer(s);
        return false;
    }
    fcntl(s.out, F_SETFL, fcntl(s.out, F_GETFL) | O_NONBLOCK);
    fcntl(s.err, F_SETFL, fcntl(s.err, F_GETFL) | O_NONBLOCK);
    return true;
}

// Reads what is there; false at end of file.
bool readSome(int fd, std::string& into) {
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n > 0) {
            into.append(buf, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        return n < 0 && errno == EAGAIN;
    }
}

// Waits up to `seconds` for the server's "ready" line.
bool awaitReady(Server& s, double seconds) {
    auto until = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    std::string junk;
    while (Clock::now() < until && !interrupted) {
        pollfd p[2] = {{s.out, POLLIN, 0}, {s.err, POLLIN, 0}};
        poll(p, 2, 100);
        bool open = readSome(s.out, s.outBuffer);
        readSome(s.err, junk);  // the definitions' own findings are printed by each child
        if (s.outBuffer.compare(0, 6, "ready\n") == 0) {
            s.outBuffer.erase(0, 6);
            return true;
        }
        if (!open || s.outBuffer.size() > 6) return false;
    }
    return false;
}

bool sendPath(Server& s, const std::string& path) {
    std::string line = path + "\n";
    size_t off = 0;
    while (off < line.size()) {
        ssize_t n = write(s.in, line.data() + off, line.size() - off);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        off += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool CheckerPool::runWithServers(const std::vector<std::string>& files, std::vector<size_t>& leftover,
                                 const std::function<void(size_t, FileRun&&)>& done,
                                 const std::function<void()>& tick, bool& completed) {
    for (const std::string& f : files)
        if (f.find('\n') != std::string::npos) return false;  // the protocol is line-based
    std::signal(SIGPIPE, SIG_IGN);
    const size_t count = std::min(files.size(), static_cast<size_t>(jobs_));
    std::vector<Server> servers(count);
    for (Server& s : servers) {
        if (!startServer(server_, s) || !awaitReady(s, 120)) {
            for (Server& t : servers) stopServer(t);
            return false;
        }
    }
    const auto limit = std::chrono::duration<double>(timeout_);
    auto lastTick = Clock::now();
    std::deque<size_t> pending;
    for (size_t i = 0; i < files.size(); ++i) pending.push_back(i);

    auto finish = [&](Server& s, FileRun::End end, int code) {
        readSome(s.err, s.run.output);
        s.run.seconds = std::chrono::duration<double>(Clock::now() - s.start).count();
        s.run.end = s.killed ? (interrupted ? FileRun::End::Interrupted : FileRun::End::TimedOut) : end;
        s.run.code = code;
        s.busy = false;
        done(s.index, std::move(s.run));
        s.run = FileRun();
    };
    // The server ended before it started the file: not the file's doing. The
    // file goes back to the queue; a server that keeps ending is given up.
    auto giveBack = [&](Server& s) {
        stopServer(s);
        s.busy = false;
        pending.push_front(s.index);
        if (++s.restarts > 3) s.pid = -2;
    };
    auto anyBusy = [&]() { return std::any_of(servers.begin(), servers.end(), [](const Server& s) { return s.busy; }); };

    while (!pending.empty() || anyBusy()) {
        if (interrupted) {
            for (Server& s : servers) {
                if (s.busy) {
                    if (s.child > 0) kill(-s.child, SIGKILL);
                    s.killed = true;
                    finish(s, FileRun::End::Interrupted, 0);
                }
                stopServer(s);
            }
            break;
        }
        for (Server& s : servers) {
            if (s.busy || pending.empty() || s.pid == -2) continue;
            if (s.dead && (!startServer(server_, s) || !awaitReady(s, 120))) {
                stopServer(s);
                s.pid = -2;
                continue;
            }
            s.busy = true;
            s.index = pending.front();
            pending.pop_front();
            s.child = -1;
            s.killed = false;
            s.start = Clock::now();
            s.run = FileRun();
            s.outBuffer.clear();
            if (!sendPath(s, files[s.index])) giveBack(s);
        }
        if (!anyBusy() &&
            std::all_of(servers.begin(), servers.end(), [](const Server& s) { return s.pid == -2; })) {
            break;  // no server left: the caller checks the rest one process each
        }

        std::vector<pollfd> fds;
        for (Server& s : servers) {
            if (!s.busy) continue;
            fds.push_back({s.out, POLLIN, 0});
            fds.push_back({s.err, POLLIN, 0});
        }
        int waitMs = 100;
        auto now = Clock::now();
        if (timeout_ > 0) {
            for (Server& s : servers) {
                if (!s.busy || s.killed) continue;
                auto left = std::chrono::duration_cast<std::chrono::milliseconds>(s.start + limit - now).count();
                if (left < waitMs) waitMs = left < 0 ? 0 : static_cast<int>(left) + 1;
            }
        }
        poll(fds.data(), fds.size(), waitMs);
        now = Clock::now();
        for (Server& s : servers) {
            if (!s.busy) continue;
            readSome(s.err, s.run.output);
            bool open = readSome(s.out, s.outBuffer);
            size_t eol;
            while (s.busy && (eol = s.outBuffer.find('\n')) != std::string::npos) {
                std::string line = s.outBuffer.substr(0, eol);
                s.outBuffer.erase(0, eol + 1);
                int value = 0;
                if (std::sscanf(line.c_str(), "started %d", &value) == 1) {
                    s.child = value;
                } else if (std::sscanf(line.c_str(), "exited %d", &value) == 1) {
                    finish(s, FileRun::End::Exited, value);
                } else if (std::sscanf(line.c_str(), "signalled %d", &value) == 1) {
                    if (value == 0) {
                        s.run.error = "the batch server could not fork";
                        finish(s, FileRun::End::NotStarted, 0);
                    } else {
                        finish(s, FileRun::End::Signalled, value);
                    }
                }
            }
            if (s.busy && !open) {
                if (s.child <= 0) {
                    giveBack(s);
                    continue;
                }
                kill(-s.child, SIGKILL);  // orphaned by the server
                readSome(s.err, s.run.output);
                stopServer(s);
                s.run.error = "the batch server ended while checking it";
                finish(s, FileRun::End::NotStarted, 0);
                continue;
            }
            if (s.busy && !s.killed && s.child > 0 && timeout_ > 0 && now - s.start >= limit) {
                kill(-s.child, SIGKILL);
                s.killed = true;
            }
        }
        if (now - lastTick >= std::chrono::milliseconds(100)) {
            tick();
            lastTick = now;
        }
    }
    for (Server& s : servers) {
        closeFd(s.in);  // the server ends at the end of its input
        if (s.pid > 0) waitpid(s.pid, nullptr, 0);
        closeFd(s.out);
        closeFd(s.err);
    }
    completed = !interrupted;
    if (interrupted) {
        for (size_t i : pending) {
            FileRun r;
            r.end = FileRun::End::Interrupted;
            done(i, std::move(r));
        }
        pending.clear();
    }
    leftover.assign(pending.begin(), pending.end());
    return true;
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
