#include "core/forms.h"

#include <stdexcept>

#include "base/numbers.h"
#include "core/app.h"

namespace plv {

ControlDesign MakeControl(const char* name, ControlKind kind, RectTwips bounds,
                          const std::u16string& caption) {
    ControlDesign c;
    c.name = name;
    c.kind = kind;
    c.bounds = bounds;
    c.caption = caption;
    return c;
}

Form::Form(App& app) : app_(app) {
    app_.AddForm(this);
}

Form::~Form() {
    Unload();
    app_.RemoveForm(this);
}

void Form::LoadForm(const FormDesign& design, const std::vector<ControlDesign>& controls) {
    auto& ui = app_.platform.ui;
    hwnd_ = ui.CreateForm(design, this);
    controls_.clear();
    for (const auto& c : controls) {
        controls_.push_back(Control{ui.AddControl(hwnd_, c), c});
    }
}

void Form::OnMouseDown(ControlId control, MouseButton button) {
    if (!app_.HasEnded()) {
        MouseDown(control, button);
    }
}

void Form::OnClick(ControlId control) {
    if (!app_.HasEnded()) {
        Click(control);
    }
}

void Form::OnResize() {
    if (!app_.HasEnded()) {
        Resize();
    }
}

bool Form::OnCloseRequest(CloseReason reason) {
    return app_.HasEnded() || CloseRequest(reason);
}

void Form::OnTrayNotify(std::uint32_t code) {
    if (!app_.HasEnded()) {
        TrayNotify(code);
    }
}

void Form::OnTaskbarCreated() {
    if (!app_.HasEnded()) {
        TaskbarCreated();
    }
}

void Form::Unload() {
    if (hwnd_ != 0) {
        app_.platform.ui.DestroyForm(hwnd_);
        hwnd_ = 0;
    }
}

bool Form::Visible() const {
    return hwnd_ != 0 && app_.platform.ui.IsWindowVisible(hwnd_);
}

RectPx Form::Bounds() const {
    return app_.platform.desktop.GetWindowRect(hwnd_).value_or(RectPx{});
}

void Form::SetBoundsPx(RectPx r) {
    app_.platform.ui.MoveWindow(hwnd_, r);
}

std::int32_t Form::ToPxX(double twips) const {
    return RoundHalfEven32(twips / app_.startup.TwipsPerPixelX);
}
std::int32_t Form::ToPxY(double twips) const {
    return RoundHalfEven32(twips / app_.startup.TwipsPerPixelY);
}

double Form::Left() const {
    return static_cast<double>(Bounds().left) * app_.startup.TwipsPerPixelX;
}
double Form::Top() const {
    return static_cast<double>(Bounds().top) * app_.startup.TwipsPerPixelY;
}
double Form::Width() const {
    return static_cast<double>(Bounds().Width()) * app_.startup.TwipsPerPixelX;
}
double Form::Height() const {
    return static_cast<double>(Bounds().Height()) * app_.startup.TwipsPerPixelY;
}

void Form::SetLeft(double twips) {
    RectPx r = Bounds();
    std::int32_t x = ToPxX(twips);
    SetBoundsPx({x, r.top, x + r.Width(), r.bottom});
}

void Form::SetTop(double twips) {
    RectPx r = Bounds();
    std::int32_t y = ToPxY(twips);
    SetBoundsPx({r.left, y, r.right, y + r.Height()});
}

void Form::SetWidth(double twips) {
    RectPx r = Bounds();
    SetBoundsPx({r.left, r.top, r.left + ToPxX(twips), r.bottom});
}

void Form::SetHeight(double twips) {
    RectPx r = Bounds();
    SetBoundsPx({r.left, r.top, r.right, r.top + ToPxY(twips)});
}

void Form::Move(double left, double top, double width, double height) {
    std::int32_t x = ToPxX(left);
    std::int32_t y = ToPxY(top);
    SetBoundsPx({x, y, x + ToPxX(width), y + ToPxY(height)});
}

void Form::Show() {
    app_.platform.ui.ShowWindow(hwnd_, ShowCommand::Show);
}
void Form::Hide() {
    app_.platform.ui.ShowWindow(hwnd_, ShowCommand::Hide);
}
void Form::SetBackColor(Rgb color) {
    app_.platform.ui.SetFormBackColor(hwnd_, color);
}

ControlRef Form::Ref(std::string_view name) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].state.name == name) {
            return ControlRef(i);
        }
    }
    throw std::logic_error("no control named " + std::string(name));
}

Control& Form::control(ControlRef c) {
    if (c.index_ >= controls_.size()) {
        throw std::logic_error("a control of a form that is not loaded");
    }
    return controls_[c.index_];
}

const Control& Form::control(ControlRef c) const {
    return const_cast<Form*>(this)->control(c);
}

bool Form::Is(ControlId id, ControlRef c) const {
    return c.index_ < controls_.size() && controls_[c.index_].id == id;
}

void Form::SetCaption(ControlRef ref, const std::u16string& caption) {
    Control& c = control(ref);
    c.state.caption = caption;
    app_.platform.ui.SetControlText(hwnd_, c.id, caption);
    AutoSize(c);
}

void Form::SetControlWidth(ControlRef ref, double widthTwips) {
    Control& c = control(ref);
    RectTwips b = c.state.bounds;
    b.width = widthTwips;
    SetBounds(ref, b);
    AutoSize(c);
}

void Form::SetFontSize(ControlRef ref, double sizePt) {
    Control& c = control(ref);
    c.state.font.sizePt = sizePt;
    AutoSize(c);
}

void Form::SetWordWrap(ControlRef ref, bool wordWrap) {
    Control& c = control(ref);
    c.state.wordWrap = wordWrap;
    AutoSize(c);
}

void Form::SetAutoSize(ControlRef ref, bool autoSize) {
    Control& c = control(ref);
    c.state.autoSize = autoSize;
    AutoSize(c);
}

void Form::AutoSize(Control& c) {
    if (!c.state.autoSize || c.state.kind != ControlKind::Label) {
        return;
    }
    RectTwips b = c.state.bounds;
    SizeTwips size = app_.platform.ui.MeasureText(c.state.caption, c.state.font, c.state.wordWrap, b.width);
    if (!c.state.wordWrap) {
        b.width = size.width;
    }
    b.height = size.height;
    if (!(b == c.state.bounds)) {
        c.state.bounds = b;
        app_.platform.ui.SetControlBounds(hwnd_, c.id, b);
    }
}

void Form::SetVisible(ControlRef ref, bool visible) {
    Control& c = control(ref);
    c.state.visible = visible;
    app_.platform.ui.SetControlVisible(hwnd_, c.id, visible);
}

void Form::SetForeColor(ControlRef ref, Rgb color) {
    Control& c = control(ref);
    c.state.foreColor = color;
    app_.platform.ui.SetControlForeColor(hwnd_, c.id, color);
}

void Form::SetBackColor(ControlRef ref, Rgb color) {
    Control& c = control(ref);
    c.state.backColor = color;
    app_.platform.ui.SetControlBackColor(hwnd_, c.id, color);
}

void Form::SetBounds(ControlRef ref, RectTwips bounds) {
    Control& c = control(ref);
    c.state.bounds = bounds;
    app_.platform.ui.SetControlBounds(hwnd_, c.id, bounds);
}

}  // namespace plv
