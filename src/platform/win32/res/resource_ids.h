// Numbers of the resources built into plv.exe from plv.rc. Plain macros, so that both the C++
// code and the resource compiler can read this file.
#ifndef PLV_RESOURCE_IDS_H
#define PLV_RESOURCE_IDS_H

// The program's icon; the lowest number, so that Explorer shows it for plv.exe.
#define IDI_APP 1

// Tray icons: connected and on, connected and off, connecting; and the floating icon's emblem and
// close cross. Each is drawn at 16, 20, 24, 32, 40 and 48 px, the sizes of a small icon from
// 100 to 300 % scaling.
#define IDI_TRAY_ORANGE 101
#define IDI_TRAY_BLUE 102
#define IDI_TRAY_GREY 103
#define IDI_EMBLEM 104
#define IDI_CLOSE 105

// The About window's 144 x 144 logo.
#define IDB_LOGO 203

// The pointing hand shown over things that can be clicked; its hot spot is the finger's tip.
// windows.h gives the same name to the system's hand. It is included here first, so that ours
// wins whichever order a file includes the two in.
#include <windows.h>
#undef IDC_HAND
#define IDC_HAND 301

#endif
