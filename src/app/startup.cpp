// Start-up: everything the program does once, in order, before it lives in its message loop.

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "app/startup.h"
#include "app/tray.h"
#include "base/numbers.h"
#include "base/text.h"
#include "capture/selection_watcher.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"
#include "service/connection.h"
#include "service/result_poll.h"

namespace plv {
namespace {

struct SettingsFile {
    std::u16string path;
    bool found = false;
};

// A start-up problem worth a message: the program shows it once and ends with exit code 2,
// rather than run with a guess.
struct StartupError {
    std::u16string text;
};

std::u16string Quote(const std::u16string& s) {
    return u"\"" + s + u"\"";
}

class StartupValues {
  public:
    StartupValues(const App& app, const SettingsFile& file) : app_(app), file_(file) {}

    std::optional<StartupError> error;

    std::u16string Text(const char16_t* key) {
        auto v = app_.startup.Settings.Get(key);
        if (!v && !error) {
            std::u16string text = u"Parlevo cannot start: the settings file " + Quote(file_.path) +
                                  u" has no line for the key " + Quote(key) + u".";
            if (app_.startup.Settings.Count() == 0) {
                text +=
                    u" The file holds no settings at all; it must be saved as Unicode (UTF-16 LE) with CR LF "
                    u"line ends, one key=value a line.";
            }
            error = StartupError{text};
        }
        return v.value_or(u"");
    }

    // Three numbers red,green,blue; each field below 0 counts as 0 and above 255 as 255.
    Rgb Color(const char16_t* key) {
        std::u16string value = Text(key);
        if (error) {
            return 0;
        }
        auto fields = Split(value, u',');
        std::array<std::int64_t, 3> rgb{};
        bool ok = fields.size() >= 3;
        for (std::size_t i = 0; ok && i < 3; ++i) {
            auto n = ParseNumber(fields[i]);
            ok = n.has_value();
            if (ok) {
                rgb[i] = *n <= 0 ? 0 : (*n >= 255 ? 255 : RoundHalfEven(*n));
            }
        }
        if (!ok) {
            Bad(key, value, u"three numbers red,green,blue from 0 to 255, such as 255,255,225");
            return 0;
        }
        return static_cast<Rgb>(rgb[0] + 256 * rgb[1] + 65536 * rgb[2]);
    }

    // Seconds (fractions allowed) as a timer interval: 1 to 65,535 ms.
    std::uint32_t IntervalMs(const char16_t* key) {
        std::u16string value = Text(key);
        if (error) {
            return 0;
        }
        // The range is checked before rounding, so that 1e30 is simply out of range.
        auto seconds = ParseNumber(value);
        bool inRange = seconds && *seconds >= 0 && *seconds <= 1e6;
        std::int64_t ms = inRange ? RoundHalfEven(*seconds * 1000.0) : 0;
        if (!inRange || ms < 1 || ms > 65535) {
            Bad(key, value, u"a number of seconds from 0.001 to 65.535");
            return 0;
        }
        return static_cast<std::uint32_t>(ms);
    }

    // "bundled" (the service that ships beside the program), or the address of a plv-service
    // elsewhere: http:// or https:// and a host, without blanks or control characters (the value
    // is used as it stands). Anything else, a file: address among them, would be opened in the
    // browser engine as the service page.
    void ServiceUrl() {
        auto value = app_.startup.Settings.Get(u"serviceurl");
        if (!value || ToLower(TrimBlanks(*value)) == u"bundled") {
            return;  // absent: no page, as ever
        }
        std::u16string v = ToLower(*value);
        bool ok = false;
        for (std::u16string scheme : {u"http://", u"https://"}) {
            if (v.rfind(scheme, 0) == 0) {
                std::u16string host =
                    v.substr(scheme.size(), v.find_first_of(u"/?#", scheme.size()) - scheme.size());
                ok = !host.empty() && host[0] != u':' && host.find(u'@') == std::u16string::npos;
            }
        }
        for (char16_t c : v) {
            ok = ok && c > u' ' && c != 0x7F;
        }
        if (!ok) {
            Bad(u"serviceurl", *value,
                u"bundled, or the http:// or https:// address of a translation service");
        }
    }

    // The engine that shows the service page (optional key; the system's browser control when
    // absent). A DevTools address must be on this computer: one elsewhere would hand the browser,
    // and with it what the user translates, to another machine.
    BrowserChoice Browser() {
        BrowserChoice choice;
        auto value = app_.startup.Settings.Get(u"browser");
        if (!value) {
            return choice;
        }
        std::u16string v = ToLower(TrimBlanks(*value));
        if (v.empty() || v == u"embedded") {
            choice.kind = BrowserEngineKind::Embedded;
        } else if (v == u"chromium") {
            choice.kind = BrowserEngineKind::Chromium;
            choice.browserPath = TrimBlanks(app_.startup.Settings.Get(u"browserpath").value_or(u""));
        } else if (v == u"none") {
            choice.kind = BrowserEngineKind::None;
        } else if (IsLoopbackHttpAddress(v)) {
            choice.kind = BrowserEngineKind::Attach;
            choice.devToolsAddress = v;
        } else {
            Bad(u"browser", *value,
                u"embedded, chromium, none, or the DevTools address of a browser on this computer "
                u"(http://127.0.0.1:PORT)");
        }
        return choice;
    }

  private:
    // http://HOST:PORT[/] with HOST 127.x.x.x, localhost or [::1] and PORT 1 to 65535.
    static bool IsLoopbackHttpAddress(std::u16string v) {
        const std::u16string scheme = u"http://";
        if (v.rfind(scheme, 0) != 0) {
            return false;
        }
        v = v.substr(scheme.size());
        if (!v.empty() && v.back() == u'/') {
            v.pop_back();
        }
        std::size_t colon = v.rfind(u':');
        if (colon == std::u16string::npos) {
            return false;
        }
        std::u16string host = v.substr(0, colon);
        auto port = ParseWholeNumber(v.substr(colon + 1));
        if (!port || *port < 1 || *port > 65535 ||
            v.find_first_not_of(u"0123456789", colon + 1) != std::u16string::npos) {
            return false;
        }
        if (host == u"localhost" || host == u"[::1]") {
            return true;
        }
        auto octets = Split(host, u'.');
        if (octets.size() != 4 || octets[0] != u"127") {
            return false;
        }
        for (const auto& o : octets) {
            auto n = ParseWholeNumber(o);
            if (o.empty() || o.size() > 3 || o.find_first_not_of(u"0123456789") != std::u16string::npos ||
                !n || *n > 255) {
                return false;
            }
        }
        return true;
    }

    void Bad(const char16_t* key, const std::u16string& value, const char16_t* expected) {
        if (!error) {
            error = StartupError{u"Parlevo cannot start: in the settings file " + Quote(file_.path) +
                                 u", the key " + Quote(key) + u" has the value " + Quote(value) +
                                 u", where " + expected + u" is expected."};
        }
    }

    const App& app_;
    const SettingsFile& file_;
};

// A stored flag is read as a whole number; anything else counts as absent.
std::int32_t StoredFlag(App& app, const std::u16string& exe) {
    auto v = app.platform.store.GetSetting(app.ProgramName(), u"Applications", exe);
    if (!v) {
        return 0;
    }
    return ParseWholeNumber(*v).value_or(0);
}

}  // namespace

std::u16string SettingsFilePath(const App& app) {
    return app.platform.env.SettingsFilePath();
}

bool LoadSettings(App& app) {
    app.startup.Settings.Clear();
    auto bytes = app.platform.env.ReadFileBytes(SettingsFilePath(app));
    if (bytes) {
        ParseSettingsText(DecodeUtf16Le(*bytes), app.startup.Settings);
    }
    return bytes.has_value();
}

void DetectOsVersion(App& app) {
    auto v = app.platform.desktop.GetVersionEx();
    app.startup.OsVersion = v ? static_cast<std::int32_t>(v->major * 100 + v->minor) : 0;
}

bool AreMouseButtonsSwapped(App& app) {
    return app.platform.desktop.GetSystemMetrics(kSmSwapButton) != 0;
}

void Main(App& app) {
    auto& p = app.platform;

    // 1. One copy only; a second one ends silently.
    if (!p.env.AcquireSingleInstance(u"Parlevo." + app.ProgramName())) {
        app.EndNormally(0);
        return;
    }
    // 2.
    DetectOsVersion(app);
    // 3. The settings, checked here once so that a bad file stops the program before it changes
    // anything (the registry included) and never lets it run with made-up values.
    SettingsFile file{SettingsFilePath(app), LoadSettings(app)};
    StartupValues values(app, file);
    Rgb back = 0;
    Rgb text = 0;
    Rgb gray = 0;
    std::uint32_t reconnectMs = 0;
    std::uint32_t timeoutMs = 0;
    std::u16string googleLabel;
    BrowserChoice browser;
    if (!file.found) {
        values.error = StartupError{u"Parlevo cannot start: the settings file " + Quote(file.path) +
                                    u" is missing or cannot be read."};
    } else {
        back = values.Color(u"Color");
        text = values.Color(u"TextColor");
        gray = values.Color(u"Gray");
        googleLabel = values.Text(u"googlelabel");
        reconnectMs = values.IntervalMs(u"CheckConnectionInterval");
        timeoutMs = values.IntervalMs(u"servertimeout");
        browser = values.Browser();
        values.ServiceUrl();
    }
    if (values.error) {
        p.shell.MessageBox(values.error->text, u"Parlevo", kMbOk | kMbIconError);
        app.EndNormally(2);
        return;
    }

    p.browser.UseEngine(browser);
    // 4. Browsers are enabled at every start, whatever the user chose for them before.
    for (const std::u16string& exe : p.shell.SeededBrowsers()) {
        if (StoredFlag(app, exe) != -1) {
            p.store.SaveSetting(app.ProgramName(), u"Applications", exe, u"1");
        }
    }
    // 5.
    app.startup.PopupBackColor = back;
    app.startup.PopupTextColor = text;
    app.startup.PopupGrayColor = gray;
    // 6.
    app.startup.TwipsPerPixelX = 1440.0 / std::max(p.desktop.DpiX(), 1);
    app.startup.TwipsPerPixelY = 1440.0 / std::max(p.desktop.DpiY(), 1);
    // 7. Taken once; a later change of the mouse setting is not followed.
    if (AreMouseButtonsSwapped(app)) {
        app.startup.PrimaryButtonKey = 2;
        app.startup.SecondaryButtonKey = 1;
    } else {
        app.startup.PrimaryButtonKey = 1;
        app.startup.SecondaryButtonKey = 2;
    }
    // 8. major.minor.revision; the build field is not part of it.
    FileVersion v = p.env.GetFileVersion().value_or(FileVersion{});
    app.startup.AppVersion =
        Widen(std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision));
    TakeOwnVersionAsLatest(app);
    // 9.
    app.frmMain = MakeOwned<FrmMain>(app);
    app.frmMain->Load();
    // Each module gives the main form's timers it owns their handlers.
    WireTray(app);
    WireWatcherTimers(app);
    WireConnectionTimers(app);
    WireResultPollTimers(app);
    WireIconTimers(app);
    app.frmico = MakeOwned<FrmIco>(app);
    app.frmico->Load();
    app.frmTrans = MakeOwned<FrmTrans>(app);
    app.frmTrans->Load();
    // 10.
    FrmTrans& trans = *app.frmTrans;
    trans.SetBackColor(app.startup.PopupBackColor);
    trans.SetBackColor(trans.lblText, app.startup.PopupBackColor);
    trans.SetCaption(trans.google, googleLabel);
    for (ControlRef label : {trans.google, trans.lbldir, trans.lblCopy}) {
        trans.SetForeColor(label, app.startup.PopupGrayColor);
    }
    app.frmico->SetBackColor(app.startup.PopupBackColor);
    // 11.
    ConnectService(app);
    // 12.
    FrmMain& m = *app.frmMain;
    m.tmr1.SetInterval(50);
    m.tmr1.SetEnabled(true);
    m.tmrReconnect.SetInterval(reconnectMs);
    m.tmrReconnect.SetEnabled(true);
    m.tmrTimeOut.SetInterval(timeoutMs);
    m.tmrTimeOut.SetEnabled(false);
    m.tmrOut.SetInterval(50);
    m.tmrOut.SetEnabled(false);
    m.tmrLoad.SetInterval(500);
    m.tmrLoad.SetEnabled(true);
    // 13. Still connecting: the grey icon.
    m.UpdateTrayIcon(true, false);
}

}  // namespace plv
