// The process environment over its Windows calls: the executable, its command line, the single
// instance, ending, the version resource, files and the checksum library.

#include "platform/win32/win_api.h"
// (the Windows headers first: they settle the names the seam shares with Windows)

#include <shlobj.h>

#include <vector>

#include "base/text.h"
#include "platform/hash2_loader.h"
#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

// GetModuleFileNameW(NULL) of any length: a path longer than the buffer comes back cut, so the
// buffer grows until the whole path fits.
std::u16string ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return u"";
        }
        if (n < buffer.size()) {
            return U16(buffer.data(), n);
        }
        if (buffer.size() >= 65536) {
            return u"";
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

class WinProcessEnv : public ProcessEnv {
  public:
    std::u16string ExeDirectory() override {
        std::u16string path = ModulePath();
        auto slash = path.find_last_of(u"\\/");
        return slash == std::u16string::npos ? u"" : path.substr(0, slash);
    }

    std::u16string ExeBaseName() override {
        std::u16string path = ModulePath();
        auto slash = path.find_last_of(u"\\/");
        std::u16string name = slash == std::u16string::npos ? path : path.substr(slash + 1);
        auto dot = name.find_last_of(u'.');
        return dot == std::u16string::npos ? name : name.substr(0, dot);
    }

    std::u16string CommandLineArgs() override {
        std::u16string line = U16(::GetCommandLineW());
        std::size_t i = 0;
        // The program's name ends at its closing quote when it is quoted (it may hold blanks
        // then), else at the first blank.
        if (i < line.size() && line[i] == u'"') {
            auto close = line.find(u'"', i + 1);
            i = close == std::u16string::npos ? line.size() : close + 1;
        } else {
            while (i < line.size() && !IsBlank(line[i])) {
                ++i;
            }
        }
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        return line.substr(i);
    }

    std::u16string UserProfileFolder() override {
        wchar_t folder[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, folder))) {
            return u"";
        }
        return U16(folder);
    }

    bool AcquireSingleInstance(const std::u16string& name) override {
        HANDLE mutex = ::CreateMutexW(nullptr, FALSE, W(name));
        DWORD error = ::GetLastError();
        if (mutex == nullptr) {
            // The name exists but may not be opened: another copy, started by someone else, has it.
            return error != ERROR_ACCESS_DENIED;
        }
        if (error == ERROR_ALREADY_EXISTS) {
            ::CloseHandle(mutex);
            return false;
        }
        // Kept open until the process ends: the mutex tells every later copy that this one runs.
        mutexes_.push_back(mutex);
        return true;
    }

    void TerminateProcess(std::uint32_t exitCode) override {
        ::TerminateProcess(::GetCurrentProcess(), exitCode);
    }

    void EndProgram(int exitCode) override { ::PostQuitMessage(exitCode); }

    std::optional<FileVersion> GetFileVersion() override {
        // version.dll is not one of the KnownDLLs: from System32, at run time (FindProc).
        auto infoSize =
            FindProc<decltype(&::GetFileVersionInfoSizeW)>(L"version.dll", "GetFileVersionInfoSizeW");
        auto getInfo = FindProc<decltype(&::GetFileVersionInfoW)>(L"version.dll", "GetFileVersionInfoW");
        auto query = FindProc<decltype(&::VerQueryValueW)>(L"version.dll", "VerQueryValueW");
        if (infoSize == nullptr || getInfo == nullptr || query == nullptr) {
            return std::nullopt;
        }
        std::u16string path = ModulePath();
        DWORD ignored = 0;
        DWORD size = infoSize(W(path), &ignored);
        if (size == 0) {
            return std::nullopt;
        }
        std::vector<BYTE> info(size);
        if (!getInfo(W(path), 0, size, info.data())) {
            return std::nullopt;
        }
        void* fixed = nullptr;
        UINT length = 0;
        if (!query(info.data(), L"\\", &fixed, &length) || fixed == nullptr ||
            length < sizeof(VS_FIXEDFILEINFO)) {
            return std::nullopt;
        }
        const auto* v = static_cast<const VS_FIXEDFILEINFO*>(fixed);
        if (v->dwSignature != 0xFEEF04BD) {
            return std::nullopt;
        }
        return FileVersion{HIWORD(v->dwFileVersionMS), LOWORD(v->dwFileVersionMS), HIWORD(v->dwFileVersionLS),
                           LOWORD(v->dwFileVersionLS)};
    }

    std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::u16string& path) override {
        // Another program may have the file open, even for writing (an editor saving it): share both.
        HANDLE file = ::CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes;
        std::vector<std::uint8_t> chunk(64 * 1024);
        bool ok = true;
        for (;;) {
            DWORD got = 0;
            if (!::ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
                ok = false;
                break;
            }
            if (got == 0) {
                break;
            }
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
        }
        ::CloseHandle(file);
        if (!ok) {
            return std::nullopt;
        }
        return bytes;
    }

    std::u16string ProgramFileName(const std::u16string& baseName) override { return baseName + u".exe"; }
    std::u16string PathBesideExe(const std::u16string& name) override {
        return ExeDirectory() + u"\\" + name;
    }
    std::u16string SettingsFilePath() override { return PathBesideExe(ExeBaseName() + u".ini"); }
    ChecksumLibrary* LoadChecksumLibrary() override {
        if (!hash2_) {
            hash2_ = LoadHash2From(Utf16ToUtf8(ExeDirectory()));
        }
        return hash2_.get();
    }

  private:
    std::vector<HANDLE> mutexes_;
    std::unique_ptr<ChecksumLibrary> hash2_;  // loaded once, kept for the run
};

}  // namespace

std::unique_ptr<ProcessEnv> MakeProcessEnv() {
    return std::make_unique<WinProcessEnv>();
}

}  // namespace plv::win
