#include "providers.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <nlohmann/json.hpp>

#include "text_util.h"

namespace plv {

using json = nlohmann::json;

namespace {

using Clock = std::chrono::steady_clock;

// One service's API: how a request looks, where the translation is in its answer, and what its
// error answers mean. Every one of them finds the source language itself when it is not given
// (source "auto" here), and translates HTML, leaving the markup, when told the text is HTML.
struct Request {
    const std::string& source;  // "auto": the service finds it
    const std::string& target;
    const std::string& text;
    bool html;
};

struct Api {
    ProviderInfo info;
    const char* default_url;
    UpstreamRequest (*request)(const ProviderSettings& s, const std::string& base, const Request& r);
    // The translation in a 200 answer; throws when the answer does not have one.
    std::string (*translation)(const json& answer);
    // The language the service found, and its confidence (0 to 1; -1: it gives none), in a 200
    // answer to a request without a source; empty when the answer does not say.
    std::pair<std::string, double> (*detected)(const json& answer);
    // What an error answer names (None: nothing this service says, the status decides) and
    // the service's own words for it.
    std::pair<UpstreamProblem, std::string> (*error)(int status, const json& answer);
};

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool Has(const std::string& text, const char* part) { return Lower(text).find(part) != std::string::npos; }

std::string StringAt(const json& j, const char* key) {
    return j.is_object() && j.contains(key) && j[key].is_string() ? j[key].get<std::string>() : std::string();
}

UpstreamRequest JsonPost(std::string url, const json& body) {
    return {"POST", std::move(url), {{"Content-Type", "application/json"}}, body.dump()};
}

// The object at a[key][0], or null.
json First(const json& a, const char* key) {
    return a.is_object() && a.contains(key) && a[key].is_array() && !a[key].empty() ? a[key][0] : json();
}

// DeepL API v2. A key of the free plan ends in ":fx" and belongs to the free plan's host.
UpstreamRequest DeeplRequest(const ProviderSettings& s, const std::string& base, const Request& q) {
    std::string host = base;
    if (s.url.empty() && s.key.size() > 3 && s.key.compare(s.key.size() - 3, 3, ":fx") == 0)
        host = "https://api-free.deepl.com";
    json body = {{"text", json::array({q.text})}, {"target_lang", Upper(q.target)}};
    if (q.source != "auto") body["source_lang"] = Upper(q.source);
    if (q.html) body["tag_handling"] = "html";
    auto r = JsonPost(host + "/v2/translate", body);
    r.headers.emplace_back("Authorization", "DeepL-Auth-Key " + s.key);
    return r;
}

std::string DeeplTranslation(const json& a) {
    return a.at("translations").at(0).at("text").get<std::string>();
}

std::pair<std::string, double> DeeplDetected(const json& a) {
    return {Lower(StringAt(First(a, "translations"), "detected_source_language")), -1};
}

std::pair<UpstreamProblem, std::string> DeeplError(int status, const json& a) {
    std::string message = StringAt(a, "message");
    if (message.empty()) message = StringAt(a, "detail");
    if (status == 400 && Has(message, "lang")) return {UpstreamProblem::Pair, message};
    return {UpstreamProblem::None, message};  // 403 key, 456 quota, 429 rate: by the status
}

// Google Cloud Translation v2 (basic), the key as a query parameter.
UpstreamRequest GoogleRequest(const ProviderSettings& s, const std::string& base, const Request& q) {
    json body = {{"q", q.text}, {"target", q.target}, {"format", q.html ? "html" : "text"}};
    if (q.source != "auto") body["source"] = q.source;
    return JsonPost(base + "/language/translate/v2?key=" + UrlEncode(s.key), body);
}

std::string GoogleTranslation(const json& a) {
    return a.at("data").at("translations").at(0).at("translatedText").get<std::string>();
}

std::pair<std::string, double> GoogleDetected(const json& a) {
    const json data = a.is_object() && a.contains("data") ? a["data"] : json();
    return {StringAt(First(data, "translations"), "detectedSourceLanguage"), -1};
}

std::pair<UpstreamProblem, std::string> GoogleError(int status, const json& a) {
    const json e =
        a.is_object() && a.contains("error") && a["error"].is_object() ? a["error"] : json::object();
    const std::string message = StringAt(e, "message");
    const std::string state = StringAt(e, "status");
    // The reasons name the problem; the status is coarser: Google sends a daily limit as
    // PERMISSION_DENIED, the same status as a key that may not use the API. So the reasons, of
    // the old list (errors[]) and of the newer ErrorInfo details, decide first.
    std::string reasons;
    bool invalid = false;  // a request Google calls invalid, with a message that says why
    for (const char* list : {"errors", "details"}) {
        if (!e.contains(list) || !e[list].is_array()) continue;
        for (const auto& item : e[list]) {
            reasons += StringAt(item, "reason") + " ";
            invalid = invalid || StringAt(item, "reason") == "invalid";
        }
    }
    if (Has(reasons, "keyinvalid") || Has(reasons, "key_invalid") || Has(message, "api key not valid"))
        return {UpstreamProblem::Key, message};
    if (Has(reasons, "ratelimitexceeded") || Has(reasons, "rate_limit_exceeded"))
        return {UpstreamProblem::Rate, message};
    if (Has(reasons, "limitexceeded") || Has(reasons, "quotaexceeded") || state == "RESOURCE_EXHAUSTED")
        return {UpstreamProblem::Quota, message};
    if (state == "PERMISSION_DENIED" || state == "UNAUTHENTICATED") return {UpstreamProblem::Key, message};
    if (status == 400 && (Has(message, "language") || invalid)) return {UpstreamProblem::Pair, message};
    if (Has(message, "too long") || Has(message, "too large")) return {UpstreamProblem::TextTooLong, message};
    return {UpstreamProblem::None, message};
}

// Microsoft Translator v3: the key and, for a resource of a region, the region in headers.
UpstreamRequest MicrosoftRequest(const ProviderSettings& s, const std::string& base, const Request& q) {
    std::string url = base + "/translate?api-version=3.0";
    if (q.source != "auto") url += "&from=" + UrlEncode(q.source);
    url += "&to=" + UrlEncode(q.target);
    if (q.html) url += "&textType=html";
    auto r = JsonPost(url, json::array({{{"Text", q.text}}}));
    r.headers[0].second = "application/json; charset=UTF-8";
    r.headers.emplace_back("Ocp-Apim-Subscription-Key", s.key);
    if (!s.region.empty()) r.headers.emplace_back("Ocp-Apim-Subscription-Region", s.region);
    return r;
}

std::string MicrosoftTranslation(const json& a) {
    return a.at(0).at("translations").at(0).at("text").get<std::string>();
}

std::pair<std::string, double> MicrosoftDetected(const json& a) {
    const json d = a.is_array() && !a.empty() && a[0].is_object() && a[0].contains("detectedLanguage")
                       ? a[0]["detectedLanguage"]
                       : json();
    const double score =
        d.is_object() && d.contains("score") && d["score"].is_number() ? d["score"].get<double>() : -1;
    return {StringAt(d, "language"), score};
}

// Its error codes are the HTTP status followed by three digits of detail.
std::pair<UpstreamProblem, std::string> MicrosoftError(int, const json& a) {
    const json e =
        a.is_object() && a.contains("error") && a["error"].is_object() ? a["error"] : json::object();
    const std::string message = StringAt(e, "message");
    const long long code =
        e.contains("code") && e["code"].is_number_integer() ? e["code"].get<long long>() : 0;
    if (code / 1000 == 401) return {UpstreamProblem::Key, message};
    if (code == 403001) return {UpstreamProblem::Quota, message};
    if (code == 400035 || code == 400036) return {UpstreamProblem::Pair, message};  // source, target
    if (code == 400050) return {UpstreamProblem::TextTooLong, message};
    if (code / 1000 == 429) return {UpstreamProblem::Rate, message};
    return {UpstreamProblem::None, message};
}

// Yandex Cloud Translate v2. The folder is needed with a user's key, not with a service
// account's, so it is sent only when configured.
UpstreamRequest YandexRequest(const ProviderSettings& s, const std::string& base, const Request& q) {
    json body = {{"texts", json::array({q.text})},
                 {"targetLanguageCode", q.target},
                 {"format", q.html ? "HTML" : "PLAIN_TEXT"}};
    if (q.source != "auto") body["sourceLanguageCode"] = q.source;
    if (!s.folder.empty()) body["folderId"] = s.folder;
    auto r = JsonPost(base + "/translate/v2/translate", body);
    r.headers.emplace_back("Authorization", "Api-Key " + s.key);
    return r;
}

std::string YandexTranslation(const json& a) {
    return a.at("translations").at(0).at("text").get<std::string>();
}

std::pair<std::string, double> YandexDetected(const json& a) {
    return {StringAt(First(a, "translations"), "detectedLanguageCode"), -1};
}

// Its errors carry a gRPC code: 16 unauthenticated, 7 permission denied, 8 resource exhausted,
// 3 invalid argument.
std::pair<UpstreamProblem, std::string> YandexError(int, const json& a) {
    const std::string message = StringAt(a, "message");
    const int code =
        a.is_object() && a.contains("code") && a["code"].is_number_integer() ? a["code"].get<int>() : -1;
    if (code == 16 || code == 7) return {UpstreamProblem::Key, message};
    // Resource exhausted: the rate or the quota, and the answer does not say which.
    if (code == 8) return {UpstreamProblem::RateOrQuota, message};
    if (code == 3 && Has(message, "language")) return {UpstreamProblem::Pair, message};
    return {UpstreamProblem::None, message};
}

// LibreTranslate, or another plv-service: the key travels in the body; "auto" is its own word.
UpstreamRequest LibreRequest(const ProviderSettings& s, const std::string& base, const Request& q) {
    json body = {
        {"q", q.text}, {"source", q.source}, {"target", q.target}, {"format", q.html ? "html" : "text"}};
    if (!s.key.empty()) body["api_key"] = s.key;
    return JsonPost(base + "/translate", body);
}

std::string LibreTranslation(const json& a) { return a.at("translatedText").get<std::string>(); }

// Its confidence is 0 to 100.
std::pair<std::string, double> LibreDetected(const json& a) {
    const json d = a.is_object() && a.contains("detectedLanguage") ? a["detectedLanguage"] : json();
    const double confidence = d.is_object() && d.contains("confidence") && d["confidence"].is_number()
                                  ? d["confidence"].get<double>()
                                  : -100;
    return {StringAt(d, "language"), confidence / 100};
}

std::pair<UpstreamProblem, std::string> LibreError(int status, const json& a) {
    const std::string message = StringAt(a, "error");
    if (status == 400 &&
        (Has(message, "direction") || Has(message, "not supported") || Has(message, "language")))
        return {UpstreamProblem::Pair, message};
    return {UpstreamProblem::None, message};
}

const Api kApis[] = {
    {{"deepl", "DeepL", "https://www.deepl.com/"},
     "https://api.deepl.com",
     DeeplRequest,
     DeeplTranslation,
     DeeplDetected,
     DeeplError},
    {{"google", "Google", "https://cloud.google.com/translate"},
     "https://translation.googleapis.com",
     GoogleRequest,
     GoogleTranslation,
     GoogleDetected,
     GoogleError},
    {{"microsoft", "Microsoft Translator", "https://www.microsoft.com/translator/"},
     "https://api.cognitive.microsofttranslator.com",
     MicrosoftRequest,
     MicrosoftTranslation,
     MicrosoftDetected,
     MicrosoftError},
    {{"yandex", "Yandex", "https://translate.yandex.com/"},
     "https://translate.api.cloud.yandex.net",
     YandexRequest,
     YandexTranslation,
     YandexDetected,
     YandexError},
    {{"libretranslate", "LibreTranslate", "https://libretranslate.com/"},
     "",
     LibreRequest,
     LibreTranslation,
     LibreDetected,
     LibreError},
};

const Api& ApiOf(const ProviderInfo& info) {
    for (const auto& api : kApis) {
        if (&api.info == &info) return api;
    }
    throw std::logic_error("no API for this engine");
}

// The settings key that holds a service's key, for the message that asks to check it.
std::string KeySetting(const ProviderInfo& info) {
    return std::string(info.id) == "libretranslate" ? "relay_key" : std::string(info.id) + "_key";
}

UpstreamProblem ByStatus(int status) {
    switch (status) {
        case 401:
        case 403:
            return UpstreamProblem::Key;
        case 456:
            return UpstreamProblem::Quota;
        case 429:
            return UpstreamProblem::Rate;
        case 413:
            return UpstreamProblem::TextTooLong;
        default:
            // A 400 the service does not explain as a direction it lacks keeps its 400.
            return UpstreamProblem::Other;
    }
}

std::string Direction(const std::string& source, const std::string& target) {
    return (source == "auto" ? "the language it found" : LanguageName(source)) + " \u00bb " +
           LanguageName(target);
}

}  // namespace

const ProviderInfo kApertiumInfo = {"apertium", "Apertium", "https://www.apertium.org/"};

const ProviderInfo* FindProvider(const std::string& id) {
    for (const auto& api : kApis) {
        if (id == api.info.id) return &api.info;
    }
    return nullptr;
}

const ProviderInfo* FindEngineByName(const std::string& name) {
    if (name == kApertiumInfo.name) return &kApertiumInfo;
    for (const auto& api : kApis) {
        if (name == api.info.name) return &api.info;
    }
    return nullptr;
}

ProviderEngine::ProviderEngine(const ProviderInfo& info, ProviderSettings settings, Upstream& upstream,
                               std::chrono::milliseconds timeout, std::size_t max_answer)
    : info_(info),
      settings_(std::move(settings)),
      upstream_(upstream),
      timeout_(timeout),
      max_answer_(max_answer) {
    if (settings_.url.empty()) settings_.url = ApiOf(info_).default_url;
    while (!settings_.url.empty() && settings_.url.back() == '/') settings_.url.pop_back();
}

UpstreamProblem ProviderEngine::LastProblem() const {
    std::lock_guard lock(mutex_);
    return last_;
}

// A service may quote the key it refused; no key ever leaves in an answer or a log line.
std::string ProviderEngine::Scrub(std::string text) const {
    const std::string& key = settings_.key;
    for (auto at = key.empty() ? std::string::npos : text.find(key); at != std::string::npos;
         at = text.find(key, at))
        text.replace(at, key.size(), "(the key)");
    if (text.size() > 300) text = text.substr(0, 300) + "...";
    return text;
}

// The reason goes to the page as it is and to the log once: a run of the same problem (every
// request with a refused key) is logged at its first request only.
TranslateResult ProviderEngine::Fail(UpstreamProblem problem, int status, const std::string& message) {
    const std::string text = Scrub(message);
    {
        std::lock_guard lock(mutex_);
        if (problem != last_) std::cerr << "plv-service: " << text << "\n";
        last_ = problem;
    }
    return {status, text, {}};
}

std::vector<Language> ProviderEngine::Languages(std::string* error) {
    if (std::string(info_.id) != "libretranslate") return {};
    const auto answer =
        upstream_.Send({"GET", settings_.url + "/languages", {}, {}}, Clock::now() + timeout_, max_answer_);
    std::string why;
    if (answer.failure == UpstreamFailure::TooLarge) {
        why = "answer over " + std::to_string(max_answer_) + " bytes";
    } else if (answer.failure != UpstreamFailure::None) {
        why = answer.detail;
    } else if (answer.status != 200) {
        why = "HTTP " + std::to_string(answer.status);
    }
    std::vector<Language> out;
    if (why.empty()) {
        try {
            for (const auto& l : json::parse(answer.body)) {
                Language lang;
                lang.code = l.at("code").get<std::string>();
                lang.name = l.value("name", lang.code);
                if (l.contains("targets")) lang.targets = l["targets"].get<std::vector<std::string>>();
                if (l.contains("engines"))
                    lang.engines = l["engines"].get<std::map<std::string, std::string>>();
                // Another plv-service's through-directions, translated there.
                if (l.contains("via")) lang.via = l["via"].get<std::map<std::string, std::string>>();
                for (const auto& t : lang.targets) lang.engines.emplace(t, info_.name);
                out.push_back(std::move(lang));
            }
        } catch (const std::exception&) {
            why = "a language list that cannot be read";
        }
    }
    if (!why.empty()) {
        *error = Scrub(std::string(info_.name) + " (relay) gave no language list: " + why);
        return {};
    }
    return out;
}

TranslateResult ProviderEngine::TranslateDetecting(const std::string& direction, const std::string& text,
                                                   TextFormat format) {
    return Translate("auto", direction.substr(direction.find('-') + 1), text, format);
}

TranslateResult ProviderEngine::Translate(const std::string& source, const std::string& target,
                                          const std::string& text, TextFormat format) {
    const Api& api = ApiOf(info_);
    const std::string name = info_.name;
    const auto answer = upstream_.Send(
        api.request(settings_, settings_.url, {source, target, text, format == TextFormat::kHtml}),
        Clock::now() + timeout_, max_answer_);
    switch (answer.failure) {
        case UpstreamFailure::None:
            break;
        case UpstreamFailure::Timeout:
            return Fail(UpstreamProblem::Timeout, 503,
                        name + " did not answer within " + std::to_string(timeout_.count()) + " ms");
        case UpstreamFailure::Unreachable:
            return Fail(UpstreamProblem::Unreachable, 503, name + " cannot be reached: " + answer.detail);
        case UpstreamFailure::Tls:
            return Fail(UpstreamProblem::Tls, 503, name + ": the secure connection failed: " + answer.detail);
        case UpstreamFailure::TooLarge:
            return Fail(UpstreamProblem::TooLarge, 503,
                        name + "'s answer is over " + std::to_string(max_answer_) + " bytes");
    }
    json body;
    try {
        body = json::parse(answer.body);
    } catch (const std::exception&) {
        body = nullptr;
    }
    if (answer.status == 200) {
        try {
            TranslateResult r{200, api.translation(body), name};
            // Another plv-service says which of its engines translated.
            if (!StringAt(body, "engine").empty() && std::string(info_.id) == "libretranslate") {
                r.engine = StringAt(body, "engine");
                r.via = StringAt(body, "via");
            }
            if (source == "auto") {
                const auto [language, score] = api.detected(body);
                r.detected = language;
                r.detected_confidence = score < 0 ? -1 : std::min(100.0, std::round(score * 1000) / 10);
            }
            std::lock_guard lock(mutex_);
            last_ = UpstreamProblem::None;
            return r;
        } catch (const std::exception&) {
            return Fail(UpstreamProblem::Unreadable, 503, name + "'s answer cannot be read");
        }
    }
    auto [problem, words] = api.error(answer.status, body);
    if (problem == UpstreamProblem::None) problem = ByStatus(answer.status);
    if (words.empty()) words = "HTTP " + std::to_string(answer.status);
    switch (problem) {
        case UpstreamProblem::Key:
            return Fail(problem, 503,
                        name + " refused the key: " + words + " (check " + KeySetting(info_) +
                            " in plv-service.conf)");
        case UpstreamProblem::Quota:
            return Fail(problem, 503, name + ": the key's quota is used up: " + words);
        case UpstreamProblem::Rate:
            return Fail(problem, 503, name + ": too many requests; try again in a moment: " + words);
        case UpstreamProblem::RateOrQuota:
            return Fail(problem, 503, name + ": too many requests or the quota is used up: " + words);
        case UpstreamProblem::Pair:
            return Fail(problem, 400,
                        name + " does not translate " + Direction(source, target) + ": " + words);
        case UpstreamProblem::TextTooLong:
            return Fail(problem, 413, name + ": the text is too long for it: " + words);
        default:
            // A request of ours it calls malformed keeps its 400; anything else is the engine
            // being unavailable.
            return Fail(UpstreamProblem::Other, answer.status == 400 ? 400 : 503,
                        name + " answered HTTP " + std::to_string(answer.status) + ": " + words);
    }
}

RoutedEngine::RoutedEngine(Engine& base, std::string base_name,
                           std::map<std::string, std::unique_ptr<Engine>> routes,
                           std::map<std::string, std::string> route_names)
    : base_(base),
      base_name_(std::move(base_name)),
      routes_(std::move(routes)),
      route_names_(std::move(route_names)) {}

std::vector<Language> RoutedEngine::Languages(std::string* error) {
    std::string base_error;
    auto languages = base_.Languages(&base_error);
    if (!base_error.empty()) {
        // The configured directions still work when the base engine has nothing to offer.
        if (routes_.empty()) {
            *error = base_error;
            return {};
        }
        languages.clear();
    }
    for (auto& l : languages) {
        for (const auto& t : l.targets) l.engines.emplace(t, base_name_);
    }
    for (const auto& [dir, name] : route_names_) {
        const auto dash = dir.find('-');
        const std::string source = dir.substr(0, dash), target = dir.substr(dash + 1);
        if (source == "auto") continue;  // the engine for source=auto, not a language
        auto it = std::find_if(languages.begin(), languages.end(),
                               [&](const Language& l) { return l.code == source; });
        if (it == languages.end()) {
            languages.push_back({source, LanguageName(source), {}, {}});
            it = std::prev(languages.end());
        }
        if (std::find(it->targets.begin(), it->targets.end(), target) == it->targets.end())
            it->targets.push_back(target);
        it->engines[target] = name;
        it->via.erase(target);  // routed: a direct direction, whatever the base engine said
    }
    return languages;
}

TranslateResult RoutedEngine::TranslateDetecting(const std::string& direction, const std::string& text,
                                                 TextFormat format) {
    auto it = routes_.find(direction);
    if (it != routes_.end()) return it->second->TranslateDetecting(direction, text, format);
    // A route.auto-XX key is the only engine for "auto-XX"; without one the direction the text's
    // language picks decides.
    if (direction.rfind("auto-", 0) == 0) return {0, {}};
    auto result = base_.TranslateDetecting(direction, text, format);
    if (result.status == 200 && result.engine.empty()) result.engine = base_name_;
    return result;
}

TranslateResult RoutedEngine::Translate(const std::string& source, const std::string& target,
                                        const std::string& text, TextFormat format) {
    const std::string s = NormalizeLanguageCode(source), t = NormalizeLanguageCode(target);
    auto it = routes_.find(s + "-" + t);
    if (it != routes_.end()) return it->second->Translate(s, t, text, format);
    // The base engine gets the codes it lists (a LibreTranslate relay knows en, not eng).
    auto result = base_.Translate(s, t, text, format);
    if (result.status == 200 && result.engine.empty()) result.engine = base_name_;
    // The base engine knows only its own directions; the user asking for a missing one should
    // see every direction this server translates, the routed ones too.
    if (result.status == 400 && result.text.rfind("unknown direction ", 0) == 0) {
        std::string error;
        std::vector<std::string> all;
        for (const auto& l : Languages(&error))
            for (const auto& to : l.targets) all.push_back(l.code + "-" + to);
        std::sort(all.begin(), all.end());
        std::string list;
        for (const auto& d : all) list += (list.empty() ? "" : ", ") + d;
        result.text = "unknown direction " + source + "-" + target + " (available: " + list + ")";
    }
    return result;
}

std::string RoutedEngine::Unavailable(const std::string& direction) {
    if (routes_.count(direction) != 0) return {};
    return base_.Unavailable(direction);
}

}  // namespace plv
