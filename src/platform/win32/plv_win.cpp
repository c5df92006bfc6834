// plv.exe: Parlevo on Windows.

#include "platform/win32/win_backend.h"
// (the backend's Windows headers first: they settle the names the seam shares with Windows)
#include "app/startup.h"
#include "core/app.h"

namespace {

// No DLL is ever taken from the current folder or the search path: system DLLs come from
// System32, and the checksum library is loaded by its full path beside the executable. The call
// exists from Windows 8 (and on 7 with its update); without it the old search order stays.
void RestrictDllSearch() {
    auto fn = plv::win::FindProc<BOOL(WINAPI*)(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (fn != nullptr) {
        fn(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    SetDllDirectoryW(L"");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/) {
    RestrictDllSearch();
    // The shell's calls and the browser control want an apartment of their own on this thread.
    HRESULT ole = OleInitialize(nullptr);
    int code = 0;
    {
        plv::win::Backend backend(instance);
        plv::App app(backend.platform());
        plv::Main(app);
        code = backend.loop().Run();
    }
    if (SUCCEEDED(ole)) {
        OleUninitialize();
    }
    return code;
}
