// The plain system pieces of the Windows backend on the real system: the process table, what the
// registry holds besides text, the executable and its command line, ending, the version resource,
// files, the checksum library and the shell.

#include "win_test_support.h"
// (the backend's Windows headers first)

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include "base/text.h"
#include "platform/hash2_loader.h"
#include "platform/win32/win_devtools.h"
#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv {
namespace {

using wintest::Child;
using wintest::RunChild;
using wintest::ScopedEnvironment;

std::string Ansi(const std::wstring& s) {
    int n =
        WideCharToMultiByte(CP_ACP, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, s.c_str(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(WinProcesses, TheSnapshotAndTheModulePath) {
    auto p = win::MakeProcesses();
    KernelHandle snapshot = p->CreateToolhelp32Snapshot(kTh32csSnapProcess, 0);
    ASSERT_NE(snapshot, 0u);
    ProcessEntry32 entry;
    entry.dwSize = kProcessEntry32Size + 8;
    EXPECT_FALSE(p->Process32First(snapshot, entry)) << "only the 556-byte entry is taken";
    entry.dwSize = kProcessEntry32Size;
    bool found = false;
    int count = 0;
    for (bool more = p->Process32First(snapshot, entry); more; more = p->Process32Next(snapshot, entry)) {
        ++count;
        EXPECT_EQ(entry.dwSize, kProcessEntry32Size);
        if (entry.th32ProcessID == GetCurrentProcessId()) {
            found = true;
            EXPECT_EQ(std::u16string(entry.szExeFile.data()), u"plv_win_tests.exe");
            EXPECT_NE(entry.cntThreads, 0u);
        }
    }
    p->CloseHandle(snapshot);
    EXPECT_TRUE(found) << count << " processes listed";

    KernelHandle self =
        p->OpenProcess(kProcessQueryInformation | kProcessVmRead, false, GetCurrentProcessId());
    ASSERT_NE(self, 0u);
    const std::u16string path = win::U16(wintest::ExePath().c_str());
    EXPECT_EQ(p->GetModuleFileNameEx(self, 260), path);
    EXPECT_EQ(p->GetModuleFileNameEx(self, 6), path.substr(0, 5)) << "cut to the buffer";
    p->CloseHandle(self);
    EXPECT_EQ(p->OpenProcess(kProcessQueryInformation, false, 0), 0u) << "the idle process cannot be opened";
}

TEST(WinUserStore, OnlyTextValuesCount) {
    auto store = win::MakeUserStore();
    const std::wstring program = wintest::UniqueName(L"plv-test-");
    const std::wstring path = L"Software\\Parlevo\\" + program + L"\\Applications";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    const DWORD number = 1;
    RegSetValueExW(key, L"dword.exe", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    const wchar_t expand[] = L"%TEMP%";
    RegSetValueExW(key, L"expand.exe", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand),
                   sizeof expand);
    // Text stored without its terminating zero, as some programs write it.
    const wchar_t bare[] = {L'a', L'b', L'c'};
    RegSetValueExW(key, L"bare.exe", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare), sizeof bare);
    RegCloseKey(key);

    const std::u16string p = win::U16(program.c_str());
    EXPECT_EQ(store->GetSetting(p, u"Applications", u"dword.exe"), std::nullopt);
    EXPECT_EQ(store->GetSetting(p, u"Applications", u"expand.exe"), std::nullopt);
    EXPECT_EQ(store->GetSetting(p, u"Applications", u"bare.exe"), u"abc");
    RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Parlevo\\" + program).c_str());
}

TEST(WinProcessEnv, TheExecutableItsVersionAndItsFolder) {
    auto env = win::MakeProcessEnv();
    const std::wstring exe = wintest::ExePath();
    EXPECT_EQ(env->ExeDirectory() + u"\\" + env->ExeBaseName() + u".exe", win::U16(exe.c_str()));
    EXPECT_EQ(env->ExeBaseName(), u"plv_win_tests");
    EXPECT_EQ(env->PathBesideExe(env->ProgramFileName(u"plv_win_tests")), win::U16(exe.c_str()));
    EXPECT_EQ(env->SettingsFilePath(), env->ExeDirectory() + u"\\plv_win_tests.ini");
    // The test program carries a version resource of its own (plv_win_tests.rc).
    auto version = env->GetFileVersion();
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->major, 7);
    EXPECT_EQ(version->minor, 300);
    EXPECT_EQ(version->build, 2);
    EXPECT_EQ(version->revision, 65535);
    // The user's profile folder, the one the environment names too.
    wchar_t profile[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH), 0u);
    EXPECT_EQ(env->UserProfileFolder(), win::U16(profile));
}

TEST(WinProcessEnv, CommandLineArgsComeAfterTheProgramsName) {
    const std::wstring out = wintest::NewTempFolder() + L"\\args.txt";
    ScopedEnvironment outFile(wintest::kChildOut, out);
    const std::pair<const wchar_t*, const char16_t*> cases[] = {
        {L"\"C:\\Program Files\\Parlevo\\plv.exe\" /t", u"/t"},
        {L"plv.exe   /t  \"a b\" ", u"/t  \"a b\" "},
        {L"plv.exe\t/t", u"/t"},
        {L"\"plv.exe\"/t", u"/t"},
        {L"plv.exe", u""},
        {L"\"C:\\Program Files\\Parlevo\\plv.exe\"", u""},
        {L"plv.exe \u0416\u00e9", u"\u0416\u00e9"},
    };
    for (const auto& [line, args] : cases) {
        DeleteFileW(out.c_str());
        ASSERT_EQ(RunChild(L"args", line), 0u) << Ansi(line);
        std::string bytes = ReadAll(out);
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2), args)
            << Ansi(line);
    }
}

TEST(WinProcessEnv, TerminateAndEndProgramGiveTheirCodes) {
    EXPECT_EQ(RunChild(L"terminate", L"plv_win_tests"), 7u) << "nothing runs after TerminateProcess";
    EXPECT_EQ(RunChild(L"end", L"plv_win_tests"), 5u) << "the message loop ends with the code";
}

TEST(WinProcessEnv, ReadFileBytes) {
    auto env = win::MakeProcessEnv();
    const std::wstring folder = wintest::NewTempFolder();
    const std::wstring path = folder + L"\\plv \u0416.ini";
    std::vector<std::uint8_t> content(200000);
    for (std::size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    // Another program has the file open for writing while it is read.
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(writer, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    EXPECT_EQ(env->ReadFileBytes(win::U16(path.c_str())), content);
    CloseHandle(writer);

    const std::wstring empty = folder + L"\\empty.ini";
    CloseHandle(
        CreateFileW(empty.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_EQ(env->ReadFileBytes(win::U16(empty.c_str())), std::vector<std::uint8_t>{});
    EXPECT_EQ(env->ReadFileBytes(win::U16((folder + L"\\missing.ini").c_str())), std::nullopt);
    EXPECT_EQ(env->ReadFileBytes(win::U16(folder.c_str())), std::nullopt) << "a folder is no file";
    // A file that another program keeps to itself cannot be read.
    HANDLE locked =
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(env->ReadFileBytes(win::U16(path.c_str())), std::nullopt);
    CloseHandle(locked);
}

TEST(WinProcessEnv, TheChecksumLibraryComesFromTheProgramsFolderOnly) {
    auto env = win::MakeProcessEnv();
    ChecksumLibrary* hash2 = env->LoadChecksumLibrary();
    ASSERT_NE(hash2, nullptr);
    const std::string check = "123456789";
    EXPECT_EQ(hash2->CRC32(reinterpret_cast<const std::uint8_t*>(check.data()), 9),
              static_cast<std::int32_t>(0xCBF43926u));
    EXPECT_EQ(env->LoadChecksumLibrary(), hash2) << "loaded once for the run";
    // A folder without the library: nothing, although the program's own folder has one.
    EXPECT_EQ(LoadHash2From(Utf16ToUtf8(win::U16(wintest::NewTempFolder().c_str()))), nullptr);
    // A library of that name without the export (built beside the tests, in no-crc32).
    EXPECT_EQ(LoadHash2From(Utf16ToUtf8(win::U16((wintest::ExeFolder() + L"\\no-crc32").c_str()))), nullptr);
}

TEST(WinShell, ShellExecuteStartCommandLineAndMessageBox) {
    auto shell = win::MakeShell();
    const std::wstring folder = wintest::NewTempFolder();
    // ShellExecute's answer is passed on as it is: 32 or below for a failure.
    std::intptr_t code = shell->ShellExecute(0, win::U16((folder + L"\\missing.txt").c_str()));
    EXPECT_LE(code, 32);
    EXPECT_GT(code, 0);

    // A started program runs on its own; it says who it is in a file, then ends.
    const std::wstring out = folder + L"\\pid.txt";
    {
        ScopedEnvironment outFile(wintest::kChildOut, out);
        ScopedEnvironment mode(wintest::kChildMode, L"pid");
        ASSERT_TRUE(shell->StartCommandLine(u"\"" + win::U16(wintest::ExePath().c_str()) + u"\" /x"));
    }
    std::string pid;
    for (int i = 0; i < 200 && pid.empty(); ++i) {
        Sleep(50);
        pid = ReadAll(out);
    }
    ASSERT_FALSE(pid.empty()) << "the started program ran";
    if (HANDLE started = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, std::stoul(pid))) {
        if (WaitForSingleObject(started, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(started, 1);
        }
        CloseHandle(started);
    }
    EXPECT_FALSE(shell->StartCommandLine(win::U16((folder + L"\\missing.exe").c_str())));

    // The box is answered by a watcher thread, which presses No until the box is gone (a press
    // that comes before the box is ready to take it is lost); the answer comes back.
    struct Watcher {
        static DWORD WINAPI Run(void*) {
            bool seen = false;
            // A minute at most: the first box of a fresh Wine prefix on a busy machine has taken
            // longer than ten seconds to show.
            for (int i = 0; i < 1200; ++i) {
                HWND box = FindWindowW(L"#32770", L"plv test box");
                if (box == nullptr && seen) {
                    return 0;
                }
                if (box != nullptr) {
                    seen = true;
                    PostMessageW(box, WM_COMMAND, IDNO, 0);
                }
                Sleep(50);
            }
            return 1;
        }
    };
    HANDLE watcher = CreateThread(nullptr, 0, &Watcher::Run, nullptr, 0, nullptr);
    ASSERT_NE(watcher, nullptr);
    EXPECT_EQ(shell->MessageBox(u"Answer no.", u"plv test box", MB_YESNO | MB_ICONEXCLAMATION), IDNO);
    WaitForSingleObject(watcher, 10000);
    CloseHandle(watcher);
}

// An attach address on this computer: localhost is taken as 127.0.0.1 (WinHTTP would try ::1
// first, where Chromium does not listen); anything elsewhere is refused.
TEST(WinDevTools, AttachAddresses) {
    const std::pair<const char16_t*, const wchar_t*> cases[] = {
        {u"http://localhost:9222", L"127.0.0.1"}, {u"http://localhost:9222/", L"127.0.0.1"},
        {u"http://127.0.0.2:9222", L"127.0.0.2"}, {u"http://[::1]:9222", L"[::1]"},
        {u"http://example.org:9222", nullptr},    {u"http://localhost:0", nullptr},
    };
    for (const auto& [text, host] : cases) {
        auto at = win::ParseDevToolsAddress(text);
        ASSERT_EQ(at.has_value(), host != nullptr) << Utf16ToUtf8(text);
        if (at) {
            EXPECT_EQ(at->host, host) << Utf16ToUtf8(text);
            EXPECT_EQ(at->port, 9222) << Utf16ToUtf8(text);
        }
    }
}

// The C runtime block that hands a browser its pipe: a 32-bit program starting a 64-bit browser
// writes 8-byte handles (and the other way round), as the child reads them at its own width.
TEST(WinSystem, InheritedDescriptorsAtTheChildsWidth) {
    auto* fd3 = reinterpret_cast<HANDLE>(std::intptr_t{0x1234});
    auto* fd4 = reinterpret_cast<HANDLE>(std::intptr_t{0x5678});
    for (std::size_t width : {std::size_t{4}, std::size_t{8}}) {
        std::vector<unsigned char> block = win::InheritedDescriptors(fd3, fd4, width);
        ASSERT_EQ(block.size(), 4 + 5 * (1 + width));
        std::int32_t count = 0;
        std::memcpy(&count, block.data(), 4);
        EXPECT_EQ(count, 5);
        const std::int64_t handles[] = {-1, -1, -1, 0x1234, 0x5678};
        for (std::size_t fd = 0; fd < 5; ++fd) {
            EXPECT_EQ(block[4 + fd], fd >= 3 ? 0x09 : 0x00) << "flags of " << fd;
            std::int64_t value = 0;
            if (width == 4) {
                std::int32_t narrow = 0;
                std::memcpy(&narrow, block.data() + 9 + fd * width, 4);
                value = narrow;
            } else {
                std::memcpy(&value, block.data() + 9 + fd * width, 8);
            }
            EXPECT_EQ(value, handles[fd]) << "handle of " << fd << " at width " << width;
        }
    }
}

// plv.exe's small icons (the tray's three, the floating icon's emblem and close cross) hold a
// drawing of each size Windows asks for from 100 to 300 % scaling, so that none is stretched.
TEST(Resources, EverySmallIconIsDrawnAtEachScalingsSize) {
    std::wstring exe = wintest::ExeFolder() + L"\\plv.exe";
    HMODULE plv =
        LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(plv, nullptr) << "plv.exe beside the tests";
    for (int group : {101, 102, 103, 104, 105}) {
        HRSRC found = FindResourceW(plv, MAKEINTRESOURCEW(group), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
        ASSERT_NE(found, nullptr) << "icon " << group;
        auto* directory = static_cast<BYTE*>(LockResource(LoadResource(plv, found)));
        for (int size : {16, 20, 24, 32, 40, 48}) {
            int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
            HRSRC image = FindResourceW(plv, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3));  // RT_ICON
            ASSERT_NE(image, nullptr) << "icon " << group << " at " << size;
            const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(plv, image)));
            EXPECT_EQ(header->biWidth, size) << "icon " << group;
            EXPECT_EQ(header->biHeight, 2 * size) << "icon " << group << ": the picture and its mask";
        }
    }
    FreeLibrary(plv);
}

}  // namespace
}  // namespace plv
