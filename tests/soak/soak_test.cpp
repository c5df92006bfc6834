// Ten thousand selections with random texts, sizes and timings, on every path the program has:
// each way of copying, cut and whole texts, cache hits, slow and silent pages, reveals, copies,
// closes and icons left alone, with a clipboard manager reading every change. Run under
// AddressSanitizer by scripts/test. After every step: the popup is never up without its icon to
// close it, the user's clipboard is exactly what they last put there, no timer runs that nothing
// waits for, and no glide is marked as running. Afterwards the program must still be running and
// still translate.

#include <gtest/gtest.h>

#include <cstdio>

#include <random>
#include <set>
#include <sstream>

#include "base/text.h"
#include "platform/sim/scenario.h"
#include "platform/sim/sim_desktop.h"

namespace plv::sim {
namespace {

constexpr int kSelections = 10000;

std::string RandomText(std::mt19937& rng) {
    static const char* const kPieces[] = {"word",
                                          "Wort",
                                          "\\u0416\\u0443\\u043a",
                                          "\\u00e9t\\u00e9",
                                          "\\uD83D\\uDE00",
                                          ".",
                                          ",",
                                          "-",
                                          "!",
                                          "/",
                                          "\\\\",
                                          ":",
                                          ";",
                                          "\\\"",
                                          "\\t",
                                          "\\r\\n"};
    std::uniform_int_distribution<int> length(0, 140);
    std::uniform_int_distribution<int> piece(0, 15);
    std::uniform_int_distribution<int> blank(0, 2);
    std::string text;
    for (int i = length(rng); i > 0; --i) {
        text += kPieces[piece(rng)];
        if (blank(rng) == 0) {
            text += " ";
        }
    }
    return "\"" + text + "\"";
}

// What the user puts on the clipboard, always with both text formats (so that none is made by
// Windows): set apart with a format of its own; one the other converted, with bytes after its end.
const char* const kUserClipboards[] = {
    // One entry in two pieces; the parentheses tell clang that no comma is missing between them.
    ("clipboard format 13 6D0069006E0065000000\nclipboard format 1 4D494E45005858\nclipboard format 49999 "
     "0102\n"),
    "clipboard format 1 6869808100\nclipboard format 13 68006900AC2081000000FFFF\n",
    "clipboard empty\n",
};

// The clipboard as shown, less the mark the capture adds for clipboard history, and less an ANSI
// text that is only what Windows makes from the Unicode text (the popup's "copy" sets the Unicode
// text alone; a capture gives back both text formats as it found them).
std::string Unmarked(ScenarioRunner& runner) {
    auto& world = runner.desktop().world();
    std::set<std::string> dropped;
    for (const auto& [id, name] : world.clipboard.registered) {
        if (name == "ExcludeClipboardContentFromMonitorProcessing") {
            dropped.insert(std::to_string(id) + ":00000000");
        }
    }
    std::string made = "1:";
    for (char c : Utf16ToAnsi(SimClipboardText(world)) + '\0') {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(c));
        made += hex;
    }
    std::istringstream items(runner.Value("clipboard"));
    std::string shown;
    for (std::string item; items >> item;) {
        if (!dropped.count(item) && !(item == made && shown.rfind("13:", 0) == 0)) {
            shown += (shown.empty() ? "" : " ") + item;
        }
    }
    return shown;
}

// The invariants that hold between any two steps; an empty text when they do.
std::string BrokenInvariant(ScenarioRunner& runner, const std::string& userClipboard) {
    auto on = [&](const char* timer) {
        return runner.Value(std::string("timer.") + timer).rfind("on ", 0) == 0;
    };
    bool icon = runner.Value("icon.visible") == "yes";
    if (runner.Value("popup.visible") == "yes" && !icon) {
        return "the popup is up without its icon";
    }
    if (Unmarked(runner) != userClipboard) {
        return "the clipboard is " + runner.Value("clipboard") + ", not the user's " + userClipboard;
    }
    if ((on("tmrHideIco") || on("tmrOut")) && !icon) {
        return "an icon timer runs without the icon: tmrHideIco " + runner.Value("timer.tmrHideIco") +
               ", tmrOut " + runner.Value("timer.tmrOut");
    }
    // The poll at 100 ms and the time-out run together, or neither does (the poll's interval is 0
    // until the first request: it never ticks).
    bool polling = runner.Value("timer.tmrTrans") == "on 100";
    if (polling != on("tmrTimeOut")) {
        return "the poll is " + runner.Value("timer.tmrTrans") + ", the time-out " +
               runner.Value("timer.tmrTimeOut");
    }
    if (runner.Value("gliding") != "no") {
        return "a glide is marked as running between steps";
    }
    // What is shown lies whole on the screen (one monitor of 1024 x 768, no taskbar).
    for (std::string window : {"icon", "popup"}) {
        if (runner.Value(window + ".visible") == "yes") {
            int l = 0, t = 0, r = 0, b = 0;
            std::string rect = runner.Value(window + ".rect");
            if (std::sscanf(rect.c_str(), "%d,%d,%d,%d", &l, &t, &r, &b) != 4 || l < 0 || t < 0 || r > 1024 ||
                b > 768) {
                return "the " + window + " at " + rect + " is not whole on the screen";
            }
        }
    }
    return "";
}

TEST(Soak, TenThousandSelections) {
    std::ostringstream out;
    ScenarioRunner runner(out, false, ".");
    std::mt19937 rng(20261207);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const char* const kApps[] = {"insert.exe", "message.exe", "ctrlc.exe", "late.exe", "none.exe"};
    const char* const kCopy[] = {"insert", "message", "ctrl-c", "late", "none"};
    std::string setup = "setting maxtranslen 60\nsetting servertimeout 1\nsetting hideiconinterval 0.5\n";
    for (int i = 0; i < 5; ++i) {
        setup +=
            std::string("app ") + kApps[i] + " copy=" + kCopy[i] + " \"\"\nregistry " + kApps[i] + " -1\n";
    }
    // A clipboard manager that reads for a moment after every change.
    setup += "app ditto.exe watcher=30\n";
    setup += "start\nwait 500\nforeground insert.exe\n";
    ASSERT_EQ(runner.Run(setup), 0) << out.str();
    std::string userClipboard = Unmarked(runner);
    auto step = [&](const std::string& lines, int i) {
        ASSERT_EQ(runner.RunMore(lines), 0) << "selection " << i << "\n"
                                            << lines << out.str().substr(0, 2000);
        std::string broken = BrokenInvariant(runner, userClipboard);
        ASSERT_EQ(broken, "") << "selection " << i << " after:\n" << lines;
    };

    // Translation switched off for the application in front (the icon's other button does that)
    // is switched on again from the tray, as its user would; the tray switches nothing while the
    // program is not connected, so it is clicked again a while apart until it is on.
    auto switchBackOn = [&](int i) {
        for (int k = 0; k < 20 && runner.Value("enabled") != "yes"; ++k) {
            step("wait 600\ntray 513\n", i);
            if (HasFatalFailure()) {
                return;
            }
        }
    };

    for (int i = 0; i < kSelections; ++i) {
        std::ostringstream s;
        if (pick(20) == 0) {
            // Well after the manager has read the last change, the user copies something.
            ASSERT_EQ(runner.RunMore(std::string("wait 100\n") + kUserClipboards[pick(3)]), 0);
            userClipboard = Unmarked(runner);
        }
        // Mostly the usual application; now and then another one comes to the front.
        const char* app = pick(8) == 0 ? kApps[pick(5)] : kApps[0];
        s << "select " << app << " " << RandomText(rng) << "\n";
        if (pick(10) == 0) {
            s << "foreground " << app << "\n";
        }
        switch (pick(12)) {
            case 0:
                s << "page silent\n";
                break;
            case 1:
                s << "page answer \"\"\n";
                break;
            default:
                s << "page answer-after " << pick(1500) << "\n";
                s << "page answer " << RandomText(rng) << "\n";
        }
        int x = 20 + pick(980);
        int y = 20 + pick(740);
        s << "drag " << x << " " << y << " " << 20 + pick(980) << " " << 20 + pick(740)
          << (pick(20) == 0 ? " right" : "") << "\n";
        s << "wait " << 50 + pick(100) << "\n";
        step(s.str(), i);
        if (HasFatalFailure()) {
            return;
        }
        // A drag with the other button that starts on the icon switches translation off too.
        switchBackOn(i);
        if (HasFatalFailure()) {
            return;
        }
        // The user does something with what appeared.
        if (runner.Clickable("icon") && pick(2) == 0) {
            std::string click;
            if (pick(15) == 0) {
                // The other button switches translation off; the tray icon switches it on again.
                click = "click icon right\nwait 400\ntray 513\n";
            } else {
                click = "click icon\nwait " + std::to_string(pick(1200)) + "\n";
            }
            step(click, i);
            if (HasFatalFailure()) {
                return;
            }
            switchBackOn(i);
            if (HasFatalFailure()) {
                return;
            }
            if (runner.Clickable("cross")) {
                std::string then;
                if (pick(3) == 0) {
                    then +=
                        "select-popup " + std::to_string(pick(20)) + " " + std::to_string(pick(20)) + "\n";
                }
                // A narrow popup has no copy link on the screen.
                bool copies = pick(4) == 0 && runner.Clickable("copy");
                if (copies) {
                    then += "click copy\n";
                } else if (pick(2) == 0) {
                    then += "click cross\n";
                }
                ASSERT_EQ(runner.RunMore(then), 0) << "selection " << i << "\n" << then;
                if (copies) {
                    // The user asked for the translation on the clipboard: that is theirs now.
                    userClipboard = Unmarked(runner);
                }
                step("", i);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
        step("wait " + std::to_string(pick(800)) + "\n", i);
        if (HasFatalFailure()) {
            return;
        }
    }

    // Still running and still translating, after thousands of requests.
    EXPECT_EQ(runner.Value("running"), "yes");
    EXPECT_GT(std::stoi(runner.Value("page.requests")), kSelections / 2);
    std::string last =
        "page answer-after 200\npage answer \"still here\"\nselect insert.exe \"the last one\"\nforeground "
        "insert.exe\nwait 2000\ndrag 100 100 300 100\nwait 50\nexpect icon.visible yes\nclick icon\nwait "
        "2000\n"
        "expect popup.text \"still here\"\n";
    EXPECT_EQ(runner.RunMore(last), 0)
        << out.str().substr(out.str().size() > 2000 ? out.str().size() - 2000 : 0);
}

}  // namespace
}  // namespace plv::sim
