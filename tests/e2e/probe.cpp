// plv-probe: looks at running Windows programs from outside (their windows, message boxes, the
// clipboard, the foreground window, the taskbar) and prints what it sees as UTF-8 lines of
// key=value fields, so that shell tests under Wine can grep them. Texts are quoted with \" \\ \n
// \r \t escaped (other control characters as \xNN), window handles are in hex.
// Exit codes: 0 done, 1 something asked for was not found (or could not be done), 2 bad usage.

#include <windows.h>
// After windows.h, whose types they use.
#include <richedit.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kOk = 0;
constexpr int kNotFound = 1;
constexpr int kUsage = 2;

// Every wait of another program's message loop is bounded, so that a hung program cannot hang a test.
constexpr UINT kSendTimeoutMs = 2000;
// No text longer than this is read from another process.
constexpr DWORD_PTR kMaxText = 1u << 22;

// ---------------------------------------------------------------------------------------------
// Output

std::string g_out;

void WriteHandle(DWORD which, const std::string& bytes) {
    HANDLE h = GetStdHandle(which);
    if (h == nullptr || h == INVALID_HANDLE_VALUE || bytes.empty()) {
        return;
    }
    DWORD mode = 0;
    if (GetConsoleMode(h, &mode)) {
        // A real console shows UTF-16 correctly whatever its code page is.
        const int n =
            MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        std::wstring w(static_cast<std::size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
        DWORD done = 0;
        WriteConsoleW(h, w.data(), static_cast<DWORD>(w.size()), &done, nullptr);
        return;
    }
    // Pipes and files get the bytes as they are: UTF-8 with \n line ends.
    std::size_t at = 0;
    while (at < bytes.size()) {
        DWORD done = 0;
        if (!WriteFile(h, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &done, nullptr) ||
            done == 0) {
            return;
        }
        at += done;
    }
}

void Flush() {
    WriteHandle(STD_OUTPUT_HANDLE, g_out);
    g_out.clear();
}

void Line(const std::string& s) {
    g_out += s;
    g_out += '\n';
}

void Error(const std::string& s) {
    WriteHandle(STD_ERROR_HANDLE, "plv-probe: " + s + "\n");
}

std::string Utf8(std::wstring_view w) {
    if (w.empty()) {
        return {};
    }
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::string Quote(std::wstring_view w) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string q = "\"";
    for (const char c : Utf8(w)) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                q += "\\\"";
                break;
            case '\\':
                q += "\\\\";
                break;
            case '\n':
                q += "\\n";
                break;
            case '\r':
                q += "\\r";
                break;
            case '\t':
                q += "\\t";
                break;
            default:
                if (b < 0x20 || b == 0x7f) {
                    q += "\\x";
                    q += kDigits[b >> 4];
                    q += kDigits[b & 15];
                } else {
                    q += c;
                }
        }
    }
    q += '"';
    return q;
}

std::string Hex(std::uint64_t v) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string s;
    do {
        s.insert(s.begin(), kDigits[v & 15]);
        v >>= 4;
    } while (v != 0);
    return "0x" + s;
}

std::string Hex16(std::uint64_t v) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string s(16, '0');
    for (int i = 15; i >= 0; --i) {
        s[static_cast<std::size_t>(i)] = kDigits[v & 15];
        v >>= 4;
    }
    return s;
}

std::string H(HWND h) {
    return Hex(reinterpret_cast<std::uintptr_t>(h));
}

std::string Num(long long v) {
    return std::to_string(v);
}

std::string Rect(const RECT& r) {
    return Num(r.left) + "," + Num(r.top) + "," + Num(r.right) + "," + Num(r.bottom);
}

// FNV-1a, 64 bits: enough to tell two clipboard payloads apart in a test.
struct Digest {
    std::uint64_t h = 0xcbf29ce484222325ull;
    std::uint64_t bytes = 0;
    void Add(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) {
            h ^= b[i];
            h *= 0x100000001b3ull;
        }
        bytes += n;
    }
    std::string Text() const { return Hex16(h); }
};

// ---------------------------------------------------------------------------------------------
// Strings and arguments

std::wstring Lower(std::wstring_view s) {
    std::wstring l(s);
    if (!l.empty()) {
        CharLowerBuffW(l.data(), static_cast<DWORD>(l.size()));
    }
    return l;
}

bool SameText(std::wstring_view a, std::wstring_view b) {
    return Lower(a) == Lower(b);
}

bool StartsWithNoCase(std::wstring_view s, std::wstring_view prefix) {
    return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

bool ContainsNoCase(std::wstring_view s, std::wstring_view needle) {
    return Lower(s).find(Lower(needle)) != std::wstring::npos;
}

std::optional<unsigned long> ParseUnsigned(std::wstring_view s) {
    if (s.empty() || s.size() > 12) {
        return std::nullopt;
    }
    std::wstring copy(s);
    wchar_t* end = nullptr;
    const unsigned long v = std::wcstoul(copy.c_str(), &end, 0);
    if (end == nullptr || *end != L'\0' || copy[0] == L'-' || copy[0] == L'+') {
        return std::nullopt;
    }
    return v;
}

std::optional<double> ParseSeconds(std::wstring_view s) {
    if (s.empty()) {
        return std::nullopt;
    }
    std::wstring copy(s);
    wchar_t* end = nullptr;
    const double v = std::wcstod(copy.c_str(), &end);
    if (end == nullptr || *end != L'\0' || !(v >= 0.0) || v > 3600.0) {
        return std::nullopt;
    }
    return v;
}

// ---------------------------------------------------------------------------------------------
// Processes

struct Proc {
    DWORD pid = 0;
    std::wstring exe;
};

std::vector<Proc> Processes() {
    std::vector<Proc> out;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) {
        return out;
    }
    PROCESSENTRY32W e{};
    e.dwSize = sizeof e;
    for (BOOL ok = Process32FirstW(snap, &e); ok; ok = Process32NextW(snap, &e)) {
        std::wstring exe = e.szExeFile;
        // Only the file name counts, whatever the snapshot gives.
        const std::size_t slash = exe.find_last_of(L"\\/");
        if (slash != std::wstring::npos) {
            exe.erase(0, slash + 1);
        }
        out.push_back({e.th32ProcessID, exe});
    }
    CloseHandle(snap);
    return out;
}

std::wstring ExeOf(DWORD pid) {
    for (const Proc& p : Processes()) {
        if (p.pid == pid) {
            return p.exe;
        }
    }
    return L"";
}

// A program named by its executable (plv.exe), by pid=N, or * for every process.
struct Target {
    bool all = false;
    bool by_pid = false;
    DWORD pid = 0;
    std::wstring exe;
};

std::optional<Target> ParseTarget(std::wstring_view arg) {
    Target t;
    if (arg == L"*") {
        t.all = true;
        return t;
    }
    if (arg.substr(0, 4) == L"pid=") {
        const auto pid = ParseUnsigned(arg.substr(4));
        if (!pid) {
            return std::nullopt;
        }
        t.by_pid = true;
        t.pid = static_cast<DWORD>(*pid);
        return t;
    }
    if (arg.empty()) {
        return std::nullopt;
    }
    t.exe = arg;
    return t;
}

std::vector<Proc> Resolve(const Target& t) {
    std::vector<Proc> out;
    for (Proc& p : Processes()) {
        if (t.all || (t.by_pid && p.pid == t.pid) || (!t.by_pid && SameText(p.exe, t.exe))) {
            out.push_back(std::move(p));
        }
    }
    return out;
}

bool HasPid(const std::vector<Proc>& procs, DWORD pid) {
    for (const Proc& p : procs) {
        if (p.pid == pid) {
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Windows

BOOL CALLBACK CollectWindow(HWND h, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(h);
    return TRUE;
}

std::vector<HWND> TopWindows() {
    std::vector<HWND> out;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&out));
    return out;
}

// Message-only windows are not top-level windows, but a program's hidden window may be one.
std::vector<HWND> MessageWindows() {
    std::vector<HWND> out;
    HWND h = nullptr;
    for (int i = 0; i < 100000; ++i) {
        h = FindWindowExW(HWND_MESSAGE, h, nullptr, nullptr);
        if (h == nullptr) {
            break;
        }
        out.push_back(h);
    }
    return out;
}

DWORD PidOf(HWND h) {
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    return pid;
}

std::wstring ClassOf(HWND h) {
    wchar_t buf[257] = {};
    const int n = GetClassNameW(h, buf, 256);
    return std::wstring(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::wstring TitleOf(HWND h) {
    // GetWindowTextW does not send a message to a window of another process: it cannot hang.
    const int len = GetWindowTextLengthW(h);
    if (len <= 0) {
        return L"";
    }
    std::wstring buf(static_cast<std::size_t>(len) + 1, L'\0');
    const int n = GetWindowTextW(h, buf.data(), len + 1);
    buf.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return buf;
}

// The text a control reports through WM_GETTEXT; the message is marshalled across processes.
std::optional<std::wstring> SentText(HWND h) {
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &len)) {
        return std::nullopt;
    }
    if (len > kMaxText) {
        len = kMaxText;
    }
    std::wstring buf(static_cast<std::size_t>(len) + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXT, static_cast<WPARAM>(len + 1),
                             reinterpret_cast<LPARAM>(buf.data()), SMTO_ABORTIFHUNG, kSendTimeoutMs, &got)) {
        return std::nullopt;
    }
    buf.resize(static_cast<std::size_t>(got < len ? got : len));
    return buf;
}

// The selection of an edit or rich edit control, in UTF-16 units; only the packed return value is
// used, because pointers into this process mean nothing to the other one (so positions past
// 65535 do not fit; tests use short texts).
std::optional<std::pair<DWORD, DWORD>> Selection(HWND h) {
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(h, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &r)) {
        return std::nullopt;
    }
    return std::pair<DWORD, DWORD>{LOWORD(r), HIWORD(r)};
}

bool IsRichEdit(std::wstring_view cls) {
    return StartsWithNoCase(cls, L"RichEdit");
}

bool IsEdit(std::wstring_view cls) {
    return SameText(cls, L"Edit") || IsRichEdit(cls);
}

std::string Flag(bool b) {
    return b ? "1" : "0";
}

RECT RectOf(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

std::string TopFields(HWND h) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    const auto ex = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_EXSTYLE));
    const DWORD pid = PidOf(h);
    const bool layered = (ex & WS_EX_LAYERED) != 0;
    std::string alpha = "-";
    if (layered) {
        COLORREF key = 0;
        BYTE a = 255;
        DWORD flags = 0;
        if (GetLayeredWindowAttributes(h, &key, &a, &flags)) {
            alpha = Num((flags & LWA_ALPHA) != 0 ? a : 255);
        } else {
            // The window draws itself through UpdateLayeredWindow: no attributes to read.
            alpha = "ulw";
        }
    }
    return "hwnd=" + H(h) + " pid=" + Num(pid) + " class=" + Quote(ClassOf(h)) +
           " title=" + Quote(TitleOf(h)) + " rect=" + Rect(RectOf(h)) +
           " visible=" + Flag(IsWindowVisible(h) != 0) + " topmost=" + Flag((ex & WS_EX_TOPMOST) != 0) +
           " layered=" + Flag(layered) + " noactivate=" + Flag((ex & WS_EX_NOACTIVATE) != 0) +
           " toolwindow=" + Flag((ex & WS_EX_TOOLWINDOW) != 0) + " alpha=" + alpha +
           " enabled=" + Flag(IsWindowEnabled(h) != 0) + " iconic=" + Flag(IsIconic(h) != 0) +
           " owner=" + H(GetWindow(h, GW_OWNER)) + " style=" + Hex(style) + " exstyle=" + Hex(ex);
}

std::string ChildFields(HWND h) {
    const std::wstring cls = ClassOf(h);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    const auto id = static_cast<std::uint64_t>(GetWindowLongPtrW(h, GWLP_ID)) & 0xffffffffu;
    std::string s = "hwnd=" + H(h) + " class=" + Quote(cls) + " id=" + Num(static_cast<long long>(id)) +
                    " rect=" + Rect(RectOf(h)) + " visible=" + Flag(IsWindowVisible(h) != 0) +
                    " enabled=" + Flag(IsWindowEnabled(h) != 0) + " style=" + Hex(style);
    if (IsEdit(cls)) {
        const auto sel = Selection(h);
        s += " sel=" + (sel ? Num(sel->first) + "," + Num(sel->second) : std::string("?"));
    }
    const auto text = SentText(h);
    s += " text=" + (text ? Quote(*text) : std::string("?"));
    return s;
}

void DumpChildren(HWND parent, int depth, int& budget) {
    if (depth > 16) {
        return;
    }
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr && budget > 0; c = GetWindow(c, GW_HWNDNEXT)) {
        --budget;
        Line(std::string(static_cast<std::size_t>(depth) * 2, ' ') + "child " + ChildFields(c));
        DumpChildren(c, depth + 1, budget);
    }
}

void DumpWindow(HWND h) {
    Line("window " + TopFields(h));
    int budget = 2000;
    DumpChildren(h, 1, budget);
}

// ---------------------------------------------------------------------------------------------
// Clipboard

bool OpenClipboardRetry(HWND owner) {
    // Another program (the one under test, or Wine's clipboard bridge) may hold it for a moment.
    for (int i = 0; i < 100; ++i) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

std::wstring FormatName(UINT id) {
    static const struct {
        UINT id;
        const wchar_t* name;
    } kNames[] = {
        {CF_TEXT, L"CF_TEXT"},
        {CF_BITMAP, L"CF_BITMAP"},
        {CF_METAFILEPICT, L"CF_METAFILEPICT"},
        {CF_SYLK, L"CF_SYLK"},
        {CF_DIF, L"CF_DIF"},
        {CF_TIFF, L"CF_TIFF"},
        {CF_OEMTEXT, L"CF_OEMTEXT"},
        {CF_DIB, L"CF_DIB"},
        {CF_PALETTE, L"CF_PALETTE"},
        {CF_PENDATA, L"CF_PENDATA"},
        {CF_RIFF, L"CF_RIFF"},
        {CF_WAVE, L"CF_WAVE"},
        {CF_UNICODETEXT, L"CF_UNICODETEXT"},
        {CF_ENHMETAFILE, L"CF_ENHMETAFILE"},
        {CF_HDROP, L"CF_HDROP"},
        {CF_LOCALE, L"CF_LOCALE"},
        {CF_DIBV5, L"CF_DIBV5"},
        {CF_OWNERDISPLAY, L"CF_OWNERDISPLAY"},
        {CF_DSPTEXT, L"CF_DSPTEXT"},
        {CF_DSPBITMAP, L"CF_DSPBITMAP"},
        {CF_DSPMETAFILEPICT, L"CF_DSPMETAFILEPICT"},
        {CF_DSPENHMETAFILE, L"CF_DSPENHMETAFILE"},
    };
    for (const auto& n : kNames) {
        if (n.id == id) {
            return n.name;
        }
    }
    if (id >= CF_PRIVATEFIRST && id <= CF_PRIVATELAST) {
        return L"CF_PRIVATEFIRST+" + std::to_wstring(id - CF_PRIVATEFIRST);
    }
    if (id >= CF_GDIOBJFIRST && id <= CF_GDIOBJLAST) {
        return L"CF_GDIOBJFIRST+" + std::to_wstring(id - CF_GDIOBJFIRST);
    }
    wchar_t buf[257] = {};
    const int n = GetClipboardFormatNameW(id, buf, 256);
    return n > 0 ? std::wstring(buf, static_cast<std::size_t>(n)) : L"#" + std::to_wstring(id);
}

// Formats whose handle is a GDI object (or holds one), not a block of bytes.
bool IsGdiFormat(UINT id) {
    return id == CF_BITMAP || id == CF_DSPBITMAP || id == CF_ENHMETAFILE || id == CF_DSPENHMETAFILE ||
           id == CF_PALETTE || id == CF_METAFILEPICT || id == CF_DSPMETAFILEPICT ||
           (id >= CF_GDIOBJFIRST && id <= CF_GDIOBJLAST);
}

// Formats whose handle is the owner's own business.
bool IsPrivateFormat(UINT id) {
    return id == CF_OWNERDISPLAY || (id >= CF_PRIVATEFIRST && id <= CF_PRIVATELAST);
}

bool IsMemoryFormat(UINT id) {
    return !IsGdiFormat(id) && !IsPrivateFormat(id);
}

void DigestBitmap(HBITMAP bmp, Digest& d, std::string& info) {
    BITMAP bm{};
    if (GetObjectW(bmp, sizeof bm, &bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0) {
        return;
    }
    info = Num(bm.bmWidth) + "x" + Num(bm.bmHeight) + "x" + Num(bm.bmBitsPixel);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(bm.bmWidth) *
                                      static_cast<std::size_t>(bm.bmHeight) * 4);
    HDC dc = GetDC(nullptr);
    const int rows =
        GetDIBits(dc, bmp, 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows == bm.bmHeight) {
        d.Add(pixels.data(), pixels.size());
    }
}

bool DigestEnhMetafile(HENHMETAFILE emf, Digest& d) {
    const UINT n = GetEnhMetaFileBits(emf, 0, nullptr);
    if (n == 0) {
        return false;
    }
    std::vector<unsigned char> bits(n);
    if (GetEnhMetaFileBits(emf, n, bits.data()) != n) {
        return false;
    }
    d.Add(bits.data(), bits.size());
    return true;
}

struct FormatData {
    std::string size = "none";
    std::string digest = "-";
    std::string extra;
};

std::string DibInfo(const void* p, SIZE_T size) {
    if (size < sizeof(BITMAPINFOHEADER)) {
        return "";
    }
    BITMAPINFOHEADER bh{};
    std::memcpy(&bh, p, sizeof bh);
    return " info=" + Num(bh.biWidth) + "x" + Num(bh.biHeight) + "x" + Num(bh.biBitCount) +
           " header=" + Num(bh.biSize) + " compression=" + Num(bh.biCompression);
}

// What one clipboard format holds: GDI objects are digested through their contents, memory blocks
// byte for byte.
FormatData ReadFormat(UINT id, std::wstring* text) {
    FormatData f;
    HANDLE h = GetClipboardData(id);
    if (h == nullptr) {
        return f;
    }
    Digest d;
    const bool bitmap = id == CF_BITMAP || id == CF_DSPBITMAP;
    const bool emf = id == CF_ENHMETAFILE || id == CF_DSPENHMETAFILE;
    if (IsGdiFormat(id) && id != CF_METAFILEPICT && id != CF_DSPMETAFILEPICT) {
        f.size = "gdi";
        std::string info;
        bool ok = false;
        if (bitmap) {
            DigestBitmap(static_cast<HBITMAP>(h), d, info);
            ok = d.bytes > 0;
        } else if (emf) {
            ok = DigestEnhMetafile(static_cast<HENHMETAFILE>(h), d);
        } else if (id == CF_PALETTE) {
            PALETTEENTRY entries[256] = {};
            const UINT n = GetPaletteEntries(static_cast<HPALETTE>(h), 0, 256, entries);
            d.Add(entries, n * sizeof(PALETTEENTRY));
            ok = true;
        }
        if (ok) {
            f.digest = d.Text();
            f.extra = " bytes=" + Num(static_cast<long long>(d.bytes));
            if (!info.empty()) {
                f.extra += " info=" + info;
            }
        }
        return f;
    }
    if (IsPrivateFormat(id)) {
        // The owner's own handle: nothing this process can read.
        f.size = "private";
        return f;
    }
    const SIZE_T size = GlobalSize(h);
    // A metafile picture's block holds a handle and, under Wine, sometimes the metafile as well:
    // its size says nothing stable, so it is reported like the other pictures.
    f.size = IsGdiFormat(id) ? "gdi" : Num(static_cast<long long>(size));
    const void* p = GlobalLock(h);
    if (p == nullptr) {
        return f;
    }
    if (id == CF_METAFILEPICT || id == CF_DSPMETAFILEPICT) {
        // The block holds a handle, whose value means nothing: digest the picture instead.
        if (size >= sizeof(METAFILEPICT)) {
            METAFILEPICT mp{};
            std::memcpy(&mp, p, sizeof mp);
            d.Add(&mp.mm, sizeof mp.mm);
            d.Add(&mp.xExt, sizeof mp.xExt);
            d.Add(&mp.yExt, sizeof mp.yExt);
            const UINT n = GetMetaFileBitsEx(mp.hMF, 0, nullptr);
            std::vector<unsigned char> bits(n);
            if (n > 0 && GetMetaFileBitsEx(mp.hMF, n, bits.data()) == n) {
                d.Add(bits.data(), bits.size());
            }
            f.digest = d.Text();
            f.extra = " bytes=" + Num(static_cast<long long>(d.bytes)) + " mm=" + Num(mp.mm) +
                      " ext=" + Num(mp.xExt) + "x" + Num(mp.yExt);
        }
    } else {
        d.Add(p, size);
        f.digest = d.Text();
        if (id == CF_DIB || id == CF_DIBV5) {
            f.extra = DibInfo(p, size);
        }
        if (id == CF_LOCALE && size >= sizeof(DWORD)) {
            DWORD lcid = 0;
            std::memcpy(&lcid, p, sizeof lcid);
            f.extra = " lcid=" + Hex(lcid);
        }
        if (id == CF_UNICODETEXT && text != nullptr) {
            const auto* w = static_cast<const wchar_t*>(p);
            *text = std::wstring(w, wcsnlen(w, size / sizeof(wchar_t)));
        }
    }
    GlobalUnlock(h);
    return f;
}

// Prints the clipboard: a header, one line per format in enumeration order, then the Unicode text.
int DumpClipboard() {
    if (!OpenClipboardRetry(nullptr)) {
        Error("the clipboard stays open in another program");
        return kNotFound;
    }
    HWND owner = GetClipboardOwner();
    const DWORD owner_pid = owner != nullptr ? PidOf(owner) : 0;
    std::vector<UINT> ids;
    for (UINT id = EnumClipboardFormats(0); id != 0 && ids.size() < 1000; id = EnumClipboardFormats(id)) {
        ids.push_back(id);
    }
    Line("clipboard seq=" + Num(GetClipboardSequenceNumber()) + " owner=" + H(owner) +
         " owner_pid=" + Num(owner_pid) + " owner_exe=" + Quote(owner_pid != 0 ? ExeOf(owner_pid) : L"") +
         " formats=" + Num(static_cast<long long>(ids.size())));
    std::optional<std::wstring> text;
    for (const UINT id : ids) {
        std::wstring t;
        const FormatData f = ReadFormat(id, &t);
        if (id == CF_UNICODETEXT && f.digest != "-") {
            text = t;
        }
        Line("format id=" + Num(id) + " name=" + Quote(FormatName(id)) + " size=" + f.size +
             " digest=" + f.digest + f.extra);
    }
    CloseClipboard();
    if (text) {
        Line("text=" + Quote(*text));
    }
    return kOk;
}

int ClipboardText() {
    if (!OpenClipboardRetry(nullptr)) {
        Error("the clipboard stays open in another program");
        return kNotFound;
    }
    std::optional<std::wstring> text;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* w = static_cast<const wchar_t*>(GlobalLock(h))) {
            text = std::wstring(w, wcsnlen(w, GlobalSize(h) / sizeof(wchar_t)));
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    if (!text) {
        Error("no Unicode text on the clipboard");
        return kNotFound;
    }
    g_out += Utf8(*text);
    return kOk;
}

// One thing to put on the clipboard, made before the clipboard is opened.
struct Item {
    UINT id = 0;
    std::vector<unsigned char> bytes;  // memory formats
    HENHMETAFILE emf = nullptr;
};

std::optional<std::vector<unsigned char>> ParseHex(std::wstring_view s) {
    if (s.empty() || s.size() % 2 != 0) {
        return std::nullopt;
    }
    auto nibble = [](wchar_t c) -> int {
        if (c >= L'0' && c <= L'9') {
            return c - L'0';
        }
        if (c >= L'a' && c <= L'f') {
            return c - L'a' + 10;
        }
        if (c >= L'A' && c <= L'F') {
            return c - L'A' + 10;
        }
        return -1;
    };
    std::vector<unsigned char> out;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const int hi = nibble(s[i]);
        const int lo = nibble(s[i + 1]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        out.push_back(static_cast<unsigned char>(hi * 16 + lo));
    }
    return out;
}

// A bottom-up 24-bit DIB whose pixels follow a fixed pattern, so that its digest is known.
std::vector<unsigned char> MakeDib(LONG w, LONG h) {
    const auto stride = static_cast<std::size_t>((w * 3 + 3) & ~3);
    BITMAPINFOHEADER bh{};
    bh.biSize = sizeof bh;
    bh.biWidth = w;
    bh.biHeight = h;
    bh.biPlanes = 1;
    bh.biBitCount = 24;
    bh.biCompression = BI_RGB;
    bh.biSizeImage = static_cast<DWORD>(stride * static_cast<std::size_t>(h));
    bh.biXPelsPerMeter = 2835;
    bh.biYPelsPerMeter = 2835;
    std::vector<unsigned char> out(sizeof bh + bh.biSizeImage, 0);
    std::memcpy(out.data(), &bh, sizeof bh);
    for (LONG y = 0; y < h; ++y) {
        unsigned char* row = out.data() + sizeof bh + stride * static_cast<std::size_t>(y);
        for (LONG x = 0; x < w; ++x) {
            row[x * 3 + 0] = static_cast<unsigned char>(x * 8 + y);
            row[x * 3 + 1] = static_cast<unsigned char>(y * 8 + x * 2);
            row[x * 3 + 2] = static_cast<unsigned char>((x ^ y) * 16);
        }
    }
    return out;
}

// A small enhanced metafile: a rectangle and a line.
HENHMETAFILE MakeEmf() {
    const RECT frame{0, 0, 2000, 1500};  // hundredths of a millimetre
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frame, L"plv-probe\0picture\0");
    if (dc == nullptr) {
        return nullptr;
    }
    Rectangle(dc, 10, 10, 60, 40);
    MoveToEx(dc, 5, 50, nullptr);
    LineTo(dc, 70, 5);
    return CloseEnhMetaFile(dc);
}

std::optional<Item> ParseItem(std::wstring_view arg, std::string& problem) {
    Item it;
    if (arg.substr(0, 5) == L"text=") {
        const std::wstring_view s = arg.substr(5);
        it.id = CF_UNICODETEXT;
        it.bytes.resize((s.size() + 1) * sizeof(wchar_t), 0);
        std::memcpy(it.bytes.data(), s.data(), s.size() * sizeof(wchar_t));
        return it;
    }
    if (arg.substr(0, 5) == L"ansi=") {
        const std::wstring_view s = arg.substr(5);
        it.id = CF_TEXT;
        const int n = s.empty() ? 0
                                : WideCharToMultiByte(CP_ACP, 0, s.data(), static_cast<int>(s.size()),
                                                      nullptr, 0, nullptr, nullptr);
        it.bytes.resize(static_cast<std::size_t>(n) + 1, 0);
        if (n > 0) {
            WideCharToMultiByte(CP_ACP, 0, s.data(), static_cast<int>(s.size()),
                                reinterpret_cast<char*>(it.bytes.data()), n, nullptr, nullptr);
        }
        return it;
    }
    if (arg.substr(0, 7) == L"format=") {
        const std::wstring_view rest = arg.substr(7);
        const std::size_t colon = rest.rfind(L':');
        if (colon == std::wstring_view::npos || colon == 0) {
            problem = "format=NAME:HEXBYTES expected";
            return std::nullopt;
        }
        const std::wstring name(rest.substr(0, colon));
        const auto bytes = ParseHex(rest.substr(colon + 1));
        if (!bytes) {
            problem = "format bytes must be an even number of hex digits, at least two";
            return std::nullopt;
        }
        if (name[0] == L'#') {
            // #N names a predefined format by its number.
            const auto n = ParseUnsigned(std::wstring_view(name).substr(1));
            if (!n || *n == 0 || *n > 0xffff || !IsMemoryFormat(static_cast<UINT>(*n))) {
                problem = "bad format number: a memory format is needed";
                return std::nullopt;
            }
            it.id = static_cast<UINT>(*n);
        } else {
            it.id = RegisterClipboardFormatW(name.c_str());
            if (it.id == 0) {
                problem = "RegisterClipboardFormatW failed";
                return std::nullopt;
            }
        }
        it.bytes = *bytes;
        return it;
    }
    if (arg.substr(0, 4) == L"dib=") {
        const std::wstring_view dims = arg.substr(4);
        const std::size_t x = dims.find(L'x');
        const auto w = x == std::wstring_view::npos ? std::nullopt : ParseUnsigned(dims.substr(0, x));
        const auto h = x == std::wstring_view::npos ? std::nullopt : ParseUnsigned(dims.substr(x + 1));
        if (!w || !h || *w == 0 || *h == 0 || *w > 4096 || *h > 4096) {
            problem = "dib=WxH expected, 1..4096 each";
            return std::nullopt;
        }
        it.id = CF_DIB;
        it.bytes = MakeDib(static_cast<LONG>(*w), static_cast<LONG>(*h));
        return it;
    }
    if (arg == L"emf") {
        it.id = CF_ENHMETAFILE;
        it.emf = MakeEmf();
        if (it.emf == nullptr) {
            problem = "CreateEnhMetaFileW failed";
            return std::nullopt;
        }
        return it;
    }
    problem = "unknown item " + Utf8(arg);
    return std::nullopt;
}

int ClipboardSet(const std::vector<std::wstring>& args) {
    std::vector<Item> items;
    for (const std::wstring& a : args) {
        std::string problem;
        auto it = ParseItem(a, problem);
        if (!it) {
            Error(problem);
            for (Item& done : items) {
                if (done.emf != nullptr) {
                    DeleteEnhMetaFile(done.emf);
                }
            }
            return kUsage;
        }
        items.push_back(std::move(*it));
    }
    // A window of our own owns what we put there; the data stays when the probe has ended.
    HWND owner = CreateWindowExW(0, L"STATIC", L"plv-probe", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!OpenClipboardRetry(owner)) {
        Error("the clipboard stays open in another program");
        if (owner != nullptr) {
            DestroyWindow(owner);
        }
        return kNotFound;
    }
    EmptyClipboard();
    int rc = kOk;
    for (Item& it : items) {
        Digest d;
        std::string size;
        HANDLE h = nullptr;
        if (it.emf != nullptr) {
            DigestEnhMetafile(it.emf, d);
            size = "gdi";
            h = it.emf;
        } else {
            d.Add(it.bytes.data(), it.bytes.size());
            size = Num(static_cast<long long>(it.bytes.size()));
            HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, it.bytes.size());
            if (g != nullptr) {
                if (void* p = GlobalLock(g)) {
                    std::memcpy(p, it.bytes.data(), it.bytes.size());
                    GlobalUnlock(g);
                }
            }
            h = g;
        }
        const bool ok = h != nullptr && SetClipboardData(it.id, h) != nullptr;
        if (!ok) {
            if (it.emf != nullptr) {
                DeleteEnhMetaFile(it.emf);
            } else if (h != nullptr) {
                GlobalFree(h);
            }
            Error("SetClipboardData failed for format " + Num(it.id));
            rc = kNotFound;
        }
        Line("set id=" + Num(it.id) + " name=" + Quote(FormatName(it.id)) + " size=" + size +
             " digest=" + d.Text() + " ok=" + Flag(ok));
    }
    CloseClipboard();
    if (owner != nullptr) {
        DestroyWindow(owner);
    }
    const int dumped = DumpClipboard();
    return rc != kOk ? rc : dumped;
}

// ---------------------------------------------------------------------------------------------
// Commands about windows

int Windows(const Target& t) {
    const std::vector<Proc> procs = Resolve(t);
    if (procs.empty()) {
        Error("no such process");
        return kNotFound;
    }
    const std::vector<HWND> tops = TopWindows();
    const std::vector<HWND> hidden = MessageWindows();
    for (const Proc& p : procs) {
        Line("process pid=" + Num(p.pid) + " exe=" + Quote(p.exe));
        for (HWND h : tops) {
            if (PidOf(h) == p.pid) {
                DumpWindow(h);
            }
        }
        for (HWND h : hidden) {
            if (PidOf(h) == p.pid) {
                Line("msgwindow hwnd=" + H(h) + " class=" + Quote(ClassOf(h)) +
                     " title=" + Quote(TitleOf(h)));
            }
        }
    }
    return kOk;
}

bool Matches(HWND h, std::wstring_view what, bool need_visible) {
    if (need_visible && !IsWindowVisible(h)) {
        return false;
    }
    return ContainsNoCase(ClassOf(h), what) || ContainsNoCase(TitleOf(h), what);
}

// Polls every 100 ms until a matching top-level window exists (gone=false) or none does (gone=true).
int WaitWindow(const Target& t, std::wstring_view what, double seconds, bool need_visible) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0);
    for (;;) {
        const std::vector<Proc> procs = Resolve(t);
        for (HWND h : TopWindows()) {
            if (HasPid(procs, PidOf(h)) && Matches(h, what, need_visible)) {
                Line("window " + TopFields(h));
                return kOk;
            }
        }
        if (GetTickCount64() >= deadline) {
            Error("no such window in time");
            return kNotFound;
        }
        Sleep(100);
    }
}

// Moves and sizes the first matching top-level window of the process.
int MoveWindowTo(const Target& t, std::wstring_view what, const RECT& r) {
    const std::vector<Proc> procs = Resolve(t);
    for (HWND h : TopWindows()) {
        if (HasPid(procs, PidOf(h)) && Matches(h, what, false)) {
            if (!SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                              SWP_NOZORDER | SWP_NOACTIVATE)) {
                Error("SetWindowPos failed");
                return kNotFound;
            }
            Line("window " + TopFields(h));
            return kOk;
        }
    }
    Error("no such window");
    return kNotFound;
}

// The monitor that shows the point, or the nearest one, and its work area.
int MonitorOf(LONG x, LONG y) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR m = MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST);
    if (m == nullptr || !GetMonitorInfoW(m, &info)) {
        Error("no monitor");
        return kNotFound;
    }
    Line("monitor rect=" + Rect(info.rcMonitor) + " work=" + Rect(info.rcWork) +
         " primary=" + Flag((info.dwFlags & MONITORINFOF_PRIMARY) != 0));
    return kOk;
}

// A whole number, negative too (a coordinate left of or above the primary monitor).
std::optional<long> ParseLong(std::wstring_view s) {
    std::wstring text(s);
    wchar_t* end = nullptr;
    long v = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0') {
        return std::nullopt;
    }
    return v;
}

std::optional<RECT> ParseRect(std::wstring_view s) {
    long v[4];
    for (int i = 0; i < 4; ++i) {
        std::size_t comma = i < 3 ? s.find(L',') : s.size();
        auto part = ParseLong(s.substr(0, comma));
        if (comma == std::wstring_view::npos || !part) {
            return std::nullopt;
        }
        v[i] = *part;
        s.remove_prefix(std::min(comma + 1, s.size()));
    }
    return RECT{v[0], v[1], v[2], v[3]};
}

std::vector<HWND> Dialogs(const Target& t) {
    const std::vector<Proc> procs = Resolve(t);
    std::vector<HWND> out;
    for (HWND h : TopWindows()) {
        if (HasPid(procs, PidOf(h)) && ClassOf(h) == L"#32770") {
            out.push_back(h);
        }
    }
    return out;
}

int MessageBoxes(const Target& t) {
    const std::vector<HWND> dialogs = Dialogs(t);
    for (HWND d : dialogs) {
        // A message box's text is the static control with id 0xFFFF.
        HWND text = GetDlgItem(d, 0xFFFF);
        const auto message = text != nullptr ? SentText(text) : std::optional<std::wstring>();
        Line("msgbox hwnd=" + H(d) + " pid=" + Num(PidOf(d)) + " title=" + Quote(TitleOf(d)) +
             " rect=" + Rect(RectOf(d)) + " visible=" + Flag(IsWindowVisible(d) != 0) +
             " text=" + (message ? Quote(*message) : std::string("?")));
        for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            const std::wstring cls = ClassOf(c);
            const char* kind = SameText(cls, L"Static")   ? "  static "
                               : SameText(cls, L"Button") ? "  button "
                                                          : "  child ";
            Line(kind + ChildFields(c));
        }
    }
    if (dialogs.empty()) {
        Error("no message box");
        return kNotFound;
    }
    return kOk;
}

int Click(const Target& t, int id) {
    HWND button = nullptr;
    HWND dialog = nullptr;
    for (HWND d : Dialogs(t)) {
        HWND b = GetDlgItem(d, id);
        if (b != nullptr && (button == nullptr || IsWindowVisible(d))) {
            button = b;
            dialog = d;
        }
    }
    if (button == nullptr) {
        Error("no message box with that button");
        return kNotFound;
    }
    DWORD_PTR r = 0;
    const bool sent = SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &r) != 0;
    Line("clicked dialog=" + H(dialog) + " button=" + H(button) + " id=" + Num(id) + " sent=" + Flag(sent));
    return kOk;
}

std::string WhoFields(HWND h) {
    const DWORD pid = h != nullptr ? PidOf(h) : 0;
    return "hwnd=" + H(h) + " pid=" + Num(pid) + " exe=" + Quote(pid != 0 ? ExeOf(pid) : L"") +
           " class=" + Quote(h != nullptr ? ClassOf(h) : L"") +
           " title=" + Quote(h != nullptr ? TitleOf(h) : L"");
}

int Foreground() {
    HWND fg = GetForegroundWindow();
    if (fg == nullptr) {
        Line("foreground hwnd=0x0");
        return kNotFound;
    }
    GUITHREADINFO gi{};
    gi.cbSize = sizeof gi;
    const DWORD tid = GetWindowThreadProcessId(fg, nullptr);
    std::string focus = " focus=0x0 focus_class=\"\" active=0x0 capture=0x0";
    if (GetGUIThreadInfo(tid, &gi)) {
        focus = " focus=" + H(gi.hwndFocus) +
                " focus_class=" + Quote(gi.hwndFocus != nullptr ? ClassOf(gi.hwndFocus) : L"") +
                " active=" + H(gi.hwndActive) + " capture=" + H(gi.hwndCapture);
    }
    Line("foreground " + WhoFields(fg) + focus);
    return kOk;
}

int NotepadText() {
    HWND np = FindWindowW(L"Notepad", nullptr);
    HWND edit = np != nullptr ? FindWindowExW(np, nullptr, L"Edit", nullptr) : nullptr;
    if (edit == nullptr) {
        Error("no Notepad edit control");
        return kNotFound;
    }
    const auto text = SentText(edit);
    const auto sel = Selection(edit);
    if (!text || !sel) {
        Error("Notepad does not answer");
        return kNotFound;
    }
    std::wstring selected;
    const DWORD a = sel->first < sel->second ? sel->first : sel->second;
    const DWORD b = sel->first < sel->second ? sel->second : sel->first;
    if (b <= text->size()) {
        selected = text->substr(a, b - a);
    }
    Line("notepad hwnd=" + H(np) + " edit=" + H(edit) + " pid=" + Num(PidOf(np)) + " sel=" + Num(sel->first) +
         "," + Num(sel->second) + " selected=" + Quote(selected) + " text=" + Quote(*text));
    return kOk;
}

// Holds a file open with no sharing at all for a while, as another program that has it locked
// would: nobody else can open it meanwhile. Prints "locked" once it holds it.
int Lock(const std::wstring& path, double seconds) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        Line("lock failed path=" + Quote(path) + " error=" + std::to_string(GetLastError()));
        Flush();
        return kNotFound;
    }
    Line("locked path=" + Quote(path));
    Flush();
    Sleep(static_cast<DWORD>(seconds * 1000));
    CloseHandle(h);
    return kOk;
}

// A block of memory inside another process: rich edit messages take pointers, and Windows copies
// no data across processes for them, so the structures they read and fill must live over there.
class RemoteBuffer {
  public:
    RemoteBuffer(DWORD pid, SIZE_T size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid)) {
        if (process_ != nullptr) {
            at_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() {
        if (at_ != nullptr) {
            VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
        }
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
    }
    bool Ok() const { return at_ != nullptr; }
    LPARAM Param() const { return reinterpret_cast<LPARAM>(at_); }
    WPARAM WParam() const { return reinterpret_cast<WPARAM>(at_); }
    bool Write(const void* p, SIZE_T n) {
        SIZE_T done = 0;
        return WriteProcessMemory(process_, at_, p, n, &done) != 0 && done == n;
    }
    bool Read(void* p, SIZE_T n) {
        SIZE_T done = 0;
        return ReadProcessMemory(process_, at_, p, n, &done) != 0 && done == n;
    }

  private:
    HANDLE process_;
    void* at_ = nullptr;
};

bool Send(HWND h, UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR* result = nullptr) {
    DWORD_PTR r = 0;
    const bool ok = SendMessageTimeoutW(h, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &r) != 0;
    if (result != nullptr) {
        *result = r;
    }
    return ok;
}

std::string Colour(COLORREF c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s = "#";
    for (const BYTE b : {GetRValue(c), GetGValue(c), GetBValue(c)}) {
        s += kDigits[b >> 4];
        s += kDigits[b & 15];
    }
    return s;
}

// The colour of every character of the first visible rich edit box of a process, as runs of one
// colour. Each character is selected in turn to read its format, so the user's selection is read
// first and put back at the end; the box is expected to be read-only or left alone meanwhile.
int RichColours(const Target& t) {
    const std::vector<Proc> procs = Resolve(t);
    HWND box = nullptr;
    for (HWND top : TopWindows()) {
        if (!HasPid(procs, PidOf(top)) || !IsWindowVisible(top)) {
            continue;
        }
        for (HWND c = GetWindow(top, GW_CHILD); c != nullptr && box == nullptr;
             c = GetWindow(c, GW_HWNDNEXT)) {
            if (IsRichEdit(ClassOf(c)) && IsWindowVisible(c)) {
                box = c;
            }
        }
        if (box != nullptr) {
            break;
        }
    }
    if (box == nullptr) {
        Error("no visible rich edit box");
        return kNotFound;
    }
    RemoteBuffer remote(PidOf(box), 4096);
    if (!remote.Ok()) {
        Error("no memory in the other process");
        return kNotFound;
    }
    // Character positions count a paragraph break as one, unlike WM_GETTEXT's \r\n.
    GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
    DWORD_PTR length = 0;
    CHARRANGE saved{};
    if (!remote.Write(&how, sizeof how) || !Send(box, EM_GETTEXTLENGTHEX, remote.WParam(), 0, &length) ||
        !Send(box, EM_EXGETSEL, 0, remote.Param()) || !remote.Read(&saved, sizeof saved)) {
        Error("the rich edit box does not answer");
        return kNotFound;
    }
    if (length > 20000) {
        length = 20000;
    }
    Line("rich hwnd=" + H(box) + " length=" + Num(static_cast<long long>(length)) +
         " sel=" + Num(saved.cpMin) + "," + Num(saved.cpMax));
    const COLORREF automatic = GetSysColor(COLOR_WINDOWTEXT);
    std::string run_colour;
    long long run_start = 0;
    int rc = kOk;
    for (LONG cp = 0; cp <= static_cast<LONG>(length); ++cp) {
        std::string colour;
        if (cp < static_cast<LONG>(length)) {
            CHARRANGE one{cp, cp + 1};
            CHARFORMAT2W cf{};
            cf.cbSize = sizeof cf;
            cf.dwMask = CFM_COLOR;
            if (!remote.Write(&one, sizeof one) || !Send(box, EM_EXSETSEL, 0, remote.Param()) ||
                !remote.Write(&cf, sizeof cf) ||
                !Send(box, EM_GETCHARFORMAT, SCF_SELECTION, remote.Param()) || !remote.Read(&cf, sizeof cf)) {
                Error("no character format at " + Num(cp));
                rc = kNotFound;
                break;
            }
            const bool is_auto = (cf.dwEffects & CFE_AUTOCOLOR) != 0;
            colour = Colour(is_auto ? automatic : cf.crTextColor) + (is_auto ? " auto=1" : " auto=0");
        }
        if (cp > 0 && colour != run_colour) {
            Line("run start=" + Num(run_start) + " length=" + Num(cp - run_start) + " color=" + run_colour);
            run_start = cp;
        }
        run_colour = colour;
    }
    const bool put_back = remote.Write(&saved, sizeof saved) && Send(box, EM_EXSETSEL, 0, remote.Param());
    Line("restored sel=" + Num(saved.cpMin) + "," + Num(saved.cpMax) + " ok=" + Flag(put_back));
    return put_back ? rc : kNotFound;
}

// ---------------------------------------------------------------------------------------------
// Watching plv.exe's floating windows over time

// Microseconds since 1970 on the clock Linux programs read too (Wine keeps the two the same), so
// that a watch lines up with the moment a script outside pressed or let go of a button.
long long NowUs() {
    FILETIME ft{};
    using Precise = void(WINAPI*)(LPFILETIME);
    static const auto precise = reinterpret_cast<Precise>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    if (precise != nullptr) {
        precise(&ft);
    } else {
        GetSystemTimeAsFileTime(&ft);
    }
    const long long t = (static_cast<long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return t / 10 - 11644473600LL * 1000000;
}

// What a user sees of the program at one moment: the left button, the floating icon (an untitled
// ParlevoForm) and the popup ("Form1") with the text of its rich edit box.
struct Seen {
    bool button = false;
    std::string icon = "hidden";
    std::string popup = "hidden";
    std::wstring text;
    bool operator==(const Seen&) const = default;
};

// The program's floating windows: its untitled ParlevoForm (the icon), its "Form1" (the popup)
// and the popup's rich edit box. Found now and then; read every millisecond.
struct Floating {
    std::vector<HWND> icons;  // every untitled form: the icon is the one that shows
    HWND popup = nullptr;
    HWND box = nullptr;
};

Floating FindFloating(const std::vector<Proc>& procs) {
    Floating f;
    for (HWND h : TopWindows()) {
        if (!HasPid(procs, PidOf(h)) || ClassOf(h) != L"ParlevoForm") {
            continue;
        }
        const std::wstring title = TitleOf(h);
        if (title.empty()) {
            f.icons.push_back(h);
        } else if (title == L"Form1") {
            f.popup = h;
            for (HWND c = GetWindow(h, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
                if (IsRichEdit(ClassOf(c))) {
                    f.box = c;
                    break;
                }
            }
        }
    }
    return f;
}

// The button and the places and visibility of the windows; the popup's text is read apart.
Seen LookAt(const Floating& f) {
    Seen s;
    s.button = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
    for (HWND icon : f.icons) {
        if (IsWindowVisible(icon)) {
            s.icon = Rect(RectOf(icon));
        }
    }
    if (f.popup != nullptr && IsWindowVisible(f.popup)) {
        s.popup = Rect(RectOf(f.popup));
    }
    return s;
}

// The pointer to the middle of a rectangle given as L,T,R,B, or a left click there, through the
// system's input queue. True when the pointer is inside the rectangle now.
bool PointerAt(const std::string& rect, bool click) {
    long l = 0, t = 0, r = 0, b = 0;
    if (std::sscanf(rect.c_str(), "%ld,%ld,%ld,%ld", &l, &t, &r, &b) != 4) {
        return false;
    }
    POINT now{};
    GetCursorPos(&now);
    const bool inside = now.x >= l && now.x < r && now.y >= t && now.y < b;
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in[2] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = static_cast<LONG>((l + r) / 2 * 65535L / (w > 0 ? w : 1));
        i.mi.dy = static_cast<LONG>((t + b) / 2 * 65535L / (h > 0 ? h : 1));
    }
    if (!click || !inside) {
        in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, in, sizeof(INPUT));
        return inside;
    }
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(2, in, sizeof(INPUT));
    return true;
}

int Watch(const Target& t, double seconds, bool press) {
    const long long end = NowUs() + static_cast<long long>(seconds * 1e6);
    Floating f;
    long long found = 0;
    Seen last;
    long long textRead = 0;
    long long iconSince = 0;
    bool iconPressed = false;
    bool first = true;
    while (NowUs() < end) {
        // plv.exe and its windows may come (or come again) while the watch runs.
        if (NowUs() - found > 500000 || (f.popup != nullptr && !IsWindow(f.popup))) {
            f = FindFloating(Resolve(t));
            found = NowUs();
        }
        // One moment: the places, the text, and the places again; a text read after a place may
        // belong to a later state, so the moment counts only when nothing moved meanwhile. The
        // text is read (a message the program itself must answer) when a place has changed and
        // otherwise every 5 ms, so that the watch does not slow the program it watches.
        long long at = 0;
        Seen now;
        for (int attempt = 0; attempt < 10; ++attempt) {
            at = NowUs();
            now = LookAt(f);
            now.text = last.text;
            if (now.popup == "hidden") {
                now.text.clear();
                break;
            }
            if (now.popup == last.popup && now.icon == last.icon && at - textRead < 5000) {
                break;
            }
            if (f.box != nullptr) {
                now.text = SentText(f.box).value_or(L"?");
                textRead = at;
            }
            Seen again = LookAt(f);
            again.text = now.text;
            if (again == now) {
                break;
            }
        }
        // With press, the pointer goes to each icon that appears and presses it 5 ms after it
        // showed, far sooner than a hand can, once the system has the pointer there: under Wine
        // the X server's own pointer may still be reported where it was for a moment, and a
        // press then lands beside the icon.
        if (now.icon == "hidden") {
            iconSince = 0;
            iconPressed = false;
        } else if (iconSince == 0) {
            iconSince = at;
            if (press && !first) {
                PointerAt(now.icon, false);
            }
        }
        if (press && !first && !iconPressed && iconSince != 0 && at - iconSince >= 5000) {
            iconPressed = PointerAt(now.icon, true);
        }
        if (first || !(now == last)) {
            char stamp[32];
            std::snprintf(stamp, sizeof stamp, "%lld.%06lld", at / 1000000, at % 1000000);
            Line(std::string("t=") + stamp + " button=" + (now.button ? "down" : "up") + " icon=" + now.icon +
                 " popup=" + now.popup + " text=" + Quote(now.text));
            Flush();
            last = now;
            first = false;
        }
        Sleep(1);
    }
    return kOk;
}

constexpr const char* kUsageText =
    "usage: plv-probe COMMAND ...\n"
    "  windows EXE|pid=N|*          top-level windows of a process, then their children\n"
    "  wait-window EXE|pid=N MATCH SECONDS [visible]\n"
    "                               waits for a top-level window whose class or title holds MATCH\n"
    "  msgbox EXE|pid=N             message boxes (#32770): title, text, buttons\n"
    "  click EXE|pid=N ID           BM_CLICK on a message box's button (1 = OK)\n"
    "  foreground                   the foreground window and its process\n"
    "  clipboard                    formats with sizes and digests, then the Unicode text\n"
    "  clipboard-text               the Unicode text alone\n"
    "  clipboard-set ITEM...        empties the clipboard and puts ITEMs: text=STR ansi=STR\n"
    "                               format=NAME:HEX (NAME #N: a format number) dib=WxH emf\n"
    "  notepad-text                 text and selection of Notepad's edit control\n"
    "  lock PATH SECONDS            holds a file open with no sharing for a while\n"
    "  rich-colors EXE|pid=N        text colours of the first visible rich edit box, as runs\n"
    "  move-window EXE|pid=N MATCH L,T,R,B\n"
    "                               moves and sizes a top-level window whose class or title holds MATCH\n"
    "  monitor X Y                  the monitor of the point (or the nearest) and its work area\n"
    "  watch EXE|pid=N SECONDS [press]\n"
    "                               every millisecond the left button, the floating icon and the popup\n"
    "                               with its text, each moment read whole; a line when they change;\n"
    "                               press: the pointer to each icon, and a click 5 ms after it shows\n";

int Usage() {
    WriteHandle(STD_ERROR_HANDLE, kUsageText);
    return kUsage;
}

int Run(const std::vector<std::wstring>& a) {
    if (a.empty()) {
        return Usage();
    }
    const std::wstring& cmd = a[0];
    const std::size_t n = a.size();
    if (cmd == L"windows" && n == 2) {
        const auto t = ParseTarget(a[1]);
        return t ? Windows(*t) : Usage();
    }
    if (cmd == L"wait-window" && (n == 4 || n == 5)) {
        const auto t = ParseTarget(a[1]);
        const auto seconds = ParseSeconds(a[3]);
        if (!t || !seconds || (n == 5 && a[4] != L"visible")) {
            return Usage();
        }
        return WaitWindow(*t, a[2], *seconds, n == 5);
    }
    if (cmd == L"msgbox" && n == 2) {
        const auto t = ParseTarget(a[1]);
        return t ? MessageBoxes(*t) : Usage();
    }
    if (cmd == L"click" && n == 3) {
        const auto t = ParseTarget(a[1]);
        const auto id = ParseUnsigned(a[2]);
        if (!t || !id || *id > 0xffff) {
            return Usage();
        }
        return Click(*t, static_cast<int>(*id));
    }
    if (cmd == L"foreground" && n == 1) {
        return Foreground();
    }
    if (cmd == L"clipboard" && n == 1) {
        return DumpClipboard();
    }
    if (cmd == L"clipboard-text" && n == 1) {
        return ClipboardText();
    }
    if (cmd == L"clipboard-set") {
        return ClipboardSet(std::vector<std::wstring>(a.begin() + 1, a.end()));
    }
    if (cmd == L"notepad-text" && n == 1) {
        return NotepadText();
    }
    if (cmd == L"lock" && n == 3) {
        const auto seconds = ParseSeconds(a[2]);
        return seconds ? Lock(a[1], *seconds) : Usage();
    }
    if (cmd == L"move-window" && n == 4) {
        const auto t = ParseTarget(a[1]);
        const auto r = ParseRect(a[3]);
        return t && r ? MoveWindowTo(*t, a[2], *r) : Usage();
    }
    if (cmd == L"watch" && (n == 3 || (n == 4 && a[3] == L"press"))) {
        const auto t = ParseTarget(a[1]);
        const auto seconds = ParseSeconds(a[2]);
        return t && seconds ? Watch(*t, *seconds, n == 4) : Usage();
    }
    if (cmd == L"monitor" && n == 3) {
        const auto x = ParseLong(a[1]);
        const auto y = ParseLong(a[2]);
        return x && y ? MonitorOf(*x, *y) : Usage();
    }
    if (cmd == L"rich-colors" && n == 2) {
        const auto t = ParseTarget(a[1]);
        return t ? RichColours(*t) : Usage();
    }
    return Usage();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Screen coordinates in real pixels, the ones xdotool and screenshots use.
    SetProcessDPIAware();
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    const int rc = Run(args);
    Flush();
    return rc;
}
