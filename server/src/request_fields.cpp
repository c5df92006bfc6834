#include "request_fields.h"

#include <nlohmann/json.hpp>

namespace plv {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The media type of a Content-Type value, lower-cased, without parameters.
std::string MediaType(std::string_view content_type) {
    const auto semi = content_type.find(';');
    std::string out(Trim(content_type.substr(0, semi)));
    for (char& c : out) c = Lower(c);
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Percent-decoding as browsers encode forms; a '%' not followed by two hex digits stays as it is.
std::string FormDecode(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < s.size() && HexValue(s[i + 1]) >= 0 && HexValue(s[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

// The parameters of a header value such as `form-data; name="q"; filename="a b.txt"`.
// A quoted value may hold ';' and backslash-escaped characters.
std::map<std::string, std::string> HeaderParams(std::string_view value) {
    std::map<std::string, std::string> out;
    std::size_t i = value.find(';');
    while (i != std::string_view::npos && i < value.size()) {
        ++i;  // past ';'
        const auto eq = value.find('=', i);
        const auto semi = value.find(';', i);
        if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
            i = semi;  // a parameter without a value: skipped
            continue;
        }
        std::string name(Trim(value.substr(i, eq - i)));
        for (char& c : name) c = Lower(c);
        std::size_t j = eq + 1;
        while (j < value.size() && (value[j] == ' ' || value[j] == '\t')) ++j;
        std::string v;
        if (j < value.size() && value[j] == '"') {
            ++j;
            while (j < value.size() && value[j] != '"') {
                if (value[j] == '\\' && j + 1 < value.size()) ++j;
                v += value[j];
                ++j;
            }
            i = value.find(';', j);
        } else {
            const auto end = value.find(';', j);
            v = std::string(
                Trim(value.substr(j, end == std::string_view::npos ? std::string_view::npos : end - j)));
            i = end;
        }
        out[name] = v;
    }
    return out;
}

}  // namespace

std::map<std::string, std::string> ParseFormUrlEncoded(std::string_view body) {
    std::map<std::string, std::string> out;
    std::size_t start = 0;
    while (start <= body.size()) {
        auto end = body.find('&', start);
        if (end == std::string_view::npos) end = body.size();
        const std::string_view pair = body.substr(start, end - start);
        const auto eq = pair.find('=');
        std::string key = FormDecode(pair.substr(0, eq));
        if (!key.empty()) {
            out[key] = eq == std::string_view::npos ? std::string() : FormDecode(pair.substr(eq + 1));
        }
        start = end + 1;
    }
    return out;
}

std::string MultipartBoundary(std::string_view content_type) {
    const auto params = HeaderParams(content_type);
    const auto it = params.find("boundary");
    // RFC 2046: 1 to 70 characters.
    if (it == params.end() || it->second.empty() || it->second.size() > 70) return "";
    return it->second;
}

bool ParseMultipart(std::string_view body, const std::string& boundary,
                    std::map<std::string, std::string>* out) {
    if (boundary.empty()) return false;
    const std::string delimiter = "--" + boundary;
    const std::string next_delimiter = "\r\n" + delimiter;
    // The first delimiter starts the body or a line (anything before it is preamble).
    std::size_t pos;
    if (body.substr(0, delimiter.size()) == delimiter) {
        pos = delimiter.size();
    } else {
        pos = body.find(next_delimiter);
        if (pos == std::string_view::npos) return false;
        pos += next_delimiter.size();
    }
    for (;;) {
        // After a delimiter: "--" closes the body; else optional padding and CRLF open a part.
        if (body.substr(pos, 2) == "--") return true;
        while (pos < body.size() && (body[pos] == ' ' || body[pos] == '\t')) ++pos;
        if (body.substr(pos, 2) != "\r\n") return false;
        pos += 2;
        // The part's headers, up to an empty line.
        std::string name;
        bool named = false;
        for (;;) {
            const auto eol = body.find("\r\n", pos);
            if (eol == std::string_view::npos) return false;
            const std::string_view line = body.substr(pos, eol - pos);
            pos = eol + 2;
            if (line.empty()) break;
            const auto colon = line.find(':');
            if (colon == std::string_view::npos) return false;
            if (EqualsNoCase(Trim(line.substr(0, colon)), "content-disposition")) {
                const std::string_view value = Trim(line.substr(colon + 1));
                if (!EqualsNoCase(Trim(value.substr(0, value.find(';'))), "form-data")) return false;
                const auto params = HeaderParams(value);
                const auto it = params.find("name");
                if (it != params.end()) {
                    name = it->second;
                    named = true;
                }
            }
        }
        const auto end = body.find(next_delimiter, pos);
        if (end == std::string_view::npos) return false;
        if (named) (*out)[name] = std::string(body.substr(pos, end - pos));
        pos = end + next_delimiter.size();
    }
}

RequestFields ExtractFields(std::string_view content_type, std::string_view body,
                            std::map<std::string, std::string> fields) {
    RequestFields r;
    r.values = std::move(fields);
    const std::string media = MediaType(content_type);
    if (media == "application/json") {
        using nlohmann::json;
        // Only a flat object is of any use; deep nesting is refused while parsing, before it
        // can cost memory or stack.
        constexpr int kMaxDepth = 32;
        json j;
        try {
            j = json::parse(body.begin(), body.end(), [](int depth, json::parse_event_t, json&) {
                if (depth > kMaxDepth) throw std::length_error("nested too deeply");
                return true;
            });
        } catch (const std::exception&) {
            // nlohmann rejects invalid UTF-8 inside strings here too. Its message is not for
            // clients: it names the library's internals.
            r.status = 400;
            r.error = "malformed JSON";
            return r;
        }
        if (!j.is_object()) {
            r.status = 400;
            r.error = "malformed JSON: expected an object";
            return r;
        }
        for (const auto& [k, v] : j.items()) {
            if (v.is_string()) {
                r.values[k] = v.get<std::string>();
            } else if (k == "q" || k == "source" || k == "target" || k == "format" || k == "api_key") {
                r.status = 400;
                r.error = "field '" + k + "' must be a string";
                return r;
            }
        }
    } else if (media == "multipart/form-data") {
        std::map<std::string, std::string> parts;
        if (!ParseMultipart(body, MultipartBoundary(content_type), &parts)) {
            r.status = 400;
            r.error = "malformed multipart/form-data body";
            return r;
        }
        for (auto& [k, v] : parts) r.values[k] = std::move(v);
    } else {
        for (auto& [k, v] : ParseFormUrlEncoded(body)) r.values[k] = std::move(v);
    }
    return r;
}

}  // namespace plv
