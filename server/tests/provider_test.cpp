// Each translation service against a local stand-in on the loopback address that accepts only a
// request shaped as the service documents it, and answers as the service does: a translation,
// a refused key, a used-up quota, a direction it does not have. Built for Linux (cpp-httplib
// with OpenSSL) and for Windows (WinHTTP, run under Wine), so both transports meet the same
// stand-ins. No test reaches the internet.
#include <gtest/gtest.h>
#include <httplib.h>

#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <thread>

#include "platform.h"
#include "providers.h"
#include "upstream.h"
#ifndef _WIN32
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include "server_process.h"
#endif

namespace plv {
namespace {

using json = nlohmann::json;

constexpr const char* kKey = "k-Secret:fx";
// Text as a user selects it: blanks at both ends, a line break, a quote, accents, a non-BMP
// character. It must reach the service exactly so.
const std::string kText = " L'\xC3\xA9t\xC3\xA9 \"chaud\"\n\xF0\x9F\x8C\x9E ";

enum class Mode { Ok, WrongKey, Quota, Pair, Slow, Huge };

struct Reply {
    int status;
    std::string body;
};

struct Expect {
    bool detecting = false;
    bool html = false;
};

// One service as its stand-in sees it.
struct Service {
    const char* id;
    const char* path;
    // What is wrong with a request, measured against the service's documentation; empty if
    // nothing. `text` is read out of the request for the answer. The request is to be from
    // French into German, or with no source language (the service finds it) when e.detecting;
    // for text, or for HTML when e.html.
    std::function<std::string(const httplib::Request&, std::string& text, const Expect& e)> check;
    std::function<std::string(const std::string& translation)> answer;
    Reply wrong_key, quota, pair;
    ProviderSettings settings;  // the url is filled in with the stand-in's
};

json Body(const httplib::Request& r) { return json::parse(r.body, nullptr, false); }

std::string Want(bool ok, const char* what) { return ok ? "" : what; }

const std::vector<Service>& Services() {
    static const std::vector<Service> services = {
        {"deepl",
         "/v2/translate",
         [](const httplib::Request& r, std::string& text, const Expect& e) {
             const json b = Body(r);
             if (r.get_header_value("Authorization") != std::string("DeepL-Auth-Key ") + kKey)
                 return std::string("Authorization is not DeepL-Auth-Key KEY");
             if (!b.is_object() || !b["text"].is_array() || b["text"].size() != 1)
                 return std::string("text[]");
             text = b["text"][0].get<std::string>();
             return Want((e.detecting ? !b.contains("source_lang") : b["source_lang"] == "FR") &&
                             b["target_lang"] == "DE" &&
                             (e.html ? b["tag_handling"] == "html" : !b.contains("tag_handling")) &&
                             r.get_header_value("Content-Type").rfind("application/json", 0) == 0,
                         "source_lang FR or none, target_lang DE, tag_handling html for HTML, JSON");
         },
         [](const std::string& t) {
             return json{{"translations", {{{"detected_source_language", "FR"}, {"text", t}}}}}.dump();
         },
         {403, R"({"message":"Authorization failure, check auth_key"})"},
         {456, R"({"message":"Quota exceeded. The character limit has been reached."})"},
         {400, R"({"message":"Value for 'target_lang' not supported."})"},
         {}},
        {"google",
         "/language/translate/v2",
         [](const httplib::Request& r, std::string& text, const Expect& e) {
             const json b = Body(r);
             if (r.get_param_value("key") != kKey) return std::string("key parameter");
             if (!b.is_object() || !b["q"].is_string()) return std::string("q");
             text = b["q"].get<std::string>();
             return Want((e.detecting ? !b.contains("source") : b["source"] == "fr") && b["target"] == "de" &&
                             b["format"] == (e.html ? "html" : "text"),
                         "source fr or none, target de, format text or html");
         },
         [](const std::string& t) {
             return json{
                 {"data", {{"translations", {{{"translatedText", t}, {"detectedSourceLanguage", "fr"}}}}}}}
                 .dump();
         },
         {400,
          R"({"error":{"code":400,"message":"API key not valid. Please pass a valid API key.","errors":[{"message":"API key not valid. Please pass a valid API key.","domain":"global","reason":"badRequest"}],"details":[{"@type":"type.googleapis.com/google.rpc.ErrorInfo","reason":"API_KEY_INVALID","domain":"googleapis.com","metadata":{"service":"translate.googleapis.com"}}],"status":"INVALID_ARGUMENT"}})"},
         // A daily limit comes as PERMISSION_DENIED, like a key the API is not enabled for.
         {403,
          R"({"error":{"code":403,"message":"Daily Limit Exceeded","errors":[{"message":"Daily Limit Exceeded","domain":"usageLimits","reason":"dailyLimitExceeded"}],"status":"PERMISSION_DENIED"}})"},
         {400,
          R"({"error":{"code":400,"message":"Bad language pair: fr|de","errors":[{"message":"Bad language pair: fr|de","domain":"global","reason":"invalid"}],"status":"INVALID_ARGUMENT"}})"},
         {}},
        {"microsoft",
         "/translate",
         [](const httplib::Request& r, std::string& text, const Expect& e) {
             const json b = Body(r);
             if (r.get_header_value("Ocp-Apim-Subscription-Key") != kKey ||
                 r.get_header_value("Ocp-Apim-Subscription-Region") != "westeurope")
                 return std::string("subscription key and region headers");
             if (r.get_param_value("api-version") != "3.0" || r.get_param_value("to") != "de" ||
                 (e.detecting ? r.has_param("from") : r.get_param_value("from") != "fr") ||
                 (e.html ? r.get_param_value("textType") != "html" : r.has_param("textType")))
                 return std::string("api-version=3.0, from=fr or none, to=de, textType=html for HTML");
             if (!b.is_array() || b.size() != 1 || !b[0]["Text"].is_string()) return std::string("[{Text}]");
             text = b[0]["Text"].get<std::string>();
             return std::string();
         },
         [](const std::string& t) {
             return json::array({{{"detectedLanguage", {{"language", "fr"}, {"score", 0.93}}},
                                  {"translations", {{{"text", t}, {"to", "de"}}}}}})
                 .dump();
         },
         {401,
          R"({"error":{"code":401000,"message":"The request is not authorized because credentials are missing or invalid."}})"},
         {403,
          R"({"error":{"code":403001,"message":"The operation is not allowed because the subscription has exceeded its free quota."}})"},
         {400, R"({"error":{"code":400036,"message":"The target language is not valid."}})"},
         {"", "", "westeurope", ""}},
        {"yandex",
         "/translate/v2/translate",
         [](const httplib::Request& r, std::string& text, const Expect& e) {
             const json b = Body(r);
             if (r.get_header_value("Authorization") != std::string("Api-Key ") + kKey)
                 return std::string("Authorization is not Api-Key KEY");
             if (!b.is_object() || !b["texts"].is_array() || b["texts"].size() != 1)
                 return std::string("texts[]");
             text = b["texts"][0].get<std::string>();
             return Want(
                 (e.detecting ? !b.contains("sourceLanguageCode") : b["sourceLanguageCode"] == "fr") &&
                     b["targetLanguageCode"] == "de" && b["format"] == (e.html ? "HTML" : "PLAIN_TEXT") &&
                     b["folderId"] == "b1gfolder",
                 "sourceLanguageCode fr or none, targetLanguageCode, format, folderId");
         },
         [](const std::string& t) {
             return json{{"translations", {{{"text", t}, {"detectedLanguageCode", "fr"}}}}}.dump();
         },
         // It quotes the key it refuses: that must not reach the page or the log.
         {401, std::string(R"({"code":16,"message":"Unknown api key ')") + kKey + R"('","details":[]})"},
         {429, R"({"code":8,"message":"Quota limit translate.texts.length exceeded","details":[]})"},
         {400, R"({"code":3,"message":"unsupported target_language_code: de","details":[]})"},
         {"", "", "", "b1gfolder"}},
        {"libretranslate",
         "/translate",
         [](const httplib::Request& r, std::string& text, const Expect& e) {
             const json b = Body(r);
             if (!b.is_object() || b["api_key"] != kKey) return std::string("api_key");
             if (!b["q"].is_string()) return std::string("q");
             text = b["q"].get<std::string>();
             return Want(b["source"] == (e.detecting ? "auto" : "fr") && b["target"] == "de" &&
                             b["format"] == (e.html ? "html" : "text"),
                         "source fr or auto, target de, format text or html");
         },
         [](const std::string& t) {
             return json{{"translatedText", t},
                         {"detectedLanguage", {{"language", "fr"}, {"confidence", 93.0}}}}
                 .dump();
         },
         {403, R"({"error":"Invalid API key"})"},
         {429, R"({"error":"Too many request limits violations"})"},
         {400, R"({"error":"de is not supported"})"},
         {}},
    };
    return services;
}

// The stand-in: serves one service's path on 127.0.0.1 (or over TLS), answering by `mode`.
class StandIn {
  public:
    StandIn(const Service& service, std::unique_ptr<httplib::Server> server)
        : service_(service), svr_(std::move(server)) {
        svr_->Post(service.path,
                   [this](const httplib::Request& r, httplib::Response& res) { Answer(r, res); });
        port_ = svr_->bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { svr_->listen_after_bind(); });
    }
    ~StandIn() {
        Release();
        svr_->stop();
        thread_.join();
    }
    void Release() {
        std::lock_guard lock(m_);
        released_ = true;
        cv_.notify_all();
    }
    std::string Url(const char* scheme = "http") const {
        return std::string(scheme) + "://127.0.0.1:" + std::to_string(port_);
    }

    Mode mode = Mode::Ok;
    Expect expect;        // what the requests are to be
    std::string problem;  // what was wrong with the last request, if anything
    std::string received;

  private:
    void Answer(const httplib::Request& r, httplib::Response& res) {
        problem = service_.check(r, received, expect);
        if (!problem.empty()) {
            res.status = 400;
            res.set_content(R"({"message":"request not as documented"})", "application/json");
            return;
        }
        Reply reply{200, service_.answer("DE:" + received)};
        if (mode == Mode::WrongKey) reply = service_.wrong_key;
        if (mode == Mode::Quota) reply = service_.quota;
        if (mode == Mode::Pair) reply = service_.pair;
        if (mode == Mode::Huge) reply.body = service_.answer(std::string(3 << 20, 'x'));
        if (mode == Mode::Slow) {
            // Held until the test ends: the client's deadline, not the server, ends the wait.
            std::unique_lock lock(m_);
            cv_.wait(lock, [this] { return released_; });
        }
        res.status = reply.status;
        res.set_content(reply.body, "application/json");
    }

    const Service& service_;
    std::unique_ptr<httplib::Server> svr_;
    int port_ = 0;
    std::thread thread_;
    std::mutex m_;
    std::condition_variable cv_;
    bool released_ = false;
};

ProviderEngine EngineFor(const Service& s, const std::string& url, Upstream& upstream,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    ProviderSettings settings = s.settings;
    settings.url = url;
    settings.key = kKey;
    return ProviderEngine(*FindProvider(s.id), settings, upstream, timeout, 1 << 20);
}

class EachService : public ::testing::TestWithParam<std::size_t> {};

TEST_P(EachService, SpeaksItsApiAndNamesWhatWentWrong) {
    const Service& s = Services()[GetParam()];
    StandIn fake(s, std::make_unique<httplib::Server>());
    auto upstream = MakeUpstream({});
    ProviderEngine engine = EngineFor(s, fake.Url(), *upstream);
    const std::string name = FindProvider(s.id)->name;

    const auto ok = engine.Translate("fr", "de", kText, TextFormat::kText);
    EXPECT_EQ(fake.problem, "") << s.id;
    EXPECT_EQ(fake.received, kText) << s.id;
    EXPECT_EQ(ok.status, 200) << ok.text;
    EXPECT_EQ(ok.text, "DE:" + kText);
    EXPECT_EQ(ok.engine, name);
    EXPECT_EQ(ok.detected, "") << "the source was given";

    // From "auto", in HTML: the service finds the language, and says which it found.
    fake.expect = {true, true};
    const auto found = engine.Translate("auto", "de", kText, TextFormat::kHtml);
    EXPECT_EQ(fake.problem, "") << s.id;
    EXPECT_EQ(found.text, "DE:" + kText);
    EXPECT_EQ(found.detected, "fr") << s.id;
    const bool scores = s.id == std::string("microsoft") || s.id == std::string("libretranslate");
    EXPECT_DOUBLE_EQ(found.detected_confidence, scores ? 93 : -1) << s.id;
    fake.expect = {};

    struct Case {
        Mode mode;
        int status;
        UpstreamProblem problem;
        std::string says;
    };
    const std::string key_setting =
        std::string(s.id) == "libretranslate" ? "relay_key" : std::string(s.id) + "_key";
    // LibreTranslate's 429 is the rate; Yandex's code 8 is the rate or the quota, it does not say.
    const std::string id = s.id;
    const UpstreamProblem quota_problem = id == "libretranslate" ? UpstreamProblem::Rate
                                          : id == "yandex"       ? UpstreamProblem::RateOrQuota
                                                                 : UpstreamProblem::Quota;
    const char* quota_says = id == "libretranslate" ? "too many requests"
                             : id == "yandex"       ? "too many requests or the quota is used up"
                                                    : "quota is used up";
    for (const Case& c : {Case{Mode::WrongKey, 503, UpstreamProblem::Key, key_setting},
                          Case{Mode::Quota, 503, quota_problem, quota_says},
                          Case{Mode::Pair, 400, UpstreamProblem::Pair, "French \xC2\xBB German"},
                          Case{Mode::Huge, 503, UpstreamProblem::TooLarge, "over 1048576 bytes"}}) {
        fake.mode = c.mode;
        const auto r = engine.Translate("fr", "de", kText, TextFormat::kText);
        EXPECT_EQ(r.status, c.status) << s.id << ": " << r.text;
        EXPECT_EQ(engine.LastProblem(), c.problem) << s.id << ": " << r.text;
        EXPECT_NE(r.text.find(name), std::string::npos) << r.text;
        EXPECT_NE(r.text.find(c.says), std::string::npos) << s.id << ": " << r.text;
        EXPECT_EQ(r.text.find("k-Secret"), std::string::npos) << s.id << ": the key is in " << r.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Services, EachService, ::testing::Range<std::size_t>(0, 5),
                         [](const auto& info) { return std::string(Services()[info.param].id); });

// Whether a connection waits on the listening socket, within `ms` milliseconds.
bool Waiting(socket_t s, int ms) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval limit{0, ms * 1000};
    return ::select(static_cast<int>(s + 1), &set, nullptr, nullptr, &limit) > 0;
}

#ifdef _WIN32
void CloseSocket(socket_t s) { closesocket(s); }
constexpr int kNoSignal = 0;
#else
void CloseSocket(socket_t s) { ::close(s); }
constexpr int kNoSignal = MSG_NOSIGNAL;  // a client gone must not end the test with SIGPIPE
#endif

// A service that sends its answer, status line and headers first, one byte every half second:
// each read of the client's gets something, so only a deadline on the whole exchange ends it.
class Trickler {
  public:
    explicit Trickler(std::string answer) : answer_(std::move(answer)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t n = sizeof a;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&a), n) != 0 || ::listen(listener_, 4) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &n) != 0)
            throw std::runtime_error("no listening socket for the stand-in");
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~Trickler() {
        {
            std::lock_guard lock(m_);
            stop_ = true;
        }
        cv_.notify_all();
        thread_.join();
        CloseSocket(listener_);
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_); }

  private:
    void Serve() {
        std::unique_lock lock(m_);
        while (!stop_) {
            lock.unlock();
            const bool waiting = Waiting(listener_, 50);
            lock.lock();
            if (!waiting) continue;
            const socket_t client = ::accept(listener_, nullptr, nullptr);
            char request[65536];
            ::recv(client, request, sizeof request, 0);
            for (std::size_t i = 0; i < answer_.size() && !stop_; ++i) {
                if (::send(client, answer_.data() + i, 1, kNoSignal) != 1) break;
                cv_.wait_for(lock, std::chrono::milliseconds(500), [this] { return stop_; });
            }
            CloseSocket(client);
        }
    }

    std::string answer_;
    socket_t listener_;
    int port_ = 0;
    std::mutex m_;
    std::condition_variable cv_;
    bool stop_ = false;
    std::thread thread_;
};

// A service that does not answer in time, or answers too slowly to finish in time, is a reason
// given at the deadline; one that is not there, at once.
TEST(Upstream, ASlowServiceEndsAtTheDeadlineAndAMissingOneAtOnce) {
    const Service& deepl = Services()[0];
    const std::string answer = deepl.answer("DE");
    StandIn silent(deepl, std::make_unique<httplib::Server>());
    silent.mode = Mode::Slow;
    Trickler trickling("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                       std::to_string(answer.size()) + "\r\n\r\n" + answer);
    auto upstream = MakeUpstream({});
    const struct {
        const char* what;
        std::string url;
        std::chrono::milliseconds timeout;
    } cases[] = {{"holding its answer", silent.Url(), std::chrono::milliseconds(300)},
                 {"trickling its headers", trickling.Url(), std::chrono::milliseconds(1600)}};
    for (const auto& c : cases) {
        ProviderEngine engine = EngineFor(deepl, c.url, *upstream, c.timeout);
        const auto start = std::chrono::steady_clock::now();
        const auto r = engine.Translate("fr", "de", kText, TextFormat::kText);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(r.status, 503) << c.what;
        EXPECT_EQ(engine.LastProblem(), UpstreamProblem::Timeout) << c.what << ": " << r.text;
        EXPECT_NE(r.text.find("did not answer within " + std::to_string(c.timeout.count()) + " ms"),
                  std::string::npos)
            << r.text;
        EXPECT_GE(took, c.timeout) << c.what;
        EXPECT_LT(took, c.timeout + std::chrono::seconds(2)) << c.what;
    }
    silent.Release();

    ProviderEngine gone = EngineFor(deepl, "http://127.0.0.1:1", *upstream);
    EXPECT_EQ(gone.Translate("fr", "de", kText, TextFormat::kText).status, 503);
    EXPECT_EQ(gone.LastProblem(), UpstreamProblem::Unreachable);
}

#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
// Over TLS, with a certificate made for this test and trusted by it alone: the request goes
// through with that certificate trusted, and fails as a secure-connection problem without.
TEST(Upstream, TlsWithACertificateTrustedForThisTestAlone) {
    const std::string dir = ::testing::TempDir() + "plv-tls-" + std::to_string(::getpid());
    ASSERT_EQ(std::system(("mkdir -p " + dir +
                           " && openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "
                           "/CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout " +
                           dir + "/key.pem -out " + dir + "/cert.pem 2>/dev/null")
                              .c_str()),
              0);
    const Service& deepl = Services()[0];
    StandIn fake(
        deepl, std::make_unique<httplib::SSLServer>((dir + "/cert.pem").c_str(), (dir + "/key.pem").c_str()));
    auto trusting = MakeUpstream({dir + "/cert.pem"});
    ProviderEngine engine = EngineFor(deepl, fake.Url("https"), *trusting);
    const auto ok = engine.Translate("fr", "de", kText, TextFormat::kText);
    EXPECT_EQ(ok.status, 200) << ok.text;
    EXPECT_EQ(ok.text, "DE:" + kText);

    auto system_only = MakeUpstream({});
    ProviderEngine doubting = EngineFor(deepl, fake.Url("https"), *system_only);
    const auto refused = doubting.Translate("fr", "de", kText, TextFormat::kText);
    EXPECT_EQ(refused.status, 503);
    EXPECT_EQ(doubting.LastProblem(), UpstreamProblem::Tls) << refused.text;
    std::filesystem::remove_all(dir);
}
#endif

#ifdef _WIN32
// The service Parlevo starts is given no configuration file; it reads the user's own, where the
// keys are, and a file named on the command line instead when there is one.
TEST(Routes, TheServiceParlevoStartsReadsTheUsersSettings) {
    const std::string appdata = ::testing::TempDir() + "plv-appdata";
    std::filesystem::create_directories(PathFromUtf8(appdata + "\\Parlevo"));
    std::ofstream(PathFromUtf8(appdata + "\\Parlevo\\plv-service.conf"))
        << "route.en-de = deepl\ndeepl_key = k\n";
    std::ofstream(PathFromUtf8(appdata + "\\other.conf")) << "text_limit = 77\n";
    _wputenv_s(L"APPDATA", Widen(appdata).c_str());
    const auto user = ParseCommandLine({"--port", "0"});
    EXPECT_EQ(user.config.routes.at("en-de"), "deepl");
    EXPECT_EQ(user.config.providers.at("deepl").key, "k");
    const auto named = ParseCommandLine({"--config", appdata + "\\other.conf"});
    EXPECT_EQ(named.config.text_limit, 77u);
    EXPECT_TRUE(named.config.routes.empty());
    std::filesystem::remove_all(PathFromUtf8(appdata));
}
#endif

#ifndef _WIN32
// The server as configured: fr-de goes to DeepL (here its stand-in), en-es stays Apertium's;
// /languages, the answer and the page say which engine translates, also of es-de, which goes
// through French, Apertium's step then DeepL's; a refused key is the page's error, logged once
// however often it comes back.
TEST(Routes, EachDirectionGoesToItsEngineAndSaysSo) {
    const std::string modes = test::ModesDirWith({"eng-spa", "spa-eng", "es-fr"});
    ASSERT_FALSE(modes.empty()) << "needs apertium-eng-spa and apertium-fr-es";
    StandIn fake(Services()[0], std::make_unique<httplib::Server>());
    const std::string log = ::testing::TempDir() + "plv-routes-" + std::to_string(::getpid()) + ".log";
    const std::string conf = ::testing::TempDir() + "plv-routes-" + std::to_string(::getpid()) + ".conf";
    std::ofstream(conf) << "route.fr-de = deepl\ndeepl_key = " << kKey << "\ndeepl_url = " << fake.Url()
                        << "\nmodes_dir = " << modes << "\n";
    test::ServerProcess s({"--config", conf}, {false, "", log});
    ASSERT_NE(s.port(), 0);
    httplib::Client cli("127.0.0.1", s.port());
    const json languages = json::parse(cli.Get("/languages")->body);
    std::map<std::string, std::string> engines;
    for (const auto& l : languages)
        for (const auto& [target, engine] : l["engines"].items())
            engines[l["code"].get<std::string>() + "-" + target] = engine;
    EXPECT_EQ(engines["fr-de"], "DeepL");
    EXPECT_EQ(engines["en-es"], "Apertium");
    EXPECT_EQ(engines["es-de"], "Apertium and DeepL");

    const auto translate = [&](const char* source, const char* target) {
        auto res = cli.Post("/translate", json{{"q", kText}, {"source", source}, {"target", target}}.dump(),
                            "application/json");
        return std::make_pair(res->status, json::parse(res->body));
    };
    auto [status, answer] = translate("fra", "de");  // Apertium's three-letter codes too
    EXPECT_EQ(status, 200) << answer.dump();
    EXPECT_EQ(answer["translatedText"], "DE:" + kText);
    EXPECT_EQ(answer["credit"], "Powered by DeepL");
    EXPECT_EQ(answer["link"], "https://www.deepl.com/");
    EXPECT_EQ(translate("en", "es").second["engine"], "Apertium");
    EXPECT_NE(cli.Get("/?dir=fr-de")->body.find(">Powered by DeepL</a>"), std::string::npos);
    std::tie(status, answer) = translate("es", "de");
    EXPECT_EQ(answer["credit"], "Powered by Apertium and DeepL, through French") << answer.dump();
    EXPECT_EQ(answer["translatedText"].get<std::string>().rfind("DE:", 0), 0u) << answer.dump();
    // A direction nobody serves is refused with every one that is served, the routed one too.
    std::tie(status, answer) = translate("de", "fr");
    EXPECT_EQ(status, 400);
    EXPECT_EQ(answer["error"], "unknown direction de-fr (available: en-es, es-en, es-fr, fr-de)");

    // From "auto": the French text's direction is DeepL's, which finds the language itself, in
    // HTML as DeepL takes it. The confidence is CLD2's, as DeepL gives none.
    const std::string french = "<p>Le chat noir dort sur la table de la cuisine.</p>";
    fake.expect = {true, true};
    const auto from_auto = [&](int port, const std::string& q) {
        auto res = httplib::Client("127.0.0.1", port)
                       .Post("/translate",
                             json{{"q", q}, {"source", "auto"}, {"target", "de"}, {"format", "html"}}.dump(),
                             "application/json");
        return std::make_pair(res->status, json::parse(res->body));
    };
    std::tie(status, answer) = from_auto(s.port(), french);
    EXPECT_EQ(status, 200) << answer.dump();
    EXPECT_EQ(fake.problem, "");
    EXPECT_EQ(answer["translatedText"], "DE:" + french);
    EXPECT_EQ(answer["engine"], "DeepL");
    EXPECT_EQ(answer["detectedLanguage"]["language"], "fr");
    EXPECT_GE(answer["detectedLanguage"]["confidence"].get<double>(), 50);
    // Too short for CLD2, and no fallback: refused, unless route.auto-de names an engine to find it.
    EXPECT_EQ(from_auto(s.port(), "Bonjour").first, 400);
    const std::string auto_conf = conf + ".auto";
    std::ofstream(auto_conf) << "route.auto-de = deepl\ndeepl_key = " << kKey
                             << "\ndeepl_url = " << fake.Url() << "\n";
    {
        test::ServerProcess routed({"--config", auto_conf});
        ASSERT_NE(routed.port(), 0);
        std::tie(status, answer) = from_auto(routed.port(), "Bonjour");
        EXPECT_EQ(status, 200) << answer.dump();
        EXPECT_EQ(fake.problem, "");
        EXPECT_EQ(answer["detectedLanguage"]["language"], "fr") << answer.dump();
        EXPECT_EQ(answer["target"], "de") << answer.dump();
    }
    std::remove(auto_conf.c_str());
    fake.expect = {};

    fake.mode = Mode::WrongKey;
    for (int i = 0; i < 3; ++i) {
        std::tie(status, answer) = translate("fr", "de");
        EXPECT_EQ(status, 503);
        EXPECT_NE(answer["error"].get<std::string>().find("deepl_key"), std::string::npos) << answer.dump();
    }
    EXPECT_EQ(s.Stop(), 0);
    std::ifstream in(log);
    const std::string logged((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(logged.find("refused the key"), logged.rfind("refused the key")) << logged;
    EXPECT_NE(logged.find("refused the key"), std::string::npos) << logged;
    EXPECT_EQ(logged.find("k-Secret"), std::string::npos) << logged;
    std::remove(log.c_str());
    std::remove(conf.c_str());
    std::filesystem::remove_all(modes);
}
#endif

}  // namespace
}  // namespace plv
