#pragma once
// The developer's trace on Windows: with PLV_TRACE=FILE in the environment the program appends a
// line to FILE for each step it reports, as
//
//     1765170123.456789 +0.412 capture: copy message answered
//
// the wall-clock time in seconds since 1970 (microseconds, the clock Linux programs read too, so
// that a trace taken under Wine lines up with what a tool outside saw), and the milliseconds
// since the line before. Without PLV_TRACE nothing is opened or written.

#include "platform/win32/win_api.h"

#include <cstdint>
#include <string_view>

namespace plv::win {

class WinTrace {
  public:
    WinTrace();
    ~WinTrace();
    WinTrace(const WinTrace&) = delete;
    WinTrace& operator=(const WinTrace&) = delete;

    bool On() const { return file_ != INVALID_HANDLE_VALUE; }
    void Line(std::string_view step);
    // Microseconds since 1970, for timing a step to add to its line.
    std::int64_t NowUs() const;

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    void(WINAPI* preciseTime_)(LPFILETIME) = nullptr;
    std::int64_t last_ = 0;
};

}  // namespace plv::win
