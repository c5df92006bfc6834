// The window of a browser of our own on X11.
//
// It stays a top-level window that the window manager manages, made transient for the main
// window, and is moved over the browser area while the main window is shown, and withdrawn
// (unmapped) otherwise; it is not reparented into the browser area. A window reparented into
// another program's window is no longer one the window manager manages: it would get the keyboard
// focus only by the browser's own doing (the user types into the service page), and Chromium's X11
// code takes its window for a top-level one (its bounds in root coordinates, the focus messages of
// the window manager). Transient for the main window, the window manager keeps it above that
// window and tells it apart from the user's own windows; it is also kept out of the taskbar and
// the pager. The Windows engine keeps its browser's window off the screen while the main form is
// hidden; X11 window managers move a managed window that lies off the screen back onto it, so here
// it is withdrawn instead (the browser is told not to slow down pages whose window is hidden).
// Chromium maps its window as it starts; it is withdrawn as soon as it is found, at the program's
// next poll of the page.

#include "platform/devtools/chromium_x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <vector>

#include "platform/devtools/devtools_session.h"

namespace plv::devtools {
namespace {

constexpr std::uint64_t kLookMs = 250;  // between two looks for the browser's window

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
    Display* display = nullptr;
    Window host = 0;
    Window window = 0;
    bool mapped = false;  // by us, after it was found
    std::uint64_t nextLook = 0;
    Atom clientList = 0;
    Atom pidAtom = 0;
    Atom wmState = 0;
    Atom netState = 0;
    Atom skipTaskbar = 0;
    Atom skipPager = 0;

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

    // The main window: the ancestor of the browser area that the window manager knows as a
    // client (it has WM_STATE), else the one right under the root.
    Window TopLevel() {
        Window root = DefaultRootWindow(display);
        Window w = host;
        Window top = 0;
        Window last = host;
        for (int depth = 0; w != 0 && w != root && depth < 64; ++depth) {
            Window r = 0;
            Window parent = 0;
            Window* children = nullptr;
            unsigned int count = 0;
            if (XQueryTree(display, w, &r, &parent, &children, &count) == 0) {
                return 0;
            }
            if (children != nullptr) {
                XFree(children);
            }
            if (top == 0 && !Longs(display, w, wmState, wmState).empty()) {
                top = w;
            }
            last = w;
            w = parent;
        }
        return top != 0 ? top : last;
    }

    // Withdrawn: the window manager lets it go.
    void Withdraw() {
        XWithdrawWindow(display, window, DefaultScreen(display));
        mapped = false;
    }

    // Mapped again, as the window manager's client: transient for the main window, out of the
    // taskbar and the pager (set while it is withdrawn, as a client sets them itself).
    void Map() {
        if (Window top = TopLevel()) {
            XSetTransientForHint(display, window, top);
        }
        Atom states[] = {skipTaskbar, skipPager};
        XChangeProperty(display, window, netState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(states), 2);
        XMapWindow(display, window);
        mapped = true;
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
        x_->netState = XInternAtom(d, "_NET_WM_STATE", False);
        x_->skipTaskbar = XInternAtom(d, "_NET_WM_STATE_SKIP_TASKBAR", False);
        x_->skipPager = XInternAtom(d, "_NET_WM_STATE_SKIP_PAGER", False);
    }
    x_->host = host;
}

bool ChromiumX11Window::Find(int pid) {
    Display* d = x_->display;
    if (d == nullptr || x_->host == 0 || pid <= 0) {
        return false;
    }
    ErrorTrap trap(d);
    if (x_->window != 0) {
        XWindowAttributes a{};
        if (XGetWindowAttributes(d, x_->window, &a) != 0) {
            return true;
        }
        x_->window = 0;
    }
    std::uint64_t now = NowMs();
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
            x_->window = w;
            x_->Withdraw();
            return true;
        }
    }
    return false;
}

void ChromiumX11Window::Forget() {
    x_->window = 0;
    x_->mapped = false;
    x_->nextLook = 0;
}

void ChromiumX11Window::Place(bool over) {
    Display* d = x_->display;
    if (d == nullptr || x_->window == 0) {
        return;
    }
    ErrorTrap trap(d);
    XWindowAttributes host{};
    Window child = 0;
    int x = 0;
    int y = 0;
    if (over && XGetWindowAttributes(d, x_->host, &host) != 0 && host.map_state == IsViewable &&
        XTranslateCoordinates(d, x_->host, DefaultRootWindow(d), 0, 0, &x, &y, &child) != 0 &&
        host.width > 0 && host.height > 0) {
        if (!x_->mapped) {
            x_->Map();
        }
        XMoveResizeWindow(d, x_->window, x, y, static_cast<unsigned>(host.width),
                          static_cast<unsigned>(host.height));
        XRaiseWindow(d, x_->window);
    } else if (x_->mapped) {
        x_->Withdraw();
    }
}

unsigned long ChromiumX11Window::window() const {
    return x_->window;
}

}  // namespace plv::devtools
