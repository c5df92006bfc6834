#include "core/window_effects.h"

#include "base/numbers.h"
#include "core/app.h"
#include "core/forms.h"

namespace plv {
void SetTranslucency(App& app, Hwnd window, std::int32_t transparency) {
    if (app.startup.OsVersion < 500) {
        return;
    }
    auto& ui = app.platform.ui;
    std::int32_t alpha = 255 - transparency;
    std::int32_t style = ui.GetWindowLong(window, kGwlExStyle);
    style = alpha < 255 ? (style | kWsExLayered) : (style & ~kWsExLayered);
    ui.SetWindowLong(window, kGwlExStyle, style);
    if (alpha >= 255) {
        return;
    }
    ui.SetLayeredWindowAttributes(window, 0, static_cast<std::uint8_t>(alpha), kLwaAlpha);
}

void FadeWindow(App& app, Form& form, std::int32_t start, std::int32_t end, std::int32_t steps) {
    if (steps <= 0) {
        return;
    }
    double delta = static_cast<double>(end - start) / steps;
    for (std::int32_t i = 1; i <= steps; ++i) {
        SetTranslucency(app, form.hWnd(), RoundHalfEven32(i * delta + start));
        app.platform.ui.Repaint(form.hWnd());
        app.platform.loop.PumpMessages();
        app.platform.loop.Sleep(30);
    }
}

void SetWindowTopmost(App& app, Hwnd window, bool topmost, bool show, std::optional<PointPx> at) {
    RectPx r = app.platform.desktop.GetWindowRect(window).value_or(RectPx{});
    std::int32_t left = at ? at->x : r.left;
    std::int32_t top = at ? at->y : r.top;
    app.platform.ui.SetWindowPos(window, topmost ? kHwndTopmost : kHwndNoTopmost, left, top, r.Width(),
                                 r.Height(), kSwpNoActivate | (show ? kSwpShowWindow : 0));
}

bool IsCursorInRect(App& app, RectPx r) {
    PointPx at = app.platform.desktop.GetCursorPos();
    return r.left < at.x && at.x < r.right && r.top < at.y && at.y < r.bottom;
}

bool IsCursorInWindow(App& app, Hwnd window) {
    // A hidden window keeps its rectangle, but no press lands in it.
    if (window == 0 || !app.platform.ui.IsWindowVisible(window)) {
        return false;
    }
    auto r = app.platform.desktop.GetWindowRect(window);
    return r && IsCursorInRect(app, *r);
}

}  // namespace plv
