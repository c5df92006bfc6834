// The Chromium engine: a Chromium-family browser (Edge, Chrome) shows the service page, and the
// program reaches the page's elements over the browser's DevTools protocol. Either a browser of our
// own, started with a private profile, spoken to over a pipe only it has, its window a tool window
// kept above the main form's browser area while the form is shown and off the screen otherwise;
// or one the user runs with a DevTools endpoint, in a tab of our own, over a WebSocket.
//
// Every operation runs on the program's one thread and waits a bounded time without pumping
// window messages. An element operation is one Runtime.evaluate of a small function; its answer
// takes about half a millisecond on a healthy browser (median 0.6 ms, p99 about 2 ms over 1,000
// reads under Wine against Chromium), so the bound of 250 ms is only reached by a browser that is
// hung, and the program's 100 ms poll is never held up otherwise.

#include "platform/win32/win_browser.h"
// (the backend's Windows headers first)

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "base/text.h"
#include "platform/win32/win_devtools.h"
#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

using nlohmann::json;

constexpr DWORD kAnswerMs = 250;     // one command's answer
constexpr DWORD kEndpointMs = 2000;  // one request to the HTTP endpoint, or the WebSocket handshake
// A browser of our own answering on its pipe for the first time. One that takes longer is kept and
// waited for again at the next navigation, rather than started twice.
constexpr DWORD kStartMs = 5000;
constexpr DWORD kCloseMs = 3000;         // a browser of our own ending after Browser.close
constexpr int kMaxValueUnits = 1 << 20;  // UTF-16 units of one value read
constexpr DWORD kLookMs = 250;           // between two looks for the window of a browser of our own

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

// How wide the browser's handles are: its C runtime reads the inherited ones as its intptr_t.
std::size_t HandleBytes(const std::wstring& exe) {
    DWORD type = 0;
    if (!GetBinaryTypeW(exe.c_str(), &type)) {
        return sizeof(void*);
    }
    return type == SCS_64BIT_BINARY ? 8 : 4;
}

// The browser's window: a visible top-level window of its process that nobody owns.
struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBrowserWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->processId && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == nullptr) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
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
        // cannot be asked, or does not go in time, is ended. Closing our ends of its pipe ends it
        // too, as Chromium closes when its pipe does.
        bool asked = own_ && session_ && !session_->Ended();
        if (asked) {
            // The answer may not come before the pipe ends with the browser; the request is out by
            // then either way.
            session_->Call("Browser.close", json::object(), kAnswerMs, DevToolsTo::Browser);
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

    void HostMoved() override {
        if (shown_) {
            PlaceWindow();
        }
    }

    bool Gone() override {
        if (own_) {
            // Both looks return at once.
            return process_ != nullptr &&
                   (WaitForSingleObject(process_, 0) != WAIT_TIMEOUT || !session_ || session_->Ended());
        }
        // The page is lost with its session, whether the browser ended (and may have been started
        // again since) or only our tab was closed: only a new navigation brings one back.
        return gone_ || (session_ && session_->Broken());
    }

  private:
    bool Connected() { return session_ && !session_->Broken() && (!own_ || attached_); }

    // Says a problem once; the same one again only after things have worked in between.
    void Problem(const std::u16string& text) {
        if (text != lastProblem_) {
            lastProblem_ = text;
            problems_.push_back(text);
        }
    }

    bool Connect() {
        navigation_ = 0;
        if (!(own_ ? ConnectOwn() : ConnectAttached())) {
            return false;
        }
        lastProblem_.clear();
        PlaceWindow();
        return true;
    }

    bool ConnectAttached() {
        session_.reset();
        if (!HaveWebSocketClient()) {
            Problem(u"The Chromium engine needs the WebSocket client of Windows 8 or later.");
            return false;
        }
        if (!attach_) {
            Problem(u"The DevTools address " + options_.attachAddress +
                    u" is not an http://HOST:PORT address on this computer.");
            return false;
        }
        std::wstring path;
        if (!FindTarget(*attach_, path) || !(session_ = DevToolsSession::Open(*attach_, path, kEndpointMs))) {
            Problem(u"The browser's DevTools endpoint at " + attach_->Text() + u" does not answer.");
            return false;
        }
        gone_ = false;
        return true;
    }

    // The page target to drive in the user's browser: the tab used before if it is still there,
    // else a new tab.
    bool FindTarget(const DevToolsAddress& at, std::wstring& path) {
        auto list = DevToolsRequest(at, L"GET", L"/json/list", kEndpointMs);
        if (!list) {
            gone_ = true;
            return false;
        }
        json targets = json::parse(*list, nullptr, false);
        json target;
        if (targets.is_array()) {
            for (const json& t : targets) {
                if (t.is_object() && Field(t, "type") == "page" && !targetId_.empty() &&
                    Field(t, "id") == targetId_) {
                    target = t;
                    break;
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

    // A browser of our own: the running one, or a new one when it has gone (or its pipe broke),
    // and its page attached again after it went away or stopped answering.
    bool ConnectOwn() {
        if (options_.profileFolder.empty()) {
            Problem(u"There is no folder for the browser's profile.");
            return false;
        }
        if (!session_ || session_->Ended() || process_ == nullptr ||
            WaitForSingleObject(process_, 0) != WAIT_TIMEOUT) {
            EndBrowser();
            if (!StartBrowser()) {
                return false;
            }
        }
        // A browser that has not answered yet may still be starting.
        if (AttachPage(answered_ ? kAnswerMs : kStartMs)) {
            answered_ = true;
            return true;
        }
        if (session_->Ended() && WaitForSingleObject(process_, kCloseMs) == WAIT_OBJECT_0) {
            Problem(u"The browser exited at once.");
        } else if (!answered_) {
            // It is kept, and waited for again at the next navigation, rather than started twice.
            Problem(u"The browser did not answer on its DevTools pipe within " +
                    U16(std::to_wstring(kStartMs / 1000).c_str()) + u" seconds.");
        } else {
            Problem(u"The browser does not answer on its DevTools pipe.");
        }
        return false;
    }

    // The page to drive: the one used before if it is still there, else the first page (the app
    // window), else a new one; attached with flatten, so that its commands and answers travel
    // on the browser's pipe with its sessionId.
    bool AttachPage(DWORD ms) {
        attached_ = false;
        auto list = session_->Call("Target.getTargets", json::object(), ms, DevToolsTo::Browser);
        if (!list || !list->is_object() || !(*list)["targetInfos"].is_array()) {
            return false;
        }
        std::string id;
        for (const json& t : (*list)["targetInfos"]) {
            if (!t.is_object() || Field(t, "type") != "page") {
                continue;
            }
            if (id.empty() || Field(t, "targetId") == targetId_) {
                id = Field(t, "targetId");
            }
        }
        if (id.empty()) {
            auto made = session_->Call("Target.createTarget", {{"url", "about:blank"}}, kAnswerMs,
                                       DevToolsTo::Browser);
            id = made && made->is_object() ? Field(*made, "targetId") : std::string();
        }
        auto attached = id.empty()
                            ? std::nullopt
                            : session_->Call("Target.attachToTarget", {{"targetId", id}, {"flatten", true}},
                                             kAnswerMs, DevToolsTo::Browser);
        std::string sessionId =
            attached && attached->is_object() ? Field(*attached, "sessionId") : std::string();
        if (sessionId.empty()) {
            return false;
        }
        targetId_ = id;
        session_->UsePage(sessionId);
        attached_ = true;
        return true;
    }

    std::wstring ProfileFolder() const {
        std::wstring folder(W(options_.profileFolder));
        while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) {
            folder.pop_back();
        }
        return folder;
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
        // DevTools over a pipe that only the browser has, never over a port that any program on the
        // computer could reach: the browser reads our commands on its descriptor 3 and writes its
        // answers on 4. Off the screen until the main form is shown; the program moves it over the
        // form then. It must not take the focus, nor stop at a dialog of its own.
        std::wstring command = L"\"" + exe + L"\" --user-data-dir=\"" + ProfileFolder() +
                               L"\" --remote-debugging-pipe --no-first-run --no-default-browser-check"
                               L" --hide-crash-restore-bubble --noerrdialogs"
                               L" --app=about:blank --window-position=-32000,-32000";
        BrowserPipe commands;
        BrowserPipe answers;
        if (!MakeBrowserPipe(false, commands)) {
            Problem(u"No pipe could be made for the browser.");
            return false;
        }
        if (!MakeBrowserPipe(true, answers)) {
            CloseHandle(commands.ours);
            CloseHandle(commands.theirs);
            Problem(u"No pipe could be made for the browser.");
            return false;
        }
        HANDLE commandsOurs = commands.ours;
        HANDLE commandsTheirs = commands.theirs;
        HANDLE answersOurs = answers.ours;
        HANDLE answersTheirs = answers.theirs;
        std::vector<unsigned char> descriptors =
            InheritedDescriptors(commandsTheirs, answersTheirs, HandleBytes(exe));
        STARTUPINFOW startup{};
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNOACTIVATE;
        startup.cbReserved2 = static_cast<WORD>(descriptors.size());
        startup.lpReserved2 = descriptors.data();
        PROCESS_INFORMATION info{};
        bool started = CreateInheriting(exe, command, startup, 0, {commandsTheirs, answersTheirs}, info);
        // Only the browser may hold its ends: the pipe breaks when it ends.
        CloseHandle(commandsTheirs);
        CloseHandle(answersTheirs);
        if (!started) {
            CloseHandle(commandsOurs);
            CloseHandle(answersOurs);
            Problem(u"The browser " + U16(exe.c_str()) + u" could not be started.");
            return false;
        }
        // The browser lives only as long as Parlevo: it goes in a job that ends it when Parlevo's
        // handle to the job closes, which also happens when Parlevo is ended at once (Exit
        // without /t, the task manager), when no destructor runs. Where a job cannot be had
        // (an older system with the browser in a job already) the close below still ends it.
        process_ = RunInJob(Job(), info);
        session_ = std::make_unique<DevToolsSession>(MakeDevToolsPipe(answersOurs, commandsOurs));
        answered_ = false;
        return true;
    }

    // Lets go of a browser of our own that has gone, or whose pipe broke (it is ended then).
    void EndBrowser() {
        session_.reset();
        attached_ = false;
        window_ = nullptr;
        if (process_ != nullptr) {
            TerminateProcess(process_, 0);
            CloseHandle(process_);
            process_ = nullptr;
        }
    }

    std::optional<json> Element(const char* op, const std::u16string& id, const std::u16string& name,
                                const std::u16string& value) {
        if (!Connected()) {
            return std::nullopt;  // at once: the next navigation connects again
        }
        // The program polls the page all the time: the browser's window is taken as soon as it
        // is there, whether or not the main form is shown.
        if (own_ && window_ == nullptr && BrowserWindow() != nullptr) {
            PlaceWindow();
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

    // The browser's window, once it has one, made a tool window: no button on the taskbar, no
    // entry in Alt+Tab. It stays unowned: a window owned by one of another process's windows ties
    // the two threads' input together, and a busy browser would then hold up the program's focus
    // changes and popups. PlaceWindow keeps it above the form instead. It may come a while after
    // the start, so it is looked for again at later calls, at most every kLookMs.
    HWND BrowserWindow() {
        if (window_ != nullptr && IsWindow(window_)) {
            return window_;
        }
        window_ = nullptr;
        std::uint64_t now = GetTickCount64();
        if (process_ == nullptr || host_ == nullptr || now < nextLook_) {
            return nullptr;
        }
        nextLook_ = now + kLookMs;
        WindowSearch search{GetProcessId(process_), nullptr};
        EnumWindows(FindBrowserWindow, reinterpret_cast<LPARAM>(&search));
        // Changing another program's window waits for its thread: a browser that is hung is left
        // alone, and looked at again later.
        if (search.found == nullptr ||
            !SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerMs,
                                 nullptr)) {
            return nullptr;
        }
        HWND w = search.found;
        // The taskbar looks at a window's styles when it is shown: hidden, changed, shown again.
        // Only the style changes wait for the browser's thread, which has just answered.
        ShowWindowAsync(w, SW_HIDE);
        LONG_PTR ex = GetWindowLongPtrW(w, GWL_EXSTYLE);
        SetWindowLongPtrW(w, GWL_EXSTYLE, (ex | WS_EX_TOOLWINDOW) & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW));
        SetWindowPos(
            w, nullptr, 0, 0, 0, 0,
            SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_ASYNCWINDOWPOS);
        ShowWindowAsync(w, SW_SHOWNOACTIVATE);
        window_ = w;
        return w;
    }

    // A browser of our own lies over the main form's browser area while the form is shown, and
    // off the screen otherwise: its window is moved in pixels once it is known (without waiting
    // for the browser's thread), and through DevTools in device-independent pixels before.
    void PlaceWindow() {
        if (!own_) {
            return;
        }
        RECT r{};
        bool over = shown_ && host_ != nullptr && GetWindowRect(host_, &r);
        if (HWND w = BrowserWindow()) {
            if (IsIconic(w) || IsZoomed(w)) {
                ShowWindowAsync(w, SW_SHOWNOACTIVATE);  // a window takes no position until it is normal
            }
            UINT flags = SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS;
            if (over) {
                // Just above the form: after the window above it, or first when the form is.
                HWND above = GetWindow(GetAncestor(host_, GA_ROOT), GW_HWNDPREV);
                flags |= above == w ? SWP_NOZORDER : 0;
                SetWindowPos(w, above != nullptr ? above : HWND_TOP, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, flags);
            } else {
                SetWindowPos(w, nullptr, -32000, -32000, 0, 0, flags | SWP_NOZORDER | SWP_NOSIZE);
            }
            return;
        }
        if (!Connected()) {
            return;
        }
        auto window = session_->Call("Browser.getWindowForTarget", {{"targetId", targetId_}}, kAnswerMs,
                                     DevToolsTo::Browser);
        if (!window || !window->is_object()) {
            return;
        }
        auto id = window->find("windowId");
        if (id == window->end() || !id->is_number_integer()) {
            return;
        }
        json bounds = {{"left", -32000}, {"top", -32000}};
        if (over) {
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
                       {{"windowId", *id}, {"bounds", {{"windowState", "normal"}}}}, kAnswerMs,
                       DevToolsTo::Browser);
        session_->Call("Browser.setWindowBounds", {{"windowId", *id}, {"bounds", std::move(bounds)}},
                       kAnswerMs, DevToolsTo::Browser);
    }

    HANDLE Job() {
        if (job_ == nullptr) {
            // Chromium puts each of its renderers in a job of its own. Before Windows 8 a process
            // in a job can do that only when its job allows breakaway, and no page would ever load;
            // Chromium's own jobs still end those processes when it ends.
            job_ = MakeKillOnCloseJob(JOB_OBJECT_LIMIT_BREAKAWAY_OK);
        }
        return job_;
    }

    ChromiumOptions options_;
    bool own_ = true;
    std::optional<DevToolsAddress> attach_;
    // The WebSocket to our tab in the user's browser, or the pipe of a browser of our own.
    std::unique_ptr<DevToolsSession> session_;
    std::string targetId_;
    std::int64_t navigation_ = 0;  // the Page.navigate whose answer is still to come
    bool gone_ = false;            // the user's browser no longer answers
    // A browser of our own.
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;   // ends our browser with Parlevo
    bool attached_ = false;  // a page is attached on its pipe
    bool answered_ = false;  // it has answered on its pipe since its start
    HWND window_ = nullptr;  // its window, once found and made ours
    std::uint64_t nextLook_ = 0;
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
