// The DevTools endpoint over WinHTTP. The WebSocket runs in WinHTTP's asynchronous mode: a receive
// is always outstanding, its completions (on WinHTTP's threads) queue whole messages, and the
// program's thread waits for the answer it wants on an event, never longer than it was told. A
// handle closed while a receive is outstanding cancels it; in synchronous mode Wine would leave
// the receive blocked for ever.

#include "platform/win32/win_devtools.h"

#include <deque>
#include <utility>
#include <vector>

#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

using nlohmann::json;

// A message larger than this is dropped as it arrives. The element reads are cut to 1 MiB of
// UTF-16 in the page, which JSON-escaped stays well below it.
constexpr std::size_t kMaxMessageBytes = 16u << 20;
// Events nobody waits for (and answers that came too late) are kept only this many at a time.
constexpr std::size_t kMaxQueuedMessages = 256;
// A body of the HTTP endpoint (the list of targets) larger than this is not believed.
constexpr std::size_t kMaxBodyBytes = 4u << 20;
// Commands in a row without an answer before the connection counts as broken.
constexpr int kMaxUnanswered = 3;
// Posted commands whose answers are watched for; older ones are forgotten.
constexpr std::size_t kMaxPosted = 16;

// Completions of a request's steps.
constexpr unsigned kStepSent = 1;
constexpr unsigned kStepHeaders = 2;
constexpr unsigned kStepRead = 4;

// The WebSocket calls exist from Windows 8 on; called directly they would keep the program from
// starting on Windows 7 at all, so they are looked up.
struct WebSocketApi {
    decltype(&WinHttpWebSocketCompleteUpgrade) completeUpgrade = nullptr;
    decltype(&WinHttpWebSocketSend) send = nullptr;
    decltype(&WinHttpWebSocketReceive) receive = nullptr;
};

template <typename Fn>
void Find(HMODULE module, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const WebSocketApi& Api() {
    static const WebSocketApi api = [] {
        WebSocketApi a;
        if (HMODULE m = GetModuleHandleW(L"winhttp.dll")) {
            Find(m, "WinHttpWebSocketCompleteUpgrade", a.completeUpgrade);
            Find(m, "WinHttpWebSocketSend", a.send);
            Find(m, "WinHttpWebSocketReceive", a.receive);
        }
        if (a.completeUpgrade == nullptr || a.send == nullptr || a.receive == nullptr) {
            a = {};
        }
        return a;
    }();
    return api;
}

std::uint64_t Now() {
    return GetTickCount64();
}

DWORD Remaining(std::uint64_t deadline) {
    std::uint64_t now = Now();
    return now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
}

class Lock {
  public:
    explicit Lock(CRITICAL_SECTION& cs) : cs_(cs) { EnterCriticalSection(&cs_); }
    ~Lock() { LeaveCriticalSection(&cs_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

  private:
    CRITICAL_SECTION& cs_;
};

}  // namespace

// What the session and WinHTTP's callbacks share. It is counted: the session holds it, and so does
// every WinHTTP handle that carries it as its context until that handle's closing is reported, so
// a completion that comes after the session has gone still finds it.
struct DevToolsChannel {
    DevToolsChannel() {
        InitializeCriticalSection(&lock);
        signal = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    }
    ~DevToolsChannel() {
        CloseHandle(signal);
        DeleteCriticalSection(&lock);
    }
    DevToolsChannel(const DevToolsChannel&) = delete;
    DevToolsChannel& operator=(const DevToolsChannel&) = delete;

    void AddRef() { InterlockedIncrement(&refs); }
    void Release() {
        if (InterlockedDecrement(&refs) == 0) {
            delete this;
        }
    }

    void Step(unsigned step, DWORD bytes = 0) {
        {
            Lock l(lock);
            steps |= step;
            got = bytes;
        }
        SetEvent(signal);
    }

    // Waits until the step has completed, and takes the completion; false when the request
    // failed or the time is up.
    bool Await(unsigned step, std::uint64_t deadline) {
        for (;;) {
            {
                Lock l(lock);
                if (broken) {
                    return false;
                }
                if ((steps & step) != 0) {
                    steps &= ~step;
                    return true;
                }
            }
            DWORD left = Remaining(deadline);
            if (left == 0) {
                return false;
            }
            WaitForSingleObject(signal, left);
        }
    }

    void Break() {
        {
            Lock l(lock);
            broken = true;
        }
        SetEvent(signal);
    }

    bool IsSocket(HINTERNET handle) {
        Lock l(lock);
        return socket != nullptr && handle == socket;
    }

    // A failure reported for a handle: the upgrade request's during the handshake, the socket's
    // after it. The request's handle is gone by then, and nothing of it may end the socket.
    void Failed(HINTERNET handle) {
        {
            Lock l(lock);
            if (socket != nullptr && handle != socket) {
                return;
            }
            broken = true;
        }
        SetEvent(signal);
    }

    void Written() {
        {
            Lock l(lock);
            writing = false;
        }
        SetEvent(signal);
    }

    // A piece of a message has arrived; the next receive goes out at once.
    void Received(HINTERNET handle, const WINHTTP_WEB_SOCKET_STATUS& status) {
        auto type = status.eBufferType;
        if (type == WINHTTP_WEB_SOCKET_CLOSE_BUFFER_TYPE) {
            Break();
            return;
        }
        if (!oversized && partial.size() + status.dwBytesTransferred > kMaxMessageBytes) {
            oversized = true;
            partial.clear();
        }
        if (!oversized) {
            partial.append(buffer.data(), status.dwBytesTransferred);
        }
        if (type == WINHTTP_WEB_SOCKET_UTF8_MESSAGE_BUFFER_TYPE ||
            type == WINHTTP_WEB_SOCKET_BINARY_MESSAGE_BUFFER_TYPE) {
            if (!oversized) {
                Lock l(lock);
                if (messages.size() >= kMaxQueuedMessages) {
                    messages.pop_front();
                }
                messages.push_back(std::move(partial));
            }
            partial.clear();
            oversized = false;
            SetEvent(signal);
        }
        if (!Receive(handle)) {
            Break();
        }
    }

    bool Receive(HINTERNET handle) {
        return Api().receive(handle, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, nullptr) ==
               NO_ERROR;
    }

    LONG refs = 1;
    CRITICAL_SECTION lock;
    HANDLE signal = nullptr;  // auto-reset: a step, a message, a finished write or the end
    // Under the lock:
    HINTERNET socket = nullptr;  // once the upgrade is complete
    unsigned steps = 0;
    DWORD got = 0;  // bytes of the last body read
    bool broken = false;
    bool writing = false;
    std::deque<std::string> messages;
    // Only while no write is outstanding does the session change it; WinHTTP reads it until then.
    std::string outgoing;
    // Only the completion of the one outstanding receive touches these.
    std::vector<char> buffer = std::vector<char>(64 * 1024);
    std::string partial;
    bool oversized = false;
};

namespace {

void CALLBACK OnWinHttp(HINTERNET handle, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
    auto* channel = reinterpret_cast<DevToolsChannel*>(context);
    if (channel == nullptr) {
        return;  // the session and connection handles carry no context
    }
    switch (status) {
        case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
            channel->Step(kStepSent);
            break;
        case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
            channel->Step(kStepHeaders);
            break;
        case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
            if (channel->IsSocket(handle)) {
                channel->Received(handle, *static_cast<const WINHTTP_WEB_SOCKET_STATUS*>(info));
            } else {
                channel->Step(kStepRead, length);
            }
            break;
        case WINHTTP_CALLBACK_STATUS_WRITE_COMPLETE:
            channel->Written();
            break;
        case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
            channel->Failed(handle);
            break;
        case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
            channel->Release();
            break;
        default:
            break;
    }
}

// Gives a WinHTTP handle the channel as its context, with a reference of its own.
bool Attach(HINTERNET handle, DevToolsChannel* channel) {
    auto context = reinterpret_cast<DWORD_PTR>(channel);
    channel->AddRef();
    if (!WinHttpSetOption(handle, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context)) {
        channel->Release();
        return false;
    }
    return true;
}

class OwnedHandle {
  public:
    explicit OwnedHandle(HINTERNET h = nullptr) : h_(h) {}
    ~OwnedHandle() {
        if (h_ != nullptr) {
            WinHttpCloseHandle(h_);
        }
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HINTERNET get() const { return h_; }

  private:
    HINTERNET h_;
};

DWORD StatusCode(HINTERNET request) {
    DWORD code = 0;
    DWORD size = sizeof code;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &code, &size, WINHTTP_NO_HEADER_INDEX)) {
        return 0;
    }
    return code;
}

// Every wait is ours to bound, so every request is asynchronous: WinHTTP's own time-outs do not
// end a request that a server has taken and never answers, under Wine at least.
HINTERNET OpenAsyncSession() {
    HINTERNET session = WinHttpOpen(L"Parlevo", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                    WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
    if (session != nullptr &&
        WinHttpSetStatusCallback(session, OnWinHttp,
                                 WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES,
                                 0) == WINHTTP_INVALID_STATUS_CALLBACK) {
        WinHttpCloseHandle(session);
        return nullptr;
    }
    return session;
}

// Sends a request and waits for the headers of its answer: the status code, 0 when there is none
// in time. A request ended at its deadline is cancelled when its handle is closed.
DWORD Exchange(HINTERNET request, DevToolsChannel& ch, std::uint64_t deadline) {
    auto context = reinterpret_cast<DWORD_PTR>(&ch);
    if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                            context) ||
        !ch.Await(kStepSent, deadline) || !WinHttpReceiveResponse(request, nullptr) ||
        !ch.Await(kStepHeaders, deadline)) {
        return 0;
    }
    return StatusCode(request);
}

class ChannelRef {
  public:
    ChannelRef() : channel_(new DevToolsChannel) {}
    ~ChannelRef() { channel_->Release(); }
    ChannelRef(const ChannelRef&) = delete;
    ChannelRef& operator=(const ChannelRef&) = delete;
    DevToolsChannel& operator*() const { return *channel_; }

  private:
    DevToolsChannel* channel_;
};

}  // namespace

std::u16string DevToolsAddress::Text() const {
    return u"http://" + U16(host.c_str()) + u":" + U16(std::to_wstring(port).c_str());
}

std::optional<DevToolsAddress> ParseDevToolsAddress(const std::u16string& text) {
    const std::u16string scheme = u"http://";
    if (text.rfind(scheme, 0) != 0) {
        return std::nullopt;
    }
    std::u16string rest = text.substr(scheme.size());
    if (!rest.empty() && rest.back() == u'/') {
        rest.pop_back();
    }
    std::size_t colon = rest.rfind(u':');
    if (colon == std::u16string::npos || colon + 1 == rest.size() || rest.size() - colon > 6 ||
        rest.find_first_not_of(u"0123456789", colon + 1) != std::u16string::npos) {
        return std::nullopt;
    }
    unsigned long port =
        std::stoul(std::string(rest.begin() + static_cast<std::ptrdiff_t>(colon) + 1, rest.end()));
    std::u16string host = rest.substr(0, colon);
    bool loopback =
        host == u"localhost" || host == u"[::1]" ||
        (host.rfind(u"127.", 0) == 0 && host.find_first_not_of(u"0123456789.") == std::u16string::npos);
    if (!loopback || port == 0 || port > 65535) {
        return std::nullopt;
    }
    // WinHTTP tries ::1 first for localhost, where Chromium does not listen, and Windows retries
    // a refused connection for about 2 s: every attempt would freeze the program that long.
    if (host == u"localhost") {
        host = u"127.0.0.1";
    }
    return DevToolsAddress{std::wstring(host.begin(), host.end()), static_cast<INTERNET_PORT>(port)};
}

std::optional<std::string> DevToolsRequest(const DevToolsAddress& at, const wchar_t* verb,
                                           const std::wstring& path, DWORD timeoutMs) {
    std::uint64_t deadline = Now() + timeoutMs;
    OwnedHandle session(OpenAsyncSession());
    OwnedHandle connection(
        session.get() != nullptr ? WinHttpConnect(session.get(), at.host.c_str(), at.port, 0) : nullptr);
    if (connection.get() == nullptr) {
        return std::nullopt;
    }
    ChannelRef channel;
    DevToolsChannel& ch = *channel;
    OwnedHandle request(WinHttpOpenRequest(connection.get(), verb, path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                           WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
    if (request.get() == nullptr || !Attach(request.get(), &ch) ||
        Exchange(request.get(), ch, deadline) != 200) {
        return std::nullopt;
    }
    std::string body;
    for (;;) {
        // The buffer is the channel's, so a read that completes after we gave up still has it.
        if (!WinHttpReadData(request.get(), ch.buffer.data(), static_cast<DWORD>(ch.buffer.size()),
                             nullptr) ||
            !ch.Await(kStepRead, deadline)) {
            return std::nullopt;
        }
        DWORD got = 0;
        {
            Lock l(ch.lock);
            got = ch.got;
        }
        if (got == 0) {
            return body;
        }
        if (body.size() + got > kMaxBodyBytes) {
            return std::nullopt;
        }
        body.append(ch.buffer.data(), got);
    }
}

bool HaveWebSocketClient() {
    return Api().receive != nullptr;
}

std::unique_ptr<DevToolsSession> DevToolsSession::Open(const DevToolsAddress& at, const std::wstring& path,
                                                       DWORD timeoutMs) {
    if (!HaveWebSocketClient()) {
        return nullptr;
    }
    std::uint64_t deadline = Now() + timeoutMs;
    std::unique_ptr<DevToolsSession> s(new DevToolsSession);
    s->channel_ = new DevToolsChannel;
    DevToolsChannel& ch = *s->channel_;
    s->session_ = OpenAsyncSession();
    if (s->session_ == nullptr) {
        return nullptr;
    }
    s->connection_ = WinHttpConnect(s->session_, at.host.c_str(), at.port, 0);
    if (s->connection_ == nullptr) {
        return nullptr;
    }
    OwnedHandle request(WinHttpOpenRequest(s->connection_, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                           WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
    if (request.get() == nullptr || !Attach(request.get(), &ch) ||
        !WinHttpSetOption(request.get(), WINHTTP_OPTION_UPGRADE_TO_WEB_SOCKET, nullptr, 0)) {
        return nullptr;
    }
    if (Exchange(request.get(), ch, deadline) != 101) {
        return nullptr;
    }
    auto context = reinterpret_cast<DWORD_PTR>(&ch);
    ch.AddRef();  // the socket's own reference, given back when its closing is reported
    s->socket_ = Api().completeUpgrade(request.get(), context);
    if (s->socket_ == nullptr) {
        ch.Release();
        return nullptr;
    }
    {
        Lock l(ch.lock);
        ch.socket = s->socket_;
    }
    if (!ch.Receive(s->socket_)) {
        return nullptr;
    }
    return s;
}

DevToolsSession::~DevToolsSession() {
    // Closing the socket cancels its outstanding receive; the channel goes with its last handle.
    for (HINTERNET h : {socket_, connection_, session_}) {
        if (h != nullptr) {
            WinHttpCloseHandle(h);
        }
    }
    if (channel_ != nullptr) {
        channel_->Release();
    }
}

bool DevToolsSession::Broken() const {
    Lock l(channel_->lock);
    return channel_->broken;
}

std::int64_t DevToolsSession::Send(const char* method, json params, std::uint64_t deadline) {
    DevToolsChannel& ch = *channel_;
    // One write at a time: the one before has to be done with its buffer.
    for (;;) {
        {
            Lock l(ch.lock);
            if (ch.broken) {
                return 0;
            }
            if (!ch.writing) {
                break;
            }
        }
        DWORD left = Remaining(deadline);
        if (left == 0) {
            return 0;
        }
        WaitForSingleObject(ch.signal, left);
    }
    std::int64_t id = ++nextId_;
    json message = {{"id", id}, {"method", method}, {"params", std::move(params)}};
    {
        Lock l(ch.lock);
        // ASCII only: the text the page gets is escaped, whatever its characters.
        ch.outgoing = message.dump(-1, ' ', true, json::error_handler_t::replace);
        ch.writing = true;
    }
    if (Api().send(socket_, WINHTTP_WEB_SOCKET_UTF8_MESSAGE_BUFFER_TYPE, ch.outgoing.data(),
                   static_cast<DWORD>(ch.outgoing.size())) != NO_ERROR) {
        Lock l(ch.lock);
        ch.writing = false;
        ch.broken = true;
        return 0;
    }
    return id;
}

std::int64_t DevToolsSession::Post(const char* method, json params) {
    // A write on the loopback interface is done at once; a browser that takes longer is hung.
    std::int64_t id = Send(method, std::move(params), Now() + 250);
    if (id != 0) {
        if (posted_.size() >= kMaxPosted) {
            posted_.erase(posted_.begin());
        }
        posted_.insert(id);
    }
    return id;
}

bool DevToolsSession::Answered(std::int64_t id) {
    bool found = false;
    Take(0, found);
    return Broken() || posted_.count(id) == 0;
}

std::optional<json> DevToolsSession::Take(std::int64_t wanted, bool& found) {
    std::deque<std::string> arrived;
    {
        Lock l(channel_->lock);
        arrived.swap(channel_->messages);
    }
    std::optional<json> result;
    for (const std::string& text : arrived) {
        json answer = json::parse(text, nullptr, false);
        auto it = answer.is_object() ? answer.find("id") : answer.end();
        if (it == answer.end() || !it->is_number_integer()) {
            continue;
        }
        std::int64_t id = it->get<std::int64_t>();
        posted_.erase(id);
        if (id != wanted || found) {
            continue;
        }
        found = true;
        auto r = answer.find("result");
        if (!answer.contains("error") && r != answer.end()) {
            result = std::move(*r);
        }
    }
    return result;
}

std::optional<json> DevToolsSession::Call(const char* method, json params, DWORD timeoutMs) {
    std::uint64_t deadline = Now() + timeoutMs;
    std::int64_t id = Send(method, std::move(params), deadline);
    while (id != 0) {
        bool found = false;
        auto result = Take(id, found);
        if (found) {
            unanswered_ = 0;
            return result;
        }
        DWORD left = Remaining(deadline);
        if (Broken() || left == 0) {
            break;
        }
        WaitForSingleObject(channel_->signal, left);
    }
    if (++unanswered_ >= kMaxUnanswered) {
        Lock l(channel_->lock);
        channel_->broken = true;
    }
    return std::nullopt;
}

}  // namespace plv::win
