// The clipboard over the real Windows clipboard.
//
// Most formats are global memory blocks, and their HGLOBAL values cross the seam as they are. A
// few are not, and saving them as memory blocks would lose or corrupt them. So that the program's
// save and restore (src/capture/text_capture.cpp) give the user's clipboard back exactly as it
// was, this backend keeps to three rules:
//
// 1. A format that Windows makes from another format listed before it is left out: while that
//    other format is there, GetClipboardData gives 0 for it. When the format it is made from is
//    put back, Windows makes it again. Windows lists the formats it makes after the ones that
//    were set, so of two related formats the earlier one holds the data:
//      CF_BITMAP, CF_DIB, CF_DIBV5      after another of the three;
//      CF_METAFILEPICT, CF_ENHMETAFILE  after the other;
//      CF_OEMTEXT                       after CF_TEXT or CF_UNICODETEXT;
//      CF_LOCALE                        after a text format, when it holds the input language,
//                                       which is what Windows puts there by itself.
//    CF_TEXT and CF_UNICODETEXT are both given, and the program keeps both byte for byte (one
//    that is only the other converted comes back as Windows made it). CF_PALETTE is always given:
//    Windows makes one only from a DIB with a colour table, and a palette that an application set
//    beside a full-colour DIB would be lost.
// 2. A GDI object that has to be kept crosses the seam as its bits. GetClipboardData returns a
//    block of this backend's own holding them (it stays valid until the clipboard is closed or
//    emptied, and GlobalFree leaves it alone); SetClipboardData with a block of such bits makes
//    the object again, hands it to the clipboard and frees the block.
//      CF_ENHMETAFILE, CF_DSPENHMETAFILE    the metafile's bits (GetEnhMetaFileBits)
//      CF_METAFILEPICT, CF_DSPMETAFILEPICT  mapping mode, x extent, y extent (32 bits each), then
//                                           the metafile's bits (GetMetaFileBitsEx)
//      CF_BITMAP, CF_DSPBITMAP              a packed DIB from GetDIBits (32 bits per pixel, or 1
//                                           for a monochrome bitmap), made into a bitmap of the
//                                           same kind again with SetDIBits
//      CF_PALETTE                           a LOGPALETTE (version, count, entries)
// 3. CF_OWNERDISPLAY (its owner paints it) and the private GDI formats (CF_GDIOBJFIRST to
//    CF_GDIOBJLAST, objects only their owner understands) cannot be copied: GetClipboardData
//    gives 0 for them.

#include "platform/win32/win_api.h"
// (the Windows headers first: they settle the names the seam shares with Windows)

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/win_system.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

HWND AsHwnd(Hwnd h) {
    return FromSeam<HWND>(h);
}

HGLOBAL AsGlobal(MemHandle h) {
    return FromSeam<HGLOBAL>(h);
}

MemHandle FromHandle(HANDLE h) {
    return ToSeam(h);
}

// How a format's data is held.
enum class Kind { Memory, Bitmap, Palette, EnhMetafile, MetafilePict, NotCopyable };

Kind KindOf(UINT format) {
    switch (format) {
        case CF_BITMAP:
        case CF_DSPBITMAP:
            return Kind::Bitmap;
        case CF_PALETTE:
            return Kind::Palette;
        case CF_ENHMETAFILE:
        case CF_DSPENHMETAFILE:
            return Kind::EnhMetafile;
        case CF_METAFILEPICT:
        case CF_DSPMETAFILEPICT:
            return Kind::MetafilePict;
        case CF_OWNERDISPLAY:
            return Kind::NotCopyable;
        default:
            return format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST ? Kind::NotCopyable : Kind::Memory;
    }
}

// The formats another one may be made from (rule 1); empty for formats Windows never makes.
std::vector<UINT> SourcesOf(UINT format) {
    switch (format) {
        case CF_BITMAP:
            return {CF_DIB, CF_DIBV5};
        case CF_DIB:
            return {CF_BITMAP, CF_DIBV5};
        case CF_DIBV5:
            return {CF_BITMAP, CF_DIB};
        case CF_METAFILEPICT:
            return {CF_ENHMETAFILE};
        case CF_ENHMETAFILE:
            return {CF_METAFILEPICT};
        case CF_OEMTEXT:
            return {CF_TEXT, CF_UNICODETEXT};
        case CF_LOCALE:
            return {CF_TEXT, CF_OEMTEXT, CF_UNICODETEXT};
        default:
            return {};
    }
}

// A new moveable block holding the bytes; null when there is no memory.
HGLOBAL NewBlock(const void* bytes, std::size_t size) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr) {
        return nullptr;
    }
    if (size > 0) {
        void* p = ::GlobalLock(block);
        if (p == nullptr) {
            ::GlobalFree(block);
            return nullptr;
        }
        std::memcpy(p, bytes, size);
        ::GlobalUnlock(block);
    }
    return block;
}

std::vector<std::uint8_t> ReadBlock(HGLOBAL block) {
    std::vector<std::uint8_t> bytes;
    SIZE_T size = ::GlobalSize(block);
    if (size == 0) {
        return bytes;
    }
    const void* p = ::GlobalLock(block);
    if (p == nullptr) {
        return bytes;
    }
    bytes.resize(size);
    std::memcpy(bytes.data(), p, size);
    ::GlobalUnlock(block);
    return bytes;
}

// --- GDI objects to bits and back

HGLOBAL EnhMetafileBits(HENHMETAFILE emf) {
    UINT size = ::GetEnhMetaFileBits(emf, 0, nullptr);
    if (size == 0) {
        return nullptr;
    }
    std::vector<BYTE> bits(size);
    if (::GetEnhMetaFileBits(emf, size, bits.data()) != size) {
        return nullptr;
    }
    return NewBlock(bits.data(), bits.size());
}

HANDLE EnhMetafileFromBits(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty() || bytes.size() > UINT_MAX) {
        return nullptr;
    }
    return ::SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
}

constexpr std::size_t kPictHeader = 12;  // mapping mode, x extent, y extent

HGLOBAL MetafilePictBits(HGLOBAL pictBlock) {
    METAFILEPICT pict{};
    if (::GlobalSize(pictBlock) < sizeof pict) {
        return nullptr;
    }
    const void* p = ::GlobalLock(pictBlock);
    if (p == nullptr) {
        return nullptr;
    }
    std::memcpy(&pict, p, sizeof pict);
    ::GlobalUnlock(pictBlock);
    UINT size = ::GetMetaFileBitsEx(pict.hMF, 0, nullptr);
    if (size == 0) {
        return nullptr;
    }
    std::vector<BYTE> bits(kPictHeader + size);
    std::int32_t header[3] = {pict.mm, pict.xExt, pict.yExt};
    std::memcpy(bits.data(), header, kPictHeader);
    if (::GetMetaFileBitsEx(pict.hMF, size, bits.data() + kPictHeader) != size) {
        return nullptr;
    }
    return NewBlock(bits.data(), bits.size());
}

HANDLE MetafilePictFromBits(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() <= kPictHeader || bytes.size() - kPictHeader > UINT_MAX) {
        return nullptr;
    }
    std::int32_t header[3];
    std::memcpy(header, bytes.data(), kPictHeader);
    HMETAFILE wmf =
        ::SetMetaFileBitsEx(static_cast<UINT>(bytes.size() - kPictHeader), bytes.data() + kPictHeader);
    if (wmf == nullptr) {
        return nullptr;
    }
    METAFILEPICT pict{header[0], header[1], header[2], wmf};
    HGLOBAL block = NewBlock(&pict, sizeof pict);
    if (block == nullptr) {
        ::DeleteMetaFile(wmf);
    }
    return block;
}

HGLOBAL PaletteBits(HPALETTE palette) {
    WORD count = 0;
    if (::GetObjectW(palette, sizeof count, &count) == 0) {
        return nullptr;
    }
    std::vector<BYTE> bits(4 + 4 * std::size_t{count});
    const WORD header[2] = {0x300, count};
    std::memcpy(bits.data(), header, 4);
    if (count > 0 &&
        ::GetPaletteEntries(palette, 0, count, reinterpret_cast<PALETTEENTRY*>(bits.data() + 4)) != count) {
        return nullptr;
    }
    return NewBlock(bits.data(), bits.size());
}

HANDLE PaletteFromBits(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 4) {
        return nullptr;
    }
    WORD header[2];
    std::memcpy(header, bytes.data(), 4);
    if (header[1] == 0 || bytes.size() < 4 + 4 * std::size_t{header[1]}) {
        return nullptr;
    }
    // LOGPALETTE is WORD-aligned; the vector's storage is aligned for anything.
    return ::CreatePalette(reinterpret_cast<const LOGPALETTE*>(bytes.data()));
}

// The size of a DIB's header and colour table, and of its pixels; nothing when the header makes no
// sense or the bytes are too few.
struct DibLayout {
    BITMAPINFOHEADER header{};
    std::size_t pixelsAt = 0;
};

std::optional<DibLayout> ParseDib(const std::vector<std::uint8_t>& bytes) {
    DibLayout d;
    if (bytes.size() < sizeof d.header) {
        return std::nullopt;
    }
    std::memcpy(&d.header, bytes.data(), sizeof d.header);
    const BITMAPINFOHEADER& h = d.header;
    const WORD bitCounts[] = {1, 4, 8, 16, 24, 32};
    if (h.biSize < sizeof h || h.biSize > bytes.size() || h.biWidth <= 0 || h.biHeight == 0 ||
        h.biCompression != BI_RGB ||
        std::find(std::begin(bitCounts), std::end(bitCounts), h.biBitCount) == std::end(bitCounts)) {
        return std::nullopt;
    }
    std::size_t colours =
        h.biClrUsed != 0 ? h.biClrUsed : (h.biBitCount <= 8 ? std::size_t{1} << h.biBitCount : 0);
    std::int64_t signedHeight = h.biHeight;
    auto height = static_cast<std::size_t>(signedHeight < 0 ? -signedHeight : signedHeight);
    std::size_t stride = (static_cast<std::size_t>(h.biWidth) * h.biBitCount + 31) / 32 * 4;
    d.pixelsAt = h.biSize + colours * sizeof(RGBQUAD);
    if (colours > 256 || d.pixelsAt > bytes.size() || stride * height > bytes.size() - d.pixelsAt) {
        return std::nullopt;
    }
    return d;
}

HGLOBAL BitmapBits(HBITMAP bitmap) {
    BITMAP bm{};
    if (::GetObjectW(bitmap, sizeof bm, &bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0) {
        return nullptr;
    }
    // A monochrome bitmap stays monochrome; any other is kept in full colour.
    const bool mono = bm.bmPlanes == 1 && bm.bmBitsPixel == 1;
    const WORD bitCount = mono ? 1 : 32;
    const std::size_t colours = mono ? 2 : 0;
    const std::size_t stride = (static_cast<std::size_t>(bm.bmWidth) * bitCount + 31) / 32 * 4;
    const std::size_t pixelsAt = sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
    std::vector<BYTE> bits(pixelsAt + stride * static_cast<std::size_t>(bm.bmHeight));
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    header.biCompression = BI_RGB;
    header.biClrUsed = static_cast<DWORD>(colours);
    std::memcpy(bits.data(), &header, sizeof header);
    HDC screen = ::GetDC(nullptr);
    int lines = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data() + pixelsAt,
                            reinterpret_cast<BITMAPINFO*>(bits.data()), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (lines != bm.bmHeight) {
        return nullptr;
    }
    // GetDIBits fills in the image size; the bytes say it anyway.
    return NewBlock(bits.data(), bits.size());
}

HANDLE BitmapFromBits(const std::vector<std::uint8_t>& bytes) {
    auto dib = ParseDib(bytes);
    if (!dib) {
        return nullptr;
    }
    const BITMAPINFOHEADER& h = dib->header;
    const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = h.biBitCount == 1 ? ::CreateBitmap(h.biWidth, height, 1, 1, nullptr)
                                       : ::CreateCompatibleBitmap(screen, h.biWidth, height);
    int lines = 0;
    if (bitmap != nullptr) {
        lines = ::SetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bytes.data() + dib->pixelsAt,
                            reinterpret_cast<const BITMAPINFO*>(bytes.data()), DIB_RGB_COLORS);
    }
    ::ReleaseDC(nullptr, screen);
    if (lines != height) {
        if (bitmap != nullptr) {
            ::DeleteObject(bitmap);
        }
        return nullptr;
    }
    return bitmap;
}

HGLOBAL BitsOf(Kind kind, HANDLE object) {
    switch (kind) {
        case Kind::Bitmap:
            return BitmapBits(static_cast<HBITMAP>(object));
        case Kind::Palette:
            return PaletteBits(static_cast<HPALETTE>(object));
        case Kind::EnhMetafile:
            return EnhMetafileBits(static_cast<HENHMETAFILE>(object));
        case Kind::MetafilePict:
            return MetafilePictBits(static_cast<HGLOBAL>(object));
        default:
            return nullptr;
    }
}

HANDLE ObjectFromBits(Kind kind, const std::vector<std::uint8_t>& bytes) {
    switch (kind) {
        case Kind::Bitmap:
            return BitmapFromBits(bytes);
        case Kind::Palette:
            return PaletteFromBits(bytes);
        case Kind::EnhMetafile:
            return EnhMetafileFromBits(bytes);
        case Kind::MetafilePict:
            return MetafilePictFromBits(bytes);
        default:
            return nullptr;
    }
}

// Whether a DROPFILES block's list of names (at the offset in its first field, wide names when
// the field at 16 is set) begins with an empty name.
bool ListIsEmpty(const std::vector<std::uint8_t>& drop) {
    constexpr std::size_t kHeader = 20;
    if (drop.size() < kHeader) {
        return false;
    }
    std::uint32_t names = 0;
    std::uint32_t wide = 0;
    std::memcpy(&names, drop.data(), 4);
    std::memcpy(&wide, drop.data() + 16, 4);
    std::size_t unit = wide != 0 ? 2 : 1;
    if (names > drop.size() - unit) {
        return false;
    }
    return drop[names] == 0 && drop[names + unit - 1] == 0;
}

// An object the clipboard did not take goes again.
void DestroyObject(Kind kind, HANDLE object) {
    switch (kind) {
        case Kind::Bitmap:
        case Kind::Palette:
            ::DeleteObject(object);
            break;
        case Kind::EnhMetafile:
            ::DeleteEnhMetaFile(static_cast<HENHMETAFILE>(object));
            break;
        case Kind::MetafilePict: {
            auto* pict = static_cast<METAFILEPICT*>(::GlobalLock(object));
            if (pict != nullptr) {
                ::DeleteMetaFile(pict->hMF);
                ::GlobalUnlock(object);
            }
            ::GlobalFree(object);
            break;
        }
        default:
            break;
    }
}

// Whether a CF_LOCALE block names the input language of the program's thread (its keyboard
// layout), the one Windows gives text that comes without a locale.
bool HoldsInputLanguage(HANDLE locale, HKL layout) {
    std::vector<std::uint8_t> bytes = ReadBlock(static_cast<HGLOBAL>(locale));
    if (bytes.size() < sizeof(LCID)) {
        return false;
    }
    LCID lcid = 0;
    std::memcpy(&lcid, bytes.data(), sizeof lcid);
    auto language = static_cast<LANGID>(reinterpret_cast<std::uintptr_t>(layout) & 0xFFFF);
    return lcid == MAKELCID(language, SORT_DEFAULT);
}

// Rule 1: whether Windows made the format from one listed before it (the clipboard is open).
bool MadeFromEarlier(UINT format, HKL layout) {
    std::vector<UINT> sources = SourcesOf(format);
    if (sources.empty()) {
        return false;
    }
    bool sourceBefore = false;
    for (UINT f = ::EnumClipboardFormats(0); f != 0 && f != format; f = ::EnumClipboardFormats(f)) {
        sourceBefore = sourceBefore || std::find(sources.begin(), sources.end(), f) != sources.end();
    }
    if (!sourceBefore) {
        return false;
    }
    return format != CF_LOCALE || HoldsInputLanguage(::GetClipboardData(CF_LOCALE), layout);
}

// Whether a registered format's name is one of the names (compared as Windows compares them,
// without regard to letter case).
bool NamedAmong(UINT format, const std::vector<std::string>& names) {
    if (format < 0xC000) {
        return false;
    }
    char name[256];
    int n = ::GetClipboardFormatNameA(format, name, sizeof name);
    for (const std::string& wanted : names) {
        if (n > 0 && static_cast<std::size_t>(n) == wanted.size() &&
            ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name, n, wanted.data(), n) == CSTR_EQUAL) {
            return true;
        }
    }
    return false;
}

// One save of the clipboard's content, shared by the program's thread, which waits for it until
// the deadline, and the worker, which may go on waiting for an owner long after; whichever is
// last frees it.
struct SaveJob {
    std::size_t maxBytes = 0;
    std::vector<std::string> skipNames;
    HKL layout = nullptr;  // the program's thread's keyboard layout
    ClipboardContent content;
    HANDLE done = nullptr;  // set once the worker has closed the clipboard
    std::atomic<bool> abandoned{false};

    ~SaveJob() {
        if (done != nullptr) {
            ::CloseHandle(done);
        }
    }
};

// A format's bytes as a save keeps them: a memory block as it is, a GDI object as its bits.
std::optional<std::vector<std::uint8_t>> SavedBytes(UINT format, HANDLE data) {
    Kind kind = KindOf(format);
    if (kind == Kind::Memory) {
        return ReadBlock(static_cast<HGLOBAL>(data));
    }
    HGLOBAL bits = BitsOf(kind, data);
    if (bits == nullptr) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes = ReadBlock(bits);
    ::GlobalFree(bits);
    return bytes;
}

DWORD WINAPI SaveOnWorker(void* p) {
    std::shared_ptr<SaveJob> job(*static_cast<std::shared_ptr<SaveJob>*>(p));
    delete static_cast<std::shared_ptr<SaveJob>*>(p);
    ClipboardContent& content = job->content;
    // No window of ours owns this open: it only reads, and it ends on this thread.
    if (::OpenClipboard(nullptr) == FALSE) {
        ::SetEvent(job->done);
        return 0;
    }
    content.status = ClipboardSave::Saved;
    std::size_t total = 0;
    for (UINT f = ::EnumClipboardFormats(0); f != 0; f = ::EnumClipboardFormats(f)) {
        if (KindOf(f) == Kind::NotCopyable || NamedAmong(f, job->skipNames) ||
            MadeFromEarlier(f, job->layout)) {
            continue;
        }
        // Where an owner renders on request, this is where the worker waits for it.
        HANDLE data = ::GetClipboardData(f);
        if (job->abandoned) {
            break;
        }
        SIZE_T size = data == nullptr ? 0 : ::GlobalSize(data);
        if (KindOf(f) == Kind::Memory && size > job->maxBytes - std::min(total, job->maxBytes)) {
            content.status = ClipboardSave::TooLarge;
            break;
        }
        auto bytes = data == nullptr ? std::nullopt : SavedBytes(f, data);
        if (!bytes) {
            continue;
        }
        total += bytes->size();
        if (total > job->maxBytes) {
            content.status = ClipboardSave::TooLarge;
            break;
        }
        content.formats.emplace_back(f, std::move(*bytes));
    }
    content.sequence = ::GetClipboardSequenceNumber();
    ::CloseClipboard();
    ::SetEvent(job->done);
    return 0;
}

// Waits for the event at most ms, answering the messages other threads send this one meanwhile:
// the clipboard's owner may be a window of this thread (the last to empty it), and the worker's
// GetClipboardData then sends it WM_RENDERFORMAT. Posted messages wait for the message loop.
bool AwaitTakingSentMessages(HANDLE event, DWORD ms) {
    const ULONGLONG deadline = ::GetTickCount64() + ms;
    for (;;) {
        ULONGLONG now = ::GetTickCount64();
        DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        DWORD woke = ::MsgWaitForMultipleObjectsEx(1, &event, left, QS_SENDMESSAGE, 0);
        if (woke == WAIT_OBJECT_0) {
            return true;
        }
        if (woke != WAIT_OBJECT_0 + 1) {
            return false;
        }
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

class WinClipboard : public Clipboard {
  public:
    ~WinClipboard() override { FreeAllBits(); }

    ClipboardContent SaveClipboardContent(std::uint32_t deadlineMs, std::size_t maxBytes,
                                          const std::vector<std::string>& skipNames) override {
        // A worker that is still waiting for an owner still holds the clipboard.
        if (waiting_ && ::WaitForSingleObject(waiting_->done, 0) != WAIT_OBJECT_0) {
            return {};
        }
        waiting_.reset();
        auto job = std::make_shared<SaveJob>();
        job->maxBytes = maxBytes;
        job->skipNames = skipNames;
        job->layout = ::GetKeyboardLayout(0);
        job->done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (job->done == nullptr) {
            return {};
        }
        auto* handOver = new std::shared_ptr<SaveJob>(job);
        HANDLE worker = ::CreateThread(nullptr, 0, &SaveOnWorker, handOver, 0, nullptr);
        if (worker == nullptr) {
            delete handOver;
            return {};
        }
        ::CloseHandle(worker);
        if (!AwaitTakingSentMessages(job->done, deadlineMs)) {
            job->abandoned = true;
            waiting_ = job;
            ClipboardContent late;
            late.status = ClipboardSave::TimedOut;
            return late;
        }
        ClipboardContent content = std::move(job->content);
        if (content.status != ClipboardSave::Saved) {
            content.formats.clear();
        }
        return content;
    }

    bool OpenClipboard(Hwnd owner) override { return ::OpenClipboard(AsHwnd(owner)) != FALSE; }

    bool CloseClipboard() override {
        // The blocks of bits were only valid while the clipboard was open.
        FreeAllBits();
        return ::CloseClipboard() != FALSE;
    }

    bool EmptyClipboard() override {
        FreeAllBits();
        return ::EmptyClipboard() != FALSE;
    }

    int CountClipboardFormats() override { return ::CountClipboardFormats(); }

    std::uint32_t EnumClipboardFormats(std::uint32_t format) override {
        return ::EnumClipboardFormats(format);
    }

    bool IsClipboardFormatAvailable(std::uint32_t format) override {
        return ::IsClipboardFormatAvailable(format) != FALSE;
    }

    MemHandle GetClipboardData(std::uint32_t format) override {
        Kind kind = KindOf(format);
        if (kind == Kind::NotCopyable || MadeFromEarlier(format, ::GetKeyboardLayout(0))) {
            return 0;
        }
        HANDLE data = ::GetClipboardData(format);
        if (data == nullptr || kind == Kind::Memory) {
            return FromHandle(data);
        }
        if (auto it = bits_.find(format); it != bits_.end()) {
            return FromHandle(it->second);
        }
        HGLOBAL bits = BitsOf(kind, data);
        if (bits == nullptr) {
            return 0;
        }
        bits_[format] = bits;
        return FromHandle(bits);
    }

    std::uint32_t GetClipboardSequenceNumber() override { return ::GetClipboardSequenceNumber(); }

    MemHandle SetClipboardData(std::uint32_t format, MemHandle block) override {
        Kind kind = KindOf(format);
        if (kind == Kind::Memory || kind == Kind::NotCopyable || block == 0) {
            HANDLE set = ::SetClipboardData(format, AsGlobal(block));
            if (set != nullptr) {
                FreeBits(format);
            }
            return FromHandle(set);
        }
        HANDLE object = ObjectFromBits(kind, ReadBlock(AsGlobal(block)));
        if (object == nullptr) {
            return 0;
        }
        HANDLE set = ::SetClipboardData(format, object);
        if (set == nullptr) {
            DestroyObject(kind, object);
            return 0;
        }
        // The clipboard holds the object made from the bits; the block was given to the clipboard
        // and is not the caller's any more (it may even have been one of the blocks of bits).
        for (auto it = bits_.begin(); it != bits_.end();) {
            it = FromHandle(it->second) == block ? bits_.erase(it) : std::next(it);
        }
        ::GlobalFree(AsGlobal(block));
        FreeBits(format);
        return FromHandle(set);
    }

    std::uint32_t RegisterClipboardFormat(const std::string& name) override {
        return ::RegisterClipboardFormatA(name.c_str());
    }

    std::optional<std::string> GetClipboardFormatName(std::uint32_t format, std::size_t maxChars) override {
        if (maxChars == 0) {
            return std::nullopt;
        }
        std::string name(std::min<std::size_t>(maxChars, INT_MAX), '\0');
        int n = ::GetClipboardFormatNameA(format, name.data(), static_cast<int>(name.size()));
        if (n <= 0) {
            return std::nullopt;
        }
        name.resize(std::min(static_cast<std::size_t>(n), name.size() - 1));
        return name;
    }

    MemHandle GlobalAlloc(std::uint32_t flags, std::size_t bytes) override {
        return FromHandle(::GlobalAlloc(flags, bytes));
    }

    std::size_t GlobalSize(MemHandle block) override { return ::GlobalSize(AsGlobal(block)); }

    std::vector<std::uint8_t> GlobalRead(MemHandle block) override { return ReadBlock(AsGlobal(block)); }

    bool GlobalWrite(MemHandle block, const std::vector<std::uint8_t>& bytes) override {
        HGLOBAL h = AsGlobal(block);
        std::size_t n = std::min<std::size_t>(bytes.size(), ::GlobalSize(h));
        if (n == 0) {
            return bytes.empty() && ::GlobalFlags(h) != GMEM_INVALID_HANDLE;
        }
        void* p = ::GlobalLock(h);
        if (p == nullptr) {
            return false;
        }
        std::memcpy(p, bytes.data(), n);
        ::GlobalUnlock(h);
        return true;
    }

    void GlobalFree(MemHandle block) override {
        for (const auto& [format, bits] : bits_) {
            if (FromHandle(bits) == block) {
                return;  // the clipboard's view of an object: freed when the clipboard closes
            }
        }
        ::GlobalFree(AsGlobal(block));
    }

    std::uint32_t DragQueryFileCount(MemHandle drop) override {
        // Windows counts the names up to the first empty one, so a list that starts with one holds
        // no file. Wine's shell32 counts that empty name as a file (and reads past a list ended by
        // a single zero), so the empty list is answered here.
        if (ListIsEmpty(ReadBlock(AsGlobal(drop)))) {
            return 0;
        }
        return ::DragQueryFileW(static_cast<HDROP>(AsGlobal(drop)), 0xFFFFFFFF, nullptr, 0);
    }

    std::optional<std::u16string> DragQueryFile(MemHandle drop, std::uint32_t index,
                                                std::size_t maxChars) override {
        if (maxChars == 0) {
            return std::nullopt;
        }
        std::wstring name(std::min<std::size_t>(maxChars, UINT_MAX), L'\0');
        UINT n = ::DragQueryFileW(static_cast<HDROP>(AsGlobal(drop)), index, name.data(),
                                  static_cast<UINT>(name.size()));
        if (n == 0) {
            return std::nullopt;
        }
        name.resize(std::min(static_cast<std::size_t>(n), name.size() - 1));
        return U16(name.c_str(), name.size());
    }

  private:
    void FreeBits(UINT format) {
        if (auto it = bits_.find(format); it != bits_.end()) {
            ::GlobalFree(it->second);
            bits_.erase(it);
        }
    }

    void FreeAllBits() {
        for (const auto& [format, bits] : bits_) {
            ::GlobalFree(bits);
        }
        bits_.clear();
    }

    std::map<UINT, HGLOBAL> bits_;      // rule 2: the bits of objects read since the clipboard opened
    std::shared_ptr<SaveJob> waiting_;  // a save given up on whose worker may still hold the clipboard
};

}  // namespace

std::unique_ptr<Clipboard> MakeClipboard() {
    return std::make_unique<WinClipboard>();
}

}  // namespace plv::win
