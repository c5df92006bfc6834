// The Browser's contract on the Linux Chromium engine (Debian's Chromium over its DevTools pipe),
// and what only the Linux engine does: its window over the host's browser area, withdrawn
// while the host is hidden, and its end with the engine. tests/devtools/run-chromium starts a
// display with a window manager and plv-service, and names the page in PLV_SERVICE_URL; without
// them these cases are skipped.

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/text.h"
#include "contract/browser_contract.h"
#include "platform/devtools/linux_chromium.h"
// Xlib after the program's headers and GoogleTest's: its macros would change their names. Its
// None is BrowserEngineKind::None here.
#include <X11/Xlib.h>
#undef None

namespace plv::contract {
namespace {

std::string Variable(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? v : "";
}

void Sleep(std::int64_t ms) {
    timespec t{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    nanosleep(&t, nullptr);
}

// A loopback port where nothing listens, and one whose server takes the connection and never
// answers.
class LoopbackPorts {
  public:
    LoopbackPorts() {
        int closed = Bound(closed_);
        if (closed >= 0) {
            close(closed);
        }
        listener_ = Bound(hanging_);
        if (listener_ >= 0 && listen(listener_, 16) != 0) {
            hanging_ = 0;
        }
    }
    ~LoopbackPorts() {
        if (listener_ >= 0) {
            close(listener_);
        }
    }
    LoopbackPorts(const LoopbackPorts&) = delete;
    LoopbackPorts& operator=(const LoopbackPorts&) = delete;
    std::u16string Url(bool hanging) const {
        std::string port = std::to_string(hanging ? hanging_ : closed_);
        return u"http://127.0.0.1:" + std::u16string(port.begin(), port.end()) + u"/";
    }
    bool Ready() const { return closed_ != 0 && hanging_ != 0; }

  private:
    static int Bound(unsigned& port) {
        int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (s < 0 || bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
            getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) != 0) {
            port = 0;
            return s;
        }
        port = ntohs(a.sin_port);
        return s;
    }

    int listener_ = -1;
    unsigned closed_ = 0;
    unsigned hanging_ = 0;
};

class LinuxChromiumEnv {
  public:
    LinuxChromiumEnv() : service_(Variable("PLV_SERVICE_URL")) {
        if (Unavailable().empty()) {
            browser_.UseEngine({BrowserEngineKind::Chromium, u"", u""});
            Start();
        }
    }
    devtools::LinuxChromium& browser() { return browser_; }
    std::u16string PageUrl(PageKind kind) {
        if (kind == PageKind::Service) {
            return std::u16string(service_.begin(), service_.end());
        }
        return ports_.Url(kind == PageKind::Hanging);
    }
    void Pass(std::int64_t ms) {
        // The engine's problems go to the log, for the failures they explain.
        for (auto p = browser_.TakeProblem(); !p.empty(); p = browser_.TakeProblem()) {
            std::fprintf(stderr, "engine: %s\n", Utf16ToUtf8(p).c_str());
        }
        Sleep(ms);
    }
    std::string Unavailable() {
        if (service_.empty() || Variable("DISPLAY").empty()) {
            return "no display or service page: DISPLAY and PLV_SERVICE_URL are not set "
                   "(tests/devtools/run-chromium "
                   "sets them)";
        }
        return ports_.Ready() ? "" : "no loopback ports";
    }

  private:
    // A fresh Chromium takes a few seconds to answer for the first time, more than the engine
    // waits on a busy machine; it is kept then and found at the next navigation. The cases are
    // about a browser that runs, so the first navigations are made here, until one connects.
    void Start() {
        for (int attempt = 0; attempt < 12; ++attempt) {
            browser_.Navigate(u"about:blank");
            std::u16string problem = browser_.TakeProblem();
            if (problem.empty()) {
                return;
            }
            std::fprintf(stderr, "engine, starting: %s\n", Utf16ToUtf8(problem).c_str());
        }
    }

    std::string service_;
    LoopbackPorts ports_;
    devtools::LinuxChromium browser_;
};

using Envs = ::testing::Types<LinuxChromiumEnv>;
INSTANTIATE_TYPED_TEST_SUITE_P(LinuxChromium, BrowserContract, Envs);

// The window's parent, and its size.
struct Place {
    Window parent = 0;
    int width = 0;
    int height = 0;
};

Place PlaceOf(Display* d, Window w) {
    Place p;
    XWindowAttributes a{};
    Window root = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XGetWindowAttributes(d, w, &a) != 0 && XQueryTree(d, w, &root, &p.parent, &children, &count) != 0) {
        p.width = a.width;
        p.height = a.height;
    }
    if (children != nullptr) {
        XFree(children);
    }
    return p;
}

bool Viewable(Display* d, Window w) {
    XWindowAttributes a{};
    return XGetWindowAttributes(d, w, &a) != 0 && a.map_state == IsViewable;
}

// The browser's window is taken into the host (out of the window manager's hands), follows its
// size and whether it is shown, and a browser started again after the first one died is taken in
// the same way.
TEST(LinuxChromiumWindow, IsAChildOfTheHostShownWithItAndTakenInAgainAfterARestart) {
    LinuxChromiumEnv env;
    if (std::string why = env.Unavailable(); !why.empty()) {
        GTEST_SKIP() << why;
    }
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr);
    Window host = XCreateSimpleWindow(d, DefaultRootWindow(d), 120, 90, 640, 480, 0, 0, 0);
    XMapWindow(d, host);
    XSync(d, False);
    devtools::LinuxChromium& b = env.browser();
    b.HostCreated(host);
    auto poll = [&](const std::function<bool()>& condition) {
        return PollWithin(kLoadBoundMs, condition, [&](std::int64_t ms) {
            b.GetElementProperty(u"text", u"value");  // the program's poll, which takes the window
            env.Pass(ms);
        });
    };
    auto inside = [&](Window w, int width, int height) {
        Place p = PlaceOf(d, w);
        return p.parent == host && p.width == width && p.height == height && Viewable(d, w);
    };
    b.Navigate(env.PageUrl(PageKind::Service));
    ASSERT_TRUE(poll([&] { return b.BrowserWindow() != 0; })) << "the browser's window is found";
    Window w = b.BrowserWindow();
    EXPECT_TRUE(poll([&] { return PlaceOf(d, w).parent == host && !Viewable(d, w); }))
        << "inside the host, and off the screen while the host is hidden";
    b.HostShown(true);
    EXPECT_TRUE(poll([&] { return inside(w, 640, 480); }));
    XResizeWindow(d, host, 600, 400);  // asks the window manager
    XSync(d, False);
    ASSERT_TRUE(poll([&] { return PlaceOf(d, host).width == 600; }));
    b.HostResized(600, 400);
    EXPECT_TRUE(poll([&] { return inside(w, 600, 400); }));

    int pid = b.BrowserProcess();
    ASSERT_GT(pid, 0);
    kill(-pid, SIGKILL);
    ASSERT_TRUE(PollWithin(
        kLoadBoundMs, [&] { return b.EngineGone(); }, [&](std::int64_t ms) { env.Pass(ms); }));
    b.Navigate(env.PageUrl(PageKind::Service));  // the program's answer to a browser gone
    EXPECT_TRUE(poll([&] {
        if (b.BrowserWindow() == 0 && b.EngineGone()) {
            b.Navigate(env.PageUrl(PageKind::Service));  // still starting on a busy machine
        }
        w = b.BrowserWindow();
        return w != 0 && inside(w, 600, 400);
    })) << "the new browser's window is taken in";
    b.HostShown(false);
    EXPECT_TRUE(poll([&] { return !Viewable(d, w) && PlaceOf(d, w).parent == host; }));

    pid = b.BrowserProcess();
    ASSERT_GT(pid, 0);
    b.UseEngine({BrowserEngineKind::None, u"", u""});
    EXPECT_TRUE(PollWithin(
        kLoadBoundMs, [&] { return kill(pid, 0) != 0; }, [&](std::int64_t ms) { env.Pass(ms); }))
        << "the browser has ended with its engine";
    XDestroyWindow(d, host);
    XCloseDisplay(d);
}

}  // namespace
}  // namespace plv::contract
