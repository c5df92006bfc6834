// Runs plv-service as a child process for the tests, on a port the system picks.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace plv::test {

// The plv-service binary under test (set by the build).
std::string ServiceBinary();

struct ServerOptions {
    bool stdin_pipe = false;  // its standard input a pipe, open until CloseStdin (else ours)
    std::string stdin_text;   // written to that pipe at the start
    std::string stderr_path;  // its stderr goes to this file (else ours)
};

class ServerProcess {
  public:
    // Starts plv-service --port 0 ARGS... and waits (bounded) for its "listening on" line.
    // Fails the current test (and leaves port() == 0) when it does not come up.
    explicit ServerProcess(const std::vector<std::string>& args, const ServerOptions& options = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int port() const { return port_; }
    pid_t pid() const { return pid_; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // Sends SIGTERM and waits for the exit; returns the exit status, or -1 after a forced kill.
    int Stop(std::chrono::milliseconds deadline = std::chrono::seconds(10));
    void CloseStdin();
    // Waits for it to exit by itself; returns its exit code, or -1 after a forced kill.
    int WaitForExit(std::chrono::milliseconds deadline);

  private:
    pid_t pid_ = -1;
    int port_ = 0;
    int stdout_fd_ = -1;
    int stdin_fd_ = -1;
};

struct RunResult {
    int exit_code = -1;
    std::string out, err;
};

// Runs plv-service with args to completion (bounded by deadline) and collects its output.
// With options.stdin_pipe its standard input gets options.stdin_text and then end of input.
RunResult RunService(const std::vector<std::string>& args,
                     std::chrono::milliseconds deadline = std::chrono::seconds(10),
                     const ServerOptions& options = {});

// The installed Apertium modes (/usr/share/apertium/modes).
extern const char kModesDir[];

// A folder of its own holding links to the named installed modes ({"eng-spa", "spa-eng"}), or
// to a mode under another name ({"en-es=eng-spa"}), so that a server sees those directions and
// no others; empty when one of them is not installed. The caller removes it.
std::string ModesDirWith(const std::vector<std::string>& modes);

// Polls cond every few milliseconds until it holds or the deadline passes.
template <typename F>
bool PollUntil(F cond, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < end) {
        if (cond()) return true;
        struct timespec ts {
            0, 5'000'000
        };
        nanosleep(&ts, nullptr);
    }
    return cond();
}

}  // namespace plv::test
