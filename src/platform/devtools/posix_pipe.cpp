// The browser's pipe on POSIX systems: non-blocking descriptors, poll(2) for the bounded waits,
// all on the program's thread.

#include "platform/devtools/posix_pipe.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace plv::devtools {
namespace {

// What one look reads at most, so that a browser that writes without end cannot hold the
// program; the rest is read at the next look.
constexpr std::size_t kMaxReadPerLook = 4u << 20;

// write(2) with SIGPIPE held back for this thread: a browser that has gone is an ended
// connection, never a signal that would end the program. A SIGPIPE this write raised is taken
// before the mask is restored; one that was pending before is left alone.
ssize_t WriteQuietly(int fd, const char* data, std::size_t size) {
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    bool wasPending = sigismember(&pending, SIGPIPE) == 1;
    sigset_t old;
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &old);
    ssize_t written = write(fd, data, size);
    int error = errno;
    if (written < 0 && error == EPIPE && !wasPending) {
        timespec none{};
        sigtimedwait(&pipeSignal, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    errno = error;
    return written;
}

class PosixPipe : public Transport {
  public:
    PosixPipe(int in, int out) : in_(in), out_(out) {
        for (int fd : {in_, out_}) {
            int flags = fcntl(fd, F_GETFL);
            if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0 ||
                fcntl(fd, F_SETFD, FD_CLOEXEC) < 0) {
                ended_ = true;
            }
        }
    }
    ~PosixPipe() override {
        for (int fd : {in_, out_}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }
    PosixPipe(const PosixPipe&) = delete;
    PosixPipe& operator=(const PosixPipe&) = delete;

    bool Send(const std::string& text, std::uint64_t deadline) override {
        if (Ended()) {
            return false;
        }
        std::string message = text;
        message.push_back('\0');
        std::size_t done = 0;
        while (done < message.size()) {
            ssize_t n = WriteQuietly(out_, message.data() + done, message.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                // A browser that takes nothing more is hung. Half a message cannot be taken
                // back, so a write cut off at the deadline ends the connection.
                std::uint32_t left = Remaining(deadline);
                if (left == 0) {
                    break;
                }
                pollfd p{out_, POLLOUT, 0};
                poll(&p, 1, static_cast<int>(left));
                continue;
            }
            break;
        }
        if (done != message.size()) {
            ended_ = true;
            return false;
        }
        return true;
    }

    void Receive(std::deque<std::string>& into) override {
        Pump();
        framing_.Take(into);
    }

    void Wait(std::uint32_t ms) override {
        Pump();
        if (framing_.Empty() && !ended_) {
            pollfd p{in_, POLLIN, 0};
            poll(&p, 1, static_cast<int>(ms));
            Pump();
        }
    }

    bool Ended() override {
        Pump();
        return ended_;
    }

  private:
    // Takes what has arrived. The end of the file is the browser's end of the pipe closing: the
    // browser has gone.
    void Pump() {
        std::size_t taken = 0;
        while (!ended_ && taken < kMaxReadPerLook) {
            ssize_t n = read(in_, buffer_.data(), buffer_.size());
            if (n > 0) {
                framing_.Add(buffer_.data(), static_cast<std::size_t>(n));
                taken += static_cast<std::size_t>(n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            } else {
                ended_ = true;
            }
        }
    }

    int in_;
    int out_;
    bool ended_ = false;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    NulFraming framing_;
};

}  // namespace

std::uint64_t NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::uint64_t>(t.tv_sec) * 1000u + static_cast<std::uint64_t>(t.tv_nsec) / 1000000u;
}

std::unique_ptr<Transport> MakePosixPipe(int in, int out) {
    return std::make_unique<PosixPipe>(in, out);
}

}  // namespace plv::devtools
