#pragma once

#include "platform/desktop/Desktop.h"

#include <QApplication>
#include <QPointer>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TForm;

// Runs an event handler; an exception it throws is shown in the application's
// exception box instead of unwinding through the event loop.
void safeCall(const std::function<void()>& handler);

// The application object: title, main form, deactivation event, message
// boxes, the exception box and the message loop.
class TApplication {
public:
    TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;
    ~TApplication();

    void Initialize();
    void setTitle(const std::string& value) { title = value; }

    TForm* MainForm() const { return mainForm; }

    // Creates a form, fires its FormCreate; the first form created is the
    // main form.
    template <class T> void CreateForm(T*& reference) {
        reference = new T();
        if (!mainForm) mainForm = reference;
        created(reference);
    }
    // The same for a form that is never the main form, whenever it is made.
    template <class T> void CreateSideForm(T*& reference) {
        reference = new T();
        created(reference);
    }

    // A destroyed main form is no longer the main form.
    void FormDestroyed(TForm* form) {
        if (mainForm == form) mainForm = nullptr;
    }

    MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon = MessageIcon::None);
    void ShowException(const std::exception& error);
    // The loop's exit status.
    int Run();
    void Terminate();

    // Fired when the user switches to another program.
    std::function<void()> OnDeactivate;

private:
    void created(TForm* form);
    std::string title;
    // Holds the connections to the application's state.
    QObject watcher;
    TForm* mainForm = nullptr;
    bool active = false;
};

extern TApplication* Application;

// While a question of ours (a message box, a file dialog) waits for the
// person, requests from outside wait too: the loop that runs under it must
// not open another question inside it.
class QuestionOpen {
public:
    QuestionOpen();
    ~QuestionOpen();
    QuestionOpen(const QuestionOpen&) = delete;
    QuestionOpen& operator=(const QuestionOpen&) = delete;
};
bool questionIsOpen();

// The program's id on the desktop: its desktop entry, icon and metainfo.
inline constexpr const char* AppId = "org.huevella.huevella";
// The program's icon as drawn into the program itself, every size up to
// largest (each is decoded when added).
QIcon BuiltInIcon(int largest = 256);

// The Qt application every window needs; catches what a handler throws past
// the layer's own guards.
class HuevellaQtApplication : public QApplication {
public:
    HuevellaQtApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // Runs the action when the first window of the program is shown, or now
    // if one has been: what only a window on the screen needs waits for it.
    // The action is dropped if its owner is destroyed first.
    void whenFirstWindowShows(QObject* owner, std::function<void()> action);
    // The program's arguments as the bytes it was given.
    static const std::vector<std::string>& commandLine();

private:
    void firstWindowShows();
    // Escape during a confined drag: the rest of the drag is let pass.
    bool dragCancelled(QEvent* event);
    bool cancellingDrag = false;
    bool firstWindowShown = false;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> firstWindowActions;
};
