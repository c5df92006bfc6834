#include <gtest/gtest.h>

#include "apertium_format.h"
#include "engine.h"
#include "request_fields.h"
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

TEST(HostHeader, OnlyLoopbackNamesPass) {
    for (const char* ok : {"127.0.0.1", "127.0.0.1:8723", "127.9.9.9:1", "localhost", "LOCALHOST:80", "[::1]",
                           "[::1]:8723", "localhost:"}) {
        EXPECT_TRUE(IsLoopbackHostHeader(ok)) << ok;
    }
    for (const char* bad :
         {"", "evil.example", "evil.example:8723", "127.0.0.1.evil.example", "localhost.evil", "0.0.0.0",
          "[::2]:1", "::1", "[127.0.0.1]", "127.0.0.1:80:80", "127.0.0.1:8o", "localhost:123456", "[::1"}) {
        EXPECT_FALSE(IsLoopbackHostHeader(bad)) << bad;
    }
    EXPECT_TRUE(IsLoopbackAddress("::ffff:127.0.0.1"));
    EXPECT_FALSE(IsLoopbackAddress("0.0.0.0"));
    EXPECT_FALSE(IsLoopbackAddress("example.org"));
}

TEST(RequestFields, ReadsTheThreeContentTypes) {
    auto form =
        ExtractFields("application/x-www-form-urlencoded", "q=a+b%26c&source=en&target=es&q=last%", {});
    EXPECT_EQ(form.status, 200);
    EXPECT_EQ(form.values["q"], "last%");  // the last of a repeated field; a stray % stays
    EXPECT_EQ(form.values["source"], "en");
    auto json = ExtractFields("Application/JSON; charset=utf-8", R"({"q":"a&b","n":1,"target":"es"})",
                              {{"source", "x"}});
    EXPECT_EQ(json.status, 200);
    EXPECT_EQ(json.values["q"], "a&b");
    EXPECT_EQ(json.values["source"], "x");  // from the query string
    EXPECT_FALSE(json.Has("n"));
    const std::string body =
        "preamble\r\n--XyZ\r\nContent-Disposition: form-data; name=\"q\"\r\n\r\nline 1\r\nline 2\r\n"
        "--XyZ\r\ncontent-disposition: form-data; name=\"a;b\"; filename=\"f.txt\"\r\nContent-Type: "
        "text/plain\r\n\r\n"
        "--XyZ-ish\r\n--XyZ--\r\nepilogue";
    auto multi = ExtractFields("multipart/form-data; boundary=\"XyZ\"", body, {});
    EXPECT_EQ(multi.status, 200) << multi.error;
    EXPECT_EQ(multi.values["q"], "line 1\r\nline 2");
    EXPECT_EQ(multi.values["a;b"], "--XyZ-ish");
    for (const std::string& bad : {std::string("--XyZ\r\n\r\nno end"), std::string("no delimiter"),
                                   std::string("--XyZ\r\nno colon\r\n\r\nx\r\n--XyZ--")}) {
        EXPECT_EQ(ExtractFields("multipart/form-data; boundary=XyZ", bad, {}).status, 400) << bad;
    }
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
    // Every code of Debian's pairs: ISO 639-1 where the language has one, the same either way.
    const std::pair<const char*, const char*> codes[] = {
        {"afr", "af"},  {"arg", "an"}, {"ast", "ast"}, {"bel", "be"}, {"bre", "br"}, {"bul", "bg"},
        {"cat", "ca"},  {"dan", "da"}, {"eng", "en"},  {"epo", "eo"}, {"eus", "eu"}, {"fra", "fr"},
        {"frp", "frp"}, {"glg", "gl"}, {"hbs", "sh"},  {"hin", "hi"}, {"ind", "id"}, {"isl", "is"},
        {"ita", "it"},  {"mkd", "mk"}, {"nld", "nl"},  {"nno", "nn"}, {"nob", "nb"}, {"oci", "oc"},
        {"pol", "pl"},  {"por", "pt"}, {"ron", "ro"},  {"rus", "ru"}, {"slv", "sl"}, {"spa", "es"},
        {"srd", "sc"},  {"swe", "sv"}, {"szl", "szl"}, {"ukr", "uk"}, {"urd", "ur"}, {"zlm", "ms"}};
    for (const auto& [three, code] : codes) {
        EXPECT_EQ(NormalizeLanguageCode(three), code) << three;
        EXPECT_EQ(NormalizeLanguageCode(code), code) << code;
        EXPECT_NE(LanguageName(three), three) << "no name for " << three;
        EXPECT_EQ(LanguageName(three), LanguageName(code)) << three;
    }
    EXPECT_EQ(NormalizeDirection("hbs-eng"), "sh-en");
    EXPECT_EQ(NormalizeDirection("EN-spa"), "en-es");
    // Two modes of one direction: the newer, three-letter one, in either order.
    const std::string two = "en-ca", three = "eng-cat";
    EXPECT_EQ(PreferredMode(two, three), "eng-cat");
    EXPECT_EQ(PreferredMode(three, two), "eng-cat");
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
        {" x", "[ ]x.[]"},  // a single space at either end is formatting, not a plain blank
        {"x ", "x.[][ ]"},
        {std::string("a\0b", 3), "a b.[]"},  // NUL ends a request, so it cannot pass
        {std::string("a \0b", 4), "a[  ]b.[]"},
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
        " lead",
        "trail ",
        " ",
        "#",
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
