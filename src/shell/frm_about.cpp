#include "shell/frm_about.h"

#include "core/app.h"
#include "core/window_effects.h"
#include "shell/launcher.h"

namespace plv {

const char16_t* const kProductSite = u"https://parlevo.example/";
const char16_t* const kProductSiteHost = u"parlevo.example";

namespace {

constexpr Rgb kDialogGrey = 240 + 256 * 240 + 65536 * 240;
constexpr Rgb kOrange = 255 + 256 * 128;
constexpr Rgb kLinkBlue = 65536 * 192;
constexpr std::uint8_t kCyrillicCharset = 204;

ControlDesign Make(const char* name, ControlKind kind, const char16_t* caption, RectTwips bounds) {
    return MakeControl(name, kind, bounds, caption);
}

}  // namespace

void FrmAbout::Load() {
    FormDesign design;
    design.name = "frmAbout";
    design.caption = u"";
    design.border = FormBorder::FixedDialog;
    design.backColor = kDialogGrey;
    design.clientWidthTwips = 7080;
    design.clientHeightTwips = 2460;
    design.centerOnScreen = true;

    ControlDesign logo = Make("Image1", ControlKind::Image, u"", {150, 150, 2160, 2160});
    logo.picture = Picture::Logo;
    ControlDesign name = Make("Label4", ControlKind::Label, u"Parlevo", {2610, 210, 3525, 360});
    name.autoSize = true;
    name.font = FontSpec{u"Arial", 15.75, true, false, kCyrillicCharset};
    ControlDesign version = Make("ver", ControlKind::Label, u"", {2640, 1110, 225, 195});
    version.autoSize = true;
    ControlDesign download = Make("lblDwn", ControlKind::Label, u"Download", {2640, 1350, 2355, 255});
    download.foreColor = kOrange;
    download.font = FontSpec{u"MS Sans Serif", 8.25, false, true, kCyrillicCharset};
    download.handCursor = true;
    ControlDesign site = Make("Label1", ControlKind::Label, kProductSiteHost, {2640, 2100, 2355, 255});
    site.foreColor = kLinkBlue;
    site.font = download.font;
    site.handCursor = true;
    LoadForm(
        design,
        {logo, name,
         Make("Label2", ControlKind::Label, u"Written by the Parlevo developers", {2640, 630, 4185, 255}),
         Make("Label3", ControlKind::Label, u"Powered by Google Translate", {2640, 870, 3645, 255}), version,
         download, site, Make("Command1", ControlKind::Button, u"Close", {6090, 1980, 855, 345})});
    ver = Ref("ver");
    lblDwn = Ref("lblDwn");
    Label1 = Ref("Label1");
    Command1 = Ref("Command1");
    Form_Load();
}

void FrmAbout::Form_Load() {
    SetCaption(ver, u"Version " + app_.startup.AppVersion);
    // Only inequality counts: the page may offer an older version too.
    SetVisible(lblDwn, app_.connection.LatestVersion != app_.startup.AppVersion);
    SetCaption(lblDwn, u"Download latest version: " + app_.connection.LatestVersion);
    SetWindowTopmost(app_, hWnd(), true, true);
}

void FrmAbout::Label1_Click() {
    OpenDocument(app_, kProductSite);
}

void FrmAbout::lblDwn_Click() {
    OpenDownloadAddress(app_);
}

void FrmAbout::Command1_Click() {
    Unload();
}

void FrmAbout::Click(ControlId control) {
    if (Is(control, Label1)) {
        Label1_Click();
    } else if (Is(control, lblDwn)) {
        lblDwn_Click();
    } else if (Is(control, Command1)) {
        Command1_Click();
    }
}

void ShowAbout(App& app) {
    if (app.frmAbout && app.frmAbout->IsLoaded()) {
        app.frmAbout->Show();
        return;
    }
    // A closed window is gone; a new one reads the versions anew.
    app.frmAbout = MakeOwned<FrmAbout>(app);
    app.frmAbout->Load();
}

}  // namespace plv
