// Small text helpers shared by the HTTP layer and the Apertium engine.
#pragma once

#include <string>
#include <string_view>

namespace plv {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s);

// True when s has nothing but ASCII whitespace.
bool IsBlank(std::string_view s);

// Escapes & < > " ' so the result is safe both in element text and in quoted attributes.
std::string HtmlEscape(std::string_view s);

// Percent-encodes everything but the unreserved characters, as browsers do for form bodies and
// query strings (used by the clients of the service: its tests and its benchmark).
std::string UrlEncode(std::string_view s);

// An address to listen on that only this machine can reach: 127.0.0.0/8, ::1 (also as
// ::ffff:127.x.y.z) or `localhost`.
bool IsLoopbackAddress(std::string_view address);

// A Host header naming this machine by a loopback address or `localhost`, with or without a
// port: "127.0.0.1:8723", "localhost", "[::1]:8723". A name that merely resolves to a loopback
// address does not count: that is what a DNS-rebinding page sends.
bool IsLoopbackHostHeader(std::string_view host);

}  // namespace plv
