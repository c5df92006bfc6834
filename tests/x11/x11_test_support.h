#pragma once
// Helpers of the X11 tests: time passing with Qt's events pumped, and "another application" in
// a child process of this test binary (see main.cpp), waited for with bounds and ended by its id.

#include <QtCore/QCoreApplication>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace plv::x11test {

inline std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Time passes with Qt's events pumped, as in the program's event loop.
inline void Pass(std::int64_t ms) {
    for (std::int64_t end = NowMs() + ms; NowMs() < end;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// Pumps until the condition holds, at most boundMs; whether it held.
template <typename F>
bool PumpUntil(F condition, std::int64_t boundMs) {
    for (std::int64_t end = NowMs() + boundMs; NowMs() < end;) {
        if (condition()) {
            return true;
        }
        Pass(10);
    }
    return condition();
}

// This test binary run again with the arguments; its standard input and output are pipes of ours.
class Child {
  public:
    explicit Child(const std::vector<std::string>& args) {
        int in[2];
        int out[2];
        if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            std::vector<char*> argv = {const_cast<char*>("/proc/self/exe")};
            for (const auto& a : args) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            execv("/proc/self/exe", argv.data());
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        input_ = in[1];
        output_ = out[0];
    }
    ~Child() { End(); }

    // Everything it writes until it ends (at most boundMs); its exit code, -1 when it did not end.
    int Collect(std::string& text, int boundMs = 10000) {
        text = ReadUntil("", boundMs);
        return Wait(boundMs);
    }

    // What it writes until the marker has appeared (at most boundMs).
    std::string ReadUntil(const std::string& marker, int boundMs) {
        std::string text;
        for (std::int64_t end = NowMs() + boundMs; NowMs() < end;) {
            if (!marker.empty() && text.find(marker) != std::string::npos) {
                break;
            }
            pollfd p{output_, POLLIN, 0};
            if (poll(&p, 1, 20) > 0) {
                char buf[4096];
                ssize_t n = read(output_, buf, sizeof buf);
                if (n <= 0) {
                    break;
                }
                text.append(buf, static_cast<std::size_t>(n));
            }
        }
        return text;
    }

    // Closing its input lets an owner go; then it is waited for, and killed past the bound.
    void End() {
        if (input_ >= 0) {
            close(input_);
            input_ = -1;
        }
        if (pid_ > 0 && Wait(5000) < 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = 0;
        if (output_ >= 0) {
            close(output_);
            output_ = -1;
        }
    }

  private:
    int Wait(int boundMs) {
        for (std::int64_t end = NowMs() + boundMs; pid_ > 0 && NowMs() < end;) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            }
            // No pumping: a reader may wait here on a thread of its own while the test pumps.
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return pid_ > 0 ? -1 : 0;
    }

    pid_t pid_ = 0;
    int input_ = -1;
    int output_ = -1;
};

}  // namespace plv::x11test
