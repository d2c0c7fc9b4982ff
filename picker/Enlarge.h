#pragma once

#include <QImage>

// Fills the whole target with the whole source enlarged, each target pixel
// taking the source pixel it falls on (no blending): every pixel of the
// source stays one block of one colour.
void enlargeInto(QImage& target, const QImage& source);
