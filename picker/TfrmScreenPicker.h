#pragma once

#include "core/colour/CodeFormat.h"
#include "forms/Eyedropper.h"
#include "forms/FormDefs.h"
#include "platform/forms/Forms.h"
#include "platform/screen/Magnification.h"
#include "platform/screen/ScreenRead.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FrozenScreen;
class QWheelEvent;

// How a pick from the screen went: the colour taken, or none and why
// (empty when the person cancelled it). Several picks in one go hear of
// each colour as it is taken (`goesOn`), then of the end: the last colour
// taken again (`repeated`) where the person ended the series with Escape.
struct PickOutcome {
    std::optional<TColor> colour;
    std::string why;
    bool goesOn = false;
    bool repeated = false;
};

// The magnifier shown while the eyedropper is dragged: the pixels around
// the pointer enlarged, the colour under it and its code.
class TfrmScreenPicker : public TForm, public Eyedropper {
    Q_OBJECT
public:
    static constexpr int crEyedropper = Cursors::Eyedropper;

    TfrmScreenPicker();
    ~TfrmScreenPicker() override;

    TImage* imgPickerBackground;
    TLabel* lblPickerCaption;
    TPanel* pnlPickerColor;
    TImage* imgMagnifier;
    TImage* imgTarget;
    // Where the screen cannot be read, what is happening instead.
    TLabel* lblPickerMessage;
    TLabel* lblPickerSample;
    TLabel* lblPickerZoom;

    // The square of device pixels averaged for the colour, 1 (the pixel
    // under the pointer alone), 3, 5 or 7 wide, and the magnifier's points
    // to a device pixel: the person's last choices, kept.
    static constexpr int SampleSizes[] = {1, 3, 5, 7};
    static constexpr int Zooms[] = {2, 4, 6, 8, 16};
    static constexpr int DefaultZoom = 6;
    int SampleSize() const { return sampleSize; }
    int Zoom() const { return zoom; }
    void chooseSampleSize(int size);
    // Larger (positive) or smaller by that many of the steps.
    void stepZoom(int steps);
    // The keys that change either while picking: 1, 3, 5, 7, + and -.
    bool sampleKey(int key);
    Magnification magnification() const {
        return {QSize(imgMagnifier->Width(), imgMagnifier->Height()), zoom};
    }

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
    void takeKeyColour(bool goOn = false);
    void cancelKeyPicking();
    bool KeyPicking() const { return keyPicking; }

    // The book window's eyedropper: the picker comes out docked (not above
    // every window) for each gesture.
    void eyedropperPressed() override;
    void eyedropperDragged() override { sampleScreen(true); }
    void eyedropperReleased() override { stopPicking(); }
    bool keyPickingUnderWay() const override { return keyPicking; }
    void keyPickingBegins() override;
    void keyPointMoves(int dx, int dy) override { moveKeyPoint(dx, dy); }
    void keyPickingTakes(bool goOn) override { takeKeyColour(goOn); }
    void keyPickingEnds() override { cancelKeyPicking(); }
    bool pickingKey(int key) override { return sampleKey(key); }
    // Picking from anywhere, without the book window: the picker follows
    // beside the pointer, which shows the eyedropper over the whole screen
    // (taken for the pick); a click, Enter or Space takes the colour under
    // it (to the pallet and, in `form`, to the clipboard), Escape or a
    // right click cancels, the arrows move a device pixel (ten with Shift).
    // With Shift a click or Enter takes the colour and picking goes on,
    // the colours going to the card's slots in turn. `done` hears of each
    // colour taken so, and how it ended, once.
    void pickFromScreen(CodeFormat form, std::function<void(const PickOutcome&)> done);
    void cancelScreenPick(const std::string& why = {});
    // Away from the book the picker shows over every window, the book (kept
    // above others) among them; docked under it, it is one of its companions.
    void keepAbove(bool above);
    void showDocked();
    bool ScreenPicking() const { return bool(screenPick); }
    // Where the picker goes beside the pointer (both in the desktop's
    // coordinates): below and right of it, flipped to the other side at
    // the monitor's edges, never over the pixels being read (`gap` points
    // away).
    static QPoint besidePointer(QPoint pointer, QSize picker, QRect monitor, int gap = PointerGap);
    static constexpr int PointerGap = 20;

    QString ControlJob(const QWidget* control) const override {
        if (control == pnlPickerColor) return tr("Picked colour");
        if (control == lblPickerCaption) return tr("Picked colour code");
        return {};
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

signals:
    // The colour shown was clicked for the card: the window set takes it.
    void colourChosen(TColor colour);
    // A pick from the screen took this colour: it is the palette's now.
    void colourTaken(TColor colour);
    // One of several picks in one go took this colour, for this slot of
    // the card (1 to 3, in turn).
    void colourKept(TColor colour, int slot);
    // A pick is over and the picker hidden: it goes back beside the book.
    void dockWanted();
    // A pick has the pointer and the keys (or the picture's), or ended
    // before it had them: what the program does next no longer delays it.
    void pickHolds();

private:
    struct ScreenPick {
        CodeFormat form;
        std::function<void(const PickOutcome&)> done;
        bool grabbed = false;        // the pointer and keyboard held for it
        bool listening = false;      // its events are the pick's (held, or over the picture)
        bool pointerSeen = false;    // an event has said where the pointer is
        bool pictureRetaken = false; // asked again, the picker out of it
        int kept = 0;                // colours taken with Shift, picking going on
        TColor lastKept = 0;
    };
    void screenPickRead(ScreenRead::State state);
    void showBesidePointer();
    void showBelowQuestion();
    void showPicture();
    void drawOverPicture();
    static QPoint logicalPoint(QPoint native);
    void grabForPick(int attempt = 1);
    static constexpr int GrabAttempts = 75;
    static constexpr int GrabRetry = 20; // ms
    // The first tries for the map come quickly; ten seconds in all.
    static constexpr int QuickMapAttempts = 50;
    static constexpr int QuickMapRetry = 2; // ms
    static constexpr int MapAttempts =
        QuickMapAttempts + (10000 - QuickMapAttempts * QuickMapRetry) / GrabRetry;
    void listenForPick();
    void cancelLater(const std::string& why);
    void followPointer();
    void pickKey(int key, bool shift);
    void takeScreenPick(bool goOn = false);
    void endScreenPick(const PickOutcome& outcome);
    void sampleAt(QPoint pointer, bool showCode);
    void screenReadChanged(const ScreenRead& read);
    void showMessage(const char* caption, const char* message);
    void showMagnifier();
    void readKeptChoices();
    void drawTarget();
    void resample();
    void wheelZoom(QWheelEvent* event);
    // The colour of the sample's pixels that lie on a screen; the sample
    // note says how many did.
    TColor sampleColour(const QImage& pixels, const QRect& sample);
    // The eyedropper's tip in its picture.
    static constexpr QPointF PipetteTip{3, 37};

    ScreenRead::State reading = ScreenRead::State::Live;
    bool dragging = false;
    bool keyPicking = false;
    bool asked = false; // the desktop asked the person during this gesture
    // A drag move came while the picture was awaited: the code is shown when
    // it comes.
    bool codeWanted = false;
    // The panel's colour came from the screen (a message shows none).
    bool holdsColour = true;
    bool captionIsCode = true;
    QPoint lastPointer;
    std::optional<ScreenPick> screenPick;
    std::string lastMessage; // the last failure shown, caption and message
    std::vector<std::unique_ptr<FrozenScreen>> frozen; // one a screen
    int pickCount = 0; // picks begun: a late hide is for its own pick only
    int keyKept = 0;   // colours of several key picks taken so far
    int sampleSize = 1;
    int zoom = DefaultZoom;
    int sampledPixels = 0;
    int wheelTurn = 0;
    int targetLooks = 0;
};

extern TfrmScreenPicker* frmScreenPicker;
