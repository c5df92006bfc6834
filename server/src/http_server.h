// The HTTP server plv-service runs: cpp-httplib's Server with limits it does not have itself.
//
// cpp-httplib serves one connection per pool thread. Left alone it has three ways to run out of
// threads for good: its job queue has no bound (connections wait behind a hung handler without
// end), every read restarts the read time-out (a client sending one header line every few
// seconds keeps its thread for ever), and a pool of 16 threads is taken by 16 such clients.
// HttpServer answers all three:
//  - a pool of `threads` workers whose queue holds at most `max_queued` connections; one more
//    is answered 503 at once by the accepting thread (a non-blocking write) and closed;
//  - a total deadline, `request_timeout`, for a request's line, headers and body, counted from
//    its first byte, on top of the per-read time-out. It is enforced by a Stream of our own that
//    polls the socket with the time left, so no sequence of slow reads can outlast it;
//  - a pool larger than the library's default, since a slow client still holds a thread until
//    its deadline: 64 threads absorb that many slow clients while the rest are served.
// It does this by overriding httplib::Server::process_and_close_socket (the hook the library's
// own SSLServer uses) and driving the library's request parser, process_request, over that Stream.
#pragma once

#include <httplib.h>

#include <chrono>
#include <cstddef>
#include <memory>

namespace plv {

struct HttpLimits {
    std::size_t threads = 64;                          // connections served at once
    std::size_t max_queued = 256;                      // accepted connections waiting for a thread
    std::chrono::milliseconds request_timeout{10000};  // a request's line, headers and body
};

class Linger;

class HttpServer : public httplib::Server {
  public:
    explicit HttpServer(const HttpLimits& limits);
    ~HttpServer() override;

    // For a handler that answers without reading the whole request body (or after a failed
    // read): the connection is closed after this response instead of being kept alive, since
    // what is left of the body would otherwise be taken for the next request. Affects the
    // request being handled on the calling thread only.
    static void CloseAfterResponse();

  private:
    bool process_and_close_socket(socket_t sock) override;
    // Answers 503 without waiting for anything, then closes (on the accepting thread).
    void Reject(socket_t sock);
    // Half-closes after the response and lets the Linger drain what the client still sends, so
    // that closing with unread data (a TCP reset) cannot destroy the response on its way.
    void CloseGracefully(socket_t sock);

    HttpLimits limits_;
    std::unique_ptr<Linger> linger_;
};

}  // namespace plv
