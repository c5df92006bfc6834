// What the HTTP layer needs from a translator: the languages it offers and a translation.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace plv {

struct Language {
    std::string code;  // ISO 639-1 where one exists (en), else the engine's own code
    std::string name;  // English name, e.g. "Spanish"
    std::vector<std::string> targets;
    // The engine that translates to each target, by the name the page credits ("Apertium",
    // "DeepL"); a target missing here is the server's default engine's.
    std::map<std::string, std::string> engines;
    // The targets reached through another language, by the code of the language in between
    // ("fr" -> "es": English to French is English to Spanish, then Spanish to French).
    std::map<std::string, std::string> via = {};  // = {}: brace lists that stop at engines stay complete
};

struct TranslateResult {
    TranslateResult() = default;
    TranslateResult(int status_, std::string text_, std::string engine_ = {})
        : status(status_), text(std::move(text_)), engine(std::move(engine_)) {}
    int status = 200;    // 200, or the HTTP status the error maps to (400, 413, 503, ...)
    std::string text;    // the translation, or the error message
    std::string engine;  // with a translation: the name of the engine that made it ("DeepL")
    std::string via;     // with a translation through another language: that language's code
    // With a translation from "auto" by an engine that found the language itself: that language
    // as it named it, and its confidence (0 to 100) when it gave one, else -1.
    std::string detected;
    double detected_confidence = -1;
};

// What `q` is: plain text, or HTML whose markup must come back as it was (format=html).
enum class TextFormat { kText, kHtml };

class Engine {
  public:
    virtual ~Engine() = default;
    // Empty with *error set when the engine cannot say (e.g. the relay is down).
    virtual std::vector<Language> Languages(std::string* error) = 0;
    // Input has been validated: non-empty, valid UTF-8, within the size limit. format: "text" or
    // "html".
    virtual TranslateResult Translate(const std::string& source, const std::string& target,
                                      const std::string& text, TextFormat format = TextFormat::kText) = 0;
    // For source=auto: when the engine that serves `direction` ("fr-es", or "auto-es" for the
    // one configured for auto) finds the source language itself (the online services do),
    // translates the text into the direction's target from the language that engine finds,
    // which TranslateResult::detected names. Status 0: no such engine; detect and call Translate.
    virtual TranslateResult TranslateDetecting(const std::string& /*direction*/, const std::string& /*text*/,
                                               TextFormat /*format*/) {
        return {0, {}};
    }
    // Why a direction ("en-es") cannot translate at all (its data is missing, its pipeline could
    // not be started), or empty. The page of such a direction is answered 503 with this reason,
    // so a program loading it sees the service as not connected instead of waiting in vain.
    virtual std::string Unavailable(const std::string& /*direction*/) { return {}; }
};

// English names and ISO 639-1 codes for the ISO 639-3 codes Apertium pairs use; the
// three-letter code stays where a language has no ISO 639-1 code (ast, szl, frp).
std::string ShortLanguageCode(const std::string& code);
std::string LanguageName(const std::string& code);
// Accepts either form (en or eng, sh or hbs, any case) and returns the ISO 639-1 one when known;
// an unknown code comes back as it is.
std::string NormalizeLanguageCode(const std::string& code);
// "eng-spa" -> "en-es": both codes of a SOURCE-TARGET direction normalized.
std::string NormalizeDirection(const std::string& dir);
// Of two modes that translate the same direction (en-ca.mode and eng-cat.mode), by their names
// without ".mode", the one to use: the same whatever order they are found in.
const std::string& PreferredMode(const std::string& a, const std::string& b);

}  // namespace plv
