#pragma once
// The connection to the service page: loading it into the main form's browser, deciding when it
// is usable, retrying while it is not, and reading its offer of a newer program version.

#include <string>

namespace plv {

class App;

// serviceurl + "?dir=" + language, joined as they stand.
std::u16string PageAddress(const App& app);

void ConnectService(App& app);
void tmrLoad_Timer(App& app);
void tmrReconnect_Timer(App& app);
// A click on the tray balloon: the download when the balloon announced a new version.
void OnBalloonClick(App& app);
// Hides the popups and opens the offered download address.
void OpenDownloadLink(App& app);

}  // namespace plv
