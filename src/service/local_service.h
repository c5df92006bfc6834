#pragma once
// The translation server that ships with the program ("serviceurl=bundled"): plv-service.exe
// beside the executable, run as a child on a loopback port, and guarded by a random key that only
// the two processes know. The port is the user's own (the same every run, so that the page keeps
// its origin and with it what it stores in the browser: the user's history, the last direction);
// when another program holds it, the service takes any free port instead. Either way only the
// port the child itself reports is used: nothing that listened there first is ever talked to, and
// no other program on the computer can use the service.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plv {

class App;

// "serviceurl=bundled" (blanks around it and letter case do not matter).
bool UsesLocalService(const App& app);
// Makes sure the service runs: starts it when it does not (not more often than once in
// kLocalServiceRestartGapSeconds), and again when it has run that long without telling its port.
// True once its address is known (app.connection.LocalServiceUrl).
bool EnsureLocalService(App& app);
// Reads what the service has said since the last call; true when this call learned its address.
bool PollLocalService(App& app);
// The port of the service's "plv-service: listening on http://127.0.0.1:PORT" line; nothing for
// any other line (another host included: the page must stay on this computer).
std::optional<std::uint16_t> ParseListeningPort(std::string_view line);
// The port the service is asked for first: a hash of the user's profile folder (letter case
// aside) into 49152-65535, the range kept for private use, where no registered service lives.
// Nothing without a folder.
std::optional<std::uint16_t> UserServicePort(std::u16string_view profileFolder);

constexpr double kLocalServiceRestartGapSeconds = 10;

}  // namespace plv
