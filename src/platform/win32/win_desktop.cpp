// Input, the screen and the windows of other applications.

#include "platform/win32/win_backend.h"
// (the backend's Windows headers first)

#include <vector>

#include "platform/windows_names.h"

namespace plv::win {
namespace {

// The copy message waits at most this long: a hung application must never hang the program,
// which has only one thread.
constexpr UINT kCopyTimeoutMs = 200;

}  // namespace

ScreenFactors ScreenFactors::Read() {
    ScreenFactors f;
    // Windows 10 1607 and later say the system DPI directly; earlier ones through the screen's
    // device context, which gives the same number to a DPI-aware program.
    auto forSystem = FindProc<UINT(WINAPI*)()>(L"user32.dll", "GetDpiForSystem");
    if (UINT dpi = forSystem != nullptr ? forSystem() : 0; dpi > 0) {
        f.dpiX = f.dpiY = static_cast<std::int32_t>(dpi);
        return f;
    }
    HDC dc = GetDC(nullptr);
    if (dc != nullptr) {
        int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
        int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        if (dpiX > 0 && dpiY > 0) {
            f.dpiX = dpiX;
            f.dpiY = dpiY;
        }
    }
    return f;
}

Hwnd WinDesktop::GetForegroundWindow() {
    return FromHwnd(::GetForegroundWindow());
}

PointPx WinDesktop::GetCursorPos() {
    POINT p{};
    ::GetCursorPos(&p);
    return {static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

std::int16_t WinDesktop::GetAsyncKeyState(int virtualKey) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(virtualKey));
}

std::optional<RectPx> WinDesktop::GetWindowRect(Hwnd window) {
    RECT r;
    if (!::GetWindowRect(ToHwnd(window), &r)) {
        return std::nullopt;
    }
    return RectPx{static_cast<std::int32_t>(r.left), static_cast<std::int32_t>(r.top),
                  static_cast<std::int32_t>(r.right), static_cast<std::int32_t>(r.bottom)};
}

std::uint32_t WinDesktop::GetWindowProcessId(Hwnd window) {
    DWORD pid = 0;
    if (::GetWindowThreadProcessId(ToHwnd(window), &pid) == 0) {
        return 0;
    }
    return pid;
}

std::u16string WinDesktop::GetClassName(Hwnd window) {
    wchar_t name[257];
    int n = ::GetClassNameW(ToHwnd(window), name, 257);
    return n > 0 ? U16(name, static_cast<std::size_t>(n)) : std::u16string();
}

std::optional<std::intptr_t> WinDesktop::SendCopyMessage(Hwnd window) {
    // A frame window leaves WM_COPY to DefWindowProc, which copies nothing: the selection is in
    // the control that has the keyboard focus (Notepad's edit box, a dialog's field), so the
    // message goes there when that control lies inside the window. Only controls that copy on
    // the message then need no keystrokes.
    HWND target = ToHwnd(window);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    DWORD thread = GetWindowThreadProcessId(target, nullptr);
    if (thread != 0 && GetGUIThreadInfo(thread, &gui) && gui.hwndFocus != nullptr &&
        IsChild(target, gui.hwndFocus)) {
        target = gui.hwndFocus;
    }
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(target, WM_COPY, 0, 0, SMTO_ABORTIFHUNG, kCopyTimeoutMs, &answer) == 0) {
        return std::nullopt;
    }
    return static_cast<std::intptr_t>(answer);
}

void WinDesktop::KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
    keybd_event(virtualKey, scanCode, flags, 0);
}

std::uint32_t WinDesktop::ScanCodeOf(std::uint8_t virtualKey) {
    return MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
}

namespace {

// The integrity level of a token: the last sub-authority of its label's SID.
std::optional<DWORD> IntegrityLevel(HANDLE token) {
    DWORD bytes = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &bytes);
    if (bytes == 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> buffer(bytes);
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), bytes, &bytes)) {
        return std::nullopt;
    }
    PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
    UCHAR count = *GetSidSubAuthorityCount(sid);
    if (count == 0) {
        return std::nullopt;
    }
    return *GetSidSubAuthority(sid, count - 1);
}

}  // namespace

bool WinDesktop::IsWindowAboveOwnIntegrity(Hwnd window) {
    DWORD pid = 0;
    if (::GetWindowThreadProcessId(ToHwnd(window), &pid) == 0 || pid == 0) {
        return false;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        return false;
    }
    HANDLE token = nullptr;
    BOOL opened = OpenProcessToken(process, TOKEN_QUERY, &token);
    DWORD error = GetLastError();
    CloseHandle(process);
    if (!opened) {
        return error == ERROR_ACCESS_DENIED;
    }
    auto theirs = IntegrityLevel(token);
    CloseHandle(token);
    HANDLE ownToken = nullptr;
    if (!theirs || !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &ownToken)) {
        return false;
    }
    auto ours = IntegrityLevel(ownToken);
    CloseHandle(ownToken);
    return ours && *theirs > *ours;
}

int WinDesktop::GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

MonitorArea WinDesktop::MonitorAt(PointPx at) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = ::MonitorFromPoint(POINT{at.x, at.y}, MONITOR_DEFAULTTONEAREST);
    if (monitor == nullptr || !::GetMonitorInfoW(monitor, &info)) {
        // Only a system without monitors fails here; the primary screen is all there is then.
        RectPx screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        return {screen, screen};
    }
    auto rect = [](const RECT& r) { return RectPx{r.left, r.top, r.right, r.bottom}; };
    return {rect(info.rcMonitor), rect(info.rcWork)};
}

std::optional<OsVersionInfo> WinDesktop::GetVersionEx() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // Without a compatibility entry for a newer system in the manifest this reports the newest
    // system the manifest names, which is what the program's checks need (2000 and later).
    if (!::GetVersionExA(&info)) {
        return std::nullopt;
    }
#pragma GCC diagnostic pop
    return OsVersionInfo{info.dwMajorVersion, info.dwMinorVersion};
}

bool WinDesktop::SetForegroundWindow(Hwnd window) {
    return ::SetForegroundWindow(ToHwnd(window)) != 0;
}

void WinDesktop::SetActiveWindow(Hwnd window) {
    ::SetActiveWindow(ToHwnd(window));
}

// Windows keeps no selection of its own: a selection is the application's until it copies it.
std::optional<std::u16string> WinDesktop::DragSelectionText() {
    return std::nullopt;
}

bool WinDesktop::IsShellWindow(Hwnd /*window*/, const std::u16string& exeName) {
    return windows_names::IsShellExecutable(exeName);
}

// Every window has a process, and the process its executable.
std::u16string WinDesktop::WindowAppName(Hwnd /*window*/) {
    return {};
}

}  // namespace plv::win
