// The few things that differ between POSIX and Windows outside the pipeline and the sockets:
// file names in UTF-8, and on Windows the UTF-16 side of the system's interfaces.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace plv {

// Our strings are UTF-8. std::filesystem::path(std::string) would read them in the ANSI code
// page on Windows, so names go through these.
std::filesystem::path PathFromUtf8(const std::string& name);
std::string Utf8FromPath(const std::filesystem::path& path);

#ifdef _WIN32
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
// The folder of plv-service.exe itself, without a trailing separator.
std::string ExecutableDir();
// %APPDATA%\Parlevo\plv-service.conf, the user's own settings for the service (empty without
// APPDATA).
std::string UserConfigFile();
// A system DLL from System32 and nowhere else (not the executable's folder, where anyone may
// have put a DLL of the same name): for every DLL that is not a KnownDLL. Null on failure.
void* LoadSystemLibrary(const wchar_t* name);
// The command line's arguments in UTF-8, argv[0] left out (main's argv is in the ANSI code page).
std::vector<std::string> Utf8Arguments();
#endif

}  // namespace plv
