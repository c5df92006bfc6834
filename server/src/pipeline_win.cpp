// The Windows pipeline. Each stage is created suspended with CreateProcessW, put in the
// pipeline's job object (closing the job kills the whole chain, whatever happens to us) and then
// resumed. A stage inherits exactly its three standard handles, each an inheritable copy made for
// it alone and listed in PROC_THREAD_ATTRIBUTE_HANDLE_LIST: a stray copy of a pipe end in another
// stage would keep end-of-file from ever coming. Anonymous pipes have no overlapped I/O, so our
// two ends are named pipes opened for it: one thread can feed a long request, read the answer and
// keep the time-out at once. Those pipes have random names and a DACL for our user alone, so no
// other program can open one first, or at all.
#include <windows.h>
// After windows.h, which they need.
#include <ntsecapi.h>
#include <sddl.h>
#include <versionhelpers.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <mutex>
#include <stdexcept>
#include <utility>

#include "pipeline.h"
#include "platform.h"

namespace plv {
namespace {

using Clock = std::chrono::steady_clock;

class OwnedHandle {
  public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~OwnedHandle() { reset(); }
    OwnedHandle(OwnedHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    void reset() {
        if (h_ != nullptr) CloseHandle(h_);
        h_ = nullptr;
    }
    HANDLE release() { return std::exchange(h_, nullptr); }
    HANDLE get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

  private:
    HANDLE h_ = nullptr;
};

[[noreturn]] void Fail(const std::string& what, DWORD code = GetLastError()) {
    throw std::runtime_error(what + " (Windows error " + std::to_string(code) + ")");
}

// Milliseconds until `until`, rounded up, for the wait functions.
DWORD MillisLeft(Clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(until - Clock::now()).count();
    if (left <= 0) return 0;
    return static_cast<DWORD>(std::min<long long>((left + 999) / 1000, 24LL * 3600 * 1000));
}

// The rules CommandLineToArgvW and the C runtime read a command line by: an argument with a
// blank or a quote (or an empty one) is quoted, backslashes are literal except before a quote,
// where they are doubled, and the quote itself is escaped.
void AppendArgument(std::wstring& line, const std::wstring& arg) {
    if (!line.empty()) line += L' ';
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        line += arg;
        return;
    }
    line += L'"';
    for (std::size_t i = 0;; ++i) {
        std::size_t backslashes = 0;
        while (i < arg.size() && arg[i] == L'\\') {
            ++i;
            ++backslashes;
        }
        if (i == arg.size()) {
            line.append(backslashes * 2, L'\\');
            break;
        }
        if (arg[i] == L'"') {
            line.append(backslashes * 2 + 1, L'\\');
        } else {
            line.append(backslashes, L'\\');
        }
        line += arg[i];
    }
    line += L'"';
}

std::wstring CommandLine(const std::vector<std::string>& argv) {
    std::wstring line;
    // argv[0] is read differently (up to the next quote, no escapes): quoted only when needed.
    const std::wstring program = Widen(argv.at(0));
    line = program.find_first_of(L" \t") == std::wstring::npos ? program : L"\"" + program + L"\"";
    for (std::size_t i = 1; i < argv.size(); ++i) AppendArgument(line, Widen(argv[i]));
    return line;
}

bool IsFile(const std::wstring& path) {
    const DWORD attrs = GetFileAttributesW(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return path;
    std::wstring out(n, L'\0');
    const DWORD m = GetFullPathNameW(path.c_str(), n, out.data(), nullptr);
    out.resize(m);
    return out;
}

// The executable a stage named `name` runs: a path as it is (".exe" added when missing), the
// engine program for a bare name when there is one, else the name looked up in PATH.
std::wstring ResolveProgram(const std::string& name, const LaunchOptions& options) {
    const bool has_dir =
        name.find_first_of("/\\") != std::string::npos || (name.size() > 1 && name[1] == ':');
    std::wstring path;
    if (has_dir) {
        path = Widen(name);
    } else if (!options.engine_program.empty()) {
        path = Widen(options.engine_program);
    } else {
        const std::wstring wname = Widen(name);
        std::wstring buf(MAX_PATH, L'\0');
        DWORD n =
            SearchPathW(nullptr, wname.c_str(), L".exe", static_cast<DWORD>(buf.size()), buf.data(), nullptr);
        if (n > buf.size()) {
            buf.resize(n);
            n = SearchPathW(nullptr, wname.c_str(), L".exe", static_cast<DWORD>(buf.size()), buf.data(),
                            nullptr);
        }
        if (n == 0 || n > buf.size()) throw std::runtime_error("program not found: " + name);
        buf.resize(n);
        path = buf;
    }
    path = FullPath(path);
    if (IsFile(path)) return path;
    if (IsFile(path + L".exe")) return path + L".exe";
    throw std::runtime_error("program not found: " + Narrow(path));
}

// How this process's children get a job of their own. A process already in a job (plv.exe's,
// or one of Task Scheduler's or a launcher's around it) can put its children in another job
// only where jobs nest (Windows 8 and later) or where its job lets them break away.
struct JobPlacement {
    bool own_job = true;       // the stages go in a job of the pipeline's
    DWORD creation_flags = 0;  // CREATE_BREAKAWAY_FROM_JOB where it is needed and allowed
};

const JobPlacement& Placement() {
    static const JobPlacement placement = [] {
        JobPlacement p;
        BOOL in_job = FALSE;
        if (!IsProcessInJob(GetCurrentProcess(), nullptr, &in_job) || !in_job) return p;
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION ours{};
        const DWORD flags =
            QueryInformationJobObject(nullptr, JobObjectExtendedLimitInformation, &ours, sizeof ours, nullptr)
                ? ours.BasicLimitInformation.LimitFlags
                : 0;
        if ((flags & JOB_OBJECT_LIMIT_SILENT_BREAKAWAY_OK) != 0) return p;  // our children are outside it
        if ((flags & JOB_OBJECT_LIMIT_BREAKAWAY_OK) != 0) {
            p.creation_flags = CREATE_BREAKAWAY_FROM_JOB;
            return p;
        }
        // Held in a job that keeps its children: before Windows 8 no second job can be had, and
        // each stage is ended by itself (it also ends when its input does, with us).
        p.own_job = IsWindows8OrGreater();
        return p;
    }();
    return placement;
}

// The pipeline's job, or none where the stages cannot have one (see Placement).
OwnedHandle NewJob() {
    if (!Placement().own_job) return OwnedHandle();
    OwnedHandle job(CreateJobObjectW(nullptr, nullptr));
    if (!job) Fail("CreateJobObject");
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
        Fail("SetInformationJobObject");
    return job;
}

OwnedHandle OpenNul(DWORD access) {
    return OwnedHandle(
        CreateFileW(L"NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
}

// What a stage's stderr is: ours (the server's log), or NUL when we have none.
OwnedHandle ErrorOutput() {
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    HANDLE copy = nullptr;
    // A console's handle (before Windows 8 a pseudo-handle that no handle list accepts: every
    // stage would fail to start) is no log of ours: the stages' messages go nowhere then.
    if (err != nullptr && err != INVALID_HANDLE_VALUE && GetFileType(err) != FILE_TYPE_CHAR &&
        DuplicateHandle(GetCurrentProcess(), err, GetCurrentProcess(), &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
        return OwnedHandle(copy);
    }
    return OpenNul(GENERIC_WRITE);
}

OwnedHandle InheritableCopy(HANDLE h) {
    HANDLE copy = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), h, GetCurrentProcess(), &copy, 0, TRUE, DUPLICATE_SAME_ACCESS))
        Fail("DuplicateHandle");
    return OwnedHandle(copy);
}

// Our user alone may open the pipes: a DACL with one entry, for the user this process runs as.
SECURITY_ATTRIBUTES* PipeSecurity() {
    static SECURITY_ATTRIBUTES attributes = [] {
        SECURITY_ATTRIBUTES a{sizeof a, nullptr, FALSE};
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) Fail("OpenProcessToken");
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        std::vector<char> user(size);
        const bool got = GetTokenInformation(token, TokenUser, user.data(), size, &size);
        const DWORD code = GetLastError();
        CloseHandle(token);
        if (!got) Fail("GetTokenInformation", code);
        LPWSTR sid = nullptr;
        if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &sid))
            Fail("ConvertSidToStringSid");
        const std::wstring dacl = L"D:P(A;;GA;;;" + std::wstring(sid) + L")";
        LocalFree(sid);
        // Kept for the life of the process, as the attributes are.
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(dacl.c_str(), SDDL_REVISION_1,
                                                                  &a.lpSecurityDescriptor, nullptr))
            Fail("ConvertStringSecurityDescriptorToSecurityDescriptor");
        return a;
    }();
    return &attributes;
}

// A name no other program can know beforehand: 128 random bits from the system's generator.
std::wstring RandomPipeName() {
    unsigned char bytes[16];
    if (!RtlGenRandom(bytes, sizeof bytes)) Fail("RtlGenRandom");
    std::wstring name = L"\\\\.\\pipe\\plv-service-";
    for (unsigned char b : bytes) {
        name += L"0123456789abcdef"[b >> 4];
        name += L"0123456789abcdef"[b & 15];
    }
    return name;
}

// A pipe whose end on our side is overlapped; the other end is an ordinary synchronous handle
// for a child. we_write: we write, the child reads. FILE_FLAG_FIRST_PIPE_INSTANCE: should the
// name exist already, this fails rather than join a pipe somebody else made.
void OverlappedPipe(bool we_write, OwnedHandle* ours, OwnedHandle* theirs) {
    const std::wstring name = RandomPipeName();
    const DWORD open_mode = (we_write ? PIPE_ACCESS_OUTBOUND : PIPE_ACCESS_INBOUND) | FILE_FLAG_OVERLAPPED |
                            FILE_FLAG_FIRST_PIPE_INSTANCE;
    *ours = OwnedHandle(CreateNamedPipeW(
        name.c_str(), open_mode, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
        1, 65536, 65536, 0, PipeSecurity()));
    if (!*ours) Fail("CreateNamedPipe");
    *theirs = OwnedHandle(CreateFileW(name.c_str(), we_write ? GENERIC_READ : GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!*theirs) Fail("opening a named pipe");
}

// Starts one process in `job` (when there is one) with in, out and err as its standard handles and no other
// handle of ours. Returns its process handle.
OwnedHandle Spawn(const std::wstring& application, const std::vector<std::string>& argv, HANDLE in,
                  HANDLE out, HANDLE err, HANDLE job, const std::wstring& working_dir, ProcessId* pid) {
    std::wstring line = CommandLine(argv);
    const OwnedHandle child_in = InheritableCopy(in), child_out = InheritableCopy(out),
                      child_err = InheritableCopy(err);
    HANDLE inherited[3] = {child_in.get(), child_out.get(), child_err.get()};
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> storage(size);
    auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage.data());
    if (!InitializeProcThreadAttributeList(attributes, 1, 0, &size))
        Fail("InitializeProcThreadAttributeList");
    if (!UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited,
                                   sizeof inherited, nullptr, nullptr)) {
        const DWORD code = GetLastError();
        DeleteProcThreadAttributeList(attributes);
        Fail("UpdateProcThreadAttribute", code);
    }
    STARTUPINFOEXW si{};
    si.StartupInfo.cb = sizeof si;
    si.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    si.StartupInfo.hStdInput = child_in.get();
    si.StartupInfo.hStdOutput = child_out.get();
    si.StartupInfo.hStdError = child_err.get();
    si.lpAttributeList = attributes;
    PROCESS_INFORMATION pi{};
    const BOOL ok = CreateProcessW(
        application.c_str(), line.data(), nullptr, nullptr, TRUE,
        CREATE_SUSPENDED | DETACHED_PROCESS | EXTENDED_STARTUPINFO_PRESENT | Placement().creation_flags,
        nullptr, working_dir.empty() ? nullptr : working_dir.c_str(), &si.StartupInfo, &pi);
    const DWORD code = GetLastError();
    DeleteProcThreadAttributeList(attributes);
    if (!ok) Fail("cannot start " + Narrow(application), code);
    OwnedHandle process(pi.hProcess);
    const OwnedHandle thread(pi.hThread);
    // Where the job cannot be joined after all, the stage runs without it: it is ended by
    // itself like every stage (EndJob), and ends with its input should we die first.
    if (job != nullptr && !AssignProcessToJobObject(job, process.get())) {
        static std::once_flag said;
        const DWORD assign_code = GetLastError();
        std::call_once(said, [assign_code] {
            std::cerr << "plv-service: the engine's processes run without a job of their own (Windows error "
                      << assign_code << ")\n";
        });
    }
    ResumeThread(thread.get());
    *pid = pi.dwProcessId;
    return process;
}

// Cancels an overlapped operation and waits until the system is done with its buffer.
void Cancel(HANDLE h, OVERLAPPED* ov) {
    CancelIoEx(h, ov);
    DWORD n = 0;
    GetOverlappedResult(h, ov, &n, TRUE);
}

// Ends every process of a job and waits (bounded) until they are gone.
void EndJob(HANDLE job, const std::vector<HANDLE>& processes) {
    if (job != nullptr) TerminateJobObject(job, 1);
    for (HANDLE h : processes) {
        TerminateProcess(h, 1);  // in case it could not be put in the job
        WaitForSingleObject(h, 5000);
    }
}

}  // namespace

ProgramOutput RunProgram(const std::string& program, const std::vector<std::string>& args,
                         std::size_t max_bytes, std::chrono::milliseconds timeout,
                         const LaunchOptions& options, std::string_view input) {
    const std::wstring application = ResolveProgram(program, options);
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    const OwnedHandle job = NewJob();
    OwnedHandle out_ours, out_theirs, err_ours, err_theirs, in_ours, in_theirs;
    OverlappedPipe(false, &out_ours, &out_theirs);
    OverlappedPipe(false, &err_ours, &err_theirs);
    if (input.empty()) {
        in_theirs = OpenNul(GENERIC_READ);
        if (!in_theirs) Fail("opening NUL");
    } else {
        OverlappedPipe(true, &in_ours, &in_theirs);
    }
    ProcessId pid = 0;
    const OwnedHandle process = Spawn(application, argv, in_theirs.get(), out_theirs.get(), err_theirs.get(),
                                      job.get(), Widen(options.working_dir), &pid);
    out_theirs.reset();
    err_theirs.reset();
    in_theirs.reset();

    ProgramOutput r;
    struct Reader {
        Reader(HANDLE handle, std::string* s)
            : h(handle), sink(s), event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
            if (!event) Fail("CreateEvent");
        }
        HANDLE h;
        std::string* sink;
        OwnedHandle event;
        OVERLAPPED ov{};
        char buf[4096] = {};
        bool open = true, pending = false;
    };
    Reader readers[2] = {Reader(out_ours.get(), &r.out), Reader(err_ours.get(), &r.err)};
    // The input is written while the output is read: a program that answers as it reads would
    // otherwise fill its output pipe and stop reading, and both sides would wait for ever.
    const OwnedHandle write_event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!write_event) Fail("CreateEvent");
    OVERLAPPED wov{};
    bool writing = false;
    std::size_t written = 0;
    const auto start_write = [&] {
        wov = OVERLAPPED{};
        wov.hEvent = write_event.get();
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(input.size() - written, 1u << 30));
        if (WriteFile(in_ours.get(), input.data() + written, chunk, nullptr, &wov) ||
            GetLastError() == ERROR_IO_PENDING) {
            writing = true;
        } else {
            in_ours.reset();  // the program stopped reading: it has its end of input
        }
    };
    if (in_ours) start_write();
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        HANDLE events[3];
        DWORD count = 0;
        if (writing) events[count++] = write_event.get();
        for (auto& rd : readers) {
            if (rd.open && !rd.pending) {
                rd.ov = OVERLAPPED{};
                rd.ov.hEvent = rd.event.get();
                if (ReadFile(rd.h, rd.buf, sizeof rd.buf, nullptr, &rd.ov) ||
                    GetLastError() == ERROR_IO_PENDING) {
                    rd.pending = true;
                } else {
                    rd.open = false;  // ERROR_BROKEN_PIPE: the program closed it
                }
            }
            if (rd.pending) events[count++] = rd.event.get();
        }
        if (count == (writing ? 1u : 0u)) break;  // both outputs closed
        if (Clock::now() >= deadline) {
            r.timed_out = true;
            break;
        }
        const DWORD w = WaitForMultipleObjects(count, events, FALSE, MillisLeft(deadline));
        if (w == WAIT_TIMEOUT) continue;
        if (w == WAIT_FAILED) Fail("WaitForMultipleObjects");
        if (writing && WaitForSingleObject(write_event.get(), 0) == WAIT_OBJECT_0) {
            writing = false;
            DWORD n = 0;
            const bool ok = GetOverlappedResult(in_ours.get(), &wov, &n, FALSE) != 0;
            if (ok) written += n;
            if (ok && n > 0 && written < input.size()) {
                start_write();
            } else {
                in_ours.reset();  // all written (or the program stopped reading): end of input
            }
        }
        for (auto& rd : readers) {
            if (!rd.pending || WaitForSingleObject(rd.event.get(), 0) != WAIT_OBJECT_0) continue;
            rd.pending = false;
            DWORD n = 0;
            if (!GetOverlappedResult(rd.h, &rd.ov, &n, FALSE)) {
                rd.open = false;
                continue;
            }
            const std::size_t room = max_bytes + 1 - std::min(max_bytes + 1, rd.sink->size());
            rd.sink->append(rd.buf, std::min<std::size_t>(n, room));
            if (rd.sink->size() > max_bytes) r.too_large = true;
        }
        if (r.too_large) break;
    }
    for (auto& rd : readers) {
        if (rd.pending) Cancel(rd.h, &rd.ov);
    }
    if (writing) Cancel(in_ours.get(), &wov);
    in_ours.reset();
    // A program that closed its outputs may still run: it gets what is left of the time-out.
    if (!r.timed_out && !r.too_large &&
        WaitForSingleObject(process.get(), MillisLeft(deadline)) != WAIT_OBJECT_0)
        r.timed_out = true;
    if (r.timed_out || r.too_large) {
        EndJob(job.get(), {process.get()});
        return r;
    }
    DWORD code = 0;
    if (GetExitCodeProcess(process.get(), &code)) r.exit_code = static_cast<int>(code);
    return r;
}

std::unique_ptr<Pipeline> Pipeline::Start(const PipelineCommand& command, const LaunchOptions& options) {
    if (command.empty()) throw std::runtime_error("empty pipeline");
    std::vector<std::wstring> applications;
    for (const auto& stage : command) applications.push_back(ResolveProgram(stage.at(0), options));
    const std::wstring working_dir = Widen(options.working_dir);

    std::unique_ptr<Pipeline> p(new Pipeline());  // on a throw from here on, ~Pipeline ends what started
    p->job_ = NewJob().release();
    p->write_event_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    p->read_event_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (p->write_event_ == nullptr || p->read_event_ == nullptr) Fail("CreateEvent");
    p->in_.resize(65536);
    const OwnedHandle err = ErrorOutput();
    if (!err) Fail("opening NUL");
    OwnedHandle ours, prev_read;
    OverlappedPipe(true, &ours, &prev_read);
    p->to_ = ours.release();
    for (std::size_t k = 0; k < command.size(); ++k) {
        OwnedHandle next_read, out;
        if (k + 1 < command.size()) {
            HANDLE r = nullptr, w = nullptr;
            if (!CreatePipe(&r, &w, nullptr, 65536)) Fail("CreatePipe");
            next_read = OwnedHandle(r);
            out = OwnedHandle(w);
        } else {
            OverlappedPipe(false, &ours, &out);
            p->from_ = ours.release();
        }
        ProcessId pid = 0;
        OwnedHandle process = Spawn(applications[k], command[k], prev_read.get(), out.get(), err.get(),
                                    p->job_, working_dir, &pid);
        p->processes_.push_back(process.release());
        p->pids_.push_back(pid);
        prev_read = std::move(next_read);  // our copies of this stage's ends close here
    }
    return p;
}

Pipeline::~Pipeline() {
    KillAll();
    if (write_event_ != nullptr) CloseHandle(write_event_);
    if (read_event_ != nullptr) CloseHandle(read_event_);
}

void Pipeline::KillAll() {
    for (void** h : {&to_, &from_}) {
        if (*h != nullptr) CloseHandle(*h);
        *h = nullptr;
    }
    std::vector<HANDLE> processes(processes_.begin(), processes_.end());
    EndJob(job_, processes);
    for (HANDLE h : processes) CloseHandle(h);
    if (job_ != nullptr) CloseHandle(job_);
    job_ = nullptr;
    processes_.clear();
    pids_.clear();
    usable_ = false;
}

bool Pipeline::StageExited() {
    bool exited = false;
    for (std::size_t i = 0; i < processes_.size();) {
        if (WaitForSingleObject(processes_[i], 0) == WAIT_OBJECT_0) {
            CloseHandle(processes_[i]);
            processes_.erase(processes_.begin() + static_cast<std::ptrdiff_t>(i));
            pids_.erase(pids_.begin() + static_cast<std::ptrdiff_t>(i));
            exited = true;
        } else {
            ++i;
        }
    }
    if (exited) usable_ = false;
    return exited;
}

Pipeline::Status Pipeline::Exchange(std::string_view request, std::string* answer,
                                    std::chrono::milliseconds timeout, std::size_t max_answer) {
    answer->clear();
    if (!usable_ || StageExited()) return Status::kDied;
    out_.assign(request);
    out_.push_back('\0');
    const auto deadline = Clock::now() + timeout;
    OVERLAPPED wov{}, rov{};
    bool writing = false, reading = false;
    std::size_t written = 0;
    // Every way out goes through here: no read or write of ours may stay pending on a buffer.
    const auto finish = [&](Status s) {
        if (writing) Cancel(to_, &wov);
        if (reading) Cancel(from_, &rov);
        if (s != Status::kOk) usable_ = false;
        return s;
    };
    const auto start_write = [&] {
        wov = OVERLAPPED{};
        wov.hEvent = write_event_;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out_.size() - written, 1u << 30));
        if (!WriteFile(to_, out_.data() + written, chunk, nullptr, &wov) &&
            GetLastError() != ERROR_IO_PENDING)
            return false;  // ERROR_NO_DATA, ERROR_BROKEN_PIPE: the first stage is gone
        writing = true;
        return true;
    };
    // Write and read at once: a long request could otherwise fill both pipes and deadlock.
    if (!start_write()) return finish(Status::kDied);
    for (;;) {
        if (!reading) {
            rov = OVERLAPPED{};
            rov.hEvent = read_event_;
            if (!ReadFile(from_, in_.data(), static_cast<DWORD>(in_.size()), nullptr, &rov) &&
                GetLastError() != ERROR_IO_PENDING) {
                return finish(Status::kDied);  // ERROR_BROKEN_PIPE: some stage died and the chain drained
            }
            reading = true;
        }
        if (Clock::now() >= deadline) return finish(Status::kTimeout);
        HANDLE events[2] = {read_event_, write_event_};
        const DWORD w = WaitForMultipleObjects(writing ? 2 : 1, events, FALSE, MillisLeft(deadline));
        if (w == WAIT_TIMEOUT) continue;
        if (w == WAIT_FAILED) return finish(Status::kDied);
        DWORD n = 0;
        if (writing && WaitForSingleObject(write_event_, 0) == WAIT_OBJECT_0) {
            writing = false;
            if (!GetOverlappedResult(to_, &wov, &n, FALSE)) return finish(Status::kDied);
            written += n;
            if (written < out_.size() && !start_write()) return finish(Status::kDied);
        }
        if (WaitForSingleObject(read_event_, 0) != WAIT_OBJECT_0) continue;
        reading = false;
        if (!GetOverlappedResult(from_, &rov, &n, FALSE)) return finish(Status::kDied);
        const char* buf = in_.data();
        const char* nul = static_cast<const char*>(std::memchr(buf, '\0', n));
        const std::size_t take = nul == nullptr ? n : static_cast<std::size_t>(nul - buf);
        if (answer->size() + take > max_answer) {
            return finish(Status::kTooLarge);  // the rest of this answer would still come: out of step
        }
        answer->append(buf, take);
        if (nul == nullptr) continue;
        // An answer before the request was even sent belongs to nothing we asked.
        if (written < out_.size()) return finish(Status::kDied);
        if (StageExited()) return finish(Status::kDied);
        // Bytes after the answer belong to no request: the stream is out of step, so this answer
        // is the last one we trust from this chain.
        if (nul + 1 != buf + n) usable_ = false;
        return finish(Status::kOk);
    }
}

}  // namespace plv
