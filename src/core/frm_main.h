#pragma once
// The hidden main form: the tray icon and its menu, the main window that shows the service page,
// the program's timers, and the way the program ends.

#include <cstdint>
#include <functional>
#include <string>

#include "core/forms.h"
#include "core/timer.h"

namespace plv {

// Tray menu item ids.
enum MenuId : std::uint32_t {
    kMnuEnable = 1,
    kMnuOpen = 2,
    kMnuConnect = 3,
    kMnuAbout = 4,
    kMnuExit = 5,
};

class FrmMain : public Form {
  public:
    explicit FrmMain(App& app);
    ~FrmMain() override;

    // Creates the window, its controls and the menu. The timers exist from construction on,
    // without intervals until start-up gives them theirs.
    void Load();

    void UpdateTrayIcon(bool show, bool modifyOnly);
    // text: a title line, CR LF, the message.
    void ShowBalloon(const std::u16string& text, bool isError, bool isWarning, const std::u16string& tag);
    void ShowMe();
    // The menu's Exit: at once, or with "/t" on the command line after removing the tray icon.
    void mnuExit_Click();

    const MenuItem& mnuEnable() const { return mnuEnable_; }
    const MenuItem& mnuConnect() const { return mnuConnect_; }
    void SetMenuEnableItem(const std::u16string& caption, bool enabled);
    void SetMenuEnableEnabled(bool enabled);
    void SetMenuConnectItem(const std::u16string& caption, bool enabled);
    // The form's timers tick no more (the program is ending).
    void StopTimers();

    Timer tmr1;
    Timer tmrLoad;
    Timer tmrReconnect;
    Timer tmrTimeOut;
    Timer tmrTrans;
    Timer tmrOut;
    Timer tmrHideIco;
    // Watches, every 50 ms, for the bundled service to tell its port, so that the page is asked
    // for at once rather than at the next tick of tmrLoad.
    Timer tmrService;

    // The area where the browser engine shows the service page.
    ControlRef WB;

    // What a click on the tray icon does belongs to the tray's own module above this one; it
    // gives the form this handler. A notification that arrives while one is still being
    // handled (the menu is open, say) is dropped before it gets there.
    void SetTrayHandler(std::function<void(std::uint32_t code)> handler) {
        trayHandler_ = std::move(handler);
    }

  protected:
    void TrayNotify(std::uint32_t code) override;
    void TaskbarCreated() override;
    bool CloseRequest(CloseReason reason) override;
    void Resize() override;

  private:
    void ApplyMenuItem(const MenuItem& item);

    std::function<void(std::uint32_t code)> trayHandler_;

    MenuItem mnuEnable_;
    MenuItem mnuOpen_;
    MenuItem mnuConnect_;
    MenuItem mnuAbout_;
    MenuItem mnuExit_;
    // Whether the icon is in the notification area, so that a new taskbar gets it back.
    bool trayIconAdded_ = false;
};

// Gives a timer of the main form its handler, which runs only while the program has not ended:
// a tick that the system still delivers after the end must not act.
void WireTimer(App& app, Timer& timer, void (*handler)(App&));

// Sets IsEnabled for the current application and, with save, stores it for that application.
void SetEnabled(App& app, bool state, bool save);

}  // namespace plv
