#include "http_server.h"

#ifndef _WIN32
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace plv {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Set while the accepting thread runs a job it had no room for: process_and_close_socket then
// rejects the connection instead of serving it.
thread_local bool t_rejecting = false;
// Set by HttpServer::CloseAfterResponse during a request on this worker thread.
thread_local bool t_close_after_response = false;

// The socket calls that differ between POSIX and Winsock. On Windows there is no per-call
// MSG_DONTWAIT: a connection's socket is made non-blocking as a whole when we take it over.
#ifdef _WIN32
int PollFds(pollfd* fds, std::size_t n, int ms) { return ::WSAPoll(fds, static_cast<ULONG>(n), ms); }
bool Interrupted() { return false; }
bool WouldBlock() { return ::WSAGetLastError() == WSAEWOULDBLOCK; }
constexpr int kNoWait = 0;
constexpr int kNoSignal = 0;  // Winsock raises no signal on a closed connection
constexpr int kShutWrite = SD_SEND;
constexpr int kShutBoth = SD_BOTH;
void CloseSocket(socket_t s) { ::closesocket(s); }
void MakeNonBlocking(socket_t s) {
    u_long on = 1;
    ::ioctlsocket(s, FIONBIO, &on);
}
long Recv(socket_t s, char* buf, std::size_t n, int flags) {
    return ::recv(s, buf, static_cast<int>(std::min<std::size_t>(n, INT_MAX)), flags);
}
long Send(socket_t s, const char* buf, std::size_t n, int flags) {
    return ::send(s, buf, static_cast<int>(std::min<std::size_t>(n, INT_MAX)), flags);
}
#else
int PollFds(pollfd* fds, std::size_t n, int ms) { return ::poll(fds, static_cast<nfds_t>(n), ms); }
bool Interrupted() { return errno == EINTR; }
bool WouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK; }
constexpr int kNoWait = MSG_DONTWAIT;
constexpr int kNoSignal = MSG_NOSIGNAL;
constexpr int kShutWrite = SHUT_WR;
constexpr int kShutBoth = SHUT_RDWR;
void CloseSocket(socket_t s) { ::close(s); }
void MakeNonBlocking(socket_t) {}
long Recv(socket_t s, char* buf, std::size_t n, int flags) {
    return static_cast<long>(::recv(s, buf, n, flags));
}
long Send(socket_t s, const char* buf, std::size_t n, int flags) {
    return static_cast<long>(::send(s, buf, n, flags));
}
#endif

// Rounded up: a poll that returned before `until` would look like time left.
int MillisLeft(Clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(until - Clock::now()).count();
    if (left <= 0) return 0;
    return static_cast<int>(std::min<long long>((left + 999) / 1000, 1'000'000));
}

// Waits until fd is ready for events or the time is up; true when ready.
bool WaitFor(socket_t fd, short events, Clock::time_point until) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = PollFds(&p, 1, MillisLeft(until));
        if (r > 0) return true;
        if (r == 0) return false;
        if (!Interrupted()) return false;
    }
}

// cpp-httplib's ThreadPool with a bound: a job is queued only while fewer than max_queued wait
// beyond the idle workers. A job there is no room for runs at once on the accepting thread with
// t_rejecting set, which turns it into a quick 503 (the job is opaque, and running it is the only
// way to get at its socket and close it).
class BoundedThreadPool : public httplib::TaskQueue {
  public:
    BoundedThreadPool(std::size_t threads, std::size_t max_queued) : max_queued_(max_queued) {
        for (std::size_t i = 0; i < std::max<std::size_t>(threads, 1); ++i)
            workers_.emplace_back([this] { Work(); });
    }
    ~BoundedThreadPool() override = default;

    void enqueue(std::function<void()> fn) override {
        {
            std::lock_guard<std::mutex> lock(mu_);
            if (jobs_.size() < idle_ + max_queued_) {
                jobs_.push_back(std::move(fn));
                cv_.notify_one();
                return;
            }
        }
        t_rejecting = true;
        fn();
        t_rejecting = false;
    }

    void shutdown() override {
        {
            std::lock_guard<std::mutex> lock(mu_);
            shutdown_ = true;
        }
        cv_.notify_all();
        for (auto& t : workers_) t.join();
    }

  private:
    void Work() {
        for (;;) {
            std::function<void()> fn;
            {
                std::unique_lock<std::mutex> lock(mu_);
                ++idle_;
                cv_.wait(lock, [&] { return !jobs_.empty() || shutdown_; });
                --idle_;
                if (jobs_.empty()) return;  // shutting down with nothing left to do
                fn = std::move(jobs_.front());
                jobs_.pop_front();
            }
            fn();
        }
    }

    const std::size_t max_queued_;
    std::mutex mu_;
    std::condition_variable cv_;
    std::deque<std::function<void()>> jobs_;
    std::size_t idle_ = 0;
    bool shutdown_ = false;
    std::vector<std::thread> workers_;
};

// A connection's socket as the library's request parser sees it. Reads are buffered (the parser
// reads headers one byte at a time) and each waits at most the per-read time-out and never past
// the request's deadline; writes of one response share one write deadline.
class DeadlineStream : public httplib::Stream {
  public:
    DeadlineStream(socket_t sock, milliseconds read_timeout, milliseconds write_timeout)
        : sock_(sock), read_timeout_(read_timeout), write_timeout_(write_timeout) {}

    // Starts the clock of the next request: its reads end at read_deadline, and its response
    // gets write_timeout from its first byte.
    void BeginRequest(Clock::time_point read_deadline) {
        read_deadline_ = read_deadline;
        write_deadline_.reset();
    }
    // A read ran out of time (the request's deadline or the per-read time-out).
    bool timed_out() const { return timed_out_; }

    // Waits (at most until `until`) for the first byte of a request; false if none came, the
    // client closed, or the server is stopping (checked every 50 ms).
    bool WaitForRequest(Clock::time_point until, const std::atomic<socket_t>& svr_sock) {
        if (pos_ < len_) return true;
        while (svr_sock != INVALID_SOCKET) {
            const auto slice = std::min(until, Clock::now() + milliseconds(50));
            if (WaitFor(sock_, POLLIN, slice)) {
                char c;
                return Recv(sock_, &c, 1, MSG_PEEK | kNoWait) > 0;
            }
            if (Clock::now() >= until) return false;
        }
        return false;
    }

    bool is_readable() const override {
        if (pos_ < len_) return true;
        return WaitFor(sock_, POLLIN, ReadUntil());
    }
    bool is_writable() const override { return WaitFor(sock_, POLLOUT, Clock::now() + write_timeout_); }

    ssize_t read(char* ptr, size_t size) override {
        if (pos_ >= len_) {
            pos_ = len_ = 0;
            for (;;) {
                const long n = Recv(sock_, buf_, sizeof buf_, kNoWait);
                if (n >= 0) {
                    len_ = static_cast<std::size_t>(n);
                    break;
                }
                if (Interrupted()) continue;
                if (!WouldBlock()) return -1;
                // Past the request's deadline or the per-read time-out the connection is done
                // for: whatever the parser answers, nothing more is read from it.
                if (Clock::now() >= read_deadline_ || !WaitFor(sock_, POLLIN, ReadUntil())) {
                    timed_out_ = true;
                    return -1;
                }
            }
            if (len_ == 0) return 0;
        }
        const std::size_t n = std::min(size, len_ - pos_);
        std::memcpy(ptr, buf_ + pos_, n);
        pos_ += n;
        return static_cast<ssize_t>(n);
    }

    ssize_t write(const char* ptr, size_t size) override {
        if (!write_deadline_) write_deadline_ = Clock::now() + write_timeout_;
        for (;;) {
            const long n = Send(sock_, ptr, size, kNoWait | kNoSignal);
            if (n >= 0) return n;
            if (Interrupted()) continue;
            if (!WouldBlock()) return -1;
            if (!WaitFor(sock_, POLLOUT, *write_deadline_)) return -1;
        }
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        sockaddr_storage addr{};
        socklen_t len = sizeof addr;
        if (::getpeername(sock_, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            Describe(addr, len, ip, port);
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        sockaddr_storage addr{};
        socklen_t len = sizeof addr;
        if (::getsockname(sock_, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            Describe(addr, len, ip, port);
    }
    socket_t socket() const override { return sock_; }

  private:
    Clock::time_point ReadUntil() const { return std::min(read_deadline_, Clock::now() + read_timeout_); }

    static void Describe(const sockaddr_storage& addr, socklen_t len, std::string& ip, int& port) {
        char host[NI_MAXHOST];
        if (::getnameinfo(reinterpret_cast<const sockaddr*>(&addr), len, host, sizeof host, nullptr, 0,
                          NI_NUMERICHOST) == 0) {
            ip = host;
        }
        if (addr.ss_family == AF_INET) port = ntohs(reinterpret_cast<const sockaddr_in&>(addr).sin_port);
        if (addr.ss_family == AF_INET6) port = ntohs(reinterpret_cast<const sockaddr_in6&>(addr).sin6_port);
    }

    socket_t sock_;
    milliseconds read_timeout_, write_timeout_;
    Clock::time_point read_deadline_ = Clock::time_point::max();
    std::optional<Clock::time_point> write_deadline_;
    bool timed_out_ = false;
    char buf_[4096];
    std::size_t pos_ = 0, len_ = 0;
};

}  // namespace

// Closes half-closed connections once the client has read our answer and closed its side, or
// after a short grace period, discarding whatever the client still sends meanwhile. One thread
// for all of them; a bounded set (beyond it a connection is closed at once).
class Linger {
  public:
    Linger() {
#ifndef _WIN32
        if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) wake_[0] = wake_[1] = -1;
#endif
        thread_ = std::thread([this] { Run(); });
    }
    ~Linger() {
        {
            std::lock_guard<std::mutex> lock(mu_);
            stop_ = true;
        }
        Wake();
        thread_.join();
        for (const auto& e : entries_) CloseSocket(e.fd);
#ifndef _WIN32
        if (wake_[0] >= 0) ::close(wake_[0]);
        if (wake_[1] >= 0) ::close(wake_[1]);
#endif
    }

    void Add(socket_t fd) {
        {
            std::lock_guard<std::mutex> lock(mu_);
            if (!stop_ && CanWake() && entries_.size() + added_.size() < kMaxEntries) {
                added_.push_back({fd, Clock::now() + kGrace, 0});
                Wake();
                return;
            }
        }
        CloseSocket(fd);
    }

  private:
    static constexpr std::size_t kMaxEntries = 1024;
    static constexpr milliseconds kGrace{2000};
    static constexpr std::size_t kMaxDrained = 16 << 20;
    struct Entry {
        socket_t fd;
        Clock::time_point until;
        std::size_t drained;
    };

    // Winsock cannot poll a pipe: on Windows the thread waits on cv_ while it has nothing to
    // watch, and polls its sockets in short slices otherwise, so a new entry waits at most one.
#ifdef _WIN32
    static constexpr milliseconds kSlice{50};
    bool CanWake() const { return true; }
    void Wake() { cv_.notify_one(); }
#else
    bool CanWake() const { return wake_[0] >= 0; }
    void Wake() {
        if (wake_[1] >= 0) {
            const char c = 0;
            [[maybe_unused]] const ssize_t n = ::write(wake_[1], &c, 1);
        }
    }
#endif

    void Run() {
        std::vector<pollfd> fds;
        char buf[16384];
        for (;;) {
            {
#ifdef _WIN32
                std::unique_lock<std::mutex> lock(mu_);
                cv_.wait(lock, [&] { return stop_ || !added_.empty() || !entries_.empty(); });
#else
                std::lock_guard<std::mutex> lock(mu_);
#endif
                if (stop_) return;
                for (auto& e : added_) entries_.push_back(e);
                added_.clear();
            }
            auto until = Clock::now() + std::chrono::seconds(60);
            fds.clear();
#ifdef _WIN32
            until = Clock::now() + kSlice;
#else
            fds.push_back({wake_[0], POLLIN, 0});
#endif
            const std::size_t first = fds.size();
            for (const auto& e : entries_) {
                fds.push_back({e.fd, POLLIN, 0});
                until = std::min(until, e.until);
            }
            const int r = PollFds(fds.data(), fds.size(), MillisLeft(until) + 1);
            if (r < 0 && !Interrupted()) return;
#ifndef _WIN32
            if (fds[0].revents & POLLIN) {
                while (::read(wake_[0], buf, sizeof buf) > 0) {
                }
            }
#endif
            const auto now = Clock::now();
            std::vector<Entry> kept;
            for (std::size_t i = 0; i < entries_.size(); ++i) {
                Entry& e = entries_[i];
                bool done = now >= e.until;
                if (!done && (fds[i + first].revents & (POLLIN | POLLERR | POLLHUP))) {
                    const long n = Recv(e.fd, buf, sizeof buf, kNoWait);
                    if (n > 0) e.drained += static_cast<std::size_t>(n);
                    done = n == 0 || (n < 0 && !WouldBlock() && !Interrupted()) || e.drained > kMaxDrained;
                }
                if (done) {
                    CloseSocket(e.fd);
                } else {
                    kept.push_back(e);
                }
            }
            entries_.swap(kept);
        }
    }

    std::mutex mu_;
    bool stop_ = false;
    std::vector<Entry> added_;    // under mu_
    std::vector<Entry> entries_;  // the thread's own
#ifdef _WIN32
    std::condition_variable cv_;
#else
    int wake_[2] = {-1, -1};
#endif
    std::thread thread_;
};

HttpServer::HttpServer(const HttpLimits& limits) : limits_(limits), linger_(std::make_unique<Linger>()) {
    new_task_queue = [this] { return new BoundedThreadPool(limits_.threads, limits_.max_queued); };
}

HttpServer::~HttpServer() = default;

void HttpServer::CloseAfterResponse() { t_close_after_response = true; }

void HttpServer::Reject(socket_t sock) {
    static const std::string kBody = R"({"error":"server busy: too many connections; try again"})";
    static const std::string kResponse =
        "HTTP/1.1 503 Service Unavailable\r\nContent-Type: application/json\r\n"
        "Content-Length: " +
        std::to_string(kBody.size()) + "\r\nConnection: close\r\nRetry-After: 1\r\n\r\n" + kBody;
    // The socket buffer of a new connection has room for this: the write never blocks.
    MakeNonBlocking(sock);
    [[maybe_unused]] const long n = Send(sock, kResponse.data(), kResponse.size(), kNoWait | kNoSignal);
    CloseGracefully(sock);
}

void HttpServer::CloseGracefully(socket_t sock) {
    ::shutdown(sock, kShutWrite);
    linger_->Add(sock);
}

bool HttpServer::process_and_close_socket(socket_t sock) {
    if (t_rejecting) {
        Reject(sock);
        return false;
    }
    MakeNonBlocking(sock);
    const auto seconds = [](time_t s, time_t us) { return milliseconds(s * 1000 + us / 1000); };
    DeadlineStream strm(sock, seconds(read_timeout_sec_, read_timeout_usec_),
                        seconds(write_timeout_sec_, write_timeout_usec_));
    bool ret = false;
    bool graceful = false;
    for (std::size_t count = keep_alive_max_count_; count > 0 && svr_sock_ != INVALID_SOCKET; --count) {
        // An idle connection waits for its next request at most the keep-alive time-out; the
        // request's own deadline starts with its first byte.
        if (!strm.WaitForRequest(Clock::now() + std::chrono::seconds(keep_alive_timeout_sec_), svr_sock_))
            break;
        strm.BeginRequest(Clock::now() + limits_.request_timeout);
        t_close_after_response = false;
        bool connection_closed = false;
        ret = process_request(strm, count == 1, connection_closed, {});
        if (t_close_after_response) {
            t_close_after_response = false;
            graceful = true;
            break;
        }
        if (!ret || connection_closed || strm.timed_out()) break;
    }
    if (graceful) {
        CloseGracefully(sock);
    } else {
        ::shutdown(sock, kShutBoth);
        CloseSocket(sock);
    }
    return ret;
}

}  // namespace plv
