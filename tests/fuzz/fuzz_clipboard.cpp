// Any blocks on the clipboard, read through the clipboard class: its format list and names, raw
// blocks, both texts and CF_HDROP file lists. The input is a series of records, each a format id
// (16 bits, little-endian), a length (16 bits) and that many bytes (fewer when the input ends).
// Whatever the blocks, nothing may crash, leak or overflow, and a file list read and written back
// reads back the same, as far as the ANSI code page the class writes names in can hold them
// (a list read from wide names keeps letters that code page has not).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "base/text.h"
#include "clipboard/cls_clipboard.h"
#include "platform/sim/sim_desktop.h"
#include "require.h"

namespace {

void Require(bool ok, const char* what) {
    plv::fuzz::Require(ok, "fuzz_clipboard", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plv;
    constexpr Hwnd kOwner = 0x5001;

    sim::SimDesktop sim;
    sim.StartProgram();
    Clipboard& clipboard = sim.platform().clipboard;
    // Registered formats have names of their own: the first is 0xC070.
    clipboard.RegisterClipboardFormat("HTML Format");
    clipboard.RegisterClipboardFormat("Rich Text Format");

    // A clipboard lists each format once and never format 0.
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> blocks;
    std::set<std::uint32_t> seen;
    std::size_t at = 0;
    while (at + 4 <= size) {
        auto format = static_cast<std::uint32_t>(data[at] | data[at + 1] << 8);
        std::size_t length = static_cast<std::size_t>(data[at + 2] | data[at + 3] << 8);
        at += 4;
        length = std::min(length, size - at);
        if (format != 0 && seen.insert(format).second) {
            blocks.emplace_back(format, std::vector<std::uint8_t>(data + at, data + at + length));
        }
        at += length;
    }
    sim.world().ClipboardReplace(kOwner, blocks);

    clsClipBoard cb(clipboard, u"plv", [] { return kOwner; });
    std::int32_t count = cb.GetCurrentFormats(kOwner, 0);
    for (std::int32_t i = 1; i <= count; ++i) {
        cb.GetCurrentFormatID(i);
        cb.GetCurrentFormatName(i);
    }
    cb.IsDataAvailableForFormatName(kOwner, u"HTML Format");
    cb.GetUniText();
    cb.GetHandle(kOwner);

    Require(cb.ClipboardOpen(kOwner), "the clipboard did not open");
    for (const auto& [format, bytes] : blocks) {
        std::vector<std::uint8_t> block;
        cb.GetBinaryData(static_cast<std::int32_t>(format), block);
        std::u16string text;
        cb.GetTextData(static_cast<std::int32_t>(format), text);
    }
    std::vector<std::u16string> files;
    std::int32_t fileCount = 0;
    if (cb.GetFileList(files, fileCount)) {
        Require(cb.SetFileList(files), "a file list read could not be written back");
        std::vector<std::u16string> again;
        std::int32_t againCount = 0;
        for (auto& name : files) {
            name = AnsiToUtf16(Utf16ToAnsi(name));
        }
        Require(cb.GetFileList(again, againCount) && again == files,
                "a file list written back read back changed");
    }
    cb.ClipboardClose();
    return 0;
}
