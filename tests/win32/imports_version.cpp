// A library that imports version.dll, which is not one of the KnownDLLs: scripts/check-pe must
// refuse a build folder that ships it (tests/win32/check-pe-test).

#include <windows.h>

extern "C" __declspec(dllexport) DWORD VersionInfoSize(const wchar_t* path) {
    DWORD ignored = 0;
    return GetFileVersionInfoSizeW(path, &ignored);
}
