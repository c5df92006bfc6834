#include "core/frm_main.h"

#include "core/app.h"
#include "core/window_effects.h"

namespace plv {
namespace {

constexpr std::uint32_t kTrayIconId = 1;
// A private message (WM_APP + 1): a real mouse move over the main window is never taken for a
// notification of the tray icon.
constexpr std::uint32_t kTrayCallbackMessage = 0x8001;
constexpr std::size_t kTipChars = 127;  // 128 with the terminating NUL
constexpr std::size_t kBalloonTitleChars = 63;
constexpr std::size_t kBalloonTextChars = 255;

}  // namespace

FrmMain::FrmMain(App& app)
    : Form(app),
      tmr1(app.platform.loop, "tmr1", true),
      tmrLoad(app.platform.loop, "tmrLoad", true),
      tmrReconnect(app.platform.loop, "tmrReconnect", true),
      tmrTimeOut(app.platform.loop, "tmrTimeOut", false),
      tmrTrans(app.platform.loop, "tmrTrans", true),
      tmrOut(app.platform.loop, "tmrOut", true),
      tmrHideIco(app.platform.loop, "tmrHideIco", true),
      tmrService(app.platform.loop, "tmrService", false),
      mnuEnable_{kMnuEnable, u"Enable", true, true},
      mnuOpen_{kMnuOpen, u"Open", true, false},
      mnuConnect_{kMnuConnect, u"Reconnect", true, false},
      mnuAbout_{kMnuAbout, u"About", true, false},
      mnuExit_{kMnuExit, u"Exit", true, false} {}

FrmMain::~FrmMain() = default;

void FrmMain::Load() {
    FormDesign design;
    design.name = "frmMain";
    design.caption = u"Parlevo";
    design.border = FormBorder::Sizable;
    design.clientWidthTwips = 8520;
    design.clientHeightTwips = 5370;
    design.centerOnScreen = true;

    auto picture = [](const char* name, Picture pic) {
        ControlDesign c = MakeControl(name, ControlKind::PictureBox, {0, 0, 240, 240});
        c.visible = false;
        c.picture = pic;
        return c;
    };
    ControlDesign wb =
        MakeControl("WB", ControlKind::Browser, {0, 0, design.clientWidthTwips, design.clientHeightTwips});
    LoadForm(design,
             {picture("picIcoNotifier", Picture::TrayOrange), picture("picIcoNotifier0", Picture::TrayBlue),
              picture("picIcoNotifier00", Picture::TrayGrey), wb});
    WB = Ref("WB");

    // The menu is a top-level menu of the form that is never shown as a menu bar; it only ever
    // opens as the tray's pop-up menu.
    app_.platform.ui.SetMenu(hWnd(), {mnuEnable_, MenuItem{0, u"-"}, mnuOpen_, mnuConnect_, mnuAbout_,
                                      MenuItem{0, u"-"}, mnuExit_});
}

void FrmMain::UpdateTrayIcon(bool show, bool modifyOnly) {
    auto& tray = app_.platform.tray;
    NotifyIconData data;
    data.owner = hWnd();
    data.id = kTrayIconId;
    if (!show) {
        if (!trayIconAdded_) {
            return;
        }
        tray.ShellNotifyIcon(NotifyAction::Delete, data);
        trayIconAdded_ = false;
        return;
    }
    data.flags = kNifMessage | kNifIcon | kNifTip;
    data.callbackMessage = kTrayCallbackMessage;
    if (!app_.connection.IsConnected) {
        data.icon = Picture::TrayGrey;
    } else {
        data.icon = app_.IsEnabled() ? Picture::TrayOrange : Picture::TrayBlue;
    }
    data.tip = app_.connection.IsConnected ? u"Parlevo " : u"Parlevo  - Connecting...";
    data.tip.resize(std::min(data.tip.size(), kTipChars));
    if (!modifyOnly) {
        tray.ShellNotifyIcon(NotifyAction::Add, data);
        trayIconAdded_ = true;
    }
    tray.ShellNotifyIcon(NotifyAction::Modify, data);
}

void FrmMain::ShowBalloon(const std::u16string& text, bool isError, bool isWarning,
                          const std::u16string& tag) {
    app_.tray.BalloonTag = tag;
    NotifyIconData data;
    data.owner = hWnd();
    data.id = kTrayIconId;
    data.flags = kNifInfo;
    std::size_t crlf = text.find(u"\r\n");
    if (crlf == std::u16string::npos) {
        // Every caller gives a title line; a text without one is all message.
        data.info = text;
    } else {
        data.infoTitle = text.substr(0, crlf);
        data.info = text.substr(crlf + 2);
    }
    data.infoTitle.resize(std::min(data.infoTitle.size(), kBalloonTitleChars));
    data.info.resize(std::min(data.info.size(), kBalloonTextChars));
    data.infoFlags = isError ? kNiifError : (isWarning ? kNiifWarning : kNiifInfo);
    data.timeoutMs = 0;
    app_.platform.tray.ShellNotifyIcon(NotifyAction::Modify, data);
}

void FrmMain::ShowMe() {
    auto& ui = app_.platform.ui;
    Show();
    ui.ShowWindow(hWnd(), ShowCommand::ShowNormal);
    app_.platform.desktop.SetForegroundWindow(hWnd());
    app_.platform.desktop.SetActiveWindow(hWnd());
    SetWindowTopmost(app_, hWnd(), true, true);
}

void FrmMain::mnuExit_Click() {
    if (app_.platform.env.CommandLineArgs().find(u"/t") == std::u16string::npos) {
        // Without /t the process ends at once; the shell drops the icon when it notices.
        app_.Terminate(0);
        return;
    }
    UpdateTrayIcon(false, false);
    app_.EndNormally(0);
}

void FrmMain::SetMenuEnableItem(const std::u16string& caption, bool enabled) {
    mnuEnable_.caption = caption;
    mnuEnable_.enabled = enabled;
    ApplyMenuItem(mnuEnable_);
}

void FrmMain::SetMenuEnableEnabled(bool enabled) {
    mnuEnable_.enabled = enabled;
    ApplyMenuItem(mnuEnable_);
}

void FrmMain::SetMenuConnectItem(const std::u16string& caption, bool enabled) {
    mnuConnect_.caption = caption;
    mnuConnect_.enabled = enabled;
    ApplyMenuItem(mnuConnect_);
}

void FrmMain::ApplyMenuItem(const MenuItem& item) {
    if (IsLoaded()) {
        app_.platform.ui.UpdateMenuItem(hWnd(), item);
    }
}

void FrmMain::TrayNotify(std::uint32_t code) {
    if (app_.tray.IsInTrayEvent) {
        return;
    }
    app_.tray.IsInTrayEvent = true;
    app_.tray.TrayMessage = static_cast<std::int32_t>(code);
    if (trayHandler_) {
        trayHandler_(code);
    }
    app_.tray.IsInTrayEvent = false;
}

void FrmMain::TaskbarCreated() {
    // A new taskbar (Explorer restarted) has no icons: add ours again, as it is now.
    if (trayIconAdded_) {
        UpdateTrayIcon(true, false);
    }
}

bool FrmMain::CloseRequest(CloseReason reason) {
    switch (reason) {
        case CloseReason::User:
            // The close box only hides the window; the program keeps running in the tray.
            Hide();
            return false;
        case CloseReason::Program:
            // The program closes its main window only when it ends; end normally, unloading
            // the other forms with it, rather than leave a process without its main window.
            app_.EndNormally(0);
            return false;
        default:
            mnuExit_Click();
            return false;
    }
}

void FrmMain::Resize() {
    if (!IsLoaded()) {
        return;
    }
    RectPx client = app_.platform.ui.GetClientRect(hWnd());
    SetBounds(WB, {0, 0, client.Width() * app_.startup.TwipsPerPixelX,
                   client.Height() * app_.startup.TwipsPerPixelY});
}

void FrmMain::StopTimers() {
    for (Timer* t :
         {&tmr1, &tmrLoad, &tmrReconnect, &tmrTimeOut, &tmrTrans, &tmrOut, &tmrHideIco, &tmrService}) {
        t->Stop();
    }
}

void WireTimer(App& app, Timer& timer, void (*handler)(App&)) {
    timer.SetHandler([&app, handler] {
        if (!app.HasEnded()) {
            handler(app);
        }
    });
}

void SetEnabled(App& app, bool state, bool save) {
    app.isEnabled_ = state;
    app.frmMain->UpdateTrayIcon(true, true);
    if (!app.capture.CurrentExe.empty() && save) {
        app.platform.store.SaveSetting(app.ProgramName(), u"Applications", app.capture.CurrentExe,
                                       state ? u"-1" : u"0");
        app.capture.LookAtForegroundAgain();
    }
}

}  // namespace plv
