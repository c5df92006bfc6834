// The desktop of the other applications over Xlib: EWMH properties of the window manager, XInput2
// raw button events, XFixes selection-owner events, XRandR monitors and XTest keys.

#include <QtCore/QSocketNotifier>

#include <sys/select.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "base/text.h"
#include "platform/x11/x11_backend.h"
// Xlib last: its macros (None, Bool, Status...) would clash with the names above.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>

namespace plv::x11 {

namespace {

// How long after the release of a drag its application may still take PRIMARY (some set it
// when the button comes up, and the event reaches us a little later).
constexpr XTime kOwnerAfterReleaseMs = 300;
constexpr int kConvertTimeoutMs = 500;

// A process the program started itself (its browser, its service).
bool IsOwnChild(std::uint32_t pid) {
    auto stat = pid == 0 ? std::nullopt : ReadProcStat(pid);
    return stat && stat->parent == static_cast<std::uint32_t>(getpid());
}

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The keys the program asks about or sends, as X names them.
KeySym KeySymOf(int vk) {
    if (vk >= 'A' && vk <= 'Z') {
        return static_cast<KeySym>(XK_a + (vk - 'A'));
    }
    if (vk >= '0' && vk <= '9') {
        return static_cast<KeySym>(XK_0 + (vk - '0'));
    }
    if (vk >= 0x70 && vk <= 0x7B) {
        return static_cast<KeySym>(XK_F1 + (vk - 0x70));
    }
    switch (vk) {
        case 0x08:
            return XK_BackSpace;
        case 0x09:
            return XK_Tab;
        case 0x0D:
            return XK_Return;
        case 0x10:
        case 0xA0:
            return XK_Shift_L;
        case 0xA1:
            return XK_Shift_R;
        case 0x11:
        case 0xA2:
            return XK_Control_L;
        case 0xA3:
            return XK_Control_R;
        case 0x12:
        case 0xA4:
            return XK_Alt_L;
        case 0xA5:
            return XK_Alt_R;
        case 0x1B:
            return XK_Escape;
        case 0x20:
            return XK_space;
        case 0x2D:
            return XK_Insert;
        case 0x2E:
            return XK_Delete;
        case 0x5B:
            return XK_Super_L;
        case 0x5C:
            return XK_Super_R;
        default:
            return NoSymbol;
    }
}

RectPx Intersect(const RectPx& a, const RectPx& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool Overlaps(const RectPx& a, const RectPx& b) {
    RectPx i = Intersect(a, b);
    return i.left < i.right && i.top < i.bottom;
}

std::int64_t DistanceSquared(const RectPx& r, PointPx p) {
    std::int64_t dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - r.right + 1 : 0;
    std::int64_t dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - r.bottom + 1 : 0;
    return dx * dx + dy * dy;
}

}  // namespace

X11Desktop::X11Desktop() {
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) {
        return;
    }
    root_ = DefaultRootWindow(display_);
    own_ = XCreateSimpleWindow(display_, root_, -10, -10, 1, 1, 0, 0, 0);
    XSelectInput(display_, own_, PropertyChangeMask);
    // Raw button events of every pointer on the root: no grab, and a drag shorter than one poll
    // still leaves its press and release in the queue.
    int event = 0;
    int error = 0;
    if (XQueryExtension(display_, "XInputExtension", &xiOpcode_, &event, &error)) {
        // 2.1 or later: raw events come from the master pointer whatever grab another client holds.
        int major = 2;
        int minor = 2;
        if (XIQueryVersion(display_, &major, &minor) == Success) {
            unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
            XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
            XISetMask(bits, XI_RawButtonPress);
            XISetMask(bits, XI_RawButtonRelease);
            XISelectEvents(display_, root_, &mask, 1);
        } else {
            xiOpcode_ = -1;
        }
    }
    if (XFixesQueryExtension(display_, &fixesEvent_, &error)) {
        XFixesSelectSelectionInput(display_, root_, AtomOf("PRIMARY"), XFixesSetSelectionOwnerNotifyMask);
        // The clipboard's owner changes with its content: the clipboard's sequence number.
        XFixesSelectSelectionInput(display_, root_, AtomOf("CLIPBOARD"),
                                   XFixesSetSelectionOwnerNotifyMask |
                                       XFixesSelectionWindowDestroyNotifyMask |
                                       XFixesSelectionClientCloseNotifyMask);
    } else {
        fixesEvent_ = -1;
    }
    XFlush(display_);
    notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(display_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });
}

X11Desktop::~X11Desktop() {
    notifier_.reset();
    if (display_ != nullptr) {
        XDestroyWindow(display_, own_);
        XCloseDisplay(display_);
    }
}

unsigned long X11Desktop::AtomOf(const char* name) {
    return XInternAtom(display_, name, False);
}

void X11Desktop::Drain() {
    if (display_ == nullptr) {
        return;
    }
    // Selection answers and property changes stay queued for the calls that wait for them.
    auto notAnAnswer = [](Display*, XEvent* e, XPointer) -> Bool {
        return e->type != SelectionNotify && e->type != PropertyNotify;
    };
    XEvent e;
    while (XCheckIfEvent(display_, &e, notAnAnswer, nullptr)) {
        if (e.type == SelectionRequest) {
            AnswerRequest(&e);
            continue;
        }
        if (e.type == SelectionClear && e.xselectionclear.selection == AtomOf("CLIPBOARD")) {
            clipboard_.clear();
            continue;
        }
        if (e.type == GenericEvent && e.xcookie.extension == xiOpcode_ &&
            XGetEventData(display_, &e.xcookie)) {
            auto* raw = static_cast<XIRawEvent*>(e.xcookie.data);
            int button = raw->detail;
            bool press = e.xcookie.evtype == XI_RawButtonPress;
            if (button >= 1 && button <= 3) {
                down_[static_cast<std::size_t>(button)] = press;
                if (press) {
                    latched_[static_cast<std::size_t>(button)] = true;
                }
                if (button == PrimaryPhysicalButton()) {
                    (press ? primaryPress_ : primaryRelease_) = raw->time;
                }
            }
            XFreeEventData(display_, &e.xcookie);
        } else if (fixesEvent_ >= 0 && e.type == fixesEvent_ + XFixesSelectionNotify) {
            auto* owner = reinterpret_cast<XFixesSelectionNotifyEvent*>(&e);
            if (owner->selection == AtomOf("CLIPBOARD")) {
                ++clipboardChanges_;
            } else if (owner->subtype == XFixesSetSelectionOwnerNotify) {
                primaryOwnerChanged_ = owner->selection_timestamp;
            }
        }
    }
}

// XGetPointerMapping: the physical button that acts as the logical first one.
int X11Desktop::PrimaryPhysicalButton() {
    unsigned char map[16] = {};
    int n = XGetPointerMapping(display_, map, sizeof map);
    for (int i = 0; i < n && i < 3; ++i) {
        if (map[i] == 1) {
            return i + 1;
        }
    }
    return 1;
}

void X11Desktop::WaitReadable(int ms) {
    int fd = ConnectionNumber(display_);
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    select(fd + 1, &set, nullptr, nullptr, &tv);
}

std::optional<std::vector<unsigned long>> X11Desktop::CardinalProperty(XWindow window, const char* name,
                                                                       const char* type) {
    ::Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, window, AtomOf(name), 0, 1024, False, AtomOf(type), &actual, &format,
                           &count, &after, &data) != Success ||
        data == nullptr) {
        return std::nullopt;
    }
    std::optional<std::vector<unsigned long>> values;
    if (format == 32) {
        // Xlib hands 32-bit items out as longs.
        auto* longs = reinterpret_cast<unsigned long*>(data);
        values = std::vector<unsigned long>(longs, longs + count);
    }
    XFree(data);
    return values;
}

std::string X11Desktop::StringProperty(XWindow window, const char* name) {
    ::Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string s;
    if (XGetWindowProperty(display_, window, AtomOf(name), 0, 4096, False, AnyPropertyType, &actual, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        if (format == 8) {
            s.assign(reinterpret_cast<char*>(data), count);
        }
        XFree(data);
    }
    return s;
}

// The window that carries the application's properties: the window itself when it has
// WM_STATE, else the first child that has (the window manager's frame around it).
XWindow X11Desktop::ClientOf(XWindow window) {
    ::Atom wmState = AtomOf("WM_STATE");
    auto hasState = [&](XWindow w) {
        ::Atom actual = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        bool has = XGetWindowProperty(display_, w, wmState, 0, 0, False, AnyPropertyType, &actual, &format,
                                      &count, &after, &data) == Success &&
                   actual != 0;
        if (data != nullptr) {
            XFree(data);
        }
        return has;
    };
    if (window == 0 || hasState(window)) {
        return window;
    }
    XWindow rootReturn = 0;
    XWindow parent = 0;
    XWindow* children = nullptr;
    unsigned int n = 0;
    XWindow found = window;
    if (XQueryTree(display_, window, &rootReturn, &parent, &children, &n) != 0) {
        for (unsigned int i = 0; i < n; ++i) {
            if (hasState(children[i])) {
                found = children[i];
                break;
            }
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return found;
}

// _NET_ACTIVE_WINDOW of the root, as the window manager keeps it.
Hwnd X11Desktop::GetForegroundWindow() {
    if (display_ == nullptr) {
        return 0;
    }
    auto active = CardinalProperty(root_, "_NET_ACTIVE_WINDOW", "WINDOW");
    const XWindow window = active && !active->empty() ? (*active)[0] : 0;
    if (window != lastActive_) {
        lastActive_ = window;
        activeIsChilds_ = window != 0 && IsOwnChild(GetWindowProcessId(window));
    }
    // The browser we start shows its window on its own for a moment before it is taken into the
    // main window, and a window manager with nothing else to focus makes it the active one (and
    // may leave it so once it is ours). That window is the program's own, not an application the
    // user works in: there is no foreground application then.
    return activeIsChilds_ ? 0 : window;
}

// XQueryPointer on the root.
PointPx X11Desktop::GetCursorPos() {
    if (display_ == nullptr) {
        return {};
    }
    XWindow rootReturn = 0;
    XWindow child = 0;
    int x = 0;
    int y = 0;
    int wx = 0;
    int wy = 0;
    unsigned int mask = 0;
    XQueryPointer(display_, root_, &rootReturn, &child, &x, &y, &wx, &wy, &mask);
    return {x, y};
}

// Buttons: the raw events seen so far, a press held until it has been read once. Keys:
// XQueryKeymap.
std::int16_t X11Desktop::GetAsyncKeyState(int virtualKey) {
    if (display_ == nullptr) {
        return 0;
    }
    constexpr std::int16_t kDown = std::numeric_limits<std::int16_t>::min();
    int button = virtualKey == 1 ? 1 : virtualKey == 2 ? 3 : virtualKey == 4 ? 2 : 0;
    if (button != 0) {
        Drain();
        auto b = static_cast<std::size_t>(button);
        bool pressed = down_[b] || latched_[b];
        latched_[b] = false;
        return pressed ? kDown : std::int16_t{0};
    }
    std::vector<KeySym> syms = {KeySymOf(virtualKey)};
    if (virtualKey >= 0x10 && virtualKey <= 0x12) {
        syms.push_back(KeySymOf(0xA1 + 2 * (virtualKey - 0x10)));  // either side
    }
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    for (KeySym sym : syms) {
        KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display_, sym);
        if (code != 0 && (keys[code / 8] & (1 << (code % 8))) != 0) {
            return kDown;
        }
    }
    return 0;
}

// XGetWindowAttributes + XTranslateCoordinates to the root.
std::optional<RectPx> X11Desktop::GetWindowRect(Hwnd window) {
    if (ownRect_) {
        if (auto own = ownRect_(window)) {
            return own;
        }
    }
    XWindowAttributes a{};
    if (display_ == nullptr || window == 0 || XGetWindowAttributes(display_, window, &a) == 0) {
        return std::nullopt;
    }
    int x = 0;
    int y = 0;
    XWindow child = 0;
    XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
    return RectPx{x, y, x + a.width, y + a.height};
}

// _NET_WM_PID of the window; 0 when it has none.
std::uint32_t X11Desktop::GetWindowProcessId(Hwnd window) {
    if (display_ == nullptr || window == 0) {
        return 0;
    }
    auto pid = CardinalProperty(ClientOf(window), "_NET_WM_PID", "CARDINAL");
    return pid && !pid->empty() ? static_cast<std::uint32_t>((*pid)[0]) : 0;
}

// XGetClassHint: the class part of WM_CLASS ("XTerm").
std::u16string X11Desktop::GetClassName(Hwnd window) {
    if (display_ == nullptr || window == 0) {
        return {};
    }
    XClassHint hint{};
    std::u16string name;
    if (XGetClassHint(display_, ClientOf(window), &hint) != 0) {
        if (hint.res_class != nullptr) {
            name = Utf8ToUtf16(hint.res_class);
        }
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return name;
}

// X11 has no copy message: applications copy on their own keys only.
std::optional<std::intptr_t> X11Desktop::SendCopyMessage(Hwnd /*window*/) {
    return std::nullopt;
}

// XTestFakeKeyEvent of the key's keycode.
void X11Desktop::KeybdEvent(std::uint8_t virtualKey, std::uint8_t /*scanCode*/, std::uint32_t flags) {
    KeySym sym = KeySymOf(virtualKey);
    KeyCode code = display_ == nullptr || sym == NoSymbol ? 0 : XKeysymToKeycode(display_, sym);
    if (code == 0) {
        return;
    }
    XTestFakeKeyEvent(display_, code, (flags & kKeyEventKeyUp) == 0 ? True : False, CurrentTime);
    XFlush(display_);
}

// XKeysymToKeycode: evdev keycodes are the keyboard's scan codes plus 8.
std::uint32_t X11Desktop::ScanCodeOf(std::uint8_t virtualKey) {
    KeySym sym = KeySymOf(virtualKey);
    KeyCode code = display_ == nullptr || sym == NoSymbol ? 0 : XKeysymToKeycode(display_, sym);
    return code > 8 ? static_cast<std::uint32_t>(code - 8) : 0;
}

// X11 has no integrity levels: every application takes our keys.
bool X11Desktop::IsWindowAboveOwnIntegrity(Hwnd /*window*/) {
    return false;
}

// The primary monitor's size; XGetPointerMapping for swapped buttons.
int X11Desktop::GetSystemMetrics(int index) {
    if (display_ == nullptr) {
        return 0;
    }
    if (index == kSmSwapButton) {
        return PrimaryPhysicalButton() == 3 ? 1 : 0;
    }
    MonitorArea primary = MonitorAt({0, 0});
    for (const MonitorArea& m : Monitors()) {
        if (m.monitor.left == 0 && m.monitor.top == 0) {
            primary = m;
        }
    }
    if (index == kSmCxScreen) {
        return primary.monitor.Width();
    }
    if (index == kSmCyScreen) {
        return primary.monitor.Height();
    }
    return 0;
}

// XRRGetMonitors for the monitors; each one's work area leaves out what the docks on it reserve
// with _NET_WM_STRUT_PARTIAL (or _NET_WM_STRUT), measured from the edges of the root window.
std::vector<MonitorArea> X11Desktop::Monitors() {
    std::vector<MonitorArea> out;
    if (display_ == nullptr) {
        return out;
    }
    int n = 0;
    XRRMonitorInfo* info = XRRGetMonitors(display_, root_, True, &n);
    for (int i = 0; i < n; ++i) {
        RectPx r{info[i].x, info[i].y, info[i].x + info[i].width, info[i].y + info[i].height};
        // The primary monitor first, as Windows puts it at the origin.
        if (info[i].primary != 0) {
            out.insert(out.begin(), {r, r});
        } else {
            out.push_back({r, r});
        }
    }
    if (info != nullptr) {
        XRRFreeMonitors(info);
    }
    const int rootW = DisplayWidth(display_, DefaultScreen(display_));
    const int rootH = DisplayHeight(display_, DefaultScreen(display_));
    if (out.empty()) {
        out.push_back({{0, 0, rootW, rootH}, {0, 0, rootW, rootH}});
    }
    std::vector<XWindow> windows;
    if (auto list = CardinalProperty(root_, "_NET_CLIENT_LIST", "WINDOW")) {
        windows.assign(list->begin(), list->end());
    } else {
        XWindow rootReturn = 0;
        XWindow parent = 0;
        XWindow* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display_, root_, &rootReturn, &parent, &children, &count) != 0 &&
            children != nullptr) {
            windows.assign(children, children + count);
            XFree(children);
        }
    }
    for (XWindow w : windows) {
        auto s = CardinalProperty(w, "_NET_WM_STRUT_PARTIAL", "CARDINAL");
        if (!s || s->size() < 12) {
            auto plain = CardinalProperty(w, "_NET_WM_STRUT", "CARDINAL");
            if (!plain || plain->size() < 4) {
                continue;
            }
            auto h = static_cast<unsigned long>(rootH - 1);
            auto wd = static_cast<unsigned long>(rootW - 1);
            s = std::vector<unsigned long>{(*plain)[0], (*plain)[1], (*plain)[2], (*plain)[3], 0, h,
                                           0,           h,           0,           wd,          0, wd};
        }
        const auto& v = *s;
        auto I = [](unsigned long x) { return static_cast<std::int32_t>(x); };
        // The four reserved strips on the root: left, right, top, bottom.
        const RectPx strips[4] = {
            {0, I(v[4]), I(v[0]), I(v[5]) + 1},
            {rootW - I(v[1]), I(v[6]), rootW, I(v[7]) + 1},
            {I(v[8]), 0, I(v[9]) + 1, I(v[2])},
            {I(v[10]), rootH - I(v[3]), I(v[11]) + 1, rootH},
        };
        for (MonitorArea& m : out) {
            for (int side = 0; side < 4; ++side) {
                const RectPx& strip = strips[side];
                if (strip.Width() <= 0 || strip.Height() <= 0 || !Overlaps(strip, m.monitor)) {
                    continue;
                }
                RectPx& w2 = m.work;
                switch (side) {
                    case 0:
                        w2.left = std::max(w2.left, strip.right);
                        break;
                    case 1:
                        w2.right = std::min(w2.right, strip.left);
                        break;
                    case 2:
                        w2.top = std::max(w2.top, strip.bottom);
                        break;
                    default:
                        w2.bottom = std::min(w2.bottom, strip.top);
                        break;
                }
            }
        }
    }
    return out;
}

// The monitor that shows the point, else the nearest one (MONITOR_DEFAULTTONEAREST).
MonitorArea X11Desktop::MonitorAt(PointPx at) {
    std::vector<MonitorArea> all = Monitors();
    if (all.empty()) {
        return {};
    }
    const MonitorArea* best = &all[0];
    for (const MonitorArea& m : all) {
        if (DistanceSquared(m.monitor, at) < DistanceSquared(best->monitor, at)) {
            best = &m;
        }
    }
    return *best;
}

// Xft.dpi of the resource database where the desktop sets it, else the screen's own size.
std::int32_t X11Desktop::DpiX() {
    if (display_ == nullptr) {
        return 96;
    }
    if (const char* resources = XResourceManagerString(display_)) {
        XrmInitialize();
        XrmDatabase db = XrmGetStringDatabase(resources);
        char* type = nullptr;
        XrmValue value{};
        std::int32_t dpi = 0;
        if (db != nullptr && XrmGetResource(db, "Xft.dpi", "Xft.Dpi", &type, &value) &&
            value.addr != nullptr) {
            dpi = static_cast<std::int32_t>(std::atof(value.addr) + 0.5);
        }
        if (db != nullptr) {
            XrmDestroyDatabase(db);
        }
        if (dpi > 0) {
            return dpi;
        }
    }
    int screen = DefaultScreen(display_);
    int mm = DisplayWidthMM(display_, screen);
    return mm > 0 ? static_cast<std::int32_t>(DisplayWidth(display_, screen) * 25.4 / mm + 0.5) : 96;
}

std::int32_t X11Desktop::DpiY() {
    // X servers report one resolution for both directions in practice; Xft.dpi is one number.
    return DpiX();
}

// uname: the kernel's version, in the program's terms well past the oldest it cares about.
std::optional<OsVersionInfo> X11Desktop::GetVersionEx() {
    utsname u{};
    if (uname(&u) != 0) {
        return std::nullopt;
    }
    OsVersionInfo v;
    v.major = static_cast<std::uint32_t>(std::strtoul(u.release, nullptr, 10));
    const char* dot = std::strchr(u.release, '.');
    v.minor = dot != nullptr ? static_cast<std::uint32_t>(std::strtoul(dot + 1, nullptr, 10)) : 0;
    return v;
}

// A _NET_ACTIVE_WINDOW client message to the root, as pagers ask the window manager.
bool X11Desktop::SetForegroundWindow(Hwnd window) {
    if (display_ == nullptr || window == 0) {
        return false;
    }
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = AtomOf("_NET_ACTIVE_WINDOW");
    e.xclient.format = 32;
    e.xclient.data.l[0] = 2;  // from a pager: the window manager does as asked
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(display_);
    return true;
}

// The same request: X11 has one active window, not one per thread.
void X11Desktop::SetActiveWindow(Hwnd window) {
    SetForegroundWindow(window);
}

// ConvertSelection into a property of our own window, then the property read whole.
std::optional<std::vector<std::uint8_t>> X11Desktop::ConvertSelection(const char* selection,
                                                                      const char* target, int timeoutMs,
                                                                      bool* timedOut) {
    if (timedOut != nullptr) {
        *timedOut = false;
    }
    if (display_ == nullptr) {
        return std::nullopt;
    }
    ::Atom property = AtomOf("PLV_SELECTION");
    XConvertSelection(display_, AtomOf(selection), AtomOf(target), property, own_, CurrentTime);
    XFlush(display_);
    std::int64_t end = NowMs() + timeoutMs;
    for (;;) {
        XEvent e;
        if (XCheckTypedWindowEvent(display_, own_, SelectionNotify, &e)) {
            if (e.xselection.property == 0) {
                return std::nullopt;  // the owner refused that target
            }
            ::Atom actual = 0;
            int format = 0;
            unsigned long count = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            std::optional<std::vector<std::uint8_t>> bytes;
            if (XGetWindowProperty(display_, own_, property, 0, 0x1000000, True, AnyPropertyType, &actual,
                                   &format, &count, &after, &data) == Success &&
                data != nullptr) {
                // INCR (a transfer in parts, for very large selections) is not taken: the caller
                // then copies through the clipboard.
                if (actual != AtomOf("INCR")) {
                    std::size_t unit = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
                    bytes = std::vector<std::uint8_t>(data, data + count * unit);
                }
                XFree(data);
            }
            return bytes;
        }
        std::int64_t left = end - NowMs();
        if (left <= 0) {
            if (timedOut != nullptr) {
                *timedOut = true;
            }
            return std::nullopt;
        }
        WaitReadable(static_cast<int>(std::min<std::int64_t>(left, 20)));
        Drain();  // keeps button events flowing while we wait
    }
}

// PRIMARY, taken when its owner changed from the drag's press to shortly after its release (the
// XFixes event's selection timestamp against the raw events' server times), read as UTF-8.
std::optional<std::u16string> X11Desktop::DragSelectionText() {
    if (display_ == nullptr || fixesEvent_ < 0 || xiOpcode_ < 0) {
        return std::nullopt;
    }
    Drain();
    if (primaryPress_ == 0 || primaryRelease_ < primaryPress_) {
        return std::nullopt;
    }
    // The owner's change may still be on its way: wait for it until a little after the release,
    // by the server's clock, no longer.
    auto changedInDrag = [this] {
        return primaryOwnerChanged_ >= primaryPress_ &&
               primaryOwnerChanged_ <= primaryRelease_ + kOwnerAfterReleaseMs;
    };
    XTime now = ServerTime();
    if (!changedInDrag() && now != CurrentTime && now < primaryRelease_ + kOwnerAfterReleaseMs) {
        std::int64_t end = NowMs() + static_cast<std::int64_t>(primaryRelease_ + kOwnerAfterReleaseMs - now);
        while (!changedInDrag() && NowMs() < end) {
            WaitReadable(10);
            Drain();
        }
    }
    if (primaryOwnerChanged_ < primaryPress_ ||
        primaryOwnerChanged_ > primaryRelease_ + kOwnerAfterReleaseMs) {
        return std::nullopt;
    }
    auto bytes = ConvertSelection("PRIMARY", "UTF8_STRING", kConvertTimeoutMs, nullptr);
    if (!bytes || bytes->empty()) {
        return std::nullopt;
    }
    return Utf8ToUtf16(std::string(bytes->begin(), bytes->end()));
}

// The root, and windows of the types the desktop's own shell uses.
bool X11Desktop::IsShellWindow(Hwnd window, const std::u16string& /*exeName*/) {
    if (display_ == nullptr || window == 0 || window == root_) {
        return true;
    }
    auto types = CardinalProperty(ClientOf(window), "_NET_WM_WINDOW_TYPE", "ATOM");
    if (types) {
        for (unsigned long t : *types) {
            if (t == AtomOf("_NET_WM_WINDOW_TYPE_DESKTOP") || t == AtomOf("_NET_WM_WINDOW_TYPE_DOCK")) {
                return true;
            }
        }
    }
    return false;
}

// WM_CLASS's class, for a window whose process is unknown.
std::u16string X11Desktop::WindowAppName(Hwnd window) {
    return GetClassName(window);
}

// A zero-length append to a property of our window: the PropertyNotify carries the server's time,
// which SetSelectionOwner wants (a CurrentTime owner could lose to an older request).
XTime X11Desktop::ServerTime() {
    ::Atom property = AtomOf("PLV_TIME");
    XChangeProperty(display_, own_, property, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XFlush(display_);
    for (std::int64_t end = NowMs() + 1000; NowMs() < end;) {
        XEvent e;
        if (XCheckTypedWindowEvent(display_, own_, PropertyNotify, &e)) {
            if (e.xproperty.atom == property) {
                return e.xproperty.time;
            }
            continue;
        }
        WaitReadable(10);
    }
    return CurrentTime;
}

// XSetSelectionOwner of CLIPBOARD for our window; the targets are answered from then on, until
// another application takes the clipboard.
bool X11Desktop::OwnClipboard(std::vector<std::pair<std::string, std::vector<std::uint8_t>>> targets) {
    if (display_ == nullptr) {
        return false;
    }
    clipboard_ = std::move(targets);
    XSetSelectionOwner(display_, AtomOf("CLIPBOARD"), own_, ServerTime());
    bool owned = XGetSelectionOwner(display_, AtomOf("CLIPBOARD")) == own_;
    if (!owned) {
        clipboard_.clear();
    }
    return owned;
}

// What we own is emptied, and the selection kept: giving it up (or taking it anew) would stamp it
// with a time after an application's selection, and the server would then refuse that
// application the clipboard when it copies with its selection's time (xterm does).
void X11Desktop::EmptyOwnedClipboard() {
    clipboard_.clear();
}

bool X11Desktop::OwnsClipboard() {
    return display_ != nullptr && !clipboard_.empty() &&
           XGetSelectionOwner(display_, AtomOf("CLIPBOARD")) == own_;
}

// A SelectionRequest for what we own: TARGETS lists the targets, a target of ours is written to
// the requestor's property, anything else is refused (property None).
void X11Desktop::AnswerRequest(void* event) {
    auto& r = static_cast<XEvent*>(event)->xselectionrequest;
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.display = display_;
    reply.xselection.requestor = r.requestor;
    reply.xselection.selection = r.selection;
    reply.xselection.target = r.target;
    reply.xselection.time = r.time;
    reply.xselection.property = 0;
    ::Atom property = r.property != 0 ? r.property : r.target;  // obsolete clients give none
    if (r.selection == AtomOf("CLIPBOARD") && r.owner == own_) {
        if (r.target == AtomOf("TARGETS")) {
            std::vector<::Atom> list = {AtomOf("TARGETS")};
            for (const auto& [name, bytes] : clipboard_) {
                list.push_back(AtomOf(name.c_str()));
            }
            XChangeProperty(display_, r.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(list.data()), static_cast<int>(list.size()));
            reply.xselection.property = property;
        } else {
            for (const auto& [name, bytes] : clipboard_) {
                if (AtomOf(name.c_str()) == r.target) {
                    XChangeProperty(display_, r.requestor, property, r.target, 8, PropModeReplace,
                                    bytes.data(), static_cast<int>(bytes.size()));
                    reply.xselection.property = property;
                    break;
                }
            }
        }
    }
    XSendEvent(display_, r.requestor, False, 0, &reply);
    XFlush(display_);
}

std::uint32_t X11Desktop::ClipboardChanges() {
    Drain();
    return clipboardChanges_;
}

// XGetSelectionOwner.
XWindow X11Desktop::SelectionOwner(const char* selection) {
    return display_ == nullptr ? 0 : XGetSelectionOwner(display_, AtomOf(selection));
}

std::string X11Desktop::AtomName(unsigned long atom) {
    char* name = display_ == nullptr ? nullptr : XGetAtomName(display_, atom);
    std::string s = name != nullptr ? name : "";
    if (name != nullptr) {
        XFree(name);
    }
    return s;
}

}  // namespace plv::x11
