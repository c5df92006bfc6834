// DLL and program planting: what the backend loads or starts by name comes from System32, never
// from the program's own folder (a portable copy unpacked in Downloads, beside whatever lies
// there) nor from the current one.

#include "platform/win32/win_system.h"
// (the backend's Windows headers first)

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "base/text.h"
#include "platform/win32/win_text.h"
#include "win_test_support.h"

namespace plv {
namespace {

std::wstring ReadWide(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string s = bytes.str();
    return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size() / sizeof(wchar_t));
}

bool StartsWith(const std::wstring& s, const std::wstring& prefix) {
    return CompareStringOrdinal(s.c_str(), static_cast<int>(std::min(s.size(), prefix.size())),
                                prefix.c_str(), static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

// A copy of this program in a folder where winhttp.dll and comctl32.dll are planted (libraries
// without any of their functions): it starts, and both come from the system's folder. Imported,
// they would be taken from the program's folder, and the program would not even start. (Wine's
// own user32 imports version.dll, so under Wine a version.dll planted there is loaded whatever a
// program does: it cannot be shown here; Windows' user32 does not.)
TEST(WinPlanting, DllsBesideTheProgramAreNeverLoaded) {
    const std::wstring folder = wintest::NewTempFolder();
    const std::wstring exe = folder + L"\\plv_win_tests.exe";
    ASSERT_TRUE(CopyFileW(wintest::ExePath().c_str(), exe.c_str(), FALSE));
    const std::wstring planted = wintest::ExeFolder() + L"\\no-crc32\\hash2.dll";
    for (const wchar_t* dll : {L"\\winhttp.dll", L"\\comctl32.dll"}) {
        ASSERT_TRUE(CopyFileW(planted.c_str(), (folder + dll).c_str(), FALSE));
    }
    const std::wstring out = folder + L"\\loaded.txt";
    wintest::ScopedEnvironment outFile(wintest::kChildOut, out);
    wintest::ScopedEnvironment mode(wintest::kChildMode, L"system-dlls");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring line = L"\"" + exe + L"\"";
    ASSERT_TRUE(CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                               &startup, &info));
    CloseHandle(info.hThread);
    DWORD code = 1;
    if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
    }
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    ASSERT_EQ(code, 0u) << "the copy beside the planted DLLs ran its mode";

    wchar_t system[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(system, MAX_PATH);
    std::wistringstream loaded(ReadWide(out));
    std::wstring path;
    int lines = 0;
    while (std::getline(loaded, path)) {
        ++lines;
        EXPECT_TRUE(StartsWith(path, std::wstring(system, n) + L"\\")) << Utf16ToUtf8(win::U16(path.c_str()));
    }
    EXPECT_EQ(lines, 3);  // version.dll, winhttp.dll, comctl32.dll
}

// A program named without a folder is started from System32 only: one of that name in the
// current folder is not run.
TEST(WinPlanting, ABareProgramNameIsSystem32s) {
    const std::wstring folder = wintest::NewTempFolder();
    ASSERT_TRUE(CopyFileW(wintest::ExePath().c_str(), (folder + L"\\plv-planted.exe").c_str(), FALSE));
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
    const std::wstring out = folder + L"\\pid.txt";
    auto shell = win::MakeShell();
    {
        wintest::ScopedEnvironment outFile(wintest::kChildOut, out);
        wintest::ScopedEnvironment mode(wintest::kChildMode, L"pid");
        EXPECT_FALSE(shell->StartCommandLine(u"plv-planted.exe /x"));
        EXPECT_FALSE(shell->StartCommandLine(u"\"plv-planted\" /x"));
    }
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(GetFileAttributesW(out.c_str()), INVALID_FILE_ATTRIBUTES) << "the planted program ran";
}

}  // namespace
}  // namespace plv
