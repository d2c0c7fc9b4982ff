#include "tests/support/TestDesktop.h"

#include "platform/screen/ScreenReading.h"

#include "platform/desktop/TrayEntry.h"

#include <QPainter>
#include <QWidget>

MessageAnswer TestDesktop::messageBox(QWidget*, const QString& text, const QString& caption,
                                      MessageButtons buttons, MessageIcon icon) {
    // As the real desktop does: no grab outlives a question.
    if (grabbedBy) {
        auto lost = std::move(grabLost);
        releaseInput();
        if (lost) lost();
    }
    confinedWhenShown.push_back(clip.has_value());
    messageBoxes.push_back({text, caption, buttons, icon});
    if (messageBoxAnswers.empty()) {
        ++unexpectedMessageBoxes;
        return MessageAnswer::Cancel;
    }
    const MessageAnswer answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

void TestDesktop::showException(QWidget* owner, const QString&, const QString& message) {
    exceptionOwners.push_back(owner);
    confinedWhenShown.push_back(clip.has_value());
    exceptions.push_back(message);
}

bool TestDesktop::openDocument(const QString& path) {
    openedDocuments.push_back(path);
    return openSucceeds;
}

void TestDesktop::showTrayEntry(TrayEntry& entry) {
    trayCalls.push_back({true, &entry, entry.toolTip(), !entry.icon().isNull()});
}

void TestDesktop::removeTrayEntry(TrayEntry& entry) {
    trayCalls.push_back({false, &entry, entry.toolTip(), !entry.icon().isNull()});
}

void TestDesktop::captionDrag(QWidget* window) {
    ++drags;
    if (duringDrag) duringDrag();
    if (dragOffsets.empty()) return;
    window->move(window->pos() + dragOffsets.front());
    dragOffsets.pop_front();
}

std::optional<QString> TestDesktop::fileDialog(QWidget*, const FileDialogRequest& request) {
    confinedWhenShown.push_back(clip.has_value());
    request.chosenFilter = chosenFilter;
    fileDialogs.push_back(request);
    if (fileDialogAnswers.empty()) {
        ++unexpectedFileDialogs;
        return std::nullopt;
    }
    const bool chosen = fileDialogAnswers.front().has_value();
    const QString name = chosen ? *fileDialogAnswers.front() : QString();
    fileDialogAnswers.pop_front();
    if (!chosen) return std::nullopt;
    return name;
}

std::optional<QImage> TestDesktop::grabScreen(const QRect& rect) {
    if (readState != ScreenRead::State::Live && readState != ScreenRead::State::Frozen)
        return std::nullopt;
    ++screenGrabs;
    if (readState == ScreenRead::State::Frozen && !frameArea.isEmpty())
        return pointsOfPicture(screen, frameArea, rect);
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    painter.drawImage(QPoint(0, 0), screen, rect);
    return out;
}

TestDesktopScope::TestDesktopScope() {
    auto fresh = std::make_unique<TestDesktop>();
    test = fresh.get();
    previous = installDesktop(std::move(fresh));
}

TestDesktopScope::~TestDesktopScope() {
    installDesktop(std::move(previous));
}
