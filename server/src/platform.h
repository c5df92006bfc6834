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

// The whole of a file. False with *error naming it when it cannot be read; *missing tells a file
// that is not there from one that cannot be read.
bool ReadWholeFile(const std::string& path, std::string* content, bool* missing, std::string* error);

// Puts `content` in `path` through a new file in the same folder renamed over it: a reader (or a
// crash) meets the old file or the new one, never a mixture. The folder is made when missing.
// private_file: readable by the user alone (mode 0600 on POSIX; on Windows a file in the user's
// profile is the user's already); otherwise an existing file keeps its mode, and a new one is
// private too. False with *error naming the file; the old file is then as it was.
bool ReplaceFileContent(const std::string& path, const std::string& content, bool private_file,
                        std::string* error);

#ifdef _WIN32
// Seals text for the current Windows user (CryptProtectData, user scope) and opens it again
// (CryptUnprotectData): another account, or another computer, cannot open it. crypt32.dll is not
// a KnownDLL, so it is loaded from System32 at first use. False with *error saying why.
bool ProtectForUser(const std::string& plain, std::string* sealed, std::string* error);
bool UnprotectForUser(const std::string& sealed, std::string* plain, std::string* error);

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
