// Hands translations to another server that speaks the same API (another plv-service, or any
// LibreTranslate-style server), sending the configured API key along when there is one.
#pragma once

#include <chrono>
#include <string>

#include "engine.h"

namespace plv {

class RelayEngine : public Engine {
  public:
    // url is http://host[:port][/base]; throws std::invalid_argument otherwise.
    RelayEngine(const std::string& url, std::string api_key, std::chrono::milliseconds timeout);

    std::vector<Language> Languages(std::string* error) override;
    TranslateResult Translate(const std::string& source, const std::string& target,
                              const std::string& text) override;

  private:
    std::string host_port_;  // "http://host:port", what httplib::Client takes
    std::string base_;       // path prefix, "" or "/base"
    std::string api_key_;
    std::chrono::milliseconds timeout_;
};

}  // namespace plv
