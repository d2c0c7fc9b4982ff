#pragma once

#include "platform/Windows.h"

#include <QImage>
#include <QRect>

#include <cstdint>

// Device contexts for reading screen pixels and drawing into bitmaps.
using COLORREF = std::uint32_t;
inline constexpr DWORD SRCCOPY = 0x00CC0020;
// What GetPixel gives for a pixel it could not read.
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

class DeviceContext {
public:
    virtual ~DeviceContext() = default;
    // The pixels of a rectangle in the context's coordinates; black where
    // there is nothing to read; a null image where reading was refused.
    virtual QImage read(const QRect& rect) = 0;
    virtual COLORREF pixel(int x, int y);
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

// GetDC(nullptr) is the whole screen in screen coordinates; other windows
// have no context here.
HDC GetDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hdc);
COLORREF GetPixel(HDC hdc, int x, int y);
// Copies the source rectangle into the destination one, each destination
// pixel taking the source pixel it falls on (no blending).
BOOL StretchBlt(HDC dest, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh,
                DWORD rop);
