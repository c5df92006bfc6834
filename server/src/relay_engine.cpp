#include "relay_engine.h"

#include <httplib.h>

#include <iostream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace plv {
namespace {

std::string ErrorText(const httplib::Result& res) {
    try {
        auto j = nlohmann::json::parse(res->body);
        if (j.is_object() && j.contains("error") && j["error"].is_string())
            return j["error"].get<std::string>();
    } catch (const std::exception&) {
    }
    return res->body.substr(0, 200);
}

}  // namespace

RelayEngine::RelayEngine(const std::string& url, std::string api_key, std::chrono::milliseconds timeout)
    : api_key_(std::move(api_key)), timeout_(timeout) {
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

std::vector<Language> RelayEngine::Languages(std::string* error) {
    httplib::Client cli(host_port_);
    cli.set_connection_timeout(timeout_);
    cli.set_read_timeout(timeout_);
    auto res = cli.Get(base_ + "/languages");
    if (!res) {
        *error = "relay unreachable at " + host_port_ + ": " + httplib::to_string(res.error());
        return {};
    }
    if (res->status != 200) {
        *error = "relay answered " + std::to_string(res->status) + ": " + ErrorText(res);
        return {};
    }
    std::vector<Language> out;
    try {
        for (const auto& l : nlohmann::json::parse(res->body)) {
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
    // A client per request: httplib serialises requests on one client, and the relay should
    // pass concurrent requests on concurrently.
    httplib::Client cli(host_port_);
    cli.set_connection_timeout(timeout_);
    cli.set_read_timeout(timeout_);
    cli.set_write_timeout(timeout_);
    cli.set_tcp_nodelay(true);
    auto res = cli.Post(base_ + "/translate", body.dump(), "application/json");
    if (!res) {
        return {503, "translation engine unavailable: relay unreachable at " + host_port_ + ": " +
                         httplib::to_string(res.error())};
    }
    if (res->status == 200) {
        try {
            auto j = nlohmann::json::parse(res->body);
            return {200, j.at("translatedText").get<std::string>()};
        } catch (const std::exception& e) {
            std::cerr << "plv-service: relay answer unreadable: " << e.what() << "\n";
            return {503, "translation engine unavailable: relay answer unreadable"};
        }
    }
    // The client's own mistakes keep their status; anything else (a refused key, an overloaded
    // or broken upstream) is the relay being unavailable from the client's point of view.
    const int status = (res->status == 400 || res->status == 413) ? res->status : 503;
    return {status, "relay answered " + std::to_string(res->status) + ": " + ErrorText(res)};
}

}  // namespace plv
