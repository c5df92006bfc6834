#include "config.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <istream>
#include <sstream>

#include "engine.h"
#include "platform.h"
#include "text_util.h"
#include "upstream.h"

namespace plv {
namespace {

std::string Trim(const std::string& s) {
    const char* ws = " \t\r\n";
    auto b = s.find_first_not_of(ws);
    if (b == std::string::npos) return "";
    auto e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

[[noreturn]] void Fail(const std::string& where, const std::string& key, const std::string& value,
                       const std::string& why) {
    throw ConfigError(where + ": key '" + key + "': invalid value '" + value + "': " + why);
}

long long ParseInteger(const std::string& where, const std::string& key, const std::string& value,
                       long long lo, long long hi) {
    long long n = 0;
    const char* first = value.data();
    const char* last = value.data() + value.size();
    auto [ptr, ec] = std::from_chars(first, last, n);
    if (value.empty() || ec != std::errc() || ptr != last || n < lo || n > hi) {
        Fail(where, key, value,
             "expected a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    }
    return n;
}

bool ParseBool(const std::string& where, const std::string& key, const std::string& value) {
    std::string v = value;
    std::transform(v.begin(), v.end(), v.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (v == "true" || v == "yes" || v == "on" || v == "1") return true;
    if (v == "false" || v == "no" || v == "off" || v == "0") return false;
    Fail(where, key, value, "expected true or false");
}

// Flags may spell keys with dashes; the file uses underscores. Both reach the same setting.
std::string NormalizeKey(std::string key) {
    std::replace(key.begin(), key.end(), '-', '_');
    return key;
}

bool IsServiceAddress(const std::string& value) {
    UrlParts parts;
    return SplitUrl(value, &parts);
}

bool IsProvider(const std::string& id) {
    return id == "deepl" || id == "google" || id == "microsoft" || id == "yandex";
}

// deepl_key -> {deepl, key}; the region is Microsoft's alone, the folder Yandex's alone.
std::pair<std::string, std::string> ProviderField(const std::string& key) {
    const auto underscore = key.find('_');
    if (underscore == std::string::npos) return {};
    const std::string id = key.substr(0, underscore), field = key.substr(underscore + 1);
    if (!IsProvider(id)) return {};
    if (field == "url" || field == "key" || (id == "microsoft" && field == "region") ||
        (id == "yandex" && field == "folder"))
        return {id, field};
    return {};
}

// "en-es, eng-cat" -> {"en-es", "eng-cat"}: directions in either code form, blanks and empty
// items ignored.
std::vector<std::string> ParseDirections(const std::string& where, const std::string& key,
                                         const std::string& value) {
    std::vector<std::string> out;
    std::stringstream items(value);
    std::string item;
    while (std::getline(items, item, ',')) {
        item = Trim(item);
        if (item.empty()) continue;
        const auto dash = item.find('-');
        if (dash == 0 || dash == std::string::npos || dash + 1 == item.size() ||
            item.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_-") !=
                std::string::npos) {
            Fail(where, key, value,
                 "expected directions such as en-es or eng-spa, separated by commas; '" + item + "' is none");
        }
        out.push_back(item);
    }
    return out;
}

}  // namespace

void ApplySetting(const std::string& raw_key, const std::string& value, const std::string& where,
                  Config& cfg) {
    const std::string key = NormalizeKey(raw_key);
    if (key == "address") {
        if (value.empty() || value.find_first_of(" \t/") != std::string::npos) {
            Fail(where, key, value, "expected an IP address or host name such as 127.0.0.1");
        }
        cfg.address = value;
    } else if (key == "port") {
        // 0 lets the system pick a free port; the chosen one is printed at start-up.
        cfg.port = static_cast<int>(ParseInteger(where, key, value, 0, 65535));
    } else if (key == "engine") {
        if (value != "apertium" && value != "relay") Fail(where, key, value, "expected apertium or relay");
        cfg.engine = value;
    } else if (key == "relay_url") {
        if (!value.empty() && !IsServiceAddress(value)) {
            Fail(where, key, value, "expected an address starting with http:// or https://");
        }
        cfg.relay_url = value;
    } else if (key == "relay_key") {
        cfg.relay_key = value;
    } else if (key.rfind("route.", 0) == 0) {
        const std::string dir = raw_key.substr(6);
        const auto dash = dir.find('-');
        if (dash == 0 || dash == std::string::npos || dash + 1 == dir.size() ||
            dir.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_-") !=
                std::string::npos) {
            throw ConfigError(where + ": key '" + raw_key +
                              "': expected route.SOURCE-TARGET such as route.en-de");
        }
        if (!IsProvider(value) && value != "libretranslate") {
            Fail(where, raw_key, value, "expected deepl, google, microsoft, yandex or libretranslate");
        }
        cfg.routes[NormalizeLanguageCode(dir.substr(0, dash)) + "-" +
                   NormalizeLanguageCode(dir.substr(dash + 1))] = value;
    } else if (auto provider = ProviderField(key); !provider.first.empty()) {
        ProviderSettings& p = cfg.providers[provider.first];
        const std::string& field = provider.second;
        if (field == "url") {
            if (!value.empty() && !IsServiceAddress(value))
                Fail(where, key, value, "expected an address starting with https:// or http://");
            p.url = value;
        } else if (field == "key") {
            p.key = value;
        } else if (field == "region") {
            p.region = value;
        } else {
            p.folder = value;
        }
    } else if (key == "tls_ca_file") {
        cfg.tls_ca_file = value;
    } else if (key == "api_key") {
        cfg.api_key = value;
    } else if (key == "version") {
        cfg.version = value;
    } else if (key == "download") {
        cfg.download = value;
    } else if (key == "text_limit") {
        cfg.text_limit = static_cast<std::size_t>(ParseInteger(where, key, value, 1, 10'000'000));
    } else if (key == "modes_dir") {
        if (value.empty()) Fail(where, key, value, "expected a directory");
        cfg.modes_dir = value;
    } else if (key == "engine_program") {
        cfg.engine_program = value;
    } else if (key == "timeout_ms") {
        cfg.timeout_ms = static_cast<int>(ParseInteger(where, key, value, 100, 600'000));
    } else if (key == "preload") {
        cfg.preload = ParseBool(where, key, value);
    } else if (key == "pivot") {
        cfg.pivot = ParseBool(where, key, value);
    } else if (key == "warm") {
        cfg.warm = ParseDirections(where, key, value);
    } else if (key == "pipeline_idle_minutes") {
        cfg.pipeline_idle_minutes = static_cast<int>(ParseInteger(where, key, value, 0, 10080));
    } else if (key == "max_pipelines") {
        cfg.max_pipelines = static_cast<int>(ParseInteger(where, key, value, 1, 1000));
    } else if (key == "threads") {
        cfg.threads = static_cast<int>(ParseInteger(where, key, value, 2, 1024));
    } else if (key == "max_queued") {
        cfg.max_queued = static_cast<int>(ParseInteger(where, key, value, 0, 100'000));
    } else if (key == "request_timeout_ms") {
        cfg.request_timeout_ms = static_cast<int>(ParseInteger(where, key, value, 100, 600'000));
    } else {
        throw ConfigError(where + ": unknown key '" + raw_key + "' (value '" + value + "')");
    }
}

void LoadConfigFile(const std::string& path, Config& cfg) {
    std::ifstream in(PathFromUtf8(path));
    if (!in) throw ConfigError("cannot read configuration file '" + path + "'");
    std::string line;
    int lineno = 0;
    while (std::getline(in, line)) {
        ++lineno;
        const std::string where = "configuration file '" + path + "', line " + std::to_string(lineno);
        std::string t = Trim(line);
        if (t.empty() || t[0] == '#') continue;
        auto eq = t.find('=');
        if (eq == std::string::npos) {
            throw ConfigError(where + ": expected key = value, got '" + t + "'");
        }
        std::string key = Trim(t.substr(0, eq));
        std::string value = Trim(t.substr(eq + 1));
        if (key.empty()) throw ConfigError(where + ": missing key before '=' in '" + t + "'");
        if (key == "debug_endpoints") {
            throw ConfigError(where + ": key 'debug_endpoints' (value '" + value +
                              "') is only accepted on the command line");
        }
        ApplySetting(key, value, where, cfg);
    }
}

void ValidateConfig(const Config& cfg) {
    if (cfg.engine == "relay" && cfg.relay_url.empty()) {
        throw ConfigError(
            "key 'relay_url': invalid value '': engine relay needs an address such as http://host:port");
    }
    for (const auto& [dir, id] : cfg.routes) {
        if (id == "libretranslate" && cfg.relay_url.empty()) {
            throw ConfigError(
                "key 'route." + dir +
                "': invalid value 'libretranslate': key 'relay_url' must name the LibreTranslate server");
        }
        const auto p = cfg.providers.find(id);
        if (id != "libretranslate" && (p == cfg.providers.end() || p->second.key.empty())) {
            throw ConfigError("key 'route." + dir + "': invalid value '" + id + "': key '" + id +
                              "_key' is not set");
        }
    }
    // Only loopback listeners are protected by the Host rule (a web page cannot reach them
    // through DNS rebinding); anything other machines can reach must ask for a key.
    if (!IsLoopbackAddress(cfg.address) && cfg.api_key.empty()) {
        throw ConfigError(
            "key 'api_key': must be set when key 'address' is not a loopback address (address '" +
            cfg.address + "' can be reached from other machines)");
    }
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, std::istream* key_input) {
    CommandLine cl;
#ifdef _WIN32
    // The engine is staged beside the program: <install>\engine\plv-engine.exe and its modes.
    const std::string engine_dir = ExecutableDir() + "\\engine";
    cl.config.modes_dir = engine_dir + "\\modes";
    cl.config.engine_program = engine_dir + "\\plv-engine.exe";
#endif
    struct Flag {
        std::string key, value, where;
    };
    std::vector<Flag> flags;
    std::string config_path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            cl.help = true;
            continue;
        }
        if (a == "--debug-endpoints") {
            cl.config.debug_endpoints = true;
            continue;
        }
        if (a == "--api-key-stdin") {
            cl.api_key_stdin = true;
            cl.config.keyed_paths_only = true;
            continue;
        }
        if (a.rfind("--", 0) != 0 || a.size() == 2) {
            throw ConfigError("command line: unexpected argument '" + a + "'");
        }
        std::string key = a.substr(2), value;
        auto eq = key.find('=');
        if (eq != std::string::npos) {
            value = key.substr(eq + 1);
            key = key.substr(0, eq);
        } else {
            if (i + 1 >= args.size()) throw ConfigError("command line: option '" + a + "' needs a value");
            value = args[++i];
        }
        if (key == "config") {
            config_path = value;
        } else if (ProviderField(NormalizeKey(key)).second == "key") {
            // Every user of the computer can read a program's command line.
            throw ConfigError("command line option '--" + key +
                              "': a translation service's key is read from the configuration file only");
        } else {
            flags.push_back({key, value, "command line option '--" + key + "'"});
        }
    }
#ifdef _WIN32
    // The service Parlevo starts is given no file: it reads the user's own when there is one.
    // Keys for translation services go there, in the user's profile, which only they can read.
    if (config_path.empty()) {
        const std::string user = UserConfigFile();
        std::error_code ec;
        if (!user.empty() && std::filesystem::exists(PathFromUtf8(user), ec)) config_path = user;
    }
#endif
    if (!config_path.empty()) LoadConfigFile(config_path, cl.config);
    for (const auto& f : flags) ApplySetting(f.key, f.value, f.where, cl.config);
    if (cl.api_key_stdin && !cl.help) {
        std::string key;
        if (key_input == nullptr || !std::getline(*key_input, key)) key.clear();
        if (!key.empty() && key.back() == '\r') key.pop_back();
        if (key.empty()) {
            throw ConfigError(
                "command line option '--api-key-stdin': expected the api_key as the first line of standard "
                "input, got an empty line or end of input");
        }
        cl.config.api_key = key;
    }
    ValidateConfig(cl.config);
    return cl;
}

std::string UsageText() {
    return "usage: plv-service [--config FILE] [--KEY VALUE | --KEY=VALUE]... [--api-key-stdin]\n"
           "                   [--debug-endpoints]\n"
           "\n"
           "Serves the Parlevo service page at / and translates offline with Apertium, or relays\n"
           "to another server with the same API. Options override the configuration file.\n"
           "\n"
           "keys: address, port, engine (apertium|relay), relay-url, relay-key, api-key,\n"
           "      version, download, text-limit, modes-dir, engine-program, timeout-ms, preload,\n"
           "      pivot, warm, pipeline-idle-minutes, max-pipelines, threads, max-queued,\n"
           "      request-timeout-ms\n"
           "\n"
           "--api-key-stdin    read the api_key from the first line of standard input, and stop\n"
           "                   when standard input ends\n"
           "--debug-endpoints  expose GET /debug/pids?dir=xx-yy (for tests only)\n";
}

}  // namespace plv
