// zcad run by a test as a user runs it: on pipes as a batch, or on a
// pseudo-terminal as a person at a terminal. The test waits for what zcad
// prints, types keys, sends signals to this one process and reads its
// exit status.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

class ZcadProcess {
public:
    struct Options {
        std::vector<std::string> args;         // after the program's name
        std::vector<std::string> environment;  // NAME=value, over the test's own
        bool terminal = false;                 // a pseudo-terminal instead of pipes
        std::string input = "/dev/null";       // standard input when not a terminal; empty: a pipe type() feeds
        std::string directory;                 // working directory, else the test's
    };

    explicit ZcadProcess(const Options& options) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) env.emplace_back(*e);
        for (const std::string& setting : options.environment) {
            const std::string name = setting.substr(0, setting.find('=') + 1);
            std::erase_if(env, [&](const std::string& e) { return e.starts_with(name); });
            env.push_back(setting);
        }
        std::vector<std::string> argv{std::string(ZCAD_BINARY_DIR) + "/zcad"};
        argv.insert(argv.end(), options.args.begin(), options.args.end());
        if (options.terminal) {
            winsize size{40, 120, 0, 0};
            pid_ = ::forkpty(&fd_, nullptr, nullptr, &size);
            if (pid_ == 0) start(argv, env, options.directory, -1, nullptr);
            in_ = fd_;
            return;
        }
        int out[2], in[2] = {-1, -1};
        // Close-on-exec: zcad holds only its own ends, so it sees the end of input.
        if (::pipe2(out, O_CLOEXEC) != 0 || (options.input.empty() && ::pipe2(in, O_CLOEXEC) != 0)) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(out[1], STDERR_FILENO);
            start(argv, env, options.directory, in[0], options.input.empty() ? nullptr : options.input.c_str());
        }
        ::close(out[1]);
        fd_ = out[0];
        if (in[0] >= 0) ::close(in[0]);
        in_ = in[1];
    }

    ~ZcadProcess() {
        if (pid_ > 0 && status_ < 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (fd_ >= 0) ::close(fd_);
        if (in_ >= 0 && in_ != fd_) ::close(in_);
    }

    ZcadProcess(const ZcadProcess&) = delete;
    ZcadProcess& operator=(const ZcadProcess&) = delete;

    // Reads until `text` appears after what earlier waits matched; false at
    // the end of the output or after `seconds`.
    bool waitFor(std::string_view text, int seconds = 30) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        for (;;) {
            const auto at = output_.find(text, seen_);
            if (at != std::string::npos) {
                seen_ = at + text.size();
                return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !readSome(static_cast<int>(left.count()))) return false;
        }
    }

    void type(std::string_view keys) { (void)!::write(in_, keys.data(), keys.size()); }
    // The end of input, as when the program feeding the pipe ends.
    void closeInput() {
        if (in_ >= 0 && in_ != fd_) ::close(in_);
        in_ = -1;
    }
    void signal(int number) { ::kill(pid_, number); }

    // The exit status: the program's, or 128 and the signal that ended it;
    // -1 when it is still running after `seconds`.
    int wait(int seconds = 60) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (status_ < 0 && std::chrono::steady_clock::now() < deadline) {
            int raw = 0;
            if (::waitpid(pid_, &raw, WNOHANG) == pid_) {
                status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
                break;
            }
            readSome(20);
        }
        while (readSome(0)) {
        }
        return status_;
    }

    const std::string& output() const { return output_; }

private:
    [[noreturn]] static void start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                                   const std::string& directory, int inputPipe, const char* input) {
        if (input) ::dup2(::open(input, O_RDONLY), STDIN_FILENO);
        if (inputPipe >= 0) ::dup2(inputPipe, STDIN_FILENO);
        if (!directory.empty() && ::chdir(directory.c_str()) != 0) ::_exit(126);
        std::vector<char*> args, vars;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        for (const auto& v : env) vars.push_back(const_cast<char*>(v.c_str()));
        args.push_back(nullptr);
        vars.push_back(nullptr);
        ::execve(args[0], args.data(), vars.data());
        ::_exit(127);
    }

    bool readSome(int milliseconds) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, milliseconds) <= 0) return false;
        char buffer[4096];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0) return false;
        output_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int fd_ = -1;  // what zcad prints
    int in_ = -1;  // what it reads, when the test types
    int status_ = -1;
    std::string output_;
    std::size_t seen_ = 0;
};
