// plv-setup.exe: what the installer asks of a running Parlevo, run from the installer's own
// package (so that an older installed Parlevo need not know it).
//
//   plv-setup.exe end [restart] INSTALLDIR
//                                    asks the Parlevo that runs from INSTALLDIR to end, through its
//                                    own main window, and waits for it (15 s at most), then for
//                                    what runs from INSTALLDIR (its service and engine; 15 s more
//                                    at most); with `restart` (an install or upgrade), when one
//                                    ended, notes that it is to be started again
//   plv-setup.exe start INSTALLDIR   starts INSTALLDIR\plv.exe again if `end` ended one
//   plv-setup.exe remove-profile INSTALLDIR
//                                    removes the browser profile Parlevo made for itself and its
//                                    service's log, once
//                                    INSTALLDIR\plv.exe is gone: when the older version is removed
//                                    in an upgrade, the newer plv.exe stays, and so does the
//                                    profile (Wine does not tell that removal apart otherwise)
//
// The installer ignores the exit code (the user's install must not fail for any of this), but it
// says what happened: 0 done (or nothing to do), 1 the running Parlevo did not end (in time, or
// at all: one that runs with higher rights refuses the request), 2 a usage error. An action run
// from the installer's package has no way into the installer's own log, so each run appends what
// it did, and why when something failed, to %TEMP%\Parlevo-setup.log.
//
// Every DLL it imports is one of the system's known DLLs, which Windows never looks for in the
// folder the package was unpacked to.

#include <windows.h>
// (windows.h before the shell's headers)
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kEndWaitMs = 15000;
constexpr DWORD kOrphanGraceMs = 2000;
constexpr wchar_t kFormClass[] = L"ParlevoForm";
constexpr wchar_t kMainCaption[] = L"Parlevo";
constexpr wchar_t kInstallerKey[] = L"Software\\Parlevo\\Installer";
constexpr wchar_t kRestartValue[] = L"StartAfterUpgrade";
constexpr wchar_t kLogName[] = L"Parlevo-setup.log";
constexpr LONGLONG kLogLimit = 1 << 20;

std::wstring Num(unsigned long long value) {
    return std::to_wstring(value);
}

// One line of the log: the local time, then what happened. The file is opened for each line (a
// run writes a handful), never through a link planted in its place, and starts over past 1 MiB.
void Log(const std::wstring& line) {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) {
        return;
    }
    const std::wstring path = std::wstring(temp) + kLogName;
    HANDLE file =
        CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | DELETE, FILE_SHARE_READ, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || info.nNumberOfLinks != 1) {
        CloseHandle(file);
        return;
    }
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > kLogLimit) {
        // Deleted through the handle, then made anew: the old lines go, and no one else's file
        // can stand in for the new one.
        FILE_DISPOSITION_INFO gone{TRUE};
        SetFileInformationByHandle(file, FileDispositionInfo, &gone, sizeof gone);
        CloseHandle(file);
        file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return;
        }
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t stamp[32] = {};
    swprintf(stamp, 32, L"%04u-%02u-%02u %02u:%02u:%02u.%03u ", now.wYear, now.wMonth, now.wDay, now.wHour,
             now.wMinute, now.wSecond, now.wMilliseconds);
    const std::wstring text = stamp + line + L"\r\n";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                          nullptr, nullptr);
    if (bytes > 0) {
        std::string utf8(static_cast<size_t>(bytes), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), bytes,
                            nullptr, nullptr);
        DWORD written = 0;
        WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }
    CloseHandle(file);
}

// INSTALLDIR as the installer gives it + plv.exe. The installer writes it as "[INSTALLDIR]\"
// because the folder ends in a backslash, which would otherwise escape the closing quote; a
// quote that came through all the same is dropped.
std::wstring ProgramPath(std::wstring dir) {
    while (!dir.empty() && (dir.back() == L'\\' || dir.back() == L'/' || dir.back() == L'"')) {
        dir.pop_back();
    }
    return dir + L"\\plv.exe";
}

// The folder of ProgramPath, with its backslash.
std::wstring FolderOf(const std::wstring& program) {
    return program.substr(0, program.size() - std::wstring(L"plv.exe").size());
}

std::wstring ImagePath(HANDLE process) {
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = static_cast<DWORD>(std::size(path));
    return QueryFullProcessImageNameW(process, 0, path, &size) ? std::wstring(path, size) : std::wstring();
}

std::wstring ImagePath(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        return {};
    }
    std::wstring path = ImagePath(process);
    CloseHandle(process);
    return path;
}

class OpenFile {
  public:
    explicit OpenFile(const std::wstring& path)
        : handle_(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}
    ~OpenFile() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

// The file's identifier and its volume's serial number as Windows 8 and later give them (the
// 128-bit identifier, which ReFS needs). Declared here because the headers give them only to
// programs that require Windows 8; on Windows 7 the call fails and the older form is used.
struct FileIdentity {
    ULONGLONG volume;
    BYTE id[16];
};
constexpr auto kFileIdInfoClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

// Whether two paths name one file, whatever the path (a short name, another letter case, a drive
// mapped onto the same folder). A file's index is unique on its volume only, so the volume's
// serial number is part of the identity.
bool SameFile(const std::wstring& a, const std::wstring& b) {
    OpenFile x(a);
    OpenFile y(b);
    if (x.get() == INVALID_HANDLE_VALUE || y.get() == INVALID_HANDLE_VALUE) {
        return false;
    }
    FileIdentity idX{};
    FileIdentity idY{};
    if (GetFileInformationByHandleEx(x.get(), kFileIdInfoClass, &idX, sizeof idX) &&
        GetFileInformationByHandleEx(y.get(), kFileIdInfoClass, &idY, sizeof idY)) {
        return idX.volume == idY.volume && std::memcmp(idX.id, idY.id, sizeof idX.id) == 0;
    }
    BY_HANDLE_FILE_INFORMATION infoX{};
    BY_HANDLE_FILE_INFORMATION infoY{};
    return GetFileInformationByHandle(x.get(), &infoX) && GetFileInformationByHandle(y.get(), &infoY) &&
           infoX.dwVolumeSerialNumber == infoY.dwVolumeSerialNumber &&
           infoX.nFileIndexHigh == infoY.nFileIndexHigh && infoX.nFileIndexLow == infoY.nFileIndexLow;
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

DWORD Left(ULONGLONG deadline) {
    const ULONGLONG now = GetTickCount64();
    return now < deadline ? static_cast<DWORD>(deadline - now) : 0;
}

struct Running {
    DWORD pid;
    std::wstring path;
    HANDLE process;
};

// Every process still running whose executable lies in FOLDER (which ends in a backslash), held
// by a handle.
std::vector<Running> FolderProcesses(const std::wstring& folder) {
    std::vector<Running> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return found;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
                                     FALSE, entry.th32ProcessID);
        if (process == nullptr) {
            continue;
        }
        std::wstring path = ImagePath(process);
        if (path.size() > folder.size() && _wcsnicmp(path.c_str(), folder.c_str(), folder.size()) == 0 &&
            WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            found.push_back({entry.th32ProcessID, std::move(path), process});
        } else {
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    return found;
}

bool Runs(const std::vector<Running>& running, const std::wstring& path) {
    for (const Running& r : running) {
        if (_wcsicmp(r.path.c_str(), path.c_str()) == 0 &&
            WaitForSingleObject(r.process, 0) == WAIT_TIMEOUT) {
            return true;
        }
    }
    return false;
}

// The translation service and its engine end with Parlevo through its jobs, but a moment after
// it (later still on a busy computer): until they are gone the files they run from are in use,
// and the installer could neither replace nor remove them. Waits for each by its handle, and
// looks again for any started meanwhile, until none is left or the deadline has passed.
//
// An engine process that still runs when no service runs from the folder any more has no one
// left to end it, and holds its file and the service's log (seen under Wine when Parlevo was
// asked to end while its service was starting the engine: a stage started but not yet in the
// service's job outlived it). Given a moment to end by itself (its input is over), it is ended.
// A service that still runs from the folder is left alone (a user may have started it by hand).
bool WaitForFolderProcesses(const std::wstring& folder, ULONGLONG deadline) {
    const std::wstring service = folder + L"plv-service.exe";
    const std::wstring engine = folder + L"engine\\plv-engine.exe";
    for (;;) {
        std::vector<Running> running = FolderProcesses(folder);
        if (running.empty()) {
            break;
        }
        // The service first: once it is over, what is left of its engine is known to be orphaned.
        std::stable_partition(running.begin(), running.end(), [&](const Running& r) {
            return _wcsicmp(r.path.c_str(), service.c_str()) == 0;
        });
        bool ended = true;
        for (const Running& r : running) {
            const bool orphan = _wcsicmp(r.path.c_str(), engine.c_str()) == 0 && !Runs(running, service);
            if (WaitForSingleObject(r.process, orphan ? std::min(Left(deadline), kOrphanGraceMs)
                                                      : Left(deadline)) == WAIT_OBJECT_0) {
                continue;
            }
            if (orphan && TerminateProcess(r.process, 1) &&
                WaitForSingleObject(r.process, 5000) == WAIT_OBJECT_0) {
                Log(L"end: ended process " + Num(r.pid) + L" (" + r.path +
                    L"), left running without its service");
                continue;
            }
            Log(L"end: still running from the program's folder at the deadline: process " + Num(r.pid) +
                L" (" + r.path + L")");
            ended = false;
        }
        for (const Running& r : running) {
            CloseHandle(r.process);
        }
        if (!ended) {
            return false;
        }
    }
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
            if (GetLastError() != ERROR_SHARING_VIOLATION) {
                break;
            }
            if (Left(deadline) == 0) {
                Log(L"end: still in use at the deadline: " + path);
                return false;
            }
            Sleep(50);
        }
    }
    return true;
}

// A plain WM_CLOSE to the main form is what Parlevo takes as a request to exit (the close box
// comes with SC_CLOSE first, and only hides the window).
int End(const std::wstring& dir, bool restart) {
    const std::wstring program = ProgramPath(dir);
    Search search{program, {}};
    EnumWindows(FindMainForm, reinterpret_cast<LPARAM>(&search));
    if (search.found.empty()) {
        Log(L"end: no Parlevo runs from " + program);
        return 0;
    }
    const ULONGLONG start = GetTickCount64();
    int result = 0;
    for (const auto& [window, pid] : search.found) {
        const std::wstring which = L"Parlevo (process " + Num(pid) + L")";
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        // A Parlevo that runs with higher rights than the installer (started as administrator)
        // refuses its messages: waiting would only lose time, and its files stay in use.
        if (!PostMessageW(window, WM_CLOSE, 0, 0)) {
            const DWORD error = GetLastError();
            Log(L"end: " + which + L" refused the request to end (error " + Num(error) +
                (error == ERROR_ACCESS_DENIED ? L": it runs with higher rights than the installer" : L"") +
                L"); exit it from its tray menu, or its files stay in use");
            result = 1;
        } else if (process == nullptr) {
            Log(L"end: asked " + which + L" to end, but cannot wait for it (error " + Num(GetLastError()) +
                L")");
            result = 1;
        } else if (WaitForSingleObject(process, Left(start + kEndWaitMs)) == WAIT_OBJECT_0) {
            Log(L"end: asked " + which + L" to end; it ended after " + Num(GetTickCount64() - start) +
                L" ms");
            SetRestart(restart);
        } else {
            Log(L"end: asked " + which + L" to end; it still runs after " + Num(kEndWaitMs) + L" ms");
            result = 1;
        }
        if (process != nullptr) {
            CloseHandle(process);
        }
    }
    // What Parlevo started ends with it; what a Parlevo that still runs started does not.
    if (result == 0) {
        const ULONGLONG ended = GetTickCount64();
        if (WaitForFolderProcesses(FolderOf(program), ended + kEndWaitMs)) {
            Log(L"end: its service and engine were over " + Num(GetTickCount64() - ended) + L" ms after it");
        } else {
            result = 1;
        }
    }
    return result;
}

// The new Parlevo is the user's program, not the installer's: it must outlive msiexec, which may
// run its actions in a job that ends what is left in it when the install is over. Where that job
// allows it, Parlevo is started outside it; where it does not, Parlevo is started all the same.
int Start(const std::wstring& dir) {
    if (!RestartWanted()) {
        return 0;
    }
    SetRestart(false);
    const std::wstring program = ProgramPath(dir);
    const std::wstring folder = FolderOf(program);
    BOOL inJob = FALSE;
    IsProcessInJob(GetCurrentProcess(), nullptr, &inJob);
    for (const DWORD flags : {inJob ? DWORD{CREATE_BREAKAWAY_FROM_JOB} : DWORD{0}, DWORD{0}}) {
        std::wstring command = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, flags, nullptr,
                           folder.c_str(), &startup, &info)) {
            const wchar_t* where = !inJob ? L""
                                   : flags == CREATE_BREAKAWAY_FROM_JOB
                                       ? L", outside the installer's job"
                                       : L", in the installer's job (it allows no "
                                         L"breakaway): it may end with the installer";
            Log(L"start: started " + program + L" (process " + Num(info.dwProcessId) + L")" + where);
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
            return 0;
        }
        // A job that allows no breakaway refuses the flag with ERROR_ACCESS_DENIED.
        const DWORD error = GetLastError();
        if (flags == 0 || error != ERROR_ACCESS_DENIED) {
            Log(L"start: could not start " + program + L" (error " + Num(error) + L")");
            return 1;
        }
    }
    return 1;
}

// %LOCALAPPDATA%\Parlevo\browser and the service's log beside it, and %LOCALAPPDATA%\Parlevo when
// nothing else is left in it.
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
        Log(L"remove-profile: could not remove " + parent + L"\\browser");
        return 1;
    }
    DeleteFileW((parent + L"\\plv-service.log").c_str());
    RemoveDirectoryW(parent.c_str());  // only when empty
    return 0;
}

// What the system's DLLs load later on their own (the shell's, for SHFileOperation) comes from
// System32 too, never from the folder this program was unpacked to (the installer's temporary
// folder), nor from the current one. Windows 7 has SetDefaultDllDirectories only with its update
// KB2533623, hence the look-up.
void LoadFromSystemOnly() {
    SetDllDirectoryW(L"");
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto setDefault = reinterpret_cast<BOOL(WINAPI*)(DWORD)>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault != nullptr) {
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    LoadFromSystemOnly();
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
