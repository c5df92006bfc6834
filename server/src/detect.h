// Finding the language of a text (CLD2, third_party/cld2), in the service's language codes, and
// the checks a text to detect or translate goes through. No socket and no HTTP library: the
// fuzz target (fuzz/detect_fuzz.cpp) runs exactly what the server runs.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "request_fields.h"

namespace plv {

struct DetectedLanguage {
    std::string code;       // the service's code: "fr", "nb", "sh" (see ServiceLanguageCode)
    double confidence = 0;  // 0 to 100, as LibreTranslate gives it
};

struct Detection {
    // Best first. Empty when the text has nothing to go on (digits, punctuation, symbols).
    std::vector<DetectedLanguage> languages;
    // CLD2 found the first language reliably. When not, every confidence is below kSureConfidence:
    // a guess from too short or too mixed a text.
    bool reliable = false;
};

// Confidences of unreliable guesses stay below this; reliable ones are usually far above.
constexpr double kSureConfidence = 50;

// The languages of `text`, UTF-8; control characters and bytes that are not UTF-8 are read as
// spaces. html: the text is HTML; tags are skipped and entities read. offered: every code the
// service translates from or into, which decides how Serbo-Croatian is named.
Detection DetectLanguage(std::string_view text, const std::set<std::string>& offered, bool html = false);

// The service's code for one of CLD2's: its ISO 639-1 code where there is one ("iw" is "he",
// "no" is "nb"), the main subtag of a regional one ("sr-ME" is "sr", "zh-Hant" is "zt" as
// LibreTranslate has it), and Croatian, Serbian and Bosnian as "sh" when the service offers
// "sh" and not that language itself. Empty for what names no language (unknown, a script alone).
std::string ServiceLanguageCode(std::string_view cld2_code, const std::set<std::string>& offered);

// What is wrong with the text field `q` of a request, as status (200: nothing) and message:
// missing, not UTF-8 (400), over `limit` bytes (413), or blank (400).
struct TextCheck {
    int status = 200;
    std::string error;
};
TextCheck CheckText(const RequestFields& fields, std::size_t limit);

// POST /detect without HTTP: the checks, then the detection. With status 200, `detection` holds
// at least one language: an undetermined text is {"und", 0}.
struct DetectAnswer {
    int status = 200;
    std::string error;
    Detection detection;
};
DetectAnswer AnswerDetect(const RequestFields& fields, std::size_t limit,
                          const std::set<std::string>& offered);

}  // namespace plv
