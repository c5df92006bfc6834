// The pipeline's contract, the same on POSIX and on Windows (cross-built, run under Wine by
// tests/run-wine). The stages are our own stage_prog (see there), built beside this test.
#include "pipeline.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include "apertium_engine.h"

#ifdef _WIN32
#include <windows.h>

#include "platform.h"
#else
#include <signal.h>
#include <unistd.h>
#endif

namespace plv {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

TEST(ParsePipelineLine, SplitsStagesAndWords) {
    struct Case {
        std::string line, arg1, arg2;
        PipelineCommand expected;
    };
    const std::vector<Case> cases = {
        {"a", "", "", {{"a"}}},
        {"a -z 'x y' | b", "", "", {{"a", "-z", "x y"}, {"b"}}},
        {"lt-proc -z $1 '/p/gen.bin' | t -g $2 'f'",
         "-n",
         "",
         {{"lt-proc", "-z", "-n", "/p/gen.bin"}, {"t", "-g", "f"}}},
        {"t $2 x", "", "-m", {{"t", "-m", "x"}}},
        {"p \"dq arg\" a\\ b ''", "", "", {{"p", "dq arg", "a b", ""}}},
        {"  a|b  |c  ", "", "", {{"a"}, {"b"}, {"c"}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParsePipelineLine(c.line, c.arg1, c.arg2), c.expected) << c.line;
}

TEST(ParsePipelineLine, RefusesWhatItCannotRunWithoutAShell) {
    for (const std::string line : {"a > out", "a; b", "a | | b", "a |", "a 'open", "x $(y)", "a && b",
                                   "echo $HOME", "a \"$1\"", "x *"}) {
        EXPECT_THROW(ParsePipelineLine(line, "", ""), std::runtime_error) << line;
    }
}

std::string TestDir() {
#ifdef _WIN32
    return ExecutableDir();
#else
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
#endif
}

// The stage program, by its full path.
std::string Stage() {
#ifdef _WIN32
    return TestDir() + "\\plv_stage_prog.exe";
#else
    return TestDir() + "/plv_stage_prog";
#endif
}

PipelineCommand Chain(const std::vector<std::vector<std::string>>& stages) {
    PipelineCommand c;
    for (auto s : stages) {
        s.insert(s.begin(), Stage());
        c.push_back(s);
    }
    return c;
}

// Watches a process by id from before a test ends it (on Windows through a handle, so that the
// id cannot be reused meanwhile).
class ProcessWatch {
  public:
#ifdef _WIN32
    explicit ProcessWatch(ProcessId pid)
        : h_(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)) {}
    ~ProcessWatch() {
        if (h_ != nullptr) CloseHandle(h_);
    }
    bool alive() const { return h_ != nullptr && WaitForSingleObject(h_, 0) == WAIT_TIMEOUT; }
    // Kills it and waits (bounded) until it is gone.
    void Kill() {
        TerminateProcess(h_, 9);
        WaitForSingleObject(h_, 5000);
    }

  private:
    HANDLE h_;
#else
    explicit ProcessWatch(ProcessId pid) : pid_(pid) {}
    // Reaped, not just killed, once the pipeline is done with it: a zombie would still answer.
    bool alive() const { return ::kill(pid_, 0) == 0; }
    // Returns once the process has ended (a zombie until the pipeline reaps it): SIGKILL is only
    // delivered, and a stage whose pipes closed but which is not yet a zombie would race the
    // pipeline's check of its stages.
    void Kill() {
        ::kill(pid_, SIGKILL);
        const std::string stat = "/proc/" + std::to_string(pid_) + "/stat";
        for (int i = 0; i < 500; ++i) {
            std::ifstream in(stat);
            std::string line;
            if (!std::getline(in, line)) return;  // reaped
            const auto close = line.rfind(')');
            if (close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'Z') return;
            std::this_thread::sleep_for(milliseconds(10));
        }
    }

  private:
    ProcessId pid_;
#endif
};

std::string Upper(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

TEST(Pipeline, ExchangesManyRequestsOverOneChain) {
    auto p = Pipeline::Start(Chain({{"upper"}, {"echo"}, {"echo"}}));
    ASSERT_EQ(p->pids().size(), 3u);
    std::vector<std::string> requests{"banana", "", "abc\nabc", std::string(1 << 20, 'a')};
    for (int i = 0; i < 200; ++i) requests.push_back("sentence " + std::to_string(i));
    std::string answer;
    for (const auto& in : requests) {
        ASSERT_EQ(p->Exchange(in, &answer, milliseconds(10000)), Pipeline::Status::kOk) << in.substr(0, 20);
        ASSERT_EQ(answer, Upper(in));
    }
    EXPECT_TRUE(p->usable());
}

TEST(Pipeline, BytesComeBackUnchanged) {
    std::string every_byte;
    for (int b = 1; b < 256; ++b) every_byte += static_cast<char>(b);
    auto p = Pipeline::Start(Chain({{"echo"}, {"echo"}}));
    std::string answer;
    for (const std::string& in :
         {every_byte, std::string("\x1A"), std::string("a\rb"), std::string("\n"), std::string("x\r\ny\r"),
          std::string("\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E \xC3\xBC")}) {
        ASSERT_EQ(p->Exchange(in, &answer, milliseconds(5000)), Pipeline::Status::kOk);
        EXPECT_EQ(answer, in);
    }
}

TEST(Pipeline, EngineProgramRunsBareNamesUnderTheirOwnNameInTheWorkingDirectory) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("plv-pipeline-test-" + std::to_string(Clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "x.mode") << "lt-proc -z data/x.bin | upper\n";
    const LaunchOptions engine{Stage(), dir.string()};
    {
        // The engine program picks its part by argv[0]: "upper" upper-cases, "echo" copies.
        auto p = Pipeline::Start({{"upper"}, {"echo"}}, engine);
        std::string answer;
        EXPECT_EQ(p->Exchange("abc", &answer, milliseconds(5000)), Pipeline::Status::kOk);
        EXPECT_EQ(answer, "ABC");
    }  // its stages gone: Windows keeps a folder that is a process's working directory
    // A relative file is found in the working directory.
    const auto mode = RunProgram("apertium-wblank-mode", {"-z", "x.mode"}, 1024, milliseconds(10000), engine);
    EXPECT_EQ(mode.exit_code, 0) << mode.err;
    EXPECT_EQ(mode.out, "lt-proc -z data/x.bin | upper\n");
    // Each argument arrives as one, whatever it holds: blanks, quotes, backslashes (before a
    // quote and at the end), an empty one, shell syntax, non-ASCII.
    const std::vector<std::string> args{"a b",
                                        "",
                                        "q\"uote",
                                        "back\\",
                                        "two\\\\",
                                        "b\\\"q",
                                        "tab\tx",
                                        "it's $(x) `y`; z",
                                        "\xC3\xBC \xF0\x9F\x98\x80"};
    const auto echoed = RunProgram("args", args, 4096, milliseconds(10000), engine);
    std::string expected;
    for (const auto& a : args) expected += a + "|";
    EXPECT_EQ(echoed.out, expected);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    EXPECT_FALSE(ec) << ec.message();
}

TEST(Pipeline, ReportsAKilledStageOfAnyPosition) {
    for (std::size_t victim = 0; victim < 3; ++victim) {
        auto p = Pipeline::Start(Chain({{"echo"}, {"upper"}, {"echo"}}));
        std::string answer;
        ASSERT_EQ(p->Exchange("a", &answer, milliseconds(5000)), Pipeline::Status::kOk);
        ProcessWatch(p->pids()[victim]).Kill();
        EXPECT_EQ(p->Exchange("a", &answer, milliseconds(5000)), Pipeline::Status::kDied)
            << "stage " << victim;
        EXPECT_FALSE(p->usable());
    }
}

TEST(Pipeline, AStageDyingMidRequestGivesNoAnswer) {
    auto p = Pipeline::Start(Chain({{"echo"}, {"exit-after", "1"}, {"upper"}}));
    std::string answer;
    ASSERT_EQ(p->Exchange("first", &answer, milliseconds(5000)), Pipeline::Status::kOk);
    // The stages after the dead one flush and add a NUL at end of input: whatever comes back,
    // it is not the answer.
    const auto status = p->Exchange("second", &answer, milliseconds(5000));
    EXPECT_TRUE(status != Pipeline::Status::kOk || answer != "SECOND") << answer;
    EXPECT_NE(p->Exchange("third", &answer, milliseconds(5000)), Pipeline::Status::kOk);
    EXPECT_FALSE(p->usable());
}

TEST(Pipeline, TimesOutOnAStageThatNeverAnswers) {
    auto p = Pipeline::Start(Chain({{"echo"}, {"hang"}}));
    std::string answer;
    const auto t0 = Clock::now();
    EXPECT_EQ(p->Exchange("a", &answer, milliseconds(300)), Pipeline::Status::kTimeout);
    const auto took = Clock::now() - t0;
    EXPECT_GE(took, milliseconds(250));
    EXPECT_LT(took, milliseconds(3000));
    EXPECT_FALSE(p->usable());
}

TEST(Pipeline, AnAnswerIsReadNoFurtherThanItsCap) {
    // A stage that talks without end (and never sends the NUL) must not fill our memory until
    // the time-out.
    auto p = Pipeline::Start(Chain({{"flood"}}));
    std::string answer;
    const auto t0 = Clock::now();
    EXPECT_EQ(p->Exchange("a", &answer, milliseconds(20000), 1 << 20), Pipeline::Status::kTooLarge);
    EXPECT_LT(Clock::now() - t0, milliseconds(5000));
    EXPECT_LE(answer.size(), 1u << 20);
    EXPECT_FALSE(p->usable());
}

TEST(Pipeline, DestructionKillsEveryStage) {
    std::vector<std::unique_ptr<ProcessWatch>> watches;
    {
        auto p = Pipeline::Start(Chain({{"hang"}, {"hang"}, {"echo"}}));
        for (ProcessId pid : p->pids()) {
            watches.push_back(std::make_unique<ProcessWatch>(pid));
            ASSERT_TRUE(watches.back()->alive()) << pid;
        }
    }
    for (const auto& w : watches) EXPECT_FALSE(w->alive());
}

#ifdef _WIN32
// However the service is held in a job (plv.exe's lets its children go silently; Task
// Scheduler's or a launcher's may keep them, or let them ask to leave), its stages start, answer,
// and end with their pipeline: a few cases run again in a child of this suite held so.
TEST(Pipeline, StagesRunAndEndInsideEveryKindOfJob) {
    std::wstring line = L"\"" + Widen(TestDir() + "\\plv_service_unit_tests.exe") +
                        L"\" --gtest_filter=Pipeline.ExchangesManyRequestsOverOneChain:"
                        L"Pipeline.ReportsAKilledStageOfAnyPosition:Pipeline.DestructionKillsEveryStage";
    for (DWORD limit :
         {DWORD{0}, DWORD{JOB_OBJECT_LIMIT_BREAKAWAY_OK}, DWORD{JOB_OBJECT_LIMIT_SILENT_BREAKAWAY_OK}}) {
        const HANDLE job = CreateJobObjectW(nullptr, nullptr);
        ASSERT_NE(job, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | limit;
        ASSERT_TRUE(SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits));
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                                   nullptr, &si, &pi));
        EXPECT_TRUE(AssignProcessToJobObject(job, pi.hProcess));
        ResumeThread(pi.hThread);
        EXPECT_EQ(WaitForSingleObject(pi.hProcess, 120000), WAIT_OBJECT_0) << "job limit " << limit;
        DWORD code = 1;
        GetExitCodeProcess(pi.hProcess, &code);
        EXPECT_EQ(code, 0u) << "job limit " << limit;
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        CloseHandle(job);  // ends whatever is left
    }
}
#endif

// The engine over modes whose stages are the stage program (every Apertium name runs as its echo),
// in a modes folder of the test's own, with a clock the test moves.
class EngineFixture {
  public:
    EngineFixture() {
        dir_ = std::filesystem::temp_directory_path() /
               ("plv-engine-test-" + std::to_string(Clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(dir_ / "modes");
        std::filesystem::create_directories(dir_ / "data");
    }
    ~EngineFixture() {
        engine.reset();  // its stages gone first: Windows keeps a folder a process works in
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    void Start(std::size_t max_pipelines) {
        ApertiumOptions o;
        o.engine_program = Stage();
        o.max_pipelines = max_pipelines;
        o.idle_after = std::chrono::minutes(10);
        o.clock = [this] { return Clock::time_point(milliseconds(now_ms.load())); };
        engine = std::make_unique<ApertiumEngine>((dir_ / "modes").string(), o);
    }
    // A mode whose one stage names `data` (a file in the test's data folder) when given.
    void AddMode(const std::string& name, const std::string& data = "") {
        std::ofstream(dir_ / "modes" / (name + ".mode"))
            << "lt-proc" << (data.empty() ? "" : " '" + (dir_ / "data" / data).string() + "'") << "\n";
    }
    void RemoveMode(const std::string& name) { std::filesystem::remove(dir_ / "modes" / (name + ".mode")); }
    void AddData(const std::string& name) { std::ofstream(dir_ / "data" / name) << "data"; }
    void Advance(std::chrono::milliseconds by) { now_ms += by.count(); }
    // The directions whose pipeline runs, once none is still starting (a warm is in the background).
    std::set<std::string> Running(const std::set<std::string>& expected = {}) {
        std::set<std::string> got;
        const auto end = Clock::now() + std::chrono::seconds(10);
        do {
            got.clear();
            for (const auto& d : engine->Directions())
                if (!engine->Pids(d).empty()) got.insert(d);
            if (got == expected) break;
            std::this_thread::sleep_for(milliseconds(10));
        } while (Clock::now() < end);
        return got;
    }
    std::string Translate(const std::string& dir, const std::string& text = "abc") {
        const auto dash = dir.find('-');
        const auto r = engine->Translate(dir.substr(0, dash), dir.substr(dash + 1), text);
        return std::to_string(r.status) + " " + r.text.substr(0, 3);
    }

    std::unique_ptr<ApertiumEngine> engine;
    std::atomic<long long> now_ms{1000000};

  private:
    std::filesystem::path dir_;
};

TEST(ApertiumEngine, StartsWhatIsUsedKeepsAFewAndEndsTheIdle) {
    EngineFixture f;
    for (const char* m : {"eng-spa", "spa-eng", "cat-spa"}) f.AddMode(m);
    f.Start(2);
    EXPECT_EQ(f.Running(), std::set<std::string>{});  // nothing before it is asked for
    EXPECT_FALSE(f.engine->Warm("fr-de"));
    // Each step happens a minute after the one before; then the idle ones (10 minutes) end.
    struct Step {
        std::string what, dir;
        std::set<std::string> running;
    };
    const std::vector<Step> steps = {
        {"warm", "eng-spa", {"en-es"}},              // either code form; that one alone
        {"translate", "es-en", {"en-es", "es-en"}},  //
        {"translate", "ca-es", {"es-en", "ca-es"}},  // two at most: the least recently used ends
        {"warm", "es-en", {"es-en", "ca-es"}},       // warming a running one only marks it used
        {"translate", "en-es", {"es-en", "en-es"}},  // so ca-es is the one to end
        {"idle 8", "", {"es-en", "en-es"}},          // unused for 9 and 8 minutes: kept
        {"idle 1", "", {"en-es"}},                   // es-en unused for 10: ended
        {"translate", "es-en", {"en-es", "es-en"}},  // and started again when asked for
        {"idle 10", "", {}},                         //
    };
    for (const auto& step : steps) {
        if (step.what == "warm") {
            f.Advance(std::chrono::minutes(1));
            EXPECT_TRUE(f.engine->Warm(step.dir));
        } else if (step.what == "translate") {
            f.Advance(std::chrono::minutes(1));
            EXPECT_EQ(f.Translate(step.dir), "200 abc") << step.dir;
        } else {
            f.Advance(std::chrono::minutes(std::stoi(step.what.substr(5))));
            f.engine->EndIdle(Clock::time_point(milliseconds(f.now_ms.load())));
        }
        EXPECT_EQ(f.Running(step.running), step.running) << step.what << " " << step.dir;
    }
}

TEST(ApertiumEngine, NoticesModesInstalledAndRemovedWhileItRuns) {
    EngineFixture f;
    f.AddMode("eng-spa");
    f.Start(6);
    const auto directions = [&] {
        std::string error;
        std::set<std::string> out;
        for (const auto& l : f.engine->Languages(&error))
            for (const auto& t : l.targets) out.insert(l.code + "-" + t);
        return out;
    };
    EXPECT_EQ(directions(), std::set<std::string>{"en-es"});
    f.AddMode("spa-eng");
    EXPECT_EQ(directions(), std::set<std::string>{"en-es"});  // the folder is read once a second at most
    f.Advance(std::chrono::seconds(1));
    EXPECT_EQ(directions(), (std::set<std::string>{"en-es", "es-en"}));
    EXPECT_EQ(f.Translate("es-en"), "200 abc");
    // A request for a direction it does not know looks again.
    f.AddMode("cat-spa");
    f.Advance(std::chrono::seconds(1));
    EXPECT_EQ(f.Translate("ca-es"), "200 abc");
    // A pack whose mode came before its data: unavailable until the data are there.
    f.AddMode("eng-cat", "eng-cat.bin");
    f.Advance(std::chrono::seconds(1));
    EXPECT_EQ(f.Translate("en-ca"), "503 tra");
    EXPECT_NE(f.engine->Unavailable("en-ca"), "");
    f.AddData("eng-cat.bin");
    f.Advance(std::chrono::seconds(1));
    EXPECT_EQ(f.engine->Unavailable("en-ca"), "");
    EXPECT_EQ(f.Translate("en-ca"), "200 abc");
    // A mode removed: its direction is gone and its pipeline ends.
    ASSERT_FALSE(f.engine->Pids("es-en").empty());
    const ProcessWatch stage(f.engine->Pids("es-en").front());
    f.RemoveMode("spa-eng");
    f.Advance(std::chrono::seconds(1));
    EXPECT_EQ(directions(), (std::set<std::string>{"ca-es", "en-ca", "en-es"}));
    EXPECT_FALSE(stage.alive());
    EXPECT_EQ(f.Translate("es-en"), "400 unk");
}

TEST(Pipeline, UnknownProgramIsAnError) {
    EXPECT_THROW(Pipeline::Start({{Stage(), "echo"}, {"plv-no-such-program-anywhere"}}), std::runtime_error);
    EXPECT_THROW(Pipeline::Start({{TestDir() + "/plv-no-such-program"}}), std::runtime_error);
    EXPECT_THROW(RunProgram("plv-no-such-program-anywhere", {}, 1024, milliseconds(1000)),
                 std::runtime_error);
}

TEST(RunProgram, KeepsStdoutAndStderrApartWithTheExitCode) {
    const auto r = RunProgram(Stage(), {"run", "out\n", "err\n", "3"}, 1024, milliseconds(10000));
    EXPECT_EQ(r.exit_code, 3);
    EXPECT_EQ(r.out, "out\n");
    EXPECT_EQ(r.err, "err\n");
    // Input on stdin, longer than a pipe holds, while the program answers as it reads it.
    const std::string input = std::string(300000, 'a') + "\xC3\xBC\n\r\x1A z";
    const auto upper = RunProgram(Stage(), {"upper"}, 1 << 20, milliseconds(10000), {}, input);
    EXPECT_EQ(upper.exit_code, 0);
    EXPECT_EQ(upper.out, Upper(input) + std::string(1, '\0'));  // the stage program's NUL at end of input
    const auto big = RunProgram(Stage(), {"flood"}, 4096, milliseconds(10000));
    EXPECT_TRUE(big.too_large);
    EXPECT_LE(big.out.size(), 4097u);
    const auto t0 = Clock::now();
    const auto slow = RunProgram(Stage(), {"hang"}, 1024, milliseconds(300));
    EXPECT_TRUE(slow.timed_out);
    EXPECT_EQ(slow.exit_code, -1);
    EXPECT_LT(Clock::now() - t0, milliseconds(5000));
}

TEST(RunProgram, FindsABareNameInPath) {
    const char* old = std::getenv("PATH");
    const std::string saved = old ? old : "";
#ifdef _WIN32
    _putenv_s("PATH", (TestDir() + ";" + saved).c_str());
#else
    setenv("PATH", (TestDir() + ":" + saved).c_str(), 1);
#endif
    const auto r = RunProgram("plv_stage_prog", {"run", "found", "", "0"}, 1024, milliseconds(10000));
#ifdef _WIN32
    _putenv_s("PATH", saved.c_str());
#else
    setenv("PATH", saved.c_str(), 1);
#endif
    EXPECT_EQ(r.out, "found");
    EXPECT_EQ(r.exit_code, 0);
}

}  // namespace
}  // namespace plv
