#include "service/local_service.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/trace.h"
#include "service/connection.h"

namespace plv {
namespace {

constexpr std::size_t kKeyBytes = 16;
// What the service may say before its port line; more than this is not a server of ours.
constexpr std::size_t kMaxPendingOutput = 4096;

std::u16string HexKey(const std::vector<std::uint8_t>& bytes) {
    static const char16_t kDigits[] = u"0123456789abcdef";
    std::u16string key;
    for (std::uint8_t b : bytes) {
        key += kDigits[b >> 4];
        key += kDigits[b & 15];
    }
    return key;
}

// A problem with the service is told once in a balloon; the same one again stays quiet.
void TellProblem(App& app, const std::u16string& problem) {
    if (problem == app.connection.LocalServiceProblem) {
        return;
    }
    app.connection.LocalServiceProblem = problem;
    app.frmMain->ShowBalloon(u"Parlevo cannot use its translation service\r\n" + problem, true, false,
                             u"service");
}

// The direction the user translates in, for the service to start its chain at once rather than at
// the first selection. Only a plain pair of language codes is passed: "auto-es" has no one chain
// to start, and anything else in the setting is the page's to refuse.
std::optional<std::u16string> DirectionToWarm(const App& app) {
    const std::u16string dir = ToLower(TrimBlanks(app.startup.Settings.Get(u"language").value_or(u"")));
    const auto dash = dir.find(u'-');
    auto letters = [](std::u16string_view code) {
        if (code.size() < 2 || code.size() > 3)
            return false;
        for (char16_t ch : code) {
            if (ch < u'a' || ch > u'z')
                return false;
        }
        return true;
    };
    if (dash == std::u16string::npos || !letters(std::u16string_view(dir).substr(0, dash)) ||
        !letters(std::u16string_view(dir).substr(dash + 1))) {
        return std::nullopt;
    }
    return dir;
}

double SecondsSinceStart(App& app) {
    double elapsed = app.platform.loop.SecondsSinceMidnight() - app.connection.LocalServiceStartedAt;
    return elapsed < 0 ? elapsed + 86400 : elapsed;  // across midnight
}

void OnLocalServiceExit(App& app);

// Asks for the user's own port, or with anyPort for whatever port is free.
bool StartLocalService(App& app, bool anyPort) {
    auto& c = app.connection;
    auto& service = app.platform.service;
    c.LocalServiceUrl.clear();
    c.LocalServiceOutput.clear();
    c.LocalServiceStartedAt = app.platform.loop.SecondsSinceMidnight();
    auto bytes = service.RandomBytes(kKeyBytes);
    if (!bytes || bytes->size() != kKeyBytes) {
        TellProblem(app,
                    u"The system's random number generator failed, so the translation service was not "
                    u"started.");
        return false;
    }
    c.LocalServiceKey = HexKey(*bytes);
    // The key goes over the child's standard input: a command line can be read by every program
    // of the user. Port 0 lets the service take a free port; either way it tells the port it
    // listens on, on its output.
    c.LocalServicePort = anyPort ? 0 : UserServicePort(app.platform.env.UserProfileFolder()).value_or(0);
    std::u16string error;
    auto& env = app.platform.env;
    const std::u16string program = env.PathBesideExe(env.ProgramFileName(u"plv-service"));
    // Only the user's direction starts at once: with every language pack installed, starting
    // every chain would keep the first translation waiting for a hundred of them.
    std::vector<std::u16string> args{u"--port", Widen(std::to_string(c.LocalServicePort)),
                                     u"--api-key-stdin"};
    if (auto dir = DirectionToWarm(app)) {
        args.insert(args.end(), {u"--warm", *dir});
    }
    if (!service.Start(
            program, args, Utf16ToUtf8(c.LocalServiceKey) + "\n", [&app] { OnLocalServiceExit(app); },
            &error)) {
        TellProblem(app, error);
        return false;
    }
    return PollLocalService(app);
}

// The service ended by itself: the page it served is gone with it. The next reconnect attempt
// starts it again.
void OnLocalServiceExit(App& app) {
    auto& c = app.connection;
    // Asked for the user's own port, it ended without telling it: another program listens there
    // (the service's log says it could not listen). It starts again at once on any free port;
    // only this run's page then has another origin. What it said before it ended tells whether
    // it ever listened.
    const bool listened = !c.LocalServiceUrl.empty() || PollLocalService(app);
    if (!listened && c.LocalServicePort != 0) {
        Trace(app, "service: its own port is taken; any free one now");
        if (StartLocalService(app, true)) {
            app.platform.browser.Navigate(PageAddress(app));  // it has told its port already
        }
        return;
    }
    c.LocalServiceUrl.clear();
    TellProblem(app, u"The translation service (" + app.platform.env.ProgramFileName(u"plv-service") +
                         u") has ended; Parlevo starts it again at the next reconnect. Its log: " +
                         app.platform.service.LogPath());
    if (c.IsConnected) {
        c.IsConnected = false;
        app.frmMain->SetMenuConnectItem(u"Reconnect", true);
        app.frmMain->UpdateTrayIcon(true, true);
    }
}

}  // namespace

std::optional<std::uint16_t> UserServicePort(std::u16string_view profileFolder) {
    if (profileFolder.empty()) {
        return std::nullopt;
    }
    // FNV-1a over the UTF-16 units: small, and stable across versions of the program. Its 32-bit
    // product is taken in 64 bits and cut back, so that the wrap it relies on is spelt out.
    std::uint64_t hash = 2166136261u;
    for (char16_t unit : ToLower(profileFolder)) {
        hash = ((hash ^ unit) * 16777619u) & 0xffffffffu;
    }
    return static_cast<std::uint16_t>(49152 + hash % 16384);
}

bool UsesLocalService(const App& app) {
    return ToLower(TrimBlanks(app.startup.Settings.Get(u"serviceurl").value_or(u""))) == u"bundled";
}

std::optional<std::uint16_t> ParseListeningPort(std::string_view line) {
    constexpr std::string_view kPrefix = "plv-service: listening on http://127.0.0.1:";
    if (line.substr(0, kPrefix.size()) != kPrefix) {
        return std::nullopt;
    }
    std::string_view digits = line.substr(kPrefix.size());
    while (!digits.empty() && (digits.back() == '\r' || digits.back() == ' ')) {
        digits.remove_suffix(1);
    }
    if (digits.empty() || digits.size() > 5) {
        return std::nullopt;
    }
    std::uint32_t port = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        port = port * 10 + static_cast<std::uint32_t>(ch - '0');
    }
    if (port < 1 || port > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(port);
}

bool PollLocalService(App& app) {
    auto& c = app.connection;
    if (!c.LocalServiceUrl.empty()) {
        return false;
    }
    c.LocalServiceOutput += app.platform.service.ReadOutput();
    std::size_t end;
    while ((end = c.LocalServiceOutput.find('\n')) != std::string::npos) {
        std::string line = c.LocalServiceOutput.substr(0, end);
        c.LocalServiceOutput.erase(0, end + 1);
        if (auto port = ParseListeningPort(line)) {
            c.LocalServiceUrl =
                u"http://127.0.0.1:" + Widen(std::to_string(*port)) + u"/key/" + c.LocalServiceKey + u"/";
            c.LocalServiceOutput.clear();
            c.LocalServiceProblem.clear();
            return true;
        }
    }
    if (c.LocalServiceOutput.size() > kMaxPendingOutput) {
        c.LocalServiceOutput.clear();
    }
    return false;
}

bool EnsureLocalService(App& app) {
    auto& c = app.connection;
    auto& service = app.platform.service;
    if (service.IsRunning()) {
        if (!c.LocalServiceUrl.empty() || PollLocalService(app)) {
            return true;
        }
        if (SecondsSinceStart(app) < kLocalServiceRestartGapSeconds) {
            return false;  // still starting
        }
        // Running for a while without telling its port: not a service we can use.
        service.Stop();
    } else if (c.LocalServiceStartedAt >= 0 && SecondsSinceStart(app) < kLocalServiceRestartGapSeconds) {
        return false;  // one that ends at once is not started again and again
    }
    return StartLocalService(app, false);
}

}  // namespace plv
