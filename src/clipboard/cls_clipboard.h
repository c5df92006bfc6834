#pragma once
// The program's only direct access to the clipboard: opening and closing it for an owner window,
// the formats present and their names, raw blocks of any format, text in its two formats, and
// file lists. Members that need the clipboard open throw the class's ProgramError when it is not.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "platform/platform.h"

namespace plv {

// The class's error: "Attempt to access the clipboard when clipboard not Open."
constexpr std::int32_t kErrClipboardNotOpen = static_cast<std::int32_t>(0x80040622u);

class clsClipBoard {
  public:
    // exeBaseName: the running executable's name without extension, the error's source prefix.
    // mainWindow: the window of the first form the program loaded, which GetUniText opens with.
    clsClipBoard(Clipboard& clipboard, std::u16string exeBaseName, std::function<Hwnd()> mainWindow);
    ~clsClipBoard();
    clsClipBoard(const clsClipBoard&) = delete;
    clsClipBoard& operator=(const clsClipBoard&) = delete;

    // 1. Registers a format by name; its id when above 0xC000, else 0.
    std::int32_t AddFormat(const std::u16string& sName);
    // 2. The number of formats on the clipboard.
    std::int16_t FormatCount();
    // 3. Format 0: fills the format arrays in enumeration order and returns their count; any other
    // format: 1 when it is present, else 0, leaving the arrays empty. Opens and closes itself.
    std::int32_t GetCurrentFormats(Hwnd hWndOwner, std::int32_t Format);
    // 4, 5. Entry lIndex (1-based) of the arrays; outside them, the subscript error (number 9).
    std::int32_t GetCurrentFormatID(std::int32_t lIndex) const;
    std::u16string GetCurrentFormatName(std::int32_t lIndex) const;
    // 6. Whether the last enumeration found the format (the clipboard is not asked).
    bool HasCurrentFormat(std::int32_t lFormatId) const;
    // 7. The name of a standard format, or the registered name; "" when there is none.
    std::u16string FormatName(std::int32_t lFormatId);
    // 8. The id of the first enumerated format with exactly this name, or 0.
    std::int32_t FormatIDForName(Hwnd hWndOwner, const std::u16string& sFormatName);
    // 9.
    bool IsDataAvailableForFormatName(Hwnd hWndOwner, const std::u16string& sFormatName);
    // 10.
    bool IsDataAvailableForFormat(std::int32_t lFormatId);
    // 11. The block's bytes less its last two; true when that leaves any. With RetHandle, nothing
    // is copied and RetHandle gets the block's handle plus that count. Needs the clipboard open.
    bool GetBinaryData(std::int32_t lFormatId, std::vector<std::uint8_t>& bData,
                       std::int32_t* RetHandle = nullptr);
    // 12. Opens, GetBinaryData(1) with a handle, closes; failures ignored.
    std::int32_t GetHandle(Hwnd hWndOwner);
    // 13. Needs the clipboard open.
    MemHandle GetClipboardMemoryHandle(std::int32_t lFormatId);
    // 14. Copies the bytes into a new block and puts it on the clipboard. Needs the clipboard
    // open; an empty array is the subscript error.
    bool SetBinaryData(std::int32_t lFormatId, const std::vector<std::uint8_t>& bData);
    // 15. No open check: the caller holds the clipboard open.
    bool SetClipboardMemoryHandle(std::int32_t lFormatId, MemHandle hMem);
    // 16. The Unicode text, else the ANSI text, else "". Opens and closes itself; never fails.
    std::u16string GetUniText();
    // 17. Ids 1 and 13 give the ANSI text (closing and reopening around the read); other ids the
    // block read as UTF-16 with full-width forms made half-width (needs the clipboard open).
    bool GetTextData(std::int32_t lFormatId, std::u16string& sTextOut);
    // 18. Writes the text as CF_UNICODETEXT, then as CF_TEXT; the CF_TEXT write's result.
    bool SetTextData(const std::u16string& sText);
    // 19, 20. File lists (CF_HDROP, ANSI names). Need the clipboard open.
    bool GetFileList(std::vector<std::u16string>& sFiles, std::int32_t& iFileCount);
    bool SetFileList(const std::vector<std::u16string>& sFiles);
    // 21. Needs the clipboard open.
    void ClearClipboard();
    // 22. Closes when this object holds the clipboard open.
    void ClipboardClose();
    // 23. Opens for the owner; true on success. Does not look at the state before.
    bool ClipboardOpen(Hwnd hWndOwner);

    bool IsOpen() const { return IsOpen_; }
    Hwnd OwnerWindow() const { return OwnerWindow_; }

  private:
    void CheckOpen() const;
    // The clipboard's CF_TEXT as Unicode through an open of its own with no owner; nothing when
    // the clipboard cannot be opened.
    std::optional<std::u16string> ReadAnsiText();

    Clipboard& clipboard_;
    std::u16string exeBaseName_;
    std::function<Hwnd()> mainWindow_;

    std::vector<std::int32_t> CurrentFormatIds;
    std::vector<std::u16string> CurrentFormatNames;
    std::int32_t CurrentFormatCount = 0;
    bool IsOpen_ = false;
    Hwnd OwnerWindow_ = 0;
};

}  // namespace plv
