// The X11 backend's objects, made in order and torn down in reverse.

#include "platform/x11/x11_backend.h"

namespace plv::x11 {

Backend::Backend(int argc, char** argv)
    : loop_(std::make_unique<X11Loop>()),
      desktop_(std::make_unique<X11Desktop>()),
      ui_(std::make_unique<X11Ui>(*desktop_)),
      browser_(MakeBrowser()),
      clipboard_(MakeClipboard(*desktop_)),
      processes_(MakeProcesses()),
      store_(MakeUserStore()),
      tray_(std::make_unique<X11Tray>(*ui_)),
      shell_(MakeShell()),
      env_(MakeProcessEnv(argc, argv)),
      service_(MakeLocalService()),
      platform_(
          std::make_unique<Platform>(Platform{*loop_, *desktop_, *ui_, *browser_, *clipboard_, *processes_,
                                              *store_, *tray_, *shell_, *env_, *service_})) {
    ui_->UseBrowserEngine(browser_.get());
    desktop_->SetOwnWindowRects([ui = ui_.get()](Hwnd w) { return ui->FormRect(w); });
}

Backend::~Backend() {
    platform_.reset();
    service_.reset();
    env_.reset();
    shell_.reset();
    tray_.reset();
    store_.reset();
    processes_.reset();
    clipboard_.reset();
    browser_.reset();
    ui_.reset();
    desktop_.reset();
    loop_.reset();
}

}  // namespace plv::x11
