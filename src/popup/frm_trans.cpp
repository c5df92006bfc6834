#include "popup/frm_trans.h"

#include "core/app.h"
#include "core/frm_main.h"
#include "core/setting_values.h"
#include "popup/popup_layout.h"
#include "shell/launcher.h"

namespace plv {
namespace {

constexpr Rgb kDarkTeal = 0 + 256 * 64 + 65536 * 64;
constexpr Rgb kOrange = 255 + 256 * 128;

ControlDesign Label(const char* name, const char16_t* caption, RectTwips bounds, bool visible, bool hand,
                    const char16_t* tooltip) {
    ControlDesign c = MakeControl(name, ControlKind::Label, bounds, caption);
    c.visible = visible;
    c.handCursor = hand;
    c.tooltip = tooltip;
    c.autoSize = true;
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

    ControlDesign text = MakeControl("lblText", ControlKind::RichText, {90, 120, 6465, 675}, u"RichTextBox1");
    text.backColor = kDarkTeal;

    ControlDesign newVersion =
        Label("lblNew", u"New v8.8.8", {2760, 2850, 825, 195}, false, true, u"Download Latest Version!");
    newVersion.foreColor = kOrange;
    LoadForm(design,
             {text, Label("lblCopy", u"copy", {3840, 2820, 345, 195}, true, true, u"Copy to Clipboard"),
              newVersion, Label("lbldir", u"Label1", {1980, 2850, 480, 195}, true, true, u"Select language"),
              Label("google", u"Powered by Google", {150, 2820, 1395, 195}, false, true, u""),
              Label("lbl", u"Label12", {150, 810, 570, 195}, false, false, u"")});
    lblText = Ref("lblText");
    lblCopy = Ref("lblCopy");
    lblNew = Ref("lblNew");
    lbldir = Ref("lbldir");
    google = Ref("google");
    lbl = Ref("lbl");
}

void FrmTrans::Form_Resize() {
    if (!IsLoaded()) {
        return;
    }
    const double gap = 10.0 * kTwipsPer96DpiPixel;
    RectTwips text = control(lblText).state.bounds;
    RectTwips link = control(google).state.bounds;
    RectTwips copy = control(lblCopy).state.bounds;
    RectTwips dir = control(lbldir).state.bounds;
    RectTwips next = control(lblNew).state.bounds;
    link.left = text.left;
    link.top = text.top + text.height + 0.5 * link.height;
    double width = Width();
    if (control(lblNew).state.visible) {
        next.left = width - next.width - gap;
        dir.left = next.left - dir.width - gap;
    } else {
        dir.left = width - dir.width - gap;
    }
    copy.left = dir.left - copy.width - gap;
    // A row that would run into the attribution goes out of sight, all but the attribution.
    auto reach = static_cast<float>(link.width + link.left + 300);
    if (reach > static_cast<float>(copy.left)) {
        copy.left = next.left = dir.left = 10000;
    }
    dir.top = next.top = copy.top = link.top;
    SetBounds(google, link);
    SetBounds(lblCopy, copy);
    SetBounds(lbldir, dir);
    SetBounds(lblNew, next);
}

void FrmTrans::google_Click() {
    HidePopups(app_);
    if (!creditLink.empty()) {
        OpenDocument(app_, creditLink);
    } else if (auto link = SettingText(app_, u"googlelink")) {
        OpenDocument(app_, *link);
    }
}

void FrmTrans::lblCopy_Click() {
    // The selected characters, or the whole text when nothing is selected.
    CopyTextToClipboard(app_, GetRichTextUnicode(app_, *this, lblText, true));
    HidePopups(app_);
}

void FrmTrans::lbldir_Click() {
    HidePopups(app_);
    app_.frmMain->ShowMe();
}

void FrmTrans::lblNew_Click() {
    OpenDownloadLink(app_);
}

void FrmTrans::Resize() {
    Form_Resize();
}

void FrmTrans::Click(ControlId control) {
    if (Is(control, google)) {
        google_Click();
    } else if (Is(control, lblCopy)) {
        lblCopy_Click();
    } else if (Is(control, lbldir)) {
        lbldir_Click();
    } else if (Is(control, lblNew)) {
        lblNew_Click();
    }
}

}  // namespace plv
