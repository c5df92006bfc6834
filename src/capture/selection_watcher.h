#pragma once
// The selection watcher: every 50 ms it follows the application in front, loads its enable flag
// and keeps the tray menu's entry up to date.

#include <cstdint>

#include "platform/platform.h"

namespace plv {

class App;

// Gives tmr1 and tmrOut their handlers.
void WireWatcherTimers(App& app);

void tmr1_Timer(App& app);
// Takes the offered icon away once the pointer is 50 pixels farther from it than at the offer.
void tmrOut_Timer(App& app);

// Whether the button (1 left, 2 right, 3 middle) is down now.
bool IsButtonDown(App& app, std::uint8_t button);

// Whether a stored per-application value means "enabled": a number that is not 0, or the word
// true. Anything else (absent, 0, a word that is no number) means disabled.
bool StoredFlagEnabled(const std::u16string& value);

}  // namespace plv
