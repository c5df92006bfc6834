// The UI contract (timers and pumping, the rich edit box, layered windows, floating forms) on the
// Windows backend.

#include "platform/win32/win_backend.h"
// (the backend's Windows headers first)

#include "contract/ui_contract.h"

namespace plv::contract {
namespace {

class WinUiEnv {
  public:
    WinUiEnv()
        : ui_(GetModuleHandleW(nullptr), win::ScreenFactors::Read()), desktop_(win::ScreenFactors::Read()) {}
    EventLoop& loop() { return loop_; }
    Ui& ui() { return ui_; }
    Desktop& desktop() { return desktop_; }
    // Time passes with messages pumped, as in the program's message loop.
    void Pass(std::int64_t ms) { PassInside(ms); }
    void PassInside(std::int64_t ms) {
        DWORD end = GetTickCount() + static_cast<DWORD>(ms);
        while (static_cast<std::int32_t>(end - GetTickCount()) > 0) {
            loop_.Sleep(5);
            loop_.PumpMessages();
        }
    }

  private:
    win::WinLoop loop_;
    win::WinUi ui_;
    win::WinDesktop desktop_;
};

using Envs = ::testing::Types<WinUiEnv>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win, UiContract, Envs);

}  // namespace
}  // namespace plv::contract
