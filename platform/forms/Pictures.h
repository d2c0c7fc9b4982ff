#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

// A picture of the program's resources. On a scaled screen the drawing made
// for twice the size ("name@2x.png") is taken where there is one, so the
// windows stay sharp.
QPixmap LoadPicture(const char* path);
// A PNG of the program's resources, read without asking the image plugins
// which format it is in: the first such question loads every one of them.
QImage ReadPng(const QString& path);

// An icon object; owns the image behind its handle.
// Reads an icon file (relative to the current directory), the size nearest
// `size` of those it holds, scaled to it; nothing when it is missing or
// unreadable.
std::optional<QIcon> LoadIconFile(const char* name, int size);

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;
    const QIcon& Icon() const { return icon; }
    void setIcon(const QIcon& value) { icon = value; }

private:
    QIcon icon;
};
