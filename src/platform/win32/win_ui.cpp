// The program's own windows: forms, their controls (labels and pictures drawn by us, the rich
// edit text box, a button), menus and text measurement.
//
// Forms of the program that float over other applications (no border, not in the taskbar)
// never take the activation: they are tool windows with WS_EX_NOACTIVATE, they answer
// WM_MOUSEACTIVATE with MA_NOACTIVATE, and showing them never activates them, so that the
// application the user selected in keeps the keyboard focus.

#include <cstring>

#include "base/numbers.h"
#include "platform/win32/res/resource_ids.h"
#include "platform/win32/win_backend.h"

namespace plv::win {

struct WinControl {
    ControlId id = 0;
    HWND hwnd = nullptr;
    ControlDesign design;
    WinForm* form = nullptr;
    bool pressed = false;  // the left button went down on it and has not come up yet
};

struct WinForm {
    WinUi* ui = nullptr;
    HWND hwnd = nullptr;
    FormDesign design;
    WindowEvents* events = nullptr;
    Rgb backColor = 0;
    HBRUSH brush = nullptr;
    bool floating = false;  // never takes the activation
    std::vector<std::unique_ptr<WinControl>> controls;
    HWND tooltip = nullptr;
    HMENU menu = nullptr;
    UINT trayMessage = 0;
    bool closeFromMenu = false;  // SC_CLOSE came before the WM_CLOSE
    bool hasBrowser = false;     // holds the browser area

    ~WinForm() {
        if (brush != nullptr) {
            DeleteObject(brush);
        }
        if (menu != nullptr) {
            DestroyMenu(menu);
        }
    }
};

namespace {

constexpr wchar_t kFormClass[] = L"ParlevoForm";
constexpr wchar_t kPictureClass[] = L"ParlevoPicture";
constexpr int kFirstChildId = 100;

int ResourceId(Picture p) {
    switch (p) {
        case Picture::TrayOrange:
            return IDI_TRAY_ORANGE;
        case Picture::TrayBlue:
            return IDI_TRAY_BLUE;
        case Picture::TrayGrey:
            return IDI_TRAY_GREY;
        case Picture::Emblem:
            return IDI_EMBLEM;
        case Picture::CloseCross:
            return IDI_CLOSE;
        case Picture::Logo:
            return IDB_LOGO;
        case Picture::None:
            break;
    }
    return 0;
}

// Icons hold one drawing per size and are loaded at the size they are shown; only the logo is a
// bitmap.
bool IsIcon(Picture p) {
    return p != Picture::Logo && p != Picture::None;
}

// Labels draw with these flags and are measured with the same ones, so that a label sized to its
// caption shows all of it.
UINT LabelFormat(bool wordWrap) {
    return DT_NOPREFIX | DT_LEFT | DT_TOP | (wordWrap ? DT_WORDBREAK : 0u);
}

RectPx ToRectPx(const RECT& r) {
    return {static_cast<std::int32_t>(r.left), static_cast<std::int32_t>(r.top),
            static_cast<std::int32_t>(r.right), static_cast<std::int32_t>(r.bottom)};
}

HWND InsertAfterHandle(Hwnd h) {
    if (h == kHwndTopmost) {
        return HWND_TOPMOST;
    }
    if (h == kHwndNoTopmost) {
        return HWND_NOTOPMOST;
    }
    return h == kHwndTop ? HWND_TOP : ToHwnd(h);
}

}  // namespace

WinUi::WinUi(HINSTANCE instance, const ScreenFactors& factors) : instance_(instance), factors_(factors) {
    // Common controls 6, as the manifest asks (the activation context picks the version for the
    // name), from System32's side-by-side store; neither DLL is imported.
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    if (auto init =
            FindProc<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(L"comctl32.dll", "InitCommonControlsEx")) {
        init(&icc);
    }
    // The rich edit control that understands code page 1200 and characters outside the BMP.
    SystemModule(L"Msftedit.dll");
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &WinUi::FormProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_APP));
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);

    WNDCLASSEXW pc{};
    pc.cbSize = sizeof pc;
    pc.lpfnWndProc = &WinUi::PictureProc;
    pc.hInstance = instance_;
    pc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    pc.lpszClassName = kPictureClass;
    RegisterClassExW(&pc);
}

WinUi::~WinUi() {
    for (auto& [hwnd, form] : forms_) {
        form->events = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
    forms_.clear();
    if (owner_ != nullptr) {
        DestroyWindow(owner_);
    }
    for (auto& [key, font] : fonts_) {
        DeleteObject(font);
    }
    for (auto& [key, icon] : icons_) {
        DestroyIcon(icon);
    }
    for (auto& [key, bitmap] : bitmaps_) {
        DeleteObject(bitmap);
    }
}

int WinUi::ToPxX(double twips) const {
    return RoundHalfEven32(twips / factors_.TwipsX());
}

int WinUi::ToPxY(double twips) const {
    return RoundHalfEven32(twips / factors_.TwipsY());
}

WinForm* WinUi::Find(Hwnd form) {
    auto it = forms_.find(ToHwnd(form));
    return it == forms_.end() ? nullptr : it->second.get();
}

WinControl* WinUi::Find(Hwnd form, ControlId control) {
    WinForm* f = Find(form);
    if (f == nullptr || control == 0 || control > f->controls.size()) {
        return nullptr;
    }
    return f->controls[control - 1].get();
}

HFONT WinUi::Font(const FontSpec& spec) {
    std::wstring key(W(spec.face));
    key += L"|" + std::to_wstring(spec.sizePt) + L"|" + std::to_wstring(spec.bold) + L"|" +
           std::to_wstring(spec.underline) + L"|" + std::to_wstring(spec.charset);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) {
        return it->second;
    }
    LOGFONTW lf{};
    lf.lfHeight = -RoundHalfEven32(spec.sizePt * factors_.dpiY / 72.0);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = spec.underline ? TRUE : FALSE;
    lf.lfCharSet = spec.charset;
    lf.lfQuality = DEFAULT_QUALITY;
    std::u16string face = spec.face.substr(0, LF_FACESIZE - 1);
    face.copy(reinterpret_cast<char16_t*>(lf.lfFaceName), face.size());
    HFONT font = CreateFontIndirectW(&lf);
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    fonts_[key] = font;
    return font;
}

HICON WinUi::Icon(Picture picture, int size) {
    auto key = std::make_pair(static_cast<int>(picture), size);
    auto it = icons_.find(key);
    if (it != icons_.end()) {
        return it->second;
    }
    auto icon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(ResourceId(picture)), IMAGE_ICON,
                                              size, size, LR_DEFAULTCOLOR));
    icons_[key] = icon;
    return icon;
}

HBITMAP WinUi::Bitmap(Picture picture) {
    int id = ResourceId(picture);
    auto it = bitmaps_.find(id);
    if (it != bitmaps_.end()) {
        return it->second;
    }
    auto bitmap = static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                                  LR_DEFAULTCOLOR | LR_CREATEDIBSECTION));
    bitmaps_[id] = bitmap;
    return bitmap;
}

HCURSOR WinUi::HandCursor() {
    if (hand_ == nullptr) {
        hand_ = static_cast<HCURSOR>(
            LoadImageW(instance_, MAKEINTRESOURCEW(IDC_HAND), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
        if (hand_ == nullptr) {
            hand_ = LoadCursorW(nullptr, MAKEINTRESOURCEW(32649));  // the system's hand
        }
    }
    return hand_;
}

// --- forms

HWND WinUi::HiddenOwner() {
    if (owner_ == nullptr) {
        owner_ = CreateWindowExW(WS_EX_TOOLWINDOW, kFormClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 instance_, nullptr);
    }
    return owner_;
}

Hwnd WinUi::CreateForm(const FormDesign& design, WindowEvents* events) {
    gone_.clear();
    auto form = std::make_unique<WinForm>();
    form->ui = this;
    form->design = design;
    form->events = events;
    form->backColor = design.backColor;
    form->brush = CreateSolidBrush(design.backColor);

    DWORD style = 0;
    DWORD exStyle = 0;
    switch (design.border) {
        case FormBorder::Sizable:
            style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
            break;
        case FormBorder::FixedDialog:
            style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
            exStyle = WS_EX_DLGMODALFRAME;
            break;
        case FormBorder::None:
            style = WS_POPUP | WS_CLIPCHILDREN;
            break;
    }
    if (!design.showInTaskbar) {
        form->floating = design.border == FormBorder::None;
        exStyle |= WS_EX_TOOLWINDOW;
        if (form->floating) {
            exStyle |= WS_EX_NOACTIVATE | WS_EX_TOPMOST;
        }
    } else {
        exStyle |= WS_EX_APPWINDOW;
    }
    RECT r{0, 0, ToPxX(design.clientWidthTwips), ToPxY(design.clientHeightTwips)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    int x = 0;
    int y = 0;
    if (design.centerOnScreen) {
        RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + (work.right - work.left - width) / 2;
        y = work.top + (work.bottom - work.top - height) / 2;
    }
    WinForm* f = form.get();
    // A window that is not in the taskbar is owned by a hidden window of ours: the taskbar leaves
    // owned windows out whatever their styles (Wine's shows unowned tool windows).
    HWND owner = design.showInTaskbar ? nullptr : HiddenOwner();
    HWND hwnd = CreateWindowExW(exStyle, kFormClass, W(design.caption), style, x, y, width, height, owner,
                                nullptr, instance_, f);
    if (hwnd == nullptr) {
        return 0;
    }
    forms_[hwnd] = std::move(form);
    return FromHwnd(hwnd);
}

void WinUi::DestroyForm(Hwnd form) {
    auto it = forms_.find(ToHwnd(form));
    if (it == forms_.end()) {
        return;
    }
    // The form may be closing itself from one of its own handlers: no event reaches it from now
    // on, and its records stay until the next form is made.
    std::unique_ptr<WinForm> f = std::move(it->second);
    forms_.erase(it);
    f->events = nullptr;
    SetWindowLongPtrW(f->hwnd, GWLP_USERDATA, 0);
    // The browser control goes first, while the window it lives in is still there.
    if (f->hasBrowser && browser_ != nullptr) {
        browser_->HostDestroying();
    }
    for (auto& c : f->controls) {
        if (c->design.kind == ControlKind::Label || c->design.kind == ControlKind::Image ||
            c->design.kind == ControlKind::PictureBox) {
            SetWindowLongPtrW(c->hwnd, GWLP_USERDATA, 0);
        }
    }
    DestroyWindow(f->hwnd);
    if (f->tooltip != nullptr) {
        DestroyWindow(f->tooltip);
    }
    gone_.push_back(std::move(f));
}

void WinUi::ShowWindow(Hwnd form, ShowCommand command) {
    WinForm* f = Find(form);
    int cmd = static_cast<int>(command);
    if (f != nullptr && f->floating && command == ShowCommand::Show) {
        cmd = SW_SHOWNA;
    }
    ::ShowWindow(ToHwnd(form), cmd);
}

bool WinUi::IsWindowVisible(Hwnd form) {
    return ::IsWindowVisible(ToHwnd(form)) != 0;
}

void WinUi::MoveWindow(Hwnd form, RectPx b) {
    ::MoveWindow(ToHwnd(form), b.left, b.top, b.Width(), b.Height(), TRUE);
}

bool WinUi::SetWindowPos(Hwnd form, Hwnd insertAfter, std::int32_t x, std::int32_t y, std::int32_t cx,
                         std::int32_t cy, std::uint32_t flags) {
    return ::SetWindowPos(ToHwnd(form), InsertAfterHandle(insertAfter), x, y, cx, cy, flags) != 0;
}

RectPx WinUi::GetClientRect(Hwnd form) {
    RECT r{};
    ::GetClientRect(ToHwnd(form), &r);
    return ToRectPx(r);
}

std::int32_t WinUi::GetWindowLong(Hwnd form, int index) {
    return static_cast<std::int32_t>(::GetWindowLongW(ToHwnd(form), index));
}

std::int32_t WinUi::SetWindowLong(Hwnd form, int index, std::int32_t value) {
    return static_cast<std::int32_t>(::SetWindowLongW(ToHwnd(form), index, value));
}

bool WinUi::SetLayeredWindowAttributes(Hwnd form, Rgb colorKey, std::uint8_t alpha, std::uint32_t flags) {
    return ::SetLayeredWindowAttributes(ToHwnd(form), colorKey, alpha, flags) != 0;
}

void WinUi::Repaint(Hwnd form) {
    RedrawWindow(ToHwnd(form), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void WinUi::SetFormBackColor(Hwnd form, Rgb color) {
    WinForm* f = Find(form);
    if (f == nullptr) {
        return;
    }
    f->backColor = color;
    if (f->brush != nullptr) {
        DeleteObject(f->brush);
    }
    f->brush = CreateSolidBrush(color);
    InvalidateRect(f->hwnd, nullptr, TRUE);
}

// --- controls

ControlId WinUi::AddControl(Hwnd form, const ControlDesign& design) {
    WinForm* f = Find(form);
    if (f == nullptr) {
        return 0;
    }
    auto c = std::make_unique<WinControl>();
    c->design = design;
    c->form = f;
    c->id = static_cast<ControlId>(f->controls.size() + 1);
    const wchar_t* cls = kPictureClass;
    DWORD style = WS_CHILD | (design.visible ? WS_VISIBLE : 0u);
    switch (design.kind) {
        case ControlKind::RichText:
            cls = MSFTEDIT_CLASS;
            style |= ES_MULTILINE | ES_READONLY | ES_NOHIDESEL;
            break;
        case ControlKind::Button:
            cls = L"BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case ControlKind::Browser:
            // The area the engine shows the page in; without an engine it stays empty.
            cls = L"STATIC";
            style |= WS_CLIPCHILDREN;
            break;
        case ControlKind::Label:
        case ControlKind::Image:
        case ControlKind::PictureBox:
            break;
    }
    WinControl* raw = c.get();
    HWND hwnd =
        CreateWindowExW(0, cls, W(design.caption), style, ToPxX(design.bounds.left), ToPxY(design.bounds.top),
                        ToPxX(design.bounds.width), ToPxY(design.bounds.height), f->hwnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstChildId + c->id)), instance_, raw);
    if (hwnd == nullptr) {
        return 0;
    }
    c->hwnd = hwnd;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font(design.font)), FALSE);
    if (design.kind == ControlKind::RichText) {
        SendMessageW(hwnd, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(design.backColor.value_or(f->backColor)));
        SendMessageW(hwnd, EM_SETTARGETDEVICE, 0, 0);  // wrap at the box's width
        SetWindowTextW(hwnd, W(design.caption));
    }
    if (!design.tooltip.empty()) {
        if (f->tooltip == nullptr) {
            f->tooltip =
                CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, f->hwnd, nullptr, instance_, nullptr);
        }
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = f->hwnd;
        ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
        std::u16string tip = design.tooltip;
        ti.lpszText = const_cast<wchar_t*>(W(tip));
        SendMessageW(f->tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    if (design.kind == ControlKind::Browser && browser_ != nullptr) {
        f->hasBrowser = true;
        browser_->HostCreated(hwnd);
        browser_->HostResized(ToPxX(design.bounds.width), ToPxY(design.bounds.height));
    }
    f->controls.push_back(std::move(c));
    return raw->id;
}

void WinUi::SetControlBounds(Hwnd form, ControlId control, RectTwips b) {
    WinControl* c = Find(form, control);
    if (c == nullptr) {
        return;
    }
    c->design.bounds = b;
    ::MoveWindow(c->hwnd, ToPxX(b.left), ToPxY(b.top), ToPxX(b.width), ToPxY(b.height), TRUE);
    if (c->design.kind == ControlKind::Browser && browser_ != nullptr) {
        browser_->HostResized(ToPxX(b.width), ToPxY(b.height));
    }
}

void WinUi::SetControlText(Hwnd form, ControlId control, const std::u16string& text) {
    WinControl* c = Find(form, control);
    if (c == nullptr) {
        return;
    }
    c->design.caption = text;
    SetWindowTextW(c->hwnd, W(text));
    InvalidateRect(c->hwnd, nullptr, TRUE);
}

void WinUi::SetControlVisible(Hwnd form, ControlId control, bool visible) {
    WinControl* c = Find(form, control);
    if (c == nullptr) {
        return;
    }
    c->design.visible = visible;
    ::ShowWindow(c->hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void WinUi::SetControlForeColor(Hwnd form, ControlId control, Rgb color) {
    WinControl* c = Find(form, control);
    if (c == nullptr) {
        return;
    }
    c->design.foreColor = color;
    if (c->design.kind == ControlKind::RichText) {
        CHARFORMAT2W cf{};
        cf.cbSize = sizeof cf;
        cf.dwMask = CFM_COLOR;
        cf.crTextColor = color;
        SendMessageW(c->hwnd, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    }
    InvalidateRect(c->hwnd, nullptr, TRUE);
}

void WinUi::SetControlBackColor(Hwnd form, ControlId control, Rgb color) {
    WinControl* c = Find(form, control);
    if (c == nullptr) {
        return;
    }
    c->design.backColor = color;
    if (c->design.kind == ControlKind::RichText) {
        SendMessageW(c->hwnd, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(color));
    }
    InvalidateRect(c->hwnd, nullptr, TRUE);
}

SizeTwips WinUi::MeasureText(const std::u16string& text, const FontSpec& font, bool wordWrap,
                             double widthTwips) {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) {
        return {};
    }
    HGDIOBJ old = SelectObject(dc, Font(font));
    RECT r{0, 0, wordWrap ? ToPxX(widthTwips) : 0, 0};
    if (text.empty()) {
        // An empty caption still takes one line, as a label shows it.
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        r.bottom = tm.tmHeight;
    } else {
        DrawTextW(dc, W(text), static_cast<int>(text.size()), &r, DT_CALCRECT | LabelFormat(wordWrap));
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {static_cast<double>(r.right - r.left) * factors_.TwipsX(),
            static_cast<double>(r.bottom - r.top) * factors_.TwipsY()};
}

// --- the rich text box

namespace {

struct PlainTextSource {
    const std::u16string& text;
    std::size_t at;  // bytes given so far
};

// EM_STREAMIN's reader: the next bytes of the text, whole UTF-16 units only.
DWORD CALLBACK GivePlainText(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* given) {
    auto* s = reinterpret_cast<PlainTextSource*>(cookie);
    std::size_t total = s->text.size() * sizeof(char16_t);
    std::size_t n = std::min(total - s->at, static_cast<std::size_t>(size > 0 ? size : 0) & ~std::size_t{1});
    std::memcpy(buffer, reinterpret_cast<const std::uint8_t*>(s->text.data()) + s->at, n);
    s->at += n;
    *given = static_cast<LONG>(n);
    return 0;
}

}  // namespace

void WinUi::RichSetTextEx(Hwnd form, ControlId box, const std::u16string& text, bool replaceSelection) {
    WinControl* c = Find(form, box);
    if (c == nullptr) {
        return;
    }
    // Streamed in as plain text: EM_SETTEXTEX (and WM_SETTEXT) read a text that begins with
    // "{\rtf" as RTF, which would let a translation, or a selection passed through unchanged,
    // put formatting, hidden text or pictures into the popup.
    PlainTextSource source{text, 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = GivePlainText;
    WPARAM format = SF_TEXT | SF_UNICODE | (replaceSelection ? SFF_SELECTION : 0);
    SendMessageW(c->hwnd, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
}

std::u16string WinUi::RichGetTextEx(Hwnd form, ControlId box, std::size_t maxChars) {
    WinControl* c = Find(form, box);
    if (c == nullptr || maxChars == 0) {
        return {};
    }
    // The buffer holds maxChars units with the terminating NUL among them.
    std::vector<wchar_t> buf(maxChars);
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    gt.flags = GT_DEFAULT;
    gt.codepage = 1200;
    auto n = SendMessageW(c->hwnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                          reinterpret_cast<LPARAM>(buf.data()));
    if (n <= 0) {
        return {};
    }
    return U16(buf.data(), std::min(static_cast<std::size_t>(n), maxChars - 1));
}

std::size_t WinUi::RichGetTextLength(Hwnd form, ControlId box) {
    WinControl* c = Find(form, box);
    if (c == nullptr) {
        return 0;
    }
    auto n = SendMessageW(c->hwnd, WM_GETTEXTLENGTH, 0, 0);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void WinUi::RichSetSelection(Hwnd form, ControlId box, std::size_t start, std::size_t length) {
    WinControl* c = Find(form, box);
    if (c == nullptr) {
        return;
    }
    // A rich edit control lets a selection take in the paragraph mark after the last character;
    // the program counts only the text, so the end stops there.
    std::size_t textLength = RichGetTextLength(form, box);
    start = std::min(start, textLength);
    CHARRANGE cr{static_cast<LONG>(start), static_cast<LONG>(start + std::min(length, textLength - start))};
    SendMessageW(c->hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

std::pair<std::size_t, std::size_t> WinUi::RichGetSelection(Hwnd form, ControlId box) {
    WinControl* c = Find(form, box);
    if (c == nullptr) {
        return {0, 0};
    }
    CHARRANGE cr{0, 0};
    SendMessageW(c->hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    std::size_t textLength = RichGetTextLength(form, box);
    auto start = std::min(static_cast<std::size_t>(std::max<LONG>(cr.cpMin, 0)), textLength);
    auto end = std::min(static_cast<std::size_t>(std::max<LONG>(cr.cpMax, cr.cpMin)), textLength);
    return {start, end - start};
}

void WinUi::RichSetSelectionFormat(Hwnd form, ControlId box, const CharFormat& format) {
    WinControl* c = Find(form, box);
    if (c == nullptr) {
        return;
    }
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    if (format.color) {
        cf.dwMask |= CFM_COLOR;
        cf.crTextColor = *format.color;
    }
    if (format.sizePt) {
        cf.dwMask |= CFM_SIZE;
        cf.yHeight = RoundHalfEven32(*format.sizePt * 20.0);
    }
    if (format.face) {
        cf.dwMask |= CFM_FACE;
        std::u16string face = format.face->substr(0, LF_FACESIZE - 1);
        face.copy(reinterpret_cast<char16_t*>(cf.szFaceName), face.size());
    }
    auto effect = [&cf](const std::optional<bool>& on, DWORD mask, DWORD bit) {
        if (on) {
            cf.dwMask |= mask;
            if (*on) {
                cf.dwEffects |= bit;
            }
        }
    };
    effect(format.bold, CFM_BOLD, CFE_BOLD);
    effect(format.italic, CFM_ITALIC, CFE_ITALIC);
    effect(format.underline, CFM_UNDERLINE, CFE_UNDERLINE);
    effect(format.strikeout, CFM_STRIKEOUT, CFE_STRIKEOUT);
    SendMessageW(c->hwnd, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

// --- menus

void WinUi::SetMenu(Hwnd form, const std::vector<MenuItem>& items) {
    WinForm* f = Find(form);
    if (f == nullptr) {
        return;
    }
    if (f->menu != nullptr) {
        DestroyMenu(f->menu);
    }
    // A pop-up menu kept by the form, never attached as a menu bar.
    f->menu = CreatePopupMenu();
    for (const MenuItem& item : items) {
        if (item.id == 0) {
            AppendMenuW(f->menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuW(f->menu, static_cast<UINT>(MF_STRING) | (item.enabled ? MF_ENABLED : MF_GRAYED), item.id,
                    W(item.caption));
        if (item.isDefault) {
            SetMenuDefaultItem(f->menu, item.id, FALSE);
        }
    }
}

void WinUi::UpdateMenuItem(Hwnd form, const MenuItem& item) {
    WinForm* f = Find(form);
    if (f == nullptr || f->menu == nullptr) {
        return;
    }
    ModifyMenuW(f->menu, item.id, MF_BYCOMMAND | MF_STRING, item.id, W(item.caption));
    EnableMenuItem(f->menu, item.id,
                   static_cast<UINT>(MF_BYCOMMAND) | (item.enabled ? MF_ENABLED : MF_GRAYED));
    if (item.isDefault) {
        SetMenuDefaultItem(f->menu, item.id, FALSE);
    }
}

std::uint32_t WinUi::TrackPopupMenu(Hwnd form, PointPx at) {
    WinForm* f = Find(form);
    if (f == nullptr || f->menu == nullptr) {
        return 0;
    }
    HWND hwnd = f->hwnd;
    // The menu belongs to a foreground window of ours, or it would not close when the user
    // clicks elsewhere; the posted WM_NULL lets a second open work at once.
    ::SetForegroundWindow(hwnd);
    BOOL chosen =
        TrackPopupMenuEx(f->menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, hwnd, nullptr);
    PostMessageW(hwnd, WM_NULL, 0, 0);
    return chosen > 0 ? static_cast<std::uint32_t>(chosen) : 0u;
}

void WinUi::SetTrayMessage(Hwnd form, UINT message) {
    if (WinForm* f = Find(form)) {
        f->trayMessage = message;
    }
}

// --- window procedures

LRESULT CALLBACK WinUi::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        // The hidden owner window is of this class too, without a form of its own.
        if (auto* f = static_cast<WinForm*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams)) {
            f->hwnd = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(f));
        }
    }
    auto* f = reinterpret_cast<WinForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (f == nullptr) {
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return f->ui->OnFormMessage(*f, hwnd, msg, wp, lp);
}

LRESULT WinUi::OnFormMessage(WinForm& f, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WindowEvents* events = f.events;
    if (f.trayMessage != 0 && msg == f.trayMessage) {
        if (events != nullptr) {
            events->OnTrayNotify(LOWORD(lp));
        }
        return 0;
    }
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        if (events != nullptr) {
            events->OnTaskbarCreated();
        }
        return 0;
    }
    switch (msg) {
        case WM_MOUSEACTIVATE:
            if (f.floating) {
                return MA_NOACTIVATE;
            }
            break;
        case WM_SHOWWINDOW:
            if (f.hasBrowser && browser_ != nullptr) {
                browser_->HostShown(wp != 0);
            }
            break;
        case WM_WINDOWPOSCHANGED:
            // A browser window of its own lies over the browser area, and follows the form: where
            // it goes, and in the z-order when the form comes forward (the browser's window is not
            // owned by the form, so Windows does not bring it along). DefWindowProc then sends
            // WM_MOVE and WM_SIZE as usual.
            if (f.hasBrowser && browser_ != nullptr &&
                (reinterpret_cast<const WINDOWPOS*>(lp)->flags & (SWP_NOMOVE | SWP_NOZORDER)) !=
                    (SWP_NOMOVE | SWP_NOZORDER)) {
                browser_->HostMoved();
            }
            break;
        case WM_ERASEBKGND: {
            RECT r;
            ::GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, f.brush);
            return 1;
        }
        case WM_SIZE:
            if (events != nullptr) {
                events->OnResize();
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (events != nullptr) {
                events->OnMouseDown(0, msg == WM_LBUTTONDOWN   ? MouseButton::Left
                                       : msg == WM_RBUTTONDOWN ? MouseButton::Right
                                                               : MouseButton::Middle);
            }
            return 0;
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED && lp != 0) {
                auto id = static_cast<int>(LOWORD(wp)) - kFirstChildId;
                if (id > 0 && events != nullptr) {
                    events->OnClick(static_cast<ControlId>(id));
                }
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC: {
            // The empty area of a browser without an engine takes the form's colour.
            SetBkColor(reinterpret_cast<HDC>(wp), f.backColor);
            return reinterpret_cast<LRESULT>(f.brush);
        }
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_CLOSE) {
                // The close box and the window menu come this way; a WM_CLOSE without it was
                // sent by another program (the task manager ends programs so).
                f.closeFromMenu = true;
            }
            break;
        case WM_CLOSE: {
            CloseReason reason = f.closeFromMenu ? CloseReason::User : CloseReason::TaskManager;
            f.closeFromMenu = false;
            if (events != nullptr && !events->OnCloseRequest(reason)) {
                return 0;
            }
            break;
        }
        case WM_QUERYENDSESSION:
            if (events != nullptr) {
                events->OnCloseRequest(CloseReason::System);
            }
            return TRUE;
        case WM_ENDSESSION:
            if (wp != 0 && events != nullptr) {
                events->OnCloseRequest(CloseReason::System);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK WinUi::PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* c = static_cast<WinControl*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        c->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(c));
    }
    auto* c = reinterpret_cast<WinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (c == nullptr) {
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return c->form->ui->OnPictureMessage(*c, hwnd, msg, wp, lp);
}

void WinUi::PaintLabel(WinControl& c, HDC dc, const RECT& client) {
    const ControlDesign& d = c.design;
    // A label without a colour of its own shows the form through it.
    HBRUSH back = d.backColor ? CreateSolidBrush(*d.backColor) : nullptr;
    FillRect(dc, &client, back != nullptr ? back : c.form->brush);
    if (back != nullptr) {
        DeleteObject(back);
    }
    if (d.kind == ControlKind::Label) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, d.foreColor.value_or(GetSysColor(COLOR_BTNTEXT)));
        HGDIOBJ old = SelectObject(dc, Font(d.font));
        RECT r = client;
        DrawTextW(dc, W(d.caption), static_cast<int>(d.caption.size()), &r, LabelFormat(d.wordWrap));
        SelectObject(dc, old);
    } else if (IsIcon(d.picture)) {
        DrawIconEx(dc, 0, 0, Icon(d.picture, client.right), client.right, client.bottom, 0, nullptr,
                   DI_NORMAL);
    } else if (HBITMAP bmp = d.picture != Picture::None ? Bitmap(d.picture) : nullptr) {
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, bmp);
        BITMAP info{};
        GetObjectW(bmp, sizeof info, &info);
        StretchBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
    }
}

LRESULT WinUi::OnPictureMessage(WinControl& c, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT r;
            ::GetClientRect(hwnd, &r);
            PaintLabel(c, dc, r);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETTEXT:
            DefWindowProcW(hwnd, msg, wp, lp);
            InvalidateRect(hwnd, nullptr, TRUE);
            return TRUE;
        case WM_SETCURSOR:
            if (c.design.handCursor) {
                SetCursor(HandCursor());
                return TRUE;
            }
            break;
        case WM_MOUSEACTIVATE:
            // Asked of the parent: a floating form answers MA_NOACTIVATE.
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            WindowEvents* events = c.form->events;
            ControlId id = c.id;
            if (msg == WM_LBUTTONDOWN) {
                // Held until the release, which makes the click when it lands on the same control.
                c.pressed = true;
                SetCapture(hwnd);
            }
            if (events != nullptr) {
                // The handler may pump messages (a glide) or close the form; nothing of this
                // control is touched after it.
                events->OnMouseDown(id, msg == WM_LBUTTONDOWN   ? MouseButton::Left
                                        : msg == WM_RBUTTONDOWN ? MouseButton::Right
                                                                : MouseButton::Middle);
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            bool wasPressed = c.pressed;
            c.pressed = false;
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
            RECT r;
            ::GetClientRect(hwnd, &r);
            POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            WindowEvents* events = c.form->events;
            if (wasPressed && PtInRect(&r, p) && ::IsWindowVisible(hwnd) && events != nullptr) {
                events->OnClick(c.id);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            c.pressed = false;
            return 0;
        case WM_NCHITTEST:
            return HTCLIENT;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace plv::win
