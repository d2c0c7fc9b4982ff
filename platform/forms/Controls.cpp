#include "platform/forms/Controls.h"

#include "platform/desktop/Desktop.h"
#include "platform/forms/Accessible.h"
#include "platform/forms/Application.h"
#include "platform/forms/Language.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QValidator>

#include <algorithm>

#include <exception>
#include <map>

QColor toQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}
TColor fromQColor(const QColor& color) {
    return RGBColor(color.red(), color.green(), color.blue());
}
QRgb toQRgb(TColor color) {
    return qRgb(RedOf(color), GreenOf(color), BlueOf(color));
}
TColor fromQRgb(QRgb rgb) {
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
QString toQString(const std::string& text) {
    return QString::fromUtf8(text);
}
std::string fromQString(const QString& text) {
    return text.toUtf8().toStdString();
}

void safeCall(const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& error) {
        if (Application) Application->ShowException(error);
    }
}

namespace {

TShiftState shiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    if (buttons & Qt::LeftButton) shift |= ssLeft;
    if (buttons & Qt::RightButton) shift |= ssRight;
    if (buttons & Qt::MiddleButton) shift |= ssMiddle;
    return shift;
}

bool buttonOf(Qt::MouseButton button, TMouseButton& out) {
    switch (button) {
    case Qt::LeftButton: out = TMouseButton::mbLeft; return true;
    case Qt::RightButton: out = TMouseButton::mbRight; return true;
    case Qt::MiddleButton: out = TMouseButton::mbMiddle; return true;
    default: return false;
    }
}

} // namespace

TControl::TControl(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

TPanel::TPanel(QWidget* parent) : TControl(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TControl::setCursorNumber(int number) {
    setCursor(Screen()->Cursor(number));
}

void TControl::mousePressEvent(QMouseEvent* event) {
    TMouseButton button;
    if (!buttonOf(event->button(), button)) return;
    // The second press of a double click arms no click: a quick double
    // click on a button is one click, as on the framework's controls.
    const bool second = event->type() == QEvent::MouseButtonDblClick;
    if (button == TMouseButton::mbLeft) clickPending = !second;
    const QPoint p = event->position().toPoint();
    TShiftState shift = shiftOf(event->modifiers(), event->buttons());
    if (second) shift |= ssDouble;
    if (OnMouseDown) safeCall([&] { OnMouseDown(button, shift, p.x(), p.y()); });
}

void TControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseMove)
        safeCall([&] { OnMouseMove(shiftOf(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
    TMouseButton button;
    if (!buttonOf(event->button(), button)) return;
    const QPoint p = event->position().toPoint();
    if (OnMouseUp)
        safeCall([&] {
            OnMouseUp(button, shiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
        });
    const bool click = button == TMouseButton::mbLeft && clickPending && rect().contains(p);
    if (button == TMouseButton::mbLeft) clickPending = false;
    if (click && OnClick) safeCall(OnClick);
}

void TImage::setPicture(const QPixmap& value) {
    picture = value;
    picturePath.clear();
    update();
}

void TImage::setPicturePath(const char* path) {
    picture = QPixmap();
    picturePath = path;
    update();
}

const QPixmap& TImage::Picture() const {
    if (!picturePath.empty()) {
        picture = LoadPicture(picturePath.c_str());
        picturePath.clear();
    }
    return picture;
}

TImage::TImage(QWidget* parent) : TControl(parent) {}
TImage::~TImage() = default;

void TImage::setBitmapSize(int width, int height) {
    if (bitmap.size() == QSize(width, height)) return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    bitmap = resized;
    // A bitmap that covers the control hides what lies beneath: nothing
    // under it need be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, width >= this->width() && height >= this->height());
}

void TImage::paintEvent(QPaintEvent* event) {
    // Only what is to be repainted: a skin under a small control that
    // changed is not drawn whole again.
    QPainter painter(this);
    const QRect area = event->rect();
    if (!bitmap.isNull()) {
        painter.drawImage(area.topLeft(), bitmap, area);
        return;
    }
    const QPixmap& picture = Picture();
    const qreal ratio = picture.devicePixelRatio();
    painter.drawPixmap(
        area.topLeft(), picture,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void TLabel::setCaption(const std::string& text) {
    if (text == caption) return;
    caption = text;
    update();
    announceNameChange(this);
}

void TLabel::flash(const std::string& text, int milliseconds) {
    flashText = text;
    const int flash = ++flashes;
    update();
    QTimer::singleShot(milliseconds, this, [this, flash] {
        if (flash != flashes) return; // a later one holds the place
        flashText.clear();
        update();
    });
}

void TLabel::setColor(TColor value) {
    if (value == color) return;
    color = value;
    setAttribute(Qt::WA_OpaquePaintEvent, color != clNone);
    update();
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (color != clNone) painter.fillRect(rect(), toQColor(color));
    int flags = wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    flags |= alignment == TAlignment::taCenter         ? Qt::AlignHCenter
             : alignment == TAlignment::taRightJustify ? Qt::AlignRight
                                                       : Qt::AlignLeft;
    flags |= layout == TTextLayout::tlCenter   ? Qt::AlignVCenter
             : layout == TTextLayout::tlBottom ? Qt::AlignBottom
                                               : Qt::AlignTop;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect(), flags, ShownText());
}

void TPanel::setColor(TColor value) {
    if (value == color) return;
    color = value;
    update();
    announceNameChange(this);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(color));
}

namespace {

// A single-line edit holds one line of 8-bit text: control characters (a
// pasted line break) become spaces, and a limit counts the bytes the text
// takes, not the characters shown.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    int maxBytes = 0;

    State validate(QString& input, int& pos) const override {
        for (QChar& c : input)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
        if (maxBytes <= 0) return Acceptable;
        // Cut what was just put in before the caret, so the text already
        // there stays; then, if need be, the end.
        while (input.toUtf8().size() > maxBytes) {
            int at = pos > 0 ? pos - 1 : int(input.size()) - 1;
            if (at < 0) break;
            int count = 1;
            if (at > 0 && input.at(at).isLowSurrogate() && input.at(at - 1).isHighSurrogate())
                --at, ++count;
            input.remove(at, count);
            if (pos > at) pos = std::max(at, pos - count);
        }
        return Acceptable;
    }
};

} // namespace

namespace {
// Keys pressed in an edit and not yet released. A release whose press went
// elsewhere (the Enter that closed a message box) is not an edit's key-up;
// a Tab pressed in one edit and released in the next still is, as on the
// framework's edits.
QSet<int>& keysDownInEdits() {
    static QSet<int> keys;
    return keys;
}

// A key pressed in an edit may be released anywhere: on the control the
// focus went to (a Tab onto the swatch), in another window, or nowhere at
// all when the press hid its window (Escape). Such a key is no longer down in an edit, or it
// would hold every later mouse entry back for good.
class KeyReleaseWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            // To a widget: the window's own copy of the event comes first.
            if (!key->isAutoRepeat() && watched->isWidgetType() && !qobject_cast<TEdit*>(watched))
                keysDownInEdits().remove(key->key());
            break;
        }
        case QEvent::Hide:
            // Our own windows only: a tooltip going is no reason. A window
            // that hid while a key was down (Escape) gets no release.
            if (watched->isWidgetType() && watched->inherits("TForm")) keysDownInEdits().clear();
            break;
        default: break;
        }
        return false;
    }
};

void watchKeyReleases() {
    static KeyReleaseWatch* watch = nullptr;
    if (watch || !qApp) return;
    watch = new KeyReleaseWatch(qApp);
    qApp->installEventFilter(watch);
}
} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent), oneLine(new OneLineValidator(this)) {
    setValidator(oneLine);
    watchKeyReleases();
    // A change made with the mouse (a paste from the menu, a middle click)
    // is an entry like one typed: its handler runs as a key-up would.
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!keysDownInEdits().isEmpty() || !OnKeyUp) return;
        unsigned short none = 0;
        safeCall([&] { OnKeyUp(none, 0); });
    });
}

void TEdit::setMaxBytes(int bytes) {
    static_cast<OneLineValidator*>(oneLine)->maxBytes = bytes;
}

void TEdit::setTextValue(const std::string& value) {
    shown = value;
    const QString next = toQString(value);
    if (next != text()) setText(next);
}

void TEdit::setColor(TColor value) {
    QPalette p = palette();
    p.setColor(QPalette::Base, toQColor(value));
    setPalette(p);
    // A filled edit covers what lies beneath: nothing under it is repainted
    // when its text changes.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TEdit::setHideSelection(bool hide) {
    QPalette p = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        const QColor active = p.color(QPalette::Active, role);
        p.setColor(QPalette::Inactive, role,
                   hide ? p.color(QPalette::Inactive, QPalette::Base) : active);
    }
    setPalette(p);
}

void TEdit::focusInEvent(QFocusEvent* event) {
    if (autoSelect) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // Entered by Tab, an edit that does not select all keeps its caret.
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
}

bool TEdit::event(QEvent* event) {
    // Before Tab is taken for moving the focus.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) keysDownInEdits().insert(key->key());
    }
    return QLineEdit::event(event);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (OnKeyPress && text.size() == 1 && text.at(0).unicode() < 128) {
        char key = char(text.at(0).unicode());
        safeCall([&] { OnKeyPress(key); });
        if (key == 0) return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats presses, not releases; the release that ends it
    // counts once.
    const bool ours = !event->isAutoRepeat() && keysDownInEdits().remove(event->key());
    if (OnKeyUp && ours) {
        auto key = static_cast<unsigned short>(event->key() & 0xFFFF);
        safeCall([&] { OnKeyUp(key, shiftOf(event->modifiers(), Qt::NoButton)); });
    }
    QLineEdit::keyReleaseEvent(event);
}

namespace {
// In the format painting uses, so that no paint converts it again (a
// 24-bit bitmap would be converted on every repaint).
QPixmap paintReady(const QImage& image, qreal ratio) {
    QPixmap picture = QPixmap::fromImage(image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32));
    picture.setDevicePixelRatio(ratio);
    return picture;
}
} // namespace

QImage ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

namespace {

// A picture of the language chosen where there is one (a skin with the
// window's name in its bar): ":/forms/card/skin.png" is looked for first
// as ":/forms/de/card/skin.png".
QString pictureOfLanguage(const QString& name) {
    const QString language = chosenLanguage();
    const QString forms = QStringLiteral(":/forms/");
    if (language.isEmpty() || !name.startsWith(forms)) return name;
    QString local = name;
    local.insert(forms.size(), language + QLatin1Char('/'));
    return QFile::exists(local) ? local : name;
}

} // namespace

QPixmap LoadPicture(const char* path) {
    const QString name = pictureOfLanguage(QString::fromLatin1(path));
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1) {
        QString sharp = name;
        sharp.insert(sharp.lastIndexOf('.'), QLatin1String("@2x"));
        const QImage image = ReadPng(sharp);
        if (!image.isNull()) return paintReady(image, 2);
    }
    return paintReady(ReadPng(name), 1);
}

std::optional<QIcon> LoadIconFile(const char* name, int size) {
    const QString path = QString::fromLocal8Bit(name);
    if (!QFileInfo(path).isFile()) return std::nullopt;
    // An icon file holds several sizes; take the one nearest the size asked.
    QImageReader reader(path);
    QImage best;
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        QImage image = reader.read();
        if (image.isNull()) continue;
        const auto distance = [&](const QImage& im) { return std::abs(im.width() - size); };
        if (best.isNull() || distance(image) < distance(best)) best = image;
    }
    if (best.isNull()) return std::nullopt;
    if (best.width() != size || best.height() != size)
        best = best.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QIcon(QPixmap::fromImage(best));
}

void TClipboard::setAsText(const std::string& text) {
    desktop().setClipboardText(toQString(text));
}
TClipboard Clipboard() {
    return {};
}

namespace {
std::map<int, QCursor>& cursorTable() {
    static std::map<int, QCursor> table;
    return table;
}
} // namespace

int TScreen::Width() const {
    return QGuiApplication::primaryScreen()->geometry().width();
}
int TScreen::Height() const {
    return QGuiApplication::primaryScreen()->geometry().height();
}
void TScreen::setCursor(int number, const QCursor& cursor) {
    cursorTable()[number] = cursor;
}
QCursor TScreen::Cursor(int number) const {
    const auto found = cursorTable().find(number);
    return found == cursorTable().end() ? QCursor(Qt::ArrowCursor) : found->second;
}
TScreen* Screen() {
    static TScreen screen;
    return &screen;
}
