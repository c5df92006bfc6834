#include "service/connection.h"

#include "core/app.h"
#include "core/frm_main.h"
#include "core/setting_values.h"
#include "popup/frm_trans.h"
#include "popup/popup_layout.h"
#include "service/local_service.h"
#include "shell/launcher.h"

namespace plv {

std::u16string PageAddress(const App& app) {
    std::u16string base = UsesLocalService(app) ? app.connection.LocalServiceUrl
                                                : app.startup.Settings.Get(u"serviceurl").value_or(u"");
    return base + u"?dir=" + app.startup.Settings.Get(u"language").value_or(u"");
}

void ConnectService(App& app) {
    auto& browser = app.platform.browser;
    FrmMain& m = *app.frmMain;
    app.connection.IsConnected = false;
    m.SetMenuConnectItem(u"Connecting...", false);
    // Take the old page's "text" element away, so that the old page cannot pass the ready test.
    browser.SetElementProperty(u"text", u"outerhtml", u"");
    // The bundled service may still have to start or tell its port: tmrLoad navigates then.
    if (!UsesLocalService(app) || EnsureLocalService(app)) {
        browser.Navigate(PageAddress(app));
    } else {
        m.tmrService.SetInterval(50);
        m.tmrService.SetEnabled(true);
    }
    m.tmrLoad.SetEnabled(true);
    m.SetMenuEnableEnabled(false);
    m.UpdateTrayIcon(true, true);
}

// A problem of the browser engine (none found, it exited, its endpoint refuses) is told once in a
// balloon; the tray icon stays grey meanwhile, and the program keeps trying as it does for a page
// that is not there.
void ReportBrowserProblem(App& app) {
    std::u16string problem = app.platform.browser.TakeProblem();
    if (!problem.empty()) {
        app.frmMain->ShowBalloon(u"Parlevo cannot reach the service page\r\n" + problem, true, false,
                                 u"browser");
    }
}

bool NoticeEngineGone(App& app) {
    if (!app.platform.browser.EngineGone()) {
        return false;
    }
    FrmMain& m = *app.frmMain;
    m.tmrTrans.SetEnabled(false);
    m.tmrTimeOut.SetEnabled(false);
    if (app.connection.IsConnected) {
        app.connection.IsConnected = false;
        m.SetMenuConnectItem(u"Reconnect", true);
        m.UpdateTrayIcon(true, true);
    }
    ReportBrowserProblem(app);
    if (auto note = SettingText(app, u"NotConnectedStr")) {
        LayoutPopup(app, *note);
    }
    return true;
}

void tmrLoad_Timer(App& app) {
    auto& browser = app.platform.browser;
    FrmMain& m = *app.frmMain;
    ReportBrowserProblem(app);
    if (UsesLocalService(app) && PollLocalService(app)) {
        browser.Navigate(PageAddress(app));  // the service has just told its port
    }
    if (auto html = browser.GetElementProperty(u"text", u"outerhtml")) {
        app.connection.IsConnected = !html->empty();
    }
    if (!app.connection.IsConnected) {
        return;
    }
    m.SetMenuConnectItem(u"Reconnect", true);
    m.tmrLoad.SetEnabled(false);
    m.UpdateTrayIcon(true, true);
    m.SetMenuEnableEnabled(!app.capture.CurrentExe.empty());
    if (auto v = browser.GetElementProperty(u"version", u"Value")) {
        app.connection.LatestVersion = *v;
    }
    if (auto d = browser.GetElementProperty(u"download", u"Value")) {
        app.connection.DownloadLink = *d;
    }
    // Any difference counts, a lower number on the page too.
    if (app.startup.AppVersion != app.connection.LatestVersion) {
        FrmTrans& t = *app.frmTrans;
        t.SetCaption(t.lblNew, u"New v" + app.connection.LatestVersion);
        t.SetVisible(t.lblNew, true);
        m.ShowBalloon(u"New version " + app.connection.LatestVersion +
                          u"\r\nA new Parlevo Version is available.\r\n Click here to download.",
                      false, false, u"download");
    }
}

// The bundled service starting: its page is asked for as soon as it tells its port, so that
// tmrLoad's next tick can find it loaded. tmrLoad still looks too, should this one miss it.
void tmrService_Timer(App& app) {
    FrmMain& m = *app.frmMain;
    if (!UsesLocalService(app) || app.connection.IsConnected || !app.connection.LocalServiceUrl.empty()) {
        m.tmrService.SetEnabled(false);
        return;
    }
    if (PollLocalService(app)) {
        m.tmrService.SetEnabled(false);
        app.platform.browser.Navigate(PageAddress(app));
    }
}

void OnBalloonClick(App& app) {
    if (app.tray.BalloonTag == u"download") {
        OpenDownloadLink(app);
    }
}

void tmrReconnect_Timer(App& app) {
    ReportBrowserProblem(app);
    if (!app.connection.IsConnected) {
        ConnectService(app);
    }
}

void WireConnectionTimers(App& app) {
    WireTimer(app, app.frmMain->tmrLoad, tmrLoad_Timer);
    WireTimer(app, app.frmMain->tmrReconnect, tmrReconnect_Timer);
    WireTimer(app, app.frmMain->tmrService, tmrService_Timer);
}

void TakeOwnVersionAsLatest(App& app) {
    app.connection.LatestVersion = app.startup.AppVersion;
}

}  // namespace plv
