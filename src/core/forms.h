#pragma once
// What every form of the program shares: its window, its controls by name, and its position and
// size in twips. Positions of forms are whole pixels on the screen; in twips they read back as
// pixels times the screen factor, so a value set is rounded to the pixel grid.

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace plv {

class App;

// A control as designed: the fields every control has; the rest keep their defaults.
ControlDesign MakeControl(const char* name, ControlKind kind, RectTwips bounds,
                          const std::u16string& caption = u"");

struct Control {
    ControlId id = 0;
    ControlDesign state;  // the control as it is now: caption, bounds, visibility, colour
};

// A control of a form as the form's code holds it (frmTrans.lblText). A form makes one for each
// of its controls from the design's name when it loads, so that a misspelt name fails there, at
// once, and the code that uses the control names it as a member.
class ControlRef {
  public:
    ControlRef() = default;

  private:
    friend class Form;
    explicit ControlRef(std::size_t index) : index_(index) {}
    std::size_t index_ = static_cast<std::size_t>(-1);
};

class Form : public WindowEvents {
  public:
    explicit Form(App& app);
    // The window goes with the form, so that no event can reach a form that is gone.
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Hwnd hWnd() const { return hwnd_; }
    bool IsLoaded() const { return hwnd_ != 0; }
    bool Visible() const;

    // The form's outer bounds in twips.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double twips);
    void SetTop(double twips);
    void SetWidth(double twips);
    void SetHeight(double twips);
    // Moves and sizes in one step (a form's Move).
    void Move(double left, double top, double width, double height);

    void Show();
    void Hide();
    void SetBackColor(Rgb color);

    Control& control(ControlRef c);
    const Control& control(ControlRef c) const;
    void SetCaption(ControlRef c, const std::u16string& caption);
    void SetVisible(ControlRef c, bool visible);
    void SetForeColor(ControlRef c, Rgb color);
    void SetBackColor(ControlRef c, Rgb color);
    void SetBounds(ControlRef c, RectTwips bounds);
    void SetControlWidth(ControlRef c, double widthTwips);
    void SetFontSize(ControlRef c, double sizePt);
    void SetWordWrap(ControlRef c, bool wordWrap);
    void SetAutoSize(ControlRef c, bool autoSize);
    // Whether an event's control is this one.
    bool Is(ControlId id, ControlRef c) const;

    // Destroys the window; the form may be loaded again afterwards.
    void Unload();

    // Window events reach the form's handlers below only while the program runs: once it has
    // ended, the system may still deliver messages until the loop stops, and none may act.
    void OnMouseDown(ControlId control, MouseButton button) final;
    void OnClick(ControlId control) final;
    void OnResize() final;
    bool OnCloseRequest(CloseReason reason) final;
    void OnTrayNotify(std::uint32_t code) final;
    void OnTaskbarCreated() final;

  protected:
    virtual void MouseDown(ControlId /*control*/, MouseButton /*button*/) {}
    virtual void Click(ControlId /*control*/) {}
    virtual void Resize() {}
    virtual bool CloseRequest(CloseReason /*reason*/) { return true; }
    virtual void TrayNotify(std::uint32_t /*code*/) {}
    virtual void TaskbarCreated() {}

    void LoadForm(const FormDesign& design, const std::vector<ControlDesign>& controls);
    // The loaded control of that design name; a name the design does not have is a fault of the
    // program (std::logic_error).
    ControlRef Ref(std::string_view name) const;
    App& app_;

  private:
    // An auto-sized label takes the size of its caption: one line as wide as the text, or, with
    // word wrap, its own width and as many lines as the text needs.
    void AutoSize(Control& c);
    RectPx Bounds() const;
    void SetBoundsPx(RectPx r);
    std::int32_t ToPxX(double twips) const;
    std::int32_t ToPxY(double twips) const;

    Hwnd hwnd_ = 0;
    std::vector<Control> controls_;
};

}  // namespace plv
