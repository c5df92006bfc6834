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
    win::WinTrace trace_;
    win::WinLoop loop_{trace_};
    win::WinUi ui_;
    win::WinDesktop desktop_;
};

using Envs = ::testing::Types<WinUiEnv>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win, UiContract, Envs);

// The copy message reaches the edit box that has the focus inside a frame, as in Notepad: the
// frame itself would leave it to DefWindowProc, which copies nothing.
TEST(CopyMessage, ReachesTheFocusedControlInsideTheWindow) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                 nullptr, nullptr, instance, nullptr);
    HWND edit = CreateWindowExW(0, L"EDIT", L"hello world", WS_CHILD | WS_VISIBLE, 0, 0, 200, 30, frame,
                                nullptr, instance, nullptr);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, EM_SETSEL, 0, 5);
    SetFocus(edit);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    win::WinDesktop desktop(win::ScreenFactors::Read());
    EXPECT_EQ(desktop.SendCopyMessage(static_cast<Hwnd>(reinterpret_cast<std::uintptr_t>(frame))),
              std::optional<std::intptr_t>(0));
    std::wstring copied;
    if (OpenClipboard(nullptr)) {
        if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
            copied = static_cast<const wchar_t*>(GlobalLock(h));
            GlobalUnlock(h);
        }
        CloseClipboard();
    }
    EXPECT_EQ(copied, L"hello");
    DestroyWindow(frame);
}

}  // namespace
}  // namespace plv::contract
