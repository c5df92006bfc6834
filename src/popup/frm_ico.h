#pragma once
// The floating icon: a borderless window beside the pointer, 16 x 16 pixels at 96 DPI (24 x 24 at
// 150 % scaling), holding the emblem `ico` or, once the popup is open, the close cross `icocls`.

#include "core/forms.h"

namespace plv {

class FrmIco : public Form {
  public:
    explicit FrmIco(App& app) : Form(app) {}
    // Creates the window hidden and runs Form_Load.
    void Load();
    void Form_Load();
    // A press on the emblem: the primary button reveals the popup, the other one switches
    // translation off for the application.
    void ico_MouseDown(MouseButton button);
    void icocls_Click();

    // The emblem offered beside the pointer, and the cross that closes the popup.
    ControlRef ico;
    ControlRef icocls;

  protected:
    void MouseDown(ControlId control, MouseButton button) override;
    void Click(ControlId control) override;
};

// Gives tmrHideIco its handler.
void WireIconTimers(App& app);

// The floating icon left alone fades out; while the pointer rests on it, it stays.
void tmrHideIco_Timer(App& app);

}  // namespace plv
