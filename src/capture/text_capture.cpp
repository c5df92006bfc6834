#include "capture/text_capture.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/text.h"
#include "capture/cls_proccess.h"
#include "clipboard/cls_clipboard.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "core/trace.h"

namespace plv {
namespace {

constexpr std::uint8_t kVkControl = 0x11;
constexpr std::uint8_t kVkInsert = 0x2D;
constexpr std::uint8_t kVkC = 0x43;
// Keys the user may still hold from the drag (Alt+drag selects a column in many editors): with
// any of them down, Ctrl+C would arrive as Ctrl+Alt+C (AltGr+C, a character typed over the
// selection on Polish and similar layouts) or Ctrl+Shift+C (a browser's inspector).
constexpr int kHeldKeys[] = {0x10, 0x11, 0x12, 0x5B, 0x5C};  // Shift, Ctrl, Alt, the Windows keys
constexpr int kHeldKeyPolls = 30;
constexpr std::uint32_t kHeldKeyPollMs = 10;
constexpr std::uint32_t kChordSleepMs = 30;
constexpr int kLateCopyPolls = 11;
constexpr std::uint32_t kLateCopyPollMs = 10;
// Another program may hold the clipboard for a moment (a clipboard manager reading it, say).
constexpr int kOpenAttempts = 5;
constexpr std::uint32_t kOpenRetryMs = 20;
// Giving the user's clipboard back is tried for longer: for a second before the capture ends,
// then on the watcher's ticks.
constexpr int kRestoreAttempts = 50;
// Reading the user's clipboard can make its owner render every format it only offered (a remote
// desktop or virtual machine client fetches each over the network, a spreadsheet draws dozens):
// the program does not wait longer than this for it, nor keep more than this.
constexpr std::uint32_t kSaveDeadlineMs = 400;
constexpr std::size_t kSaveMaxBytes = std::size_t{64} << 20;
// OLE's own formats point at the copying program's objects; given back after those are gone they
// would make a paste fail rather than fall back on the plain formats.
const std::vector<std::string> kOlePrivateFormats = {"DataObject", "Ole Private Data"};

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

// Waits a few hundred milliseconds at most for the user to let go of every modifier key; false
// when one is still down then.
bool HeldKeysReleased(App& app) {
    for (int poll = 0;; ++poll) {
        bool held = false;
        for (int vk : kHeldKeys) {
            held = held || (app.platform.desktop.GetAsyncKeyState(vk) & 0x8000) != 0;
        }
        if (!held) {
            return true;
        }
        if (poll == kHeldKeyPolls) {
            return false;
        }
        app.platform.loop.Sleep(kHeldKeyPollMs);
        app.platform.loop.PumpMessages();
    }
}

// Ctrl and the key down, a pause with messages pumped, both up, another pause. Each keystroke
// carries its own scan code (remote-desktop and virtual machine clients pass those on); Insert is
// the extended key of the arrow block, not the one on the number pad.
void SendChord(App& app, std::uint8_t key) {
    auto& d = app.platform.desktop;
    auto& loop = app.platform.loop;
    auto ctrlScan = static_cast<std::uint8_t>(d.ScanCodeOf(kVkControl));
    auto keyScan = static_cast<std::uint8_t>(d.ScanCodeOf(key));
    std::uint32_t keyFlags = key == kVkInsert ? kKeyEventExtendedKey : 0;
    d.KeybdEvent(kVkControl, ctrlScan, 0);
    d.KeybdEvent(key, keyScan, keyFlags);
    loop.Sleep(kChordSleepMs);
    loop.PumpMessages();
    d.KeybdEvent(key, keyScan, keyFlags | kKeyEventKeyUp);
    d.KeybdEvent(kVkControl, ctrlScan, kKeyEventKeyUp);
    loop.Sleep(kChordSleepMs);
    loop.PumpMessages();
}

// A console or terminal, where Ctrl+C interrupts the program running in it instead of copying:
// the system knows them by their window class or their executable.
bool IsTerminalWindow(App& app, Hwnd window) {
    if (!app.capture.ProcessObject) {
        app.capture.ProcessObject = MakeOwned<clsProccess>(app.platform.processes);
    }
    std::u16string path;
    std::u16string exe = app.capture.ProcessObject->GetExeByHwnd(app.platform.desktop, window, path);
    return app.platform.shell.IsTerminal(exe, app.platform.desktop.GetClassName(window));
}

}  // namespace

// Every format the clipboard gives is kept byte for byte, both text formats included: when one
// is only the other converted, putting it back as it was gives the very bytes Windows would make,
// and when an application set them apart (or left bytes after the text's end) nothing is lost.
// What Windows can make again from another format and will not give is left to Windows.
// The content is read on the backend's worker, which keeps the program's own thread out of an
// owner's rendering; what was read is then emptied by an open of the program's own, unless the
// clipboard changed in between. A save that took too long or would hold too much leaves the
// clipboard exactly as it was, and nothing is captured.
std::optional<SavedClipboard> SaveClipboard(App& app) {
    auto& cb = app.platform.clipboard;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) {
            app.platform.loop.Sleep(kOpenRetryMs);
            app.platform.loop.PumpMessages();
        }
        ClipboardContent content =
            cb.SaveClipboardContent(kSaveDeadlineMs, kSaveMaxBytes, kOlePrivateFormats);
        if (content.status == ClipboardSave::TimedOut || content.status == ClipboardSave::TooLarge) {
            Trace(app, content.status == ClipboardSave::TimedOut
                           ? "capture: the clipboard's owner did not render its content in time"
                           : "capture: the clipboard holds too much to be kept");
            return std::nullopt;
        }
        if (content.status != ClipboardSave::Saved || !cb.OpenClipboard(MainWindow(app))) {
            continue;
        }
        if (cb.GetClipboardSequenceNumber() != content.sequence) {
            cb.CloseClipboard();
            continue;
        }
        cb.EmptyClipboard();
        cb.CloseClipboard();
        return SavedClipboard{std::move(content.formats)};
    }
    return std::nullopt;
}

RestoreResult RestoreClipboard(App& app, const SavedClipboard& saved, int attempts) {
    auto& cb = app.platform.clipboard;
    if (!OpenWithRetries(app, attempts)) {
        return RestoreResult::ClipboardHeld;
    }
    cb.EmptyClipboard();
    bool ok = true;
    // Clipboard history and the cloud clipboard have this content already, from when the user
    // copied it: marked, it is not recorded a second time.
    auto formats = saved.formats;
    std::uint32_t exclude = cb.RegisterClipboardFormat("ExcludeClipboardContentFromMonitorProcessing");
    if (!formats.empty() && exclude != 0 &&
        std::none_of(formats.begin(), formats.end(), [&](const auto& f) { return f.first == exclude; })) {
        formats.emplace_back(exclude, std::vector<std::uint8_t>{0, 0, 0, 0});
    }
    for (const auto& [format, bytes] : formats) {
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
    // Where the system keeps a selection of its own and this drag made it, that is the text: the
    // application is asked nothing and the user's clipboard is not even opened.
    if (auto selected = app.platform.desktop.DragSelectionText(); selected && !selected->empty()) {
        Trace(app, "capture: the drag's own selection read; the clipboard untouched");
        return *selected;
    }
    Trace(app, "capture: no selection of the drag's own; copying through the clipboard");
    // Windows drops what the program sends an elevated window, copy message and keys alike:
    // emptying and rewriting the user's clipboard for it would be for nothing.
    if (app.platform.desktop.IsWindowAboveOwnIntegrity(window)) {
        return {};
    }
    // What the user had on the clipboard comes back afterwards; if it cannot be saved, copying
    // over it would lose it, so nothing is captured. While an earlier capture still owes the
    // user's clipboard, the clipboard holds only what that capture copied: the owed content is
    // what comes back after this one.
    bool stillOwed = app.capture.OwedClipboard &&
                     clipboard.GetClipboardSequenceNumber() == app.capture.OwedClipboard->sequence;
    auto saved = SaveClipboard(app);
    if (!saved) {
        Trace(app, "capture: the clipboard could not be saved");
        return {};
    }
    if (Tracing(app)) {
        Trace(app, "capture: clipboard saved, " + std::to_string(saved->formats.size()) + " formats");
    }
    if (stillOwed && app.capture.OwedClipboard) {
        saved = std::move(app.capture.OwedClipboard->saved);
    }
    app.capture.OwedClipboard.reset();
    std::u16string text;
    // A window that is hung, or too slow to answer, counts as one that did not copy.
    if (app.platform.desktop.SendCopyMessage(window) == std::optional<std::intptr_t>(0)) {
        Trace(app, "capture: copy message answered");
        text = ReadCopiedText(app);
        Trace(app, "capture: copied text read");
    }
    // Keystrokes only once the user's modifier keys are up; else none at all.
    bool keysSent = text.empty() && HeldKeysReleased(app);
    if (keysSent) {
        SendChord(app, kVkInsert);
        text = ReadCopiedText(app);
        Trace(app, "capture: Ctrl+Insert sent and the clipboard read");
    }
    // Ctrl+C in a console or terminal interrupts the program running there; never send it.
    if (keysSent && text.empty() && !IsTerminalWindow(app, window)) {
        SendChord(app, kVkC);
        text = ReadCopiedText(app);
        Trace(app, "capture: Ctrl+C sent and the clipboard read");
    }
    if (text.empty() && keysSent) {
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
    Trace(app, app.capture.OwedClipboard ? "capture: the clipboard is still held; owed"
                                         : "capture: clipboard given back");
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
