#pragma once
// The engines that can show the service page, behind the seam's one Browser. The backend's
// Browser forwards to the engine the settings chose, and tells it about the main form's browser
// area (the WB control): its window, its size, and whether the main form is on the screen.

#include "platform/win32/win_api.h"
// (the backend's Windows headers first)

#include <memory>
#include <optional>
#include <string>

namespace plv::win {

class BrowserEngine {
  public:
    virtual ~BrowserEngine() = default;
    // The Browser operations, with the meaning platform.h gives them. None of them may pump
    // window messages or wait without a bound.
    virtual void Navigate(const std::u16string& url) = 0;
    virtual std::optional<std::u16string> GetElementProperty(const std::u16string& id,
                                                             const std::u16string& name) = 0;
    virtual bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                                    const std::u16string& value) = 0;
    virtual bool CallElementMethod(const std::u16string& id, const std::u16string& name) = 0;
    // A problem that keeps the engine from showing pages (no browser found, it exited, its
    // endpoint refuses), each said once; empty when there is nothing new to say.
    virtual std::u16string TakeProblem() { return {}; }
    // The main form's browser area: its window (a child of the main form, made once before the
    // first navigation), its new client size in pixels, and whether the main form is shown.
    virtual void HostCreated(HWND /*host*/) {}
    virtual void HostResized(int /*width*/, int /*height*/) {}
    virtual void HostShown(bool /*shown*/) {}
    // The browser area's window is about to be destroyed (the program is ending).
    virtual void HostDestroying() {}
    // The main form has moved on the screen, or changed its place in the z-order.
    virtual void HostMoved() {}
    // Whether the engine has found its browser gone (ended, or no longer answering): the
    // program may then start it again or say so. Never waits while the browser is well.
    virtual bool Gone() { return false; }
};

// The system's web browser control (IWebBrowser2), hosted in place in the browser area.
std::unique_ptr<BrowserEngine> MakeEmbeddedEngine();
// Whether the control's security manager allows the URL action on url itself, for the service
// page at pageUrl: only running script, and only on the page's origin (scheme, host and port);
// everything else is left to the zone's settings.
bool GrantsUrlAction(const std::wstring& pageUrl, const wchar_t* url, DWORD action);

struct ChromiumOptions {
    // Attach to a browser that already runs with its DevTools endpoint here (a loopback
    // http://HOST:PORT address); empty: start a browser of our own.
    std::u16string attachAddress;
    // The browser to start when no Edge or Chrome is found through App Paths; may be empty.
    std::u16string browserPath;
    // The private profile folder for a browser of our own.
    std::u16string profileFolder;
};

// A Chromium-family browser driven over its DevTools protocol.
std::unique_ptr<BrowserEngine> MakeChromiumEngine(const ChromiumOptions& options);

}  // namespace plv::win
