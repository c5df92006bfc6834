// The Chromium engine on Linux: the system's part of it, that is how the browser is started,
// watched and ended, and its window; the rest is the shared ChromiumCore.

#include "platform/devtools/linux_chromium.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "base/text.h"
#include "platform/devtools/chromium_core.h"
#include "platform/devtools/chromium_x11_window.h"
#include "platform/devtools/posix_pipe.h"

extern char** environ;

namespace plv::devtools {
namespace {

constexpr const char* kSystemChromium = "/usr/bin/chromium";

// The browser to start: $PLV_CHROMIUM, else the system's Chromium, else the one the settings name.
std::string Executable(const std::u16string& configured) {
    if (const char* named = std::getenv("PLV_CHROMIUM"); named != nullptr && *named != '\0') {
        return named;
    }
    if (access(kSystemChromium, X_OK) == 0) {
        return kSystemChromium;
    }
    return Utf16ToUtf8(configured);
}

// A fresh folder for the browser's profile, in the temporary directory; empty when none can be
// made.
std::string MakeProfileFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp == '/' ? tmp : "/tmp") + "/parlevo-chromium-XXXXXX";
    std::vector<char> path(pattern.begin(), pattern.end());
    path.push_back('\0');
    return mkdtemp(path.data()) != nullptr ? std::string(path.data()) : std::string();
}

void Close(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

}  // namespace

class LinuxChromium::Engine : public ChromiumCore {
  public:
    explicit Engine(std::u16string browserPath) : ChromiumCore(true), browserPath_(std::move(browserPath)) {}
    ~Engine() override { Shutdown(); }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void SetHost(unsigned long host) {
        host_ = host;
        window_.SetHost(host);
    }
    void SetShown(bool shown) {
        shown_ = shown;
        Place();
    }
    void Place() { window_.Place(shown_ && host_ != 0); }
    void Focus() { window_.Focus(); }
    bool TakeFocus(unsigned long type, unsigned long protocol, unsigned long time) {
        return window_.TakeFocus(type, protocol, time);
    }
    int Process() const { return pid_; }
    unsigned long Window() const { return window_.window(); }

  private:
    std::unique_ptr<Transport> StartBrowser() override {
        std::string exe = Executable(browserPath_);
        if (exe.empty()) {
            Problem(u"No Chromium was found (" + Utf8ToUtf16(kSystemChromium) +
                    u"); install the chromium package, or name a browser in PLV_CHROMIUM.");
            return nullptr;
        }
        profile_ = MakeProfileFolder();
        if (profile_.empty()) {
            Problem(u"No folder could be made for the browser's profile in the temporary directory.");
            return nullptr;
        }
        // DevTools over a pipe that only the browser has, never over a port that any program on
        // the computer could reach: the browser reads our commands on its descriptor 3 and writes
        // its answers on 4. Its window is off the screen until the main window is shown, and the page
        // must run at full speed then all the same: it translates the program's selections. It
        // must not stop at a dialog of its own (first run, default browser, the keyring's
        // password prompt).
        std::vector<std::string> args = {exe,
                                         "--user-data-dir=" + profile_,
                                         "--remote-debugging-pipe",
                                         "--ozone-platform=x11",
                                         "--no-first-run",
                                         "--no-default-browser-check",
                                         "--hide-crash-restore-bubble",
                                         "--noerrdialogs",
                                         "--password-store=basic",
                                         "--disable-backgrounding-occluded-windows",
                                         "--disable-renderer-backgrounding",
                                         "--disable-background-timer-throttling",
                                         std::string("--app=") + kAppPage};
        // Chromium refuses to start its sandbox as root, and does not start at all then; and it
        // would then say so in a bar over the page, which --test-type keeps away.
        if (geteuid() == 0) {
            args.emplace_back("--no-sandbox");
            args.emplace_back("--test-type");
        }
        int commands[2] = {-1, -1};
        int answers[2] = {-1, -1};
        if (pipe2(commands, O_CLOEXEC) != 0 || pipe2(answers, O_CLOEXEC) != 0) {
            for (int* fd : {&commands[0], &commands[1], &answers[0], &answers[1]}) {
                Close(*fd);
            }
            Problem(u"No pipe could be made for the browser.");
            return EndStart();
        }
        // The browser's ends go above 4 first, so that putting them on 3 and 4 cannot overwrite
        // one with the other.
        int theirRead = fcntl(commands[0], F_DUPFD_CLOEXEC, 10);
        int theirWrite = fcntl(answers[1], F_DUPFD_CLOEXEC, 10);
        Close(commands[0]);
        Close(answers[1]);
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawnattr_t attributes;
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_adddup2(&actions, theirRead, 3);
        posix_spawn_file_actions_adddup2(&actions, theirWrite, 4);
        // A process group of its own, so that the browser and its helpers (which stay in it) are
        // ended together, and nothing else is; with the signals the program may block or ignore
        // given back their defaults.
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        posix_spawnattr_setpgroup(&attributes, 0);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(
            &attributes,
            static_cast<short>(POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF));
        pid_t pid = 0;
        bool started = theirRead >= 0 && theirWrite >= 0 &&
                       posix_spawnp(&pid, exe.c_str(), &actions, &attributes, argv.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        // Only the browser may hold its ends: the pipe breaks when it ends.
        Close(theirRead);
        Close(theirWrite);
        if (!started) {
            Close(commands[1]);
            Close(answers[0]);
            Problem(u"The browser " + Utf8ToUtf16(exe) + u" could not be started.");
            return EndStart();
        }
        // When the program ends without its destructors (killed), our ends of the pipe close
        // with it, and Chromium closes when its pipe does.
        pid_ = pid;
        reaped_ = false;
        return MakePosixPipe(answers[0], commands[1]);
    }

    std::unique_ptr<Transport> EndStart() {
        RemoveProfile();
        return nullptr;
    }

    bool BrowserRunning() override { return pid_ > 0 && !Reaped(); }

    bool BrowserExited(std::uint32_t ms) override {
        std::uint64_t deadline = NowMs() + ms;
        while (pid_ > 0 && !Reaped()) {
            if (Remaining(deadline) == 0) {
                return false;
            }
            timespec tick{0, 10 * 1000 * 1000};
            nanosleep(&tick, nullptr);
        }
        return true;
    }

    // Whether the browser's process has ended (and been waited for).
    bool Reaped() {
        if (!reaped_) {
            int status = 0;
            pid_t r = waitpid(pid_, &status, WNOHANG);
            // Where the program has SIGCHLD ignored, the system waits for its children itself.
            reaped_ = r == pid_ || (r < 0 && errno == ECHILD);
        }
        return reaped_;
    }

    void EndBrowserProcess() override {
        window_.Forget();
        if (pid_ > 0) {
            // The whole group: the browser's helpers may outlive it by a moment otherwise. The group
            // keeps its number while any of them lives, so no other process is reached.
            kill(-pid_, SIGKILL);
            if (!Reaped()) {
                kill(pid_, SIGKILL);
                BrowserExited(kCloseMs);
            }
            pid_ = 0;
        }
        RemoveProfile();
    }

    void RemoveProfile() {
        if (!profile_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(profile_, ignored);
            profile_.clear();
        }
    }

    // The program polls the page all the time: the browser's window is taken as soon as it is
    // there, whether or not the main window is shown, and kept in place after.
    void BeforeElement() override { window_.Find(pid_); }

    // Chromium has mapped its window by the time it answers, most often: it is taken at once.
    void OnConnected() override {
        window_.Find(pid_);
        Place();
    }

    std::u16string browserPath_;
    std::string profile_;
    pid_t pid_ = 0;
    bool reaped_ = false;
    ChromiumX11Window window_;
    unsigned long host_ = 0;
    bool shown_ = false;
};

LinuxChromium::LinuxChromium() = default;
LinuxChromium::~LinuxChromium() = default;

void LinuxChromium::UseEngine(const BrowserChoice& choice) {
    engine_.reset();
    switch (choice.kind) {
        case BrowserEngineKind::Embedded:
        case BrowserEngineKind::Chromium:
            engine_ = std::make_unique<Engine>(choice.browserPath);
            if (host_ != 0) {
                engine_->SetHost(host_);
                engine_->SetShown(shown_);
            }
            break;
        case BrowserEngineKind::Attach:
            problem_ = u"Attaching to a running browser (" + choice.devToolsAddress +
                       u") is not available on Linux; set browser=chromium in the settings to use a Chromium "
                       u"of our own.";
            break;
        case BrowserEngineKind::None:
            break;
    }
}

std::u16string LinuxChromium::TakeProblem() {
    if (!problem_.empty()) {
        return std::exchange(problem_, std::u16string());
    }
    return engine_ ? engine_->TakeProblem() : std::u16string();
}

void LinuxChromium::Navigate(const std::u16string& url) {
    if (engine_) {
        engine_->Navigate(url);
    }
}

std::optional<std::u16string> LinuxChromium::GetElementProperty(const std::u16string& id,
                                                                const std::u16string& name) {
    return engine_ ? engine_->GetElementProperty(id, name) : std::nullopt;
}

bool LinuxChromium::SetElementProperty(const std::u16string& id, const std::u16string& name,
                                       const std::u16string& value) {
    return engine_ && engine_->SetElementProperty(id, name, value);
}

bool LinuxChromium::CallElementMethod(const std::u16string& id, const std::u16string& name) {
    return engine_ && engine_->CallElementMethod(id, name);
}

bool LinuxChromium::EngineGone() {
    return engine_ && engine_->Gone();
}

void LinuxChromium::HostCreated(unsigned long window) {
    host_ = window;
    if (engine_) {
        engine_->SetHost(window);
    }
}

void LinuxChromium::HostResized(int /*width*/, int /*height*/) {
    if (engine_ && shown_) {
        engine_->Place();
    }
}

void LinuxChromium::HostShown(bool shown) {
    shown_ = shown;
    if (engine_) {
        engine_->SetShown(shown);
    }
}

void LinuxChromium::HostMoved() {
    if (engine_ && shown_) {
        engine_->Place();
    }
}

void LinuxChromium::HostActivated() {
    if (engine_ && shown_) {
        engine_->Focus();
    }
}

bool LinuxChromium::HostMessage(unsigned long type, unsigned long first, unsigned long second) {
    return engine_ && shown_ && engine_->TakeFocus(type, first, second);
}

int LinuxChromium::BrowserProcess() const {
    return engine_ ? engine_->Process() : 0;
}

unsigned long LinuxChromium::BrowserWindow() const {
    return engine_ ? engine_->Window() : 0;
}

}  // namespace plv::devtools
