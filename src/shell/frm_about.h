#pragma once
// The About window: the product's name, the program's version, the web site and, when the
// service page offers a newer version, a link to download it.

#include "core/forms.h"

namespace plv {

// The product's web site, and the host name the window shows for it.
extern const char16_t* const kProductSite;
extern const char16_t* const kProductSiteHost;

class FrmAbout : public Form {
  public:
    explicit FrmAbout(App& app) : Form(app) {}
    // Creates the window and runs Form_Load, which also shows it.
    void Load();
    void Form_Load();
    void Label1_Click();
    void lblDwn_Click();
    void Command1_Click();

    // The controls the program uses.
    ControlRef ver;
    ControlRef lblDwn;
    ControlRef Label1;
    ControlRef Command1;

  protected:
    void Click(ControlId control) override;
};

// Shows the About window without waiting for it: the open one, or a new one after a close.
void ShowAbout(App& app);

}  // namespace plv
