#pragma once

#include "platform/Windows.h"

#include <QImage>
#include <QRect>

#include <cstdint>

// Device contexts for drawing into bitmaps.
inline constexpr DWORD SRCCOPY = 0x00CC0020;

class DeviceContext {
public:
    virtual ~DeviceContext() = default;
    // The pixels of a rectangle in the context's coordinates; black where
    // there is nothing to read.
    virtual QImage read(const QRect& rect) = 0;
    // The bitmap drawing goes into; nullptr for a context that cannot be drawn on.
    virtual QImage* target() { return nullptr; }
};
using HDC = DeviceContext*;

// A context drawing into a bitmap the caller keeps.
class BitmapDC : public DeviceContext {
public:
    explicit BitmapDC(QImage* bitmap) : bitmap(bitmap) {}
    QImage read(const QRect& rect) override;
    QImage* target() override { return bitmap; }

private:
    QImage* bitmap;
};

// Copies the source rectangle into the destination one, each destination
// pixel taking the source pixel it falls on (no blending).
BOOL StretchBlt(HDC dest, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh,
                DWORD rop);
