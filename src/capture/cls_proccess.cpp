#include "capture/cls_proccess.h"

#include "base/errors.h"

namespace plv {
namespace {

constexpr std::size_t kTableStep = 20;
constexpr std::size_t kModulePathChars = 256;

std::u16string UpToNul(const char16_t* chars, std::size_t max) {
    std::size_t n = 0;
    while (n < max && chars[n] != 0) {
        ++n;
    }
    return std::u16string(chars, n);
}

}  // namespace

const ProcessEntry32& clsProccess::Entry(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= table_.size()) {
        throw SubscriptOutOfRange("clsProccess");
    }
    return table_[static_cast<std::size_t>(index)];
}

std::u16string clsProccess::szExeFile(std::int32_t index) const {
    const auto& e = Entry(index);
    return UpToNul(e.szExeFile.data(), e.szExeFile.size());
}
std::uint32_t clsProccess::dwFlags(std::int32_t index) const {
    return Entry(index).dwFlags;
}
std::int32_t clsProccess::pcPriClassBase(std::int32_t index) const {
    return Entry(index).pcPriClassBase;
}
std::uint32_t clsProccess::th32ParentProcessID(std::int32_t index) const {
    return Entry(index).th32ParentProcessID;
}
std::uint32_t clsProccess::cntThreads(std::int32_t index) const {
    return Entry(index).cntThreads;
}
std::uint32_t clsProccess::thModuleID(std::int32_t index) const {
    return Entry(index).th32ModuleID;
}
std::uint32_t clsProccess::th32DefaultHeapID(std::int32_t index) const {
    return Entry(index).th32DefaultHeapID;
}
std::uint32_t clsProccess::th32ProcessID(std::int32_t index) const {
    return Entry(index).th32ProcessID;
}
std::uint32_t clsProccess::cntUsage(std::int32_t index) const {
    return Entry(index).cntUsage;
}
std::uint32_t clsProccess::dwSize(std::int32_t index) const {
    return Entry(index).dwSize;
}

std::int32_t clsProccess::GetActiveProcess() {
    KernelHandle snapshot = processes_.CreateToolhelp32Snapshot(kTh32csSnapProcess, 0);
    if (snapshot == 0) {
        return 0;
    }
    ProcessEntry32 record;
    record.dwSize = kProcessEntry32Size;
    bool more = processes_.Process32First(snapshot, record);
    // The table shrinks or grows to 21 entries at every fill, keeping what it held, and grows by
    // 20 whenever the count reaches a multiple of 20. Entry 0 stays empty.
    table_.resize(kTableStep + 1);
    std::size_t count = 0;
    while (more) {
        ++count;
        if (count % kTableStep == 0) {
            table_.resize(count + kTableStep + 1);
        }
        table_[count] = record;
        more = processes_.Process32Next(snapshot, record);
    }
    processes_.CloseHandle(snapshot);
    count_ = static_cast<std::int32_t>(count);
    return count_;
}

std::u16string clsProccess::GetExeByHwnd(Desktop& desktop, Hwnd window, std::u16string& path) {
    std::uint32_t pid = desktop.GetWindowProcessId(window);
    std::int32_t n = GetActiveProcess();
    // Entry 0 carries process id 0, so a window without a process (an invalid handle) finds it
    // and gets its empty name.
    for (std::int32_t i = 0; i <= n && static_cast<std::size_t>(i) < table_.size(); ++i) {
        if (table_[static_cast<std::size_t>(i)].th32ProcessID == pid) {
            return GetExe(i, path);
        }
    }
    return {};
}

std::u16string clsProccess::GetExe(std::int32_t index, std::u16string& path) {
    KernelHandle process =
        processes_.OpenProcess(kProcessQueryInformation | kProcessVmRead, false, th32ProcessID(index));
    std::u16string name = szExeFile(index);
    if (process != 0) {
        if (auto module = processes_.GetModuleFileNameEx(process, kModulePathChars)) {
            path = UpToNul(module->data(), module->size());
        }
        processes_.CloseHandle(process);
    }
    return name;
}

}  // namespace plv
