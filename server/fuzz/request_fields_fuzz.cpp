// libFuzzer target: the fields of a POST /translate body, as the server reads them (ExtractFields,
// no socket). Input: the Content-Type header, a newline, then the body.
// Checks, besides the sanitizers: a definite status with a message on failure; multipart values
// are pieces of the body; a form re-encoded the way browsers do parses back to the same fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "request_fields.h"
#include "text_util.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    __builtin_printf("request_fields_fuzz: property violated: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto nl = input.find('\n');
    const std::string_view content_type = input.substr(0, nl);
    const std::string_view body = nl == std::string_view::npos ? std::string_view() : input.substr(nl + 1);

    const auto r = plv::ExtractFields(content_type, body, {{"from_query", "x"}});
    if (r.status != 200 && r.status != 400) Fail("status is neither 200 nor 400");
    if (r.status == 400 && r.error.empty()) Fail("a 400 without a message");
    if (r.status == 400 && r.error.find("exception") != std::string::npos) Fail("internal text in an error");

    std::map<std::string, std::string> parts;
    if (plv::ParseMultipart(body, plv::MultipartBoundary(content_type), &parts)) {
        for (const auto& [k, v] : parts) {
            if (body.find(v) == std::string_view::npos) Fail("a multipart value that is not in the body");
        }
    }

    const auto form = plv::ParseFormUrlEncoded(body);
    std::string again;
    for (const auto& [k, v] : form) {
        if (k.empty()) Fail("an empty form key");
        if (!again.empty()) again += '&';
        again += plv::UrlEncode(k) + "=" + plv::UrlEncode(v);
    }
    if (plv::ParseFormUrlEncoded(again) != form) Fail("form fields do not survive re-encoding");
    return 0;
}
