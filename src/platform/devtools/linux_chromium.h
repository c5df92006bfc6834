#pragma once
// The Chromium engine on Linux: Debian's Chromium, a browser of our own, shows the service page,
// driven over its DevTools pipe by the same engine core as on Windows (ChromiumCore). The X11
// backend's Browser; it tells the engine about the main window's browser area.

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace plv::devtools {

class LinuxChromium : public Browser {
  public:
    LinuxChromium();
    ~LinuxChromium() override;
    LinuxChromium(const LinuxChromium&) = delete;
    LinuxChromium& operator=(const LinuxChromium&) = delete;

    // The embedded and the Chromium choice both mean Chromium here (Linux has no browser control
    // of its own); the browser is $PLV_CHROMIUM, else /usr/bin/chromium, else the choice's
    // browserPath. Attaching to a running browser is not offered on Linux: it is said as a
    // problem, and no page loads.
    void UseEngine(const BrowserChoice& choice) override;
    std::u16string TakeProblem() override;
    void Navigate(const std::u16string& url) override;
    std::optional<std::u16string> GetElementProperty(const std::u16string& id,
                                                     const std::u16string& name) override;
    bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                            const std::u16string& value) override;
    bool CallElementMethod(const std::u16string& id, const std::u16string& name) override;
    bool EngineGone() override;

    // The main window's browser area: its X11 window (made once, before the first navigation),
    // its new size in pixels, and whether the main window is shown. The browser's window is a
    // child window of that area, mapped while it is shown and unmapped otherwise.
    void HostCreated(unsigned long window);
    void HostResized(int width, int height);
    void HostShown(bool shown);
    // The main window has moved, or changed its place among the windows.
    void HostMoved();
    // The main window has been given the keyboard focus: the page takes it.
    void HostActivated();
    // A client message to the main window (its type, and its first two items): whether it was
    // the window manager's WM_TAKE_FOCUS and the page has taken the focus.
    bool HostMessage(unsigned long type, unsigned long first, unsigned long second);

    // The browser's process (the leader of its process group) while it runs, else 0; and its
    // X11 window once found, else 0. For traces and tests.
    int BrowserProcess() const;
    unsigned long BrowserWindow() const;

  private:
    class Engine;
    std::unique_ptr<Engine> engine_;
    std::u16string problem_;  // said once, when no engine could be had
    unsigned long host_ = 0;
    bool shown_ = false;
};

}  // namespace plv::devtools
