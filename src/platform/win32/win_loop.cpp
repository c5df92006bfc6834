// The event loop: the program's timers are SetTimer timers of one hidden window of ours, so that
// they tick in every message loop of the thread (menus and message boxes included), and pumping
// is the PeekMessage loop.

#include "platform/win32/win_backend.h"

namespace plv::win {
namespace {

constexpr wchar_t kTimerClass[] = L"ParlevoTimers";

}  // namespace

WinLoop::WinLoop(WinTrace& trace) : trace_(trace) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &WinLoop::TimerProc;
    wc.hInstance = instance;
    wc.lpszClassName = kTimerClass;
    RegisterClassExW(&wc);
    // A message-only window: it receives WM_TIMER and nothing else; nobody can see or find it.
    window_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WinLoop::~WinLoop() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

TimerId WinLoop::CreateTimer(const std::string& name, std::function<void()> onTick) {
    ticks_.push_back(std::move(onTick));
    names_.push_back(name);
    destroyed_.push_back(false);
    return static_cast<TimerId>(ticks_.size());
}

void WinLoop::SetTimer(TimerId id, std::uint32_t intervalMs, bool enabled) {
    if (id == 0 || id > ticks_.size() || destroyed_[id - 1]) {
        return;
    }
    if (enabled && intervalMs > 0) {
        ::SetTimer(window_, id, intervalMs, nullptr);
    } else {
        KillTimer(window_, id);
    }
}

void WinLoop::DestroyTimer(TimerId id) {
    if (id == 0 || id > ticks_.size()) {
        return;
    }
    KillTimer(window_, id);
    destroyed_[id - 1] = true;
    ticks_[id - 1] = nullptr;
}

void WinLoop::Tick(TimerId id) {
    if (id == 0 || id > ticks_.size() || destroyed_[id - 1] || !ticks_[id - 1]) {
        return;
    }
    // The mouse and pointer watchers tick every 50 ms and trace what they find themselves.
    const std::string& name = names_[id - 1];
    if (trace_.On() && name != "tmr1" && name != "tmrOut") {
        trace_.Line("tick " + name);
    }
    // A copy: the handler may destroy its own timer while it runs.
    auto tick = ticks_[id - 1];
    tick();
}

LRESULT CALLBACK WinLoop::TimerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        auto* self = reinterpret_cast<WinLoop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr) {
            self->Tick(static_cast<TimerId>(wp));
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void WinLoop::PumpMessages() {
    if (quit_) {
        return;
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The program asked to end while something waited with messages pumped: remember it,
            // so that the main loop ends as soon as control gets back to it.
            quit_ = true;
            quitCode_ = static_cast<int>(msg.wParam);
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void WinLoop::Sleep(std::uint32_t ms) {
    ::Sleep(ms);
}

double WinLoop::SecondsSinceMidnight() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t.wHour * 3600.0 + t.wMinute * 60.0 + t.wSecond + t.wMilliseconds / 1000.0;
}

int WinLoop::Run() {
    MSG msg;
    while (!quit_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quit_ = true;
            quitCode_ = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return quitCode_;
}

}  // namespace plv::win
