// The POSIX pipeline: fork/exec, a process group, non-blocking pipes and poll.
#include "pipeline.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace plv {
namespace {

// Resolved before fork: the child may only make async-signal-safe calls, and execvp's PATH
// walk is not guaranteed to be one.
bool IsExecutable(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string ResolveProgram(const std::string& name, const LaunchOptions& options) {
    std::string given;
    if (name.find('/') != std::string::npos) given = name;
    if (given.empty() && !options.engine_program.empty()) given = options.engine_program;
    if (!given.empty()) {
        if (!IsExecutable(given)) throw std::runtime_error("program not found: " + given);
        return given;
    }
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        auto end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        // Built without assigning a literal to a string: GCC 12 misreports that under -Wrestrict.
        std::string candidate = end > start ? dirs.substr(start, end - start) : std::string(1, '.');
        candidate += '/';
        candidate += name;
        if (IsExecutable(candidate)) return candidate;
        start = end + 1;
    }
    throw std::runtime_error("program not found: " + name);
}

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// A write to a pipe whose reader is gone fails with EPIPE instead of raising SIGPIPE, whether or
// not the process ignores that signal (the server does, a test program may not): the signal is
// blocked in this thread for the write, and taken back if the write raised it.
ssize_t WriteWithoutSigpipe(int fd, const char* data, std::size_t n) {
    sigset_t pipe_only, old;
    sigemptyset(&pipe_only);
    sigaddset(&pipe_only, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipe_only, &old);
    const ssize_t w = ::write(fd, data, n);
    const int saved = errno;
    if (w < 0 && saved == EPIPE) {
        const timespec none{0, 0};
        while (::sigtimedwait(&pipe_only, nullptr, &none) < 0 && errno == EINTR) {
        }
    }
    ::pthread_sigmask(SIG_SETMASK, &old, nullptr);
    errno = saved;
    return w;
}

}  // namespace

ProgramOutput RunProgram(const std::string& program, const std::vector<std::string>& args,
                         std::size_t max_bytes, std::chrono::milliseconds timeout,
                         const LaunchOptions& options, std::string_view input) {
    const std::string path = ResolveProgram(program, options);
    const char* dir = options.working_dir.empty() ? nullptr : options.working_dir.c_str();
    std::vector<std::string> all{program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);

    int out_pipe[2], err_pipe[2], in_pipe[2] = {-1, -1};
    if (::pipe2(out_pipe, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    if (::pipe2(err_pipe, O_CLOEXEC) != 0 || (!input.empty() && ::pipe2(in_pipe, O_CLOEXEC) != 0)) {
        const int code = errno;
        for (int fd : {out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1], in_pipe[0], in_pipe[1]}) {
            if (fd >= 0) ::close(fd);
        }
        throw std::runtime_error(std::string("pipe: ") + std::strerror(code));
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        for (int fd : {out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1], in_pipe[0], in_pipe[1]}) {
            if (fd >= 0) ::close(fd);
        }
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (pid == 0) {
        // Child: only async-signal-safe calls from here to exec.
        const int stdin_fd = in_pipe[0] >= 0 ? in_pipe[0] : ::open("/dev/null", O_RDONLY);
        if (stdin_fd >= 0) ::dup2(stdin_fd, 0);
        ::dup2(out_pipe[1], 1);
        ::dup2(err_pipe[1], 2);
        ::signal(SIGPIPE, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::close_range(3, ~0U, 0);
        if (dir != nullptr && ::chdir(dir) != 0) ::_exit(127);
        ::execv(path.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out_pipe[1]);
    ::close(err_pipe[1]);
    int to_fd = in_pipe[1];
    if (in_pipe[0] >= 0) {
        ::close(in_pipe[0]);
        ::fcntl(to_fd, F_SETFL, ::fcntl(to_fd, F_GETFL) | O_NONBLOCK);
    }
    std::size_t written = 0;
    ProgramOutput r;
    int fds[2] = {out_pipe[0], err_pipe[0]};
    std::string* sinks[2] = {&r.out, &r.err};
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    char buf[4096];
    // Input is written while output is read: a program that answers as it reads would otherwise
    // fill its output pipe and stop reading, and both sides would wait for ever.
    while (fds[0] >= 0 || fds[1] >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            r.timed_out = true;
            break;
        }
        pollfd p[3] = {{fds[0], POLLIN, 0}, {fds[1], POLLIN, 0}, {to_fd, POLLOUT, 0}};
        const int n = ::poll(p, to_fd >= 0 ? 3 : 2, static_cast<int>(left.count()) + 1);
        if (n < 0 && errno != EINTR) break;
        if (to_fd >= 0 && (p[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t w = WriteWithoutSigpipe(to_fd, input.data() + written, input.size() - written);
            if (w > 0) written += static_cast<std::size_t>(w);
            // Done, or the program stopped reading (EPIPE): it gets end of input either way.
            if (written == input.size() || (w < 0 && errno != EAGAIN && errno != EINTR)) CloseFd(to_fd);
        }
        for (int k = 0; k < 2; ++k) {
            if (fds[k] < 0 || !(p[k].revents & (POLLIN | POLLERR | POLLHUP))) continue;
            const ssize_t got = ::read(fds[k], buf, sizeof buf);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) {
                ::close(fds[k]);
                fds[k] = -1;
                continue;
            }
            sinks[k]->append(buf, static_cast<std::size_t>(std::min<std::size_t>(
                                      static_cast<std::size_t>(got),
                                      max_bytes + 1 - std::min(max_bytes + 1, sinks[k]->size()))));
            if (sinks[k]->size() > max_bytes) r.too_large = true;
        }
        if (r.too_large) break;
    }
    for (int fd : fds) {
        if (fd >= 0) ::close(fd);
    }
    CloseFd(to_fd);
    // A program that closed its outputs may still run: it gets what is left of the time-out.
    int status = 0;
    bool reaped = false;
    while (!r.timed_out && !r.too_large && !reaped) {
        const pid_t w = ::waitpid(pid, &status, WNOHANG);
        if (w == pid || (w < 0 && errno != EINTR)) {
            reaped = true;
        } else if (std::chrono::steady_clock::now() >= deadline) {
            r.timed_out = true;
        } else {
            ::usleep(2000);
        }
    }
    if (!reaped) {
        ::kill(pid, SIGKILL);
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (!r.timed_out && !r.too_large && WIFEXITED(status)) r.exit_code = WEXITSTATUS(status);
    return r;
}

std::unique_ptr<Pipeline> Pipeline::Start(const PipelineCommand& command, const LaunchOptions& options) {
    if (command.empty()) throw std::runtime_error("empty pipeline");
    // Everything the children need is prepared here, before any fork.
    std::vector<std::string> programs;
    std::vector<std::vector<char*>> argvs;
    for (const auto& stage : command) {
        programs.push_back(ResolveProgram(stage.at(0), options));
    }
    const char* dir = options.working_dir.empty() ? nullptr : options.working_dir.c_str();
    for (std::size_t k = 0; k < command.size(); ++k) {
        std::vector<char*> argv;
        for (const auto& a : command[k]) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        argvs.push_back(std::move(argv));
    }

    std::unique_ptr<Pipeline> p(new Pipeline());
    int in_pipe[2];
    if (::pipe2(in_pipe, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    p->to_fd_ = in_pipe[1];
    int prev_read = in_pipe[0];
    pid_t pgid = 0;
    for (std::size_t k = 0; k < command.size(); ++k) {
        int out_pipe[2];
        if (::pipe2(out_pipe, O_CLOEXEC) != 0) {
            ::close(prev_read);
            throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));  // ~Pipeline reaps
        }
        const pid_t pid = ::fork();
        if (pid < 0) {
            ::close(prev_read);
            ::close(out_pipe[0]);
            ::close(out_pipe[1]);
            throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
        }
        if (pid == 0) {
            // Child: only async-signal-safe calls from here to exec.
            ::setpgid(0, pgid);
            ::dup2(prev_read, 0);
            ::dup2(out_pipe[1], 1);
            // The server ignores SIGPIPE and blocks its stop signals; exec keeps both, and a
            // stage should die normally when its reader goes away.
            ::signal(SIGPIPE, SIG_DFL);
            sigset_t none;
            sigemptyset(&none);
            ::sigprocmask(SIG_SETMASK, &none, nullptr);
            ::close_range(3, ~0U, 0);  // no stray copy of a pipe end may keep a stage alive
            if (dir != nullptr && ::chdir(dir) != 0) ::_exit(127);
            ::execv(programs[k].c_str(), argvs[k].data());
            ::_exit(127);
        }
        if (pgid == 0) pgid = p->pgid_ = pid;
        ::setpgid(pid, pgid);  // also from the parent, so the group exists before we may kill it
        p->pids_.push_back(pid);
        ::close(prev_read);
        ::close(out_pipe[1]);
        prev_read = out_pipe[0];
    }
    p->from_fd_ = prev_read;
    ::fcntl(p->to_fd_, F_SETFL, ::fcntl(p->to_fd_, F_GETFL) | O_NONBLOCK);
    ::fcntl(p->from_fd_, F_SETFL, ::fcntl(p->from_fd_, F_GETFL) | O_NONBLOCK);
    return p;
}

Pipeline::~Pipeline() { KillAll(); }

void Pipeline::KillAll() {
    CloseFd(to_fd_);
    CloseFd(from_fd_);
    // Only pids not yet reaped are signalled: a reaped one may already belong to someone else.
    // While any member is unreaped the group id cannot have been reused either.
    if (!pids_.empty()) {
        ::kill(-pgid_, SIGKILL);
        for (pid_t pid : pids_) ::kill(pid, SIGKILL);  // in case one left the group
        for (pid_t pid : pids_) {
            while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }
        pids_.clear();
    }
    usable_ = false;
}

bool Pipeline::StageExited() {
    bool exited = false;
    for (auto it = pids_.begin(); it != pids_.end();) {
        if (::waitpid(*it, nullptr, WNOHANG) == *it) {
            it = pids_.erase(it);
            exited = true;
        } else {
            ++it;
        }
    }
    if (exited) usable_ = false;
    return exited;
}

Pipeline::Status Pipeline::Exchange(std::string_view request, std::string* answer,
                                    std::chrono::milliseconds timeout, std::size_t max_answer) {
    answer->clear();
    if (!usable_ || StageExited()) return Status::kDied;
    std::string out(request);
    out.push_back('\0');
    std::size_t written = 0;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    char buf[65536];
    // Write and read at once: a long request could otherwise fill both pipes and deadlock.
    for (;;) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            usable_ = false;
            return Status::kTimeout;
        }
        pollfd fds[2];
        nfds_t nfds = 0;
        fds[nfds++] = {from_fd_, POLLIN, 0};
        if (written < out.size()) fds[nfds++] = {to_fd_, POLLOUT, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count() + 1;
        const int r = ::poll(fds, nfds, static_cast<int>(left));
        if (r < 0) {
            if (errno == EINTR) continue;
            usable_ = false;
            return Status::kDied;
        }
        if (nfds == 2 && (fds[1].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t w = ::write(to_fd_, out.data() + written, out.size() - written);
            if (w < 0 && errno != EAGAIN && errno != EINTR) {
                usable_ = false;  // EPIPE: the first stage is gone
                return Status::kDied;
            }
            if (w > 0) written += static_cast<std::size_t>(w);
        }
        if (fds[0].revents & (POLLIN | POLLERR | POLLHUP)) {
            const ssize_t n = ::read(from_fd_, buf, sizeof buf);
            if (n == 0) {
                usable_ = false;  // EOF: some stage died and the chain drained
                return Status::kDied;
            }
            if (n < 0) {
                if (errno == EAGAIN || errno == EINTR) continue;
                usable_ = false;
                return Status::kDied;
            }
            const char* nul = static_cast<const char*>(std::memchr(buf, '\0', static_cast<std::size_t>(n)));
            const std::size_t take =
                nul == nullptr ? static_cast<std::size_t>(n) : static_cast<std::size_t>(nul - buf);
            if (answer->size() + take > max_answer) {
                usable_ = false;  // the rest of this answer would still come: the chain is out of step
                return Status::kTooLarge;
            }
            answer->append(buf, take);
            if (nul == nullptr) continue;
            if (written < out.size()) {
                // An answer before the request was even sent belongs to nothing we asked.
                usable_ = false;
                return Status::kDied;
            }
            if (StageExited()) return Status::kDied;
            // Bytes after the answer belong to no request: the stream is out of step, so this
            // answer is the last one we trust from this chain.
            if (nul + 1 != buf + n) usable_ = false;
            return Status::kOk;
        }
    }
}

}  // namespace plv
