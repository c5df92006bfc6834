#pragma once
// The window of a browser of our own on X11, kept over the main window's browser area while the
// main window is shown, and withdrawn otherwise. No X11
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
    // otherwise; a window found is withdrawn until Place puts it over the host. Whether the
    // window is known now.
    bool Find(int pid);
    // The browser has ended: its window is gone with it.
    void Forget();
    // Over the host's area (over, when the host is on the screen), or withdrawn.
    void Place(bool over);
    // The browser's window; 0 until it is found.
    unsigned long window() const;

  private:
    struct X;
    std::unique_ptr<X> x_;
};

}  // namespace plv::devtools
