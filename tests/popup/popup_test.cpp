// Units of the popups: the cut, the fades, the glide's rules, the text box past its ANSI text.

#include <gtest/gtest.h>

#include "base/text.h"
#include "capture/selection_watcher.h"
#include "capture/translate.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/window_effects.h"
#include "platform/sim/sim_desktop.h"
#include "popup/frm_ico.h"
#include "popup/frm_trans.h"
#include "popup/popup_layout.h"
#include "support/forms_on_sim.h"

namespace plv {
namespace {

// Only the popups, without the rest of the program; a test makes the forms it uses.
struct Popups : FormsOnSim {
    Popups() {
        Start();
        sim.world().tracer = [this](const std::string& line) { trace.push_back(line); };
    }
    std::vector<std::string> Lines(const std::string& part) {
        sim.world().FlushTrace();
        std::vector<std::string> out;
        for (const auto& l : trace) {
            if (l.find(part) != std::string::npos) {
                out.push_back(l.substr(l.find(' ') + 1));
            }
        }
        return out;
    }
    FrmTrans& Trans() { return Make(app->frmTrans); }
    FrmIco& Ico() { return Make(app->frmico); }
    std::vector<std::string> trace;
};

TEST(CutText, CutsAtTheLastSeparatorWithinTheLimit) {
    struct Case {
        std::u16string text;
        std::int32_t max;
        std::u16string sent;
        std::u16string rest;
        bool whole;
    };
    const Case cases[] = {
        {u"aaaaa bbbbb, cccc dd e ffff gg", 20, u"aaaaa bbbbb, cccc ", u"dd e ffff gg", false},
        {u"abcdefghijklmnopqrst", 20, u"abcdefghijklmnopqrst", u"", true},
        {u"abcdefghijklmnopqrstu", 20, u"abcdefghijklmnopqrst", u"u", false},
        {u".bcdefghijklmnopqrstuv", 20, u".bcdefghijklmnopqrst", u"uv", false},
        {u"aaaaaaaaaaaaaaaaaaa.bbbbb", 20, u"aaaaaaaaaaaaaaaaaaa.", u"bbbbb", false},
        // A separator just past the limit does not count.
        {u"aaaaaaaaaaaaaaaaaaaa bbbb", 20, u"aaaaaaaaaaaaaaaaaaaa", u" bbbb", false},
        {u"a/b\\c;d:e!f-g", 6, u"a/b\\c;", u"d:e!f-g", false},
        {u"", 20, u"", u"", true},
        // A hard cut never splits a character outside the BMP.
        {u"abc\U0001F600def", 4, u"abc", u"\U0001F600def", false},
    };
    for (const Case& c : cases) {
        CutResult r = CutText(c.text, c.max);
        EXPECT_EQ(r.sent, c.sent) << Utf16ToUtf8(c.text);
        EXPECT_EQ(r.remainder, c.rest) << Utf16ToUtf8(c.text);
        EXPECT_EQ(r.whole, c.whole) << Utf16ToUtf8(c.text);
    }
}

TEST(FadeWindow, StepsThroughTheDocumentedValues) {
    Popups r;
    FrmTrans& t = r.Trans();
    t.Show();
    FadeWindow(*r.app, t, 20, 255, 3);
    // Transparency 98, 177, 255: opacity 157, 78, 0, 30 ms apart.
    EXPECT_EQ(r.Lines("popup alpha"),
              (std::vector<std::string>{"popup alpha=157", "popup alpha=78", "popup alpha=0"}));
    FrmIco& ico = r.Ico();
    ico.Show();
    std::int64_t before = r.sim.world().now;
    FadeWindow(*r.app, ico, 100, 255, 5);
    EXPECT_EQ(r.Lines("icon alpha"),
              (std::vector<std::string>{"icon alpha=124", "icon alpha=93", "icon alpha=62", "icon alpha=31",
                                        "icon alpha=0"}));
    EXPECT_EQ(r.sim.world().now - before, 150);
}

TEST(SetTranslucency, LayeredOnlyBelowFullOpacityAndFromWindows2000) {
    Popups r;
    Hwnd w = r.Ico().hWnd();
    auto& win = *r.sim.world().Window(w);
    SetTranslucency(*r.app, w, 1);
    EXPECT_TRUE(win.exStyle & kWsExLayered);
    EXPECT_EQ(win.alpha, 254);
    SetTranslucency(*r.app, w, 255);
    EXPECT_TRUE(win.exStyle & kWsExLayered);
    EXPECT_EQ(win.alpha, 0);
    SetTranslucency(*r.app, w, 0);
    EXPECT_FALSE(win.exStyle & kWsExLayered);
    r.app->startup.OsVersion = 400;
    SetTranslucency(*r.app, w, 100);
    EXPECT_FALSE(win.exStyle & kWsExLayered);
}

TEST(SetWindowTopmost, NoPointKeepsTheCurrentPlaceAndNeverActivates) {
    Popups r;
    FrmIco& ico = r.Ico();
    Hwnd front = r.sim.world().foreground;
    SetWindowTopmost(*r.app, ico.hWnd(), true, true, PointPx{300, 200});
    auto& w = *r.sim.world().Window(ico.hWnd());
    EXPECT_EQ(w.rect, (RectPx{300, 200, 316, 216}));
    EXPECT_TRUE(w.topmost);
    EXPECT_TRUE(w.visible);
    SetWindowTopmost(*r.app, ico.hWnd(), false, false);
    EXPECT_EQ(w.rect, (RectPx{300, 200, 316, 216}));
    EXPECT_FALSE(w.topmost);
    // 0 is a place like any other.
    SetWindowTopmost(*r.app, ico.hWnd(), true, true, PointPx{0, 0});
    EXPECT_EQ(w.rect, (RectPx{0, 0, 16, 16}));
    EXPECT_EQ(r.sim.world().foreground, front);
}

TEST(GlideWindow, AnimatesGrowthOnly) {
    Popups r;
    FrmTrans& t = r.Trans();
    t.Move(3000, 1500, 240, 450);
    t.Show();
    // 200 pixels wider at pace 50 (D = 6): each step a sixth of the rest, until under a pixel.
    std::int64_t before = r.sim.world().now;
    GlideWindow(*r.app, t, 240 + 3000, 450, 1500);
    std::int64_t steps = (r.sim.world().now - before) / 30;
    EXPECT_GE(steps, 18);
    EXPECT_LE(steps, 22);
    EXPECT_EQ(t.Width(), 3240);
    EXPECT_EQ(t.Left(), 1500);
    EXPECT_FALSE(r.app->popup.IsGliding);
    // Narrower and lower: one step each, no sleep; a left edge to the right is not applied.
    before = r.sim.world().now;
    GlideWindow(*r.app, t, 1500, 300, 2000);
    EXPECT_EQ(r.sim.world().now, before);
    EXPECT_EQ(t.Width(), 1500);
    EXPECT_EQ(t.Height(), 300);
    EXPECT_EQ(t.Left(), 1500);
}

TEST(RichText, UnicodeInAndOutPastTheAnsiText) {
    Popups r;
    FrmTrans& t = r.Trans();
    std::u16string text = u"\u0416\u0443\u043a \U0001F600 end";
    SetRichTextUnicode(*r.app, t, t.lblText, text, false);
    EXPECT_EQ(GetRichTextUnicode(*r.app, t, t.lblText, false), text);
    EXPECT_EQ(GetRichTextUnicode(*r.app, t, t.lblText, true), text) << "no selection: the whole text";
    auto& ui = r.sim.platform().ui;
    ui.RichSetSelection(t.hWnd(), t.control(t.lblText).id, 4, 2);
    EXPECT_EQ(GetRichTextUnicode(*r.app, t, t.lblText, true), u"\U0001F600");
    SetRichTextUnicode(*r.app, t, t.lblText, u"X", true);
    EXPECT_EQ(GetRichTextUnicode(*r.app, t, t.lblText, false), u"\u0416\u0443\u043a X end");
    // A paragraph end is kept as one CR, as the box stores it.
    SetRichTextUnicode(*r.app, t, t.lblText, u"a\r\nb", false);
    EXPECT_EQ(GetRichTextUnicode(*r.app, t, t.lblText, false), u"a\rb");
}

TEST(CursorTests, StrictlyInside) {
    Popups r;
    struct Case {
        PointPx at;
        bool inside;
    };
    RectPx rect{100, 100, 200, 150};
    for (Case c :
         {Case{{150, 120}, true}, Case{{100, 120}, false}, Case{{101, 101}, true}, Case{{150, 100}, false},
          Case{{199, 149}, true}, Case{{200, 120}, false}, Case{{150, 150}, false}}) {
        r.sim.world().cursor = c.at;
        EXPECT_EQ(IsCursorInRect(*r.app, rect), c.inside) << c.at.x << "," << c.at.y;
    }
    EXPECT_FALSE(IsCursorInWindow(*r.app, 0));
    EXPECT_FALSE(IsButtonDown(*r.app, 0));
    EXPECT_FALSE(IsButtonDown(*r.app, 4));
    r.sim.world().buttonDown[2] = true;
    EXPECT_TRUE(IsButtonDown(*r.app, 3)) << "3 is the middle button";
}

TEST(CopyTextToClipboard, EmptyTextLeavesTheClipboardAlone) {
    Popups r;
    r.Make(r.app->frmMain);  // the clipboard's owner while the text is put there
    r.sim.world().ClipboardReplace(r.sim.world().desktopWindow, {{kCfText, {'u', 0}}});
    CopyTextToClipboard(*r.app, u"");
    EXPECT_EQ(sim::DescribeClipboard(r.sim.world()), "1:7500");
    CopyTextToClipboard(*r.app, u"\u20acx");
    EXPECT_EQ(sim::DescribeClipboard(r.sim.world()), "13:AC2078000000") << "Windows makes the ANSI text";
}

}  // namespace
}  // namespace plv
