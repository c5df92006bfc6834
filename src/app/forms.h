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

class Form : public WindowEvents {
  public:
    explicit Form(App& app) : app_(app) {}
    // The window goes with the form, so that no event can reach a form that is gone.
    ~Form() override { Unload(); }
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

    Control& control(std::string_view name);
    const Control& control(std::string_view name) const;
    void SetCaption(std::string_view name, const std::u16string& caption);
    void SetVisible(std::string_view name, bool visible);
    void SetForeColor(std::string_view name, Rgb color);
    void SetBackColor(std::string_view name, Rgb color);
    void SetBounds(std::string_view name, RectTwips bounds);
    void SetControlWidth(std::string_view name, double widthTwips);
    void SetFontSize(std::string_view name, double sizePt);
    void SetWordWrap(std::string_view name, bool wordWrap);
    void SetAutoSize(std::string_view name, bool autoSize);
    // The control whose id this is; nullptr for the form itself or an unknown id.
    const Control* FindById(ControlId id) const;

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
