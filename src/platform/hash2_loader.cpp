#include "platform/hash2_loader.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

#include <vector>

#include "base/text.h"

namespace plv {
namespace {

#if defined(_WIN32)
using Crc32Fn = std::int32_t(__stdcall*)(const std::uint8_t*, std::int32_t);

class Hash2 : public ChecksumLibrary {
  public:
    Hash2(HMODULE module, Crc32Fn fn) : module_(module), fn_(fn) {}
    ~Hash2() override { FreeLibrary(module_); }
    std::int32_t CRC32(const std::uint8_t* bytes, std::int32_t length) override { return fn_(bytes, length); }

  private:
    HMODULE module_;
    Crc32Fn fn_;
};
#else
using Crc32Fn = std::int32_t (*)(const std::uint8_t*, std::int32_t);

class Hash2 : public ChecksumLibrary {
  public:
    Hash2(void* handle, Crc32Fn fn) : handle_(handle), fn_(fn) {}
    ~Hash2() override { dlclose(handle_); }
    std::int32_t CRC32(const std::uint8_t* bytes, std::int32_t length) override { return fn_(bytes, length); }

  private:
    void* handle_;
    Crc32Fn fn_;
};
#endif

}  // namespace

#if defined(_WIN32)
std::string Hash2FileName() {
    return "hash2.dll";
}

std::unique_ptr<ChecksumLibrary> LoadHash2From(const std::string& directory) {
    // Paths travel as UTF-8, so that a folder of any name works; Windows gets them as UTF-16.
    std::u16string path16 = Utf8ToUtf16(directory + "\\" + Hash2FileName());
    const auto* path = reinterpret_cast<const wchar_t*>(path16.c_str());
    // A full path, and for what the library itself needs only its own folder and System32: no
    // other folder is ever searched.
    HMODULE module =
        LoadLibraryExW(path, nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        // A system without those flags (Windows 7 before its update): a full path with the altered
        // search order looks in the library's own folder first and loads exactly that file.
        module = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    if (module == nullptr) {
        return nullptr;
    }
    auto fn = reinterpret_cast<Crc32Fn>(reinterpret_cast<void*>(GetProcAddress(module, "CRC32")));
    if (fn == nullptr) {
        FreeLibrary(module);
        return nullptr;
    }
    return std::make_unique<Hash2>(module, fn);
}
#else
std::string Hash2FileName() {
    return "libhash2.so";
}

std::string RunningExecutableDirectory() {
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) {
        return ".";
    }
    std::string path(buf.data(), static_cast<std::size_t>(n));
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::unique_ptr<ChecksumLibrary> LoadHash2From(const std::string& directory) {
    // A path with a slash makes dlopen load exactly that file, without searching.
    std::string path = directory + "/" + Hash2FileName();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return nullptr;
    }
    auto fn = reinterpret_cast<Crc32Fn>(dlsym(handle, "CRC32"));
    if (fn == nullptr) {
        dlclose(handle);
        return nullptr;
    }
    return std::make_unique<Hash2>(handle, fn);
}
#endif

}  // namespace plv
