#pragma once
// The Browser's contract: the service page as the program drives it, through navigation and the
// element operations only. Typed over an environment so that the same cases run on the simulated
// desktop's page and on a real browser (the Chromium engine under Wine). An environment gives:
//   Browser& browser();
//   std::u16string PageUrl(PageKind kind);   asked right before each navigation (the simulator
//                                            readies its page model for that kind then)
//   void Pass(std::int64_t ms);              lets time pass (virtual or real)
//   std::string Unavailable();               why the cases cannot run here; empty when they can
// A test file includes this once and instantiates it inside namespace plv::contract:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, BrowserContract, Env);

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace plv::contract {

enum class PageKind {
    Service,      // the service page (English to Spanish), served at once
    Unreachable,  // nothing listens there: the browser shows its own error page
    Hanging,      // the server takes the request and never answers: the page never loads
};

// A page on the loopback interface loads in well under a second; the bounds leave room for a
// slow machine and for the first translation, which starts the translation pipeline.
constexpr std::int64_t kLoadBoundMs = 10000;
constexpr std::int64_t kTranslateBoundMs = 20000;
constexpr std::int64_t kPollMs = 50;

// Polls as the program does until the condition holds, letting time pass between looks; false
// once the bound has passed.
inline bool PollWithin(std::int64_t boundMs, const std::function<bool()>& condition,
                       const std::function<void(std::int64_t)>& pass) {
    for (std::int64_t waited = 0;; waited += kPollMs) {
        if (condition()) {
            return true;
        }
        if (waited >= boundMs) {
            return false;
        }
        pass(kPollMs);
    }
}

// For failure messages: the ids and member names here are ASCII.
inline std::string Ascii(const std::u16string& s) {
    return std::string(s.begin(), s.end());
}

template <typename Env>
class BrowserContract : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string why = env.Unavailable(); !why.empty()) {
            GTEST_SKIP() << why;
        }
    }

    Browser& browser() { return env.browser(); }

    void Open(PageKind kind) { browser().Navigate(env.PageUrl(kind)); }

    bool Within(std::int64_t boundMs, const std::function<bool()>& condition) {
        return PollWithin(boundMs, condition, [this](std::int64_t ms) { env.Pass(ms); });
    }

    std::optional<std::u16string> Get(const char16_t* id, const char16_t* name) {
        return browser().GetElementProperty(id, name);
    }

    // On a busy machine one answer of a real browser now and then misses the engine's bound, and
    // the program's polls allow for that; the cases that are not about the bound look again.
    bool Eventually(const std::function<bool()>& condition) { return Within(kLoadBoundMs, condition); }
    bool Reads(const char16_t* id, const char16_t* name, const std::u16string& expected) {
        return Eventually([&] { return Get(id, name) == expected; });
    }
    bool Has(const char16_t* id, const char16_t* name) {
        return Eventually([&] { return Get(id, name).has_value(); });
    }
    bool Sets(const char16_t* id, const char16_t* name, const std::u16string& value) {
        return Eventually([&] { return browser().SetElementProperty(id, name, value); });
    }

    // The page is ready when its text box is there, which is what the program waits for.
    bool TextBoxThere() {
        auto html = Get(u"text", u"outerHTML");
        return html && !html->empty();
    }

    // A new service page: ready, with its text box still empty. Both looks are made again until
    // they agree, as one answer may miss the engine's bound on a busy machine.
    bool OpenServicePage() {
        Open(PageKind::Service);
        return Within(kLoadBoundMs, [this] { return Get(u"text", u"value") == u"" && TextBoxThere(); });
    }

    Env env;
};

TYPED_TEST_SUITE_P(BrowserContract);

TYPED_TEST_P(BrowserContract, ANavigationLoadsThePageWithinTheBound) {
    this->Open(PageKind::Service);
    ASSERT_TRUE(this->Within(kLoadBoundMs, [this] { return this->TextBoxThere(); }));
    std::optional<std::u16string> html;
    EXPECT_TRUE(this->Eventually([&] { return (html = this->Get(u"text", u"outerHTML")).has_value(); }));
    EXPECT_EQ(html.value_or(u"").rfind(u"<textarea", 0), 0u) << "the text box is a textarea";
    EXPECT_TRUE(this->Reads(u"text", u"value", u""));
    EXPECT_TRUE(this->Reads(u"translation", u"innerText", u""));
    for (const char16_t* id : {u"fromto", u"version", u"download"}) {
        const char16_t* member = std::u16string(id) == u"fromto" ? u"innerText" : u"value";
        EXPECT_TRUE(this->Eventually([&] { return !this->Get(id, member).value_or(u"").empty(); }))
            << "the page's " << Ascii(id);
    }
}

TYPED_TEST_P(BrowserContract, MemberNamesMatchInAnyLetterCase) {
    ASSERT_TRUE(this->OpenServicePage());
    ASSERT_TRUE(this->Sets(u"text", u"VALUE", u"case"));
    struct Read {
        const char16_t* id;
        const char16_t* name;
    };
    for (Read r : {Read{u"text", u"value"}, Read{u"text", u"Value"}, Read{u"text", u"VALUE"}}) {
        EXPECT_TRUE(this->Reads(r.id, r.name, u"case")) << Ascii(r.name);
    }
    for (Read r : {Read{u"translation", u"innerText"}, Read{u"translation", u"INNERTEXT"},
                   Read{u"translation", u"innertext"}, Read{u"text", u"outerHTML"},
                   Read{u"text", u"OuterHtml"}, Read{u"btn", u"OUTERHTML"}}) {
        EXPECT_TRUE(this->Has(r.id, r.name)) << Ascii(r.id) << "." << Ascii(r.name);
    }
    EXPECT_TRUE(this->Eventually([this] {
        auto lower = this->Get(u"text", u"outerhtml");
        return lower && lower == this->Get(u"text", u"outerHTML");
    }));
}

// A missing element and a missing member fail alike, for every operation.
TYPED_TEST_P(BrowserContract, MissingElementsAndMembersGiveNothing) {
    ASSERT_TRUE(this->OpenServicePage());
    Browser& b = this->browser();
    EXPECT_EQ(b.GetElementProperty(u"nosuchid", u"value"), std::nullopt);
    EXPECT_EQ(b.GetElementProperty(u"text", u"noSuchMember"), std::nullopt);
    EXPECT_FALSE(b.SetElementProperty(u"nosuchid", u"value", u"x"));
    EXPECT_FALSE(b.SetElementProperty(u"text", u"noSuchMember", u"x"));
    EXPECT_FALSE(b.CallElementMethod(u"nosuchid", u"click"));
    EXPECT_FALSE(b.CallElementMethod(u"btn", u"noSuchMethod"));
    EXPECT_TRUE(this->Reads(u"text", u"value", u"")) << "nothing was written anywhere";
}

// Whatever the text, it reaches the page and comes back unchanged: quotes, backslashes, markup
// and characters outside the BMP are data, never script.
TYPED_TEST_P(BrowserContract, TextComesBackExactly) {
    ASSERT_TRUE(this->OpenServicePage());
    for (const char16_t* text :
         {u"plain", u"", u"\"quoted\" 'single' \\back\\slash", u"</script><b>not bold</b>'); alert(1); ('",
          u"Gr\u00FC\u00DFe \u65E5\u672C \U0001F600", u"two\nlines\ttab"}) {
        ASSERT_TRUE(this->Sets(u"text", u"value", text));
        EXPECT_TRUE(this->Reads(u"text", u"value", text)) << Ascii(text);
    }
}

TYPED_TEST_P(BrowserContract, AClickTranslatesTheText) {
    ASSERT_TRUE(this->OpenServicePage());
    Browser& b = this->browser();
    ASSERT_TRUE(this->Sets(u"text", u"value", u"the house"));
    ASSERT_TRUE(this->Eventually([&] { return b.CallElementMethod(u"btn", u"CLICK"); }));
    std::optional<std::u16string> translation;
    EXPECT_TRUE(this->Within(kTranslateBoundMs, [&] {
        translation = b.GetElementProperty(u"translation", u"innerText");
        return translation && !translation->empty();
    }));
    EXPECT_NE(translation.value_or(u""), u"the house");
}

// A page that cannot load leaves none of the service page's elements: the browser's error page
// takes the old document's place.
TYPED_TEST_P(BrowserContract, APageThatCannotLoadGivesNothing) {
    ASSERT_TRUE(this->OpenServicePage());
    this->Open(PageKind::Unreachable);
    ASSERT_TRUE(this->Within(kLoadBoundMs, [this] { return !this->TextBoxThere(); }));
    Browser& b = this->browser();
    EXPECT_EQ(b.GetElementProperty(u"text", u"value"), std::nullopt);
    EXPECT_EQ(b.GetElementProperty(u"translation", u"innerText"), std::nullopt);
    EXPECT_FALSE(b.SetElementProperty(u"text", u"value", u"x"));
    EXPECT_FALSE(b.CallElementMethod(u"btn", u"click"));
}

// Until a navigation's document has loaded, the operations reach the old document (the simulated
// page keeps it, as the system's browser control does) or nothing at all (DevTools holds them back
// while a navigation is under way); never the new one. What is written meanwhile never reaches the
// new page.
TYPED_TEST_P(BrowserContract, UntilTheNewDocumentLoadsOnlyTheOldOneAnswers) {
    ASSERT_TRUE(this->OpenServicePage());
    Browser& b = this->browser();
    ASSERT_TRUE(this->Sets(u"text", u"value", u"old page"));
    this->Open(PageKind::Hanging);
    this->env.Pass(1000);
    auto old = b.GetElementProperty(u"text", u"value");
    EXPECT_TRUE(!old || *old == u"old page") << Ascii(old.value_or(u""));
    // The program takes the old text box away before it navigates again.
    if (b.SetElementProperty(u"text", u"outerHTML", u"")) {
        EXPECT_EQ(b.GetElementProperty(u"text", u"value"), std::nullopt) << "taken out of the old document";
        EXPECT_TRUE(this->Has(u"btn", u"outerHTML")) << "the rest of it is there";
    }
    b.SetElementProperty(u"text", u"value", u"written while loading");
    b.CallElementMethod(u"btn", u"click");
    ASSERT_TRUE(this->OpenServicePage()) << "a newer navigation replaces the one that hangs";
    this->env.Pass(1000);
    EXPECT_TRUE(this->Reads(u"text", u"value", u""));
    EXPECT_TRUE(this->Reads(u"translation", u"innerText", u""));
}

REGISTER_TYPED_TEST_SUITE_P(BrowserContract, ANavigationLoadsThePageWithinTheBound,
                            MemberNamesMatchInAnyLetterCase, MissingElementsAndMembersGiveNothing,
                            TextComesBackExactly, AClickTranslatesTheText, APageThatCannotLoadGivesNothing,
                            UntilTheNewDocumentLoadsOnlyTheOldOneAnswers);

}  // namespace plv::contract
