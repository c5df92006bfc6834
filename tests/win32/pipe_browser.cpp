// A stand-in for a Chromium-family browser started with --remote-debugging-pipe, for the tests of
// the Chromium engine's browser of our own. Like Chromium on Windows it takes the pipe's ends
// from its C runtime's descriptors 3 (commands) and 4 (answers and events), messages ended by a
// NUL byte, and relays them to the browser endpoint of the Chromium that PLV_DEVTOOLS names. It
// shows a window of its own with a taskbar button, as a browser's window has, and writes its
// command line to the file PLV_PIPE_BROWSER_LOG names. Browser.close is answered here and ends
// it, as does the end of its pipe or of its connection to Chromium.

#include "platform/win32/win_api.h"
// (the backend's Windows headers first)

#include <io.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/win_devtools.h"
#include "platform/win32/win_text.h"

namespace {

using plv::win::DevToolsTransport;

std::wstring Variable(const wchar_t* name) {
    std::vector<wchar_t> value(32768);
    DWORD n = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    return n > 0 && n < value.size() ? std::wstring(value.data(), n) : std::wstring();
}

void WriteCommandLine() {
    std::wstring path = Variable(L"PLV_PIPE_BROWSER_LOG");
    HANDLE file = path.empty()
                      ? INVALID_HANDLE_VALUE
                      : CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const wchar_t* line = GetCommandLineW();
        DWORD written = 0;
        WriteFile(file, line, static_cast<DWORD>(wcslen(line) * sizeof(wchar_t)), &written, nullptr);
        CloseHandle(file);
    }
}

// The commands read from descriptor 3 on a thread of their own, for the main thread to send on.
struct Inbox {
    HANDLE pipe = nullptr;
    CRITICAL_SECTION lock;
    std::deque<std::string> messages;
    bool ended = false;
};

DWORD WINAPI ReadCommands(void* context) {
    auto* inbox = static_cast<Inbox*>(context);
    std::string partial;
    std::vector<char> buffer(64 * 1024);
    DWORD got = 0;
    while (ReadFile(inbox->pipe, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
        for (DWORD i = 0; i < got; ++i) {
            if (buffer[i] != '\0') {
                partial += buffer[i];
                continue;
            }
            EnterCriticalSection(&inbox->lock);
            inbox->messages.push_back(std::move(partial));
            LeaveCriticalSection(&inbox->lock);
            partial.clear();
        }
    }
    EnterCriticalSection(&inbox->lock);
    inbox->ended = true;
    LeaveCriticalSection(&inbox->lock);
    return 0;
}

bool Answer(HANDLE pipe, std::string text) {
    text.push_back('\0');
    DWORD written = 0;
    return WriteFile(pipe, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

// The Linux Chromium, whose browser target the stand-in relays to. Other tests use the same
// Chromium, so the stand-in shows the engine only the pages it made itself, as a browser of our
// own has only its own window: one at its start, and those the engine makes.
class Chromium {
  public:
    bool Connect() {
        std::wstring text = Variable(L"PLV_DEVTOOLS");
        at_ = plv::win::ParseDevToolsAddress(plv::win::U16(text.c_str()));
        auto version = at_ ? plv::win::DevToolsRequest(*at_, L"GET", L"/json/version", 5000) : std::nullopt;
        auto page =
            version ? plv::win::DevToolsRequest(*at_, L"PUT", L"/json/new?about:blank", 5000) : std::nullopt;
        if (!page) {
            return false;
        }
        mine_.insert(Json(*page).value("id", ""));
        std::string url = Json(*version).value("webSocketDebuggerUrl", "");
        std::size_t scheme = url.find("://");
        std::size_t slash = scheme == std::string::npos ? scheme : url.find('/', scheme + 3);
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

    bool Send(const std::string& text, const nlohmann::json& command) {
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
            nlohmann::json message = Json(text);
            auto watched = watched_.find(message.value("id", std::int64_t{-1}));
            if (watched == watched_.end() || !message.contains("result")) {
                continue;
            }
            nlohmann::json& result = message["result"];
            if (watched->second == "Target.createTarget") {
                mine_.insert(result.value("targetId", ""));
            } else if (result.contains("targetInfos")) {
                nlohmann::json shown = nlohmann::json::array();
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

    bool Ended() { return socket_->Ended(); }
    void Wait(DWORD ms) { socket_->Wait(ms); }

  private:
    static nlohmann::json Json(const std::string& text) {
        nlohmann::json j = nlohmann::json::parse(text, nullptr, false);
        return j.is_object() ? j : nlohmann::json::object();
    }

    std::optional<plv::win::DevToolsAddress> at_;
    std::unique_ptr<DevToolsTransport> socket_;
    std::set<std::string> mine_;
    std::map<std::int64_t, std::string> watched_;  // command ids whose answers are looked at
};

}  // namespace

int main() {
    WriteCommandLine();
    auto commands = reinterpret_cast<HANDLE>(_get_osfhandle(3));
    auto answers = reinterpret_cast<HANDLE>(_get_osfhandle(4));
    if (commands == INVALID_HANDLE_VALUE || answers == INVALID_HANDLE_VALUE) {
        return 2;
    }

    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PlvPipeBrowser";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(WS_EX_APPWINDOW, wc.lpszClassName, L"pipe browser", WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, nullptr, wc.hInstance, nullptr);
    if (window == nullptr) {
        return 3;
    }
    ShowWindow(window, SW_SHOWDEFAULT);  // as the starter asked: SW_SHOWNOACTIVATE

    Chromium chromium;
    if (!chromium.Connect()) {
        return 4;
    }
    Inbox inbox;
    inbox.pipe = commands;
    InitializeCriticalSection(&inbox.lock);
    HANDLE reader = CreateThread(nullptr, 0, ReadCommands, &inbox, 0, nullptr);
    if (reader == nullptr) {
        return 5;
    }
    // One thread for the window and the connection: the window answers the starter's changes to it
    // within a few milliseconds, as a browser's does.
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        std::deque<std::string> out;
        bool ended = false;
        EnterCriticalSection(&inbox.lock);
        out.swap(inbox.messages);
        ended = inbox.ended;
        LeaveCriticalSection(&inbox.lock);
        for (const std::string& text : out) {
            auto command = nlohmann::json::parse(text, nullptr, false);
            if (!command.is_object()) {
                continue;
            }
            if (command.value("method", "") == "Browser.close") {
                chromium.ClosePages();
                Answer(answers,
                       nlohmann::json{{"id", command.value("id", 0)}, {"result", nlohmann::json::object()}}
                           .dump());
                return 0;
            }
            if (!chromium.Send(text, command)) {
                return 6;
            }
        }
        if (ended) {
            chromium.ClosePages();
            return 0;  // the starter closed the pipe: a browser ends then
        }
        for (const std::string& text : chromium.Receive()) {
            if (!Answer(answers, text)) {
                return 0;
            }
        }
        if (chromium.Ended()) {
            return 7;
        }
        // Commands from the reader thread do not end this wait: it is kept short.
        chromium.Wait(1);
    }
}
