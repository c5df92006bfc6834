#pragma once
// The translation popup: a borderless window with the rich text box, a hidden measuring label
// and a bottom row of small links.

#include "core/forms.h"

namespace plv {

class FrmTrans : public Form {
  public:
    explicit FrmTrans(App& app) : Form(app) {}
    // Creates the window hidden, with every control at its design values.
    void Load();

    // Places the bottom row: the attribution under the text box, the other links right-aligned.
    void Form_Resize();
    void google_Click();
    void lblCopy_Click();
    void lbldir_Click();
    void lblNew_Click();

    // The translation's text box, its links (copy, the direction, a newer version, the
    // attribution) and the hidden label that measures the text.
    ControlRef lblText;
    ControlRef lblCopy;
    ControlRef lblNew;
    ControlRef lbldir;
    ControlRef google;
    ControlRef lbl;
    // Where the attribution leads when the page credits the engine that translated; empty: the
    // address in the settings.
    std::u16string creditLink;

  protected:
    void Resize() override;
    void Click(ControlId control) override;
};

}  // namespace plv
