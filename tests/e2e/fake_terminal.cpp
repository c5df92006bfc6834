// fake_terminal: a window that looks like a console to the program (its class is
// ConsoleWindowClass unless another is named) and shows one painted line of text. It writes every
// key message and copy request it receives, one line each, to a log file, so that a test can see
// which keystrokes the program sent while it tried to copy a selection from it:
//   ready hwnd=0x...             once the window is shown
//   keydown vk=0x2d ctrl=1 scan=0x52 ext=1   WM_KEYDOWN / WM_SYSKEYDOWN: the virtual key, whether
//                                Ctrl was down, the scan code and the extended-key bit
//   keyup vk=0x2d ctrl=1 scan=0x52 ext=1     WM_KEYUP / WM_SYSKEYUP
//   copy                         WM_COPY (answered with 0, as a window that copies nothing)
// It copies nothing on any of them: a copy would stop the program's attempts early, and the test
// is about the attempts it makes.
// usage: fake_terminal.exe LOG_FILE [CLASS_NAME] [TEXT]

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

HANDLE g_log = INVALID_HANDLE_VALUE;
std::wstring g_text = L"user@host:~$ tail -f /var/log/messages";

void Log(const std::string& line) {
    const std::string bytes = line + "\n";
    DWORD done = 0;
    // Written at once, so that a test reading the file sees every line that has happened.
    WriteFile(g_log, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
}

std::string KeyLine(const char* what, WPARAM vk, LPARAM lp) {
    char buf[96];
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const auto bits = static_cast<unsigned long>(lp);
    std::snprintf(buf, sizeof buf, "%s vk=0x%02x ctrl=%d scan=0x%02lx ext=%lu", what,
                  static_cast<unsigned>(vk & 0xffff), ctrl ? 1 : 0, (bits >> 16) & 0xff, (bits >> 24) & 1);
    return buf;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            Log(KeyLine("keydown", wp, lp));
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            Log(KeyLine("keyup", wp, lp));
            return 0;
        case WM_COPY:
            Log("copy");
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
            TextOutW(dc, 10, 10, g_text.c_str(), static_cast<int>(g_text.size()));
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || argc > 4) {
        return 2;
    }
    const std::wstring class_name = argc >= 3 ? argv[2] : L"ConsoleWindowClass";
    if (argc == 4) {
        g_text = argv[3];
    }
    g_log = CreateFileW(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (g_log == INVALID_HANDLE_VALUE) {
        return 1;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32513));  // the I-beam of a text window
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = class_name.c_str();
    if (RegisterClassExW(&wc) == 0) {
        return 1;
    }
    HWND hwnd = CreateWindowExW(0, class_name.c_str(), L"Fake terminal", WS_OVERLAPPEDWINDOW, 0, 0, 700, 300,
                                nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) {
        return 1;
    }
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    char buf[64];
    std::snprintf(buf, sizeof buf, "ready hwnd=0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(hwnd)));
    Log(buf);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    CloseHandle(g_log);
    return 0;
}
