#include "popup/popup_layout.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "clipboard/cls_clipboard.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/setting_values.h"
#include "core/trace.h"
#include "core/window_effects.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"
#include "shell/launcher.h"

namespace plv {
namespace {

constexpr std::size_t kFormattedChars = 10000;
constexpr std::uint32_t kGlideStepMs = 30;
// A glide ends once a step would be less than a pixel at 96 DPI, so that it takes as many steps
// at any scaling.
constexpr double kGlideLeastStep = kTwipsPer96DpiPixel;
// Closing, the popup fades from 20 to fully transparent in 3 steps.
constexpr std::int32_t kPopupFadeFrom = 20;
constexpr std::int32_t kPopupFadeSteps = 3;

// IsGliding for exactly as long as a glide runs, whichever way it ends.
class GlideMark {
  public:
    explicit GlideMark(App& app) : app_(app) { app_.popup.IsGliding = true; }
    ~GlideMark() { app_.popup.IsGliding = false; }
    GlideMark(const GlideMark&) = delete;
    GlideMark& operator=(const GlideMark&) = delete;

  private:
    App& app_;
};

}  // namespace

void SetRichTextUnicode(App& app, Form& form, ControlRef box, const std::u16string& text,
                        bool replaceSelection) {
    auto& ui = app.platform.ui;
    ControlId id = form.control(box).id;
    if (!replaceSelection) {
        ui.RichSetTextEx(form.hWnd(), id, u"", false);
    }
    ui.RichSetTextEx(form.hWnd(), id, text, replaceSelection);
    ui.RichSetSelection(form.hWnd(), id, text.size(), 0);
}

std::u16string GetRichTextUnicode(App& app, Form& form, ControlRef box, bool selectionOnly) {
    auto& ui = app.platform.ui;
    ControlId id = form.control(box).id;
    // The length in UTF-16 units, so that the buffer holds every unit of the text.
    std::size_t n = ui.RichGetTextLength(form.hWnd(), id) + 1;
    std::u16string text = ui.RichGetTextEx(form.hWnd(), id, n);
    auto [start, length] = ui.RichGetSelection(form.hWnd(), id);
    if (selectionOnly && length != 0) {
        return start < text.size() ? text.substr(start, length) : u"";
    }
    return text;
}

void LayoutPopup(App& app, const std::u16string& text) {
    if (Tracing(app)) {
        Trace(app, "layout: " + std::to_string(text.size()) + " characters");
    }
    auto& ui = app.platform.ui;
    FrmTrans& t = *app.frmTrans;
    FrmIco& ico = *app.frmico;
    ControlId box = t.control(t.lblText).id;
    double fontSize = FontSize(app);

    // 1, 2. The text in the popup's colour and size; what is typed next, in the label's face.
    SetRichTextUnicode(app, t, t.lblText, text, false);
    ui.RichSetSelection(t.hWnd(), box, 0, kFormattedChars);
    CharFormat look;
    look.color = app.startup.PopupTextColor;
    look.sizePt = fontSize;
    ui.RichSetSelectionFormat(t.hWnd(), box, look);
    ui.RichSetSelection(t.hWnd(), box, 0, 0);
    CharFormat regular;
    regular.face = t.control(t.lbl).state.font.face;
    regular.bold = false;
    regular.italic = false;
    regular.underline = false;
    regular.strikeout = false;
    ui.RichSetSelectionFormat(t.hWnd(), box, regular);

    // 3. Measure: a text that fits on one line at "transwidth" takes the width of that line.
    t.SetFontSize(t.lbl, fontSize);
    t.SetWordWrap(t.lbl, true);
    t.SetAutoSize(t.lbl, true);
    t.SetCaption(t.lbl, u"");
    std::int64_t oneLine = RoundHalfEven(t.control(t.lbl).state.bounds.height);
    t.SetControlWidth(t.lbl, static_cast<double>(TransWidth(app)) * kTwipsPer96DpiPixel);
    t.SetCaption(t.lbl, text);
    if (static_cast<double>(oneLine) == t.control(t.lbl).state.bounds.height) {
        t.SetCaption(t.lbl, u"");
        t.SetControlWidth(t.lbl, 100);
        t.SetWordWrap(t.lbl, false);
        t.SetCaption(t.lbl, text);
    }

    // 4. The text box fits the measured text.
    RectTwips measured = t.control(t.lbl).state.bounds;
    RectTwips b = t.control(t.lblText).state.bounds;
    b.width = measured.width + 5.0 * kTwipsPer96DpiPixel;
    b.height = measured.height;
    t.SetBounds(t.lblText, b);

    // 5. The popup: the box with its margins on each side, and the link row when there is one.
    const Control& google = t.control(t.google);
    double row =
        (google.state.visible && !google.state.caption.empty()) ? 1.5 * google.state.bounds.height : 0;
    auto h = static_cast<std::int32_t>(RoundHalfEven(b.height + 2 * b.top + row));
    auto w = static_cast<std::int32_t>(RoundHalfEven(2 * b.left + b.width));

    // 6. Its right edge under the icon's right edge, never left of the selection. An icon that is
    // no longer on any monitor's work area (its monitor was disconnected) comes back first; not
    // while the tray menu is open, which parks the icon off the screen on purpose.
    RectPx work = SelectionWorkArea(app);
    if (t.Visible() && !app.tray.IsInTrayEvent) {
        PointPx corner{RoundHalfEven32(ico.Left() / app.startup.TwipsPerPixelX),
                       RoundHalfEven32(ico.Top() / app.startup.TwipsPerPixelY)};
        PointPx kept = KeepIconOnScreen(app, work, corner);
        if (!(kept == corner)) {
            ico.SetLeft(static_cast<double>(kept.x) * app.startup.TwipsPerPixelX);
            ico.SetTop(static_cast<double>(kept.y) * app.startup.TwipsPerPixelY);
        }
    }
    auto l = static_cast<std::int32_t>(RoundHalfEven(ico.Left() + ico.Width() - w));
    if (l < app.capture.SelectionLeft) {
        l = app.capture.SelectionLeft;
    }
    auto top = static_cast<std::int32_t>(RoundHalfEven(t.Top()));

    // 7. On the screen.
    KeepPopupOnScreen(app, work, l, top, w, h);

    // 8, 9. A glide moves the left edge only leftwards, so a popup left of the work area (its
    // monitor gone) is put at its place first.
    t.SetTop(top);
    if (t.Visible()) {
        if (t.Left() < l && t.Left() < static_cast<double>(work.left) * app.startup.TwipsPerPixelX) {
            t.SetLeft(l);
        }
        GlideWindow(app, t, w, h, l);
    } else {
        // Only the size of a hidden layout matters: the icon's press places it.
        t.SetLeft(ico.Left());
        t.Move(ico.Left(), top, w, h);
    }
    if (Tracing(app)) {
        Trace(app, "layout: done, " + std::to_string(w) + " x " + std::to_string(h) + " twips");
    }
}

RectPx SelectionWorkArea(App& app) {
    return app.platform.desktop.MonitorAt(app.capture.ReleasePoint).work;
}

void KeepPopupOnScreen(App& app, const RectPx& work, std::int32_t& left, std::int32_t& top,
                       std::int32_t width, std::int32_t height) {
    auto twipsX = [&](std::int32_t px) { return RoundHalfEven32(px * app.startup.TwipsPerPixelX); };
    auto twipsY = [&](std::int32_t px) { return RoundHalfEven32(px * app.startup.TwipsPerPixelY); };
    RectPx area{twipsX(work.left), twipsY(work.top), twipsX(work.right), twipsY(work.bottom)};
    // Past the right or bottom edge the popup moves back; the left and top edges come last, so a
    // popup larger than the work area shows its beginning.
    if (left + width > area.right) {
        left = area.right - width;
    }
    left = std::max(left, area.left);
    if (top + height > area.bottom) {
        top = std::max(area.bottom - height, area.top);
        // The icon stays just above the popup it belongs to, as far as the work area allows.
        app.frmico->SetTop(std::max(top - static_cast<std::int32_t>(app.frmico->Height()), area.top));
    }
    top = std::max(top, area.top);
}

PointPx KeepIconOnScreen(App& app, const RectPx& work, PointPx corner) {
    std::int32_t w = RoundHalfEven32(app.frmico->Width() / app.startup.TwipsPerPixelX);
    std::int32_t h = RoundHalfEven32(app.frmico->Height() / app.startup.TwipsPerPixelY);
    corner.x = std::max(std::min(corner.x, work.right - w), work.left);
    corner.y = std::max(std::min(corner.y, work.bottom - h), work.top);
    return corner;
}

void GlideWindow(App& app, Form& form, std::int32_t width, std::int32_t height, std::int32_t left) {
    auto& loop = app.platform.loop;
    std::int32_t pace = SmoothGlide(app);
    if (pace == 0) {
        // One move rather than three: each is a resize of the window and its labels on the screen.
        form.Move(left, form.Top(), width, height);
        return;
    }
    GlideMark mark(app);
    Trace(app, "glide: begins");
    // Each step covers 1/D of the way left: 20 gives 3, 50 gives 6.
    double d = pace / 10.0 + 1.0;
    std::uint64_t g = ++app.popup.GlideGeneration;
    auto overtaken = [&] { return app.popup.GlideGeneration != g || app.HasEnded(); };
    std::int64_t dw = RoundHalfEven(width - form.Width());
    std::int64_t dh = RoundHalfEven(height - form.Height());

    if (dw != 0) {
        double sw = 1000;
        double sl = 1000;
        while (!(form.Width() >= width || sw < kGlideLeastStep || sl < kGlideLeastStep)) {
            if (overtaken()) {
                return;
            }
            sw = static_cast<double>(RoundHalfEven(std::fabs(width - form.Width()) / d));
            Trace(app, "glide: a step across");
            // The new width and left edge in one move: two would resize the window and its
            // labels on the screen twice a step.
            double stepLeft = form.Left();
            if (stepLeft > left) {
                sl = static_cast<double>(RoundHalfEven(std::fabs(stepLeft - left) / d));
                stepLeft -= sl;
            }
            form.Move(stepLeft, form.Top(), form.Width() + sw, form.Height());
            loop.Sleep(kGlideStepMs);
            loop.PumpMessages();
        }
        if (overtaken()) {
            return;
        }
        form.Move(std::min(form.Left(), static_cast<double>(left)), form.Top(), width, form.Height());
    }

    if (dh != 0) {
        double sh = 1000;
        while (!(form.Height() >= height || sh < kGlideLeastStep)) {
            if (overtaken()) {
                return;
            }
            sh = static_cast<double>(RoundHalfEven(std::fabs(height - form.Height()) / d));
            Trace(app, "glide: a step down");
            form.SetHeight(form.Height() + sh);
            loop.Sleep(kGlideStepMs);
            loop.PumpMessages();
        }
        if (!overtaken()) {
            form.SetHeight(height);
        }
    }
    Trace(app, "glide: ends");
}

bool TakeIconPress(App& app, PointPx at) {
    bool same = app.popup.IconPressAt == at;
    app.popup.IconPressAt.reset();
    return same;
}

void HidePopups(App& app) {
    // The popup closes whether or not its icon is still up: an icon that timed out must never
    // leave a popup that nothing closes.
    bool icon = app.frmico && app.frmico->Visible();
    bool popup = app.frmTrans && app.frmTrans->Visible();
    app.popup.IconPressAt.reset();
    if (!icon && !popup) {
        return;
    }
    app.frmMain->tmrHideIco.SetEnabled(false);
    app.frmMain->tmrOut.SetEnabled(false);
    app.frmico->Hide();
    // A request whose popup is closed is not waited for any more.
    app.frmMain->tmrTrans.SetEnabled(false);
    app.frmMain->tmrTimeOut.SetEnabled(false);
    app.frmTrans->SetVisible(app.frmTrans->google, false);
    if (popup) {
        FadeWindow(app, *app.frmTrans, kPopupFadeFrom, kFullyTransparent, kPopupFadeSteps);
        app.frmTrans->Hide();
    }
}

void CopyTextToClipboard(App& app, const std::u16string& text) {
    if (text.empty()) {
        return;
    }
    clsClipBoard& cb = app.Clipboard();
    // Each step's failure is passed over; the next step runs.
    cb.ClipboardOpen(app.frmMain->hWnd());
    try {
        cb.ClearClipboard();
    } catch (const ProgramError&) {
    }
    try {
        cb.SetTextData(text);
    } catch (const ProgramError&) {
    }
    cb.ClipboardClose();
}

void OpenDownloadLink(App& app) {
    HidePopups(app);
    OpenDownloadAddress(app);
}

}  // namespace plv
