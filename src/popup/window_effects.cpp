#include "popup/window_effects.h"

#include "app/app.h"
#include "app/forms.h"
#include "app/frm_main.h"
#include "base/numbers.h"
#include "capture/selection_watcher.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"

namespace plv {
namespace {

// Left alone, the icon fades from 100 to fully transparent in 5 steps.
constexpr std::int32_t kIconFadeFrom = 100;
constexpr std::int32_t kIconFadeSteps = 5;

}  // namespace

void SetTranslucency(App& app, Hwnd window, std::int32_t transparency) {
    if (app.OsVersion < 500) {
        return;
    }
    auto& ui = app.platform.ui;
    std::int32_t alpha = 255 - transparency;
    std::int32_t style = ui.GetWindowLong(window, kGwlExStyle);
    style = alpha < 255 ? (style | kWsExLayered) : (style & ~kWsExLayered);
    ui.SetWindowLong(window, kGwlExStyle, style);
    if (alpha >= 255) {
        return;
    }
    ui.SetLayeredWindowAttributes(window, 0, static_cast<std::uint8_t>(alpha), kLwaAlpha);
}

void FadeWindow(App& app, Form& form, std::int32_t start, std::int32_t end, std::int32_t steps) {
    if (steps <= 0) {
        return;
    }
    double delta = static_cast<double>(end - start) / steps;
    for (std::int32_t i = 1; i <= steps; ++i) {
        SetTranslucency(app, form.hWnd(), RoundHalfEven32(i * delta + start));
        app.platform.ui.Repaint(form.hWnd());
        app.platform.loop.PumpMessages();
        app.platform.loop.Sleep(30);
    }
}

void SetWindowTopmost(App& app, Hwnd window, bool topmost, bool show, std::optional<PointPx> at) {
    RectPx r = app.platform.desktop.GetWindowRect(window).value_or(RectPx{});
    std::int32_t left = at ? at->x : r.left;
    std::int32_t top = at ? at->y : r.top;
    app.platform.ui.SetWindowPos(window, topmost ? kHwndTopmost : kHwndNoTopmost, left, top, r.Width(),
                                 r.Height(), kSwpNoActivate | (show ? kSwpShowWindow : 0));
}

void tmrHideIco_Timer(App& app) {
    FrmMain& m = *app.frmMain;
    if (IsCursorInWindow(app, app.frmico->hWnd())) {
        m.tmrHideIco.Restart();
        return;
    }
    m.tmrHideIco.SetEnabled(false);
    if (app.frmTrans && app.frmTrans->Visible()) {
        // A selection made inside the open popup offered the icon again; the popup now shows
        // that selection, so the icon stays as its close button instead of going away.
        app.frmico->SetVisible(app.frmico->ico, false);
        app.frmico->SetVisible(app.frmico->icocls, true);
        return;
    }
    // The icon goes, and with it the watch on the pointer's distance from it.
    m.tmrOut.SetEnabled(false);
    FadeWindow(app, *app.frmico, kIconFadeFrom, kFullyTransparent, kIconFadeSteps);
    app.frmico->Hide();
}

}  // namespace plv
