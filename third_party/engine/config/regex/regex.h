/* The part of POSIX <regex.h> that Apertium's generated format processors (apertium-deshtml,
   apertium-rehtml, made from deformat.xsl and reformat.xsl) use, for MinGW-w64, whose C runtime has no
   regular expressions. They compile two fixed patterns, a bracket expression and "[a-zA-Z]+", and look
   for the first match in a UTF-8 string. engine/posix_regex.cc implements it with std::regex's POSIX
   grammars, which match those patterns byte for byte as glibc does. */
#ifndef PLV_POSIX_REGEX_H
#define PLV_POSIX_REGEX_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef ptrdiff_t regoff_t;

typedef struct {
    size_t re_nsub;
    void* plv_compiled; /* the std::regex */
} regex_t;

typedef struct {
    regoff_t rm_so;
    regoff_t rm_eo;
} regmatch_t;

#define REG_EXTENDED 1
#define REG_ICASE 2
#define REG_NEWLINE 4
#define REG_NOSUB 8

#define REG_NOTBOL 1
#define REG_NOTEOL 2

#define REG_NOMATCH 1
#define REG_BADPAT 2
#define REG_ESPACE 12

int regcomp(regex_t* preg, const char* pattern, int cflags);
int regexec(const regex_t* preg, const char* string, size_t nmatch, regmatch_t pmatch[], int eflags);
size_t regerror(int errcode, const regex_t* preg, char* errbuf, size_t errbuf_size);
void regfree(regex_t* preg);

#ifdef __cplusplus
}
#endif

#endif
