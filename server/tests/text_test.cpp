#include <gtest/gtest.h>

#include "apertium_format.h"
#include "engine.h"
#include "service.h"
#include "text_util.h"

namespace plv {
namespace {

TEST(Utf8, AcceptsAndRejects) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"", true},
        {"plain ascii", true},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", true},  // é € 😀
        {"\xF4\x8F\xBF\xBF", true},                           // U+10FFFF, the last code point
        {"\xED\x9F\xBF", true},                               // U+D7FF, just below the surrogates
        {"\xFF", false},
        {"\x80", false},              // lone continuation byte
        {"\xC3", false},              // truncated sequence at the end
        {"\xC3(", false},             // bad continuation
        {"\xC0\xAF", false},          // overlong '/'
        {"\xE0\x80\xAF", false},      // overlong '/' in three bytes
        {"\xF0\x80\x80\xAF", false},  // overlong in four bytes
        {"\xED\xA0\x80", false},      // U+D800, a surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"ok \xE2\x82 then", false},  // truncated in the middle
        {std::string("nul\0inside", 10), true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << ::testing::PrintToString(c.bytes);
}

TEST(HtmlEscape, EscapesEverythingThatCouldBreakOutOfTextOrAttribute) {
    EXPECT_EQ(HtmlEscape(R"(a<b>&"c'd)"), "a&lt;b&gt;&amp;&quot;c&#39;d");
    EXPECT_EQ(HtmlEscape("\xC2\xBB plain"), "\xC2\xBB plain");
}

TEST(Languages, CodesAndNames) {
    EXPECT_EQ(ShortLanguageCode("eng"), "en");
    EXPECT_EQ(ShortLanguageCode("spa"), "es");
    EXPECT_EQ(NormalizeLanguageCode("es"), "es");
    EXPECT_EQ(ShortLanguageCode("xyz"), "xyz");  // unknown codes pass through
    EXPECT_EQ(LanguageName("en"), "English");
    EXPECT_EQ(LanguageName("spa"), "Spanish");
    EXPECT_EQ(DescribeDirection("en", "es"), "English \xC2\xBB Spanish");
}

TEST(ApertiumEncode, MatchesWhatTheStreamFormatNeeds) {
    struct Case {
        std::string text, stream;
    };
    const std::vector<Case> cases = {
        {"the house", "the house.[]"},
        {"Hello.", "Hello..[]"},  // the terminator is added even after a full stop, as destxt does
        {"a [b] c\\d", "a \\[b\\] c\\\\d.[]"},
        {"^$/@{}<>", "\\^\\$\\/\\@\\{\\}\\<\\>.[]"},
        {"#tag *b* ~x", "[#]tag [*]b[*] [~]x.[]"},
        {"one  two\tthree", "one[  ]two[\t]three.[]"},
        {"line\nnext", "line[\n]next.[]"},
        {"para\n\nnext", "para.[][\n\n]next.[]"},
        {"end.  ", "end..[][  ]"},
        {"  lead", "[  ]lead.[]"},
        {" x", " x.[]"},
        {std::string("a\0b", 3), "a b.[]"},  // NUL ends a request, so it cannot pass
        {"bell\x07", "bell[\x07].[]"},
        {"   ", "[   ]"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeForApertium(c.text), c.stream) << ::testing::PrintToString(c.text);
    }
}

TEST(ApertiumEncode, DecodingTheEncodingGivesTheTextBack) {
    // Whatever Apertium does to words, everything that is not a word must come back intact.
    const std::vector<std::string> texts = {
        "the house",
        "a [b] c\\d ^x$ /p/ @user {c} <b>",
        "#hashtag *bold* ~tilde user@mail.com",
        "a.[] b [[x]] c",
        "tabs\tand\nnewlines\n\nand  double  spaces",
        "multi\r\nline\r\n",
        "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC 5",
        "x.[]",
        "trailing\\",
        "\\[\\]",
    };
    for (const auto& t : texts) EXPECT_EQ(DecodeFromApertium(EncodeForApertium(t)), t) << t;
}

TEST(ApertiumDecode, RemovesMarksAndFixesBlanks) {
    struct Case {
        std::string stream, text;
    };
    const std::vector<Case> cases = {
        {"La casa.[]", "La casa"},
        {"*zzzqqq *blorf fue.[]", "zzzqqq blorf fue"},             // unknown words
        {"#ir @dog casa.[]", "ir dog casa"},                       // ungenerated and untranslated words
        {" Tengo un perro.[]", "Tengo un perro"},                  // dropped subject at the start
        {"entonces  corri\xC3\xB3.[]", "entonces corri\xC3\xB3"},  // dropped subject in the middle
        {"a.[][\n\n] Dijo.[]", "a\n\nDijo"},                       // ... and after a paragraph break
        {"[#]etiqueta [*]b[*].[]", "#etiqueta *b*"},               // the writer's own marks survive
        {"\\@user \\[x\\].[]", "@user [x]"},
        {"x [[t:b:123]]y[[/]] z.[]", "x y z"},  // word-bound blanks never reach the text
        {"hola .[]", "hola"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeFromApertium(c.stream), c.text) << c.stream;
}

}  // namespace
}  // namespace plv
