// Hands translations to another server that speaks the same API (another plv-service, or any
// LibreTranslate-style server), sending the configured API key along when there is one.
#pragma once

#include <httplib.h>

#include <chrono>
#include <string>

#include "engine.h"

namespace plv {

class RelayEngine : public Engine {
  public:
    // url is http://host[:port][/base]; throws std::invalid_argument otherwise. An upstream
    // answer longer than max_answer bytes is refused rather than held in memory.
    RelayEngine(const std::string& url, std::string api_key, std::chrono::milliseconds timeout,
                std::size_t max_answer);

    std::vector<Language> Languages(std::string* error) override;
    TranslateResult Translate(const std::string& source, const std::string& target,
                              const std::string& text) override;

  private:
    struct Answer {
        int status = 0;  // 0: no answer (see error)
        httplib::Error error = httplib::Error::Success;
        std::string body;
        bool too_large = false;
    };
    Answer Send(httplib::Request request);

    std::string host_port_;  // "http://host:port", what httplib::Client takes
    std::string base_;       // path prefix, "" or "/base"
    std::string api_key_;
    std::chrono::milliseconds timeout_;
    std::size_t max_answer_;
};

}  // namespace plv
