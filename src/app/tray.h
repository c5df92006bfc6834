#pragma once
// The tray icon's clicks and its menu: what the user asks of the program from the notification
// area.

namespace plv {

class App;

// Gives the main form the handler of its tray icon's notifications.
void WireTray(App& app);

}  // namespace plv
