#pragma once

#include <QColor>

#include <functional>

// Where the eyedropper's pixels come from during one press and drag.
struct ScreenRead {
    enum class State {
        Live,       // read from the screen at every move
        Waiting,    // the desktop has been asked for a picture of the screen
        Asking,     // ...and is asking the person whether to give one
        Frozen,     // read from that picture
        Picking,    // the desktop's own picker is out: the user clicks a colour
        Picked,     // what the desktop's picker took (`colour`); no pixels around it
        Unreadable, // nothing here can read the screen
        Failed,     // the desktop's screenshot service failed (`wlroots`: on sway and kin)
        Cancelled,  // the user turned the desktop's question down
        NoAnswer,   // the desktop did not answer in time
    };
    State state = State::Live;
    QColor colour;
    bool wlroots = false;
    bool desktopPicker = false; // what was cancelled was the desktop's own picker
};
using ScreenReadChanged = std::function<void(const ScreenRead&)>;
