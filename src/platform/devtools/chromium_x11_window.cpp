// The window of a browser of our own on X11.
//
// It becomes part of the main window: once found, it is withdrawn, and when the window manager has
// let go of it, it is reparented into the browser area's window, at its corner and its size. From
// then on the window manager does not see it: no title bar or frame of its own, no place in the
// taskbar or the pager, and it cannot be dragged away from the main window or have another window
// come between the two. It is mapped inside the area while the main window is shown and unmapped
// while it is hidden (unmapping a window that is not the root's child is nothing the window
// manager hears of). Chromium maps its window as it starts; it is withdrawn as soon as it is found,
// at the program's next poll of the page.
//
// Chromium's X11 code takes its window for a top-level one. It asks the server for its place on
// the screen when its own size changes, but a window inside another does not hear when that one
// moves: it is told its place in root coordinates then, with the same synthetic ConfigureNotify a
// window manager sends its clients, so that the page's own pop-ups (a select's list) open in the
// right place. The pointer's events come relative to the window itself either way.
//
// The keyboard focus: a window manager gives it to the main window itself, and the keys would
// reach the page only while the pointer is over it. So the main window says it takes the focus
// only when asked (WM_TAKE_FOCUS, see FocusByMessage), and the program answers by giving it to the
// browser's window; where a window manager gives the main window the focus all the same, the
// browser's window takes it from there (KeepFocus). The page is the only thing the main window
// shows, and the main window stays the active one, as the focus stays inside it.

#include "platform/devtools/chromium_x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "platform/devtools/devtools_session.h"

namespace plv::devtools {
namespace {

constexpr std::uint64_t kLookMs = 250;      // between two looks for the browser's window
constexpr std::uint64_t kReleaseMs = 2000;  // for the window manager to let go of it

// Xlib's default error handler ends the program, and the browser's windows can go at any moment:
// while our requests are out, errors are ignored (each call's own result says whether it worked).
// The handler is the process's, so it is put back as soon as our requests are done.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

class ErrorTrap {
  public:
    explicit ErrorTrap(Display* d) : d_(d), old_(XSetErrorHandler(IgnoreError)) {}
    ~ErrorTrap() {
        XSync(d_, False);
        XSetErrorHandler(old_);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

  private:
    Display* d_;
    int (*old_)(Display*, XErrorEvent*);
};

// A property of 32-bit items (CARDINAL, WINDOW); empty when there is none.
std::vector<unsigned long> Longs(Display* d, Window w, Atom property, Atom type) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(d, w, property, 0, 4096, False, type, &actual, &format, &count, &after, &data) ==
            Success &&
        data != nullptr && format == 32 && actual == type) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return values;
}

std::vector<Window> Children(Display* d, Window w) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> list;
    if (XQueryTree(d, w, &root, &parent, &children, &count) != 0 && children != nullptr) {
        list.assign(children, children + count);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return list;
}

}  // namespace

struct ChromiumX11Window::X {
    enum class State { Unknown, Releasing, Inside };

    Display* display = nullptr;
    Window host = 0;
    Window window = 0;
    State state = State::Unknown;
    bool over = false;    // whether it should be on the screen (the main window is shown)
    bool mapped = false;  // by us, inside the host
    std::uint64_t nextLook = 0;
    std::uint64_t releaseBy = 0;  // when it is taken in even if the window manager keeps it
    int told[4] = {0, 0, 0, 0};   // the place last told to the browser, in root coordinates
    std::vector<Window> main;     // the host and its ancestors up to the main window itself
    Atom clientList = 0;
    Atom pidAtom = 0;
    Atom wmState = 0;
    Atom wmProtocols = 0;
    Atom takeFocus = 0;

    // Whether the window's process is the browser or one of its process group (its renderers and
    // helpers, which the browser starts in its group).
    bool Ours(Window w, int pid) {
        auto pids = Longs(display, w, pidAtom, XA_CARDINAL);
        if (pids.empty()) {
            return false;
        }
        auto p = static_cast<pid_t>(pids[0]);
        return p == pid || (p > 0 && getpgid(p) == pid);
    }

    // Whether the window manager has let go of the withdrawn window: it is the root's child
    // again (out of the frame) and its WM_STATE is gone or says withdrawn.
    bool Released() {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
            return false;
        }
        if (children != nullptr) {
            XFree(children);
        }
        auto wm = Longs(display, window, wmState, wmState);
        return parent == root && (wm.empty() || wm[0] == WithdrawnState);
    }

    // Withdrawn, then inside the host once the window manager has let it go (or has not within a
    // while: a window manager that never answers must not keep the page off the screen).
    void Take(Window w) {
        window = w;
        mapped = false;
        told[2] = 0;
        XWithdrawWindow(display, window, DefaultScreen(display));
        state = State::Releasing;
        releaseBy = NowMs() + kReleaseMs;
        Advance();
    }

    void Advance() {
        if (state == State::Releasing && (Released() || NowMs() >= releaseBy)) {
            XReparentWindow(display, window, host, 0, 0);
            state = State::Inside;
            mapped = false;
            Fit();
            FocusByMessage();
        }
    }

    // The host and its ancestors up to the main window: the one the window manager knows as a
    // client (it has WM_STATE), else the one right under the root (the main window has not been
    // shown yet).
    void FindMain() {
        main.clear();
        Window root = DefaultRootWindow(display);
        for (Window w = host; w != 0 && w != root && main.size() < 64;) {
            main.push_back(w);
            if (!Longs(display, w, wmState, wmState).empty()) {
                return;
            }
            Window r = 0;
            Window parent = 0;
            Window* children = nullptr;
            unsigned int count = 0;
            if (XQueryTree(display, w, &r, &parent, &children, &count) == 0) {
                return;
            }
            if (children != nullptr) {
                XFree(children);
            }
            w = parent;
        }
    }

    // The main window is told to the window manager as one that takes the focus itself, when
    // asked with WM_TAKE_FOCUS, rather than one the window manager gives it to: the window
    // manager would otherwise take the focus from the browser's window at each click in the page
    // (to give it to the main window), and Chromium closes a select's list when it loses the
    // focus, just as the press has opened it. The program answers the message by giving the
    // focus to the browser's window (TakeFocus).
    void FocusByMessage() {
        FindMain();
        if (main.empty()) {
            return;
        }
        Window top = main.back();
        XWMHints* old = XGetWMHints(display, top);
        XWMHints hints{};
        if (old != nullptr) {
            hints = *old;
            XFree(old);
        }
        hints.flags |= InputHint;
        hints.input = False;
        XSetWMHints(display, top, &hints);
    }

    // The window manager gives the focus to the main window again when the user clicks in it, the
    // page included: the browser's window takes it back.
    void KeepFocus() {
        if (state != State::Inside || !mapped) {
            return;
        }
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        if (focus == window || focus == 0) {
            return;
        }
        if (std::find(main.begin(), main.end(), focus) == main.end()) {
            FindMain();  // the main window may have been taken in by the window manager since
        }
        if (std::find(main.begin(), main.end(), focus) != main.end()) {
            XSetInputFocus(display, window, RevertToParent, CurrentTime);
        }
    }

    // Inside the host at its size (while hidden too: the page is laid out for it before it is
    // shown), mapped while it should be on the screen, and its place on the screen told to the
    // browser when it has changed.
    void Fit() {
        if (state != State::Inside) {
            return;
        }
        XWindowAttributes h{};
        XWindowAttributes a{};
        if (XGetWindowAttributes(display, host, &h) != 0 && XGetWindowAttributes(display, window, &a) != 0 &&
            h.width > 0 && h.height > 0 &&
            (a.x != 0 || a.y != 0 || a.width != h.width || a.height != h.height)) {
            XMoveResizeWindow(display, window, 0, 0, static_cast<unsigned>(h.width),
                              static_cast<unsigned>(h.height));
        }
        if (!over) {
            if (mapped) {
                XUnmapWindow(display, window);
                mapped = false;
            }
            return;
        }
        if (!mapped) {
            XMapRaised(display, window);
            mapped = true;
        }
        Window child = 0;
        int x = 0;
        int y = 0;
        if (h.width <= 0 || h.height <= 0 ||
            XTranslateCoordinates(display, host, DefaultRootWindow(display), 0, 0, &x, &y, &child) == 0) {
            return;
        }
        if (told[0] != x || told[1] != y || told[2] != h.width || told[3] != h.height) {
            XEvent e{};
            e.xconfigure.type = ConfigureNotify;
            e.xconfigure.event = window;
            e.xconfigure.window = window;
            e.xconfigure.x = x;
            e.xconfigure.y = y;
            e.xconfigure.width = h.width;
            e.xconfigure.height = h.height;
            XSendEvent(display, window, False, StructureNotifyMask, &e);
            told[0] = x;
            told[1] = y;
            told[2] = h.width;
            told[3] = h.height;
        }
    }
};

ChromiumX11Window::ChromiumX11Window() : x_(std::make_unique<X>()) {}

ChromiumX11Window::~ChromiumX11Window() {
    if (x_->display != nullptr) {
        XCloseDisplay(x_->display);
    }
}

void ChromiumX11Window::SetHost(unsigned long host) {
    if (x_->display == nullptr) {
        x_->display = XOpenDisplay(nullptr);
        if (x_->display == nullptr) {
            return;
        }
        Display* d = x_->display;
        x_->clientList = XInternAtom(d, "_NET_CLIENT_LIST", False);
        x_->pidAtom = XInternAtom(d, "_NET_WM_PID", False);
        x_->wmState = XInternAtom(d, "WM_STATE", False);
        x_->wmProtocols = XInternAtom(d, "WM_PROTOCOLS", False);
        x_->takeFocus = XInternAtom(d, "WM_TAKE_FOCUS", False);
    }
    // A window already inside the old host moves to the new one.
    if (host != x_->host && x_->state == X::State::Inside && host != 0) {
        ErrorTrap trap(x_->display);
        XUnmapWindow(x_->display, x_->window);
        XReparentWindow(x_->display, x_->window, host, 0, 0);
        x_->mapped = false;
        x_->told[2] = 0;
        x_->host = host;
        x_->Fit();
    }
    x_->host = host;
    x_->main.clear();
}

bool ChromiumX11Window::Find(int pid) {
    Display* d = x_->display;
    if (d == nullptr || x_->host == 0 || pid <= 0) {
        return false;
    }
    ErrorTrap trap(d);
    std::uint64_t now = NowMs();
    if (x_->window != 0) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(d, x_->window, &a) != 0) {
            // Kept in place at most every so often: the browser may move or size its window
            // itself, and the host's size may reach the server after the program was told.
            if (now >= x_->nextLook || x_->state == X::State::Releasing) {
                x_->nextLook = now + kLookMs;
                x_->Advance();
                x_->Fit();
            }
            if (x_->over) {
                x_->KeepFocus();
            }
            return true;
        }
        Forget();
    }
    if (now < x_->nextLook) {
        return false;
    }
    x_->nextLook = now + kLookMs;
    Window root = DefaultRootWindow(d);
    // The windows the window manager manages; without one, the root's children and theirs.
    std::vector<Window> candidates;
    for (unsigned long w : Longs(d, root, x_->clientList, XA_WINDOW)) {
        candidates.push_back(static_cast<Window>(w));
    }
    if (candidates.empty()) {
        for (Window w : Children(d, root)) {
            candidates.push_back(w);
            for (Window c : Children(d, w)) {
                candidates.push_back(c);
            }
        }
    }
    for (Window w : candidates) {
        XWindowAttributes a{};
        if (x_->Ours(w, pid) && XGetWindowAttributes(d, w, &a) != 0 && a.override_redirect == False &&
            a.map_state == IsViewable) {
            x_->Take(w);
            return true;
        }
    }
    return false;
}

bool ChromiumX11Window::TakeFocus(unsigned long type, unsigned long protocol, unsigned long time) {
    if (x_->display == nullptr || type != x_->wmProtocols || protocol != x_->takeFocus ||
        x_->state != X::State::Inside || !x_->mapped) {
        return false;
    }
    ErrorTrap trap(x_->display);
    XSetInputFocus(x_->display, x_->window, RevertToParent, static_cast<Time>(time));
    return true;
}

void ChromiumX11Window::Focus() {
    if (x_->display == nullptr || x_->window == 0) {
        return;
    }
    ErrorTrap trap(x_->display);
    x_->KeepFocus();
}

void ChromiumX11Window::Forget() {
    x_->window = 0;
    x_->state = X::State::Unknown;
    x_->mapped = false;
    x_->nextLook = 0;
}

void ChromiumX11Window::Place(bool over) {
    x_->over = over;
    if (x_->display == nullptr || x_->window == 0) {
        return;
    }
    ErrorTrap trap(x_->display);
    x_->Advance();
    x_->Fit();
}

unsigned long ChromiumX11Window::window() const {
    return x_->window;
}

}  // namespace plv::devtools
