#include "service/result_poll.h"

#include "base/text.h"
#include "capture/text_capture.h"
#include "capture/translate.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/setting_values.h"
#include "core/trace.h"
#include "popup/frm_trans.h"
#include "popup/popup_layout.h"
#include "service/connection.h"

namespace plv {
namespace {

// Reaches past the end of any text the box holds.
constexpr std::size_t kToTheEnd = 1000000;

// The page's error for the text sent last, once it has one. An error counts when the page has
// been seen without one since the click, or when it differs from the one that stood there before
// the click: a page that leaves an old error standing is never taken at its word, and the same
// error again (the key still refused) is taken once the page has cleared it.
std::optional<std::u16string> ErrorForThisText(App& app) {
    const auto& sent = app.capture;
    std::u16string error = ReadPageError(app);
    if (error.empty()) {
        app.connection.PageErrorClearedClick = sent.PageClicks;
        return std::nullopt;
    }
    bool cleared = sent.PageErrorClearedAtClick || app.connection.PageErrorClearedClick == sent.PageClicks;
    if (!cleared && error == sent.PageErrorBefore) {
        return std::nullopt;
    }
    return error;
}

// From character `from` to the end of the popup's text, in the popup's grey; the selection is
// collapsed again, so that "copy" takes the whole text unless the user selects a part.
void GrayFrom(App& app, std::size_t from) {
    FrmTrans& t = *app.frmTrans;
    auto& ui = app.platform.ui;
    ControlId box = t.control(t.lblText).id;
    ui.RichSetSelection(t.hWnd(), box, from, kToTheEnd);
    CharFormat gray;
    gray.color = app.startup.PopupGrayColor;
    ui.RichSetSelectionFormat(t.hWnd(), box, gray);
    ui.RichSetSelection(t.hWnd(), box, from, 0);
}

// The page could not translate the text and says why: the user reads that at once, in grey like
// any text that is not a translation, rather than the time-out's words much later. Never cached:
// the same selection again goes to the page again.
void ShowPageError(App& app, const std::u16string& error) {
    if (Tracing(app)) {
        Trace(app, "poll: the page reports an error of " + std::to_string(error.size()) + " characters");
    }
    FrmMain& m = *app.frmMain;
    m.tmrTimeOut.SetEnabled(false);
    m.tmrTrans.SetEnabled(false);
    LayoutPopup(app, error);
    if (!app.HasEnded()) {
        GrayFrom(app, 0);
    }
}

}  // namespace

void tmrTrans_Timer(App& app) {
    // Never lay out in the middle of a glide; the next tick after it picks the result up.
    if (app.popup.IsGliding) {
        Trace(app, "poll: waits for the glide");
        return;
    }
    auto& browser = app.platform.browser;
    FrmMain& m = *app.frmMain;
    FrmTrans& t = *app.frmTrans;
    auto answer = browser.GetElementProperty(u"translation", u"innerTEXT");
    if (!answer && NoticeEngineGone(app)) {
        return;
    }
    std::u16string text = answer.value_or(u"");
    if (text.empty()) {
        if (auto error = ErrorForThisText(app)) {
            ShowPageError(app, *error);
            return;
        }
        Trace(app, "poll: no translation yet");
        return;
    }
    if (Tracing(app)) {
        Trace(app, "poll: a translation of " + std::to_string(text.size()) + " characters");
    }
    if (auto direction = browser.GetElementProperty(u"fromto", u"innerTEXT")) {
        t.SetCaption(t.lbldir, *direction);
    }
    // The page names the engine that made this translation (its service may send one direction
    // to DeepL and another to Apertium); a page that names none leaves the attribution as set.
    if (auto credit = browser.GetElementProperty(u"attribution", u"innerTEXT"); credit && !credit->empty()) {
        t.SetCaption(t.google, *credit);
        // Only a web address is opened from the page; anything else (a file, a script) leaves
        // the address in the settings.
        std::u16string link = browser.GetElementProperty(u"attribution", u"href").value_or(u"");
        const std::u16string scheme = ToLower(link.substr(0, link.find(u':') + 1));
        t.creditLink = scheme == u"https:" || scheme == u"http:" ? link : u"";
    }
    if (!app.capture.IsTextWhole) {
        // The text sent ends where the cut fell, often on a blank, and its translation may keep
        // it: one blank before the dots, not two.
        text = TrimBlanks(text);
    }
    std::size_t translated = text.size();
    if (!app.capture.IsTextWhole) {
        text += u" ... " + app.capture.RemainderText;
    }
    // The first translation of a text stays cached.
    if (auto key = GetCacheKey(app, app.capture.PendingText)) {
        app.connection.Translations.Add(*key, app.capture.PendingText, text);
    }
    m.tmrTimeOut.SetEnabled(false);
    m.tmrTrans.SetEnabled(false);
    t.SetVisible(t.google, true);
    LayoutPopup(app, text);
    if (!app.capture.IsTextWhole && !app.HasEnded()) {
        GrayFrom(app, translated);
    }
}

void tmrTimeOut_Timer(App& app) {
    FrmMain& m = *app.frmMain;
    m.tmrTrans.SetEnabled(false);
    m.tmrTimeOut.SetEnabled(false);
    LayoutPopup(app, TimeoutText(app));
}

void WireResultPollTimers(App& app) {
    WireTimer(app, app.frmMain->tmrTrans, tmrTrans_Timer);
    WireTimer(app, app.frmMain->tmrTimeOut, tmrTimeOut_Timer);
}

}  // namespace plv
