#include "capture/selection_watcher.h"

#include "base/numbers.h"
#include "base/text.h"
#include "capture/cls_proccess.h"
#include "capture/text_capture.h"
#include "capture/translate.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/trace.h"
#include "core/window_effects.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"
#include "popup/popup_layout.h"

#include <cmath>
#include <cstdlib>

namespace plv {
namespace {

// A release this far from the press (pixels at 96 DPI) is a drag that selected something; a
// click is not.
constexpr int kDragMinDy = 10;
constexpr int kDragMinDx = 30;
// The pointer may wander this far (pixels at 96 DPI) beyond where it started from the icon
// before the offer is withdrawn.
constexpr double kIconLeaveMargin = 50;

// The foreground application: when another window comes to the front, find its executable, load
// its flag and bring the tray menu's entry up to date.
void FollowForeground(App& app) {
    auto& desktop = app.platform.desktop;
    FrmMain& m = *app.frmMain;
    if (desktop.GetForegroundWindow() == app.capture.LastForegroundWindow) {
        return;
    }
    app.capture.LastForegroundWindow = desktop.GetForegroundWindow();
    if (!app.capture.ProcessObject) {
        app.capture.ProcessObject = MakeOwned<clsProccess>(app.platform.processes);
    }
    const Hwnd window = app.capture.LastForegroundWindow;
    std::u16string path;
    std::u16string name = ToLower(app.capture.ProcessObject->GetExeByHwnd(desktop, window, path));
    const bool shell = desktop.IsShellWindow(window, name);
    // A window whose process cannot be found is known by the name the system gives its
    // application, and its flag is kept under that name.
    if (!shell && name.empty()) {
        name = ToLower(desktop.WindowAppName(window));
    }
    // The desktop's own shell, windows that have no name at all and the program's own windows are
    // never watched; what was set for the last watched application stays.
    if (shell || name.empty() || name == app.OwnExeName()) {
        app.capture.IsAppWatched = false;
        return;
    }
    app.capture.IsAppWatched = true;
    app.capture.CurrentExe = name;
    auto stored = app.platform.store.GetSetting(app.ProgramName(), u"Applications", app.capture.CurrentExe);
    bool flag = stored && StoredFlagEnabled(*stored);
    if (flag != app.IsEnabled()) {
        SetEnabled(app, flag, false);
    }
    std::u16string caption =
        (app.IsEnabled() ? u"Disable" : u"Enable") + std::u16string(u" in ") + app.capture.CurrentExe;
    m.SetMenuEnableItem(caption, app.connection.IsConnected);
}

// The mouse buttons of a watched, enabled application: a press outside the popups closes them,
// a release after a drag translates the selection.
void WatchButtons(App& app) {
    auto& desktop = app.platform.desktop;
    auto outsidePopups = [&] {
        return !IsCursorInWindow(app, app.frmTrans->hWnd()) && !IsCursorInWindow(app, app.frmico->hWnd());
    };
    std::int32_t p = IsButtonDown(app, app.startup.PrimaryButtonKey) ? -1 : 0;
    std::int32_t s = IsButtonDown(app, app.startup.SecondaryButtonKey) ? -1 : 0;
    if (p != app.capture.LastPrimaryDown) {
        // Stored before anything else runs: the capture pumps messages, and a tick that runs in
        // its middle must not see this change again.
        app.capture.LastPrimaryDown = p;
        PointPx at = desktop.GetCursorPos();
        // The icon's own press, if the pointer has not moved since: the icon may have moved since.
        bool onIcon = TakeIconPress(app, at);
        if (p == -1) {
            if (!onIcon && outsidePopups()) {
                HidePopups(app);
            }
            app.capture.PressX = at.x;
            app.capture.PressY = at.y;
        } else if (std::abs(app.capture.PressY - at.y) > app.startup.ScreenPxY(kDragMinDy) ||
                   std::abs(app.capture.PressX - at.x) > app.startup.ScreenPxX(kDragMinDx)) {
            if (Tracing(app)) {
                Trace(app,
                      "watcher: a drag released at " + std::to_string(at.x) + "," + std::to_string(at.y));
            }
            TranslateSelection(app, at.x, at.y, std::min(app.capture.PressX, at.x));
        }
    }
    if (app.HasEnded()) {
        return;
    }
    if (s != app.capture.LastSecondaryDown) {
        app.capture.LastSecondaryDown = s;
        if (outsidePopups()) {
            HidePopups(app);
        }
    }
}

}  // namespace

bool StoredFlagEnabled(const std::u16string& value) {
    if (auto n = ParseNumber(value)) {
        return *n != 0;
    }
    return EqualsIgnoreCase(TrimBlanks(value), u"true");
}

bool IsButtonDown(App& app, std::uint8_t button) {
    int vk = button == 1 ? 1 : button == 2 ? 2 : button == 3 ? 4 : 0;
    if (vk == 0) {
        return false;
    }
    return (app.platform.desktop.GetAsyncKeyState(vk) & 0x8000) != 0;
}

void tmr1_Timer(App& app) {
    RetryOwedRestore(app);
    FollowForeground(app);
    if (app.IsEnabled() && app.capture.IsAppWatched) {
        WatchButtons(app);
    }
}

void tmrOut_Timer(App& app) {
    PointPx at = app.platform.desktop.GetCursorPos();
    double dy = static_cast<double>(app.capture.IconAnchorY - at.y);
    double dx = static_cast<double>(app.capture.IconAnchorX - at.x);
    if (std::sqrt(dy * dy + dx * dx) >
        app.capture.IconInitialDistance + app.startup.ScreenPxX(kIconLeaveMargin)) {
        app.frmMain->tmrOut.SetEnabled(false);
        HidePopups(app);
    }
}

void WireWatcherTimers(App& app) {
    WireTimer(app, app.frmMain->tmr1, tmr1_Timer);
    WireTimer(app, app.frmMain->tmrOut, tmrOut_Timer);
}

}  // namespace plv
