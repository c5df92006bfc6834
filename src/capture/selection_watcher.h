#pragma once
// The selection watcher: every 50 ms it follows the application in front, loads its enable flag
// and keeps the tray menu's entry up to date.

#include <cstdint>

#include "platform/platform.h"

namespace plv {

class App;

void tmr1_Timer(App& app);

// Whether a stored per-application value means "enabled": a number that is not 0, or the word
// true. Anything else (absent, 0, a word that is no number) means disabled.
bool StoredFlagEnabled(const std::u16string& value);

}  // namespace plv
