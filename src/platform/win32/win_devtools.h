#pragma once
// A Chromium-family browser's DevTools protocol: its endpoint on the loopback interface over
// WinHTTP (plain HTTP requests for the list of targets or a new tab, and WebSockets), the pipe of
// a browser started with --remote-debugging-pipe, and a session of commands and answers over
// either. Every wait here has a bound, and nothing pumps window messages.

#include "platform/win32/win_api.h"
// (the backend's Windows headers first)

#include <winhttp.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

namespace plv::win {

struct DevToolsAddress {
    std::wstring host;  // 127.0.0.1, localhost or [::1]
    INTERNET_PORT port = 0;
    // http://HOST:PORT, for messages.
    std::u16string Text() const;
};

// "http://HOST:PORT" (a trailing slash allowed) with a loopback host; nothing for anything else.
std::optional<DevToolsAddress> ParseDevToolsAddress(const std::u16string& text);

// One HTTP request to the endpoint (GET, or PUT for /json/new): the body of a 200 answer, nothing
// when there is none within the time.
std::optional<std::string> DevToolsRequest(const DevToolsAddress& at, const wchar_t* verb,
                                           const std::wstring& path, DWORD timeoutMs);

// Whether this system's WinHTTP has a WebSocket client (Windows 8 and later).
bool HaveWebSocketClient();

// What carries a DevTools connection's messages, whole JSON texts both ways: a WebSocket to one
// target of the HTTP endpoint, or the pipe of a browser started with --remote-debugging-pipe.
class DevToolsTransport {
  public:
    virtual ~DevToolsTransport() = default;
    // Sends one message; false when the connection has ended, or when the write is not done by
    // the deadline (tick count), which ends it.
    virtual bool Send(const std::string& text, std::uint64_t deadline) = 0;
    // Moves the messages that have arrived, in their order, to the end of `into`.
    virtual void Receive(std::deque<std::string>& into) = 0;
    // Waits at most ms for a message or the end of the connection.
    virtual void Wait(DWORD ms) = 0;
    // The browser closed the connection or went away, or a write failed.
    virtual bool Ended() = 0;
};

// A WebSocket to a target (/devtools/page/ID or /devtools/browser/ID); nothing when the
// endpoint does not take the connection within the time.
std::unique_ptr<DevToolsTransport> OpenDevToolsSocket(const DevToolsAddress& at, const std::wstring& path,
                                                      DWORD timeoutMs);
// One direction of the pipe of a browser we start: our end, for overlapped I/O, and the browser's
// end, plain (Chromium reads and writes it with blocking calls on threads of its own), for the
// browser to inherit. The name is random and the pipe has one instance, made by us, open to the
// current user alone: nobody can make it first, nor connect to it before the browser's end is
// open, and once it is nobody can at all. False when it cannot be made (nothing is left open).
struct BrowserPipe {
    HANDLE ours = nullptr;
    HANDLE theirs = nullptr;
    std::wstring name;
};
bool MakeBrowserPipe(bool weRead, BrowserPipe& pipe);

// The browser's pipe: its answers and events come on `in`, our commands go on `out`, each
// message ended by a NUL byte. Both are our ends of named pipes opened for overlapped I/O; the
// transport closes them.
std::unique_ptr<DevToolsTransport> MakeDevToolsPipe(HANDLE in, HANDLE out);

// Where a command goes. A WebSocket to a page speaks to that page only. A connection to the
// browser (its pipe) speaks to the browser, and to a page once the session uses one: its
// commands then carry the page's sessionId (Target.attachToTarget with flatten).
enum class DevToolsTo { Page, Browser };

// A DevTools session over one transport. Commands are sent with increasing ids; an answer is
// taken only for the command it belongs to, so one that comes too late is dropped when it
// arrives.
class DevToolsSession {
  public:
    explicit DevToolsSession(std::unique_ptr<DevToolsTransport> transport);
    // A session over a WebSocket to the target at path; nothing when there is none in time.
    static std::unique_ptr<DevToolsSession> Open(const DevToolsAddress& at, const std::wstring& path,
                                                 DWORD timeoutMs);
    ~DevToolsSession();
    DevToolsSession(const DevToolsSession&) = delete;
    DevToolsSession& operator=(const DevToolsSession&) = delete;

    // The connection itself has ended (the browser closed it or went away).
    bool Ended();
    // Nothing more can be done with the page: the connection has ended, the page stopped
    // answering, or (over a browser connection) the page went away.
    bool Broken();
    // From now on page commands carry this sessionId, and the page counts as answering again.
    // The page used before, if any, is let go.
    void UsePage(const std::string& sessionId);
    // Sends a command without waiting for its answer: its id, 0 when it cannot be sent.
    std::int64_t Post(const char* method, nlohmann::json params, DevToolsTo to = DevToolsTo::Page);
    // Whether the answer to a command sent with Post has come (or the session is broken).
    bool Answered(std::int64_t id);
    // Sends a command and waits at most timeoutMs for its answer: its "result", nothing when the
    // answer is an error, late, or the command cannot be sent. Several commands in a row without
    // an answer leave the page broken, so that a hung browser costs the wait only a few times;
    // commands to the browser still go out then, to find a page again or close it.
    std::optional<nlohmann::json> Call(const char* method, nlohmann::json params, DWORD timeoutMs,
                                       DevToolsTo to = DevToolsTo::Page);

  private:
    std::int64_t Send(const char* method, nlohmann::json params, DevToolsTo to, std::uint64_t deadline);
    // Takes what has arrived: the answer to the command `wanted`, if among it; the answers to
    // posted commands are noted, the page's going away too, and everything else (events,
    // answers that came too late) dropped.
    std::optional<nlohmann::json> Take(std::int64_t wanted, bool& found);

    std::unique_ptr<DevToolsTransport> transport_;
    std::string page_;       // the page's sessionId over a browser connection
    bool pageGone_ = false;  // the browser said the page was detached
    bool hung_ = false;      // too many commands in a row went unanswered
    std::int64_t nextId_ = 0;
    int unanswered_ = 0;
    std::set<std::int64_t> posted_;  // posted commands whose answer has not come yet
};

}  // namespace plv::win
