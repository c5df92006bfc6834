// plv-service: serves the Parlevo service page and translates offline (Apertium) or by relay.
#include <httplib.h>
#include <signal.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <thread>

#include "apertium_engine.h"
#include "config.h"
#include "http_server.h"
#include "relay_engine.h"
#include "service.h"

int main(int argc, char** argv) {
    plv::CommandLine cl;
    try {
        cl = plv::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const plv::ConfigError& e) {
        std::cerr << "plv-service: " << e.what() << "\n";
        return 2;
    }
    if (cl.help) {
        std::cout << plv::UsageText();
        return 0;
    }
    const plv::Config& cfg = cl.config;

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

    std::unique_ptr<plv::Engine> engine;
    plv::ApertiumEngine* apertium = nullptr;
    const std::chrono::milliseconds timeout(cfg.timeout_ms);
    if (cfg.engine == "relay") {
        engine = std::make_unique<plv::RelayEngine>(cfg.relay_url, cfg.relay_key, timeout);
    } else {
        // Half the threads at most may wait for one direction: a hung one cannot take them all.
        auto a = std::make_unique<plv::ApertiumEngine>(cfg.modes_dir, timeout,
                                                       static_cast<std::size_t>(cfg.threads / 2));
        if (a->Directions().empty()) {
            std::cerr << "plv-service: warning: no Apertium modes found in " << cfg.modes_dir
                      << " (install e.g. apertium-eng-spa); translations will fail\n";
        }
        apertium = a.get();
        engine = std::move(a);
    }

    plv::HttpLimits limits;
    limits.threads = static_cast<std::size_t>(cfg.threads);
    limits.max_queued = static_cast<std::size_t>(cfg.max_queued);
    limits.request_timeout = std::chrono::milliseconds(cfg.request_timeout_ms);
    plv::HttpServer svr(limits);
    plv::Service service(cfg, *engine, apertium);
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
    if (apertium != nullptr && cfg.preload) apertium->Preload();
    // Tests and scripts read this line to learn the port when it was picked by the system.
    std::cout << "plv-service: listening on http://" << cfg.address << ":" << port << std::endl;

    std::thread stopper([&svr, stop_signals] {
        int sig = 0;
        sigwait(&stop_signals, &sig);
        svr.stop();
    });
    const bool ok = svr.listen_after_bind();
    if (stopper.joinable()) {
        // listen_after_bind only returns early on failure; wake the stopper so it can end.
        if (!ok) ::kill(::getpid(), SIGTERM);
        stopper.join();
    }
    return ok ? 0 : 1;
}
