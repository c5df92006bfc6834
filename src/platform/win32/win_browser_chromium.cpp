// The Chromium engine: a Chromium-family browser (Edge, Chrome) shows the service page, and the
// program reaches the page's elements over the browser's DevTools protocol. Either a browser of our
// own, started with a private profile, spoken to over a pipe only it has, its window a tool window
// kept above the main form's browser area while the form is shown and off the screen otherwise;
// or one the user runs with a DevTools endpoint, in a tab of our own, over a WebSocket. What is
// not about Windows (the page, navigation, the element operations) is the shared ChromiumCore;
// here are the browser's start, its end and its window.
//
// Every operation runs on the program's one thread and waits a bounded time without pumping
// window messages. An element read's answer takes about half a millisecond on a healthy browser
// (median 0.6 ms, p99 about 2 ms over 1,000 reads under Wine against Chromium).

#include "platform/win32/win_browser.h"
// (the backend's Windows headers first)

#include <cstdint>
#include <utility>
#include <vector>

#include "base/text.h"
#include "platform/devtools/chromium_core.h"
#include "platform/win32/win_devtools.h"
#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

using devtools::Field;
using devtools::kAnswerMs;
using nlohmann::json;

constexpr DWORD kEndpointMs = 2000;  // one request to the HTTP endpoint, or the WebSocket handshake
constexpr DWORD kLookMs = 250;       // between two looks for the window of a browser of our own

// UTF-8 from DevTools as a wide string for WinHTTP.
std::wstring Wide(const std::string& s) {
    std::u16string u = Utf8ToUtf16(s);
    return std::wstring(W(u), u.size());
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

class ChromiumEngine : public BrowserEngine, private devtools::ChromiumCore {
  public:
    explicit ChromiumEngine(const ChromiumOptions& options)
        : ChromiumCore(options.attachAddress.empty()), options_(options) {
        if (!own_) {
            attach_ = ParseDevToolsAddress(options.attachAddress);
        }
    }

    ~ChromiumEngine() override {
        Shutdown();
        if (!own_ && attach_ && !targetId_.empty()) {
            // The tab is ours; the browser is the user's.
            DevToolsRequest(*attach_, L"GET", L"/json/close/" + Wide(targetId_), kEndpointMs);
        }
        if (job_ != nullptr) {
            CloseHandle(job_);
        }
    }

    ChromiumEngine(const ChromiumEngine&) = delete;
    ChromiumEngine& operator=(const ChromiumEngine&) = delete;

    void Navigate(const std::u16string& url) override { ChromiumCore::Navigate(url); }

    std::optional<std::u16string> GetElementProperty(const std::u16string& id,
                                                     const std::u16string& name) override {
        return ChromiumCore::GetElementProperty(id, name);
    }

    bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                            const std::u16string& value) override {
        return ChromiumCore::SetElementProperty(id, name, value);
    }

    bool CallElementMethod(const std::u16string& id, const std::u16string& name) override {
        return ChromiumCore::CallElementMethod(id, name);
    }

    std::u16string TakeProblem() override { return ChromiumCore::TakeProblem(); }

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

    bool Gone() override { return ChromiumCore::Gone(); }

  private:
    bool ConnectAttached() override {
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
        std::unique_ptr<DevToolsSession> session;
        if (!FindTarget(*attach_, path) || !(session = OpenDevToolsSession(*attach_, path, kEndpointMs))) {
            Problem(u"The browser's DevTools endpoint at " + attach_->Text() + u" does not answer.");
            return false;
        }
        UseSession(std::move(session));
        gone_ = false;
        return true;
    }

    bool AttachedGone() override { return gone_; }

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

    std::wstring ProfileFolder() const {
        std::wstring folder(W(options_.profileFolder));
        while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) {
            folder.pop_back();
        }
        return folder;
    }

    std::unique_ptr<devtools::Transport> StartBrowser() override {
        if (options_.profileFolder.empty()) {
            Problem(u"There is no folder for the browser's profile.");
            return nullptr;
        }
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
            return nullptr;
        }
        // DevTools over a pipe that only the browser has, never over a port that any program on the
        // computer could reach: the browser reads our commands on its descriptor 3 and writes its
        // answers on 4. Off the screen until the main form is shown; the program moves it over the
        // form then. It must not take the focus, nor stop at a dialog of its own.
        std::wstring command = L"\"" + exe + L"\" --user-data-dir=\"" + ProfileFolder() +
                               L"\" --remote-debugging-pipe --no-first-run --no-default-browser-check"
                               L" --hide-crash-restore-bubble --noerrdialogs"
                               L" --app=" +
                               Wide(devtools::kAppPage) + L" --window-position=-32000,-32000";
        BrowserPipe commands;
        BrowserPipe answers;
        if (!MakeBrowserPipe(false, commands)) {
            Problem(u"No pipe could be made for the browser.");
            return nullptr;
        }
        if (!MakeBrowserPipe(true, answers)) {
            CloseHandle(commands.ours);
            CloseHandle(commands.theirs);
            Problem(u"No pipe could be made for the browser.");
            return nullptr;
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
            return nullptr;
        }
        // The browser lives only as long as Parlevo: it goes in a job that ends it when Parlevo's
        // handle to the job closes, which also happens when Parlevo is ended at once (Exit
        // without /t, the task manager), when no destructor runs. Where a job cannot be had
        // (an older system with the browser in a job already) the close below still ends it.
        process_ = RunInJob(Job(), info);
        return MakeDevToolsPipe(answersOurs, commandsOurs);
    }

    bool BrowserRunning() override {
        return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
    }

    bool BrowserExited(std::uint32_t ms) override {
        return process_ == nullptr || WaitForSingleObject(process_, ms) == WAIT_OBJECT_0;
    }

    void EndBrowserProcess() override {
        window_ = nullptr;
        if (process_ != nullptr) {
            TerminateProcess(process_, 0);
            CloseHandle(process_);
            process_ = nullptr;
        }
    }

    // The program polls the page all the time: the browser's window is taken as soon as it is
    // there, whether or not the main form is shown.
    void BeforeElement() override {
        if (own_ && window_ == nullptr && BrowserWindow() != nullptr) {
            PlaceWindow();
        }
    }

    void OnConnected() override { PlaceWindow(); }

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
        if (!Live()) {
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
    std::optional<DevToolsAddress> attach_;
    bool gone_ = false;  // the user's browser no longer answers
    // A browser of our own.
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;   // ends our browser with Parlevo
    HWND window_ = nullptr;  // its window, once found and made ours
    std::uint64_t nextLook_ = 0;
    HWND host_ = nullptr;
    bool shown_ = false;
};

}  // namespace

std::unique_ptr<BrowserEngine> MakeChromiumEngine(const ChromiumOptions& options) {
    return std::make_unique<ChromiumEngine>(options);
}

}  // namespace plv::win
