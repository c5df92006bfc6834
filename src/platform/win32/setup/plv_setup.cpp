// plv-setup.exe: what the installer asks of a running Parlevo, run from the installer's own
// package (so that an older installed Parlevo need not know it).
//
//   plv-setup.exe end [restart] INSTALLDIR
//                                    asks the Parlevo that runs from INSTALLDIR to end, through its
//                                    own main window, and waits for it and for what runs from
//                                    INSTALLDIR (its service and engine; 15 s at most); with
//                                    `restart` (an install or upgrade), when one ended, notes that
//                                    it is to be started again
//   plv-setup.exe start INSTALLDIR   starts INSTALLDIR\plv.exe again if `end` ended one
//   plv-setup.exe remove-profile INSTALLDIR
//                                    removes the browser profile Parlevo made for itself, once
//                                    INSTALLDIR\plv.exe is gone: when the older version is removed
//                                    in an upgrade, the newer plv.exe stays, and so does the
//                                    profile (Wine does not tell that removal apart otherwise)
//
// The installer ignores the exit code (the user's install must not fail for any of this), but it
// says what happened: 0 done (or nothing to do), 1 the running Parlevo did not end in time,
// 2 a usage error.

#include <windows.h>
// (windows.h before the shell's headers)
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr DWORD kEndWaitMs = 15000;
constexpr wchar_t kFormClass[] = L"ParlevoForm";
constexpr wchar_t kMainCaption[] = L"Parlevo";
constexpr wchar_t kInstallerKey[] = L"Software\\Parlevo\\Installer";
constexpr wchar_t kRestartValue[] = L"StartAfterUpgrade";

// INSTALLDIR as the installer gives it + plv.exe. The installer writes it as "[INSTALLDIR]\"
// because the folder ends in a backslash, which would otherwise escape the closing quote; a
// quote that came through all the same is dropped.
std::wstring ProgramPath(std::wstring dir) {
    while (!dir.empty() && (dir.back() == L'\\' || dir.back() == L'/' || dir.back() == L'"')) {
        dir.pop_back();
    }
    return dir + L"\\plv.exe";
}

std::wstring ImagePath(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        return {};
    }
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = static_cast<DWORD>(std::size(path));
    BOOL ok = QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
    return ok ? std::wstring(path, size) : std::wstring();
}

// What tells one file from another, whatever path names it (a short name, another letter case,
// a drive mapped onto the same folder). The volume's serial number is left out: Wine gives the
// same file another one under another drive letter.
std::optional<std::tuple<DWORD, DWORD, DWORD, FILETIME>> FileIdentity(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    BOOL ok = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!ok) {
        return std::nullopt;
    }
    return std::tuple{info.nFileIndexHigh, info.nFileIndexLow, info.nFileSizeLow, info.ftLastWriteTime};
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
    auto x = FileIdentity(a);
    auto y = FileIdentity(b);
    return x && y && std::get<0>(*x) == std::get<0>(*y) && std::get<1>(*x) == std::get<1>(*y) &&
           std::get<2>(*x) == std::get<2>(*y) && CompareFileTime(&std::get<3>(*x), &std::get<3>(*y)) == 0;
}

struct Search {
    std::wstring program;
    std::vector<std::pair<HWND, DWORD>> found;
};

// The main form of each Parlevo that runs from the installed folder; a program elsewhere that
// happens to be called plv.exe, or a Parlevo run from another folder, is left alone.
BOOL CALLBACK FindMainForm(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t cls[64] = {};
    wchar_t caption[64] = {};
    GetClassNameW(window, cls, 64);
    GetWindowTextW(window, caption, 64);
    if (std::wstring(cls) != kFormClass || std::wstring(caption) != kMainCaption) {
        return TRUE;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != 0 && SameFile(ImagePath(pid), search->program)) {
        search->found.emplace_back(window, pid);
    }
    return TRUE;
}

void SetRestart(bool on) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kInstallerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (on) {
        DWORD one = 1;
        RegSetValueExW(key, kRestartValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
    } else {
        RegDeleteValueW(key, kRestartValue);
    }
    RegCloseKey(key);
}

bool RestartWanted() {
    DWORD value = 0;
    DWORD size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, kInstallerKey, kRestartValue, RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS &&
           value == 1;
}

// The translation service and its engine end with Parlevo through its jobs, but a moment after
// it: until they are gone the files they run from are in use, and the installer could neither
// replace nor remove them. Waits for every process run from INSTALLDIR, until the deadline.
void WaitForFolderProcesses(const std::wstring& dir, ULONGLONG deadline) {
    std::wstring program = ProgramPath(dir);
    const std::wstring folder = program.substr(0, program.size() - std::wstring(L"plv.exe").size());
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        const std::wstring path = ImagePath(entry.th32ProcessID);
        if (path.size() <= folder.size() || _wcsnicmp(path.c_str(), folder.c_str(), folder.size()) != 0) {
            continue;
        }
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (process != nullptr) {
            const ULONGLONG now = GetTickCount64();
            WaitForSingleObject(process, now < deadline ? static_cast<DWORD>(deadline - now) : 0);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    // Under Wine a process can be over a moment before the file it ran from is free; the files
    // themselves tell. A file the system has mapped to run cannot be opened for writing.
    for (const wchar_t* name : {L"plv-service.exe", L"engine\\plv-engine.exe"}) {
        const std::wstring path = folder + name;
        for (;;) {
            HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                CloseHandle(file);
                break;
            }
            if (GetLastError() != ERROR_SHARING_VIOLATION || GetTickCount64() >= deadline) {
                break;
            }
            Sleep(50);
        }
    }
}

// A plain WM_CLOSE to the main form is what Parlevo takes as a request to exit (the close box
// comes with SC_CLOSE first, and only hides the window).
int End(const std::wstring& dir, bool restart) {
    Search search{ProgramPath(dir), {}};
    EnumWindows(FindMainForm, reinterpret_cast<LPARAM>(&search));
    const ULONGLONG deadline = GetTickCount64() + kEndWaitMs;
    int result = 0;
    for (const auto& [window, pid] : search.found) {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (process == nullptr) {
            continue;
        }
        if (WaitForSingleObject(process, kEndWaitMs) == WAIT_OBJECT_0) {
            SetRestart(restart);
        } else {
            result = 1;
        }
        CloseHandle(process);
    }
    if (!search.found.empty()) {
        WaitForFolderProcesses(dir, deadline);
    }
    return result;
}

int Start(const std::wstring& dir) {
    if (!RestartWanted()) {
        return 0;
    }
    SetRestart(false);
    std::wstring program = ProgramPath(dir);
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring folder = program.substr(0, program.size() - std::wstring(L"\\plv.exe").size());
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info)) {
        return 1;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 0;
}

// %LOCALAPPDATA%\Parlevo\browser, and %LOCALAPPDATA%\Parlevo when nothing else is left in it.
int RemoveProfile(const std::wstring& dir) {
    if (GetFileAttributesW(ProgramPath(dir).c_str()) != INVALID_FILE_ATTRIBUTES) {
        return 0;
    }
    wchar_t local[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local))) {
        return 1;
    }
    std::wstring parent = std::wstring(local) + L"\\Parlevo";
    // SHFileOperation takes a list ended by two NULs.
    std::wstring from = parent + L"\\browser";
    from.push_back(L'\0');
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    DWORD attributes = GetFileAttributesW(from.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && SHFileOperationW(&op) != 0) {
        return 1;
    }
    RemoveDirectoryW(parent.c_str());  // only when empty
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring verb = argc >= 2 ? argv[1] : L"";
    if (verb == L"end" && argc == 3) {
        return End(argv[2], false);
    }
    if (verb == L"end" && argc == 4 && std::wstring(argv[2]) == L"restart") {
        return End(argv[3], true);
    }
    if (verb == L"start" && argc == 3) {
        return Start(argv[2]);
    }
    if (verb == L"remove-profile" && argc == 3) {
        return RemoveProfile(argv[2]);
    }
    return 2;
}
