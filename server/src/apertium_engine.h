// Offline translation with the installed Apertium modes, each direction one long-lived
// null-flush pipeline, started at its first request (or ahead of it when warmed), restarted when
// it dies or hangs, and ended when unused for a while or when too many run at once. Requests for
// one direction queue on its lock; directions run in parallel. Modes installed or removed while
// the server runs are noticed at the next /languages, page or request for an unknown direction.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "engine.h"
#include "pipeline.h"

namespace plv {

struct ApertiumOptions {
    using Clock = std::chrono::steady_clock;
    // A request waits at most `timeout` for its direction's pipeline (and for each exchange), and
    // at most max_waiting requests wait for one direction; the others are answered 503 (busy).
    std::chrono::milliseconds timeout{10000};
    std::size_t max_waiting = 32;
    // See Config::engine_program.
    std::string engine_program;
    // At most this many pipelines run at once: starting one more first ends the least recently
    // used one that is not serving a request. When every one is busy the new one starts anyway,
    // and the excess ends as soon as one is free.
    std::size_t max_pipelines = 6;
    // A pipeline unused this long ends; zero: never.
    std::chrono::milliseconds idle_after{std::chrono::minutes(10)};
    // What "now" is for the idle time and the rescan limit; empty: the steady clock. For tests.
    std::function<Clock::time_point()> clock;
};

class ApertiumEngine : public Engine {
  public:
    using Clock = std::chrono::steady_clock;

    // Finds the modes in modes_dir (e.g. /usr/share/apertium/modes/eng-spa.mode). Variant modes
    // such as spa-eng_US and debug modes are left out: the page offers plain language pairs.
    // A mode naming a data file that is missing or unreadable is logged and its direction
    // answered 503 (see Unavailable), found when the direction is first asked for. On Windows
    // the stages run in the parent folder of modes_dir, which the modes' relative paths start
    // from.
    ApertiumEngine(const std::string& modes_dir, ApertiumOptions options);
    ~ApertiumEngine() override;

    std::vector<Language> Languages(std::string* error) override;
    TranslateResult Translate(const std::string& source, const std::string& target, const std::string& text,
                              TextFormat format = TextFormat::kText) override;
    std::string Unavailable(const std::string& direction) override;

    // Starts and warms every pipeline in the background, and keeps them all: neither the limit
    // on running pipelines nor the idle time ends one afterwards.
    void Preload();
    // Starts a direction's pipeline ("en-es" or "eng-spa") in the background and pays its first
    // exchange there, unless it runs already; returns at once. False when there is no such
    // direction.
    bool Warm(const std::string& direction);
    // Ends the pipelines unused for idle_after at `now` that are not serving a request; returns
    // how many ended. A background thread calls it regularly.
    std::size_t EndIdle(Clock::time_point now);
    // Process ids of a direction's running pipeline (empty when none runs); for tests.
    std::vector<ProcessId> Pids(const std::string& direction);
    // "en-es" style keys of the directions found.
    std::vector<std::string> Directions();

  private:
    struct Slot {
        std::string key;        // en-es
        std::string mode_name;  // eng-spa
        std::string mode_file;
        std::timed_mutex mu;                  // the per-direction queue; guards the four below
        std::atomic<std::size_t> waiting{0};  // requests waiting for mu
        PipelineCommand command;              // built on first start
        std::unique_ptr<Pipeline> pipeline;
        std::uint64_t sequence = 0;  // numbers the seal on each request
        bool answered = false;       // the running pipeline has answered at least once
        // Readable without mu: for the limit on running pipelines and the idle time.
        std::atomic<bool> running{false};
        std::atomic<Clock::rep> last_used{0};
        std::atomic<bool> removed{false};  // its mode is gone; it ends with its last request
        std::atomic<bool> warm_queued{false};
        // Why it cannot translate. The page must not wait behind mu, so these have their own lock.
        std::mutex state_mu;
        std::string missing;  // a data file cannot be read
        std::string failure;  // the last start failed (cleared by a translation)
        bool broken = false;  // ... in a way a retry would repeat: requests get 503 at once
        Clock::time_point failed_at{};
        bool data_checked = false;   // the three below are set
        std::string data_signature;  // the mode and data files' sizes and times, as last checked
        Clock::time_point checked_at{};
        std::string logged;  // the last problem written to the log: each is logged once
    };
    using SlotPtr = std::shared_ptr<Slot>;
    // A mode file as listed: name, path, size, modification time.
    using ModeEntry = std::tuple<std::string, std::string, std::uintmax_t, std::int64_t>;

    Clock::time_point Now() const { return options_.clock ? options_.clock() : Clock::now(); }
    SlotPtr Find(const std::string& key);
    std::vector<SlotPtr> Snapshot();
    // Reads modes_dir again, at most once a second (unless forced), and changes the directions
    // when its listing changed.
    void Rescan(bool initial);
    SlotPtr NewSlot(const ModeEntry& entry, const std::string& key);
    // Why a direction cannot translate now (missing data, or broken), or empty; looks at its
    // files again, at most once a second, when there was a problem.
    std::string Problem(Slot& slot);
    void CheckData(Slot& slot);
    void LogOnce(Slot& slot, const std::string& line);
    void SetFailure(Slot& slot, const std::string& why, bool broken);
    void Touch(Slot& slot) { slot.last_used = Now().time_since_epoch().count(); }

    // The following are called with slot.mu held.
    // Starts the pipeline when none usable runs; true when it started one. Throws
    // std::runtime_error when it cannot start.
    bool EnsureRunning(Slot& slot);
    // Sends one encoded request through the pipeline, restarting it once if it fails; the answer
    // without its seal, or a 503.
    TranslateResult Run(Slot& slot, const std::string& encoded);
    static void Stop(Slot& slot);

    // apertium-deshtml and apertium-rehtml around the chain for format=html.
    TranslateResult RunFormatter(const std::string& program, const std::string& input);
    TranslateResult Deformat(const std::string& html);
    TranslateResult Reformat(const std::string& stream);

    // Ends least recently used idle pipelines (never `keep`) while more than `limit` run.
    void EndLeastRecentlyUsed(std::size_t limit, const Slot* keep);
    void WarmNow(const SlotPtr& slot);
    void Worker();

    std::string modes_dir_;
    ApertiumOptions options_;
    LaunchOptions launch_;
    std::atomic<bool> pinned_{false};    // set by Preload
    std::atomic<bool> stopping_{false};  // the engine is going: no more preloading

    std::mutex slots_mu_;                   // guards slots_
    std::map<std::string, SlotPtr> slots_;  // by "en-es"
    std::mutex rescan_mu_;                  // guards the two below; held while scanning
    std::vector<ModeEntry> listing_;
    Clock::time_point scanned_at_{};
    std::mutex start_mu_;  // one pipeline starts (or ends for another) at a time, so the limit holds

    std::mutex formatter_mu_;
    std::string formatter_logged_;  // the last formatter failure logged: each is logged once

    std::mutex worker_mu_;
    std::condition_variable worker_cv_;
    std::deque<SlotPtr> warm_queue_;
    bool stop_ = false;
    std::vector<std::unique_ptr<std::thread>> preloaders_;
    std::thread worker_;
};

}  // namespace plv
