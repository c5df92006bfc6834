#pragma once
// A Chromium-family browser's DevTools protocol on Windows: its endpoint on the loopback
// interface over WinHTTP (plain HTTP requests for the list of targets or a new tab, and
// WebSockets), and the pipe of a browser started with --remote-debugging-pipe: the transports the
// shared session (platform/devtools) runs over. Every wait here has a bound, and nothing pumps window
// messages.

#include "platform/win32/win_api.h"
// (the backend's Windows headers first)

#include <winhttp.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/devtools/devtools_session.h"

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

// The transports here carry the shared session (platform/devtools): whole JSON texts both ways,
// deadlines in the tick count.
using DevToolsTransport = devtools::Transport;
using DevToolsSession = devtools::Session;
using DevToolsTo = devtools::To;

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

// A session over a WebSocket to the target at path; nothing when there is none in time.
std::unique_ptr<DevToolsSession> OpenDevToolsSession(const DevToolsAddress& at, const std::wstring& path,
                                                     DWORD timeoutMs);

}  // namespace plv::win
