#include "popup/frm_ico.h"

#include "app/app.h"

namespace plv {

void FrmIco::Load() {
    FormDesign design;
    design.name = "frmico";
    design.border = FormBorder::None;
    design.showInTaskbar = false;
    design.clientWidthTwips = 240;
    design.clientHeightTwips = 240;
    auto image = [](const char* name, Picture pic, bool visible) {
        ControlDesign c;
        c.name = name;
        c.kind = ControlKind::Image;
        c.picture = pic;
        c.visible = visible;
        c.handCursor = true;
        c.bounds = {0, 0, 240, 240};
        return c;
    };
    LoadForm(design, {image("ico", Picture::Emblem, true), image("icocls", Picture::CloseCross, false)});
    Form_Load();
}

void FrmIco::Form_Load() {
    SetWidth(16.0 * app_.TwipsPerPixelX);
    SetHeight(16.0 * app_.TwipsPerPixelY);
    for (const char* name : {"ico", "icocls"}) {
        RectTwips b = control(name).state.bounds;
        SetBounds(name, {0, 0, b.width, b.height});
    }
}

}  // namespace plv
