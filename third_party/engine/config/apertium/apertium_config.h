/* What apertium 3.8.3's configure finds for a MinGW-w64 target (x86_64 and i686 alike); written by
   hand because the engine build does not run that configure. */
#ifndef PLV_APERTIUM_CONFIG_H
#define PLV_APERTIUM_CONFIG_H

#define PACKAGE_NAME "apertium"
#define PACKAGE_VERSION "3.8.3"
#define PACKAGE_STRING "apertium 3.8.3"

#define HAVE_UNISTD_H 1
#define HAVE_GETOPT 1
#define HAVE_GETOPT_LONG 1
#define HAVE_DECL_GETOPT 1
#define HAVE_DECL_GETOPT_LONG 1
#define HAVE_FILESYSTEM 1
#define HAVE_STRING_VIEW 1

/* MinGW's C runtime has none of the *_unlocked stdio functions: lttoolbox's my_stdio.h maps them to
   the locked ones when these are 0. */
#define HAVE_DECL_FREAD_UNLOCKED 0
#define HAVE_DECL_FWRITE_UNLOCKED 0
#define HAVE_DECL_FGETC_UNLOCKED 0
#define HAVE_DECL_FPUTC_UNLOCKED 0
#define HAVE_DECL_FPUTS_UNLOCKED 0

#endif
