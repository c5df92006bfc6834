#pragma once
// The program's own windows on the simulated desktop.

#include "platform/sim/sim_desktop.h"

namespace plv::sim {

class SimUi : public Ui {
  public:
    explicit SimUi(SimWorld& world) : w_(world) {}
    void SetProgramPid(std::uint32_t pid) { pid_ = pid; }

    // A physical button goes down or up at the pointer. The program's window under the pointer
    // hears the press of the button as Windows reports it (swapped when the user swapped the
    // buttons), and a click when the left one is released on the control that got the press.
    void Press(int physicalButton);
    void Release(int physicalButton);
    // The program's visible window and control under a point; 0, 0 for none.
    std::pair<Hwnd, ControlId> HitTest(PointPx at);
    // Where a control's middle is on the screen; nothing when it is not on the screen.
    std::optional<PointPx> ControlCentre(Hwnd form, ControlId control);
    SimControl* FindControl(Hwnd form, ControlId control);
    SimControl* FindControl(const std::string& formName, const std::string& controlName,
                            Hwnd* form = nullptr);

    Hwnd CreateForm(const FormDesign& design, WindowEvents* events) override;
    void DestroyForm(Hwnd form) override;
    void ShowWindow(Hwnd form, ShowCommand command) override;
    bool IsWindowVisible(Hwnd form) override;
    void MoveWindow(Hwnd form, RectPx bounds) override;
    bool SetWindowPos(Hwnd form, Hwnd insertAfter, std::int32_t x, std::int32_t y, std::int32_t cx,
                      std::int32_t cy, std::uint32_t flags) override;
    RectPx GetClientRect(Hwnd form) override;
    std::int32_t GetWindowLong(Hwnd form, int index) override;
    std::int32_t SetWindowLong(Hwnd form, int index, std::int32_t value) override;
    bool SetLayeredWindowAttributes(Hwnd form, Rgb colorKey, std::uint8_t alpha,
                                    std::uint32_t flags) override;
    void Repaint(Hwnd form) override;
    void SetFormBackColor(Hwnd form, Rgb color) override;

    ControlId AddControl(Hwnd form, const ControlDesign& design) override;
    void SetControlBounds(Hwnd form, ControlId control, RectTwips bounds) override;
    void SetControlText(Hwnd form, ControlId control, const std::u16string& text) override;
    void SetControlVisible(Hwnd form, ControlId control, bool visible) override;
    void SetControlForeColor(Hwnd form, ControlId control, Rgb color) override;
    void SetControlBackColor(Hwnd form, ControlId control, Rgb color) override;
    SizeTwips MeasureText(const std::u16string& text, const FontSpec& font, bool wordWrap,
                          double widthTwips) override;

    void RichSetTextEx(Hwnd form, ControlId box, const std::u16string& text, bool replaceSelection) override;
    std::u16string RichGetTextEx(Hwnd form, ControlId box, std::size_t maxChars) override;
    std::size_t RichGetTextLength(Hwnd form, ControlId box) override;
    void RichSetSelection(Hwnd form, ControlId box, std::size_t start, std::size_t length) override;
    std::pair<std::size_t, std::size_t> RichGetSelection(Hwnd form, ControlId box) override;
    void RichSetSelectionFormat(Hwnd form, ControlId box, const CharFormat& format) override;

    void SetMenu(Hwnd form, const std::vector<MenuItem>& items) override;
    void UpdateMenuItem(Hwnd form, const MenuItem& item) override;
    std::uint32_t TrackPopupMenu(Hwnd form, PointPx at) override;

  private:
    SimWindow* LiveForm(Hwnd form);
    void SetVisible(SimWindow& w, bool visible);
    void SetRect(SimWindow& w, RectPx r);

    void TraceChange(const SimWindow& w, const std::string& what);

    SimWorld& w_;
    std::uint32_t pid_ = 0;
    Hwnd pressForm_ = 0;
    ControlId pressControl_ = 0;
};

}  // namespace plv::sim
