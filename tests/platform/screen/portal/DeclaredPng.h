#pragma once

#include <QByteArray>

// A PNG of a few bytes whose header declares a picture of `width`×`height`
// (RGBA), with no pixels; its header's checksum right or wrong.
inline QByteArray declaredPng(quint32 width, quint32 height, bool goodChecksum = true) {
    QByteArray ihdr("IHDR");
    for (quint32 v : {width, height})
        for (int shift : {24, 16, 8, 0})
            ihdr += char((v >> shift) & 0xFF);
    ihdr += QByteArray("\x08\x06\x00\x00\x00", 5);
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : ihdr) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc = ~crc ^ (goodChecksum ? 0u : 1u);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += QByteArray("\x00\x00\x00\x0d", 4) + ihdr;
    for (int shift : {24, 16, 8, 0})
        png += char((crc >> shift) & 0xFF);
    png += QByteArray("\x00\x00\x00\x00IEND\xae\x42\x60\x82", 12);
    return png;
}
