#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "base/numbers.h"
#include "base/text.h"

namespace plv {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double in;
        std::int64_t out;
    };
    for (Case c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{3.5, 4}, Case{-0.5, 0}, Case{-1.5, -2},
                   Case{-2.5, -2}, Case{2.4999, 2}, Case{2.5001, 3}, Case{-2.6, -3}, Case{66.6667, 67},
                   Case{1e12 + 0.5, 1000000000000}, Case{1e30, INT64_MAX}, Case{-1e30, INT64_MIN},
                   Case{9223372036854775807.0, INT64_MAX}, Case{std::nan(""), 0}}) {
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
    }
    EXPECT_EQ(RoundHalfEven32(3e9), INT32_MAX);
    EXPECT_EQ(RoundHalfEven32(-3e9), INT32_MIN);
}

TEST(ParseNumber, AcceptsDecimalNumbersWithBlanksAround) {
    struct Case {
        const char16_t* in;
        std::optional<double> out;
    };
    for (Case c : {Case{u"12", 12.0},
                   Case{u" 12 ", 12.0},
                   Case{u"-5", -5.0},
                   Case{u"+5", 5.0},
                   Case{u"1.5", 1.5},
                   Case{u".5", 0.5},
                   Case{u"5.", 5.0},
                   Case{u"1e3", 1000.0},
                   Case{u"\t7", 7.0},
                   Case{u"", std::nullopt},
                   Case{u"  ", std::nullopt},
                   Case{u"abc", std::nullopt},
                   Case{u"1 2", std::nullopt},
                   Case{u"12px", std::nullopt},
                   Case{u"-", std::nullopt},
                   Case{u".", std::nullopt},
                   Case{u"1e", std::nullopt},
                   Case{u"1,5", std::nullopt},
                   Case{u"0x10", std::nullopt},
                   Case{u"1e999", std::nullopt}}) {
        EXPECT_EQ(ParseNumber(c.in), c.out) << Utf16ToUtf8(c.in);
    }
    EXPECT_EQ(ParseWholeNumber(u"2.5"), 2);
    EXPECT_EQ(ParseWholeNumber(u"-1"), -1);
    EXPECT_EQ(ParseWholeNumber(u"3000000000"), std::nullopt);
}

TEST(Text, Utf8RoundTripsAndRejectsMalformedInput) {
    std::u16string s = u"a\u00e9\u20ac\U0001F600z";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(s)), s);
    EXPECT_EQ(Utf16ToUtf8(u"\u00e9"), "\xC3\xA9");
    // Truncated, overlong and surrogate encodings become U+FFFD.
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80x"), u"\uFFFD\uFFFD\uFFFDx");
    EXPECT_EQ(Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(Text, Windows1252BothWays) {
    struct Case {
        std::string ansi;
        std::u16string wide;
    };
    for (const Case& c :
         {Case{"abc", u"abc"}, Case{"\x80", u"\u20ac"}, Case{"\x9f", u"\u0178"}, Case{"\xe9", u"\u00e9"},
          Case{"\x81", u"\u0081"}, Case{"\x8a\x9a", u"\u0160\u0161"}}) {
        EXPECT_EQ(AnsiToUtf16(c.ansi), c.wide);
        EXPECT_EQ(Utf16ToAnsi(c.wide), c.ansi);
    }
    // What 1252 cannot hold comes out as '?', one per character.
    EXPECT_EQ(Utf16ToAnsi(u"\u0416\U0001F600x"), "??x");
}

TEST(Text, CaseFoldingAndSplitting) {
    EXPECT_TRUE(EqualsIgnoreCase(u"WinWord.EXE", u"winword.exe"));
    EXPECT_TRUE(EqualsIgnoreCase(u"\u00c9T\u00c9", u"\u00e9t\u00e9"));
    EXPECT_TRUE(EqualsIgnoreCase(u"\u0416\u0401", u"\u0436\u0451"));
    EXPECT_FALSE(EqualsIgnoreCase(u"\u00d7", u"\u00f7"));
    EXPECT_FALSE(EqualsIgnoreCase(u"ab", u"abc"));
    EXPECT_EQ(TrimBlanks(u"  a b \t "), u"a b \t");
    EXPECT_EQ(Split(u"", u','), std::vector<std::u16string>{u""});
    EXPECT_EQ(Split(u"a,,b,", u','), (std::vector<std::u16string>{u"a", u"", u"b", u""}));
}

}  // namespace
}  // namespace plv
