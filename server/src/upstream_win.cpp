// The Windows upstream: WinHTTP, so that the system's certificate store, Schannel and the user's
// proxy settings apply, as they do for the browser. One asynchronous session serves every call
// (WinHTTP sessions may be shared between threads); each call opens its own connect and request
// handles and waits for each step's completion within what is left of the deadline. At the
// deadline the request handle is closed, which ends the exchange whatever step it is in: the
// per-step time-outs alone start again with every byte, so a server trickling its headers would
// hold a request for as long as it likes (and Wine's synchronous calls cannot be cancelled).
//
// WinHTTP is not a KnownDLL: imported, the loader would take a winhttp.dll lying beside
// plv-service.exe before the system's. So it is loaded from System32 by name, at run time.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <climits>
#include <condition_variable>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform.h"
#include "upstream.h"

namespace plv {
namespace {

using Clock = std::chrono::steady_clock;

// The WinHTTP functions we call, from the system's winhttp.dll. decltype names their types
// without referring to the imports themselves.
struct WinHttpApi {
#define PLV_WINHTTP_FUNCTIONS(X)                                                                         \
    X(WinHttpOpen)                                                                                       \
    X(WinHttpCloseHandle)                                                                                \
    X(WinHttpConnect)                                                                                    \
    X(WinHttpOpenRequest)                                                                                \
    X(WinHttpSetOption) X(WinHttpSetStatusCallback) X(WinHttpSetTimeouts) X(WinHttpSendRequest)          \
        X(WinHttpReceiveResponse) X(WinHttpQueryHeaders) X(WinHttpQueryDataAvailable) X(WinHttpReadData) \
            X(WinHttpGetIEProxyConfigForCurrentUser) X(WinHttpGetProxyForUrl)
#define PLV_DECLARE(name) decltype(&::name) name = nullptr;
    PLV_WINHTTP_FUNCTIONS(PLV_DECLARE)
#undef PLV_DECLARE

    // Loaded once and kept for the life of the process; throws when the system has none.
    static const WinHttpApi& Get() {
        static const WinHttpApi api = [] {
            WinHttpApi a;
            const auto dll = static_cast<HMODULE>(LoadSystemLibrary(L"winhttp.dll"));
            if (dll == nullptr)
                throw std::runtime_error("WinHTTP not loaded (Windows error " +
                                         std::to_string(GetLastError()) + ")");
#define PLV_LOAD(name)                                                                                \
    a.name = reinterpret_cast<decltype(a.name)>(reinterpret_cast<void*>(GetProcAddress(dll, #name))); \
    if (a.name == nullptr) throw std::runtime_error("WinHTTP has no " #name);
            PLV_WINHTTP_FUNCTIONS(PLV_LOAD)
#undef PLV_LOAD
            return a;
        }();
        return api;
    }
#undef PLV_WINHTTP_FUNCTIONS
};

struct HandleCloser {
    void operator()(HINTERNET h) const { WinHttpApi::Get().WinHttpCloseHandle(h); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// Strings WinHTTP hands over for us to free with GlobalFree.
struct GlobalString {
    explicit GlobalString(LPWSTR owned) : s(owned) {}
    LPWSTR s;
    ~GlobalString() {
        if (s != nullptr) GlobalFree(s);
    }
    GlobalString(const GlobalString&) = delete;
    GlobalString& operator=(const GlobalString&) = delete;
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

bool IsLoopback(const std::string& host) {
    const bool ipv4 = host.find_first_not_of("0123456789.") == std::string::npos;
    return host == "localhost" || host == "::1" || (ipv4 && host.rfind("127.", 0) == 0);
}

UpstreamAnswer TimedOut() { return Failed(UpstreamFailure::Timeout, "deadline passed"); }

// What one request's callbacks report, and every buffer WinHTTP may still use: it lives until
// WinHTTP says the request handle is closing, which can be after Send has returned at its
// deadline with a step still under way.
struct Exchange {
    Exchange() : done(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
        if (done == nullptr)
            throw std::runtime_error("CreateEvent (Windows error " + std::to_string(GetLastError()) + ")");
    }
    ~Exchange() { CloseHandle(done); }
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    HANDLE done;             // set once per completed step
    DWORD error = 0;         // the step's failure, 0 when it succeeded
    DWORD count = 0;         // bytes available, or read
    DWORD secure_flags = 0;  // why Schannel refused the server, from the secure-failure callback
    std::wstring headers;    // the request's, its body and the read buffer: WinHTTP's until closing
    std::string body;
    std::vector<char> buffer = std::vector<char>(65536);
};

// The request's context value: a reference to the exchange, given up when the handle closes.
using ExchangeRef = std::shared_ptr<Exchange>;

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
    auto* ref = reinterpret_cast<ExchangeRef*>(context);
    if (ref == nullptr) return;
    Exchange& x = **ref;
    switch (status) {
        case WINHTTP_CALLBACK_STATUS_SECURE_FAILURE:
            if (info != nullptr && length >= sizeof(DWORD)) x.secure_flags |= *static_cast<DWORD*>(info);
            break;
        case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
        case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
            x.error = 0;
            SetEvent(x.done);
            break;
        case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
            x.error = 0;
            x.count = info != nullptr ? *static_cast<DWORD*>(info) : 0;
            SetEvent(x.done);
            break;
        case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
            x.error = 0;
            x.count = length;
            SetEvent(x.done);
            break;
        case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR: {
            const auto* result = static_cast<const WINHTTP_ASYNC_RESULT*>(info);
            x.error =
                result != nullptr && result->dwError != 0 ? result->dwError : ERROR_WINHTTP_INTERNAL_ERROR;
            SetEvent(x.done);
            break;
        }
        case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
            delete ref;  // the last callback of this handle
            break;
        default:
            break;
    }
}

// Milliseconds until the deadline, rounded up; 0 when it has passed.
DWORD MillisLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<DWORD>(std::min<long long>(left, INT_MAX));
}

// The per-step time-outs, set to the whole of what is left: a backstop should a completion never
// come (at least a millisecond, which WinHTTP would otherwise read as "no limit").
void Arm(HINTERNET request, Clock::time_point deadline) {
    const WinHttpApi& api = WinHttpApi::Get();
    const int ms = static_cast<int>(std::max<DWORD>(MillisLeft(deadline), 1));
    api.WinHttpSetTimeouts(request, ms, ms, ms, ms);
    // Waiting for the headers has a limit of its own (90 s by default) besides the receive one.
    DWORD response_ms = static_cast<DWORD>(ms);
    api.WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &response_ms, sizeof response_ms);
}

// What the user's settings (those of the Internet Options) say about reaching a host, on Windows
// 7 and 8, where WinHTTP does not apply them by itself: a proxy script to run (which may fetch
// the script, or look for one on the network, for seconds), or a named proxy with its bypass
// list. Asked once per host every few minutes, on a thread of its own, so that a request waits
// for it no longer than its own deadline; a late answer still serves the requests after it.
class ProxyFinder {
  public:
    struct Answer {
        bool named = false;  // else direct
        std::wstring proxy, bypass;
    };

    ProxyFinder() : state_(std::make_shared<State>()) {
        const WinHttpApi& api = WinHttpApi::Get();
        // A synchronous session of its own: the script is run by a blocking call.
        state_->session = api.WinHttpOpen(L"plv-service", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                          WINHTTP_NO_PROXY_BYPASS, 0);
        if (state_->session != nullptr) api.WinHttpSetTimeouts(state_->session, 10000, 10000, 10000, 10000);
    }

    // The answer for the host of `url`, or nothing when it did not come by the deadline.
    std::optional<Answer> Find(const std::string& host, const std::string& url, Clock::time_point deadline) {
        std::unique_lock lock(state_->mutex);
        Entry& entry = state_->entries[host];
        const auto fresh = [&] { return entry.known && Clock::now() < entry.expires; };
        if (!fresh() && !entry.asking) {
            entry.asking = true;
            std::thread(Ask, state_, host, Widen(url)).detach();
        }
        if (!state_->changed.wait_until(lock, deadline, fresh)) return std::nullopt;
        return entry.answer;
    }

  private:
    struct Entry {
        bool known = false, asking = false;
        Answer answer;
        Clock::time_point expires;
    };
    struct State {
        ~State() {
            if (session != nullptr) WinHttpApi::Get().WinHttpCloseHandle(session);
        }
        HINTERNET session = nullptr;
        std::mutex mutex;
        std::condition_variable changed;
        std::map<std::string, Entry> entries;
    };

    static void Ask(std::shared_ptr<State> state, std::string host, std::wstring url) {
        Answer answer = Resolve(state->session, url);
        std::lock_guard lock(state->mutex);
        Entry& entry = state->entries[host];
        entry = {true, false, std::move(answer), Clock::now() + std::chrono::minutes(5)};
        state->changed.notify_all();
    }

    static Answer Resolve(HINTERNET session, const std::wstring& url) {
        const WinHttpApi& api = WinHttpApi::Get();
        WINHTTP_CURRENT_USER_IE_PROXY_CONFIG user = {};
        if (!api.WinHttpGetIEProxyConfigForCurrentUser(&user)) return {};
        GlobalString script{user.lpszAutoConfigUrl}, proxy{user.lpszProxy}, bypass{user.lpszProxyBypass};
        if (session != nullptr && (user.fAutoDetect || script.s != nullptr)) {
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
            if (api.WinHttpGetProxyForUrl(session, url.c_str(), &automatic, &found)) {
                GlobalString found_proxy{found.lpszProxy}, found_bypass{found.lpszProxyBypass};
                if (found.dwAccessType != WINHTTP_ACCESS_TYPE_NAMED_PROXY || found_proxy.s == nullptr)
                    return {};
                return {true, found_proxy.s, found_bypass.s != nullptr ? found_bypass.s : L""};
            }
        }
        // No script, or none that answered: the named proxy, if there is one.
        if (proxy.s == nullptr) return {};
        return {true, proxy.s, bypass.s != nullptr ? bypass.s : L""};
    }

    std::shared_ptr<State> state_;
};

class WinHttpUpstream final : public Upstream {
  public:
    WinHttpUpstream() : api_(WinHttpApi::Get()) {
        // Windows 8.1 and later resolve the system's proxy settings themselves, per request.
        session_ = api_.WinHttpOpen(L"plv-service", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                    WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
        if (session_ == nullptr) {
            // Before that, the user's settings are read and applied by hand on each request.
            session_ = api_.WinHttpOpen(L"plv-service", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                        WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
            if (session_ != nullptr) proxies_ = std::make_unique<ProxyFinder>();
        }
        if (session_ == nullptr)
            throw std::runtime_error("WinHTTP session not opened (Windows error " +
                                     std::to_string(GetLastError()) + ")");
        // Windows 7 and 8.0 offer only SSL 3 and TLS 1.0 unless asked, and the services require
        // TLS 1.2. TLS 1.3 where this Windows knows it: older ones refuse the whole option.
        DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3;
        if (!api_.WinHttpSetOption(session_, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols)) {
            protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
            if (!api_.WinHttpSetOption(session_, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols,
                                       sizeof protocols))
                std::cerr << "plv-service: warning: this Windows offers WinHTTP no TLS 1.2 (Windows error "
                          << GetLastError() << "); https services will refuse it until it is updated\n";
        }
    }
    ~WinHttpUpstream() override { api_.WinHttpCloseHandle(session_); }
    WinHttpUpstream(const WinHttpUpstream&) = delete;
    WinHttpUpstream& operator=(const WinHttpUpstream&) = delete;

    UpstreamAnswer Send(const UpstreamRequest& request, Clock::time_point deadline,
                        std::size_t max_answer) override {
        UrlParts url;
        if (!SplitUrl(request.url, &url))
            return Failed(UpstreamFailure::Unreachable, "address not understood");
        std::string host = url.host;
        if (host.size() > 2 && host.front() == '[') host = host.substr(1, host.size() - 2);

        // Asked before the request exists: a proxy script can take longer than the deadline.
        std::optional<ProxyFinder::Answer> proxy;
        if (proxies_ && !IsLoopback(host)) {
            proxy = proxies_->Find(host, request.url, deadline);
            if (!proxy) return Failed(UpstreamFailure::Timeout, "the proxy settings gave no answer in time");
        }

        Handle connect(
            api_.WinHttpConnect(session_, Widen(host).c_str(), static_cast<INTERNET_PORT>(url.port), 0));
        if (!connect) return FromError(GetLastError());
        Handle req(api_.WinHttpOpenRequest(connect.get(), Widen(request.method).c_str(),
                                           Widen(url.path).c_str(), nullptr, WINHTTP_NO_REFERER,
                                           WINHTTP_DEFAULT_ACCEPT_TYPES,
                                           url.scheme == "https" ? WINHTTP_FLAG_SECURE : 0));
        if (!req) return FromError(GetLastError());
        HINTERNET h = req.get();

        // The exchange is shared with the handle's callbacks from here on: the context value
        // first, so that the closing callback always finds it, then the callback.
        auto exchange = std::make_shared<Exchange>();
        auto* ref = new ExchangeRef(exchange);
        DWORD_PTR context = reinterpret_cast<DWORD_PTR>(ref);
        if (!api_.WinHttpSetOption(h, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context) ||
            api_.WinHttpSetStatusCallback(h, OnStatus,
                                          WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS |
                                              WINHTTP_CALLBACK_FLAG_SECURE_FAILURE |
                                              WINHTTP_CALLBACK_FLAG_HANDLES,
                                          0) == WINHTTP_INVALID_STATUS_CALLBACK) {
            const DWORD code = GetLastError();
            api_.WinHttpSetStatusCallback(h, nullptr, 0, 0);
            req.reset();
            delete ref;
            return FromError(code);
        }
        Exchange& x = *exchange;

        // An error once the deadline has passed comes from the time-outs we set, whatever its name.
        auto failed = [&](DWORD code) {
            UpstreamAnswer answer = FromError(code, x.secure_flags);
            if (answer.failure == UpstreamFailure::Unreachable && Clock::now() >= deadline)
                answer.failure = UpstreamFailure::Timeout;
            return answer;
        };
        // Waits for the step just begun; the request handle is closed (and with it whatever
        // is under way) when the deadline comes first.
        auto step = [&](BOOL begun) -> std::optional<UpstreamAnswer> {
            if (!begun) return failed(GetLastError());
            if (WaitForSingleObject(x.done, MillisLeft(deadline)) != WAIT_OBJECT_0) {
                req.reset();
                return TimedOut();
            }
            if (x.error != 0) return failed(x.error);
            return std::nullopt;
        };

        // A redirect comes back as its status: following it could carry the key to another host.
        DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
        api_.WinHttpSetOption(h, WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never);
        if (IsLoopback(host) || (proxy && !proxy->named)) {
            // A service on this machine is reached directly, whatever the proxy settings say.
            WINHTTP_PROXY_INFO direct = {WINHTTP_ACCESS_TYPE_NO_PROXY, nullptr, nullptr};
            api_.WinHttpSetOption(h, WINHTTP_OPTION_PROXY, &direct, sizeof direct);
        } else if (proxy) {
            WINHTTP_PROXY_INFO named = {WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxy->proxy.data(),
                                        proxy->bypass.empty() ? nullptr : proxy->bypass.data()};
            api_.WinHttpSetOption(h, WINHTTP_OPTION_PROXY, &named, sizeof named);
        }

        for (const auto& [name, value] : request.headers) x.headers += Widen(name + ": " + value + "\r\n");
        x.body = request.body;
        const DWORD size = static_cast<DWORD>(x.body.size());
        void* body = size == 0 ? WINHTTP_NO_REQUEST_DATA : x.body.data();

        Arm(h, deadline);
        // The context goes with the request too: it is the value its callbacks get.
        if (auto f = step(api_.WinHttpSendRequest(
                h, x.headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : x.headers.c_str(),
                x.headers.empty() ? 0 : static_cast<DWORD>(-1L), body, size, size, context)))
            return *f;
        Arm(h, deadline);
        if (auto f = step(api_.WinHttpReceiveResponse(h, nullptr))) return *f;

        UpstreamAnswer answer;
        DWORD status = 0;
        DWORD status_size = sizeof status;
        if (!api_.WinHttpQueryHeaders(h, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                      WINHTTP_HEADER_NAME_BY_INDEX, &status, &status_size,
                                      WINHTTP_NO_HEADER_INDEX))
            return failed(GetLastError());
        answer.status = static_cast<int>(status);

        for (;;) {
            Arm(h, deadline);
            if (auto f = step(api_.WinHttpQueryDataAvailable(h, nullptr))) return *f;
            if (x.count == 0) break;
            // Never hold more than one byte past the cap: that byte is enough to know it is over.
            const std::size_t room = max_answer - std::min(max_answer, answer.body.size()) + 1;
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>({x.count, room, x.buffer.size()}));
            if (auto f = step(api_.WinHttpReadData(h, x.buffer.data(), want, nullptr))) return *f;
            answer.body.append(x.buffer.data(), x.count);
            if (answer.body.size() > max_answer)
                return Failed(UpstreamFailure::TooLarge,
                              "answer over " + std::to_string(max_answer) + " bytes");
            if (x.count == 0) break;
        }
        return answer;
    }

  private:
    const WinHttpApi& api_;
    HINTERNET session_ = nullptr;
    std::unique_ptr<ProxyFinder> proxies_;  // Windows 7 and 8 only
};

}  // namespace

std::unique_ptr<Upstream> MakeUpstream(const UpstreamOptions& options) {
    if (!options.ca_file.empty())
        throw std::invalid_argument(
            "key 'tls_ca_file' is not supported on Windows: the system's certificate store is used");
    return std::make_unique<WinHttpUpstream>();
}

}  // namespace plv
