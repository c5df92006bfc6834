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

// An element operation failed: when the browser engine is gone (it was killed, its connection
// broke), the page can answer nothing any more, and rather than let every selection wait for the
// time-out while the tray says "connected", the connection drops: grey icon, the not-connected
// note in the popup, and the usual reconnect attempts bring the engine and the page back. True
// when it did.
bool NoticeEngineGone(App& app);

void tmrLoad_Timer(App& app);
void tmrService_Timer(App& app);
void tmrReconnect_Timer(App& app);
// A click on the tray balloon: the download when the balloon announced a new version.
void OnBalloonClick(App& app);

}  // namespace plv
