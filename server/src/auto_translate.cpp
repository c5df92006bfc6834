#include "auto_translate.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "detect.h"

namespace plv {
namespace {

bool HasDirection(const std::vector<Language>& languages, const std::string& source,
                  const std::string& target) {
    for (const auto& l : languages) {
        if (l.code == source) return std::find(l.targets.begin(), l.targets.end(), target) != l.targets.end();
    }
    return false;
}

std::string Number(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", x);
    return buf;
}

}  // namespace

AutoTranslation TranslateAuto(Engine& engine, const std::vector<Language>& languages, const std::string& text,
                              const std::string& target_code, const std::string& fallback_code,
                              TextFormat format) {
    const std::string target = NormalizeLanguageCode(target_code);
    std::string fallback = fallback_code.empty() ? std::string() : NormalizeLanguageCode(fallback_code);
    if (fallback == target) fallback.clear();  // it can stand neither for the source nor for the target
    std::set<std::string> offered;
    for (const auto& l : languages) {
        offered.insert(l.code);
        offered.insert(l.targets.begin(), l.targets.end());
    }
    const Detection found = DetectLanguage(text, offered, format == TextFormat::kHtml);
    const auto confidence_of = [&](const std::string& code) {
        for (const auto& l : found.languages) {
            if (l.code == code) return l.confidence;
        }
        return 0.0;
    };

    AutoTranslation out;
    out.target = target;
    const auto fail = [&](int status, std::string message) {
        out.result = {status, std::move(message)};
        return out;
    };
    // The text is already in the target language: into the user's other one instead. why: who
    // found it so, when not CLD2.
    const auto into_fallback = [&](const std::string& why) {
        const std::string already = "the text is already in " + LanguageName(target) +
                                    ", the target language" + (why.empty() ? "" : " (as " + why + " found)");
        if (fallback.empty())
            return fail(400, already +
                                 ": choose another target, or give fallback, the language to translate "
                                 "such text into");
        if (!HasDirection(languages, target, fallback))
            return fail(400, already + ", and there is no direction from " + LanguageName(target) + " into " +
                                 LanguageName(fallback) + ", the fallback");
        out.source = target;
        out.target = fallback;
        out.result = engine.Translate(target, fallback, text, format);
        return out;
    };
    // An online service found the language itself: its word goes, and its confidence if it gave one.
    const auto from_service = [&](TranslateResult r, const std::string& assumed) {
        if (r.status != 200) {
            out.result = std::move(r);
            return out;
        }
        std::string detected = ServiceLanguageCode(r.detected, offered);
        if (detected.empty()) detected = assumed;
        out.source = detected;
        out.confidence = r.detected_confidence >= 0 ? r.detected_confidence : confidence_of(detected);
        if (detected == target && out.target == target) return into_fallback(r.engine);
        out.result = std::move(r);
        return out;
    };

    // An engine configured for auto-TARGET finds the language itself, whatever it is.
    TranslateResult r = engine.TranslateDetecting("auto-" + target, text, format);
    if (r.status != 0)
        return from_service(std::move(r), found.languages.empty() ? fallback : found.languages[0].code);

    std::string source, why;
    if (found.reliable) {
        source = found.languages[0].code;
        why = "the language of the text";
    } else if (!fallback.empty()) {
        source = fallback;
        why = "the fallback, as the text's language could not be told";
    } else {
        std::string guess = "it has no words to go by";
        if (!found.languages.empty())
            guess = "it is too short or too mixed; best guess " + LanguageName(found.languages[0].code) +
                    " with confidence " + Number(found.languages[0].confidence);
        return fail(400, "could not tell the language of the text: " + guess +
                             "; choose a source language, or give fallback, the language to assume");
    }
    out.source = source;
    out.confidence = confidence_of(source);
    if (source == target) return into_fallback("");
    if (!HasDirection(languages, source, target))
        return fail(400, "cannot translate from " + LanguageName(source) + " (" + why + ") into " +
                             LanguageName(target) + ": there is no such direction");
    // The engine of the direction found may be an online service that finds the language better.
    r = engine.TranslateDetecting(source + "-" + target, text, format);
    if (r.status != 0) return from_service(std::move(r), source);
    out.result = engine.Translate(source, target, text, format);
    return out;
}

}  // namespace plv
