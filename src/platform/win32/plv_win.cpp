// plv.exe: Parlevo on Windows.

#include "platform/win32/win_backend.h"
// (the backend's Windows headers first: they settle the names the seam shares with Windows)
#include "app/startup.h"
#include "core/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/) {
    plv::win::RestrictDllSearch();
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
