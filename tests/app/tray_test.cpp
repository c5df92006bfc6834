// The tray balloon and tooltip as the shell receives them.

#include <gtest/gtest.h>

#include "core/app.h"
#include "core/frm_main.h"
#include "platform/sim/default_settings.h"
#include "platform/sim/sim_desktop.h"
#include "support/program_on_sim.h"

namespace plv {
namespace {

struct Running : ProgramOnSim {
    Running() { Start(); }
};

TEST(TrayBalloon, SplitsTitleAndMessageAtTheFirstLineBreak) {
    Running r;
    r.app->frmMain->ShowBalloon(u"Title\r\nLine one\r\nLine two", false, true, u"tag1");
    const auto& b = r.sim.world().tray.balloon;
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->infoTitle, u"Title");
    EXPECT_EQ(b->info, u"Line one\r\nLine two");
    EXPECT_EQ(b->infoFlags, kNiifWarning);
    EXPECT_EQ(b->flags, kNifInfo);
    EXPECT_EQ(r.app->tray.BalloonTag, u"tag1");
    // The error kind wins over the warning kind; neither gives information.
    r.app->frmMain->ShowBalloon(u"T\r\nM", true, true, u"");
    EXPECT_EQ(r.sim.world().tray.balloon->infoFlags, kNiifError);
    r.app->frmMain->ShowBalloon(u"T\r\nM", false, false, u"");
    EXPECT_EQ(r.sim.world().tray.balloon->infoFlags, kNiifInfo);
}

TEST(TrayBalloon, LongTextsAreCutToTheShellsFields) {
    Running r;
    std::u16string title(100, u't');
    std::u16string message(400, u'm');
    r.app->frmMain->ShowBalloon(title + u"\r\n" + message, false, false, u"x");
    const auto& b = *r.sim.world().tray.balloon;
    EXPECT_EQ(b.infoTitle, std::u16string(63, u't'));
    EXPECT_EQ(b.info, std::u16string(255, u'm'));
    // A text without a title line is all message.
    r.app->frmMain->ShowBalloon(u"just a message", false, false, u"x");
    EXPECT_EQ(r.sim.world().tray.balloon->infoTitle, u"");
    EXPECT_EQ(r.sim.world().tray.balloon->info, u"just a message");
}

TEST(TrayIcon, AddedOnceAtStartAndModifiedAfterwards) {
    Running r;
    const auto& t = r.sim.world().tray;
    ASSERT_TRUE(t.present);
    EXPECT_EQ(t.icon.id, 1u);
    EXPECT_EQ(t.icon.owner, r.app->frmMain->hWnd());
    EXPECT_EQ(t.icon.callbackMessage, 0x8001u);  // WM_APP + 1, never a mouse message
    EXPECT_EQ(t.icon.tip, u"Parlevo  - Connecting...");
    r.app->frmMain->UpdateTrayIcon(false, false);
    EXPECT_FALSE(t.present);
    r.app->frmMain->UpdateTrayIcon(true, true);
    EXPECT_FALSE(t.present) << "a modify does not bring a removed icon back";
}

}  // namespace
}  // namespace plv
