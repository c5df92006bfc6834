#pragma once
// The window of a browser of our own on X11, taken into the main window's browser area: a child
// window of the area, mapped while the main window is shown and unmapped otherwise. No X11
// header here: Xlib's macros (None, Bool, Status...) would clash with the program's names.

#include <cstdint>
#include <memory>

namespace plv::devtools {

class ChromiumX11Window {
  public:
    ChromiumX11Window();
    ~ChromiumX11Window();
    ChromiumX11Window(const ChromiumX11Window&) = delete;
    ChromiumX11Window& operator=(const ChromiumX11Window&) = delete;

    // The browser area's window (an X11 window id); the display is opened at the first one.
    void SetHost(unsigned long host);
    // Looks for the browser's window: a top-level window whose _NET_WM_PID is the browser's
    // process or one of its process group. Looks at most every so often, and returns at once
    // otherwise; a window found is withdrawn, and taken into the host once the window manager
    // has let go of it. A window known is kept in place (every so often too). Whether the window
    // is known now.
    bool Find(int pid);
    // The keyboard focus to the browser's window, when it is on the screen inside the host and
    // the focus is in the main window (Find does it too, every time).
    void Focus();
    // A client message to the main window: WM_TAKE_FOCUS (its type and first two items) gives
    // the focus to the browser's window when it is on the screen inside the host. Whether it was
    // that message, answered.
    bool TakeFocus(unsigned long type, unsigned long protocol, unsigned long time);
    // The browser has ended: its window is gone with it.
    void Forget();
    // Mapped inside the host at its size (over, when the host is on the screen), or unmapped.
    // Also after the host has moved: the browser is told its new place on the screen.
    void Place(bool over);
    // The browser's window; 0 until it is found.
    unsigned long window() const;

  private:
    struct X;
    std::unique_ptr<X> x_;
};

}  // namespace plv::devtools
