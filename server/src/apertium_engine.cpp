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

// The data files a mode's line names that cannot be read (missing, unreadable, a folder, or
// empty: no Apertium data file is). A data file is an argument with a folder part and a file
// name with an extension: options and sed-like expressions are neither. Relative ones are
// taken from the stages' working directory.
std::vector<std::string> UnreadableDataFiles(const std::string& mode_file, const std::string& working_dir) {
    namespace fs = std::filesystem;
    std::ifstream in(PathFromUtf8(mode_file), std::ios::binary);
    const std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PipelineCommand stages;
    try {
        stages = ParsePipelineLine(line, "-n", "");
    } catch (const std::exception&) {
        return {};  // reported when the pipeline is started
    }
    std::vector<std::string> bad;
    for (const auto& stage : stages) {
        for (std::size_t k = 1; k < stage.size(); ++k) {
            const std::string& arg = stage[k];
            const auto sep = arg.find_last_of("/\\");
            if (arg.empty() || arg[0] == '-' || sep == std::string::npos ||
                arg.find('.', sep + 1) == std::string::npos)
                continue;
            fs::path path = PathFromUtf8(arg);
            if (path.is_relative() && !working_dir.empty()) path = PathFromUtf8(working_dir) / path;
            std::error_code ec;
            std::ifstream data(path, std::ios::binary);
            if (fs::is_directory(path, ec) || !data || data.peek() == std::ifstream::traits_type::eof())
                bad.push_back(Utf8FromPath(path));
        }
    }
    return bad;
}

}  // namespace

ApertiumEngine::ApertiumEngine(const std::string& modes_dir, std::chrono::milliseconds timeout,
                               std::size_t max_waiting, const std::string& engine_program)
    : timeout_(timeout), max_waiting_(std::max<std::size_t>(max_waiting, 1)) {
    namespace fs = std::filesystem;
    launch_.engine_program = engine_program;
    fs::path dir = PathFromUtf8(modes_dir);
#ifdef _WIN32
    // The Windows modes name their data relative to the engine folder, modes_dir's parent.
    std::error_code abs_ec;
    dir = fs::absolute(dir, abs_ec);
    if (!dir.has_filename()) dir = dir.parent_path();  // a trailing separator
    launch_.working_dir = Utf8FromPath(dir.parent_path());
#endif
    static const std::regex kPlainPair("([a-z]{2,3})-([a-z]{2,3})");
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() != ".mode") continue;
        const std::string stem = Utf8FromPath(p.stem());
        std::smatch m;
        if (!std::regex_match(stem, m, kPlainPair)) continue;
        const std::string key = ShortLanguageCode(m[1]) + "-" + ShortLanguageCode(m[2]);
        // Two modes of one direction (en-ca and eng-cat): one is kept, whatever the listing order.
        if (const auto other = slots_.find(key); other != slots_.end()) {
            const std::string& a = other->second->mode_name;
            const std::string kept = PreferredMode(a, stem);
            std::cerr << "plv-service: modes " << std::min(a, stem) << " and " << std::max(a, stem)
                      << " both translate " << key << "; using " << kept << "\n";
            if (kept == other->second->mode_name) continue;
            slots_.erase(other);
        }
        auto slot = std::make_unique<Slot>();
        slot->mode_name = stem;
        slot->mode_file = Utf8FromPath(p);
        for (const auto& file : UnreadableDataFiles(slot->mode_file, launch_.working_dir)) {
            std::cerr << "plv-service: mode " << stem << ": data file '" << file
                      << "' is missing or unreadable; " << key << " is unavailable\n";
            slot->missing_data =
                "translation engine unavailable: the data of " + stem + " is missing or damaged";
        }
        slots_.emplace(key, std::move(slot));
    }
}

ApertiumEngine::~ApertiumEngine() {
    for (auto& t : preloaders_) t->join();
}

std::vector<std::string> ApertiumEngine::Directions() const {
    std::vector<std::string> out;
    for (const auto& [key, slot] : slots_) out.push_back(key);
    return out;
}

std::vector<Language> ApertiumEngine::Languages(std::string* /*error*/) {
    std::map<std::string, std::set<std::string>> targets;
    for (const auto& [key, slot] : slots_) {
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

void ApertiumEngine::EnsureRunning(Slot& slot) {
    if (slot.pipeline && slot.pipeline->usable()) return;
    slot.pipeline.reset();  // kills and reaps whatever is left of a broken one
    if (slot.command.empty()) {
        // $1 = -n: generate without '#' marks; $2 (tagger options) empty, as the apertium script does.
        slot.command = ParsePipelineLine(NullFlushLine(slot.mode_file, launch_), "-n", "");
    }
    slot.pipeline = Pipeline::Start(slot.command, launch_);
}

void ApertiumEngine::SetFailure(Slot& slot, const std::string& why) {
    std::lock_guard<std::mutex> lock(slot.state_mu);
    slot.failure = why;
}

std::string ApertiumEngine::Unavailable(const std::string& direction) {
    auto it = slots_.find(direction);
    if (it == slots_.end()) return {};
    Slot& slot = *it->second;
    if (!slot.missing_data.empty()) return slot.missing_data;
    std::lock_guard<std::mutex> lock(slot.state_mu);
    return slot.failure;
}

TranslateResult ApertiumEngine::Translate(const std::string& source, const std::string& target,
                                          const std::string& text) {
    const std::string key = NormalizeLanguageCode(source) + "-" + NormalizeLanguageCode(target);
    auto it = slots_.find(key);
    if (it == slots_.end()) {
        std::string known;
        for (const auto& [k, s] : slots_) known += (known.empty() ? "" : ", ") + k;
        return {400, "unknown direction " + source + "-" + target + " (available: " + known + ")"};
    }
    Slot& slot = *it->second;
    if (!slot.missing_data.empty()) return {503, slot.missing_data};
    const std::string encoded = EncodeForApertium(text);
    // Requests for one direction take turns, but none waits for ever behind a slow or hung
    // pipeline, and no more than max_waiting_ wait at once: the rest of the server keeps its
    // threads for the other directions and the page.
    const TranslateResult busy{503, "translation engine busy: too many requests for " + key + "; try again"};
    std::unique_lock<std::timed_mutex> lock(slot.mu, std::defer_lock);
    if (!lock.try_lock()) {
        if (slot.waiting.fetch_add(1) >= max_waiting_) {
            slot.waiting.fetch_sub(1);
            return busy;
        }
        const bool got = lock.try_lock_for(timeout_);
        slot.waiting.fetch_sub(1);
        if (!got) return busy;
    }
    // Apertium's answer is about as long as the text; anything far beyond is a stage gone wrong.
    const std::size_t max_answer = 16 * encoded.size() + (1u << 20);
    std::string answer, failure;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            EnsureRunning(slot);
        } catch (const std::exception& e) {
            std::cerr << "plv-service: cannot start pipeline " << slot.mode_name << ": " << e.what() << "\n";
            const std::string why = "translation engine unavailable: cannot start " + slot.mode_name;
            SetFailure(slot, why);
            return {503, why};
        }
        // A superblank with a fresh number closes every request. Apertium passes superblanks
        // through in order, so a complete answer ends with it. When a stage dies mid-request the
        // stages after it flush what they hold and emit a NUL at end of input; that truncated
        // answer lacks the seal and is not taken for a translation.
        const std::string seal = "[plv-seal-" + std::to_string(++slot.sequence) + "]";
        const auto status = slot.pipeline->Exchange(encoded + seal, &answer, timeout_, max_answer);
        if (status == Pipeline::Status::kOk && answer.size() >= seal.size() &&
            answer.compare(answer.size() - seal.size(), seal.size(), seal) == 0) {
            answer.resize(answer.size() - seal.size());
            SetFailure(slot, "");
            return {200, DecodeFromApertium(answer)};
        }
        failure = status == Pipeline::Status::kTimeout    ? "timed out"
                  : status == Pipeline::Status::kTooLarge ? "answered too much"
                  : status == Pipeline::Status::kOk       ? "lost a request"
                                                          : "died";
        std::cerr << "plv-service: pipeline " << slot.mode_name << " " << failure
                  << (attempt == 0 ? "; restarting and retrying\n" : "; giving up on this request\n");
        slot.pipeline.reset();
    }
    return {503, "translation engine unavailable: pipeline " + slot.mode_name + " " + failure + " twice"};
}

void ApertiumEngine::Preload() {
    for (auto& [key, slot_ptr] : slots_) {
        Slot* slot = slot_ptr.get();
        if (!slot_ptr->missing_data.empty()) continue;  // already logged and answered 503
        preloaders_.push_back(std::make_unique<std::thread>([this, slot] {
            std::lock_guard<std::timed_mutex> lock(slot->mu);
            std::string failed;
            try {
                EnsureRunning(*slot);
                // The first exchange waits for every stage to load its data; pay it here.
                std::string ignored;
                if (slot->pipeline->Exchange(EncodeForApertium("ok"), &ignored, timeout_) !=
                    Pipeline::Status::kOk) {
                    slot->pipeline.reset();
                    failed = "its pipeline did not answer";
                }
            } catch (const std::exception& e) {
                failed = e.what();
            }
            if (!failed.empty()) {
                // Until a request gets through, the page of this direction says why (503).
                std::cerr << "plv-service: preload of " << slot->mode_name << " failed: " << failed << "\n";
                SetFailure(*slot,
                           "translation engine unavailable: " + slot->mode_name + " could not be started");
            }
        }));
    }
}

std::vector<ProcessId> ApertiumEngine::Pids(const std::string& direction) {
    auto it = slots_.find(direction);
    if (it == slots_.end()) return {};
    std::unique_lock<std::timed_mutex> lock(it->second->mu, std::defer_lock);
    if (!lock.try_lock_for(timeout_)) return {};
    if (!it->second->pipeline || !it->second->pipeline->usable()) return {};
    return it->second->pipeline->pids();
}

}  // namespace plv
