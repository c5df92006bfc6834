#pragma once
// The clipboard class's contract, and the clipboard primitives beneath it as the capture uses
// them. The suite is typed over the clipboard it runs against, so that the same cases run on the
// simulated desktop and on the real Windows clipboard. An environment gives:
//   Clipboard& clipboard();          the seam's clipboard
//   Hwnd owner(), otherOwner();      two windows of ours
//   std::u16string exeBaseName();    the executable's name, which the class's errors carry
//   void HoldElsewhere(bool held);   another program holds the clipboard open, or lets it go
//   bool HeldOpenByUs();             whether the clipboard is open, by us
//   void OfferDelayed(format, bytes); another program offers a format for delayed rendering and
//                                     does not render it when asked, until
//   void AnswerDelayed();            it answers; this returns once the clipboard is free again
//   std::int64_t NowMs();            a clock in milliseconds
// A test file includes this once and instantiates it:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, ClipboardContract, Env);
// inside namespace plv::contract.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "clipboard/cls_clipboard.h"
#include "platform/platform.h"

namespace plv::contract {

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> b) {
    std::vector<std::uint8_t> v;
    for (int x : b) {
        v.push_back(static_cast<std::uint8_t>(x));
    }
    return v;
}

inline void AppendLe(std::vector<std::uint8_t>& b, std::uint32_t v, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

// A DIB of one blue pixel: the 40-byte header, then the pixel's row padded to four bytes.
inline std::vector<std::uint8_t> SmallDib() {
    return Bytes({40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0,    0, 4, 0,
                  0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0xFF, 0, 0, 0});
}

// An enhanced metafile that draws one rectangle: the header record, the rectangle, the end.
inline std::vector<std::uint8_t> SmallEmf() {
    std::vector<std::uint8_t> b;
    const std::uint32_t headerSize = 108;
    const std::uint32_t total = headerSize + 24 + 20;
    AppendLe(b, 1);  // EMR_HEADER
    AppendLe(b, headerSize);
    for (std::uint32_t v : {0u, 0u, 9u, 9u}) {  // bounds in device pixels
        AppendLe(b, v);
    }
    for (std::uint32_t v : {0u, 0u, 264u, 264u}) {  // frame in hundredths of a millimetre
        AppendLe(b, v);
    }
    AppendLe(b, 0x464D4520);  // " EMF"
    AppendLe(b, 0x10000);     // version
    AppendLe(b, total);
    AppendLe(b, 3);     // records
    AppendLe(b, 1, 2);  // handles
    AppendLe(b, 0, 2);
    for (std::uint32_t v : {0u, 0u, 0u}) {  // no description, no palette
        AppendLe(b, v);
    }
    for (std::uint32_t v : {1280u, 800u, 320u, 200u}) {  // device in pixels and millimetres
        AppendLe(b, v);
    }
    for (std::uint32_t v : {0u, 0u, 0u}) {  // no pixel format, no OpenGL
        AppendLe(b, v);
    }
    for (std::uint32_t v : {320000u, 200000u}) {  // device in micrometres
        AppendLe(b, v);
    }
    AppendLe(b, 43);  // EMR_RECTANGLE
    AppendLe(b, 24);
    for (std::uint32_t v : {1u, 1u, 8u, 8u}) {
        AppendLe(b, v);
    }
    AppendLe(b, 14);  // EMR_EOF
    AppendLe(b, 20);
    AppendLe(b, 0);
    AppendLe(b, 16);
    AppendLe(b, 20);
    return b;
}

constexpr std::uint32_t kCfBitmap = 2;
constexpr std::uint32_t kCfMetafilePict = 3;
constexpr std::uint32_t kCfSylk = 4;
constexpr std::uint32_t kCfOemText = 7;
constexpr std::uint32_t kCfDib = 8;
constexpr std::uint32_t kCfWave = 12;
constexpr std::uint32_t kCfEnhMetafile = 14;
constexpr std::uint32_t kCfLocale = 16;
constexpr std::uint32_t kCfDibV5 = 17;

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

TYPED_TEST_SUITE_P(ClipboardContract);

// --- format names

TYPED_TEST_P(ClipboardContract, FormatNames) {
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

TYPED_TEST_P(ClipboardContract, FormatIdForNameComparesExactly) {
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

TYPED_TEST_P(ClipboardContract, MembersThatNeedTheClipboardOpenFailWithTheClassError) {
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

TYPED_TEST_P(ClipboardContract, OpenFailsWhileAnotherProgramHoldsIt) {
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

TYPED_TEST_P(ClipboardContract, SelfOpeningMembersLeaveTheClipboardClosed) {
    this->Put({{kCfUnicodeText, Bytes({'h', 0, 'i', 0, 0, 0})}});
    auto& cb = this->clip;
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    EXPECT_EQ(cb.GetCurrentFormats(this->env.owner(), kCfUnicodeText), 1);
    EXPECT_FALSE(cb.IsOpen());
    EXPECT_FALSE(this->env.HeldOpenByUs());
    // A search for one format leaves the arrays empty.
    EXPECT_FALSE(cb.HasCurrentFormat(kCfUnicodeText));
    this->ExpectSubscriptError([&] { cb.GetCurrentFormatID(1); });
    // Enumerating all: the set format, then what Windows makes from it (the locale, the ANSI and
    // the OEM text).
    EXPECT_EQ(cb.GetCurrentFormats(this->env.owner(), 0), 4);
    EXPECT_TRUE(cb.HasCurrentFormat(kCfUnicodeText));
    EXPECT_TRUE(cb.HasCurrentFormat(kCfText));
    EXPECT_TRUE(cb.HasCurrentFormat(kCfOemText));
    EXPECT_TRUE(cb.HasCurrentFormat(kCfLocale));
    EXPECT_FALSE(cb.HasCurrentFormat(kCfHdrop));
    EXPECT_EQ(cb.GetCurrentFormatID(1), 13);
    EXPECT_EQ(cb.GetCurrentFormatName(1), u"Text (Unicode)");
    this->ExpectSubscriptError([&] { cb.GetCurrentFormatID(0); });
    this->ExpectSubscriptError([&] { cb.GetCurrentFormatName(5); });
    EXPECT_EQ(cb.GetCurrentFormats(this->env.owner(), kCfHdrop), 0);
    EXPECT_EQ(cb.FormatCount(), 4);
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    EXPECT_EQ(cb.GetUniText(), u"hi");
    EXPECT_FALSE(cb.IsOpen());
}

TYPED_TEST_P(ClipboardContract, GetTextDataOfTextReopensWithTheSameOwner) {
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

TYPED_TEST_P(ClipboardContract, DestructionClosesTheClipboard) {
    {
        clsClipBoard other(this->env.clipboard(), u"plv", [this] { return this->env.owner(); });
        ASSERT_TRUE(other.ClipboardOpen(this->env.owner()));
        EXPECT_TRUE(this->env.HeldOpenByUs());
    }
    EXPECT_FALSE(this->env.HeldOpenByUs());
}

// --- blocks and text

// The Unicode text alone is set; the system makes the ANSI and OEM texts from it in its own code
// pages when they are asked for.
TYPED_TEST_P(ClipboardContract, SetTextDataWritesTheUnicodeTextAlone) {
    auto& cb = this->clip;
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    cb.ClearClipboard();
    EXPECT_FALSE(cb.SetTextData(u""));
    EXPECT_EQ(cb.FormatCount(), 0) << "an empty text writes nothing";
    EXPECT_TRUE(cb.SetTextData(u"ab"));
    cb.ClipboardClose();
    EXPECT_EQ(this->BlockSize(kCfUnicodeText), 6u);
    auto ansi = this->Block(kCfText);
    ASSERT_GE(ansi.size(), 3u);
    EXPECT_EQ(std::vector<std::uint8_t>(ansi.begin(), ansi.begin() + 3), Bytes({'a', 'b', 0}));
    EXPECT_EQ(cb.GetCurrentFormats(this->env.owner(), 0), 4)
        << "the text, the locale and the two made from it";
    EXPECT_EQ(cb.GetCurrentFormatID(1), 13) << "only the Unicode text was set";
    // Text outside the ANSI code page: exact in Unicode; the ANSI text is the system's to make.
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    cb.ClearClipboard();
    EXPECT_TRUE(cb.SetTextData(u"\u0416\u20ac"));
    cb.ClipboardClose();
    EXPECT_EQ(cb.GetUniText(), u"\u0416\u20ac");
}

TYPED_TEST_P(ClipboardContract, GetUniTextPrefersUnicodeAndFallsBackToAnsi) {
    auto& cb = this->clip;
    // Three letters followed by zero bytes: exactly those letters.
    this->Put({{kCfUnicodeText, Bytes({'a', 0, 'b', 0, 'c', 0, 0, 0, 0, 0, 0, 0})}});
    EXPECT_EQ(cb.GetUniText(), u"abc");
    // A Unicode block of two bytes or less: the ANSI text.
    this->Put({{kCfUnicodeText, Bytes({0, 0})}, {kCfText, Bytes({'x', 0})}});
    EXPECT_EQ(cb.GetUniText(), u"x");
    this->Put({{kCfText, Bytes({'a', 0x80, 0})}});
    EXPECT_EQ(cb.GetUniText(), u"a\u20ac");
    // OEM text alone: the other two are made from it through the OEM code page (437).
    this->Put({{kCfOemText, Bytes({'a', 0x82, 0})}});
    EXPECT_EQ(cb.GetUniText(), u"a\u00e9");
    EXPECT_EQ(this->Block(kCfText), Bytes({'a', 0xE9, 0}));
    this->Put({{8, Bytes({1, 2, 3})}});
    EXPECT_EQ(cb.GetUniText(), u"");
    this->Put({});
    EXPECT_EQ(cb.GetUniText(), u"");
}

TYPED_TEST_P(ClipboardContract, BinaryBlocksLoseTheirLastTwoBytes) {
    auto& cb = this->clip;
    this->Put({{kCfDib, Bytes({1, 2, 3, 4, 5})}, {kCfSylk, Bytes({1, 2})}});
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    std::vector<std::uint8_t> data = {9, 9};
    EXPECT_TRUE(cb.GetBinaryData(8, data));
    EXPECT_EQ(data, Bytes({1, 2, 3}));
    EXPECT_FALSE(cb.GetBinaryData(kCfSylk, data));
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

TYPED_TEST_P(ClipboardContract, FileLists) {
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
    cb.ClipboardClose();
    // Explorer's lists hold wide names: they come back in any script, whatever the code page.
    const std::u16string name = u"C:\\\u0414\u043e\u043a \u6587\u4ef6.txt";
    auto wide = Bytes({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0});
    for (const auto& b : {ToUtf16Le(name, true), ToUtf16Le(u"", true)}) {
        wide.insert(wide.end(), b.begin(), b.end());
    }
    this->Put({{kCfHdrop, wide}});
    ASSERT_TRUE(cb.ClipboardOpen(this->env.owner()));
    EXPECT_TRUE(cb.GetFileList(files, count));
    EXPECT_EQ(files, std::vector<std::u16string>{name});
    cb.ClipboardClose();
}

// --- the primitives beneath, as the capture's save uses them

TYPED_TEST_P(ClipboardContract, PicturesKeepTheirBits) {
    const auto dib = SmallDib();
    const auto emf = SmallEmf();
    this->Put({{kCfDib, dib}, {kCfEnhMetafile, emf}});
    EXPECT_EQ(this->Block(kCfDib), dib);
    EXPECT_EQ(this->Block(kCfEnhMetafile), emf) << "a metafile travels as its bits";
    EXPECT_TRUE(this->env.clipboard().IsClipboardFormatAvailable(kCfBitmap)) << "made from the DIB";
    EXPECT_TRUE(this->env.clipboard().IsClipboardFormatAvailable(kCfMetafilePict))
        << "made from the metafile";
}

// A save enumerates the formats and keeps each block it is given: only what Windows cannot make
// again from a format listed before is given.
TYPED_TEST_P(ClipboardContract, ASaveIsGivenWhatWindowsCannotMakeAgain) {
    Clipboard& c = this->env.clipboard();
    auto given = [&] {
        std::vector<std::uint32_t> all;
        std::vector<std::uint32_t> blocks;
        EXPECT_TRUE(c.OpenClipboard(this->env.owner()));
        for (std::uint32_t f = c.EnumClipboardFormats(0); f != 0; f = c.EnumClipboardFormats(f)) {
            all.push_back(f);
            if (c.GetClipboardData(f) != 0) {
                blocks.push_back(f);
            }
        }
        c.CloseClipboard();
        return std::pair{all, blocks};
    };
    const auto unicode = ToUtf16Le(u"\u0416x", true);
    this->Put({{kCfUnicodeText, unicode}, {kCfDib, SmallDib()}, {kCfEnhMetafile, SmallEmf()}});
    auto [all, blocks] = given();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(std::vector<std::uint32_t>(all.begin(), all.begin() + 3),
              (std::vector<std::uint32_t>{kCfUnicodeText, kCfDib, kCfEnhMetafile}))
        << "the formats set come first, in their order";
    std::vector<std::uint32_t> made(all.begin() + 3, all.end());
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, (std::vector<std::uint32_t>{kCfText, kCfBitmap, kCfMetafilePict, kCfOemText, kCfLocale,
                                                kCfDibV5}));
    // The ANSI text is given too: the program itself tells whether it only repeats the Unicode text.
    EXPECT_EQ(blocks, (std::vector<std::uint32_t>{kCfUnicodeText, kCfDib, kCfEnhMetafile, kCfText}));
    // A locale an application set for its text is its own, unless it is what Windows would put there.
    this->Put({{kCfText, Bytes({'a', 0})}, {kCfLocale, Bytes({0x19, 0x04, 0, 0})}});
    std::tie(all, blocks) = given();
    EXPECT_EQ(blocks, (std::vector<std::uint32_t>{kCfText, kCfLocale, kCfUnicodeText}));
    // Formats that no other one makes are all given.
    std::int32_t registered = this->clip.AddFormat(u"Parlevo Contract Format");
    this->Put({{kCfWave, Bytes({1, 2})},
               {static_cast<std::uint32_t>(registered), Bytes({3})},
               {kCfSylk, Bytes({4})}});
    std::tie(all, blocks) = given();
    EXPECT_EQ(blocks, all);
    EXPECT_EQ(all.size(), 3u);
}

// The sequence number tells a restore that is still owed whether the user has put something new
// on the clipboard since: it moves with every change of content, and only then.
TYPED_TEST_P(ClipboardContract, TheSequenceNumberMovesWithTheContentOnly) {
    Clipboard& c = this->env.clipboard();
    this->Put({{kCfText, Bytes({'a', 0})}});
    std::uint32_t before = c.GetClipboardSequenceNumber();
    ASSERT_TRUE(c.OpenClipboard(this->env.owner()));
    c.GetClipboardData(kCfText);
    c.CloseClipboard();
    EXPECT_EQ(c.GetClipboardSequenceNumber(), before) << "opening and reading change nothing";
    this->Put({{kCfText, Bytes({'a', 0})}});
    EXPECT_NE(c.GetClipboardSequenceNumber(), before) << "the same text put again is a change";
}

// The capture's save reads on a worker, waited for until a deadline, and keeps no more than a
// limit: past either the clipboard is left exactly as it was. OLE's private formats are not kept.
TYPED_TEST_P(ClipboardContract, ASaveHasADeadlineAndALimit) {
    Clipboard& c = this->env.clipboard();
    std::uint32_t ole = c.RegisterClipboardFormat("Ole Private Data");
    this->Put({{kCfWave, Bytes({1, 2, 3})}, {ole, Bytes({9})}});
    std::uint32_t sequence = c.GetClipboardSequenceNumber();
    ClipboardContent saved = c.SaveClipboardContent(5000, 100, {"OLE PRIVATE DATA"});
    EXPECT_EQ(saved.status, ClipboardSave::Saved);
    EXPECT_EQ(saved.formats, (decltype(saved.formats){{kCfWave, Bytes({1, 2, 3})}}));
    EXPECT_EQ(saved.sequence, sequence);
    EXPECT_FALSE(this->env.HeldOpenByUs()) << "the worker closed the clipboard";
    EXPECT_EQ(c.SaveClipboardContent(5000, 3, {}).status, ClipboardSave::TooLarge) << "four bytes in all";
    this->env.HoldElsewhere(true);
    EXPECT_EQ(c.SaveClipboardContent(5000, 100, {}).status, ClipboardSave::Held);
    this->env.HoldElsewhere(false);

    this->env.OfferDelayed(kCfWave, Bytes({7, 7}));
    std::int64_t start = this->env.NowMs();
    ClipboardContent late = c.SaveClipboardContent(300, 100, {});
    std::int64_t took = this->env.NowMs() - start;
    EXPECT_EQ(late.status, ClipboardSave::TimedOut);
    EXPECT_TRUE(late.formats.empty());
    EXPECT_GE(took, 250);
    EXPECT_LT(took, 3000) << "the program's thread is not kept waiting for the owner";
    bool opened = c.OpenClipboard(this->env.owner());
    if (opened) {
        c.CloseClipboard();
    }
    EXPECT_FALSE(opened) << "the worker still waits for the owner, the clipboard open";
    EXPECT_EQ(c.SaveClipboardContent(300, 100, {}).status, ClipboardSave::Held);
    this->env.AnswerDelayed();
    EXPECT_EQ(this->Block(kCfWave), Bytes({7, 7})) << "the owner's content, never emptied";
    // A format a window of the program's own thread offered: the wait answers its WM_RENDERFORMAT
    // rather than wait for itself until the deadline.
    ASSERT_TRUE(c.OpenClipboard(this->env.owner()));
    c.EmptyClipboard();
    c.SetClipboardData(kCfWave, 0);
    c.CloseClipboard();
    EXPECT_EQ(c.SaveClipboardContent(1000, 100, {}).status, ClipboardSave::Saved);
}

REGISTER_TYPED_TEST_SUITE_P(ClipboardContract, FormatNames, FormatIdForNameComparesExactly,
                            MembersThatNeedTheClipboardOpenFailWithTheClassError,
                            OpenFailsWhileAnotherProgramHoldsIt, SelfOpeningMembersLeaveTheClipboardClosed,
                            GetTextDataOfTextReopensWithTheSameOwner, DestructionClosesTheClipboard,
                            SetTextDataWritesTheUnicodeTextAlone, GetUniTextPrefersUnicodeAndFallsBackToAnsi,
                            BinaryBlocksLoseTheirLastTwoBytes, FileLists, PicturesKeepTheirBits,
                            ASaveIsGivenWhatWindowsCannotMakeAgain, TheSequenceNumberMovesWithTheContentOnly,
                            ASaveHasADeadlineAndALimit);

}  // namespace plv::contract
