#pragma once
// Start-up: what runs once when the process starts, before the message loop.

#include <string>

namespace plv {

class App;

// Checks the settings, creates the forms, wires each module's timers and connects.
void Main(App& app);
// Reads the settings file beside the executable into the settings; false when it cannot be read.
bool LoadSettings(App& app);
std::u16string SettingsFilePath(const App& app);
void DetectOsVersion(App& app);
bool AreMouseButtonsSwapped(App& app);

}  // namespace plv
