// The simulated desktop's own rules: the virtual clock, timer order and re-entrancy, the tray's
// Windows semantics, the text metrics that layouts are measured with, and several monitors.

#include <gtest/gtest.h>

#include <sstream>

#include "platform/sim/scenario.h"
#include "platform/sim/sim_desktop.h"

namespace plv::sim {
namespace {

struct Started {
    Started() { sim.StartProgram(); }
    SimDesktop sim;
    EventLoop& loop() { return sim.platform().loop; }
};

TEST(SimLoop, TimersTickInDueOrderTiesByCreation) {
    Started s;
    std::string log;
    TimerId a = s.loop().CreateTimer("a", [&] { log += "a"; });
    TimerId b = s.loop().CreateTimer("b", [&] { log += "b"; });
    TimerId c = s.loop().CreateTimer("c", [&] { log += "c"; });
    s.loop().SetTimer(c, 50, true);
    s.loop().SetTimer(b, 100, true);
    s.loop().SetTimer(a, 100, true);
    s.sim.Wait(100);
    EXPECT_EQ(log, "cabc");
    EXPECT_EQ(s.sim.world().now, 100);
    // Off, or without an interval, a timer never ticks.
    s.loop().SetTimer(a, 0, true);
    s.loop().SetTimer(b, 100, false);
    log.clear();
    s.sim.Wait(100);
    EXPECT_EQ(log, "cc");
}

TEST(SimLoop, SetTimerRestartsTheCount) {
    Started s;
    int ticks = 0;
    TimerId t = s.loop().CreateTimer("t", [&] { ++ticks; });
    s.loop().SetTimer(t, 100, true);
    s.sim.Wait(90);
    s.loop().SetTimer(t, 100, true);
    s.sim.Wait(90);
    EXPECT_EQ(ticks, 0);
    s.sim.Wait(10);
    EXPECT_EQ(ticks, 1);
}

TEST(SimLoop, SleepBlocksTimersAndPumpingRunsThemNested) {
    Started s;
    std::string log;
    TimerId fast = s.loop().CreateTimer("fast", [&] { log += "f"; });
    TimerId slow = 0;
    slow = s.loop().CreateTimer("slow", [&] {
        s.loop().SetTimer(slow, 40, false);
        log += "[";
        // Inside a tick: a sleep lets no timer run; the pump after it does, nested.
        s.loop().Sleep(70);
        log += "s";
        s.loop().PumpMessages();
        log += "]";
    });
    s.loop().SetTimer(fast, 50, true);
    s.loop().SetTimer(slow, 40, true);
    s.sim.Wait(40);
    // The slow tick at 40 sleeps to 110; the fast timer, due at 50, ticks once inside its pump.
    EXPECT_EQ(log, "[sf]");
    EXPECT_EQ(s.sim.world().now, 110);
}

TEST(SimLoop, OtherApplicationsActWhileTheProgramSleeps) {
    Started s;
    int acted = -1;
    s.sim.world().Schedule(30, [&] { acted = static_cast<int>(s.sim.world().now); });
    s.loop().Sleep(100);
    EXPECT_EQ(acted, 30);
    EXPECT_EQ(s.sim.world().now, 100);
}

TEST(SimLoop, NothingTicksAfterTheProgramEnded) {
    Started s;
    int ticks = 0;
    TimerId t = s.loop().CreateTimer("t", [&] { ++ticks; });
    s.loop().SetTimer(t, 10, true);
    s.sim.Wait(25);
    s.sim.platform().env.TerminateProcess(0);
    s.sim.Wait(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(s.sim.world().state, ProgramState::Terminated);
}

TEST(SimLoop, SecondsSinceMidnightWraps) {
    Started s;
    s.sim.world().dayStartMs = 24LL * 3600 * 1000 - 500;
    EXPECT_DOUBLE_EQ(s.loop().SecondsSinceMidnight(), 86399.5);
    s.sim.Wait(600);
    EXPECT_DOUBLE_EQ(s.loop().SecondsSinceMidnight(), 0.1);
}

TEST(SimTray, FollowsShellNotifyIconRules) {
    Started s;
    Tray& tray = s.sim.platform().tray;
    NotifyIconData d;
    d.owner = 5;
    d.id = 1;
    d.flags = kNifIcon | kNifTip;
    d.icon = Picture::TrayGrey;
    d.tip = u"tip";
    EXPECT_FALSE(tray.ShellNotifyIcon(NotifyAction::Modify, d)) << "no icon to modify yet";
    EXPECT_TRUE(tray.ShellNotifyIcon(NotifyAction::Add, d));
    EXPECT_FALSE(tray.ShellNotifyIcon(NotifyAction::Add, d)) << "added twice";
    d.flags = kNifTip;
    d.icon = Picture::TrayOrange;
    d.tip = u"new";
    EXPECT_TRUE(tray.ShellNotifyIcon(NotifyAction::Modify, d));
    EXPECT_EQ(s.sim.world().tray.icon.icon, Picture::TrayGrey) << "only the flagged fields change";
    EXPECT_EQ(s.sim.world().tray.icon.tip, u"new");
    d.id = 2;
    EXPECT_FALSE(tray.ShellNotifyIcon(NotifyAction::Delete, d)) << "another icon id";
    d.id = 1;
    EXPECT_TRUE(tray.ShellNotifyIcon(NotifyAction::Delete, d));
    EXPECT_FALSE(s.sim.world().tray.present);
}

TEST(SimMetrics, MeasuresWithFixedMetrics) {
    struct Case {
        const char16_t* text;
        double size;
        bool wrap;
        double width;
        SizeTwips expected;
    };
    const Case cases[] = {
        // 8.25 points: 82 twips a unit (82.5 rounds to even), 198 a line.
        {u"abc", 8.25, false, 0, {246, 198}},
        {u"", 10, false, 0, {0, 240}},
        {u"", 10, true, 1000, {1000, 240}},
        // 10 units fit in 1000 twips at 10 points; "aaaa bbbb" fits on one line.
        {u"aaaa bbbb", 10, true, 1000, {1000, 240}},
        {u"aaaa bbbb cc", 10, true, 1000, {1000, 480}},
        // A word wider than the label breaks between characters.
        {u"abcdefghijklmnopqrstuvwxy", 10, true, 1000, {1000, 720}},
        {u"ab abcdefghijklmnopqrstuvwxy", 10, true, 1000, {1000, 960}},
        // Line breaks end lines.
        {u"a\r\nb\nc\rd", 10, true, 1000, {1000, 960}},
        // 12.5 points: 125 twips a unit (half to even: 125), 300 a line.
        {u"ab", 12.5, false, 0, {250, 300}},
    };
    for (const Case& c : cases) {
        SizeTwips got = SimMeasureText(c.text, c.size, c.wrap, c.width);
        EXPECT_EQ(got.width, c.expected.width);
        EXPECT_EQ(got.height, c.expected.height);
    }
}

TEST(SimQuote, EscapesWhatScriptsEscape) {
    EXPECT_EQ(QuoteText(u"a\"b\\c\nd\re\tf\x01"), "\"a\\\"b\\\\c\\nd\\re\\tf\\u0001\"");
    EXPECT_EQ(QuoteText(u"\u00e9\U0001F600"), "\"\xC3\xA9\xF0\x9F\x98\x80\"");
}

// Several monitors: the one that shows a point, else the nearest; the primary sets the screen
// metrics; a script that describes an impossible arrangement is refused with the reason.
TEST(SimMonitors, PointsAndScriptLines) {
    struct Case {
        std::string script;
        std::string output;  // what the runner prints, the error line included
    };
    const std::string three =
        "monitor 0,0,1024,768 work=0,0,1024,728\nmonitor -1280,0,0,1024\nmonitor 1024,-200,2048,568\n";
    const Case cases[] = {
        {three, ""},
        {"monitor 10,0,1024,768\n",
         "ERROR line 1: the first monitor is the primary one and starts at 0,0, not at 10,0,1024,768\n"},
        {"monitor 0,0,1024,768\nmonitor 1000,0,2000,768\n",
         "ERROR line 2: the monitor 1000,0,2000,768 overlaps another monitor\n"},
        {"monitor 0,0,1024,768 work=0,0,1024,800\n",
         "ERROR line 1: the work area 0,0,1024,800 lies outside its monitor 0,0,1024,768\n"},
        {"monitor 0,0,0,768\n",
         "ERROR line 1: a monitor 0,0,0,768 is empty: right and bottom must exceed left and top\n"},
        {"monitor 0,0,1024,768\nscreen 800 600\n",
         "ERROR line 2: screen describes a single monitor; after monitor lines, add another monitor "
         "instead\n"},
        {three + "start\nunplug-monitor 1\n",
         "ERROR line 5: unplug-monitor takes the number of a monitor line other than the first (the "
         "primary), 2 to 3\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        ScenarioRunner runner(out, false, ".");
        runner.Run(c.script);
        EXPECT_EQ(out.str(), c.output) << c.script;
    }

    std::ostringstream out;
    ScenarioRunner runner(out, false, ".");
    runner.Run(three);
    Desktop& d = runner.desktop().platform().desktop;
    EXPECT_EQ(d.GetSystemMetrics(kSmCxScreen), 1024);
    EXPECT_EQ(d.GetSystemMetrics(kSmCyScreen), 768);
    struct At {
        PointPx point;
        RectPx work;
    };
    for (At a : {At{{500, 700}, {0, 0, 1024, 728}}, At{{-1, 1000}, {-1280, 0, 0, 1024}},
                 At{{1024, -200}, {1024, -200, 2048, 568}}, At{{500, 900}, {0, 0, 1024, 728}},
                 At{{1500, 700}, {1024, -200, 2048, 568}}, At{{-5000, -5000}, {-1280, 0, 0, 1024}}}) {
        EXPECT_EQ(d.MonitorAt(a.point).work, a.work) << a.point.x << "," << a.point.y;
    }
    runner.RunMore("start\nunplug-monitor 2\n");
    EXPECT_EQ(d.MonitorAt({-1, 1000}).work, (RectPx{0, 0, 1024, 728})) << "gone: the nearest is the primary";
}

}  // namespace
}  // namespace plv::sim
