#pragma once
// Text capture: reads the system's own selection of the drag where it has one; else makes the
// application in front copy its selection, reads it from the clipboard, and gives the user's
// clipboard back exactly as it was. Also the cache key of a text.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "clipboard/saved_clipboard.h"
#include "platform/platform.h"

namespace plv {

class App;

// The selection of the window, or "" when nothing could be copied. The system's own selection of
// the drag that just ended is taken where there is one, without the clipboard. Else the window is
// made to copy: the user's clipboard is saved first and put back afterwards; when it cannot be
// saved (another program holds it open), nothing is captured and the clipboard is left alone.
std::u16string CaptureSelection(App& app, Hwnd window);

// The clipboard's text as the capture reads it; "" on any failure.
std::u16string GetClipboardText(App& app);

// "k" and the signed decimal checksum of the text's UTF-8 bytes; nothing when the checksum
// library cannot be loaded.
std::optional<std::u16string> GetCacheKey(App& app, const std::u16string& text);

// Saving and restoring the whole clipboard; both retry while another program holds it, every
// 20 ms with messages pumped (a restore as often as it is told). A restore that could open the
// clipboard has done what can be done; one that could not is worth trying again.
enum class RestoreResult { Restored, Incomplete, ClipboardHeld };
// The save empties the clipboard, so that what comes next on it is the copy asked for.
std::optional<SavedClipboard> SaveClipboard(App& app);
RestoreResult RestoreClipboard(App& app, const SavedClipboard& saved, int attempts = 5);

// A user's clipboard that a capture could not give back yet: tried again once, unless the user
// has put something new on the clipboard since (then theirs wins and nothing is owed any more).
void RetryOwedRestore(App& app);

}  // namespace plv
