#pragma once
// The parts of the seam where the simulated desktop and Windows could disagree: timers and
// pumping, the rich edit messages, layered windows. The cases are typed over an environment that
// gives the platform and a way to let time pass with messages pumped; the same cases run on the
// simulator (tests/sim) and on the Windows backend under Wine (tests/win32).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"

namespace plv::contract {

template <typename Env>
class UiContract : public ::testing::Test {
  protected:
    Env env;

    Hwnd PopupWithTextBox(ControlId& box) {
        FormDesign d;
        d.name = "frmContract";
        d.border = FormBorder::None;
        d.showInTaskbar = false;
        d.clientWidthTwips = 3000;
        d.clientHeightTwips = 1500;
        Hwnd form = env.ui().CreateForm(d, &events_);
        ControlDesign c;
        c.name = "lblText";
        c.kind = ControlKind::RichText;
        c.bounds = {0, 0, 3000, 1500};
        box = env.ui().AddControl(form, c);
        return form;
    }

    WindowEvents events_;
};

TYPED_TEST_SUITE_P(UiContract);

// A timer ticks only while it is on with an interval; off stops it; destroyed, it never ticks
// again and a later SetTimer is ignored.
TYPED_TEST_P(UiContract, TimersTickWhileOnAndNeverAfterTheyAreDestroyed) {
    EventLoop& loop = this->env.loop();
    int ticks = 0;
    TimerId id = loop.CreateTimer("t", [&ticks] { ++ticks; });
    this->env.Pass(200);
    EXPECT_EQ(ticks, 0) << "a new timer is off";
    loop.SetTimer(id, 50, true);
    this->env.Pass(400);
    EXPECT_GE(ticks, 2);
    loop.SetTimer(id, 50, false);
    int stopped = ticks;
    this->env.Pass(200);
    EXPECT_EQ(ticks, stopped);
    loop.SetTimer(id, 0, true);
    this->env.Pass(200);
    EXPECT_EQ(ticks, stopped) << "no interval, no tick";
    loop.SetTimer(id, 50, true);
    loop.DestroyTimer(id);
    loop.SetTimer(id, 50, true);
    this->env.Pass(200);
    EXPECT_EQ(ticks, stopped);
}

// A tick may destroy its own timer and pump messages (as a glide does); other timers tick
// meanwhile, and the destroyed one never again.
TYPED_TEST_P(UiContract, ATickMayPumpAndDestroyItsOwnTimer) {
    EventLoop& loop = this->env.loop();
    int outer = 0;
    int inner = 0;
    TimerId other = loop.CreateTimer("other", [&inner] { ++inner; });
    TimerId self = 0;
    self = loop.CreateTimer("self", [&] {
        ++outer;
        loop.DestroyTimer(self);
        this->env.PassInside(150);
    });
    loop.SetTimer(other, 20, true);
    loop.SetTimer(self, 30, true);
    this->env.Pass(400);
    loop.DestroyTimer(other);
    EXPECT_EQ(outer, 1);
    EXPECT_GE(inner, 2) << "other timers tick while a handler pumps";
}

// UTF-16 in and out of the rich text box: Cyrillic and a character outside the BMP (two units)
// come back intact; lengths and the selection count UTF-16 units; a selection is clamped.
TYPED_TEST_P(UiContract, RichTextKeepsUtf16AndCountsUnits) {
    ControlId box = 0;
    Hwnd form = this->PopupWithTextBox(box);
    Ui& ui = this->env.ui();
    const std::u16string text = u"\u041f\u0440\u0438\u0432\u0435\u0442 \U0001F600 ok";
    ui.RichSetTextEx(form, box, text, false);
    EXPECT_EQ(ui.RichGetTextLength(form, box), text.size());
    EXPECT_EQ(ui.RichGetTextEx(form, box, 1000), text);
    EXPECT_EQ(ui.RichGetTextEx(form, box, 4), text.substr(0, 3)) << "the buffer keeps room for the NUL";
    ui.RichSetSelection(form, box, 7, 2);
    EXPECT_EQ(ui.RichGetSelection(form, box), (std::pair<std::size_t, std::size_t>{7, 2}));
    ui.RichSetTextEx(form, box, u"\u0436", true);
    EXPECT_EQ(ui.RichGetTextEx(form, box, 1000), u"\u041f\u0440\u0438\u0432\u0435\u0442 \u0436 ok");
    ui.RichSetSelection(form, box, 5, 1000);
    auto [start, length] = ui.RichGetSelection(form, box);
    EXPECT_EQ(start, 5u);
    EXPECT_EQ(start + length, ui.RichGetTextLength(form, box)) << "the end is clamped to the text";
    ui.RichSetTextEx(form, box, u"", false);
    EXPECT_EQ(ui.RichGetTextLength(form, box), 0u);
    // Text is text: RTF markup is shown as it is, whole or in place of the selection, and a
    // paragraph end is kept as one CR.
    const std::u16string rtf = u"{\\rtf1\\ansi {\\b bold}\\v hidden}";
    ui.RichSetTextEx(form, box, rtf, false);
    EXPECT_EQ(ui.RichGetTextEx(form, box, 1000), rtf);
    ui.RichSetSelection(form, box, 0, 1000);
    ui.RichSetTextEx(form, box, rtf + u"\r\nx\ny", true);
    EXPECT_EQ(ui.RichGetTextEx(form, box, 1000), rtf + u"\rx\ry");
    ui.DestroyForm(form);
}

// The extended style carries WS_EX_LAYERED as set, and the alpha is accepted only then.
TYPED_TEST_P(UiContract, LayeredStyleAndAlpha) {
    ControlId box = 0;
    Hwnd form = this->PopupWithTextBox(box);
    Ui& ui = this->env.ui();
    std::int32_t style = ui.GetWindowLong(form, kGwlExStyle);
    EXPECT_EQ(style & kWsExLayered, 0);
    EXPECT_EQ(ui.SetWindowLong(form, kGwlExStyle, style | kWsExLayered), style);
    EXPECT_NE(ui.GetWindowLong(form, kGwlExStyle) & kWsExLayered, 0);
    EXPECT_TRUE(ui.SetLayeredWindowAttributes(form, 0, 128, kLwaAlpha));
    ui.SetWindowLong(form, kGwlExStyle, style);
    EXPECT_EQ(ui.GetWindowLong(form, kGwlExStyle) & kWsExLayered, 0);
    ui.DestroyForm(form);
}

// Showing and placing a floating form: visible, where it was put, and its client area.
TYPED_TEST_P(UiContract, FloatingFormShowsWhereItIsPut) {
    ControlId box = 0;
    Hwnd form = this->PopupWithTextBox(box);
    Ui& ui = this->env.ui();
    EXPECT_FALSE(ui.IsWindowVisible(form)) << "forms are made hidden";
    ui.MoveWindow(form, {100, 120, 116, 136});
    EXPECT_TRUE(ui.SetWindowPos(form, kHwndTopmost, 140, 150, 16, 16, kSwpNoActivate | kSwpShowWindow));
    EXPECT_TRUE(ui.IsWindowVisible(form));
    RectPx client = ui.GetClientRect(form);
    EXPECT_EQ(client, (RectPx{0, 0, 16, 16}));
    ui.ShowWindow(form, ShowCommand::Hide);
    EXPECT_FALSE(ui.IsWindowVisible(form));
    ui.DestroyForm(form);
}

// The monitor of a point, on a desktop of one monitor: the primary starts at the origin and is
// as large as the screen metrics say, its work area lies within it, and a point far off it
// belongs to it as the nearest monitor.
TYPED_TEST_P(UiContract, MonitorOfAPointOrTheNearest) {
    Desktop& d = this->env.desktop();
    MonitorArea primary = d.MonitorAt({0, 0});
    EXPECT_EQ(primary.monitor,
              (RectPx{0, 0, d.GetSystemMetrics(kSmCxScreen), d.GetSystemMetrics(kSmCyScreen)}));
    const RectPx& m = primary.monitor;
    const RectPx& w = primary.work;
    EXPECT_TRUE(w.left >= m.left && w.top >= m.top && w.right <= m.right && w.bottom <= m.bottom &&
                w.Width() > 0 && w.Height() > 0)
        << w.left << "," << w.top << "," << w.right << "," << w.bottom;
    EXPECT_EQ(d.MonitorAt({m.right - 1, m.bottom - 1}), primary);
    EXPECT_EQ(d.MonitorAt({-100000, 100000}), primary);
    EXPECT_EQ(d.MonitorAt({m.right + 5000, -7}), primary);
}

REGISTER_TYPED_TEST_SUITE_P(UiContract, TimersTickWhileOnAndNeverAfterTheyAreDestroyed,
                            ATickMayPumpAndDestroyItsOwnTimer, RichTextKeepsUtf16AndCountsUnits,
                            LayeredStyleAndAlpha, FloatingFormShowsWhereItIsPut, MonitorOfAPointOrTheNearest);

}  // namespace plv::contract
