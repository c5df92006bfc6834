#include "popup/popup_layout.h"

#include "app/app.h"
#include "app/frm_main.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"
#include "popup/window_effects.h"

namespace plv {

void HidePopups(App& app) {
    if (!app.frmico || !app.frmico->Visible()) {
        return;
    }
    app.frmMain->tmrHideIco.SetEnabled(false);
    app.frmico->Hide();
    app.frmMain->tmrTrans.SetEnabled(false);
    app.frmTrans->SetVisible("google", false);
    if (app.frmTrans->Visible()) {
        FadeWindow(app, *app.frmTrans, 20, 255, 3);
        app.frmTrans->Hide();
    }
}

}  // namespace plv
