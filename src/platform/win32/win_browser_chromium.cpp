// The Chromium engine: a Chromium-family browser (Edge, Chrome) shows the service page, and the
// program reaches the page's elements over the browser's DevTools protocol. Either a browser of our
// own, started with a private profile and kept off the screen while the main form is hidden, or
// one the user runs with a DevTools endpoint, in a tab of our own.
//
// Every operation runs on the program's one thread and waits a bounded time without pumping
// window messages. An element operation is one Runtime.evaluate of a small function; its answer
// takes about half a millisecond on a healthy browser (median 0.6 ms, p99 about 2 ms over 1,000
// reads under Wine against Chromium), so the bound of 250 ms is only reached by a browser that is
// hung, and the program's 100 ms poll is never held up otherwise.

#include "platform/win32/win_browser.h"
// (the backend's Windows headers first)

#include <deque>
#include <utility>

#include "base/text.h"
#include "platform/win32/win_devtools.h"
#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

using nlohmann::json;

constexpr DWORD kAnswerMs = 250;     // one command's answer
constexpr DWORD kEndpointMs = 2000;  // one request to the HTTP endpoint, or the WebSocket handshake
// A browser of our own opening its endpoint. One that takes longer is kept and waited for again at
// the next navigation, rather than started twice.
constexpr DWORD kStartMs = 5000;
constexpr DWORD kCloseMs = 3000;         // a browser of our own ending after Browser.close
constexpr int kMaxValueUnits = 1 << 20;  // UTF-16 units of one value read

// Finds the element by id and the member by name, the exact name first and else any whose name
// differs only in letter case; then gets it as a string, sets it or calls it. Null for a missing
// element or member and for anything that throws; the property put fails on a read-only member
// because the function is strict.
constexpr const char* kElementFunction = R"JS((function (id, name, op, value, limit) {
    'use strict';
    try {
        var el = document.getElementById(id);
        if (!el) {
            return null;
        }
        var key = name;
        if (!(key in el)) {
            key = null;
            var wanted = name.toLowerCase();
            for (var k in el) {
                if (k.toLowerCase() === wanted) {
                    key = k;
                    break;
                }
            }
            if (key === null) {
                return null;
            }
        }
        if (op === 'get') {
            var v = el[key];
            if (v === null || v === undefined) {
                return null;
            }
            v = String(v);
            if (v.length > limit) {
                var end = limit;
                var last = v.charCodeAt(end - 1);
                if (last >= 0xD800 && last <= 0xDBFF) {
                    end -= 1;
                }
                v = v.substring(0, end);
            }
            return v;
        }
        if (op === 'set') {
            el[key] = value;
            return true;
        }
        if (typeof el[key] !== 'function') {
            return null;
        }
        el[key]();
        return true;
    } catch (e) {
        return null;
    }
}))JS";

// UTF-8 from DevTools as a wide string for WinHTTP.
std::wstring Wide(const std::string& s) {
    std::u16string u = Utf8ToUtf16(s);
    return std::wstring(W(u), u.size());
}

// A JavaScript string literal of any text: JSON's, with everything outside ASCII escaped.
std::string Literal(const std::u16string& s) {
    return json(Utf16ToUtf8(s)).dump(-1, ' ', true, json::error_handler_t::replace);
}

std::string Field(const json& object, const char* name) {
    auto it = object.find(name);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

bool Exists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The App Paths entry of a browser: its executable, when the file is there.
std::wstring AppPath(const wchar_t* exe) {
    std::wstring key = std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + exe;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        for (REGSAM view : {REGSAM{KEY_WOW64_64KEY}, REGSAM{KEY_WOW64_32KEY}}) {
            HKEY k = nullptr;
            if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, &k) != ERROR_SUCCESS) {
                continue;
            }
            wchar_t value[MAX_PATH + 1] = {};
            DWORD type = 0;
            DWORD bytes = sizeof value - sizeof value[0];
            LONG result =
                RegQueryValueExW(k, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes);
            RegCloseKey(k);
            if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
                continue;
            }
            std::wstring path = value;
            if (type == REG_EXPAND_SZ) {
                wchar_t expanded[MAX_PATH + 1] = {};
                DWORD n = ExpandEnvironmentStringsW(path.c_str(), expanded, MAX_PATH + 1);
                if (n == 0 || n > MAX_PATH + 1) {
                    continue;
                }
                path = expanded;
            }
            if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') {
                path = path.substr(1, path.size() - 2);
            }
            if (Exists(path)) {
                return path;
            }
        }
    }
    return {};
}

class ChromiumEngine : public BrowserEngine {
  public:
    explicit ChromiumEngine(const ChromiumOptions& options) : options_(options) {
        own_ = options.attachAddress.empty();
        if (!own_) {
            attach_ = ParseDevToolsAddress(options.attachAddress);
        }
    }

    ~ChromiumEngine() override {
        // A browser of our own is asked to close, so that its profile is left in order; one that
        // cannot be asked, or does not go in time, is ended.
        bool asked = own_ && Connected();
        if (asked) {
            // The answer may not come before the connection ends with the browser; the request is
            // out by then either way.
            session_->Call("Browser.close", json::object(), kAnswerMs);
        }
        session_.reset();
        if (!own_ && attach_ && !targetId_.empty()) {
            // The tab is ours; the browser is the user's.
            DevToolsRequest(*attach_, L"GET", L"/json/close/" + Wide(targetId_), kEndpointMs);
        }
        if (process_ != nullptr) {
            if (!asked || WaitForSingleObject(process_, kCloseMs) != WAIT_OBJECT_0) {
                TerminateProcess(process_, 0);
            }
            CloseHandle(process_);
        }
        if (job_ != nullptr) {
            CloseHandle(job_);
        }
    }

    ChromiumEngine(const ChromiumEngine&) = delete;
    ChromiumEngine& operator=(const ChromiumEngine&) = delete;

    void Navigate(const std::u16string& url) override {
        if (!Connected() && !Connect()) {
            return;
        }
        navigation_ = session_->Post("Page.navigate", {{"url", Utf16ToUtf8(url)}});
    }

    std::optional<std::u16string> GetElementProperty(const std::u16string& id,
                                                     const std::u16string& name) override {
        auto v = Element("get", id, name, u"");
        if (!v || !v->is_string()) {
            return std::nullopt;
        }
        return Utf8ToUtf16(v->get<std::string>());
    }

    bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                            const std::u16string& value) override {
        auto v = Element("set", id, name, value);
        return v && v->is_boolean() && v->get<bool>();
    }

    bool CallElementMethod(const std::u16string& id, const std::u16string& name) override {
        auto v = Element("call", id, name, u"");
        return v && v->is_boolean() && v->get<bool>();
    }

    std::u16string TakeProblem() override {
        if (problems_.empty()) {
            return {};
        }
        std::u16string p = std::move(problems_.front());
        problems_.pop_front();
        return p;
    }

    void HostCreated(HWND host) override { host_ = host; }

    void HostResized(int /*width*/, int /*height*/) override {
        if (shown_) {
            PlaceWindow();
        }
    }

    void HostShown(bool shown) override {
        shown_ = shown;
        PlaceWindow();
    }

  private:
    bool Connected() const { return session_ && !session_->Broken(); }

    // Says a problem once; the same one again only after things have worked in between.
    void Problem(const std::u16string& text) {
        if (text != lastProblem_) {
            lastProblem_ = text;
            problems_.push_back(text);
        }
    }

    bool Connect() {
        session_.reset();
        navigation_ = 0;
        if (!HaveWebSocketClient()) {
            Problem(u"The Chromium engine needs the WebSocket client of Windows 8 or later.");
            return false;
        }
        std::optional<DevToolsAddress> at;
        if (own_) {
            at = OwnEndpoint();
        } else if (attach_) {
            at = attach_;
        } else {
            Problem(u"The DevTools address " + options_.attachAddress +
                    u" is not an http://HOST:PORT address on this computer.");
        }
        if (!at) {
            return false;
        }
        std::wstring path;
        if (!FindTarget(*at, path) || !(session_ = DevToolsSession::Open(*at, path, kEndpointMs))) {
            Problem(u"The browser's DevTools endpoint at " + at->Text() + u" does not answer.");
            return false;
        }
        lastProblem_.clear();
        PlaceWindow();
        return true;
    }

    // The page target to drive: the one used before if it is still there; else, in a browser of
    // our own, its first page (the app window), and in the user's browser a new tab.
    bool FindTarget(const DevToolsAddress& at, std::wstring& path) {
        auto list = DevToolsRequest(at, L"GET", L"/json/list", kEndpointMs);
        if (!list) {
            return false;
        }
        json targets = json::parse(*list, nullptr, false);
        json target;
        if (targets.is_array()) {
            for (const json& t : targets) {
                if (!t.is_object() || Field(t, "type") != "page") {
                    continue;
                }
                if (!targetId_.empty() && Field(t, "id") == targetId_) {
                    target = t;
                    break;
                }
                if (own_ && target.is_null()) {
                    target = t;
                }
            }
        }
        if (target.is_null()) {
            auto made = DevToolsRequest(at, L"PUT", L"/json/new?about:blank", kEndpointMs);
            target = made ? json::parse(*made, nullptr, false) : json();
        }
        if (!target.is_object() || Field(target, "id").empty()) {
            return false;
        }
        targetId_ = Field(target, "id");
        // ws://HOST:PORT/devtools/page/ID: the path is what counts; the host is ours already.
        std::string url = Field(target, "webSocketDebuggerUrl");
        std::size_t scheme = url.find("://");
        std::size_t slash = scheme == std::string::npos ? scheme : url.find('/', scheme + 3);
        path = Wide(slash == std::string::npos ? "/devtools/page/" + targetId_ : url.substr(slash));
        return true;
    }

    // The endpoint of the browser of our own: the running one's, or a new one's once it has
    // written its port into the profile.
    std::optional<DevToolsAddress> OwnEndpoint() {
        if (options_.profileFolder.empty()) {
            Problem(u"There is no folder for the browser's profile.");
            return std::nullopt;
        }
        if (!Running()) {
            // One left from an earlier run of the program still answers: take it over.
            if (auto left = PortFile(); left && DevToolsRequest(*left, L"GET", L"/json/version", kAnswerMs)) {
                return left;
            }
            if (!StartBrowser()) {
                return std::nullopt;
            }
        }
        std::uint64_t deadline = GetTickCount64() + kStartMs;
        for (;;) {
            if (auto at = PortFile()) {
                return at;
            }
            if (!Running()) {
                Problem(u"The browser exited at once.");
                return std::nullopt;
            }
            if (GetTickCount64() >= deadline) {
                Problem(u"The browser did not open its DevTools endpoint within " +
                        U16(std::to_wstring(kStartMs / 1000).c_str()) + u" seconds.");
                return std::nullopt;
            }
            Sleep(100);
        }
    }

    bool Running() {
        if (process_ == nullptr) {
            return false;
        }
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            return true;
        }
        CloseHandle(process_);
        process_ = nullptr;
        return false;
    }

    std::wstring ProfileFolder() const {
        std::wstring folder(W(options_.profileFolder));
        while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) {
            folder.pop_back();
        }
        return folder;
    }

    // The port in DevToolsActivePort: its first line, complete once the second one has begun.
    std::optional<DevToolsAddress> PortFile() const {
        HANDLE file = CreateFileW((ProfileFolder() + L"\\DevToolsActivePort").c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
        char text[64] = {};
        DWORD got = 0;
        BOOL read = ReadFile(file, text, sizeof text - 1, &got, nullptr);
        CloseHandle(file);
        unsigned long port = 0;
        DWORD i = 0;
        for (; read && i < got && text[i] >= '0' && text[i] <= '9' && port <= 65535; ++i) {
            port = port * 10 + static_cast<unsigned long>(text[i] - '0');
        }
        if (!read || i == 0 || i >= got || (text[i] != '\n' && text[i] != '\r') || port == 0 ||
            port > 65535) {
            return std::nullopt;
        }
        return DevToolsAddress{L"127.0.0.1", static_cast<INTERNET_PORT>(port)};
    }

    bool StartBrowser() {
        std::wstring exe = AppPath(L"msedge.exe");
        if (exe.empty()) {
            exe = AppPath(L"chrome.exe");
        }
        if (exe.empty()) {
            exe = W(options_.browserPath);
        }
        if (exe.empty()) {
            Problem(
                u"No Chromium-family browser was found (Microsoft Edge or Google Chrome); set browserpath in "
                u"plv.ini.");
            return false;
        }
        // A port file left behind would be taken for the new browser's.
        DeleteFileW((ProfileFolder() + L"\\DevToolsActivePort").c_str());
        // Off the screen until the main form is shown; the program moves it over the form then.
        std::wstring command = L"\"" + exe + L"\" --user-data-dir=\"" + ProfileFolder() +
                               L"\" --remote-debugging-port=0 --no-first-run --no-default-browser-check"
                               L" --app=about:blank --window-position=-32000,-32000";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNOACTIVATE;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                            nullptr, &startup, &info)) {
            Problem(u"The browser " + U16(exe.c_str()) + u" could not be started.");
            return false;
        }
        // The browser lives only as long as Parlevo: it goes in a job that ends it when Parlevo's
        // handle to the job closes, which also happens when Parlevo is ended at once (Exit
        // without /t, the task manager), when no destructor runs. Where a job cannot be had
        // (an older system with the browser in a job already) the close below still ends it.
        process_ = RunInJob(Job(), info);
        return true;
    }

    std::optional<json> Element(const char* op, const std::u16string& id, const std::u16string& name,
                                const std::u16string& value) {
        if (!Connected()) {
            return std::nullopt;  // at once: the next navigation connects again
        }
        // While a navigation is under way, DevTools holds back what is meant for the page and
        // hands it to the new document once that is committed: an operation on the old document
        // would act on the new one, later and unseen. So there is no document until the answer
        // to Page.navigate, which comes with the commit (or the failure).
        if (navigation_ != 0) {
            if (!session_->Answered(navigation_)) {
                return std::nullopt;
            }
            navigation_ = 0;
        }
        std::string expression = std::string(kElementFunction) + "(" + Literal(id) + "," + Literal(name) +
                                 ",'" + op + "'," + Literal(value) + "," + std::to_string(kMaxValueUnits) +
                                 ")";
        auto r = session_->Call(
            "Runtime.evaluate",
            {{"expression", std::move(expression)}, {"returnByValue", true}, {"silent", true}}, kAnswerMs);
        if (!r || !r->is_object() || r->contains("exceptionDetails")) {
            return std::nullopt;
        }
        auto result = r->find("result");
        if (result == r->end() || !result->is_object()) {
            return std::nullopt;
        }
        auto v = result->find("value");
        if (v == result->end()) {
            return std::nullopt;
        }
        return std::move(*v);
    }

    // A browser of our own lies over the main form's browser area while the form is shown, and
    // off the screen otherwise. DevTools takes window bounds in device-independent pixels.
    void PlaceWindow() {
        if (!own_ || !Connected()) {
            return;
        }
        auto window = session_->Call("Browser.getWindowForTarget", {{"targetId", targetId_}}, kAnswerMs);
        if (!window || !window->is_object()) {
            return;
        }
        auto id = window->find("windowId");
        if (id == window->end() || !id->is_number_integer()) {
            return;
        }
        json bounds = {{"left", -32000}, {"top", -32000}};
        RECT r{};
        if (shown_ && host_ != nullptr && GetWindowRect(host_, &r)) {
            HDC screen = GetDC(nullptr);
            int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
            if (screen != nullptr) {
                ReleaseDC(nullptr, screen);
            }
            dpi = dpi > 0 ? dpi : 96;
            bounds = {{"left", MulDiv(r.left, 96, dpi)},
                      {"top", MulDiv(r.top, 96, dpi)},
                      {"width", MulDiv(r.right - r.left, 96, dpi)},
                      {"height", MulDiv(r.bottom - r.top, 96, dpi)}};
        }
        // A minimised or maximised window takes no position until it is normal again.
        session_->Call("Browser.setWindowBounds",
                       {{"windowId", *id}, {"bounds", {{"windowState", "normal"}}}}, kAnswerMs);
        session_->Call("Browser.setWindowBounds", {{"windowId", *id}, {"bounds", std::move(bounds)}},
                       kAnswerMs);
        if (shown_) {
            session_->Call("Page.bringToFront", json::object(), kAnswerMs);
        }
    }

    ChromiumOptions options_;
    bool own_ = true;
    std::optional<DevToolsAddress> attach_;
    std::unique_ptr<DevToolsSession> session_;
    std::string targetId_;
    std::int64_t navigation_ = 0;  // the Page.navigate whose answer is still to come
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;  // ends our browser with Parlevo

    HANDLE Job() {
        if (job_ == nullptr) {
            job_ = MakeKillOnCloseJob();
        }
        return job_;
    }
    HWND host_ = nullptr;
    bool shown_ = false;
    std::deque<std::u16string> problems_;
    std::u16string lastProblem_;
};

}  // namespace

std::unique_ptr<BrowserEngine> MakeChromiumEngine(const ChromiumOptions& options) {
    return std::make_unique<ChromiumEngine>(options);
}

}  // namespace plv::win
