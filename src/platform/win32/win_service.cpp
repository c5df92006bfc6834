// The bundled translation server as a child of plv.exe: a process without a window, its standard
// input and output pipes of ours, in a job that ends it with the program.

#include "platform/win32/win_api.h"

#include <ntsecapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

constexpr UINT kExitedMessage = WM_APP + 0x51;

// One argument as the C runtime's command-line parser reads it back: quotes around it when it
// is empty or has blanks or quotes, and backslashes doubled where they come before a quote.
std::wstring QuoteArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return arg;
    }
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

void Close(HANDLE& h) {
    if (h != nullptr && h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
    }
    h = nullptr;
}

class WinLocalService : public LocalService {
  public:
    WinLocalService() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ParlevoServiceWatch";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
        if (window_ != nullptr) {
            SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        }
    }

    ~WinLocalService() override {
        Stop();
        Close(job_);
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }

    bool Start(const std::u16string& program, const std::vector<std::u16string>& args,
               const std::string& input, std::function<void()> onExit, std::u16string* error) override {
        Stop();
        HANDLE inRead = nullptr;
        HANDLE outWrite = nullptr;
        if (!CreatePipe(&inRead, &stdin_, nullptr, 0)) {
            *error = u"No pipe could be made for the translation service.";
            return false;
        }
        if (!CreatePipe(&stdout_, &outWrite, nullptr, 0)) {
            Close(inRead);
            Close(stdin_);
            *error = u"No pipe could be made for the translation service.";
            return false;
        }
        HANDLE log = OpenLog();
        // Only the child's ends go to it: a stray copy of our pipe ends in another child would
        // keep the pipes open for ever.
        std::vector<HANDLE> handles = {inRead, outWrite};
        if (log != nullptr) {
            handles.push_back(log);  // else the child has no standard error
        }
        STARTUPINFOW startup{};
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = inRead;
        startup.hStdOutput = outWrite;
        startup.hStdError = log;
        std::wstring exe = W(program);
        std::wstring line = QuoteArgument(exe);
        for (const auto& a : args) {
            line += L" " + QuoteArgument(W(a));
        }
        PROCESS_INFORMATION info{};
        bool started = CreateInheriting(exe, line, startup, CREATE_NO_WINDOW, handles, info);
        DWORD failure = GetLastError();
        Close(inRead);
        Close(outWrite);
        Close(log);
        if (!started) {
            Close(stdin_);
            Close(stdout_);
            *error = u"The translation service " + program + u" could not be started (error " +
                     U16(std::to_wstring(failure).c_str()) + u").";
            return false;
        }
        // The job ends the service with Parlevo, however Parlevo ends (the task manager too).
        process_ = RunInJob(Job(), info);
        // A few dozen bytes: they fit in the pipe's buffer, so this never waits for the child.
        DWORD written = 0;
        WriteFile(stdin_, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        onExit_ = std::move(onExit);
        watch_ = std::make_unique<Watch>(Watch{window_, ++serial_});
        RegisterWaitForSingleObject(&wait_, process_, Exited, watch_.get(), INFINITE, WT_EXECUTEONLYONCE);
        return true;
    }

    std::string ReadOutput() override {
        std::string out;
        DWORD available = 0;
        while (stdout_ != nullptr && PeekNamedPipe(stdout_, nullptr, 0, nullptr, &available, nullptr) &&
               available > 0) {
            char buffer[4096];
            DWORD got = 0;
            if (!ReadFile(stdout_, buffer, std::min<DWORD>(available, sizeof buffer), &got, nullptr) ||
                got == 0) {
                break;
            }
            out.append(buffer, got);
        }
        return out;
    }

    bool IsRunning() override {
        return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
    }

    void Stop() override {
        if (wait_ != nullptr) {
            UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);  // waits for a callback under way
            wait_ = nullptr;
        }
        watch_.reset();
        ++serial_;  // an exit already posted belongs to nothing now
        onExit_ = nullptr;
        if (process_ != nullptr) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 2000);
        }
        Close(process_);
        Close(stdin_);
        Close(stdout_);
    }

    // In the user's own local application data: a fixed name in %TEMP%, opened with
    // CREATE_ALWAYS, would follow a link another program had planted there.
    std::u16string LogPath() override {
        wchar_t folder[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
            return u"";
        }
        return U16(folder) + u"\\Parlevo\\plv-service.log";
    }

    std::optional<std::vector<std::uint8_t>> RandomBytes(std::size_t count) override {
        std::vector<std::uint8_t> bytes(count);
        if (!RtlGenRandom(bytes.data(), static_cast<ULONG>(count))) {
            return std::nullopt;
        }
        return bytes;
    }

  private:
    // The service's log: made anew at the first start of a run, added to at each restart.
    HANDLE OpenLog() {
        SECURITY_ATTRIBUTES security{sizeof security, nullptr, FALSE};
        const std::wstring path = W(LogPath());
        // Its folder, made for the user (it inherits the profile's rights) when it is not there.
        CreateDirectoryW(path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
        HANDLE log =
            CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, &security,
                        logOpened_ ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log == INVALID_HANDLE_VALUE) {
            log = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &security,
                              OPEN_EXISTING, 0, nullptr);
        } else {
            logOpened_ = true;
        }
        return log == INVALID_HANDLE_VALUE ? nullptr : log;
    }

    // The service keeps each chain of its engine's processes in a job of its own. Before Windows
    // 8 a process belongs to one job only, so those processes must not join ours: they still end
    // with the service, whose jobs close when it ends.
    HANDLE Job() {
        if (job_ == nullptr) {
            job_ = MakeKillOnCloseJob(JOB_OBJECT_LIMIT_SILENT_BREAKAWAY_OK);
        }
        return job_;
    }

    // On a thread of the system's pool: the news goes to the program's thread as a message.
    static void CALLBACK Exited(void* context, BOOLEAN) {
        auto* watch = static_cast<Watch*>(context);
        PostMessageW(watch->window, kExitedMessage, watch->serial, 0);
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<WinLocalService*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (msg == kExitedMessage && self != nullptr && wp == self->serial_ && self->onExit_) {
            auto onExit = std::move(self->onExit_);
            self->onExit_ = nullptr;
            onExit();
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

    // What the wait's callback needs; it lives until the wait is unregistered.
    struct Watch {
        HWND window;
        std::uintptr_t serial;
    };

    HWND window_ = nullptr;
    std::unique_ptr<Watch> watch_;
    HANDLE job_ = nullptr;
    HANDLE process_ = nullptr;
    HANDLE stdin_ = nullptr;  // kept open while the service runs: it ends when this closes
    HANDLE stdout_ = nullptr;
    HANDLE wait_ = nullptr;
    std::uintptr_t serial_ = 0;
    std::function<void()> onExit_;
    bool logOpened_ = false;
};

}  // namespace

std::unique_ptr<LocalService> MakeLocalService() {
    return std::make_unique<WinLocalService>();
}

}  // namespace plv::win
