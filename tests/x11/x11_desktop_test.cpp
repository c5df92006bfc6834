// What is X11's own in the backend: mouse buttons from raw events with a press kept until it is
// read, the selection of a drag from PRIMARY, work areas from the docks' struts per monitor, and
// the clipboard as the copy fallback uses it (another application's content saved, ours handed
// out, a hung owner bounded).

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "base/text.h"
#include "platform/hash2_loader.h"
#include "platform/x11/x11_backend.h"
#include "x11_test_support.h"
// Xlib last: its macros would clash with the names above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace plv::x11test {
namespace {

constexpr int kVkLButton = 1;

// The user's hands: XTest on a connection of the test's own.
class User {
  public:
    User() : d_(XOpenDisplay(nullptr)) {}
    ~User() { XCloseDisplay(d_); }
    void MoveTo(int x, int y) {
        XTestFakeMotionEvent(d_, -1, x, y, CurrentTime);
        XSync(d_, False);
    }
    void Button(unsigned int button, bool press) {
        XTestFakeButtonEvent(d_, button, press ? True : False, CurrentTime);
        XSync(d_, False);
    }
    Display* display() { return d_; }

  private:
    Display* d_;
};

bool Down(Desktop& d) {
    return (d.GetAsyncKeyState(kVkLButton) & 0x8000) != 0;
}

// A press and release between two polls is still seen, once; a held button is down until its
// release. A drag during which PRIMARY changed owner gives that selection's text; a drag without
// a new owner gives nothing (the program then copies through the clipboard).
TEST(X11Desktop, ButtonsAndTheSelectionOfADrag) {
    x11::X11Desktop desktop;
    ASSERT_TRUE(desktop.Connected());
    User user;
    user.MoveTo(300, 300);

    user.Button(1, true);
    user.Button(1, false);
    EXPECT_TRUE(PumpUntil([&] { return Down(desktop); }, 2000)) << "a short click between two polls";
    EXPECT_FALSE(Down(desktop)) << "seen once only";
    user.Button(1, true);
    EXPECT_TRUE(Down(desktop));
    EXPECT_TRUE(Down(desktop)) << "held";
    user.Button(1, false);
    Pass(50);
    EXPECT_FALSE(Down(desktop)) << "released";
    EXPECT_EQ(desktop.DragSelectionText(), std::nullopt) << "PRIMARY did not change in that drag";

    const std::string text = "\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82 selection";
    user.Button(1, true);
    Child owner({"--own", "PRIMARY", "UTF8_STRING=" + text});
    ASSERT_NE(owner.ReadUntil("ready", 5000).find("ready"), std::string::npos);
    user.Button(1, false);
    EXPECT_EQ(desktop.DragSelectionText(), Utf8ToUtf16(text));

    // The next drag selects nothing new: PRIMARY's owner is the same as before it.
    user.Button(1, true);
    Pass(20);
    user.Button(1, false);
    EXPECT_EQ(desktop.DragSelectionText(), std::nullopt);
}

// Two monitors side by side (XRandR monitors on the one screen) and a dock with struts on each:
// each monitor's work area leaves out only what is reserved on it, where _NET_WORKAREA would be
// one rectangle for all. Monitors are asked for the point's own, else the nearest.
TEST(X11Desktop, WorkAreasFollowTheStrutsOfEachMonitor) {
    x11::X11Desktop desktop;
    const int width = desktop.GetSystemMetrics(kSmCxScreen);
    const int height = desktop.GetSystemMetrics(kSmCyScreen);
    const int half = width / 2;
    auto cmd = [](const std::string& c) { return std::system(c.c_str()); };
    ASSERT_EQ(cmd("xrandr --setmonitor PlvLeft " + std::to_string(half) + "/1x" + std::to_string(height) +
                  "/1+0+0 screen >/dev/null"),
              0);
    ASSERT_EQ(cmd("xrandr --setmonitor PlvRight " + std::to_string(width - half) + "/1x" +
                  std::to_string(height) + "/1+" + std::to_string(half) + "+0 none >/dev/null"),
              0);
    User user;
    Display* d = user.display();
    Window dock = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 50, 200, 0, 0, 0);
    Atom dockType = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(d, dock, XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&dockType), 1);
    // 50 px on the left edge from y 100 to 299 (on the left monitor), 40 px at the bottom from
    // x = half to the right edge (on the right monitor).
    long strut[12] = {50, 0, 0, 40, 100, 299, 0, 0, 0, 0, half, width - 1};
    XChangeProperty(d, dock, XInternAtom(d, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(strut), 12);
    XMapWindow(d, dock);
    XSync(d, False);
    MonitorArea right;
    bool seen = PumpUntil(
        [&] {
            right = desktop.MonitorAt({width - 10, 10});
            return right.work.bottom == height - 40;
        },
        5000);
    MonitorArea left = desktop.MonitorAt({10, 10});
    EXPECT_TRUE(seen) << "the window manager lists the dock";
    EXPECT_EQ(left.monitor, (RectPx{0, 0, half, height}));
    EXPECT_EQ(left.work.left, 50);
    EXPECT_EQ(left.work.bottom, height) << "the bottom strut lies on the other monitor";
    EXPECT_EQ(right.monitor, (RectPx{half, 0, width, height}));
    EXPECT_EQ(right.work.left, half) << "the left strut lies on the other monitor";
    EXPECT_EQ(desktop.MonitorAt({width + 500, 20}), right) << "the nearest";
    EXPECT_TRUE(desktop.IsShellWindow(dock, u"")) << "a dock belongs to the desktop's shell";
    XDestroyWindow(d, dock);
    XSync(d, False);
    cmd("xrandr --delmonitor PlvLeft >/dev/null; xrandr --delmonitor PlvRight >/dev/null");
}

// The window manager makes the window of a process we started (as the browser is) the active
// one: that is no application of the user's, and there is no foreground window then. Another
// application's window in front is the foreground window.
TEST(X11Desktop, AWindowOfAProcessWeStartedIsNoForegroundApplication) {
    x11::X11Desktop desktop;
    auto active = [] {
        std::FILE* x = popen("xdotool getactivewindow 2>/dev/null", "r");
        unsigned long w = 0;
        if (x != nullptr && std::fscanf(x, "%lu", &w) != 1) {
            w = 0;  // none active
        }
        if (x != nullptr) {
            pclose(x);
        }
        return w;
    };
    Child ours({"--window"});
    ASSERT_NE(ours.ReadUntil("ready", 5000).find("ready"), std::string::npos);
    unsigned long shown = 0;
    ASSERT_TRUE(PumpUntil([&] { return (shown = active()) != 0; }, 5000))
        << "the window manager activates it";
    EXPECT_EQ(desktop.GetForegroundWindow(), 0u);

    // The same kind of window from a process that is not ours (its parent is a shell we started).
    const std::string self = "/proc/" + std::to_string(getpid()) + "/exe";
    std::FILE* other = popen(("sh -c '\"" + self + "\" --window >/dev/null; :'").c_str(), "w");
    ASSERT_NE(other, nullptr);
    unsigned long theirs = 0;
    EXPECT_TRUE(PumpUntil([&] { return (theirs = active()) != 0 && theirs != shown; }, 5000));
    EXPECT_EQ(desktop.GetForegroundWindow(), theirs);
    pclose(other);
}

MemHandle Block(Clipboard& c, const std::vector<std::uint8_t>& bytes) {
    MemHandle h = c.GlobalAlloc(kGmemMoveable, bytes.size());
    c.GlobalWrite(h, bytes);
    return h;
}

std::string ReadElsewhere(const std::string& target) {
    Child reader({"--read", "CLIPBOARD", target});
    std::string out;
    EXPECT_EQ(reader.Collect(out), 0) << target;
    return out;
}

// The copy fallback's round: another application's clipboard is saved whole, our text is handed
// out (another client reads it as UTF-8) and the saved content is put back, readable elsewhere as
// it was. A hung owner makes the save time out within its deadline.
TEST(X11Clipboard, SaveSetAndRestoreAgainstAnotherApplication) {
    x11::X11Desktop desktop;
    auto clipboard = x11::MakeClipboard(desktop);
    Clipboard& c = *clipboard;
    const std::uint32_t html = c.RegisterClipboardFormat("text/html");

    ClipboardContent saved;
    {
        Child owner({"--own", "CLIPBOARD", "UTF8_STRING=caf\xc3\xa9", "text/html=<b>hi</b>"});
        ASSERT_NE(owner.ReadUntil("ready", 5000).find("ready"), std::string::npos);
        std::uint32_t before = c.GetClipboardSequenceNumber();
        saved = c.SaveClipboardContent(2000, 1 << 20, {});
        ASSERT_EQ(saved.status, ClipboardSave::Saved);
        ASSERT_EQ(saved.formats.size(), 2u);
        EXPECT_EQ(saved.formats[0].first, kCfUnicodeText);
        EXPECT_EQ(saved.formats[0].second, ToUtf16Le(u"caf\u00e9", true));
        EXPECT_EQ(saved.formats[1], (std::pair<std::uint32_t, std::vector<std::uint8_t>>{
                                        html, {'<', 'b', '>', 'h', 'i', '<', '/', 'b', '>'}}));
        EXPECT_EQ(c.GetClipboardSequenceNumber(), before) << "reading changes nothing";

        ASSERT_TRUE(c.OpenClipboard(1));
        EXPECT_FALSE(c.OpenClipboard(2)) << "open until closed";
        ASSERT_TRUE(c.EmptyClipboard());
        c.SetClipboardData(kCfUnicodeText, Block(c, ToUtf16Le(u"\u0436 \U0001F600", true)));
        ASSERT_TRUE(c.CloseClipboard());
        EXPECT_NE(c.GetClipboardSequenceNumber(), before);
    }
    // Another client gets our text while we pump (Qt answers for us).
    std::string got;
    std::thread reader([&] { got = ReadElsewhere("UTF8_STRING"); });
    EXPECT_TRUE(PumpUntil([&] { return !got.empty(); }, 5000));
    reader.join();
    EXPECT_EQ(got, "\xd0\xb6 \xf0\x9f\x98\x80");

    ASSERT_TRUE(c.OpenClipboard(1));
    ASSERT_TRUE(c.EmptyClipboard());
    for (const auto& [format, bytes] : saved.formats) {
        c.SetClipboardData(format, Block(c, bytes));
    }
    ASSERT_TRUE(c.CloseClipboard());
    std::string restored;
    std::thread reader2([&] { restored = ReadElsewhere("text/html") + "|" + ReadElsewhere("UTF8_STRING"); });
    EXPECT_TRUE(PumpUntil([&] { return !restored.empty(); }, 8000));
    reader2.join();
    EXPECT_EQ(restored, "<b>hi</b>|caf\xc3\xa9");

    Child hung({"--own", "CLIPBOARD", "--hang", "UTF8_STRING=never"});
    ASSERT_NE(hung.ReadUntil("ready", 5000).find("ready"), std::string::npos);
    std::int64_t start = NowMs();
    EXPECT_EQ(c.SaveClipboardContent(300, 1 << 20, {}).status, ClipboardSave::TimedOut);
    EXPECT_LT(NowMs() - start, 1500);
}

}  // namespace
}  // namespace plv::x11test

namespace plv::x11test {
namespace {

// The copy fallback empties the clipboard and sends the copy keys; xterm copies with the time of
// its selection, made before the clipboard was emptied, so emptying must not leave us its owner
// (the server would refuse xterm the clipboard). Until someone copies, it reads as empty.
TEST(X11Clipboard, AnApplicationCopiesAfterWeEmptiedIt) {
    if (std::system("command -v xterm >/dev/null") != 0) {
        GTEST_SKIP() << "no xterm";
    }
    x11::X11Desktop desktop;
    auto clipboard = x11::MakeClipboard(desktop);
    Clipboard& c = *clipboard;
    ASSERT_TRUE(c.OpenClipboard(1));
    c.EmptyClipboard();
    c.SetClipboardData(kCfUnicodeText, Block(c, ToUtf16Le(u"old", true)));
    ASSERT_TRUE(c.CloseClipboard());
    // Ctrl+Insert copies in this xterm, as it does in most applications.
    std::system(
        "xterm -xrm 'XTerm*VT100.translations: #override Ctrl <Key>Insert: copy-selection(CLIPBOARD)' "
        "-geometry 60x5+50+50 -e sh -c 'echo Hello world here; sleep 30' & echo $! > /tmp/plv-x11-xterm.pid");
    std::string window;
    ASSERT_TRUE(PumpUntil(
        [&] {
            FILE* p = popen("xdotool search --onlyvisible --class XTerm 2>/dev/null | head -1", "r");
            char line[64] = {};
            window = p != nullptr && std::fgets(line, sizeof line, p) != nullptr ? line : "";
            if (p != nullptr) {
                pclose(p);
            }
            return !window.empty();
        },
        10000));
    window.erase(window.find_last_not_of("\n") + 1);
    std::system(("xdotool windowactivate --sync " + window + " mousemove --window " + window +
                 " 6 8 mousedown 1 sleep 0.2 mousemove --window " + window + " 90 9 sleep 0.2 mouseup 1")
                    .c_str());
    ASSERT_TRUE(c.OpenClipboard(1));
    c.EmptyClipboard();
    ASSERT_TRUE(c.CloseClipboard());
    ASSERT_TRUE(c.OpenClipboard(1));
    EXPECT_EQ(c.GetClipboardData(kCfUnicodeText), 0u) << "emptied";
    c.CloseClipboard();
    desktop.KeybdEvent(0x11, 0, 0);
    desktop.KeybdEvent(0x2D, 0, kKeyEventExtendedKey);
    desktop.KeybdEvent(0x2D, 0, kKeyEventExtendedKey | kKeyEventKeyUp);
    desktop.KeybdEvent(0x11, 0, kKeyEventKeyUp);
    std::u16string text;
    PumpUntil(
        [&] {
            if (!c.OpenClipboard(1)) {
                return false;
            }
            MemHandle h = c.GetClipboardData(kCfUnicodeText);
            text = h != 0 ? UntilNul(FromUtf16Le(c.GlobalRead(h))) : u"";
            c.CloseClipboard();
            return !text.empty();
        },
        5000);
    EXPECT_EQ(text, u"Hello world he");
    std::system("kill $(cat /tmp/plv-x11-xterm.pid); rm -f /tmp/plv-x11-xterm.pid");
}

}  // namespace
}  // namespace plv::x11test

namespace plv::x11test {
namespace {

// Under Wayland without XWayland there is no X display: plv says it needs X11 and exits with 1.
TEST(Plv, RefusesASessionWithoutX) {
    std::string plv = RunningExecutableDirectory() + "/plv";
    for (const char* session : {"env -u DISPLAY WAYLAND_DISPLAY=wayland-0 ",
                                "env -u DISPLAY -u WAYLAND_DISPLAY XDG_SESSION_TYPE=wayland "}) {
        FILE* p = popen((session + plv + " 2>&1").c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::string said;
        char buf[256];
        while (std::fgets(buf, sizeof buf, p) != nullptr) {
            said += buf;
        }
        int status = pclose(p);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << session;
        EXPECT_NE(said.find("needs an X11 session"), std::string::npos) << said;
    }
}

}  // namespace
}  // namespace plv::x11test
