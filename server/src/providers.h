// Translation services elsewhere that a user or a team holds a key for (DeepL, Google Cloud,
// Microsoft, Yandex Cloud, LibreTranslate), each one an engine that speaks that service's public
// API through an Upstream, and the engine that sends each direction to the one configured for it.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "config.h"
#include "engine.h"
#include "upstream.h"

namespace plv {

// The services by the name the configuration uses for them: deepl, google, microsoft, yandex,
// libretranslate. Nothing for another name.
struct ProviderInfo {
    const char* id;
    const char* name;  // as the page credits it, e.g. "DeepL"
    const char* link;  // the service's site, where the credit leads
};
const ProviderInfo* FindProvider(const std::string& id);
// Any engine, Apertium too, by its name ("DeepL").
const ProviderInfo* FindEngineByName(const std::string& name);
// Apertium's credit, for the directions the offline engine translates.
extern const ProviderInfo kApertiumInfo;

// What went wrong with a service, by what the user can do about it.
enum class UpstreamProblem {
    None,
    Key,
    Quota,
    Rate,
    RateOrQuota,  // a service that does not tell the two apart
    Pair,
    TextTooLong,
    Timeout,
    Unreachable,
    Tls,
    TooLarge,
    Unreadable,
    Other
};

class ProviderEngine : public Engine {
  public:
    // The upstream outlives the engine. Requests time out after `timeout`; an answer over
    // max_answer bytes is refused.
    ProviderEngine(const ProviderInfo& info, ProviderSettings settings, Upstream& upstream,
                   std::chrono::milliseconds timeout, std::size_t max_answer);

    // The service's own list; only LibreTranslate has one we ask for (it serves as a whole
    // relay); the others say nothing, their directions come from the configuration.
    std::vector<Language> Languages(std::string* error) override;
    // source "auto": the service finds the language, and the result names it.
    TranslateResult Translate(const std::string& source, const std::string& target, const std::string& text,
                              TextFormat format = TextFormat::kText) override;
    TranslateResult TranslateDetecting(const std::string& direction, const std::string& text,
                                       TextFormat format) override;

    // The last problem met, for tests and the log.
    UpstreamProblem LastProblem() const;

  private:
    TranslateResult Fail(UpstreamProblem problem, int status, const std::string& message);
    std::string Scrub(std::string text) const;

    const ProviderInfo& info_;
    ProviderSettings settings_;
    Upstream& upstream_;
    std::chrono::milliseconds timeout_;
    std::size_t max_answer_;
    mutable std::mutex mutex_;
    UpstreamProblem last_ = UpstreamProblem::None;
};

// The engine the service talks to: each configured direction goes to its service, every other
// one to the base engine (Apertium, or a whole LibreTranslate relay). /languages lists both, with
// the engine of each direction.
class RoutedEngine : public Engine {
  public:
    // routes: "en-de" (or "auto-de", the engine for source=auto) -> the engine for it (owned here),
    // route_names: the same keys -> the engine's name; base (not owned) translates the rest, credited as
    // base_name.
    RoutedEngine(Engine& base, std::string base_name, std::map<std::string, std::unique_ptr<Engine>> routes,
                 std::map<std::string, std::string> route_names);

    std::vector<Language> Languages(std::string* error) override;
    TranslateResult Translate(const std::string& source, const std::string& target, const std::string& text,
                              TextFormat format = TextFormat::kText) override;
    TranslateResult TranslateDetecting(const std::string& direction, const std::string& text,
                                       TextFormat format) override;
    std::string Unavailable(const std::string& direction) override;

  private:
    Engine& base_;
    std::string base_name_;
    std::map<std::string, std::unique_ptr<Engine>> routes_;
    std::map<std::string, std::string> route_names_;  // "en-de" -> "DeepL"
};

}  // namespace plv
