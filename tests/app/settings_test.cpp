#include <gtest/gtest.h>

#include "base/text.h"
#include "core/setting_values.h"
#include "core/settings.h"
#include "platform/sim/default_settings.h"

namespace plv {
namespace {

std::vector<std::uint8_t> Utf16Bytes(const std::u16string& s, bool bom) {
    return ToUtf16Le((bom ? u"\uFEFF" : u"") + s, false);
}

SettingsCollection Parse(const std::u16string& text) {
    SettingsCollection s;
    ParseSettingsText(text, s);
    return s;
}

TEST(SettingsFile, DecodesUtf16LeWithOrWithoutMark) {
    EXPECT_EQ(DecodeUtf16Le(Utf16Bytes(u"serviceurl=x", true)), u"serviceurl=x");
    EXPECT_EQ(DecodeUtf16Le(Utf16Bytes(u"serviceurl=x", false)), u"serviceurl=x");
    // An odd last byte is not part of any character.
    auto odd = Utf16Bytes(u"ab", false);
    odd.push_back('c');
    EXPECT_EQ(DecodeUtf16Le(odd), u"ab");
    EXPECT_EQ(DecodeUtf16Le({}), u"");
    EXPECT_EQ(DecodeUtf16Le({0xFF, 0xFE}), u"");
    // A UTF-8 file pairs its bytes into characters and yields no usable key.
    std::string utf8 = "Color=1,2,3\r\n";
    auto s = Parse(DecodeUtf16Le(std::vector<std::uint8_t>(utf8.begin(), utf8.end())));
    EXPECT_FALSE(s.Get(u"Color").has_value());
}

TEST(SettingsFile, LineRules) {
    struct Case {
        const char16_t* text;
        const char16_t* key;
        std::optional<std::u16string> value;
    };
    const Case cases[] = {
        // The mark does not become part of the first key (decoded above); CR LF ends lines.
        {u"serviceurl=http://a/\r\nlanguage=en-es", u"serviceurl", u"http://a/"},
        {u"serviceurl=http://a/\r\nlanguage=en-es", u"language", u"en-es"},
        // Blanks around "=" belong to the key and the value.
        {u"Color = 1,2,3", u"Color", std::nullopt},
        {u"Color = 1,2,3", u"Color ", u" 1,2,3"},
        // The first "=" splits; the value keeps the rest.
        {u"a=b=c", u"a", u"b=c"},
        // A line starting with "=" or without "=" is ignored, as is a comment line.
        {u"=x\r\nnoequals\r\n#c=1", u"", std::nullopt},
        {u"=x\r\nnoequals\r\n#c=1", u"#c", std::nullopt},
        {u"=x\r\nnoequals\r\n#c=1", u"noequals", std::nullopt},
        // A blank before "#" makes it an ordinary key.
        {u" #c=1", u" #c", u"1"},
        // Keys ignore letter case; the last of two lines counts.
        {u"FontSize=8\r\nfontsize=12", u"FONTSIZE", u"12"},
        // A lone LF or CR ends a line too; CR CR LF is a line, an empty one, then the next.
        {u"a=1\nb=2\rc=3\r\nd=4", u"a", u"1"},
        {u"a=1\nb=2\rc=3\r\nd=4", u"b", u"2"},
        {u"a=1\nb=2\rc=3\r\nd=4", u"c", u"3"},
        {u"a=1\nb=2\rc=3\r\nd=4", u"d", u"4"},
        {u"a=1\r\r\nb=2", u"a", u"1"},
        {u"a=1\r\r\nb=2", u"b", u"2"},
        {u"a=1\n\rb=2\r", u"b", u"2"},
        // An empty value is a value.
        {u"TransStr=\r\n", u"TransStr", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Parse(c.text).Get(c.key), c.value) << Utf16ToUtf8(c.text) << " / " << Utf16ToUtf8(c.key);
    }
    EXPECT_EQ(Parse(u"").Count(), 0u);
    EXPECT_EQ(Parse(u"\r\n\r\n").Count(), 0u);
    EXPECT_EQ(Parse(u"a=1\r\nA=2\r\nb=3\r\n").Count(), 2u);
    EXPECT_EQ(Parse(u"a=1\nb=2\rc=3\r\nd=4\n").Count(), 4u);
}

TEST(SettingsFile, ArrayUpperBound) {
    EXPECT_EQ(ArrayUpperBound({}), -1);
    EXPECT_EQ(ArrayUpperBound({u"a"}), 0);
    EXPECT_EQ(ArrayUpperBound({u"a", u"b", u"c"}), 2);
}

}  // namespace
}  // namespace plv

namespace plv {
namespace {

// The values the program falls back to are those of the settings file it ships with.
TEST(SettingsFile, ShippedFallbacksMatchTheShippedFile) {
    SettingsCollection shipped;
    ParseSettingsText(DecodeUtf16Le(sim::DefaultSettingsFile()), shipped);
    for (const char16_t* key : {u"maxtranslen", u"FontSize", u"transwidth", u"SmoothGlide", u"timeoutstr"}) {
        EXPECT_EQ(shipped.Get(key), ShippedDefault(key)) << Utf16ToUtf8(key);
    }
    EXPECT_EQ(ShippedDefault(u"Color"), u"");
}

}  // namespace
}  // namespace plv
