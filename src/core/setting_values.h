#pragma once
// Reading settings as the program's procedures use them. Most keys have effects of their own
// when they are missing; the few that would otherwise stop translating altogether fall back to
// the value the program ships with, and the user is told once, in a tray balloon.

#include <cstdint>
#include <optional>
#include <string>

namespace plv {

class App;

// The value as written, nothing when the key is missing.
std::optional<std::u16string> SettingText(const App& app, const std::u16string& key);
// The value as a number, nothing when missing or not a number.
std::optional<double> SettingNumber(const App& app, const std::u16string& key);

// The value the program ships with for a key, "" for a key without one.
std::u16string ShippedDefault(const std::u16string& key);

// maxtranslen, FontSize, transwidth, SmoothGlide and timeoutstr: a missing or unusable value
// gives the shipped default, and the first time for each key a balloon names the key and value.
std::int32_t MaxTransLen(App& app);
double FontSize(App& app);
std::int32_t TransWidth(App& app);
std::int32_t SmoothGlide(App& app);
std::u16string TimeoutText(App& app);

// Transparency clamped to 0..255; nothing when missing or not a number.
std::optional<std::int32_t> Transparency(const App& app);

}  // namespace plv
