#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Edit.h"
#include "platform/forms/FormDef.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Pictures.h"
#include "platform/forms/Screen.h"

#include <QEvent>
#include <QFont>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

// A text of a form definition in the language chosen; "" stays "".
QString formText(const char* text);

// A borderless window built from its form definition.
// While one lasts, forms are built in the font their controls draw in.
// Qt's edits lay their text out in the application's font as they are
// made, before theirs is set: a face loaded for that alone would be
// start-up time lost. Dialogs, menus and hints made later keep the
// desktop's font.
class BuildingForms {
public:
    BuildingForms();
    ~BuildingForms();
    BuildingForms(const BuildingForms&) = delete;
    BuildingForms& operator=(const BuildingForms&) = delete;

private:
    QFont desktopFont;
};

class TForm : public QWidget {
    Q_OBJECT
public:
    explicit TForm(const FormDef& def);
    ~TForm() override;

protected:
    // The window alone, for a form that has something to do before its
    // controls, menus and dialogs are built by CreateContents().
    enum class Contents { Later };
    TForm(const FormDef& def, Contents);
    void CreateContents(const FormDef& def);

public:
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    // Puts a window that is docked to another where it belongs. Where the
    // window system is found to put such windows where it likes (sway,
    // weston), every one of them leaves its management and is placed by us;
    // `replace` is then asked to place them all anew.
    void placeAt(QPoint place);
    // Puts the window exactly there (it follows something, as the pointer):
    // the place it is meant to have, not one the window system chose.
    void followTo(QPoint place);
    static void whenPlacementIgnored(std::function<void()> replace);
    static bool placingOurselves();
    // The last control of the Tab chain the form definition gives; nullptr
    // where it gives none.
    QWidget* TabChainStart() const { return tabChainStart; }
    QWidget* TabChainEnd() const { return tabChainEnd; }
    bool Visible() const { return !isHidden(); }
    void Show();
    void Hide() { hide(); }
    void Close() { close(); }
    void SetFocus() { activateWindow(); }

    // Called by the framework once the form and its controls are constructed.
    virtual void FormCreate() {}
    // Called when the window loses activation.
    virtual void FormDeactivate() {}
    // Asked before the window closes; false keeps it open.
    virtual bool FormCloseQuery() { return true; }
    // A key no control took (Qt's code); set it to 0 when handled. Here:
    // Escape hides a companion, F6 and Shift+F6 go to the next or previous
    // of the program's windows on the screen.
    virtual void FormKeyDown(int& key, TShiftState shift);
    // What a control does, as assistive technology says it ("Card 3
    // colour 1"); empty: what its name says.
    virtual QString ControlJob(const QWidget* control) const {
        (void)control;
        return {};
    }

    // A control that only draws, to be left out of what screen readers
    // walk, beyond the pictures that do nothing (those always are).
    virtual bool ControlIsDecoration(const QWidget* control) const {
        (void)control;
        return false;
    }
    // A control that holds a number within a range (a slider's strip), as
    // assistive technology reads and sets it; none where it holds none.
    struct RangeValue {
        int value, minimum, maximum;
    };
    virtual std::optional<RangeValue> ControlValue(const QWidget* control) const {
        (void)control;
        return {};
    }
    virtual void SetControlValue(QWidget* control, int value) {
        (void)control;
        (void)value;
    }

protected:
    // The form's control of that name and kind. A name the form definition
    // lacks, or a control of another kind, is a fault of the program: it
    // stops the window's construction in every build.
    template <class T> T* control(const char* name) const {
        auto* found = findChild<T*>(QString::fromLatin1(name));
        if (!found)
            throw std::logic_error(objectName().toStdString() + " has no " +
                                   T::staticMetaObject.className() + " named " + name);
        return found;
    }
    TPopupMenu* popupMenu(const char* name) const;
    TFileDialog* fileDialog(const char* name) const;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void checkPlacement();
    static void placeAllOurselves();
    // A plain window the window manager leaves alone: a tool window's type
    // would also keep the keyboard from it on wlroots compositors.
    static Qt::WindowFlags unmanagedFlags(Qt::WindowFlags flags);
    QWidget* tabChainStart = nullptr;
    QWidget* tabChainEnd = nullptr;
    bool docked = false; // a companion: shown without activation, placed from another
    int f6Place = 0;
    std::optional<QPoint> wanted;
    void createControl(const ControlDef& def);
    void setTabOrder(const FormDef& def);
    std::map<std::string, std::unique_ptr<TPopupMenu>> menus;
    std::map<std::string, std::unique_ptr<TFileDialog>> dialogs;
};
