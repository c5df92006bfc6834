#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "engine.h"

namespace plv {
namespace {

struct Entry {
    // The code the service uses: ISO 639-1 where the language has one, else ISO 639-3.
    std::string_view code;
    std::string_view name;
    // Other codes that mean the same language, separated by spaces: the ISO 639-3 code
    // Apertium's modes use, the ISO 639-2/B code some programs send, a macrolanguage's code.
    std::string_view aliases;
};

// Every language of the pairs Debian packages, and the common ones the online services offer
// (a direction routed to one is shown by its names too). A code missing here is still served,
// under its own name.
constexpr Entry kLanguages[] = {
    {"af", "Afrikaans", "afr"},
    {"am", "Amharic", "amh"},
    {"an", "Aragonese", "arg"},
    {"ar", "Arabic", "ara"},
    {"ast", "Asturian", ""},
    {"az", "Azerbaijani", "aze"},
    {"be", "Belarusian", "bel"},
    {"bg", "Bulgarian", "bul"},
    {"bn", "Bengali", "ben"},
    {"br", "Breton", "bre"},
    {"bs", "Bosnian", "bos"},
    {"ca", "Catalan", "cat"},
    {"cs", "Czech", "ces cze"},
    {"cy", "Welsh", "cym wel"},
    {"da", "Danish", "dan"},
    {"de", "German", "deu ger"},
    {"el", "Greek", "ell gre"},
    {"en", "English", "eng"},
    {"eo", "Esperanto", "epo"},
    {"es", "Spanish", "spa"},
    {"et", "Estonian", "est"},
    {"eu", "Basque", "eus baq"},
    {"fa", "Persian", "fas per"},
    {"fi", "Finnish", "fin"},
    {"fr", "French", "fra fre"},
    {"frp", "Arpitan", ""},
    {"ga", "Irish", "gle"},
    {"gd", "Scottish Gaelic", "gla"},
    {"gl", "Galician", "glg"},
    {"gu", "Gujarati", "guj"},
    {"he", "Hebrew", "heb"},
    {"hi", "Hindi", "hin"},
    {"hr", "Croatian", "hrv"},
    {"hu", "Hungarian", "hun"},
    {"hy", "Armenian", "hye arm"},
    {"id", "Indonesian", "ind"},
    {"is", "Icelandic", "isl ice"},
    {"it", "Italian", "ita"},
    {"ja", "Japanese", "jpn"},
    {"ka", "Georgian", "kat geo"},
    {"kk", "Kazakh", "kaz"},
    {"ko", "Korean", "kor"},
    {"lb", "Luxembourgish", "ltz"},
    {"lt", "Lithuanian", "lit"},
    {"lv", "Latvian", "lav"},
    {"mk", "Macedonian", "mkd mac"},
    {"ms", "Malay", "zlm msa may"},
    {"mt", "Maltese", "mlt"},
    {"nb", "Norwegian Bokm\u00e5l", "nob"},
    {"nl", "Dutch", "nld dut"},
    {"nn", "Norwegian Nynorsk", "nno"},
    {"no", "Norwegian", "nor"},
    {"oc", "Occitan", "oci"},
    {"pa", "Punjabi", "pan"},
    {"pl", "Polish", "pol"},
    {"pt", "Portuguese", "por"},
    {"ro", "Romanian", "ron rum"},
    {"ru", "Russian", "rus"},
    {"sc", "Sardinian", "srd"},
    // Serbo-Croatian keeps its ISO 639-1 code, as Apertium's older pairs and the online
    // services that know it use it.
    {"sh", "Serbo-Croatian", "hbs"},
    {"sk", "Slovak", "slk slo"},
    {"sl", "Slovenian", "slv"},
    {"sq", "Albanian", "sqi alb"},
    {"sr", "Serbian", "srp"},
    {"sv", "Swedish", "swe"},
    {"sw", "Swahili", "swa"},
    {"szl", "Silesian", ""},
    {"ta", "Tamil", "tam"},
    {"te", "Telugu", "tel"},
    {"th", "Thai", "tha"},
    {"tl", "Tagalog", "tgl fil"},
    {"tr", "Turkish", "tur"},
    {"uk", "Ukrainian", "ukr"},
    {"ur", "Urdu", "urd"},
    {"uz", "Uzbek", "uzb"},
    {"vi", "Vietnamese", "vie"},
    {"yi", "Yiddish", "yid"},
    {"zh", "Chinese", "zho chi"},
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return s;
}

// Every code and alias, lower case, to its entry; built once.
const Entry* Find(const std::string& code) {
    static const auto* const index = [] {
        auto* m = new std::unordered_map<std::string, const Entry*>();
        for (const auto& e : kLanguages) {
            m->emplace(std::string(e.code), &e);
            std::string_view rest = e.aliases;
            while (!rest.empty()) {
                const auto space = rest.find(' ');
                m->emplace(std::string(rest.substr(0, space)), &e);
                rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
            }
        }
        return m;
    }();
    const auto it = index->find(Lower(code));
    return it == index->end() ? nullptr : it->second;
}

// Splits "eng-spa" at its first dash; false when there is none.
bool SplitDirection(const std::string& dir, std::string* source, std::string* target) {
    const auto dash = dir.find('-');
    if (dash == std::string::npos) return false;
    *source = dir.substr(0, dash);
    *target = dir.substr(dash + 1);
    return true;
}

}  // namespace

std::string ShortLanguageCode(const std::string& code) {
    const Entry* e = Find(code);
    return e ? std::string(e->code) : code;
}

std::string LanguageName(const std::string& code) {
    // The page's chooser offers auto-XX: the source found from the text itself.
    if (code == "auto") return "Detect language";
    const Entry* e = Find(code);
    return e ? std::string(e->name) : code;
}

std::string NormalizeLanguageCode(const std::string& code) { return ShortLanguageCode(code); }

std::string NormalizeDirection(const std::string& dir) {
    std::string source, target;
    if (!SplitDirection(dir, &source, &target)) return dir;
    return NormalizeLanguageCode(source) + "-" + NormalizeLanguageCode(target);
}

const std::string& PreferredMode(const std::string& a, const std::string& b) {
    // A pair Debian packages anew is named with three-letter codes (apertium-eng-cat replaced
    // apertium-en-ca), so the longer name is the newer data; between equals, the first by name.
    if (a.size() != b.size()) return a.size() > b.size() ? a : b;
    return std::min(a, b);
}

}  // namespace plv
