// A stand-in for a Chromium-family browser started with --remote-debugging-pipe, for the tests of
// the Chromium engine's browser of our own. Like Chromium on Windows it takes the pipe's ends
// from its C runtime's descriptors 3 (commands) and 4 (answers and events), messages ended by a
// NUL byte, and relays them to the browser endpoint of the Chromium that PLV_DEVTOOLS names. It
// shows a window of its own with a taskbar button, as a browser's window has, and writes its
// command line to the file PLV_PIPE_BROWSER_LOG names, with whether it runs in a job and whether
// that job lets a process it starts break away, as Chromium's renderers do. Browser.close is
// answered here and ends it, as does the end of its pipe or of its connection to Chromium.

#include "platform/win32/win_api.h"
// (the backend's Windows headers first)

#include <io.h>

#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/win32/win_devtools.h"
#include "platform/win32/win_text.h"

namespace {

using nlohmann::json;

std::wstring Variable(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n < 1024 ? std::wstring(value, n) : std::wstring();
}

json Parse(const std::string& text) {
    json j = json::parse(text, nullptr, false);
    return j.is_object() ? j : json::object();
}

bool Write(HANDLE pipe, std::string text) {
    text.push_back('\0');
    DWORD written = 0;
    return WriteFile(pipe, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

// The Linux Chromium's browser target. Other tests use the same Chromium, so the stand-in shows
// the engine only the pages it made itself, as a browser of our own has only its own window: one
// made at its start, and those the engine makes.
class Chromium {
  public:
    bool Connect() {
        at_ = plv::win::ParseDevToolsAddress(plv::win::U16(Variable(L"PLV_DEVTOOLS").c_str()));
        auto version = at_ ? plv::win::DevToolsRequest(*at_, L"GET", L"/json/version", 5000) : std::nullopt;
        auto page =
            version ? plv::win::DevToolsRequest(*at_, L"PUT", L"/json/new?about:blank", 5000) : std::nullopt;
        if (!page) {
            return false;
        }
        mine_.insert(Parse(*page).value("id", ""));
        std::string url = Parse(*version).value("webSocketDebuggerUrl", "");
        std::size_t slash = url.find('/', url.find("://") + 3);
        std::string path = slash == std::string::npos ? "" : url.substr(slash);
        socket_ = plv::win::OpenDevToolsSocket(*at_, std::wstring(path.begin(), path.end()), 5000);
        return socket_ != nullptr;
    }

    // Closes the pages it made, as a browser that closes does.
    void ClosePages() {
        for (const std::string& id : mine_) {
            plv::win::DevToolsRequest(*at_, L"GET", L"/json/close/" + std::wstring(id.begin(), id.end()),
                                      2000);
        }
    }

    bool Send(const std::string& text, const json& command) {
        std::string method = command.value("method", "");
        if (method == "Target.getTargets" || method == "Target.createTarget") {
            watched_[command.value("id", std::int64_t{0})] = method;
        }
        return socket_->Send(text, GetTickCount64() + 5000);
    }

    std::deque<std::string> Receive() {
        std::deque<std::string> in;
        socket_->Receive(in);
        for (std::string& text : in) {
            json message = Parse(text);
            auto watched = watched_.find(message.value("id", std::int64_t{-1}));
            if (watched == watched_.end() || !message.contains("result")) {
                continue;
            }
            json& result = message["result"];
            if (watched->second == "Target.createTarget") {
                mine_.insert(result.value("targetId", ""));
            } else if (result.contains("targetInfos")) {
                json shown = json::array();
                for (const auto& t : result["targetInfos"]) {
                    if (mine_.count(t.value("targetId", "")) != 0) {
                        shown.push_back(t);
                    }
                }
                result["targetInfos"] = std::move(shown);
                text = message.dump();
            }
            watched_.erase(watched);
        }
        return in;
    }

    plv::win::DevToolsTransport& socket() { return *socket_; }

  private:
    std::optional<plv::win::DevToolsAddress> at_;
    std::unique_ptr<plv::win::DevToolsTransport> socket_;
    std::set<std::string> mine_;
    std::map<std::int64_t, std::string> watched_;  // commands whose answers are looked at
};

}  // namespace

// Chromium starts its renderers out of the job it runs in (CREATE_BREAKAWAY_FROM_JOB), to put each
// in a job of its own; before Windows 8 nothing else works. Whether the starter's job allows that.
bool CanBreakAway() {
    wchar_t self[MAX_PATH] = {};
    if (GetModuleFileNameW(nullptr, self, MAX_PATH) == 0) {
        return false;
    }
    std::wstring line = L"\"" + std::wstring(self) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    if (!CreateProcessW(self, line.data(), nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED | CREATE_BREAKAWAY_FROM_JOB, nullptr, nullptr, &startup, &child)) {
        return false;
    }
    TerminateProcess(child.hProcess, 0);
    WaitForSingleObject(child.hProcess, 5000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return true;
}

int main() {
    if (FILE* log = _wfopen(Variable(L"PLV_PIPE_BROWSER_LOG").c_str(), L"w")) {
        BOOL inJob = FALSE;
        IsProcessInJob(GetCurrentProcess(), nullptr, &inJob);
        std::fprintf(log, "%s\nin a job: %d, breakaway: %d\n", GetCommandLineA(), inJob ? 1 : 0,
                     CanBreakAway() ? 1 : 0);
        std::fclose(log);
    }
    auto commands = reinterpret_cast<HANDLE>(_get_osfhandle(3));
    auto answers = reinterpret_cast<HANDLE>(_get_osfhandle(4));
    if (commands == INVALID_HANDLE_VALUE || answers == INVALID_HANDLE_VALUE) {
        return 2;
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PlvPipeBrowser";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(WS_EX_APPWINDOW, wc.lpszClassName, L"pipe browser", WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOWDEFAULT);  // as the starter asked: SW_SHOWNOACTIVATE
    Chromium chromium;
    if (window == nullptr || !chromium.Connect()) {
        return 3;
    }
    // One thread for the window, the pipe and the connection: the window answers the starter's
    // changes to it within a few milliseconds, as a browser's does.
    std::string partial;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        DWORD available = 0;
        if (!PeekNamedPipe(commands, nullptr, 0, nullptr, &available, nullptr)) {
            chromium.ClosePages();
            return 0;  // the starter closed the pipe: a browser ends then
        }
        std::string bytes(available, '\0');
        if (available > 0 && !ReadFile(commands, bytes.data(), available, &available, nullptr)) {
            return 4;
        }
        for (char c : bytes) {
            if (c != '\0') {
                partial += c;
                continue;
            }
            json command = Parse(partial);
            if (command.value("method", "") == "Browser.close") {
                chromium.ClosePages();
                Write(answers, json{{"id", command.value("id", 0)}, {"result", json::object()}}.dump());
                return 0;
            }
            if (!chromium.Send(partial, command)) {
                return 5;
            }
            partial.clear();
        }
        for (const std::string& text : chromium.Receive()) {
            if (!Write(answers, text)) {
                return 0;
            }
        }
        if (chromium.socket().Ended()) {
            return 6;
        }
        // Commands on the pipe do not end this wait: it is kept short.
        chromium.socket().Wait(1);
    }
}
