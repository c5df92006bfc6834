#include "platform.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <wincrypt.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

#include <chrono>
#include <fstream>
#include <iterator>

namespace plv {

std::filesystem::path PathFromUtf8(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

bool ReadWholeFile(const std::string& path, std::string* content, bool* missing, std::string* error) {
    std::error_code ec;
    *missing = !std::filesystem::exists(PathFromUtf8(path), ec) && !ec;
    if (*missing) {
        *error = "'" + path + "' does not exist";
        return false;
    }
    if (std::filesystem::is_directory(PathFromUtf8(path), ec)) {
        *error = "cannot read '" + path + "': it is a folder";
        return false;
    }
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (in) content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        *error = "cannot read '" + path + "'";
        return false;
    }
    return true;
}

namespace {

// A name beside the file that no other writer picks at the same moment (the caller's writes
// to one file do not overlap; another process has another id).
std::string TemporaryName(const std::string& path) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
#ifdef _WIN32
    const unsigned long pid = GetCurrentProcessId();
#else
    const unsigned long pid = static_cast<unsigned long>(::getpid());
#endif
    return path + ".new-" + std::to_string(pid) + "-" + std::to_string(now);
}

}  // namespace

#ifdef _WIN32
namespace {

std::string WindowsError(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words = n == 0 || text == nullptr ? std::wstring() : std::wstring(text, n);
    if (text != nullptr) LocalFree(text);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L'.'))
        words.pop_back();
    return (words.empty() ? std::string() : Narrow(words) + " ") + "(Windows error " + std::to_string(code) +
           ")";
}

}  // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content, bool, std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(PathFromUtf8(path).parent_path(), ec);
    const std::string temp = TemporaryName(path);
    const std::wstring wide_temp = Widen(temp);
    HANDLE file =
        CreateFileW(wide_temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *error = "cannot write '" + path + "': " + WindowsError(GetLastError());
        return false;
    }
    DWORD written = 0;
    bool ok = content.empty() ||
              (WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
               written == content.size());
    ok = ok && FlushFileBuffers(file);
    const DWORD write_error = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (ok && MoveFileExW(wide_temp.c_str(), Widen(path).c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *error = "cannot write '" + path + "': " + WindowsError(ok ? GetLastError() : write_error);
    DeleteFileW(wide_temp.c_str());
    return false;
}

namespace {

// The two crypt32 functions, from System32, loaded once for the life of the process.
struct Crypt32 {
    decltype(&::CryptProtectData) protect = nullptr;
    decltype(&::CryptUnprotectData) unprotect = nullptr;
    static const Crypt32& Get() {
        static const Crypt32 api = [] {
            Crypt32 a;
            if (const auto dll = static_cast<HMODULE>(LoadSystemLibrary(L"crypt32.dll"))) {
                a.protect = reinterpret_cast<decltype(a.protect)>(
                    reinterpret_cast<void*>(GetProcAddress(dll, "CryptProtectData")));
                a.unprotect = reinterpret_cast<decltype(a.unprotect)>(
                    reinterpret_cast<void*>(GetProcAddress(dll, "CryptUnprotectData")));
            }
            return a;
        }();
        return api;
    }
};

// Mixed into the sealing: another program sealing for the same user cannot be handed our file to
// open, and we open no one else's.
DATA_BLOB Entropy() {
    static const char kEntropy[] = "Parlevo plv-service keys";
    return {sizeof kEntropy - 1, reinterpret_cast<BYTE*>(const_cast<char*>(kEntropy))};
}

bool Seal(bool protect, const std::string& in, std::string* out, std::string* error) {
    const Crypt32& api = Crypt32::Get();
    if (api.protect == nullptr || api.unprotect == nullptr) {
        *error = "crypt32.dll could not be loaded from the system folder";
        return false;
    }
    DATA_BLOB input{static_cast<DWORD>(in.size()), reinterpret_cast<BYTE*>(const_cast<char*>(in.data()))};
    DATA_BLOB entropy = Entropy();
    DATA_BLOB output{0, nullptr};
    const BOOL ok =
        protect
            ? api.protect(&input, L"Parlevo", &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &output)
            : api.unprotect(&input, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &output);
    if (!ok) {
        *error = WindowsError(GetLastError());
        return false;
    }
    out->assign(reinterpret_cast<const char*>(output.pbData), output.cbData);
    SecureZeroMemory(output.pbData, output.cbData);
    LocalFree(output.pbData);
    return true;
}

}  // namespace

bool ProtectForUser(const std::string& plain, std::string* sealed, std::string* error) {
    return Seal(true, plain, sealed, error);
}

bool UnprotectForUser(const std::string& sealed, std::string* plain, std::string* error) {
    return Seal(false, sealed, plain, error);
}

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::string ExecutableDir() {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return ".";
        if (n < buf.size()) {
            buf.resize(n);
            break;
        }
        buf.resize(buf.size() * 2);  // a long path: truncated, try a larger buffer
    }
    const auto sep = buf.find_last_of(L"\\/");
    return Narrow(sep == std::wstring::npos ? std::wstring(L".") : buf.substr(0, sep));
}

std::string UserConfigFile() {
    const wchar_t* appdata = _wgetenv(L"APPDATA");
    return appdata == nullptr || *appdata == 0 ? std::string()
                                               : Narrow(appdata) + "\\Parlevo\\plv-service.conf";
}

void* LoadSystemLibrary(const wchar_t* name) {
    if (HMODULE dll = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return dll;
    // Windows 7 without its loader update refuses the flag: the full System32 path then, its own
    // dependencies looked for beside it first.
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    wchar_t system[MAX_PATH];
    const UINT n = GetSystemDirectoryW(system, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(system, n) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

std::vector<std::string> Utf8Arguments() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> out;
    if (argv == nullptr) return out;
    for (int i = 1; i < argc; ++i) out.push_back(Narrow(argv[i]));
    LocalFree(argv);
    return out;
}
#else
bool ReplaceFileContent(const std::string& path, const std::string& content, bool private_file,
                        std::string* error) {
    const auto fail = [&](const std::string& why) {
        *error = "cannot write '" + path + "': " + why;
        return false;
    };
    std::error_code ec;
    std::filesystem::create_directories(PathFromUtf8(path).parent_path(), ec);
    mode_t mode = 0600;
    struct stat old {};
    if (!private_file && ::stat(path.c_str(), &old) == 0) mode = old.st_mode & 07777;
    const std::string temp = TemporaryName(path);
    // Made with the final mode from the start: a key is never in a file others may open.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return fail(std::strerror(errno));
    bool ok = ::fchmod(fd, mode) == 0;
    for (std::size_t done = 0; ok && done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    const int write_errno = errno;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
    const std::string why = std::strerror(ok ? errno : write_errno);
    ::unlink(temp.c_str());
    return fail(why);
}
#endif

}  // namespace plv
