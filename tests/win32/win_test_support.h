#pragma once
// What the Windows tests share: windows of their own, and child processes. A child is this test
// program started again in a mode named by the environment variable PLV_CHILD (so that its command
// line stays free for what a test wants to see there); main() runs the mode instead of the tests.

#include "platform/win32/win_api.h"
// (the backend's Windows headers first: they settle the names the seam shares with Windows)

#include <optional>
#include <string>

#include "platform/platform.h"

namespace plv::wintest {

// A hidden message-only window on the calling thread, destroyed with the object.
class TestWindow {
  public:
    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND hwnd() const { return hwnd_; }
    Hwnd handle() const { return static_cast<Hwnd>(reinterpret_cast<std::uintptr_t>(hwnd_)); }

  private:
    HWND hwnd_ = nullptr;
};

// This test program's full path.
std::wstring ExePath();
// The folder it lies in (no trailing backslash).
std::wstring ExeFolder();
// A name no other test of this run uses: prefix, this process's id and a counter.
std::wstring UniqueName(const std::wstring& prefix);
// A fresh empty folder under the temporary folder.
std::wstring NewTempFolder();

// Sets an environment variable for the children started while the object lives.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::wstring name_;
};

// A child process in a mode. It is always ended: by itself, or by its handle when the object goes.
class Child {
  public:
    // commandLine: the whole command line the child sees (its first word may be any name; the
    // program started is always this one).
    Child(const std::wstring& mode, const std::wstring& commandLine);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    bool started() const { return process_ != nullptr; }
    // The exit code once it has ended within the time; nothing when it has not (it is then ended).
    std::optional<DWORD> Wait(DWORD ms = 20000);

  private:
    HANDLE process_ = nullptr;
};

// Runs a child to its end: its exit code, nothing when it could not start or overran.
std::optional<DWORD> RunChild(const std::wstring& mode, const std::wstring& commandLine);

// main(): runs the mode PLV_CHILD names, if any, and gives its exit code.
std::optional<int> RunChildMode();

// The environment variables of the modes.
constexpr const wchar_t* kChildMode = L"PLV_CHILD";
constexpr const wchar_t* kChildOut = L"PLV_CHILD_OUT";    // a file the child writes its answer to
constexpr const wchar_t* kChildName = L"PLV_CHILD_NAME";  // a mutex name

}  // namespace plv::wintest
