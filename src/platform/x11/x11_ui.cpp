// The program's own windows, with Qt Widgets: forms are top-level widgets (floating ones without
// frame, above the others, shown without activation and never taking the focus), labels and
// pictures are painted as the Windows backend paints them, the text box is a read-only QTextEdit.
// The tray is QSystemTrayIcon.

#include <xcb/xproto.h>
#include <QtCore/QAbstractNativeEventFilter>
#include <QtGui/QIcon>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSystemTrayIcon>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QWidget>

#include <algorithm>
#include <cmath>

#include "platform/x11/x11_backend.h"

// The pictures are resources of this static library: they are registered by hand.
static void InitPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace plv::x11 {

namespace {

QString Q(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

std::u16string U(const QString& s) {
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

QColor Color(Rgb c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

QFont FontOf(const FontSpec& spec) {
    QFont f(Q(spec.face));
    f.setPointSizeF(spec.sizePt);
    f.setBold(spec.bold);
    f.setUnderline(spec.underline);
    return f;
}

// The Windows backend's pictures, built in as Qt resources: icons at the size they are shown,
// the logo as it is.
QPixmap PictureOf(Picture p, int size) {
    const char* name = nullptr;
    switch (p) {
        case Picture::TrayOrange:
            name = ":/plv/tray_orange.ico";
            break;
        case Picture::TrayBlue:
            name = ":/plv/tray_blue.ico";
            break;
        case Picture::TrayGrey:
            name = ":/plv/tray_grey.ico";
            break;
        case Picture::Emblem:
            name = ":/plv/emblem.ico";
            break;
        case Picture::CloseCross:
            name = ":/plv/close.ico";
            break;
        case Picture::Logo:
            return QPixmap(":/plv/logo.bmp");
        case Picture::None:
            return {};
    }
    return QIcon(name).pixmap(size, size);
}

// Paragraph ends are one CR, as the rich edit control keeps them.
QString ToDocumentText(const std::u16string& text) {
    QString s = Q(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    s.replace(QChar('\n'), QChar('\r'));
    return s;
}

}  // namespace

struct QtControl;

struct QtForm {
    X11Ui* ui = nullptr;
    FormDesign design;
    WindowEvents* events = nullptr;
    QWidget* widget = nullptr;
    Rgb backColor = 0;
    std::int32_t exStyle = 0;
    bool floating = false;
    std::vector<std::unique_ptr<QtControl>> controls;
    std::vector<MenuItem> menu;
};

struct QtControl {
    QtForm* form = nullptr;
    ControlId id = 0;
    ControlDesign design;
    QWidget* widget = nullptr;
    QTextEdit* text = nullptr;  // the rich text box
    bool pressed = false;
};

namespace {

// Keeps the page's engine told where the browser area is: the browser's window is a child of the
// area, on the screen while its form is shown and unmapped while it is hidden. The keyboard focus
// the window manager gives the form (when it is activated, or clicked in) goes on to the page.
class BrowserAreaWatch : public QObject, public QAbstractNativeEventFilter {
  public:
    BrowserAreaWatch(devtools::LinuxChromium& engine, QWidget& area)
        : QObject(&area), engine_(engine), area_(area) {
        area.window()->installEventFilter(this);
        area.installEventFilter(this);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~BrowserAreaWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    BrowserAreaWatch(const BrowserAreaWatch&) = delete;
    BrowserAreaWatch& operator=(const BrowserAreaWatch&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        const auto* e = static_cast<const xcb_generic_event_t*>(message);
        auto form = static_cast<xcb_window_t>(area_.window()->winId());
        if ((e->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            // WM_TAKE_FOCUS, answered by the page rather than by Qt.
            const auto* m = static_cast<const xcb_client_message_event_t*>(message);
            return m->window == form && m->format == 32 &&
                   engine_.HostMessage(m->type, m->data.data32[0], m->data.data32[1]);
        }
        if ((e->response_type & 0x7f) == XCB_FOCUS_IN) {
            const auto* focus = static_cast<const xcb_focus_in_event_t*>(message);
            if (focus->event == form && focus->detail != XCB_NOTIFY_DETAIL_POINTER &&
                focus->mode != XCB_NOTIFY_MODE_GRAB && focus->mode != XCB_NOTIFY_MODE_UNGRAB) {
                engine_.HostActivated();
            }
        }
        return false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        bool form = watched == area_.window();
        switch (event->type()) {
            case QEvent::Show:
                if (form) {
                    engine_.HostShown(true);
                }
                break;
            case QEvent::Hide:
                if (form) {
                    engine_.HostShown(false);
                }
                break;
            case QEvent::Move:
                engine_.HostMoved();
                break;
            case QEvent::Resize:
                if (form) {
                    engine_.HostMoved();
                } else {
                    engine_.HostResized(area_.width(), area_.height());
                }
                break;
            default:
                break;
        }
        return false;
    }

  private:
    devtools::LinuxChromium& engine_;
    QWidget& area_;
};

class FormWidget : public QWidget {
  public:
    explicit FormWidget(QtForm& f) : form_(f) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Color(form_.backColor));
    }
    void resizeEvent(QResizeEvent*) override {
        if (form_.events != nullptr) {
            form_.events->OnResize();
        }
    }
    void closeEvent(QCloseEvent* e) override {
        if (form_.events != nullptr && !form_.events->OnCloseRequest(CloseReason::User)) {
            e->ignore();
        } else {
            e->accept();
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (form_.events != nullptr) {
            form_.events->OnMouseDown(0, e->button() == Qt::RightButton    ? MouseButton::Right
                                         : e->button() == Qt::MiddleButton ? MouseButton::Middle
                                                                           : MouseButton::Left);
        }
    }

  private:
    QtForm& form_;
};

// Labels, images and picture boxes: an owner-drawn area, as on Windows.
class PictureWidget : public QWidget {
  public:
    PictureWidget(QtControl& c, QWidget* parent) : QWidget(parent), c_(c) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const ControlDesign& d = c_.design;
        // A label without a colour of its own shows the form through it.
        if (d.backColor) {
            p.fillRect(rect(), Color(*d.backColor));
        }
        if (d.kind == ControlKind::Label) {
            p.setPen(d.foreColor ? Color(*d.foreColor) : palette().color(QPalette::WindowText));
            p.setFont(FontOf(d.font));
            int flags = Qt::AlignLeft | Qt::AlignTop | (d.wordWrap ? Qt::TextWordWrap : 0);
            p.drawText(rect(), flags, Q(d.caption));
        } else if (d.picture != Picture::None) {
            p.drawPixmap(rect(), PictureOf(d.picture, std::max(width(), height())));
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        MouseButton b = e->button() == Qt::RightButton    ? MouseButton::Right
                        : e->button() == Qt::MiddleButton ? MouseButton::Middle
                                                          : MouseButton::Left;
        // Held until the release, which makes the click when it lands on the same control.
        if (b == MouseButton::Left) {
            c_.pressed = true;
        }
        if (WindowEvents* events = c_.form->events) {
            // The handler may pump events or close the form: nothing of this control after it.
            events->OnMouseDown(c_.id, b);
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        bool was = c_.pressed;
        c_.pressed = false;
        if (e->button() == Qt::LeftButton && was && rect().contains(e->position().toPoint()) && isVisible()) {
            if (WindowEvents* events = c_.form->events) {
                events->OnClick(c_.id);
            }
        }
    }

  private:
    QtControl& c_;
};

}  // namespace

X11Ui::X11Ui(Desktop& desktop) : dpiX_(std::max(desktop.DpiX(), 1)), dpiY_(std::max(desktop.DpiY(), 1)) {
    InitPictures();
    // The forms are laid out for Windows' sans-serif faces, some labels at a fixed width.
    // Fontconfig knows Arial's stand-in of the same widths, not the older faces', and would draw
    // those in a wider face whose text no longer fits its label: each gets Arial's stand-in first.
    for (const char* face : {"MS Sans Serif", "Microsoft Sans Serif", "Tahoma"}) {
        QFont::insertSubstitutions(QString::fromLatin1(face),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    }
}

X11Ui::~X11Ui() {
    for (auto& [h, f] : forms_) {
        f->events = nullptr;
        delete f->widget;
    }
}

QtForm* X11Ui::Find(Hwnd form) {
    auto it = forms_.find(form);
    return it == forms_.end() ? nullptr : it->second.get();
}

namespace {
QtControl* FindControl(QtForm* f, ControlId id) {
    if (f == nullptr || id == 0 || id > f->controls.size()) {
        return nullptr;
    }
    return f->controls[id - 1].get();
}
}  // namespace

std::optional<RectPx> X11Ui::FormRect(Hwnd form) {
    QtForm* f = Find(form);
    if (f == nullptr) {
        return std::nullopt;
    }
    QRect r = f->widget->frameGeometry();
    return RectPx{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// A top-level QWidget, hidden. Floating forms (no frame, not in the taskbar) bypass the window
// manager: they never take the focus and stay above the others.
Hwnd X11Ui::CreateForm(const FormDesign& design, WindowEvents* events) {
    gone_.clear();
    auto f = std::make_unique<QtForm>();
    f->ui = this;
    f->design = design;
    f->events = events;
    f->backColor = design.backColor;
    auto* w = new FormWidget(*f);
    Qt::WindowFlags flags = Qt::Window;
    if (!design.showInTaskbar) {
        f->floating = design.border == FormBorder::None;
        flags = Qt::Tool;
        if (f->floating) {
            flags |= Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                     Qt::X11BypassWindowManagerHint;
            w->setAttribute(Qt::WA_ShowWithoutActivating);
        }
    } else if (design.border == FormBorder::None) {
        flags |= Qt::FramelessWindowHint;
    } else if (design.border == FormBorder::FixedDialog) {
        flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;
    }
    w->setWindowFlags(flags);
    w->setWindowTitle(Q(design.caption));
    w->setWindowIcon(QIcon(":/plv/plv.ico"));
    int width = static_cast<int>(std::lround(design.clientWidthTwips / TwipsX()));
    int height = static_cast<int>(std::lround(design.clientHeightTwips / TwipsY()));
    w->resize(std::max(width, 1), std::max(height, 1));
    if (design.border == FormBorder::FixedDialog) {
        w->setFixedSize(w->size());
    }
    if (design.centerOnScreen) {
        QRect work = QApplication::primaryScreen() != nullptr
                         ? QApplication::primaryScreen()->availableGeometry()
                         : QRect(0, 0, 800, 600);
        w->move(work.left() + (work.width() - w->width()) / 2,
                work.top() + (work.height() - w->height()) / 2);
    }
    f->widget = w;
    auto h = static_cast<Hwnd>(w->winId());
    forms_[h] = std::move(f);
    return h;
}

// QWidget::deleteLater once the form hears nothing more.
void X11Ui::DestroyForm(Hwnd form) {
    auto it = forms_.find(form);
    if (it == forms_.end()) {
        return;
    }
    std::unique_ptr<QtForm> f = std::move(it->second);
    forms_.erase(it);
    f->events = nullptr;
    f->widget->hide();
    f->widget->deleteLater();
    gone_.push_back(std::move(f));
}

// QWidget::show / hide; shown without activation unless the command activates.
void X11Ui::ShowWindow(Hwnd form, ShowCommand command) {
    QtForm* f = Find(form);
    if (f == nullptr) {
        return;
    }
    QWidget* w = f->widget;
    switch (command) {
        case ShowCommand::Hide:
            w->hide();
            break;
        case ShowCommand::ShowNoActivate:
            w->setAttribute(Qt::WA_ShowWithoutActivating);
            w->show();
            break;
        case ShowCommand::ShowNormal:
        case ShowCommand::Show:
            w->setAttribute(Qt::WA_ShowWithoutActivating, f->floating);
            w->show();
            if (!f->floating) {
                w->raise();
                w->activateWindow();
            }
            break;
    }
}

// QWidget::isVisible.
bool X11Ui::IsWindowVisible(Hwnd form) {
    QtForm* f = Find(form);
    return f != nullptr && f->widget->isVisible();
}

// QWidget::move + resize: the outer bounds, less the window manager's frame where there is one.
void X11Ui::MoveWindow(Hwnd form, RectPx b) {
    QtForm* f = Find(form);
    if (f == nullptr) {
        return;
    }
    QWidget* w = f->widget;
    QRect frame = w->frameGeometry();
    QRect client = w->geometry();
    int extraW = frame.width() - client.width();
    int extraH = frame.height() - client.height();
    w->move(b.left, b.top);
    w->resize(std::max(b.Width() - extraW, 1), std::max(b.Height() - extraH, 1));
}

// QWidget::move / resize / raise / show as the flags ask.
bool X11Ui::SetWindowPos(Hwnd form, Hwnd insertAfter, std::int32_t x, std::int32_t y, std::int32_t cx,
                         std::int32_t cy, std::uint32_t flags) {
    QtForm* f = Find(form);
    if (f == nullptr) {
        return false;
    }
    QWidget* w = f->widget;
    if ((flags & kSwpNoMove) == 0) {
        w->move(x, y);
    }
    if ((flags & kSwpNoSize) == 0) {
        w->resize(std::max(cx, 1), std::max(cy, 1));
    }
    if ((flags & kSwpShowWindow) != 0) {
        w->setAttribute(Qt::WA_ShowWithoutActivating, (flags & kSwpNoActivate) != 0 || f->floating);
        w->show();
    }
    if (insertAfter == kHwndTopmost || insertAfter == kHwndTop) {
        w->raise();
    }
    return true;
}

RectPx X11Ui::GetClientRect(Hwnd form) {
    QtForm* f = Find(form);
    return f == nullptr ? RectPx{} : RectPx{0, 0, f->widget->width(), f->widget->height()};
}

// The extended style is the program's record only; layering is the window's opacity.
std::int32_t X11Ui::GetWindowLong(Hwnd form, int index) {
    QtForm* f = Find(form);
    return f != nullptr && index == kGwlExStyle ? f->exStyle : 0;
}

std::int32_t X11Ui::SetWindowLong(Hwnd form, int index, std::int32_t value) {
    QtForm* f = Find(form);
    if (f == nullptr || index != kGwlExStyle) {
        return 0;
    }
    std::int32_t old = f->exStyle;
    f->exStyle = value;
    if ((value & kWsExLayered) == 0) {
        f->widget->setWindowOpacity(1.0);
    }
    return old;
}

// QWidget::setWindowOpacity (_NET_WM_WINDOW_OPACITY, shown by a compositing manager).
bool X11Ui::SetLayeredWindowAttributes(Hwnd form, Rgb /*colorKey*/, std::uint8_t alpha, std::uint32_t flags) {
    QtForm* f = Find(form);
    if (f == nullptr || (f->exStyle & kWsExLayered) == 0) {
        return false;
    }
    if ((flags & kLwaAlpha) != 0) {
        f->widget->setWindowOpacity(alpha / 255.0);
    }
    return true;
}

// QWidget::repaint: painted now, children included.
void X11Ui::Repaint(Hwnd form) {
    if (QtForm* f = Find(form)) {
        f->widget->repaint();
    }
}

void X11Ui::SetFormBackColor(Hwnd form, Rgb color) {
    if (QtForm* f = Find(form)) {
        f->backColor = color;
        f->widget->update();
    }
}

// A child widget: the painted area for labels and pictures, QTextEdit, QPushButton, or an empty
// area for the browser.
ControlId X11Ui::AddControl(Hwnd form, const ControlDesign& design) {
    QtForm* f = Find(form);
    if (f == nullptr) {
        return 0;
    }
    auto c = std::make_unique<QtControl>();
    c->form = f;
    c->design = design;
    c->id = static_cast<ControlId>(f->controls.size() + 1);
    QtControl* raw = c.get();
    switch (design.kind) {
        case ControlKind::RichText: {
            auto* edit = new QTextEdit(f->widget);
            edit->setReadOnly(true);
            edit->setFrameStyle(0);
            edit->setFocusPolicy(Qt::NoFocus);
            edit->setLineWrapMode(QTextEdit::WidgetWidth);
            edit->setVerticalScrollBarPolicy(
                Qt::ScrollBarAlwaysOff);  // as the rich edit control, no scroll bar
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->document()->setDefaultFont(FontOf(design.font));
            edit->document()->setDocumentMargin(1);
            c->text = edit;
            c->widget = edit;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(Q(design.caption), f->widget);
            button->setFont(FontOf(design.font));
            QObject::connect(button, &QPushButton::clicked, [raw] {
                if (WindowEvents* events = raw->form->events) {
                    events->OnClick(raw->id);
                }
            });
            c->widget = button;
            break;
        }
        case ControlKind::Browser:
            // The area the engine shows the page in: a window of its own, so that the engine
            // can name it to the browser's window.
            c->widget = new QWidget(f->widget);
            c->widget->setAttribute(Qt::WA_NativeWindow);
            break;
        case ControlKind::Label:
        case ControlKind::Image:
        case ControlKind::PictureBox:
            c->widget = new PictureWidget(*raw, f->widget);
            break;
    }
    if (design.handCursor) {
        c->widget->setCursor(Qt::PointingHandCursor);
    }
    if (!design.tooltip.empty()) {
        c->widget->setToolTip(Q(design.tooltip));
    }
    // A painted label is nothing to a screen reader unless it has a name: its text, or what a
    // picture's tooltip says it is.
    if (design.kind == ControlKind::Label) {
        c->widget->setAccessibleName(Q(design.caption));
    } else if (design.kind != ControlKind::RichText && !design.tooltip.empty()) {
        c->widget->setAccessibleName(Q(design.tooltip));
    }
    f->controls.push_back(std::move(c));
    SetControlBounds(form, raw->id, design.bounds);
    if (raw->text != nullptr) {
        SetControlBackColor(form, raw->id, design.backColor.value_or(f->backColor));
        if (design.foreColor) {
            SetControlForeColor(form, raw->id, *design.foreColor);
        }
        RichSetTextEx(form, raw->id, design.caption, false);
    }
    raw->widget->setVisible(design.visible);
    if (design.kind == ControlKind::Browser && engine_ != nullptr) {
        new BrowserAreaWatch(*engine_, *raw->widget);
        engine_->HostCreated(static_cast<unsigned long>(raw->widget->winId()));
        engine_->HostResized(raw->widget->width(), raw->widget->height());
    }
    return raw->id;
}

void X11Ui::SetControlBounds(Hwnd form, ControlId control, RectTwips b) {
    QtControl* c = FindControl(Find(form), control);
    if (c == nullptr) {
        return;
    }
    c->design.bounds = b;
    c->widget->setGeometry(static_cast<int>(std::lround(b.left / TwipsX())),
                           static_cast<int>(std::lround(b.top / TwipsY())),
                           static_cast<int>(std::lround(b.width / TwipsX())),
                           static_cast<int>(std::lround(b.height / TwipsY())));
    // A hidden widget hears of its new size only when it is shown; the engine is told now.
    if (c->design.kind == ControlKind::Browser && engine_ != nullptr) {
        engine_->HostResized(c->widget->width(), c->widget->height());
    }
}

void X11Ui::SetControlText(Hwnd form, ControlId control, const std::u16string& text) {
    QtControl* c = FindControl(Find(form), control);
    if (c == nullptr) {
        return;
    }
    c->design.caption = text;
    if (c->text != nullptr) {
        RichSetTextEx(form, control, text, false);
    } else if (auto* button = dynamic_cast<QPushButton*>(c->widget)) {
        button->setText(Q(text));
    } else if (c->design.kind == ControlKind::Label) {
        c->widget->setAccessibleName(Q(text));
    }
    c->widget->update();
}

void X11Ui::SetControlVisible(Hwnd form, ControlId control, bool visible) {
    if (QtControl* c = FindControl(Find(form), control)) {
        c->design.visible = visible;
        c->widget->setVisible(visible);
    }
}

void X11Ui::SetControlForeColor(Hwnd form, ControlId control, Rgb color) {
    QtControl* c = FindControl(Find(form), control);
    if (c == nullptr) {
        return;
    }
    c->design.foreColor = color;
    if (c->text != nullptr) {
        // The whole text takes the colour, as EM_SETCHARFORMAT with SCF_ALL.
        QTextCursor all(c->text->document());
        all.select(QTextCursor::Document);
        QTextCharFormat fmt;
        fmt.setForeground(Color(color));
        all.mergeCharFormat(fmt);
        QPalette pal = c->text->palette();
        pal.setColor(QPalette::Text, Color(color));
        c->text->setPalette(pal);
    }
    c->widget->update();
}

void X11Ui::SetControlBackColor(Hwnd form, ControlId control, Rgb color) {
    QtControl* c = FindControl(Find(form), control);
    if (c == nullptr) {
        return;
    }
    c->design.backColor = color;
    if (c->text != nullptr) {
        QPalette pal = c->text->palette();
        pal.setColor(QPalette::Base, Color(color));
        c->text->setPalette(pal);
    }
    c->widget->update();
}

// QFontMetrics::boundingRect, wrapped at the width when asked.
SizeTwips X11Ui::MeasureText(const std::u16string& text, const FontSpec& font, bool wordWrap,
                             double widthTwips) {
    QFontMetrics m(FontOf(font));
    int width = wordWrap ? std::max(1, static_cast<int>(std::lround(widthTwips / TwipsX()))) : 1 << 20;
    QRect r = m.boundingRect(QRect(0, 0, width, 1 << 20),
                             Qt::AlignLeft | Qt::AlignTop | (wordWrap ? Qt::TextWordWrap : 0), Q(text));
    return {r.width() * TwipsX(), r.height() * TwipsY()};
}

// --- the rich text box: a QTextDocument, whose positions count UTF-16 units and one unit per
// paragraph end, as the rich edit control does.

void X11Ui::RichSetTextEx(Hwnd form, ControlId box, const std::u16string& text, bool replaceSelection) {
    QtControl* c = FindControl(Find(form), box);
    if (c == nullptr || c->text == nullptr) {
        return;
    }
    QTextCursor cursor = c->text->textCursor();
    if (!replaceSelection) {
        cursor.select(QTextCursor::Document);
    }
    // QTextCursor::insertText makes a paragraph of each CR; markup stays text.
    cursor.insertText(ToDocumentText(text));
    c->text->setTextCursor(cursor);
}

std::u16string X11Ui::RichGetTextEx(Hwnd form, ControlId box, std::size_t maxChars) {
    std::size_t length = RichGetTextLength(form, box);
    QtControl* c = FindControl(Find(form), box);
    if (c == nullptr || c->text == nullptr || maxChars == 0) {
        return {};
    }
    QString raw = c->text->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QChar('\r'));
    std::u16string s = U(raw).substr(0, length);
    return s.substr(0, maxChars - 1);  // the buffer keeps room for the NUL
}

std::size_t X11Ui::RichGetTextLength(Hwnd form, ControlId box) {
    QtControl* c = FindControl(Find(form), box);
    if (c == nullptr || c->text == nullptr) {
        return 0;
    }
    // The document counts a last paragraph end that the text does not have.
    return static_cast<std::size_t>(std::max(c->text->document()->characterCount() - 1, 0));
}

void X11Ui::RichSetSelection(Hwnd form, ControlId box, std::size_t start, std::size_t length) {
    QtControl* c = FindControl(Find(form), box);
    if (c == nullptr || c->text == nullptr) {
        return;
    }
    std::size_t size = RichGetTextLength(form, box);
    std::size_t from = std::min(start, size);
    std::size_t to = std::min(start + std::min(length, size), size);
    QTextCursor cursor(c->text->document());
    cursor.setPosition(static_cast<int>(from));
    cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
    c->text->setTextCursor(cursor);
}

std::pair<std::size_t, std::size_t> X11Ui::RichGetSelection(Hwnd form, ControlId box) {
    QtControl* c = FindControl(Find(form), box);
    if (c == nullptr || c->text == nullptr) {
        return {0, 0};
    }
    QTextCursor cursor = c->text->textCursor();
    auto start = static_cast<std::size_t>(cursor.selectionStart());
    return {start, static_cast<std::size_t>(cursor.selectionEnd()) - start};
}

// QTextCursor::mergeCharFormat of the selection with the fields given.
void X11Ui::RichSetSelectionFormat(Hwnd form, ControlId box, const CharFormat& format) {
    QtControl* c = FindControl(Find(form), box);
    if (c == nullptr || c->text == nullptr) {
        return;
    }
    QTextCharFormat fmt;
    if (format.color) {
        fmt.setForeground(Color(*format.color));
    }
    if (format.sizePt) {
        fmt.setFontPointSize(*format.sizePt);
    }
    if (format.face) {
        fmt.setFontFamilies({Q(*format.face)});
    }
    if (format.bold) {
        fmt.setFontWeight(*format.bold ? QFont::Bold : QFont::Normal);
    }
    if (format.italic) {
        fmt.setFontItalic(*format.italic);
    }
    if (format.underline) {
        fmt.setFontUnderline(*format.underline);
    }
    if (format.strikeout) {
        fmt.setFontStrikeOut(*format.strikeout);
    }
    QTextCursor cursor = c->text->textCursor();
    cursor.mergeCharFormat(fmt);
}

// --- menus: the items are kept and shown as a QMenu when asked.

void X11Ui::SetMenu(Hwnd form, const std::vector<MenuItem>& items) {
    if (QtForm* f = Find(form)) {
        f->menu = items;
    }
}

void X11Ui::UpdateMenuItem(Hwnd form, const MenuItem& item) {
    if (QtForm* f = Find(form)) {
        for (MenuItem& m : f->menu) {
            if (m.id == item.id) {
                m = item;
            }
        }
    }
}

// QMenu::exec at the point: a nested event loop, timers keep ticking; the chosen id, 0 when
// dismissed.
std::uint32_t X11Ui::TrackPopupMenu(Hwnd form, PointPx at) {
    QtForm* f = Find(form);
    if (f == nullptr) {
        return 0;
    }
    QMenu menu;
    for (const MenuItem& item : f->menu) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* a = menu.addAction(Q(item.caption));
        a->setData(item.id);
        a->setEnabled(item.enabled);
        if (item.isDefault) {
            QFont bold = a->font();
            bold.setBold(true);
            a->setFont(bold);
            menu.setDefaultAction(a);
        }
    }
    QAction* chosen = menu.exec(QPoint(at.x, at.y));
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}

// --- the tray

X11Tray::~X11Tray() {
    for (auto& [key, icon] : icons_) {
        delete icon;
    }
}

// QSystemTrayIcon: add, change or remove the icon; its activations come back to the owner form
// as the mouse messages a notification icon sends on Windows.
bool X11Tray::ShellNotifyIcon(NotifyAction action, const NotifyIconData& data) {
    constexpr std::uint32_t kWmLButtonDown = 513;
    constexpr std::uint32_t kWmLButtonDblClk = 515;
    constexpr std::uint32_t kWmRButtonUp = 517;
    constexpr std::uint32_t kNinBalloonUserClick = 1029;
    auto key = std::make_pair(data.owner, data.id);
    auto it = icons_.find(key);
    if (action == NotifyAction::Delete) {
        if (it == icons_.end()) {
            return false;
        }
        delete it->second;
        icons_.erase(it);
        return true;
    }
    if ((action == NotifyAction::Add) == (it != icons_.end())) {
        return false;  // added twice, or changed before it was added
    }
    QSystemTrayIcon* icon = nullptr;
    if (action == NotifyAction::Add) {
        icon = new QSystemTrayIcon();
        icons_[key] = icon;
        X11Ui* ui = &ui_;
        Hwnd owner = data.owner;
        auto notify = [ui, owner](std::uint32_t code) {
            if (QtForm* f = ui->Find(owner); f != nullptr && f->events != nullptr) {
                f->events->OnTrayNotify(code);
            }
        };
        QObject::connect(icon, &QSystemTrayIcon::activated, [notify](QSystemTrayIcon::ActivationReason r) {
            switch (r) {
                case QSystemTrayIcon::Trigger:
                    notify(kWmLButtonDown);
                    break;
                case QSystemTrayIcon::DoubleClick:
                    notify(kWmLButtonDblClk);
                    break;
                case QSystemTrayIcon::Context:
                    notify(kWmRButtonUp);
                    break;
                default:
                    break;
            }
        });
        QObject::connect(icon, &QSystemTrayIcon::messageClicked, [notify] { notify(kNinBalloonUserClick); });
    } else {
        icon = it->second;
    }
    if ((data.flags & kNifIcon) != 0) {
        QIcon pictures;
        for (int size : {16, 22, 24, 32, 48}) {
            pictures.addPixmap(PictureOf(data.icon, size));
        }
        icon->setIcon(pictures);
    }
    if ((data.flags & kNifTip) != 0) {
        icon->setToolTip(Q(data.tip));
    }
    if (action == NotifyAction::Add) {
        icon->show();
    }
    if ((data.flags & kNifInfo) != 0 && !data.info.empty()) {
        QSystemTrayIcon::MessageIcon kind = (data.infoFlags & 3) == kNiifError ? QSystemTrayIcon::Critical
                                            : (data.infoFlags & 3) == kNiifWarning
                                                ? QSystemTrayIcon::Warning
                                                : QSystemTrayIcon::Information;
        icon->showMessage(Q(data.infoTitle), Q(data.info), kind,
                          data.timeoutMs > 0 ? static_cast<int>(data.timeoutMs) : 10000);
    }
    return true;
}

}  // namespace plv::x11
