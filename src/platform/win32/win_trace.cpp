#include "platform/win32/win_trace.h"

#include <cstdio>
#include <string>
#include <vector>

namespace plv::win {

WinTrace::WinTrace() {
    DWORD n = GetEnvironmentVariableW(L"PLV_TRACE", nullptr, 0);
    if (n == 0) {
        return;
    }
    std::vector<wchar_t> path(n);
    if (GetEnvironmentVariableW(L"PLV_TRACE", path.data(), n) + 1 != n || path[0] == L'\0') {
        return;
    }
    file_ = CreateFileW(path.data(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // Windows 8 and later keep the time to the microsecond; Windows 7 to its clock tick.
    preciseTime_ = FindProc<void(WINAPI*)(LPFILETIME)>(L"kernel32.dll", "GetSystemTimePreciseAsFileTime");
}

WinTrace::~WinTrace() {
    if (On()) {
        CloseHandle(file_);
    }
}

std::int64_t WinTrace::NowUs() const {
    FILETIME ft{};
    if (preciseTime_ != nullptr) {
        preciseTime_(&ft);
    } else {
        GetSystemTimeAsFileTime(&ft);
    }
    // 100-ns units since 1601; 1970 is 11644473600 seconds later.
    auto t = (static_cast<std::int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return t / 10 - 11644473600LL * 1000000;
}

void WinTrace::Line(std::string_view step) {
    if (!On()) {
        return;
    }
    std::int64_t now = NowUs();
    char head[64];
    int n = std::snprintf(head, sizeof head, "%lld.%06lld +%.3f ", static_cast<long long>(now / 1000000),
                          static_cast<long long>(now % 1000000),
                          last_ == 0 ? 0.0 : static_cast<double>(now - last_) / 1000.0);
    last_ = now;
    std::string line(head, n > 0 ? static_cast<std::size_t>(n) : 0);
    line.append(step);
    line += '\n';
    DWORD written = 0;
    WriteFile(file_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace plv::win
