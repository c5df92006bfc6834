#pragma once
// Which executable runs a window: a table of the running processes, refilled from a system
// snapshot on every look-up, with read access to every field of every entry.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace plv {

class clsProccess {
  public:
    explicit clsProccess(Processes& processes) : processes_(processes) {}

    // Fields of entry `index`. Entry 0 is never filled (process id 0, no name). An index outside
    // the table throws the subscript-out-of-range ProgramError.
    std::u16string szExeFile(std::int32_t index) const;
    std::uint32_t dwFlags(std::int32_t index) const;
    std::int32_t pcPriClassBase(std::int32_t index) const;
    std::uint32_t th32ParentProcessID(std::int32_t index) const;
    std::uint32_t cntThreads(std::int32_t index) const;
    std::uint32_t thModuleID(std::int32_t index) const;
    std::uint32_t th32DefaultHeapID(std::int32_t index) const;
    std::uint32_t th32ProcessID(std::int32_t index) const;
    std::uint32_t cntUsage(std::int32_t index) const;
    std::uint32_t dwSize(std::int32_t index) const;

    // Refills the table from a new snapshot; returns the number of processes n (entries 1..n).
    // A failed snapshot gives 0 and leaves the table as it was.
    std::int32_t GetActiveProcess();
    // The executable file name (no path) of the process that owns the window; "" when it cannot
    // be found. path receives the full module path when the name is found.
    std::u16string GetExeByHwnd(Desktop& desktop, Hwnd window, std::u16string& path);
    // The file name of entry `index`; path receives its main module's path when it can be read.
    std::u16string GetExe(std::int32_t index, std::u16string& path);

    // The table's highest index (its capacity less one); -1 before the first fill.
    std::int32_t UpperBound() const { return static_cast<std::int32_t>(table_.size()) - 1; }

  private:
    const ProcessEntry32& Entry(std::int32_t index) const;

    Processes& processes_;
    std::vector<ProcessEntry32> table_;
    std::int32_t count_ = 0;
};

}  // namespace plv
