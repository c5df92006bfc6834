#include "live_engine.h"

#include <stdexcept>

namespace plv {
namespace {

// One generation of engines: the router, and the relay it sends the rest to when it owns one.
// Kept alive by the requests using it after a newer one is in force.
class Generation : public Engine {
  public:
    Generation(std::unique_ptr<Engine> relay, Engine& base, std::string base_name,
               std::map<std::string, std::unique_ptr<Engine>> routes,
               std::map<std::string, std::string> names)
        : relay_(std::move(relay)),
          routed_(base, std::move(base_name), std::move(routes), std::move(names)) {}

    std::vector<Language> Languages(std::string* error) override { return routed_.Languages(error); }
    TranslateResult Translate(const std::string& source, const std::string& target, const std::string& text,
                              TextFormat format) override {
        return routed_.Translate(source, target, text, format);
    }
    TranslateResult TranslateDetecting(const std::string& direction, const std::string& text,
                                       TextFormat format) override {
        return routed_.TranslateDetecting(direction, text, format);
    }
    std::string Unavailable(const std::string& direction) override { return routed_.Unavailable(direction); }

  private:
    std::unique_ptr<Engine> relay_;  // before routed_, which refers to it
    RoutedEngine routed_;
};

}  // namespace

LiveEngine::LiveEngine(Engine* offline, UpstreamOptions upstream_options, std::chrono::milliseconds timeout,
                       std::size_t max_answer, bool keys_in_panel)
    : offline_(offline),
      upstream_options_(std::move(upstream_options)),
      timeout_(timeout),
      max_answer_(max_answer),
      keys_in_panel_(keys_in_panel) {}

Upstream& LiveEngine::Client() {
    std::lock_guard lock(client_mutex_);
    if (!upstream_) upstream_ = MakeUpstream(upstream_options_);
    return *upstream_;
}

std::unique_ptr<ProviderEngine> LiveEngine::MakeProvider(const std::string& id,
                                                         const ProviderSettings& settings) {
    const ProviderInfo* info = FindProvider(id);
    if (info == nullptr) throw std::invalid_argument("no translation service '" + id + "'");
    return std::make_unique<ProviderEngine>(*info, settings, Client(), timeout_, max_answer_, keys_in_panel_);
}

std::shared_ptr<Engine> LiveEngine::Build(const Config& cfg) {
    // A certificate file that cannot be used is said at start-up, as before, not at the first
    // request to a service.
    if (!cfg.tls_ca_file.empty()) Client();
    const auto service = [&](const std::string& id) {
        const auto p = cfg.providers.find(id);
        return MakeProvider(id, id == "libretranslate"
                                    ? ProviderSettings{cfg.relay_url, cfg.relay_key, {}, {}}
                                : p == cfg.providers.end() ? ProviderSettings{}
                                                           : p->second);
    };
    std::unique_ptr<Engine> relay;
    std::string base_name = kApertiumInfo.name;
    if (offline_ == nullptr) {
        relay = service("libretranslate");
        base_name = FindProvider("libretranslate")->name;
    }
    Engine& base = offline_ != nullptr ? *offline_ : *relay;
    std::map<std::string, std::unique_ptr<Engine>> routes;
    std::map<std::string, std::string> names;
    for (const auto& [dir, id] : cfg.routes) {
        routes[dir] = service(id);
        names[dir] = FindProvider(id)->name;
    }
    return std::make_shared<Generation>(std::move(relay), base, base_name, std::move(routes),
                                        std::move(names));
}

void LiveEngine::Apply(std::shared_ptr<Engine> built) {
    std::shared_ptr<Engine> old;
    {
        std::lock_guard lock(mutex_);
        old = std::exchange(current_, std::move(built));
    }
    // `old` goes here, or with the last request still using it: never under the lock.
}

std::shared_ptr<Engine> LiveEngine::Current() const {
    std::lock_guard lock(mutex_);
    return current_;
}

std::vector<Language> LiveEngine::Languages(std::string* error) { return Current()->Languages(error); }

TranslateResult LiveEngine::Translate(const std::string& source, const std::string& target,
                                      const std::string& text, TextFormat format) {
    return Current()->Translate(source, target, text, format);
}

TranslateResult LiveEngine::TranslateDetecting(const std::string& direction, const std::string& text,
                                               TextFormat format) {
    return Current()->TranslateDetecting(direction, text, format);
}

std::string LiveEngine::Unavailable(const std::string& direction) {
    return Current()->Unavailable(direction);
}

}  // namespace plv
