#include "capture/translate.h"

#include <cmath>

#include "base/numbers.h"
#include "base/text.h"
#include "capture/text_capture.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/setting_values.h"
#include "core/trace.h"
#include "core/window_effects.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"
#include "popup/popup_layout.h"

namespace plv {
namespace {

constexpr char16_t kSeparators[] = {u' ', u'.', u',', u'-', u'!', u';', u':', u'/', u'\\'};
// The floating icon, 16 pixels square, sits 10 right of and 5 above the release point; its
// centre, from which the pointer's distance is measured, is 8 pixels right of and below its
// corner (18 right of and 3 below the release point where the icon is not moved to stay on the
// monitor). Pixels at 96 DPI, scaled with the screen's DPI.
constexpr std::int32_t kIconOffsetX = 10;
constexpr std::int32_t kIconOffsetY = -5;
constexpr std::int32_t kIconCentre = 8;

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::u16string ReadPageError(App& app) {
    std::u16string error = app.platform.browser.GetElementProperty(u"error", u"innerTEXT").value_or(u"");
    auto space = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    while (!error.empty() && space(error.back())) {
        error.pop_back();
    }
    std::size_t lead = 0;
    while (lead < error.size() && space(error[lead])) {
        ++lead;
    }
    return error.substr(lead);
}

CutResult CutText(const std::u16string& text, std::int32_t maxLength) {
    auto max = static_cast<std::size_t>(std::max(maxLength, 1));
    if (text.size() <= max) {
        return {text, u"", true};
    }
    // Positions are 1-based: the last separator that starts at or before character max.
    std::size_t best = 1;
    for (char16_t sep : kSeparators) {
        std::size_t at = text.rfind(sep, max - 1);
        if (at != std::u16string::npos && at + 1 > best) {
            best = at + 1;
        }
    }
    std::size_t keep = best > 1 ? best : max;
    // A hard cut must not split a character outside the BMP in two.
    if (best <= 1 && keep < text.size() && IsLowSurrogate(text[keep]) && keep > 1) {
        --keep;
    }
    return {text.substr(0, keep), text.substr(keep), false};
}

void TranslateSelection(App& app, std::int32_t x, std::int32_t y, std::int32_t leftX) {
    auto& p = app.platform;
    FrmMain& m = *app.frmMain;
    FrmIco& ico = *app.frmico;

    // 1-3.
    app.capture.SelectionLeft = RoundHalfEven32(leftX * app.startup.TwipsPerPixelX);
    app.capture.ReleasePoint = PointPx{x, y};
    app.capture.CaptureWindow = p.desktop.GetForegroundWindow();
    std::u16string text = TrimBlanks(CaptureSelection(app, app.capture.CaptureWindow));
    if (app.HasEnded()) {
        return;
    }
    if (Tracing(app)) {
        Trace(app, "capture: " + std::to_string(text.size()) + " characters");
    }

    // 4. Cut a long text; the remainder is appended in grey to the translation.
    CutResult cut = CutText(text, MaxTransLen(app));
    text = cut.sent;
    app.capture.IsTextWhole = cut.whole;
    if (!cut.whole) {
        app.capture.RemainderText = cut.remainder;
    }
    // 5, 6.
    if (text.empty()) {
        return;
    }
    app.capture.PendingText = text;

    // 7. What this run has translated before.
    std::u16string cached;
    if (auto key = GetCacheKey(app, text)) {
        cached = app.connection.Translations.Find(*key, text).value_or(u"");
    }
    Trace(app, cached.empty() ? "cache: not found" : "cache: found");

    // 8. Lay out the popup (still hidden): the translation, or the placeholder while the page
    // translates, or the note that the service is not connected. An earlier request's answer
    // or time-out must never replace what is laid out now: its poll and its wait end here, and
    // a new request starts both again.
    m.tmrTrans.SetEnabled(false);
    m.tmrTimeOut.SetEnabled(false);
    if (!cached.empty()) {
        app.frmTrans->SetVisible(app.frmTrans->google, true);
        LayoutPopup(app, cached);
    } else if (app.connection.IsConnected) {
        // Every request has its full time. The page is asked first, so that the service works
        // while the placeholder is laid out; a poll in the middle of a glide of a visible popup
        // waits for its end.
        m.tmrTimeOut.SetEnabled(true);
        // The page's error line around the click: an error that stood there before the click is
        // not about this text. The page clears the line in the click's own handler.
        app.capture.PageErrorBefore = ReadPageError(app);
        p.browser.SetElementProperty(u"text", u"Value", text);
        p.browser.CallElementMethod(u"btn", u"click");
        app.capture.PageErrorClearedAtClick = ReadPageError(app).empty();
        ++app.capture.PageClicks;
        Trace(app, "page: asked");
        m.tmrTrans.SetInterval(100);
        m.tmrTrans.SetEnabled(true);
        if (auto placeholder = SettingText(app, u"TransStr")) {
            LayoutPopup(app, *placeholder);
        }
    } else if (auto note = SettingText(app, u"NotConnectedStr")) {
        LayoutPopup(app, *note);
    }
    if (app.HasEnded()) {
        return;
    }

    // 9. The icon, unless there is nothing to show and the settings say not to offer it.
    auto popupIfNotConnected = SettingNumber(app, u"PopupIfNotConnected");
    bool offer =
        !cached.empty() || app.connection.IsConnected || !popupIfNotConnected || *popupIfNotConnected != 0;
    if (!offer) {
        return;
    }
    // 10.
    if (auto transparency = Transparency(app)) {
        SetTranslucency(app, ico.hWnd(), *transparency);
    }
    // 11, 12. The icon's place on the selection's monitor, its centre, and how far the pointer
    // is from it now.
    PointPx corner = KeepIconOnScreen(
        app, SelectionWorkArea(app),
        PointPx{x + app.startup.ScreenPxX(kIconOffsetX), y + app.startup.ScreenPxY(kIconOffsetY)});
    app.capture.IconAnchorX = corner.x + app.startup.ScreenPxX(kIconCentre);
    app.capture.IconAnchorY = corner.y + app.startup.ScreenPxY(kIconCentre);
    PointPx at = p.desktop.GetCursorPos();
    double dx = static_cast<double>(app.capture.IconAnchorX - at.x);
    double dy = static_cast<double>(app.capture.IconAnchorY - at.y);
    app.capture.IconInitialDistance = std::sqrt(dx * dx + dy * dy);
    // 15, 16 before 13: the emblem, not the close cross of the last popup, is what shows, and a
    // press the moment the icon appears lands on it (on the bare form it would be lost).
    ico.SetVisible(ico.ico, true);
    ico.SetVisible(ico.icocls, false);
    // 13. Beside the pointer, above everything, without taking the focus.
    SetWindowTopmost(app, ico.hWnd(), true, true, corner);
    if (Tracing(app)) {
        Trace(app, "icon: shown at " + std::to_string(corner.x) + "," + std::to_string(corner.y));
    }
    // 14. An interval that cannot be read or set leaves the one before.
    if (auto seconds = SettingNumber(app, u"hideiconinterval")) {
        std::int64_t ms = RoundHalfEven(*seconds * 1000.0);
        if (ms >= 1 && ms <= 65535) {
            m.tmrHideIco.SetInterval(static_cast<std::uint32_t>(ms));
        }
    }
    m.tmrHideIco.SetEnabled(true);
    m.tmrOut.SetEnabled(true);
}

}  // namespace plv
