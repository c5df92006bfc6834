// Measures translation latency and throughput of plv-service against Debian's apertium-apy and a
// spawn-per-request baseline, on the same sentences and in the same run.
//
// usage: plv-service-bench --sentences FILE [--rounds N] TARGET...
//   TARGET is plv=http://127.0.0.1:PORT, apy=http://127.0.0.1:PORT or spawn=MODE (e.g. eng-spa)
#include <fcntl.h>
#include <httplib.h>

#include "text_util.h"
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Translator = std::function<std::string(const std::string&)>;
// Each client thread gets its own translator, so HTTP clients keep their own connection.
using TranslatorFactory = std::function<Translator()>;

std::shared_ptr<httplib::Client> MakeClient(const std::string& url) {
    auto cli = std::make_shared<httplib::Client>(url);
    cli->set_keep_alive(true);  // as a browser would; both servers speak HTTP/1.1
    cli->set_tcp_nodelay(true);
    cli->set_read_timeout(std::chrono::seconds(30));
    cli->set_connection_timeout(std::chrono::seconds(5));
    return cli;
}

// url may carry a path (http://127.0.0.1:PORT/key/KEY for a server that wants a key in it).
TranslatorFactory PlvService(const std::string& url) {
    const auto host_end = url.find('/', url.find("//") == std::string::npos ? 0 : url.find("//") + 2);
    const std::string base = url.substr(0, host_end);
    std::string path = host_end == std::string::npos ? "" : url.substr(host_end);
    while (!path.empty() && path.back() == '/') path.pop_back();
    return [base, path] {
        auto cli = MakeClient(base);
        return [cli, path](const std::string& text) {
            const nlohmann::json body = {{"q", text}, {"source", "en"}, {"target", "es"}, {"format", "text"}};
            auto res = cli->Post(path + "/translate", body.dump(), "application/json");
            if (!res || res->status != 200) throw std::runtime_error("plv-service request failed");
            return nlohmann::json::parse(res->body).at("translatedText").get<std::string>();
        };
    };
}

TranslatorFactory ApertiumApy(const std::string& url) {
    return [url] {
        auto cli = MakeClient(url);
        return [cli](const std::string& text) {
            auto res = cli->Get("/translate?langpair=eng%7Cspa&q=" + plv::UrlEncode(text));
            if (!res || res->status != 200) throw std::runtime_error("apertium-apy request failed");
            return nlohmann::json::parse(res->body)
                .at("responseData")
                .at("translatedText")
                .get<std::string>();
        };
    };
}

// `apertium MODE` started afresh for every sentence: what a naive integration would do.
TranslatorFactory SpawnPerRequest(const std::string& mode) {
    return [mode] {
        return [mode](const std::string& text) {
            int in[2], out[2];
            // Close-on-exec, or the other client's apertium inherits our write end, never sees
            // end of input, and the two wait for each other for ever.
            if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
                throw std::runtime_error("pipe failed");
            posix_spawn_file_actions_t fa;
            posix_spawn_file_actions_init(&fa);
            posix_spawn_file_actions_adddup2(&fa, in[0], 0);
            posix_spawn_file_actions_adddup2(&fa, out[1], 1);
            std::string m = mode;
            char prog[] = "apertium";
            char* argv[] = {prog, m.data(), nullptr};
            pid_t pid = 0;
            const int rc = posix_spawnp(&pid, "apertium", &fa, nullptr, argv, environ);
            posix_spawn_file_actions_destroy(&fa);
            close(in[0]);
            close(out[1]);
            if (rc != 0) {
                close(in[1]);
                close(out[0]);
                throw std::runtime_error("cannot run apertium");
            }
            // Sentences are far below the pipe size, so writing all before reading cannot block.
            const ssize_t w = write(in[1], text.data(), text.size());
            close(in[1]);
            std::string result;
            char buf[4096];
            ssize_t n;
            while ((n = read(out[0], buf, sizeof buf)) > 0) result.append(buf, static_cast<std::size_t>(n));
            close(out[0]);
            int status = 0;
            waitpid(pid, &status, 0);
            if (w != static_cast<ssize_t>(text.size()) || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                throw std::runtime_error("apertium failed");
            }
            while (!result.empty() && (result.back() == '\n' || result.back() == ' ')) result.pop_back();
            return result;
        };
    };
}

struct Figures {
    double median_ms = 0, p99_ms = 0, throughput = 0;
    int errors = 0;
    std::vector<std::string> translations;
};

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    // Nearest-rank: the smallest value with at least p of the samples at or below it.
    const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
    return v[std::max<std::size_t>(rank, 1) - 1];
}

Figures Measure(const TranslatorFactory& factory, const std::vector<std::string>& sentences, int rounds,
                int warmup) {
    Figures f;
    auto one = factory();
    for (int i = 0; i < warmup; ++i) one(sentences[static_cast<std::size_t>(i) % sentences.size()]);

    // Latency: one client, one request at a time.
    std::vector<double> ms;
    for (const auto& s : sentences) {
        const auto t0 = Clock::now();
        try {
            f.translations.push_back(one(s));
        } catch (const std::exception&) {
            ++f.errors;
            f.translations.emplace_back();
        }
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    f.median_ms = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    f.p99_ms = Percentile(ms, 0.99);

    // Throughput: two clients sharing the work list until every sentence was sent `rounds` times.
    const std::size_t total = sentences.size() * static_cast<std::size_t>(rounds);
    std::atomic<std::size_t> next{0};
    std::atomic<int> errors{0};
    const auto t0 = Clock::now();
    std::vector<std::thread> clients;
    for (int c = 0; c < 2; ++c) {
        clients.emplace_back([&] {
            auto tr = factory();
            for (std::size_t i; (i = next++) < total;) {
                try {
                    tr(sentences[i % sentences.size()]);
                } catch (const std::exception&) {
                    ++errors;
                }
            }
        });
    }
    for (auto& t : clients) t.join();
    const double secs = std::chrono::duration<double>(Clock::now() - t0).count();
    f.throughput = static_cast<double>(total) / secs;
    f.errors += errors;
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    std::string sentences_file;
    int rounds = 1;
    std::vector<std::pair<std::string, std::string>> targets;  // kind, argument
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--sentences" && i + 1 < argc) {
            sentences_file = argv[++i];
        } else if (a == "--rounds" && i + 1 < argc) {
            rounds = std::max(1, std::atoi(argv[++i]));
        } else if (auto eq = a.find('='); eq != std::string::npos) {
            targets.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        } else {
            std::cerr
                << "usage: plv-service-bench --sentences FILE [--rounds N] plv=URL bundled=URL apy=URL spawn=MODE\n";
            return 2;
        }
    }
    std::vector<std::string> sentences;
    std::ifstream in(sentences_file);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) sentences.push_back(line);
    }
    if (sentences.empty() || targets.empty()) {
        std::cerr << "plv-service-bench: no sentences or no targets\n";
        return 2;
    }

    std::printf("%zu sentences; latency: 1 client, sequential; throughput: 2 concurrent clients\n\n",
                sentences.size());
    std::printf("| %-22s | %11s | %11s | %22s | %6s |\n", "server", "median (ms)", "p99 (ms)",
                "throughput (req/s, 2c)", "errors");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(24, '-').c_str(), std::string(13, '-').c_str(),
                std::string(13, '-').c_str(), std::string(24, '-').c_str(), std::string(8, '-').c_str());
    std::fflush(stdout);
    std::map<std::string, std::vector<std::string>> outputs;
    int failures = 0;
    for (const auto& [kind, arg] : targets) {
        TranslatorFactory factory;
        std::string name;
        int warmup = 5;
        int target_rounds = rounds;
        if (kind == "plv") {
            factory = PlvService(arg);
            name = "plv-service";
        } else if (kind == "bundled") {
            factory = PlvService(arg);
            name = "plv-service.exe (Wine)";
        } else if (kind == "apy") {
            factory = ApertiumApy(arg);
            name = "apertium-apy";
        } else if (kind == "spawn") {
            factory = SpawnPerRequest(arg);
            name = "spawn per request";
            warmup = 1;
            target_rounds = 1;  // ~0.3 s a sentence: one pass is plenty
        } else {
            std::cerr << "plv-service-bench: unknown target kind " << kind << "\n";
            return 2;
        }
        const Figures f = Measure(factory, sentences, target_rounds, warmup);
        failures += f.errors;
        outputs[kind] = f.translations;
        std::printf("| %-22s | %11.2f | %11.2f | %22.1f | %6d |\n", name.c_str(), f.median_ms, f.p99_ms,
                    f.throughput, f.errors);
        std::fflush(stdout);
    }
    // The Windows build runs the same engine on the same data: its answers must be the very same.
    if (outputs.count("plv") && outputs.count("bundled")) {
        int same = 0;
        for (std::size_t i = 0; i < sentences.size(); ++i) same += outputs["plv"][i] == outputs["bundled"][i];
        std::printf("\nplv-service vs plv-service.exe under Wine: identical translations for %d of %zu sentences\n",
                    same, sentences.size());
        if (static_cast<std::size_t>(same) != sentences.size()) ++failures;
    }
    // Same engine underneath, so the answers should agree; a difference points at formatting.
    if (outputs.count("plv") && outputs.count("apy")) {
        int same = 0;
        for (std::size_t i = 0; i < sentences.size(); ++i) same += outputs["plv"][i] == outputs["apy"][i];
        // apertium-apy keeps Apertium's unknown-word marks and the blanks of dropped words; we remove
        // both on purpose. Past that, the words should be the same.
        auto plain = [](const std::string& t) {
            std::string out;
            for (char c : t) {
                if (c == '*' || c == '#' || c == '@') continue;
                if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
                out += c;
            }
            while (!out.empty() && out.back() == ' ') out.pop_back();
            return out;
        };
        int same_words = 0;
        int shown = 0;
        std::string examples;
        for (std::size_t i = 0; i < sentences.size(); ++i) {
            if (plain(outputs["plv"][i]) == plain(outputs["apy"][i])) {
                ++same_words;
            } else if (shown++ < 3) {
                examples += "  e.g. " + sentences[i] + "\n    plv: " + outputs["plv"][i] +
                            "\n    apy: " + outputs["apy"][i] + "\n";
            }
        }
        std::printf(
            "\nplv-service vs apertium-apy: identical translations for %d of %zu sentences; %d of %zu\n"
            "once unknown-word marks and doubled blanks (which plv-service removes) are ignored\n%s",
            same, sentences.size(), same_words, sentences.size(), examples.c_str());
    }
    return failures == 0 ? 0 : 1;
}
