#pragma once

#include "platform/forms/Controls.h"

// A two-state image button: the active face carries the click handler, the
// inactive face lies in the same place without one.
inline void EnableImageButton(TImage* active, TImage* inactive, bool enabled) {
    active->setVisible(enabled);
    inactive->setVisible(!enabled);
}
