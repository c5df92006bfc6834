#include "capture/text_capture.h"

#include "base/text.h"
#include "clipboard/cls_clipboard.h"
#include "core/app.h"
#include "core/frm_main.h"

namespace plv {
namespace {

constexpr std::uint8_t kVkControl = 0x11;
constexpr std::uint8_t kVkInsert = 0x2D;
constexpr std::uint8_t kVkC = 0x43;
// Every keystroke carries this scan code and the extended-key flag.
constexpr std::uint8_t kScanCode = 0x45;
constexpr std::uint32_t kChordSleepMs = 30;
constexpr int kLateCopyPolls = 11;
constexpr std::uint32_t kLateCopyPollMs = 10;
// Another program may hold the clipboard for a moment (a clipboard manager reading it, say).
constexpr int kOpenAttempts = 5;
constexpr std::uint32_t kOpenRetryMs = 20;
// Giving the user's clipboard back is tried for longer: for a second before the capture ends,
// then on the watcher's ticks.
constexpr int kRestoreAttempts = 50;

Hwnd MainWindow(App& app) {
    return app.frmMain ? app.frmMain->hWnd() : 0;
}

bool OpenWithRetries(App& app, int attempts = kOpenAttempts) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (app.platform.clipboard.OpenClipboard(MainWindow(app))) {
            return true;
        }
        if (attempt + 1 < attempts) {
            app.platform.loop.Sleep(kOpenRetryMs);
            app.platform.loop.PumpMessages();
        }
    }
    return false;
}

// The text of a copy just asked for. A clipboard manager reads the clipboard for a moment after
// every change: wait for it to let go rather than take the copy for a failure.
std::u16string ReadCopiedText(App& app) {
    if (!OpenWithRetries(app)) {
        return {};
    }
    app.platform.clipboard.CloseClipboard();
    return GetClipboardText(app);
}

// Ctrl and the key down, a pause with messages pumped, both up, another pause.
void SendChord(App& app, std::uint8_t key) {
    auto& d = app.platform.desktop;
    auto& loop = app.platform.loop;
    d.KeybdEvent(kVkControl, kScanCode, kKeyEventExtendedKey);
    d.KeybdEvent(key, kScanCode, kKeyEventExtendedKey);
    loop.Sleep(kChordSleepMs);
    loop.PumpMessages();
    d.KeybdEvent(key, kScanCode, kKeyEventExtendedKey | kKeyEventKeyUp);
    d.KeybdEvent(kVkControl, kScanCode, kKeyEventExtendedKey | kKeyEventKeyUp);
    loop.Sleep(kChordSleepMs);
    loop.PumpMessages();
}

}  // namespace

bool IsTerminalWindowClass(const std::u16string& className) {
    for (const char16_t* c : {u"ConsoleWindowClass", u"CASCADIA_HOSTING_WINDOW_CLASS", u"mintty", u"PuTTY",
                              u"VirtualConsoleClass"}) {
        if (className == c) {
            return true;
        }
    }
    return false;
}

// Every format the clipboard gives is kept byte for byte, both text formats included: when one
// is only the other converted, putting it back as it was gives the very bytes Windows would make,
// and when an application set them apart (or left bytes after the text's end) nothing is lost.
// What Windows can make again from another format and will not give is left to Windows.
std::optional<SavedClipboard> SaveClipboard(App& app) {
    auto& cb = app.platform.clipboard;
    if (!OpenWithRetries(app)) {
        return std::nullopt;
    }
    SavedClipboard saved;
    for (std::uint32_t f = cb.EnumClipboardFormats(0); f != 0; f = cb.EnumClipboardFormats(f)) {
        if (MemHandle h = cb.GetClipboardData(f)) {
            saved.formats.emplace_back(f, cb.GlobalRead(h));
        }
    }
    cb.EmptyClipboard();
    cb.CloseClipboard();
    return saved;
}

RestoreResult RestoreClipboard(App& app, const SavedClipboard& saved, int attempts) {
    auto& cb = app.platform.clipboard;
    if (!OpenWithRetries(app, attempts)) {
        return RestoreResult::ClipboardHeld;
    }
    cb.EmptyClipboard();
    bool ok = true;
    for (const auto& [format, bytes] : saved.formats) {
        MemHandle h = cb.GlobalAlloc(kGmemMoveable, bytes.size());
        if (h == 0) {
            ok = false;
            continue;
        }
        cb.GlobalWrite(h, bytes);
        if (cb.SetClipboardData(format, h) == 0) {
            cb.GlobalFree(h);
            ok = false;
        }
    }
    cb.CloseClipboard();
    return ok ? RestoreResult::Restored : RestoreResult::Incomplete;
}

std::u16string GetClipboardText(App& app) {
    return app.Clipboard().GetUniText();
}

void RetryOwedRestore(App& app) {
    if (!app.capture.OwedClipboard) {
        return;
    }
    // Whatever the user put on the clipboard since is newer than what is owed, and wins.
    if (app.platform.clipboard.GetClipboardSequenceNumber() != app.capture.OwedClipboard->sequence ||
        RestoreClipboard(app, app.capture.OwedClipboard->saved, 1) != RestoreResult::ClipboardHeld) {
        app.capture.OwedClipboard.reset();
    }
}

std::u16string CaptureSelection(App& app, Hwnd window) {
    auto& loop = app.platform.loop;
    auto& clipboard = app.platform.clipboard;
    // What the user had on the clipboard comes back afterwards; if it cannot be saved, copying
    // over it would lose it, so nothing is captured. While an earlier capture still owes the
    // user's clipboard, the clipboard holds only what that capture copied: the owed content is
    // what comes back after this one.
    bool stillOwed = app.capture.OwedClipboard &&
                     clipboard.GetClipboardSequenceNumber() == app.capture.OwedClipboard->sequence;
    auto saved = SaveClipboard(app);
    if (!saved) {
        return {};
    }
    if (stillOwed && app.capture.OwedClipboard) {
        saved = std::move(app.capture.OwedClipboard->saved);
    }
    app.capture.OwedClipboard.reset();
    std::u16string text;
    // A window that is hung, or too slow to answer, counts as one that did not copy.
    if (app.platform.desktop.SendCopyMessage(window) == std::optional<std::intptr_t>(0)) {
        text = ReadCopiedText(app);
    }
    if (text.empty()) {
        SendChord(app, kVkInsert);
        text = ReadCopiedText(app);
    }
    // Ctrl+C in a console or terminal interrupts the program running there; never send it.
    if (text.empty() && !IsTerminalWindowClass(app.platform.desktop.GetClassName(window))) {
        SendChord(app, kVkC);
        text = ReadCopiedText(app);
    }
    if (text.empty()) {
        // A copy that arrives only now is too late to be trusted as this selection: wait for it
        // so that it does not land on the restored clipboard, but do not use it.
        for (int poll = 0; poll < kLateCopyPolls; ++poll) {
            loop.Sleep(kLateCopyPollMs);
            loop.PumpMessages();
            if (!GetClipboardText(app).empty()) {
                break;
            }
        }
    }
    // A clipboard manager that read the copy may still hold the clipboard: keep trying for a
    // second, then leave it to the watcher's ticks; the user's clipboard is never dropped.
    if (RestoreClipboard(app, *saved, kRestoreAttempts) == RestoreResult::ClipboardHeld) {
        app.capture.OwedClipboard =
            OwedClipboardContent{std::move(*saved), clipboard.GetClipboardSequenceNumber()};
    }
    return text;
}

std::optional<std::u16string> GetCacheKey(App& app, const std::u16string& text) {
    ChecksumLibrary* hash2 = app.Hash2();
    if (hash2 == nullptr) {
        return std::nullopt;
    }
    // The checksum of the UTF-8 bytes: every text keeps its own characters (the ANSI form would
    // make every Cyrillic or Chinese text of one length the same row of '?').
    std::string utf8 = Utf16ToUtf8(text);
    std::int32_t v = hash2->CRC32(reinterpret_cast<const std::uint8_t*>(utf8.data()),
                                  static_cast<std::int32_t>(utf8.size()));
    return u"k" + Widen(std::to_string(v));
}

}  // namespace plv
