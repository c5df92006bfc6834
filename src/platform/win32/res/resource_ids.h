// Numbers of the resources built into plv.exe from plv.rc. Plain macros, so that both the C++
// code and the resource compiler can read this file.
#ifndef PLV_RESOURCE_IDS_H
#define PLV_RESOURCE_IDS_H

// The program's icon; the lowest number, so that Explorer shows it for plv.exe.
#define IDI_APP 1

// Tray icons, 16 and 32 px: connected and on, connected and off, connecting.
#define IDI_TRAY_ORANGE 101
#define IDI_TRAY_BLUE 102
#define IDI_TRAY_GREY 103

// The floating icon's 16 x 16 emblem and close cross, and the About window's 144 x 144 logo.
#define IDB_EMBLEM 201
#define IDB_CLOSE 202
#define IDB_LOGO 203

// The pointing hand shown over things that can be clicked; its hot spot is the finger's tip.
// windows.h gives the same name to the system's hand. It is included here first, so that ours
// wins whichever order a file includes the two in.
#include <windows.h>
#undef IDC_HAND
#define IDC_HAND 301

#endif
