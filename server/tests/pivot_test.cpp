// The directions through a shared language, over an engine whose directions each test sets.
#include <gtest/gtest.h>

#include <set>

#include "pivot_engine.h"

namespace plv {
namespace {

// Translates by marking: "x" from en to es is "x>es". Directions into German are DeepL's.
class FakeEngine : public Engine {
  public:
    std::vector<std::string> dirs;                 // "en-es", as the engine names them
    std::map<std::string, std::string> their_via;  // "en-fr" -> "es": a relay's own through-directions
    std::vector<std::string> asked;                // every direction translated, in order

    std::vector<Language> Languages(std::string*) override {
        std::map<std::string, Language> by_code;
        for (const auto& d : dirs) {
            const std::string s = d.substr(0, d.find('-')), t = d.substr(d.find('-') + 1);
            Language& l = by_code[s];
            l.code = s;
            l.name = LanguageName(s);
            l.targets.push_back(t);
            l.engines[t] = Engine(t);
            if (their_via.count(d)) l.via[t] = their_via[d];
        }
        std::vector<Language> out;
        for (auto& [code, l] : by_code) out.push_back(l);
        return out;
    }
    TranslateResult Translate(const std::string& s, const std::string& t, const std::string& text,
                              TextFormat) override {
        asked.push_back(s + "-" + t);
        for (const auto& d : dirs)
            if (NormalizeDirection(d) == NormalizeDirection(s + "-" + t))
                return {200, text + ">" + t, Engine(t)};
        return {400, "unknown direction " + s + "-" + t};
    }
    static std::string Engine(const std::string& target) { return target == "de" ? "DeepL" : "Apertium"; }
};

// What the list says of a direction: "-" direct, a code: through it, "" not offered.
std::string Offered(PivotEngine& engine, const std::string& source, const std::string& target) {
    std::string error;
    const auto languages = engine.Languages(&error);
    std::set<std::string> codes;
    for (const auto& l : languages) codes.insert(l.code);
    std::string found;
    for (const auto& l : languages) {
        for (const auto& t : l.targets) {
            EXPECT_TRUE(codes.count(t)) << "target " << t << " of " << l.code << " is no language";
            if (l.code != source || t != target) continue;
            found = l.via.count(t) ? l.via.at(t) : "-";
        }
    }
    return found;
}

TEST(Pivot, OffersDirectionsThroughOneSharedLanguage) {
    struct Case {
        std::vector<std::string> dirs;
        std::map<std::string, std::string> their_via;
        std::string source, target, expected;
    };
    const Case cases[] = {
        {{"en-es", "es-fr"}, {}, "en", "fr", "es"},
        {{"en-es", "es-fr", "en-fr"}, {}, "en", "fr", "-"},            // a direct pair wins
        {{"ca-es", "es-fr", "ca-en", "en-fr"}, {}, "ca", "fr", "en"},  // English first,
        {{"ca-es", "es-fr", "ca-oc", "oc-fr"}, {}, "ca", "fr", "es"},  // then Spanish,
        {{"ca-oc", "oc-fr", "ca-it", "it-fr"}, {}, "ca", "fr", "it"},  // then the first code
        {{"en-es", "es-fr", "fr-de"}, {}, "en", "de", ""},             // one step at most
        {{"eng-spa", "spa-fra"}, {}, "en", "fr", "es"},                // codes of either form
        {{"en-es", "es-fr", "fr-es"}, {}, "fr", "fr", ""},             // never into itself
        {{"en-fr", "fr-de"}, {{"en-fr", "es"}}, "en", "de", ""},       // a relay's own through-
        {{"en-fr", "fr-de"}, {{"en-fr", "es"}}, "en", "fr", "es"},     // direction stays theirs
    };
    for (const auto& c : cases) {
        FakeEngine inner;
        inner.dirs = c.dirs;
        inner.their_via = c.their_via;
        PivotEngine engine(inner, true);
        EXPECT_EQ(Offered(engine, c.source, c.target), c.expected)
            << c.dirs[0] << ", " << c.dirs[1] << ": " << c.source << "-" << c.target;
    }
}

TEST(Pivot, TranslatesInTwoStepsUntilADirectPairComesAndNotAtAllWhenOff) {
    FakeEngine inner;
    inner.dirs = {"en-es", "es-fr", "es-de"};
    PivotEngine engine(inner, true);
    // Asked before any list: found all the same.
    auto r = engine.Translate("eng", "fra", "x");
    EXPECT_EQ(r.status, 200) << r.text;
    EXPECT_EQ(r.text, "x>es>fr");
    EXPECT_EQ(r.engine, "Apertium");
    EXPECT_EQ(r.via, "es");
    r = engine.Translate("en", "de", "y");
    EXPECT_EQ(r.text, "y>es>de");
    EXPECT_EQ(r.engine, "Apertium and DeepL");
    std::string error;
    for (const auto& l : engine.Languages(&error)) {
        if (l.code == "en") {
            EXPECT_EQ(l.engines.at("de"), "Apertium and DeepL");
        }
    }

    inner.dirs.push_back("en-fr");  // a pair installed meanwhile
    inner.asked.clear();
    EXPECT_EQ(engine.Translate("en", "fr", "z").text, "z>fr");
    EXPECT_EQ(inner.asked, std::vector<std::string>{"en-fr"});
    EXPECT_EQ(Offered(engine, "en", "fr"), "-");

    inner.dirs.pop_back();
    PivotEngine off(inner, false);
    EXPECT_EQ(Offered(off, "en", "fr"), "");
    EXPECT_EQ(Offered(off, "es", "fr"), "-");
    EXPECT_EQ(off.Translate("en", "fr", "x").status, 400);
}

}  // namespace
}  // namespace plv
