// Offline translation with the installed Apertium modes, each direction one long-lived
// null-flush pipeline started on first use (or at start-up with preload) and restarted when
// it dies or hangs. Requests for one direction queue on its lock; directions run in parallel.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine.h"
#include "pipeline.h"

namespace plv {

class ApertiumEngine : public Engine {
  public:
    // Finds the modes in modes_dir (e.g. /usr/share/apertium/modes/eng-spa.mode). Variant modes
    // such as spa-eng_US and debug modes are left out: the page offers plain language pairs.
    // A request waits at most `timeout` for its direction's pipeline, and at most max_waiting
    // requests wait for one direction; the others are answered 503 (busy) at once.
    // A mode naming a data file that is missing or unreadable is logged and its direction
    // answered 503 (see Unavailable). engine_program: see Config::engine_program. On Windows the
    // stages run in the parent folder of modes_dir, which the modes' relative paths start from.
    ApertiumEngine(const std::string& modes_dir, std::chrono::milliseconds timeout,
                   std::size_t max_waiting = 32, const std::string& engine_program = "");
    ~ApertiumEngine() override;

    std::vector<Language> Languages(std::string* error) override;
    TranslateResult Translate(const std::string& source, const std::string& target, const std::string& text,
                              const std::string& format) override;
    std::string Unavailable(const std::string& direction) override;

    // Starts and warms every pipeline in the background.
    void Preload();
    // Process ids of a direction's running pipeline (empty when none runs); for tests.
    std::vector<ProcessId> Pids(const std::string& direction);
    // "en-es" style keys of the directions found.
    std::vector<std::string> Directions() const;

  private:
    struct Slot {
        std::string mode_name;  // eng-spa
        std::string mode_file;
        std::timed_mutex mu;                  // the per-direction queue
        std::atomic<std::size_t> waiting{0};  // requests waiting for mu
        PipelineCommand command;              // built on first start
        std::unique_ptr<Pipeline> pipeline;
        std::uint64_t sequence = 0;  // numbers the seal on each request
        std::string missing_data;    // set at construction when a data file cannot be read
        std::mutex state_mu;         // guards failure only: the page must not wait behind mu
        std::string failure;         // why the pipeline last failed to start; cleared by a translation
    };

    // Called with slot.mu held. Throws std::runtime_error when the pipeline cannot start.
    void EnsureRunning(Slot& slot);
    static void SetFailure(Slot& slot, const std::string& why);

    std::map<std::string, std::unique_ptr<Slot>> slots_;  // by "en-es"; never changes after construction
    std::chrono::milliseconds timeout_;
    std::size_t max_waiting_;
    LaunchOptions launch_;
    std::vector<std::unique_ptr<std::thread>> preloaders_;
};

}  // namespace plv
