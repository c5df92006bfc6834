// End-to-end tests: the real plv-service binary with the real Apertium pairs, on loopback.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <thread>

#include "engine.h"
#include "server_process.h"
#include "text_util.h"

namespace plv::test {
namespace {

using nlohmann::json;

struct Answer {
    int status = 0;  // 0: no HTTP answer at all
    json body;
};

Answer Send(int port, const std::string& body, const std::string& content_type,
            const std::string& path = "/translate") {
    httplib::Client cli("127.0.0.1", port);
    cli.set_read_timeout(std::chrono::seconds(30));
    auto res = cli.Post(path, body, content_type);
    Answer a;
    if (!res) {
        a.body = json{{"client_error", httplib::to_string(res.error())}};
        return a;
    }
    a.status = res->status;
    a.body = json::parse(res->body, nullptr, /*allow_exceptions=*/false);
    return a;
}

Answer TranslateJson(int port, const std::string& q, const std::string& source, const std::string& target) {
    return Send(port, json{{"q", q}, {"source", source}, {"target", target}}.dump(), "application/json");
}

std::string Form(const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string out;
    for (const auto& [k, v] : fields) {
        if (!out.empty()) out += '&';
        out += UrlEncode(k) + "=" + UrlEncode(v);
    }
    return out;
}

std::string Translation(const Answer& a) {
    if (a.status != 200 || !a.body.is_object() || !a.body.contains("translatedText"))
        return "<" + a.body.dump() + ">";
    return a.body["translatedText"].get<std::string>();
}

std::vector<pid_t> PipelinePids(int port, const std::string& dir) {
    httplib::Client cli("127.0.0.1", port);
    auto res = cli.Get("/debug/pids?dir=" + dir);
    if (!res || res->status != 200) return {};
    return json::parse(res->body)["pids"].get<std::vector<pid_t>>();
}

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

long long MillisSince(Clock::time_point t0) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - t0).count();
}

// A raw connection to the server, for what an HTTP client library will not do: trickle bytes,
// send no Host, stay silent.
class RawConnection {
  public:
    explicit RawConnection(int port) {
        fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~RawConnection() {
        if (fd_ >= 0) close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    bool Send(const std::string& s) {
        return send(fd_, s.data(), s.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(s.size());
    }
    // Reads until the server closes the connection or `limit` passes; *closed tells which.
    std::string ReadUntilClosed(milliseconds limit, bool* closed = nullptr) {
        std::string out;
        const auto end = Clock::now() + limit;
        if (closed) *closed = false;
        for (;;) {
            const auto left = std::chrono::duration_cast<milliseconds>(end - Clock::now()).count();
            if (left <= 0) break;
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left)) <= 0) continue;
            char buf[4096];
            const ssize_t n = recv(fd_, buf, sizeof buf, 0);
            if (n <= 0) {
                if (closed) *closed = true;
                break;
            }
            out.append(buf, static_cast<std::size_t>(n));
        }
        return out;
    }

  private:
    int fd_ = -1;
};

TEST(Http, TranslatesBothWaysWithJsonAndFormBodies) {
    ServerProcess s({});
    ASSERT_NE(s.port(), 0);
    struct Case {
        std::string source, target, text, expect;
    };
    const std::vector<Case> cases = {
        {"en", "es", "the house", "casa"},
        {"es", "en", "la casa", "house"},
        {"eng", "spa", "the big dog", "perro"},  // Apertium's own codes work too
        {"en", "es", "I have a dog.\n\nThe cat sleeps.", "perro"},
    };
    for (const auto& c : cases) {
        const auto json_answer = TranslateJson(s.port(), c.text, c.source, c.target);
        EXPECT_EQ(json_answer.status, 200) << json_answer.body.dump();
        EXPECT_NE(Translation(json_answer).find(c.expect), std::string::npos) << Translation(json_answer);
        const auto form_answer = Send(
            s.port(), Form({{"q", c.text}, {"source", c.source}, {"target", c.target}, {"format", "text"}}),
            "application/x-www-form-urlencoded");
        EXPECT_EQ(Translation(form_answer), Translation(json_answer)) << "form and JSON bodies disagree";
    }
    // multipart/form-data, as an HTML form with enctype="multipart/form-data" sends it.
    httplib::Client cli("127.0.0.1", s.port());
    const httplib::MultipartFormDataItems items = {
        {"q", "the house", "", ""}, {"source", "en", "", ""}, {"target", "es", "", ""}};
    auto multipart = cli.Post("/translate", items);
    ASSERT_TRUE(multipart);
    EXPECT_EQ(multipart->status, 200) << multipart->body;
    EXPECT_NE(multipart->body.find("casa"), std::string::npos) << multipart->body;
    // The paragraph break is formatting and must survive the trip.
    EXPECT_NE(Translation(TranslateJson(s.port(), cases[3].text, "en", "es")).find("\n\n"),
              std::string::npos);
}

TEST(Http, SpecialCharactersSurvive) {
    ServerProcess s({});
    ASSERT_NE(s.port(), 0);
    const std::string text = "the house [1] \\ ^ $ / @ { } <b> & # * ~ | + % user@mail.com #tag *bold*";
    const std::string out = Translation(TranslateJson(s.port(), text, "en", "es"));
    EXPECT_NE(out.find("casa"), std::string::npos) << out;
    for (const char c : std::string("[]\\^$/@{}<>&#*~|+%")) {
        EXPECT_EQ(std::count(out.begin(), out.end(), c), std::count(text.begin(), text.end(), c))
            << "character '" << c << "' in: " << out;
    }
    EXPECT_NE(out.find("user@mail.com"), std::string::npos) << out;
}

TEST(Http, UnknownWordsCarryNoMarks) {
    ServerProcess s({});
    ASSERT_NE(s.port(), 0);
    const std::string out =
        Translation(TranslateJson(s.port(), "the zzxqvb house went blorfing", "en", "es"));
    EXPECT_NE(out.find("zzxqvb"), std::string::npos) << out;
    EXPECT_EQ(out.find_first_of("*#@"), std::string::npos) << out;
}

TEST(Http, ListsLanguages) {
    const std::string modes = ModesDirWith({"eng-spa", "spa-eng", "spa-eng_US"});
    ASSERT_FALSE(modes.empty()) << "apertium-eng-spa is not installed";
    ServerProcess s({"--modes-dir", modes});
    std::filesystem::remove_all(modes);
    ASSERT_NE(s.port(), 0);
    httplib::Client cli("127.0.0.1", s.port());
    auto res = cli.Get("/languages");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    const auto langs = json::parse(res->body);
    ASSERT_TRUE(langs.is_array());
    std::map<std::string, json> by_code;
    for (const auto& l : langs) by_code[l.at("code").get<std::string>()] = l;
    ASSERT_TRUE(by_code.count("en") && by_code.count("es")) << res->body;
    EXPECT_EQ(by_code["en"]["name"], "English");
    EXPECT_EQ(by_code["es"]["name"], "Spanish");
    EXPECT_EQ(by_code["en"]["targets"], json::array({"es"}));
    EXPECT_EQ(by_code["es"]["targets"], json::array({"en"}));  // the en_US variant is not offered
}

// Every direction of every installed pair, by the codes its mode names it with and by the ones
// /languages gives: ISO 639-1 where the language has one.
TEST(Languages, EveryInstalledDirectionByEitherCode) {
    ServerProcess s({});
    ASSERT_NE(s.port(), 0);
    httplib::Client cli("127.0.0.1", s.port());
    std::map<std::string, json> by_code;
    for (const auto& l : json::parse(cli.Get("/languages")->body)) by_code[l["code"]] = l;
    for (const auto& [c, l] : by_code) {
        EXPECT_TRUE(c.size() == 2 || c == "ast" || c == "frp" || c == "szl") << c;
        EXPECT_NE(l["name"], c);
        for (const auto& t : l["targets"]) EXPECT_TRUE(by_code.count(t)) << t << ", a target of " << c;
    }
    const std::regex plain("([a-z]{2,3})-([a-z]{2,3})\\.mode");
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kModesDir)) {
        const std::string file = entry.path().filename().string();
        std::smatch m;
        if (!std::regex_match(file, m, plain)) continue;
        // The codes themselves are checked both ways in text_test.cpp.
        const std::string source = NormalizeLanguageCode(m[1]), target = NormalizeLanguageCode(m[2]);
        EXPECT_NE(LanguageName(source), source) << file << ": a language without a name";
        const json& l = by_code[source];
        EXPECT_TRUE(l.contains("targets") &&
                    l["targets"].dump().find('"' + target + '"') != std::string::npos &&
                    !l["via"].contains(target))
            << file << " is not listed as " << source << "-" << target;
        // The page by the mode's own name picks the listed direction (or says its data is broken).
        auto page = cli.Get("/?dir=" + m[1].str() + "-" + m[2].str());
        if (page->status == 200) {
            EXPECT_NE(page->body.find("<option value=\"" + source + "-" + target + "\" selected"),
                      std::string::npos)
                << file;
        } else {
            EXPECT_EQ(page->status, 503) << file;
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
    // A translation asked for by any mix of the codes.
    const std::string expected = Translation(TranslateJson(s.port(), "the house", "en", "es"));
    EXPECT_NE(expected.find("casa"), std::string::npos);
    for (const auto& [source, target] : {std::pair{"eng", "spa"}, {"en", "spa"}, {"EN", "es"}})
        EXPECT_EQ(Translation(TranslateJson(s.port(), "the house", source, target)), expected) << source;
    if (by_code.count("sh")) {
        EXPECT_EQ(Translation(TranslateJson(s.port(), "kuća", "hbs", "eng")),
                  Translation(TranslateJson(s.port(), "kuća", "sh", "en")));
    }
}

// English to French through Spanish is English to Spanish, then Spanish to French, by hand.
TEST(Pivot, ThroughASharedLanguageIsBothStepsInARow) {
    // en-es.mode is eng-spa's second name: one of the two is kept, and the log says which.
    const std::string modes = ModesDirWith({"eng-spa", "spa-eng", "es-fr", "fr-es", "en-es=eng-spa"});
    if (modes.empty()) GTEST_SKIP() << "needs apertium-eng-spa and apertium-fr-es";
    const std::string log = modes + ".log";
    {
        ServerProcess s({"--modes-dir", modes}, {false, "", log});
        ASSERT_NE(s.port(), 0);
        httplib::Client cli("127.0.0.1", s.port());
        const json languages = json::parse(cli.Get("/languages")->body);
        std::map<std::string, json> by_code;
        for (const auto& l : languages) by_code[l["code"]] = l;
        EXPECT_EQ(by_code["en"]["targets"], json::array({"es", "fr"}));
        EXPECT_EQ(by_code["en"]["via"], json({{"fr", "es"}}));
        EXPECT_EQ(by_code["fr"]["targets"], json::array({"en", "es"}));
        for (const char* text : {"the house is big", "I have seen the black dogs of my neighbour."}) {
            const auto through = TranslateJson(s.port(), text, "en", "fr");
            EXPECT_EQ(through.body["credit"], "Powered by Apertium, through Spanish") << through.body.dump();
            EXPECT_EQ(through.body["via"], "es");
            const std::string spanish = Translation(TranslateJson(s.port(), text, "en", "es"));
            EXPECT_EQ(Translation(through), Translation(TranslateJson(s.port(), spanish, "es", "fr")));
        }
        const std::string page = cli.Get("/?dir=eng-fra")->body;
        EXPECT_NE(page.find("<span id=\"fromto\">English \xC2\xBB French</span>"), std::string::npos);
        EXPECT_NE(page.find(">Powered by Apertium, through Spanish</a>"), std::string::npos);
        EXPECT_NE(page.find("<optgroup label=\"English, through another language\"><option value=\"en-fr\""),
                  std::string::npos);
        EXPECT_EQ(s.Stop(), 0);
    }
    std::ifstream in(log);
    const std::string logged((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(logged.find("modes en-es and eng-spa both translate en-es; using eng-spa"), std::string::npos)
        << logged;
    ServerProcess off({"--modes-dir", modes, "--pivot", "false"});
    ASSERT_NE(off.port(), 0);
    httplib::Client cli("127.0.0.1", off.port());
    EXPECT_EQ(cli.Get("/languages")->body.find("\"fr\":\"es\""), std::string::npos);
    EXPECT_EQ(TranslateJson(off.port(), "the house", "en", "fr").status, 400);
    std::filesystem::remove_all(modes);
    std::filesystem::remove(log);
}

struct BadRequest {
    std::string name, content_type, body;
    int status;
    std::string error_part;
    std::string path = "/translate";
};

void PrintTo(const BadRequest& b, std::ostream* os) { *os << b.name; }

class HttpRejects : public ::testing::TestWithParam<BadRequest> {};

TEST_P(HttpRejects, WithStatusAndJsonError) {
    // A small limit keeps the oversized case small; 64 bytes still fits every valid case here.
    ServerProcess s({"--text-limit", "64"});
    ASSERT_NE(s.port(), 0);
    const auto& c = GetParam();
    const auto a = Send(s.port(), c.body, c.content_type, c.path);
    EXPECT_EQ(a.status, c.status) << a.body.dump();
    ASSERT_TRUE(a.body.is_object() && a.body.contains("error")) << a.body.dump();
    EXPECT_NE(a.body["error"].get<std::string>().find(c.error_part), std::string::npos) << a.body.dump();
    EXPECT_FALSE(a.body.contains("translatedText"));
    // The library's own messages ("[json.exception.parse_error.101] ...") are not for clients.
    EXPECT_EQ(a.body["error"].get<std::string>().find("exception"), std::string::npos) << a.body.dump();
}

const char kForm[] = "application/x-www-form-urlencoded";
const char kJson[] = "application/json";

INSTANTIATE_TEST_SUITE_P(
    BadInput, HttpRejects,
    ::testing::Values(
        BadRequest{"MissingQ", kForm, "source=en&target=es", 400, "'q'"},
        BadRequest{"MissingSource", kJson, R"({"q":"the house","target":"es"})", 400, "'source'"},
        BadRequest{"MissingTarget", kForm, "q=house&source=en", 400, "'target'"},
        BadRequest{"UnknownDirection", kForm, "q=house&source=en&target=zz", 400, "unknown direction"},
        BadRequest{"SameLanguage", kJson, R"({"q":"house","source":"en","target":"en"})", 400,
                   "unknown direction"},
        BadRequest{"EmptyText", kForm, "q=&source=en&target=es", 400, "empty"},
        BadRequest{"BlankText", kJson, R"({"q":" \n\t ","source":"en","target":"es"})", 400, "empty"},
        BadRequest{"XmlFormat", kForm, "q=house&source=en&target=es&format=xml", 400, "format"},
        BadRequest{"MalformedJson", kJson, R"({"q":"house","source":"en",)", 400, "malformed JSON"},
        BadRequest{"JsonArray", kJson, R"(["house"])", 400, "malformed JSON"},
        BadRequest{"JsonNumberText", kJson, R"({"q":5,"source":"en","target":"es"})", 400, "'q'"},
        BadRequest{"InvalidUtf8Form", kForm, "q=caf%C3&source=en&target=es", 400, "UTF-8"},
        BadRequest{"InvalidUtf8Json", kJson, "{\"q\":\"caf\xC3\",\"source\":\"en\",\"target\":\"es\"}", 400,
                   "malformed JSON"},
        BadRequest{"TooLarge", kForm, "q=" + std::string(65, 'a') + "&source=en&target=es", 413, "too large"},
        BadRequest{"DeepJson", kJson, std::string(30000, '[') + std::string(30000, ']'), 400,
                   "malformed JSON"},
        BadRequest{"MultipartWithoutBoundary", "multipart/form-data", "--x\r\n\r\nhouse\r\n--x--", 400,
                   "multipart"},
        BadRequest{"UnknownFormat", kForm, "q=house&source=en&target=es&format=pdf", 400, "'pdf'"},
        // /detect, and /translate from the language found (source=auto).
        BadRequest{"DetectMissingQ", kForm, "source=en", 400, "'q'", "/detect"},
        BadRequest{"DetectEmptyQ", kForm, "q=", 400, "'q'", "/detect"},
        BadRequest{"DetectBlankQ", kJson, R"({"q":" \n "})", 400, "empty", "/detect"},
        BadRequest{"DetectBinary", kForm, "q=%FF%FE%00%01", 400, "UTF-8", "/detect"},
        BadRequest{"DetectTooLarge", kForm, "q=" + std::string(65, 'a'), 413, "too large", "/detect"},
        BadRequest{"DetectMalformedJson", kJson, R"({"q":)", 400, "malformed JSON", "/detect"},
        BadRequest{"AutoTooShort", kJson, R"({"q":"la casa","source":"auto","target":"es"})", 400,
                   "could not tell the language of the text"},
        BadRequest{"AutoNoWords", kForm, "q=12345+!!&source=auto&target=es", 400, "choose a source language"},
        BadRequest{"AutoNoDirection", kJson,
                   R"({"q":"Ich bin müde und möchte jetzt schlafen gehen.","source":"auto","target":"es"})",
                   400, "from German (the language of the text) into Spanish"},
        BadRequest{"AutoAlreadyInTarget", kJson,
                   R"({"q":"El perro negro duerme en la cocina.","source":"auto","target":"es"})", 400,
                   "already in Spanish"},
        BadRequest{"AutoFallbackWithoutDirection", kJson,
                   R"({"q":"la casa","source":"auto","target":"es","fallback":"ru"})", 400,
                   "from Russian (the fallback"},
        BadRequest{"AutoBinaryFallback", kForm, "q=la+casa&source=auto&target=es&fallback=%C3", 400,
                   "'fallback'"},
        BadRequest{"AutoEmpty", kForm, "q=+&source=auto&target=es", 400, "empty"},
        BadRequest{"AutoTooLarge", kForm, "q=" + std::string(65, 'a') + "&source=auto&target=es", 413,
                   "too large"}),
    [](const auto& info) { return info.param.name; });

TEST(Http, TextAtTheLimitIsAccepted) {
    ServerProcess s({"--text-limit", "64"});
    ASSERT_NE(s.port(), 0);
    std::string text = "the house";
    while (text.size() + 10 <= 64) text += " the house";
    text += std::string(64 - text.size(), '.');
    ASSERT_EQ(text.size(), 64u);
    EXPECT_EQ(TranslateJson(s.port(), text, "en", "es").status, 200);
    EXPECT_EQ(TranslateJson(s.port(), text + ".", "en", "es").status, 413);
    // The limit counts bytes: 22 three-byte characters are 66 bytes.
    std::string euros;
    for (int i = 0; i < 22; ++i) euros += "\xE2\x82\xAC";
    EXPECT_EQ(TranslateJson(s.port(), euros, "en", "es").status, 413);
}

TEST(Http, ApiKeyIsRequiredWhenConfigured) {
    ServerProcess s({"--api-key", "s3cret"});
    ASSERT_NE(s.port(), 0);
    EXPECT_EQ(TranslateJson(s.port(), "the house", "en", "es").status, 403);
    const auto ok = Send(
        s.port(), json{{"q", "the house"}, {"source", "en"}, {"target", "es"}, {"api_key", "s3cret"}}.dump(),
        "application/json");
    EXPECT_NE(Translation(ok).find("casa"), std::string::npos);
    const auto wrong = Send(
        s.port(), Form({{"q", "house"}, {"source", "en"}, {"target", "es"}, {"api_key", "nope"}}), kForm);
    EXPECT_EQ(wrong.status, 403);

    // The key in the path, for the page a team's programs load from /key/KEY/.
    const std::string form = Form({{"q", "the house"}, {"source", "en"}, {"target", "es"}});
    EXPECT_NE(Translation(Send(s.port(), form, kForm, "/key/s3cret/translate")).find("casa"),
              std::string::npos);
    httplib::Client cli("127.0.0.1", s.port());
    auto page = cli.Get("/key/s3cret/?dir=en-es");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("<script src=\"page.js\">"), std::string::npos);
    EXPECT_EQ(cli.Get("/key/s3cret/page.js")->status, 200);
    // Every route of the API is answered under the key alike (a client given the keyed address).
    EXPECT_EQ(cli.Get("/key/s3cret/languages")->body, cli.Get("/languages")->body);
    EXPECT_EQ(cli.Get("/key/nope/languages")->status, 403);
    EXPECT_EQ(cli.Get("/key/s3cret/page.jsx")->status, 404);
    EXPECT_EQ(Send(s.port(), Form({{"q", "Le chat noir dort."}}), kForm, "/detect").status, 403);
    EXPECT_EQ(
        Send(s.port(), Form({{"q", "Le chat noir dort."}}), kForm, "/key/s3cret/detect").body[0]["language"],
        "fr");
    for (const char* key : {"nope", "s3cre", "s3cretx", "S3CRET"}) {
        EXPECT_EQ(Send(s.port(), form, kForm, std::string("/key/") + key + "/translate").status, 403) << key;
        EXPECT_EQ(Send(s.port(), form, kForm, std::string("/key/") + key + "/detect").status, 403) << key;
        auto wrong_page = cli.Get(std::string("/key/") + key + "/?dir=en-es");
        ASSERT_TRUE(wrong_page);
        EXPECT_EQ(wrong_page->status, 403) << key;
        EXPECT_EQ(wrong_page->body.find("s3cret"), std::string::npos);
    }
    // Without a configured key there is no such path to guess at.
    ServerProcess open_server({});
    ASSERT_NE(open_server.port(), 0);
    EXPECT_EQ(Send(open_server.port(), form, kForm, "/key/x/translate").status, 404);
}

// POST /detect as LibreTranslate answers it, and source=auto: from the language found, into the
// fallback when the text is already in the target language, from the fallback when unsure.
TEST(Http, DetectsAndTranslatesFromTheLanguageFound) {
    ServerProcess s({});
    ASSERT_NE(s.port(), 0);
    const auto detect = [&](const std::string& q) {
        return Send(s.port(), Form({{"q", q}}), kForm, "/detect").body;
    };
    const json french = detect("Le chat noir dort sur la table de la cuisine.");
    ASSERT_TRUE(french.is_array() && !french.empty()) << french.dump();
    EXPECT_EQ(french[0]["language"], "fr");
    EXPECT_GE(french[0]["confidence"].get<double>(), 50);
    EXPECT_EQ(Send(s.port(), json{{"q", "Le chat noir dort."}}.dump(), kJson, "/detect").body[0]["language"],
              "fr");
    EXPECT_LT(detect("Bonjour")[0]["confidence"].get<double>(), 50) << "too short to be sure";
    EXPECT_EQ(detect("12345 !!"), json::parse(R"([{"language":"und","confidence":0.0}])"));

    struct Case {
        json request;
        std::string language, target, expect;
        bool sure;
    };
    const Case cases[] = {
        {{{"q", "Le chat noir dort sur la table."}, {"target", "es"}}, "fr", "es", "gato", true},
        {{{"q", "El perro negro duerme en la cocina."}, {"target", "es"}, {"fallback", "en"}},
         "es",
         "en",
         "dog",
         true},
        {{{"q", "the house"}, {"target", "es"}, {"fallback", "en"}}, "en", "es", "casa", false},
        {{{"q", "Le chat noir dort sur la table."}, {"target", "spa"}, {"fallback", "eng"}},
         "fr",
         "es",
         "gato",
         true},
    };
    for (const Case& c : cases) {
        json request = c.request;
        request["source"] = "auto";
        const auto a = Send(s.port(), request.dump(), kJson);
        ASSERT_EQ(a.status, 200) << a.body.dump();
        EXPECT_EQ(a.body["detectedLanguage"]["language"], c.language) << a.body.dump();
        EXPECT_EQ(a.body["detectedLanguage"]["confidence"].get<double>() >= 50, c.sure) << a.body.dump();
        EXPECT_EQ(a.body["target"], c.target) << a.body.dump();
        EXPECT_NE(Translation(a).find(c.expect), std::string::npos) << a.body.dump();
    }
}

TEST(Http, KilledPipelineIsReplacedAndTheNextRequestSucceeds) {
    ServerProcess s({"--debug-endpoints"});
    ASSERT_NE(s.port(), 0);
    const std::string expected = Translation(TranslateJson(s.port(), "the house is big", "en", "es"));
    ASSERT_NE(expected.find("casa"), std::string::npos) << expected;
    // First, middle and last stage: each break shows differently (EPIPE on write, EOF on read).
    for (const std::string which : {"first", "middle", "last"}) {
        const auto before = PipelinePids(s.port(), "en-es");
        ASSERT_GE(before.size(), 3u);
        const std::size_t victim = which == "first"    ? 0
                                   : which == "middle" ? before.size() / 2
                                                       : before.size() - 1;
        ASSERT_EQ(kill(before[victim], SIGKILL), 0);
        EXPECT_EQ(Translation(TranslateJson(s.port(), "the house is big", "en", "es")), expected) << which;
        const auto after = PipelinePids(s.port(), "en-es");
        ASSERT_EQ(after.size(), before.size());
        for (pid_t pid : after)
            EXPECT_EQ(std::count(before.begin(), before.end(), pid), 0) << "not restarted";
    }
    // The other direction has its own pipeline, untouched by all this.
    EXPECT_NE(Translation(TranslateJson(s.port(), "la casa", "es", "en")).find("house"), std::string::npos);
}

TEST(Http, PipelineKilledWhileRequestsAreRunning) {
    ServerProcess s({"--debug-endpoints"});
    ASSERT_NE(s.port(), 0);
    const std::vector<std::string> sentences = {"the house is big", "I have a black dog", "she reads a book",
                                                "we eat bread every day"};
    std::vector<std::string> expected;
    for (const auto& t : sentences) expected.push_back(Translation(TranslateJson(s.port(), t, "en", "es")));
    const auto pids = PipelinePids(s.port(), "en-es");
    ASSERT_FALSE(pids.empty());

    std::atomic<int> done{0};
    std::vector<std::string> got(40);
    std::thread client([&] {
        for (std::size_t i = 0; i < got.size(); ++i) {
            got[i] = Translation(TranslateJson(s.port(), sentences[i % sentences.size()], "en", "es"));
            ++done;
        }
    });
    ASSERT_TRUE(PollUntil([&] { return done.load() >= 5; }, std::chrono::seconds(20)));
    kill(pids[pids.size() / 2], SIGKILL);
    client.join();
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], expected[i % sentences.size()]) << "request " << i;
    EXPECT_NE(PipelinePids(s.port(), "en-es"), pids);
}

TEST(Http, FiftyConcurrentRequestsMatchSequentialAnswers) {
    ServerProcess s({});
    ASSERT_NE(s.port(), 0);
    struct Job {
        std::string source, target, text;
    };
    const std::vector<Job> base = {
        {"en", "es", "the house is big"},
        {"en", "es", "I would like a cup of coffee, please."},
        {"en", "es", "The children play in the park."},
        {"en", "es", "Where is the train station?"},
        {"en", "es", "My sister works at the hospital."},
        {"es", "en", "la casa es grande"},
        {"es", "en", "Me gusta leer libros por la noche."},
        {"es", "en", "El perro duerme en el jard\xC3\xADn."},
        {"es", "en", "Mañana vamos a la playa."},
        {"es", "en", "¿Dónde está el museo?"},
    };
    std::vector<std::string> sequential;
    for (const auto& j : base)
        sequential.push_back(Translation(TranslateJson(s.port(), j.text, j.source, j.target)));
    for (const auto& t : sequential) ASSERT_NE(t.front(), '<') << t;

    constexpr int kRequests = 50;
    std::vector<std::string> got(kRequests);
    std::vector<std::thread> threads;
    for (int i = 0; i < kRequests; ++i) {
        threads.emplace_back([&, i] {
            const auto& j = base[static_cast<std::size_t>(i) % base.size()];
            got[static_cast<std::size_t>(i)] =
                Translation(TranslateJson(s.port(), j.text, j.source, j.target));
        });
    }
    for (auto& t : threads) t.join();
    for (int i = 0; i < kRequests; ++i) {
        EXPECT_EQ(got[static_cast<std::size_t>(i)], sequential[static_cast<std::size_t>(i) % base.size()])
            << i;
    }
}

// A modes directory holding one fake eng-spa mode with the given pipeline line.
std::string FakeModesDir(const std::string& line) {
    char tmpl[] = "/tmp/plv-modes-XXXXXX";
    std::string dir = mkdtemp(tmpl);
    std::ofstream(dir + "/eng-spa.mode") << line << "\n";
    return dir;
}

TEST(Http, BrokenEngineAnswers503) {
    for (const std::string line : {"plv-no-such-program 'x'", "false"}) {
        const std::string dir = FakeModesDir(line);
        {
            ServerProcess s({"--modes-dir", dir, "--timeout-ms", "2000"});
            ASSERT_NE(s.port(), 0);
            const auto a = TranslateJson(s.port(), "the house", "en", "es");
            EXPECT_EQ(a.status, 503) << line << ": " << a.body.dump();
            EXPECT_TRUE(a.body.contains("error"));
            // Why it failed goes to the log; the answer names no program, path or exit code.
            const std::string error = a.body.value("error", "");
            for (const std::string& internal :
                 std::vector<std::string>{"plv-no-such-program", "not found", dir, "exit code", "false"})
                EXPECT_EQ(error.find(internal), std::string::npos) << error;
        }
        std::filesystem::remove_all(dir);
    }
}

TEST(Http, ADirectionThatCannotRunIsNamedInTheLogAndItsPageIs503) {
    // A data file the mode names is missing: found at start-up, logged once with its path.
    char tmpl[] = "/tmp/plv-modes-XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    const std::string gone = dir + "/eng-spa.gone.bin";
    std::ofstream(dir + "/eng-spa.mode") << "cat '" << dir << "/eng-spa.mode' | cat '" << gone << "'\n";
    std::filesystem::copy_file("/usr/share/apertium/modes/spa-eng.mode", dir + "/spa-eng.mode");
    {
        ServerProcess s({"--modes-dir", dir}, {false, "", dir + "/log"});
        ASSERT_NE(s.port(), 0);
        httplib::Client cli("127.0.0.1", s.port());
        for (const char* path : {"/", "/?dir=en-es"}) {
            auto page = cli.Get(path);
            ASSERT_TRUE(page);
            EXPECT_EQ(page->status, 503) << path;
            EXPECT_EQ(page->body.find(gone), std::string::npos) << "paths go to the log only";
        }
        EXPECT_EQ(TranslateJson(s.port(), "the house", "en", "es").status, 503);
        EXPECT_EQ(cli.Get("/?dir=es-en")->status, 200);  // the other direction is whole
        EXPECT_NE(Translation(TranslateJson(s.port(), "la casa", "es", "en")).find("house"),
                  std::string::npos);
        std::ifstream log(dir + "/log");
        const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find(gone), std::string::npos) << text;
    }
    // A direction whose preload fails: its page is 503 once that is known.
    std::filesystem::remove_all(dir);
    const std::string broken = FakeModesDir("plv-no-such-program 'x'");
    {
        ServerProcess s({"--modes-dir", broken, "--preload", "true"});
        ASSERT_NE(s.port(), 0);
        httplib::Client cli("127.0.0.1", s.port());
        EXPECT_TRUE(PollUntil(
            [&] {
                auto page = cli.Get("/");
                return page && page->status == 503;
            },
            std::chrono::seconds(10)));
    }
    std::filesystem::remove_all(broken);
}

TEST(Http, ADamagedPairIs503NamedOnceInTheLogAndTheOthersGoOn) {
    // eng-spa with its analyser cut in half (lt-proc dies loading it), beside a whole spa-eng.
    const std::string dir = FakeModesDir("unused");
    const std::string data = "/usr/share/apertium/apertium-eng-spa/eng-spa.automorf.bin";
    const std::string cut = dir + "/eng-spa.automorf.bin";
    std::filesystem::copy_file(data, cut);
    std::filesystem::resize_file(cut, std::filesystem::file_size(data) / 2);
    std::ifstream in("/usr/share/apertium/modes/eng-spa.mode");
    std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_NE(line.find(data), std::string::npos);
    line.replace(line.find(data), data.size(), cut);
    std::ofstream(dir + "/eng-spa.mode") << line;
    std::filesystem::copy_file("/usr/share/apertium/modes/spa-eng.mode", dir + "/spa-eng.mode");
    {
        ServerProcess s({"--modes-dir", dir, "--debug-endpoints"}, {false, "", dir + "/log"});
        ASSERT_NE(s.port(), 0);
        httplib::Client cli("127.0.0.1", s.port());
        for (int i = 0; i < 3; ++i) {
            const auto a = TranslateJson(s.port(), "the house", "en", "es");
            EXPECT_EQ(a.status, 503) << a.body.dump();
            EXPECT_EQ(cli.Get("/?dir=en-es")->status, 503);
            EXPECT_EQ(cli.Get("/languages")->status, 200);
            EXPECT_NE(Translation(TranslateJson(s.port(), "la casa", "es", "en")).find("house"),
                      std::string::npos);
        }
        std::ifstream log(dir + "/log");
        int lines = 0;
        for (std::string l; std::getline(log, l);) lines += l.find("eng-spa") != std::string::npos ? 1 : 0;
        EXPECT_EQ(lines, 1) << "one line for the pair, not one per request";
        // Repaired (a pack installed again): it translates, without a restart.
        std::filesystem::copy_file(data, cut, std::filesystem::copy_options::overwrite_existing);
        EXPECT_TRUE(PollUntil(
            [&] {
                return Translation(TranslateJson(s.port(), "the house", "en", "es")).find("casa") !=
                       std::string::npos;
            },
            std::chrono::seconds(10)));
    }
    std::filesystem::remove_all(dir);
}

TEST(Http, HtmlIsTranslatedAsApertiumDoesIt) {
    ServerProcess s({});
    ASSERT_NE(s.port(), 0);
    char tmpl[] = "/tmp/plv-html-XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    for (const std::string html :
         {"<p class=\"note\" title=\"the house\">The <b>big</b> house &amp; the dog&#39;s car.</p>",
          "<ul><li>I have a <a href=\"/x?a=1&amp;b=2\">black</a> dog</li>\n<li>Zorblax &lt;3</li></ul>\n",
          "plain words, no markup"}) {
        // Apertium's own way, with its HTML formatters (not Transfuse) and no unknown-word marks.
        std::ofstream(dir + "/in.html") << html;
        const std::string command =
            "APERTIUM_TRANSFUSE=no apertium -u -f html eng-spa < " + dir + "/in.html > " + dir + "/out.html";
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::ifstream out(dir + "/out.html");
        const std::string expected((std::istreambuf_iterator<char>(out)), std::istreambuf_iterator<char>());
        EXPECT_EQ(
            Translation(Send(s.port(),
                             json{{"q", html}, {"source", "en"}, {"target", "es"}, {"format", "html"}}.dump(),
                             kJson)),
            expected);
        EXPECT_EQ(Translation(Send(
                      s.port(), Form({{"q", html}, {"source", "eng"}, {"target", "spa"}, {"format", "html"}}),
                      kForm)),
                  expected);
    }
    std::filesystem::remove_all(dir);
}

TEST(Http, WarmStartsOnlyWhatIsAskedAndThePageWarmsItsDirection) {
    ServerProcess s({"--debug-endpoints", "--warm", "eng-spa"});
    ASSERT_NE(s.port(), 0);
    EXPECT_TRUE(
        PollUntil([&] { return !PipelinePids(s.port(), "en-es").empty(); }, std::chrono::seconds(20)));
    EXPECT_TRUE(PipelinePids(s.port(), "es-en").empty());
    httplib::Client cli("127.0.0.1", s.port());
    EXPECT_EQ(cli.Get("/?dir=es-en")->status, 200);
    EXPECT_TRUE(
        PollUntil([&] { return !PipelinePids(s.port(), "es-en").empty(); }, std::chrono::seconds(20)));
    EXPECT_TRUE(PipelinePids(s.port(), "es-fr").empty());
}

TEST(Http, HungEngineTimesOutWith503) {
    // apertium-wblank-mode adds -z to every stage; tail -z -f /dev/null takes it and never answers.
    const std::string dir = FakeModesDir("tail -f /dev/null");
    {
        ServerProcess s({"--modes-dir", dir, "--timeout-ms", "300"});
        ASSERT_NE(s.port(), 0);
        const auto t0 = std::chrono::steady_clock::now();
        const auto a = TranslateJson(s.port(), "the house", "en", "es");
        EXPECT_EQ(a.status, 503) << a.body.dump();
        // One try and one retry, each bounded by the timeout.
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
    }
    std::filesystem::remove_all(dir);
}

// A modes directory where eng-spa hangs and spa-eng is the real pair.
std::string HungEnglishModesDir() {
    const std::string dir = FakeModesDir("tail -f /dev/null");
    std::filesystem::copy_file("/usr/share/apertium/modes/spa-eng.mode", dir + "/spa-eng.mode");
    return dir;
}

TEST(Http, AHungDirectionLeavesTheOthersAndThePageAnswering) {
    const std::string dir = HungEnglishModesDir();
    {
        ServerProcess s({"--modes-dir", dir, "--timeout-ms", "2000"});
        ASSERT_NE(s.port(), 0);
        ASSERT_NE(Translation(TranslateJson(s.port(), "la casa", "es", "en")).find("house"),
                  std::string::npos);
        // More clients for the hung direction than the library's old pool had threads (16), and
        // more than may wait for one direction (half of the 64 threads).
        constexpr int kHung = 40;
        std::vector<int> status(kHung);
        std::vector<long long> took(kHung);
        std::vector<std::thread> hung;
        for (int i = 0; i < kHung; ++i) {
            hung.emplace_back([&, i] {
                const auto t0 = Clock::now();
                status[static_cast<std::size_t>(i)] = TranslateJson(s.port(), "the house", "en", "es").status;
                took[static_cast<std::size_t>(i)] = MillisSince(t0);
            });
        }
        std::this_thread::sleep_for(milliseconds(300));
        // Meanwhile everything else answers in its usual time (a few milliseconds; 1 s allowed).
        for (int round = 0; round < 3; ++round) {
            httplib::Client cli("127.0.0.1", s.port());
            cli.set_read_timeout(std::chrono::seconds(2));
            auto t0 = Clock::now();
            auto page = cli.Get("/?dir=es-en");
            EXPECT_TRUE(page && page->status == 200) << "round " << round;
            EXPECT_LT(MillisSince(t0), 1000) << "page, round " << round;
            t0 = Clock::now();
            auto langs = cli.Get("/languages");
            EXPECT_TRUE(langs && langs->status == 200) << "round " << round;
            EXPECT_LT(MillisSince(t0), 1000) << "languages, round " << round;
            t0 = Clock::now();
            EXPECT_NE(Translation(TranslateJson(s.port(), "el perro", "es", "en")).find("dog"),
                      std::string::npos);
            EXPECT_LT(MillisSince(t0), 1000) << "es-en, round " << round;
        }
        for (auto& t : hung) t.join();
        // The hung direction's clients all get their 503 within bounded time: the one at the
        // pipeline after two tries of 2 s, the waiting ones after 2 s, the excess ones at once.
        for (int i = 0; i < kHung; ++i) {
            EXPECT_EQ(status[static_cast<std::size_t>(i)], 503) << i;
            EXPECT_LT(took[static_cast<std::size_t>(i)], 8000) << i;
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(Http, AFullQueueIsAnswered503AtOnce) {
    ServerProcess s({"--threads", "2", "--max-queued", "1"});
    ASSERT_NE(s.port(), 0);
    // Two silent connections hold both threads, a third waits in the queue.
    std::vector<std::unique_ptr<RawConnection>> silent;
    for (int i = 0; i < 3; ++i) {
        silent.push_back(std::make_unique<RawConnection>(s.port()));
        ASSERT_TRUE(silent.back()->ok());
        std::this_thread::sleep_for(milliseconds(100));
    }
    RawConnection extra(s.port());
    ASSERT_TRUE(extra.ok());
    const auto t0 = Clock::now();
    ASSERT_TRUE(extra.Send("GET /languages HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"));
    bool closed = false;
    const std::string answer = extra.ReadUntilClosed(milliseconds(3000), &closed);
    EXPECT_EQ(answer.rfind("HTTP/1.1 503", 0), 0u) << answer;
    EXPECT_NE(answer.find("busy"), std::string::npos) << answer;
    EXPECT_TRUE(closed);
    EXPECT_LT(MillisSince(t0), 1000);
    // Once the silent ones go, the server serves again.
    silent.clear();
    ASSERT_TRUE(PollUntil(
        [&] {
            httplib::Client cli("127.0.0.1", s.port());
            auto res = cli.Get("/languages");
            return res && res->status == 200;
        },
        std::chrono::seconds(10)));
}

TEST(Http, SlowClientsGetADeadlineAndLeaveTheServerAnswering) {
    // A header line every 2 s restarts the library's 5 s read time-out each time; only a total
    // deadline for the request ends such a client.
    ServerProcess s({"--request-timeout-ms", "3000"});
    ASSERT_NE(s.port(), 0);
    constexpr int kSlow = 20;
    std::vector<long long> cut_after(kSlow, -1);
    std::vector<std::thread> slow;
    const auto start = Clock::now();
    for (int i = 0; i < kSlow; ++i) {
        slow.emplace_back([&, i] {
            RawConnection c(s.port());
            const auto t0 = Clock::now();
            if (!c.ok() || !c.Send("GET /languages HTTP/1.1\r\nHost: 127.0.0.1\r\n")) return;
            // Bounded: at most 5 lines, 2 s apart.
            for (int line = 0; line < 5; ++line) {
                if (!c.Send("X-Slow-" + std::to_string(line) + ": " + std::to_string(i) + "\r\n")) {
                    cut_after[static_cast<std::size_t>(i)] = -2 - line;  // the server was gone already
                    return;
                }
                bool closed = false;
                c.ReadUntilClosed(milliseconds(2000), &closed);
                if (closed) {
                    cut_after[static_cast<std::size_t>(i)] = MillisSince(t0);
                    return;
                }
            }
        });
    }
    std::this_thread::sleep_for(milliseconds(300));
    int answered = 0;
    while (MillisSince(start) < 5000) {
        httplib::Client cli("127.0.0.1", s.port());
        cli.set_read_timeout(std::chrono::seconds(2));
        const auto t0 = Clock::now();
        auto res = cli.Get("/languages");
        EXPECT_TRUE(res && res->status == 200);
        EXPECT_LT(MillisSince(t0), 1000);
        ++answered;
        std::this_thread::sleep_for(milliseconds(250));
    }
    for (auto& t : slow) t.join();
    EXPECT_GE(answered, 10);
    for (int i = 0; i < kSlow; ++i) {
        EXPECT_GE(cut_after[static_cast<std::size_t>(i)], 2500) << "slow client " << i;
        EXPECT_LE(cut_after[static_cast<std::size_t>(i)], 4500) << "slow client " << i;
    }
}

TEST(Http, ABodyOverTheCapIs413InBothFramings) {
    // With text_limit 64 the body cap is 3 * 64 + 64 KiB. The text itself is small: a body cut
    // at the cap would still hold a translatable q.
    ServerProcess s({"--text-limit", "64"});
    ASSERT_NE(s.port(), 0);
    const std::string head = "q=the+house&source=en&target=es&pad=";
    const std::string over = head + std::string(70000, 'x');
    const std::string under = head + std::string(60000, 'x');
    EXPECT_EQ(Send(s.port(), under, kForm).status, 200);
    const auto with_length = Send(s.port(), over, kForm);
    EXPECT_EQ(with_length.status, 413) << with_length.body.dump();
    EXPECT_NE(with_length.body.value("error", "").find("too large"), std::string::npos)
        << with_length.body.dump();

    const auto chunked = [&](const std::string& body) {
        httplib::Client cli("127.0.0.1", s.port());
        cli.set_read_timeout(std::chrono::seconds(10));
        auto res = cli.Post(
            "/translate",
            [&](size_t offset, httplib::DataSink& sink) {
                // 1000-byte chunks: the cap falls inside the body, not on a chunk boundary.
                const std::size_t n = std::min<std::size_t>(1000, body.size() - offset);
                sink.write(body.data() + offset, n);
                if (offset + n == body.size()) sink.done();
                return true;
            },
            kForm);
        return res ? std::make_pair(res->status, res->body) : std::make_pair(0, std::string());
    };
    const auto chunked_under = chunked(under);
    EXPECT_EQ(chunked_under.first, 200) << chunked_under.second;
    EXPECT_NE(chunked_under.second.find("casa"), std::string::npos) << chunked_under.second;
    const auto chunked_over = chunked(over);
    EXPECT_EQ(chunked_over.first, 413) << chunked_over.second;
    EXPECT_EQ(chunked_over.second.find("translatedText"), std::string::npos) << chunked_over.second;
    // The server is fine afterwards.
    EXPECT_EQ(Send(s.port(), under, kForm).status, 200);
}

TEST(Http, OnLoopbackOnlyLoopbackHostsAreAnswered) {
    ServerProcess s({});
    ASSERT_NE(s.port(), 0);
    const std::string port = std::to_string(s.port());
    const auto get = [&](const std::string& host, const std::string& path = "/languages") {
        httplib::Client cli("127.0.0.1", s.port());
        auto res = cli.Get(path, {{"Host", host}});
        return res ? res->status : 0;
    };
    for (const std::string& host :
         std::vector<std::string>{"127.0.0.1:" + port, "127.0.0.1", "localhost:" + port, "LocalHost",
                                  "[::1]:" + port, "127.1.2.3:" + port}) {
        EXPECT_EQ(get(host), 200) << host;
    }
    // What a DNS-rebinding page sends: its own name, resolving to 127.0.0.1.
    for (const std::string& host : std::vector<std::string>{
             "evil.example:" + port, "evil.example", "127.0.0.1.evil.example:" + port,
             "localhost.evil.example", "0.0.0.0:" + port, "127.0.0.1:" + port + "x", ""}) {
        EXPECT_EQ(get(host), 403) << host;
        EXPECT_EQ(get(host, "/"), 403) << host;
    }
    httplib::Client cli("127.0.0.1", s.port());
    auto post =
        cli.Post("/translate", {{"Host", "evil.example:" + port}}, "q=house&source=en&target=es", kForm);
    ASSERT_TRUE(post);
    EXPECT_EQ(post->status, 403);
    EXPECT_NE(post->body.find("Host"), std::string::npos) << post->body;
    // No Host at all is no loopback name either.
    RawConnection raw(s.port());
    ASSERT_TRUE(raw.ok());
    ASSERT_TRUE(raw.Send("GET /languages HTTP/1.0\r\n\r\n"));
    EXPECT_EQ(raw.ReadUntilClosed(milliseconds(3000)).rfind("HTTP/1.1 403", 0), 0u);
}

TEST(Http, TheModeLineIsBuiltWithoutAShellAndWithoutItsStderr) {
    // A modes directory whose path a shell would choke on...
    const std::string base = FakeModesDir("unused");
    const std::string dir = base + "/it's \"a\" $(dir) `x`;";
    std::filesystem::create_directory(dir);
    std::filesystem::copy_file("/usr/share/apertium/modes/eng-spa.mode", dir + "/eng-spa.mode");
    // ... and an apertium-wblank-mode that warns on stderr before doing its job.
    const std::string bin = base + "/bin";
    std::filesystem::create_directory(bin);
    std::ofstream(bin + "/apertium-wblank-mode")
        << "#!/bin/sh\necho 'warning: something to say' >&2\nexec /usr/bin/apertium-wblank-mode \"$@\"\n";
    std::filesystem::permissions(bin + "/apertium-wblank-mode", std::filesystem::perms::owner_all);
    const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
    setenv("PATH", (bin + ":" + old_path).c_str(), 1);
    {
        ServerProcess s({"--modes-dir", dir});
        setenv("PATH", old_path.c_str(), 1);
        ASSERT_NE(s.port(), 0);
        const auto a = TranslateJson(s.port(), "the house", "en", "es");
        EXPECT_EQ(a.status, 200) << a.body.dump();
        EXPECT_NE(Translation(a).find("casa"), std::string::npos) << a.body.dump();
    }
    setenv("PATH", old_path.c_str(), 1);
    std::filesystem::remove_all(base);
}

TEST(Relay, PassesRequestsToAnotherServerWithItsKey) {
    ServerProcess backend({"--api-key", "k-123"});
    ASSERT_NE(backend.port(), 0);
    ServerProcess relay({"--engine", "relay", "--relay-url", backend.url(), "--relay-key", "k-123"});
    ASSERT_NE(relay.port(), 0);
    const auto direct = Send(
        backend.port(),
        json{{"q", "the big house"}, {"source", "en"}, {"target", "es"}, {"api_key", "k-123"}}.dump(), kJson);
    const auto relayed = TranslateJson(relay.port(), "the big house", "en", "es");
    EXPECT_EQ(relayed.status, 200) << relayed.body.dump();
    EXPECT_EQ(Translation(relayed), Translation(direct));
    EXPECT_NE(Translation(relayed).find("casa"), std::string::npos);

    httplib::Client rc("127.0.0.1", relay.port()), bc("127.0.0.1", backend.port());
    EXPECT_EQ(json::parse(rc.Get("/languages")->body), json::parse(bc.Get("/languages")->body));

    // The client's own mistakes come back as they are.
    EXPECT_EQ(TranslateJson(relay.port(), "house", "en", "zz").status, 400);
    // The relay's page offers the backend's directions.
    EXPECT_NE(rc.Get("/?dir=es-en")->body.find("Spanish \xC2\xBB English"), std::string::npos);
}

TEST(Relay, UnavailableUpstreamIs503) {
    ServerProcess backend({"--api-key", "right"});
    ASSERT_NE(backend.port(), 0);
    ServerProcess wrong_key({"--engine", "relay", "--relay-url", backend.url(), "--relay-key", "wrong"});
    ASSERT_NE(wrong_key.port(), 0);
    EXPECT_EQ(TranslateJson(wrong_key.port(), "the house", "en", "es").status, 503);

    const int dead_port = backend.port();
    EXPECT_EQ(backend.Stop(), 0);
    ServerProcess dangling({"--engine", "relay", "--relay-url",
                            "http://127.0.0.1:" + std::to_string(dead_port), "--timeout-ms", "1000"});
    ASSERT_NE(dangling.port(), 0);
    const auto a = TranslateJson(dangling.port(), "the house", "en", "es");
    EXPECT_EQ(a.status, 503) << a.body.dump();
    httplib::Client cli("127.0.0.1", dangling.port());
    EXPECT_EQ(cli.Get("/languages")->status, 503);
}

// An upstream that answers without end is cut off at the relay's limit (here 1 MiB): a 503,
// never the whole answer held in memory.
TEST(Relay, AnOversizedAnswerIsRefused) {
    httplib::Server upstream;
    const std::string huge = R"({"translatedText":")" + std::string(8 << 20, 'x') + "\"}";
    upstream.Post("/translate", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(huge, "application/json");
    });
    upstream.Get("/languages", [&](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("application/json", [](std::size_t, httplib::DataSink& sink) {
            static const std::string block(64 << 10, ' ');
            return sink.write(block.data(), block.size());  // until the reader stops
        });
    });
    const int port = upstream.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { upstream.listen_after_bind(); });
    {
        ServerProcess relay({"--engine", "relay", "--relay-url", "http://127.0.0.1:" + std::to_string(port),
                             "--timeout-ms", "5000"});
        ASSERT_NE(relay.port(), 0);
        const auto a = TranslateJson(relay.port(), "the house", "en", "es");
        EXPECT_EQ(a.status, 503) << a.body.dump().substr(0, 200);
        EXPECT_NE(a.body.dump().find("over 1048576 bytes"), std::string::npos)
            << a.body.dump().substr(0, 200);
        httplib::Client cli("127.0.0.1", relay.port());
        EXPECT_EQ(cli.Get("/languages")->status, 503);
    }
    upstream.stop();
    serving.join();
}

TEST(Page, ServesThePageWithEscapedSettings) {
    ServerProcess s({"--version", "2.0<b>\"x\"", "--download", "http://h/d?a=1&b='2'"});
    ASSERT_NE(s.port(), 0);
    httplib::Client cli("127.0.0.1", s.port());
    auto res = cli.Get("/?dir=es-en");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    const std::string& html = res->body;
    EXPECT_NE(res->get_header_value("Content-Type").find("text/html"), std::string::npos);
    EXPECT_NE(html.find(R"(<meta http-equiv="X-UA-Compatible" content="IE=edge">)"), std::string::npos);
    EXPECT_NE(html.find(R"(id="version" value="2.0&lt;b&gt;&quot;x&quot;")"), std::string::npos);
    EXPECT_NE(html.find(R"(id="download" value="http://h/d?a=1&amp;b=&#39;2&#39;")"), std::string::npos);
    EXPECT_NE(html.find(R"(<option value="es-en" selected data-engine="Powered by Apertium")"),
              std::string::npos);
    EXPECT_NE(
        html.find(
            R"(id="attribution" href="https://www.apertium.org/" target="_blank" rel="noopener noreferrer">Powered by Apertium</a>)"),
        std::string::npos);
    EXPECT_NE(html.find("<span id=\"fromto\">Spanish \xC2\xBB English</span>"), std::string::npos);
    for (const char* id : {"id=\"text\"", "id=\"btn\"", "id=\"translation\"", "id=\"error\""}) {
        EXPECT_NE(html.find(id), std::string::npos) << id;
    }
    EXPECT_EQ(html.find("{{"), std::string::npos) << "unfilled slot";

    auto unknown = cli.Get("/?dir=en-xx%3Cscript%3E");
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->body.find("<script>"), std::string::npos);
    EXPECT_NE(unknown->body.find("Unknown direction"), std::string::npos);

    auto js = cli.Get("/page.js");
    ASSERT_TRUE(js);
    EXPECT_EQ(js->status, 200);
    EXPECT_NE(js->body.find("XMLHttpRequest"), std::string::npos);
    EXPECT_EQ(cli.Get("/no-such-thing")->status, 404);
}

TEST(Lifecycle, StopsCleanlyOnSigtermAndTakesItsPipelinesAlong) {
    // The English-Spanish pair alone: preloading every pair a machine has can take minutes.
    const std::string dir = FakeModesDir("unused");
    std::filesystem::copy_file("/usr/share/apertium/modes/eng-spa.mode", dir + "/eng-spa.mode",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file("/usr/share/apertium/modes/spa-eng.mode", dir + "/spa-eng.mode");
    ServerProcess s({"--debug-endpoints", "--preload", "true", "--modes-dir", dir});
    ASSERT_NE(s.port(), 0);
    // Preload starts both directions without any request.
    std::vector<pid_t> pids;
    ASSERT_TRUE(PollUntil(
        [&] {
            pids = PipelinePids(s.port(), "en-es");
            return !pids.empty() && !PipelinePids(s.port(), "es-en").empty();
        },
        std::chrono::seconds(20)));
    EXPECT_EQ(s.Stop(), 0);
    for (pid_t pid : pids) EXPECT_NE(kill(pid, 0), 0) << "stage " << pid << " outlived the server";
    std::filesystem::remove_all(dir);
}

TEST(Lifecycle, ApiKeyFromStandardInputAndStoppingWhenItEnds) {
    ServerProcess s({"--api-key-stdin", "--address", "127.0.0.1"}, {true, "k3y\r\n", ""});
    ASSERT_NE(s.port(), 0);
    const std::string form = Form({{"q", "the house"}, {"source", "en"}, {"target", "es"}});
    EXPECT_EQ(Send(s.port(), form, kForm).status, 403);
    EXPECT_NE(Translation(Send(s.port(), form, kForm, "/key/k3y/translate")).find("casa"), std::string::npos);
    httplib::Client cli("127.0.0.1", s.port());
    EXPECT_EQ(cli.Get("/key/k3y/?dir=en-es")->status, 200);
    // Its parent alone uses it: nothing is answered outside the key's path.
    for (const char* path : {"/", "/?dir=en-es", "/page.js", "/languages"})
        EXPECT_EQ(cli.Get(path)->status, 403) << path;
    // The parent is gone: the server ends, cleanly.
    s.CloseStdin();
    EXPECT_EQ(s.WaitForExit(std::chrono::seconds(10)), 0);

    for (const std::string input : {"", "\n", "\r\nk3y\n"}) {
        const auto r = RunService({"--api-key-stdin"}, std::chrono::seconds(10), {true, input, ""});
        EXPECT_EQ(r.exit_code, 2) << input;
        EXPECT_NE(r.err.find("--api-key-stdin"), std::string::npos) << r.err;
    }
}

TEST(Lifecycle, ANonLoopbackAddressWithoutApiKeyIsRefused) {
    const auto r = RunService({"--address", "0.0.0.0"});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_NE(r.err.find("'api_key'"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("0.0.0.0"), std::string::npos) << r.err;
}

TEST(Lifecycle, PortInUseIsReported) {
    ServerProcess first({});
    ASSERT_NE(first.port(), 0);
    const auto r = RunService({"--port", std::to_string(first.port())});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("cannot listen"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace plv::test
