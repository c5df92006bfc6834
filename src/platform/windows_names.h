#pragma once
// The names Windows gives things that the program asks the seam about: file names, the shell's
// executable, the browsers it enables, the terminals. The Windows backend answers with them, and
// so does the simulated desktop, which copies Windows; one list each, kept here.

#include <string>
#include <vector>

#include "base/text.h"

namespace plv::windows_names {

// "plv-service" -> "plv-service.exe".
inline std::u16string ProgramFileName(const std::u16string& baseName) {
    return baseName + u".exe";
}

inline std::u16string PathIn(const std::u16string& directory, const std::u16string& name) {
    return directory + u"\\" + name;
}

// plv.ini beside plv.exe.
inline std::u16string SettingsFilePath(const std::u16string& exeDirectory,
                                       const std::u16string& exeBaseName) {
    return PathIn(exeDirectory, exeBaseName + u".ini");
}

// The desktop, the taskbar and the folder windows are Explorer's.
inline bool IsShellExecutable(const std::u16string& exeName) {
    return ToLower(exeName) == u"explorer.exe";
}

// The Open With dialog for a file: the target follows the command as it is, unquoted.
inline std::u16string OpenWithCommandLine(const std::u16string& target) {
    return u"rundll32.exe shell32.dll,OpenAs_RunDLL " + target;
}

// The browsers enabled at every start, in this order.
inline std::vector<std::u16string> SeededBrowsers() {
    return {u"iexplore.exe", u"opera.exe", u"firefox.exe", u"safari.exe", u"chrome.exe"};
}

// Consoles and terminals, where Ctrl+C interrupts the program running in them instead of
// copying: by the window classes of the consoles, and by the executables of terminals whose
// window class is their own toolkit's. Executables are compared by the start of the name, so that
// "MobaXterm_Personal_24.2.exe" and "ConEmu64.exe" count.
inline bool IsTerminal(const std::u16string& exeName, const std::u16string& windowClass) {
    for (const char16_t* c : {u"ConsoleWindowClass", u"CASCADIA_HOSTING_WINDOW_CLASS", u"mintty", u"PuTTY",
                              u"VirtualConsoleClass"}) {
        if (windowClass == c) {
            return true;
        }
    }
    std::u16string name = ToLower(exeName);
    for (const char16_t* t : {u"windowsterminal", u"alacritty", u"wezterm", u"mintty", u"conemu",
                              u"mobaxterm", u"kitty", u"tabby"}) {
        if (name.rfind(t, 0) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace plv::windows_names
