#include "platform/sim/sim_ui.h"

#include <algorithm>

#include "base/numbers.h"

namespace plv::sim {
namespace {

// Frame sizes in pixels (what AdjustWindowRectEx adds at 96 dots per inch).
struct Frame {
    std::int32_t side;
    std::int32_t top;
};

Frame FrameOf(FormBorder border) {
    switch (border) {
        case FormBorder::Sizable:
            return {8, 31};
        case FormBorder::FixedDialog:
            return {3, 25};
        case FormBorder::None:
            return {0, 0};
    }
    return {0, 0};
}

// A rich edit control keeps a paragraph end as a single CR.
std::u16string RichText(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;
        }
        out += text[i] == u'\n' ? u'\r' : text[i];
    }
    return out;
}

// What a user calls each of the program's windows, for the trace.
std::string Shown(const SimWindow& w) {
    const std::string& n = w.design.name;
    if (n == "frmMain") {
        return "main";
    }
    if (n == "frmico") {
        return "icon";
    }
    if (n == "frmTrans") {
        return "popup";
    }
    if (n == "frmAbout") {
        return "about";
    }
    return n;
}

}  // namespace

SimWindow* SimUi::LiveForm(Hwnd form) {
    if (!w_.Runs()) {
        return nullptr;
    }
    SimWindow* w = w_.Window(form);
    return (w && w->isForm) ? w : nullptr;
}

SimControl* SimUi::FindControl(Hwnd form, ControlId control) {
    SimWindow* w = w_.Window(form);
    if (!w || !w->isForm || control == 0 || control > w->controls.size()) {
        return nullptr;
    }
    return &w->controls[control - 1];
}

SimControl* SimUi::FindControl(const std::string& formName, const std::string& controlName, Hwnd* form) {
    SimWindow* w = w_.Form(formName);
    if (!w) {
        return nullptr;
    }
    for (auto& c : w->controls) {
        if (c.design.name == controlName) {
            if (form) {
                *form = w->hwnd;
            }
            return &c;
        }
    }
    return nullptr;
}

namespace {

MouseButton Logical(const SimWorld& w, int physical) {
    if (physical == 2) {
        return MouseButton::Middle;
    }
    bool left = physical == 0;
    if (w.swapButtons) {
        left = !left;
    }
    return left ? MouseButton::Left : MouseButton::Right;
}

Frame FrameOfWindow(const SimWindow& w) {
    return FrameOf(w.design.border);
}

}  // namespace

std::pair<Hwnd, ControlId> SimUi::HitTest(PointPx at) {
    // Topmost windows first, then the others.
    for (bool topmost : {true, false}) {
        for (auto& [h, w] : w_.windows) {
            if (!w.isForm || !w.visible || w.topmost != topmost) {
                continue;
            }
            const RectPx& r = w.rect;
            if (at.x < r.left || at.x >= r.right || at.y < r.top || at.y >= r.bottom) {
                continue;
            }
            Frame f = FrameOfWindow(w);
            double x = static_cast<double>(at.x - r.left - f.side) * w_.TwipsX();
            double y = static_cast<double>(at.y - r.top - f.top) * w_.TwipsY();
            // Controls made later lie on top.
            for (auto it = w.controls.rbegin(); it != w.controls.rend(); ++it) {
                const RectTwips& b = it->design.bounds;
                if (it->design.visible && x >= b.left && x < b.left + b.width && y >= b.top &&
                    y < b.top + b.height) {
                    return {h, it->id};
                }
            }
            return {h, 0};
        }
    }
    return {0, 0};
}

std::optional<PointPx> SimUi::ControlCentre(Hwnd form, ControlId control) {
    SimWindow* w = w_.Window(form);
    SimControl* c = FindControl(form, control);
    if (!w || !c || !w->visible || !c->design.visible) {
        return std::nullopt;
    }
    Frame f = FrameOfWindow(*w);
    const RectTwips& b = c->design.bounds;
    PointPx at{w->rect.left + f.side + RoundHalfEven32((b.left + b.width / 2) / w_.TwipsX()),
               w->rect.top + f.top + RoundHalfEven32((b.top + b.height / 2) / w_.TwipsY())};
    if (at.x < w->rect.left || at.x >= w->rect.right || at.y < w->rect.top || at.y >= w->rect.bottom) {
        return std::nullopt;
    }
    return at;
}

void SimUi::Press(int physicalButton) {
    w_.buttonDown[physicalButton] = true;
    auto [form, control] = HitTest(w_.cursor);
    pressForm_ = form;
    pressControl_ = control;
    if (Logical(w_, physicalButton) == MouseButton::Left) {
        w_.SelectingButtonPressed(form != 0);
    }
    SimWindow* w = LiveForm(form);
    if (w && w->events) {
        w->events->OnMouseDown(control, Logical(w_, physicalButton));
    }
}

void SimUi::Release(int physicalButton) {
    w_.buttonDown[physicalButton] = false;
    Hwnd pressedForm = pressForm_;
    ControlId pressedControl = pressControl_;
    pressForm_ = 0;
    pressControl_ = 0;
    if (Logical(w_, physicalButton) == MouseButton::Left) {
        w_.SelectingButtonReleased();
    }
    if (Logical(w_, physicalButton) != MouseButton::Left || pressedForm == 0) {
        return;
    }
    auto [form, control] = HitTest(w_.cursor);
    SimWindow* w = LiveForm(form);
    if (w && w->events && form == pressedForm && control == pressedControl) {
        w->events->OnClick(control);
    }
}

void SimUi::TraceChange(const SimWindow& w, const std::string& what) {
    if (w.visible && (w.design.name == "frmico" || w.design.name == "frmTrans")) {
        std::string kind = what.substr(0, what.find('='));
        w_.Trace(Shown(w) + " " + what, Shown(w) + " " + kind + " " + std::to_string(w_.now));
    }
}

Hwnd SimUi::CreateForm(const FormDesign& design, WindowEvents* events) {
    if (!w_.Runs()) {
        return 0;
    }
    SimWindow w;
    w.hwnd = w_.nextHwnd++;
    w.pid = pid_;
    w.className = u"ThunderRT6Form";
    w.isForm = true;
    w.design = design;
    w.events = events;
    w.backColor = design.backColor;
    Frame f = FrameOf(design.border);
    std::int32_t width = RoundHalfEven32(design.clientWidthTwips / w_.TwipsX()) + 2 * f.side;
    std::int32_t height = RoundHalfEven32(design.clientHeightTwips / w_.TwipsY()) + f.top + f.side;
    // Windows places a window without a position of its own near the top-left corner.
    std::int32_t left = 26;
    std::int32_t top = 26;
    if (design.centerOnScreen) {
        left = (w_.screenW - width) / 2;
        top = (w_.screenH - height) / 2;
    }
    w.rect = {left, top, left + width, top + height};
    w_.windows[w.hwnd] = w;
    return w.hwnd;
}

void SimUi::DestroyForm(Hwnd form) {
    SimWindow* w = w_.Window(form);
    if (!w || !w->isForm) {
        return;
    }
    if (w->visible) {
        w_.Trace(Shown(*w) + " hidden");
    }
    if (w_.foreground == form) {
        w_.foreground = w_.desktopWindow;
    }
    w_.windows.erase(form);
}

void SimUi::SetVisible(SimWindow& w, bool visible) {
    if (w.visible != visible) {
        w.visible = visible;
        w_.Trace(Shown(w) + (visible ? " shown" : " hidden"));
    }
}

void SimUi::SetRect(SimWindow& w, RectPx r) {
    bool resized = r.Width() != w.rect.Width() || r.Height() != w.rect.Height();
    bool moved = !(r == w.rect);
    w.rect = r;
    if (moved) {
        TraceChange(w, "rect=" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                           std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
    if (resized && w.events) {
        w.events->OnResize();
    }
}

void SimUi::ShowWindow(Hwnd form, ShowCommand command) {
    if (SimWindow* w = LiveForm(form)) {
        SetVisible(*w, command != ShowCommand::Hide);
    }
}

bool SimUi::IsWindowVisible(Hwnd form) {
    SimWindow* w = w_.Window(form);
    return w && w->visible;
}

void SimUi::MoveWindow(Hwnd form, RectPx bounds) {
    if (SimWindow* w = LiveForm(form)) {
        SetRect(*w, bounds);
    }
}

bool SimUi::SetWindowPos(Hwnd form, Hwnd insertAfter, std::int32_t x, std::int32_t y, std::int32_t cx,
                         std::int32_t cy, std::uint32_t flags) {
    SimWindow* w = LiveForm(form);
    if (!w) {
        return false;
    }
    if (insertAfter == kHwndTopmost) {
        w->topmost = true;
    } else if (insertAfter == kHwndNoTopmost) {
        w->topmost = false;
    }
    RectPx r = w->rect;
    if (!(flags & kSwpNoMove)) {
        r = {x, y, x + r.Width(), y + r.Height()};
    }
    if (!(flags & kSwpNoSize)) {
        r.right = r.left + cx;
        r.bottom = r.top + cy;
    }
    SetRect(*w, r);
    if (flags & kSwpShowWindow) {
        SetVisible(*w, true);
    }
    return true;
}

RectPx SimUi::GetClientRect(Hwnd form) {
    SimWindow* w = w_.Window(form);
    if (!w) {
        return {};
    }
    Frame f = FrameOf(w->design.border);
    return {0, 0, std::max(0, w->rect.Width() - 2 * f.side), std::max(0, w->rect.Height() - f.top - f.side)};
}

std::int32_t SimUi::GetWindowLong(Hwnd form, int index) {
    SimWindow* w = w_.Window(form);
    return (w && index == kGwlExStyle) ? w->exStyle : 0;
}

std::int32_t SimUi::SetWindowLong(Hwnd form, int index, std::int32_t value) {
    SimWindow* w = LiveForm(form);
    if (!w || index != kGwlExStyle) {
        return 0;
    }
    std::int32_t old = w->exStyle;
    w->exStyle = value;
    // A window that stops being layered is drawn opaque again; layering anew starts invisible
    // until its attributes are set, as on Windows.
    if ((old & kWsExLayered) && !(value & kWsExLayered)) {
        w->alpha = 255;
        TraceChange(*w, "alpha=opaque");
    }
    return old;
}

bool SimUi::SetLayeredWindowAttributes(Hwnd form, Rgb /*colorKey*/, std::uint8_t alpha, std::uint32_t flags) {
    SimWindow* w = LiveForm(form);
    if (!w || !(w->exStyle & kWsExLayered)) {
        return false;
    }
    if ((flags & kLwaAlpha) && w->alpha != alpha) {
        w->alpha = alpha;
        TraceChange(*w, "alpha=" + std::to_string(alpha));
    }
    return true;
}

void SimUi::Repaint(Hwnd /*form*/) {}

void SimUi::SetFormBackColor(Hwnd form, Rgb color) {
    if (SimWindow* w = LiveForm(form)) {
        w->backColor = color;
    }
}

ControlId SimUi::AddControl(Hwnd form, const ControlDesign& design) {
    SimWindow* w = LiveForm(form);
    if (!w) {
        return 0;
    }
    SimControl c;
    c.id = static_cast<ControlId>(w->controls.size() + 1);
    c.design = design;
    if (design.kind == ControlKind::RichText) {
        c.text = RichText(design.caption);
        c.charColor.assign(c.text.size(), design.foreColor.value_or(0));
        c.charSize.assign(c.text.size(), design.font.sizePt);
        c.insertSize = design.font.sizePt;
    }
    w->controls.push_back(c);
    return c.id;
}

void SimUi::SetControlBounds(Hwnd form, ControlId control, RectTwips bounds) {
    if (SimControl* c = LiveForm(form) ? FindControl(form, control) : nullptr) {
        c->design.bounds = bounds;
    }
}

void SimUi::SetControlText(Hwnd form, ControlId control, const std::u16string& text) {
    if (SimControl* c = LiveForm(form) ? FindControl(form, control) : nullptr) {
        c->design.caption = text;
    }
}

void SimUi::SetControlVisible(Hwnd form, ControlId control, bool visible) {
    if (SimControl* c = LiveForm(form) ? FindControl(form, control) : nullptr) {
        c->design.visible = visible;
    }
}

void SimUi::SetControlForeColor(Hwnd form, ControlId control, Rgb color) {
    if (SimControl* c = LiveForm(form) ? FindControl(form, control) : nullptr) {
        c->design.foreColor = color;
    }
}

void SimUi::SetControlBackColor(Hwnd form, ControlId control, Rgb color) {
    if (SimControl* c = LiveForm(form) ? FindControl(form, control) : nullptr) {
        c->design.backColor = color;
    }
}

SizeTwips SimUi::MeasureText(const std::u16string& text, const FontSpec& font, bool wordWrap,
                             double widthTwips) {
    return SimMeasureText(text, font.sizePt, wordWrap, widthTwips);
}

void SimUi::RichSetTextEx(Hwnd form, ControlId box, const std::u16string& text, bool replaceSelection) {
    SimControl* c = LiveForm(form) ? FindControl(form, box) : nullptr;
    if (!c) {
        return;
    }
    std::u16string t = RichText(text);
    std::size_t start = replaceSelection ? std::min(c->selStart, c->text.size()) : 0;
    std::size_t length = replaceSelection ? std::min(c->selLength, c->text.size() - start) : c->text.size();
    c->text.replace(start, length, t);
    c->charColor.erase(c->charColor.begin() + static_cast<std::ptrdiff_t>(start),
                       c->charColor.begin() + static_cast<std::ptrdiff_t>(start + length));
    c->charColor.insert(c->charColor.begin() + static_cast<std::ptrdiff_t>(start), t.size(), c->insertColor);
    c->charSize.erase(c->charSize.begin() + static_cast<std::ptrdiff_t>(start),
                      c->charSize.begin() + static_cast<std::ptrdiff_t>(start + length));
    c->charSize.insert(c->charSize.begin() + static_cast<std::ptrdiff_t>(start), t.size(), c->insertSize);
    c->selStart = start + t.size();
    c->selLength = 0;
    if (!t.empty()) {
        TraceChange(*w_.Window(form), "text=" + QuoteText(c->text));
    }
}

std::u16string SimUi::RichGetTextEx(Hwnd form, ControlId box, std::size_t maxChars) {
    SimControl* c = FindControl(form, box);
    if (!c || maxChars == 0) {
        return {};
    }
    // The buffer keeps room for the terminating zero.
    return c->text.substr(0, maxChars - 1);
}

std::size_t SimUi::RichGetTextLength(Hwnd form, ControlId box) {
    SimControl* c = FindControl(form, box);
    return c ? c->text.size() : 0;
}

void SimUi::RichSetSelection(Hwnd form, ControlId box, std::size_t start, std::size_t length) {
    SimControl* c = LiveForm(form) ? FindControl(form, box) : nullptr;
    if (!c) {
        return;
    }
    c->selStart = std::min(start, c->text.size());
    c->selLength = std::min(length, c->text.size() - c->selStart);
}

std::pair<std::size_t, std::size_t> SimUi::RichGetSelection(Hwnd form, ControlId box) {
    SimControl* c = FindControl(form, box);
    return c ? std::make_pair(c->selStart, c->selLength) : std::make_pair(std::size_t{0}, std::size_t{0});
}

void SimUi::RichSetSelectionFormat(Hwnd form, ControlId box, const CharFormat& format) {
    SimControl* c = LiveForm(form) ? FindControl(form, box) : nullptr;
    if (!c) {
        return;
    }
    if (c->selLength == 0) {
        // An empty selection formats what is typed next.
        if (format.color) {
            c->insertColor = *format.color;
        }
        if (format.sizePt) {
            c->insertSize = *format.sizePt;
        }
        return;
    }
    for (std::size_t i = c->selStart; i < c->selStart + c->selLength; ++i) {
        if (format.color) {
            c->charColor[i] = *format.color;
        }
        if (format.sizePt) {
            c->charSize[i] = *format.sizePt;
        }
    }
}

void SimUi::SetMenu(Hwnd form, const std::vector<MenuItem>& items) {
    if (SimWindow* w = LiveForm(form)) {
        w->menu = items;
    }
}

void SimUi::UpdateMenuItem(Hwnd form, const MenuItem& item) {
    SimWindow* w = LiveForm(form);
    if (!w) {
        return;
    }
    for (auto& m : w->menu) {
        if (m.id == item.id && item.id != 0) {
            m = item;
        }
    }
}

std::uint32_t SimUi::TrackPopupMenu(Hwnd form, PointPx /*at*/) {
    if (!LiveForm(form) || w_.menuOpen) {
        return 0;
    }
    w_.menuOpen = true;
    w_.menuForm = form;
    w_.menuChoice = 0;
    w_.Trace("menu open");
    // The menu's own message loop: the world goes on (timers tick) until the user chooses an
    // item or dismisses the menu.
    if (w_.nestedLoop) {
        w_.nestedLoop([this] { return !w_.menuOpen; });
    }
    w_.menuOpen = false;
    w_.Trace("menu closed");
    return w_.menuChoice;
}

}  // namespace plv::sim
