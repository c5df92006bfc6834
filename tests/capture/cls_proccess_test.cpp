#include <gtest/gtest.h>

#include <map>

#include "base/errors.h"
#include "base/text.h"
#include "capture/cls_proccess.h"

namespace plv {
namespace {

// A process table under the test's control.
class FakeProcesses : public Processes {
  public:
    std::vector<std::pair<std::uint32_t, std::u16string>> list;  // pid, exe
    bool snapshotFails = false;
    std::map<std::uint32_t, std::u16string> paths;
    int openHandles = 0;
    int firsts = 0;

    KernelHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t) override {
        if (snapshotFails || flags != kTh32csSnapProcess) {
            return 0;
        }
        ++openHandles;
        next_ = 0;
        return 7;
    }
    bool Process32First(KernelHandle h, ProcessEntry32& e) override {
        ++firsts;
        if (e.dwSize != kProcessEntry32Size) {
            return false;
        }
        next_ = 0;
        return Process32Next(h, e);
    }
    bool Process32Next(KernelHandle, ProcessEntry32& e) override {
        if (next_ >= list.size()) {
            return false;
        }
        auto& [pid, exe] = list[next_++];
        e.th32ProcessID = pid;
        e.cntThreads = pid % 7;
        e.th32ParentProcessID = pid + 1;
        e.szExeFile.fill(0);
        std::copy(exe.begin(), exe.end(), e.szExeFile.begin());
        return true;
    }
    KernelHandle OpenProcess(std::uint32_t access, bool, std::uint32_t pid) override {
        EXPECT_EQ(access, 0x410u);
        if (!paths.count(pid)) {
            return 0;
        }
        ++openHandles;
        return 1000 + pid;
    }
    std::optional<std::u16string> GetModuleFileNameEx(KernelHandle h, std::size_t max) override {
        EXPECT_EQ(max, 256u);
        return paths[static_cast<std::uint32_t>(h - 1000)];
    }
    void CloseHandle(KernelHandle) override { --openHandles; }

  private:
    std::size_t next_ = 0;
};

// Windows of the test: handle = pid of the owning process; 0 and unknown handles have none.
class FakeDesktop : public Desktop {
  public:
    Hwnd GetForegroundWindow() override { return 0; }
    PointPx GetCursorPos() override { return {}; }
    std::int16_t GetAsyncKeyState(int) override { return 0; }
    std::optional<RectPx> GetWindowRect(Hwnd) override { return std::nullopt; }
    std::uint32_t GetWindowProcessId(Hwnd w) override { return static_cast<std::uint32_t>(w); }
    std::u16string GetClassName(Hwnd) override { return {}; }
    std::optional<std::intptr_t> SendCopyMessage(Hwnd) override { return 1; }
    void KeybdEvent(std::uint8_t, std::uint8_t, std::uint32_t) override {}
    std::uint32_t ScanCodeOf(std::uint8_t) override { return 0; }
    bool IsWindowAboveOwnIntegrity(Hwnd) override { return false; }
    int GetSystemMetrics(int) override { return 0; }
    MonitorArea MonitorAt(PointPx) override { return {}; }
    std::int32_t DpiX() override { return 96; }
    std::int32_t DpiY() override { return 96; }
    std::optional<OsVersionInfo> GetVersionEx() override { return std::nullopt; }
    bool SetForegroundWindow(Hwnd) override { return false; }
    void SetActiveWindow(Hwnd) override {}
    std::optional<std::u16string> DragSelectionText() override { return std::nullopt; }
    bool IsShellWindow(Hwnd /*window*/, const std::u16string& exeName) override {
        return exeName == u"explorer.exe";
    }
    std::u16string WindowAppName(Hwnd /*window*/) override { return {}; }
};

void Fill(FakeProcesses& p, std::size_t n) {
    p.list.clear();
    for (std::size_t i = 1; i <= n; ++i) {
        p.list.push_back({static_cast<std::uint32_t>(100 + i), u"p" + Widen(std::to_string(i)) + u".exe"});
    }
}

TEST(clsProccess, TableGrowsInStepsOfTwentyAndKeepsEntryZeroEmpty) {
    struct Case {
        std::size_t processes;
        std::int32_t upperBound;
    };
    for (Case c : {Case{0, 20}, Case{1, 20}, Case{19, 20}, Case{20, 40}, Case{21, 40}, Case{39, 40},
                   Case{40, 60}, Case{45, 60}}) {
        FakeProcesses p;
        Fill(p, c.processes);
        clsProccess cls(p);
        EXPECT_EQ(cls.GetActiveProcess(), static_cast<std::int32_t>(c.processes));
        EXPECT_EQ(cls.UpperBound(), c.upperBound) << c.processes;
        EXPECT_EQ(cls.th32ProcessID(0), 0u);
        EXPECT_EQ(cls.szExeFile(0), u"");
        if (c.processes > 0) {
            EXPECT_EQ(cls.szExeFile(static_cast<std::int32_t>(c.processes)),
                      Widen("p" + std::to_string(c.processes) + ".exe"));
        }
        EXPECT_EQ(p.openHandles, 0) << "the snapshot is closed";
    }
}

TEST(clsProccess, RefillShrinksToTwentyOneEntriesKeepingTheFirst) {
    FakeProcesses p;
    Fill(p, 45);
    clsProccess cls(p);
    cls.GetActiveProcess();
    Fill(p, 3);
    EXPECT_EQ(cls.GetActiveProcess(), 3);
    EXPECT_EQ(cls.UpperBound(), 20);
    // Entries above n keep records of the longer fill.
    EXPECT_EQ(cls.szExeFile(4), u"p4.exe");
    EXPECT_THROW(cls.szExeFile(21), ProgramError);
}

TEST(clsProccess, AccessorsOutsideTheTableRaiseSubscriptOutOfRange) {
    FakeProcesses p;
    clsProccess cls(p);
    // Never filled: every index is outside.
    try {
        cls.dwFlags(0);
        FAIL() << "no error";
    } catch (const ProgramError& e) {
        EXPECT_EQ(e.Number(), 9);
    }
    Fill(p, 2);
    cls.GetActiveProcess();
    EXPECT_EQ(cls.th32ParentProcessID(1), 102u);
    EXPECT_EQ(cls.cntThreads(2), 102u % 7);
    EXPECT_EQ(cls.dwSize(1), kProcessEntry32Size);
    for (std::int32_t bad : {-1, 21, 1000}) {
        EXPECT_THROW(cls.th32ProcessID(bad), ProgramError);
        EXPECT_THROW(cls.szExeFile(bad), ProgramError);
        EXPECT_THROW(cls.cntUsage(bad), ProgramError);
        EXPECT_THROW(cls.thModuleID(bad), ProgramError);
        EXPECT_THROW(cls.th32DefaultHeapID(bad), ProgramError);
        EXPECT_THROW(cls.pcPriClassBase(bad), ProgramError);
    }
}

TEST(clsProccess, GetExeByHwnd) {
    FakeProcesses p;
    FakeDesktop d;
    Fill(p, 30);
    p.list.push_back({500, u"\u0411\u043b\u043e\u043a\u043d\u043e\u0442 \u8bb0\u4e8b.exe"});
    p.paths[105] = std::u16string(u"C:\\Apps\\p5.exe\0junk", 19);
    clsProccess cls(p);
    std::u16string path = u"untouched";
    EXPECT_EQ(cls.GetExeByHwnd(d, 105, path), u"p5.exe");
    EXPECT_EQ(path, u"C:\\Apps\\p5.exe");
    // A process that cannot be opened still gives its name; the path is left alone.
    path = u"untouched";
    EXPECT_EQ(cls.GetExeByHwnd(d, 130, path), u"p30.exe");
    EXPECT_EQ(path, u"untouched");
    // Names in any script come back as they are, whatever the system's code page.
    EXPECT_EQ(cls.GetExeByHwnd(d, 500, path), u"\u0411\u043b\u043e\u043a\u043d\u043e\u0442 \u8bb0\u4e8b.exe");
    // An invalid window (process id 0) meets entry 0 and gets "".
    EXPECT_EQ(cls.GetExeByHwnd(d, 0, path), u"");
    // A process that ended before the snapshot: not found.
    EXPECT_EQ(cls.GetExeByHwnd(d, 999, path), u"");
    EXPECT_EQ(p.openHandles, 0);
    // Every look-up takes a new snapshot.
    int before = p.firsts;
    cls.GetExeByHwnd(d, 105, path);
    EXPECT_EQ(p.firsts, before + 1);
}

TEST(clsProccess, FailedSnapshotGivesNothingAndKeepsTheTable) {
    FakeProcesses p;
    FakeDesktop d;
    Fill(p, 5);
    clsProccess cls(p);
    std::u16string path;
    EXPECT_EQ(cls.GetExeByHwnd(d, 103, path), u"p3.exe");
    p.snapshotFails = true;
    EXPECT_EQ(cls.GetActiveProcess(), 0);
    EXPECT_EQ(cls.szExeFile(3), u"p3.exe");
    EXPECT_EQ(cls.GetExeByHwnd(d, 103, path), u"");
    // Never filled and the snapshot fails: still "" and no error.
    clsProccess fresh(p);
    EXPECT_EQ(fresh.GetExeByHwnd(d, 0, path), u"");
}

}  // namespace
}  // namespace plv
