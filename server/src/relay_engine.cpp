#include "relay_engine.h"

#include <httplib.h>

#include <iostream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace plv {
namespace {

std::string ErrorText(const std::string& body) {
    try {
        auto j = nlohmann::json::parse(body);
        if (j.is_object() && j.contains("error") && j["error"].is_string())
            return j["error"].get<std::string>();
    } catch (const std::exception&) {
    }
    return body.substr(0, 200);
}

}  // namespace

RelayEngine::RelayEngine(const std::string& url, std::string api_key, std::chrono::milliseconds timeout,
                         std::size_t max_answer)
    : api_key_(std::move(api_key)), timeout_(timeout), max_answer_(max_answer) {
    const std::string scheme = "http://";
    if (url.rfind(scheme, 0) != 0 || url.size() == scheme.size()) {
        throw std::invalid_argument("relay address must look like http://host:port, got '" + url + "'");
    }
    const auto slash = url.find('/', scheme.size());
    host_port_ = url.substr(0, slash);
    if (slash != std::string::npos) {
        base_ = url.substr(slash);
        while (!base_.empty() && base_.back() == '/') base_.pop_back();
    }
}

// The body is gathered as it arrives and the reading stops once it passes the limit, whatever
// the upstream's Content-Length says or leaves out.
RelayEngine::Answer RelayEngine::Send(httplib::Request request) {
    Answer a;
    request.content_receiver = [&a, this](const char* data, std::size_t n, std::uint64_t, std::uint64_t) {
        if (a.body.size() + n > max_answer_) {
            a.too_large = true;
            return false;
        }
        a.body.append(data, n);
        return true;
    };
    // A client per request: httplib serialises requests on one client, and the relay should
    // pass concurrent requests on concurrently.
    httplib::Client cli(host_port_);
    cli.set_connection_timeout(timeout_);
    cli.set_read_timeout(timeout_);
    cli.set_write_timeout(timeout_);
    cli.set_tcp_nodelay(true);
    auto result = cli.send(request);
    a.error = result.error();
    a.status = result && !a.too_large ? result->status : 0;
    return a;
}

namespace {

std::string Unreachable(const std::string& host_port, httplib::Error error, bool too_large,
                        std::size_t max_answer) {
    if (too_large) return "relay answer over " + std::to_string(max_answer) + " bytes from " + host_port;
    return "relay unreachable at " + host_port + ": " + httplib::to_string(error);
}

}  // namespace

std::vector<Language> RelayEngine::Languages(std::string* error) {
    httplib::Request request;
    request.method = "GET";
    request.path = base_ + "/languages";
    Answer a = Send(std::move(request));
    if (a.status == 0) {
        *error = Unreachable(host_port_, a.error, a.too_large, max_answer_);
        return {};
    }
    if (a.status != 200) {
        *error = "relay answered " + std::to_string(a.status) + ": " + ErrorText(a.body);
        return {};
    }
    std::vector<Language> out;
    try {
        for (const auto& l : nlohmann::json::parse(a.body)) {
            Language lang;
            lang.code = l.at("code").get<std::string>();
            lang.name = l.value("name", lang.code);
            if (l.contains("targets")) lang.targets = l["targets"].get<std::vector<std::string>>();
            out.push_back(std::move(lang));
        }
    } catch (const std::exception& e) {
        std::cerr << "plv-service: relay language list unreadable: " << e.what() << "\n";
        *error = "relay sent a language list we cannot read";
        return {};
    }
    return out;
}

TranslateResult RelayEngine::Translate(const std::string& source, const std::string& target,
                                       const std::string& text) {
    nlohmann::json body = {{"q", text}, {"source", source}, {"target", target}, {"format", "text"}};
    if (!api_key_.empty()) body["api_key"] = api_key_;
    httplib::Request request;
    request.method = "POST";
    request.path = base_ + "/translate";
    request.headers.emplace("Content-Type", "application/json");
    request.body = body.dump();
    Answer a = Send(std::move(request));
    if (a.status == 0) {
        return {503, "translation engine unavailable: " +
                         Unreachable(host_port_, a.error, a.too_large, max_answer_)};
    }
    if (a.status == 200) {
        try {
            auto j = nlohmann::json::parse(a.body);
            return {200, j.at("translatedText").get<std::string>()};
        } catch (const std::exception& e) {
            std::cerr << "plv-service: relay answer unreadable: " << e.what() << "\n";
            return {503, "translation engine unavailable: relay answer unreadable"};
        }
    }
    // The client's own mistakes keep their status; anything else (a refused key, an overloaded
    // or broken upstream) is the relay being unavailable from the client's point of view.
    const int status = (a.status == 400 || a.status == 413) ? a.status : 503;
    return {status, "relay answered " + std::to_string(a.status) + ": " + ErrorText(a.body)};
}

}  // namespace plv
