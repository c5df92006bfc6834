// libFuzzer target: POST /detect as the server answers it without HTTP (ExtractFields, then
// AnswerDetect, with CLD2), and the detection of any bytes at all, as text and as HTML. Input:
// the Content-Type header, a newline, then the body.
// Checks, besides the sanitizers: a definite status with a message on failure; on success at
// least one language, best first, each with a code the service can use in a direction and a
// confidence from 0 to 100, unsure ones below kSureConfidence; the same answer twice.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "detect.h"
#include "request_fields.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    __builtin_printf("detect_fuzz: property violated: %s\n", what);
    std::abort();
}

const std::set<std::string> kOffered = {"en", "es", "fr", "sh", "nb", "nn", "pt", "ca"};

void CheckDetection(const plv::Detection& d) {
    for (std::size_t i = 0; i < d.languages.size(); ++i) {
        const auto& l = d.languages[i];
        if (l.code.empty() || l.code.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
            Fail("a language code that is not lower-case letters");
        if (!(l.confidence >= 0 && l.confidence <= 100)) Fail("a confidence outside 0 to 100");
        if (i > 0 && l.confidence > d.languages[i - 1].confidence) Fail("not best first");
        if (!d.reliable && l.confidence >= plv::kSureConfidence)
            Fail("an unsure answer with a sure confidence");
    }
    if (d.reliable && d.languages.empty()) Fail("reliable, and no language");
}

bool Same(const plv::Detection& a, const plv::Detection& b) {
    if (a.reliable != b.reliable || a.languages.size() != b.languages.size()) return false;
    for (std::size_t i = 0; i < a.languages.size(); ++i) {
        if (a.languages[i].code != b.languages[i].code ||
            a.languages[i].confidence != b.languages[i].confidence)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto nl = input.find('\n');
    const std::string_view content_type = input.substr(0, nl);
    const std::string_view body = nl == std::string_view::npos ? std::string_view() : input.substr(nl + 1);

    const auto fields = plv::ExtractFields(content_type, body);
    if (fields.status == 200) {
        const auto a = plv::AnswerDetect(fields, 2048, kOffered);
        if (a.status != 200 && a.status != 400 && a.status != 413) Fail("status is not 200, 400 or 413");
        if (a.status != 200 && a.error.empty()) Fail("a failure without a message");
        if (a.status == 200) {
            if (a.detection.languages.empty()) Fail("an answer without a language");
            CheckDetection(a.detection);
        }
    }

    // Whatever the bytes: as text (twice, the same), and as HTML.
    const auto text = plv::DetectLanguage(input, kOffered);
    CheckDetection(text);
    if (!Same(text, plv::DetectLanguage(input, kOffered))) Fail("two detections of one text differ");
    CheckDetection(plv::DetectLanguage(input, kOffered, true));
    return 0;
}
