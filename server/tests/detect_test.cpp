// Language detection (CLD2 through detect.*): sentences in the pairs' languages are found, with
// the service's codes; texts too short or with no words are unsure or empty, never a crash.
// Built for Linux and for Windows (run under Wine): both must find the same.
#include "detect.h"

#include <gtest/gtest.h>

namespace plv {
namespace {

// What the Apertium pairs offer, as the service names them (Serbo-Croatian as one language).
const std::set<std::string> kOffered = {"en", "es", "fr", "pt", "it", "ca",
                                        "ru", "uk", "nb", "nn", "sh", "mk"};

TEST(Detect, FindsTheLanguageOfSentencesAndSaysWhenUnsure) {
    struct Case {
        const char* text;
        const char* language;  // the first language; "?" any guess; "" none at all
        bool reliable;
    };
    const Case cases[] = {
        {"Le chat noir dort sur la table de la cuisine.", "fr", true},
        {"El perro negro duerme en la cocina de la casa.", "es", true},
        {"The black dog sleeps in the kitchen of the house.", "en", true},
        {"O gato está em cima da mesa e dorme tranquilamente.", "pt", true},
        {"Il gatto nero dorme sul tavolo della cucina.", "it", true},
        {"Ich bin müde und möchte jetzt schlafen gehen.", "de", true},  // found, though not offered
        {"Я устал и хочу спать, потому что уже поздно.", "ru", true},
        {"Я втомився і хочу спати, бо вже пізно.", "uk", true},
        {"Jeg er trett og vil sove nå, fordi det er sent.", "nb", true},  // CLD2's "no"
        {"Ja sam umoran i želim spavati jer je kasno.", "sh", true},      // CLD2's "hr"
        {"Ја сам уморан и желим да спавам јер је касно.", "sh", true},    // CLD2's "sr"
        {"אני עייף ורוצה לישון כי כבר מאוחר מאוד בלילה.", "he", true},    // CLD2's "iw"
        {"Bonjour", "fr", false},                                         // too short: a guess
        {"la casa", "?", false},  // too short: whatever the guess, an unsure one
        {"12345 67 !!", "", false},
        {"", "", false},
        {"Le chat noir\f dort sur la table\x01 de la\xC3 cuisine.", "fr", true},  // read around the odd bytes
    };
    for (const Case& c : cases) {
        const Detection d = DetectLanguage(c.text, kOffered);
        EXPECT_EQ(d.reliable, c.reliable) << c.text;
        const std::string expected = c.language;
        EXPECT_EQ(d.languages.empty(), expected.empty()) << c.text;
        if (!expected.empty() && expected != "?" && !d.languages.empty()) {
            EXPECT_EQ(d.languages[0].code, expected) << c.text;
        }
        for (std::size_t i = 0; i < d.languages.size(); ++i) {
            const double confidence = d.languages[i].confidence;
            EXPECT_TRUE(confidence > 0 && confidence <= 100) << c.text << ": " << confidence;
            EXPECT_EQ(d.languages[i].code.find('-'), std::string::npos) << c.text;
            // Best first; a reliable first one is sure, an unreliable answer is sure of nothing.
            EXPECT_LE(confidence, i > 0 ? d.languages[i - 1].confidence : 100) << c.text;
            EXPECT_TRUE(d.reliable ? i > 0 || confidence >= kSureConfidence : confidence < kSureConfidence)
                << c.text << ": " << confidence;
        }
    }
    // A long text is read in part, and found all the same.
    std::string long_text;
    while (long_text.size() < 200 * 1024) long_text += "Le chat noir dort sur la table de la cuisine. ";
    EXPECT_EQ(DetectLanguage(long_text, kOffered).languages.at(0).code, "fr");
}

TEST(Detect, NamesLanguagesWithTheServicesCodes) {
    const std::set<std::string> croatian = {"en", "hr"};
    struct Case {
        const char* cld2;
        const std::set<std::string>& offered;
        const char* code;
    };
    const Case cases[] = {
        {"fr", kOffered, "fr"}, {"no", kOffered, "nb"},      {"nn", kOffered, "nn"},
        {"hr", kOffered, "sh"}, {"bs", kOffered, "sh"},      {"sr-ME", kOffered, "sh"},
        {"hr", croatian, "hr"}, {"sr", croatian, "sr"},      {"iw", kOffered, "he"},
        {"jw", kOffered, "jv"}, {"zh-Hant", kOffered, "zt"}, {"zh", kOffered, "zh"},
        {"un", kOffered, ""},   {"xx-Cyrl", kOffered, ""},   {"ceb", kOffered, "ceb"},
    };
    for (const Case& c : cases) EXPECT_EQ(ServiceLanguageCode(c.cld2, c.offered), c.code) << c.cld2;
}

}  // namespace
}  // namespace plv
