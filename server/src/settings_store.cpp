#include "settings_store.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "live_engine.h"
#include "platform.h"
#include "providers.h"
#include "text_util.h"
#include "upstream.h"

namespace plv {
namespace {

constexpr std::size_t kMaxKey = 1024;
constexpr std::size_t kMaxField = 256;

std::string Trim(const std::string& s, const char* blanks = " \t\r\n") {
    const auto b = s.find_first_not_of(blanks);
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return s;
}

// The configuration key that holds a service's key, and its other fields.
std::string KeyName(const std::string& id) { return id == "libretranslate" ? "relay_key" : id + "_key"; }

std::string NameOf(const std::string& id) { return FindProvider(id)->name; }

// A key as the file's reader sees it: dashes are underscores, a route's codes normalized.
std::string Canonical(const std::string& key) {
    if (key.rfind("route.", 0) == 0) return "route." + NormalizeDirection(Lower(key.substr(6)));
    std::string k = key;
    std::replace(k.begin(), k.end(), '-', '_');
    return k;
}

// A key or a field typed into the panel: one line of text, no longer than `limit` bytes.
std::string CheckedText(const std::string& value, const std::string& what, std::size_t limit) {
    const std::string v = Trim(value, " ");
    if (v.size() > limit)
        throw SettingsError(what + " is " + std::to_string(v.size()) + " bytes long; at most " +
                            std::to_string(limit) + " are accepted");
    if (!IsValidUtf8(v)) throw SettingsError(what + " is not valid text (UTF-8)");
    for (const unsigned char c : v) {
        if (c < 0x20 || c == 0x7f)
            throw SettingsError(
                what + " contains a control character (a line break or a tab?): paste it on its own");
    }
    return v;
}

// "en-de, auto-de" -> {"en-de", "auto-de"}, each direction one the service can take.
std::vector<std::string> ParseRoutes(const std::string& id, const std::string& typed) {
    const std::string name = NameOf(id);
    std::vector<std::string> out;
    std::string items = typed;
    std::replace_if(
        items.begin(), items.end(), [](char c) { return c == ',' || c == ';' || c == '\t'; }, ' ');
    std::istringstream in(items);
    std::string item;
    while (in >> item) {
        const auto dash = item.find('-');
        const bool letters =
            item.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-") ==
            std::string::npos;
        if (!letters || dash == 0 || dash == std::string::npos || dash + 1 == item.size() ||
            item.find('-', dash + 1) != std::string::npos) {
            throw SettingsError(
                "'" + CheckedText(item, "A direction", 64) +
                "' is not a direction: write SOURCE-TARGET with language codes, such as en-de, "
                "separated by commas");
        }
        const std::string source = Lower(item.substr(0, dash)), target = Lower(item.substr(dash + 1));
        for (const auto& [code, role] : {std::pair{source, "source"}, std::pair{target, "target"}}) {
            if (code == "auto" && std::string(role) == "source") continue;
            if (!ProviderTakesLanguage(id, code)) {
                throw SettingsError(item + ": " + name + " does not take the language '" + code + "'" +
                                    (code == "auto" ? " as a target (auto is for the source: auto-de)" : ""));
            }
        }
        const std::string dir =
            (source == "auto" ? source : NormalizeLanguageCode(source)) + "-" + NormalizeLanguageCode(target);
        if (source != "auto" && NormalizeLanguageCode(source) == NormalizeLanguageCode(target))
            throw SettingsError(item + ": the source and the target are the same language");
        if (std::find(out.begin(), out.end(), dir) == out.end()) out.push_back(dir);
    }
    return out;
}

// The keys file's text: one line a key, as the configuration file writes them.
std::string KeysText(const Config& cfg) {
    std::string text =
        "# Keys of translation services saved from Parlevo's Engines panel; change them there.\n"
        "# They win over the same keys in the configuration file beside this one.\n";
    for (const auto& id : PanelServices()) {
        if (cfg.panel_keys.count(id) == 0) continue;
        const auto p = cfg.providers.find(id);
        const std::string& key = id == "libretranslate"     ? cfg.relay_key
                                 : p == cfg.providers.end() ? std::string()
                                                            : p->second.key;
        if (!key.empty()) text += KeyName(id) + " = " + key + "\n";
    }
    return text;
}

std::string Protection() {
#ifdef _WIN32
    return "sealed for your Windows account: another account or computer cannot read it";
#else
    return "readable by you alone (mode 0600)";
#endif
}

// The last four characters of a key long enough that they say nothing of the rest.
std::string KeyEnd(const std::string& key) {
    std::vector<std::size_t> starts;  // where each character begins
    for (std::size_t i = 0; i < key.size(); ++i) {
        if ((static_cast<unsigned char>(key[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    return starts.size() < 12 ? std::string() : key.substr(starts[starts.size() - 4]);
}

std::string& KeyOf(Config& cfg, const std::string& id) {
    return id == "libretranslate" ? cfg.relay_key : cfg.providers[id].key;
}

}  // namespace

const std::vector<std::string>& PanelServices() {
    static const std::vector<std::string> ids = {"deepl", "google", "microsoft", "yandex", "libretranslate"};
    return ids;
}

std::string KeysFileFor(const std::string& conf_path) {
    const std::filesystem::path conf = PathFromUtf8(conf_path);
    return Utf8FromPath(conf.parent_path() / (conf.stem().u8string() + u8".keys"));
}

std::string LoadKeysFile(const std::string& path, Config& cfg) {
    std::string content, error;
    bool missing = false;
    if (!ReadWholeFile(path, &content, &missing, &error)) return missing ? std::string() : error;
#ifdef _WIN32
    std::string plain;
    if (!UnprotectForUser(content, &plain, &error))
        return "the keys in '" + path + "' cannot be opened by this Windows account: " + error;
    content = std::move(plain);
#endif
    std::istringstream in(content);
    std::string line;
    std::map<std::string, std::string> keys;
    for (int n = 1; std::getline(in, line); ++n) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const auto eq = line.find('=');
        const std::string name = eq == std::string::npos ? line : Trim(line.substr(0, eq));
        const auto id = std::find_if(PanelServices().begin(), PanelServices().end(),
                                     [&](const std::string& s) { return KeyName(s) == Canonical(name); });
        // Never the line itself: it may hold a key.
        if (eq == std::string::npos || id == PanelServices().end())
            return "'" + path + "', line " + std::to_string(n) +
                   ": expected a service's key (deepl_key = ...)";
        keys[*id] = Trim(line.substr(eq + 1));
    }
    for (const auto& [id, key] : keys) {
        KeyOf(cfg, id) = key;
        cfg.panel_keys.insert(id);
    }
    return {};
}

std::string RewriteConf(const std::string& text,
                        const std::vector<std::pair<std::string, std::optional<std::string>>>& changes) {
    const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::map<std::string, std::size_t> wanted;  // canonical key -> its change
    for (std::size_t i = 0; i < changes.size(); ++i) wanted[Canonical(changes[i].first)] = i;
    std::vector<bool> written(changes.size(), false);
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = text.find('\n', at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end + 1 - at);
        at = end == std::string::npos ? text.size() : end + 1;
        const std::string t = Trim(line);
        const auto eq = t.find('=');
        const auto change = t.empty() || t[0] == '#' || eq == std::string::npos
                                ? wanted.end()
                                : wanted.find(Canonical(Trim(t.substr(0, eq))));
        if (change == wanted.end()) {
            out += line;
            continue;
        }
        const auto& [key, value] = changes[change->second];
        if (!value || written[change->second]) continue;  // dropped, or already on an earlier line
        written[change->second] = true;
        const bool ends = !line.empty() && line.back() == '\n';
        out += key + " = " + *value + (ends ? eol : "");
    }
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!changes[i].second || written[i]) continue;
        if (!out.empty() && out.back() != '\n') out += eol;
        out += changes[i].first + " = " + *changes[i].second + eol;
    }
    return out;
}

EngineSettings::EngineSettings(Config cfg, std::string keys_problem, LiveEngine* engine)
    : cfg_(std::move(cfg)), keys_problem_(std::move(keys_problem)), engine_(engine) {
    if (!cfg_.settings_file.empty()) keys_path_ = KeysFileFor(cfg_.settings_file);
}

Config EngineSettings::Current() const {
    std::lock_guard lock(mutex_);
    return cfg_;
}

SettingsView EngineSettings::View() const {
    std::lock_guard lock(mutex_);
    SettingsView view{cfg_.settings_file, keys_path_, Protection(), keys_problem_, {}};
    for (const auto& id : PanelServices()) {
        ServiceView s;
        s.id = id;
        s.name = NameOf(id);
        const auto p = cfg_.providers.find(id);
        const ProviderSettings settings = id == "libretranslate"
                                              ? ProviderSettings{cfg_.relay_url, cfg_.relay_key, {}, {}}
                                          : p == cfg_.providers.end() ? ProviderSettings{}
                                                                      : p->second;
        s.key_set = !settings.key.empty();
        s.key_end = KeyEnd(settings.key);
        s.key_from = !s.key_set ? "" : cfg_.panel_keys.count(id) != 0 ? "panel" : "conf";
        s.region = settings.region;
        s.folder = settings.folder;
        if (id == "libretranslate") s.url = cfg_.relay_url;
        for (const auto& [dir, to] : cfg_.routes) {
            if (to == id) s.routes.push_back(dir);
        }
        view.services.push_back(std::move(s));
    }
    return view;
}

std::vector<std::string> EngineSettings::Save(const ServiceEdit& edit) {
    std::lock_guard lock(mutex_);
    const std::string& id = edit.service;
    if (std::find(PanelServices().begin(), PanelServices().end(), id) == PanelServices().end())
        throw SettingsError("unknown service '" + CheckedText(id, "The service", 64) +
                            "': expected deepl, google, microsoft, yandex or libretranslate");
    const std::string name = NameOf(id);
    const std::string key = CheckedText(edit.key, name + "'s key", kMaxKey);
    const std::string region = CheckedText(edit.region, name + "'s region", kMaxField);
    const std::string folder = CheckedText(edit.folder, name + "'s folder", kMaxField);
    const std::string url = CheckedText(edit.url, name + "'s address", kMaxField);
    const std::vector<std::string> routes = ParseRoutes(id, edit.routes);
    UrlParts parts;
    if (id == "libretranslate" && !url.empty() && !SplitUrl(url, &parts))
        throw SettingsError(name + "'s address '" + url +
                            "' is not one: expected http://host:port or https://host");
    if (cfg_.settings_file.empty())
        throw SettingsError(
            "this service was started without a configuration file, so there is nowhere to save: "
            "start it with --config FILE");

    Config next = cfg_;
    std::vector<std::string> notes;
    if (edit.remove_key) {
        KeyOf(next, id).clear();
        next.panel_keys.erase(id);
    } else if (!key.empty()) {
        KeyOf(next, id) = key;
        next.panel_keys.insert(id);
    }
    if (id == "microsoft") next.providers[id].region = region;
    if (id == "yandex") next.providers[id].folder = folder;
    if (id == "libretranslate") next.relay_url = url;
    for (auto it = next.routes.begin(); it != next.routes.end();)
        it = it->second == id ? next.routes.erase(it) : std::next(it);
    for (const auto& dir : routes) {
        const auto old = next.routes.find(dir);
        if (old != next.routes.end())
            notes.push_back(dir + " went to " + NameOf(old->second) + "; it goes to " + name + " now.");
        next.routes[dir] = id;
    }
    if (!routes.empty() && id != "libretranslate" && KeyOf(next, id).empty()) {
        throw SettingsError(edit.remove_key
                                ? name +
                                      "'s directions need its key: empty the directions to remove "
                                      "the key with them"
                                : name + " has no key: type its key to send directions to it");
    }
    if (id == "libretranslate" && url.empty() && (!routes.empty() || next.engine == "relay"))
        throw SettingsError(name + " needs its address (such as http://127.0.0.1:5000) to translate");
    try {
        ValidateConfig(next);
    } catch (const ConfigError& e) {
        throw SettingsError(std::string("these settings cannot be used: ") + e.what());
    }

    // The configuration file: what this service's lines say now.
    std::vector<std::pair<std::string, std::optional<std::string>>> changes;
    const auto set_or_drop = [&](const std::string& k, const std::string& v) {
        changes.emplace_back(k, v.empty() ? std::nullopt : std::optional<std::string>(v));
    };
    if (id == "microsoft") set_or_drop("microsoft_region", region);
    if (id == "yandex") set_or_drop("yandex_folder", folder);
    if (id == "libretranslate") set_or_drop("relay_url", url);
    const bool keys_change = edit.remove_key || !key.empty();
    if (keys_change) changes.emplace_back(KeyName(id), std::nullopt);
    std::set<std::string> directions;
    for (const auto& r : cfg_.routes) directions.insert(r.first);
    for (const auto& r : next.routes) directions.insert(r.first);
    for (const auto& dir : directions) {
        const auto before = cfg_.routes.find(dir), after = next.routes.find(dir);
        const std::string was = before == cfg_.routes.end() ? "" : before->second;
        const std::string now = after == next.routes.end() ? "" : after->second;
        if (was != now) set_or_drop("route." + dir, now);
    }
    std::string conf, error;
    bool missing = false;
    if (!ReadWholeFile(cfg_.settings_file, &conf, &missing, &error)) {
        if (!missing) throw SettingsError(error + "; nothing was saved", 500);
        conf =
            "# plv-service settings of this user, written by Parlevo's Engines panel; lines may be added by "
            "hand\n# (see plv-service.conf beside plv-service.exe for every key).\n";
    }
    const std::string new_conf = RewriteConf(conf, changes);
    const bool plain_copy = keys_change && RewriteConf(conf, {{KeyName(id), std::nullopt}}) != conf;

    // The engines come first: settings they cannot be built from are not saved either.
    std::shared_ptr<Engine> built;
    if (engine_ != nullptr) {
        try {
            built = engine_->Build(next);
        } catch (const std::exception& e) {
            throw SettingsError(
                std::string("these settings cannot be used: ") + e.what() + "; nothing was saved", 500);
        }
    }

    std::string old_keys;
    bool keys_existed = false;
    if (keys_change) {
        bool keys_missing = false;
        keys_existed = ReadWholeFile(keys_path_, &old_keys, &keys_missing, &error);
        std::string sealed = KeysText(next);
#ifdef _WIN32
        std::string plain = std::move(sealed);
        if (!ProtectForUser(plain, &sealed, &error))
            throw SettingsError(
                "the keys cannot be sealed for this Windows account: " + error + "; nothing was saved", 500);
#endif
        if (!ReplaceFileContent(keys_path_, sealed, true, &error))
            throw SettingsError(error + "; nothing was saved", 500);
    }
    if (new_conf != conf || missing) {
        if (!ReplaceFileContent(cfg_.settings_file, new_conf, false, &error)) {
            // The keys go back to what they were, so the two files still agree.
            std::string ignored;
            if (keys_change && keys_existed) ReplaceFileContent(keys_path_, old_keys, true, &ignored);
            if (keys_change && !keys_existed) std::filesystem::remove(PathFromUtf8(keys_path_));
            throw SettingsError(error + "; nothing was saved", 500);
        }
    }
    if (engine_ != nullptr) engine_->Apply(std::move(built));
    cfg_ = std::move(next);
    if (keys_change) keys_problem_.clear();

    notes.insert(notes.begin(), "Saved in " + cfg_.settings_file + ".");
    if (!key.empty() && !edit.remove_key)
        notes.push_back(name + "'s key is in " + keys_path_ + ", " + Protection() + ".");
    if (edit.remove_key) notes.push_back(name + "'s key is removed.");
    if (plain_copy)
        notes.push_back("The plain copy of " + name + "'s key (" + KeyName(id) + ") was removed from " +
                        cfg_.settings_file + ".");
    return notes;
}

CheckOutcome EngineSettings::Check(const ServiceEdit& edit) {
    ProviderSettings settings;
    std::string source = "en", target = "de";
    std::string name;
    {
        std::lock_guard lock(mutex_);
        const std::string& id = edit.service;
        if (std::find(PanelServices().begin(), PanelServices().end(), id) == PanelServices().end())
            throw SettingsError("unknown service '" + CheckedText(id, "The service", 64) +
                                "': expected deepl, google, microsoft, yandex or libretranslate");
        name = NameOf(id);
        const auto p = cfg_.providers.find(id);
        settings = id == "libretranslate"      ? ProviderSettings{cfg_.relay_url, cfg_.relay_key, {}, {}}
                   : p == cfg_.providers.end() ? ProviderSettings{}
                                               : p->second;
        const std::string key = CheckedText(edit.key, name + "'s key", kMaxKey);
        if (!key.empty()) settings.key = key;
        if (id == "microsoft") settings.region = CheckedText(edit.region, name + "'s region", kMaxField);
        if (id == "yandex") settings.folder = CheckedText(edit.folder, name + "'s folder", kMaxField);
        if (id == "libretranslate") {
            const std::string url = CheckedText(edit.url, name + "'s address", kMaxField);
            if (!url.empty()) settings.url = url;
            UrlParts parts;
            if (!SplitUrl(settings.url, &parts))
                throw SettingsError(name +
                                    " needs its address (such as http://127.0.0.1:5000) to be checked");
        } else if (settings.key.empty()) {
            throw SettingsError(name + " has no key to check: type its key first");
        }
        for (const auto& dir : ParseRoutes(id, edit.routes)) {
            if (dir.rfind("auto-", 0) == 0) continue;
            source = dir.substr(0, dir.find('-'));
            target = dir.substr(dir.find('-') + 1);
            break;
        }
        if (engine_ == nullptr) throw SettingsError("this service cannot reach " + name);
    }
    std::unique_ptr<ProviderEngine> provider;
    try {
        provider = engine_->MakeProvider(edit.service, settings);
    } catch (const std::exception& e) {
        throw SettingsError(name + " cannot be checked: " + e.what());
    }
    const auto probe = provider->Check(source, target, "Hello");
    const std::string says = probe.words.empty() ? "" : " " + name + " says: " + probe.words;
    switch (probe.problem) {
        case UpstreamProblem::None:
            return {"accepted", name + " accepted the key: \"Hello\" (" + LanguageName(source) +
                                    ") came back as \"" + probe.translation + "\" (" + LanguageName(target) +
                                    ")."};
        case UpstreamProblem::Key:
            return {"refused", name + " refused the key." + says};
        case UpstreamProblem::Quota:
        case UpstreamProblem::RateOrQuota:
        case UpstreamProblem::Rate:
            return {"quota",
                    name + " took the key, but its quota is used up or it is asked too often." + says};
        case UpstreamProblem::Timeout:
        case UpstreamProblem::Unreachable:
        case UpstreamProblem::Tls:
            return {"unreachable", probe.message};
        default:
            return {"other", probe.message};
    }
}

}  // namespace plv
