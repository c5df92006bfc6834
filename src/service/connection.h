#pragma once
// The connection to the service page: loading it into the main form's browser, deciding when it
// is usable, retrying while it is not, and reading its offer of a newer program version.

#include <string>

namespace plv {

class App;

// serviceurl (or the bundled service's address) + "?dir=" + language, joined as they stand.
std::u16string PageAddress(const App& app);

void ConnectService(App& app);
// Gives tmrLoad and tmrReconnect their handlers.
void WireConnectionTimers(App& app);
// Until the service page tells of a newer version, the latest one known is the program's own.
void TakeOwnVersionAsLatest(App& app);

void tmrLoad_Timer(App& app);
void tmrReconnect_Timer(App& app);
// A click on the tray balloon: the download when the balloon announced a new version.
void OnBalloonClick(App& app);

}  // namespace plv
