// Capturing a selection: each way an application may copy, the user's clipboard given back
// exactly, terminals spared Ctrl+C, and the cache key.

#include <gtest/gtest.h>

#include <map>

#include "base/text.h"
#include "base/translation_cache.h"
#include "capture/text_capture.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "platform/sim/default_settings.h"
#include "platform/sim/sim_desktop.h"
#include "support/forms_on_sim.h"

namespace plv {
namespace {

using sim::CopyBehaviour;

// The capture needs the main form (it owns the clipboard while the capture copies) and nothing
// else of the program.
struct Desk : FormsOnSim {
    void Start() {
        FormsOnSim::Start();
        Make(app->frmMain);
    }
    sim::SimApp& AddApp(CopyBehaviour copy, const std::u16string& cls = u"Edit",
                        const std::u16string& text = u"sel") {
        auto& a = sim.AddApp(u"app.exe", copy, {0, 0, 800, 600}, cls, text);
        sim.SetForeground(&a);
        return a;
    }
    std::string Keys() const {
        std::string k;
        for (const auto& s : sim.world().keys) {
            k += (k.empty() ? "" : " ") + s;
        }
        return k;
    }
};

const std::string kInsertChord = "11/1D/0 2D/52/1 2D/52/3 11/1D/2";
const std::string kCtrlCChord = "11/1D/0 43/2E/0 43/2E/2 11/1D/2";

TEST(CaptureSelection, EachWayOfCopying) {
    struct Case {
        const char* name;
        CopyBehaviour copy;
        std::u16string cls;
        std::u16string expected;
        std::string keys;
        std::int64_t virtualMs;
    };
    const Case cases[] = {
        {"copy message", CopyBehaviour::Message, u"Edit", u"sel", "", 0},
        {"Ctrl+Insert", CopyBehaviour::Insert, u"Edit", u"sel", kInsertChord, 60},
        {"Ctrl+C", CopyBehaviour::CtrlC, u"Edit", u"sel", kInsertChord + " " + kCtrlCChord, 120},
        // The late copy lands 150 ms after Ctrl+C, during the waiting polls: waited for, not used.
        {"late", CopyBehaviour::Late, u"Edit", u"", kInsertChord + " " + kCtrlCChord, 210},
        {"never", CopyBehaviour::None, u"Edit", u"", kInsertChord + " " + kCtrlCChord, 230},
        // A hung window costs the copy message's time-out, then the keystrokes are tried.
        {"hung", CopyBehaviour::Hang, u"Edit", u"", kInsertChord + " " + kCtrlCChord, 430},
        // A terminal never receives Ctrl+C.
        {"terminal", CopyBehaviour::CtrlC, u"ConsoleWindowClass", u"", kInsertChord, 170},
        {"Windows Terminal", CopyBehaviour::CtrlC, u"CASCADIA_HOSTING_WINDOW_CLASS", u"", kInsertChord, 170},
        {"PuTTY copies on Ctrl+Insert", CopyBehaviour::Insert, u"PuTTY", u"sel", kInsertChord, 60},
    };
    for (const Case& c : cases) {
        Desk d;
        d.Start();
        auto& a = d.AddApp(c.copy, c.cls);
        std::int64_t before = d.sim.world().now;
        EXPECT_EQ(CaptureSelection(*d.app, a.window), c.expected) << c.name;
        EXPECT_EQ(d.Keys(), c.keys) << c.name;
        EXPECT_EQ(d.sim.world().now - before, c.virtualMs) << c.name;
        EXPECT_EQ(a.interrupts, 0) << c.name;
        EXPECT_EQ(sim::DescribeClipboard(d.sim.world()), "empty")
            << c.name << ": an empty clipboard stays empty";
    }
}

// What an application reading the clipboard gets: every format on offer with its bytes, those
// Windows makes included, by format (Windows lists the ones it makes after the ones that were set,
// so a text format put back rather than made again may be listed at another place).
std::map<std::uint32_t, std::vector<std::uint8_t>> AsRead(sim::SimWorld& w) {
    std::map<std::uint32_t, std::vector<std::uint8_t>> out;
    for (std::uint32_t f : w.AvailableFormats()) {
        MemHandle h = w.ClipboardBlock(f);
        out[f] = h != 0 ? w.clipboard.blocks[h] : std::vector<std::uint8_t>{};
    }
    return out;
}

// What the capture gives back: the user's formats, marked so that clipboard history does not
// record them again (unless there were none).
std::map<std::uint32_t, std::vector<std::uint8_t>> Marked(
    sim::SimWorld& w, std::map<std::uint32_t, std::vector<std::uint8_t>> f) {
    for (const auto& [id, name] : w.clipboard.registered) {
        if (name == "ExcludeClipboardContentFromMonitorProcessing" && !f.empty()) {
            f[id] = {0, 0, 0, 0};
        }
    }
    return f;
}

TEST(CaptureSelection, GivesTheUsersClipboardBackExactly) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> formats;
    };
    const std::u16string unicode = u"\u0416\u0443\u043a \U0001F600";
    std::vector<std::uint8_t> unicodeBlock = ToUtf16Le(unicode, true);
    std::vector<std::uint8_t> dib = {40, 0, 0,  0, 1, 0, 0, 0, 1,    0, 0, 0,
                                     1,  0, 24, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0};
    std::vector<std::uint8_t> drop = {20, 0, 0, 0, 0, 0, 0, 0,   0, 0,   0, 0, 0,
                                      0,  0, 0, 0, 0, 0, 0, 'a', 0, 'b', 0, 0};
    const Case cases[] = {
        {"picture", {{8, dib}}},
        {"file list", {{15, drop}}},
        {"Unicode text outside the ANSI code page", {{13, unicodeBlock}}},
        {"ANSI text", {{1, {'h', 'i', 0x80, 0}}}},
        {"several formats and a registered one",
         {{13, unicodeBlock}, {8, dib}, {15, drop}, {0xC123, {1, 2, 3}}}},
        {"both text formats set apart", {{1, {'a', 0}}, {13, {'b', 0, 0, 0}}}},
        {"the ANSI text is the Unicode text converted, with bytes after its end",
         {{13, {'b', 0, 0, 0, 'x', 0}}, {1, {'b', 0, 'y', 'z'}}}},
        {"nothing", {}},
    };
    for (CopyBehaviour copy : {CopyBehaviour::Message, CopyBehaviour::CtrlC, CopyBehaviour::None}) {
        for (const Case& c : cases) {
            Desk d;
            d.Start();
            auto& a = d.AddApp(copy);
            d.sim.world().ClipboardReplace(d.sim.world().desktopWindow, c.formats);
            auto before = AsRead(d.sim.world());
            CaptureSelection(*d.app, a.window);
            EXPECT_EQ(AsRead(d.sim.world()), Marked(d.sim.world(), before)) << c.name;
            auto again = AsRead(d.sim.world());
            CaptureSelection(*d.app, a.window);
            EXPECT_EQ(AsRead(d.sim.world()), again) << c.name << ": marked once only";
            EXPECT_FALSE(d.sim.world().clipboard.open) << c.name;
        }
    }
}

TEST(CaptureSelection, AClipboardHeldByAnotherProgram) {
    // Held for a moment: the save is retried and the capture goes ahead.
    {
        Desk d;
        d.Start();
        auto& a = d.AddApp(CopyBehaviour::Insert);
        d.sim.world().ClipboardReplace(d.sim.world().desktopWindow, {{1, {'u', 0}}});
        auto before = AsRead(d.sim.world());
        d.sim.world().clipboard.lockedUntil = d.sim.world().now + 30;
        EXPECT_EQ(CaptureSelection(*d.app, a.window), u"sel");
        EXPECT_EQ(AsRead(d.sim.world()), Marked(d.sim.world(), before));
    }
    // Held throughout: nothing is captured, no key is sent, the clipboard is untouched.
    {
        Desk d;
        d.Start();
        auto& a = d.AddApp(CopyBehaviour::Message);
        d.sim.world().ClipboardReplace(d.sim.world().desktopWindow, {{1, {'u', 0}}});
        d.sim.world().clipboard.lockedUntil = d.sim.world().now + 10000;
        std::int64_t before = d.sim.world().now;
        EXPECT_EQ(CaptureSelection(*d.app, a.window), u"");
        EXPECT_EQ(d.Keys(), "");
        EXPECT_EQ(sim::DescribeClipboard(d.sim.world()), "1:7500");
        EXPECT_LE(d.sim.world().now - before, 100);
    }
}

TEST(CaptureSelection, TimersKeepRunningDuringTheWaits) {
    Desk d;
    d.Start();
    auto& a = d.AddApp(CopyBehaviour::None);
    int ticks = 0;
    TimerId t = d.sim.platform().loop.CreateTimer("probe", [&] { ++ticks; });
    d.sim.platform().loop.SetTimer(t, 20, true);
    CaptureSelection(*d.app, a.window);
    // 230 ms of waits, pumped after each 30 ms and 10 ms sleep.
    EXPECT_GE(ticks, 8);
}

// Where the system keeps a selection of its own and the drag made it, that is the text: the
// clipboard is not even opened. One taken before the drag's press or well after its release, or
// an empty one, is not this drag's, and the window is made to copy as before.
TEST(CaptureSelection, TheDragsOwnSelectionLeavesTheClipboardAlone) {
    struct Case {
        const char* name;
        std::int64_t takenAt;  // from the press; the release is at 100
        std::u16string selection;
        std::u16string expected;
    };
    const Case cases[] = {
        {"taken during the drag", 40, u"dragged", u"dragged"},
        {"taken just after the release", 200, u"dragged", u"dragged"},
        {"taken before the press", -1, u"dragged", u"copied"},
        {"taken long after the release", 201, u"dragged", u"copied"},
        {"empty", 40, u"", u"copied"},
    };
    for (const Case& c : cases) {
        Desk d;
        d.Start();
        auto& w = d.sim.world();
        w.programTracing = true;
        w.clipboard.programOpens = 0;
        auto& a = d.AddApp(CopyBehaviour::Message, u"Edit", u"copied");
        d.sim.AdvanceWorld(1000);
        w.drag = sim::SelectingDrag{false, 700, 800, {}, false};
        w.primary = sim::SystemSelection{c.selection, a.window, 700 + c.takenAt};
        const std::uint32_t sequence = w.clipboard.sequence;
        EXPECT_EQ(CaptureSelection(*d.app, a.window), c.expected) << c.name;
        const bool own = c.expected == u"dragged";
        EXPECT_EQ(w.clipboard.programOpens == 0, own) << c.name;
        EXPECT_EQ(w.clipboard.sequence == sequence, own) << c.name;
        ASSERT_FALSE(w.programTrace.empty()) << c.name;
        EXPECT_EQ(w.programTrace.front(),
                  own ? "capture: the drag's own selection read; the clipboard untouched"
                      : "capture: no selection of the drag's own; copying through the "
                        "clipboard")
            << c.name;
    }
}

TEST(CacheKey, SameTextSameKeyAndTheKnownChecksum) {
    Desk d;
    d.Start();
    auto k1 = GetCacheKey(*d.app, u"123456789");
    ASSERT_TRUE(k1.has_value());
    // The CRC-32 of "123456789" is CBF43926, signed -873187034.
    EXPECT_EQ(*k1, u"k-873187034");
    EXPECT_EQ(GetCacheKey(*d.app, u"123456789"), k1);
    EXPECT_NE(GetCacheKey(*d.app, u"12345678"), k1);
    EXPECT_EQ(GetCacheKey(*d.app, u""), u"k0");
    // Texts outside the ANSI code page keep their characters: the checksum is of the UTF-8 bytes,
    // so two Cyrillic words of one length are two keys.
    EXPECT_EQ(GetCacheKey(*d.app, u"\u0416\u0443\u043a"), u"k716016532");
    EXPECT_EQ(GetCacheKey(*d.app, u"\u0416\u0438\u043b"), u"k-852961770");
    EXPECT_EQ(GetCacheKey(*d.app, u"\U0001F600"), u"k88978756");
    std::u16string key = GetCacheKey(*d.app, u"Le chat").value();
    EXPECT_EQ(key[0], u'k');
}

// A checksum shared by two texts never gives one the other's translation, the first translation
// of a text stays, and the oldest entry makes room for a new one.
TEST(TranslationCache, KeepsEachTextAndItsBound) {
    TranslationCache cache(3);
    cache.Add(u"k1", u"one", u"uno");
    cache.Add(u"k1", u"one", u"later");
    EXPECT_EQ(cache.Find(u"k1", u"one"), u"uno");
    EXPECT_EQ(cache.Find(u"k1", u"another text, same checksum"), std::nullopt);
    cache.Add(u"k1", u"another text, same checksum", u"otro");
    EXPECT_EQ(cache.Find(u"k1", u"another text, same checksum"), u"otro");
    EXPECT_EQ(cache.Find(u"k1", u"one"), std::nullopt);
    cache.Add(u"k2", u"two", u"dos");
    cache.Add(u"k3", u"three", u"tres");
    cache.Add(u"k4", u"four", u"cuatro");
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_EQ(cache.Find(u"k1", u"another text, same checksum"), std::nullopt);
    EXPECT_EQ(cache.Find(u"k4", u"four"), u"cuatro");
    EXPECT_EQ(TranslationCache().Find(u"k", u""), std::nullopt);
}

TEST(CacheKey, WithoutTheLibraryNothingIsKeyed) {
    Desk d;
    d.sim.world().hash2Missing = true;
    d.Start();
    EXPECT_EQ(GetCacheKey(*d.app, u"abc"), std::nullopt);
}

}  // namespace
}  // namespace plv
