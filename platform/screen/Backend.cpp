#include "platform/screen/Backend.h"

#include <QGuiApplication>

#include <cstdlib>
#include <optional>
#include <string_view>

namespace {
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool waylandSession() {
    const char* session = std::getenv("XDG_SESSION_TYPE");
    return isSet("WAYLAND_DISPLAY") || (session && std::string_view(session) == "wayland");
}
} // namespace

Backend backend() {
    static std::optional<Backend> decided;
    if (decided) return *decided;
    if (!qGuiApp) return Backend::Other;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        decided = waylandSession() ? Backend::Xwayland : Backend::X11;
    else if (platform.startsWith(QLatin1String("wayland")))
        decided = Backend::NativeWayland;
    else
        decided = Backend::Other;
    return *decided;
}

xcb_connection_t* xConnection() {
    if (backend() != Backend::X11 && backend() != Backend::Xwayland) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Asked for by argument rather than the environment, so that nothing we
// start inherits the choice.
bool shouldStayOnX(int argc, char** argv) {
    if (isSet("QT_QPA_PLATFORM") || !isSet("DISPLAY")) return false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") return false;
    }
    return waylandSession();
}
