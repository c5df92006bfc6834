// The process table, the per-user store and the shell over their Windows calls.

#include "platform/win32/win_api.h"
// (the Windows headers first: they settle the names the seam shares with Windows)

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>

#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

HANDLE AsHandle(KernelHandle h) {
    return FromSeam<HANDLE>(h);
}

KernelHandle FromHandle(HANDLE h) {
    return ToSeam(h);
}

// ---------------------------------------------------------------------------------------------
// Processes

class WinProcesses : public Processes {
  public:
    KernelHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) override {
        HANDLE snapshot = ::CreateToolhelp32Snapshot(flags, processId);
        return snapshot == INVALID_HANDLE_VALUE ? 0 : FromHandle(snapshot);
    }

    bool Process32First(KernelHandle snapshot, ProcessEntry32& entry) override {
        if (entry.dwSize != kProcessEntry32Size) {
            ::SetLastError(ERROR_BAD_LENGTH);
            return false;
        }
        PROCESSENTRY32W pe = Blank();
        return ::Process32FirstW(AsHandle(snapshot), &pe) != FALSE && Copy(pe, entry);
    }

    bool Process32Next(KernelHandle snapshot, ProcessEntry32& entry) override {
        PROCESSENTRY32W pe = Blank();
        return ::Process32NextW(AsHandle(snapshot), &pe) != FALSE && Copy(pe, entry);
    }

    KernelHandle OpenProcess(std::uint32_t access, bool inheritHandle, std::uint32_t processId) override {
        return FromHandle(::OpenProcess(access, inheritHandle ? TRUE : FALSE, processId));
    }

    std::optional<std::u16string> GetModuleFileNameEx(KernelHandle process, std::size_t maxChars) override {
        if (maxChars == 0) {
            return std::nullopt;
        }
        std::wstring path(std::min<std::size_t>(maxChars, UINT_MAX), L'\0');
        DWORD n =
            ::GetModuleFileNameExW(AsHandle(process), nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return std::nullopt;
        }
        path.resize(std::min<std::size_t>(n, path.size()));
        return U16(path.substr(0, path.find(L'\0')).c_str());
    }

    void CloseHandle(KernelHandle handle) override { ::CloseHandle(AsHandle(handle)); }

  private:
    // The system's own PROCESSENTRY32W; on 64-bit Windows it is wider than the seam's, because the
    // heap id is pointer-sized there.
    static PROCESSENTRY32W Blank() {
        PROCESSENTRY32W pe{};
        pe.dwSize = sizeof pe;
        return pe;
    }

    static bool Copy(const PROCESSENTRY32W& pe, ProcessEntry32& entry) {
        std::uint32_t size = entry.dwSize;
        entry = ProcessEntry32{};
        entry.dwSize = size;
        entry.cntUsage = pe.cntUsage;
        entry.th32ProcessID = pe.th32ProcessID;
        entry.th32DefaultHeapID = static_cast<std::uint32_t>(pe.th32DefaultHeapID);
        entry.th32ModuleID = pe.th32ModuleID;
        entry.cntThreads = pe.cntThreads;
        entry.th32ParentProcessID = pe.th32ParentProcessID;
        entry.pcPriClassBase = pe.pcPriClassBase;
        entry.dwFlags = pe.dwFlags;
        static_assert(sizeof pe.szExeFile == sizeof entry.szExeFile);
        std::memcpy(entry.szExeFile.data(), pe.szExeFile, sizeof entry.szExeFile);
        entry.szExeFile.back() = u'\0';
        return true;
    }
};

// ---------------------------------------------------------------------------------------------
// The per-user store

class WinUserStore : public UserStore {
  public:
    std::optional<std::u16string> GetSetting(const std::u16string& program, const std::u16string& section,
                                             const std::u16string& key) override {
        HKEY hkey = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, W(Path(program, section)), 0, KEY_QUERY_VALUE, &hkey) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::optional<std::u16string> value = Query(hkey, key);
        ::RegCloseKey(hkey);
        return value;
    }

    bool SaveSetting(const std::u16string& program, const std::u16string& section, const std::u16string& key,
                     const std::u16string& value) override {
        // The terminating zero is stored with the text, as REG_SZ values should be.
        std::size_t bytes = (value.size() + 1) * sizeof(char16_t);
        if (bytes > ULONG_MAX) {
            return false;
        }
        HKEY hkey = nullptr;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, W(Path(program, section)), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &hkey,
                              nullptr) != ERROR_SUCCESS) {
            return false;
        }
        LONG result = ::RegSetValueExW(hkey, W(key), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(bytes));
        ::RegCloseKey(hkey);
        return result == ERROR_SUCCESS;
    }

  private:
    static std::u16string Path(const std::u16string& program, const std::u16string& section) {
        return u"Software\\Parlevo\\" + program + u"\\" + section;
    }

    // A REG_SZ value up to its first zero; any other type counts as no value.
    static std::optional<std::u16string> Query(HKEY hkey, const std::u16string& key) {
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExW(hkey, W(key), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            type != REG_SZ) {
            return std::nullopt;
        }
        std::vector<BYTE> data;
        // The value may grow between asking its size and reading it; then its size is taken again.
        for (int attempt = 0;; ++attempt) {
            data.resize(std::max<DWORD>(size, 1));
            DWORD got = static_cast<DWORD>(data.size());
            LONG result = ::RegQueryValueExW(hkey, W(key), nullptr, &type, data.data(), &got);
            if (result == ERROR_SUCCESS) {
                size = got;
                break;
            }
            if (result != ERROR_MORE_DATA || attempt == 4) {
                return std::nullopt;
            }
            size = got;
        }
        if (type != REG_SZ) {
            return std::nullopt;
        }
        std::u16string text(size / sizeof(char16_t), u'\0');
        std::memcpy(text.data(), data.data(), text.size() * sizeof(char16_t));
        return text.substr(0, text.find(u'\0'));
    }
};

// ---------------------------------------------------------------------------------------------
// The shell

class WinShell : public Shell {
  public:
    std::intptr_t ShellExecute(Hwnd owner, const std::u16string& target) override {
        HINSTANCE result =
            ::ShellExecuteW(FromSeam<HWND>(owner), nullptr, W(target), nullptr, nullptr, SW_SHOWNORMAL);
        return reinterpret_cast<std::intptr_t>(result);
    }

    bool StartCommandLine(const std::u16string& commandLine) override {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        // CreateProcessW may write into the command line, so it gets a copy of its own.
        std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
        line.push_back(L'\0');
        std::wstring program = SystemProgram(commandLine);
        if (!::CreateProcessW(program.empty() ? nullptr : program.c_str(), line.data(), nullptr, nullptr,
                              FALSE, 0, nullptr, nullptr, &startup, &process)) {
            return false;
        }
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        return true;
    }

    bool OpenWith(const std::u16string& target) override {
        return StartCommandLine(u"rundll32.exe shell32.dll,OpenAs_RunDLL " + target);
    }
    std::vector<std::u16string> SeededBrowsers() override {
        return {u"iexplore.exe", u"opera.exe", u"firefox.exe", u"safari.exe", u"chrome.exe"};
    }
    bool IsTerminal(const std::u16string& /*exeName*/, const std::u16string& /*windowClass*/) override {
        return false;
    }
    int MessageBox(const std::u16string& text, const std::u16string& title, std::uint32_t style) override {
        return ::MessageBoxW(nullptr, W(text), W(title), style);
    }

  private:
    // A program named without a folder (the launcher's rundll32.exe) is System32's: CreateProcessW's
    // own search would look in plv.exe's folder and the current one first. Empty when the program
    // has a folder of its own, to be found where it says.
    static std::wstring SystemProgram(const std::u16string& commandLine) {
        std::u16string name;
        if (!commandLine.empty() && commandLine[0] == u'"') {
            name = commandLine.substr(1, commandLine.find(u'"', 1) - 1);
        } else {
            name = commandLine.substr(0, commandLine.find_first_of(u" \t"));
        }
        wchar_t folder[MAX_PATH];
        UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (name.empty() || name.find_first_of(u"\\/:") != std::u16string::npos || n == 0 || n >= MAX_PATH) {
            return {};
        }
        std::wstring path = std::wstring(folder, n) + L"\\" + std::wstring(W(name), name.size());
        return name.find(u'.') == std::u16string::npos ? path + L".exe" : path;
    }
};

}  // namespace

std::unique_ptr<Processes> MakeProcesses() {
    return std::make_unique<WinProcesses>();
}

std::unique_ptr<UserStore> MakeUserStore() {
    return std::make_unique<WinUserStore>();
}

std::unique_ptr<Shell> MakeShell() {
    return std::make_unique<WinShell>();
}

HANDLE MakeKillOnCloseJob(DWORD extraLimits) {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job != nullptr) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | extraLimits;
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    return job;
}

HANDLE RunInJob(HANDLE job, const PROCESS_INFORMATION& info) {
    if (job != nullptr) {
        AssignProcessToJobObject(job, info.hProcess);
    }
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    return info.hProcess;
}

bool CreateInheriting(const std::wstring& exe, std::wstring commandLine, STARTUPINFOW startup, DWORD flags,
                      std::vector<HANDLE> handles, PROCESS_INFORMATION& info) {
    for (HANDLE h : handles) {
        SetHandleInformation(h, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }
    // Inheritance must be on for the child to get any handle, and then it would get every
    // inheritable handle of ours (a pipe end of another child among them, which would then stay
    // open for ever): the list hands it exactly these.
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<unsigned char> attributes(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    bool listed = InitializeProcThreadAttributeList(list, 1, 0, &size) &&
                  UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles.data(),
                                            handles.size() * sizeof(HANDLE), nullptr, nullptr);
    STARTUPINFOEXW extended{};
    extended.StartupInfo = startup;
    extended.StartupInfo.cb = sizeof extended;
    extended.lpAttributeList = list;
    bool started = listed && CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                            flags | CREATE_SUSPENDED | EXTENDED_STARTUPINFO_PRESENT, nullptr,
                                            nullptr, &extended.StartupInfo, &info);
    DWORD failure = GetLastError();
    if (listed) {
        DeleteProcThreadAttributeList(list);
    }
    SetLastError(failure);
    return started;
}

std::vector<unsigned char> InheritedDescriptors(HANDLE fd3, HANDLE fd4, std::size_t handleBytes) {
    // { int count; unsigned char flags[count]; intptr_t handles[count]; } without padding.
    constexpr std::int32_t kCount = 5;
    constexpr unsigned char kOpenPipe = 0x01 | 0x08;  // FOPEN | FPIPE
    std::vector<unsigned char> block(sizeof kCount + kCount * (1 + handleBytes));
    std::memcpy(block.data(), &kCount, sizeof kCount);
    unsigned char* flags = block.data() + sizeof kCount;
    unsigned char* handles = flags + kCount;
    for (std::int32_t fd = 0; fd < kCount; ++fd) {
        HANDLE h = fd == 3 ? fd3 : fd == 4 ? fd4 : INVALID_HANDLE_VALUE;
        flags[fd] = fd >= 3 ? kOpenPipe : 0;
        // Sign-extended, so that INVALID_HANDLE_VALUE stays -1 at any width; little-endian, so
        // the low bytes come first.
        auto value = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(h));
        std::memcpy(handles + static_cast<std::size_t>(fd) * handleBytes, &value, handleBytes);
    }
    return block;
}

}  // namespace plv::win
