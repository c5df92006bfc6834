#pragma once
// A Chromium-family browser's DevTools endpoint on the loopback interface, over WinHTTP: its plain
// HTTP requests (the list of targets, a new tab) and one WebSocket session to a target. Every wait
// here has a bound, and nothing pumps window messages.

#include "platform/win32/win_api.h"
// (the backend's Windows headers first)

#include <winhttp.h>

#include <cstdint>
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

struct DevToolsChannel;

// A WebSocket session with one target (/devtools/page/ID). Commands are sent with increasing ids;
// an answer is taken only for the command it belongs to, so one that comes too late is dropped
// when it arrives.
class DevToolsSession {
  public:
    // Nothing when the endpoint does not take the connection within the time.
    static std::unique_ptr<DevToolsSession> Open(const DevToolsAddress& at, const std::wstring& path,
                                                 DWORD timeoutMs);
    ~DevToolsSession();
    DevToolsSession(const DevToolsSession&) = delete;
    DevToolsSession& operator=(const DevToolsSession&) = delete;

    // The connection has ended (the browser closed it or went away), or stopped answering.
    bool Broken() const;
    // Sends a command without waiting for its answer: its id, 0 when the connection is broken.
    std::int64_t Post(const char* method, nlohmann::json params);
    // Whether the answer to a command sent with Post has come (or the connection has ended).
    bool Answered(std::int64_t id);
    // Sends a command and waits at most timeoutMs for its answer: its "result", nothing when the
    // answer is an error, late, or the connection is broken. Several commands in a row without an
    // answer break the connection, so that a hung browser costs the wait only a few times.
    std::optional<nlohmann::json> Call(const char* method, nlohmann::json params, DWORD timeoutMs);

  private:
    DevToolsSession() = default;
    std::int64_t Send(const char* method, nlohmann::json params, std::uint64_t deadline);
    // Takes what has arrived: the answer to the command `wanted`, if among it; the answers to
    // posted commands are noted, and everything else (events, answers that came too late) dropped.
    std::optional<nlohmann::json> Take(std::int64_t wanted, bool& found);

    HINTERNET session_ = nullptr;
    HINTERNET connection_ = nullptr;
    HINTERNET socket_ = nullptr;
    DevToolsChannel* channel_ = nullptr;
    std::int64_t nextId_ = 0;
    int unanswered_ = 0;
    std::set<std::int64_t> posted_;  // posted commands whose answer has not come yet
};

}  // namespace plv::win
