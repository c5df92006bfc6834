#pragma once
// The floating icon: a 16 x 16 pixel borderless window beside the pointer, holding the emblem
// `ico` or, once the popup is open, the close cross `icocls`.

#include "app/forms.h"

namespace plv {

class FrmIco : public Form {
  public:
    explicit FrmIco(App& app) : Form(app) {}
    // Creates the window hidden and runs Form_Load.
    void Load();
    void Form_Load();
};

}  // namespace plv
