#pragma once

#include "platform/forms/Forms.h"
#include "platform/screen/ScreenRead.h"

// The magnifier shown while the eyedropper is dragged: the pixels around
// the pointer enlarged, the colour under it and its code.
class TfrmScreenPicker : public TForm {
    Q_OBJECT
public:
    static constexpr int crEyedropper = 6;

    TfrmScreenPicker();

    TImage* imgPickerBackground;
    TLabel* lblPickerCaption;
    TPanel* pnlPickerColor;
    TImage* imgMagnifier;
    TImage* imgTarget;
    // Where the screen cannot be read, what is happening instead.
    TLabel* lblPickerMessage;

    void FormCreate() override;
    void pnlPickerColorClick();
    void lblPickerCaptionClick();
    void pnlPickerColorMouseMove(TShiftState shift, int x, int y);

    // The eyedropper is pressed: the screen is readied for this gesture.
    void startPicking();
    // Its button is up again.
    void stopPicking();
    // Reads the pixel under the pointer into the colour panel and the
    // pixels around it into the magnifier; with showCode the caption shows
    // the colour's code.
    void sampleScreen(bool showCode);

    // Picking by keyboard: it starts where the pointer is, the arrow keys
    // move the pointer a device pixel at a time, the colour is taken as a
    // click on the panel takes it, or picking ends with nothing taken.
    void beginKeyPicking();
    void moveKeyPoint(int dx, int dy);
    void takeKeyColour();
    void cancelKeyPicking();
    bool KeyPicking() const { return keyPicking; }
    QString ControlJob(const QWidget* control) const override {
        if (control == pnlPickerColor) return QStringLiteral("Picked colour");
        if (control == lblPickerCaption) return QStringLiteral("Picked colour code");
        return {};
    }

private:
    void sampleAt(QPoint pointer, bool showCode);
    void screenReadChanged(const ScreenRead& read);
    void showMessage(const char* caption, const char* message);
    void showMagnifier();

    ScreenRead::State reading = ScreenRead::State::Live;
    bool dragging = false;
    bool keyPicking = false;
    // A drag move came while the picture was awaited: the code is shown when
    // it comes.
    bool codeWanted = false;
    // The panel's colour came from the screen (a message shows none).
    bool holdsColour = true;
    bool captionIsCode = true;
    QPoint lastPointer;
};

extern TfrmScreenPicker* frmScreenPicker;
