#include "platform/Windows.h"

#include "platform/Application.h"
#include "platform/Desktop.h"
#include "platform/Forms.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QWidget>

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    if (!hWnd) return 0;
    const bool show = nCmdShow != SW_HIDE;
    if (Application && hWnd == Application->Handle()) {
        desktop().setApplicationWindowVisible(show);
        return 1;
    }
    hWnd->setVisible(show);
    return 1;
}

BOOL SetForegroundWindow(HWND hWnd) {
    desktop().setForegroundWindow(hWnd);
    return hWnd != nullptr;
}

BOOL PostMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* form = qobject_cast<TForm*>(hWnd);
    if (!form) return 0;
    QCoreApplication::postEvent(form, new TMessageEvent(TMessage{msg, wParam, lParam, 0}));
    return 1;
}

LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* form = qobject_cast<TForm*>(hWnd);
    if (!form) return 0;
    TMessage message{msg, wParam, lParam, 0};
    form->Dispatch(message);
    return message.Result;
}

BOOL GetCursorPos(TPoint* point) {
    if (!point) return 0;
    const QPoint pos = desktop().cursorPos();
    *point = TPoint{pos.x(), pos.y()};
    return 1;
}

namespace {
bool& confined() {
    static bool pointerConfined = false;
    return pointerConfined;
}
} // namespace

BOOL ClipCursor(const TRect* rect) {
    if (!rect) {
        desktop().clipCursor(std::nullopt);
        confined() = false;
        return 1;
    }
    const QRect area(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1));
    confined() = desktop().clipCursor(area);
    return confined() ? 1 : 0;
}

bool PointerConfined() {
    return confined();
}

BOOL ReleaseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    return 1;
}

HANDLE LoadImageA(HINSTANCE, const char* name, UINT type, int cx, int cy, UINT flags) {
    if (!name || type != IMAGE_ICON || !(flags & LR_LOADFROMFILE)) return nullptr;
    const QString path = QString::fromLocal8Bit(name);
    if (!QFileInfo(path).isFile()) return nullptr;
    // An icon file holds several sizes; take the one nearest the size asked.
    QImageReader reader(path);
    QImage best;
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        QImage image = reader.read();
        if (image.isNull()) continue;
        const auto distance = [&](const QImage& im) { return std::abs(im.width() - cx); };
        if (best.isNull() || distance(image) < distance(best)) best = image;
    }
    if (best.isNull()) return nullptr;
    if (best.width() != cx || best.height() != cy)
        best = best.scaled(cx, cy, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return new QIcon(QPixmap::fromImage(best));
}

HINSTANCE ShellExecuteA(HWND, const char*, const char* file, const char*, const char*, int) {
    if (!file) return nullptr;
    const bool opened = desktop().openDocument(QString::fromLocal8Bit(file));
    // Like the shell: a value above 32 says the document was handed over.
    return reinterpret_cast<HINSTANCE>(std::uintptr_t(opened ? 33 : 2));
}

BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data) {
    if (!data) return 0;
    return desktop().notifyIcon(message, *data) ? 1 : 0;
}
