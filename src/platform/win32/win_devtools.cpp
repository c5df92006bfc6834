// The DevTools endpoint over WinHTTP and the browser's pipe, the transports of the session. The
// WebSocket runs in WinHTTP's asynchronous mode: a receive is always outstanding, its completions
// (on WinHTTP's threads) queue whole messages, and the program's thread waits for the answer it
// wants on an event, never longer than it was told. A handle closed while a receive is
// outstanding cancels it; in synchronous mode Wine would leave the receive blocked for ever.

#include "platform/win32/win_devtools.h"

#include <ntsecapi.h>

#include <cstring>
#include <deque>
#include <utility>
#include <vector>

#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

using devtools::kMaxMessageBytes;
using devtools::kMaxQueuedMessages;
using devtools::Remaining;

// A body of the HTTP endpoint (the list of targets) larger than this is not believed.
constexpr std::size_t kMaxBodyBytes = 4u << 20;

// This process's TOKEN_USER, in a block of its own; empty when it cannot be read.
std::vector<unsigned char> TokenUserBytes() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    DWORD bytes = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &bytes);
    std::vector<unsigned char> user(bytes);
    if (bytes == 0 || !GetTokenInformation(token, TokenUser, user.data(), bytes, &bytes)) {
        user.clear();
    }
    CloseHandle(token);
    return user;
}

// Completions of a request's steps.
constexpr unsigned kStepSent = 1;
constexpr unsigned kStepHeaders = 2;
constexpr unsigned kStepRead = 4;

// WinHTTP is not one of the KnownDLLs: imported, a winhttp.dll lying beside plv.exe would be
// loaded in its place. Its calls are looked up in System32's at first use (FindProc). The
// WebSocket calls exist from Windows 8 on; without them the rest still serves (the plain
// requests), and without the rest nothing here does: no session is ever opened then.
struct WinHttpApi {
    decltype(&::WinHttpOpen) open = nullptr;
    decltype(&::WinHttpSetStatusCallback) setStatusCallback = nullptr;
    decltype(&::WinHttpCloseHandle) closeHandle = nullptr;
    decltype(&::WinHttpConnect) connect = nullptr;
    decltype(&::WinHttpOpenRequest) openRequest = nullptr;
    decltype(&::WinHttpSetOption) setOption = nullptr;
    decltype(&::WinHttpSendRequest) sendRequest = nullptr;
    decltype(&::WinHttpReceiveResponse) receiveResponse = nullptr;
    decltype(&::WinHttpQueryHeaders) queryHeaders = nullptr;
    decltype(&::WinHttpReadData) readData = nullptr;
    decltype(&::WinHttpWebSocketCompleteUpgrade) completeUpgrade = nullptr;
    decltype(&::WinHttpWebSocketSend) send = nullptr;
    decltype(&::WinHttpWebSocketReceive) receive = nullptr;
};

template <typename Fn>
void FindWinHttp(Fn& fn, const char* name) {
    fn = FindProc<Fn>(L"winhttp.dll", name);
}

const WinHttpApi& Api() {
    static const WinHttpApi api = [] {
        WinHttpApi a;
        FindWinHttp(a.open, "WinHttpOpen");
        FindWinHttp(a.setStatusCallback, "WinHttpSetStatusCallback");
        FindWinHttp(a.closeHandle, "WinHttpCloseHandle");
        FindWinHttp(a.connect, "WinHttpConnect");
        FindWinHttp(a.openRequest, "WinHttpOpenRequest");
        FindWinHttp(a.setOption, "WinHttpSetOption");
        FindWinHttp(a.sendRequest, "WinHttpSendRequest");
        FindWinHttp(a.receiveResponse, "WinHttpReceiveResponse");
        FindWinHttp(a.queryHeaders, "WinHttpQueryHeaders");
        FindWinHttp(a.readData, "WinHttpReadData");
        if (a.open == nullptr || a.setStatusCallback == nullptr || a.closeHandle == nullptr ||
            a.connect == nullptr || a.openRequest == nullptr || a.setOption == nullptr ||
            a.sendRequest == nullptr || a.receiveResponse == nullptr || a.queryHeaders == nullptr ||
            a.readData == nullptr) {
            return WinHttpApi{};
        }
        FindWinHttp(a.completeUpgrade, "WinHttpWebSocketCompleteUpgrade");
        FindWinHttp(a.send, "WinHttpWebSocketSend");
        FindWinHttp(a.receive, "WinHttpWebSocketReceive");
        if (a.completeUpgrade == nullptr || a.send == nullptr || a.receive == nullptr) {
            a.completeUpgrade = nullptr;
            a.send = nullptr;
            a.receive = nullptr;
        }
        return a;
    }();
    return api;
}

std::uint64_t Now() {
    return GetTickCount64();
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
    if (!Api().setOption(handle, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context)) {
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
            Api().closeHandle(h_);
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
    if (!Api().queryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                            WINHTTP_HEADER_NAME_BY_INDEX, &code, &size, WINHTTP_NO_HEADER_INDEX)) {
        return 0;
    }
    return code;
}

// Every wait is ours to bound, so every request is asynchronous: WinHTTP's own time-outs do not
// end a request that a server has taken and never answers, under Wine at least.
HINTERNET OpenAsyncSession() {
    if (Api().open == nullptr) {
        return nullptr;
    }
    HINTERNET session = Api().open(L"Parlevo", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                   WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
    if (session != nullptr &&
        Api().setStatusCallback(session, OnWinHttp,
                                WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES,
                                0) == WINHTTP_INVALID_STATUS_CALLBACK) {
        Api().closeHandle(session);
        return nullptr;
    }
    return session;
}

// Sends a request and waits for the headers of its answer: the status code, 0 when there is none
// in time. A request ended at its deadline is cancelled when its handle is closed.
DWORD Exchange(HINTERNET request, DevToolsChannel& ch, std::uint64_t deadline) {
    auto context = reinterpret_cast<DWORD_PTR>(&ch);
    if (!Api().sendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                           context) ||
        !ch.Await(kStepSent, deadline) || !Api().receiveResponse(request, nullptr) ||
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
        session.get() != nullptr ? Api().connect(session.get(), at.host.c_str(), at.port, 0) : nullptr);
    if (connection.get() == nullptr) {
        return std::nullopt;
    }
    ChannelRef channel;
    DevToolsChannel& ch = *channel;
    OwnedHandle request(Api().openRequest(connection.get(), verb, path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                          WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
    if (request.get() == nullptr || !Attach(request.get(), &ch) ||
        Exchange(request.get(), ch, deadline) != 200) {
        return std::nullopt;
    }
    std::string body;
    for (;;) {
        // The buffer is the channel's, so a read that completes after we gave up still has it.
        if (!Api().readData(request.get(), ch.buffer.data(), static_cast<DWORD>(ch.buffer.size()), nullptr) ||
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

namespace {

// A WebSocket over WinHTTP: the handles of its session, connection and socket, and the channel
// its completions report to.
class SocketTransport : public DevToolsTransport {
  public:
    SocketTransport() : channel_(new DevToolsChannel) {}
    ~SocketTransport() override {
        // Closing the socket cancels its outstanding receive; the channel goes with its last handle.
        for (HINTERNET h : {socket_, connection_, session_}) {
            if (h != nullptr) {
                Api().closeHandle(h);
            }
        }
        channel_->Release();
    }
    SocketTransport(const SocketTransport&) = delete;
    SocketTransport& operator=(const SocketTransport&) = delete;

    bool Open(const DevToolsAddress& at, const std::wstring& path, DWORD timeoutMs) {
        std::uint64_t deadline = Now() + timeoutMs;
        DevToolsChannel& ch = *channel_;
        session_ = OpenAsyncSession();
        connection_ = session_ != nullptr ? Api().connect(session_, at.host.c_str(), at.port, 0) : nullptr;
        if (connection_ == nullptr) {
            return false;
        }
        OwnedHandle request(Api().openRequest(connection_, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                              WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
        if (request.get() == nullptr || !Attach(request.get(), &ch) ||
            !Api().setOption(request.get(), WINHTTP_OPTION_UPGRADE_TO_WEB_SOCKET, nullptr, 0) ||
            Exchange(request.get(), ch, deadline) != 101) {
            return false;
        }
        auto context = reinterpret_cast<DWORD_PTR>(&ch);
        ch.AddRef();  // the socket's own reference, given back when its closing is reported
        socket_ = Api().completeUpgrade(request.get(), context);
        if (socket_ == nullptr) {
            ch.Release();
            return false;
        }
        {
            Lock l(ch.lock);
            ch.socket = socket_;
        }
        return ch.Receive(socket_);
    }

    bool Send(const std::string& text, std::uint64_t deadline) override {
        DevToolsChannel& ch = *channel_;
        // One write at a time: the one before has to be done with its buffer.
        for (;;) {
            {
                Lock l(ch.lock);
                if (ch.broken) {
                    return false;
                }
                if (!ch.writing) {
                    ch.outgoing = text;
                    ch.writing = true;
                    break;
                }
            }
            DWORD left = Remaining(deadline);
            if (left == 0) {
                return false;
            }
            WaitForSingleObject(ch.signal, left);
        }
        if (Api().send(socket_, WINHTTP_WEB_SOCKET_UTF8_MESSAGE_BUFFER_TYPE, ch.outgoing.data(),
                       static_cast<DWORD>(ch.outgoing.size())) != NO_ERROR) {
            Lock l(ch.lock);
            ch.writing = false;
            ch.broken = true;
            return false;
        }
        return true;
    }

    void Receive(std::deque<std::string>& into) override {
        Lock l(channel_->lock);
        for (std::string& m : channel_->messages) {
            into.push_back(std::move(m));
        }
        channel_->messages.clear();
    }

    void Wait(std::uint32_t ms) override { WaitForSingleObject(channel_->signal, ms); }

    bool Ended() override {
        Lock l(channel_->lock);
        return channel_->broken;
    }

  private:
    DevToolsChannel* channel_;
    HINTERNET session_ = nullptr;
    HINTERNET connection_ = nullptr;
    HINTERNET socket_ = nullptr;
};

// The browser's pipe. The program's thread keeps one overlapped read outstanding and takes its
// completion whenever it looks (Receive, Wait, Ended): nothing runs on another thread. A finished
// read keeps its event set until the next read begins, so nothing that arrives between a look
// and a wait is missed.
class PipeTransport : public DevToolsTransport {
  public:
    PipeTransport(HANDLE in, HANDLE out)
        : in_(in),
          out_(out),
          readEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          writeEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        ended_ = readEvent_ == nullptr || writeEvent_ == nullptr || !Read();
    }
    ~PipeTransport() override {
        if (reading_) {
            // The read writes into our buffer until it is over.
            CancelIoEx(in_, &read_);
            DWORD got = 0;
            GetOverlappedResult(in_, &read_, &got, TRUE);
        }
        for (HANDLE h : {in_, out_, readEvent_, writeEvent_}) {
            if (h != nullptr && h != INVALID_HANDLE_VALUE) {
                CloseHandle(h);
            }
        }
    }
    PipeTransport(const PipeTransport&) = delete;
    PipeTransport& operator=(const PipeTransport&) = delete;

    bool Send(const std::string& text, std::uint64_t deadline) override {
        if (Ended()) {
            return false;
        }
        std::string message = text;
        message.push_back('\0');
        OVERLAPPED write{};
        write.hEvent = writeEvent_;
        if (!WriteFile(out_, message.data(), static_cast<DWORD>(message.size()), nullptr, &write) &&
            GetLastError() != ERROR_IO_PENDING) {
            ended_ = true;
            return false;
        }
        // A browser that takes nothing more is hung. Half a message cannot be taken back, so a
        // write cut off at the deadline ends the connection.
        if (WaitForSingleObject(writeEvent_, Remaining(deadline)) != WAIT_OBJECT_0) {
            CancelIoEx(out_, &write);
        }
        DWORD written = 0;
        if (!GetOverlappedResult(out_, &write, &written, TRUE) || written != message.size()) {
            ended_ = true;
            return false;
        }
        return true;
    }

    void Receive(std::deque<std::string>& into) override {
        Pump();
        framing_.Take(into);
    }

    void Wait(std::uint32_t ms) override {
        Pump();
        if (framing_.Empty() && !ended_) {
            WaitForSingleObject(readEvent_, ms);
            Pump();
        }
    }

    bool Ended() override {
        Pump();
        return ended_;
    }

  private:
    bool Read() {
        read_ = OVERLAPPED{};
        read_.hEvent = readEvent_;
        if (!ReadFile(in_, buffer_.data(), static_cast<DWORD>(buffer_.size()), nullptr, &read_) &&
            GetLastError() != ERROR_IO_PENDING) {
            return false;
        }
        reading_ = true;
        return true;
    }

    // Takes the reads that have finished, starting the next one after each. A failed read is
    // the browser's end of the pipe closing: the browser has gone.
    void Pump() {
        while (reading_) {
            DWORD got = 0;
            if (!GetOverlappedResult(in_, &read_, &got, FALSE)) {
                if (GetLastError() == ERROR_IO_INCOMPLETE) {
                    return;
                }
                reading_ = false;
                ended_ = true;
                return;
            }
            reading_ = false;
            framing_.Add(buffer_.data(), got);
            if (!Read()) {
                ended_ = true;
            }
        }
    }

    HANDLE in_;
    HANDLE out_;
    HANDLE readEvent_;   // manual-reset: set while a read has finished and not been taken
    HANDLE writeEvent_;  // manual-reset
    OVERLAPPED read_{};
    bool reading_ = false;
    bool ended_ = false;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    devtools::NulFraming framing_;
};

}  // namespace

std::unique_ptr<DevToolsTransport> OpenDevToolsSocket(const DevToolsAddress& at, const std::wstring& path,
                                                      DWORD timeoutMs) {
    if (!HaveWebSocketClient()) {
        return nullptr;
    }
    auto socket = std::make_unique<SocketTransport>();
    if (!socket->Open(at, path, timeoutMs)) {
        return nullptr;
    }
    return socket;
}

bool MakeBrowserPipe(bool weRead, BrowserPipe& pipe) {
    pipe = BrowserPipe{};
    unsigned char random[16] = {};
    if (!RtlGenRandom(random, sizeof random)) {
        return false;
    }
    std::wstring name = L"\\\\.\\pipe\\parlevo-devtools-";
    for (unsigned char b : random) {
        name += L"0123456789abcdef"[b >> 4];
        name += L"0123456789abcdef"[b & 15];
    }
    // The default DACL of a pipe lets every user of the computer, and the anonymous logon, read
    // it; ours lets in the user we run as, whom the browser runs as too, and nobody else.
    std::vector<unsigned char> user = TokenUserBytes();
    if (user.empty()) {
        return false;
    }
    PSID sid = reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
    DWORD aclBytes = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + GetLengthSid(sid);
    std::vector<unsigned char> aclBlock(aclBytes);
    auto* acl = reinterpret_cast<PACL>(aclBlock.data());
    SECURITY_DESCRIPTOR descriptor{};
    if (!InitializeAcl(acl, aclBytes, ACL_REVISION) ||
        !AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, sid) ||
        !InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE)) {
        return false;
    }
    SECURITY_ATTRIBUTES security{sizeof security, &descriptor, FALSE};
    constexpr DWORD kPipeBytes = 64 * 1024;
    HANDLE ours =
        CreateNamedPipeW(name.c_str(),
                         (weRead ? PIPE_ACCESS_INBOUND : PIPE_ACCESS_OUTBOUND) | FILE_FLAG_OVERLAPPED |
                             FILE_FLAG_FIRST_PIPE_INSTANCE,
                         PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
                         kPipeBytes, kPipeBytes, 0, &security);
    if (ours == INVALID_HANDLE_VALUE) {
        return false;
    }
    HANDLE theirs = CreateFileW(name.c_str(), weRead ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (theirs == INVALID_HANDLE_VALUE) {
        CloseHandle(ours);
        return false;
    }
    pipe = BrowserPipe{ours, theirs, std::move(name)};
    return true;
}

std::unique_ptr<DevToolsTransport> MakeDevToolsPipe(HANDLE in, HANDLE out) {
    return std::make_unique<PipeTransport>(in, out);
}

std::unique_ptr<DevToolsSession> OpenDevToolsSession(const DevToolsAddress& at, const std::wstring& path,
                                                     DWORD timeoutMs) {
    auto socket = OpenDevToolsSocket(at, path, timeoutMs);
    return socket ? std::make_unique<DevToolsSession>(std::move(socket)) : nullptr;
}

}  // namespace plv::win

// The transports' deadlines are in the tick count.
std::uint64_t plv::devtools::NowMs() {
    return GetTickCount64();
}
