#pragma once
// The Windows headers the backend uses, in the order they need. Several Windows calls are macros
// that pick the ANSI or wide form (GetWindowLong -> GetWindowLongW); the seam has operations of
// the same names, so those macros are removed here, and the backend calls the forms it means by
// their full names. Every backend file includes this before anything else of Windows.

#include <windows.h>

#include <cstdint>
#include <string>

#include <commctrl.h>
#include <psapi.h>
#include <richedit.h>
#include <shellapi.h>
#include <tlhelp32.h>

#undef GetWindowLong
#undef SetWindowLong
#undef GetClassName
#undef GetVersionEx
#undef MessageBox
#undef ShellExecute
#undef RegisterClipboardFormat
#undef GetClipboardFormatName
#undef DragQueryFile
#undef Process32First
#undef Process32Next
#undef PROCESSENTRY32
#undef GetModuleFileNameEx

namespace plv::win {

// Handles cross the seam as 64-bit integers (on x86 the upper half is 0).
template <typename Handle>
Handle FromSeam(std::uint64_t value) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(value));
}

inline std::uint64_t ToSeam(const void* handle) {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
}

// A DLL of the system, loaded from System32 and nowhere else; null when it is not there. The
// loader takes a DLL that an executable imports from the executable's own folder first, before
// any code of ours runs, unless it is one of the KnownDLLs (kernel32, user32, shell32 and the
// like), which always come from System32. So the executables we ship import KnownDLLs alone
// (scripts/check-pe sees to it), and every other system DLL (version, winhttp, comctl32, ...) is
// loaded here: a version.dll lying in Downloads beside plv.exe never runs. Windows 7 without its
// loader update of 2011 refuses the flag; the DLL's full path in System32 does the same there.
inline HMODULE SystemModule(const wchar_t* name) {
    HMODULE m = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (m != nullptr) {
        return m;
    }
    wchar_t folder[MAX_PATH];
    UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        return nullptr;
    }
    std::wstring path = std::wstring(folder, n) + L"\\" + name;
    return LoadLibraryW(path.c_str());
}

// A function of a system DLL, looked up at run time: null where the DLL or the function is
// missing (a function only newer Windows versions have), so that the program still starts on the
// oldest system it supports. A DLL not loaded yet is loaded from System32 (SystemModule).
template <typename Fn>
Fn FindProc(const wchar_t* module, const char* name) {
    HMODULE m = GetModuleHandleW(module);
    if (m == nullptr) {
        m = SystemModule(module);
    }
    return m != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(m, name)))
                        : nullptr;
}

// No DLL is ever taken from the current folder or the search path from here on, whoever asks for
// it (a system DLL loading one of its own too): system DLLs come from System32, and the checksum
// library is loaded by its full path beside the executable. The call exists from Windows 8 (and
// on 7 with its update); without it the old search order stays, less the current folder.
inline void RestrictDllSearch() {
    auto fn = FindProc<BOOL(WINAPI*)(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (fn != nullptr) {
        fn(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    SetDllDirectoryW(L"");
}

}  // namespace plv::win
