#pragma once

#include "platform/desktop/Desktop.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

// The desktop as window tests see it: scripted answers, recorded effects.
class TestDesktop final : public Desktop {
public:
    struct MessageBoxCall {
        QString text;
        QString caption;
        MessageButtons buttons;
        MessageIcon icon;
    };
    // The tray entry put up or updated (up), or taken down.
    struct TrayCall {
        bool up;
        TrayEntry* entry;
        QString tip;
        bool hasIcon;
    };
    struct Popup {
        QMenu* menu;
        QPoint pos;
    };

    // Answers for the next message boxes, in order; an unscripted box answers
    // Cancel and is counted in unexpectedMessageBoxes.
    std::deque<MessageAnswer> messageBoxAnswers;
    std::vector<MessageBoxCall> messageBoxes;
    int unexpectedMessageBoxes = 0;
    std::vector<QString> exceptions;
    QPoint cursor;
    std::vector<QString> openedDocuments;
    bool openSucceeds = true;
    QString clipboard;
    bool trayAvailable = true;
    std::vector<TrayCall> trayCalls;
    QWidget* foreground = nullptr;
    std::vector<Popup> popups;
    // Where the next caption drags take the pointer, relative to its start;
    // each drag uses the next offset (none left: the window stays put).
    std::deque<QPoint> dragOffsets;
    // Runs during a drag, before the window moves: lets tests look at the
    // windows while the button is down.
    std::function<void()> duringDrag;
    int drags = 0;
    // Answers for the next file dialogs (nothing: cancelled); an unscripted
    // dialog is cancelled and counted.
    std::deque<std::optional<QString>> fileDialogAnswers;
    std::vector<FileDialogRequest> fileDialogs;
    // The filter the next dialogs leave chosen, from 0.
    int chosenFilter = 0;
    int unexpectedFileDialogs = 0;
    std::vector<std::string> arguments{"huevella"};
    // The pointer's confinement now, and every call that set or freed it.
    std::optional<QRect> clip;
    std::vector<std::optional<QRect>> clipCalls;
    // For every box, dialog or menu shown: whether the pointer was confined then.
    std::vector<bool> confinedWhenShown;
    // The fake screen behind the pixel reads, and how often it was read.
    QImage screen;
    int screenGrabs = 0;
    // How a press finds the screen: Live reads it at once; Waiting stands for
    // a desktop that answers later, through answerScreenRead.
    ScreenRead::State pressFinds = ScreenRead::State::Live;
    ScreenRead::State readState = ScreenRead::State::Live;
    ScreenReadChanged screenReadChanged;
    // Frozen, `screen` is a picture of this desktop area, at any scale
    // (empty: one pixel per point).
    QRect frameArea;
    int screenReadsBegun = 0;
    int screenReadsEnded = 0;
    void answerScreenRead(const ScreenRead& answer) {
        readState = answer.state;
        if (screenReadChanged) screenReadChanged(answer);
    }

    MessageAnswer messageBox(QWidget*, const QString& text, const QString& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    void showException(QWidget* owner, const QString& caption, const QString& message) override;
    // The window each exception box was shown over.
    std::vector<QWidget*> exceptionOwners;
    QPoint cursorPos() override { return cursor; }
    bool openDocument(const QString& path) override;
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    bool systemTrayAvailable() override { return trayAvailable; }
    void showTrayEntry(TrayEntry& entry) override;
    void removeTrayEntry(TrayEntry& entry) override;
    void setForegroundWindow(QWidget* window) override { foreground = window; }
    void popupMenu(QMenu* menu, QPoint pos) override {
        confinedWhenShown.push_back(clip.has_value());
        popups.push_back({menu, pos});
    }
    void captionDrag(QWidget* window) override;
    std::optional<QString> fileDialog(QWidget*, const FileDialogRequest& request) override;
    std::vector<std::string> commandLine() override { return arguments; }
    // Where the window system puts windows; unset, where they were put.
    std::function<std::optional<QPoint>(QWidget*)> placeOf;
    bool windowManagerIgnoresPlaces() override { return false; }
    std::optional<QPoint> windowPlace(QWidget* window) override {
        return placeOf ? placeOf(window) : std::optional<QPoint>(window->pos());
    }
    ScreenRead beginScreenRead(QPoint, ScreenReadChanged changed) override {
        ++screenReadsBegun;
        screenReadChanged = std::move(changed);
        readState = pressFinds;
        return {readState, {}};
    }
    void endScreenRead() override { ++screenReadsEnded; }
    int screenReadsAbandoned = 0;
    void abandonScreenRead() override {
        ++screenReadsEnded;
        ++screenReadsAbandoned;
    }
    bool answering = false;
    bool desktopAnswering() override { return answering; }
    std::optional<QImage> grabScreen(const QRect& rect) override;
    std::optional<QImage> showEnlarged(QWidget*, QWidget*, const Magnification&, QPoint,
                                       const QRect&) override {
        return std::nullopt;
    }
    // `nativeCursor`, where set, is the pointer among the fake screen's
    // device pixels (unset: the pointer's point, one pixel a point).
    std::optional<QPoint> nativeCursor;
    QPoint nativeCursorPos() override { return nativeCursor.value_or(cursor); }
    QPoint warpPointer(QPoint native) override {
        nativeCursor = native;
        return native;
    }
    // The window holding the pointer and keyboard, if any; `grabRefused`
    // makes the next grab fail, as when another program holds them.
    QWidget* grabbedBy = nullptr;
    bool grabRefused = false;
    std::function<void()> grabLost;
    bool grabInput(QWidget* window, const QCursor&, std::function<void()> lost) override {
        if (grabRefused) return false;
        grabbedBy = window;
        grabLost = std::move(lost);
        return true;
    }
    void releaseInput() override {
        grabbedBy = nullptr;
        grabLost = {};
    }
    QRect area = QRect(0, 0, 1280, 800);
    QRect screenArea() override { return area; }
    bool clipCursor(const std::optional<QRect>& area) override {
        clip = area;
        clipCalls.push_back(area);
        return true;
    }
};

// Installs a fresh TestDesktop for as long as it lives.
class TestDesktopScope {
public:
    TestDesktopScope();
    ~TestDesktopScope();
    TestDesktop& operator*() const { return *test; }
    TestDesktop* operator->() const { return test; }

private:
    TestDesktop* test;
    std::unique_ptr<Desktop> previous;
};
