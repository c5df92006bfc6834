#pragma once
// The translation server that ships with the program ("serviceurl=bundled"): plv-service.exe
// beside the executable, run as a child on a loopback port it chooses itself, and guarded by a
// random key that only the two processes know. Nothing else can be listening there first, and no
// other program on the computer can use it.

#include <cstdint>
#include <optional>
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

constexpr double kLocalServiceRestartGapSeconds = 10;

}  // namespace plv
