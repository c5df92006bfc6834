// The same selections at 100, 125, 150 and 200 % scaling: every window the program shows is the
// 96-DPI one scaled, within a pixel; the popup's labels keep their places, and the link row is
// inside the popup wherever it is at 96 DPI. The drag threshold and the distance at which the
// icon goes scale too.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "platform/sim/scenario.h"

namespace plv::sim {
namespace {

// Left, top, width, height.
using Rect = std::array<double, 4>;

Rect Numbers(const std::string& text) {
    Rect r{};
    std::istringstream in(text);
    char comma = 0;
    in >> r[0] >> comma >> r[1] >> comma >> r[2] >> comma >> r[3];
    return r;
}

// A window's rectangle as the runner prints it, left, top, right, bottom.
Rect Window(const std::string& text) {
    Rect r = Numbers(text);
    return {r[0], r[1], r[2] - r[0], r[3] - r[1]};
}

// A label's geometry in twips, and whether it is visible: `"CAPTION" L,T,W,H visible`.
struct Label {
    Rect twips{};
    bool visible = false;
};

Label ReadLabel(const std::string& value) {
    std::size_t end = value.rfind('"');
    std::istringstream rest(value.substr(end + 1));
    std::string numbers;
    std::string state;
    rest >> numbers >> state;
    return {Numbers(numbers), state == "visible"};
}

// What a user sees of one selection at one DPI.
struct Seen {
    std::string exit;
    Rect iconOffered{};
    Rect popup{};
    Rect iconOnPopup{};
    Rect popupTwips{};
    std::vector<Label> labels;
    std::string afterSmallDrag;
    std::string iconNear;
    std::string iconFar;
};

struct Selection {
    const char* name;
    const char* setting;  // a setting line, or empty
    const char* text;
    int x1, y, x2;
};

const char* const kLabels[] = {"label.google", "label.lblCopy", "label.lbldir"};

Seen RunAt(const Selection& s, int dpi) {
    auto px = [dpi](double v) { return std::to_string(RoundHalfEven32(v * dpi / 96.0)); };
    std::string script = "dpi " + std::to_string(dpi) + "\n" + "monitor 0,0," + px(1024) + "," + px(768) +
                         " work=0,0," + px(1024) + "," + px(728) + "\n" + s.setting + "\n" +
                         "app winword.exe \"" + s.text + "\"\nregistry winword.exe -1\nstart\nwait 500\n" +
                         "foreground winword.exe\nwait 50\n";
    std::ostringstream out;
    ScenarioRunner runner(out, false, ".");
    Seen seen;
    // A drag of 25 pixels at 96 DPI is a click that moved, at any scaling.
    runner.Run(script + "drag " + px(s.x1) + " " + px(s.y) + " " + px(s.x1 + 25) + " " + px(s.y) +
               "\nwait 100\n");
    seen.afterSmallDrag = runner.Value("icon.visible");
    runner.RunMore("drag " + px(s.x1) + " " + px(s.y) + " " + px(s.x2) + " " + px(s.y) + "\nwait 100\n");
    seen.iconOffered = Window(runner.Value("icon.rect"));
    // The pointer may go 50 pixels (at 96 DPI) farther from the icon than it was: 45 to the left
    // keeps the offer, 56 takes it away.
    runner.RunMore("move " + px(s.x2 - 45) + " " + px(s.y) + "\nwait 100\n");
    seen.iconNear = runner.Value("icon.visible");
    runner.RunMore("move " + px(s.x2 - 56) + " " + px(s.y) + "\nwait 100\n");
    seen.iconFar = runner.Value("icon.visible");
    runner.RunMore("drag " + px(s.x1) + " " + px(s.y) + " " + px(s.x2) + " " + px(s.y) +
                   "\nwait 100\nclick icon\nwait 2000\n");
    seen.popup = Window(runner.Value("popup.rect"));
    seen.iconOnPopup = Window(runner.Value("icon.rect"));
    seen.popupTwips = Numbers(runner.Value("popup.twips"));
    for (const char* name : kLabels) {
        seen.labels.push_back(ReadLabel(runner.Value(name)));
    }
    seen.exit = out.str();
    return seen;
}

bool Inside(const Label& l, const Rect& popupTwips) {
    return l.visible && l.twips[0] >= 0 && l.twips[1] >= 0 && l.twips[0] + l.twips[2] <= popupTwips[2] &&
           l.twips[1] + l.twips[3] <= popupTwips[3];
}

TEST(Scaling, EveryWindowIsTheOneAt96DpiScaled) {
    const Selection selections[] = {
        {"one line", "", "Hello world", 100, 100, 200},
        {"wrapped", "",
         "The translation of a longer selection wraps over several lines of the popup, whose "
         "width is transwidth pixels of text",
         100, 200, 600},
        {"narrow", "setting transwidth 60", "A popup too narrow for its link row", 100, 300, 400},
        {"at the corner", "", "The popup fits the screen at its corner", 880, 700, 1000},
    };
    for (const Selection& s : selections) {
        Seen base = RunAt(s, 96);
        ASSERT_EQ(base.exit, "") << s.name;
        ASSERT_EQ(base.afterSmallDrag, "no") << s.name;
        ASSERT_EQ(base.iconNear, "yes") << s.name;
        ASSERT_EQ(base.iconFar, "no") << s.name;
        for (int dpi : {120, 144, 192}) {
            double scale = dpi / 96.0;
            Seen seen = RunAt(s, dpi);
            std::string where = std::string(s.name) + " at " + std::to_string(dpi) + " DPI";
            EXPECT_EQ(seen.exit, "") << where;
            EXPECT_EQ(seen.afterSmallDrag, "no") << where;
            EXPECT_EQ(seen.iconNear, "yes") << where;
            EXPECT_EQ(seen.iconFar, "no") << where;
            // Left, top, width and height each within half a pixel of the exact scaling, beside
            // the half pixel the 96-DPI layout itself was rounded by, scaled.
            double tolerance = 0.5 + 0.5 * scale;
            auto expectScaled = [&](const Rect& at96, const Rect& got, const std::string& what) {
                for (std::size_t i = 0; i < 4; ++i) {
                    EXPECT_LE(std::abs(got[i] - at96[i] * scale), tolerance)
                        << where << ", " << what << " [" << i << "]: " << got[i] << " against " << at96[i];
                }
            };
            expectScaled(base.iconOffered, seen.iconOffered, "the offered icon");
            expectScaled(base.popup, seen.popup, "the popup");
            expectScaled(base.iconOnPopup, seen.iconOnPopup, "the icon above the popup");
            double twipsPerPixel = 1440.0 / dpi;
            for (std::size_t k = 0; k < base.labels.size(); ++k) {
                const Label& b = base.labels[k];
                const Label& l = seen.labels[k];
                EXPECT_EQ(Inside(l, seen.popupTwips), Inside(b, base.popupTwips))
                    << where << ", " << kLabels[k];
                if (Inside(b, base.popupTwips)) {
                    Rect atDpi{};
                    Rect at96{};
                    for (std::size_t i = 0; i < 4; ++i) {
                        atDpi[i] = l.twips[i] / twipsPerPixel;
                        at96[i] = b.twips[i] / 15.0;
                    }
                    expectScaled(at96, atDpi, kLabels[k]);
                }
            }
        }
    }
}

}  // namespace
}  // namespace plv::sim
