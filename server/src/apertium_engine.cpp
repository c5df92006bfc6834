#include "apertium_engine.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <regex>
#include <set>

#include "apertium_format.h"
#include "platform.h"

namespace plv {
namespace {

// apertium-wblank-mode rewrites a mode's line with -z on every stage and the word-bound blank
// helpers in the right places: exactly what `apertium -z` runs, minus its format filters. Run
// without a shell (the mode file's path is the configuration's), its stderr kept apart: a warning
// there must not become part of the command line.
std::string NullFlushLine(const std::string& mode_file, const LaunchOptions& launch) {
    const auto r =
        RunProgram("apertium-wblank-mode", {"-z", mode_file}, 64 * 1024, std::chrono::seconds(10), launch);
    if (r.exit_code != 0 || r.out.empty()) {
        throw std::runtime_error("apertium-wblank-mode -z " + mode_file + " failed (exit code " +
                                 std::to_string(r.exit_code) + (r.timed_out ? ", timed out" : "") +
                                 (r.too_large ? ", output too large" : "") + "): " + r.err.substr(0, 500));
    }
    if (!r.err.empty()) std::cerr << "plv-service: apertium-wblank-mode -z " << mode_file << ": " << r.err;
    return r.out;
}

// The data files a mode names, and which of them cannot be read (missing, unreadable, a folder,
// or empty: no Apertium data file is). A data file is an argument with a folder part and a file
// name with an extension: options and sed-like expressions are neither. Relative ones are
// taken from the stages' working directory. The signature (sizes and times of the mode and its
// data) tells whether anything changed since the last look, e.g. a language pack finished
// installing or a damaged pair was reinstalled.
struct DataState {
    std::vector<std::string> bad;
    std::string signature;
};

std::string FileStamp(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    const auto size_text = ec ? std::string("-") : std::to_string(size);
    const auto time = std::filesystem::last_write_time(path, ec);
    return Utf8FromPath(path) + "|" + size_text + "|" +
           (ec ? std::string("-") : std::to_string(time.time_since_epoch().count())) + "\n";
}

DataState ReadDataState(const std::string& mode_file, const std::string& working_dir) {
    namespace fs = std::filesystem;
    DataState state;
    state.signature = FileStamp(PathFromUtf8(mode_file));
    std::ifstream in(PathFromUtf8(mode_file), std::ios::binary);
    const std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PipelineCommand stages;
    try {
        stages = ParsePipelineLine(line, "-n", "");
    } catch (const std::exception&) {
        return state;  // reported when the pipeline is started
    }
    for (const auto& stage : stages) {
        for (std::size_t k = 1; k < stage.size(); ++k) {
            const std::string& arg = stage[k];
            const auto sep = arg.find_last_of("/\\");
            if (arg.empty() || arg[0] == '-' || sep == std::string::npos ||
                arg.find('.', sep + 1) == std::string::npos)
                continue;
            fs::path path = PathFromUtf8(arg);
            if (path.is_relative() && !working_dir.empty()) path = PathFromUtf8(working_dir) / path;
            state.signature += FileStamp(path);
            std::error_code ec;
            std::ifstream data(path, std::ios::binary);
            if (fs::is_directory(path, ec) || !data || data.peek() == std::ifstream::traits_type::eof())
                state.bad.push_back(Utf8FromPath(path));
        }
    }
    return state;
}

// The plain language pairs in modes_dir, sorted by name: eng-spa.mode, not spa-eng_US.mode.
// *complete is false when the folder could not be read to its end.
std::vector<std::tuple<std::string, std::string, std::uintmax_t, std::int64_t>> ListModes(
    const std::filesystem::path& dir, bool* complete) {
    namespace fs = std::filesystem;
    static const std::regex kPlainPair("[a-z]{2,3}-[a-z]{2,3}");
    std::vector<std::tuple<std::string, std::string, std::uintmax_t, std::int64_t>> out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() != ".mode") continue;
        const std::string stem = Utf8FromPath(p.stem());
        if (!std::regex_match(stem, kPlainPair)) continue;
        std::error_code stat_ec;
        const auto size = fs::file_size(p, stat_ec);
        const auto time = fs::last_write_time(p, stat_ec);
        out.emplace_back(stem, Utf8FromPath(p), stat_ec ? 0 : size,
                         stat_ec ? 0 : static_cast<std::int64_t>(time.time_since_epoch().count()));
    }
    *complete = !ec;
    std::sort(out.begin(), out.end());
    return out;
}

// "eng-spa" or "en-es" -> "en-es"; empty when it is no direction.
std::string DirectionKey(const std::string& direction) {
    const auto dash = direction.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 1 == direction.size()) return {};
    return NormalizeLanguageCode(direction.substr(0, dash)) + "-" +
           NormalizeLanguageCode(direction.substr(dash + 1));
}

constexpr auto kRecheckEvery = std::chrono::seconds(1);
// A pipeline that could not start, or died before its first answer, is tried again after this
// long even when its files did not change: the cause may have been passing (memory, processes).
constexpr auto kRetryBrokenAfter = std::chrono::seconds(60);

}  // namespace

ApertiumEngine::ApertiumEngine(const std::string& modes_dir, ApertiumOptions options)
    : modes_dir_(modes_dir), options_(std::move(options)) {
    options_.max_waiting = std::max<std::size_t>(options_.max_waiting, 1);
    options_.max_pipelines = std::max<std::size_t>(options_.max_pipelines, 1);
    launch_.engine_program = options_.engine_program;
#ifdef _WIN32
    // The Windows modes name their data relative to the engine folder, modes_dir's parent.
    namespace fs = std::filesystem;
    std::error_code abs_ec;
    fs::path dir = fs::absolute(PathFromUtf8(modes_dir), abs_ec);
    if (!dir.has_filename()) dir = dir.parent_path();  // a trailing separator
    modes_dir_ = Utf8FromPath(dir);
    launch_.working_dir = Utf8FromPath(dir.parent_path());
#endif
    Rescan(true);
    worker_ = std::thread([this] { Worker(); });
}

ApertiumEngine::~ApertiumEngine() {
    stopping_ = true;
    {
        std::lock_guard<std::mutex> lock(worker_mu_);
        stop_ = true;
    }
    worker_cv_.notify_all();
    worker_.join();
    for (auto& t : preloaders_) t->join();
}

ApertiumEngine::SlotPtr ApertiumEngine::Find(const std::string& key) {
    std::lock_guard<std::mutex> lock(slots_mu_);
    auto it = slots_.find(key);
    return it == slots_.end() ? nullptr : it->second;
}

std::vector<ApertiumEngine::SlotPtr> ApertiumEngine::Snapshot() {
    std::lock_guard<std::mutex> lock(slots_mu_);
    std::vector<SlotPtr> out;
    for (const auto& [key, slot] : slots_) out.push_back(slot);
    return out;
}

std::vector<std::string> ApertiumEngine::Directions() {
    std::lock_guard<std::mutex> lock(slots_mu_);
    std::vector<std::string> out;
    for (const auto& [key, slot] : slots_) out.push_back(key);
    return out;
}

ApertiumEngine::SlotPtr ApertiumEngine::NewSlot(const ModeEntry& entry, const std::string& key) {
    auto slot = std::make_shared<Slot>();
    slot->key = key;
    slot->mode_name = std::get<0>(entry);
    slot->mode_file = std::get<1>(entry);
    return slot;
}

void ApertiumEngine::Rescan(bool initial) {
    std::lock_guard<std::mutex> scan_lock(rescan_mu_);
    const auto now = Now();
    if (!initial && now - scanned_at_ < kRecheckEvery) return;
    scanned_at_ = now;
    bool complete = false;
    auto listing = ListModes(PathFromUtf8(modes_dir_), &complete);
    // A folder that cannot be read just now (being replaced, a network drive away) takes no
    // direction away.
    if (!initial && (!complete || listing == listing_)) return;
    // A mode whose file is unchanged keeps its slot (and its running pipeline); a new or
    // rewritten one gets a fresh slot.
    std::map<std::string, SlotPtr> next;
    std::map<std::string, SlotPtr> old;
    {
        std::lock_guard<std::mutex> lock(slots_mu_);
        old = slots_;
    }
    for (const auto& entry : listing) {
        const std::string& stem = std::get<0>(entry);
        const auto dash = stem.find('-');
        const std::string key =
            ShortLanguageCode(stem.substr(0, dash)) + "-" + ShortLanguageCode(stem.substr(dash + 1));
        // Two modes of one direction (en-ca and eng-cat): one is kept, whatever the listing order.
        if (const auto other = next.find(key); other != next.end()) {
            const std::string& a = other->second->mode_name;
            const std::string kept = PreferredMode(a, stem);
            std::cerr << "plv-service: modes " << std::min(a, stem) << " and " << std::max(a, stem)
                      << " both translate " << key << "; using " << kept << "\n";
            if (kept == a) continue;
            next.erase(other);
        }
        auto it = old.find(key);
        if (it != old.end() && it->second->mode_name == stem &&
            std::binary_search(listing_.begin(), listing_.end(), entry)) {
            next.emplace(key, it->second);
            continue;
        }
        if (!initial)
            std::cerr << "plv-service: found mode " << stem << ": " << key << " can be translated\n";
        next.emplace(key, NewSlot(entry, key));
    }
    std::vector<SlotPtr> gone;
    for (const auto& [key, slot] : old) {
        auto it = next.find(key);
        if (it == next.end() || it->second != slot) gone.push_back(slot);
    }
    {
        std::lock_guard<std::mutex> lock(slots_mu_);
        slots_ = std::move(next);
    }
    listing_ = std::move(listing);
    // A pipeline serving a request finishes it; the slot, and with it the pipeline, goes with
    // the last request that holds it. An idle one ends now.
    for (const auto& slot : gone) {
        slot->removed = true;
        if (Find(slot->key) == nullptr)
            std::cerr << "plv-service: mode " << slot->mode_name << " is gone: " << slot->key
                      << " can no longer be translated\n";
        std::unique_lock<std::timed_mutex> lock(slot->mu, std::try_to_lock);
        if (lock) Stop(*slot);
    }
}

void ApertiumEngine::LogOnce(Slot& slot, const std::string& line) {
    // Called with state_mu held.
    if (slot.logged == line) return;
    slot.logged = line;
    std::cerr << "plv-service: " << line << "\n";
}

void ApertiumEngine::CheckData(Slot& slot) {
    const DataState data = ReadDataState(slot.mode_file, launch_.working_dir);
    std::lock_guard<std::mutex> lock(slot.state_mu);
    slot.checked_at = Now();
    slot.data_checked = true;
    if (data.signature == slot.data_signature) return;
    // Something changed: whatever failed before deserves another try.
    slot.data_signature = data.signature;
    slot.failure.clear();
    slot.broken = false;
    slot.missing.clear();
    if (data.bad.empty()) return;
    // One line for the pair, naming a few of its files: a pair installed without its data
    // misses every one of them.
    std::string files;
    for (std::size_t i = 0; i < data.bad.size() && i < 3; ++i)
        files += (i == 0 ? "'" : ", '") + data.bad[i] + "'";
    if (data.bad.size() > 3) files += " and " + std::to_string(data.bad.size() - 3) + " more";
    slot.missing = "translation engine unavailable: the data of " + slot.mode_name + " is missing or damaged";
    LogOnce(slot, "mode " + slot.mode_name + ": data file " + files + " is missing or unreadable; " +
                      slot.key + " is unavailable");
}

std::string ApertiumEngine::Problem(Slot& slot) {
    {
        // A pair's files are first looked at when it is first asked for: with many pairs
        // installed, start-up and /languages need not open every data file.
        std::lock_guard<std::mutex> lock(slot.state_mu);
        if (slot.data_checked && slot.missing.empty() && !slot.broken) return {};
        if (slot.data_checked && Now() - slot.checked_at < kRecheckEvery)
            return slot.missing.empty() ? slot.failure : slot.missing;
    }
    CheckData(slot);
    std::lock_guard<std::mutex> lock(slot.state_mu);
    if (slot.broken && Now() - slot.failed_at >= kRetryBrokenAfter) slot.broken = false;
    if (!slot.missing.empty()) return slot.missing;
    return slot.broken ? slot.failure : std::string();
}

void ApertiumEngine::SetFailure(Slot& slot, const std::string& why, bool broken) {
    std::lock_guard<std::mutex> lock(slot.state_mu);
    slot.failure = why;
    slot.broken = broken;
    slot.failed_at = Now();
    if (why.empty()) slot.logged.clear();  // it works again: a new failure is news
}

std::string ApertiumEngine::Unavailable(const std::string& direction) {
    const SlotPtr slot = Find(DirectionKey(direction));
    if (!slot) return {};
    const std::string problem = Problem(*slot);
    if (!problem.empty()) return problem;
    std::lock_guard<std::mutex> lock(slot->state_mu);
    return slot->failure;
}

std::vector<Language> ApertiumEngine::Languages(std::string* /*error*/) {
    Rescan(false);
    std::map<std::string, std::set<std::string>> targets;
    for (const auto& key : Directions()) {
        const auto dash = key.find('-');
        targets[key.substr(0, dash)].insert(key.substr(dash + 1));
        targets[key.substr(dash + 1)];  // a pure target is still a language we know
    }
    std::vector<Language> out;
    for (const auto& [code, tgts] : targets) {
        out.push_back({code, LanguageName(code), std::vector<std::string>(tgts.begin(), tgts.end()), {}});
    }
    return out;
}

void ApertiumEngine::Stop(Slot& slot) {
    slot.pipeline.reset();  // kills and reaps whatever is left
    slot.running = false;
    slot.answered = false;
}

bool ApertiumEngine::EnsureRunning(Slot& slot) {
    if (slot.pipeline && slot.pipeline->usable()) return false;
    Stop(slot);
    if (slot.command.empty()) {
        // $1 = -n: generate without '#' marks; $2 (tagger options) empty, as the apertium script does.
        slot.command = ParsePipelineLine(NullFlushLine(slot.mode_file, launch_), "-n", "");
    }
    std::lock_guard<std::mutex> lock(start_mu_);
    if (!pinned_) EndLeastRecentlyUsed(options_.max_pipelines - 1, &slot);
    slot.pipeline = Pipeline::Start(slot.command, launch_);
    slot.running = true;
    return true;
}

void ApertiumEngine::EndLeastRecentlyUsed(std::size_t limit, const Slot* keep) {
    // Called with start_mu_ held. Slots are only tried, never waited for: one whose lock is taken
    // is serving a request (or starting), and a request never waits for start_mu_ while holding
    // another slot's lock.
    std::vector<std::pair<Clock::rep, SlotPtr>> slots;  // times copied: they may change meanwhile
    std::size_t running = 0;
    for (auto& s : Snapshot()) {
        running += s.get() != keep && s->running ? 1 : 0;
        slots.emplace_back(s->last_used.load(), std::move(s));
    }
    if (running <= limit) return;
    std::sort(slots.begin(), slots.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [used, s] : slots) {
        if (running <= limit) break;
        if (s.get() == keep || !s->running) continue;
        std::unique_lock<std::timed_mutex> lock(s->mu, std::try_to_lock);
        if (!lock || !s->running) continue;
        Stop(*s);
        --running;
    }
}

std::size_t ApertiumEngine::EndIdle(Clock::time_point now) {
    if (options_.idle_after.count() <= 0 || pinned_) return 0;
    std::size_t ended = 0;
    const auto idle_since = (now - options_.idle_after).time_since_epoch().count();
    for (const auto& s : Snapshot()) {
        if (!s->running || s->last_used.load() > idle_since) continue;
        std::unique_lock<std::timed_mutex> lock(s->mu, std::try_to_lock);
        if (!lock || !s->running || s->last_used.load() > idle_since) continue;
        Stop(*s);
        ++ended;
    }
    return ended;
}

TranslateResult ApertiumEngine::Run(Slot& slot, const std::string& encoded) {
    // Apertium's answer is about as long as the text; anything far beyond is a stage gone wrong.
    const std::size_t max_answer = 16 * encoded.size() + (1u << 20);
    std::string answer, failure;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            EnsureRunning(slot);
        } catch (const std::exception& e) {
            const std::string why = "translation engine unavailable: cannot start " + slot.mode_name;
            SetFailure(slot, why, true);
            std::lock_guard<std::mutex> lock(slot.state_mu);
            LogOnce(slot, "cannot start pipeline " + slot.mode_name + ": " + e.what() + "; " + slot.key +
                              " is unavailable");
            return {503, why};
        }
        // A superblank with a fresh number closes every request. Apertium passes superblanks
        // through in order, so a complete answer ends with it. When a stage dies mid-request the
        // stages after it flush what they hold and emit a NUL at end of input; that truncated
        // answer lacks the seal and is not taken for a translation.
        const std::string seal = "[plv-seal-" + std::to_string(++slot.sequence) + "]";
        const auto status = slot.pipeline->Exchange(encoded + seal, &answer, options_.timeout, max_answer);
        if (status == Pipeline::Status::kOk && answer.size() >= seal.size() &&
            answer.compare(answer.size() - seal.size(), seal.size(), seal) == 0) {
            answer.resize(answer.size() - seal.size());
            slot.answered = true;
            SetFailure(slot, "", false);
            return {200, answer};
        }
        failure = status == Pipeline::Status::kTimeout    ? "timed out"
                  : status == Pipeline::Status::kTooLarge ? "answered too much"
                  : status == Pipeline::Status::kOk       ? "lost a request"
                                                          : "died";
        const bool at_start =
            !slot.answered && (status == Pipeline::Status::kDied || status == Pipeline::Status::kOk);
        // A chain that ends before it ever answered will do so again (damaged or half-installed
        // data, a stage that cannot run): once more to be sure, then the pair is out of service
        // until its files change, with one line in the log rather than one per request.
        if (at_start && attempt == 1) {
            Stop(slot);
            const std::string why = "translation engine unavailable: " + slot.mode_name +
                                    " cannot run (its data may be damaged or incomplete)";
            SetFailure(slot, why, true);
            std::lock_guard<std::mutex> lock(slot.state_mu);
            LogOnce(slot, "pipeline " + slot.mode_name +
                              " ends as soon as it starts (its data may be damaged); " + slot.key +
                              " is unavailable");
            return {503, why};
        }
        if (!at_start || attempt == 1) {
            std::cerr << "plv-service: pipeline " << slot.mode_name << " " << failure
                      << (attempt == 0 ? "; restarting and retrying\n" : "; giving up on this request\n");
        }
        Stop(slot);
    }
    return {503, "translation engine unavailable: pipeline " + slot.mode_name + " " + failure + " twice"};
}

TranslateResult ApertiumEngine::Translate(const std::string& source, const std::string& target,
                                          const std::string& text, TextFormat format) {
    const std::string key = NormalizeLanguageCode(source) + "-" + NormalizeLanguageCode(target);
    SlotPtr slot = Find(key);
    // A direction we do not know, or one that cannot translate, may have been installed or
    // repaired since we last looked.
    if (!slot || !Problem(*slot).empty()) {
        Rescan(false);
        slot = Find(key);
    }
    if (!slot) {
        std::string known;
        for (const auto& k : Directions()) known += (known.empty() ? "" : ", ") + k;
        return {400, "unknown direction " + source + "-" + target + " (available: " + known + ")"};
    }
    if (const std::string problem = Problem(*slot); !problem.empty()) return {503, problem};

    std::string encoded;
    if (format == TextFormat::kHtml) {
        const auto r = Deformat(text);
        if (r.status != 200) return r;
        encoded = r.text;
    } else {
        encoded = EncodeForApertium(text);
    }
    // Requests for one direction take turns, but none waits for ever behind a slow or hung
    // pipeline, and no more than max_waiting wait at once: the rest of the server keeps its
    // threads for the other directions and the page.
    const TranslateResult busy{503, "translation engine busy: too many requests for " + key + "; try again"};
    std::unique_lock<std::timed_mutex> lock(slot->mu, std::defer_lock);
    if (!lock.try_lock()) {
        if (slot->waiting.fetch_add(1) >= options_.max_waiting) {
            slot->waiting.fetch_sub(1);
            return busy;
        }
        const bool got = lock.try_lock_for(options_.timeout);
        slot->waiting.fetch_sub(1);
        if (!got) return busy;
    }
    if (slot->removed) {
        Stop(*slot);
        return {503, "translation engine unavailable: " + slot->mode_name + " has been removed"};
    }
    Touch(*slot);
    auto result = Run(*slot, encoded);
    Touch(*slot);
    lock.unlock();
    // Started while every other one was busy: one over the limit ends now that one is free.
    if (!pinned_) {
        std::lock_guard<std::mutex> start_lock(start_mu_);
        EndLeastRecentlyUsed(options_.max_pipelines, nullptr);
    }
    if (result.status != 200) return result;
    if (format == TextFormat::kHtml) return Reformat(result.text);
    return {200, DecodeFromApertium(result.text)};
}

TranslateResult ApertiumEngine::RunFormatter(const std::string& program, const std::string& input) {
    // The formatters are one-shot programs (they read to end of input before they write), so
    // each HTML request runs them afresh on either side of the long-lived chain, as the apertium
    // script does with `-f html`. Each is given as long as an exchange.
    const std::size_t max_output = 16 * input.size() + (1u << 20);
    std::string why;
    try {
        const auto r = RunProgram(program, {}, max_output, options_.timeout, launch_, input);
        if (r.exit_code == 0) return {200, r.out};
        why = "exit code " + std::to_string(r.exit_code) + (r.timed_out ? ", timed out" : "") +
              (r.too_large ? ", output too large" : "") + (r.err.empty() ? "" : ": " + r.err.substr(0, 500));
    } catch (const std::exception& e) {
        why = e.what();
    }
    {
        std::lock_guard<std::mutex> lock(formatter_mu_);
        const std::string line = program + " failed (" + why + ")";
        if (formatter_logged_ != line) std::cerr << "plv-service: " << line << "\n";
        formatter_logged_ = line;
    }
    return {503, "translation engine unavailable: the HTML could not be " +
                     std::string(program.find("des") != std::string::npos ? "read" : "rebuilt")};
}

TranslateResult ApertiumEngine::Deformat(const std::string& html) {
    // NUL ends a request in null-flush mode: it travels as the space it becomes, as in text.
    std::string input = html;
    std::replace(input.begin(), input.end(), '\0', ' ');
    auto r = RunFormatter("apertium-deshtml", input);
    if (r.status == 200) r.text.erase(std::remove(r.text.begin(), r.text.end(), '\0'), r.text.end());
    return r;
}

TranslateResult ApertiumEngine::Reformat(const std::string& stream) {
    return RunFormatter("apertium-rehtml", stream);
}

void ApertiumEngine::WarmNow(const SlotPtr& slot) {
    slot->warm_queued = false;
    if (slot->removed || !Problem(*slot).empty()) return;
    // Taken: a request is using it, so it runs already.
    std::unique_lock<std::timed_mutex> lock(slot->mu, std::try_to_lock);
    if (!lock) return;
    Touch(*slot);
    if (slot->pipeline && slot->pipeline->usable()) return;
    // The first exchange waits for every stage to load its data; pay it here.
    const auto r = Run(*slot, EncodeForApertium("ok"));
    Touch(*slot);
    if (r.status != 200) {
        std::lock_guard<std::mutex> state_lock(slot->state_mu);
        if (!slot->broken) {
            // Until a request gets through, the page of this direction says why (503).
            LogOnce(*slot, "warming " + slot->mode_name + " failed: " + r.text);
            slot->failure = "translation engine unavailable: " + slot->mode_name + " could not be started";
        }
    }
    lock.unlock();
    if (!pinned_) {
        std::lock_guard<std::mutex> start_lock(start_mu_);
        EndLeastRecentlyUsed(options_.max_pipelines, nullptr);
    }
}

bool ApertiumEngine::Warm(const std::string& direction) {
    const SlotPtr slot = Find(DirectionKey(direction));
    if (!slot) return false;
    if (slot->running) {
        Touch(*slot);  // opened for use: not the one to end next
        return true;
    }
    if (slot->warm_queued.exchange(true)) return true;
    {
        std::lock_guard<std::mutex> lock(worker_mu_);
        warm_queue_.push_back(slot);
    }
    worker_cv_.notify_all();
    return true;
}

void ApertiumEngine::Preload() {
    pinned_ = true;
    auto slots = std::make_shared<std::vector<SlotPtr>>();
    for (const auto& slot : Snapshot()) {
        if (!Problem(*slot).empty()) continue;  // already logged and answered 503
        slot->warm_queued = true;
        slots->push_back(slot);
    }
    // A few at a time: every chain loading its data at once, with many pairs on few cores,
    // would make each take longer than the time-out.
    auto next = std::make_shared<std::atomic<std::size_t>>(0);
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 2u, 8u);
    for (unsigned i = 0; i < threads && i < slots->size(); ++i) {
        preloaders_.push_back(std::make_unique<std::thread>([this, slots, next] {
            for (std::size_t k = (*next)++; k < slots->size() && !stopping_; k = (*next)++)
                WarmNow((*slots)[k]);
        }));
    }
}

void ApertiumEngine::Worker() {
    // Warms what was asked for, one direction at a time, and ends idle pipelines now and then:
    // a tenth of the idle time, between one second and a minute.
    const auto sweep_every = std::clamp<std::chrono::milliseconds>(
        options_.idle_after / 10, std::chrono::seconds(1), std::chrono::minutes(1));
    auto next_sweep = Clock::now() + sweep_every;
    std::unique_lock<std::mutex> lock(worker_mu_);
    while (!stop_) {
        if (!warm_queue_.empty()) {
            const SlotPtr slot = warm_queue_.front();
            warm_queue_.pop_front();
            lock.unlock();
            WarmNow(slot);
            lock.lock();
            continue;
        }
        if (Clock::now() >= next_sweep) {
            lock.unlock();
            EndIdle(Now());
            lock.lock();
            next_sweep = Clock::now() + sweep_every;
            continue;
        }
        worker_cv_.wait_until(lock, next_sweep, [this] { return stop_ || !warm_queue_.empty(); });
    }
}

std::vector<ProcessId> ApertiumEngine::Pids(const std::string& direction) {
    const SlotPtr slot = Find(DirectionKey(direction));
    if (!slot) return {};
    std::unique_lock<std::timed_mutex> lock(slot->mu, std::defer_lock);
    if (!lock.try_lock_for(options_.timeout)) return {};
    if (!slot->pipeline || !slot->pipeline->usable()) return {};
    return slot->pipeline->pids();
}

}  // namespace plv
