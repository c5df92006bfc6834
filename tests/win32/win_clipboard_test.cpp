// The user's clipboard through the program's own save and restore (SaveClipboard and
// RestoreClipboard of the text capture) on the real clipboard: whatever another application put
// there, text, Unicode text, a registered format, a DIB, an enhanced metafile, a bitmap, a palette
// or an old metafile, comes back with the same formats in the same order, each with the same bytes
// or the same picture, and with what Windows makes from them offered again.
//
// The clipboard is read here with the plain Windows calls, not through the backend, so that the
// backend's handling of pictures is checked against the pictures themselves.

#include "win_test_support.h"
// (the backend's Windows headers first)

#include <gtest/gtest.h>
#include <algorithm>

#include <cstring>
#include <memory>
#include <vector>

#include "capture/text_capture.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "platform/win32/win_backend.h"

namespace plv {
namespace {

using wintest::TestWindow;

// --- what another application puts on the clipboard

HGLOBAL Block(const void* bytes, std::size_t size) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(h), bytes, size);
    GlobalUnlock(h);
    return h;
}

HGLOBAL AnsiText(const char* text) {
    return Block(text, std::strlen(text) + 1);
}

HGLOBAL UnicodeText(const wchar_t* text) {
    return Block(text, (std::wcslen(text) + 1) * sizeof(wchar_t));
}

// A DIB of 3 x 2 pixels, each of its own colour.
HGLOBAL Dib() {
    struct {
        BITMAPINFOHEADER header;
        DWORD pixels[6];
    } dib{};
    dib.header.biSize = sizeof dib.header;
    dib.header.biWidth = 3;
    dib.header.biHeight = 2;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 32;
    dib.header.biCompression = BI_RGB;
    const DWORD pixels[6] = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xABCDEF, 0x000001};
    std::memcpy(dib.pixels, pixels, sizeof pixels);
    return Block(&dib, sizeof dib);
}

HENHMETAFILE Emf() {
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, L"plv test\0picture\0");
    Rectangle(dc, 1, 2, 40, 30);
    Ellipse(dc, 5, 5, 25, 20);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 50, 35);
    return CloseEnhMetaFile(dc);
}

HBITMAP Bitmap() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 5, 3);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int x = 0; x < 5; ++x) {
        for (int y = 0; y < 3; ++y) {
            SetPixel(dc, x, y, RGB(x * 50, y * 80, 200 - x * 10));
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

HPALETTE Palette() {
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[3];
    } palette{0x300, 3, {{10, 20, 30, 0}, {200, 100, 0, 0}, {1, 2, 3, 0}}};
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&palette));
}

HGLOBAL MetafilePict() {
    HDC dc = CreateMetaFileW(nullptr);
    Rectangle(dc, 0, 0, 100, 50);
    Ellipse(dc, 10, 10, 60, 40);
    METAFILEPICT pict{MM_ANISOTROPIC, 2000, 1000, CloseMetaFile(dc)};
    return Block(&pict, sizeof pict);
}

bool OpenWithRetries(HWND owner) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

void PutRaw(HWND owner, const std::vector<std::pair<UINT, HANDLE>>& formats) {
    ASSERT_TRUE(OpenWithRetries(owner));
    EmptyClipboard();
    for (const auto& [format, data] : formats) {
        EXPECT_NE(SetClipboardData(format, data), nullptr) << format;
    }
    CloseClipboard();
}

// --- the clipboard as a reader sees it: each format's bytes, or the picture's bits

std::vector<BYTE> GlobalBytes(HANDLE h) {
    std::vector<BYTE> bytes(GlobalSize(h));
    if (!bytes.empty()) {
        std::memcpy(bytes.data(), GlobalLock(h), bytes.size());
        GlobalUnlock(h);
    }
    return bytes;
}

std::vector<BYTE> Pixels(HBITMAP bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::vector<BYTE> bits(sizeof(LONG) * 2 + 4 * static_cast<std::size_t>(bm.bmWidth * bm.bmHeight));
    std::memcpy(bits.data(), &bm.bmWidth, sizeof(LONG));
    std::memcpy(bits.data() + sizeof(LONG), &bm.bmHeight, sizeof(LONG));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data() + 2 * sizeof(LONG),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bits;
}

std::vector<BYTE> Contents(UINT format, HANDLE h) {
    if (h == nullptr) {
        return {};
    }
    switch (format) {
        case CF_BITMAP:
            return Pixels(static_cast<HBITMAP>(h));
        case CF_PALETTE: {
            std::vector<BYTE> entries(4 * 256);
            UINT n = GetPaletteEntries(static_cast<HPALETTE>(h), 0, 256,
                                       reinterpret_cast<PALETTEENTRY*>(entries.data()));
            entries.resize(4 * n);
            return entries;
        }
        case CF_ENHMETAFILE: {
            std::vector<BYTE> bits(GetEnhMetaFileBits(static_cast<HENHMETAFILE>(h), 0, nullptr));
            GetEnhMetaFileBits(static_cast<HENHMETAFILE>(h), static_cast<UINT>(bits.size()), bits.data());
            return bits;
        }
        case CF_METAFILEPICT: {
            METAFILEPICT pict{};
            std::memcpy(&pict, GlobalLock(h), sizeof pict);
            GlobalUnlock(h);
            std::vector<BYTE> bits(12 + GetMetaFileBitsEx(pict.hMF, 0, nullptr));
            std::memcpy(bits.data(), &pict.mm, 4);
            std::memcpy(bits.data() + 4, &pict.xExt, 4);
            std::memcpy(bits.data() + 8, &pict.yExt, 4);
            GetMetaFileBitsEx(pict.hMF, static_cast<UINT>(bits.size() - 12), bits.data() + 12);
            return bits;
        }
        default:
            return GlobalBytes(h);
    }
}

struct Entry {
    UINT format = 0;
    std::vector<BYTE> contents;
};

std::vector<Entry> Read(HWND reader) {
    std::vector<Entry> entries;
    EXPECT_TRUE(OpenWithRetries(reader));
    for (UINT f = EnumClipboardFormats(0); f != 0; f = EnumClipboardFormats(f)) {
        entries.push_back({f, Contents(f, GetClipboardData(f))});
    }
    CloseClipboard();
    return entries;
}

std::vector<UINT> Formats(const std::vector<Entry>& entries) {
    std::vector<UINT> formats;
    for (const auto& e : entries) {
        formats.push_back(e.format);
    }
    return formats;
}

class ClipboardRoundTrip : public ::testing::Test {
  protected:
    ClipboardRoundTrip() {
        app.frmMain = MakeOwned<FrmMain>(app);
        app.frmMain->Load();
    }

    // Another application's copy, the program's save, a copy of the selection on top, the
    // program's restore; the clipboard afterwards is read and compared with the one before.
    void RoundTrip(const std::vector<std::pair<UINT, HANDLE>>& formats,
                   const std::vector<UINT>& expectedSaved) {
        PutRaw(user.hwnd(), formats);
        const std::vector<Entry> before = Read(reader.hwnd());

        auto saved = SaveClipboard(app);
        ASSERT_TRUE(saved.has_value());
        std::vector<UINT> savedFormats;
        for (const auto& [f, bytes] : saved->formats) {
            savedFormats.push_back(f);
        }
        EXPECT_EQ(savedFormats, expectedSaved) << "what the clipboard gives is saved";
        EXPECT_EQ(CountClipboardFormats(), 0) << "the save empties the clipboard";

        PutRaw(selection.hwnd(), {{CF_UNICODETEXT, UnicodeText(L"the selection")}});
        ASSERT_EQ(RestoreClipboard(app, *saved), RestoreResult::Restored);

        // Every format with the same contents. Windows lists the formats it makes after the ones
        // that were set, so a text format put back rather than made again may move in the list.
        std::vector<Entry> after = Read(reader.hwnd());
        // Marked for clipboard history, which recorded the content when the user copied it.
        const UINT mark = RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
        auto marked =
            std::find_if(after.begin(), after.end(), [&](const Entry& e) { return e.format == mark; });
        ASSERT_NE(marked, after.end()) << "the content given back is marked for clipboard history";
        after.erase(marked);
        std::vector<Entry> expected = before;
        auto byFormat = [](const Entry& a, const Entry& b) { return a.format < b.format; };
        std::sort(after.begin(), after.end(), byFormat);
        std::sort(expected.begin(), expected.end(), byFormat);
        ASSERT_EQ(Formats(after), Formats(expected));
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_FALSE(expected[i].contents.empty())
                << "format " << expected[i].format << " has something to compare";
            EXPECT_EQ(after[i].contents, expected[i].contents) << "format " << expected[i].format;
        }
    }

    TestWindow user;       // the application the user copied in
    TestWindow selection;  // the application whose selection is captured
    TestWindow reader;     // whoever reads the clipboard afterwards

    // The program on the real backend; its main form's window owns the clipboard it writes.
    win::Backend backend{GetModuleHandleW(nullptr)};
    App app{backend.platform()};
};

TEST_F(ClipboardRoundTrip, TextARegisteredFormatADibAndAMetafile) {
    UINT registered = RegisterClipboardFormatW(L"Parlevo Round Trip");
    const BYTE custom[] = {1, 2, 3, 0, 255};
    RoundTrip({{CF_TEXT, AnsiText("Hello, world")},
               {CF_UNICODETEXT,
                UnicodeText(L"\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440 \U0001F600")},
               {registered, Block(custom, sizeof custom)},
               {CF_DIB, Dib()},
               {CF_ENHMETAFILE, Emf()}},
              {CF_TEXT, CF_UNICODETEXT, registered, CF_DIB, CF_ENHMETAFILE});
    for (UINT made :
         std::initializer_list<UINT>{CF_BITMAP, CF_DIBV5, CF_METAFILEPICT, CF_OEMTEXT, CF_LOCALE}) {
        EXPECT_TRUE(IsClipboardFormatAvailable(made)) << "Windows offers format " << made << " again";
    }
}

TEST_F(ClipboardRoundTrip, TextThatWindowsConverts) {
    // The ANSI text is made from the Unicode text; it is saved and put back as Windows made it.
    RoundTrip({{CF_UNICODETEXT, UnicodeText(L"caf\u00e9 \u0416\u20ac")}, {CF_DIB, Dib()}},
              {CF_UNICODETEXT, CF_DIB, CF_TEXT});
    // A character outside the BMP, which systems turn into one "?" or two.
    RoundTrip({{CF_UNICODETEXT, UnicodeText(L"smile \U0001F600")}}, {CF_UNICODETEXT, CF_TEXT});
    RoundTrip({{CF_TEXT, AnsiText("caf\xe9")}}, {CF_TEXT, CF_UNICODETEXT});
    // Both set by the application, one the other converted, with bytes after the text's end.
    const BYTE ansi[] = {'a', 'b', 0, 'x', 'y'};
    RoundTrip({{CF_UNICODETEXT, UnicodeText(L"ab")}, {CF_TEXT, Block(ansi, sizeof ansi)}},
              {CF_UNICODETEXT, CF_TEXT});
}

TEST_F(ClipboardRoundTrip, PicturesGivenAsObjects) {
    RoundTrip({{CF_BITMAP, Bitmap()}, {CF_PALETTE, Palette()}, {CF_METAFILEPICT, MetafilePict()}},
              {CF_BITMAP, CF_PALETTE, CF_METAFILEPICT});
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_ENHMETAFILE));
}

}  // namespace
}  // namespace plv
