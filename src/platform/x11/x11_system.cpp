// Processes from /proc, the per-user store as a file under $XDG_CONFIG_HOME/parlevo, the shell
// (xdg-open, QMessageBox, posix_spawn), the process environment, and the local translation
// service as a child process.

#include <QtWidgets/QMessageBox>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "base/text.h"
#include "platform/hash2_loader.h"
#include "platform/x11/x11_backend.h"

extern char** environ;

namespace plv::x11 {

namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? v : "";
}

std::string ReadLink(const std::string& path) {
    std::vector<char> buf(4096);
    ssize_t n = readlink(path.c_str(), buf.data(), buf.size() - 1);
    return n > 0 ? std::string(buf.data(), static_cast<std::size_t>(n)) : std::string();
}

std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool MakeDirectories(const std::string& path) {
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            std::string part = path.substr(0, i);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    return true;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ConfigHome() {
    std::string x = Env("XDG_CONFIG_HOME");
    return x.empty() ? Env("HOME") + "/.config" : x;
}

// $XDG_RUNTIME_DIR, private to the user; /tmp otherwise.
std::string RuntimeDir() {
    std::string x = Env("XDG_RUNTIME_DIR");
    return x.empty() ? "/tmp" : x;
}

// Starts a program with its arguments, standard streams as ours, through a short-lived middle
// process (fork, then posix_spawnp, waited for): the program is not our child, so it leaves no
// zombie behind, and it outlives us.
bool Spawn(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    pid_t middle = fork();
    if (middle == 0) {
        setsid();
        pid_t pid = 0;
        _exit(posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) == 0 ? 0 : 1);
    }
    int status = 0;
    return middle > 0 && waitpid(middle, &status, 0) == middle && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

}  // namespace

// --- processes

namespace {

class ProcProcesses : public Processes {
  public:
    // A list of /proc's process folders, taken now.
    KernelHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t /*processId*/) override {
        if ((flags & kTh32csSnapProcess) == 0) {
            return 0;
        }
        std::vector<std::uint32_t> pids;
        if (DIR* d = opendir("/proc")) {
            while (dirent* e = readdir(d)) {
                char* end = nullptr;
                unsigned long pid = std::strtoul(e->d_name, &end, 10);
                if (end != e->d_name && *end == '\0') {
                    pids.push_back(static_cast<std::uint32_t>(pid));
                }
            }
            closedir(d);
        }
        KernelHandle h = next_++;
        snapshots_[h] = {std::move(pids), 0};
        return h;
    }
    bool Process32First(KernelHandle snapshot, ProcessEntry32& entry) override {
        auto it = snapshots_.find(snapshot);
        if (it == snapshots_.end()) {
            return false;
        }
        it->second.second = 0;
        return Fill(it->second, entry);
    }
    bool Process32Next(KernelHandle snapshot, ProcessEntry32& entry) override {
        auto it = snapshots_.find(snapshot);
        return it != snapshots_.end() && Fill(it->second, entry);
    }
    // The process's folder in /proc, while it exists.
    KernelHandle OpenProcess(std::uint32_t /*access*/, bool /*inherit*/, std::uint32_t processId) override {
        if (processId == 0 || access(("/proc/" + std::to_string(processId)).c_str(), F_OK) != 0) {
            return 0;
        }
        KernelHandle h = next_++;
        opened_[h] = processId;
        return h;
    }
    // readlink /proc/PID/exe.
    std::optional<std::u16string> GetModuleFileNameEx(KernelHandle process, std::size_t maxChars) override {
        auto it = opened_.find(process);
        if (it == opened_.end() || maxChars == 0) {
            return std::nullopt;
        }
        std::string path = ReadLink("/proc/" + std::to_string(it->second) + "/exe");
        if (path.empty()) {
            return std::nullopt;  // another user's process, or a kernel thread
        }
        std::u16string p = Utf8ToUtf16(path);
        return p.substr(0, maxChars - 1);
    }
    void CloseHandle(KernelHandle handle) override {
        snapshots_.erase(handle);
        opened_.erase(handle);
    }

  private:
    using Snapshot = std::pair<std::vector<std::uint32_t>, std::size_t>;

    // The executable's file name from /proc/PID/exe, else the kernel's name of the process (comm);
    // the parent and the thread count from /proc/PID/stat.
    static bool Fill(Snapshot& s, ProcessEntry32& e) {
        while (s.second < s.first.size()) {
            std::uint32_t pid = s.first[s.second++];
            auto stat = ReadProcStat(pid);
            if (!stat) {
                continue;  // gone meanwhile
            }
            std::string exe = BaseName(ReadLink("/proc/" + std::to_string(pid) + "/exe"));
            std::u16string name = Utf8ToUtf16(exe.empty() ? stat->comm : exe);
            e.th32ProcessID = pid;
            e.th32ParentProcessID = stat->parent;
            e.cntThreads = 1;
            e.szExeFile.fill(0);
            std::copy_n(name.begin(), std::min(name.size(), e.szExeFile.size() - 1), e.szExeFile.begin());
            return true;
        }
        return false;
    }

    KernelHandle next_ = 1;
    std::map<KernelHandle, Snapshot> snapshots_;
    std::map<KernelHandle, std::uint32_t> opened_;
};

}  // namespace

// The name is in parentheses and may itself hold spaces and parentheses: the fields after it
// start after the last ')'.
std::optional<ProcStat> ReadProcStat(std::uint32_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    auto open = std::string::npos;
    auto close = std::string::npos;
    if (!std::getline(stat, line) || (open = line.find('(')) == std::string::npos ||
        (close = line.rfind(')')) == std::string::npos || close < open || close + 2 > line.size()) {
        return std::nullopt;
    }
    ProcStat s;
    s.comm = line.substr(open + 1, close - open - 1);
    std::istringstream rest(line.substr(close + 2));
    std::string state;
    rest >> state >> s.parent;
    return s;
}

namespace {

// --- the per-user store: one file per program, "[section]" lines and "key=value" lines in
// UTF-8, with the characters that would break a line escaped as \xHH. Keys and sections are
// found without regard to letter case, as the registry finds them.

class FileStore : public UserStore {
  public:
    explicit FileStore(std::string folder) : folder_(std::move(folder)) {}

    std::optional<std::u16string> GetSetting(const std::u16string& program, const std::u16string& section,
                                             const std::u16string& key) override {
        Sections all = Read(program);
        auto s = all.find(ToLower(section));
        if (s == all.end()) {
            return std::nullopt;
        }
        auto k = s->second.second.find(ToLower(key));
        if (k == s->second.second.end()) {
            return std::nullopt;
        }
        return k->second.second;
    }

    // The whole file written anew beside the old one, then renamed over it: a reader sees the old
    // or the new file, never half of one.
    bool SaveSetting(const std::u16string& program, const std::u16string& section, const std::u16string& key,
                     const std::u16string& value) override {
        Sections all = Read(program);
        auto& s = all[ToLower(section)];
        if (s.first.empty()) {
            s.first = section;
        }
        auto& k = s.second[ToLower(key)];
        if (k.first.empty()) {
            k.first = key;
        }
        k.second = value;
        std::string out;
        for (const auto& [lower, sec] : all) {
            out += "[" + Escape(sec.first) + "]\n";
            for (const auto& [lk, kv] : sec.second) {
                out += Escape(kv.first) + "=" + Escape(kv.second) + "\n";
            }
        }
        if (!MakeDirectories(folder_)) {
            return false;
        }
        std::string path = PathOf(program);
        std::string temp = path + ".new." + std::to_string(getpid());
        int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) {
            return false;
        }
        bool ok = write(fd, out.data(), out.size()) == static_cast<ssize_t>(out.size()) && fsync(fd) == 0;
        ok = close(fd) == 0 && ok;
        if (!ok || rename(temp.c_str(), path.c_str()) != 0) {
            unlink(temp.c_str());
            return false;
        }
        return true;
    }

  private:
    // Lower-case name -> (name as first written, values by lower-case key -> (key, value)).
    using Keys = std::map<std::u16string, std::pair<std::u16string, std::u16string>>;
    using Sections = std::map<std::u16string, std::pair<std::u16string, Keys>>;

    std::string PathOf(const std::u16string& program) const {
        std::string name = Utf16ToUtf8(program);
        std::replace(name.begin(), name.end(), '/', '_');
        return folder_ + "/" + name + ".user";
    }

    static std::string Escape(const std::u16string& s) {
        std::string out;
        for (char c : Utf16ToUtf8(s)) {
            if (c == '\\' || c == '\n' || c == '\r' || c == '=' || c == '[' || c == ']' || c == '\0') {
                static const char hex[] = "0123456789ABCDEF";
                auto b = static_cast<unsigned char>(c);
                out += {'\\', 'x', hex[b >> 4], hex[b & 15]};
            } else {
                out += c;
            }
        }
        return out;
    }

    static std::u16string Unescape(const std::string& s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\\' && i + 3 < s.size() + 0 && s[i + 1] == 'x') {
                out += static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                out += s[i];
            }
        }
        return Utf8ToUtf16(out);
    }

    Sections Read(const std::u16string& program) const {
        Sections all;
        std::ifstream in(PathOf(program), std::ios::binary);
        std::string line;
        Keys* current = nullptr;
        while (std::getline(in, line)) {
            if (!line.empty() && line[0] == '[' && line.back() == ']') {
                std::u16string name = Unescape(line.substr(1, line.size() - 2));
                auto& s = all[ToLower(name)];
                s.first = name;
                current = &s.second;
            } else if (auto eq = line.find('='); current != nullptr && eq != std::string::npos) {
                std::u16string key = Unescape(line.substr(0, eq));
                (*current)[ToLower(key)] = {key, Unescape(line.substr(eq + 1))};
            }
        }
        return all;
    }

    std::string folder_;
};

// --- the shell

class X11Shell : public Shell {
  public:
    // xdg-open, started and not waited for: 42 when it started (as ShellExecute's "more than
    // 32"), 2 (file not found) when it could not.
    std::intptr_t ShellExecute(Hwnd /*owner*/, const std::u16string& target) override {
        return Spawn({"xdg-open", Utf16ToUtf8(target)}) ? 42 : 2;
    }
    // The command line as the user's shell reads it: posix_spawn of /bin/sh -c.
    bool StartCommandLine(const std::u16string& commandLine) override {
        return Spawn({"/bin/sh", "-c", Utf16ToUtf8(commandLine)});
    }
    // QMessageBox, modal; the only button is OK (1).
    int MessageBox(const std::u16string& text, const std::u16string& title, std::uint32_t style) override {
        QMessageBox::Icon icon = (style & 0xF0) == kMbIconError         ? QMessageBox::Critical
                                 : (style & 0xF0) == kMbIconExclamation ? QMessageBox::Warning
                                                                        : QMessageBox::NoIcon;
        QMessageBox box(icon, QString::fromStdU16String(title), QString::fromStdU16String(text),
                        QMessageBox::Ok);
        box.exec();
        return 1;
    }
    // xdg-open, which asks the user when the desktop has no program for the document.
    bool OpenWith(const std::u16string& target) override { return Spawn({"xdg-open", Utf16ToUtf8(target)}); }
    std::vector<std::u16string> SeededBrowsers() override {
        return {u"firefox-esr", u"firefox", u"chromium",    u"chrome",   u"google-chrome",
                u"opera",       u"brave",   u"vivaldi-bin", u"epiphany", u"falkon"};
    }
    // Terminals by executable or by WM_CLASS class: Ctrl+C there interrupts the program running
    // inside.
    bool IsTerminal(const std::u16string& exeName, const std::u16string& windowClass) override {
        std::u16string exe = ToLower(exeName);
        for (const char16_t* t : {u"xterm",
                                  u"uxterm",
                                  u"gnome-terminal-server",
                                  u"konsole",
                                  u"xfce4-terminal",
                                  u"lxterminal",
                                  u"mate-terminal",
                                  u"terminator",
                                  u"tilix",
                                  u"alacritty",
                                  u"kitty",
                                  u"wezterm-gui",
                                  u"st",
                                  u"urxvt",
                                  u"rxvt",
                                  u"qterminal",
                                  u"terminology",
                                  u"sakura",
                                  u"guake",
                                  u"tilda",
                                  u"foot",
                                  u"xiterm",
                                  u"aterm",
                                  u"eterm"}) {
            if (exe == t) {
                return true;
            }
        }
        std::u16string cls = ToLower(windowClass);
        for (const char16_t* c :
             {u"xterm", u"uxterm", u"urxvt", u"rxvt", u"konsole", u"gnome-terminal", u"xfce4-terminal",
              u"lxterminal", u"mate-terminal", u"terminator", u"tilix", u"alacritty", u"kitty",
              u"org.wezfurlong.wezterm", u"st-256color", u"qterminal"}) {
            if (cls == c) {
                return true;
            }
        }
        return false;
    }
};

// --- the process environment

class X11ProcessEnv : public ProcessEnv {
  public:
    X11ProcessEnv(int argc, char** argv) {
        for (int i = 1; i < argc; ++i) {
            std::u16string a = Utf8ToUtf16(argv[i]);
            if (!args_.empty()) {
                args_ += u' ';
            }
            // The program reads one command line; an argument with blanks keeps them in quotes.
            args_ += a.find(u' ') != std::u16string::npos ? u"\"" + a + u"\"" : a;
        }
    }
    ~X11ProcessEnv() override {
        for (int fd : locks_) {
            close(fd);
        }
    }
    // readlink /proc/self/exe, without the file name.
    std::u16string ExeDirectory() override { return Utf8ToUtf16(RunningExecutableDirectory()); }
    std::u16string ExeBaseName() override {
        std::string name = BaseName(ReadLink("/proc/self/exe"));
        auto dot = name.find_last_of('.');
        return Utf8ToUtf16(dot == std::string::npos || dot == 0 ? name : name.substr(0, dot));
    }
    std::u16string CommandLineArgs() override { return args_; }
    // $HOME.
    std::u16string UserProfileFolder() override { return Utf8ToUtf16(Env("HOME")); }
    // flock on a file of the name in $XDG_RUNTIME_DIR (the user's, for the display in use): held
    // until the process ends. A name asked for again finds it taken, also by this process.
    bool AcquireSingleInstance(const std::u16string& name) override {
        std::string file = Utf16ToUtf8(name) + "@" + Env("DISPLAY");
        for (char& c : file) {
            if (c == '/' || c == '\\' || c == ':') {
                c = '_';
            }
        }
        std::string path = RuntimeDir() + "/parlevo-" + std::to_string(getuid()) + "-" + file + ".lock";
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) {
            return false;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            close(fd);
            return false;
        }
        locks_.push_back(fd);
        return true;
    }
    // _exit: nothing of the program runs afterwards.
    void TerminateProcess(std::uint32_t exitCode) override { _exit(static_cast<int>(exitCode)); }
    // QCoreApplication::exit, queued: the event loop ends and the process exits with the code,
    // also when the program ends before its loop has started (as a posted WM_QUIT would).
    void EndProgram(int exitCode) override {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); },
            Qt::QueuedConnection);
    }
    // The version the executable was built as.
    std::optional<FileVersion> GetFileVersion() override {
        return FileVersion{PLV_VERSION_MAJOR, PLV_VERSION_MINOR, PLV_VERSION_PATCH, PLV_VERSION_TWEAK};
    }
    std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::u16string& path) override {
        std::ifstream in(Utf16ToUtf8(path), std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        if (in.bad()) {
            return std::nullopt;
        }
        return bytes;
    }
    // dlopen of libhash2.so beside the executable, never from the search path.
    ChecksumLibrary* LoadChecksumLibrary() override {
        if (!hash2_) {
            hash2_ = LoadHash2From(RunningExecutableDirectory());
        }
        return hash2_.get();
    }
    std::u16string ProgramFileName(const std::u16string& baseName) override { return baseName; }
    std::u16string PathBesideExe(const std::u16string& name) override { return ExeDirectory() + u"/" + name; }
    std::u16string SettingsFilePath() override {
        std::u16string file = ExeBaseName() + u".ini";
        std::u16string user = Utf8ToUtf16(ConfigHome() + "/parlevo/") + file;
        if (FileExists(Utf16ToUtf8(user))) {
            return user;
        }
        std::u16string beside = PathBesideExe(file);
        if (FileExists(Utf16ToUtf8(beside))) {
            return beside;
        }
        return u"/usr/share/parlevo/" + file;
    }

  private:
    std::u16string args_;
    std::vector<int> locks_;
    std::unique_ptr<ChecksumLibrary> hash2_;
};

// --- the local translation service, a child in a process group of its own

class ChildService : public LocalService {
  public:
    ChildService() {
        QObject::connect(&watch_, &QTimer::timeout, [this] { Watch(); });
    }
    ~ChildService() override { Stop(); }

    // fork + exec: standard input and output are pipes of ours, standard error the log; the child
    // leads a process group of its own and is killed when we end (PR_SET_PDEATHSIG).
    bool Start(const std::u16string& program, const std::vector<std::u16string>& args,
               const std::string& input, std::function<void()> onExit, std::u16string* error) override {
        Stop();
        std::string path = Utf16ToUtf8(program);
        std::vector<std::string> argv = {path};
        for (const auto& a : args) {
            argv.push_back(Utf16ToUtf8(a));
        }
        std::vector<char*> cargv;
        for (auto& a : argv) {
            cargv.push_back(a.data());
        }
        cargv.push_back(nullptr);
        int in[2];
        int out[2];
        if (pipe2(in, O_CLOEXEC) != 0) {
            return Fail(error, u"no pipe");
        }
        if (pipe2(out, O_CLOEXEC) != 0) {
            close(in[0]);
            close(in[1]);
            return Fail(error, u"no pipe");
        }
        std::string log = Utf16ToUtf8(LogPath());
        int logFd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        pid_t parent = getpid();
        pid_t pid = fork();
        if (pid == 0) {
            setpgid(0, 0);
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent) {
                _exit(127);  // we ended before the request took hold
            }
            dup2(in[0], 0);
            dup2(out[1], 1);
            if (logFd >= 0) {
                dup2(logFd, 2);
            }
            execv(cargv[0], cargv.data());
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        if (logFd >= 0) {
            close(logFd);
        }
        if (pid < 0) {
            close(in[1]);
            close(out[0]);
            return Fail(error, u"fork failed");
        }
        setpgid(pid, pid);
        pid_ = pid;
        stdin_ = in[1];
        stdout_ = out[0];
        fcntl(stdout_, F_SETFL, fcntl(stdout_, F_GETFL) | O_NONBLOCK);
        signal(SIGPIPE, SIG_IGN);
        if (!input.empty() &&
            write(stdin_, input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
            Stop();
            return Fail(error, u"could not hand its input to " + program);
        }
        // execv failing shows as an exit at once: the program hears of it through onExit.
        onExit_ = std::move(onExit);
        watch_.start(100);
        return true;
    }
    // read of what the pipe holds, without waiting.
    std::string ReadOutput() override {
        std::string s;
        char buf[4096];
        ssize_t n = 0;
        while (stdout_ >= 0 && (n = read(stdout_, buf, sizeof buf)) > 0) {
            s.append(buf, static_cast<std::size_t>(n));
        }
        return s;
    }
    // waitpid(WNOHANG).
    bool IsRunning() override {
        Reap();
        return pid_ > 0;
    }
    // SIGKILL to the child's process group, and everything closed.
    void Stop() override {
        watch_.stop();
        onExit_ = nullptr;
        if (pid_ > 0) {
            kill(-pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
        CloseAll();
    }
    std::u16string LogPath() override {
        return Utf8ToUtf16(RuntimeDir() + "/plv-service-" + std::to_string(getuid()) + ".log");
    }
    // getrandom.
    std::optional<std::vector<std::uint8_t>> RandomBytes(std::size_t count) override {
        std::vector<std::uint8_t> bytes(count);
        std::size_t got = 0;
        while (got < count) {
            ssize_t n = getrandom(bytes.data() + got, count - got, 0);
            if (n < 0 && errno != EINTR) {
                return std::nullopt;
            }
            got += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        return bytes;
    }

  private:
    static bool Fail(std::u16string* error, const std::u16string& why) {
        if (error != nullptr) {
            *error = why;
        }
        return false;
    }
    void Reap() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) {
            kill(-pid_, SIGKILL);  // what it started goes with it
            pid_ = 0;
        }
    }
    void Watch() {
        Reap();
        if (pid_ == 0) {
            watch_.stop();
            std::function<void()> onExit = std::move(onExit_);
            onExit_ = nullptr;
            if (onExit) {
                onExit();
            }
        }
    }
    void CloseAll() {
        for (int* fd : {&stdin_, &stdout_}) {
            if (*fd >= 0) {
                close(*fd);
                *fd = -1;
            }
        }
    }

    pid_t pid_ = 0;
    int stdin_ = -1;
    int stdout_ = -1;
    std::function<void()> onExit_;
    QTimer watch_;
};

}  // namespace

std::unique_ptr<Processes> MakeProcesses() {
    return std::make_unique<ProcProcesses>();
}
std::unique_ptr<UserStore> MakeUserStore() {
    return std::make_unique<FileStore>(ConfigHome() + "/parlevo");
}
std::unique_ptr<UserStore> MakeUserStoreIn(const std::string& folder) {
    return std::make_unique<FileStore>(folder);
}
std::unique_ptr<Shell> MakeShell() {
    return std::make_unique<X11Shell>();
}
std::unique_ptr<ProcessEnv> MakeProcessEnv(int argc, char** argv) {
    return std::make_unique<X11ProcessEnv>(argc, argv);
}
std::unique_ptr<LocalService> MakeLocalService() {
    return std::make_unique<ChildService>();
}
std::unique_ptr<devtools::LinuxChromium> MakeBrowser() {
    return std::make_unique<devtools::LinuxChromium>();
}

bool X11SessionAvailable() {
    if (!Env("DISPLAY").empty()) {
        return true;
    }
    return false;
}

}  // namespace plv::x11
