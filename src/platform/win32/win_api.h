#pragma once
// The Windows headers the backend uses, in the order they need. Several Windows calls are macros
// that pick the ANSI or wide form (GetWindowLong -> GetWindowLongW); the seam has operations of
// the same names, so those macros are removed here, and the backend calls the forms it means by
// their full names. Every backend file includes this before anything else of Windows.

#include <windows.h>

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
