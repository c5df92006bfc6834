// POSIX regcomp/regexec over std::regex, for the format processors that Apertium generates (see
// config/regex/regex.h). std::regex's "extended" and "basic" grammars are POSIX's ERE and BRE: a
// backslash inside brackets is a plain character and a ']' right after '[' is one of the set, as in
// glibc. Matching is on bytes, as glibc's is for these ASCII-only patterns in a UTF-8 locale.

#include <regex.h>

#include <cstring>
#include <new>
#include <regex>

extern "C" {

int regcomp(regex_t* preg, const char* pattern, int cflags) {
    auto flags = (cflags & REG_EXTENDED) ? std::regex::extended : std::regex::basic;
    if (cflags & REG_ICASE) {
        flags |= std::regex::icase;
    }
    if (cflags & REG_NOSUB) {
        flags |= std::regex::nosubs;
    }
    try {
        auto* re = new std::regex(pattern, flags);
        preg->re_nsub = re->mark_count();
        preg->plv_compiled = re;
        return 0;
    } catch (const std::regex_error&) {
        return REG_BADPAT;
    } catch (const std::bad_alloc&) {
        return REG_ESPACE;
    }
}

int regexec(const regex_t* preg, const char* string, size_t nmatch, regmatch_t pmatch[], int eflags) {
    const auto* re = static_cast<const std::regex*>(preg->plv_compiled);
    auto flags = std::regex_constants::match_default;
    if (eflags & REG_NOTBOL) {
        flags |= std::regex_constants::match_not_bol;
    }
    if (eflags & REG_NOTEOL) {
        flags |= std::regex_constants::match_not_eol;
    }
    std::cmatch m;
    try {
        if (!std::regex_search(string, string + std::strlen(string), m, *re, flags)) {
            return REG_NOMATCH;
        }
    } catch (const std::regex_error&) {
        return REG_ESPACE;
    }
    for (size_t i = 0; i < nmatch; ++i) {
        if (i < m.size() && m[i].matched) {
            pmatch[i].rm_so = m[i].first - string;
            pmatch[i].rm_eo = m[i].second - string;
        } else {
            pmatch[i].rm_so = pmatch[i].rm_eo = -1;
        }
    }
    return 0;
}

size_t regerror(int errcode, const regex_t*, char* errbuf, size_t errbuf_size) {
    const char* text = errcode == REG_NOMATCH  ? "no match"
                       : errcode == REG_BADPAT ? "invalid regular expression"
                                               : "out of memory";
    const size_t size = std::strlen(text) + 1;
    if (errbuf_size > 0) {
        std::strncpy(errbuf, text, errbuf_size - 1);
        errbuf[errbuf_size - 1] = '\0';
    }
    return size;
}

void regfree(regex_t* preg) {
    delete static_cast<std::regex*>(preg->plv_compiled);
    preg->plv_compiled = nullptr;
}
}
