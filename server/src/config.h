// Service settings: defaults, the key=value configuration file and command-line overrides.
#pragma once

#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace plv {

// How to reach one translation service elsewhere: its address (empty: the service's own), the
// key, and what some of them need besides (Microsoft's region, Yandex's folder).
struct ProviderSettings {
    std::string url;
    std::string key;
    std::string region;
    std::string folder;
};

struct Config {
    std::string address = "127.0.0.1";
    int port = 8723;
    std::string engine = "apertium";  // "apertium" or "relay"
    std::string relay_url;            // a LibreTranslate server, e.g. http://127.0.0.1:5000
    std::string relay_key;            // sent upstream as api_key when not empty
    // deepl, google, microsoft, yandex: from the keys deepl_key, deepl_url, microsoft_region...
    std::map<std::string, ProviderSettings> providers;
    // route.en-de = deepl: "en-de" -> "deepl"; the directions not named go to `engine`.
    std::map<std::string, std::string> routes;
    std::string tls_ca_file;  // certificates to trust for https services instead of the system's
    std::string api_key;      // when not empty, clients of /translate must send it
    std::string version = "1.1.21";
    std::string download = "https://parlevo.example/download";
    std::size_t text_limit = 10000;  // bytes of q
    std::string modes_dir = "/usr/share/apertium/modes";
    // When set, the Apertium programs named in the modes (lt-proc, apertium-transfer, ...) all
    // run as this one multi-call executable, which picks the program by its argv[0]; empty: each
    // is looked up in PATH. On Windows modes_dir and engine_program default to the engine folder
    // beside plv-service.exe (see ParseCommandLine).
    std::string engine_program;
    int timeout_ms = 10000;          // per pipeline exchange, and per relay request
    bool preload = false;            // start every pipeline at start-up instead of on first use
    bool pivot = true;               // offer directions through a language two directions share
    std::vector<std::string> warm;   // directions ("en-es") started in the background at start-up
    int pipeline_idle_minutes = 10;  // a pipeline unused this long ends; 0: never
    int max_pipelines = 6;           // pipelines running at once
    int threads = 64;                // connections served at once
    int max_queued = 256;            // connections waiting for a thread; one more is answered 503
    int request_timeout_ms = 10000;  // a request's line, headers and body, from its first byte
    bool debug_endpoints = false;    // command line only: exposes /debug/pids for tests
    bool keyed_paths_only = false;   // set by --api-key-stdin: only /key/KEY/... is answered
};

// Bad input in the configuration file or on the command line. The message already names the
// source (file and line, or the flag), the key and the offending value.
class ConfigError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a key=value file into cfg. Lines are "key = value"; blank lines and lines starting with
// '#' are ignored. Throws ConfigError for unreadable files, unknown keys and bad values.
void LoadConfigFile(const std::string& path, Config& cfg);

// Applies one setting given as text; `where` says where it came from for the error message.
void ApplySetting(const std::string& key, const std::string& value, const std::string& where, Config& cfg);

// Checks combinations that no single key can (relay without an address, a non-loopback address
// without api_key). Throws ConfigError.
void ValidateConfig(const Config& cfg);

struct CommandLine {
    Config config;
    bool help = false;
    // --api-key-stdin: the key came as the first line of standard input, the server answers only
    // under /key/KEY/, and it ends when its standard input does (the parent that started it is
    // gone).
    bool api_key_stdin = false;
};

// Parses argv: --config FILE is loaded first, then every other --key VALUE / --key=VALUE flag
// overrides the file, whatever the order on the line. With --api-key-stdin the api_key is the
// first line read from key_input (a trailing CR dropped); an empty line or none is an error.
// Throws ConfigError.
CommandLine ParseCommandLine(const std::vector<std::string>& args, std::istream* key_input = nullptr);

std::string UsageText();

}  // namespace plv
