#include "clipboard/cls_clipboard.h"

#include <array>

#include "base/text.h"

namespace plv {
namespace {

constexpr std::size_t kFormatNameChars = 255;
constexpr std::size_t kFileNameChars = 260;
constexpr std::uint32_t kDropFilesHeader = 20;

const std::array<const char16_t*, 18> kStandardFormatNames = {
    u"",
    u"Text",
    u"Bitmap Picture",
    u"Meta-File Picture",
    u"Microsoft Symbolic Link (SYLK) data.",
    u"Software Arts' Data Interchange information.",
    u"Tagged Image File Format (TIFF) Picture",
    u"Text (OEM)",
    u"DIB Bitmap Picture",
    u"Colour Palette",
    u"Pen Data",
    u"RIFF Audio data",
    u"Wave File",
    u"Text (Unicode)",
    u"Enhanced Meta-File Picture",
    u"File List",
    u"",
    u"",
};

void AppendU32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

}  // namespace

clsClipBoard::clsClipBoard(Clipboard& clipboard, std::u16string exeBaseName, std::function<Hwnd()> mainWindow)
    : clipboard_(clipboard), exeBaseName_(std::move(exeBaseName)), mainWindow_(std::move(mainWindow)) {}

clsClipBoard::~clsClipBoard() {
    ClipboardClose();
}

void clsClipBoard::CheckOpen() const {
    // An open with no owner window counts as not open: with no owner, writes would fail anyway.
    if (!IsOpen_ || OwnerWindow_ == 0) {
        throw ProgramError(kErrClipboardNotOpen, Utf16ToUtf8(exeBaseName_) + ".cCustomClipboard",
                           "Attempt to access the clipboard when clipboard not Open.");
    }
}

std::int32_t clsClipBoard::AddFormat(const std::u16string& sName) {
    std::uint32_t id = clipboard_.RegisterClipboardFormat(Utf16ToAnsi(sName));
    return id > 0xC000 ? static_cast<std::int32_t>(id) : 0;
}

std::int16_t clsClipBoard::FormatCount() {
    return static_cast<std::int16_t>(clipboard_.CountClipboardFormats());
}

std::int32_t clsClipBoard::GetCurrentFormats(Hwnd hWndOwner, std::int32_t Format) {
    CurrentFormatIds.clear();
    CurrentFormatNames.clear();
    CurrentFormatCount = 0;
    std::int32_t result = 0;
    if (ClipboardOpen(hWndOwner)) {
        bool found = false;
        for (std::uint32_t fmt = clipboard_.EnumClipboardFormats(0); fmt != 0 && !found;
             fmt = clipboard_.EnumClipboardFormats(fmt)) {
            auto id = static_cast<std::int32_t>(fmt);
            if (Format == 0) {
                ++CurrentFormatCount;
                CurrentFormatIds.push_back(id);
                CurrentFormatNames.push_back(FormatName(id));
            } else if (id == Format) {
                found = true;
            }
        }
        result = found ? 1 : CurrentFormatCount;
    }
    ClipboardClose();
    return result;
}

std::int32_t clsClipBoard::GetCurrentFormatID(std::int32_t lIndex) const {
    if (lIndex < 1 || lIndex > CurrentFormatCount) {
        throw SubscriptOutOfRange(Utf16ToUtf8(exeBaseName_));
    }
    return CurrentFormatIds[static_cast<std::size_t>(lIndex - 1)];
}

std::u16string clsClipBoard::GetCurrentFormatName(std::int32_t lIndex) const {
    if (lIndex < 1 || lIndex > CurrentFormatCount) {
        throw SubscriptOutOfRange(Utf16ToUtf8(exeBaseName_));
    }
    return CurrentFormatNames[static_cast<std::size_t>(lIndex - 1)];
}

bool clsClipBoard::HasCurrentFormat(std::int32_t lFormatId) const {
    for (std::int32_t i = 0; i < CurrentFormatCount; ++i) {
        if (CurrentFormatIds[static_cast<std::size_t>(i)] == lFormatId) {
            return true;
        }
    }
    return false;
}

std::u16string clsClipBoard::FormatName(std::int32_t lFormatId) {
    if (lFormatId >= 1 && lFormatId <= 17) {
        return kStandardFormatNames[static_cast<std::size_t>(lFormatId)];
    }
    auto name = clipboard_.GetClipboardFormatName(static_cast<std::uint32_t>(lFormatId), kFormatNameChars);
    return name ? AnsiToUtf16(*name) : u"";
}

std::int32_t clsClipBoard::FormatIDForName(Hwnd hWndOwner, const std::u16string& sFormatName) {
    GetCurrentFormats(hWndOwner, 0);
    for (std::int32_t i = 0; i < CurrentFormatCount; ++i) {
        if (CurrentFormatNames[static_cast<std::size_t>(i)] == sFormatName) {
            return CurrentFormatIds[static_cast<std::size_t>(i)];
        }
    }
    return 0;
}

bool clsClipBoard::IsDataAvailableForFormatName(Hwnd hWndOwner, const std::u16string& sFormatName) {
    std::int32_t id = FormatIDForName(hWndOwner, sFormatName);
    return id > 0 && clipboard_.IsClipboardFormatAvailable(static_cast<std::uint32_t>(id));
}

bool clsClipBoard::IsDataAvailableForFormat(std::int32_t lFormatId) {
    return clipboard_.IsClipboardFormatAvailable(static_cast<std::uint32_t>(lFormatId));
}

bool clsClipBoard::GetBinaryData(std::int32_t lFormatId, std::vector<std::uint8_t>& bData,
                                 std::int32_t* RetHandle) {
    bData.clear();
    MemHandle hMem = GetClipboardMemoryHandle(lFormatId);
    if (hMem == 0) {
        return false;
    }
    // The last two bytes of a block are never returned.
    auto n = static_cast<std::int64_t>(clipboard_.GlobalSize(hMem)) - 2;
    if (RetHandle == nullptr) {
        if (n > 0) {
            std::vector<std::uint8_t> block = clipboard_.GlobalRead(hMem);
            block.resize(std::min(static_cast<std::size_t>(n), block.size()));
            bData = std::move(block);
        }
    } else {
        // In signed arithmetic, so that a block of fewer than two bytes gives a handle a little
        // below its own rather than an unsigned wrap-around; then cut to 32 bits.
        *RetHandle =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(hMem) + n));
    }
    return n > 0;
}

std::int32_t clsClipBoard::GetHandle(Hwnd hWndOwner) {
    std::int32_t value = 0;
    ClipboardOpen(hWndOwner);
    try {
        std::vector<std::uint8_t> scratch;
        GetBinaryData(kCfText, scratch, &value);
    } catch (const ProgramError&) {
        // Not open: the value stays 0.
    }
    ClipboardClose();
    return value;
}

MemHandle clsClipBoard::GetClipboardMemoryHandle(std::int32_t lFormatId) {
    CheckOpen();
    if (!IsDataAvailableForFormat(lFormatId)) {
        return 0;
    }
    return clipboard_.GetClipboardData(static_cast<std::uint32_t>(lFormatId));
}

bool clsClipBoard::SetBinaryData(std::int32_t lFormatId, const std::vector<std::uint8_t>& bData) {
    CheckOpen();
    if (bData.empty()) {
        throw SubscriptOutOfRange(Utf16ToUtf8(exeBaseName_));
    }
    MemHandle hMem = clipboard_.GlobalAlloc(kGmemDdeShare, bData.size());
    if (hMem == 0) {
        return false;
    }
    clipboard_.GlobalWrite(hMem, bData);
    if (clipboard_.SetClipboardData(static_cast<std::uint32_t>(lFormatId), hMem) == 0) {
        // The clipboard did not take the block, so it is still ours to free.
        clipboard_.GlobalFree(hMem);
        return false;
    }
    return true;
}

bool clsClipBoard::SetClipboardMemoryHandle(std::int32_t lFormatId, MemHandle hMem) {
    return clipboard_.SetClipboardData(static_cast<std::uint32_t>(lFormatId), hMem) != 0;
}

std::optional<std::u16string> clsClipBoard::ReadAnsiText() {
    if (!clipboard_.OpenClipboard(0)) {
        return std::nullopt;
    }
    std::u16string text;
    if (MemHandle h = clipboard_.GetClipboardData(kCfText)) {
        std::vector<std::uint8_t> bytes = clipboard_.GlobalRead(h);
        text = AnsiToUtf16(UntilNul(std::string(bytes.begin(), bytes.end())));
    }
    clipboard_.CloseClipboard();
    return text;
}

std::u16string clsClipBoard::GetUniText() {
    ClipboardOpen(mainWindow_ ? mainWindow_() : 0);
    std::vector<std::uint8_t> bytes;
    bool ok = false;
    try {
        ok = GetBinaryData(kCfUnicodeText, bytes);
    } catch (const ProgramError&) {
        ok = false;
    }
    ClipboardClose();
    if (ok) {
        return UntilNul(FromUtf16Le(bytes));
    }
    return ReadAnsiText().value_or(u"");
}

bool clsClipBoard::GetTextData(std::int32_t lFormatId, std::u16string& sTextOut) {
    if (lFormatId == static_cast<std::int32_t>(kCfText) ||
        lFormatId == static_cast<std::int32_t>(kCfUnicodeText)) {
        Hwnd remembered = 0;
        if (IsOpen_) {
            remembered = OwnerWindow_;
            ClipboardClose();
        }
        auto text = ReadAnsiText();
        if (!text) {
            return false;  // the clipboard stays closed
        }
        sTextOut = *text;
        if (remembered != 0) {
            ClipboardOpen(remembered);
        }
        return true;
    }
    std::vector<std::uint8_t> bytes;
    if (!GetBinaryData(lFormatId, bytes)) {
        return false;
    }
    sTextOut = ToHalfWidth(FromUtf16Le(bytes));
    return true;
}

bool clsClipBoard::SetTextData(const std::u16string& sText) {
    if (sText.empty()) {
        return false;
    }
    // The Unicode text alone: Windows makes CF_TEXT and CF_OEMTEXT from it in the user's own code
    // pages when a program asks for them, so a paste into an ANSI program on a Russian or Greek
    // system gives its letters, not question marks.
    return SetBinaryData(kCfUnicodeText, ToUtf16Le(sText, true));
}

bool clsClipBoard::GetFileList(std::vector<std::u16string>& sFiles, std::int32_t& iFileCount) {
    MemHandle hDrop = GetClipboardMemoryHandle(kCfHdrop);
    if (hDrop == 0) {
        return false;
    }
    iFileCount = static_cast<std::int32_t>(clipboard_.DragQueryFileCount(hDrop));
    if (iFileCount <= 0) {
        return false;
    }
    sFiles.assign(static_cast<std::size_t>(iFileCount), u"");
    for (std::int32_t i = 0; i < iFileCount; ++i) {
        auto name = clipboard_.DragQueryFile(hDrop, static_cast<std::uint32_t>(i), kFileNameChars);
        sFiles[static_cast<std::size_t>(i)] = UntilNul(name.value_or(u""));
    }
    return true;
}

bool clsClipBoard::SetFileList(const std::vector<std::u16string>& sFiles) {
    CheckOpen();
    std::u16string joined;
    for (const auto& f : sFiles) {
        joined += f;
        joined += u'\0';
    }
    joined += u'\0';
    std::vector<std::uint8_t> block;
    AppendU32(block, kDropFilesHeader);  // offset of the names
    AppendU32(block, 0);                 // drop point x
    AppendU32(block, 0);                 // drop point y
    AppendU32(block, 0);                 // non-client flag
    AppendU32(block, 0);                 // names are ANSI
    std::string ansi = Utf16ToAnsi(joined);
    block.insert(block.end(), ansi.begin(), ansi.end());
    return SetBinaryData(kCfHdrop, block);
}

void clsClipBoard::ClearClipboard() {
    CheckOpen();
    clipboard_.EmptyClipboard();
}

void clsClipBoard::ClipboardClose() {
    if (IsOpen_) {
        clipboard_.CloseClipboard();
        IsOpen_ = false;
        OwnerWindow_ = 0;
    }
}

bool clsClipBoard::ClipboardOpen(Hwnd hWndOwner) {
    if (clipboard_.OpenClipboard(hWndOwner)) {
        OwnerWindow_ = hWndOwner;
        IsOpen_ = true;
        return true;
    }
    OwnerWindow_ = 0;
    IsOpen_ = false;
    return false;
}

}  // namespace plv
