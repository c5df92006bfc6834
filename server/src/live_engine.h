// The engine of every direction, built from the configuration and replaced whole while the
// service runs when the user saves new settings in Parlevo's Engines panel: the online services
// with their keys, the directions routed to each, and (engine = relay) the relay. A request takes
// the engines in force when it starts and finishes on them, whatever is saved meanwhile.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>

#include "config.h"
#include "engine.h"
#include "providers.h"
#include "upstream.h"

namespace plv {

class LiveEngine : public Engine {
  public:
    // offline: the engine of the directions no route names (Apertium, owned elsewhere), or null
    // when engine = relay, whose relay is then built from the configuration. keys_in_panel: a
    // refused key's message points to the Engines panel. The first Apply installs the engines.
    LiveEngine(Engine* offline, UpstreamOptions upstream_options, std::chrono::milliseconds timeout,
               std::size_t max_answer, bool keys_in_panel);

    // The engines cfg names, not yet in force. Throws std::exception (std::invalid_argument,
    // naming the setting, for a tls_ca_file that cannot be used; std::runtime_error when the
    // system's HTTP client cannot be had).
    std::shared_ptr<Engine> Build(const Config& cfg);
    // Puts engines from Build in force: requests from now on use them.
    void Apply(std::shared_ptr<Engine> built);

    // A service with these settings, on the same HTTP client, for one check of its key.
    std::unique_ptr<ProviderEngine> MakeProvider(const std::string& id, const ProviderSettings& settings);

    std::vector<Language> Languages(std::string* error) override;
    TranslateResult Translate(const std::string& source, const std::string& target, const std::string& text,
                              TextFormat format = TextFormat::kText) override;
    TranslateResult TranslateDetecting(const std::string& direction, const std::string& text,
                                       TextFormat format) override;
    std::string Unavailable(const std::string& direction) override;

  private:
    std::shared_ptr<Engine> Current() const;
    // The HTTP client, made at its first use: an offline service never opens one.
    Upstream& Client();

    Engine* offline_;
    const UpstreamOptions upstream_options_;
    const std::chrono::milliseconds timeout_;
    const std::size_t max_answer_;
    const bool keys_in_panel_;
    std::mutex client_mutex_;
    std::unique_ptr<Upstream> upstream_;  // lives as long as this: every engine built refers to it
    mutable std::mutex mutex_;
    std::shared_ptr<Engine> current_;
};

}  // namespace plv
