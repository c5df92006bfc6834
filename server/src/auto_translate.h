// source=auto in /translate: finding the text's language, choosing the direction (and the
// user's other language when the text is already in the target one), and the engine.
#pragma once

#include <string>
#include <vector>

#include "engine.h"

namespace plv {

struct AutoTranslation {
    // The translation (status 200), or the status and message of the failure.
    TranslateResult result;
    std::string source;     // the language translated from: the one found, or the fallback
    std::string target;     // the language translated into: the one asked for, or the fallback
    double confidence = 0;  // that the text is in `source`, 0 to 100
};

// Translates `text` into `target` from the language it is in. `languages` is what the engine
// offers (its directions). fallback (may be empty) is the user's other language: taken as the
// source when the text is too short or unsure to tell, and as the target when the text is
// already in `target`. The engine that serves "auto-TARGET" (route.auto-XX), or else the
// direction found, finds the language itself when it is an online service.
AutoTranslation TranslateAuto(Engine& engine, const std::vector<Language>& languages, const std::string& text,
                              const std::string& target, const std::string& fallback, TextFormat format);

}  // namespace plv
