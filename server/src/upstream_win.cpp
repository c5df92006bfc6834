// The Windows upstream: WinHTTP, so that the system's certificate store, Schannel and the user's
// proxy settings apply, as they do for the browser. One session serves every call (WinHTTP
// sessions may be shared between threads); each call opens its own connect and request handles
// and uses them synchronously, re-arming WinHTTP's time-outs with what is left of the deadline
// before every step that can block.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <stdexcept>

#include "platform.h"
#include "upstream.h"

namespace plv {
namespace {

using Clock = std::chrono::steady_clock;

struct HandleCloser {
    void operator()(HINTERNET h) const { WinHttpCloseHandle(h); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// Strings WinHTTP hands over for us to free with GlobalFree.
struct GlobalString {
    LPWSTR s = nullptr;
    ~GlobalString() {
        if (s != nullptr) GlobalFree(s);
    }
};

UpstreamAnswer Failed(UpstreamFailure failure, std::string detail) {
    UpstreamAnswer answer;
    answer.failure = failure;
    answer.detail = std::move(detail);
    return answer;
}

// The failure a WinHTTP error stands for, and its name and number for the log: the words say
// what went wrong to someone reading the log, the name lets them look it up.
UpstreamAnswer FromError(DWORD code, DWORD secure_flags = 0) {
    struct Known {
        DWORD code;
        UpstreamFailure failure;
        const char* name;
        const char* words;
    };
    static constexpr Known kKnown[] = {
        {ERROR_WINHTTP_TIMEOUT, UpstreamFailure::Timeout, "ERROR_WINHTTP_TIMEOUT", "no answer in time"},
        // Wine passes the socket's own time-out through instead of ERROR_WINHTTP_TIMEOUT.
        {WSAETIMEDOUT, UpstreamFailure::Timeout, "WSAETIMEDOUT", "no answer in time"},
        {ERROR_WINHTTP_NAME_NOT_RESOLVED, UpstreamFailure::Unreachable, "ERROR_WINHTTP_NAME_NOT_RESOLVED",
         "name not found"},
        {ERROR_WINHTTP_CANNOT_CONNECT, UpstreamFailure::Unreachable, "ERROR_WINHTTP_CANNOT_CONNECT",
         "connection refused or not possible"},
        {ERROR_WINHTTP_CONNECTION_ERROR, UpstreamFailure::Unreachable, "ERROR_WINHTTP_CONNECTION_ERROR",
         "connection reset or broken"},
        {ERROR_WINHTTP_INVALID_SERVER_RESPONSE, UpstreamFailure::Unreachable,
         "ERROR_WINHTTP_INVALID_SERVER_RESPONSE", "answer not understood"},
        {ERROR_WINHTTP_INVALID_URL, UpstreamFailure::Unreachable, "ERROR_WINHTTP_INVALID_URL",
         "address not understood"},
        {ERROR_WINHTTP_UNABLE_TO_DOWNLOAD_SCRIPT, UpstreamFailure::Unreachable,
         "ERROR_WINHTTP_UNABLE_TO_DOWNLOAD_SCRIPT", "proxy script not found"},
        {ERROR_WINHTTP_BAD_AUTO_PROXY_SCRIPT, UpstreamFailure::Unreachable,
         "ERROR_WINHTTP_BAD_AUTO_PROXY_SCRIPT", "proxy script not understood"},
        {ERROR_WINHTTP_SECURE_FAILURE, UpstreamFailure::Tls, "ERROR_WINHTTP_SECURE_FAILURE",
         "secure connection failed"},
        {ERROR_WINHTTP_SECURE_INVALID_CA, UpstreamFailure::Tls, "ERROR_WINHTTP_SECURE_INVALID_CA",
         "certificate not trusted"},
        {ERROR_WINHTTP_SECURE_CERT_CN_INVALID, UpstreamFailure::Tls, "ERROR_WINHTTP_SECURE_CERT_CN_INVALID",
         "certificate for another name"},
        {ERROR_WINHTTP_SECURE_CERT_DATE_INVALID, UpstreamFailure::Tls,
         "ERROR_WINHTTP_SECURE_CERT_DATE_INVALID", "certificate expired or not yet valid"},
        {ERROR_WINHTTP_SECURE_CERT_REVOKED, UpstreamFailure::Tls, "ERROR_WINHTTP_SECURE_CERT_REVOKED",
         "certificate revoked"},
        {ERROR_WINHTTP_SECURE_CERT_REV_FAILED, UpstreamFailure::Tls, "ERROR_WINHTTP_SECURE_CERT_REV_FAILED",
         "certificate revocation not checked"},
        {ERROR_WINHTTP_SECURE_INVALID_CERT, UpstreamFailure::Tls, "ERROR_WINHTTP_SECURE_INVALID_CERT",
         "certificate not valid"},
        {ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE, UpstreamFailure::Tls, "ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE",
         "certificate not meant for a server"},
        {ERROR_WINHTTP_SECURE_CHANNEL_ERROR, UpstreamFailure::Tls, "ERROR_WINHTTP_SECURE_CHANNEL_ERROR",
         "secure channel error"},
        {ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED, UpstreamFailure::Tls, "ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED",
         "server asks for a client certificate"},
    };
    // Schannel tells why a certificate was refused only through the secure-failure callback;
    // the error itself is mostly the general ERROR_WINHTTP_SECURE_FAILURE.
    static constexpr std::pair<DWORD, const char*> kSecureFlags[] = {
        {WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CA, "certificate not trusted"},
        {WINHTTP_CALLBACK_STATUS_FLAG_CERT_CN_INVALID, "certificate for another name"},
        {WINHTTP_CALLBACK_STATUS_FLAG_CERT_DATE_INVALID, "certificate expired or not yet valid"},
        {WINHTTP_CALLBACK_STATUS_FLAG_CERT_REVOKED, "certificate revoked"},
        {WINHTTP_CALLBACK_STATUS_FLAG_CERT_REV_FAILED, "certificate revocation not checked"},
        {WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CERT, "certificate not valid"},
        {WINHTTP_CALLBACK_STATUS_FLAG_CERT_WRONG_USAGE, "certificate not meant for a server"},
        {WINHTTP_CALLBACK_STATUS_FLAG_SECURITY_CHANNEL_ERROR, "secure channel error"},
    };
    const std::string number = std::to_string(code);
    for (const Known& k : kKnown) {
        if (k.code != code) continue;
        std::string words = k.words;
        if (k.failure == UpstreamFailure::Tls && secure_flags != 0) {
            for (const auto& [flag, text] : kSecureFlags) {
                if ((secure_flags & flag) != 0) {
                    words = text;
                    break;
                }
            }
        }
        return Failed(k.failure, words + " (" + k.name + " " + number + ")");
    }
    // Anything else keeps us from an exchange all the same; its number is there to look up.
    const bool secure = secure_flags != 0 || code == ERROR_WINHTTP_SECURE_FAILURE_PROXY;
    return Failed(
        secure ? UpstreamFailure::Tls : UpstreamFailure::Unreachable,
        std::string(secure ? "secure connection failed" : "no exchange") + " (WinHTTP error " + number + ")");
}

// WinHTTP calls this, on the calling thread, when Schannel refuses the server's certificate;
// the request's context value points at where the reasons go.
void CALLBACK OnSecureFailure(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
    if (status == WINHTTP_CALLBACK_STATUS_SECURE_FAILURE && context != 0 && info != nullptr &&
        length >= sizeof(DWORD))
        *reinterpret_cast<DWORD*>(context) |= *static_cast<DWORD*>(info);
}

// Gives the next blocking step what is left of the deadline (at least a millisecond, which
// WinHTTP would otherwise read as "no limit"); false when nothing is left.
bool Arm(HINTERNET request, Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const int ms = static_cast<int>(std::clamp<long long>(left, 1, INT_MAX));
    WinHttpSetTimeouts(request, ms, ms, ms, ms);
    // Waiting for the headers has a limit of its own (90 s by default) besides the receive one.
    DWORD response_ms = static_cast<DWORD>(ms);
    WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &response_ms, sizeof response_ms);
    return true;
}

bool IsLoopback(const std::string& host) {
    const bool ipv4 = host.find_first_not_of("0123456789.") == std::string::npos;
    return host == "localhost" || host == "::1" || (ipv4 && host.rfind("127.", 0) == 0);
}

UpstreamAnswer TimedOut() { return Failed(UpstreamFailure::Timeout, "deadline passed"); }

class WinHttpUpstream final : public Upstream {
  public:
    WinHttpUpstream() {
        // Windows 8.1 and later resolve the system's proxy settings themselves, per request.
        session_ = WinHttpOpen(L"plv-service", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                               WINHTTP_NO_PROXY_BYPASS, 0);
        if (session_ == nullptr) {
            // Before that, the user's settings are read and applied by hand on each request.
            session_ = WinHttpOpen(L"plv-service", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                   WINHTTP_NO_PROXY_BYPASS, 0);
            proxy_by_hand_ = true;
        }
        if (session_ == nullptr)
            throw std::runtime_error("WinHTTP session not opened (Windows error " +
                                     std::to_string(GetLastError()) + ")");
    }
    ~WinHttpUpstream() override { WinHttpCloseHandle(session_); }
    WinHttpUpstream(const WinHttpUpstream&) = delete;
    WinHttpUpstream& operator=(const WinHttpUpstream&) = delete;

    UpstreamAnswer Send(const UpstreamRequest& request, Clock::time_point deadline,
                        std::size_t max_answer) override {
        UrlParts url;
        if (!SplitUrl(request.url, &url))
            return Failed(UpstreamFailure::Unreachable, "address not understood");
        std::string host = url.host;
        if (host.size() > 2 && host.front() == '[') host = host.substr(1, host.size() - 2);

        // Declared before the handles, so that it outlives the callbacks they may make.
        DWORD secure_flags = 0;
        Handle connect(
            WinHttpConnect(session_, Widen(host).c_str(), static_cast<INTERNET_PORT>(url.port), 0));
        if (!connect) return FromError(GetLastError());
        Handle req(WinHttpOpenRequest(connect.get(), Widen(request.method).c_str(), Widen(url.path).c_str(),
                                      nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                      url.scheme == "https" ? WINHTTP_FLAG_SECURE : 0));
        if (!req) return FromError(GetLastError());
        HINTERNET h = req.get();
        // An error once the deadline has passed comes from the time-outs we set, whatever its name.
        auto failed = [&](DWORD code) {
            UpstreamAnswer answer = FromError(code, secure_flags);
            if (answer.failure == UpstreamFailure::Unreachable && Clock::now() >= deadline)
                answer.failure = UpstreamFailure::Timeout;
            return answer;
        };

        // A redirect comes back as its status: following it could carry the key to another host.
        DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
        WinHttpSetOption(h, WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never);
        DWORD_PTR context = reinterpret_cast<DWORD_PTR>(&secure_flags);
        WinHttpSetOption(h, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context);
        WinHttpSetStatusCallback(h, OnSecureFailure, WINHTTP_CALLBACK_FLAG_SECURE_FAILURE, 0);
        if (IsLoopback(host)) {
            // A service on this machine is reached directly, whatever the proxy settings say.
            WINHTTP_PROXY_INFO direct = {WINHTTP_ACCESS_TYPE_NO_PROXY, nullptr, nullptr};
            WinHttpSetOption(h, WINHTTP_OPTION_PROXY, &direct, sizeof direct);
        } else if (proxy_by_hand_) {
            ApplyUserProxy(h, request.url);
        }

        std::wstring headers;
        for (const auto& [name, value] : request.headers) headers += Widen(name + ": " + value + "\r\n");
        const DWORD size = static_cast<DWORD>(request.body.size());
        void* body = size == 0 ? WINHTTP_NO_REQUEST_DATA : const_cast<char*>(request.body.data());

        if (!Arm(h, deadline)) return TimedOut();
        if (!WinHttpSendRequest(h, headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str(),
                                headers.empty() ? 0 : static_cast<DWORD>(-1L), body, size, size, 0))
            return failed(GetLastError());
        if (!Arm(h, deadline)) return TimedOut();
        if (!WinHttpReceiveResponse(h, nullptr)) return failed(GetLastError());

        UpstreamAnswer answer;
        DWORD status = 0;
        DWORD status_size = sizeof status;
        if (!WinHttpQueryHeaders(h, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                 WINHTTP_HEADER_NAME_BY_INDEX, &status, &status_size,
                                 WINHTTP_NO_HEADER_INDEX))
            return failed(GetLastError());
        answer.status = static_cast<int>(status);

        for (;;) {
            if (!Arm(h, deadline)) return TimedOut();
            DWORD available = 0;
            if (!WinHttpQueryDataAvailable(h, &available)) return failed(GetLastError());
            if (available == 0) break;
            // Never hold more than one byte past the cap: that byte is enough to know it is over.
            const std::size_t room = max_answer - std::min(max_answer, answer.body.size()) + 1;
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(available, room));
            const std::size_t had = answer.body.size();
            answer.body.resize(had + want);
            DWORD got = 0;
            if (!WinHttpReadData(h, answer.body.data() + had, want, &got)) return failed(GetLastError());
            answer.body.resize(had + got);
            if (answer.body.size() > max_answer)
                return Failed(UpstreamFailure::TooLarge,
                              "answer over " + std::to_string(max_answer) + " bytes");
            if (got == 0) break;
        }
        return answer;
    }

  private:
    // Windows 7 and 8: the user's own settings (those of the Internet Options), either a proxy
    // script to run for this address or a named proxy with its bypass list.
    void ApplyUserProxy(HINTERNET request, const std::string& url) {
        WINHTTP_CURRENT_USER_IE_PROXY_CONFIG user = {};
        if (!WinHttpGetIEProxyConfigForCurrentUser(&user)) return;
        GlobalString script{user.lpszAutoConfigUrl}, proxy{user.lpszProxy}, bypass{user.lpszProxyBypass};
        if (user.fAutoDetect || script.s != nullptr) {
            WINHTTP_AUTOPROXY_OPTIONS automatic = {};
            if (script.s != nullptr) {
                automatic.dwFlags |= WINHTTP_AUTOPROXY_CONFIG_URL;
                automatic.lpszAutoConfigUrl = script.s;
            }
            if (user.fAutoDetect) {
                automatic.dwFlags |= WINHTTP_AUTOPROXY_AUTO_DETECT;
                automatic.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
            }
            automatic.fAutoLogonIfChallenged = TRUE;
            WINHTTP_PROXY_INFO found = {};
            if (WinHttpGetProxyForUrl(session_, Widen(url).c_str(), &automatic, &found)) {
                GlobalString found_proxy{found.lpszProxy}, found_bypass{found.lpszProxyBypass};
                WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &found, sizeof found);
                return;
            }
        }
        // No script, or none that answered: the named proxy, if there is one.
        if (proxy.s != nullptr) {
            WINHTTP_PROXY_INFO named = {WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxy.s, bypass.s};
            WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &named, sizeof named);
        }
    }

    HINTERNET session_ = nullptr;
    bool proxy_by_hand_ = false;
};

}  // namespace

std::unique_ptr<Upstream> MakeUpstream(const UpstreamOptions& options) {
    if (!options.ca_file.empty())
        throw std::invalid_argument(
            "key 'tls_ca_file' is not supported on Windows: the system's certificate store is used");
    return std::make_unique<WinHttpUpstream>();
}

}  // namespace plv
