#pragma once

#include "platform/screen/Magnification.h"

#include <QImage>

// Fills the target (the view's points) with the source pixels enlarged as
// `m` says, the source being m.source() of the pointer: every pixel one
// block of one colour, no blending.
void enlargeInto(QImage& target, const QImage& source, const Magnification& m);
