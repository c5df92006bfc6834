// The clipboard class's contract. The suites are typed over the clipboard they run against, so
// that the same cases can run on the real Windows clipboard: an environment gives the clipboard,
// two windows of ours, and a way to have another program hold the clipboard open.

#include <gtest/gtest.h>

#include "base/text.h"
#include "clipboard/cls_clipboard.h"
#include "platform/sim/sim_desktop.h"

namespace plv {
namespace {

class SimClipboardEnv {
  public:
    SimClipboardEnv() { sim_.StartProgram(); }
    Clipboard& clipboard() { return sim_.platform().clipboard; }
    Hwnd owner() const { return 0x5001; }
    Hwnd otherOwner() const { return 0x5002; }
    std::u16string exeBaseName() const { return u"plv"; }
    void HoldElsewhere(bool held) { sim_.world().clipboard.lockedUntil = held ? (1LL << 60) : -1; }
    bool HeldOpenByUs() const { return sim_.world().clipboard.open; }

  private:
    sim::SimDesktop sim_;
};

template <typename Env>
class ClipboardContract : public ::testing::Test {
  protected:
    Env env;
    clsClipBoard clip{env.clipboard(), env.exeBaseName(), [this] { return env.owner(); }};

    // Puts formats on the clipboard through the seam, as another application would.
    void Put(const std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>>& formats) {
        Clipboard& c = env.clipboard();
        ASSERT_TRUE(c.OpenClipboard(env.otherOwner()));
        c.EmptyClipboard();
        for (const auto& [f, bytes] : formats) {
            MemHandle h = c.GlobalAlloc(kGmemMoveable, bytes.size());
            c.GlobalWrite(h, bytes);
            ASSERT_NE(c.SetClipboardData(f, h), 0u);
        }
        c.CloseClipboard();
    }

    std::size_t BlockSize(std::uint32_t format) {
        Clipboard& c = env.clipboard();
        EXPECT_TRUE(c.OpenClipboard(env.otherOwner()));
        std::size_t n = c.GlobalSize(c.GetClipboardData(format));
        c.CloseClipboard();
        return n;
    }

    std::vector<std::uint8_t> Block(std::uint32_t format) {
        Clipboard& c = env.clipboard();
        EXPECT_TRUE(c.OpenClipboard(env.otherOwner()));
        auto b = c.GlobalRead(c.GetClipboardData(format));
        c.CloseClipboard();
        return b;
    }

    static void ExpectNotOpenError(const std::function<void()>& f) {
        try {
            f();
            ADD_FAILURE() << "no error";
        } catch (const ProgramError& e) {
            EXPECT_EQ(e.Number(), static_cast<std::int32_t>(0x80040622u));
            EXPECT_EQ(e.Source(), "plv.cCustomClipboard");
            EXPECT_STREQ(e.what(), "Attempt to access the clipboard when clipboard not Open.");
        }
    }

    static void ExpectSubscriptError(const std::function<void()>& f) {
        try {
            f();
            ADD_FAILURE() << "no error";
        } catch (const ProgramError& e) {
            EXPECT_EQ(e.Number(), 9);
        }
    }
};

using Environments = ::testing::Types<SimClipboardEnv>;
TYPED_TEST_SUITE(ClipboardContract, Environments);

std::vector<std::uint8_t> Bytes(std::initializer_list<int> b) {
    std::vector<std::uint8_t> v;
    for (int x : b) {
        v.push_back(static_cast<std::uint8_t>(x));
    }
    return v;
}

// --- format names

TYPED_TEST(ClipboardContract, FormatNames) {
    const std::pair<std::int32_t, const char16_t*> cases[] = {
        {1, u"Text"},
        {2, u"Bitmap Picture"},
        {3, u"Meta-File Picture"},
        {4, u"Microsoft Symbolic Link (SYLK) data."},
        {5, u"Software Arts' Data Interchange information."},
        {6, u"Tagged Image File Format (TIFF) Picture"},
        {7, u"Text (OEM)"},
        {8, u"DIB Bitmap Picture"},
        {9, u"Colour Palette"},
        {10, u"Pen Data"},
        {11, u"RIFF Audio data"},
        {12, u"Wave File"},
        {13, u"Text (Unicode)"},
        {14, u"Enhanced Meta-File Picture"},
        {15, u"File List"},
        {16, u""},
        {17, u""},
        {0, u""},
        {-1, u""},
        {18, u""},
    };
    for (const auto& [id, name] : cases) {
        EXPECT_EQ(this->clip.FormatName(id), name) << id;
    }
    std::int32_t id = this->clip.AddFormat(u"Parlevo Test Format");
    EXPECT_GT(id, 0xC000);
    EXPECT_EQ(this->clip.AddFormat(u"parlevo test format"), id) << "names ignore letter case";
    EXPECT_EQ(this->clip.FormatName(id), u"Parlevo Test Format");
    EXPECT_EQ(this->clip.AddFormat(u""), 0);
}

TYPED_TEST(ClipboardContract, FormatIdForNameComparesExactly) {
    std::int32_t id = this->clip.AddFormat(u"Parlevo Named");
    this->Put({{static_cast<std::uint32_t>(id), Bytes({1, 2, 3})}, {kCfUnicodeText, Bytes({'a', 0, 0, 0})}});
    EXPECT_EQ(this->clip.FormatIDForName(this->env.owner(), u"Parlevo Named"), id);
    EXPECT_EQ(this->clip.FormatIDForName(this->env.owner(), u"parlevo named"), 0);
    EXPECT_EQ(this->clip.FormatIDForName(this->env.owner(), u"Text (Unicode)"), 13);
    EXPECT_TRUE(this->clip.IsDataAvailableForFormatName(this->env.owner(), u"Parlevo Named"));
    EXPECT_FALSE(this->clip.IsDataAvailableForFormatName(this->env.owner(), u"No Such Format"));
    EXPECT_FALSE(this->clip.IsOpen());
}

// --- the open and close state machine

TYPED_TEST(ClipboardContract, MembersThatNeedTheClipboardOpenFailWithTheClassError) {
    auto& cb = this->clip;
    std::vector<std::uint8_t> bytes;
    std::vector<std::u16string> files;
    std::int32_t count = 0;
    std::u16string text;
    const std::vector<std::function<void()>> calls = {
        [&] { cb.ClearClipboard(); },
        [&] { cb.SetTextData(u"x"); },
        [&] { cb.GetBinaryData(13, bytes); },
        [&] {
            cb.SetBinaryData(13, {1, 2});
        },
        [&] { cb.GetFileList(files, count); },
        [&] { cb.SetFileList({u"a"}); },
        [&] { cb.GetClipboardMemoryHandle(1); },
        [&] { cb.GetTextData(8, text); },
    };
    // Closed.
    for (const auto& call : calls) {
        this->ExpectNotOpenError(call);
    }
    // Open with no owner window: counts as not open.
    ASSERT_TRUE(cb.ClipboardOpen(0));
    EXPECT_TRUE(cb.IsOpen());
    for (const auto& call : calls) {
        this->ExpectNotOpenError(call);
    }
    cb.ClipboardClose();
    EXPECT_FALSE(cb.IsOpen());
    EXPECT_FALSE(this->env.HeldOpenByUs());
}

TYPED_TEST(ClipboardContract, OpenFailsWhileAnotherProgramHoldsIt) {
    this->env.HoldElsewhere(true);
    EXPECT_FALSE(this->clip.ClipboardOpen(this->env.owner()));
    EXPECT_FALSE(this->clip.IsOpen());
    EXPECT_EQ(this->clip.OwnerWindow(), 0u);
    EXPECT_EQ(this->clip.GetUniText(), u"");
    EXPECT_EQ(this->clip.GetCurrentFormats(this->env.owner(), 0), 0);
    this->env.HoldElsewhere(false);
    EXPECT_TRUE(this->clip.ClipboardOpen(this->env.owner()));
    EXPECT_EQ(this->clip.OwnerWindow(), this->env.owner());
}

TYPED_TEST(ClipboardContract, SelfOpeningMembersLeaveTheClipboardClosed) {
    this->Put({{kCfUnicodeText, Bytes({'h', 0, 'i', 0, 0, 0})}});
    auto& cb = this->clip;
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    EXPECT_EQ(cb.GetCurrentFormats(this->env.owner(), kCfUnicodeText), 1);
    EXPECT_FALSE(cb.IsOpen());
    EXPECT_FALSE(this->env.HeldOpenByUs());
    // A search for one format leaves the arrays empty.
    EXPECT_FALSE(cb.HasCurrentFormat(kCfUnicodeText));
    this->ExpectSubscriptError([&] { cb.GetCurrentFormatID(1); });
    // Enumerating all: the set format, then the text Windows makes from it.
    EXPECT_EQ(cb.GetCurrentFormats(this->env.owner(), 0), 2);
    EXPECT_TRUE(cb.HasCurrentFormat(kCfUnicodeText));
    EXPECT_TRUE(cb.HasCurrentFormat(kCfText));
    EXPECT_FALSE(cb.HasCurrentFormat(kCfHdrop));
    EXPECT_EQ(cb.GetCurrentFormatID(1), 13);
    EXPECT_EQ(cb.GetCurrentFormatName(1), u"Text (Unicode)");
    EXPECT_EQ(cb.GetCurrentFormatID(2), 1);
    this->ExpectSubscriptError([&] { cb.GetCurrentFormatID(0); });
    this->ExpectSubscriptError([&] { cb.GetCurrentFormatName(3); });
    EXPECT_EQ(cb.GetCurrentFormats(this->env.owner(), kCfHdrop), 0);
    EXPECT_EQ(cb.FormatCount(), 2);
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    EXPECT_EQ(cb.GetUniText(), u"hi");
    EXPECT_FALSE(cb.IsOpen());
}

TYPED_TEST(ClipboardContract, GetTextDataOfTextReopensWithTheSameOwner) {
    this->Put({{kCfText, Bytes({'a', 'b', 0})}});
    auto& cb = this->clip;
    std::u16string text = u"unchanged";
    // Closed before: closed after.
    EXPECT_TRUE(cb.GetTextData(kCfText, text));
    EXPECT_EQ(text, u"ab");
    EXPECT_FALSE(cb.IsOpen());
    // Open before: open again with the same owner.
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    EXPECT_TRUE(cb.GetTextData(kCfUnicodeText, text));
    EXPECT_EQ(text, u"ab");
    EXPECT_TRUE(cb.IsOpen());
    EXPECT_EQ(cb.OwnerWindow(), this->env.owner());
    EXPECT_TRUE(this->env.HeldOpenByUs());
    // The read needs the clipboard: with another program holding it, nothing is read.
    cb.ClipboardClose();
    this->env.HoldElsewhere(true);
    text = u"unchanged";
    EXPECT_FALSE(cb.GetTextData(kCfText, text));
    EXPECT_EQ(text, u"unchanged");
}

TYPED_TEST(ClipboardContract, DestructionClosesTheClipboard) {
    {
        clsClipBoard other(this->env.clipboard(), u"plv", [this] { return this->env.owner(); });
        ASSERT_TRUE(other.ClipboardOpen(this->env.owner()));
        EXPECT_TRUE(this->env.HeldOpenByUs());
    }
    EXPECT_FALSE(this->env.HeldOpenByUs());
}

// --- blocks and text

TYPED_TEST(ClipboardContract, SetTextDataWritesUnicodeThenAnsi) {
    auto& cb = this->clip;
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    cb.ClearClipboard();
    EXPECT_FALSE(cb.SetTextData(u""));
    EXPECT_EQ(cb.FormatCount(), 0) << "an empty text writes nothing";
    EXPECT_TRUE(cb.SetTextData(u"ab"));
    cb.ClipboardClose();
    EXPECT_EQ(this->BlockSize(kCfUnicodeText), 6u);
    EXPECT_EQ(this->BlockSize(kCfText), 3u);
    EXPECT_EQ(this->Block(kCfText), Bytes({'a', 'b', 0}));
    EXPECT_EQ(cb.GetCurrentFormats(this->env.owner(), 0), 2);
    EXPECT_EQ(cb.GetCurrentFormatID(1), 13) << "Unicode first";
    // Text outside the ANSI code page: exact in Unicode, rendered as '?' in ANSI.
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    cb.ClearClipboard();
    EXPECT_TRUE(cb.SetTextData(u"\u0416\u20ac"));
    cb.ClipboardClose();
    EXPECT_EQ(cb.GetUniText(), u"\u0416\u20ac");
    EXPECT_EQ(this->Block(kCfText), Bytes({'?', 0x80, 0}));
}

TYPED_TEST(ClipboardContract, GetUniTextPrefersUnicodeAndFallsBackToAnsi) {
    auto& cb = this->clip;
    // Three letters followed by zero bytes: exactly those letters.
    this->Put({{kCfUnicodeText, Bytes({'a', 0, 'b', 0, 'c', 0, 0, 0, 0, 0, 0, 0})}});
    EXPECT_EQ(cb.GetUniText(), u"abc");
    // A Unicode block of two bytes or less: the ANSI text.
    this->Put({{kCfUnicodeText, Bytes({0, 0})}, {kCfText, Bytes({'x', 0})}});
    EXPECT_EQ(cb.GetUniText(), u"x");
    this->Put({{kCfText, Bytes({'a', 0x80, 0})}});
    EXPECT_EQ(cb.GetUniText(), u"a\u20ac");
    this->Put({{8, Bytes({1, 2, 3})}});
    EXPECT_EQ(cb.GetUniText(), u"");
    this->Put({});
    EXPECT_EQ(cb.GetUniText(), u"");
}

TYPED_TEST(ClipboardContract, BinaryBlocksLoseTheirLastTwoBytes) {
    auto& cb = this->clip;
    this->Put({{8, Bytes({1, 2, 3, 4, 5})}, {9, Bytes({1, 2})}});
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    std::vector<std::uint8_t> data = {9, 9};
    EXPECT_TRUE(cb.GetBinaryData(8, data));
    EXPECT_EQ(data, Bytes({1, 2, 3}));
    EXPECT_FALSE(cb.GetBinaryData(9, data));
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(cb.GetBinaryData(10, data)) << "a format that is not there";
    std::int32_t handle = 0;
    EXPECT_TRUE(cb.GetBinaryData(8, data, &handle));
    EXPECT_TRUE(data.empty()) << "nothing is copied with a handle";
    MemHandle h = cb.GetClipboardMemoryHandle(8);
    EXPECT_EQ(handle, static_cast<std::int32_t>(static_cast<std::uint32_t>(h + 3)));
    // Other formats than text are read as UTF-16 with full-width forms made half-width.
    std::u16string text;
    this->ExpectSubscriptError([&] { cb.SetBinaryData(8, {}); });
    cb.ClearClipboard();
    EXPECT_TRUE(cb.SetBinaryData(12, Bytes({0x21, 0xFF, 0x00, 0x30, 'z', 0, 0, 0})));
    EXPECT_TRUE(cb.GetTextData(12, text));
    EXPECT_EQ(text, u"A z");
    cb.ClipboardClose();
    EXPECT_EQ(cb.GetHandle(this->env.owner()), 0) << "no CF_TEXT";
    this->Put({{kCfText, Bytes({'a', 'b', 'c', 0})}});
    EXPECT_NE(cb.GetHandle(this->env.owner()), 0);
    EXPECT_FALSE(cb.IsOpen());
}

// --- file lists

TYPED_TEST(ClipboardContract, FileLists) {
    auto& cb = this->clip;
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    cb.ClearClipboard();
    EXPECT_TRUE(cb.SetFileList({u"a", u"b"}));
    cb.ClipboardClose();
    EXPECT_EQ(this->Block(kCfHdrop),
              Bytes({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'a', 0, 'b', 0, 0}));
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    std::vector<std::u16string> files;
    std::int32_t count = -7;
    EXPECT_TRUE(cb.GetFileList(files, count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(files, (std::vector<std::u16string>{u"a", u"b"}));
    // Names outside ASCII in the ANSI code page; a name longer than the buffer is cut.
    cb.ClearClipboard();
    std::u16string longName(300, u'n');
    EXPECT_TRUE(cb.SetFileList({u"C:\\caf\u00e9\u20ac.txt", longName}));
    EXPECT_TRUE(cb.GetFileList(files, count));
    EXPECT_EQ(files[0], u"C:\\caf\u00e9\u20ac.txt");
    EXPECT_EQ(files[1], std::u16string(259, u'n'));
    // An empty list: one zero after the header, and no files to read back.
    cb.ClearClipboard();
    EXPECT_TRUE(cb.SetFileList({}));
    count = -7;
    EXPECT_FALSE(cb.GetFileList(files, count));
    EXPECT_EQ(count, 0);
    cb.ClipboardClose();
    EXPECT_EQ(this->BlockSize(kCfHdrop), 21u);
    // No file list on the clipboard: false, and the count is left as the caller had it.
    this->Put({{kCfText, Bytes({'x', 0})}});
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    count = -7;
    files = {u"keep"};
    EXPECT_FALSE(cb.GetFileList(files, count));
    EXPECT_EQ(count, -7);
    EXPECT_EQ(files, std::vector<std::u16string>{u"keep"});
}

// The registration answer alone decides AddFormat's result, whatever the system gives.
class RegistrationOnly : public Clipboard {
  public:
    std::uint32_t answer = 0;
    bool OpenClipboard(Hwnd) override { return false; }
    bool CloseClipboard() override { return false; }
    bool EmptyClipboard() override { return false; }
    int CountClipboardFormats() override { return 0; }
    std::uint32_t EnumClipboardFormats(std::uint32_t) override { return 0; }
    bool IsClipboardFormatAvailable(std::uint32_t) override { return false; }
    MemHandle GetClipboardData(std::uint32_t) override { return 0; }
    MemHandle SetClipboardData(std::uint32_t, MemHandle) override { return 0; }
    std::uint32_t RegisterClipboardFormat(const std::string&) override { return answer; }
    std::optional<std::string> GetClipboardFormatName(std::uint32_t, std::size_t) override {
        return std::nullopt;
    }
    MemHandle GlobalAlloc(std::uint32_t, std::size_t) override { return 0; }
    std::size_t GlobalSize(MemHandle) override { return 0; }
    std::vector<std::uint8_t> GlobalRead(MemHandle) override { return {}; }
    bool GlobalWrite(MemHandle, const std::vector<std::uint8_t>&) override { return false; }
    void GlobalFree(MemHandle) override {}
    std::uint32_t DragQueryFileCount(MemHandle) override { return 0; }
    std::optional<std::string> DragQueryFile(MemHandle, std::uint32_t, std::size_t) override {
        return std::nullopt;
    }
};

TEST(ClipboardAddFormat, OnlyIdsAboveC000Count) {
    RegistrationOnly reg;
    clsClipBoard cb(reg, u"plv", nullptr);
    for (auto [answer, expected] : {std::pair{0u, 0}, std::pair{1u, 0}, std::pair{0xC000u, 0},
                                    std::pair{0xC001u, 0xC001}, std::pair{0xFFFFu, 0xFFFF}}) {
        reg.answer = answer;
        EXPECT_EQ(cb.AddFormat(u"x"), expected) << answer;
    }
    // Nothing can be opened: GetUniText gives "" rather than an error.
    EXPECT_EQ(cb.GetUniText(), u"");
}

}  // namespace
}  // namespace plv
