/* What apertium-recursive 1.1.2's configure finds for a MinGW-w64 target (x86_64 and i686 alike);
   written by hand because the engine build does not run that configure. */
#ifndef PLV_RECURSIVE_AUTO_CONFIG_H
#define PLV_RECURSIVE_AUTO_CONFIG_H

#define PACKAGE_NAME "apertium-recursive"
#define PACKAGE_VERSION "1.1.2"
#define PACKAGE_STRING "apertium-recursive 1.1.2"

#define HAVE_GETOPT_LONG 1
#define HAVE_DECL_GETOPT_LONG 1
#define HAVE_STRDUP 1

/* MinGW's C runtime has none of the *_unlocked stdio functions: rtx_config.h maps them to the locked
   ones when these are 0. */
#define HAVE_DECL_FREAD_UNLOCKED 0
#define HAVE_DECL_FWRITE_UNLOCKED 0
#define HAVE_DECL_FGETC_UNLOCKED 0
#define HAVE_DECL_FPUTC_UNLOCKED 0
#define HAVE_DECL_FPUTS_UNLOCKED 0

#endif
