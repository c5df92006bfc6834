// The upstream transport on Linux: cpp-httplib, with OpenSSL for https (Debian builds it in).
#include <httplib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "upstream.h"

namespace plv {
namespace {

using Clock = std::chrono::steady_clock;

std::string Words(httplib::Error e) {
    switch (e) {
        case httplib::Error::Connection:
            return "no connection (the name not found, or the connection refused)";
        case httplib::Error::Read:
            return "the connection broke while reading the answer";
        case httplib::Error::Write:
            return "the connection broke while sending the request";
        case httplib::Error::SSLConnection:
            return "the secure connection could not be made";
        case httplib::Error::SSLLoadingCerts:
            return "the trusted certificates could not be loaded";
        case httplib::Error::SSLServerVerification:
            return "the server's certificate is not trusted";
        default:
            return httplib::to_string(e);
    }
}

// Ends an exchange at its deadline, whatever step it is in. httplib's time-outs are per step
// (connect, the handshake, each read and write), so a server that sends its headers a byte every
// half second would hold the request, and a server thread, for as long as it likes. At the
// deadline the socket is shut down, which fails the step under way, and so is any socket the
// client still opens after it. The watchdog shuts down its own duplicate of the descriptor: the
// library closes its own when it likes, and the number may by then be another connection's.
class Watchdog {
  public:
    explicit Watchdog(Clock::time_point deadline) : deadline_(deadline), thread_([this] { Run(); }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
        if (socket_ >= 0) ::close(socket_);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // httplib's socket option hook: called with each socket it makes, before it connects.
    void Watch(int sock) {
        std::lock_guard lock(mutex_);
        if (socket_ >= 0) ::close(socket_);
        socket_ = ::dup(sock);
    }

  private:
    void Run() {
        std::unique_lock lock(mutex_);
        while (!done_) {
            if (Clock::now() < deadline_) {
                wake_.wait_until(lock, deadline_);
                continue;
            }
            // Again and again until the exchange returns: a socket still connecting when it is
            // first shut down goes on connecting.
            if (socket_ >= 0) ::shutdown(socket_, SHUT_RDWR);
            wake_.wait_for(lock, std::chrono::milliseconds(20));
        }
    }

    const Clock::time_point deadline_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    int socket_ = -1;
    std::thread thread_;  // last: it starts once the rest is ready
};

class HttplibUpstream : public Upstream {
  public:
    explicit HttplibUpstream(std::string ca_file) : ca_file_(std::move(ca_file)) {}

    UpstreamAnswer Send(const UpstreamRequest& request, Clock::time_point deadline,
                        std::size_t max_answer) override {
        UpstreamAnswer a;
        UrlParts url;
        if (!SplitUrl(request.url, &url)) {
            a.failure = UpstreamFailure::Unreachable;
            a.detail = "address not understood";
            return a;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            a.failure = UpstreamFailure::Timeout;
            a.detail = "no time left for the request";
            return a;
        }
        // httplib's time-outs are per step (connect, each read); the watchdog keeps the deadline
        // of the whole exchange.
        Watchdog watchdog(deadline);
        httplib::Client cli(url.scheme + "://" + url.host + ":" + std::to_string(url.port));
        cli.set_connection_timeout(left);
        cli.set_read_timeout(left);
        cli.set_write_timeout(left);
        cli.set_tcp_nodelay(true);
        cli.set_socket_options([&watchdog](int sock) { watchdog.Watch(sock); });
        cli.set_follow_location(false);
        cli.enable_server_certificate_verification(true);
        if (!ca_file_.empty()) cli.set_ca_cert_path(ca_file_);

        httplib::Request req;
        req.method = request.method;
        req.path = url.path;
        for (const auto& [name, value] : request.headers) req.headers.emplace(name, value);
        req.body = request.body;
        bool too_large = false, late = false;
        req.content_receiver = [&](const char* data, std::size_t n, std::uint64_t, std::uint64_t) {
            if (Clock::now() > deadline) {
                late = true;
                return false;
            }
            if (a.body.size() + n > max_answer) {
                too_large = true;
                return false;
            }
            a.body.append(data, n);
            return true;
        };
        auto result = cli.send(req);
        if (too_large) {
            a = {UpstreamFailure::TooLarge, 0, {}, "answer over " + std::to_string(max_answer) + " bytes"};
        } else if (late || Clock::now() > deadline || result.error() == httplib::Error::ConnectionTimeout) {
            a = {UpstreamFailure::Timeout, 0, {}, "no whole answer within the time allowed"};
        } else if (!result) {
            const auto e = result.error();
            const bool tls = e == httplib::Error::SSLConnection ||
                             e == httplib::Error::SSLServerVerification ||
                             e == httplib::Error::SSLLoadingCerts;
            // A read that stopped because the server sent nothing for the whole time left is a
            // time-out too; httplib reports it as a failed read.
            const bool slow =
                e == httplib::Error::Read && Clock::now() + std::chrono::milliseconds(50) >= deadline;
            a.failure = tls    ? UpstreamFailure::Tls
                        : slow ? UpstreamFailure::Timeout
                               : UpstreamFailure::Unreachable;
            a.detail = Words(e);
            if (e == httplib::Error::SSLServerVerification)
                a.detail += " (certificate check " + std::to_string(cli.get_openssl_verify_result()) + ")";
            a.body.clear();
        } else {
            a.status = result->status;
        }
        return a;
    }

  private:
    std::string ca_file_;
};

}  // namespace

std::unique_ptr<Upstream> MakeUpstream(const UpstreamOptions& options) {
    if (!options.ca_file.empty() && !std::ifstream(options.ca_file)) {
        throw std::invalid_argument("key 'tls_ca_file': cannot read the certificate file '" +
                                    options.ca_file + "'");
    }
    return std::make_unique<HttplibUpstream>(options.ca_file);
}

}  // namespace plv
