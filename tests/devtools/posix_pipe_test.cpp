// The DevTools client's edges over a POSIX pipe, with the test as the browser or with stand-in
// browsers that exit at once or never answer: every wait ends within its bound, and the engine
// ends what it started. No display is needed.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/text.h"
#include "platform/devtools/chromium_core.h"
#include "platform/devtools/linux_chromium.h"
#include "platform/devtools/posix_pipe.h"

namespace plv::devtools {
namespace {

using nlohmann::json;
using namespace std::string_literals;

// Whether a process of the group still lives (zombies, which nothing may have reaped yet, do not
// count).
bool GroupLives(int group) {
    for (const auto& e : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(e.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) {
            continue;
        }
        char state = 0;
        int parent = 0;
        int pgrp = 0;
        if (std::sscanf(line.c_str() + line.rfind(')') + 1, " %c %d %d", &state, &parent, &pgrp) == 3 &&
            pgrp == group && state != 'Z') {
            return true;
        }
    }
    return false;
}

std::int64_t MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

// The test plays the browser: it reads our commands on `commands` and answers on `answers`.
struct Peer {
    int commands = -1;  // the browser's read end
    int answers = -1;   // the browser's write end
    std::unique_ptr<Transport> transport;
    Peer() {
        int c[2];
        int a[2];
        EXPECT_EQ(pipe(c), 0);
        EXPECT_EQ(pipe(a), 0);
        commands = c[0];
        answers = a[1];
        transport = MakePosixPipe(a[0], c[1]);
    }
    ~Peer() {
        for (int fd : {commands, answers}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }
    void Answer(const std::string& bytes) {
        ASSERT_EQ(write(answers, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
};

TEST(DevToolsPipe, FramingKeepsWholeMessagesAndDropsOversizedOnes) {
    NulFraming f;
    std::deque<std::string> got;
    for (std::string piece : {"{\"a\":"s, "1}\0{\"b\":2}\0{\"c\""s}) {
        f.Add(piece.data(), piece.size());
    }
    f.Take(got);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], "{\"a\":1}");
    EXPECT_EQ(got[1], "{\"b\":2}");
    std::string huge(kMaxMessageBytes + 1, 'x');
    f.Add(huge.data(), huge.size());
    f.Add("\0ok\0", 4);  // NUL, o, k, NUL
    got.clear();
    f.Take(got);
    ASSERT_EQ(got.size(), 1u) << "the piece before, the oversized message with it, and then the next one";
    EXPECT_EQ(got[0], "ok");
    for (std::size_t i = 0; i < kMaxQueuedMessages + 10; ++i) {
        f.Add("m\0", 2);
    }
    got.clear();
    f.Take(got);
    EXPECT_EQ(got.size(), kMaxQueuedMessages);
}

TEST(DevToolsPipe, SessionTakesOnlyItsOwnAnswerAndCountsAHungPage) {
    Peer peer;
    Session session(std::move(peer.transport));
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(session.Call("A.first", json::object(), 100), std::nullopt);
    EXPECT_LT(MsSince(start), 1000);
    // The first answer comes late, before the second's: only the second is taken for it.
    peer.Answer("{\"id\":1,\"result\":{\"v\":1}}");
    peer.Answer("\0{\"method\":\"Some.event\"}\0{\"id\":2,\"result\":{\"v\":2}}\0"s);
    auto second = session.Call("A.second", json::object(), 1000);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ((*second)["v"], 2);
    peer.Answer("{\"id\":3,\"error\":{\"code\":-1}}\0"s);
    EXPECT_EQ(session.Call("A.third", json::object(), 1000), std::nullopt) << "an error answer";
    EXPECT_FALSE(session.Broken());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(session.Call("A.unanswered", json::object(), 50), std::nullopt);
    }
    EXPECT_TRUE(session.Broken()) << "three unanswered commands in a row";
    EXPECT_EQ(session.Post("A.page", json::object()), 0) << "page commands stop";
    EXPECT_NE(session.Post("A.browser", json::object(), To::Browser), 0) << "browser commands still go";
}

TEST(DevToolsPipe, AFullPipeOrAGoneBrowserEndsTheConnectionWithinTheBound) {
    {
        Peer peer;  // never reads its commands
        auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(peer.transport->Send(std::string(1 << 20, 'x'), NowMs() + 200));
        EXPECT_LT(MsSince(start), 1000);
        EXPECT_TRUE(peer.transport->Ended()) << "half a message cannot be taken back";
    }
    Peer peer;
    close(peer.commands);
    peer.commands = -1;
    // The program dies of SIGPIPE here if the write raises it.
    EXPECT_FALSE(peer.transport->Send("{}", NowMs() + 200));
    EXPECT_TRUE(peer.transport->Ended());
    Peer quiet;
    close(quiet.answers);
    quiet.answers = -1;
    auto start = std::chrono::steady_clock::now();
    quiet.transport->Wait(5000);
    EXPECT_LT(MsSince(start), 1000) << "the end of the browser's pipe ends the wait";
    EXPECT_TRUE(quiet.transport->Ended());
}

// The engine with a stand-in for Chromium, in a temporary directory of the test's own.
class StandInBrowser : public ::testing::Test {
  protected:
    void SetUp() override {
        char dir[] = "/tmp/plv-devtools-test-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        dir_ = dir;
        setenv("TMPDIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("PLV_CHROMIUM");
        unsetenv("TMPDIR");
        std::filesystem::remove_all(dir_);
    }
    void UseScript(const std::string& body) {
        std::string path = dir_ + "/browser";
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        chmod(path.c_str(), 0700);
        setenv("PLV_CHROMIUM", path.c_str(), 1);
    }
    // What is left in the temporary directory besides the script: profiles not removed.
    int Leftovers() {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir_)) {
            n += e.path().filename() != "browser";
        }
        return n;
    }
    std::string dir_;
};

TEST_F(StandInBrowser, OneThatExitsAtOnceIsSaidAndGone) {
    UseScript("exit 3");
    auto browser = std::make_unique<LinuxChromium>();
    browser->UseEngine({BrowserEngineKind::Chromium, u"", u""});
    auto start = std::chrono::steady_clock::now();
    browser->Navigate(u"http://127.0.0.1:1/");
    EXPECT_LT(MsSince(start), 4000);
    EXPECT_EQ(browser->TakeProblem(), u"The browser exited at once.");
    EXPECT_TRUE(browser->EngineGone());
    EXPECT_EQ(browser->GetElementProperty(u"text", u"value"), std::nullopt);
    browser.reset();
    EXPECT_EQ(Leftovers(), 0) << "the profile folder is removed";
}

TEST_F(StandInBrowser, OneThatNeverAnswersCostsTheStartBoundAndIsEndedWithTheEngine) {
    UseScript("sleep 60 & exec sleep 60");  // holds its pipe and a helper in its group
    auto browser = std::make_unique<LinuxChromium>();
    browser->UseEngine({BrowserEngineKind::Chromium, u"", u""});
    auto start = std::chrono::steady_clock::now();
    browser->Navigate(u"http://127.0.0.1:1/");
    EXPECT_LT(MsSince(start), kStartMs + 1500);
    EXPECT_EQ(browser->TakeProblem(), u"The browser did not answer on its DevTools pipe within 5 seconds.");
    EXPECT_FALSE(browser->EngineGone()) << "kept, and waited for again at the next navigation";
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(browser->GetElementProperty(u"text", u"value"), std::nullopt);
    EXPECT_LT(MsSince(start), 100) << "nothing is attached: at once";
    int pid = browser->BrowserProcess();
    ASSERT_GT(pid, 0);
    browser.reset();
    EXPECT_FALSE(GroupLives(pid)) << "the browser's process group has ended";
    EXPECT_EQ(Leftovers(), 0);
}

TEST_F(StandInBrowser, NoBrowserAndAttachAreSaid) {
    setenv("PLV_CHROMIUM", (dir_ + "/missing").c_str(), 1);
    LinuxChromium browser;
    browser.UseEngine({BrowserEngineKind::Chromium, u"", u""});
    browser.Navigate(u"http://127.0.0.1:1/");
    EXPECT_EQ(browser.TakeProblem(), u"The browser " + Utf8ToUtf16(dir_) + u"/missing could not be started.");
    EXPECT_EQ(browser.TakeProblem(), u"") << "said once";
    browser.UseEngine({BrowserEngineKind::Attach, u"http://127.0.0.1:9222", u""});
    EXPECT_NE(browser.TakeProblem().find(u"not available on Linux"), std::u16string::npos);
    EXPECT_FALSE(browser.EngineGone());
}

}  // namespace
}  // namespace plv::devtools
