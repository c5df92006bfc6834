#include "config.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "server_process.h"

namespace plv {
namespace {

// A configuration file in the test's temporary directory, removed afterwards.
class TempFile {
  public:
    explicit TempFile(const std::string& content) {
        char tmpl[] = "/tmp/plv-config-XXXXXX";
        const int fd = mkstemp(tmpl);
        path_ = tmpl;
        std::ofstream(path_) << content;
        close(fd);
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

TEST(ConfigFile, ReadsEveryKeyAndIgnoresCommentsAndBlankLines) {
    TempFile f(
        "# comment\n"
        "\n"
        "address = 0.0.0.0\n"
        "port=9000\n"
        "  engine =  relay  \n"
        "relay_url = http://127.0.0.1:1234/api\n"
        "relay_key = k1\n"
        "api_key = k2\n"
        "version = 2.0.0\n"
        "download = https://example.invalid/get?x=1#frag\n"
        "text_limit = 123\n"
        "modes_dir = /opt/modes\n"
        "timeout_ms = 2500\n"
        "preload = yes\n"
        "pivot = no\n"
        "route.hbs-ENG = deepl\n"
        "warm = en-es, eng-cat,,\n"
        "pipeline_idle_minutes = 0\n"
        "max_pipelines = 20\n"
        "threads = 8\n"
        "max_queued = 0\n"
        "request_timeout_ms = 1500\n");
    Config c;
    LoadConfigFile(f.path(), c);
    EXPECT_EQ(c.address, "0.0.0.0");
    EXPECT_EQ(c.port, 9000);
    EXPECT_EQ(c.engine, "relay");
    EXPECT_EQ(c.relay_url, "http://127.0.0.1:1234/api");
    EXPECT_EQ(c.relay_key, "k1");
    EXPECT_EQ(c.api_key, "k2");
    EXPECT_EQ(c.version, "2.0.0");
    EXPECT_EQ(c.download, "https://example.invalid/get?x=1#frag");  // '#' inside a value is not a comment
    EXPECT_EQ(c.text_limit, 123u);
    EXPECT_EQ(c.modes_dir, "/opt/modes");
    EXPECT_EQ(c.timeout_ms, 2500);
    EXPECT_TRUE(c.preload);
    EXPECT_FALSE(c.pivot);
    EXPECT_EQ(c.routes.at("sh-en"), "deepl");  // a direction by either code
    EXPECT_EQ(c.warm, (std::vector<std::string>{"en-es", "eng-cat"}));
    EXPECT_EQ(c.pipeline_idle_minutes, 0);
    EXPECT_EQ(c.max_pipelines, 20);
    EXPECT_EQ(c.threads, 8);
    EXPECT_EQ(c.max_queued, 0);
    EXPECT_EQ(c.request_timeout_ms, 1500);
}

TEST(ConfigFile, ShippedFileHoldsTheDocumentedDefaults) {
    Config c;
    c.port = 1;  // make sure the file, not the struct's defaults, supplies the values
    c.version.clear();
    c.download.clear();
    c.text_limit = 1;
    c.threads = c.max_queued = c.request_timeout_ms = 1;
    c.pivot = false;
    c.pipeline_idle_minutes = c.max_pipelines = 1;
    LoadConfigFile(PLV_SERVICE_SOURCE_DIR "/plv-service.conf", c);
    EXPECT_EQ(c.pivot, Config().pivot);
    EXPECT_EQ(c.threads, Config().threads);
    EXPECT_EQ(c.max_queued, Config().max_queued);
    EXPECT_EQ(c.request_timeout_ms, Config().request_timeout_ms);
    EXPECT_EQ(c.address, "127.0.0.1");
    EXPECT_EQ(c.port, 8723);
    EXPECT_EQ(c.engine, "apertium");
    EXPECT_EQ(c.version, "1.1.21");
    EXPECT_EQ(c.download, "https://parlevo.example/download");
    EXPECT_EQ(c.text_limit, 10000u);
    EXPECT_EQ(c.pipeline_idle_minutes, 10);
    EXPECT_EQ(c.max_pipelines, 6);
    EXPECT_TRUE(c.warm.empty());
}

struct BadLine {
    std::string line;
    std::vector<std::string> must_mention;  // besides the file name and the line number
};

void PrintTo(const BadLine& b, std::ostream* os) { *os << b.line; }

class ConfigFileRejects : public ::testing::TestWithParam<BadLine> {};

TEST_P(ConfigFileRejects, NamingFileLineKeyAndValue) {
    TempFile f("# first line is a comment\n" + GetParam().line + "\n");
    Config c;
    try {
        LoadConfigFile(f.path(), c);
        FAIL() << "accepted: " << GetParam().line;
    } catch (const ConfigError& e) {
        const std::string msg = e.what();
        EXPECT_NE(msg.find(f.path()), std::string::npos) << msg;
        EXPECT_NE(msg.find("line 2"), std::string::npos) << msg;
        for (const auto& word : GetParam().must_mention) EXPECT_NE(msg.find(word), std::string::npos) << msg;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadValues, ConfigFileRejects,
    ::testing::Values(BadLine{"port = abc", {"'port'", "'abc'"}},
                      BadLine{"port = 65536", {"'port'", "'65536'"}},
                      BadLine{"port = -1", {"'port'", "'-1'"}}, BadLine{"port = 80x", {"'port'", "'80x'"}},
                      BadLine{"port =", {"'port'", "''"}},
                      BadLine{"engine = google", {"'engine'", "'google'"}},
                      BadLine{"text_limit = 0", {"'text_limit'", "'0'"}},
                      BadLine{"text_limit = 1e5", {"'text_limit'", "'1e5'"}},
                      BadLine{"timeout_ms = 5", {"'timeout_ms'", "'5'"}},
                      BadLine{"preload = maybe", {"'preload'", "'maybe'"}},
                      BadLine{"warm = en-es, spanish", {"'warm'", "'spanish'"}},
                      BadLine{"max_pipelines = 0", {"'max_pipelines'", "'0'"}},
                      BadLine{"pipeline_idle_minutes = -1", {"'pipeline_idle_minutes'", "'-1'"}},
                      BadLine{"relay_url = ftp://host", {"'relay_url'", "'ftp://host'"}},
                      BadLine{"route.en-de = babelfish", {"'route.en-de'", "'babelfish'", "deepl"}},
                      BadLine{"route.ende = deepl", {"'route.ende'", "route.SOURCE-TARGET"}},
                      BadLine{"deepl_url = api.deepl.com", {"'deepl_url'", "'api.deepl.com'"}},
                      BadLine{"deepl_region = eu", {"'deepl_region'"}},
                      BadLine{"address = 1.2.3.4 5", {"'address'", "'1.2.3.4 5'"}},
                      BadLine{"colour = blue", {"'colour'", "'blue'"}},
                      BadLine{"debug_endpoints = true", {"'debug_endpoints'", "command line"}},
                      BadLine{"just words", {"'just words'"}}, BadLine{"= 5", {"'= 5'"}}));

TEST(ConfigFile, MissingFileIsNamed) {
    Config c;
    try {
        LoadConfigFile("/nonexistent/plv.conf", c);
        FAIL();
    } catch (const ConfigError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/plv.conf"), std::string::npos);
    }
}

TEST(CommandLine, FlagsOverrideTheFileWhateverTheOrder) {
    TempFile f("port = 9000\nversion = from-file\ntext_limit = 50\n");
    const auto cl =
        ParseCommandLine({"--port", "9100", "--config", f.path(), "--text-limit=70", "--debug-endpoints"});
    EXPECT_EQ(cl.config.port, 9100);
    EXPECT_EQ(cl.config.version, "from-file");
    EXPECT_EQ(cl.config.text_limit, 70u);
    EXPECT_TRUE(cl.config.debug_endpoints);
    EXPECT_FALSE(cl.help);
}

TEST(CommandLine, ANonLoopbackAddressNeedsAnApiKey) {
    EXPECT_EQ(ParseCommandLine({"--address", "0.0.0.0", "--api-key", "k"}).config.address, "0.0.0.0");
    EXPECT_EQ(ParseCommandLine({"--address", "::1"}).config.address, "::1");
    EXPECT_EQ(ParseCommandLine({"--address", "127.0.0.2"}).config.address, "127.0.0.2");
    EXPECT_EQ(ParseCommandLine({"--address", "localhost"}).config.address, "localhost");
}

TEST(CommandLine, ApiKeyFromInput) {
    struct Case {
        std::vector<std::string> args;
        std::string input, key;  // key empty: refused
    };
    const std::vector<Case> cases = {
        {{"--api-key-stdin"}, "k1\n", "k1"},
        {{"--api-key-stdin"}, "k2\r\nmore\n", "k2"},
        {{"--api-key-stdin"}, "k3", "k3"},
        {{"--api-key-stdin", "--address", "0.0.0.0"}, "k4\n", "k4"},  // the key counts for the address rule
        {{"--api-key-stdin"}, "", ""},
        {{"--api-key-stdin"}, "\r\nk\n", ""},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        try {
            const auto cl = ParseCommandLine(c.args, &in);
            EXPECT_TRUE(cl.api_key_stdin);
            EXPECT_EQ(cl.config.api_key, c.key) << c.input;
        } catch (const ConfigError& e) {
            EXPECT_TRUE(c.key.empty()) << c.input << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find("--api-key-stdin"), std::string::npos) << e.what();
        }
    }
}

TEST(CommandLine, Rejects) {
    struct Case {
        std::vector<std::string> args;
        std::string must_mention;
    };
    const std::vector<Case> cases = {
        {{"--port"}, "--port"},
        {{"--port", "x1"}, "'x1'"},
        {{"--bogus", "1"}, "'bogus'"},
        {{"stray"}, "'stray'"},
        {{"--engine", "relay"}, "relay_url"},     // relay with no address
        {{"--address", "0.0.0.0"}, "'api_key'"},  // reachable from other machines, without a key
        {{"--address", "192.0.2.1", "--port", "0"}, "'api_key'"},
        {{"--threads", "1"}, "'threads'"},
        {{"--route.en-de", "deepl"}, "'deepl_key' is not set"},  // a service without its key
        {{"--deepl-key", "k"}, "configuration file only"},
        {{"--route.en-de", "libretranslate"}, "'relay_url'"},
        {{"--config", "/nonexistent/x.conf"}, "/nonexistent/x.conf"},
    };
    for (const auto& c : cases) {
        try {
            ParseCommandLine(c.args);
            ADD_FAILURE() << "accepted " << ::testing::PrintToString(c.args);
        } catch (const ConfigError& e) {
            EXPECT_NE(std::string(e.what()).find(c.must_mention), std::string::npos) << e.what();
        }
    }
}

TEST(CommandLine, BadConfigurationExitsWithCodeTwoAndSaysWhy) {
    TempFile f("port = 8723\nengine = babelfish\n");
    const auto r = test::RunService({"--config", f.path()});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_NE(r.err.find(f.path()), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("'engine'"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("'babelfish'"), std::string::npos) << r.err;

    const auto flag = test::RunService({"--port", "99999"});
    EXPECT_EQ(flag.exit_code, 2);
    EXPECT_NE(flag.err.find("'99999'"), std::string::npos) << flag.err;

    const auto ca = test::RunService({"--tls-ca-file", "/nonexistent/ca.pem"});
    EXPECT_EQ(ca.exit_code, 2);
    EXPECT_NE(ca.err.find("'tls_ca_file'"), std::string::npos) << ca.err;
    EXPECT_NE(ca.err.find("/nonexistent/ca.pem"), std::string::npos) << ca.err;
}

}  // namespace
}  // namespace plv
