#include "popup/frm_ico.h"

#include "base/numbers.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/setting_values.h"
#include "core/trace.h"
#include "core/window_effects.h"
#include "popup/frm_trans.h"
#include "popup/popup_layout.h"

namespace plv {

namespace {

// Left alone, the icon fades from 100 to fully transparent in 5 steps.
constexpr std::int32_t kIconFadeFrom = 100;
constexpr std::int32_t kIconFadeSteps = 5;
// The icon is 16 pixels square at 96 DPI: 24 at 150 %, 32 at 200 %, the sizes Windows asks of a
// small icon there, so that its picture is drawn for the size rather than stretched.
constexpr double kIconSide = 16;

}  // namespace

void FrmIco::Load() {
    FormDesign design;
    design.name = "frmico";
    design.border = FormBorder::None;
    design.showInTaskbar = false;
    design.clientWidthTwips = 240;
    design.clientHeightTwips = 240;
    auto image = [](const char* name, Picture pic, bool visible) {
        ControlDesign c = MakeControl(name, ControlKind::Image, {0, 0, 240, 240});
        c.picture = pic;
        c.visible = visible;
        c.handCursor = true;
        return c;
    };
    LoadForm(design, {image("ico", Picture::Emblem, true), image("icocls", Picture::CloseCross, false)});
    ico = Ref("ico");
    icocls = Ref("icocls");
    Form_Load();
}

void FrmIco::Form_Load() {
    SetWidth(kIconSide * kTwipsPer96DpiPixel);
    SetHeight(kIconSide * kTwipsPer96DpiPixel);
    for (ControlRef c : {ico, icocls}) {
        RectTwips b = control(c).state.bounds;
        SetBounds(c, {0, 0, b.width, b.height});
    }
}

void FrmIco::ico_MouseDown(MouseButton button) {
    FrmMain& m = *app_.frmMain;
    FrmTrans& t = *app_.frmTrans;
    m.tmrOut.SetEnabled(false);
    // The button as the window reports it: the user's other button, whichever physical button
    // that is when the buttons are swapped.
    if (button == MouseButton::Right) {
        SetEnabled(app_, false, true);
        HidePopups(app_);
        return;
    }
    auto transparency = Transparency(app_);
    if (transparency) {
        SetTranslucency(app_, hWnd(), *transparency);
    }
    Trace(app_, "icon: pressed");
    // The popup may now move the icon up to make room below it, and the watcher's next look at the
    // buttons could find the pointer on the edge between the two, strictly inside neither: it is
    // told that this press was inside the icon. (A press on the icon's edge is still left to it,
    // and counts as outside.)
    if (IsCursorInWindow(app_, hWnd())) {
        app_.popup.IconPressAt = app_.platform.desktop.GetCursorPos();
    }
    m.tmrHideIco.SetEnabled(false);
    SetVisible(ico, false);
    SetVisible(icocls, true);
    // A translation that has come since the last poll is laid out now, so that the popup opens
    // at its size with it rather than with the placeholder the next poll would replace.
    m.tmrTrans.TickNow();
    if (app_.HasEnded()) {
        return;
    }
    // The popup was laid out while hidden; it grows out of a small box below the icon.
    auto w = static_cast<std::int32_t>(RoundHalfEven(t.Width()));
    auto h = static_cast<std::int32_t>(RoundHalfEven(t.Height()));
    t.Move(t.Left(), t.Top(), 16.0 * kTwipsPer96DpiPixel, 30.0 * kTwipsPer96DpiPixel);
    auto x = static_cast<std::int32_t>(RoundHalfEven(Left() + Width() - w));
    if (x < app_.capture.SelectionLeft) {
        x = app_.capture.SelectionLeft;
    }
    auto y = static_cast<std::int32_t>(RoundHalfEven(Top() + Height()));
    KeepPopupOnScreen(app_, SelectionWorkArea(app_), x, y, w, h);
    if (transparency) {
        SetTranslucency(app_, t.hWnd(), 255);
    }
    SetWindowTopmost(app_, t.hWnd(), true, true,
                     PointPx{RoundHalfEven32(Left() / app_.startup.TwipsPerPixelX),
                             RoundHalfEven32(y / app_.startup.TwipsPerPixelY)});
    if (transparency) {
        SetTranslucency(app_, t.hWnd(), *transparency);
    }
    GlideWindow(app_, t, w, h, x);
    Trace(app_, "popup: open");
}

void FrmIco::icocls_Click() {
    HidePopups(app_);
}

void FrmIco::MouseDown(ControlId control, MouseButton button) {
    if (Is(control, ico)) {
        ico_MouseDown(button);
    }
}

void FrmIco::Click(ControlId control) {
    if (Is(control, icocls)) {
        icocls_Click();
    }
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

void WireIconTimers(App& app) {
    WireTimer(app, app.frmMain->tmrHideIco, tmrHideIco_Timer);
}

}  // namespace plv
