// plv-service: serves the Parlevo service page and translates offline (Apertium), or through
// the translation services configured for some or all directions.
#include <httplib.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#else
#include <signal.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <iostream>
#include <memory>
#include <thread>

#include "apertium_engine.h"
#include "config.h"
#include "http_server.h"
#include "pivot_engine.h"
#include "platform.h"
#include "providers.h"
#include "service.h"
#include "upstream.h"

namespace {

// Reads standard input to its end past the C library, whose stream lock a thread blocked in it
// would hold while exit() wants it to flush.
void WaitForEndOfInput() {
    char buf[4096];
#ifdef _WIN32
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD n = 0;
    while (ReadFile(in, buf, sizeof buf, &n, nullptr) && n > 0) {
    }
#else
    while (true) {
        const ssize_t n = ::read(0, buf, sizeof buf);
        if (n > 0 || (n < 0 && errno == EINTR)) continue;
        break;
    }
#endif
}

}  // namespace

#ifdef _WIN32
namespace {

// Set before the console handler can run; the handler only asks the server to stop.
std::atomic<plv::HttpServer*> g_server{nullptr};

BOOL WINAPI OnConsoleEvent(DWORD) {
    if (auto* svr = g_server.load()) svr->stop();
    return TRUE;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    // main's argv is in the ANSI code page; paths (a modes_dir under a user's name) may not be.
    const std::vector<std::string> args = plv::Utf8Arguments();
    // The "listening on" line ends in "\n" alone, as on Linux: the parent reads it.
    _setmode(_fileno(stdout), _O_BINARY);
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) {
        std::cerr << "plv-service: cannot start Winsock\n";
        return 1;
    }
#else
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    plv::CommandLine cl;
    try {
        cl = plv::ParseCommandLine(args, &std::cin);
    } catch (const plv::ConfigError& e) {
        std::cerr << "plv-service: " << e.what() << "\n";
        return 2;
    }
    if (cl.help) {
        std::cout << plv::UsageText();
        return 0;
    }
    const plv::Config& cfg = cl.config;

#ifndef _WIN32
    // A client that hangs up must not kill us, and a stage of a pipeline that dies must show
    // up as EPIPE on our write, not as a signal.
    ::signal(SIGPIPE, SIG_IGN);
    // Stop signals are taken by one thread with sigwait; every thread started later inherits
    // the mask (pipeline stages reset it before exec).
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    ::pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
#endif

    // Only a server that talks to other services opens the system's HTTP client: an offline one
    // (the one Parlevo brings, as shipped) starts without it.
    std::unique_ptr<plv::Upstream> upstream;
    try {
        if (cfg.engine == "relay" || !cfg.routes.empty() || !cfg.tls_ca_file.empty())
            upstream = plv::MakeUpstream({cfg.tls_ca_file});
    } catch (const std::exception& e) {
        std::cerr << "plv-service: " << e.what() << "\n";
        return 2;
    }
    const std::chrono::milliseconds timeout(cfg.timeout_ms);
    // Room for a translation of the longest text many times over, escaped as JSON; a service
    // that sends more is broken or hostile, and is not held in memory.
    const std::size_t max_answer = std::max<std::size_t>(1 << 20, cfg.text_limit * 64);
    const auto service_engine = [&](const std::string& id) {
        const plv::ProviderSettings settings =
            id == "libretranslate" ? plv::ProviderSettings{cfg.relay_url, cfg.relay_key, {}, {}}
                                   : cfg.providers.at(id);
        return std::make_unique<plv::ProviderEngine>(*plv::FindProvider(id), settings, *upstream, timeout,
                                                     max_answer);
    };

    std::unique_ptr<plv::Engine> base;
    plv::ApertiumEngine* apertium = nullptr;
    std::string base_name = plv::kApertiumInfo.name;
    if (cfg.engine == "relay") {
        base = service_engine("libretranslate");
        base_name = plv::FindProvider("libretranslate")->name;
    } else {
        plv::ApertiumOptions options;
        options.timeout = timeout;
        // Half the threads at most may wait for one direction: a hung one cannot take them all.
        options.max_waiting = static_cast<std::size_t>(cfg.threads / 2);
        options.engine_program = cfg.engine_program;
        options.max_pipelines = static_cast<std::size_t>(cfg.max_pipelines);
        options.idle_after = std::chrono::minutes(cfg.pipeline_idle_minutes);
        auto a = std::make_unique<plv::ApertiumEngine>(cfg.modes_dir, options);
        if (a->Directions().empty()) {
            std::cerr << "plv-service: warning: no Apertium modes found in " << cfg.modes_dir
                      << " (install e.g. apertium-eng-spa); translations will fail\n";
        }
        apertium = a.get();
        base = std::move(a);
    }
    std::map<std::string, std::unique_ptr<plv::Engine>> routes;
    std::map<std::string, std::string> route_names;
    for (const auto& [dir, id] : cfg.routes) {
        routes[dir] = service_engine(id);
        route_names[dir] = plv::FindProvider(id)->name;
    }
    plv::RoutedEngine routed(*base, base_name, std::move(routes), std::move(route_names));
    // Outermost, so that the directions through a language may have routed steps too.
    plv::PivotEngine engine(routed, cfg.pivot);

    plv::HttpLimits limits;
    limits.threads = static_cast<std::size_t>(cfg.threads);
    limits.max_queued = static_cast<std::size_t>(cfg.max_queued);
    limits.request_timeout = std::chrono::milliseconds(cfg.request_timeout_ms);
    plv::HttpServer svr(limits);
    plv::Service service(cfg, engine, apertium);
    service.Install(svr);

    int port = cfg.port;
    if (port == 0) {
        port = svr.bind_to_any_port(cfg.address);
    } else if (!svr.bind_to_port(cfg.address, port)) {
        port = -1;
    }
    if (port <= 0) {
        std::cerr << "plv-service: cannot listen on " << cfg.address << ":" << cfg.port << "\n";
        return 1;
    }
    service.WidenBacklog();
    // Tests and scripts read this line to learn the port when it was picked by the system.
    std::cout << "plv-service: listening on http://" << cfg.address << ":" << port << std::endl;
    // Chains start after the line that tells the parent it may go on: loading their data competes
    // for the processor with everything else starting at that moment.
    if (apertium != nullptr && cfg.preload) apertium->Preload();
    for (const auto& dir : cfg.warm) {
        if (apertium != nullptr && !apertium->Warm(dir))
            std::cerr << "plv-service: warning: key 'warm': no direction " << dir << " in " << cfg.modes_dir
                      << "\n";
    }

    if (cl.api_key_stdin) {
        // The parent keeps our standard input open for as long as it wants us: its end of the
        // pipe closes when it exits, however it exits, and then so do we. Detached: it may still
        // be blocked in its read when the server stops for another reason.
        std::thread([&svr] {
            WaitForEndOfInput();
            std::cerr << "plv-service: standard input closed; stopping\n";
            // Input may end before the server runs, when stop() would do nothing.
            for (int i = 0; i < 1000 && !svr.is_running(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            svr.stop();
        }).detach();
    }
#ifdef _WIN32
    g_server = &svr;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    const bool ok = svr.listen_after_bind();
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    g_server = nullptr;
#else
    std::thread stopper([&svr, stop_signals] {
        int sig = 0;
        sigwait(&stop_signals, &sig);
        svr.stop();
    });
    const bool ok = svr.listen_after_bind();
    if (stopper.joinable()) {
        // listen_after_bind returns early on failure, or when standard input ended: wake the
        // stopper so it can end (a signal it already took leaves this one pending, and blocked).
        if (!ok || cl.api_key_stdin) ::kill(::getpid(), SIGTERM);
        stopper.join();
    }
#endif
    return ok ? 0 : 1;
}
