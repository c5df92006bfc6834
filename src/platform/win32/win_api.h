#pragma once
// The Windows headers the backend uses, in the order they need. Several Windows calls are macros
// that pick the ANSI or wide form (GetWindowLong -> GetWindowLongW); the seam has operations of
// the same names, so those macros are removed here, and the backend calls the forms it means by
// their full names. Every backend file includes this before anything else of Windows.

#include <windows.h>

#include <cstdint>

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

// A function that only some Windows versions have, looked up at run time: null where the module
// or the function is missing, so that the program still starts on the oldest system it supports.
template <typename Fn>
Fn FindProc(const wchar_t* module, const char* name) {
    HMODULE m = GetModuleHandleW(module);
    return m != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(m, name)))
                        : nullptr;
}

}  // namespace plv::win
