#pragma once

#include "platform/screen/Backend.h"
#include "platform/screen/Magnification.h"
#include "platform/screen/ScreenRead.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCursor;
class QEvent;
class QMenu;
class TrayEntry;

struct FileDialogRequest {
    bool save = false;
    QString filter;     // e.g. "Huevella Files (*.hvz)"
    QString defaultExt; // without the dot
    bool confirmOverwrite = false;
    QString title; // empty: the toolkit's own
    // The filter the user left chosen, from 0; set by the dialog.
    mutable int chosenFilter = 0;
};

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Error, Question, Warning, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Everything that touches the real desktop. The program runs on QtDesktop;
// window tests install a TestDesktop that records and scripts instead.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The button pressed; a box closed without one answers Cancel, or No
    // where there is no Cancel.
    virtual MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    // Over `owner`, the window where the error arose (nullptr: none).
    virtual void showException(QWidget* owner, const QString& caption, const QString& message) = 0;

    virtual QPoint cursorPos() = 0;
    virtual bool openDocument(const QString& path) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    virtual bool systemTrayAvailable() = 0;
    // Puts the entry in the tray with its picture and tip, or updates it;
    // its `activated` reports what is done to it.
    virtual void showTrayEntry(TrayEntry& entry) = 0;
    virtual void removeTrayEntry(TrayEntry& entry) = 0;
    virtual void setForegroundWindow(QWidget* window) = 0;
    virtual void popupMenu(QMenu* menu, QPoint pos) = 0;

    // Moves the window with the pointer until the left button is released,
    // as a press on a caption bar does; returns after the release.
    virtual void captionDrag(QWidget* window) = 0;

    // The chosen file, or nothing when the user cancels.
    virtual std::optional<QString> fileDialog(QWidget* owner, const FileDialogRequest& request) = 0;
    // Readies the screen's pixels for an eyedropper pressed with the pointer
    // at `pointer` (device pixels). Where the screen cannot be read at once the answer comes
    // later, through `changed`, on this thread.
    virtual ScreenRead beginScreenRead(QPoint pointer, ScreenReadChanged changed) = 0;
    // The gesture is over: what was kept for it can go.
    virtual void endScreenRead() = 0;
    // The gesture was given up: a request still open with the desktop is
    // closed (its question or picker put away) and forgotten.
    virtual void abandonScreenRead() = 0;
    // A request of ours is open with the desktop: its own picker or its
    // question may have the keyboard meanwhile.
    virtual bool desktopAnswering() = 0;
    // The screen's own pixels (device pixels: several to a point on a
    // scaled screen) in a rectangle of device coordinates, and the pointer's
    // place among them, so that every one can be picked. Black where no
    // screen is; nothing when the screen cannot be read: a refused read is
    // never a colour.
    virtual std::optional<QImage> grabScreen(const QRect& rect) = 0;
    // The device pixels around `pointer` enlarged over the whole of `view`
    // as `m` says, with `overlay` drawn over them, by the desktop itself,
    // and the device pixels of `sample` (black off the screen). Nothing
    // where it cannot: the view is then the caller's to paint from
    // grabScreen.
    virtual std::optional<QImage> showEnlarged(QWidget* view, QWidget* overlay,
                                               const Magnification& m, QPoint pointer,
                                               const QRect& sample) = 0;
    virtual QPoint nativeCursorPos() = 0;
    // Moves the pointer to a place among the device pixels; returns where
    // it is now (the place asked, kept on the screen, where the pointer
    // cannot be moved).
    virtual QPoint warpPointer(QPoint native) = 0;

    // Takes the pointer and the keyboard for `window` wherever the pointer
    // goes, showing `cursor`, as a pick over the whole screen needs; false
    // where another program holds them, or the window is not yet on the
    // screen (the caller tries again). `lost` is
    // called when the desktop ends the grab itself (a message box of ours
    // needs the pointer): it is never left behind a question.
    virtual bool grabInput(QWidget* window, const QCursor& cursor, std::function<void()> lost) = 0;
    virtual void releaseInput() = 0;
    // The whole desktop, every screen, in device pixels.
    virtual QRect screenArea() = 0;

    // Confines the pointer to the rectangle (screen coordinates, every pixel
    // of it reachable), or frees it; false where it cannot be confined.
    virtual bool clipCursor(const std::optional<QRect>& area) = 0;

    // Where the window system has a window now; nothing where it cannot say.
    virtual std::optional<QPoint> windowPlace(QWidget* window) = 0;
    // The window manager is one known to put every window where it likes,
    // whatever place the program asks for (those of weston and wlroots
    // compositors, sway's among them, for Xwayland).
    virtual bool windowManagerIgnoresPlaces() = 0;

    // The program's arguments, the program itself first, as the bytes it
    // was given (a file name need not be UTF-8).
    virtual std::vector<std::string> commandLine() = 0;
};

Desktop& desktop();

// While a mouse event is being handled, where it says the pointer is.
std::optional<QPoint> eventPointer();
// The same, to a fraction of a point: on a scaled screen, the device pixel.
std::optional<QPointF> eventPointerExact();
class EventPointerScope {
public:
    explicit EventPointerScope(const QEvent* event);
    ~EventPointerScope();
    EventPointerScope(const EventPointerScope&) = delete;
    EventPointerScope& operator=(const EventPointerScope&) = delete;

private:
    std::optional<QPointF> previous;
};
// Installs the desktop every later call goes to; returns the previous one.
std::unique_ptr<Desktop> installDesktop(std::unique_ptr<Desktop> next);
std::unique_ptr<Desktop> makeQtDesktop();

// The program's arguments as the bytes it was given, kept at start.
void setProgramArguments(std::vector<std::string> bytes);
const std::vector<std::string>& programArguments();
