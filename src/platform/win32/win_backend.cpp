// The Windows backend put together.

#include "platform/win32/win_backend.h"

#include "platform/win32/win_system.h"

namespace plv::win {

Backend::Backend(HINSTANCE instance)
    : factors_(ScreenFactors::Read()),
      loop_(std::make_unique<WinLoop>(trace_)),
      desktop_(std::make_unique<WinDesktop>(factors_)),
      ui_(std::make_unique<WinUi>(instance, factors_)),
      browser_(std::make_unique<WinBrowser>(trace_)),
      clipboard_(MakeClipboard()),
      processes_(MakeProcesses()),
      store_(MakeUserStore()),
      tray_(std::make_unique<WinTray>(*ui_)),
      shell_(MakeShell()),
      env_(MakeProcessEnv()),
      service_(MakeLocalService()) {
    ui_->SetBrowser(browser_.get());
    platform_ = std::make_unique<Platform>(Platform{*loop_, *desktop_, *ui_, *browser_, *clipboard_,
                                                    *processes_, *store_, *tray_, *shell_, *env_, *service_});
}

Backend::~Backend() {
    // The forms go first: no browser area may outlive the engine it tells about itself.
    ui_.reset();
}

}  // namespace plv::win
