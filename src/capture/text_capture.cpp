#include "capture/text_capture.h"

#include "app/app.h"
#include "app/frm_main.h"
#include "base/text.h"
#include "clipboard/cls_clipboard.h"

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

Hwnd MainWindow(App& app) {
    return app.frmMain ? app.frmMain->hWnd() : 0;
}

bool OpenWithRetries(App& app) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (app.platform.clipboard.OpenClipboard(MainWindow(app))) {
            return true;
        }
        if (attempt + 1 < kOpenAttempts) {
            app.platform.loop.Sleep(kOpenRetryMs);
            app.platform.loop.PumpMessages();
        }
    }
    return false;
}

std::u16string UnicodeText(const std::vector<std::uint8_t>& b) {
    return UntilNul(FromUtf16Le(b));
}

std::string AnsiText(const std::vector<std::uint8_t>& b) {
    return UntilNul(std::string(b.begin(), b.end()));
}

// Whether ANSI text is what the system makes of the Unicode text. Systems differ on a character
// outside the BMP: one "?" for the pair, or one for each half.
bool IsAnsiOf(const std::u16string& unicode, const std::string& ansi) {
    if (Utf16ToAnsi(unicode) == ansi) {
        return true;
    }
    std::u16string halves = unicode;
    for (char16_t& c : halves) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            c = u'\uFFFD';  // no ANSI character: a "?" each
        }
    }
    return Utf16ToAnsi(halves) == ansi;
}

// When both text formats are there and the later one is just the earlier one converted, the
// later one is what Windows made from the other: leave it out, so that Windows makes it again
// and the clipboard comes back exactly as it was.
void DropSynthesisedText(SavedClipboard& saved) {
    int unicode = -1;
    int ansi = -1;
    for (std::size_t i = 0; i < saved.formats.size(); ++i) {
        if (saved.formats[i].first == kCfUnicodeText) {
            unicode = static_cast<int>(i);
        } else if (saved.formats[i].first == kCfText) {
            ansi = static_cast<int>(i);
        }
    }
    if (unicode < 0 || ansi < 0) {
        return;
    }
    const auto& u = saved.formats[static_cast<std::size_t>(unicode)].second;
    const auto& a = saved.formats[static_cast<std::size_t>(ansi)].second;
    if (unicode < ansi && IsAnsiOf(UnicodeText(u), AnsiText(a))) {
        saved.formats.erase(saved.formats.begin() + ansi);
    } else if (ansi < unicode && AnsiToUtf16(AnsiText(a)) == UnicodeText(u)) {
        saved.formats.erase(saved.formats.begin() + unicode);
    }
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

std::optional<SavedClipboard> SaveClipboard(App& app, bool emptyAfterSaving) {
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
    DropSynthesisedText(saved);
    if (emptyAfterSaving) {
        cb.EmptyClipboard();
    }
    cb.CloseClipboard();
    return saved;
}

bool RestoreClipboard(App& app, const SavedClipboard& saved) {
    auto& cb = app.platform.clipboard;
    if (!OpenWithRetries(app)) {
        return false;
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
    return ok;
}

std::u16string GetClipboardText(App& app) {
    return app.Clipboard().GetUniText();
}

std::u16string CaptureSelection(App& app, Hwnd window) {
    auto& loop = app.platform.loop;
    // What the user had on the clipboard comes back afterwards; if it cannot be saved, copying
    // over it would lose it, so nothing is captured.
    auto saved = SaveClipboard(app, true);
    if (!saved) {
        return {};
    }
    std::u16string text;
    // A window that is hung, or too slow to answer, counts as one that did not copy.
    if (app.platform.desktop.SendCopyMessage(window) == std::optional<std::intptr_t>(0)) {
        text = GetClipboardText(app);
    }
    if (text.empty()) {
        SendChord(app, kVkInsert);
        text = GetClipboardText(app);
    }
    // Ctrl+C in a console or terminal interrupts the program running there; never send it.
    if (text.empty() && !IsTerminalWindowClass(app.platform.desktop.GetClassName(window))) {
        SendChord(app, kVkC);
        text = GetClipboardText(app);
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
    RestoreClipboard(app, *saved);
    return text;
}

std::optional<std::u16string> GetCacheKey(App& app, const std::u16string& text) {
    ChecksumLibrary* hash2 = app.Hash2();
    if (hash2 == nullptr) {
        return std::nullopt;
    }
    std::string ansi = Utf16ToAnsi(text);
    // The length passed is the byte count, which is what the buffer holds (a character outside
    // the BMP is two units of text but one byte).
    std::int32_t v = hash2->CRC32(reinterpret_cast<const std::uint8_t*>(ansi.data()),
                                  static_cast<std::int32_t>(ansi.size()));
    return u"k" + Widen(std::to_string(v));
}

}  // namespace plv
