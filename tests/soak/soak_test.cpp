// Ten thousand selections with random texts, sizes and timings, on every path the program has:
// each way of copying, cut and whole texts, cache hits, slow and silent pages, reveals, copies,
// closes and icons left alone. Run under AddressSanitizer by scripts/test; afterwards the program
// must still be running and still translate.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "platform/sim/scenario.h"

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
    setup += "start\nwait 500\nforeground insert.exe\n";
    ASSERT_EQ(runner.Run(setup), 0) << out.str();

    for (int i = 0; i < kSelections; ++i) {
        std::ostringstream s;
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
        ASSERT_EQ(runner.RunMore(s.str()), 0) << "selection " << i << "\n"
                                              << s.str() << out.str().substr(0, 2000);
        // The user does something with what appeared.
        if (runner.Clickable("icon") && pick(2) == 0) {
            std::string click;
            if (pick(15) == 0) {
                // The other button switches translation off; the tray icon switches it on again.
                click = "click icon right\nwait 400\ntray 513\n";
            } else {
                click = "click icon\nwait " + std::to_string(pick(1200)) + "\n";
            }
            ASSERT_EQ(runner.RunMore(click), 0) << "selection " << i << "\n" << click;
            if (runner.Clickable("cross")) {
                std::string then;
                if (pick(3) == 0) {
                    then +=
                        "select-popup " + std::to_string(pick(20)) + " " + std::to_string(pick(20)) + "\n";
                }
                // A narrow popup has no copy link on the screen.
                if (pick(4) == 0 && runner.Clickable("copy")) {
                    then += "click copy\n";
                } else if (pick(2) == 0) {
                    then += "click cross\n";
                }
                ASSERT_EQ(runner.RunMore(then), 0) << "selection " << i << "\n" << then;
            }
        }
        ASSERT_EQ(runner.RunMore("wait " + std::to_string(pick(800)) + "\n"), 0);
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
