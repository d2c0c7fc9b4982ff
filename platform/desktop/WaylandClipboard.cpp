#include "platform/desktop/WaylandClipboard.h"

#include <QProcess>
#include <QStandardPaths>

#include <wayland-client.h>

#include <cstring>

namespace {
void announced(void* found, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, "zwlr_data_control_manager_v1") == 0 ||
        std::strcmp(interface, "ext_data_control_manager_v1") == 0)
        *static_cast<bool*>(found) = true;
}
void removed(void*, wl_registry*, uint32_t) {}

// Asked once, on a connection of our own: without the protocol wl-copy
// would take the focus with a window of its own to set the clipboard.
bool compositorOffersDataControl() {
    static const bool offers = [] {
        wl_display* display = wl_display_connect(nullptr);
        if (!display) return false;
        bool found = false;
        static const wl_registry_listener listener{announced, removed};
        wl_registry* registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &listener, &found);
        wl_display_roundtrip(display);
        wl_registry_destroy(registry);
        wl_display_disconnect(display);
        return found;
    }();
    return offers;
}
} // namespace

bool offerOnWaylandClipboard(const QString& text) {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !compositorOffersDataControl())
        return false;
    static const QString program = QStandardPaths::findExecutable(QStringLiteral("wl-copy"));
    if (program.isEmpty()) return false;
    // It forks once it has read the text, and the copy it leaves serves
    // the clipboard until something else is copied: nothing is waited for.
    auto* copy = new QProcess;
    copy->setStandardOutputFile(QProcess::nullDevice());
    copy->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(copy, &QProcess::finished, copy, &QObject::deleteLater);
    QObject::connect(copy, &QProcess::errorOccurred, copy, [copy](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) copy->deleteLater();
    });
    copy->start(program, {QStringLiteral("--type"), QStringLiteral("text/plain;charset=utf-8")});
    copy->write(text.toUtf8());
    copy->closeWriteChannel();
    return true;
}
