#include "pivot_engine.h"

#include <algorithm>

#include "text_util.h"

namespace plv {
namespace {

// The languages tried first in between: English and Spanish have the most pairs and the most
// worked-on data; after them the first by code, so the choice never depends on listing order.
bool BetterPivot(const std::string& a, const std::string& b) {
    const auto rank = [](const std::string& code) { return code == "en" ? 0 : code == "es" ? 1 : 2; };
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    return a < b;
}

// The engine credited for two steps: one name when both are the same.
std::string BothEngines(const std::string& first, const std::string& second) {
    if (first == second || second.empty()) return first;
    if (first.empty()) return second;
    return first + " and " + second;
}

std::string Flatten(const std::vector<Language>& languages) {
    std::string out;
    for (const auto& l : languages) {
        out += l.code + '\x1f' + l.name + '\x1e';
        for (const auto& t : l.targets) {
            const auto engine = l.engines.find(t);
            const auto via = l.via.find(t);
            out += t + '\x1f' + (engine == l.engines.end() ? "" : engine->second) + '\x1f' +
                   (via == l.via.end() ? "" : via->second) + '\x1e';
        }
        out += '\x1d';
    }
    return out;
}

}  // namespace

PivotEngine::PivotEngine(Engine& inner, bool through_languages)
    : inner_(inner), enabled_(through_languages) {}

std::shared_ptr<const PivotEngine::Table> PivotEngine::Refresh(std::string* error) {
    std::string inner_error;
    const auto inner = inner_.Languages(&inner_error);
    if (!inner_error.empty()) {
        *error = inner_error;
        return nullptr;
    }
    std::string fingerprint = Flatten(inner);
    std::lock_guard lock(mu_);
    if (table_ && fingerprint == fingerprint_) return table_;

    // By normalized code: an engine that lists eng and en (or a relay with its own codes) still
    // gives each language once and each direction once.
    std::map<std::string, Language> by_code;
    std::map<std::string, std::map<std::string, std::string>> direct;  // source -> target -> engine
    // The inner engine's own through-directions: source -> target -> {pivot, engine}.
    std::map<std::string, std::map<std::string, std::pair<std::string, std::string>>> theirs;
    for (const auto& l : inner) {
        const std::string s = NormalizeLanguageCode(l.code);
        Language& entry = by_code[s];
        entry.code = s;
        if (entry.name.empty() || entry.name == s) entry.name = l.name.empty() ? LanguageName(s) : l.name;
        for (const auto& raw : l.targets) {
            const std::string t = NormalizeLanguageCode(raw);
            if (t == s) continue;
            const auto engine = l.engines.find(raw);
            const auto via = l.via.find(raw);
            // A relay to another plv-service passes on that server's through-directions: they
            // are translated there, and are no step for one here (one language in between at most).
            const std::string name = engine == l.engines.end() ? std::string() : engine->second;
            if (via != l.via.end()) {
                if (!direct[s].count(t)) theirs[s][t] = {NormalizeLanguageCode(via->second), name};
            } else {
                direct[s][t] = name;
                theirs[s].erase(t);
            }
        }
    }
    auto table = std::make_shared<Table>();
    std::map<std::string, std::map<std::string, std::string>> through;  // source -> target -> pivot
    if (enabled_) {
        for (const auto& [s, firsts] : direct) {
            for (const auto& [p, e1] : firsts) {
                const auto seconds = direct.find(p);
                if (seconds == direct.end()) continue;
                for (const auto& [t, e2] : seconds->second) {
                    if (t == s || firsts.count(t) || theirs[s].count(t)) continue;
                    auto [it, added] = through[s].emplace(t, p);
                    if (!added && BetterPivot(p, it->second)) it->second = p;
                }
            }
        }
    }
    for (const auto& [s, targets] : direct)
        for (const auto& [t, engine] : targets) by_code[t].code = t;
    for (const auto& [s, targets] : theirs)
        for (const auto& [t, p] : targets) by_code[t].code = t;
    for (auto& [s, entry] : by_code) {
        for (const auto& [t, engine] : direct[s]) {
            entry.targets.push_back(t);
            if (!engine.empty()) entry.engines[t] = engine;
        }
        for (const auto& [t, step] : theirs[s]) {
            entry.targets.push_back(t);
            entry.via[t] = step.first;
            if (!step.second.empty()) entry.engines[t] = step.second;
        }
        for (const auto& [t, p] : through[s]) {
            entry.targets.push_back(t);
            entry.via[t] = p;
            const std::string engine = BothEngines(direct[s][p], direct[p][t]);
            if (!engine.empty()) entry.engines[t] = engine;
            table->pivots[s + "-" + t] = p;
        }
    }
    for (auto& [code, l] : by_code) {
        if (l.name.empty()) l.name = LanguageName(code);
        std::sort(l.targets.begin(), l.targets.end());
        table->languages.push_back(std::move(l));
    }
    fingerprint_ = std::move(fingerprint);
    table_ = std::move(table);
    return table_;
}

std::vector<Language> PivotEngine::Languages(std::string* error) {
    const auto table = Refresh(error);
    return table ? table->languages : std::vector<Language>();
}

std::string PivotEngine::PivotOf(const std::string& source, const std::string& target) {
    std::lock_guard lock(mu_);
    if (!table_) return {};
    const auto it = table_->pivots.find(source + "-" + target);
    return it == table_->pivots.end() ? std::string() : it->second;
}

TranslateResult PivotEngine::Translate(const std::string& source, const std::string& target,
                                       const std::string& text, TextFormat format) {
    if (!enabled_) return inner_.Translate(source, target, text, format);
    const std::string s = NormalizeLanguageCode(source), t = NormalizeLanguageCode(target);
    std::string error;
    if (PivotOf(s, t).empty()) {
        // Most requests: a direct direction, which needs no look at the list.
        auto direct = inner_.Translate(source, target, text, format);
        // One the inner engine does not have may have become reachable since the list was
        // built (a pair installed meanwhile).
        if (direct.status != 400 || !Refresh(&error) || PivotOf(s, t).empty()) return direct;
    } else if (!Refresh(&error) || PivotOf(s, t).empty()) {
        // A pair of its own installed since: the direct pair wins.
        return inner_.Translate(source, target, text, format);
    }
    return Through(s, PivotOf(s, t), t, text, format);
}

TranslateResult PivotEngine::Through(const std::string& source, const std::string& pivot,
                                     const std::string& target, const std::string& text, TextFormat format) {
    const auto failed = [&](TranslateResult r) {
        r.text = LanguageName(source) + " \u00bb " + LanguageName(target) + " goes through " +
                 LanguageName(pivot) + ": " + r.text;
        return r;
    };
    auto first = inner_.Translate(source, pivot, text, format);
    if (first.status != 200) return failed(std::move(first));
    // As /translate answers a blank translation: the text as it is.
    auto second = inner_.Translate(pivot, target, IsBlank(first.text) ? text : first.text, format);
    if (second.status != 200) return failed(std::move(second));
    TranslateResult out{200, std::move(second.text), BothEngines(first.engine, second.engine)};
    out.via = pivot;
    return out;
}

std::string PivotEngine::Unavailable(const std::string& direction) {
    const std::string dir = NormalizeDirection(direction);
    const auto dash = dir.find('-');
    if (!enabled_ || dash == std::string::npos) return inner_.Unavailable(dir);
    const std::string s = dir.substr(0, dash), t = dir.substr(dash + 1);
    const std::string pivot = PivotOf(s, t);
    if (pivot.empty()) return inner_.Unavailable(dir);
    std::string why = inner_.Unavailable(s + "-" + pivot);
    return why.empty() ? inner_.Unavailable(pivot + "-" + t) : why;
}

}  // namespace plv
