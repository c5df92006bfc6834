#include "server_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <ctime>
#include <filesystem>
#include <regex>

namespace plv::test {
namespace {

pid_t Spawn(const std::vector<std::string>& args, int* out_fd, int* err_fd, const ServerOptions& options = {},
            int* in_fd = nullptr) {
    int out[2], err[2], in[2] = {-1, -1};
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) return -1;
    if (options.stdin_pipe && pipe2(in, O_CLOEXEC) != 0) return -1;
    std::vector<std::string> all{ServiceBinary()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        if (err_fd != nullptr) dup2(err[1], 2);
        if (in[0] >= 0) dup2(in[0], 0);
        if (!options.stderr_path.empty()) {
            const int f = open(options.stderr_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (f >= 0) dup2(f, 2);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    if (in[0] >= 0) {
        close(in[0]);
        // Small enough for the pipe's buffer: the write cannot block.
        if (!options.stdin_text.empty() &&
            write(in[1], options.stdin_text.data(), options.stdin_text.size()) < 0)
            ADD_FAILURE() << "cannot write the server's standard input";
        *in_fd = in[1];
    }
    *out_fd = out[0];
    if (err_fd != nullptr) {
        *err_fd = err[0];
    } else {
        close(err[0]);
    }
    return pid;
}

// Reads from fd until pred(buffer) holds, EOF, or the deadline.
template <typename Pred>
std::string ReadUntil(int fd, Pred pred, std::chrono::steady_clock::time_point end) {
    std::string buf;
    char chunk[4096];
    while (!pred(buf)) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n <= 0) break;
        buf.append(chunk, static_cast<std::size_t>(n));
    }
    return buf;
}

}  // namespace

std::string ServiceBinary() { return PLV_SERVICE_BIN; }

ServerProcess::ServerProcess(const std::vector<std::string>& args, const ServerOptions& options) {
    std::vector<std::string> all{"--port", "0"};
    all.insert(all.end(), args.begin(), args.end());
    pid_ = Spawn(all, &stdout_fd_, nullptr, options, &stdin_fd_);
    if (pid_ <= 0) {
        ADD_FAILURE() << "cannot start " << ServiceBinary();
        return;
    }
    static const std::regex kListening("listening on http://[^:]+:([0-9]+)");
    std::smatch m;
    const std::string out = ReadUntil(
        stdout_fd_, [](const std::string& b) { return b.find('\n') != std::string::npos; },
        std::chrono::steady_clock::now() + std::chrono::seconds(10));
    if (std::regex_search(out, m, kListening)) {
        port_ = std::stoi(m[1]);
    } else {
        ADD_FAILURE() << "plv-service did not report its port; stdout: " << out;
    }
}

ServerProcess::~ServerProcess() {
    if (pid_ > 0) Stop();
    if (stdout_fd_ >= 0) close(stdout_fd_);
    CloseStdin();
}

void ServerProcess::CloseStdin() {
    if (stdin_fd_ >= 0) close(stdin_fd_);
    stdin_fd_ = -1;
}

int ServerProcess::WaitForExit(std::chrono::milliseconds deadline) {
    if (pid_ <= 0) return -1;
    int status = 0;
    const bool exited = PollUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, deadline);
    if (!exited) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
    }
    pid_ = -1;
    return exited && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int ServerProcess::Stop(std::chrono::milliseconds deadline) {
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    return WaitForExit(deadline);
}

RunResult RunService(const std::vector<std::string>& args, std::chrono::milliseconds deadline,
                     const ServerOptions& options) {
    RunResult r;
    int out_fd = -1, err_fd = -1, in_fd = -1;
    const pid_t pid = Spawn(args, &out_fd, &err_fd, options, &in_fd);
    if (pid <= 0) return r;
    if (in_fd >= 0) close(in_fd);
    const auto end = std::chrono::steady_clock::now() + deadline;
    // The outputs are small; reading one to EOF and then the other cannot fill a pipe.
    r.out = ReadUntil(
        out_fd, [](const std::string&) { return false; }, end);
    r.err = ReadUntil(
        err_fd, [](const std::string&) { return false; }, end);
    close(out_fd);
    close(err_fd);
    int status = 0;
    if (!PollUntil(
            [&] { return waitpid(pid, &status, WNOHANG) == pid; },
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()))) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return r;
    }
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

const char kModesDir[] = "/usr/share/apertium/modes";

std::string ModesDirWith(const std::vector<std::string>& modes) {
    namespace fs = std::filesystem;
    static std::atomic<int> made{0};
    const fs::path dir =
        ::testing::TempDir() + "plv-modes-" + std::to_string(getpid()) + "-" + std::to_string(made++);
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& m : modes) {
        const auto eq = m.find('=');
        const std::string name = m.substr(0, eq), real = eq == std::string::npos ? m : m.substr(eq + 1);
        const fs::path from = fs::path(kModesDir) / (real + ".mode");
        std::error_code ec;
        if (!fs::exists(from) || (fs::create_symlink(from, dir / (name + ".mode"), ec), ec)) {
            fs::remove_all(dir);
            return {};
        }
    }
    return dir.string();
}

}  // namespace plv::test
