#include "core/app.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text.h"
#include "clipboard/cls_clipboard.h"
#include "core/frm_main.h"

namespace plv {

std::int32_t StartupState::ScreenPxX(double px96) const {
    return RoundHalfEven32(px96 * kTwipsPer96DpiPixel / TwipsPerPixelX);
}

std::int32_t StartupState::ScreenPxY(double px96) const {
    return RoundHalfEven32(px96 * kTwipsPer96DpiPixel / TwipsPerPixelY);
}

App::App(Platform& p) : platform(p) {}

App::~App() = default;

clsClipBoard& App::Clipboard() {
    if (!clipboard_) {
        clipboard_ = std::make_unique<clsClipBoard>(platform.clipboard, platform.env.ExeBaseName(),
                                                    [this] { return frmMain ? frmMain->hWnd() : Hwnd{0}; });
    }
    return *clipboard_;
}

ChecksumLibrary* App::Hash2() {
    if (hash2_ == nullptr) {
        hash2_ = platform.env.LoadChecksumLibrary();
    }
    return hash2_;
}

std::u16string App::OwnExeName() const {
    return ToLower(platform.env.ProgramFileName(platform.env.ExeBaseName()));
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
    // Newest first: the About window and the popups before the main form. A form that unloads
    // may run code that drops another, so each is looked up again before it is unloaded.
    std::vector<Form*> forms(forms_.rbegin(), forms_.rend());
    for (Form* f : forms) {
        if (std::find(forms_.begin(), forms_.end(), f) != forms_.end()) {
            f->Unload();
        }
    }
    platform.env.EndProgram(exitCode);
}

}  // namespace plv
