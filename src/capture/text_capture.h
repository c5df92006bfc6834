#pragma once
// Text capture: makes the application in front copy its selection, reads it from the clipboard,
// and gives the user's clipboard back exactly as it was. Also the cache key of a text.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace plv {

class App;

// Everything that was on the clipboard: each format's block as it was, in order.
struct SavedClipboard {
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> formats;
};

// The selection of the window, or "" when nothing could be copied. The user's clipboard is
// saved first and put back afterwards; when it cannot be saved (another program holds it open),
// nothing is captured and the clipboard is left alone.
std::u16string CaptureSelection(App& app, Hwnd window);

// The clipboard's text as the capture reads it; "" on any failure.
std::u16string GetClipboardText(App& app);

// "k" and the signed decimal checksum of the text's ANSI bytes; nothing when the checksum
// library cannot be loaded.
std::optional<std::u16string> GetCacheKey(App& app, const std::u16string& text);

// Saving and restoring the whole clipboard; both retry briefly while another program holds it.
std::optional<SavedClipboard> SaveClipboard(App& app, bool emptyAfterSaving);
bool RestoreClipboard(App& app, const SavedClipboard& saved);

// Whether a window class belongs to a console or terminal, where Ctrl+C interrupts the program
// that runs in it instead of copying.
bool IsTerminalWindowClass(const std::u16string& className);

}  // namespace plv
