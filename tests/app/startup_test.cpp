// Start-up with bad settings: one message naming the file, the key and the value, exit code 2,
// and nothing changed or shown.

#include <gtest/gtest.h>

#include <functional>

#include "base/text.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/settings.h"
#include "platform/sim/default_settings.h"
#include "platform/sim/sim_desktop.h"
#include "support/program_on_sim.h"

namespace plv {
namespace {

const std::u16string kPath = u"c:\\program files\\parlevo\\plv.ini";

std::vector<std::uint8_t> Encode(const std::u16string& text) {
    return ToUtf16Le(u"\uFEFF" + text, false);
}

// The shipped file with one key's line replaced (or removed when value is nothing).
std::u16string DefaultWith(const std::u16string& key, std::optional<std::u16string> value) {
    std::u16string text = DecodeUtf16Le(sim::DefaultSettingsFile());
    std::size_t at = text.find(u"\r\n" + key + u"=");
    EXPECT_NE(at, std::u16string::npos) << Utf16ToUtf8(key);
    std::size_t end = text.find(u"\r\n", at + 2);
    text.replace(at, end - at, value ? u"\r\n" + key + u"=" + *value : u"");
    return text;
}

TEST(Startup, BadSettingsStopTheProgramWithOneClearMessage) {
    struct Case {
        std::optional<std::vector<std::uint8_t>> file;
        std::string expected;  // a part of the message
    };
    const std::string utf8 = "Color=1,2,3\r\n";
    const Case cases[] = {
        {std::nullopt,
         "the settings file \"C:\\Program Files\\Parlevo\\plv.ini\" is missing or cannot be read."},
        {Encode(u""), "has no line for the key \"Color\". The file holds no settings at all"},
        {std::vector<std::uint8_t>(utf8.begin(), utf8.end()),
         "The file holds no settings at all; it must be saved as "
         "Unicode (UTF-16 LE)"},
        {Encode(DefaultWith(u"googlelabel", std::nullopt)), "has no line for the key \"googlelabel\"."},
        {Encode(DefaultWith(u"Gray", std::nullopt)), "has no line for the key \"Gray\"."},
        {Encode(DefaultWith(u"Color", u"1,2")),
         "the key \"Color\" has the value \"1,2\", where three numbers"},
        {Encode(DefaultWith(u"TextColor", u"1,x,3")), "the key \"TextColor\" has the value \"1,x,3\""},
        {Encode(DefaultWith(u"Gray", u"")), "the key \"Gray\" has the value \"\""},
        {Encode(DefaultWith(u"servertimeout", u"abc")),
         "the key \"servertimeout\" has the value \"abc\", where a "
         "number of seconds from 0.001 to 65.535 is expected."},
        {Encode(DefaultWith(u"servertimeout", u"0")), "the key \"servertimeout\" has the value \"0\""},
        {Encode(DefaultWith(u"servertimeout", u"0.0004")),
         "the key \"servertimeout\" has the value \"0.0004\""},
        {Encode(DefaultWith(u"servertimeout", u"65.536")),
         "the key \"servertimeout\" has the value \"65.536\""},
        {Encode(DefaultWith(u"servertimeout", u"1e30")), "the key \"servertimeout\" has the value \"1e30\""},
        {Encode(DefaultWith(u"CheckConnectionInterval", u"-1")), "the key \"CheckConnectionInterval\""},
        {Encode(DefaultWith(u"CheckConnectionInterval", u"1,5")), "the key \"CheckConnectionInterval\""},
        {Encode(DefaultWith(u"serviceurl", u"file:///C:/windows/win.ini")),
         "the key \"serviceurl\" has the value \"file:///C:/windows/win.ini\", where bundled, or the http:// "
         "or "
         "https:// address of a translation service is expected."},
        {Encode(DefaultWith(u"serviceurl", u"ftp://127.0.0.1/")),
         "the key \"serviceurl\" has the value \"ftp:"},
        {Encode(DefaultWith(u"serviceurl", u"translator")),
         "the key \"serviceurl\" has the value \"translator\""},
        {Encode(DefaultWith(u"serviceurl", u"http://")), "the key \"serviceurl\" has the value \"http://\""},
        {Encode(DefaultWith(u"serviceurl", u"https:///key/")), "the key \"serviceurl\""},
        {Encode(DefaultWith(u"serviceurl", u"http://user@evil/")), "the key \"serviceurl\""},
        {Encode(DefaultWith(u"serviceurl", u"http://127.0.0.1:8723/\tlanguage=en-es")),
         "the key \"serviceurl\""},
    };
    for (const Case& c : cases) {
        ProgramOnSim r(c.file);
        r.Start();
        const auto& w = r.sim.world();
        EXPECT_EQ(w.state, sim::ProgramState::Exited) << c.expected;
        EXPECT_EQ(w.exitCode, 2) << c.expected;
        ASSERT_TRUE(w.lastMessageBox.has_value()) << c.expected;
        std::string box = Utf16ToUtf8(w.lastMessageBox->text);
        EXPECT_NE(box.find(c.expected), std::string::npos) << box;
        EXPECT_EQ(box.rfind("Parlevo cannot start: ", 0), 0u) << box;
        EXPECT_EQ(w.lastMessageBox->title, u"Parlevo");
        EXPECT_EQ(w.lastMessageBox->style, 0x10u);
        // Nothing was changed or shown before the check.
        EXPECT_TRUE(w.registry.empty()) << c.expected;
        EXPECT_FALSE(w.tray.present) << c.expected;
        EXPECT_EQ(w.page.navigations, 0u) << c.expected;
        EXPECT_EQ(w.service.starts, 0u) << c.expected;
    }
}

TEST(Startup, BoundaryValuesAreAccepted) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"servertimeout", u"0.001"},
        {u"servertimeout", u"65.535"},
        {u"servertimeout", u"0.0015"},
        {u"Color", u"-1,-2,-3"},
        {u"Color", u"999, 999 ,999"},
        {u"Gray", u"1,2,3,4,5"},
        {u"serviceurl", u" BUNDLED "},
        {u"serviceurl", u"HTTPS://team.example:8723/key/K/"},
        {u"serviceurl", u"http://127.0.0.1:8723/"},
    };
    for (const auto& [key, value] : cases) {
        ProgramOnSim r(Encode(DefaultWith(key, value)));
        r.Start();
        EXPECT_EQ(r.sim.world().state, sim::ProgramState::Running) << Utf16ToUtf8(key + u"=" + value);
        EXPECT_FALSE(r.sim.world().lastMessageBox.has_value());
    }
}

// The program's objects may go while the system they ran on lives on (a test harness, a host
// that restarts the program): nothing the system still delivers may reach freed memory.
TEST(Lifetime, NothingReachesAProgramThatIsGone) {
    ProgramOnSim r(sim::DefaultSettingsFile());
    r.Start();
    r.sim.Wait(1000);
    Hwnd main = r.app->frmMain->hWnd();
    r.app.reset();
    r.sim.Wait(5000);  // every timer would have ticked many times
    EXPECT_EQ(r.sim.world().Window(main), nullptr) << "the main window goes with its form";
}

// After the program has asked its loop to end, the system still works for it (as on Windows,
// where the process lives until the loop ends), but no timer tick or window event acts.
TEST(Lifetime, AfterTheEndNoHandlerActsButTheSystemStillAnswers) {
    ProgramOnSim r(sim::DefaultSettingsFile());
    r.Start();
    r.sim.Wait(1000);
    App& app = *r.app;
    FrmMain& m = *app.frmMain;
    app.EndNormally(0);
    EXPECT_EQ(r.sim.world().state, sim::ProgramState::Exited);
    std::size_t navigations = r.sim.world().page.navigations;
    m.tmrReconnect.SetInterval(1);
    m.tmrReconnect.SetEnabled(true);
    m.OnTrayNotify(513);
    EXPECT_TRUE(m.OnCloseRequest(CloseReason::User)) << "a form of an ended program lets itself close";
    EXPECT_EQ(r.sim.world().page.navigations, navigations);
    EXPECT_TRUE(r.sim.platform().store.SaveSetting(u"plv", u"Applications", u"x.exe", u"1"))
        << "the registry still answers after the end";
}

// The optional "browser" key chooses the engine; anything else, and a DevTools address that is
// not on this computer, stops the program with the start-up message.
TEST(Startup, BrowserSetting) {
    struct Case {
        const char16_t* value;
        std::optional<BrowserEngineKind> kind;  // nothing: a bad setting
        const char16_t* address;
    };
    const Case cases[] = {
        {u"embedded", BrowserEngineKind::Embedded, u""},
        {u" Chromium ", BrowserEngineKind::Chromium, u""},
        {u"none", BrowserEngineKind::None, u""},
        {u"", BrowserEngineKind::Embedded, u""},
        {u"http://127.0.0.1:9222", BrowserEngineKind::Attach, u"http://127.0.0.1:9222"},
        {u"HTTP://LOCALHOST:9222/", BrowserEngineKind::Attach, u"http://localhost:9222/"},
        {u"http://[::1]:65535", BrowserEngineKind::Attach, u"http://[::1]:65535"},
        {u"http://127.200.0.1:1", BrowserEngineKind::Attach, u"http://127.200.0.1:1"},
        {u"http://10.0.0.5:9222", std::nullopt, u""},
        {u"http://127.0.0.1.example.com:9222", std::nullopt, u""},
        {u"http://127.0.0.256:9222", std::nullopt, u""},
        {u"http://127.0.0.1:0", std::nullopt, u""},
        {u"http://127.0.0.1:65536", std::nullopt, u""},
        {u"http://127.0.0.1:92a2", std::nullopt, u""},
        {u"http://127.0.0.1", std::nullopt, u""},
        {u"https://127.0.0.1:9222", std::nullopt, u""},
        {u"http://127.0.0.1:9222/json", std::nullopt, u""},
        {u"ws://127.0.0.1:9222", std::nullopt, u""},
        {u"firefox", std::nullopt, u""},
    };
    for (const Case& c : cases) {
        std::u16string text = DecodeUtf16Le(sim::DefaultSettingsFile()) + u"\r\nbrowser=" + c.value +
                              u"\r\nbrowserpath=C:\\Apps\\chrome.exe\r\n";
        ProgramOnSim r(Encode(text));
        r.Start();
        const auto& w = r.sim.world();
        std::string name = Utf16ToUtf8(c.value);
        if (!c.kind) {
            EXPECT_EQ(w.exitCode, 2) << name;
            ASSERT_TRUE(w.lastMessageBox.has_value()) << name;
            EXPECT_NE(
                Utf16ToUtf8(w.lastMessageBox->text)
                    .find("the key \"browser\" has the value \"" + name + "\", where embedded, chromium"),
                std::string::npos)
                << Utf16ToUtf8(w.lastMessageBox->text);
            EXPECT_FALSE(w.page.engine.has_value()) << name;
            continue;
        }
        EXPECT_EQ(w.state, sim::ProgramState::Running) << name;
        ASSERT_TRUE(w.page.engine.has_value()) << name;
        EXPECT_EQ(w.page.engine->kind, *c.kind) << name;
        EXPECT_EQ(w.page.engine->devToolsAddress, c.address) << name;
        EXPECT_EQ(w.page.engine->browserPath,
                  *c.kind == BrowserEngineKind::Chromium ? u"C:\\Apps\\chrome.exe" : u"")
            << name;
    }
}

TEST(Startup, ColourExamples) {
    struct Case {
        const char16_t* value;
        Rgb rgb;
    };
    for (Case c : {Case{u"255,255,225", 14811135}, Case{u"300, 0, 0", 255}, Case{u"0,0,256", 0xFF0000},
                   Case{u"0.5,1.5,2.5", 0x020200}}) {
        ProgramOnSim r(Encode(DefaultWith(u"Color", c.value)));
        r.Start();
        EXPECT_EQ(r.app->startup.PopupBackColor, c.rgb) << Utf16ToUtf8(c.value);
    }
}

}  // namespace
}  // namespace plv
