#pragma once
// Window effects: translucency, fading and topmost placement without activation, and whether the
// pointer is over a window.

#include <cstdint>
#include <optional>

#include "platform/platform.h"

namespace plv {

// A transparency (0 opaque to 255) at which a window shows nothing.
constexpr std::int32_t kFullyTransparent = 255;

class App;
class Form;

// Transparency 0 is opaque, 255 fully transparent; the window's alpha is 255 - transparency.
// Layered windows need Windows 2000 (5.0); before that windows stay opaque.
void SetTranslucency(App& app, Hwnd window, std::int32_t transparency);

// Steps the form's transparency from start to end in steps, 30 ms apart, letting other events
// run after each step. The window stays shown; the caller hides it.
void FadeWindow(App& app, Form& form, std::int32_t start, std::int32_t end, std::int32_t steps);

// Puts the window above all others (or out of that layer), moves it to a point when one is given
// (0 is a real coordinate, as are negative ones left of or above the primary monitor) and shows
// it, never activating it.
void SetWindowTopmost(App& app, Hwnd window, bool topmost, bool show,
                      std::optional<PointPx> at = std::nullopt);

// Whether the pointer lies strictly inside the rectangle / the window's rectangle (shown or not).
bool IsCursorInRect(App& app, RectPx r);
bool IsCursorInWindow(App& app, Hwnd window);

}  // namespace plv
