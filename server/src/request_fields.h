// The fields of a POST /translate body, taken from its raw bytes: no socket and no HTTP library
// involved, so the fuzz target (fuzz/request_fields_fuzz.cpp) runs exactly what the server runs.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace plv {

struct RequestFields {
    int status = 200;   // 200, or 400 with error set
    std::string error;  // for the client; never internal exception text
    std::map<std::string, std::string> values;

    bool Has(const std::string& k) const { return values.count(k) != 0; }
    const std::string& Get(const std::string& k) const { return values.at(k); }
};

// Reads body according to content_type (the Content-Type header as sent):
//   application/json                   an object; string members become fields, and q, source,
//                                      target, format and api_key must be strings when present;
//   multipart/form-data; boundary=...  each part's Content-Disposition name, with its content;
//   anything else                      application/x-www-form-urlencoded (+ is a space).
// Fields given in the body replace those in `fields` (the query string's). A repeated field
// keeps its last value.
RequestFields ExtractFields(std::string_view content_type, std::string_view body,
                            std::map<std::string, std::string> fields = {});

// The pieces, for tests and the fuzz target.
std::map<std::string, std::string> ParseFormUrlEncoded(std::string_view body);
// The boundary parameter of a multipart content type; empty when there is none.
std::string MultipartBoundary(std::string_view content_type);
// False when the body is not a well-formed multipart body for that boundary.
bool ParseMultipart(std::string_view body, const std::string& boundary,
                    std::map<std::string, std::string>* out);

}  // namespace plv
