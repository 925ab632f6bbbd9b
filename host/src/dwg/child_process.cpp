#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace zcad {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kLook{100};

struct Pipe {
    int read = -1;
    int write = -1;
    bool open() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return false;
        read = fds[0];
        write = fds[1];
        return true;
    }
    void closeRead() {
        if (read >= 0) ::close(read);
        read = -1;
    }
    void closeWrite() {
        if (write >= 0) ::close(write);
        write = -1;
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
};

// In the child between fork and exec: async-signal-safe calls only.
[[noreturn]] void becomeChild(char* const* argv, const Pipe& out, const Pipe& err, const Pipe& report,
                              pid_t parent) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    const int nothing = ::open("/dev/null", O_RDONLY);
    if (nothing < 0 || ::dup2(nothing, STDIN_FILENO) < 0 || ::dup2(out.write, STDOUT_FILENO) < 0 ||
        ::dup2(err.write, STDERR_FILENO) < 0) {
        const int failure = errno;
        (void)!::write(report.write, &failure, sizeof failure);
        ::_exit(127);
    }
    // The signals zcad catches come back to their defaults at exec; the
    // ones it ignores must not stay ignored in the child.
    ::signal(SIGPIPE, SIG_DFL);
    ::execv(argv[0], argv);
    const int failure = errno;
    (void)!::write(report.write, &failure, sizeof failure);
    ::_exit(127);
}

// Appends what `fd` has; false at its end.
bool drain(int fd, std::string& into, bool keepTail) {
    char buffer[16384];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) return errno == EINTR || errno == EAGAIN;
    if (got == 0) return false;
    if (!keepTail) {
        if (into.size() < kOutputKept) into.append(buffer, std::min<std::size_t>(got, kOutputKept - into.size()));
        return true;
    }
    into.append(buffer, static_cast<std::size_t>(got));
    if (into.size() > 2 * kOutputKept) into.erase(0, into.size() - kOutputKept);
    return true;
}

void kill(pid_t child) {
    ::kill(-child, SIGKILL);
    ::kill(child, SIGKILL);
}

int reap(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// Whether the child has ended, leaving it a zombie: its process group
// stays its own until it is reaped.
bool ended(pid_t child) {
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
}

}  // namespace

ChildRun runChild(const std::vector<std::string>& argv, std::chrono::milliseconds limit,
                  const std::function<bool()>& stop) {
    ChildRun run;
    if (argv.empty()) {
        run.status = ENOENT;
        return run;
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    Pipe out, err, report;
    if (!out.open() || !err.open() || !report.open()) {
        run.status = errno;
        return run;
    }
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        run.status = errno;
        return run;
    }
    if (child == 0) becomeChild(args.data(), out, err, report, parent);
    out.closeWrite();
    err.closeWrite();
    report.closeWrite();

    int failure = 0;
    if (::read(report.read, &failure, sizeof failure) == static_cast<ssize_t>(sizeof failure)) {
        reap(child);
        run.status = failure;
        return run;
    }

    const auto deadline = Clock::now() + limit;
    bool exited = false;
    for (;;) {
        if (stop && stop()) {
            run.end = ChildRun::End::Stopped;
            break;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            run.end = ChildRun::End::TimedOut;
            break;
        }
        const auto wait = std::min(kLook, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now));
        if (out.read < 0 && err.read < 0) {
            // Both outputs closed: only the exit is left to wait for.
            exited = ended(child);
            if (exited) break;
            ::poll(nullptr, 0, static_cast<int>(wait.count()) + 1);
            continue;
        }
        pollfd waits[2] = {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
        if (::poll(waits, 2, static_cast<int>(wait.count()) + 1) <= 0) continue;
        if (waits[0].revents && !drain(out.read, run.out, false)) out.closeRead();
        if (waits[1].revents && !drain(err.read, run.err, true)) err.closeRead();
    }
    if (run.err.size() > kOutputKept) run.err.erase(0, run.err.size() - kOutputKept);
    // The group may hold what the child started; none of it outlives the run.
    kill(child);
    const int status = reap(child);
    if (!exited) return run;
    if (WIFSIGNALED(status)) {
        run.end = ChildRun::End::Signalled;
        run.status = WTERMSIG(status);
    } else {
        run.end = ChildRun::End::Exited;
        run.status = WEXITSTATUS(status);
    }
    return run;
}

}  // namespace zcad
