#include "win_test_support.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include "platform/win32/win_devtools.h"
#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::wintest {

TestWindow::TestWindow() {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"plv test", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

std::wstring ExePath() {
    std::vector<wchar_t> buffer(32768);
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return std::wstring(buffer.data(), n);
}

std::wstring ExeFolder() {
    std::wstring path = ExePath();
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring UniqueName(const std::wstring& prefix) {
    static int counter = 0;
    return prefix + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++counter);
}

std::wstring NewTempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    std::wstring folder = std::wstring(temp) + UniqueName(L"plv-test-");
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

ScopedEnvironment::ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name) {
    SetEnvironmentVariableW(name, value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironmentVariableW(name_.c_str(), nullptr);
}

Child::Child(const std::wstring& mode, const std::wstring& commandLine) {
    ScopedEnvironment env(kChildMode, mode);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    std::wstring exe = ExePath();
    if (CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
    }
}

Child::~Child() {
    Wait(0);
}

std::optional<DWORD> Child::Wait(DWORD ms) {
    if (process_ == nullptr) {
        return std::nullopt;
    }
    std::optional<DWORD> code;
    if (WaitForSingleObject(process_, ms) == WAIT_OBJECT_0) {
        DWORD c = 0;
        GetExitCodeProcess(process_, &c);
        code = c;
    } else {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
    process_ = nullptr;
    return code;
}

std::optional<DWORD> RunChild(const std::wstring& mode, const std::wstring& commandLine) {
    Child child(mode, commandLine);
    return child.Wait();
}

namespace {

std::wstring Variable(const wchar_t* name) {
    std::vector<wchar_t> buffer(32768);
    DWORD n = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    return n == 0 || n >= buffer.size() ? L"" : std::wstring(buffer.data(), n);
}

bool WriteOut(const void* bytes, std::size_t size) {
    HANDLE file = CreateFileW(Variable(kChildOut).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
    return ok && written == size;
}

// Holds a mutex made through the backend until the parent lets it go (30 s at most).
int HoldMutex() {
    std::wstring name = Variable(kChildName);
    auto env = win::MakeProcessEnv();
    if (!env->AcquireSingleInstance(win::U16(name.c_str()))) {
        return 2;
    }
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, (name + L".ready").c_str());
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, (name + L".release").c_str());
    if (ready == nullptr || release == nullptr) {
        return 3;
    }
    SetEvent(ready);
    DWORD waited = WaitForSingleObject(release, 30000);
    CloseHandle(ready);
    CloseHandle(release);
    return waited == WAIT_OBJECT_0 ? 0 : 4;
}

// Like plv.exe, uses what the backend takes from DLLs that are not KnownDLLs (the version resource, WinHTTP,
// the common controls) and writes where each of those DLLs was loaded from, a line each.
int SystemDlls(ProcessEnv& env) {
    win::RestrictDllSearch();  // as plv.exe does first
    if (!env.GetFileVersion() || win::FindProc<void*>(L"comctl32.dll", "InitCommonControlsEx") == nullptr) {
        return 2;
    }
    win::HaveWebSocketClient();
    std::wstring out;
    for (const wchar_t* dll : {L"version.dll", L"winhttp.dll", L"comctl32.dll"}) {
        wchar_t path[MAX_PATH] = {};
        HMODULE m = GetModuleHandleW(dll);
        DWORD n = m != nullptr ? GetModuleFileNameW(m, path, MAX_PATH) : 0;
        out += std::wstring(path, n) + L"\n";
    }
    return WriteOut(out.data(), out.size() * sizeof(wchar_t)) ? 0 : 1;
}

}  // namespace

std::optional<int> RunChildMode() {
    std::wstring mode = Variable(kChildMode);
    if (mode.empty()) {
        return std::nullopt;
    }
    // The mode is for this child only, not for anything it starts.
    SetEnvironmentVariableW(kChildMode, nullptr);
    auto env = win::MakeProcessEnv();
    if (mode == L"args") {
        std::u16string args = env->CommandLineArgs();
        return WriteOut(args.data(), args.size() * sizeof(char16_t)) ? 0 : 1;
    }
    if (mode == L"pid") {
        std::string pid = std::to_string(GetCurrentProcessId());
        return WriteOut(pid.data(), pid.size()) ? 0 : 1;
    }
    if (mode == L"terminate") {
        env->TerminateProcess(7);
        return 99;
    }
    if (mode == L"end") {
        // The quit message ends the loop, with the code given.
        env->EndProgram(5);
        MSG msg{};
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            DispatchMessageW(&msg);
        }
        return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 98;
    }
    if (mode == L"hold-mutex") {
        return HoldMutex();
    }
    if (mode == L"system-dlls") {
        return SystemDlls(*env);
    }
    return 97;
}

}  // namespace plv::wintest
