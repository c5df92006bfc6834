#include "apertium_engine.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <regex>
#include <set>

#include "apertium_format.h"

namespace plv {
namespace {

// apertium-wblank-mode rewrites a mode's line with -z on every stage and the word-bound blank
// helpers in the right places: exactly what `apertium -z` runs, minus its format filters.
std::string NullFlushLine(const std::string& mode_file) {
    const std::string cmd = "apertium-wblank-mode -z '" + mode_file + "' 2>&1";
    FILE* f = ::popen(cmd.c_str(), "r");
    if (f == nullptr) throw std::runtime_error("cannot run apertium-wblank-mode");
    std::string out;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    const int rc = ::pclose(f);
    if (rc != 0) throw std::runtime_error("apertium-wblank-mode failed for " + mode_file + ": " + out);
    return out;
}

}  // namespace

ApertiumEngine::ApertiumEngine(const std::string& modes_dir, std::chrono::milliseconds timeout)
    : timeout_(timeout) {
    namespace fs = std::filesystem;
    static const std::regex kPlainPair("([a-z]{2,3})-([a-z]{2,3})");
    std::error_code ec;
    for (fs::directory_iterator it(modes_dir, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() != ".mode") continue;
        const std::string stem = p.stem().string();
        std::smatch m;
        if (!std::regex_match(stem, m, kPlainPair)) continue;
        const std::string key = ShortLanguageCode(m[1]) + "-" + ShortLanguageCode(m[2]);
        auto slot = std::make_unique<Slot>();
        slot->mode_name = stem;
        slot->mode_file = p.string();
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
        out.push_back({code, LanguageName(code), std::vector<std::string>(tgts.begin(), tgts.end())});
    }
    return out;
}

void ApertiumEngine::EnsureRunning(Slot& slot) {
    if (slot.pipeline && slot.pipeline->usable()) return;
    slot.pipeline.reset();  // kills and reaps whatever is left of a broken one
    if (slot.command.empty()) {
        // $1 = -n: generate without '#' marks; $2 (tagger options) empty, as the apertium script does.
        slot.command = ParsePipelineLine(NullFlushLine(slot.mode_file), "-n", "");
    }
    slot.pipeline = Pipeline::Start(slot.command);
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
    const std::string encoded = EncodeForApertium(text);
    std::lock_guard<std::mutex> lock(slot.mu);
    std::string answer, failure;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            EnsureRunning(slot);
        } catch (const std::exception& e) {
            std::cerr << "plv-service: cannot start pipeline " << slot.mode_name << ": " << e.what() << "\n";
            return {503, "translation engine unavailable: cannot start " + slot.mode_name + ": " + e.what()};
        }
        // A superblank with a fresh number closes every request. Apertium passes superblanks
        // through in order, so a complete answer ends with it. When a stage dies mid-request the
        // stages after it flush what they hold and emit a NUL at end of input; that truncated
        // answer lacks the seal and is not taken for a translation.
        const std::string seal = "[plv-seal-" + std::to_string(++slot.sequence) + "]";
        const auto status = slot.pipeline->Exchange(encoded + seal, &answer, timeout_);
        if (status == Pipeline::Status::kOk && answer.size() >= seal.size() &&
            answer.compare(answer.size() - seal.size(), seal.size(), seal) == 0) {
            answer.resize(answer.size() - seal.size());
            return {200, DecodeFromApertium(answer)};
        }
        failure = status == Pipeline::Status::kTimeout ? "timed out"
                  : status == Pipeline::Status::kOk    ? "lost a request"
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
        preloaders_.push_back(std::make_unique<std::thread>([this, slot] {
            std::lock_guard<std::mutex> lock(slot->mu);
            try {
                EnsureRunning(*slot);
                // The first exchange waits for every stage to load its data; pay it here.
                std::string ignored;
                if (slot->pipeline->Exchange(EncodeForApertium("ok"), &ignored, timeout_) !=
                    Pipeline::Status::kOk) {
                    slot->pipeline.reset();
                }
            } catch (const std::exception& e) {
                std::cerr << "plv-service: preload of " << slot->mode_name << " failed: " << e.what() << "\n";
            }
        }));
    }
}

std::vector<pid_t> ApertiumEngine::Pids(const std::string& direction) {
    auto it = slots_.find(direction);
    if (it == slots_.end()) return {};
    std::lock_guard<std::mutex> lock(it->second->mu);
    if (!it->second->pipeline || !it->second->pipeline->usable()) return {};
    return it->second->pipeline->pids();
}

}  // namespace plv
