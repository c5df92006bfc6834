#include "pipeline.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <stdexcept>

namespace plv {
namespace {

using std::chrono::milliseconds;

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

// GNU sed in NUL-separated, unbuffered mode behaves like an Apertium stage in null-flush mode:
// it answers each NUL-terminated record as soon as it arrives.
PipelineCommand SedChain() { return {{"sed", "-u", "-z", "s/a/b/g"}, {"sed", "-u", "-z", "s/b/c/g"}}; }

TEST(Pipeline, ExchangesManyRequestsOverOneChain) {
    auto p = Pipeline::Start(SedChain());
    ASSERT_EQ(p->pids().size(), 2u);
    std::string answer;
    for (const std::string& in :
         std::vector<std::string>{"banana", "", "abc\nabc", std::string(200000, 'a')}) {
        ASSERT_EQ(p->Exchange(in, &answer, milliseconds(5000)), Pipeline::Status::kOk);
        std::string expected = in;
        for (char& ch : expected) {
            if (ch == 'a' || ch == 'b') ch = 'c';
        }
        EXPECT_EQ(answer, expected);
    }
    EXPECT_TRUE(p->usable());
}

TEST(Pipeline, ReportsAKilledStageOfAnyPosition) {
    for (std::size_t victim = 0; victim < 2; ++victim) {
        auto p = Pipeline::Start(SedChain());
        std::string answer;
        ASSERT_EQ(p->Exchange("a", &answer, milliseconds(5000)), Pipeline::Status::kOk);
        ASSERT_EQ(kill(p->pids()[victim], SIGKILL), 0);
        EXPECT_EQ(p->Exchange("a", &answer, milliseconds(5000)), Pipeline::Status::kDied)
            << "stage " << victim;
        EXPECT_FALSE(p->usable());
    }
}

TEST(Pipeline, TimesOutOnAStageThatNeverAnswers) {
    auto p = Pipeline::Start({{"sed", "-u", "-z", "s/a/b/"}, {"sleep", "30"}});
    std::string answer;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(p->Exchange("a", &answer, milliseconds(300)), Pipeline::Status::kTimeout);
    const auto took = std::chrono::steady_clock::now() - t0;
    EXPECT_GE(took, milliseconds(250));
    EXPECT_LT(took, milliseconds(3000));
    EXPECT_FALSE(p->usable());
}

TEST(Pipeline, AnAnswerIsReadNoFurtherThanItsCap) {
    // A stage that talks without end (and never sends the NUL) must not fill our memory until
    // the time-out.
    auto p = Pipeline::Start({{"yes", "a long line of output"}});
    std::string answer;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(p->Exchange("a", &answer, milliseconds(20000), 1 << 20), Pipeline::Status::kTooLarge);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, milliseconds(5000));
    EXPECT_LE(answer.size(), 1u << 20);
    EXPECT_FALSE(p->usable());
}

TEST(RunProgram, KeepsStdoutAndStderrApartAndRunsNoShell) {
    const auto r = RunProgram("sh", {"-c", "echo out; echo err >&2; exit 3"}, 1024, milliseconds(5000));
    EXPECT_EQ(r.exit_code, 3);
    EXPECT_EQ(r.out, "out\n");
    EXPECT_EQ(r.err, "err\n");
    // An argument is one argument, whatever it holds.
    const auto q = RunProgram("printf", {"%s|", "it's $(x) `y`; z"}, 1024, milliseconds(5000));
    EXPECT_EQ(q.out, "it's $(x) `y`; z|");
    const auto big = RunProgram("yes", {}, 4096, milliseconds(5000));
    EXPECT_TRUE(big.too_large);
    EXPECT_LE(big.out.size(), 4097u);
    const auto slow = RunProgram("sleep", {"30"}, 1024, milliseconds(300));
    EXPECT_TRUE(slow.timed_out);
}

TEST(Pipeline, DestructionKillsAndReapsEveryStage) {
    std::vector<pid_t> pids;
    {
        auto p = Pipeline::Start({{"sleep", "30"}, {"sleep", "30"}, {"cat"}});
        pids = p->pids();
        for (pid_t pid : pids) ASSERT_EQ(kill(pid, 0), 0);
    }
    // Reaped, not just killed: a zombie would still answer kill(pid, 0).
    for (pid_t pid : pids) EXPECT_NE(kill(pid, 0), 0) << pid;
}

TEST(Pipeline, UnknownProgramIsAnError) {
    EXPECT_THROW(Pipeline::Start({{"cat"}, {"plv-no-such-program-anywhere"}}), std::runtime_error);
}

}  // namespace
}  // namespace plv
