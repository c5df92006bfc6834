#include "app/app.h"

#include "app/frm_main.h"
#include "base/text.h"
#include "capture/cls_proccess.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"

namespace plv {

App::App(Platform& p) : platform(p) {}

App::~App() = default;

std::u16string App::OwnExeName() const {
    return ToLower(platform.env.ExeBaseName()) + u".exe";
}

std::u16string App::ProgramName() const {
    return platform.env.ExeBaseName();
}

void App::Terminate(std::uint32_t exitCode) {
    ended_ = true;
    if (frmMain) {
        frmMain->StopTimers();
    }
    platform.env.TerminateProcess(exitCode);
}

void App::EndNormally(int exitCode) {
    if (frmMain) {
        // A program that ends normally takes its icon with it rather than leave it to the shell.
        frmMain->UpdateTrayIcon(false, false);
        frmMain->StopTimers();
    }
    ended_ = true;
    for (Form* f : {static_cast<Form*>(frmTrans.get()), static_cast<Form*>(frmico.get()),
                    static_cast<Form*>(frmMain.get())}) {
        if (f != nullptr) {
            f->Unload();
        }
    }
    platform.env.EndProgram(exitCode);
}

}  // namespace plv
