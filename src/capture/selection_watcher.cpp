#include "capture/selection_watcher.h"

#include "app/app.h"
#include "app/frm_main.h"
#include "base/numbers.h"
#include "base/text.h"
#include "capture/cls_proccess.h"

namespace plv {
namespace {

// The foreground application: when another window comes to the front, find its executable, load
// its flag and bring the tray menu's entry up to date.
void FollowForeground(App& app) {
    auto& desktop = app.platform.desktop;
    FrmMain& m = *app.frmMain;
    if (desktop.GetForegroundWindow() == app.LastForegroundWindow) {
        return;
    }
    app.LastForegroundWindow = desktop.GetForegroundWindow();
    if (!app.ProcessObject) {
        app.ProcessObject = std::make_unique<clsProccess>(app.platform.processes);
    }
    std::u16string path;
    std::u16string name = ToLower(app.ProcessObject->GetExeByHwnd(desktop, app.LastForegroundWindow, path));
    // The desktop, windows whose executable cannot be found and the program's own windows are
    // never watched; what was set for the last watched application stays.
    if (name == u"explorer.exe" || name.empty() || name == app.OwnExeName()) {
        m.IsAppWatched = false;
        return;
    }
    m.IsAppWatched = true;
    app.CurrentExe = name;
    auto stored = app.platform.store.GetSetting(app.ProgramName(), u"Applications", app.CurrentExe);
    bool flag = stored && StoredFlagEnabled(*stored);
    if (flag != app.IsEnabled) {
        SetEnabled(app, flag, false);
    }
    std::u16string caption =
        (app.IsEnabled ? u"Disable" : u"Enable") + std::u16string(u" in ") + app.CurrentExe;
    m.SetMenuEnableItem(caption, app.IsConnected);
}

}  // namespace

bool StoredFlagEnabled(const std::u16string& value) {
    if (auto n = ParseNumber(value)) {
        return *n != 0;
    }
    return EqualsIgnoreCase(TrimBlanks(value), u"true");
}

void tmr1_Timer(App& app) {
    if (app.HasEnded()) {
        return;
    }
    FollowForeground(app);
}

}  // namespace plv
