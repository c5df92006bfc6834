#include <array>
#include <string_view>

#include "engine.h"

namespace plv {
namespace {

struct Entry {
    std::string_view long_code, short_code, name;
};

// Enough for the pairs Debian packages; a code missing here is still served, under its own name.
constexpr std::array<Entry, 32> kLanguages{{
    {"afr", "af", "Afrikaans"},
    {"arg", "an", "Aragonese"},
    {"ast", "ast", "Asturian"},
    {"bel", "be", "Belarusian"},
    {"bre", "br", "Breton"},
    {"bul", "bg", "Bulgarian"},
    {"cat", "ca", "Catalan"},
    {"ces", "cs", "Czech"},
    {"cym", "cy", "Welsh"},
    {"dan", "da", "Danish"},
    {"deu", "de", "German"},
    {"ell", "el", "Greek"},
    {"eng", "en", "English"},
    {"epo", "eo", "Esperanto"},
    {"eus", "eu", "Basque"},
    {"fra", "fr", "French"},
    {"glg", "gl", "Galician"},
    {"hbs", "sh", "Serbo-Croatian"},
    {"isl", "is", "Icelandic"},
    {"ita", "it", "Italian"},
    {"mkd", "mk", "Macedonian"},
    {"nld", "nl", "Dutch"},
    {"nno", "nn", "Norwegian Nynorsk"},
    {"nob", "nb", "Norwegian Bokmål"},
    {"oci", "oc", "Occitan"},
    {"pol", "pl", "Polish"},
    {"por", "pt", "Portuguese"},
    {"ron", "ro", "Romanian"},
    {"rus", "ru", "Russian"},
    {"spa", "es", "Spanish"},
    {"swe", "sv", "Swedish"},
    {"ukr", "uk", "Ukrainian"},
}};

const Entry* Find(const std::string& code) {
    for (const auto& e : kLanguages) {
        if (e.long_code == code || e.short_code == code) return &e;
    }
    return nullptr;
}

}  // namespace

std::string ShortLanguageCode(const std::string& code) {
    const Entry* e = Find(code);
    return e ? std::string(e->short_code) : code;
}

std::string LanguageName(const std::string& code) {
    const Entry* e = Find(code);
    return e ? std::string(e->name) : code;
}

std::string NormalizeLanguageCode(const std::string& code) { return ShortLanguageCode(code); }

}  // namespace plv
