// The settings Parlevo's Engines panel edits while the service runs: the keys of the online
// translation services, what some of them need besides (Microsoft's region, Yandex's folder,
// LibreTranslate's address) and the directions sent to each. Keys go to a file of their own
// beside the configuration file (plv-service.keys: sealed for the Windows user, or mode 0600);
// the rest to the configuration file, whose other lines and comments stay as they are.
#pragma once

#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "config.h"

namespace plv {

class LiveEngine;

// What the user asked for cannot be done: bad input, or a file that cannot be written. The
// message is for the user and names the field or the file; nothing was changed.
class SettingsError : public std::runtime_error {
  public:
    // status: 400 for bad input, 500 for a file that cannot be read or written.
    explicit SettingsError(const std::string& message, int status = 400)
        : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

  private:
    int status_;
};

// The services the panel edits, in its order: deepl, google, microsoft, yandex, libretranslate
// (whose address is relay_url and whose key is relay_key).
const std::vector<std::string>& PanelServices();

// The keys file of a configuration file: plv-service.keys beside plv-service.conf.
std::string KeysFileFor(const std::string& conf_path);

// Reads the keys file into cfg, over the keys the configuration file gave, and lists them in
// cfg.panel_keys. A file that is not there is nothing to read; one that cannot be read or opened
// is left aside, and the text returned says why (empty: read, or absent).
std::string LoadKeysFile(const std::string& path, Config& cfg);

// The configuration file's text with `changes` made: each key set to its value, on the line that
// had it (the first one, when it was there more than once) or on a new line at the end, or, with
// no value, its lines dropped. Keys compare as the file's reader compares them (deepl-key is
// deepl_key, route.eng-deu is route.en-de). Every other line stays as it was, line ends too.
std::string RewriteConf(const std::string& text,
                        const std::vector<std::pair<std::string, std::optional<std::string>>>& changes);

// What the user asks of one service.
struct ServiceEdit {
    std::string service;      // deepl, google, microsoft, yandex, libretranslate
    std::string key;          // typed; empty keeps the key there is
    bool remove_key = false;  // forget the key (from the keys file and the configuration file)
    std::string region;       // Microsoft's
    std::string folder;       // Yandex's
    std::string url;          // LibreTranslate's address (relay_url)
    std::string routes;       // the directions sent to this service, as typed: "en-de, de-en"
};

// One service as the panel shows it: never its key, only whether there is one and how it ends.
struct ServiceView {
    std::string id, name;
    bool key_set = false;
    std::string key_end;   // the last four characters; empty for a key too short to show any
    std::string key_from;  // "panel" (the keys file), "conf" (the configuration file), "" (none)
    std::string region, folder, url;
    std::vector<std::string> routes;
};

struct SettingsView {
    std::string conf_path, keys_path;
    std::string protection;  // how the keys file is kept, in words
    std::string problem;     // the keys file could not be read at start-up, or empty
    std::vector<ServiceView> services;
};

// A check's verdict: accepted, refused (the key), quota (used up, or too many requests),
// unreachable, or other; and the message, with the service's own words.
struct CheckOutcome {
    std::string result;
    std::string message;
};

// The panel's settings while the service runs: the configuration in force, the user's files, and
// the engine that follows them. One save at a time.
class EngineSettings {
  public:
    // cfg: the configuration in force; its settings_file is the file saved to (none: saving
    // fails, saying so). engine null: files only (tests), nothing built or put in force.
    EngineSettings(Config cfg, std::string keys_problem, LiveEngine* engine);

    SettingsView View() const;
    // Checks the edit, builds the engines it asks for, writes the files and puts the engines in
    // force. Returns what the user should know (where things went, a key copy removed, a
    // direction taken from another service). Throws SettingsError; then nothing was written and
    // the settings in force are as they were.
    std::vector<std::string> Save(const ServiceEdit& edit);
    // One short translation by the service with the key typed (or the one saved), the region,
    // folder or address typed (or saved), in the first direction typed (or English to German).
    // Throws SettingsError for bad input.
    CheckOutcome Check(const ServiceEdit& edit);
    // The configuration in force.
    Config Current() const;

  private:
    mutable std::mutex mutex_;
    Config cfg_;
    std::string keys_path_;
    std::string keys_problem_;
    LiveEngine* engine_;
};

}  // namespace plv
