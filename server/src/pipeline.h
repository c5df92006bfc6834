// A long-lived chain of processes (an Apertium mode) talked to in null-flush mode: each
// request is written followed by a NUL, and its answer is everything read up to the next NUL.
#pragma once

#ifndef _WIN32
#include <sys/types.h>
#endif

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plv {

// One argv per stage; stage k's stdout feeds stage k+1's stdin.
using PipelineCommand = std::vector<std::vector<std::string>>;

// A process id as the system gives it (a pid on POSIX, a process id from CreateProcess on Windows).
#ifdef _WIN32
using ProcessId = unsigned long;
#else
using ProcessId = pid_t;
#endif

// How the programs of a pipeline (and RunProgram's) are started.
struct LaunchOptions {
    // When set, a program named without a directory ("lt-proc") runs as this executable, with
    // the name as its argv[0]: the Windows engine is one multi-call program that picks what it
    // does by that name. Empty: the name is looked up in PATH.
    std::string engine_program;
    // The started processes' working directory; empty keeps ours. The Windows mode files name
    // their data relative to the engine folder.
    std::string working_dir;
};

// Splits a mode file's shell line ("prog 'arg' | prog $1 ...") into stages, expanding $1 and $2
// to the given values (an empty expansion drops the word, as unquoted $2 does in the shell).
// Handles the quoting found in mode files: single quotes, double quotes, backslashes.
// Throws std::runtime_error on anything else (redirections, subshells, variables).
PipelineCommand ParsePipelineLine(std::string_view line, const std::string& arg1, const std::string& arg2);

// The result of running one program to its end.
struct ProgramOutput {
    int exit_code = -1;  // -1 when it was killed (timed out, said too much) or died of a signal
    std::string out, err;
    bool timed_out = false;
    bool too_large = false;  // stdout or stderr passed max_bytes; the program was killed
};

// Runs program (looked up in PATH, or as options.engine_program) with args, without a shell, input
// as its stdin (then end of input; none: an empty stdin) and its stdout and stderr captured apart,
// each up to max_bytes. Killed after timeout. Throws std::runtime_error when it cannot be started.
ProgramOutput RunProgram(const std::string& program, const std::vector<std::string>& args,
                         std::size_t max_bytes, std::chrono::milliseconds timeout,
                         const LaunchOptions& options = {}, std::string_view input = {});

class Pipeline {
  public:
    enum class Status { kOk, kDied, kTimeout, kTooLarge };

    // Starts every stage in one new process group (on Windows: one job object that kills them
    // all when it is closed). Throws std::runtime_error when a program cannot be found or a
    // process cannot be created.
    static std::unique_ptr<Pipeline> Start(const PipelineCommand& command, const LaunchOptions& options = {});
    ~Pipeline();
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    // Writes request + NUL and reads the answer up to the NUL into *answer. Not thread-safe:
    // callers queue on their own lock. An answer longer than max_answer bytes is not read any
    // further (kTooLarge). On anything but kOk the pipeline is no longer usable.
    Status Exchange(std::string_view request, std::string* answer, std::chrono::milliseconds timeout,
                    std::size_t max_answer = kDefaultMaxAnswer);

    static constexpr std::size_t kDefaultMaxAnswer = 16u << 20;

    const std::vector<ProcessId>& pids() const { return pids_; }
    bool usable() const { return usable_; }

  private:
    Pipeline() = default;
    void KillAll();
    // Reaps stages that have exited; true if any had. A stage that dies mid-request makes the
    // stages after it flush and emit a NUL at end of input, which would otherwise pass for a
    // (truncated) answer.
    bool StageExited();

    std::vector<ProcessId> pids_;  // stages not yet reaped (Windows: not yet found exited)
    bool usable_ = true;
#ifdef _WIN32
    // HANDLEs, kept as void* so that this header does not pull in <windows.h>.
    std::vector<void*> processes_;  // beside pids_
    void* job_ = nullptr;
    void* to_ = nullptr;    // our end of the first stage's stdin (overlapped named pipe)
    void* from_ = nullptr;  // our end of the last stage's stdout (overlapped named pipe)
    void* write_event_ = nullptr;
    void* read_event_ = nullptr;
    std::string out_;  // the request being written; it must outlive a pending write
    std::vector<char> in_;
#else
    pid_t pgid_ = 0;
    int to_fd_ = -1;    // our end of the first stage's stdin
    int from_fd_ = -1;  // our end of the last stage's stdout
#endif
};

}  // namespace plv
