#include "popup/frm_ico.h"

#include "app/app.h"
#include "app/frm_main.h"
#include "app/setting_values.h"
#include "base/numbers.h"
#include "popup/frm_trans.h"
#include "popup/popup_layout.h"
#include "popup/window_effects.h"

namespace plv {

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
    SetWidth(16.0 * app_.TwipsPerPixelX);
    SetHeight(16.0 * app_.TwipsPerPixelY);
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
    m.tmrHideIco.SetEnabled(false);
    SetVisible(ico, false);
    SetVisible(icocls, true);
    // The popup was laid out while hidden; it grows out of a small box below the icon.
    auto w = static_cast<std::int32_t>(RoundHalfEven(t.Width()));
    auto h = static_cast<std::int32_t>(RoundHalfEven(t.Height()));
    t.SetWidth(16.0 * app_.TwipsPerPixelX);
    t.SetHeight(30.0 * app_.TwipsPerPixelY);
    auto x = static_cast<std::int32_t>(RoundHalfEven(Left() + Width() - w));
    if (x < app_.SelectionLeft) {
        x = app_.SelectionLeft;
    }
    auto y = static_cast<std::int32_t>(RoundHalfEven(Top() + Height()));
    KeepPopupOnScreen(app_, x, y, w, h);
    if (transparency) {
        SetTranslucency(app_, t.hWnd(), 255);
    }
    SetWindowTopmost(app_, t.hWnd(), true, true,
                     PointPx{RoundHalfEven32(Left() / app_.TwipsPerPixelX),
                             RoundHalfEven32(y / static_cast<double>(app_.TwipsPerPixelY))});
    if (transparency) {
        SetTranslucency(app_, t.hWnd(), *transparency);
    }
    GlideWindow(app_, t, w, h, x);
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

}  // namespace plv
