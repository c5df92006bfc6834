#include "upstream.h"

#include <charconv>

namespace plv {

bool SplitUrl(const std::string& url, UrlParts* parts) {
    UrlParts p;
    std::size_t at = 0;
    if (url.rfind("https://", 0) == 0) {
        p.scheme = "https";
        p.port = 443;
        at = 8;
    } else if (url.rfind("http://", 0) == 0) {
        p.scheme = "http";
        p.port = 80;
        at = 7;
    } else {
        return false;
    }
    const std::size_t end = url.find_first_of("/?#", at);
    std::string authority = url.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (authority.find('@') != std::string::npos) return false;
    std::size_t colon = std::string::npos;
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        if (close == std::string::npos) return false;
        if (close + 1 < authority.size()) {
            if (authority[close + 1] != ':') return false;
            colon = close + 1;
        }
    } else {
        colon = authority.find(':');
    }
    if (colon != std::string::npos) {
        const std::string port = authority.substr(colon + 1);
        int n = 0;
        auto [ptr, ec] = std::from_chars(port.data(), port.data() + port.size(), n);
        if (port.empty() || ec != std::errc() || ptr != port.data() + port.size() || n < 1 || n > 65535)
            return false;
        p.port = n;
        authority.resize(colon);
    }
    if (authority.empty() || authority == "[]") return false;
    p.host = authority;
    p.path = end == std::string::npos ? "/" : url.substr(end);
    if (p.path.front() != '/') p.path = "/" + p.path;
    if (p.path.find('#') != std::string::npos) return false;
    *parts = std::move(p);
    return true;
}

}  // namespace plv
