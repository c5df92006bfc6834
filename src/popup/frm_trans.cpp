#include "popup/frm_trans.h"

#include "app/app.h"

namespace plv {
namespace {

constexpr Rgb kDarkTeal = 0 + 256 * 64 + 65536 * 64;
constexpr Rgb kOrange = 255 + 256 * 128;

ControlDesign Label(const char* name, const char16_t* caption, RectTwips bounds, bool visible, bool hand,
                    const char16_t* tooltip) {
    ControlDesign c;
    c.name = name;
    c.kind = ControlKind::Label;
    c.caption = caption;
    c.bounds = bounds;
    c.visible = visible;
    c.handCursor = hand;
    c.tooltip = tooltip;
    return c;
}

}  // namespace

void FrmTrans::Load() {
    FormDesign design;
    design.name = "frmTrans";
    design.caption = u"Form1";
    design.border = FormBorder::None;
    design.showInTaskbar = false;
    design.backColor = kDarkTeal;
    design.clientWidthTwips = 6690;
    design.clientHeightTwips = 3135;

    ControlDesign text;
    text.name = "lblText";
    text.kind = ControlKind::RichText;
    text.caption = u"RichTextBox1";
    text.bounds = {90, 120, 6465, 675};
    text.backColor = kDarkTeal;

    ControlDesign lblNew =
        Label("lblNew", u"New v8.8.8", {2760, 2850, 825, 195}, false, true, u"Download Latest Version!");
    lblNew.foreColor = kOrange;
    LoadForm(design,
             {text, Label("lblCopy", u"copy", {3840, 2820, 345, 195}, true, true, u"Copy to Clipboard"),
              lblNew, Label("lbldir", u"Label1", {1980, 2850, 480, 195}, true, true, u"Select language"),
              Label("google", u"Powered by Google", {150, 2820, 1395, 195}, false, true, u""),
              Label("lbl", u"Label12", {150, 810, 570, 195}, false, false, u"")});
}

}  // namespace plv
