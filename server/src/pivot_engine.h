// Directions no engine has, offered through a language two of its directions share: English to
// French as English to Spanish, then Spanish to French. Whatever the inner engine (Apertium, a
// relay, the router with its online services), its own directions are the direct ones.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine.h"

namespace plv {

class PivotEngine : public Engine {
  public:
    // inner (not owned) translates every direct direction. With through_languages false no
    // direction is added; the list is still tidied: codes normalized, and every target a
    // language of its own, as LibreTranslate clients look each target up among the languages.
    PivotEngine(Engine& inner, bool through_languages);

    // The inner engine's directions, and those through one language in between (marked in
    // Language::via). Built again only when the inner engine's list changes.
    std::vector<Language> Languages(std::string* error) override;
    TranslateResult Translate(const std::string& source, const std::string& target, const std::string& text,
                              TextFormat format = TextFormat::kText) override;
    std::string Unavailable(const std::string& direction) override;
    // An engine that finds the language itself is asked as it is: the pivot has no part in it.
    TranslateResult TranslateDetecting(const std::string& direction, const std::string& text,
                                       TextFormat format) override {
        return inner_.TranslateDetecting(direction, text, format);
    }

  private:
    struct Table {
        std::vector<Language> languages;
        std::map<std::string, std::string> pivots;  // "en-fr" -> "es", our own through-directions
    };

    // Asks the inner engine for its directions; null with *error set when it cannot say.
    std::shared_ptr<const Table> Refresh(std::string* error);
    // The language a direction goes through by the table last built (empty: none known).
    std::string PivotOf(const std::string& source, const std::string& target);
    TranslateResult Through(const std::string& source, const std::string& pivot, const std::string& target,
                            const std::string& text, TextFormat format);

    Engine& inner_;
    const bool enabled_;
    std::mutex mu_;
    std::string fingerprint_;  // the inner list the table was built from, flattened
    std::shared_ptr<const Table> table_;
};

}  // namespace plv
