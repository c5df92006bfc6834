#include "detect.h"

#include <compact_lang_det.h>
#include <encodings.h>

#include <algorithm>
#include <cmath>

#include "engine.h"
#include "text_util.h"

namespace CLD2 {
// CLD2's own check of its input (declared in its internal compact_lang_det_impl.h): the length of
// the longest prefix of src that is interchange-valid UTF-8.
int SpanInterchangeValid(const char* src, int byte_length);
}  // namespace CLD2

namespace plv {
namespace {

// CLD2 reads a text's first few thousand letters at most before it is sure; a long text is cut
// (at a character's start) so that a huge one costs no more than a long one.
constexpr std::size_t kDetectBytes = 64 * 1024;

// Scales CLD2's share of the text (0 to 100) into a confidence. A reliable answer keeps it; an
// unreliable one and a best-effort guess on a text too short to tell stay below kSureConfidence.
constexpr double kUnreliableScale = 0.45;
constexpr double kBestEffortScale = 0.25;

double Round1(double x) { return std::round(x * 10) / 10; }

struct Cld2Result {
    CLD2::Language language3[3] = {CLD2::UNKNOWN_LANGUAGE, CLD2::UNKNOWN_LANGUAGE, CLD2::UNKNOWN_LANGUAGE};
    int percent3[3] = {0, 0, 0};
    bool reliable = false;
};

// CLD2 reads nothing at all of a text with one character that is not interchange-valid UTF-8 in
// it: a control character (a selection may hold a form feed or a NUL), a noncharacter, or bytes
// that are not UTF-8. Each such character, or byte, becomes spaces.
std::string InterchangeValid(std::string_view text) {
    std::string out(text);
    const int size = static_cast<int>(out.size());
    int at = 0;
    while (at < size) {
        at += CLD2::SpanInterchangeValid(out.data() + at, size - at);
        if (at >= size) break;
        const auto lead = static_cast<unsigned char>(out[at]);
        int length = lead >= 0xF0 && lead <= 0xF4   ? 4
                     : lead >= 0xE0 && lead <= 0xEF ? 3
                     : lead >= 0xC2 && lead <= 0xDF ? 2
                                                    : 1;
        // Only as far as the sequence goes: a cut one is one byte, and its rest is looked at anew.
        for (int i = 1; i < length; ++i) {
            if (at + i >= size || (static_cast<unsigned char>(out[at + i]) & 0xC0) != 0x80) length = 1;
        }
        out.replace(static_cast<std::size_t>(at), static_cast<std::size_t>(length),
                    static_cast<std::size_t>(length), ' ');
        at += length;
    }
    return out;
}

Cld2Result RunCld2(std::string_view text, bool html, int flags) {
    Cld2Result r;
    double scores[3];
    int text_bytes = 0;
    int valid_prefix = 0;
    const CLD2::CLDHints hints = {nullptr, nullptr, CLD2::UNKNOWN_ENCODING, CLD2::UNKNOWN_LANGUAGE};
    CLD2::ExtDetectLanguageSummaryCheckUTF8(text.data(), static_cast<int>(text.size()), !html, &hints, flags,
                                            r.language3, r.percent3, scores, nullptr, &text_bytes,
                                            &r.reliable, &valid_prefix);
    return r;
}

}  // namespace

std::string ServiceLanguageCode(std::string_view cld2_code, const std::set<std::string>& offered) {
    std::string code(cld2_code);
    // Unknown, a script without a language ("xx-Cyrl"), and CLD2's private codes.
    if (code.empty() || code == "un" || code == "xxx" || code.rfind("xx-", 0) == 0 ||
        code.rfind("zz", 0) == 0)
        return {};
    if (code == "zh-Hant") return "zt";
    // Directions are written "source-target": a code never holds a dash.
    code = code.substr(0, code.find('-'));
    // CLD2 keeps some withdrawn ISO 639-1 codes, and Norwegian as the macrolanguage.
    if (code == "iw") code = "he";
    if (code == "jw") code = "jv";
    if (code == "mo") code = "ro";
    if (code == "no") code = "nb";
    code = NormalizeLanguageCode(code);
    // The Apertium pairs have Serbo-Croatian as one language; CLD2 tells its standards apart.
    if ((code == "hr" || code == "sr" || code == "bs") && offered.count("sh") != 0 &&
        offered.count(code) == 0)
        code = "sh";
    return code;
}

Detection DetectLanguage(std::string_view text, const std::set<std::string>& offered, bool html) {
    if (text.size() > kDetectBytes) {
        std::size_t cut = kDetectBytes;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text = text.substr(0, cut);
    }
    const std::string valid = InterchangeValid(text);
    text = valid;
    Cld2Result r = RunCld2(text, html, 0);
    double scale = r.reliable ? 1.0 : kUnreliableScale;
    if (r.language3[0] == CLD2::UNKNOWN_LANGUAGE) {
        // Too short to tell: CLD2 still makes a guess when asked, never taken as reliable.
        r = RunCld2(text, html, CLD2::kCLDFlagBestEffort);
        r.reliable = false;
        scale = kBestEffortScale;
    }
    Detection d;
    d.reliable = r.reliable;
    for (int i = 0; i < 3; ++i) {
        const std::string code = ServiceLanguageCode(CLD2::LanguageCode(r.language3[i]), offered);
        if (code.empty() || r.percent3[i] <= 0) continue;
        const double confidence = std::min(100.0, r.percent3[i] * scale);
        // Croatian and Bosnian may both have become "sh": one language, their shares together.
        auto same = std::find_if(d.languages.begin(), d.languages.end(),
                                 [&](const DetectedLanguage& l) { return l.code == code; });
        if (same != d.languages.end()) {
            same->confidence = std::min(100.0 * scale, same->confidence + confidence);
        } else {
            d.languages.push_back({code, confidence});
        }
    }
    for (auto& l : d.languages) l.confidence = Round1(l.confidence);
    std::stable_sort(
        d.languages.begin(), d.languages.end(),
        [](const DetectedLanguage& a, const DetectedLanguage& b) { return a.confidence > b.confidence; });
    if (d.languages.empty()) d.reliable = false;
    return d;
}

TextCheck CheckText(const RequestFields& fields, std::size_t limit) {
    if (!fields.Has("q")) return {400, "missing field 'q'"};
    const std::string& q = fields.Get("q");
    if (!IsValidUtf8(q)) return {400, "field 'q' is not valid UTF-8"};
    if (q.size() > limit)
        return {413,
                "text too large: " + std::to_string(q.size()) + " bytes, limit " + std::to_string(limit)};
    if (IsBlank(q)) return {400, "empty text: field 'q' is blank"};
    return {};
}

DetectAnswer AnswerDetect(const RequestFields& fields, std::size_t limit,
                          const std::set<std::string>& offered) {
    const TextCheck check = CheckText(fields, limit);
    if (check.status != 200) return {check.status, check.error, {}};
    DetectAnswer a;
    a.detection = DetectLanguage(fields.Get("q"), offered);
    // LibreTranslate's clients read the first entry: there is always one, undetermined if need be.
    if (a.detection.languages.empty()) a.detection.languages.push_back({"und", 0});
    return a;
}

}  // namespace plv
