#include "app/app.h"

#include "app/frm_main.h"
#include "base/text.h"
#include "capture/cls_proccess.h"
#include "clipboard/cls_clipboard.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"
#include "shell/frm_about.h"

namespace plv {

App::App(Platform& p) : platform(p) {}

App::~App() = default;

clsClipBoard& App::Clipboard() {
    if (!ClipboardObject) {
        ClipboardObject =
            std::make_unique<clsClipBoard>(platform.clipboard, platform.env.ExeBaseName(),
                                           [this] { return frmMain ? frmMain->hWnd() : Hwnd{0}; });
    }
    return *ClipboardObject;
}

ChecksumLibrary* App::Hash2() {
    if (hash2_ == nullptr) {
        hash2_ = platform.env.LoadChecksumLibrary();
    }
    return hash2_;
}

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
    for (Form* f : {static_cast<Form*>(frmAbout.get()), static_cast<Form*>(frmTrans.get()),
                    static_cast<Form*>(frmico.get()), static_cast<Form*>(frmMain.get())}) {
        if (f != nullptr) {
            f->Unload();
        }
    }
    platform.env.EndProgram(exitCode);
}

}  // namespace plv
