#include "main/engine_client.h"

#include <httplib.h>

#include <nlohmann/json.hpp>

#include "base/text.h"

namespace plv {
namespace {

constexpr int kTimeoutSeconds = 30;

httplib::Client Connect(const std::string& url) {
    httplib::Client client(url);
    client.set_connection_timeout(kTimeoutSeconds);
    client.set_read_timeout(kTimeoutSeconds);
    return client;
}

}  // namespace

std::optional<std::u16string> EngineTranslate(const std::string& url, const std::u16string& text,
                                              const std::u16string& source, const std::u16string& target) {
    auto client = Connect(url);
    httplib::Params form{{"q", Utf16ToUtf8(text)},
                         {"source", Utf16ToUtf8(source)},
                         {"target", Utf16ToUtf8(target)},
                         {"format", "text"}};
    auto answer = client.Post("/translate", form);
    if (!answer || answer->status != 200) {
        return std::nullopt;
    }
    auto json = nlohmann::json::parse(answer->body, nullptr, false);
    if (json.is_discarded() || !json.contains("translatedText") || !json["translatedText"].is_string()) {
        return std::nullopt;
    }
    return Utf8ToUtf16(json["translatedText"].get<std::string>());
}

std::optional<std::u16string> EngineDirectionName(const std::string& url, const std::u16string& source,
                                                  const std::u16string& target) {
    auto client = Connect(url);
    auto answer = client.Get("/languages");
    if (!answer || answer->status != 200) {
        return std::nullopt;
    }
    auto json = nlohmann::json::parse(answer->body, nullptr, false);
    if (!json.is_array()) {
        return std::nullopt;
    }
    auto nameOf = [&](const std::u16string& code) -> std::string {
        for (const auto& language : json) {
            if (language.value("code", "") == Utf16ToUtf8(code)) {
                return language.value("name", Utf16ToUtf8(code));
            }
        }
        return Utf16ToUtf8(code);
    };
    return Utf8ToUtf16(nameOf(source) + " \xC2\xBB " + nameOf(target));
}

}  // namespace plv
