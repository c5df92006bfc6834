// The Browser's contract on the Chromium engine, attached to a browser that runs with a DevTools
// endpoint on the loopback interface, and what only a real browser can do: answers that come too
// late, a page that stops answering, a tab that goes away. tests/win32/run-browser starts Chromium
// and plv-service on the Linux side and names them in PLV_DEVTOOLS and PLV_SERVICE_URL; without
// them these cases are skipped. The engine's problems with no browser at all run everywhere.

#include "platform/win32/win_backend.h"
// (the backend's Windows headers first)

#include <aclapi.h>
#include <urlmon.h>
#include <winsock2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

#include "base/text.h"
#include "contract/browser_contract.h"
#include "platform/win32/win_browser.h"
#include "platform/win32/win_devtools.h"
#include "platform/win32/win_text.h"
#include "win_test_support.h"

namespace plv::contract {
namespace {

std::u16string Variable(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? win::U16(value, n) : std::u16string();
}

std::u16string Number(unsigned long n) {
    return win::U16(std::to_wstring(n).c_str());
}

// Pages on the Windows side: a port where nothing listens, and one whose server takes the
// request and never answers (Wine's sockets are the host's, so the Linux browser reaches both).
class LoopbackPorts {
  public:
    LoopbackPorts() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
        if (!started_) {
            return;
        }
        SOCKET closed = Bound(closed_);
        if (closed != INVALID_SOCKET) {
            closesocket(closed);
        }
        listener_ = Bound(hanging_);
        if (listener_ != INVALID_SOCKET && listen(listener_, SOMAXCONN) != 0) {
            closesocket(listener_);
            listener_ = INVALID_SOCKET;
            hanging_ = 0;
        }
    }
    ~LoopbackPorts() {
        if (listener_ != INVALID_SOCKET) {
            closesocket(listener_);
        }
        if (started_) {
            WSACleanup();
        }
    }
    LoopbackPorts(const LoopbackPorts&) = delete;
    LoopbackPorts& operator=(const LoopbackPorts&) = delete;
    unsigned closed() const { return closed_; }
    unsigned hanging() const { return hanging_; }

  private:
    static SOCKET Bound(unsigned& port) {
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof a;
        if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
            getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) != 0) {
            if (s != INVALID_SOCKET) {
                closesocket(s);
            }
            port = 0;
            return INVALID_SOCKET;
        }
        port = ntohs(a.sin_port);
        return s;
    }

    bool started_ = false;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned closed_ = 0;
    unsigned hanging_ = 0;
};

// Where the engine would find an installed Edge or Chrome, which these cases must not start.
bool BrowserInstalled() {
    for (const wchar_t* exe : {L"msedge.exe", L"chrome.exe"}) {
        std::wstring key = std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + exe;
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            HKEY k = nullptr;
            if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &k) == ERROR_SUCCESS) {
                RegCloseKey(k);
                return true;
            }
        }
    }
    return false;
}

// The stand-in browser that the engine starts as a browser of its own (tests/win32/pipe_browser.cpp).
std::u16string StandInPath() {
    return win::U16((wintest::ExeFolder() + L"\\plv_pipe_browser.exe").c_str());
}

// The Chromium engine with the Linux Chromium: attached to its endpoint over a WebSocket, or
// (kOwn) with a browser of its own over a pipe, played by the stand-in that relays its pipe to the
// same Chromium.
template <bool kOwn>
class ChromiumEnv {
  public:
    ChromiumEnv() : devtools_(Variable(L"PLV_DEVTOOLS")), service_(Variable(L"PLV_SERVICE_URL")) {
        if (Unavailable().empty()) {
            browser_.UseEngine(kOwn ? BrowserChoice{BrowserEngineKind::Chromium, u"", StandInPath()}
                                    : BrowserChoice{BrowserEngineKind::Attach, devtools_, u""});
        }
    }
    Browser& browser() { return browser_; }
    std::u16string PageUrl(PageKind kind) {
        switch (kind) {
            case PageKind::Service:
                return service_;
            case PageKind::Unreachable:
                return u"http://127.0.0.1:" + Number(ports_.closed()) + u"/";
            case PageKind::Hanging:
                return u"http://127.0.0.1:" + Number(ports_.hanging()) + u"/";
        }
        return {};
    }
    void Pass(std::int64_t ms) { Sleep(static_cast<DWORD>(ms)); }
    std::string Unavailable() {
        if (devtools_.empty() || service_.empty()) {
            return "no Chromium: PLV_DEVTOOLS and PLV_SERVICE_URL are not set (tests/win32/run-browser sets "
                   "them)";
        }
        if (ports_.closed() == 0 || ports_.hanging() == 0) {
            return "no loopback ports for the pages that do not load";
        }
        if (kOwn && BrowserInstalled()) {
            return "Edge or Chrome is installed here, and the engine would start it";
        }
        return {};
    }
    const std::u16string& devtools() const { return devtools_; }

  private:
    std::u16string devtools_;
    std::u16string service_;
    LoopbackPorts ports_;
    win::WinTrace trace_;
    win::WinBrowser browser_{trace_};
};

using Envs = ::testing::Types<ChromiumEnv<false>, ChromiumEnv<true>>;
INSTANTIATE_TYPED_TEST_SUITE_P(Chromium, BrowserContract, Envs);

bool Within(std::int64_t boundMs, const std::function<bool()>& condition) {
    return PollWithin(boundMs, condition, [](std::int64_t ms) { Sleep(static_cast<DWORD>(ms)); });
}

// Navigates and waits for the page. A busy machine may hold up the browser's first answer past the
// engine's bound; the engine then says so, and navigates again when asked, as the program does.
bool Load(Browser& b, const std::u16string& url, const char16_t* value) {
    b.Navigate(url);
    return Within(kLoadBoundMs, [&] {
        if (!b.TakeProblem().empty()) {
            b.Navigate(url);
        }
        return b.GetElementProperty(u"text", u"value") == value;
    });
}

// How long an operation took, in milliseconds.
template <typename Fn>
std::uint64_t Timed(Fn fn) {
    std::uint64_t start = GetTickCount64();
    fn();
    return GetTickCount64() - start;
}

// A page of our own, as a data: address.
std::u16string DataPage(const std::string& html) {
    std::u16string url = u"data:text/html,";
    const char* hex = "0123456789ABCDEF";
    for (char ch : html) {
        auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            url += static_cast<char16_t>(c);
        } else {
            url += u'%';
            url += static_cast<char16_t>(hex[c >> 4]);
            url += static_cast<char16_t>(hex[c & 15]);
        }
    }
    return url;
}

// A text box "quick" whose member "slow" takes the given time to read.
std::u16string SlowPage(int ms) {
    return DataPage(
        "<textarea id=text>quick</textarea><script>Object.defineProperty(document.getElementById('text'),"
        "'slow',{get:function(){var t=Date.now();while(Date.now()-t<" +
        std::to_string(ms) + "){}return 'slow';}});</script>");
}

template <typename Env>
class ChromiumBrowser : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string why = env_.Unavailable(); !why.empty()) {
            GTEST_SKIP() << why;
        }
    }

    Env env_;
};
TYPED_TEST_SUITE(ChromiumBrowser, Envs);

// An answer that comes after the bound is dropped when it arrives; the next operation gets its
// own answer, never the late one. (The limits on times here are far from what a healthy browser
// takes, so that a busy machine does not fail them; an unbounded wait would take the page's 1.5 s.)
TYPED_TEST(ChromiumBrowser, ALateAnswerIsNeverTakenForAnother) {
    auto& env = this->env_;
    Browser& b = env.browser();
    ASSERT_TRUE(Load(b, SlowPage(1500), u"quick"));
    std::optional<std::u16string> slow = u"unset";
    std::uint64_t took = Timed([&] { slow = b.GetElementProperty(u"text", u"slow"); });
    EXPECT_EQ(slow, std::nullopt);
    EXPECT_GE(took, 200u);
    EXPECT_LT(took, 1200u) << "the wait has its bound";
    Sleep(2000);  // the late answer arrives meanwhile
    // Every answer from here on is the page's text box, never the late "slow".
    std::vector<std::u16string> seen;
    auto value = [&] {
        auto v = b.GetElementProperty(u"text", u"value");
        if (v) {
            seen.push_back(*v);
        }
        return v;
    };
    EXPECT_TRUE(Within(kLoadBoundMs, [&] { return value() == u"quick"; }));
    EXPECT_TRUE(Within(kLoadBoundMs, [&] { return b.SetElementProperty(u"text", u"value", u"after"); }));
    EXPECT_TRUE(Within(kLoadBoundMs, [&] { return value() == u"after"; }));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), u"slow"), 0);
}

// A page that stops answering costs the bound a few times; then the operations give nothing at
// once, and the next navigation connects again.
TYPED_TEST(ChromiumBrowser, AHungPageCostsTheBoundOnlyAFewTimes) {
    auto& env = this->env_;
    Browser& b = env.browser();
    ASSERT_TRUE(Load(b, SlowPage(3000), u"quick"));
    std::uint64_t first = Timed([&] {
        EXPECT_EQ(b.GetElementProperty(u"text", u"slow"), std::nullopt);
        EXPECT_EQ(b.GetElementProperty(u"text", u"value"), std::nullopt);
        EXPECT_EQ(b.GetElementProperty(u"text", u"value"), std::nullopt);
    });
    EXPECT_LT(first, 2500u) << "three bounds, not the page's 3 s";
    std::uint64_t then = Timed([&] {
        EXPECT_EQ(b.GetElementProperty(u"text", u"value"), std::nullopt);
        EXPECT_FALSE(b.SetElementProperty(u"text", u"value", u"x"));
        EXPECT_FALSE(b.CallElementMethod(u"text", u"focus"));
    });
    EXPECT_LT(then, 200u) << "no wait once the browser counts as hung";
    ASSERT_TRUE(Load(b, env.PageUrl(PageKind::Service), u""));
    EXPECT_TRUE(Within(kLoadBoundMs, [&] { return b.SetElementProperty(u"text", u"value", u"again"); }));
}

// The tab goes away (closed by the user, or the browser ends): nothing at once, and the next
// navigation opens a new tab.
TYPED_TEST(ChromiumBrowser, AClosedTabGivesNothingAtOnceUntilTheNextNavigation) {
    auto& env = this->env_;
    Browser& b = env.browser();
    std::u16string marker = u"#closed-tab-" + Number(GetCurrentProcessId());
    ASSERT_TRUE(Load(b, env.PageUrl(PageKind::Service) + marker, u""));
    auto at = win::ParseDevToolsAddress(env.devtools());
    ASSERT_TRUE(at);
    auto list = win::DevToolsRequest(*at, L"GET", L"/json/list", 2000);
    ASSERT_TRUE(list);
    auto targets = nlohmann::json::parse(*list, nullptr, false);
    ASSERT_TRUE(targets.is_array()) << *list;
    std::string id;
    std::string wanted = std::string(marker.begin(), marker.end());
    for (const auto& t : targets) {
        std::string url = t.is_object() ? t.value("url", "") : "";
        if (url.size() >= wanted.size() &&
            url.compare(url.size() - wanted.size(), wanted.size(), wanted) == 0) {
            id = t.value("id", "");
        }
    }
    ASSERT_FALSE(id.empty()) << *list;
    ASSERT_TRUE(
        win::DevToolsRequest(*at, L"GET", L"/json/close/" + std::wstring(id.begin(), id.end()), 2000));
    EXPECT_TRUE(Within(2000, [&] { return !b.GetElementProperty(u"text", u"value"); }));
    std::uint64_t took = Timed([&] {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(b.GetElementProperty(u"text", u"value"), std::nullopt);
        }
    });
    EXPECT_LT(took, 200u) << "not one of them waits for an answer";
    ASSERT_TRUE(Load(b, env.PageUrl(PageKind::Service), u""));
}

// DevTools holds back what is meant for the page while a navigation is under way, so the engine
// sends nothing then: the program's polls cost no time while a page loads slowly.
TYPED_TEST(ChromiumBrowser, WhileANavigationIsUnderWayOperationsReturnAtOnce) {
    auto& env = this->env_;
    Browser& b = env.browser();
    ASSERT_TRUE(Load(b, env.PageUrl(PageKind::Service), u""));
    b.Navigate(env.PageUrl(PageKind::Hanging));
    Sleep(300);
    std::uint64_t took = Timed([&] {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(b.GetElementProperty(u"text", u"outerHTML"), std::nullopt);
            EXPECT_FALSE(b.SetElementProperty(u"text", u"value", u"x"));
        }
    });
    EXPECT_LT(took, 200u) << "not one of them waits for an answer";
    ASSERT_TRUE(Load(b, env.PageUrl(PageKind::Service), u""));
}

// The round trip of an element read, for choosing the bound: printed (it is a measure, not a
// limit: a busy machine may hold a few reads up to the bound). Every read that comes back before
// the bound brings the right text.
TYPED_TEST(ChromiumBrowser, ElementReadRoundTrip) {
    auto& env = this->env_;
    Browser& b = env.browser();
    ASSERT_TRUE(Load(b, env.PageUrl(PageKind::Service), u""));
    ASSERT_TRUE(b.SetElementProperty(u"text", u"value", u"the house"));
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> ms;
    int missing = 0;
    for (int i = 0; i < 1000; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        bool right = b.GetElementProperty(u"text", u"value") == u"the house";
        QueryPerformanceCounter(&end);
        ms.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
                     static_cast<double>(frequency.QuadPart));
        missing += right || ms.back() >= 240.0 ? 0 : 1;
    }
    std::sort(ms.begin(), ms.end());
    double median = ms[ms.size() / 2];
    double p99 = ms[ms.size() * 99 / 100];
    std::printf("element read round trip over %zu reads: median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                ms.size(), median, p99, ms.back());
    this->RecordProperty("median_us", static_cast<int>(median * 1000));
    this->RecordProperty("p99_us", static_cast<int>(p99 * 1000));
    EXPECT_EQ(missing, 0);
}

// --- a browser of our own

// Whether `upper` comes before `lower` in the z-order of the top-level windows.
bool Above(HWND upper, HWND lower) {
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper || w == lower) {
            return w == upper;
        }
    }
    return false;
}

// The stand-in browser's window (tests/win32/pipe_browser.cpp) and its process id.
HWND StandIn(DWORD& pid) {
    HWND w = FindWindowW(L"PlvPipeBrowser", nullptr);
    pid = 0;
    if (w != nullptr) {
        GetWindowThreadProcessId(w, &pid);
    }
    return w;
}

// A browser of our own, played by a stand-in that relays its pipe to the Linux Chromium: the
// engine speaks to it over that pipe alone, starts it in a job that lets its renderers break away,
// makes its window an unowned tool window that lies over the browser area, above the form, and
// follows the form, sees it gone when it is ended, starts it again at the next navigation, and
// ends it with itself.
TEST(ChromiumBrowserOwn, SpeaksOverItsPipeOwnsItsWindowAndEndsIt) {
    std::u16string service = Variable(L"PLV_SERVICE_URL");
    if (Variable(L"PLV_DEVTOOLS").empty() || service.empty()) {
        GTEST_SKIP()
            << "no Chromium for the stand-in to relay to: PLV_DEVTOOLS and PLV_SERVICE_URL are not set "
               "(tests/win32/run-browser sets them)";
    }
    if (BrowserInstalled()) {
        GTEST_SKIP() << "Edge or Chrome is installed here, and the engine would start it";
    }
    std::wstring folder = wintest::NewTempFolder();
    std::wstring commandLine = folder + L"\\command-line";
    wintest::ScopedEnvironment log(L"PLV_PIPE_BROWSER_LOG", commandLine);
    // The main form, and its browser area.
    HWND form = CreateWindowExW(0, L"STATIC", L"form", WS_POPUP | WS_VISIBLE, 100, 120, 640, 480, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 20, 30, 600, 400, form, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    std::wstring standIn = wintest::ExeFolder() + L"\\plv_pipe_browser.exe";
    auto engine =
        win::MakeChromiumEngine({u"", win::U16(standIn.c_str()), win::U16((folder + L"\\profile").c_str())});
    engine->HostCreated(host);
    engine->HostShown(true);
    auto load = [&] {
        engine->Navigate(service);
        return Within(10000, [&] { return engine->GetElementProperty(u"text", u"value") == u""; });
    };
    ASSERT_TRUE(load()) << Utf16ToUtf8(engine->TakeProblem());
    EXPECT_EQ(engine->TakeProblem(), u"");
    EXPECT_TRUE(engine->SetElementProperty(u"text", u"value", u"over the pipe"));
    EXPECT_EQ(engine->GetElementProperty(u"text", u"value"), u"over the pipe");

    std::ifstream logged(commandLine.c_str());
    std::string line;
    std::string job;
    std::getline(logged, line);
    std::getline(logged, job);
    EXPECT_EQ(job, "in a job: 1, breakaway: 1");
    EXPECT_NE(line.find(" --remote-debugging-pipe"), std::string::npos) << line;
    EXPECT_EQ(line.find("--remote-debugging-port"), std::string::npos);
    EXPECT_NE(line.find(" --hide-crash-restore-bubble"), std::string::npos);
    EXPECT_NE(line.find(" --noerrdialogs"), std::string::npos);

    // Its window: no taskbar button, no Alt+Tab entry, over the browser area and above the form,
    // and owned by nobody (an owner in another process would tie the two threads' input).
    DWORD pid = 0;
    HWND window = nullptr;
    ASSERT_TRUE(Within(5000, [&] {
        window = StandIn(pid);
        return window != nullptr && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    }));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    auto placed = [&](const std::function<bool(const RECT&)>& where) {
        return Within(5000, [&] {
            RECT r{};
            return GetWindowRect(window, &r) && where(r);
        });
    };
    auto overArea = [&](const RECT& r) {
        RECT area{};
        GetWindowRect(host, &area);
        return EqualRect(&r, &area) != FALSE;
    };
    EXPECT_TRUE(placed(overArea));
    SetWindowPos(form, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    engine->HostMoved();
    EXPECT_TRUE(placed(overArea)) << "it follows the form";
    EXPECT_TRUE(Within(5000, [&] { return Above(window, form); })) << "above the form";
    // The form brought forward (the backend's form tells the engine of every change of its place).
    SetWindowPos(form, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    engine->HostMoved();
    EXPECT_TRUE(Within(5000, [&] { return Above(window, form); }))
        << "the form brought forward leaves it above";
    engine->HostShown(false);
    EXPECT_TRUE(placed([](const RECT& r) { return r.left < -10000; })) << "off the screen";

    // Gone, started again at the next navigation, and ended with the engine.
    EXPECT_FALSE(engine->Gone());
    HANDLE first = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(first, nullptr);
    TerminateProcess(first, 1);
    EXPECT_EQ(WaitForSingleObject(first, 5000), WAIT_OBJECT_0);
    CloseHandle(first);
    EXPECT_TRUE(Within(2000, [&] { return engine->Gone(); }));
    ASSERT_TRUE(load()) << Utf16ToUtf8(engine->TakeProblem());
    EXPECT_FALSE(engine->Gone());
    ASSERT_TRUE(Within(5000, [&] { return StandIn(pid) != nullptr; }));
    HANDLE second = OpenProcess(SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(second, nullptr);
    engine.reset();
    EXPECT_EQ(WaitForSingleObject(second, 5000), WAIT_OBJECT_0) << "the browser ends with the engine";
    CloseHandle(second);
    DestroyWindow(form);
}

// --- the pipe of a browser of our own

// A random name, one instance, made by us, and a DACL that lets in the current user alone: nobody
// can make the name first or again, nor connect to it once the browser's end is open.
TEST(ChromiumBrowserPipe, TheUserAloneOneInstanceARandomName) {
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    std::vector<unsigned char> user(1024);
    DWORD bytes = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenUser, user.data(), static_cast<DWORD>(user.size()), &bytes));
    CloseHandle(token);
    PSID me = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
    const std::wstring prefix = L"\\\\.\\pipe\\parlevo-devtools-";
    std::vector<std::wstring> names;
    for (bool weRead : {false, true}) {
        win::BrowserPipe pipe;
        ASSERT_TRUE(win::MakeBrowserPipe(weRead, pipe));
        names.push_back(pipe.name);
        EXPECT_EQ(pipe.name.rfind(prefix, 0), 0u);
        EXPECT_EQ(pipe.name.size(), prefix.size() + 32) << "128 random bits";
        PACL dacl = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_EQ(GetSecurityInfo(pipe.ours, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                  &dacl, nullptr, &descriptor),
                  static_cast<DWORD>(ERROR_SUCCESS));
        ASSERT_NE(dacl, nullptr);
        EXPECT_EQ(dacl->AceCount, 1);
        void* ace = nullptr;
        ASSERT_TRUE(GetAce(dacl, 0, &ace));
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
        EXPECT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
        EXPECT_TRUE(EqualSid(const_cast<DWORD*>(&allowed->SidStart), me)) << "the current user's";
        LocalFree(descriptor);
        HANDLE again = CreateNamedPipeW(pipe.name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE,
                                        PIPE_UNLIMITED_INSTANCES, 0, 0, 0, nullptr);
        HANDLE client = CreateFileW(pipe.name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(again, INVALID_HANDLE_VALUE) << "no second instance";
        EXPECT_EQ(client, INVALID_HANDLE_VALUE) << "no second client";
        for (HANDLE h : {again, client, pipe.ours, pipe.theirs}) {
            if (h != INVALID_HANDLE_VALUE) {
                CloseHandle(h);
            }
        }
    }
    EXPECT_NE(names[0], names[1]);
}

// --- problems, with no browser needed

TEST(ChromiumBrowserProblems, AnEndpointThatDoesNotAnswerIsSaidOnce) {
    LoopbackPorts ports;
    ASSERT_NE(ports.closed(), 0u);
    std::u16string address = u"http://127.0.0.1:" + Number(ports.closed());
    auto engine = win::MakeChromiumEngine({address, u"", u""});
    engine->Navigate(u"about:blank");
    EXPECT_EQ(engine->TakeProblem(), u"The browser's DevTools endpoint at " + address + u" does not answer.");
    EXPECT_EQ(engine->TakeProblem(), u"");
    engine->Navigate(u"about:blank");
    EXPECT_EQ(engine->TakeProblem(), u"") << "the same problem is said once";
    EXPECT_EQ(engine->GetElementProperty(u"text", u"value"), std::nullopt);
    EXPECT_FALSE(engine->SetElementProperty(u"text", u"value", u"x"));
    EXPECT_FALSE(engine->CallElementMethod(u"btn", u"click"));
}

TEST(ChromiumBrowserProblems, AnEndpointThatHangsCostsABoundedWait) {
    LoopbackPorts ports;
    ASSERT_NE(ports.hanging(), 0u);
    std::u16string address = u"http://127.0.0.1:" + Number(ports.hanging());
    auto engine = win::MakeChromiumEngine({address, u"", u""});
    std::uint64_t start = GetTickCount64();
    engine->Navigate(u"about:blank");
    std::uint64_t took = GetTickCount64() - start;
    EXPECT_LT(took, 5000u);
    EXPECT_EQ(engine->TakeProblem(), u"The browser's DevTools endpoint at " + address + u" does not answer.");
}

TEST(ChromiumBrowserProblems, NoBrowserInstalledAndNoneSet) {
    if (BrowserInstalled()) {
        GTEST_SKIP() << "Edge or Chrome is installed here";
    }
    std::wstring profile = wintest::NewTempFolder();
    auto engine = win::MakeChromiumEngine({u"", u"", win::U16(profile.c_str())});
    engine->Navigate(u"about:blank");
    EXPECT_EQ(engine->TakeProblem(),
              u"No Chromium-family browser was found (Microsoft Edge or Google Chrome); set "
              u"browserpath in plv.ini.");
    EXPECT_EQ(engine->GetElementProperty(u"text", u"value"), std::nullopt);
}

TEST(ChromiumBrowserProblems, ABrowserThatExitsAtOnce) {
    if (BrowserInstalled()) {
        GTEST_SKIP() << "Edge or Chrome is installed here";
    }
    std::wstring profile = wintest::NewTempFolder();
    // This program, started as a child that ends itself at once.
    wintest::ScopedEnvironment mode(wintest::kChildMode, L"terminate");
    auto engine =
        win::MakeChromiumEngine({u"", win::U16(wintest::ExePath().c_str()), win::U16(profile.c_str())});
    std::uint64_t start = GetTickCount64();
    engine->Navigate(u"about:blank");
    std::uint64_t took = GetTickCount64() - start;
    EXPECT_EQ(engine->TakeProblem(), u"The browser exited at once.");
    EXPECT_LT(took, 5000u);
}

// --- the system's control: what its security manager grants the service page (Wine's control
// never asks, so the decision itself is checked)

TEST(EmbeddedBrowserSecurity, OnlyScriptRunOnThePagesOrigin) {
    const std::wstring page = L"http://127.0.0.1:8723/key/K/?dir=en-es";
    struct Case {
        const wchar_t* url;
        DWORD action;
        bool granted;
    } cases[] = {
        {L"http://127.0.0.1:8723/key/K/page.js", URLACTION_SCRIPT_RUN, true},
        {L"HTTP://127.0.0.1:8723", URLACTION_SCRIPT_RUN, true},
        {L"http://127.0.0.1:8724/", URLACTION_SCRIPT_RUN, false},
        {L"https://127.0.0.1:8723/", URLACTION_SCRIPT_RUN, false},
        {L"http://127.0.0.1:8723.evil.example/", URLACTION_SCRIPT_RUN, false},
        {L"about:blank", URLACTION_SCRIPT_RUN, false},
        // The rest of the script range is the zone's, on the page's own origin too.
        {L"http://127.0.0.1:8723/", URLACTION_SCRIPT_PASTE, false},
        {L"http://127.0.0.1:8723/", URLACTION_SCRIPT_SAFE_ACTIVEX, false},
        {L"http://127.0.0.1:8723/", URLACTION_CROSS_DOMAIN_DATA, false},
        {L"http://127.0.0.1:8723/", URLACTION_SCRIPT_JAVA_USE, false},
        {L"http://127.0.0.1:8723/", URLACTION_ACTIVEX_RUN, false},
        {nullptr, URLACTION_SCRIPT_RUN, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(win::GrantsUrlAction(page, c.url, c.action), c.granted)
            << (c.url != nullptr ? Utf16ToUtf8(win::U16(c.url)) : "null") << " action " << std::hex
            << c.action;
    }
    EXPECT_FALSE(win::GrantsUrlAction(L"", L"http://127.0.0.1:8723/", URLACTION_SCRIPT_RUN)) << "no page yet";
}

}  // namespace
}  // namespace plv::contract
