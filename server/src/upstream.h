// One HTTP or HTTPS exchange with a translation service elsewhere (DeepL, Google, a team's
// LibreTranslate...), bounded by a deadline and by a cap on the answer's size. On Linux it goes
// through cpp-httplib with OpenSSL; on Windows through WinHTTP, so that the system's certificate
// store, its TLS (Schannel) and its proxy settings apply. Certificates are always checked.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace plv {

struct UpstreamRequest {
    std::string method;  // "GET" or "POST"
    // http[s]://host[:port]/path[?query], already percent-encoded. May carry a key (Google takes
    // it as a query parameter), so it is never written to a log or an error text.
    std::string url;
    // Sent as given, besides Host, Content-Length and the transport's own; Content-Type is here.
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
};

enum class UpstreamFailure {
    None,         // an answer came, whatever its status
    Unreachable,  // no exchange: the name not found, the connection refused or broken, a proxy failing
    Timeout,      // the deadline passed before the whole answer came
    TooLarge,     // the answer passed the cap; what came is dropped
    Tls,          // the secure connection failed: a certificate not trusted, for another name, expired
};

struct UpstreamAnswer {
    UpstreamFailure failure = UpstreamFailure::None;
    int status = 0;      // the HTTP status, when failure is None
    std::string body;    // the answer's body, when failure is None
    std::string detail;  // the library's word for a failure, for the log; never the address
};

struct UpstreamOptions {
    // PEM file of certificates to trust instead of the system's, for a server with a certificate
    // of its own (a team's internal authority). Linux only; empty: the system's.
    std::string ca_file;
};

class Upstream {
  public:
    virtual ~Upstream() = default;
    // Safe to call from several threads at once; each call is its own connection.
    virtual UpstreamAnswer Send(const UpstreamRequest& request,
                                std::chrono::steady_clock::time_point deadline, std::size_t max_answer) = 0;
};

// Throws std::invalid_argument, naming the setting, when the options cannot be honoured (a
// ca_file on Windows, or one that cannot be read); std::runtime_error when the system's HTTP
// client cannot be had.
std::unique_ptr<Upstream> MakeUpstream(const UpstreamOptions& options);

// Splits http[s]://host[:port][/path...] into its scheme ("http" or "https"), host, port (the
// scheme's own when not given) and path with query ("/" when empty). False for anything else
// (another scheme, no host, a bad port, user information).
struct UrlParts {
    std::string scheme, host;
    int port = 0;
    std::string path;
};
bool SplitUrl(const std::string& url, UrlParts* parts);

}  // namespace plv
