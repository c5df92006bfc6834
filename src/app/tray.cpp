#include "app/tray.h"

#include "core/app.h"
#include "core/frm_main.h"
#include "popup/frm_ico.h"
#include "service/connection.h"
#include "shell/frm_about.h"

namespace plv {
namespace {

constexpr double kDoubleClickSeconds = 0.3;

constexpr std::uint32_t kWmLButtonDown = 513;
constexpr std::uint32_t kWmLButtonDblClk = 515;
constexpr std::uint32_t kWmRButtonUp = 517;
constexpr std::uint32_t kNinBalloonUserClick = 1029;

void OnMenuChoice(App& app, std::uint32_t id) {
    FrmMain& m = *app.frmMain;
    switch (id) {
        case kMnuEnable:
            SetEnabled(app, !app.IsEnabled(), true);
            break;
        case kMnuOpen:
            m.ShowMe();
            break;
        case kMnuConnect:
            ConnectService(app);
            break;
        case kMnuAbout:
            ShowAbout(app);
            break;
        case kMnuExit:
            m.mnuExit_Click();
            break;
        default:
            break;
    }
}

void ShowTrayMenu(App& app) {
    // The floating icon's window, parked off the screen, is shown while the menu is open; it
    // gives the menu a window of ours to belong to, so that it closes when the user clicks away.
    // An icon that was on offer (or beside an open popup) comes back where it was afterwards:
    // hiding it would leave an open popup that nothing could close.
    auto& ico = *app.frmico;
    bool wasShown = ico.Visible();
    double left = ico.Left();
    ico.SetLeft(-1000);
    ico.Show();
    std::uint32_t choice =
        app.platform.ui.TrackPopupMenu(app.frmMain->hWnd(), app.platform.desktop.GetCursorPos());
    OnMenuChoice(app, choice);
    if (app.HasEnded()) {
        return;
    }
    if (wasShown && ico.Visible()) {
        ico.SetLeft(left);
    } else {
        ico.Hide();
    }
}

void HandleTrayCode(App& app, std::uint32_t code) {
    switch (code) {
        case kWmRButtonUp:
            ShowTrayMenu(app);
            break;
        case kWmLButtonDown: {
            double now = app.platform.loop.SecondsSinceMidnight();
            double& last = app.tray.LastTrayClickTime;
            // The second condition keeps a press just after midnight from pairing with one just
            // before it.
            if (now - last < kDoubleClickSeconds && last < now) {
                app.frmMain->ShowMe();
            } else {
                if (app.connection.IsConnected) {
                    SetEnabled(app, !app.IsEnabled(), true);
                }
                last = now;
            }
            break;
        }
        case kWmLButtonDblClk:
            app.frmMain->ShowMe();
            break;
        case kNinBalloonUserClick:
            OnBalloonClick(app);
            break;
        default:
            break;
    }
}

}  // namespace

void WireTray(App& app) {
    app.frmMain->SetTrayHandler([&app](std::uint32_t code) { HandleTrayCode(app, code); });
}

}  // namespace plv
